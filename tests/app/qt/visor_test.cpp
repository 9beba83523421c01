// The object browser in the running program, on the sample documents: the
// tree with its icons and tooltips, the property rows of what is clicked,
// the view's selection followed, menus and double clicks, the chart chooser,
// and a chart that is laid out on the browser's copy and never asks.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDockWidget>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>
#include <QTreeWidget>

#include "app/core/charts/cascada_alimentacion.h"
#include "app/core/document/ids_comandos.h"
#include "app/core/panes/visor_objetos.h"
#include "app/qt/menus_contexto.h"
#include "app/qt/visor_objetos.h"
#include "controls/cascade/vadizod.h"
#include "fixture.h"
#include "model/constantes.h"
#include "model/red.h"
#include "platform/core/numtext.h"
#include "platform/qt/displaygrid.h"
#include "tests/comun/problemas.h"
#include "tests/comun/textos_cascada.h"

namespace vardo::prueba {
namespace {

using Filas = std::vector<std::pair<std::string, std::string>>;

class Visor : public AppFixture {
 protected:
  CVisorObjetosDlg* Panel() {
    QDockWidget* d = Marco().Dock(cmd::kVerVisorObjetos);
    return d ? qobject_cast<CVisorObjetosDlg*>(d->widget()) : nullptr;
  }
  QTreeWidgetItem* Item(const char* raiz, const char* texto) {
    return Panel()->Buscar(QString::fromUtf8(raiz), QString::fromUtf8(texto));
  }
  std::vector<std::string> Raices() {
    std::vector<std::string> r;
    QTreeWidget* t = Panel()->Arbol();
    for (int i = 0; i < t->topLevelItemCount(); ++i) r.push_back(t->topLevelItem(i)->text(0).toStdString());
    return r;
  }
  Filas Propiedades() {
    Filas f;
    DisplayGrid* g = Panel()->Propiedades();
    for (int r = 0; r < g->Rows(); ++r)
      f.emplace_back(g->TextMatrix(r, 0).toStdString(), g->TextMatrix(r, 1).toStdString());
    return f;
  }
  std::string Valor(const std::string& titulo) {
    for (const auto& [t, v] : Propiedades())
      if (t == titulo) return v;
    ADD_FAILURE() << "sin fila " << titulo;
    return {};
  }
  // A press and release of the left button on the item, as the user does.
  void Clic(QTreeWidgetItem* item) {
    ASSERT_NE(item, nullptr);
    QTreeWidget* t = Panel()->Arbol();
    t->scrollToItem(item);
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(item).center());
    Procesar();
  }
  void DobleClic(QTreeWidgetItem* item) {
    ASSERT_NE(item, nullptr);
    QTreeWidget* t = Panel()->Arbol();
    t->scrollToItem(item);
    const QPoint p = t->visualItemRect(item).center();
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, p);
    Procesar();
  }
  void ClicDerecho(QTreeWidgetItem* item) {
    ASSERT_NE(item, nullptr);
    QTreeWidget* t = Panel()->Arbol();
    t->scrollToItem(item);
    const QPoint p = t->visualItemRect(item).center();
    QContextMenuEvent e(QContextMenuEvent::Mouse, p, t->viewport()->mapToGlobal(p));
    QApplication::sendEvent(t->viewport(), &e);
    Procesar();
  }
  void Guardar(QWidget* w, const char* nombre) {
    EXPECT_TRUE(w->grab().save(QString::fromStdString(::testing::TempDir() + nombre), "PNG"));
  }
  std::vector<std::string> Dialogos() {
    std::vector<std::string> r;
    for (const auto& x : kitRunner_.Log())
      if (x.kind == RunRecord::Kind::Dialog) r.push_back(x.text);
    return r;
  }
};

