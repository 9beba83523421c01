// A kit dialog: a window built from a control table, run modally through
// the modal runner or shown modeless. See kit.h for the guide.
#pragma once
#include <QDialog>

#include "platform/qt/kit/host.h"

namespace vardo::kit {

class Dialog : public QDialog, public ControlHost {
  Q_OBJECT
 public:
  explicit Dialog(Template t, QWidget* parent = nullptr);
  ~Dialog() override;

  // Runs the dialog modally through the current modal runner and returns
  // how it ended: kIdOk, kIdCancel, kIdFinish or a code given to End. With
  // no parent it is modal to the active window; windows without a parent
  // (the modeless ones) stay usable.
  int Run();
  // Shows the dialog modeless with no parent; it deletes itself when closed.
  void ShowModeless();
  // Ends the dialog with a code (modal), or closes it (modeless).
  void End(int code);
  bool IsOpen() const { return open_; }
  int Result() const { return result_; }
  bool IsModeless() const { return modeless_; }
  const Template& Layout() const { return template_; }

  // For modal runners: Exec runs the real modal loop; Open initialises and
  // shows the dialog without blocking, for a script to drive it and end it.
  int Exec();
  void Open();

  void Command(int id) override;
  bool Live() const override;

  // What Enter does: the focused control's focus-out, then the default id.
  void PressEnter();

 public slots:
  void accept() override;
  void reject() override;
  // Showing and hiding move the focus without the user: nothing notifies.
  void setVisible(bool visible) override;

 protected:
  // After the controls are built and the bound members loaded.
  virtual void OnInit() {}
  // OK: saves the bound members (checks included) and ends with kIdOk.
  virtual void OnOK();
  // Cancel, Escape, the close box: ends with kIdCancel.
  virtual void OnCancel();

  // Hooks of the property sheet: before the controls are built, and after
  // (while nothing notifies).
  virtual void BeforeBuild() {}
  virtual void AfterBuild() {}
  virtual ControlHost& HostOf(QWidget* focus);
  virtual int EnterId(ControlHost& focusHost) const;
  // Delivers the focused field's focus-out, as the user leaving it would,
  // before a key acts on the dialog (Enter, a page change), or has the
  // focused hosted control commit what is still being edited in it (an open
  // grid cell); false when the dialog closed meanwhile. Buttons keep their
  // focus.
  bool LeaveFocusedField();
  // Only the hosted control's part of that: before OK and Finish, whose
  // button (or Enter) already took the field's focus-out.
  bool CommitHostedEdit();
  void SetLayout(Template t) { template_ = std::move(t); }

  void keyPressEvent(QKeyEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void Prepare();
  void TakeOwner();

  Template template_;
  bool open_ = false;
  bool modeless_ = false;
  bool closing_ = false;
  int result_ = kIdCancel;
};

}  // namespace vardo::kit
