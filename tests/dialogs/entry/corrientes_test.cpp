// The streams sheet "Añadir Corrientes" through the program's dialog
// factory, driven as a user drives it.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/entry/dlg_corrientes.h"
#include "dialogs/entry/registro.h"
#include "model/bifurcacion_edicion.h"
#include "model/constantes.h"
#include "tests/comun/kit_controles.h"
#include "tests/comun/kit_prueba.h"

namespace vardo::prueba {
namespace {

using P = CCorrientesDlg;
using E = CAjusteHDlg;

class Corrientes : public ::testing::Test {
 protected:
  Corrientes() { RegistrarDialogosEntrada(fabrica_); }

  // Runs the sheet on d through the factory with one script.
  bool Correr(DlgCorrientes& d, std::function<void(Driver&, CCorrientesSheet&)> guion) {
    runner_.ScriptDialog([guion](Driver& dr) {
      auto* hoja = dynamic_cast<CCorrientesSheet*>(&dr.Dialog());
      ASSERT_NE(hoja, nullptr);
      guion(dr, *hoja);
    });
    return fabrica_.Corrientes(d);
  }

  static std::string Png(const std::string& nombre) {
    return std::string(::testing::TempDir()) + nombre + ".png";
  }

  FabricaDialogosQt fabrica_;
  ScriptedRunner runner_;
  kit::ScopedModalRunner usar_{runner_};
};

TEST_F(Corrientes, CuatroPaginas) {
  DlgCorrientes d;
  d.modelo.AddCorriente(400, 300, 2.0, 0, 0);
  EXPECT_FALSE(Correr(d, [](Driver& dr, CCorrientesSheet&) {
    for (int p = 0; p < 4; ++p) {
      ASSERT_TRUE(dr.Page(p));
      if (p == 1) {
        auto& pag = dynamic_cast<CAjusteHDlg&>(dr.Host(E::kIdTabla));
        std::cerr << "timer " << pag.FireTimer(E::kIdTemporizador) << " dib " << pag.GraficaDibujada() << "\n";
        Celdix* c = pag.Get<Celdix>(E::kIdTabla);
        std::cerr << c->ColWidth(0) << " " << c->TextMatrix(0,0).toStdString() << " cols " << c->Cols() << " left " << c->Grid()->LeftCol() << "\n";
      }
      dr.Grab("/tmp/sheetpng/pagina" + std::to_string(p) + ".png");
    }
    dr.Cancel();
  }));
}

}  // namespace
}  // namespace vardo::prueba