TEST_F(Visor, ArbolAyudasYPropiedadesDeLosObjetosDelEjemplo) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("servicios_y_area.vdo")}), -1);
  QDockWidget* dock = Marco().Dock(cmd::kVerVisorObjetos);
  ASSERT_NE(dock, nullptr);
  EXPECT_EQ(Marco().dockWidgetArea(dock), Qt::LeftDockWidgetArea);
  EXPECT_EQ(dock->windowTitle(), QStringLiteral("Visor de Objetos"));
  EXPECT_EQ(Marco().Commands().State(cmd::kVerVisorObjetos).checked, std::optional<bool>(true));
  ASSERT_NE(Panel(), nullptr);
  EXPECT_EQ(Raices(), (std::vector<std::string>{"Corrientes", "Cambiadores", "Servicios",
                                                "Áreas de Integridad"}));
  const struct {
    const char* raiz;
    const char* texto;
    const char* ayuda;
  } ayudas[] = {
      {"Corrientes", "Corriente 1", "C1"},
      {"Corrientes", "Corriente 4", "H4"},
      {"Cambiadores", "Cambiador 1", "C. Caliente: 2, C. Fría: 3"},
      {"Cambiadores", "Cambiador 2", "C. Caliente: SG, C. Fría: 1"},
      {"Cambiadores", "Cambiador 3", "C. Caliente: 4, C. Fría: SG"},
      {"Servicios", "Servicio 1", "Vapor"},
      {"Servicios", "Servicio 2", "Agua de refrigeración"},
      {"Áreas de Integridad", "1 Area 1", "Corrientes: 1; 2; S1; "},
      {"Áreas de Integridad", "2 Area 2", "Corrientes: 3; 4; S2; "},
  };
  for (const auto& a : ayudas) {
    QTreeWidgetItem* item = Item(a.raiz, a.texto);
    ASSERT_NE(item, nullptr) << a.texto;
    EXPECT_EQ(item->toolTip(0), QString::fromUtf8(a.ayuda)) << a.texto;
    EXPECT_FALSE(item->icon(0).isNull()) << a.texto;
  }
  Panel()->Arbol()->expandAll();

  // Values read from the left, whatever the pane's width.
  EXPECT_EQ(Panel()->Propiedades()->ColAlignment(1), GridWidget::ColAlign::Left);
  // A stream: the view selects it too.
  Clic(Item("Corrientes", "Corriente 1"));
  EXPECT_EQ(Vista()->EstadoEdicion(), kSelCorriente);
  EXPECT_EQ(Doc()->m_Diagrama.m_corrienteSel, 0);
  EXPECT_EQ(Propiedades(), (Filas{{"Descripción", "C1"},
                                  {"T. Entrada (K)", "293.15"},
                                  {"T. Salida (K)", "408.15"},
                                  {"Entalpía (kW)", "230."},
                                  {"Entalpía restante (kW)", "210."},
                                  {"Temperaturas sin cubrir", "398.15 a 293.15 "},
                                  {"Cambiadores", "2 "},
                                  {"Tipo de corriente", "Fría"},
                                  {"Tipo de calor", "Sensible"},
                                  {"Área de Integridad", "1"}}));
  Guardar(Panel(), "visor_corriente.png");

  // A utility.
  Clic(Item("Servicios", "Servicio 1"));
  EXPECT_EQ(Doc()->m_Diagrama.m_corrienteSel, kRefServicio);
  EXPECT_EQ(Valor("Descripción"), "Vapor");
  EXPECT_EQ(Valor("T. Entrada (K)"), "453.15");
  EXPECT_EQ(Valor("Entalpía restante (kW)"), "0.");
  EXPECT_EQ(Valor("Entalpía máxima (kW)"),
            NumTexto(Doc()->m_Diagrama.m_servicios[0].m_entalpiaMaxima));
  EXPECT_EQ(Valor("Tipo de servicio"), "Calefacción");
  EXPECT_EQ(Valor("Tipo de calor"), "Latente");
  EXPECT_EQ(Propiedades().size(), 11u);

  // An exchanger.
  Clic(Item("Cambiadores", "Cambiador 1"));
  EXPECT_EQ(Vista()->EstadoEdicion(), kSelCambiador);
  EXPECT_EQ(Doc()->m_Diagrama.m_cambiadorSel, 0);
  const CDiagrama& m = Doc()->m_Diagrama;
  EXPECT_EQ(Propiedades(), (Filas{{"Carga (kW)", "240."},
                                  {"A través del pinch (kW)", Valor("A través del pinch (kW)")},
                                  {"C.Caliente", "2"},
                                  {"C.Fría", "3"},
                                  {"T entrada cal. (K)", "443.15"},
                                  {"T salida cal. (K)", "363.15"},
                                  {"T entrada fría (K)", "353.15"},
                                  {"T salida fría (K)", "413.15"},
                                  {"Coef. TC (kW/(m2·K)", "1."},
                                  {"Área (m2)", NumTexto(AreaCambiador(m, 0))},
                                  {"Coste ($)", NumTexto(CosteCambiadores(m, 0))}}));
  Clic(Item("Cambiadores", "Cambiador 3"));
  EXPECT_EQ(Valor("C.Fría"), "S2");
  Guardar(Panel(), "visor_cambiador.png");
  Guardar(&Marco(), "visor_programa.png");

  // An area: nothing stays selected, the grid shows the area.
  Clic(Item("Áreas de Integridad", "2 Area 2"));
  EXPECT_EQ(Vista()->EstadoEdicion(), kSelNada);
  EXPECT_EQ(Propiedades(), (Filas{{"Nombre", "Area 2"}, {"Corrientes", "3; 4; S2; "}}));
  EXPECT_EQ(Panel()->GetAreaSeleccionada(), 1);
  // Clicking only selects: the document is not changed.
  EXPECT_FALSE(Doc()->IsModified());
}

