// Every dialog, sheet page, message and pane of the running program, opened
// on a sample document, shows its texts whole at the font in use: no
// caption, label, button, check box, radio, group title, combo entry or
// table heading is cut, and no indented message line loses its indent. Each
// dialog and message is also written to a PNG beside the test's build
// folder, to be looked at. The same walk over every sample finds no signed
// zero ("-0.") in any number shown, drawn or written to the report.
#include <QComboBox>
#include <QDockWidget>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <set>

#include "app/core/document/ids_comandos.h"
#include "app/qt/visor_objetos.h"
#include "controls/grid/celdix.h"
#include "app/core/analysis/anillos_dlg.h"
#include "dialogs/analysis/dlg_generando_informe.h"
#include "dialogs/analysis/dlg_variacion.h"
#include "dialogs/entry/dlg_coeficientes.h"
#include "fixture.h"
#include "platform/qt/displaygrid.h"
#include "model/red.h"
#include "tests/comun/kit_controles.h"
#include "tests/comun/recortes.h"
#include "tests/comun/textos_pintados.h"

#ifndef VARDO_SALIDA_PRUEBAS
#define VARDO_SALIDA_PRUEBAS "."
#endif

namespace vardo::prueba {
namespace {

// A file name from a caption and the locale the test runs in.
std::string NombrePng(const std::string& titulo) {
  std::string n;
  for (char c : titulo) n += (std::isalnum(static_cast<unsigned char>(c)) ? c : '_');
  const char* lang = std::getenv("LC_ALL");
  if (!lang || !*lang) lang = std::getenv("LANG");
  std::string l = lang && *lang ? lang : "C";
  for (char& c : l)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return std::string(VARDO_SALIDA_PRUEBAS) + "/" + n + "_" + l + ".png";
}

// Stands in for the user at every dialog the program runs: looks at each of
// its pages and closes it with Cancel; messages are looked at too, and
// answered as the scripted runner does.
class Revisor : public ScriptedRunner {
 public:
  int RunDialog(kit::Dialog& d) override {
    d.Open();
    QApplication::processEvents();
    const std::string titulo = d.Layout().caption;
    vistos.insert(titulo);
    auto* hoja = dynamic_cast<kit::PropertySheet*>(&d);
    const int paginas = hoja ? hoja->PageCount() : 1;
    for (int p = 0; p < paginas && d.IsOpen(); ++p) {
      std::string nombre = titulo;
      if (hoja) {
        hoja->SetActivePage(p);
        QApplication::processEvents();
        nombre += " " + std::to_string(p + 1);
      }
      if (mirar) mirar(nombre, d);
      // The dialogs opened from this one, once.
      auto a = anidados.find(nombre);
      if (a != anidados.end()) {
        auto accion = std::move(a->second);
        anidados.erase(a);
        Driver driver(d);
        accion(driver);
      }
    }
    if (d.IsOpen()) d.End(aceptar.count(titulo) ? kit::kIdOk : kit::kIdCancel);
    return d.Result();
  }

  // A message: the box the program would show, looked at, then answered.
  Answer Run(QWidget* padre, const MessageRequest& r) override {
    if (mirar) {
      const auto box = BuildMessageBox(padre, r);
      box->show();
      QApplication::processEvents();
      mirar("mensaje " + r.text.substr(0, 30), *box);
    }
    return ScriptedRunner::Run(padre, r);
  }
  using ScriptedRunner::Run;

  // Called for each dialog page, message and window, by its name.
  std::function<void(const std::string&, QWidget&)> mirar;
  std::set<std::string> aceptar;  // the dialogs ended with OK
  // What the user does in a dialog (or a sheet's page, "title n") to open
  // the dialogs it leads to.
  std::map<std::string, std::function<void(Driver&)>> anidados;
  std::set<std::string> vistos;
};

// Writes a window's picture, named after it.
void GuardarPng(const std::string& nombre, QWidget& w) {
  QDir().mkpath(QStringLiteral(VARDO_SALIDA_PRUEBAS));
  w.grab().save(QString::fromStdString(NombrePng(nombre)), "PNG");
}

class Legibilidad : public AppFixture {
 protected:
  // Opens what a user can open from a sample document: every dialog of the
  // menus (with the dialogs they lead to), the windows they leave open, the
  // charts of the view, and each object of the browser with its windows.
  // The revisor looks at each; the main window is looked at after each
  // command. The report is written to informe.htm.
  void Recorrer(const char* ejemplo, Revisor& revisor) {
    ASSERT_EQ(Iniciar({CopiaEjemplo(ejemplo)}), -1);
    Marco().show();
    Procesar();
    kit::ScopedModalRunner usar(revisor);
    // The report's options are taken, so that its progress dialog comes too.
    revisor.aceptar.insert("Informe");
    revisor.ScriptFile(Ruta("informe.htm"));
    revisor.anidados["Variación de los costes totales"] = [](Driver& d) {
      d.Click(CVariacionCosteDlg::kIdCoeficientes);
    };
    revisor.anidados["Coeficientes de Transmisión de Calor"] = [](Driver& d) {
      d.Click(CCoeficientesDlg::kIdEstimarCorriente);
    };
    // The report is written when its timer fires.
    revisor.anidados["Generando Informe"] = [](Driver& d) {
      EXPECT_TRUE(d.Timer(CGenerandoInformeDlg::kIdTemporizador));
    };
    // Each utility's inlet temperature typed again as it stands (the table
    // is read back and every utility's enthalpies set again), then its own
    // dialog, from a double click on its row; the sheet is taken.
    revisor.aceptar.insert("Servicios Generales");
    revisor.anidados["Servicios Generales 1"] = [](Driver& d) {
      auto* t = d.Dialog().findChild<Celdix*>();
      ASSERT_NE(t, nullptr);
      GridWidget* g = t->Grid();
      for (int r = 1; r < g->Rows(); ++r) EditCell(*t, r, 4, t->TextMatrix(r, 4).toStdString());
      for (int r = 1; r < g->Rows(); ++r) {
        ClickCell(*t, r, 1);
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {},
                           g->CellRect(r, 2).center() - g->viewport()->geometry().topLeft());
      }
    };

