#include "platform/qt/messagerunner.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <cstdio>

#include "platform/qt/textwrap.h"

namespace vardo {

namespace {
MessageRunner* g_runner = nullptr;

QtMessageRunner& QtRunner() {
  static QtMessageRunner runner;
  return runner;
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

std::unique_ptr<QMessageBox> BuildMessageBox(QWidget* parent, const MessageRequest& r,
                                             MessageBoxButtons* botones) {
  auto box = std::make_unique<QMessageBox>(parent);
  box->setWindowTitle(r.caption.empty() ? QApplication::applicationName()
                                        : QString::fromStdString(r.caption));
  switch (r.icon) {
    case MsgIcon::None: box->setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box->setIcon(QMessageBox::Information); break;
    case MsgIcon::Warning: box->setIcon(QMessageBox::Warning); break;
    case MsgIcon::Critical: box->setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box->setIcon(QMessageBox::Question); break;
  }
  MessageBoxButtons b;
  switch (r.buttons) {
    case MsgButtons::Ok:
      b.ok = box->addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
      box->setEscapeButton(b.ok);
      break;
    case MsgButtons::OkCancel:
      b.ok = box->addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
      b.cancel = box->addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
      break;
    case MsgButtons::YesNo:
      b.yes = box->addButton(QString::fromUtf8("Sí"), QMessageBox::YesRole);
      b.no = box->addButton(QStringLiteral("No"), QMessageBox::NoRole);
      box->setEscapeButton(b.no);
      break;
    case MsgButtons::YesNoCancel:
      b.yes = box->addButton(QString::fromUtf8("Sí"), QMessageBox::YesRole);
      b.no = box->addButton(QStringLiteral("No"), QMessageBox::NoRole);
      b.cancel = box->addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
      break;
  }
  box->setDefaultButton(qobject_cast<QPushButton*>(b.ok ? b.ok : b.yes));
  if (botones) *botones = b;

  // File names and typed values appear in the texts: never read as markup.
  box->setTextFormat(Qt::PlainText);
  const QString texto = Partible(QString::fromStdString(r.text));
  box->setText(texto);
  auto* etiqueta = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  if (etiqueta && TieneSangria(texto)) {
    // The box wraps a long line at its left margin, which would lose an
    // indent: the lines are broken here instead, to the width the box allows
    // before it wraps (half the screen, at most 500 pixels, for the whole
    // box), so that the box has nothing left to wrap.
    box->layout()->activate();
    const int resto = box->width() - etiqueta->width();
    const int limite = std::min(box->screen()->availableGeometry().width() / 2, 500);
    // Each line is measured by the label itself, tabs as it expands them.
    const QString envuelto = EnvolverConSangria(texto, std::max(limite - resto, 100),
                                                [etiqueta](const QString& linea) {
                                                  etiqueta->setText(linea);
                                                  return etiqueta->sizeHint().width();
                                                });
    box->setText(envuelto);
  }
  return box;
}

Answer QtMessageRunner::Run(QWidget* parent, const MessageRequest& r) {
  MessageBoxButtons b;
  const std::unique_ptr<QMessageBox> box = BuildMessageBox(parent, r, &b);
  box->exec();
  QAbstractButton* c = box->clickedButton();
  if (c && c == b.yes) return Answer::Yes;
  if (c && c == b.no) return Answer::No;
  if (c && c == b.ok) return Answer::Ok;
  if (b.cancel) return Answer::Cancel;
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
