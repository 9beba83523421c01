// The mail commands of the real program: the three help forms, the form the
// run counter opens, and "&Enviar" mailing a copy of the document, all
// handed through the real xdg-email to a recording mail client.
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "app/core/document/ids_comandos.h"
#include "dialogs/entry/dlg_correo.h"
#include "fixture.h"
#include "tests/comun/cliente_correo.h"

namespace vardo::prueba {
namespace {

class CorreoPrograma : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    QSettings perfil;
    perfil.setValue(kClaveCorreoContacto, QStringLiteral("soporte@example.org"));
    perfil.setValue(kClaveCorreoLista, QStringLiteral("lista@example.org"));
  }
  CmdUi Estado(int id) { return Marco().Commands().State(id); }
  QByteArray Leer(const std::string& ruta) {
    QFile f(QString::fromStdString(ruta));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << ruta;
    return f.readAll();
  }
  ClienteCorreo correo_;
};

TEST_F(CorreoPrograma, LasTresEntradasDeAyudaAbrenSuFormularioSinDocumento) {
  ASSERT_EQ(Iniciar(), -1);
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kCerrar));
  Procesar();
  ASSERT_EQ(Doc(), nullptr);
  const struct {
    int id;
    const char* titulo;
    const char* destinatario;
  } casos[] = {{cmd::kContactar, "Contactar", "soporte@example.org"},
               {cmd::kListaCorreo, "Lista de Correo", "lista@example.org"},
               {cmd::kOpinion, "Opinión", "soporte@example.org"}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.titulo);
    kitRunner_.Clear();
    EXPECT_TRUE(Estado(c.id).enabled);
    kitRunner_.ScriptDialog([](Driver& d) { d.Ok(); });
    // From the Help menu, as the user picks it.
    Marco().Commands().Action(c.id)->trigger();
    Procesar();
    ASSERT_EQ(kitRunner_.Log().size(), 1u);
    EXPECT_EQ(kitRunner_.Log()[0].text, c.titulo);
    EXPECT_EQ(correo_.Recibido().para, c.destinatario);
  }
  EXPECT_TRUE(runner_.Log().empty());
  EXPECT_EQ(correo_.Llamadas(), 3);
}

TEST_F(CorreoPrograma, LaEjecucion50AbreOpinionTrasElAviso) {
  {
    QSettings perfil;
    perfil.setValue(CMainFrame::kClaveEjecuciones, QStringLiteral("50"));
  }
  ASSERT_EQ(Iniciar(), -1);
  kitRunner_.ScriptDialog([](Driver& d) { d.Cancel(); });
  Marco().PrimeraActivacion();
  ASSERT_EQ(runner_.Log().size(), 1u);
  ASSERT_EQ(kitRunner_.Log().size(), 1u);
  EXPECT_EQ(kitRunner_.Log()[0].text, "Opinión");
  EXPECT_EQ(correo_.Llamadas(), 0);
}

TEST_F(CorreoPrograma, UnFormularioQueNoPuedeEnviarSigueAbierto) {
  ASSERT_EQ(Iniciar(), -1);
  correo_.SinCliente();
  bool abierto = false;
  std::string texto;
  kitRunner_.ScriptDialog([&](Driver& d) {
    d.Type(CContactarDlg::kTexto, "Consulta");
    d.Ok();
    abierto = d.Dialog().IsOpen();
    texto = d.Text(CContactarDlg::kTexto);
    d.Cancel();
  });
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kContactar));
  EXPECT_TRUE(abierto);
  EXPECT_EQ(texto, "Consulta");
  ASSERT_EQ(runner_.Log().size(), 1u);
  EXPECT_EQ(runner_.Log()[0].text, kMsgCorreoSinPrograma);
}

