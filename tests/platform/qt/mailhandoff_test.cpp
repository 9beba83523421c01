// The mail hand-off through Debian's real xdg-email to a recording mail
// client: what the client receives is what the user's mail program would.
#include "platform/qt/mailhandoff.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "tests/comun/cliente_correo.h"

namespace vardo {
namespace {

using prueba::ClienteCorreo;
using prueba::CorreoRecibido;

class Correo : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  // A file to attach, in a folder of its own.
  std::string Adjunto(const char* nombre) {
    const QString ruta = dir_.filePath(QString::fromUtf8(nombre));
    QFile f(ruta);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("vdo");
    return QFileInfo(ruta).canonicalFilePath().toStdString();
  }

  QTemporaryDir dir_;
  ClienteCorreo cliente_;
};

// Each text reaches the mail program as it was written, whatever it holds:
// shell syntax, backslashes the shell's echo would read ("\c" ends its
// output), a leading "-n", accents, "&", "=", "?", "%" and line breaks; an
// empty subject or body is left out rather than refused.
TEST_F(Correo, CadaTextoLlegaTalCual) {
  const std::string raro = "$(touch hecho) `id` ; rm x \\c\\n -n «ñ» a&b=c?d%41 \"'";
  struct Caso {
    const char* nombre;
    MensajeCorreo m;
  };
  const Caso casos[] = {
      {"todo", {"soporte@example.org", "Consulta " + raro, "Nombre: \nTexto: " + raro + "\n\n", {}}},
      {"sin asunto", {"lista@example.org", "", "Hola", {}}},
      {"sin texto", {"lista@example.org", "Alta", "", {}}},
      {"sin asunto ni texto", {"lista@example.org", "", "", {}}},
      {"sin destinatario", {"", "Opinión", "", {}}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    const ResultadoCorreo r = EntregarCorreo(c.m);
    EXPECT_TRUE(r.ok) << r.error;
    const CorreoRecibido recibido = cliente_.Recibido();
    EXPECT_EQ(recibido.para, c.m.destinatario);
    EXPECT_EQ(recibido.asunto.value_or("(ninguno)"), c.m.asunto.empty() ? "(ninguno)" : c.m.asunto);
    EXPECT_EQ(recibido.cuerpo.value_or("(ninguno)"), c.m.cuerpo.empty() ? "(ninguno)" : c.m.cuerpo);
    EXPECT_TRUE(recibido.adjuntos.empty());
  }
  EXPECT_EQ(cliente_.Llamadas(), 5);
  EXPECT_FALSE(QFile::exists(QDir::current().filePath(QStringLiteral("hecho"))));
}

TEST_F(Correo, LosAdjuntosLleganConSuRuta) {
  MensajeCorreo m;
  m.destinatario = "a@b.c";
  m.adjuntos = {Adjunto("mi documento.vdo"), Adjunto("'otro'.vdo"), Adjunto("año, 1.vdo")};
  ASSERT_TRUE(EntregarCorreo(m).ok);
  const CorreoRecibido recibido = cliente_.Recibido();
  EXPECT_EQ(recibido.adjuntos, m.adjuntos);
  EXPECT_FALSE(recibido.asunto);
  EXPECT_FALSE(recibido.cuerpo);
}

TEST_F(Correo, UnFalloSeDiceEnCastellano) {
  MensajeCorreo m;
  m.destinatario = "a@b.c";
  m.asunto = "x";
  struct Caso {
    const char* nombre;
    void (*romper)(ClienteCorreo&, MensajeCorreo&);
    std::string error;
  } casos[] = {
      {"sin programa de correo", [](ClienteCorreo& c, MensajeCorreo&) { c.SinCliente(); },
       kMsgCorreoSinPrograma},
      {"el programa falla", [](ClienteCorreo& c, MensajeCorreo&) { c.Codigo(1); },
       "El programa de correo no ha podido preparar el mensaje (código 4)."},
      {"adjunto que no existe",
       [](ClienteCorreo&, MensajeCorreo& m) { m.adjuntos = {"/nonexistent/a.vdo"}; },
       kMsgCorreoAdjunto},
      {"sin xdg-email", [](ClienteCorreo& c, MensajeCorreo&) { c.Sin(); }, kMsgCorreoNoInicia},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    ClienteCorreo cliente;
    MensajeCorreo roto = m;
    c.romper(cliente, roto);
    const ResultadoCorreo r = EntregarCorreo(roto);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, c.error);
  }
}

TEST_F(Correo, UnProgramaQueSigueAbiertoHaRecibidoElMensaje) {
  cliente_.Espera();
  MensajeCorreo m;
  m.destinatario = "a@b.c";
  const ResultadoCorreo r = EntregarCorreo(m, 300);
  EXPECT_TRUE(r.ok) << r.error;
}

}  // namespace
}  // namespace vardo
