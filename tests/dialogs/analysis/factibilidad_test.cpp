// The pinch design dialog driven as the engineer drives it (clicks and double
// clicks on rows, the pinch and side boxes, the hint's timer), with the split
// dialog and the message boxes scripted; and the read-only windows.
#include <QApplication>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/analysis/dlg_factibilidad.h"
#include "dialogs/analysis/registro.h"
#include "model/bifurcacion_edicion.h"
#include "model/constantes.h"
#include "tests/comun/kit_listas.h"
#include "tests/comun/kit_prueba.h"
#include "tests/comun/problemas.h"

namespace vardo::prueba {
namespace {

using D = CFactibilidadDlg;
using Textos = std::vector<std::string>;

constexpr Rgb kColor0 = MakeRgb(255, 200, 150);
constexpr Rgb kColor1 = MakeRgb(255, 0, 255);

// The texts of the message boxes the runner saw, in order.
Textos Mensajes(const ScriptedRunner& r) {
  Textos v;
  for (const RunRecord& x : r.Log())
    if (x.kind == RunRecord::Kind::Message) v.push_back(x.text);
  return v;
}

std::string Png(const char* nombre) { return std::string(::testing::TempDir()) + nombre; }

class Factibilidad : public ::testing::Test {
 protected:
  Factibilidad() {
    RegistrarDialogosAnalisis(fabrica_);
    // The split dialog: hands back the values of the script, or Cancel.
    fabrica_.Registrar<DlgBifurcar>([this](QWidget*, DlgBifurcar& b) {
      bifurcaciones_.push_back(b);
      if (!bifurcar_) return false;
      b.tEntrada = 353.15;
      b.tSalida1 = 408.15;
      b.tSalida2 = 398.15;
      b.porcentaje1 = 60;
      b.porcentaje2 = 40;
      b.mcp1 = 1.2;
      b.mcp2 = 0.8;
      return true;
    });
  }

  // Runs the dialog on `d` driven by `guion`; true for OK.
  bool Ejecutar(DlgFactibilidad& d, std::function<void(Driver&, D&)> guion) {
    runner_.ScriptDialog([guion](Driver& dr) { guion(dr, static_cast<D&>(dr.Dialog())); });
    return fabrica_.Factibilidad(d);
  }

  static DlgFactibilidad CuatroCorrientes(int lado) {
    DlgFactibilidad d;
    d.modelo = CuatroCorrientesSinCalcular();
    d.lado = lado;
    return d;
  }

