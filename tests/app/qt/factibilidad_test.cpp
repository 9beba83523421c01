// The pinch design method through the program: the four-stream example, the
// feasibility commands of the main window with the option on (the dialog,
// driven through the kit, its message boxes and the split dialog scripted)
// and off (the read-only windows).
#include <QApplication>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "app/core/analysis/emparejamientos.h"
#include "app/core/document/ids_comandos.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/analysis/dlg_factibilidad.h"
#include "fixture.h"
#include "model/documento_archivo.h"
#include "tests/comun/archivos.h"
#include "tests/comun/kit_listas.h"
#include "tests/comun/problemas.h"

namespace vardo::prueba {
namespace {

using D = CFactibilidadDlg;
using Textos = std::vector<std::string>;

constexpr Rgb kColor0 = MakeRgb(255, 200, 150);
constexpr Rgb kColor1 = MakeRgb(255, 0, 255);

// A match by two clicks, hot row first.
void Emparejar(Driver& dr, int caliente, int fria) {
  dr.Choose(D::kIdCalientes, caliente);
  dr.Choose(D::kIdFrias, fria);
}

class FactibilidadPrograma : public AppFixture {
 protected:
  // The design dialog of one command, driven by `guion`.
  void Disenar(int comando, std::function<void(Driver&, D&)> guion) {
    kitRunner_.ScriptDialog([guion](Driver& dr) { guion(dr, static_cast<D&>(dr.Dialog())); });
    ASSERT_TRUE(Ejecutar(comando));
    EXPECT_TRUE(kitRunner_.Done());
  }
  // The example with the option turned on by its command.
  void AbrirConOpcion() {
    ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
    ASSERT_FALSE(Doc()->m_bUsarFactibilidad);
    ASSERT_TRUE(Ejecutar(cmd::kUsarFactibilidad));
    ASSERT_TRUE(Doc()->m_bUsarFactibilidad);
    // The split dialog: C1 from 80 °C into branches to 135 and 125 °C.
    auto& fabrica = static_cast<FabricaDialogosQt&>(app_->Fabrica());
    fabrica.Registrar<DlgBifurcar>([](QWidget*, DlgBifurcar& b) {
      b.tEntrada = 353.15;
      b.tSalida1 = 408.15;
      b.tSalida2 = 398.15;
      b.porcentaje1 = 60;
      b.porcentaje2 = 40;
      return true;
    });
  }
  std::vector<std::uint8_t> Bytes() {
    MarcoDocumento marco;
    marco.usarFactibilidad = Doc()->m_bUsarFactibilidad ? 1 : 0;
    marco.modo = Doc()->m_nModo;
    CDiagrama copia;
    CopiarModeloCompleto(copia, Doc()->m_Diagrama);
    return GuardarDocumento(marco, copia);
  }
  std::vector<std::string> Mensajes() const {
    std::vector<std::string> v;
    for (const MessageRequest& r : runner_.Log()) v.push_back(r.text);
    return v;
  }
};

void EsperarCambiador(const CDiagrama& d, std::size_t i, std::int32_t caliente, std::int32_t fria,
                      double q, double the, double ths, double tfe, double tfs) {
  ASSERT_LT(i, d.m_cambiadores.size());
  const CCambiador& c = d.m_cambiadores[i];
  SCOPED_TRACE(i);
  EXPECT_EQ(c.ladoCaliente.ref, caliente);
  EXPECT_EQ(c.ladoFrio.ref, fria);
  EXPECT_NEAR(c.q, q, 1e-6);
  EXPECT_NEAR(c.tEntradaCaliente, the, 1e-6);
  EXPECT_NEAR(c.tSalidaCaliente, ths, 1e-6);
  EXPECT_NEAR(c.tEntradaFria, tfe, 1e-6);
  EXPECT_NEAR(c.tSalidaFria, tfs, 1e-6);
  const auto en = [&](std::int32_t ref) {
    const auto& l = d.m_corrientes[static_cast<std::size_t>(ref)].m_cambiadores;
    return std::find(l.begin(), l.end(), static_cast<std::uint32_t>(i)) != l.end();
  };
  EXPECT_TRUE(en(caliente));
  EXPECT_TRUE(en(fria));
}

TEST_F(FactibilidadPrograma, LadoCalienteYLadoFrioHastaLosCambiadores) {
  AbrirConOpcion();
  const int pasos = Doc()->NumDeshacer();

  Disenar(cmd::kFactibilidadCaliente, [this](Driver& dr, D& w) {
    EXPECT_EQ(Entradas(w, D::kIdPinch), Textos{"Pinch de Proceso"});
    EXPECT_EQ(Entradas(w, D::kIdCalientes), (Textos{"2: 3.", "4: 1.5"}));
    EXPECT_EQ(Entradas(w, D::kIdFrias), (Textos{"1: 2.", "3: 4."}));
    EXPECT_TRUE(w.IsShown(D::kIdNumeroCaliente));
    EXPECT_EQ(w.Text(D::kIdNumeroCaliente),
              "Número de corrientes calientes <= Número de corrientes frías");
    EXPECT_FALSE(w.IsShown(D::kIdNumeroFrio));
    Emparejar(dr, 0, 0);  // 2 with 1
    EXPECT_EQ(Mensajes(), Textos{kMensajeNoFactible});
    Emparejar(dr, 0, 1);  // 2 with 3
    EXPECT_EQ(w.Text(D::kIdAyuda),
              "Cambiador añadido\nPara eliminarlo vuelva a hacer clic sobre sus corrientes");
    EXPECT_EQ(w.ItemColor(D::kIdCalientes, 0), kColor0);
    EXPECT_EQ(w.ItemColor(D::kIdFrias, 1), kColor0);
    Emparejar(dr, 1, 0);  // 4 with 1
    EXPECT_EQ(w.ItemColor(D::kIdCalientes, 1), kColor1);
    EXPECT_EQ(w.ItemColor(D::kIdFrias, 0), kColor1);
    Emparejar(dr, 0, 0);  // 2 with 1 again
    ASSERT_EQ(runner_.Log().size(), 2u);
    EXPECT_NE(runner_.Log()[1].text.find("Una de las corrientes ya está emparejada"),
              std::string::npos);
    dr.Ok();
  });
  const CDiagrama& m = Doc()->m_Diagrama;
  ASSERT_EQ(m.GetNumCambiadores(), 2);
  EsperarCambiador(m, 0, 1, 2, 240, 443.15, 363.15, 353.15, 413.15);
  EsperarCambiador(m, 1, 3, 0, 90, 423.15, 363.15, 353.15, 398.15);
  EXPECT_EQ(Doc()->NumDeshacer(), pasos + 1);
  EXPECT_TRUE(Doc()->IsModified());
  EXPECT_EQ(Marco().PaneText(kPanelCamb).left(7), QStringLiteral("Camb:2/"));
  // One undo takes both away; redo brings them back.
  ASSERT_TRUE(Ejecutar(cmd::kDeshacer));
  EXPECT_EQ(Doc()->m_Diagrama.GetNumCambiadores(), 0);
  ASSERT_TRUE(Ejecutar(cmd::kRehacer));
  ASSERT_EQ(Doc()->m_Diagrama.GetNumCambiadores(), 2);

  // Reopened: both matches in colours 0 and 1; clicking 2 and 3 again and
  // OK deletes that exchanger.
  Disenar(cmd::kFactibilidadCaliente, [](Driver& dr, D& w) {
    EXPECT_EQ(ColoresFilas(w, D::kIdCalientes), (std::vector<Rgb>{kColor0, kColor1}));
    EXPECT_EQ(ColoresFilas(w, D::kIdFrias), (std::vector<Rgb>{kColor1, kColor0}));
    Emparejar(dr, 0, 1);
    EXPECT_EQ(w.Text(D::kIdAyuda), kAyudaCambiadorEliminado);
    dr.Ok();
  });
  ASSERT_EQ(Doc()->m_Diagrama.GetNumCambiadores(), 1);
  EsperarCambiador(Doc()->m_Diagrama, 0, 3, 0, 90, 423.15, 363.15, 353.15, 398.15);

  // The cold side: C3 starts at the pinch and is not listed.
  Disenar(cmd::kFactibilidadFrio, [](Driver& dr, D& w) {
    EXPECT_EQ(w.CurSel(D::kIdLado), 1);
    EXPECT_TRUE(w.IsShown(D::kIdMcpFrio));
    EXPECT_FALSE(w.IsShown(D::kIdMcpCaliente));
    EXPECT_EQ(Entradas(w, D::kIdCalientes), (Textos{"2: 3.", "4: 1.5"}));
    EXPECT_EQ(Entradas(w, D::kIdFrias), Textos{"1: 2."});
    Emparejar(dr, 0, 0);
    EXPECT_EQ(w.ItemColor(D::kIdFrias, 0), kColor0);
    dr.Ok();
  });
  ASSERT_EQ(Doc()->m_Diagrama.GetNumCambiadores(), 2);
  EsperarCambiador(Doc()->m_Diagrama, 1, 1, 0, 90, 363.15, 333.15, 308.15, 353.15);
}

// Every exchanger circle drawn lies on the line of the stream whose row it
// sits on: between the ends of the horizontal line drawn through its centre,
// or centred on a line drawn as a point (a stream at one temperature on a
// pinch line).
void EsperarCirculosSobreSusLineas(const std::vector<RecordingDc::Item>& imagen) {
  int circulos = 0;
  for (const RecordingDc::Item& c : imagen) {
    if (c.op != RecordingDc::Op::Ellipse || c.points.size() != 2) continue;
    ++circulos;
    const std::int32_t y = (c.points[0].y + c.points[1].y) / 2;
    const std::int32_t izq = std::min(c.points[0].x, c.points[1].x);
    const std::int32_t der = std::max(c.points[0].x, c.points[1].x);
    bool sobreLinea = false;
    for (const RecordingDc::Item& l : imagen) {
      if (l.op != RecordingDc::Op::Line || l.points.size() != 2) continue;
      if (l.points[0].y != l.points[1].y || std::abs(l.points[0].y - y) > 2) continue;
      const std::int32_t a = std::min(l.points[0].x, l.points[1].x);
      const std::int32_t b = std::max(l.points[0].x, l.points[1].x);
      if (a <= izq && der <= b) sobreLinea = true;
      if (a == b && std::abs((izq + der) / 2 - a) <= 1) sobreLinea = true;
    }
    EXPECT_TRUE(sobreLinea) << "círculo " << izq << ".." << der << " en y " << y;
  }
  EXPECT_GT(circulos, 0);
}

// A match that completes a latent stream, in the program: H1 500 -> 300 K,
// C2 395 -> 450 K, C3 boiling at 390 K (80 kW), DT min 10. On the hot side H1
// and C3 are matched and OK writes an exchanger of C3's whole 80 kW, H1 from
// 480 K down to the pinch at 400 K; its circles lie on both lines.
TEST_F(FactibilidadPrograma, EmparejarConUnaLatenteDaTodoSuCalor) {
  CDiagrama m = LatenteEnElPinch();
  m.CalcularObjetivos();
  const QString ruta = Ruta("latente.vdo");
  EscribirBytes(ruta.toStdString(), GuardarDocumento(MarcoDocumento{1, 3, false}, m));
  ASSERT_EQ(Iniciar({ruta}), -1);
  ASSERT_TRUE(Doc()->m_bUsarFactibilidad);
  Disenar(cmd::kFactibilidadCaliente, [](Driver& dr, D& w) {
    ASSERT_EQ(Entradas(w, D::kIdCalientes).size(), 1u);
    const Textos frias = Entradas(w, D::kIdFrias);  // C2 starts above the pinch
    ASSERT_EQ(frias.size(), 1u);
    ASSERT_EQ(frias[0].substr(0, 2), "3:");
    Emparejar(dr, 0, 0);  // 1 with 3
    EXPECT_EQ(w.Text(D::kIdAyuda), kAyudaCambiadorAnadido);
    dr.Ok();
  });
  ASSERT_EQ(Doc()->m_Diagrama.GetNumCambiadores(), 1);
  EsperarCambiador(Doc()->m_Diagrama, 0, 0, 2, 80, 480, 400, 390, 390);
  EXPECT_EQ(Doc()->m_Diagrama.m_textoComprobacion.find("Errores"), std::string::npos);
  Marco().show();
  Procesar();
  EsperarCirculosSobreSusLineas(Vista()->Imagen());
}

// A file whose circles were left at the grid's left by an older layout: C
// 290 -> 490 K, H1 400 -> 300 K and H 440 -> 400 K (m·cp 0.5), with two
// latent steam levels of 50 kW (520 and 450 K) shown, whose utility pinch
// line (450 K hot, 440 K cold) stands left of the process pinch line. H
// starts below the utility pinch: its line begins mid-grid at that pinch
// line. The exchanger H-C above the process pinch is drawn on H's line and
// on C's, between the two pinch lines.
TEST_F(FactibilidadPrograma, CirculosSobreUnaCorrienteQueEmpiezaEnMedio) {
  CDiagrama m;
  m.AddCorriente(290, 490, 1, 1, 0);
  m.AddCorriente(400, 300, 1, 0, 0);
  m.AddCorriente(440, 400, 0.5, 0, 0);
  m.m_servicios.push_back(ServicioLatente(520, 50, 0));
  m.m_servicios.push_back(ServicioLatente(450, 50, 0));
  m.m_serviciosVisibles = 1;
  m.SetDTMin(10);
  m.AddCambiador(kModoTemperaturas, 2, 0, kTipoExtremo, 0, kTipoPinch, 0, kTipoPinch, 0, 0, 0, 0,
                 0);
  ReconstruirListas(m);
  ASSERT_TRUE(Calculada(CalcularRed(m)));
  CCambiador& c = m.m_cambiadores[0];
  ASSERT_NEAR(c.q, 20, 1e-9);
  c.rectCaliente = Rect{5500, -2000, 6150, -2650};
  c.rectFrio = Rect{5500, -4000, 6150, -4650};
  for (CCorriente& s : m.m_corrientes) s.m_marcaOrden = 0;
  for (CServicios& s : m.m_servicios) s.m_marcaOrden = 0;
  const QString ruta = Ruta("en_medio.vdo");
  EscribirBytes(ruta.toStdString(), GuardarDocumento(MarcoDocumento{0, 3, false}, m));

  ASSERT_EQ(Iniciar({ruta}), -1);
  Marco().show();
  Procesar();
  const CDiagrama& d = Doc()->m_Diagrama;
  const std::optional<CCorriente::Tramo> h = d.m_corrientes[2].TramoDibujado();
  ASSERT_TRUE(h.has_value());
  const Rect fila = d.m_corrientes[2].m_rect;
  EXPECT_GT(h->izquierda, fila.left + fila.Width() / 4);  // a stream that starts mid-grid
  EsperarCirculosSobreSusLineas(Vista()->Imagen());
  // Both circles between the utility pinch line (a third of the row) and the
  // process pinch line (two thirds).
  const CCambiador& x = d.m_cambiadores[0];
  for (const Rect& r : {x.rectCaliente, x.rectFrio}) {
    EXPECT_GE(r.left, fila.left + fila.Width() / 3);
    EXPECT_LE(r.right, fila.left + 2 * fila.Width() / 3);
  }
}

// The samples as they open: every circle on its line.
TEST_F(FactibilidadPrograma, CirculosDeLosEjemplosSobreSusLineas) {
  for (const char* ejemplo : {"cuatro_corrientes.vdo", "servicios_y_area.vdo", "latente_y_tabla.vdo"}) {
    SCOPED_TRACE(ejemplo);
    ASSERT_EQ(Iniciar({CopiaEjemplo(ejemplo)}), -1);
    Marco().show();
    Procesar();
    if (Doc()->m_Diagrama.GetNumCambiadores() > 0) EsperarCirculosSobreSusLineas(Vista()->Imagen());
    app_->CerrarTodos();
    Procesar();
    app_.reset();
  }
}

TEST_F(FactibilidadPrograma, BifurcarYCancelarDejaElDocumentoIgual) {
  AbrirConOpcion();
  const std::vector<std::uint8_t> antes = Bytes();
  const bool modificado = Doc()->IsModified();
  const int pasos = Doc()->NumDeshacer();
  Disenar(cmd::kFactibilidadCaliente, [this](Driver& dr, D& w) {
    Emparejar(dr, 0, 1);  // 2 with 3
    runner_.Script({Answer::Yes});
    DobleClic(w, D::kIdFrias, 0);  // C1
    EXPECT_EQ(Mensajes().back(),
              "Al bifurcar una corriente se perderán las definiciones de cambiadores que se "
              "hayan realizado en este cuadro de diálogo\n\n¿Desea continuar?");
    EXPECT_EQ(Entradas(w, D::kIdCalientes), (Textos{"1: 3.", "3: 1.5"}));
    EXPECT_EQ(Entradas(w, D::kIdFrias), (Textos{"2: 4.", "5: 1.2", "6: 0.8"}));
    EXPECT_EQ(ColoresFilas(w, D::kIdFrias), (std::vector<Rgb>{0, 0, 0}));
    EXPECT_TRUE(w.Estado().Emparejamientos().empty());
    const CDiagrama& m = w.m_Diagrama;
    ASSERT_EQ(m.m_bifurcadas.size(), 1u);
    const CCorrienteBifurcada& b = m.m_bifurcadas[0];
    ASSERT_EQ(b.nodos.size(), 1u);
    EXPECT_EQ((std::vector<std::int32_t>{b.nodos[0].refEntrada, b.nodos[0].refRamaPrincipal,
                                         b.nodos[0].refRamaDesplazada, b.nodos[0].refSalida}),
              (std::vector<std::int32_t>{3, 4, 5, 6}));
    EXPECT_EQ(b.ramas, (std::vector<std::uint32_t>{3, 4, 5, 6}));
    EXPECT_EQ(b.conexiones, (std::vector<CConexion>{{3, 4}, {3, 5}, {4, 6}, {5, 6}}));
    DobleClic(w, D::kIdFrias, 1);  // "5: 1.2", node 0's branch 1
    EXPECT_EQ(Mensajes().back(), "No es posible bifurcar esa corriente");
    Emparejar(dr, 1, 0);  // 3 with 2, then Cancel
    dr.Cancel();
  });
  EXPECT_EQ(Bytes(), antes);
  EXPECT_EQ(Doc()->IsModified(), modificado);
  EXPECT_EQ(Doc()->NumDeshacer(), pasos);
}

TEST_F(FactibilidadPrograma, SinLaOpcionCadaComandoAbreSuVentana) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  ASSERT_FALSE(Doc()->m_bUsarFactibilidad);
  ASSERT_TRUE(Ejecutar(cmd::kFactibilidadCaliente));
  ASSERT_TRUE(Ejecutar(cmd::kFactibilidadFrio));
  EXPECT_TRUE(kitRunner_.Log().empty());  // no modal dialog
  QPointer<CFactibilidadCalDlg> caliente;
  QPointer<CFactibilidadFrioDlg> frio;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* c = dynamic_cast<CFactibilidadCalDlg*>(w); c && c->IsOpen()) caliente = c;
    if (auto* f = dynamic_cast<CFactibilidadFrioDlg*>(w); f && f->IsOpen()) frio = f;
  }
  ASSERT_TRUE(caliente && frio);
  using V = CFactibilidadLadoDlg;
  EXPECT_EQ(Entradas(*caliente, V::kIdListaB), (Textos{"2: 3.", "4: 1.5"}));
  EXPECT_EQ(Entradas(*caliente, V::kIdListaA), (Textos{"1: 2.", "3: 4."}));
  EXPECT_EQ(Entradas(*frio, V::kIdListaB), (Textos{"2: 3.", "4: 1.5"}));
  EXPECT_EQ(Entradas(*frio, V::kIdListaA), Textos{"1: 2."});
  EXPECT_TRUE(caliente->isVisible() && frio->isVisible());
  EXPECT_FALSE(Doc()->IsModified());
  Driver(*caliente).Click(kit::kIdCancel);
  Procesar();
  EXPECT_TRUE(caliente.isNull());
  ASSERT_FALSE(frio.isNull());
  EXPECT_TRUE(frio->isVisible());
  frio->close();
  Procesar();
}

}  // namespace
}  // namespace vardo::prueba
