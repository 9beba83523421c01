// "Borrar corrientes", "Borrar cambiadores" and "Borrar Servicios": one
// dialog for the three deletes. The user chooses one object by its number or
// all of them; the dialog only hands the choice back, the document's delete
// commands confirm and delete.
#pragma once
#include <cstdint>

#include "app/core/document/puertos.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

class FabricaDialogosQt;

// The words of one of the three dialogs.
struct TextosBorrar {
  const char* titulo;
  const char* uno;    // first radio, beside the list of numbers
  const char* todos;  // second radio
  bool marcarUno;     // the dialog sets the first radio itself
};

class CBorrarDlg : public kit::Dialog {
 public:
  static constexpr int kIdUno = 1000;
  static constexpr int kIdLista = 1001;
  static constexpr int kIdTodos = 1002;

  // numero: how many objects; eleccion (0 one, 1 all, -1 neither) and indice
  // (the chosen entry, -1 none) are written on OK only.
  CBorrarDlg(const TextosBorrar& textos, std::int32_t numero, std::int32_t& eleccion,
             std::int32_t& indice, QWidget* parent = nullptr);

 protected:
  void DataExchange(kit::Exchange& dx) override;
  void OnInit() override;

 private:
  bool marcarUno_;
  std::int32_t numero_;
  std::int32_t& eleccion_;
  std::int32_t& indice_;
};

// The words of each delete dialog.
const TextosBorrar& TextosDeBorrar(DialogoId id);

// Runs the delete dialog of a record modally; true for OK.
template <DialogoId I>
bool EjecutarBorrar(QWidget* padre, DlgBorrar<I>& d) {
  CBorrarDlg dlg(TextosDeBorrar(I), d.numero, d.eleccion, d.indice, padre);
  return dlg.Run() == kit::kIdOk;
}

void RegistrarBorrar(FabricaDialogosQt& fabrica);

}  // namespace vardo
