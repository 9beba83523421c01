// Driving kit dialogs headlessly, as a user would: Driver types into fields,
// moves the focus, presses Enter or Escape, clicks, chooses list entries,
// steps up-downs, switches pages and grabs the window; ScriptedRunner stands
// in for every nested modal run (kit dialogs, message boxes, file dialogs,
// font and colour choosers, beeps), answering from one script and logging
// each run in order.
//
//   ScriptedRunner runner;
//   kit::ScopedModalRunner use(runner);
//   runner.ScriptDialog([](Driver& d) { d.Type(1065, "2.5"); d.Click(kit::kIdOk); });
//   runner.ScriptMessage(Answer::Yes);
//   ... the code under test runs its dialogs ...
//   EXPECT_EQ(runner.Log()[0].text, "Autograbación");
#pragma once
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/qt/kit/dialog.h"
#include "platform/qt/kit/runner.h"
#include "platform/qt/kit/sheet.h"
#include "platform/qt/kit/widgets.h"
#include "platform/qt/timer.h"

namespace vardo::prueba {

// Keys typed into a widget that has the focus, one character each (any
// Unicode text).
inline void TypeKeys(QWidget* w, const std::string& text) {
  for (const QChar ch : QString::fromStdString(text)) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(w, &release);
  }
}

// A mouse click as the window system delivers it: a window blocked by a
// modal dialog does not get it, and a hidden widget is not hit.
inline void ClickAt(QWidget* w, QPoint p) {
  QWidget* ventana = w->window();
  if (!ventana->windowHandle()) return;
  QTest::mouseClick(ventana->windowHandle(), Qt::LeftButton, Qt::NoModifier, w->mapTo(ventana, p));
}
inline void ClickAt(QWidget* w) { ClickAt(w, w->rect().center()); }

// The user clicks into a box (a control's own, say), replaces its text by
// typing, and confirms with Enter or leaves with Tab.
inline void TypeIntoBox(QLineEdit* box, const std::string& text, bool enter) {
  box->setFocus(Qt::MouseFocusReason);
  box->selectAll();
  if (text.empty()) QTest::keyClick(box, Qt::Key_Delete);
  TypeKeys(box, text);
  QTest::keyClick(box, enter ? Qt::Key_Return : Qt::Key_Tab);
}

class Driver {
 public:
  explicit Driver(kit::Dialog& dialog) : dialog_(dialog) {}

  kit::Dialog& Dialog() const { return dialog_; }
  // The host of a control: the active page of a sheet first, then the dialog.
  kit::ControlHost& Host(int id) const {
    if (auto* s = dynamic_cast<kit::PropertySheet*>(&dialog_))
      if (kit::Page* p = s->ActivePage(); p && p->Has(id)) return *p;
    return dialog_;
  }
  QWidget* W(int id) const { return Host(id).Widget(id); }
  std::string Text(int id) const { return Host(id).Text(id); }

  // The user puts the focus on a control (clicking or tabbing into it).
  void Focus(int id) {
    QWidget* w = W(id);
    if (auto* c = qobject_cast<QComboBox*>(w); c && c->lineEdit()) w = c;
    w->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
  }