// The tree follows each change in place: after a rename, a deleted stream
// and deleted exchangers (a root gone) it lists exactly what the model's list
// says, texts, tips and icons, and the items of objects that stayed are the
// same items (their state kept, no whole rebuild on every change).
TEST_F(Visor, ElArbolSigueCadaCambioSinRehacerse) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("servicios_y_area.vdo")}), -1);
  ASSERT_NE(Panel(), nullptr);
  auto comprobar = [&] {
    QTreeWidget* t = Panel()->Arbol();
    const std::vector<ElementoVisor> lista = ArbolVisor(Doc()->m_Diagrama);
    ASSERT_EQ(t->topLevelItemCount(), static_cast<int>(lista.size()));
    for (std::size_t i = 0; i < lista.size(); ++i) {
      const QTreeWidgetItem* r = t->topLevelItem(static_cast<int>(i));
      EXPECT_EQ(r->text(0).toStdString(), lista[i].texto);
      ASSERT_EQ(r->childCount(), static_cast<int>(lista[i].hijos.size())) << lista[i].texto;
      for (std::size_t k = 0; k < lista[i].hijos.size(); ++k) {
        const QTreeWidgetItem* h = r->child(static_cast<int>(k));
        EXPECT_EQ(h->text(0).toStdString(), lista[i].hijos[k].texto);
        EXPECT_EQ(h->toolTip(0).toStdString(), lista[i].hijos[k].ayuda);
        EXPECT_FALSE(h->icon(0).isNull());
      }
    }
  };
  comprobar();
  QTreeWidgetItem* primera = Item("Corrientes", "Corriente 1");
  ASSERT_NE(primera, nullptr);
  Doc()->CambiarModelo([&] { Doc()->m_Diagrama.m_corrientes[3].SetNombre("Otra"); });
  Procesar();
  comprobar();
  EXPECT_EQ(Item("Corrientes", "Corriente 4")->toolTip(0), QStringLiteral("Otra"));
  EXPECT_EQ(Item("Corrientes", "Corriente 1"), primera);
  Doc()->CambiarModelo([&] { Doc()->m_Diagrama.BorrarCorriente(3); });
  Procesar();
  comprobar();
  EXPECT_EQ(Item("Corrientes", "Corriente 4"), nullptr);
  EXPECT_EQ(Item("Corrientes", "Corriente 1"), primera);
  Doc()->CambiarModelo([&] {
    while (Doc()->m_Diagrama.GetNumCambiadores() > 0) Doc()->m_Diagrama.BorrarCambiador(0);
  });
  Procesar();
  comprobar();
  EXPECT_EQ(Item("Corrientes", "Corriente 1"), primera);
}

