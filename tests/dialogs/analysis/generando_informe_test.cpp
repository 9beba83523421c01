// "Generando Informe" through the program's dialog factory: it waits for its
// one-second timer, writes the report into the file with each section's
// text and bar step painted as it goes, and lets the user close it; with no
// section it only shows a full bar; a failed write is reported and never
// called complete.
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "app/core/document/documento.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/analysis/dlg_generando_informe.h"
#include "dialogs/analysis/registro.h"
#include "platform/qt/gradientprogress.h"
#include "tests/comun/archivos.h"
#include "tests/comun/kit_prueba.h"
#include "tests/comun/problemas.h"
#include "tests/report/informe_prueba.h"

namespace vardo::prueba {
namespace {

using G = CGenerandoInformeDlg;
namespace fs = std::filesystem;

// Streams table, cascade, composite curves, exchangers table, grid diagram,
// utilities table and operating costs.
OpcionesInforme Siete() {
  OpcionesInforme o = SinSecciones();
  o.corrientes[0] = o.corrientes[5] = o.corrientes[6] = true;
  o.cambiadores[0] = o.cambiadores[3] = true;
  o.servicios[1] = o.servicios[5] = true;
  return o;
}

// What the status text and the bar showed each time they were painted.
class Pintados : public QObject {
 public:
  Pintados(QWidget* estado, CGradientProgressCtrl* barra) : estado_(estado), barra_(barra) {
    estado->installEventFilter(this);
    barra->installEventFilter(this);
  }
  std::vector<std::string> textos;
  std::vector<int> posiciones;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() != QEvent::Paint) return false;
    if (o == estado_) {
      const std::string t = static_cast<QLabel*>(estado_)->text().toStdString();
      if (textos.empty() || textos.back() != t) textos.push_back(t);
    } else if (o == barra_) {
      if (posiciones.empty() || posiciones.back() != barra_->Pos())
        posiciones.push_back(barra_->Pos());
    }
    return false;
  }

 private:
  QWidget* estado_;
  CGradientProgressCtrl* barra_;
};

class GenerandoInforme : public ::testing::Test {
 protected:
  GenerandoInforme() { RegistrarDialogosAnalisis(fabrica_); }

  // A record as the report command makes it: the file created empty.
  DlgGenerandoInforme Registro(const OpcionesInforme& o, const std::string& nombre = "a.htm") {
    DlgGenerandoInforme d;
    d.ruta = carpeta_ / nombre;
    EscribirBytes(d.ruta, {});
    d.modelo = CuatroCorrientes();
    d.titulo = "Planta";
    d.opciones = o;
    return d;
  }
  std::vector<std::string> Mensajes() const {
    std::vector<std::string> m;
    for (const RunRecord& r : runner_.Log())
      if (r.kind == RunRecord::Kind::Message) m.push_back(r.text);
    return m;
  }
  static std::string Png(const char* nombre) {
    return std::string(::testing::TempDir()) + nombre + ".png";
  }

  Carpeta carpeta_;
  FabricaDialogosQt fabrica_;
  ScriptedRunner runner_;
  kit::ScopedModalRunner usar_{runner_};
};

TEST_F(GenerandoInforme, EsperaUnSegundoEscribePasoAPasoYTerminaCompleto) {
  ASSERT_TRUE(fabrica_.Disponible(DialogoId::GenerandoInforme));
  DlgGenerandoInforme d = Registro(Siete());
  struct Antes {
    std::string estado;
    bool aceptar = true, menu = true, cierre = true, temporizador = false;
    int periodo = 0, pos = -1, paso = 0, lo = -1, hi = -1, secciones = 0;
    std::size_t colores = 0;
    std::uintmax_t tamano = 1;
  } antes;
  std::vector<std::string> textos;
  std::vector<int> posiciones;
  std::string estadoFinal;
  bool aceptarFinal = false, temporizadorFinal = true, disparado = false;
  runner_.ScriptDialog([&](Driver& dr) {
    auto& g = static_cast<G&>(dr.Dialog());
    antes.estado = dr.Text(G::kIdEstado);
    antes.aceptar = g.IsEnabled(kit::kIdOk);
    antes.menu = g.windowFlags().testFlag(Qt::WindowSystemMenuHint);
    antes.cierre = g.windowFlags().testFlag(Qt::WindowCloseButtonHint);
    antes.temporizador = g.TimerActive(G::kIdTemporizador);
    antes.periodo = g.TimerPeriod(G::kIdTemporizador);
    antes.pos = g.Barra().Pos();
    antes.paso = g.Barra().Step();
    antes.lo = g.Barra().Lower();
    antes.hi = g.Barra().Upper();
    antes.colores = g.Barra().Colores().size();
    antes.secciones = g.Secciones();
    antes.tamano = fs::file_size(d.ruta);
    dr.Grab(Png("generando_inicio"));
    // Enter does nothing while "Aceptar" is disabled.
    dr.Enter();
    ASSERT_TRUE(g.IsOpen());

    Pintados pintados(g.Widget(G::kIdEstado), &g.Barra());
    disparado = dr.Timer(G::kIdTemporizador);
    textos = pintados.textos;
    posiciones = pintados.posiciones;
    estadoFinal = dr.Text(G::kIdEstado);
    aceptarFinal = g.IsEnabled(kit::kIdOk);
    temporizadorFinal = g.TimerActive(G::kIdTemporizador);
    dr.Grab(Png("generando_fin"));
    dr.Enter();
  });
  EXPECT_TRUE(fabrica_.GenerandoInforme(d));
  EXPECT_EQ(runner_.Log().front().text, "Generando Informe");
  EXPECT_EQ(antes.estado, "Preparando...");
  EXPECT_FALSE(antes.aceptar);
  EXPECT_FALSE(antes.menu);
  EXPECT_FALSE(antes.cierre);
  EXPECT_TRUE(antes.temporizador);
  EXPECT_EQ(antes.periodo, 1000);
  EXPECT_EQ(antes.secciones, 7);
  EXPECT_EQ(antes.paso, 14);
  EXPECT_EQ(antes.pos, 0);
  EXPECT_EQ(antes.lo, 0);
  EXPECT_EQ(antes.hi, 100);
  EXPECT_EQ(antes.colores, 2u);
  EXPECT_EQ(antes.tamano, 0u);

  // Every step was painted while the writer ran, with no event loop.
  EXPECT_TRUE(disparado);
  EXPECT_EQ(textos, (std::vector<std::string>{
                        "Escribiendo tabla de corrientes...", "Escribiendo cascada...",
                        "Grabando Curvas Compuestas...", "Escribiendo tabla de cambiadores...",
                        "Grabando Diagrama de Trama...", "Escribiendo tabla de servicios...",
                        "Escribiendo tabla de costes de operación...", "Informe completo"}));
  EXPECT_EQ(posiciones, (std::vector<int>{14, 28, 42, 56, 70, 84, 98, 100}));
  EXPECT_EQ(estadoFinal, "Informe completo");
  EXPECT_TRUE(aceptarFinal);
  EXPECT_FALSE(temporizadorFinal);
  EXPECT_TRUE(Mensajes().empty());

  // The page and its pictures, in the model of the dialog.
  const auto b = LeerBytes(d.ruta);
  const std::string pagina(b.begin(), b.end());
  EXPECT_NE(pagina.find("<title>Planta</title>"), std::string::npos);
  EXPECT_NE(pagina.find("Temperatura de Pinch : 358.15 K."), std::string::npos);
  EXPECT_NE(pagina.find("</html>"), std::string::npos);
  EXPECT_EQ(carpeta_.Archivos(),
            (std::vector<std::string>{"a.htm", "a.htm_CurvComp.svg", "a.htm_CurvComp.wmf",
                                      "a.htm_Trama.svg", "a.htm_Trama.wmf"}));
}

