// The report command in the running program: the options sheet, the save
// dialog and the progress dialog write the page and its pictures beside it,
// leaving the document as it was; a file that cannot be created is reported
// and nothing is written.
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <regex>
#include <set>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <gtest/gtest.h>

#include "app/core/document/ids_comandos.h"
#include "dialogs/analysis/dlg_generando_informe.h"
#include "dialogs/analysis/dlg_informe.h"
#include "app/qt/visor_objetos.h"
#include "fixture.h"
#include "model/lazo.h"
#include "tests/comun/problemas.h"
#include "tests/comun/archivos.h"
#include "tests/comun/disco_pequeno.h"

namespace vardo::prueba {
namespace {

namespace fs = std::filesystem;
using G = CGenerandoInformeDlg;

class InformeEnElPrograma : public AppFixture {
 protected:
  std::vector<std::string> Dialogos() const {
    std::vector<std::string> v;
    for (const RunRecord& r : kitRunner_.Log()) v.push_back(r.text);
    return v;
  }
  // Writes the report into salida/ under `nombre`: the options sheet with
  // `opciones` applied before its OK, the save dialog, the progress dialog
  // run to its end. Answers the page's path.
  std::string EscribirInforme(const char* nombre, const std::function<void(Driver&)>& opciones) {
    QDir(dir_.path()).mkpath("salida");
    const std::string ruta = (Ruta("salida") + QLatin1Char('/') + QString::fromUtf8(nombre)).toStdString();
    kitRunner_.ScriptDialog([opciones](Driver& d) {
      opciones(d);
      d.Ok();
    });
    dialogos_.Script(QString::fromStdString(ruta));
    kitRunner_.ScriptDialog([](Driver& d) {
      ASSERT_TRUE(d.Timer(G::kIdTemporizador));
      d.Ok();
    });
    EXPECT_TRUE(Ejecutar(cmd::kInforme));
    return ruta;
  }
  std::vector<std::string> Archivos(const QString& carpeta) const {
    std::vector<std::string> v;
    for (const auto& e : fs::directory_iterator(carpeta.toStdString()))
      v.push_back(e.path().filename().string());
    std::sort(v.begin(), v.end());
    return v;
  }
};

TEST_F(InformeEnElPrograma, EscribeLaPaginaYSusImagenesSinTocarElDocumento) {
  const QString vdo = CopiaEjemplo("cuatro_corrientes.vdo");
  ASSERT_EQ(Iniciar({vdo}), -1);
  ASSERT_TRUE(QDir(dir_.path()).mkdir("salida"));
  const QString carpeta = Ruta("salida");
  const std::string ruta = (carpeta + QString::fromUtf8("/año 1.htm")).toStdString();
  const auto bytesVdo = LeerBytes(vdo.toStdString());
  const auto modelo = Guardar(Doc()->m_Diagrama);
  const int deshacer = Doc()->NumDeshacer();
  ASSERT_TRUE(Marco().Commands().State(cmd::kInforme).enabled);

  // The sheet adds the available temperature difference to the defaults.
  kitRunner_.ScriptDialog([](Driver& d) {
    d.Click(CInfCorrDlg::kPrimerId + 12);
    d.Ok();
  });
  dialogos_.Script(QString::fromStdString(ruta));
  std::string estadoAntes, estadoDespues;
  kitRunner_.ScriptDialog([&](Driver& d) {
    estadoAntes = d.Text(G::kIdEstado);
    ASSERT_TRUE(d.Timer(G::kIdTemporizador));
    estadoDespues = d.Text(G::kIdEstado);
    d.Ok();
  });
  ASSERT_TRUE(Ejecutar(cmd::kInforme));
  EXPECT_TRUE(kitRunner_.Done());
  EXPECT_EQ(Dialogos(), (std::vector<std::string>{"Informe", "Generando Informe"}));
  ASSERT_EQ(dialogos_.Log().size(), 1u);
  EXPECT_TRUE(dialogos_.Log()[0].save);
  EXPECT_EQ(dialogos_.Log()[0].filter, QStringLiteral("Documentos HTML (*.htm)"));
  EXPECT_EQ(estadoAntes, "Preparando...");
  EXPECT_EQ(estadoDespues, "Informe completo");
  EXPECT_TRUE(runner_.Log().empty());

  // The page, with its pictures beside it under names the page finds.
  EXPECT_EQ(Archivos(carpeta),
            (std::vector<std::string>{"año 1.htm", "año 1.htm_CurvComp.svg",
                                      "año 1.htm_CurvComp.wmf", "año 1.htm_CurvGrand.svg",
                                      "año 1.htm_CurvGrand.wmf", "año 1.htm_DTDisp.svg",
                                      "año 1.htm_DTDisp.wmf", "año 1.htm_Trama.svg",
                                      "año 1.htm_Trama.wmf"}));
  const auto b = LeerBytes(ruta);
  const std::string pagina(b.begin(), b.end());
  for (const char* img : {"_CurvComp.svg", "_CurvGrand.svg", "_DTDisp.svg", "_Trama.svg"})
    EXPECT_NE(pagina.find(std::string("src=\"a%C3%B1o%201.htm") + img + "\""), std::string::npos)
        << img;
  EXPECT_NE(pagina.find("<title>" + Doc()->GetTitle() + "</title>"), std::string::npos);
  EXPECT_NE(pagina.find("Temperatura de Pinch : 358.15 K."), std::string::npos);
  const std::string cierre = "</body>\r\n\r\n</html>";
  ASSERT_GE(pagina.size(), cierre.size());
  EXPECT_EQ(pagina.substr(pagina.size() - cierre.size()), cierre);

  // No undo step, not modified, the model and its file as they were.
  EXPECT_EQ(Doc()->NumDeshacer(), deshacer);
  EXPECT_FALSE(Doc()->IsModified());
  EXPECT_EQ(Guardar(Doc()->m_Diagrama), modelo);
  EXPECT_EQ(LeerBytes(vdo.toStdString()), bytesVdo);
}

// The report's available-temperature-difference picture has the axes of the
// program's own chart of the same document: every tick label it shows is
// one of the view's, the lowest of each axis among them.
TEST_F(InformeEnElPrograma, DTDisponibleConLosEjesDeLaVista) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  const std::string ruta =
      EscribirInforme("dt.htm", [](Driver& d) { d.Click(CInfCorrDlg::kPrimerId + 12); });
  const auto b = LeerBytes(ruta + "_DTDisp.svg");
  const std::string svg(b.begin(), b.end());
  std::set<std::string> enImagen;
  const std::regex re(">\\s*([-0-9.e+]+)\\s*</text>");
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), re); it != std::sregex_iterator(); ++it)
    enImagen.insert((*it)[1]);
  ASSERT_FALSE(enImagen.empty()) << svg.substr(0, 2000);

  ASSERT_TRUE(Ejecutar(cmd::kDTDisponible));
  const CGrafica& g = Vista()->Grafica();
  std::set<std::string> enVista;
  const CGrafica::EscalaEje ex = g.Marcas(g.xMin, g.xMax, true);
  const CGrafica::EscalaEje ey = g.Marcas(g.yMin, g.yMax, false);
  for (const auto* e : {&ex, &ey})
    for (const auto& m : e->marcas) enVista.insert(m.etiqueta);
  for (const std::string& t : enImagen) EXPECT_TRUE(enVista.count(t)) << t;
  EXPECT_TRUE(enImagen.count(ex.marcas.front().etiqueta)) << ex.marcas.front().etiqueta;
  EXPECT_TRUE(enImagen.count(ey.marcas.front().etiqueta)) << ey.marcas.front().etiqueta;
}

