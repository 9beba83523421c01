#include "platform/qt/splash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/qt/timer.h"

namespace vardo {

SplashDialog::SplashDialog(const QPixmap& picture, int closeAfterMs, QWidget* parent)
    // Its first tick ends the dialog as a cancel; Esc does the same through
    // QDialog's own reject.
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      timer_(new Timer(this, [this] { reject(); })) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(1, 1, 1, 1);
  auto* label = new QLabel(this);
  label->setPixmap(picture);
  layout->addWidget(label);
  setStyleSheet(QStringLiteral("SplashDialog { border: 1px solid black; }"));
  timer_->SetSingleShot(true);
  timer_->Start(closeAfterMs);
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