  // The user replaces a field's text by typing (focus, select all, keys).
  void Type(int id, const std::string& text) {
    Focus(id);
    QWidget* w = W(id);
    if (auto* c = qobject_cast<QComboBox*>(w)) w = c->lineEdit();
    if (auto* le = qobject_cast<QLineEdit*>(w)) le->selectAll();
    else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) m->selectAll();
    if (text.empty()) QTest::keyClick(w, Qt::Key_Delete);
    TypeKeys(w, text);
  }

  // Enter and Escape where the focus is (the dialog when nothing has it).
  void Enter() { Key(Qt::Key_Return); }
  void Escape() { Key(Qt::Key_Escape); }
  void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* f = QApplication::focusWidget();
    QTest::keyClick(f && dialog_.isAncestorOf(f) ? f : &dialog_, static_cast<Qt::Key>(key), mods);
  }

  // A mouse click on a button, check box or radio (hidden or disabled
  // ones ignore it, as they would a user's).
  void Click(int id) {
    QWidget* w = W(id);
    QPoint p = w->rect().center();
    if (w->inherits("QCheckBox") || w->inherits("QRadioButton"))
      p = QPoint(w->style()->pixelMetric(QStyle::PM_IndicatorWidth) / 2 + 1, w->height() / 2);
    ClickAt(w, p);
  }

  // The user chooses entry index of a list or combo (notified even when it
  // is the entry already chosen).
  void Choose(int id, int index) {
    QWidget* w = W(id);
    if (auto* l = qobject_cast<QListWidget*>(w)) {
      QListWidgetItem* item = l->item(index);
      ASSERT_NE(item, nullptr) << "no entry " << index;
      l->scrollToItem(item);
      ClickAt(l->viewport(), l->visualItemRect(item).center());
      return;
    }
    auto* c = qobject_cast<QComboBox*>(w);
    ASSERT_NE(c, nullptr) << "control " << id << " has no entries";
    ASSERT_TRUE(index >= 0 && index < c->count()) << "no entry " << index;
    Focus(id);
    c->setCurrentIndex(index);
    emit c->activated(index);
  }

  // Clicks an up-down's arrow: delta > 0 up, < 0 down, |delta| times.
  void Step(int id, int delta) {
    auto* u = qobject_cast<kit::UpDownWidget*>(W(id));
    ASSERT_NE(u, nullptr) << "control " << id << " is no up-down";
    for (int i = 0; i < std::abs(delta); ++i)
      ClickAt(delta > 0 ? u->UpArrow() : u->DownArrow());
  }

  // The user drags a slider to a value.
  void Slide(int id, int value) {
    auto* s = qobject_cast<QSlider*>(W(id));
    ASSERT_NE(s, nullptr) << "control " << id << " is no slider";
    s->setSliderDown(true);
    s->setSliderPosition(value);
    s->setSliderDown(false);
  }

  // Clicks the tab of a sheet's page; true when that page is now active.
  bool Page(int index) {
    auto* s = dynamic_cast<kit::PropertySheet*>(&dialog_);
    if (!s || !s->Tabs()) {
      ADD_FAILURE() << "no tabbed sheet";
      return false;
    }
    ClickAt(s->Tabs(), s->Tabs()->tabRect(index).center());
    return s->ActiveIndex() == index;
  }

  void Ok() { Click(kit::kIdOk); }
  void Cancel() { Click(kit::kIdCancel); }
  void Next() { Click(kit::kIdNext); }
  void Back() { Click(kit::kIdBack); }
  void Finish() { Click(kit::kIdFinish); }

  // The timers' clock moved on by the period of a running timer of the
  // dialog (of its active page first), so that its tick comes, after any
  // other falling due before it; false when it is not running.
  bool Timer(int id) {
    kit::ControlHost* h = &dialog_;
    if (auto* s = dynamic_cast<kit::PropertySheet*>(&dialog_))
      if (kit::Page* p = s->ActivePage(); p && p->TimerActive(id)) h = p;
    const int periodo = h->TimerPeriod(id);
    if (periodo < 0) return false;
    ManualClock::Advance(periodo);
    return true;
  }

  // The window as shown, into a PNG file.
  bool Grab(const std::string& path) {
    QApplication::processEvents();
    return dialog_.grab().save(QString::fromStdString(path), "PNG");
  }

 private:
  kit::Dialog& dialog_;
};

// One nested run as the runner saw it.
struct RunRecord {
  enum class Kind { Message, File, Font, Color, Beep, Dialog };
  Kind kind = Kind::Message;
  std::string text;  // message text, file dialog title, dialog caption
  MsgButtons buttons = MsgButtons::Ok;
  MsgIcon icon = MsgIcon::None;
  int frequency = 0;  // beep
  int duration = 0;
};

