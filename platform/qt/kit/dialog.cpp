#include "platform/qt/kit/dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

#include "platform/qt/hostedwidgets.h"
#include "platform/qt/kit/runner.h"

namespace vardo::kit {

Dialog::Dialog(Template t, QWidget* parent)
    : QDialog(parent), ControlHost(static_cast<QWidget&>(*this)), template_(std::move(t)) {
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

Dialog::~Dialog() { KillTimers(); }

int Dialog::Run() { return CurrentModalRunner().RunDialog(*this); }

void Dialog::Prepare() {
  open_ = true;
  result_ = kIdCancel;
  setWindowTitle(QString::fromStdString(template_.caption));
  BeforeBuild();
  Build(template_);
  Hold();
  AfterBuild();
  UpdateData(false);
  OnInit();
  Release();
}

void Dialog::TakeOwner() {
  QWidget* owner = parentWidget();
  if (!owner) {
    owner = QApplication::activeModalWidget();
    if (!owner) owner = QApplication::activeWindow();
    if (owner == this) owner = nullptr;
    if (owner) setParent(owner, windowFlags() | Qt::Dialog);
  }
  setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
}

int Dialog::Exec() {
  TakeOwner();
  Prepare();
  if (open_) QDialog::exec();
  return result_;
}

void Dialog::Open() {
  TakeOwner();
  Prepare();
  if (!open_) return;
  show();
  activateWindow();
  for (int i = 0; i < 20 && !isActiveWindow(); ++i) QApplication::processEvents();
}

void Dialog::ShowModeless() {
  setAttribute(Qt::WA_DeleteOnClose);
  // Open windows of this kind do not keep the program running.
  setAttribute(Qt::WA_QuitOnClose, false);
  modeless_ = true;
  Prepare();
  if (!open_) {
    deleteLater();
    return;
  }
  showNormal();
  activateWindow();
}

void Dialog::End(int code) {
  if (!open_) return;
  open_ = false;
  result_ = code;
  KillTimers();
  if (modeless_) {
    if (!closing_) close();
    return;
  }
  QDialog::done(code);
}

bool Dialog::Live() const { return open_ && Built(); }

void Dialog::Command(int id) {
  if (!open_) return;
  if (id == kIdOk) OnOK();
  else if (id == kIdCancel) OnCancel();
  else ControlHost::Command(id);
}

void Dialog::OnOK() {
  if (UpdateData(true)) End(kIdOk);
}

void Dialog::OnCancel() { End(kIdCancel); }

void Dialog::setVisible(bool visible) {
  Hold();
  QDialog::setVisible(visible);
  Release();
}

void Dialog::accept() { Command(kIdOk); }
void Dialog::reject() { Command(kIdCancel); }

ControlHost& Dialog::HostOf(QWidget*) { return *this; }

int Dialog::EnterId(ControlHost& focusHost) const {
  if (focusHost.DefaultId() != kNoId) return focusHost.DefaultId();
  if (DefaultId() != kNoId) return DefaultId();
  return kIdOk;
}

bool Dialog::LeaveFocusedField() {
  if (!open_) return true;  // nothing shown, nothing being left
  QWidget* foco = QApplication::focusWidget();
  if (foco && !isAncestorOf(foco)) foco = nullptr;
  ControlHost& host = HostOf(foco);
  const int id = host.IdOf(foco);
  if (id == kNoId) return true;
  const Kind kind = host.KindOf(id);
  if (kind == Kind::Button) return true;
  if (kind == Kind::Hosted) ConfirmarEdicion(host.Widget(id));
  else host.Notify(id, Event::FocusOut);
  return open_;
}

bool Dialog::CommitHostedEdit() {
  if (!open_) return true;
  QWidget* foco = QApplication::focusWidget();
  if (!foco || !isAncestorOf(foco)) return true;
  ControlHost& host = HostOf(foco);
  const int id = host.IdOf(foco);
  if (id != kNoId && host.KindOf(id) == Kind::Hosted) ConfirmarEdicion(host.Widget(id));
  return open_;
}

void Dialog::PressEnter() {
  if (!open_) return;
  QWidget* foco = QApplication::focusWidget();
  if (foco && !isAncestorOf(foco)) foco = nullptr;
  ControlHost& host = HostOf(foco);
  const int id = host.IdOf(foco);
  if (id != kNoId) {
    const Kind kind = host.KindOf(id);
    // Hosted controls and multi-line edits keep their Enter, unless the
    // control lets it go on to the dialog; a focused push button is pressed.
    if (kind == Kind::Hosted && !foco->property(kIntroAlDialogo).toBool()) return;
    if (kind == Kind::Button) {
      host.Command(id);
      return;
    }
  }
  if (!LeaveFocusedField()) return;
  const int defecto = EnterId(host);
  if (defecto == kNoId) return;
  ControlHost* destino = host.Has(defecto) ? &host : Has(defecto) ? this : nullptr;
  if (destino && !destino->IsEnabled(defecto)) return;
  (destino ? destino : this)->Command(defecto);
}

void Dialog::keyPressEvent(QKeyEvent* e) {
  const auto mods = e->modifiers() & ~Qt::KeypadModifier;
  if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && mods == Qt::NoModifier) {
    e->accept();
    PressEnter();
    return;
  }
  if (e->key() == Qt::Key_Escape && mods == Qt::NoModifier) {
    e->accept();
    Command(kIdCancel);
    return;
  }
  QDialog::keyPressEvent(e);
}

void Dialog::closeEvent(QCloseEvent* e) {
  if (open_) {
    closing_ = true;
    Command(kIdCancel);
    closing_ = false;
  }
  if (open_) e->ignore();
  else e->accept();
}

}  // namespace vardo::kit
