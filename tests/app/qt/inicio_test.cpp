// Start-up, the command line, opening files and printing without a printer.
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>

#include "app/core/document/ids_comandos.h"
#include "fixture.h"
#include "platform/qt/recentfiles.h"

namespace vardo::prueba {
namespace {

class Inicio : public AppFixture {};

TEST_F(Inicio, SinArgumentosUnDocumentoNuevoVardo1) {
  ASSERT_EQ(Iniciar(), -1);
  ASSERT_EQ(Marco().Marcos().size(), 1u);
  EXPECT_EQ(Doc()->GetTitle(), "Vardo1");
  EXPECT_EQ(Activo()->windowTitle(), QStringLiteral("Vardo1"));
  EXPECT_TRUE(Activo()->isMaximized());
  EXPECT_TRUE(Marco().isMaximized());
  EXPECT_EQ(Marco().windowTitle(), QStringLiteral("Calorama - [Vardo1]"));
  EXPECT_EQ(Doc()->m_nModo, 0);
  EXPECT_EQ(CVardoDoc::GetDocActivo(), Doc());
  EXPECT_EQ(CVardoView::GetVistaActiva(), Vista());
  // A second new document takes the next number.
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kNuevo));
  EXPECT_EQ(Doc()->GetTitle(), "Vardo2");
  EXPECT_EQ(Marco().Marcos().size(), 2u);
}

TEST_F(Inicio, UnaRutaAbreElDocumentoEnElDiagramaDeTrama) {
  const QString ruta = CopiaEjemplo("cuatro_corrientes.vdo");
  ASSERT_EQ(Iniciar({ruta}), -1);
  ASSERT_EQ(Marco().Marcos().size(), 1u);
  EXPECT_EQ(Doc()->GetTitle(), "cuatro_corrientes");
  EXPECT_EQ(Doc()->m_nModo, 3);
  EXPECT_FALSE(Doc()->IsModified());
  EXPECT_FALSE(Vista()->Imagen().empty());
  EXPECT_EQ(Marco().Field()->text(), QStringLiteral("10."));
  EXPECT_TRUE(Marco().PaneText(kPanelCamb).startsWith(QStringLiteral("Camb:")));
  // The recent list holds it, and opening it again activates the same window.
  ASSERT_FALSE(app_->Recientes().Paths().isEmpty());
  EXPECT_EQ(QFileInfo(app_->Recientes().Paths().front()).fileName(),
            QStringLiteral("cuatro_corrientes.vdo"));
  CChildFrame* primero = Activo();
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kNuevo));
  EXPECT_EQ(app_->AbrirDocumento(ruta), primero);
  EXPECT_EQ(Marco().Marcos().size(), 2u);
  EXPECT_EQ(Activo(), primero);
}

TEST_F(Inicio, ArchivoDanadoOInexistenteNoDejaVentanaYTerminaElInicio) {
  const QString corto = Ruta("corto.vdo");
  {
    QFile f(corto);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x01\x00\x00\x00\x03", 5);
  }
  EXPECT_EQ(Iniciar({corto}), 1);
  EXPECT_TRUE(Marco().Marcos().empty());
  ASSERT_EQ(runner_.Log().size(), 1u);
  EXPECT_EQ(runner_.Log()[0].text, "Formato de archivo no esperado.");

  runner_.Clear();
  ASSERT_NE(app_->NuevoDocumento(), nullptr);
  EXPECT_EQ(app_->AbrirDocumento(Ruta("no_existe.vdo")), nullptr);
  EXPECT_EQ(Marco().Marcos().size(), 1u);
  ASSERT_EQ(runner_.Log().size(), 1u);
  EXPECT_NE(runner_.Log()[0].text.find("Imposible encontrar este archivo."), std::string::npos);
}

TEST_F(Inicio, ImprimirSinImpresoraEscribeUnPdfJuntoAlDocumento) {
  const QString ruta = CopiaEjemplo("cuatro_corrientes.vdo");
  const QString pdf = Ruta("cuatro_corrientes.pdf");
  EXPECT_EQ(Iniciar({QStringLiteral("/p"), ruta}), 0);
  ASSERT_TRUE(QFile::exists(pdf));
  QFile f(pdf);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.read(5).startsWith("%PDF"));
  EXPECT_GT(f.size(), 1000);
  // Printing from a shell waits on no message box (its notice goes to the
  // error output, as the program's own run shows).
  EXPECT_TRUE(runner_.Log().empty());
  EXPECT_FALSE(Marco().isVisible());
  // "/pt" with a printer that does not exist writes the PDF too.
  QFile::remove(pdf);
  app_.reset();
  EXPECT_EQ(Iniciar({QStringLiteral("/pt"), ruta, QStringLiteral("ImpresoraInexistente")}), 0);
  EXPECT_TRUE(QFile::exists(pdf));
  EXPECT_TRUE(runner_.Log().empty());
}