  FabricaDialogosQt fabrica_;
  ScriptedRunner runner_;
  kit::ScopedModalRunner usar_{runner_};
  bool bifurcar_ = true;
  std::vector<DlgBifurcar> bifurcaciones_;
};

TEST_F(Factibilidad, LadoCalienteEmparejaRechazaYColorea) {
  ASSERT_TRUE(fabrica_.Disponible(DialogoId::Factibilidad));
  DlgFactibilidad d = CuatroCorrientes(kLadoCaliente);
  const bool ok = Ejecutar(d, [this](Driver& dr, D& w) {
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Criterios de factibilidad"));
    EXPECT_EQ(Entradas(w, D::kIdPinch), Textos{"Pinch de Proceso"});
    EXPECT_EQ(w.CurSel(D::kIdPinch), 0);
    EXPECT_EQ(Entradas(w, D::kIdLado), (Textos{"Lado Caliente", "Lado Frío"}));
    EXPECT_EQ(w.CurSel(D::kIdLado), 0);
    EXPECT_TRUE(w.IsShown(D::kIdNumeroCaliente));
    EXPECT_TRUE(w.IsShown(D::kIdMcpCaliente));
    EXPECT_FALSE(w.IsShown(D::kIdNumeroFrio));
    EXPECT_FALSE(w.IsShown(D::kIdMcpFrio));
    EXPECT_EQ(w.Text(D::kIdMcpCaliente), "m·cp corriente caliente <= m·cp corriente fría");
    EXPECT_EQ(Entradas(w, D::kIdCalientes), (Textos{"2: 3.", "4: 1.5"}));
    EXPECT_EQ(Entradas(w, D::kIdFrias), (Textos{"1: 2.", "3: 4."}));
    EXPECT_EQ(w.Text(D::kIdAyuda), kAyudaFactibilidad);

    // First click: the row stays selected and the hint names it.
    dr.Choose(D::kIdCalientes, 0);
    EXPECT_EQ(w.CurSel(D::kIdCalientes), 0);
    EXPECT_EQ(w.Text(D::kIdAyuda), "Añadiendo cambiador\nCorriente caliente: 2");
    // H2 (3) with C1 (2): refused.
    dr.Choose(D::kIdFrias, 0);
    ASSERT_EQ(runner_.Log().size(), 2u);
    EXPECT_EQ(runner_.Log()[1].text, kMensajeNoFactible);
    EXPECT_EQ(runner_.Log()[1].icon, MsgIcon::Warning);
    EXPECT_EQ(w.CurSel(D::kIdCalientes), -1);
    EXPECT_EQ(w.CurSel(D::kIdFrias), -1);
    EXPECT_EQ(w.Text(D::kIdAyuda), kAyudaFactibilidad);
    EXPECT_FALSE(w.TimerActive(D::kIdTemporizador));

    // H2 with C3: a match in colour 0; the hint comes back after 3 s.
    dr.Choose(D::kIdCalientes, 0);
    dr.Choose(D::kIdFrias, 1);
    EXPECT_EQ(ColoresFilas(w, D::kIdCalientes), (std::vector<Rgb>{kColor0, 0}));
    EXPECT_EQ(ColoresFilas(w, D::kIdFrias), (std::vector<Rgb>{0, kColor0}));
    EXPECT_EQ(w.CurSel(D::kIdCalientes), -1);
    EXPECT_EQ(w.CurSel(D::kIdFrias), -1);
    EXPECT_EQ(Seleccionadas(w, D::kIdCalientes) + Seleccionadas(w, D::kIdFrias), 0);
    EXPECT_EQ(w.Text(D::kIdAyuda), kAyudaCambiadorAnadido);
    EXPECT_EQ(w.TimerPeriod(D::kIdTemporizador), 3000);
    EXPECT_TRUE(dr.Timer(D::kIdTemporizador));
    EXPECT_EQ(w.Text(D::kIdAyuda), kAyudaFactibilidad);
    EXPECT_FALSE(w.TimerActive(D::kIdTemporizador));  // one tick only

    // The cold row first, then H4: colour 1.
    dr.Choose(D::kIdFrias, 0);
    EXPECT_EQ(w.Text(D::kIdAyuda), "Añadiendo cambiador\nCorriente fría: 1");
    dr.Choose(D::kIdCalientes, 1);
    EXPECT_EQ(ColoresFilas(w, D::kIdCalientes), (std::vector<Rgb>{kColor0, kColor1}));
    EXPECT_EQ(ColoresFilas(w, D::kIdFrias), (std::vector<Rgb>{kColor1, kColor0}));
    EXPECT_TRUE(dr.Grab(Png("factibilidad_caliente.png")));

    // H2 with C1 again: H2 is matched already.
    dr.Choose(D::kIdCalientes, 0);
    dr.Choose(D::kIdFrias, 0);
    ASSERT_EQ(runner_.Log().size(), 3u);
    EXPECT_EQ(runner_.Log()[2].text, kMensajeYaEmparejada);
    EXPECT_EQ(runner_.Log()[2].icon, MsgIcon::Warning);
    EXPECT_EQ(ColoresFilas(w, D::kIdCalientes), (std::vector<Rgb>{kColor0, kColor1}));

    // H2 with C3 again: removed, both rows back to colour 0.
    dr.Choose(D::kIdFrias, 1);
    dr.Choose(D::kIdCalientes, 0);
    EXPECT_EQ(ColoresFilas(w, D::kIdCalientes), (std::vector<Rgb>{0, kColor1}));
    EXPECT_EQ(ColoresFilas(w, D::kIdFrias), (std::vector<Rgb>{kColor1, 0}));
    EXPECT_EQ(w.Text(D::kIdAyuda), kAyudaCambiadorEliminado);
    EXPECT_TRUE(w.TimerActive(D::kIdTemporizador));
    dr.Ok();
  });
  ASSERT_TRUE(ok);
  EXPECT_EQ(d.lado, kLadoCaliente);
  // Only the match left at OK became an exchanger.
  ASSERT_EQ(d.modelo.GetNumCambiadores(), 1);
  EXPECT_EQ(d.modelo.m_cambiadores[0].ladoCaliente.ref, 3);
  EXPECT_EQ(d.modelo.m_cambiadores[0].ladoFrio.ref, 0);
  EXPECT_NEAR(d.modelo.m_cambiadores[0].q, 90.0, 1e-9);
}

TEST_F(Factibilidad, CambiarDeLadoEscribeLoDelLadoQueSeDeja) {
  DlgFactibilidad d = CuatroCorrientes(kLadoCaliente);
  const bool ok = Ejecutar(d, [](Driver& dr, D& w) {
    dr.Choose(D::kIdCalientes, 0);
    dr.Choose(D::kIdFrias, 1);  // H2-C3
    dr.Choose(D::kIdLado, 1);
    // The hot side's match is an exchanger of the copy now.
    ASSERT_EQ(w.m_Diagrama.GetNumCambiadores(), 1);
    EXPECT_NEAR(w.m_Diagrama.m_cambiadores[0].q, 240.0, 1e-9);
    EXPECT_FALSE(w.IsShown(D::kIdNumeroCaliente));
    EXPECT_TRUE(w.IsShown(D::kIdNumeroFrio));
    EXPECT_TRUE(w.IsShown(D::kIdMcpFrio));
    EXPECT_EQ(Entradas(w, D::kIdCalientes), (Textos{"2: 3.", "4: 1.5"}));
    EXPECT_EQ(Entradas(w, D::kIdFrias), Textos{"1: 2."});
    EXPECT_EQ(ColoresFilas(w, D::kIdCalientes), (std::vector<Rgb>{0, 0}));
    EXPECT_TRUE(dr.Grab(Png("factibilidad_frio.png")));
    // H4 (1.5) with C1 (2) is refused below the pinch.
    dr.Choose(D::kIdCalientes, 1);
    dr.Choose(D::kIdFrias, 0);
    EXPECT_EQ(ColoresFilas(w, D::kIdCalientes), (std::vector<Rgb>{0, 0}));

    // Back on the hot side its match shows again, from colour 0.
    dr.Choose(D::kIdLado, 0);
    EXPECT_TRUE(w.IsShown(D::kIdNumeroCaliente));
    EXPECT_EQ(ColoresFilas(w, D::kIdCalientes), (std::vector<Rgb>{kColor0, 0}));
    EXPECT_EQ(ColoresFilas(w, D::kIdFrias), (std::vector<Rgb>{0, kColor0}));
    // Choosing the side shown again changes nothing: no exchanger is written
    // for the other side.
    dr.Choose(D::kIdCalientes, 1);
    dr.Choose(D::kIdFrias, 0);  // H4-C1, not written yet
    dr.Choose(D::kIdLado, 0);
    EXPECT_EQ(w.m_Diagrama.GetNumCambiadores(), 1);
    EXPECT_EQ(w.Estado().Emparejamientos().size(), 2u);
    EXPECT_EQ(ColoresFilas(w, D::kIdCalientes), (std::vector<Rgb>{kColor0, kColor1}));
    dr.Cancel();
  });
  EXPECT_FALSE(ok);
  EXPECT_EQ(d.modelo.GetNumCambiadores(), 0);
}

TEST_F(Factibilidad, PinchesDeServiciosYUnPinchQueYaNoExiste) {
  DlgFactibilidad d;
  d.modelo = TresServiciosFrios();
  d.modelo.m_serviciosVisibles = 1;
  d.lado = kLadoCaliente;
  const bool ok = Ejecutar(d, [](Driver& dr, D& w) {
    EXPECT_EQ(Entradas(w, D::kIdPinch),
              (Textos{"Pinch de Proceso", "Pinch de Servicios 455. - 445.",
                      "Pinch de Servicios 405. - 395."}));
    dr.Choose(D::kIdPinch, 2);
    EXPECT_EQ(w.Pinch(), 2);
    EXPECT_EQ(Entradas(w, D::kIdCalientes), Textos{"1: 1."});
    EXPECT_EQ(Entradas(w, D::kIdFrias), Textos{"S2: -"});
    dr.Choose(D::kIdFrias, 0);
    EXPECT_EQ(w.Text(D::kIdAyuda), "Añadiendo cambiador\nCorriente fría: 1002");
    dr.Choose(D::kIdCalientes, 0);
    EXPECT_EQ(ColoresFilas(w, D::kIdFrias), std::vector<Rgb>{kColor0});
    // The model loses its utility pinches while the box keeps offering them:
    // the pinches left write nothing and list nothing.
    w.m_Diagrama.m_servicios.clear();
    dr.Choose(D::kIdPinch, 1);
    EXPECT_EQ(w.Pinch(), 1);
    EXPECT_EQ(w.Count(D::kIdCalientes), 0);
    EXPECT_EQ(w.Count(D::kIdFrias), 0);
    EXPECT_EQ(w.m_Diagrama.GetNumCambiadores(), 0);
    dr.Choose(D::kIdLado, 1);
    EXPECT_EQ(w.Count(D::kIdCalientes), 0);
    dr.Ok();
  });
  ASSERT_TRUE(ok);
  EXPECT_EQ(d.modelo.GetNumCambiadores(), 0);
  EXPECT_EQ(d.lado, kLadoFrio);
}

// Rows that cannot be split, from either list: a utility, a latent stream,
// a node's main branch.
TEST_F(Factibilidad, LoQueNoSeBifurcaLoDice) {
  struct Caso {
    const char* nombre;
    std::function<CDiagrama()> modelo;
    int pinch;
    int lista;
    int fila;
    const char* textoFila;
    const char* mensaje;
  };
  const Caso casos[] = {
      {"servicio en la lista fría",
       [] {
         CDiagrama m = TresServiciosFrios();
         m.m_serviciosVisibles = 1;
         return m;
       },
       2, D::kIdFrias, 0, "S2: -", "No es posible bifurcar esa corriente"},
      {"servicio en la lista caliente",
       [] {
         // Process pinch at shifted 395 K; the hot utility reaches it from
         // 520 K.
         CDiagrama m;
         m.AddCorriente(290, 490, 1, 1, 0);
         m.AddCorriente(400, 300, 1, 0, 0);
         m.m_servicios.push_back(ServicioSensible(520, 400, 100));
         m.m_serviciosVisibles = 1;
         return m;
       },
       0, D::kIdCalientes, 0, "S1: 0.833333", "No es posible bifurcar esta corriente"},
      {"latente en la lista fría",
       [] {
         CDiagrama m = CuatroCorrientesSinCalcular();
         m.AddCorriente(353.15, 353.15, 50, 1, 1);  // at Tc
         return m;
       },
       0, D::kIdFrias, 2, "5: -", "No es posible bifurcar esa corriente"},
      {"rama principal en la lista caliente",
       [] {
         // H2 split from its supply into two branches down to the pinch.
         CDiagrama m = CuatroCorrientesSinCalcular();
         EXPECT_EQ(BifurcarCorriente(m, 1, 443.15, 363.15, 363.15, 50, 50), 0);
         return m;
       },
       0, D::kIdCalientes, 1, "5: 1.5", "No es posible bifurcar esta corriente"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    runner_.Clear();
    DlgFactibilidad d;
    d.modelo = c.modelo();
    d.lado = kLadoCaliente;
    Ejecutar(d, [&c](Driver& dr, D& w) {
      dr.Choose(D::kIdPinch, c.pinch);
      EXPECT_EQ(w.ItemText(c.lista, c.fila), c.textoFila);
      DobleClic(w, c.lista, c.fila);
      dr.Cancel();
    });
    EXPECT_EQ(Mensajes(runner_), Textos{c.mensaje});
    EXPECT_TRUE(bifurcaciones_.empty());
  }
}

// The first click of a double click already makes a match and clears both
// selections; the double click splits the stream under the pointer.
TEST_F(Factibilidad, DobleClicBifurcaLaCorrienteBajoElPuntero) {
  DlgFactibilidad d = CuatroCorrientes(kLadoCaliente);
  std::vector<std::uint8_t> antes;
  const bool ok = Ejecutar(d, [this](Driver& dr, D& w) {
    // Below the rows: nothing happens.
    DobleClic(w, D::kIdFrias, -1);
    EXPECT_TRUE(Mensajes(runner_).empty());

    dr.Choose(D::kIdCalientes, 1);  // H4, then a double click on C1
    runner_.ScriptMessage(Answer::No);
    DobleClic(w, D::kIdFrias, 0);
    EXPECT_EQ(ColoresFilas(w, D::kIdCalientes), (std::vector<Rgb>{0, kColor0}));  // H4-C1 made
    ASSERT_EQ(Mensajes(runner_).size(), 1u);
    EXPECT_EQ(Mensajes(runner_)[0],
              "Al bifurcar una corriente se perderán las definiciones de cambiadores que se "
              "hayan realizado en este cuadro de diálogo\n\n¿Desea continuar?");
    EXPECT_EQ(runner_.Log().back().buttons, MsgButtons::YesNo);
    EXPECT_EQ(runner_.Log().back().icon, MsgIcon::Question);
    EXPECT_TRUE(bifurcaciones_.empty());
    EXPECT_EQ(w.m_Diagrama.GetNumCorrientes(), 4);

    // Yes, then Cancel in the split dialog: nothing changes.
    bifurcar_ = false;
    runner_.ScriptMessage(Answer::Yes);
    DobleClic(w, D::kIdFrias, 0);
    ASSERT_EQ(bifurcaciones_.size(), 1u);
    EXPECT_EQ(bifurcaciones_[0].numero, 1);
    EXPECT_EQ(bifurcaciones_[0].corriente.m_T, w.m_Diagrama.m_corrientes[0].m_T);
    EXPECT_EQ(bifurcaciones_[0].modelo.GetNumCorrientes(), 4);
    EXPECT_EQ(w.m_Diagrama.GetNumCorrientes(), 4);
    EXPECT_EQ(w.Estado().Emparejamientos().size(), 1u);

    // Yes and OK: C1 becomes four streams; the unwritten match is gone.
    bifurcar_ = true;
    runner_.ScriptMessage(Answer::Yes);
    DobleClic(w, D::kIdFrias, 0);
    ASSERT_EQ(bifurcaciones_.size(), 2u);
    EXPECT_EQ(Entradas(w, D::kIdCalientes), (Textos{"1: 3.", "3: 1.5"}));
    EXPECT_EQ(Entradas(w, D::kIdFrias), (Textos{"2: 4.", "5: 1.2", "6: 0.8"}));
    EXPECT_EQ(ColoresFilas(w, D::kIdCalientes), (std::vector<Rgb>{0, 0}));
    EXPECT_TRUE(w.Estado().Emparejamientos().empty());
    EXPECT_EQ(w.Text(D::kIdAyuda), kAyudaFactibilidad);
    const CDiagrama& m = w.m_Diagrama;
    ASSERT_EQ(m.m_bifurcadas.size(), 1u);
    const CCorrienteBifurcada& b = m.m_bifurcadas[0];
    ASSERT_EQ(b.nodos.size(), 1u);
    for (int p = CCuaterna::kEntrada; p <= CCuaterna::kSalida; ++p)
      EXPECT_EQ(b.nodos[0].Referencia(p), 3 + p);
    EXPECT_EQ(b.ramas, (std::vector<std::uint32_t>{3, 4, 5, 6}));
    EXPECT_EQ(b.conexiones, (std::vector<CConexion>{{3, 4}, {3, 5}, {4, 6}, {5, 6}}));
    EXPECT_TRUE(dr.Grab(Png("factibilidad_bifurcada.png")));

    // "5: 1.2" is node 0's main branch.
    DobleClic(w, D::kIdFrias, 1);
    EXPECT_EQ(Mensajes(runner_).back(), "No es posible bifurcar esa corriente");
    EXPECT_EQ(bifurcaciones_.size(), 2u);
    // The row stays chosen; the pieces match like any stream: H4 (1.5) with
    // the branch of 1.2 is refused, H4 with C3 (4) accepted.
    EXPECT_EQ(w.CurSel(D::kIdFrias), 1);
    dr.Choose(D::kIdCalientes, 1);
    EXPECT_EQ(Mensajes(runner_).back(), kMensajeNoFactible);
    dr.Choose(D::kIdCalientes, 1);
    dr.Choose(D::kIdFrias, 0);
    // The colours go on from the match the split dropped.
    EXPECT_EQ(ColoresFilas(w, D::kIdFrias), (std::vector<Rgb>{kColor1, 0, 0}));
    dr.Ok();
  });
  ASSERT_TRUE(ok);
  EXPECT_EQ(d.modelo.GetNumCorrientes(), 7);
  ASSERT_EQ(d.modelo.GetNumCambiadores(), 1);
  EXPECT_EQ(d.modelo.m_cambiadores[0].ladoCaliente.ref, 2);
  EXPECT_EQ(d.modelo.m_cambiadores[0].ladoFrio.ref, 1);
}

// The read-only windows: one per command run, rows that cannot be selected,
// "Cerrar" closes one window only.
TEST_F(Factibilidad, VentanasDeSoloLectura) {
  ASSERT_TRUE(fabrica_.Disponible(DialogoId::FactibilidadVentana));
  fabrica_.FactibilidadVentana(
      VentanaFactibilidad{kLadoCaliente, {"2: 3.", "4: 1.5"}, {"1: 2.", "3: 4."}});
  fabrica_.FactibilidadVentana(VentanaFactibilidad{kLadoFrio, {"2: 3.", "4: 1.5"}, {"1: 2."}});
  QApplication::processEvents();
  QPointer<CFactibilidadCalDlg> caliente;
  QPointer<CFactibilidadFrioDlg> frio;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* c = dynamic_cast<CFactibilidadCalDlg*>(w); c && c->IsOpen()) caliente = c;
    if (auto* f = dynamic_cast<CFactibilidadFrioDlg*>(w); f && f->IsOpen()) frio = f;
  }
  ASSERT_TRUE(caliente && frio);
  using V = CFactibilidadLadoDlg;
  struct Caso {
    kit::Dialog* ventana;
    const char* titulo;
    Textos calientes, frias;
    const char* png;
  };
  const Caso casos[] = {
      {caliente, "Criterios de factibilidad, lado caliente", {"2: 3.", "4: 1.5"},
       {"1: 2.", "3: 4."}, "factibilidad_ventana_caliente.png"},
      {frio, "Criterios de factibilidad, lado frío", {"2: 3.", "4: 1.5"}, {"1: 2."},
       "factibilidad_ventana_frio.png"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.titulo);
    kit::Dialog& w = *c.ventana;
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8(c.titulo));
    EXPECT_EQ(w.parentWidget(), nullptr);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(Entradas(w, V::kIdListaB), c.calientes);
    EXPECT_EQ(Entradas(w, V::kIdListaA), c.frias);
    EXPECT_EQ(w.Text(kit::kIdCancel), "Cerrar");
    // A click on a row selects nothing.
    Driver(w).Choose(V::kIdListaB, 1);
    EXPECT_TRUE(w.Get<QListWidget>(V::kIdListaB)->selectedItems().empty());
    EXPECT_TRUE(Driver(w).Grab(Png(c.png)));
  }
  const std::string criterio = "m·cp corriente caliente >= m·cp corriente fría";
  bool hayCriterio = false;
  for (const auto& s : frio->Layout().controls) hayCriterio |= s.text == criterio;
  EXPECT_TRUE(hayCriterio);

  Driver(*caliente).Click(kit::kIdCancel);
  QApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(caliente.isNull());
  ASSERT_FALSE(frio.isNull());
  EXPECT_TRUE(frio->isVisible());
  frio->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(frio.isNull());
}

}  // namespace
}  // namespace vardo::prueba
