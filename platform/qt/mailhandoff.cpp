#include "platform/qt/mailhandoff.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>

#include "platform/core/sustituir.h"

namespace vardo {

namespace {

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

std::vector<std::string> ArgumentosCorreo(const MensajeCorreo& m) {
  std::vector<std::string> a = {"--utf8", "--subject", m.asunto, "--body", m.cuerpo};
  for (const auto& f : m.adjuntos) {
    a.push_back("--attach");
    a.push_back(f);
  }
  if (!m.destinatario.empty()) a.push_back(m.destinatario);
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