TEST_F(Visor, LaVistaYElVisorSeSiguen) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("servicios_y_area.vdo")}), -1);
  CVardoView* v = Vista();
  CDiagrama& m = Doc()->m_Diagrama;
  // A press on the third stream's row in the grid diagram.
  const Rect r = m.m_corrientes[2].m_rect;
  const double dpiX = v->viewport()->logicalDpiX();
  const double dpiY = v->viewport()->logicalDpiY();
  const QPoint p(static_cast<int>((r.left + r.right) / 2.0 * dpiX / 2540.0) -
                     v->horizontalScrollBar()->value(),
                 static_cast<int>(-(r.top + r.bottom) / 2.0 * dpiY / 2540.0) -
                     v->verticalScrollBar()->value());
  QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, p);
  Procesar();
  ASSERT_EQ(v->EstadoEdicion(), kSelCorriente);
  ASSERT_EQ(m.m_corrienteSel, 2);
  QTreeWidgetItem* actual = Panel()->Arbol()->currentItem();
  ASSERT_NE(actual, nullptr);
  EXPECT_EQ(actual->text(0), QStringLiteral("Corriente 3"));
  EXPECT_TRUE(actual->parent()->isExpanded());
  EXPECT_EQ(Valor("Descripción"), "C3");
  // An exchanger selected by the view's port, as the streams table does too.
  m.SeleccionarCambiador(2);
  Doc()->SetTipoSeleccion(kSelCambiador);
  Doc()->Puertos().visor->SeleccionarObjeto(m, kSelCambiador, false);
  EXPECT_EQ(Panel()->Arbol()->currentItem()->text(0), QStringLiteral("Cambiador 3"));
  EXPECT_EQ(Valor("C.Caliente"), "4");
  // Hidden, the browser does not follow.
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kVerVisorObjetos));
  m.SeleccionarCorriente(0);
  Doc()->Puertos().visor->SeleccionarObjeto(m, kSelCorriente, false);
  EXPECT_EQ(Panel()->Arbol()->currentItem()->text(0), QStringLiteral("Cambiador 3"));
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kVerVisorObjetos));
  EXPECT_FALSE(Marco().Dock(cmd::kVerVisorObjetos)->isHidden());
}