class ScriptedRunner : public kit::ModalRunner {
 public:
  using Script = std::function<void(Driver&)>;

  // The answers, taken in order by the runs they match.
  void ScriptMessage(Answer a) { script_.emplace_back(a); }
  void ScriptFile(const QString& path) { script_.emplace_back(path); }  // "" Cancel
  void ScriptFont(std::optional<LogFont> f) { script_.emplace_back(FontAnswer{std::move(f)}); }
  void ScriptColor(std::optional<Rgb> c) { script_.emplace_back(ColorAnswer{c}); }
  // The script drives the dialog and should end it; a dialog left open is
  // a test failure and ends with Cancel.
  void ScriptDialog(Script s) { script_.emplace_back(std::move(s)); }

  const std::vector<RunRecord>& Log() const { return log_; }
  void Clear() { log_.clear(); }
  bool Done() const { return script_.empty(); }
  // The last kit dialog run, while it runs and after.
  kit::Dialog* LastDialog() const { return last_; }

  Answer Run(QWidget*, const MessageRequest& r) override {
    log_.push_back({RunRecord::Kind::Message, r.text, r.buttons, r.icon});
    if (auto* a = Take<Answer>("message box")) return *a;
    return (r.buttons == MsgButtons::YesNo || r.buttons == MsgButtons::YesNoCancel) ? Answer::Yes
                                                                                   : Answer::Ok;
  }

  QString Run(QWidget*, const FileDialogRequest& r) override {
    log_.push_back({RunRecord::Kind::File, r.title.toStdString()});
    if (auto* a = Take<QString>("file dialog")) return *a;
    return {};
  }

  int RunDialog(kit::Dialog& d) override {
    log_.push_back({RunRecord::Kind::Dialog, d.Layout().caption});
    kit::Dialog* anterior = last_;
    last_ = &d;
    d.Open();
    if (auto* s = Take<Script>("dialog " + d.Layout().caption); s && d.IsOpen()) {
      Script script = std::move(*s);
      Driver driver(d);
      script(driver);
      if (d.IsOpen()) ADD_FAILURE() << "dialog \"" << d.Layout().caption << "\" left open";
    }
    if (d.IsOpen()) d.End(kit::kIdCancel);
    last_ = anterior ? anterior : &d;
    return d.Result();
  }

  bool ChooseFont(QWidget*, LogFont& font) override {
    log_.push_back({RunRecord::Kind::Font, font.faceName});
    auto* a = Take<FontAnswer>("font chooser");
    if (!a || !a->font) return false;
    font = *a->font;
    return true;
  }

  bool ChooseColor(QWidget*, Rgb& colour) override {
    log_.push_back({RunRecord::Kind::Color, std::to_string(colour)});
    auto* a = Take<ColorAnswer>("colour chooser");
    if (!a || !a->colour) return false;
    colour = *a->colour;
    return true;
  }

  void Beep(int frequencyHz, int durationMs) override {
    RunRecord r;
    r.kind = RunRecord::Kind::Beep;
    r.frequency = frequencyHz;
    r.duration = durationMs;
    log_.push_back(r);
  }

 private:
  struct FontAnswer {
    std::optional<LogFont> font;
  };
  struct ColorAnswer {
    std::optional<Rgb> colour;
  };
  using Step = std::variant<Answer, QString, FontAnswer, ColorAnswer, Script>;

  // The next step when it answers this kind of run; a step of another kind
  // is a test failure and stays for the run it belongs to.
  template <class T>
  T* Take(const std::string& what) {
    if (script_.empty()) return nullptr;
    if (!std::holds_alternative<T>(script_.front())) {
      ADD_FAILURE() << "the script's next step does not answer the " << what;
      return nullptr;
    }
    taken_ = std::move(script_.front());
    script_.pop_front();
    return &std::get<T>(taken_);
  }

  std::deque<Step> script_;
  Step taken_;
  std::vector<RunRecord> log_;
  kit::Dialog* last_ = nullptr;
};

}  // namespace vardo::prueba
