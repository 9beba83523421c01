#include "platform/qt/clipboard.h"

#include <QBuffer>
#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace vardo {

void CopiarTexto(const std::string& utf8) {
  auto* datos = new QMimeData;
  datos->setText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
  QGuiApplication::clipboard()->setMimeData(datos);
}

void CopiarImagen(const std::vector<std::uint8_t>& emf, const QImage& imagen) {
  auto* datos = new QMimeData;
  const QByteArray bytes(reinterpret_cast<const char*>(emf.data()),
                         static_cast<qsizetype>(emf.size()));
  datos->setData(QString::fromLatin1(kMimeEmf), bytes);
  datos->setData(QString::fromLatin1(kMimeXEmf), bytes);
  if (!imagen.isNull()) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (imagen.save(&buffer, "PNG")) datos->setData(QString::fromLatin1(kMimePng), png);
  }
  QGuiApplication::clipboard()->setMimeData(datos);
}

}  // namespace vardo
