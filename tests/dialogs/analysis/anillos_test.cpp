// "Añadir anillos o sendas" through the program's dialog factory: the two
// lists, the chain buttons, the search and its step buttons, the slider and
// the typed amount, and "Aceptar" with its question.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QSlider>

#include "app/core/analysis/anillos_dlg.h"
#include "dialogs/analysis/dlg_anillos.h"
#include "model/anillos.h"
#include "model/constantes.h"
#include "tests/app/core/document/ejemplo_archivo.h"
#include "tests/dialogs/analysis/fixture_analisis.h"
#include "tests/dialogs/analysis/problemas_analisis.h"

namespace vardo::prueba {
namespace {

using D = CAnadirAnillosDlg;
using Lineas = std::vector<std::string>;

// The four streams with exchangers between H2 and C3 of the given duties:
// the first from H2's supply into C3's target, each next one after the one
// before on both streams. Any two of them form a loop.
CDiagrama CambiadoresH2C3(std::initializer_list<double> cargas) {
  CDiagrama d = CuatroCorrientes();
  int e = 0;
  for (double q : cargas) {
    // modo, caliente, fria, (tipo, valor) EC, SC, EF, SF, Q
    if (e == 0)
      d.AddCambiador(kModoQ, 1, 2, kTipoExtremo, 0, 0, 0, 0, 0, kTipoExtremo, 0, 1, q);
    else
      d.AddCambiador(kModoQ, 1, 2, kTipoCambiador, e - 1, 0, 0, 0, 0, kTipoCambiador, e - 1, 1, q);
    ++e;
  }
  ReconstruirListas(d);
  EXPECT_TRUE(Calculada(d.CalcularRed())) << d.m_textoComprobacion;
  return d;
}

// The shift controls.
const std::vector<int> kDesplazamiento{D::kIdMinimo, D::kIdMaximo, D::kIdCantidad,
                                       D::kIdDeslizador};

class Anillos : public ConDialogos {
 protected:
  // Runs the dialog on r with a script and the answers to its questions.
  bool Correr(DlgAnadirAnillos& r, std::function<void(Driver&)> guion,
              std::initializer_list<Answer> respuestas = {}) {
    const bool ok = ConDialogos::Correr(&FabricaDialogosQt::AnadirAnillos, r, std::move(guion),
                                        respuestas);
    EXPECT_TRUE(runner_.Done());
    return ok;
  }
  static bool Habilitados(Driver& d, const std::vector<int>& ids, bool on) {
    bool r = true;
    for (int id : ids) r = r && d.Dialog().IsEnabled(id) == on;
    return r;
  }
};

TEST_F(Anillos, BuscarDesplazarYAceptarConSi) {
  DlgAnadirAnillos r;
  r.modelo = CambiadoresH2C3({100, 140});
  const bool ok = Correr(
      r,
      [&](Driver& d) {
        auto& h = d.Dialog();
        EXPECT_EQ(Lista(d, D::kIdCambiadores), (Lineas{"1 - CC: 2, CF: 3", "2 - CC: 2, CF: 3"}));
        EXPECT_EQ(h.CurSel(D::kIdCambiadores), 0);
        EXPECT_TRUE(Lista(d, D::kIdAnillo).empty());
        EXPECT_EQ(h.Get<QListWidget>(D::kIdAnillo)->selectionMode(),
                  QAbstractItemView::NoSelection);
        // No search yet: the step buttons and the shift controls wait.
        EXPECT_TRUE(Habilitados(d, {D::kIdSiguiente, D::kIdAnterior}, false));
        EXPECT_TRUE(Habilitados(d, kDesplazamiento, false));
        EXPECT_FALSE(h.IsShown(D::kIdAplicar));
        EXPECT_EQ(h.DefaultId(), D::kIdAplicar);

        d.Click(D::kIdBuscar);
        EXPECT_TRUE(Habilitados(d, {D::kIdSiguiente, D::kIdAnterior}, true));
        EXPECT_TRUE(Habilitados(d, kDesplazamiento, true));
        EXPECT_EQ(Lista(d, D::kIdAnillo),
                  (Lineas{"1 - CC: 2, CF: 3", "2 - CC: 2, CF: 3", "1 - CC: 2, CF: 3"}));
        EXPECT_EQ(h.CurSel(D::kIdCambiadores), -1);
        EXPECT_EQ(d.Text(D::kIdMinimo), "-100.");
        EXPECT_EQ(d.Text(D::kIdMaximo), "140.");
        EXPECT_EQ(d.Text(D::kIdCantidad), "-100.");
        auto* s = h.Get<QSlider>(D::kIdDeslizador);
        EXPECT_EQ(s->minimum(), 0);
        EXPECT_EQ(s->maximum(), 100);
        EXPECT_EQ(s->singleStep(), 2);
        EXPECT_EQ(s->pageStep(), 20);
        EXPECT_EQ(s->value(), 0);
        d.Grab(::testing::TempDir() + "analisis_anillos.png");

        // The slider writes the amount of its position: 240 × p / 100 − 100.
        d.Slide(D::kIdDeslizador, 50);
        EXPECT_EQ(d.Text(D::kIdCantidad), "20.");
        // Typed amounts: Enter applies them, beyond the ends they are held;
        // what is no number is refused and leaves the slider where it was.
        const struct {
          const char* tecleado;
          const char* texto;
          int posicion;
          bool rechazado;
        } casos[] = {{"141", "140.", 100, false}, {"-500", "-100.", 0, false},
                     {"40", "40", 58, false},     {"x", "x", 58, true},
                     {"12,5", "12,5", 46, false}, {"1e999", "1e999", 46, true}};
        for (const auto& c : casos) {
          SCOPED_TRACE(c.tecleado);
          runner_.Clear();
          d.Type(D::kIdCantidad, c.tecleado);
          d.Enter();
          EXPECT_TRUE(h.IsOpen());
          EXPECT_EQ(d.Text(D::kIdCantidad), c.texto);
          EXPECT_EQ(s->value(), c.posicion);
          EXPECT_EQ(Mensajes(), c.rechazado ? std::vector<std::string>{"Introduzca un número."}
                                            : std::vector<std::string>{});
        }
        // "Aceptar" with an amount that is no number: refused, still open.
        runner_.Clear();
        d.Ok();
        EXPECT_TRUE(h.IsOpen());
        EXPECT_EQ(Mensajes(), std::vector<std::string>{"Introduzca un número."});
        EXPECT_EQ(h.FocusedId(), D::kIdCantidad);
        runner_.Clear();
        d.Type(D::kIdCantidad, "40");
        d.Ok();
      },
      {Answer::Yes});
  ASSERT_TRUE(ok);
  EXPECT_EQ(Mensajes(), std::vector<std::string>{kPreguntaAnillo});
  for (const RunRecord& x : runner_.Log())
    if (x.kind == RunRecord::Kind::Message) {
      EXPECT_EQ(x.buttons, MsgButtons::YesNo);
      EXPECT_EQ(x.icon, MsgIcon::Question);
    }
  // 40 kW go from the second exchanger to the first.
  EXPECT_NEAR(r.modelo.m_cambiadores[0].q, 140.0, 1e-6);
  EXPECT_NEAR(r.modelo.m_cambiadores[1].q, 100.0, 1e-6);
}

TEST_F(Anillos, NoALaPreguntaOCadenaIncompletaTerminanComoCancelar) {
  DlgAnadirAnillos r;
  r.modelo = CambiadoresH2C3({100, 140});
  // One exchanger picked: incomplete, no question.
  EXPECT_FALSE(Correr(r, [](Driver& d) {
    d.Choose(D::kIdCambiadores, 0);
    d.Click(D::kIdAnadir);
    EXPECT_EQ(Lista(d, D::kIdAnillo), Lineas{"1 - CC: 2, CF: 3"});
    d.Ok();
  }));
  EXPECT_TRUE(Mensajes().empty());
  // A complete loop and No.
  EXPECT_FALSE(Correr(
      r,
      [](Driver& d) {
        d.Click(D::kIdBuscar);
        d.Ok();
      },
      {Answer::No}));
  EXPECT_EQ(Mensajes(), std::vector<std::string>{kPreguntaAnillo});
  EXPECT_NEAR(r.modelo.m_cambiadores[0].q, 100.0, 1e-9);
  EXPECT_EQ(r.modelo.m_grafoConstruido, 0);
}

TEST_F(Anillos, BotonesDeLaCadena) {
  DlgAnadirAnillos r;
  r.modelo = CambiadoresH2C3({100, 140});
  Correr(r, [](Driver& d) {
    auto& h = d.Dialog();
    // ">" without a selection only refills.
    h.SetCurSel(D::kIdCambiadores, -1);
    d.Click(D::kIdAnadir);
    EXPECT_TRUE(Lista(d, D::kIdAnillo).empty());
    // Picking the same exchanger twice takes it away again.
    d.Choose(D::kIdCambiadores, 0);
    d.Click(D::kIdAnadir);
    EXPECT_EQ(Lista(d, D::kIdAnillo).size(), 1u);
    EXPECT_EQ(h.CurSel(D::kIdCambiadores), -1);
    d.Choose(D::kIdCambiadores, 0);
    d.Click(D::kIdAnadir);
    EXPECT_TRUE(Lista(d, D::kIdAnillo).empty());
    // E1, E2, E1 closes the loop: the shift controls get ready.
    for (int i : {0, 1, 0}) {
      d.Choose(D::kIdCambiadores, i);
      d.Click(D::kIdAnadir);
    }
    EXPECT_EQ(Lista(d, D::kIdAnillo).size(), 3u);
    EXPECT_TRUE(Habilitados(d, kDesplazamiento, true));
    EXPECT_EQ(d.Text(D::kIdMaximo), "140.");
    // "<" takes the last one away and resets the shift controls.
    d.Click(D::kIdQuitar);
    EXPECT_EQ(Lista(d, D::kIdAnillo).size(), 2u);
    EXPECT_TRUE(Habilitados(d, kDesplazamiento, false));
    EXPECT_EQ(d.Text(D::kIdCantidad), "");
    // "<<" empties the chain; new picks start afresh.
    d.Click(D::kIdVaciar);
    EXPECT_TRUE(Lista(d, D::kIdAnillo).empty());
    d.Choose(D::kIdCambiadores, 1);
    d.Click(D::kIdAnadir);
    EXPECT_EQ(Lista(d, D::kIdAnillo), Lineas{"2 - CC: 2, CF: 3"});
    d.Cancel();
  });
}

// A network without loops or paths: "Buscar" says so and, the chain being
// incomplete, the shift controls stay empty and disabled (no range made of
// the "none" markers); the step buttons give nothing either.
TEST_F(Anillos, BuscarSinNadaQueEncontrarLoDiceYDejaLosControlesApagados) {
  DlgAnadirAnillos r;
  r.modelo = CargarEjemplo("servicios_y_area.vdo");
  ASSERT_GT(r.modelo.GetNumCambiadores(), 0);
  std::vector<std::string> tras;
  EXPECT_FALSE(Correr(r, [&](Driver& d) {
    d.Choose(D::kIdCambiadores, 0);
    d.Click(D::kIdAnadir);
    EXPECT_EQ(Lista(d, D::kIdAnillo).size(), 1u);
    d.Click(D::kIdBuscar);
    tras = Mensajes();
    EXPECT_TRUE(Habilitados(d, kDesplazamiento, false));
    for (int id : {D::kIdMinimo, D::kIdMaximo, D::kIdCantidad}) EXPECT_EQ(d.Text(id), "");
    d.Grab(::testing::TempDir() + "analisis_anillos_sin_nada.png");
    for (int id : {D::kIdSiguiente, D::kIdAnterior}) {
      if (!d.Dialog().IsEnabled(id)) continue;
      d.Click(id);
      EXPECT_TRUE(Habilitados(d, kDesplazamiento, false));
      EXPECT_EQ(d.Text(D::kIdMaximo), "");
    }
    d.Cancel();
  }));
  EXPECT_EQ(tras, std::vector<std::string>{kMsgSinAnillos});
}

// "<" (1161) steps forward, ">" (1162) back, both round the ends.
TEST_F(Anillos, LosPasosDanLaVueltaALaLista) {
  DlgAnadirAnillos r;
  r.modelo = CambiadoresH2C3({100, 80, 40});
  Correr(r, [](Driver& d) {
    auto& dlg = static_cast<D&>(d.Dialog());
    d.Click(D::kIdBuscar);
    const std::size_t n = dlg.Modelo().m_lazos.size();
    ASSERT_GE(n, 2u);
    std::vector<Lineas> vistas{Lista(d, D::kIdAnillo)};
    for (std::size_t k = 1; k < n; ++k) {
      d.Click(D::kIdSiguiente);
      vistas.push_back(Lista(d, D::kIdAnillo));
      EXPECT_NE(vistas.back(), vistas.front()) << k;
    }
    d.Click(D::kIdSiguiente);
    EXPECT_EQ(Lista(d, D::kIdAnillo), vistas.front());
    d.Click(D::kIdAnterior);
    EXPECT_EQ(Lista(d, D::kIdAnillo), vistas.back());
    EXPECT_TRUE(Habilitados(d, kDesplazamiento, true));
    d.Cancel();
  });
}

// A model whose chain is already complete opens with it and the shift
// controls ready; the step buttons follow the model's search flag.
TEST_F(Anillos, AbreConLaCadenaDelModelo) {
  DlgAnadirAnillos r;
  r.modelo = CambiadoresH2C3({100, 140});
  RecordingUiPort ui;
  ASSERT_EQ(BuscarAnillos(r.modelo, ui), 1);
  Correr(r, [](Driver& d) {
    EXPECT_EQ(Lista(d, D::kIdAnillo).size(), 3u);
    EXPECT_TRUE(Habilitados(d, kDesplazamiento, true));
    EXPECT_TRUE(Habilitados(d, {D::kIdSiguiente, D::kIdAnterior}, true));
    EXPECT_EQ(d.Text(D::kIdCantidad), "-100.");
    d.Cancel();
  });
}

TEST_F(Anillos, EtiquetasDeServiciosYDelServicioGenerico) {
  DlgAnadirAnillos r;
  RedManual m;
  m.Corriente(400, 300);
  for (int k = 0; k < 3; ++k) m.Servicio(500, 490);
  m.Cambiador(kRefServicio + 2, kRefGenerico);
  m.Cambiador(0, kRefServicio);
  r.modelo = m.d;
  Correr(r, [](Driver& d) {
    EXPECT_EQ(Lista(d, D::kIdCambiadores), (Lineas{"1 - CC: S3, CF: SG", "2 - CC: 1, CF: S1"}));
    d.Cancel();
  });
}

}  // namespace
}  // namespace vardo::prueba