    using namespace cmd;
    const int comandos[] = {
        kInforme,          kAnadirCorrientes, kBorrarCorrientes,   kAnadirServicios,     kCombinarServicios,
        kCostesServicios,  kBorrarServicios,    kAnadirCambiadores,   kBorrarCambiadores,
        kErrores,          kFormatoCambiadores, kAreasIntegridad,     kFormatoGrafica,
        kOtrasGraficas,    kAreaMinima,         kCostesMinimos,       kProblemaRemanente,
        kCrucePinch,       kTablaCambiadores,   kTablaCorrientes,     kTablaServicios,
        kMAN,              kPerturbaciones,     kAnadirAnillo,        kVadizod,
        kServiciosDTMin,   kNMinDTMin,          kTPinchDTMin,         kAreaMinDTMin,
        kCosteInmDTMin,    kCosteOperacionDTMin, kCosteTotalDTMin,    kGraficaPersonalizada,
        kCompuestasExergia, kDifTemperaturas,   kAutograbacion,
        kFactibilidadCaliente, kCompuestas,     kFormatoGrafica,      kTablaEmparejamientos,
        kEnviar,           kContactar,          kListaCorreo,         kOpinion,
        kFactibilidadFrio, kCostesAnillo,   kDiagramaTrama,
    };
    const QWidgetList antes = QApplication::topLevelWidgets();
    // Windows left open beside the main one (the modeless ones).
    const auto sueltas = [&] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        if (antes.contains(w) || !w->isVisible() || w == &Marco()) continue;
        const std::string titulo = w->windowTitle().toStdString();
        revisor.vistos.insert(titulo);
        revisor.mirar(titulo, *w);
        w->close();
      }
      Procesar();
    };
    for (int id : comandos) {
      // Commands that need exchangers or utilities the sample has not.
      if (!Marco().Commands().State(id).enabled) {
        if (std::string(ejemplo) == "servicios_y_area.vdo") ADD_FAILURE() << "command " << id << " disabled";
        continue;
      }
      Marco().Commands().Execute(id);
      Procesar();
      sueltas();
      revisor.mirar("ventana principal tras " + std::to_string(id), Marco());
    }

    // The panes, with each object of the browser's tree shown in turn.
    QDockWidget* dock = Marco().Dock(kVerVisorObjetos);
    ASSERT_NE(dock, nullptr);
    auto* visor = qobject_cast<CVisorObjetosDlg*>(dock->widget());
    ASSERT_NE(visor, nullptr);
    QTreeWidget* arbol = visor->Arbol();
    // A command on the selection refreshes the browser, which rebuilds its
    // tree: every item is found again by its place before it is used.
    for (int i = 0; i < arbol->topLevelItemCount(); ++i) {
      arbol->topLevelItem(i)->setExpanded(true);
      for (int k = 0; i < arbol->topLevelItemCount() && k < arbol->topLevelItem(i)->childCount(); ++k) {
        QTreeWidgetItem* raiz = arbol->topLevelItem(i);
        raiz->setExpanded(true);
        QTreeWidgetItem* item = raiz->child(k);
        arbol->scrollToItem(item);
        const std::string nombre = "visor " + raiz->text(0).toStdString() + " " + item->text(0).toStdString();
        const QPoint centro = arbol->visualItemRect(item).center();
        QTest::mouseClick(arbol->viewport(), Qt::LeftButton, {}, centro);
        Procesar();
        revisor.mirar(nombre, Marco());
        // A double click opens the object's own window; the commands on the
        // selection open the others.
        QTest::mouseDClick(arbol->viewport(), Qt::LeftButton, {}, centro);
        Procesar();
        sueltas();
        for (int id : {kPropiedadesCorrienteSel, kPropiedadesCambiadorSel, kPropiedadesServicio,
                       kFormatoCambiador, kBifurcarNueva, kPropiedadesCorriente,
                       kPropiedadesCambiador}) {
          if (!Marco().Commands().State(id).enabled) continue;
          Marco().Commands().Execute(id);
          Procesar();
          sueltas();
        }
      }
    }
  }
};

