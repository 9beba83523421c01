// The start-up picture: a modal dialog that closes itself after a delay, or
// at once on Esc. Start-up waits for it.
#pragma once
#include <QDialog>
#include <QPixmap>

namespace vardo {

class Timer;

class SplashDialog : public QDialog {
  Q_OBJECT
 public:
  SplashDialog(const QPixmap& picture, int closeAfterMs, QWidget* parent = nullptr);
  Timer* CloseTimer() const { return timer_; }

 private:
  Timer* timer_;
};

// Runs the splash modally and returns when it has closed.
void RunSplash(const QPixmap& picture, int closeAfterMs);

}  // namespace vardo
