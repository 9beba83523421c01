// The three delete dialogs through the program's dialog factory, driven as a
// user drives them.
#include <gtest/gtest.h>

#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/entry/dlg_borrar.h"
#include "dialogs/entry/registro.h"
#include "tests/comun/kit_prueba.h"

namespace vardo::prueba {
namespace {

using D = CBorrarDlg;

struct CasoDialogo {
  DialogoId id;
  const char* titulo;
  const char* uno;
  const char* todos;
  // Runs the factory's dialog on a record with n objects and the caller's
  // choice; gives back the factory's answer and the record.
  std::function<bool(FabricaDialogosQt&, int n, int eleccion, int& eleccionLeida, int& indice)> correr;
};

template <class R>
std::function<bool(FabricaDialogosQt&, int, int, int&, int&)> Correr(bool (FabricaDialogosQt::*f)(R&)) {
  return [f](FabricaDialogosQt& fab, int n, int eleccion, int& eleccionLeida, int& indice) {
    R d;
    d.numero = n;
    d.eleccion = eleccion;
    d.indice = 7;
    const bool ok = (fab.*f)(d);
    eleccionLeida = d.eleccion;
    indice = d.indice;
    return ok;
  };
}

const std::vector<CasoDialogo>& Casos() {
  static const std::vector<CasoDialogo> casos = {
      {DialogoId::BorrarCorrientes, "Borrar corrientes", "Borrar corriente número:",
       "Borrar todas las corrientes", Correr(&FabricaDialogosQt::BorrarCorrientes)},
      {DialogoId::BorrarCambiadores, "Borrar cambiadores", "Borrar cambiador número:",
       "Borrar todos los cambiadores", Correr(&FabricaDialogosQt::BorrarCambiadores)},
      {DialogoId::BorrarServicios, "Borrar Servicios", "Borrar servicio número:",
       "Borrar todos los servicios", Correr(&FabricaDialogosQt::BorrarServicios)},
  };
  return casos;
}

class Borrar : public ::testing::Test {
 protected:
  Borrar() { RegistrarDialogosEntrada(fabrica_); }
  FabricaDialogosQt fabrica_;
  ScriptedRunner runner_;
  kit::ScopedModalRunner usar_{runner_};
};

TEST_F(Borrar, OfreceLosNumerosConElPrimeroElegidoYDevuelveLaEleccion) {
  for (const CasoDialogo& c : Casos()) {
    SCOPED_TRACE(c.titulo);
    EXPECT_TRUE(fabrica_.Disponible(c.id));
    std::vector<std::string> entradas;
    std::string elegida, uno, todos;
    int radio = -2;
    runner_.ScriptDialog([&](Driver& d) {
      for (int i = 0; i < d.Dialog().Count(D::kIdLista); ++i)
        entradas.push_back(d.Dialog().ItemText(D::kIdLista, i));
      elegida = d.Text(D::kIdLista);
      radio = d.Dialog().RadioIndex(D::kIdUno);
      uno = d.Text(D::kIdUno);
      todos = d.Text(D::kIdTodos);
      d.Grab(std::string(::testing::TempDir()) + "borrar_" + std::to_string(int(c.id)) + ".png");
      d.Choose(D::kIdLista, 2);
      d.Ok();
    });
    int eleccion = 0, indice = 0;
    EXPECT_TRUE(c.correr(fabrica_, 3, 0, eleccion, indice));
    EXPECT_EQ(runner_.Log().back().text, c.titulo);
    EXPECT_EQ(entradas, (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(elegida, "1");
    EXPECT_EQ(radio, 0);
    EXPECT_EQ(uno, c.uno);
    EXPECT_EQ(todos, c.todos);
    EXPECT_EQ(eleccion, 0);
    EXPECT_EQ(indice, 2);

    // All of them with Enter; Cancel and Escape hand nothing back.
    const struct {
      const char* nombre;
      std::function<void(Driver&)> guion;
      bool ok;
      int eleccion, indice;
    } finales[] = {
        {"todas", [](Driver& d) { d.Click(D::kIdTodos); d.Enter(); }, true, 1, 0},
        {"escape", [](Driver& d) { d.Click(D::kIdTodos); d.Escape(); }, false, 0, 7},
        {"cancelar", [](Driver& d) { d.Choose(D::kIdLista, 1); d.Cancel(); }, false, 0, 7},
    };
    for (const auto& f : finales) {
      runner_.ScriptDialog(f.guion);
      EXPECT_EQ(c.correr(fabrica_, 3, 0, eleccion, indice), f.ok) << f.nombre;
      EXPECT_EQ(eleccion, f.eleccion) << f.nombre;
      EXPECT_EQ(indice, f.indice) << f.nombre;
    }
  }
}

TEST_F(Borrar, SinEleccionDelLlamadorSoloElDeServiciosMarcaLaPrimera) {
  for (const CasoDialogo& c : Casos()) {
    SCOPED_TRACE(c.titulo);
    runner_.ScriptDialog([](Driver& d) { d.Ok(); });
    int eleccion = 0, indice = 0;
    EXPECT_TRUE(c.correr(fabrica_, 1, -1, eleccion, indice));
    EXPECT_EQ(eleccion, c.id == DialogoId::BorrarServicios ? 0 : -1);
    EXPECT_EQ(indice, 0);
  }
}

}  // namespace
}  // namespace vardo::prueba
