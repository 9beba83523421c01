#include "platform/qt/messagerunner.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>

namespace vardo {

namespace {
MessageRunner* g_runner = nullptr;

QtMessageRunner& QtRunner() {
  static QtMessageRunner runner;
  return runner;
}

// A text whose long words may be broken: a path or a file name has no blank
// to wrap at and would make the box wider than the screen. A zero-width
// space after each folder separator and within every run of 20 characters
// without a blank lets the lines end there; nothing changes what is seen.
QString Partible(const QString& texto) {
  constexpr int kTramo = 20;
  const QChar corte(0x200B);
  QString r;
  r.reserve(texto.size() + texto.size() / kTramo);
  int tramo = 0;
  for (qsizetype i = 0; i < texto.size(); ++i) {
    const QChar c = texto[i];
    r += c;
    if (c.isSpace()) {
      tramo = 0;
      continue;
    }
    ++tramo;
    // Never inside a character of two halves.
    if (c.isHighSurrogate() || (i + 1 < texto.size() && texto[i + 1].isSpace())) continue;
    if (c == u'/' || c == u'\\' || tramo >= kTramo) {
      r += corte;
      tramo = 0;
    }
  }
  return r;
}
}  // namespace

MessageRunner& CurrentMessageRunner() { return g_runner ? *g_runner : QtRunner(); }

void SetMessageRunner(MessageRunner* runner) { g_runner = runner; }

Answer ShowMessage(QWidget* parent, const std::string& text, MsgIcon icon,
                   const std::string& caption) {
  return CurrentMessageRunner().Run(parent, MessageRequest{caption, text, MsgButtons::Ok, icon});
}

Answer AskYesNo(QWidget* parent, const std::string& text, const std::string& caption,
                MsgIcon icon) {
  return CurrentMessageRunner().Run(parent, MessageRequest{caption, text, MsgButtons::YesNo, icon});
}

Answer QtMessageRunner::Run(QWidget* parent, const MessageRequest& r) {
  QMessageBox box(parent);
  box.setWindowTitle(r.caption.empty() ? QApplication::applicationName()
                                       : QString::fromStdString(r.caption));
  // File names and typed values appear in the texts: never read as markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(Partible(QString::fromStdString(r.text)));
  switch (r.icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
  }
  QAbstractButton* ok = nullptr;
  QAbstractButton* yes = nullptr;
  QAbstractButton* no = nullptr;
  QAbstractButton* cancel = nullptr;
  switch (r.buttons) {
    case MsgButtons::Ok:
      ok = box.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
      box.setEscapeButton(ok);
      break;
    case MsgButtons::OkCancel:
      ok = box.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
      cancel = box.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
      break;
    case MsgButtons::YesNo:
      yes = box.addButton(QString::fromUtf8("Sí"), QMessageBox::YesRole);
      no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
      box.setEscapeButton(no);
      break;
    case MsgButtons::YesNoCancel:
      yes = box.addButton(QString::fromUtf8("Sí"), QMessageBox::YesRole);
      no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
      cancel = box.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
      break;
  }
  box.setDefaultButton(qobject_cast<QPushButton*>(ok ? ok : yes));
  box.exec();
  QAbstractButton* c = box.clickedButton();
  if (c && c == yes) return Answer::Yes;
  if (c && c == no) return Answer::No;
  if (c && c == ok) return Answer::Ok;
  if (cancel) return Answer::Cancel;
  return r.buttons == MsgButtons::YesNo ? Answer::No : Answer::Ok;
}

Answer StderrMessageRunner::Run(QWidget*, const MessageRequest& r) {
  std::fprintf(stderr, "%s\n", r.text.c_str());
  std::fflush(stderr);
  switch (r.buttons) {
    case MsgButtons::Ok: return Answer::Ok;
    case MsgButtons::OkCancel: return Answer::Cancel;
    case MsgButtons::YesNo: return Answer::No;
    case MsgButtons::YesNoCancel: return Answer::Cancel;
  }
  return Answer::Ok;
}

Answer ScriptedMessageRunner::Run(QWidget*, const MessageRequest& request) {
  log_.push_back(request);
  if (!script_.empty()) {
    Answer a = script_.front();
    script_.pop_front();
    return a;
  }
  return (request.buttons == MsgButtons::YesNo || request.buttons == MsgButtons::YesNoCancel)
             ? Answer::Yes
             : Answer::Ok;
}

ScopedMessageRunner::ScopedMessageRunner(MessageRunner& runner) : previous_(g_runner) {
  g_runner = &runner;
}

ScopedMessageRunner::~ScopedMessageRunner() { g_runner = previous_; }

}  // namespace vardo
