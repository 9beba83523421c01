// The mail hand-off: a stand-in xdg-email on PATH records its arguments and
// answers with the exit code the test asks for.
#include "platform/qt/mailhandoff.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>
#include <vector>

namespace vardo {
namespace {

class Correo : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    path_ = qgetenv("PATH");
    registro_ = dir_.filePath(QStringLiteral("argumentos"));
    // Each argument on its own, ended by a NUL byte; the exit code from a file.
    Escribir(QStringLiteral("xdg-email"),
             "#!/bin/sh\n"
             ": > \"$REGISTRO\"\n"
             "for a in \"$@\"; do printf '%s\\0' \"$a\" >> \"$REGISTRO\"; done\n"
             "if [ -f \"$ESPERA\" ]; then sleep 3; fi\n"
             "exit $(cat \"$CODIGO\" 2>/dev/null || echo 0)\n");
    QFile::setPermissions(dir_.filePath(QStringLiteral("xdg-email")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", (dir_.path() + QStringLiteral(":/usr/bin:/bin")).toLocal8Bit());
    qputenv("REGISTRO", registro_.toLocal8Bit());
    qputenv("CODIGO", dir_.filePath(QStringLiteral("codigo")).toLocal8Bit());
    qputenv("ESPERA", dir_.filePath(QStringLiteral("espera")).toLocal8Bit());
  }
  void TearDown() override { qputenv("PATH", path_); }

  void Escribir(const QString& nombre, const QByteArray& texto) {
    QFile f(dir_.filePath(nombre));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(texto);
  }
  std::vector<std::string> Argumentos() {
    QFile f(registro_);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray b = f.readAll();
    std::vector<std::string> a;
    std::string actual;
    for (char c : b) {
      if (c == '\0') {
        a.push_back(actual);
        actual.clear();
      } else {
        actual += c;
      }
    }
    return a;
  }

  QTemporaryDir dir_;
  QByteArray path_;
  QString registro_;
};

TEST_F(Correo, CadaTextoEsUnArgumentoSinShell) {
  MensajeCorreo m;
  m.destinatario = "soporte@example.org";
  m.asunto = "Consulta sobre el funcionamiento de Calorama";
  m.cuerpo = "Nombre: \nOrganización: $(touch hecho) `id` ; rm -rf x\n\n";
  m.adjuntos = {"/tmp/mi documento.vdo", "/tmp/'otro'.vdo"};
  const ResultadoCorreo r = EntregarCorreo(m);
  EXPECT_TRUE(r.ok) << r.error;
  EXPECT_TRUE(r.error.empty());
  const std::vector<std::string> esperado = {
      "--utf8",   "--subject", m.asunto, "--body", m.cuerpo, "--attach", "/tmp/mi documento.vdo",
      "--attach", "/tmp/'otro'.vdo", "soporte@example.org"};
  EXPECT_EQ(Argumentos(), esperado);
  EXPECT_EQ(ArgumentosCorreo(m), esperado);
  EXPECT_FALSE(QFile::exists(QDir::current().filePath(QStringLiteral("hecho"))));
}

TEST_F(Correo, SinDireccionNiAdjuntos) {
  MensajeCorreo m;
  m.asunto = "Opinión";
  ASSERT_TRUE(EntregarCorreo(m).ok);
  EXPECT_EQ(Argumentos(), (std::vector<std::string>{"--utf8", "--subject", "Opinión", "--body", ""}));
}

TEST_F(Correo, UnFalloSeDiceEnCastellano) {
  struct Caso {
    const char* codigo;
    std::string error;
  } casos[] = {
      {"1", "El programa de correo no ha podido preparar el mensaje (código 1)."},
      {"2", kMsgCorreoAdjunto},
      {"3", kMsgCorreoSinPrograma},
      {"4", "El programa de correo no ha podido preparar el mensaje (código 4)."},
      {"5", kMsgCorreoAdjunto},
  };
  MensajeCorreo m;
  m.destinatario = "a@b.c";
  for (const auto& c : casos) {
    Escribir(QStringLiteral("codigo"), c.codigo);
    const ResultadoCorreo r = EntregarCorreo(m);
    EXPECT_FALSE(r.ok) << c.codigo;
    EXPECT_EQ(r.error, c.error) << c.codigo;
  }
}

TEST_F(Correo, SinXdgEmail) {
  qputenv("PATH", QByteArray("/nonexistent"));
  const ResultadoCorreo r = EntregarCorreo({});
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.error, kMsgCorreoNoInicia);
}

TEST_F(Correo, UnProgramaQueSigueAbiertoHaRecibidoElMensaje) {
  Escribir(QStringLiteral("espera"), "1");
  MensajeCorreo m;
  m.destinatario = "a@b.c";
  const ResultadoCorreo r = EntregarCorreo(m, 300);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(Argumentos().back(), "a@b.c");
}

}  // namespace
}  // namespace vardo
