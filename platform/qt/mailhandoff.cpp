#include "platform/qt/mailhandoff.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>
#include <QUrl>

#include "platform/core/sustituir.h"

namespace vardo {

namespace {

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

std::string DireccionMailto(const MensajeCorreo& m) {
  const auto codificar = [](const std::string& texto, const QByteArray& libres = {}) {
    return QUrl::toPercentEncoding(Q(texto), libres).toStdString();
  };
  std::string d = "mailto:" + codificar(m.destinatario, "@");
  char separador = '?';
  const auto campo = [&](const char* nombre, const std::string& valor) {
    if (valor.empty()) return;
    d += separador;
    d += nombre;
    d += '=';
    d += codificar(valor);
    separador = '&';
  };
  campo("subject", m.asunto);
  std::string cuerpo;
  for (char c : m.cuerpo) {
    if (c == '\n' && (cuerpo.empty() || cuerpo.back() != '\r')) cuerpo += '\r';
    cuerpo += c;
  }
  campo("body", cuerpo);
  return d;
}

std::vector<std::string> ArgumentosCorreo(const MensajeCorreo& m) {
  std::vector<std::string> a = {"--utf8"};
  for (const auto& f : m.adjuntos) {
    a.push_back("--attach");
    a.push_back(f);
  }
  a.push_back(DireccionMailto(m));
  return a;
}

ResultadoCorreo EntregarCorreo(const MensajeCorreo& m, int esperaMs) {
  QStringList argumentos;
  for (const auto& a : ArgumentosCorreo(m)) argumentos << Q(a);
  // Owned by the application, so that a mail program still running when the
  // wait ends is not killed with the process object.
  auto* proceso = new QProcess(QCoreApplication::instance());
  // The mail program's output goes where ours goes; it reads nothing.
  proceso->setProcessChannelMode(QProcess::ForwardedChannels);
  proceso->setStandardInputFile(QProcess::nullDevice());
  proceso->start(QString::fromLatin1(kProgramaCorreo), argumentos, QIODevice::ReadOnly);
  if (!proceso->waitForStarted()) {
    delete proceso;
    return {false, kMsgCorreoNoInicia};
  }
  if (!proceso->waitForFinished(esperaMs)) {
    if (proceso->state() != QProcess::NotRunning) {
      QObject::connect(proceso, &QProcess::finished, proceso, &QObject::deleteLater);
      return {true, {}};
    }
  }
  const bool normal = proceso->exitStatus() == QProcess::NormalExit;
  const int codigo = proceso->exitCode();
  delete proceso;
  if (!normal) return {false, Sustituir(kMsgCorreoFallo, std::to_string(-1))};
  switch (codigo) {
    case 0: return {true, {}};
    case 2:
    case 5: return {false, kMsgCorreoAdjunto};
    case 3: return {false, kMsgCorreoSinPrograma};
    default: return {false, Sustituir(kMsgCorreoFallo, std::to_string(codigo))};
  }
}

}  // namespace vardo