// A report written over an old one of the same name replaces it only once
// the new one is whole: closed while it prepares (Escape or the close box),
// cut short by a file that cannot be written, or stopped by a full disk,
// the old page and its pictures stay byte for byte and nothing new is left;
// under a new name, nothing at all is left.
TEST_F(InformeEnElPrograma, UnInformeViejoSigueIgualSiElNuevoNoSeTermina) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  struct Caso {
    const char* nombre;
    bool discoPequeno;
    bool carpetaEnMedio;  // a folder where the grid diagram's picture goes
    // Closes or runs the progress dialog.
    std::function<void(Driver&)> actuar;
    std::string mensaje;  // "%1": the page's path
    bool nuevo = false;   // a new name: no old report in the folder
  };
  // The second goes by: the report is written.
  const auto escribir = [](Driver& d) { ASSERT_TRUE(d.Timer(G::kIdTemporizador)); };
  const Caso casos[] = {
      {"Escape mientras prepara", false, false,
       [](Driver& d) {
         EXPECT_EQ(d.Text(G::kIdEstado), "Preparando...");
         d.Escape();
       },
       ""},
      {"cierre mientras prepara", false, false,
       [](Driver& d) {
         EXPECT_EQ(d.Text(G::kIdEstado), "Preparando...");
         d.Dialog().close();
       },
       ""},
      // The grid diagram's picture, after the charts', meets a folder.
      {"escritura cortada", false, true, [&](Driver& d) { escribir(d); },
       "Error inesperado al escribir en %1_Trama.wmf."},
      {"disco lleno", true, false, [&](Driver& d) { escribir(d); }, kMsgDiscoLleno},
      {"Escape con un nombre nuevo", false, false,
       [](Driver& d) {
         EXPECT_EQ(d.Text(G::kIdEstado), "Preparando...");
         d.Escape();
       },
       "", true},
      {"disco lleno con un nombre nuevo", true, false, [&](Driver& d) { escribir(d); },
       kMsgDiscoLleno, true},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    DiscoPequeno disco(32 * 1024);
    Carpeta normal;
    const bool enTmpfs = c.discoPequeno && disco.Montado();
    const Carpeta& carpeta = enTmpfs ? disco.carpeta() : normal;
    const std::string pagina = carpeta / "planta.htm";
    if (!c.nuevo) {
      EscribirBytes(pagina, {'v', 'i', 'e', 'j', 'o'});
      EscribirBytes(pagina + "_CurvComp.svg", {'<', 's', 'v', 'g', '>'});
      EscribirBytes(pagina + "_CurvComp.wmf", {1, 0, 0, 0});
    }
    if (c.carpetaEnMedio) fs::create_directory(pagina + "_Trama.wmf");
    // What the folder holds before the report: the same after, nothing new.
    const auto antes = carpeta.Contenido();
    kitRunner_.Clear();
    runner_.Clear();
    kitRunner_.ScriptDialog([](Driver& d) { d.Ok(); });
    dialogos_.Script(QString::fromStdString(pagina));
    kitRunner_.ScriptDialog([&](Driver& d) {
      c.actuar(d);
      if (c.mensaje.empty()) return;
      ASSERT_TRUE(d.Dialog().IsOpen());
      d.Ok();
    });
    {
      // Without a tmpfs (not root) the full disk is a limit on file sizes.
      std::optional<LimiteTamano> limite;
      if (c.discoPequeno && !enTmpfs) limite.emplace(1024);
      ASSERT_TRUE(Ejecutar(cmd::kInforme));
    }
    EXPECT_TRUE(kitRunner_.Done());
    EXPECT_EQ(Dialogos(), (std::vector<std::string>{"Informe", "Generando Informe"}));
    std::vector<std::string> mensajes;
    for (const auto& m : runner_.Log()) mensajes.push_back(m.text);
    std::string esperado = c.mensaje;
    if (const auto i = esperado.find("%1"); i != std::string::npos) esperado.replace(i, 2, pagina);
    EXPECT_EQ(mensajes, c.mensaje.empty() ? std::vector<std::string>{}
                                          : std::vector<std::string>{esperado});
    EXPECT_EQ(carpeta.Contenido(), antes);
    if (c.nuevo) continue;
    EXPECT_EQ(LeerBytes(pagina), (std::vector<std::uint8_t>{'v', 'i', 'e', 'j', 'o'}));
    EXPECT_EQ(LeerBytes(pagina + "_CurvComp.svg"), (std::vector<std::uint8_t>{'<', 's', 'v', 'g', '>'}));
    EXPECT_EQ(LeerBytes(pagina + "_CurvComp.wmf"), (std::vector<std::uint8_t>{1, 0, 0, 0}));
  }
}