TEST_F(Visor, MenusYDobleClic) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("servicios_y_area.vdo")}), -1);
  Panel()->Arbol()->expandAll();
  const struct {
    const char* raiz;
    const char* texto;
    const char* menu;
    std::vector<int> comandos;
  } casos[] = {
      {"Corrientes", "Corriente 2", "Principal", {cmd::kModificarCorriente, cmd::kBorrarCorrienteSel}},
      {"Cambiadores", "Cambiador 1", "PopCamb", {cmd::kModificarCambiador, cmd::kBorrarCambiadorSel}},
      {"Servicios", "Servicio 2", "PopServ", {cmd::kAnadirServicios, cmd::kBorrarServicioSel}},
      {"Áreas de Integridad", "1 Area 1", "PopAreas", {cmd::kSeleccionarArea}},
  };
  for (const auto& c : casos) {
    ClicDerecho(Item(c.raiz, c.texto));
    QMenu* menu = Panel()->MenuAbierto();
    ASSERT_NE(menu, nullptr) << c.texto;
    EXPECT_EQ(menu->title(), QString::fromUtf8(c.menu));
    EXPECT_EQ(Panel()->Arbol()->currentItem()->text(0), QString::fromUtf8(c.texto));
    std::vector<int> ids;
    for (QAction* a : menu->actions())
      if (ComandoDeEntrada(a)) ids.push_back(ComandoDeEntrada(a));
    for (std::size_t i = 0; i < c.comandos.size(); ++i) EXPECT_EQ(ids.at(i), c.comandos[i]) << c.texto;
    menu->close();
  }
  // The menu's commands act on the object right-clicked.
  ClicDerecho(Item("Corrientes", "Corriente 2"));
  EXPECT_EQ(Doc()->m_Diagrama.m_corrienteSel, 1);
  EXPECT_EQ(Vista()->EstadoEdicion(), kSelCorriente);
  Panel()->MenuAbierto()->close();
  ClicDerecho(Item("Áreas de Integridad", "1 Area 1"));
  EXPECT_EQ(Panel()->MenuAbierto()->actions().front()->text(), QStringLiteral("&Seleccionar"));
  Panel()->MenuAbierto()->close();

  // A root is selected and opens nothing.
  QMenu* antes = Panel()->MenuAbierto();
  QTreeWidgetItem* raiz = Panel()->Arbol()->topLevelItem(0);
  ClicDerecho(raiz);
  EXPECT_EQ(Panel()->Arbol()->currentItem(), raiz);
  EXPECT_EQ(Panel()->MenuAbierto(), antes);
  EXPECT_FALSE(antes->isVisible());
  EXPECT_EQ(Panel()->GetAreaSeleccionada(), -1);

  // Double clicks: the exchanger's editor, the utilities sheet, the area
  // shown alone.
  kitRunner_.Clear();
  DobleClic(Item("Cambiadores", "Cambiador 1"));
  DobleClic(Item("Servicios", "Servicio 1"));
  EXPECT_EQ(Dialogos(), (std::vector<std::string>{"Añadir Cambiadores", "Servicios Generales"}));
  const int pasos = Doc()->NumDeshacer();
  DobleClic(Item("Áreas de Integridad", "2 Area 2"));
  EXPECT_EQ(Doc()->m_Diagrama.m_areas[0].mostrada, 0);
  EXPECT_EQ(Doc()->m_Diagrama.m_areas[1].mostrada, 1);
  EXPECT_EQ(Doc()->NumDeshacer(), pasos + 1);
}

TEST_F(Visor, AnillosDeLaBusquedaEnElArbol) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  CVardoDoc& doc = *Doc();
  doc.GuardarDeshacer(true);
  doc.m_Diagrama = DisenoCuatroCorrientes();
  doc.m_Diagrama.CalcularObjetivos();
  doc.ComprobarCambiadores();
  doc.ActualizarContadores();
  EXPECT_EQ(Raices(), (std::vector<std::string>{"Corrientes", "Cambiadores"}));
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kBuscarAnillos));
  Procesar();
  ASSERT_FALSE(doc.m_Diagrama.m_lazos.empty());
  // The search's loops are in the tree, the one shown is selected.
  ASSERT_EQ(Raices().back(), "Anillos y Sendas");
  QTreeWidgetItem* actual = Panel()->Arbol()->currentItem();
  ASSERT_NE(actual, nullptr);
  EXPECT_EQ(actual->parent()->text(0), QStringLiteral("Anillos y Sendas"));
  EXPECT_TRUE(actual->text(0).endsWith(QStringLiteral(" 1")));
  EXPECT_EQ(Propiedades().size(), 3u);
  EXPECT_EQ(Propiedades()[0].first, "Cambiadores");
  // Another loop clicked: the view shows it.
  QTreeWidgetItem* raiz = actual->parent();
  ASSERT_GE(raiz->childCount(), 2);
  Clic(raiz->child(1));
  EXPECT_EQ(doc.m_Diagrama.m_anilloActual, 1);
  EXPECT_TRUE(Vista()->Editor().Superposicion());
  std::string numeros;
  for (std::uint32_t n : doc.m_Diagrama.m_lazoEnCurso.nodos) numeros += std::to_string(n) + " ";
  EXPECT_EQ(Propiedades()[0].second, numeros);
  EXPECT_EQ(raiz->child(1)->toolTip(0).toStdString().rfind("Camb: ", 0), 0u);
  ClicDerecho(raiz->child(0));
  ASSERT_NE(Panel()->MenuAbierto(), nullptr);
  EXPECT_EQ(Panel()->MenuAbierto()->title(), QStringLiteral("PopAnillos"));
  EXPECT_EQ(ComandoDeEntrada(Panel()->MenuAbierto()->actions().front()), cmd::kAnadirAnillo);
  EXPECT_EQ(Panel()->MenuAbierto()->actions().front()->text(), QStringLiteral("&Calcular"));
  Panel()->MenuAbierto()->close();
}

