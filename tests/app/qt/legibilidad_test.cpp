// Every dialog, sheet page and pane of the running program, opened on a
// sample document, shows its texts whole at the font in use: no label,
// button, check box, radio, group title, combo entry or table heading is
// cut. Each dialog is also written to a PNG beside the test's build folder,
// to be looked at.
#include <QDockWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <set>

#include "app/core/ids_comandos.h"
#include "app/qt/visor_objetos.h"
#include "controls/grid/celdix.h"
#include "dialogs/analysis/dlg_variacion.h"
#include "dialogs/entry/dlg_coeficientes.h"
#include "fixture.h"
#include "platform/qt/displaygrid.h"
#include "tests/comun/recortes.h"

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
// its pages, writes its picture and closes it with Cancel; messages and
// choosers get the scripted runner's answers.
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
      for (const std::string& r : TextosRecortados(&d)) recortes[nombre].push_back(r);
      QDir().mkpath(QStringLiteral(VARDO_SALIDA_PRUEBAS));
      d.grab().save(QString::fromStdString(NombrePng(nombre)), "PNG");
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

  std::set<std::string> aceptar;  // the dialogs ended with OK
  // What the user does in a dialog (or a sheet's page, "title n") to open
  // the dialogs it leads to.
  std::map<std::string, std::function<void(Driver&)>> anidados;
  std::set<std::string> vistos;
  std::map<std::string, std::vector<std::string>> recortes;
};

class Legibilidad : public AppFixture {};

TEST_F(Legibilidad, NingunDialogoNiPanelCortaSusTextos) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("servicios_y_area.vdo")}), -1);
  Marco().show();
  Procesar();
  Revisor revisor;
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
  revisor.anidados["Servicios Generales 1"] = [](Driver& d) {
    auto* t = d.Dialog().findChild<Celdix*>();
    if (!t) return;
    QTest::mouseDClick(t->Grid()->viewport(), Qt::LeftButton, {},
                       t->Grid()->CellRect(1, 1).center() - t->Grid()->viewport()->pos());
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
  };
  const QWidgetList antes = QApplication::topLevelWidgets();
  // Windows left open beside the main one (the modeless ones).
  const auto sueltas = [&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (antes.contains(w) || !w->isVisible() || w == &Marco()) continue;
      const std::string titulo = w->windowTitle().toStdString();
      revisor.vistos.insert(titulo);
      for (const std::string& r : TextosRecortados(w)) revisor.recortes[titulo].push_back(r);
      w->grab().save(QString::fromStdString(NombrePng(titulo)), "PNG");
      w->close();
    }
    Procesar();
  };
  for (int id : comandos) {
    if (!Marco().Commands().State(id).enabled) {
      ADD_FAILURE() << "command " << id << " disabled";
      continue;
    }
    Marco().Commands().Execute(id);
    Procesar();
    sueltas();
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
      for (const std::string& r : TextosRecortados(&Marco())) revisor.recortes[nombre].push_back(r);
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
  Marco().grab().save(QString::fromStdString(NombrePng("ventana principal")), "PNG");
  for (const auto& v : revisor.vistos) std::cout << "visto: " << v << "\n";

  for (const auto& [nombre, lista] : revisor.recortes)
    for (const std::string& r : lista) ADD_FAILURE() << nombre << ": " << r;
}

}  // namespace
}  // namespace vardo::prueba
