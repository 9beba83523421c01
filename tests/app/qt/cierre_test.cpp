// Saving, and the close of documents and of the program with its questions.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <limits>

#include "app/core/document/autoguardado.h"
#include "app/core/document/ids_comandos.h"
#include "fixture.h"
#include "platform/qt/recentfiles.h"

namespace vardo::prueba {
namespace {

class Cierre : public AppFixture {
 protected:
  QByteArray Leer(const QString& ruta) {
    QFile f(ruta);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << ruta.toStdString();
    return f.readAll();
  }
};

TEST_F(Cierre, DosModificadosDosPreguntasYCancelarEnLaSegundaLosDejaAbiertos) {
  ASSERT_EQ(Iniciar(), -1);
  CVardoDoc* primero = Doc();
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kNuevo));
  CVardoDoc* segundo = Doc();
  primero->SetModifiedFlag(true);
  segundo->SetModifiedFlag(true);

  runner_.Script({Answer::No, Answer::Cancel});
  EXPECT_FALSE(Marco().close());
  Procesar();
  ASSERT_EQ(runner_.Log().size(), 2u);
  EXPECT_EQ(runner_.Log()[0].text, "¿Guardar cambios a " + primero->GetTitle() + "?");
  EXPECT_EQ(runner_.Log()[1].text, "¿Guardar cambios a " + segundo->GetTitle() + "?");
  EXPECT_EQ(runner_.Log()[0].buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(Marco().Marcos().size(), 2u);
  EXPECT_TRUE(primero->IsModified());

  runner_.Clear();
  runner_.Script({Answer::No, Answer::No});
  EXPECT_TRUE(Marco().close());
  Procesar();
  EXPECT_EQ(runner_.Log().size(), 2u);
  EXPECT_TRUE(Marco().Marcos().empty());
  EXPECT_TRUE(CVardoDoc::Documentos().empty());
}

TEST_F(Cierre, SiGuardaAntesDeCerrarYCancelarElDialogoDeNombreMantieneLaVentana) {
  ASSERT_EQ(Iniciar(), -1);
  Doc()->SetModifiedFlag(true);
  // Yes on an untitled document asks for a name; Cancel there keeps it.
  runner_.Script({Answer::Yes});
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kCerrar));
  Procesar();
  EXPECT_EQ(Marco().Marcos().size(), 1u);
  ASSERT_EQ(dialogos_.Log().size(), 1u);
  EXPECT_TRUE(dialogos_.Log()[0].save);
  EXPECT_EQ(dialogos_.Log()[0].title, QStringLiteral("Guardar como"));
  EXPECT_EQ(dialogos_.Log()[0].filter,
            QStringLiteral("Archivos de Calorama (*.vdo);;Todos los archivos (*.*)"));
  EXPECT_EQ(QFileInfo(dialogos_.Log()[0].initialPath).fileName(),
            QString::fromStdString(Doc()->GetTitle()) + QStringLiteral(".vdo"));

  const QString ruta = Ruta("planta.vdo");
  runner_.Script({Answer::Yes});
  dialogos_.Script(ruta);
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kCerrar));
  Procesar();
  EXPECT_TRUE(Marco().Marcos().empty());
  EXPECT_TRUE(QFile::exists(ruta));
  EXPECT_EQ(QFileInfo(app_->Recientes().Paths().front()).fileName(), QStringLiteral("planta.vdo"));
}

TEST_F(Cierre, GuardarComoRetitulaYGuardarEscribeEnSuRuta) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("latente_y_tabla.vdo")}), -1);
  const QString nueva = Ruta("copia.vdo");
  dialogos_.Script(nueva);
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kGuardarComo));
  EXPECT_EQ(Doc()->GetTitle(), "copia");
  EXPECT_EQ(Activo()->windowTitle(), QStringLiteral("copia"));
  EXPECT_FALSE(Doc()->IsModified());
  ASSERT_TRUE(QFile::exists(nueva));
  QFile::remove(nueva);
  Doc()->SetModifiedFlag(true);
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kGuardar));
  EXPECT_EQ(dialogos_.Log().size(), 1u);  // no second dialog: the path is known
  EXPECT_TRUE(QFile::exists(nueva));
  EXPECT_FALSE(Doc()->IsModified());
}