TEST_F(Visor, UnaCorrienteOUnCambiadorQuitaElAnilloMostrado) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  CVardoDoc& doc = *Doc();
  doc.m_Diagrama = DisenoCuatroCorrientes();
  doc.ComprobarCambiadores();
  doc.ActualizarContadores();
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kBuscarAnillos));
  Procesar();
  ASSERT_FALSE(doc.m_Diagrama.m_lazos.empty());
  struct Caso {
    const char* raiz;
    const char* texto;
    const char* primeraFila;
    std::size_t filas;
  };
  const Caso casos[] = {{"Corrientes", "Corriente 2", "Descripción", 10},
                        {"Cambiadores", "Cambiador 1", "Carga (kW)", 11}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.texto);
    // A loop shown from the tree: drawn over the view, its rows in the grid.
    QTreeWidget* t = Panel()->Arbol();
    QTreeWidgetItem* lazos = t->topLevelItem(t->topLevelItemCount() - 1);
    ASSERT_EQ(lazos->text(0), QStringLiteral("Anillos y Sendas"));
    Clic(lazos->child(0));
    ASSERT_TRUE(Vista()->Editor().Superposicion());
    ASSERT_EQ(Propiedades()[0].first, "Cambiadores");
    Clic(Item(c.raiz, c.texto));
    EXPECT_FALSE(Vista()->Editor().Superposicion());
    EXPECT_TRUE(doc.m_Diagrama.m_lazoEnCurso.nodos.empty());
    ASSERT_EQ(Propiedades().size(), c.filas);
    EXPECT_EQ(Propiedades()[0].first, c.primeraFila);
  }
}

TEST_F(Visor, ModeloVacioYModeloSinServicios) {
  // A new document: empty tree, white drawing area, two empty rows.
  ASSERT_EQ(Iniciar(), -1);
  ASSERT_NE(Panel(), nullptr);
  Doc()->ActualizarContadores();
  EXPECT_EQ(Panel()->Arbol()->topLevelItemCount(), 0);
  EXPECT_TRUE(Panel()->Imagen().empty());
  EXPECT_FALSE(Panel()->Dibujo()->isHidden());
  EXPECT_TRUE(Panel()->Cascada()->isHidden());
  EXPECT_EQ(Propiedades(), (Filas{{"", ""}, {"", ""}}));
  Guardar(Panel(), "visor_vacio.png");
  // Without utilities no "Servicios" root.
  ASSERT_NE(app_->AbrirDocumento(CopiaEjemplo("cuatro_corrientes.vdo")), nullptr);
  Procesar();
  Doc()->ActualizarContadores();
  EXPECT_EQ(Raices(), std::vector<std::string>{"Corrientes"});
  EXPECT_FALSE(Panel()->Imagen().empty());
  // Its streams deleted, the browser is emptied again.
  Doc()->m_Diagrama.m_corrientes.clear();
  Doc()->ActualizarContadores();
  EXPECT_EQ(Panel()->Arbol()->topLevelItemCount(), 0);
  EXPECT_TRUE(Panel()->Imagen().empty());
}

