#include "platform/qt/splash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace vardo {

SplashDialog::SplashDialog(const QPixmap& picture, int closeAfterMs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), timer_(new QTimer(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(1, 1, 1, 1);
  auto* label = new QLabel(this);
  label->setPixmap(picture);
  layout->addWidget(label);
  setStyleSheet(QStringLiteral("SplashDialog { border: 1px solid black; }"));
  timer_->setSingleShot(true);
  timer_->setInterval(closeAfterMs);
  // Its first tick ends the dialog as a cancel; Esc does the same through
  // QDialog's own reject.
  connect(timer_, &QTimer::timeout, this, &QDialog::reject);
  timer_->start();
  adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
}

void RunSplash(const QPixmap& picture, int closeAfterMs) {
  SplashDialog splash(picture, closeAfterMs);
  splash.exec();
}

}  // namespace vardo
