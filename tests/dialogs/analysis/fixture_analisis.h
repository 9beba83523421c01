// The fixture of the analysis dialog tests: the program's dialog factory with
// every analysis dialog registered and a scripted runner for the dialogs and
// the questions they ask.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/analysis/registro.h"
#include "tests/comun/kit_prueba.h"

namespace vardo::prueba {

class ConDialogos : public ::testing::Test {
 protected:
  ConDialogos() { RegistrarDialogosAnalisis(fabrica_); }

  // Runs the factory's dialog on record r with a script; the answers go to
  // the questions the dialog asks while it runs.
  template <class R>
  bool Correr(bool (FabricaDialogosQt::*ejecutar)(R&), R& r, std::function<void(Driver&)> guion,
              std::initializer_list<Answer> respuestas = {}) {
    runner_.ScriptDialog(std::move(guion));
    for (Answer a : respuestas) runner_.ScriptMessage(a);
    return (fabrica_.*ejecutar)(r);
  }

  // The texts of the messages and questions shown so far.
  std::vector<std::string> Mensajes() const {
    std::vector<std::string> v;
    for (const RunRecord& r : runner_.Log())
      if (r.kind == RunRecord::Kind::Message) v.push_back(r.text);
    return v;
  }

  // The entries of a list or combo.
  static std::vector<std::string> Lista(Driver& d, int id) {
    std::vector<std::string> v;
    for (int i = 0; i < d.Dialog().Count(id); ++i) v.push_back(d.Dialog().ItemText(id, i));
    return v;
  }

  FabricaDialogosQt fabrica_;
  ScriptedRunner runner_;
  kit::ScopedModalRunner usar_{runner_};
};

}  // namespace vardo::prueba