TEST_F(Visor, VadizodSoloConExtremosDeCorrientes) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("latente_y_tabla.vdo")}), -1);
  Panel()->Graficas()->setCurrentIndex(kGraficaVisorCascada);
  Procesar();
  EXPECT_FALSE(Panel()->Cascada()->isHidden());
  EXPECT_TRUE(Panel()->Dibujo()->isHidden());
  CDiagrama d = Doc()->m_Diagrama;
  d.CalcularObjetivos();
  std::vector<double> extremos;
  for (const FronteraCascada& f : AlimentacionCascada(d))
    if (f.enviar) extremos.push_back(f.T);
  // The table stream's inner point is a boundary the plot leaves out.
  EXPECT_LT(extremos.size(), d.m_temperaturas.size());
  EXPECT_EQ(Panel()->Cascada()->ListaT(), extremos);
  for (double T : Panel()->Cascada()->ListaT()) {
    bool esExtremo = false;
    for (const CCorriente& c : d.m_corrientes) {
      const double s = c.m_fria ? d.m_dtMin / 2 : -d.m_dtMin / 2;
      esExtremo = esExtremo || c.GetT1() + s == T || c.GetT2() + s == T;
    }
    EXPECT_TRUE(esExtremo) << T;
  }
  // The labels stand inside the plot at the pane's width.
  EXPECT_EQ(TextosCascadaEstorbados(*Panel()->Cascada()), std::vector<std::string>{});
  Guardar(Panel(), "visor_vadizod.png");
  Panel()->Graficas()->setCurrentIndex(0);
  Procesar();
  EXPECT_TRUE(Panel()->Cascada()->isHidden());
  EXPECT_FALSE(Panel()->Imagen().empty());
}

TEST_F(Visor, PintarNoPreguntaNiCambiaNada) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  CVardoDoc& doc = *Doc();
  // Generic utility temperatures that violate DT min: the chart command
  // would ask whether to update them.
  doc.m_Diagrama.m_tCalienteGenerico = 400.0;
  doc.m_Diagrama.m_tFrioGenerico = 350.0;
  doc.ActualizarContadores();
  runner_.Clear();
  kitRunner_.Clear();
  const int pasos = doc.NumDeshacer();
  Panel()->Graficas()->setCurrentIndex(3);
  Procesar();
  const std::vector<RecordingDc::Item> imagen = Panel()->Imagen();
  ASSERT_FALSE(imagen.empty());
  for (int i = 0; i < 3; ++i) {
    Panel()->Dibujo()->repaint();
    Guardar(Panel(), "visor_dt_disponible.png");
  }
  EXPECT_TRUE(runner_.Log().empty());
  EXPECT_TRUE(kitRunner_.Log().empty());
  EXPECT_EQ(doc.m_Diagrama.m_tCalienteGenerico, 400.0);
  EXPECT_EQ(doc.m_Diagrama.m_tFrioGenerico, 350.0);
  EXPECT_EQ(doc.NumDeshacer(), pasos);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(Panel()->Imagen().size(), imagen.size());
  EXPECT_EQ(Panel()->Modelo().m_tCalienteGenerico, 400.0);
}

