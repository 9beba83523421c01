// The network analyses in the real program, their dialogs driven through the
// kit with scripted answers: the remaining problem, loops and paths, the
// disturbance paths and the node adjacency matrix, each with what it leaves
// in the document.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QSlider>
#include <QTest>

#include "app/core/analysis/matriz_man.h"
#include "app/core/analysis/remanente.h"
#include "app/core/document/documento.h"
#include "app/core/document/ids_comandos.h"
#include "app/core/views/exportar.h"
#include "controls/grid/celdix.h"
#include "dialogs/analysis/dlg_anillos.h"
#include "dialogs/analysis/dlg_man.h"
#include "dialogs/analysis/dlg_perturbaciones.h"
#include "dialogs/analysis/dlg_remanente.h"
#include "fixture.h"
#include "model/constantes.h"
#include "platform/core/archive.h"
#include "platform/core/numtext.h"
#include "platform/qt/barchart.h"
#include "platform/qt/displaygrid.h"
#include "tests/comun/problemas.h"

namespace vardo::prueba {
namespace {

using Filas = std::vector<std::vector<std::string>>;

template <class Rejilla>
Filas Celdas(const Rejilla& g) {
  Filas f;
  for (int r = 0; r < g.Rows(); ++r) {
    f.emplace_back();
    for (int c = 0; c < g.Cols(); ++c) f.back().push_back(g.TextMatrix(r, c).toStdString());
  }
  return f;
}

// The four streams with two exchangers between H2 and C3: E1 of 100 kW from
// H2's supply into C3's target, E2 of 140 kW after it on both streams.
CDiagrama DosCambiadoresH2C3() {
  CDiagrama d = CuatroCorrientes();
  // modo, caliente, fria, (tipo, valor) EC, SC, EF, SF, Q
  d.AddCambiador(kModoQ, 1, 2, kTipoExtremo, 0, 0, 0, 0, 0, kTipoExtremo, 0, 1, 100);
  d.AddCambiador(kModoQ, 1, 2, kTipoCambiador, 0, 0, 0, 0, 0, kTipoCambiador, 0, 1, 140);
  ReconstruirListas(d);
  EXPECT_TRUE(Calculada(d.CalcularRed())) << d.m_textoComprobacion;
  return d;
}

// The stored form of a model: what a file would hold.
std::vector<std::uint8_t> Guardado(const CDiagrama& d) {
  CDiagrama copia;
  CopiarModeloCompleto(copia, d);
  Archive ar;
  copia.Serialize(ar);
  return ar.Bytes();
}

class RedAnalisis : public AppFixture {
 protected:
  void Abrir(const char* ejemplo) {
    ASSERT_EQ(Iniciar({CopiaEjemplo(ejemplo)}), -1);
    Marco().show();
    Procesar();
    ASSERT_NE(Doc(), nullptr);
  }
  bool Habilitado(int id) { return Marco().Commands().State(id).enabled; }
  std::vector<std::string> Mensajes() const {
    std::vector<std::string> v;
    for (const MessageRequest& r : runner_.Log()) v.push_back(r.text);
    return v;
  }
  std::vector<std::string> Dialogos() const {
    std::vector<std::string> v;
    for (const RunRecord& r : kitRunner_.Log()) v.push_back(r.text);
    return v;
  }
  // The remaining-problem table as shown; the heating chart's columns 2 and
  // 3 as their data texts.
  void VerRemanente(bool aceptar) {
    kitRunner_.ScriptDialog([this, aceptar](Driver& d) {
      tabla_ = Celdas(*d.Dialog().Get<Celdix>(CRemanenteDlg::kIdTabla));
      auto* g = d.Dialog().Get<BarChart>(CRemanenteDlg::kIdGraficos[3]);
      calefaccion_.clear();
      for (int c : {2, 3}) {
        g->SetColumn(c);
        calefaccion_.push_back(g->Data().toStdString());
      }
      if (aceptar)
        d.Ok();
      else
        d.Cancel();
    });
  }
  // The program fixes unset generic temperatures from the first targets it
  // computes for the open document; these violate DT min (the highest
  // shifted temperature is 438.15 K, the lowest 298.15 K), so the question
  // comes.
  void Violar() {
    Doc()->m_Diagrama.m_tCalienteGenerico = 400.0;
    Doc()->m_Diagrama.m_tFrioGenerico = 300.0;
    Doc()->SetModifiedFlag(false);
  }
  Filas tabla_;
  std::vector<std::string> calefaccion_;
};

TEST_F(RedAnalisis, LosComandosSeHabilitanSegunLosCambiadores) {
  ASSERT_NO_FATAL_FAILURE(Abrir("servicios_y_area.vdo"));
  CDiagrama& m = Doc()->m_Diagrama;
  ASSERT_EQ(m.GetNumCambiadores(), 3);
  const std::vector<CCambiador> todos = m.m_cambiadores;
  const struct {
    std::size_t cambiadores;
    bool man, anillos, perturbaciones;
  } casos[] = {{3, true, true, true}, {2, true, true, false}, {1, true, false, false},
               {0, false, false, false}};
  for (const auto& c : casos) {
    m.m_cambiadores.assign(todos.begin(), todos.begin() + static_cast<long>(c.cambiadores));
    EXPECT_TRUE(Habilitado(cmd::kProblemaRemanente)) << c.cambiadores;
    EXPECT_EQ(Habilitado(cmd::kMAN), c.man) << c.cambiadores;
    EXPECT_EQ(Habilitado(cmd::kAnadirAnillo), c.anillos) << c.cambiadores;
    EXPECT_EQ(Habilitado(cmd::kPerturbaciones), c.perturbaciones) << c.cambiadores;
  }
  const std::vector<CCorriente> corrientes = m.m_corrientes;
  m.m_corrientes.clear();
  EXPECT_FALSE(Habilitado(cmd::kProblemaRemanente));
  // The document as it was, before anything draws it.
  m.m_corrientes = corrientes;
  m.m_cambiadores = todos;
}

TEST_F(RedAnalisis, RemanenteConCtrlRYNoALaPregunta) {
  ASSERT_NO_FATAL_FAILURE(Abrir("servicios_y_area.vdo"));
  CDiagrama& m = Doc()->m_Diagrama;
  Violar();
  runner_.Script({Answer::No});
  VerRemanente(true);
  QTest::keyClick(Vista(), Qt::Key_R, Qt::ControlModifier);
  Procesar();
  EXPECT_EQ(Dialogos(), std::vector<std::string>{"Análisis del problema remanente"});
  EXPECT_EQ(Mensajes(), std::vector<std::string>{
                            "Las temperaturas de los servicios generales violan la diferencia de "
                            "temperaturas mínima para el nuevo valor de ésta. ¿Desea "
                            "actualizarlos?"});
  ASSERT_EQ(tabla_.size(), 6u);
  double area = 0.0, coste = 0.0;
  for (std::int32_t i = 0; i < 3; ++i) {
    area += m.AreaCambiador(i);
    coste += m.CosteCambiadores(i);
  }
  EXPECT_EQ(tabla_[1][2], "3");
  EXPECT_EQ(tabla_[2][2], NumTexto(area, 6));
  EXPECT_EQ(tabla_[3][2], NumTexto(coste, 4));
  const std::vector<std::string> calefaccion{"Calefacción (kW)", "20.", "20.", "0.", "20."};
  const std::vector<std::string> refrigeracion{"Refrigeración (kW)", "60.", "60.", "0.", "60."};
  EXPECT_EQ(tabla_[4], calefaccion);
  EXPECT_EQ(tabla_[5], refrigeracion);
  EXPECT_EQ(calefaccion_, (std::vector<std::string>{"20,", "0,"}));

  // The remaining problem: what E1, the heater and the cooler leave of H2,
  // H4 and C1; nothing of C3 or of the two utilities.
  const CDiagrama r = ProblemaRemanente(m);
  const struct {
    const char* nombre;
    double t1, t2, h;
  } restos[] = {{"C1", 293.15, 398.15, 210.0},
                {"H2", 363.15, 333.15, -90.0},
                {"H4", 423.15, 343.15, -120.0}};
  ASSERT_EQ(r.GetNumCorrientes(), 3);
  EXPECT_EQ(r.GetNumServicios(), 0);
  for (std::size_t i = 0; i < 3; ++i) {
    const CCorriente& c = r.m_corrientes[i];
    EXPECT_EQ(c.GetNombre(), restos[i].nombre);
    EXPECT_NEAR(c.GetT1(), restos[i].t1, 1e-9);
    EXPECT_NEAR(c.GetT2(), restos[i].t2, 1e-9);
    EXPECT_NEAR(c.GetH(kTSentinel, 1), restos[i].h, 1e-9);
  }
  // No: the document keeps its temperatures, no undo step, no mark.
  EXPECT_EQ(m.m_tCalienteGenerico, 400.0);
  EXPECT_EQ(m.m_tFrioGenerico, 300.0);
  EXPECT_EQ(Doc()->NumDeshacer(), 0);
  EXPECT_FALSE(Doc()->IsModified());
}

TEST_F(RedAnalisis, RemanenteSiYCancelarNoCambiaNadaSiYAceptarFijaLosServicios) {
  ASSERT_NO_FATAL_FAILURE(Abrir("servicios_y_area.vdo"));
  CDiagrama& m = Doc()->m_Diagrama;
  Violar();
  runner_.Script({Answer::Yes});
  VerRemanente(false);
  ASSERT_TRUE(Ejecutar(cmd::kProblemaRemanente));
  EXPECT_EQ(m.m_tCalienteGenerico, 400.0);
  EXPECT_EQ(m.m_tFrioGenerico, 300.0);
  EXPECT_FALSE(Doc()->IsModified());

  runner_.Script({Answer::Yes});
  VerRemanente(true);
  ASSERT_TRUE(Ejecutar(cmd::kProblemaRemanente));
  EXPECT_NEAR(m.m_tCalienteGenerico, 448.15, 1e-9);
  EXPECT_NEAR(m.m_tFrioGenerico, 288.15, 1e-9);
  EXPECT_EQ(Doc()->NumDeshacer(), 0);
  EXPECT_EQ(m.GetNumCambiadores(), 3);
  EXPECT_EQ(Mensajes().size(), 2u);
}

TEST_F(RedAnalisis, RemanenteSinCambiadores) {
  ASSERT_NO_FATAL_FAILURE(Abrir("cuatro_corrientes.vdo"));
  CDiagrama copia = Doc()->m_Diagrama;
  RecordingUiPort ui;
  ui.Script({Answer::No});
  ComprobarServiciosGenericos(copia, ui);
  if (!ui.Log().empty()) runner_.Script({Answer::No});
  VerRemanente(true);
  ASSERT_TRUE(Ejecutar(cmd::kProblemaRemanente));
  ASSERT_EQ(tabla_.size(), 6u);
  EXPECT_EQ(tabla_[1][2], "0");
  EXPECT_EQ(tabla_[2][2], "0.");
  for (std::size_t f = 1; f < 6; ++f) EXPECT_EQ(tabla_[f][3], tabla_[f][1]) << f;
  EXPECT_EQ(tabla_[4][1], "20.");
  EXPECT_EQ(tabla_[5][1], "60.");
}

TEST_F(RedAnalisis, AnillosConCtrlLDesplazaLaCargaConUnPasoDeDeshacer) {
  using D = CAnadirAnillosDlg;
  ASSERT_NO_FATAL_FAILURE(Abrir("cuatro_corrientes.vdo"));
  Doc()->m_Diagrama = DosCambiadoresH2C3();
  Doc()->SetModifiedFlag(false);
  ASSERT_TRUE(Habilitado(cmd::kAnadirAnillo));
  kitRunner_.ScriptDialog([](Driver& d) {
    EXPECT_FALSE(d.Dialog().IsEnabled(D::kIdSiguiente));
    d.Click(D::kIdBuscar);
    EXPECT_TRUE(d.Dialog().IsEnabled(D::kIdSiguiente));
    EXPECT_TRUE(d.Dialog().IsEnabled(D::kIdAnterior));
    EXPECT_EQ(d.Text(D::kIdMinimo), "-100.");
    EXPECT_EQ(d.Text(D::kIdMaximo), "140.");
    EXPECT_EQ(d.Text(D::kIdCantidad), "-100.");
    d.Type(D::kIdCantidad, "141");
    d.Enter();
    EXPECT_EQ(d.Text(D::kIdCantidad), "140.");
    EXPECT_EQ(d.Dialog().Get<QSlider>(D::kIdDeslizador)->value(), 100);
    d.Type(D::kIdCantidad, "40");
    d.Ok();
  });
  runner_.Script({Answer::Yes});
  QTest::keyClick(Vista(), Qt::Key_L, Qt::ControlModifier);
  Procesar();
  EXPECT_EQ(Dialogos(), std::vector<std::string>{"Añadir anillos o sendas"});
  ASSERT_EQ(Mensajes().size(), 1u);
  EXPECT_EQ(Mensajes()[0].rfind("Al calcular el anillo o senda", 0), 0u);
  const CDiagrama& m = Doc()->m_Diagrama;
  EXPECT_NEAR(m.m_cambiadores[0].q, 140.0, 1e-6);
  EXPECT_NEAR(m.m_cambiadores[1].q, 100.0, 1e-6);
  EXPECT_TRUE(m.m_lazoEnCurso.nodos.empty());
  EXPECT_EQ(Doc()->NumDeshacer(), 1);
  EXPECT_TRUE(Doc()->IsModified());
  // One undo brings the duties back.
  ASSERT_TRUE(Ejecutar(cmd::kDeshacer));
  EXPECT_NEAR(Doc()->m_Diagrama.m_cambiadores[0].q, 100.0, 1e-6);
  EXPECT_NEAR(Doc()->m_Diagrama.m_cambiadores[1].q, 140.0, 1e-6);

  // Cancel leaves the document as it was.
  kitRunner_.ScriptDialog([](Driver& d) {
    d.Click(D::kIdBuscar);
    d.Cancel();
  });
  ASSERT_TRUE(Ejecutar(cmd::kAnadirAnillo));
  EXPECT_NEAR(Doc()->m_Diagrama.m_cambiadores[0].q, 100.0, 1e-6);
  EXPECT_EQ(Doc()->NumDeshacer(), 0);
}

TEST_F(RedAnalisis, PerturbacionesNoDevuelveNada) {
  ASSERT_NO_FATAL_FAILURE(Abrir("servicios_y_area.vdo"));
  const std::vector<std::uint8_t> antes = Guardado(Doc()->m_Diagrama);
  Filas vista;
  kitRunner_.ScriptDialog([&](Driver& d) {
    vista = Celdas(*d.Dialog().Get<Celdix>(CPerturbacionesDlg::kIdTabla));
    d.Ok();
  });
  ASSERT_TRUE(Ejecutar(cmd::kPerturbaciones));
  EXPECT_EQ(Dialogos(), std::vector<std::string>{"Caminos de transmisión de perturbaciones"});
  ASSERT_EQ(vista.size(), 7u);
  EXPECT_EQ(vista[0], (std::vector<std::string>{"de/a", "1", "2", "3", "4", "S1", "S2"}));
  EXPECT_EQ(Guardado(Doc()->m_Diagrama), antes);
  EXPECT_FALSE(Doc()->IsModified());
  EXPECT_TRUE(Mensajes().empty());
}

// "&Copiar" of the table's menu reaches the active view: the matrix text on
// the clipboard; "&Exportar como .dat" writes the file.
TEST_F(RedAnalisis, MenuMANCopiaYExportaPorLaVista) {
  ASSERT_NO_FATAL_FAILURE(Abrir("servicios_y_area.vdo"));
  CDiagrama copia = Doc()->m_Diagrama;
  const TablaMAN t = TablaMatrizMAN(copia);
  QApplication::clipboard()->setText("nada");
  const QString ruta = Ruta("matriz.dat");
  dialogos_.Script(ruta);
  kitRunner_.ScriptDialog([&](Driver& d) {
    auto* dlg = static_cast<CMANDlg*>(&d.Dialog());
    auto* g = d.Dialog().Get<DisplayGrid>(CMANDlg::kIdTabla);
    EXPECT_EQ(Celdas(*g), t.Celdas());
    d.Grab(::testing::TempDir() + "red_analisis_man.png");
    const QPoint p = g->CellRect(1, 1).center() - g->viewport()->geometry().topLeft();
    QTest::mousePress(g->viewport(), Qt::RightButton, {}, p);
    ASSERT_TRUE(dlg->MenuMAN()->isVisible());
    dlg->MenuMAN()->actions()[0]->trigger();
    dlg->MenuMAN()->actions()[1]->trigger();
    dlg->MenuMAN()->close();
    QTest::mouseRelease(g->viewport(), Qt::RightButton, {}, p);
    d.Ok();
  });
  ASSERT_TRUE(Ejecutar(cmd::kMAN));
  EXPECT_EQ(Dialogos(), std::vector<std::string>{"Matriz de Adyacencia de Nodos y Árbol Máximo"});
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), TextoMatrizMAN(t));
  QFile f(ruta);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray dat = f.readAll();
  EXPECT_EQ(std::vector<std::uint8_t>(dat.begin(), dat.end()),
            TextoParaArchivo(TextoArchivoMAN(t)));
  EXPECT_FALSE(Doc()->IsModified());
}

}  // namespace
}  // namespace vardo::prueba