TEST_F(InformeEnElPrograma, UnArchivoQueNoSePuedeCrearSeAvisaYNoSeEscribe) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  ASSERT_TRUE(QDir(dir_.path()).mkdir("carpeta.htm"));
  const struct {
    const char* nombre;
    QString ruta;
  } casos[] = {
      {"carpeta que no existe", Ruta("no/existe.htm")},
      {"una carpeta", Ruta("carpeta.htm")},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    kitRunner_.Clear();
    runner_.Clear();
    kitRunner_.ScriptDialog([](Driver& d) { d.Ok(); });
    dialogos_.Script(c.ruta);
    ASSERT_TRUE(Ejecutar(cmd::kInforme));
    EXPECT_EQ(Dialogos(), std::vector<std::string>{"Informe"});
    std::string esperado = kMsgNoEscribir;
    esperado.replace(esperado.find("%1"), 2, c.ruta.toStdString());
    ASSERT_EQ(runner_.Log().size(), 1u);
    EXPECT_EQ(runner_.Log()[0].text, esperado);
    EXPECT_FALSE(QFile::exists(c.ruta + "_CurvComp.wmf"));
    EXPECT_FALSE(Doc()->IsModified());
  }
  EXPECT_FALSE(QFile::exists(Ruta("no")));
  EXPECT_TRUE(QFileInfo(Ruta("carpeta.htm")).isDir());
}