TEST_F(Legibilidad, NingunDialogoNiPanelCortaSusTextos) {
  Revisor revisor;
  std::map<std::string, std::vector<std::string>> recortes;
  revisor.mirar = [&](const std::string& nombre, QWidget& w) {
    for (const std::string& r : TextosRecortados(&w)) recortes[nombre].push_back(r);
    if (nombre.rfind("visor ", 0) != 0 && nombre.rfind("ventana principal tras", 0) != 0)
      GuardarPng(nombre, w);
  };
  ASSERT_NO_FATAL_FAILURE(Recorrer("servicios_y_area.vdo", revisor));
  GuardarPng("ventana principal", Marco());
  for (const auto& v : revisor.vistos) std::cout << "visto: " << v << "\n";
  for (const char* t : {"Caminos de transmisión de perturbaciones", "Definir Servicio",
                        "Variación de los costes totales con el flujo de calor"})
    EXPECT_TRUE(revisor.vistos.count(t)) << t;

  for (const auto& [nombre, lista] : recortes)
    for (const std::string& r : lista) ADD_FAILURE() << nombre << ": " << r;
}

// The program's messages with indented lines that the walk does not reach
// (they come after a dialog's OK or a failed calculation) are measured in
// the box that shows them.
TEST_F(Legibilidad, LosMensajesConSangriaNoLaPierden) {
  const std::string mensajes[] = {kPreguntaAnillo, TextoRedIndeterminada({0, 1, 2, 3, 4, 5, 6, 7})};
  for (const std::string& m : mensajes) {
    const auto box = BuildMessageBox(nullptr, {"", m, MsgButtons::YesNo, MsgIcon::Question});
    box->show();
    Procesar();
    GuardarPng("mensaje " + m.substr(0, 20), *box);
    for (const std::string& r : TextosRecortados(box.get())) ADD_FAILURE() << m.substr(0, 30) << ": " << r;
  }
}

// The texts a dialog holds but may not paint (cells scrolled out of view,
// list entries, a field's whole text).
QStringList TextosDeControles(QWidget& w) {
  QStringList t;
  for (QLineEdit* e : w.findChildren<QLineEdit*>()) t << e->text();
  for (QPlainTextEdit* e : w.findChildren<QPlainTextEdit*>()) t << e->toPlainText();
  for (QComboBox* c : w.findChildren<QComboBox*>())
    for (int i = 0; i < c->count(); ++i) t << c->itemText(i);
  for (QListWidget* l : w.findChildren<QListWidget*>())
    for (int i = 0; i < l->count(); ++i) t << l->item(i)->text();
  for (QTreeWidget* a : w.findChildren<QTreeWidget*>())
    for (QTreeWidgetItemIterator i(a); *i; ++i)
      for (int c = 0; c < (*i)->columnCount(); ++c) t << (*i)->text(c);
  for (GridWidget* g : w.findChildren<GridWidget*>())
    for (int r = 0; r < g->Rows(); ++r)
      for (int c = 0; c < g->Cols(); ++c) t << g->Text(r, c);
  return t;
}

class CeroConSigno : public Legibilidad, public ::testing::WithParamInterface<const char*> {};

// No number the program shows in a dialog, a table, a pane, the grid
// diagram or a chart, nor writes to the report, is a signed zero: a hot
// utility's first enthalpy, the steam's load and the exchangers' loads read
// "0.", never "-0.".
TEST_P(CeroConSigno, NingunNumeroMostradoNiEscritoEsMenosCero) {
  Revisor revisor;
  std::map<std::string, std::set<std::string>> ceros;
  revisor.mirar = [&](const std::string& nombre, QWidget& w) {
    QStringList textos = TextosPintados(w);
    textos << TextosDeControles(w);
    for (const QString& t : textos)
      for (const std::string& c : CerosConSigno(t.toStdString()))
        ceros[nombre].insert("\"" + c + "\" en \"" + t.toStdString() + "\"");
  };
  ASSERT_NO_FATAL_FAILURE(Recorrer(GetParam(), revisor));
  EXPECT_TRUE(revisor.vistos.count("Definir Servicio") || std::string(GetParam()) != "servicios_y_area.vdo");

  QFile informe(Ruta("informe.htm"));
  ASSERT_TRUE(informe.open(QIODevice::ReadOnly));
  const std::string html = informe.readAll().toStdString();
  ASSERT_GT(html.size(), 1000u);
  for (const std::string& c : CerosConSigno(html)) ceros["informe"].insert(c);

  for (const auto& [nombre, lista] : ceros)
    for (const std::string& c : lista) ADD_FAILURE() << nombre << ": " << c;
}

INSTANTIATE_TEST_SUITE_P(Ejemplos, CeroConSigno,
                         ::testing::Values("cuatro_corrientes.vdo", "latente_y_tabla.vdo",
                                           "servicios_y_area.vdo"),
                         [](const auto& i) {
                           std::string n = i.param;
                           return n.substr(0, n.find('.'));
                         });

}  // namespace
}  // namespace vardo::prueba