// Only the known switches are switches, in either case and after "/" or
// "-"; any other argument is a path, and one that names no file gets the
// missing-file message and ends the start-up with no document left.
TEST_F(Inicio, SoloLosModificadoresConocidosLoSon) {
  struct Caso {
    QString argumento;
    int resultado;
    bool mensajeNoEncontrado;
  };
  const Caso casos[] = {
      {QStringLiteral("/home/u/typo.vdo"), 1, true},
      {QStringLiteral("/x"), 1, true},
      {QStringLiteral("-automation"), 1, true},
      {QStringLiteral("/DDE"), -1, false},
      {QStringLiteral("-dde"), -1, false},
  };
  for (const auto& c : casos) {
    runner_.Clear();
    app_.reset();
    EXPECT_EQ(Iniciar({c.argumento}), c.resultado) << c.argumento.toStdString();
    EXPECT_TRUE(Marco().Marcos().empty()) << c.argumento.toStdString();
    if (c.mensajeNoEncontrado) {
      ASSERT_EQ(runner_.Log().size(), 1u) << c.argumento.toStdString();
      EXPECT_EQ(runner_.Log()[0].text,
                c.argumento.toStdString() +
                    "\nImposible encontrar este archivo.\nCompruebe que la ruta y el nombre de "
                    "archivo son correctos");
    } else {
      EXPECT_TRUE(runner_.Log().empty());
    }
  }
}

TEST_F(Inicio, ArchivosRecientesCuatroYGuardadosEnElPerfil) {
  ASSERT_EQ(Iniciar(), -1);
  for (const char* n : {"a.vdo", "b.vdo", "c.vdo", "d.vdo", "e.vdo"})
    app_->Recientes().Add(Ruta(n));
  ASSERT_EQ(app_->Recientes().Paths().size(), 4);
  EXPECT_EQ(QFileInfo(app_->Recientes().Paths().front()).fileName(), QStringLiteral("e.vdo"));
  EXPECT_EQ(app_->Recientes().EntryText(0), QStringLiteral("&1 e.vdo"));
  // Closing the program writes the list; the next start reads it back.
  Marco().close();
  Procesar();
  app_.reset();
  ASSERT_EQ(Iniciar(), -1);
  ASSERT_EQ(app_->Recientes().Paths().size(), 4);
  EXPECT_EQ(QFileInfo(app_->Recientes().Paths().back()).fileName(), QStringLiteral("b.vdo"));
  QSettings perfil;
  EXPECT_EQ(QFileInfo(perfil.value("Recent File List/File1").toString()).fileName(),
            QStringLiteral("e.vdo"));
}

TEST_F(Inicio, ArchivoSoltadoSeAbre) {
  const QString ruta = CopiaEjemplo("servicios_y_area.vdo");
  ASSERT_EQ(Iniciar(), -1);
  ASSERT_TRUE(Marco().alSoltarArchivo);
  Marco().alSoltarArchivo(ruta);
  EXPECT_EQ(Marco().Marcos().size(), 2u);
  EXPECT_EQ(Doc()->GetTitle(), "servicios_y_area");
}

TEST_F(Inicio, ContadorDeEjecucionesPideOpinionALas50) {
  {
    QSettings perfil;
    perfil.setValue(CMainFrame::kClaveEjecuciones, QStringLiteral("50"));
  }
  ASSERT_EQ(Iniciar(), -1);
  Marco().PrimeraActivacion();
  ASSERT_EQ(runner_.Log().size(), 1u);
  EXPECT_NE(runner_.Log()[0].text.find("Parece que ha estado utilizando Calorama"),
            std::string::npos);
  QSettings perfil;
  EXPECT_EQ(perfil.value(CMainFrame::kClaveEjecuciones).toString(), QStringLiteral("51"));
  // The timers of autosave run from the first activation on.
  EXPECT_EQ(Marco().PeriodoTemporizador(kTimerAutograbacion), 600000);
  EXPECT_EQ(Marco().PeriodoTemporizador(kTimerCuentaAtras), 150000);
  EXPECT_FALSE(Marco().PrimeraActivacionPendiente());
}

// Whatever the profile holds as the run counter, it is read without
// overflowing: a number past the counter's range is held at its end, one
// that is no number counts as 0, and the largest count stays as it is.
struct CasoEjecuciones {
  const char* leido;
  const char* escrito;
};

class ContadorDeEjecuciones : public Inicio,
                              public ::testing::WithParamInterface<CasoEjecuciones> {};

TEST_P(ContadorDeEjecuciones, SeLeeSinDesbordarse) {
  {
    QSettings perfil;
    perfil.setValue(CMainFrame::kClaveEjecuciones, QString::fromLatin1(GetParam().leido));
  }
  ASSERT_EQ(Iniciar(), -1);
  Marco().PrimeraActivacion();
  EXPECT_TRUE(runner_.Log().empty());
  QSettings perfil;
  EXPECT_EQ(perfil.value(CMainFrame::kClaveEjecuciones).toString().toStdString(),
            GetParam().escrito);
}

INSTANTIATE_TEST_SUITE_P(Valores, ContadorDeEjecuciones,
                         ::testing::Values(CasoEjecuciones{"7", "8"},
                                           CasoEjecuciones{"2147483647", "2147483647"},
                                           CasoEjecuciones{"2147483646", "2147483647"},
                                           CasoEjecuciones{"99999999999999999999", "2147483647"},
                                           CasoEjecuciones{"1e300", "2147483647"},
                                           CasoEjecuciones{"inf", "1"},
                                           CasoEjecuciones{"-1e300", "-2147483647"},
                                           CasoEjecuciones{"nan", "1"},
                                           CasoEjecuciones{"otra cosa", "1"}));

}  // namespace
}  // namespace vardo::prueba