// A model its own file could not hold again (a DT min that is no finite
// number, which no field lets through any more, put in the model here) is
// saved by no path: each says why, the old file stays as it was, no other
// file appears, and the document stays open and modified.
TEST_F(Cierre, UnModeloQueNoSePodriaReabrirNoSeGuardaPorNingunCamino) {
  const QString ruta = CopiaEjemplo("cuatro_corrientes.vdo");
  ASSERT_EQ(Iniciar({ruta}), -1);
  Marco().PrimeraActivacion();
  const QByteArray viejo = Leer(ruta);
  Doc()->m_Diagrama.SetDTMin(std::numeric_limits<double>::infinity());
  Doc()->SetModifiedFlag(true);
  const std::string mensaje =
      "El documento no se ha guardado: la diferencia mínima de temperatura no es un número finito.";
  auto intacto = [&] {
    EXPECT_EQ(Leer(ruta), viejo);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"cuatro_corrientes.vdo"});
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_EQ(Marco().Marcos().size(), 1u);
  };

  ASSERT_TRUE(Marco().Commands().Execute(cmd::kGuardar));
  Procesar();
  EXPECT_EQ(runner_.Log().size(), 1u);
  EXPECT_EQ(runner_.Log().back().text, mensaje);
  intacto();

  dialogos_.Script(Ruta("otra.vdo"));
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kGuardarComo));
  Procesar();
  EXPECT_EQ(runner_.Log().size(), 2u);
  EXPECT_EQ(runner_.Log().back().text, mensaje);
  EXPECT_EQ(Doc()->GetTitle(), "cuatro_corrientes");
  intacto();

  Marco().Disparar(kTimerAutograbacion);
  Procesar();
  EXPECT_EQ(runner_.Log().size(), 3u);
  EXPECT_EQ(runner_.Log().back().text, mensaje);
  intacto();

  // Closing with "Sí" to saving: the save is refused and the window stays.
  runner_.Script({Answer::Yes});
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kCerrar));
  Procesar();
  ASSERT_EQ(runner_.Log().size(), 5u);
  EXPECT_EQ(runner_.Log().back().text, mensaje);
  intacto();
  Doc()->SetModifiedFlag(false);
}

TEST_F(Cierre, CadaEjemploGuardadoYReabiertoDaLosMismosBytes) {
  ASSERT_EQ(Iniciar(), -1);
  for (const char* nombre : {"cuatro_corrientes.vdo", "latente_y_tabla.vdo", "servicios_y_area.vdo"}) {
    SCOPED_TRACE(nombre);
    ASSERT_NE(app_->AbrirDocumento(CopiaEjemplo(nombre)), nullptr);
    const int modo = Doc()->m_nModo;
    const QString uno = Ruta("uno.vdo");
    const QString dos = Ruta("dos.vdo");
    dialogos_.Script(uno);
    ASSERT_TRUE(Marco().Commands().Execute(cmd::kGuardarComo));
    ASSERT_TRUE(Marco().Commands().Execute(cmd::kCerrar));
    Procesar();
    ASSERT_NE(app_->AbrirDocumento(uno), nullptr);
    EXPECT_EQ(Doc()->m_nModo, modo);
    EXPECT_EQ(Doc()->NumDeshacer(), 0);
    dialogos_.Script(dos);
    ASSERT_TRUE(Marco().Commands().Execute(cmd::kGuardarComo));
    EXPECT_EQ(Leer(uno), Leer(dos));
    ASSERT_TRUE(Marco().Commands().Execute(cmd::kCerrar));
    Procesar();
  }
  EXPECT_TRUE(runner_.Log().empty());
}

TEST_F(Cierre, AbrirPorElDialogo) {
  ASSERT_EQ(Iniciar(), -1);
  dialogos_.Script(CopiaEjemplo("cuatro_corrientes.vdo"));
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kAbrir));
  ASSERT_EQ(dialogos_.Log().size(), 1u);
  EXPECT_FALSE(dialogos_.Log()[0].save);
  EXPECT_EQ(dialogos_.Log()[0].title, QStringLiteral("Abrir"));
  EXPECT_EQ(Marco().Marcos().size(), 2u);
  EXPECT_EQ(Doc()->GetTitle(), "cuatro_corrientes");
  // Cancel opens nothing.
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kAbrir));
  EXPECT_EQ(Marco().Marcos().size(), 2u);
}

// The program's own exit: the main window closes its documents and the
// application goes at once, with the windows' deferred deletes still
// pending (the event loop has ended), as after the last window closes.
TEST_F(Cierre, SalirSinProcesarLosBorradosPendientes) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kNuevo));
  EXPECT_TRUE(Marco().close());
  EXPECT_TRUE(Marco().Marcos().empty());
  app_.reset();
  EXPECT_TRUE(CVardoDoc::Documentos().empty());
  EXPECT_EQ(CVardoDoc::GetDocActivo(), nullptr);
  EXPECT_EQ(CVardoView::GetVistaActiva(), nullptr);
}

}  // namespace
}  // namespace vardo::prueba
