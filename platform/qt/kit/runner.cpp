#include "platform/qt/kit/runner.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <cmath>

#include "platform/qt/kit/dialog.h"

namespace vardo::kit {

namespace {

ModalRunner* g_runner = nullptr;
int g_espera = 0;

// Screen pixels per point in the font records.
constexpr double kPixelesPorPunto = 96.0 / 72.0;

QtModalRunner& Real() {
  static QtModalRunner runner;
  return runner;
}

}  // namespace

ModalRunner& CurrentModalRunner() { return g_runner ? *g_runner : Real(); }

// ---------------------------------------------------------------- real windows

Answer QtModalRunner::Run(QWidget* parent, const MessageRequest& request) {
  QtMessageRunner boxes;
  return boxes.Run(parent, request);
}

QString QtModalRunner::Run(QWidget* parent, const FileDialogRequest& request) {
  QtFileDialogRunner files;
  return files.Run(parent, request);
}

int QtModalRunner::RunDialog(Dialog& dialog) { return dialog.Exec(); }

bool QtModalRunner::ChooseFont(QWidget* parent, LogFont& font) {
  bool ok = false;
  const QFont elegida = QFontDialog::getFont(&ok, ToQFont(font), parent);
  if (!ok) return false;
  font = ToLogFont(elegida);
  return true;
}

bool QtModalRunner::ChooseColor(QWidget* parent, Rgb& colour) {
  const QColor c = QColorDialog::getColor(
      QColor(RgbRed(colour), RgbGreen(colour), RgbBlue(colour)), parent);
  if (!c.isValid()) return false;
  colour = MakeRgb(c.red(), c.green(), c.blue());
  return true;
}

void QtModalRunner::Beep(int, int) { QApplication::beep(); }

// ---------------------------------------------------------------- scope

ScopedModalRunner::ScopedModalRunner(ModalRunner& runner)
    : previous_(g_runner), messages_(runner), files_(runner) {
  g_runner = &runner;
}

ScopedModalRunner::~ScopedModalRunner() { g_runner = previous_; }

bool ChooseFont(QWidget* parent, LogFont& font) {
  return CurrentModalRunner().ChooseFont(parent, font);
}

bool ChooseColor(QWidget* parent, Rgb& colour) {
  return CurrentModalRunner().ChooseColor(parent, colour);
}

void Beep(int frequencyHz, int durationMs) { CurrentModalRunner().Beep(frequencyHz, durationMs); }

// ---------------------------------------------------------------- fonts

LogFont ToLogFont(const QFont& f) {
  LogFont lf;
  const double puntos = f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize() / kPixelesPorPunto;
  lf.height = -static_cast<std::int32_t>(std::lround(puntos * kPixelesPorPunto));
  lf.weight = f.weight();
  lf.italic = f.italic() ? 1 : 0;
  lf.underline = f.underline() ? 1 : 0;
  lf.strikeOut = f.strikeOut() ? 1 : 0;
  lf.faceName = f.family().left(31).toStdString();
  return lf;
}

QFont ToQFont(const LogFont& lf) {
  QFont f(QString::fromStdString(lf.faceName));
  const int alto = lf.height == 0 ? 16 : std::abs(lf.height);
  f.setPointSizeF(alto / kPixelesPorPunto);
  f.setWeight(static_cast<QFont::Weight>(lf.weight <= 0 ? 400 : std::clamp(lf.weight, 1, 1000)));
  f.setItalic(lf.italic != 0);
  f.setUnderline(lf.underline != 0);
  f.setStrikeOut(lf.strikeOut != 0);
  return f;
}

// ---------------------------------------------------------------- wait cursor

WaitCursor::WaitCursor() {
  ++g_espera;
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
  --g_espera;
  QApplication::restoreOverrideCursor();
}

int WaitCursor::Depth() { return g_espera; }

}  // namespace vardo::kit
