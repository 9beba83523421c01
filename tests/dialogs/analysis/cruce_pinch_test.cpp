// "Emparejamientos a través del pinch" through the program's dialog factory:
// the table and the bar chart of the exchangers that cross the pinch.
#include <gtest/gtest.h>

#include "app/qt/fabrica_dialogos_qt.h"
#include "controls/grid/celdix.h"
#include "dialogs/analysis/dlg_cruce_pinch.h"
#include "dialogs/analysis/registro.h"
#include "platform/qt/barchart.h"
#include "tests/comun/kit_prueba.h"
#include "tests/dialogs/analysis/problemas_analisis.h"

namespace vardo::prueba {
namespace {

using D = CCrucePinchDlg;

// What the dialog shows: the table's rows and the chart's labels and values.
struct Visto {
  std::vector<std::vector<std::string>> tabla;
  std::vector<std::string> etiquetas;
  std::vector<double> valores;
  bool soloLectura = false;
};

Visto Ver(const CDiagrama& m, const std::string& png = {}) {
  FabricaDialogosQt fabrica;
  RegistrarDialogosAnalisis(fabrica);
  ScriptedRunner runner;
  kit::ScopedModalRunner usar(runner);
  Visto v;
  runner.ScriptDialog([&](Driver& d) {
    auto* t = d.Dialog().Get<Celdix>(D::kIdTabla);
    for (int r = 0; r < t->Rows(); ++r)
      v.tabla.push_back({t->TextMatrix(r, 0).toStdString(), t->TextMatrix(r, 1).toStdString()});
    v.soloLectura = t->ReadOnlyTable();
    auto* g = d.Dialog().Get<BarChart>(D::kIdGrafico);
    EXPECT_EQ(g->ColumnCount(), 1);
    for (int r = 1; r <= g->RowCount(); ++r) {
      v.etiquetas.push_back(g->Label(r).toStdString());
      v.valores.push_back(g->Value(r, 1));
    }
    if (!png.empty()) d.Grab(::testing::TempDir() + png);
    d.Ok();
  });
  DlgCrucePinch r;
  r.modelo = m;
  fabrica.CrucePinch(r);
  EXPECT_TRUE(runner.Done());
  return v;
}

using Filas = std::vector<std::vector<std::string>>;
const std::vector<std::string> kCabecera{"Cambiador", "Q (kW)"};

TEST(CrucePinch, ElCambiadorQueCruzaConSuCalorEnTablaYGrafico) {
  const Visto v = Ver(ConCambiadorH2C3(383.15, 353.15, 358.15), "analisis_cruce_pinch.png");
  EXPECT_EQ(v.tabla, (Filas{kCabecera, {"1", "30."}}));
  EXPECT_EQ(v.etiquetas, std::vector<std::string>{"1"});
  EXPECT_EQ(v.valores, std::vector<double>{30.0});
  EXPECT_TRUE(v.soloLectura);
}

TEST(CrucePinch, SinCruceSoloLaCabeceraYUnGraficoVacio) {
  const Visto v = Ver(ConCambiadorH2C3(413.15, 383.15, 373.15));
  EXPECT_EQ(v.tabla, Filas{kCabecera});
  EXPECT_TRUE(v.valores.empty());
  EXPECT_TRUE(v.soloLectura);
}

TEST(CrucePinch, ConUnAreaVisibleSeDejanFueraLosCambiadoresDeOtrasAreas) {
  CDiagrama m = ConCambiadorH2C3(383.15, 353.15, 358.15);
  m.AddArea("A", 0);
  m.AddArea("B", 0);
  m.m_corrientes[1].m_area = 0;
  m.m_corrientes[2].m_area = 0;
  m.m_areas[1].mostrada = 1;
  EXPECT_EQ(Ver(m).tabla, Filas{kCabecera});
  m.m_areas[0].mostrada = 1;
  EXPECT_EQ(Ver(m).tabla.size(), 2u);
}

}  // namespace
}  // namespace vardo::prueba