TEST_F(CorreoPrograma, EnviarAdjuntaUnaCopiaQueSeAbreComoElDocumento) {
  const QString ruta = CopiaEjemplo("cuatro_corrientes.vdo");
  ASSERT_EQ(Iniciar({ruta}), -1);
  CVardoDoc* doc = Doc();
  ASSERT_NE(doc, nullptr);
  // A change not yet saved travels with the copy.
  doc->m_Diagrama.m_dtMin = 17.5;
  doc->SetModifiedFlag(true);
  const QByteArray enDisco = Leer(ruta.toStdString());

  ASSERT_TRUE(Estado(cmd::kEnviar).enabled);
  Marco().Commands().Action(cmd::kEnviar)->trigger();
  Procesar();
  EXPECT_TRUE(runner_.Log().empty());
  // No recipient, subject or text: the user writes them in the mail program.
  const CorreoRecibido recibido = correo_.Recibido();
  EXPECT_EQ(recibido.para, "");
  EXPECT_FALSE(recibido.asunto);
  EXPECT_FALSE(recibido.cuerpo);
  ASSERT_EQ(recibido.adjuntos.size(), 1u);
  const std::string a6 = recibido.adjuntos[0];
  const QFileInfo adjunto(QString::fromStdString(a6));
  EXPECT_EQ(adjunto.fileName(), QStringLiteral("cuatro_corrientes.vdo"));
  EXPECT_NE(adjunto.absolutePath(), QFileInfo(ruta).absolutePath());
  // The folder is this user's only.
  EXPECT_EQ(QFileInfo(adjunto.absolutePath()).permissions() &
                (QFile::ReadGroup | QFile::ReadOther | QFile::ExeGroup | QFile::ExeOther),
            QFile::Permissions());

  // The attachment opens as the document as it stands.
  CVardoDoc abierto;
  ASSERT_TRUE(abierto.OnOpenDocument(a6).ok);
  EXPECT_EQ(abierto.m_Diagrama.m_dtMin, 17.5);
  ASSERT_EQ(abierto.m_Diagrama.GetNumCorrientes(), doc->m_Diagrama.GetNumCorrientes());
  for (int i = 0; i < doc->m_Diagrama.GetNumCorrientes(); ++i)
    EXPECT_EQ(abierto.m_Diagrama.GetCorriente(i).GetNombre(),
              doc->m_Diagrama.GetCorriente(i).GetNombre());
  const std::string otra = Ruta("otra.vdo").toStdString();
  ASSERT_TRUE(doc->GuardarCopia(otra).ok);
  EXPECT_EQ(Leer(a6), Leer(otra));
  // The document itself is untouched: same file, same path, still modified.
  EXPECT_EQ(Leer(ruta.toStdString()), enDisco);
  EXPECT_EQ(doc->GetPathName(), QFileInfo(ruta).absoluteFilePath().toStdString());
  EXPECT_TRUE(doc->IsModified());
}

// A document named with quotes and commas: the copy sent is named with
// letters, digits, blanks and "._-" only, so a mail program handed a quoted
// list of fields (attachment='...') gets the attachment and nothing more.
TEST_F(CorreoPrograma, ElNombreDelAdjuntoNoAnadeCamposAlMensaje) {
  const QString ruta = Ruta("a b'c\"d,e.vdo");
  ASSERT_TRUE(QFile::copy(Ejemplo("cuatro_corrientes.vdo"), ruta));
  ASSERT_EQ(Iniciar({ruta}), -1);
  ASSERT_NE(Doc(), nullptr);
  EXPECT_EQ(Doc()->GetTitle(), "a b'c\"d,e");
  ClienteCorreo compositor(true);
  Marco().Commands().Action(cmd::kEnviar)->trigger();
  Procesar();
  EXPECT_TRUE(runner_.Log().empty());
  const std::vector<std::string> a = compositor.Argumentos();
  ASSERT_EQ(a.size(), 2u);
  EXPECT_EQ(a[0], "-compose");
  const std::string inicio = "attachment='";
  ASSERT_EQ(a[1].rfind(inicio, 0), 0u) << a[1];
  ASSERT_EQ(a[1].back(), '\'') << a[1];
  const std::string adjunto = a[1].substr(inicio.size(), a[1].size() - inicio.size() - 1);
  EXPECT_EQ(adjunto.find_first_of("',\""), std::string::npos) << adjunto;
  EXPECT_EQ(QFileInfo(QString::fromStdString(adjunto)).fileName(), QStringLiteral("a b_c_d_e.vdo"));
  CVardoDoc abierto;
  EXPECT_TRUE(abierto.OnOpenDocument(adjunto).ok);
}

TEST_F(CorreoPrograma, EnviarSinProgramaDeCorreoLoDiceYNoDejaCopia) {
  ASSERT_EQ(Iniciar(), -1);
  ASSERT_NE(Doc(), nullptr);
  // A mail program that fails: the copy it was handed is removed.
  correo_.Codigo(1);
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kEnviar));
  ASSERT_EQ(runner_.Log().size(), 1u);
  EXPECT_EQ(runner_.Log()[0].text,
            "El programa de correo no ha podido preparar el mensaje (código 4).");
  const std::vector<std::string> a = correo_.Recibido().adjuntos;
  ASSERT_EQ(a.size(), 1u);
  EXPECT_EQ(QFileInfo(QString::fromStdString(a.back())).fileName().toStdString(),
            Doc()->GetTitle() + ".vdo");
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(a.back())));
  EXPECT_FALSE(QFileInfo::exists(QFileInfo(QString::fromStdString(a.back())).absolutePath()));
  // No mail program at all.
  runner_.Clear();
  correo_.SinCliente();
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kEnviar));
  ASSERT_EQ(runner_.Log().size(), 1u);
  EXPECT_EQ(runner_.Log()[0].text, kMsgCorreoSinPrograma);

  // Without xdg-email, or without a document, there is nothing to send with.
  correo_.Sin();
  EXPECT_FALSE(Estado(cmd::kEnviar).enabled);
  ClienteCorreo otro;
  EXPECT_TRUE(Estado(cmd::kEnviar).enabled);
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kCerrar));
  Procesar();
  EXPECT_FALSE(Estado(cmd::kEnviar).enabled);
}

}  // namespace
}  // namespace vardo::prueba