TEST_F(GenerandoInforme, SinSeccionesLaBarraEstaLlenaNoSeEscribeNadaYEscCierra) {
  DlgGenerandoInforme d = Registro(SinSecciones());
  int pos = -1;
  bool aceptar = true, temporizador = true;
  std::string estado;
  runner_.ScriptDialog([&](Driver& dr) {
    auto& g = static_cast<G&>(dr.Dialog());
    pos = g.Barra().Pos();
    aceptar = g.IsEnabled(kit::kIdOk);
    temporizador = g.TimerActive(G::kIdTemporizador);
    estado = dr.Text(G::kIdEstado);
    dr.Grab(Png("generando_vacio"));
    dr.Escape();
  });
  EXPECT_FALSE(fabrica_.GenerandoInforme(d));
  EXPECT_EQ(pos, 100);
  EXPECT_FALSE(aceptar);
  EXPECT_FALSE(temporizador);
  EXPECT_EQ(estado, "Preparando...");
  EXPECT_EQ(carpeta_.Archivos(), std::vector<std::string>{"a.htm"});
  EXPECT_EQ(fs::file_size(d.ruta), 0u);
}

TEST_F(GenerandoInforme, UnaEscrituraFallidaSeAvisaYNoSeDaPorCompleta) {
  // The composite curves' picture cannot be written: a folder has its name.
  DlgGenerandoInforme d = Registro(OpcionesInforme{});
  const std::string imagen = d.ruta + "_CurvComp.wmf";
  fs::create_directory(imagen);
  std::vector<std::string> textos;
  std::string estado;
  bool aceptar = false;
  runner_.ScriptDialog([&](Driver& dr) {
    auto& g = static_cast<G&>(dr.Dialog());
    Pintados pintados(g.Widget(G::kIdEstado), &g.Barra());
    ASSERT_TRUE(dr.Timer(G::kIdTemporizador));
    textos = pintados.textos;
    estado = dr.Text(G::kIdEstado);
    aceptar = g.IsEnabled(kit::kIdOk);
    dr.Grab(Png("generando_fallo"));
    dr.Ok();
  });
  fabrica_.GenerandoInforme(d);
  std::string esperado = kMsgErrorEscribir;
  esperado.replace(esperado.find("%1"), 2, imagen);
  EXPECT_EQ(Mensajes(), std::vector<std::string>{esperado});
  EXPECT_EQ(runner_.Log().back().icon, MsgIcon::Critical);
  EXPECT_EQ(estado, esperado);
  ASSERT_FALSE(textos.empty());
  EXPECT_EQ(textos.back(), esperado);
  for (const std::string& t : textos) EXPECT_NE(t, "Informe completo");
  // The user can still close it.
  EXPECT_TRUE(aceptar);
}

TEST_F(GenerandoInforme, CadaAperturaTieneSusColores) {
  // Dialogs opened within one second do not repeat their colours.
  std::set<std::vector<QRgb>> vistos;
  for (int i = 0; i < 4; ++i) {
    DlgGenerandoInforme d = Registro(SinSecciones());
    runner_.ScriptDialog([&](Driver& dr) {
      std::vector<QRgb> c;
      for (const QColor& q : static_cast<G&>(dr.Dialog()).Barra().Colores()) {
        EXPECT_TRUE(q.isValid());
        c.push_back(q.rgb());
      }
      EXPECT_EQ(c.size(), 2u);
      vistos.insert(c);
      dr.Escape();
    });
    fabrica_.GenerandoInforme(d);
  }
  EXPECT_GT(vistos.size(), 1u);
}

}  // namespace
}  // namespace vardo::prueba
