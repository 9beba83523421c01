// "Análisis del problema remanente" through the program's dialog factory:
// the generic utilities' question, the table and the five charts, and what
// the record gets back on OK and on Cancel.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QTextDocument>
#include <QToolButton>

#include <array>
#include <string>

#include "app/core/analysis/remanente.h"
#include "controls/grid/celdix.h"
#include "dialogs/analysis/dlg_remanente.h"
#include "model/constantes.h"
#include "platform/core/numtext.h"
#include "platform/qt/barchart.h"
#include "tests/app/core/document/ejemplo_archivo.h"
#include "tests/dialogs/analysis/fixture_analisis.h"

namespace vardo::prueba {
namespace {

using D = CRemanenteDlg;
using Filas = std::vector<std::vector<std::string>>;

// What the dialog shows.
struct Visto {
  Filas tabla;
  bool soloLectura = false;
  int anchoEtiquetas = 0;
  std::array<std::string, 5> etiquetas;
  std::array<std::array<double, 4>, 5> valores{};
  bool etiquetasCaben = false;  // every row label fits its cell
  std::string leyenda;  // the key as read
  std::string htmlLeyenda;
  std::string escala;
  bool botones = true;
};

class Remanente : public ConDialogos {
 protected:
  // Runs the dialog on r, answering the question (when given), then OK or
  // Cancel; the PNG is grabbed when named.
  bool Correr(DlgRemanente& r, const std::vector<Answer>& respuestas, bool aceptar,
              const std::string& png = {}) {
    // The question comes while the dialog opens, before its script runs.
    for (Answer a : respuestas) runner_.ScriptMessage(a);
    runner_.ScriptDialog([&](Driver& d) {
          auto* t = d.Dialog().Get<Celdix>(D::kIdTabla);
          visto.tabla.clear();
          for (int f = 0; f < t->Rows(); ++f) {
            visto.tabla.emplace_back();
            for (int c = 0; c < t->Cols(); ++c)
              visto.tabla.back().push_back(t->TextMatrix(f, c).toStdString());
          }
          visto.soloLectura = t->ReadOnlyTable();
          visto.botones = t->AddButton()->isVisible() || t->CopyButton()->isVisible();
          auto* clave = d.Dialog().Get<QLabel>(D::kIdLeyenda);
          visto.htmlLeyenda = clave->text().toStdString();
          QTextDocument doc;
          doc.setHtml(clave->text());
          visto.leyenda = doc.toPlainText().simplified().toStdString();
          visto.escala = d.Text(D::kIdEscalaCoste);
          visto.anchoEtiquetas = t->ColWidth(0);
          visto.etiquetasCaben = true;
          for (int f = 0; f < t->Rows(); ++f)
            visto.etiquetasCaben = visto.etiquetasCaben &&
                                   QFontMetrics(t->Grid()->font()).horizontalAdvance(t->TextMatrix(f, 0)) <=
                                       t->Grid()->AnchoTextoPx(0);
          for (int k = 0; k < 5; ++k) {
            auto* g = d.Dialog().Get<BarChart>(D::kIdGraficos[k]);
            EXPECT_EQ(g->RowCount(), 1);
            EXPECT_EQ(g->ColumnCount(), 4);
            visto.etiquetas[static_cast<std::size_t>(k)] = g->Label(1).toStdString();
            for (int c = 1; c <= 4; ++c)
              visto.valores[static_cast<std::size_t>(k)][static_cast<std::size_t>(c - 1)] =
                  g->Value(1, c);
          }
          if (!png.empty()) d.Grab(::testing::TempDir() + png);
          if (aceptar)
            d.Ok();
          else
            d.Cancel();
        });
    const bool ok = fabrica_.Remanente(r);
    EXPECT_TRUE(runner_.Done());
    return ok;
  }
  // Whether the generic utilities' question comes for this problem.
  static bool Pregunta(CDiagrama m) {
    RecordingUiPort ui;
    ui.Script({Answer::No});
    ComprobarServiciosGenericos(m, ui);
    return !ui.Log().empty();
  }
  Visto visto;
};

TEST_F(Remanente, ServiciosYAreaConNoALaPregunta) {
  DlgRemanente r;
  r.modelo = CargarEjemplo("servicios_y_area.vdo");
  const CDiagrama problema = r.modelo;
  ASSERT_TRUE(Correr(r, {Answer::No}, true, "analisis_remanente.png"));
  EXPECT_EQ(Mensajes(), std::vector<std::string>{kPreguntaServiciosGenericos});
  for (const RunRecord& x : runner_.Log())
    if (x.kind == RunRecord::Kind::Message) {
      EXPECT_EQ(x.buttons, MsgButtons::YesNo);
    }
  // No leaves the generic temperatures unset.
  EXPECT_EQ(r.modelo.m_tCalienteGenerico, kTSentinel);
  EXPECT_EQ(r.modelo.m_tFrioGenerico, kTSentinel);

  EXPECT_TRUE(visto.soloLectura);
  // At least the width given; wider where the labels need it at the font in
  // use.
  EXPECT_GE(visto.anchoEtiquetas, D::kAnchoEtiquetas);
  EXPECT_TRUE(visto.etiquetasCaben);
  ASSERT_EQ(visto.tabla.size(), 6u);
  EXPECT_EQ(visto.tabla[0],
            (std::vector<std::string>{"", "Mínimo", "Instalado", "Remanente", "Total"}));
  const char* etiquetas[] = {"Número de cambiadores", "Área de intercambio (m2)",
                             "Coste de inmovilizado ($)", "Calefacción (kW)",
                             "Refrigeración (kW)"};
  for (std::size_t f = 1; f < 6; ++f) EXPECT_EQ(visto.tabla[f][0], etiquetas[f - 1]);
  // Installed: the three exchangers, their areas and costs.
  double area = 0.0, coste = 0.0;
  CDiagrama copia = problema;
  for (std::int32_t i = 0; i < copia.GetNumCambiadores(); ++i) {
    area += copia.AreaCambiador(i);
    coste += copia.CosteCambiadores(i);
  }
  EXPECT_EQ(visto.tabla[1][2], "3");
  EXPECT_EQ(visto.tabla[2][2], NumTexto(area, 6));
  EXPECT_EQ(visto.tabla[3][2], NumTexto(coste, 4));
  // Heating and cooling: minimum, installed, remaining, total.
  EXPECT_EQ(visto.tabla[4], (std::vector<std::string>{etiquetas[3], "20.", "20.", "0.", "20."}));
  EXPECT_EQ(visto.tabla[5], (std::vector<std::string>{etiquetas[4], "60.", "60.", "0.", "60."}));
  // The table is the window-free analysis of the same problem.
  CDiagrama otra = problema;
  const TablaRemanente t = TextosRemanente(CalcularRemanente(otra));
  for (std::size_t f = 0; f < 6; ++f)
    for (std::size_t c = 0; c < 5; ++c) EXPECT_EQ(visto.tabla[f][c], t[f][c]) << f << "," << c;

  // Charts: the labels, the three charted columns, the fourth as designed.
  EXPECT_EQ(visto.etiquetas, (std::array<std::string, 5>{"Num Camb", "Área (m2)", "Coste ($)",
                                                          "Cal (kW)", "Ref (kW)"}));
  EXPECT_EQ(visto.valores[3], (std::array<double, 4>{20.0, 20.0, 0.0, 0.0}));
  EXPECT_EQ(visto.valores[4], (std::array<double, 4>{60.0, 60.0, 0.0, 0.0}));
  EXPECT_EQ(visto.valores[0][1], 3.0);
  EXPECT_NEAR(visto.valores[1][1], area, 1e-3 * area);
  const double escala = EscalaCosteRemanente(CDiagrama(problema).CosteInmovilizado(0));
  EXPECT_NEAR(visto.valores[2][1], coste / escala, 1e-6 * coste / escala);
  // The key names the three charted columns in their bars' colours, and the
  // cost chart's scale is written out.
  EXPECT_EQ(visto.leyenda, "■ Mínimo ■ Instalado ■ Remanente");
  for (int col = 1; col <= 3; ++col)
    EXPECT_NE(visto.htmlLeyenda.find(BarChart::ColumnColor(col).name().toStdString()), std::string::npos)
        << col;
  EXPECT_EQ(visto.escala, TextoEscalaCoste(escala));
  EXPECT_NE(escala, 1.0);
  // A table only to be read shows no buttons to change it.
  EXPECT_FALSE(visto.botones);
}

// Yes moves both generic temperatures in the copy: Cancel drops it, OK hands
// it back.
TEST_F(Remanente, SiYCancelarNoDevuelveNadaSiYAceptarDevuelveLasTemperaturas) {
  DlgRemanente r;
  r.modelo = CargarEjemplo("servicios_y_area.vdo");
  EXPECT_FALSE(Correr(r, {Answer::Yes}, false));
  EXPECT_EQ(r.modelo.m_tCalienteGenerico, kTSentinel);
  EXPECT_EQ(r.modelo.m_tFrioGenerico, kTSentinel);
  ASSERT_TRUE(Correr(r, {Answer::Yes}, true));
  EXPECT_NEAR(r.modelo.m_tCalienteGenerico, 448.15, 1e-9);
  EXPECT_NEAR(r.modelo.m_tFrioGenerico, 288.15, 1e-9);
  // Everything else stays: the exchangers and their duties.
  EXPECT_EQ(r.modelo.GetNumCambiadores(), 3);
  // Once they satisfy DT min the question is not asked again.
  ASSERT_TRUE(Correr(r, {}, true));
  EXPECT_EQ(Mensajes().size(), 2u);
}

// Without exchangers nothing is installed and the remainder is the whole
// problem.
TEST_F(Remanente, SinCambiadoresRemanenteIgualAMinimo) {
  DlgRemanente r;
  r.modelo = CargarEjemplo("cuatro_corrientes.vdo");
  ASSERT_EQ(r.modelo.GetNumCambiadores(), 0);
  const std::vector<Answer> no =
      Pregunta(r.modelo) ? std::vector<Answer>{Answer::No} : std::vector<Answer>{};
  ASSERT_TRUE(Correr(r, no, true, "analisis_remanente_sin_cambiadores.png"));
  ASSERT_EQ(visto.tabla.size(), 6u);
  EXPECT_EQ(visto.tabla[1][2], "0");
  for (std::size_t f = 2; f < 6; ++f) EXPECT_EQ(visto.tabla[f][2], "0.") << f;
  for (std::size_t f = 1; f < 6; ++f) {
    EXPECT_EQ(visto.tabla[f][3], visto.tabla[f][1]) << f;
    EXPECT_EQ(visto.tabla[f][4], visto.tabla[f][1]) << f;
  }
  EXPECT_EQ(visto.valores[3], (std::array<double, 4>{20.0, 0.0, 20.0, 0.0}));
}

}  // namespace
}  // namespace vardo::prueba
