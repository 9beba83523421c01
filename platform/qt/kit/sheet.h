// Property sheets and wizards: pages built from control tables, each with
// activation and leave hooks; a page may refuse to be left, which keeps it
// (and refuses OK, Next or the tab change). See kit.h for the guide.
#pragma once
#include <QWidget>
#include <vector>

#include "platform/qt/kit/dialog.h"

class QStackedWidget;
class QTabBar;

namespace vardo::kit {

class PropertySheet;

// Wizard buttons, or-ed, for PropertySheet::SetWizardButtons.
enum WizardButtons : unsigned {
  kWizBack = 1u << 0,
  kWizNext = 1u << 1,
  kWizFinish = 1u << 2,
};

class Page : public QWidget, public ControlHost {
  Q_OBJECT
 public:
  // The template's caption is the tab's text (a wizard's title while shown).
  explicit Page(Template t);
  ~Page() override;

  PropertySheet* Sheet() const { return sheet_; }
  const Template& Layout() const { return template_; }
  // Whether the page was ever activated (its controls exist). A sheet run
  // again builds each page afresh at its first activation in that run.
  bool Created() const { return Built(); }

  bool Live() const override;
  bool Quiet() const override;

 protected:
  friend class PropertySheet;
  // First activation, after the controls are built and the bound members
  // loaded.
  virtual void OnInit() {}
  // Each activation (the first one after OnInit). The default reloads the
  // bound members into the controls, except on the first activation.
  virtual void OnSetActive();
  // Leaving the page (another tab, OK, Next, Back, Finish). The default
  // saves the bound members with their checks; false keeps the page.
  virtual bool OnKillActive();
  // Wizard buttons: false stays on the page. Next and Back run after
  // (Back: before) OnKillActive; the default Finish runs OnKillActive.
  virtual bool OnWizardNext() { return true; }
  virtual bool OnWizardBack() { return true; }
  virtual bool OnWizardFinish() { return OnKillActive(); }

 private:
  Template template_;
  PropertySheet* sheet_ = nullptr;
  bool visited_ = false;
};

class PropertySheet : public Dialog {
  Q_OBJECT
 public:
  // Buttons "Aceptar" and "Cancelar" under the tabs; in wizard mode "< Atrás",
  // "Siguiente >", "Finalizar" and "Cancelar".
  explicit PropertySheet(std::string caption, QWidget* parent = nullptr, int startPage = 0);
  ~PropertySheet() override;

  // Pages in tab order; they are the caller's (usually members).
  void AddPage(Page& page);
  void SetWizardMode() { wizard_ = true; }
  bool WizardMode() const { return wizard_; }
  void SetStartPage(int index) { start_ = index; }

  int PageCount() const { return static_cast<int>(pages_.size()); }
  Page& PageAt(int index) const { return *pages_.at(static_cast<std::size_t>(index)); }
  int ActiveIndex() const { return active_; }
  Page* ActivePage() const;
  // Leaves the active page (which may refuse) and activates another; false
  // when the page refused or the index is out of range.
  bool SetActivePage(int index);

  // Which wizard buttons are enabled (kWizBack | kWizNext | kWizFinish). Each
  // activation starts from Back but on the first page, Next but on the last
  // and Finish on the last; a page's OnSetActive may change them.
  void SetWizardButtons(unsigned buttons);
  unsigned WizardButtonsShown() const { return buttons_; }

  void Command(int id) override;

  // The tab bar (not in wizard mode).
  QTabBar* Tabs() const { return tabs_; }

 protected:
  // OK leaves the active page first; a refusal keeps the sheet open.
  void OnOK() override;
  void BeforeBuild() override;
  void AfterBuild() override;
  ControlHost& HostOf(QWidget* focus) override;
  int EnterId(ControlHost& focusHost) const override;
  bool eventFilter(QObject* obj, QEvent* ev) override;

 private:
  // Ctrl+Tab and Ctrl+PgDn: the next page; Ctrl+Shift+Tab and Ctrl+PgUp:
  // the previous one, round the ends. True when e was such a key.
  bool PageKey(QKeyEvent* e);
  void Activate(int index);
  void Next();
  void Back();
  void Finish();

  std::vector<QPointer<Page>> pages_;
  bool wizard_ = false;
  int start_ = 0;
  int active_ = -1;
  unsigned buttons_ = 0;
  QTabBar* tabs_ = nullptr;
  QWidget* area_ = nullptr;
  QWidget* line_ = nullptr;
  QStackedWidget* stack_ = nullptr;
  bool switching_ = false;
};

}  // namespace vardo::kit