// The four-stream design at minimum utilities, its loops searched and one
// path clicked in the object browser: the report's loop section still counts
// and lists every loop and path the search found, not only the shown one.
TEST_F(InformeEnElPrograma, AnillosConUnaSendaMostradaDesdeElVisor) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  Marco().show();
  Procesar();
  CVardoDoc& doc = *Doc();
  doc.m_Diagrama = DisenoCuatroCorrientes();
  doc.m_Diagrama.CalcularObjetivos();
  doc.ComprobarCambiadores();
  doc.ActualizarContadores();
  ASSERT_TRUE(Ejecutar(cmd::kBuscarAnillos));
  ASSERT_EQ(doc.m_Diagrama.m_lazos.size(), 3u);

  auto* visor = qobject_cast<CVisorObjetosDlg*>(Marco().Dock(cmd::kVerVisorObjetos)->widget());
  ASSERT_NE(visor, nullptr);
  QTreeWidget* arbol = visor->Arbol();
  QTreeWidgetItem* senda = nullptr;
  for (int i = 0; i < arbol->topLevelItemCount(); ++i)
    for (int j = 0; j < arbol->topLevelItem(i)->childCount(); ++j)
      if (arbol->topLevelItem(i)->child(j)->text(0).startsWith(QStringLiteral("Senda")) && !senda)
        senda = arbol->topLevelItem(i)->child(j);
  ASSERT_NE(senda, nullptr);
  arbol->scrollToItem(senda);
  QTest::mouseClick(arbol->viewport(), Qt::LeftButton, {}, arbol->visualItemRect(senda).center());
  Procesar();
  ASSERT_EQ(doc.m_Diagrama.m_lazoEnCurso.Clasificar(doc.m_Diagrama.m_cambiadores), kLazoSenda);

  const std::string ruta = EscribirInforme("anillos.htm", [](Driver& d) {
    ASSERT_TRUE(d.Page(2));
    d.Click(CInfAnillosDlg::kPrimerId);
  });
  EXPECT_TRUE(kitRunner_.Done());
  const auto b = LeerBytes(ruta);
  const std::string pagina(b.begin(), b.end());
  EXPECT_NE(pagina.find("El programa ha encontrado un total de 3 anillos y sendas:"),
            std::string::npos);
  for (const char* linea : {"Anillo formado por los cambiadores 2 - 5 - 2 - ",
                            "Senda formada por los cambiadores 3 - 5 - 6 - ",
                            "Senda formada por los cambiadores 3 - 2 - 6 - "})
    EXPECT_NE(pagina.find(linea), std::string::npos) << linea;
}

}  // namespace
}  // namespace vardo::prueba
