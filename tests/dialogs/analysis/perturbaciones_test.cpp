// "Caminos de transmisión de perturbaciones" through the program's dialog
// factory: the square table headed "de/a", one "*" per pair a disturbance
// travels between, each the silent search run alone on a copy.
#include <gtest/gtest.h>

#include <QFontMetrics>

#include "app/core/analysis/perturbaciones_tabla.h"
#include "controls/grid/celdix.h"
#include "dialogs/analysis/dlg_perturbaciones.h"
#include "model/anillos.h"
#include "tests/app/core/analysis/analisis_comun.h"
#include "tests/dialogs/analysis/fixture_analisis.h"
#include "tests/dialogs/analysis/problemas_analisis.h"

namespace vardo::prueba {
namespace {

using D = CPerturbacionesDlg;

class Perturbaciones : public ConDialogos {
 protected:
  // The table the dialog shows on model m.
  Celdas Ver(const CDiagrama& m, const std::string& png = {}) {
    DlgPerturbaciones r;
    r.modelo = m;
    Celdas celdas;
    EXPECT_TRUE(ConDialogos::Correr(&FabricaDialogosQt::Perturbaciones, r, [&](Driver& d) {
      auto* t = d.Dialog().Get<Celdix>(D::kIdTabla);
      EXPECT_TRUE(t->ReadOnlyTable());
      EXPECT_EQ(t->FixedRows(), 1);
      EXPECT_EQ(t->FixedCols(), 1);
      for (int f = 0; f < t->Rows(); ++f) {
        celdas.emplace_back();
        for (int c = 0; c < t->Cols(); ++c) {
          celdas.back().push_back(t->TextMatrix(f, c).toStdString());
          if (f == 0) {
            // At least the width given; wider where a heading needs it.
            EXPECT_GE(t->ColWidth(c), D::kAnchoColumna) << c;
            EXPECT_LE(QFontMetrics(t->Grid()->font()).horizontalAdvance(t->TextMatrix(0, c)),
                      t->Grid()->AnchoTextoPx(c))
                << c;
          }
        }
      }
      if (!png.empty()) d.Grab(::testing::TempDir() + png);
      d.Ok();
    }));
    EXPECT_TRUE(runner_.Done());
    EXPECT_TRUE(Mensajes().empty());  // the searches are silent
    return celdas;
  }
};

// Every cell against the silent search run alone on a fresh copy.
void EsperarBusquedas(const CDiagrama& m, const Celdas& celdas) {
  const std::vector<std::int32_t> refs = EntradasPerturbaciones(m);
  ASSERT_EQ(celdas.size(), refs.size() + 1);
  for (std::size_t i = 0; i < refs.size(); ++i)
    for (std::size_t j = 0; j < refs.size(); ++j) {
      if (i == j) {
        EXPECT_EQ(celdas[i + 1][j + 1], "-");
        continue;
      }
      CDiagrama copia = m;
      RecordingUiPort ui;
      const bool camino = BuscarCaminosPerturbacion(copia, refs[i], refs[j], 1, ui) != 0;
      EXPECT_EQ(celdas[i + 1][j + 1], camino ? "*" : "") << i << " -> " << j;
    }
}

TEST_F(Perturbaciones, EjemploConServiciosVisiblesYOcultos) {
  CDiagrama m = Ejemplo("servicios_y_area.vdo");
  ASSERT_NE(m.m_serviciosVisibles, 0);
  const Celdas con = Ver(m, "analisis_perturbaciones.png");
  EsperarCabeceras(con, "de/a", {"1", "2", "3", "4", "S1", "S2"});
  EsperarBusquedas(m, con);
  int marcas = 0;
  for (const auto& fila : con)
    for (const auto& c : fila) marcas += c == "*" ? 1 : 0;
  EXPECT_GT(marcas, 0);

  m.m_serviciosVisibles = 0;
  const Celdas sin = Ver(m);
  EsperarCabeceras(sin, "de/a", {"1", "2", "3", "4"});
  EsperarBusquedas(m, sin);
}

// C1 meets H0 upstream of C2: C1 reaches C2, C2 does not reach C1; C3 has
// no exchanger.
TEST_F(Perturbaciones, UnSentidoSinElOtro) {
  RedManual m;
  m.Corriente(500, 300);
  m.Corriente(300, 400);
  m.Corriente(310, 420);
  m.Corriente(320, 330);
  m.Cambiador(0, 1);
  m.Cambiador(0, 2);
  const Celdas c = Ver(m.d);
  EsperarCabeceras(c, "de/a", {"1", "2", "3", "4"});
  EXPECT_EQ(c[2][3], "*");
  EXPECT_EQ(c[3][2], "");
  EXPECT_EQ(c[4], (std::vector<std::string>{"4", "", "", "", "-"}));
}

// A split stream takes one row and one column, named by its main branch.
TEST_F(Perturbaciones, UnaDivisionEsUnaEntrada) {
  const CDiagrama d = RedDividida();
  const Celdas c = Ver(d);
  EsperarCabeceras(c, "de/a", {"2", "5"});
  EsperarBusquedas(d, c);
}

}  // namespace
}  // namespace vardo::prueba
