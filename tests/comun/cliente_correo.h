// The user's mail program as the tests see it: Debian's real xdg-email, in
// an environment of its own where a recording mail client handles mailto:
// addresses (a .desktop file in a temporary XDG_DATA_HOME and a mimeapps.list
// in XDG_CONFIG_HOME). With no desktop named, xdg-email takes its generic
// road: xdg-open asks xdg-mime for the mailto: handler (it does so only when
// a display is named, so DISPLAY is set; nothing connects to it) and runs
// it. Whatever else could steer it (the machine's desktop session, MAILER,
// BROWSER, the system's lists of applications, a sandbox) is set aside while
// the object lives and put back after; BROWSER is "false", so no browser
// ever opens.
//
// The client writes down each argument it gets and answers with the exit
// code the test sets (xdg-email then answers 4). Named "thunderbird", it is
// handed a compose string instead of the address, as that mail program is.
// No mail is ever sent.
#pragma once
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vardo::prueba {

// What the mail client was handed, read from its mailto: address.
struct CorreoRecibido {
  std::string para;
  std::optional<std::string> asunto;
  std::optional<std::string> cuerpo;  // line ends back to "\n"
  std::vector<std::string> adjuntos;
};

class ClienteCorreo {
 public:
  explicit ClienteCorreo(bool compositor = false) {
    EXPECT_TRUE(dir_.isValid());
    QDir d(dir_.path());
    for (const char* sub : {"bin", "vacio", "config", "datos/applications", "config-sistema",
                            "datos-sistema", "ejecucion"})
      d.mkpath(QString::fromLatin1(sub));
    const QString programa =
        dir_.filePath(compositor ? QStringLiteral("bin/thunderbird") : QStringLiteral("bin/registro"));
    const QByteArray r = dir_.path().toLocal8Bit();
    Escribir(programa,
             "#!/bin/sh\n"
             "d='" + r + "'\n"
             ": > \"$d/argumentos\"\n"
             "for a in \"$@\"; do printf '%s\\0' \"$a\" >> \"$d/argumentos\"; done\n"
             "echo >> \"$d/llamadas\"\n"
             "if [ -f \"$d/espera\" ]; then sleep 3; fi\n"
             "exit $(cat \"$d/codigo\" 2>/dev/null || echo 0)\n");
    QFile::setPermissions(programa, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Escribir(dir_.filePath(QStringLiteral("datos/applications/registrocorreo.desktop")),
             "[Desktop Entry]\nType=Application\nName=Registro de correo\nExec=" +
                 programa.toLocal8Bit() + " %u\nMimeType=x-scheme-handler/mailto;\n");
    Escribir(Mimeapps(), "[Default Applications]\nx-scheme-handler/mailto=registrocorreo.desktop\n");

    const QByteArray bin = dir_.filePath(QStringLiteral("bin")).toLocal8Bit();
    Poner("PATH", bin + ":/usr/bin:/bin");
    Poner("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("config")).toLocal8Bit());
    Poner("XDG_DATA_HOME", dir_.filePath(QStringLiteral("datos")).toLocal8Bit());
    Poner("XDG_CONFIG_DIRS", dir_.filePath(QStringLiteral("config-sistema")).toLocal8Bit());
    Poner("XDG_DATA_DIRS", dir_.filePath(QStringLiteral("datos-sistema")).toLocal8Bit());
    Poner("XDG_RUNTIME_DIR", dir_.filePath(QStringLiteral("ejecucion")).toLocal8Bit());
    Poner("XDG_CURRENT_DESKTOP", "X-Generic");
    Poner("DISPLAY", ":0");
    Poner("BROWSER", "false");
    for (const char* v : {"MAILER", "KDE_FULL_SESSION", "KDE_SESSION_VERSION",
                          "GNOME_DESKTOP_SESSION_ID", "MATE_DESKTOP_SESSION_ID", "DESKTOP_SESSION",
                          "LXQT_SESSION_CONFIG", "DESKTOP", "XDG_MENU_PREFIX", "WAYLAND_DISPLAY",
                          "XDG_UTILS_DEBUG_LEVEL"})
      Poner(v, std::nullopt);
  }
  ~ClienteCorreo() {
    for (auto it = previos_.rbegin(); it != previos_.rend(); ++it) {
      if (it->second) qputenv(it->first.c_str(), *it->second);
      else qunsetenv(it->first.c_str());
    }
  }
  ClienteCorreo(const ClienteCorreo&) = delete;
  ClienteCorreo& operator=(const ClienteCorreo&) = delete;

  // The exit code of the client's next runs (0: it took the message).
  void Codigo(int codigo) {
    Escribir(dir_.filePath(QStringLiteral("codigo")), QByteArray::number(codigo));
  }
  // The client keeps running for 3 s before it answers.
  void Espera() { Escribir(dir_.filePath(QStringLiteral("espera")), "1"); }
  // No mail client set for mailto: addresses.
  void SinCliente() {
    QFile::remove(Mimeapps());
    QFile::remove(dir_.filePath(QStringLiteral("datos/applications/registrocorreo.desktop")));
  }
  // No xdg-email anywhere on the PATH.
  void Sin() { qputenv("PATH", dir_.filePath(QStringLiteral("vacio")).toLocal8Bit()); }

  // The arguments of the client's last run.
  std::vector<std::string> Argumentos() const {
    QFile f(dir_.filePath(QStringLiteral("argumentos")));
    std::vector<std::string> a;
    if (!f.open(QIODevice::ReadOnly)) return a;
    for (const QByteArray& b : f.readAll().split('\0')) a.push_back(b.toStdString());
    a.pop_back();  // after the last NUL
    return a;
  }
  int Llamadas() const {
    QFile f(dir_.filePath(QStringLiteral("llamadas")));
    return f.open(QIODevice::ReadOnly) ? static_cast<int>(f.readAll().count('\n')) : 0;
  }

  // The message of the last run, from its mailto: address.
  CorreoRecibido Recibido() const {
    CorreoRecibido r;
    const std::vector<std::string> a = Argumentos();
    EXPECT_EQ(a.size(), 1u);
    if (a.empty()) return r;
    const std::string& d = a.back();
    EXPECT_EQ(d.rfind("mailto:", 0), 0u) << d;
    const std::size_t q = d.find('?');
    r.para = Decodificar(d.substr(7, q == std::string::npos ? std::string::npos : q - 7));
    if (q == std::string::npos) return r;
    for (const QByteArray& campo : QByteArray::fromStdString(d.substr(q + 1)).split('&')) {
      const qsizetype igual = campo.indexOf('=');
      const std::string nombre = campo.left(igual).toStdString();
      std::string valor = Decodificar(campo.mid(igual + 1).toStdString());
      if (nombre == "subject") {
        EXPECT_FALSE(r.asunto) << "two subjects";
        r.asunto = valor;
      } else if (nombre == "body") {
        EXPECT_FALSE(r.cuerpo) << "two bodies";
        std::string sinCr;
        for (std::size_t i = 0; i < valor.size(); ++i)
          if (!(valor[i] == '\r' && i + 1 < valor.size() && valor[i + 1] == '\n')) sinCr += valor[i];
        r.cuerpo = sinCr;
      } else if (nombre == "attach") {
        r.adjuntos.push_back(valor);
      } else {
        ADD_FAILURE() << "unexpected field " << nombre;
      }
    }
    return r;
  }

 private:
  static std::string Decodificar(const std::string& s) {
    return QUrl::fromPercentEncoding(QByteArray::fromStdString(s)).toStdString();
  }
  QString Mimeapps() const { return dir_.filePath(QStringLiteral("config/mimeapps.list")); }
  static void Escribir(const QString& ruta, const QByteArray& texto) {
    QFile f(ruta);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << ruta.toStdString();
    f.write(texto);
  }
  void Poner(const char* variable, std::optional<QByteArray> valor) {
    previos_.emplace_back(variable, qEnvironmentVariableIsSet(variable)
                                        ? std::optional<QByteArray>(qgetenv(variable))
                                        : std::nullopt);
    if (valor) qputenv(variable, *valor);
    else qunsetenv(variable);
  }

  QTemporaryDir dir_;
  std::vector<std::pair<std::string, std::optional<QByteArray>>> previos_;
};

}  // namespace vardo::prueba