// At the pane's first width a long value does not fit: the cell shows it
// cut with "…" inside the part of the table in view, and its tooltip gives
// the whole value; a value that fits has no tooltip. A wider pane shows it
// whole.
TEST_F(Visor, ValorLargoCortadoConPuntosYEnteroEnSuAyuda) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("servicios_y_area.vdo")}), -1);
  Panel()->Arbol()->expandAll();
  Clic(Item("Corrientes", "Corriente 1"));
  DisplayGrid* g = Panel()->Propiedades();
  int fila = -1;
  for (int r = 0; r < g->Rows(); ++r)
    if (g->TextMatrix(r, 0) == QStringLiteral("Temperaturas sin cubrir")) fila = r;
  ASSERT_GE(fila, 0);
  const QString entero = g->TextMatrix(fila, 1);
  EXPECT_EQ(entero.toStdString(), "398.15 a 293.15 ");
  const QFontMetrics fm(g->font());
  // The room the value has in view: from its cell's left edge to the
  // table's visible right edge.
  auto enVista = [&](int r) {
    const QRect celda = g->CellRect(r, 1);
    return g->viewport()->geometry().right() + 1 - celda.left();
  };
  auto ayudaEn = [&](int r) {
    const QPoint p = g->CellRect(r, 1).center() - g->viewport()->geometry().topLeft();
    QHelpEvent e(QEvent::ToolTip, p, g->viewport()->mapToGlobal(p));
    QApplication::sendEvent(g->viewport(), &e);
    // An ignored tooltip event asks for none.
    return e.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
  };
  // "C1" fits: shown as it is, no tooltip.
  EXPECT_EQ(g->TextoMostrado(0, 1), QStringLiteral("C1"));
  EXPECT_TRUE(ayudaEn(0).isEmpty());
  EXPECT_FALSE(QToolTip::isVisible());
  g->EnsureVisible(fila, 1);
  Procesar();
  ASSERT_TRUE(g->viewport()->geometry().contains(g->CellRect(fila, 1).topLeft()));
  ASSERT_LT(enVista(fila), fm.horizontalAdvance(entero)) << "the pane's first width shows it whole";
  const QString visto = g->TextoMostrado(fila, 1);
  ASSERT_TRUE(visto.endsWith(QChar(0x2026))) << visto.toStdString();
  EXPECT_TRUE(entero.startsWith(visto.chopped(1)));
  EXPECT_GT(visto.size(), 1);
  EXPECT_LE(fm.horizontalAdvance(visto), enVista(fila));
  EXPECT_EQ(ayudaEn(fila), entero);
  // The caption's column is as wide as its texts: none is cut.
  for (int r = 0; r < g->Rows(); ++r)
    if (!g->CellRect(r, 0).isNull()) EXPECT_EQ(g->TextoMostrado(r, 0), g->TextMatrix(r, 0));
  Guardar(Panel(), "visor_valor_cortado.png");

  QDockWidget* dock = Marco().Dock(cmd::kVerVisorObjetos);
  Marco().resizeDocks({dock}, {dock->width() + 200}, Qt::Horizontal);
  Procesar();
  ASSERT_GE(enVista(fila), fm.horizontalAdvance(entero));
  EXPECT_EQ(g->TextoMostrado(fila, 1), entero);
  EXPECT_TRUE(ayudaEn(fila).isEmpty());
  Guardar(Panel(), "visor_valor_entero.png");
}

TEST_F(Visor, ElementoViejoNoNombraNada) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("servicios_y_area.vdo")}), -1);
  Panel()->Arbol()->expandAll();
  CVardoDoc& doc = *Doc();
  Clic(Item("Corrientes", "Corriente 1"));
  ASSERT_EQ(doc.m_Diagrama.m_corrienteSel, 0);
  // The model loses objects and the tree is not yet rebuilt.
  doc.m_Diagrama.BorrarCambiador(2);
  doc.m_Diagrama.BorrarServicio(1);
  doc.m_Diagrama.BorrarCorriente(3);
  doc.m_Diagrama.BorrarArea(1);
  kitRunner_.Clear();
  for (const auto& [raiz, texto] :
       std::vector<std::pair<const char*, const char*>>{{"Corrientes", "Corriente 4"},
                                                        {"Cambiadores", "Cambiador 3"},
                                                        {"Servicios", "Servicio 2"},
                                                        {"Áreas de Integridad", "2 Area 2"}}) {
    QTreeWidgetItem* item = Item(raiz, texto);
    ASSERT_NE(item, nullptr) << texto;
    Clic(item);
    EXPECT_EQ(doc.m_Diagrama.m_corrienteSel, 0) << texto;
    EXPECT_EQ(Vista()->EstadoEdicion(), kSelCorriente) << texto;
    DobleClic(item);
    EXPECT_EQ(Panel()->GetAreaSeleccionada(), -1) << texto;
  }
  EXPECT_TRUE(Dialogos().empty());
}

// Switching document windows: the browser shows the window now active, as the
// streams table does.
TEST_F(Visor, SigueAlDocumentoActivo) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("servicios_y_area.vdo")}), -1);
  CChildFrame* conEjemplo = Activo();
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kNuevo));
  Procesar();
  ASSERT_NE(Activo(), conEjemplo);
  EXPECT_TRUE(Raices().empty());

  Marco().ActivateChild(conEjemplo);
  Procesar();
  ASSERT_EQ(Activo(), conEjemplo);
  EXPECT_EQ(Raices(), (std::vector<std::string>{"Corrientes", "Cambiadores", "Servicios",
                                                "Áreas de Integridad"}));
}

}  // namespace
}  // namespace vardo::prueba
