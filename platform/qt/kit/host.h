// What dialogs and property-sheet pages share: the controls of a template
// found by id, typed accessors, notifications of the user's actions, timers
// by id and data exchange. See kit.h for the guide.
#pragma once
#include <QFont>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/core/numero_tecleado.h"
#include "platform/core/types.h"
#include "platform/qt/kit/exchange.h"
#include "platform/qt/kit/definicion.h"
#include "platform/qt/timer.h"

namespace vardo {
class QtDc;
}

namespace vardo::kit {

// A hosted control's widget that holds this property true does not keep
// Enter: the dialog presses its default button.
inline constexpr const char* kIntroAlDialogo = "vardoIntroAlDialogo";

// The dialog font (the templates' 8-point sans serif) and its dialog units:
// one horizontal unit is a quarter of its average character width, one
// vertical unit an eighth of its height.
QFont DialogFont();
QRect ToPixels(const QFont& font, int x, int y, int w, int h);

class ControlHost {
 public:
  ControlHost(const ControlHost&) = delete;
  ControlHost& operator=(const ControlHost&) = delete;
  virtual ~ControlHost();

  // ---------------------------------------------------------------- controls
  // Every accessor throws std::out_of_range for an id the table lacks.
  bool Has(int id) const;
  Kind KindOf(int id) const;
  QWidget* Widget(int id) const;
  template <class W>
  W* Get(int id) const {
    return qobject_cast<W*>(Widget(id));
  }
  // The id of the control that w is or lies in; kNoId when none.
  int IdOf(const QWidget* w) const;

  // Text of an edit, label, button, group or combo (a list-only combo: the
  // selected entry).
  std::string Text(int id) const;
  void SetText(int id, std::string_view text);
  // The field read as typed: its leading number, 0 when it has none.
  double Number(int id) const;
  // The field read by the one number rule (platform/core/numero_tecleado.h)
  // within the range. A refused text shows its message, puts the focus on
  // the field with its text selected and returns false, v unchanged. A field
  // the user has not edited since the program wrote it is taken as it is:
  // its number without the range check, or v unchanged when it holds none
  // (a "-" standing for a value not set). `duringStep`: see Refuse.
  bool ReadNumber(int id, double& v, const RangoNumero& rango = RangoNumero::Finito(),
                  bool duringStep = false);
  // True when the user changed the field's text (typing, pasting) since the
  // program last wrote it; true for a control that is no edit.
  bool Typed(int id) const;
  // An arrow of up-down id is held down: its press, which may have moved
  // the focus, is still being handled.
  bool ArrowHeld(int id) const;
  // Shows a refusal: the message, then the focus on the field with its text
  // selected. During an up-down's step, where a message box would keep the
  // arrow pressed, a beep stands for the message.
  void Refuse(int id, const std::string& message, bool duringStep = false);
  // Its leading whole number (blanks, a sign, digits), 0 when none.
  int Integer(int id) const;
  // Writes v as the program's number text with that many significant digits.
  void SetNumber(int id, double v, int digits = 6);
  void SetInt(int id, int v);

  bool Checked(int id) const;
  void SetCheck(int id, bool on);
  // Radio groups: the index of the set radio among the radios of the group
  // that starts at firstId (-1 none); setting -1 clears the group.
  int RadioIndex(int firstId) const;
  void SetRadioIndex(int firstId, int index);

  void Enable(int id, bool on = true);
  bool IsEnabled(int id) const;
  void Show(int id, bool on = true);
  bool IsShown(int id) const;
  void SetReadOnly(int id, bool on = true);
  bool IsReadOnly(int id) const;
  void SetLimit(int id, int maxChars);
  // Moves the focus without notifying anybody.
  void Focus(int id);
  int FocusedId() const;
  void SelectAll(int id);
  // The default push button (Enter presses it); kNoId for none.
  int DefaultId() const { return defaultId_; }
  void SetDefaultId(int id);

  // Lists and combos. Indexes from 0; -1 is no selection.
  void ResetContent(int id);
  // Appends (or, sorted, inserts in order) and returns the index.
  int AddString(int id, std::string_view text, Rgb colour = 0);
  int InsertString(int id, int index, std::string_view text, Rgb colour = 0);
  void DeleteString(int id, int index);
  int Count(int id) const;
  std::string ItemText(int id, int index) const;
  int FindExact(int id, std::string_view text) const;
  int CurSel(int id) const;
  void SetCurSel(int id, int index);
  void SetItemColor(int id, int index, Rgb colour);
  Rgb ItemColor(int id, int index) const;

  // Up-downs, sliders and progress bars.
  void SetRange(int id, int lo, int hi);
  void SetPos(int id, int pos);
  int Pos(int id) const;
  void SetStep(int id, int step);  // progress
  void StepIt(int id);             // progress
  void SetGradient(int id, Rgb from, Rgb to);  // progress

  // Repaints a control (a paint area calls its painter again).
  void Invalidate(int id);

  // ---------------------------------------------------------- notifications
  // Only the user's actions notify; nothing notifies while the dialog
  // initialises, while a page activates, during the calls above or after
  // the dialog ended. Focus moves caused by another window (a message box,
  // a popup) do not notify either. One handler per control and kind.
  using Handler = std::function<void()>;
  void OnClick(int id, Handler h);        // button, check box, radio (after its check changed)
  void OnDoubleClick(int id, Handler h);  // list
  // A user's choice in a list or combo, even of the entry already selected.
  void OnSelect(int id, Handler h);
  void OnFocusIn(int id, Handler h);
  void OnFocusOut(int id, Handler h);
  void OnEdit(int id, Handler h);   // the user changed an edit's text
  void OnSlide(int id, Handler h);  // the user moved a slider
  // An up-down step: pos is the position re-read from the buddy, delta +1
  // up or -1 down; return false to refuse the step.
  void OnStep(int id, std::function<bool(int pos, int delta)> h);
  // Event number n of a hosted control (its signals in declaration order,
  // from 1).
  void OnEvent(int id, int n, Handler h);
  // Paints a paint area.
  void OnPaint(int id, std::function<void(QtDc& dc)> h);

  // ------------------------------------------------------------------ timers
  // Timers by id, as the window's own: SetTimer (re)starts a periodic timer.
  void SetTimer(int id, int periodMs);
  void KillTimer(int id);
  bool TimerActive(int id) const;
  int TimerPeriod(int id) const;  // -1 when not running
  void OnTimer(std::function<void(int id)> h);
  // Runs the handler of a running timer now, as its tick would (tests);
  // false when that timer is not running.
  bool FireTimer(int id);

  // ---------------------------------------------------------- data exchange
  // save: controls to members, with the checks; false when a check failed
  // (its message shown and the field focused). !save: members to controls.
  bool UpdateData(bool save = true);

  // Runs a control's command as a click would (OK, Cancel and the wizard
  // buttons go to their handlers).
  virtual void Command(int id);
  // True while the window takes notifications (built and not ended).
  virtual bool Live() const;
  // True while notifications are held back (initialising, activating, the
  // dialog's own changes).
  virtual bool Quiet() const { return quiet_ > 0; }
  // The widget the controls live on.
  QWidget& Surface() const { return self_; }
  const QFont& Font() const { return font_; }

 protected:
  explicit ControlHost(QWidget& self);

  // Binds members to controls; see Exchange.
  virtual void DataExchange(Exchange& dx) {}

  // Creates the controls of t on the surface (removing earlier ones) and
  // sizes the surface to the template.
  void Build(const Template& t);
  bool Built() const { return built_; }
  // Notifications are held back while the count is above 0.
  void Hold() { ++quiet_; }
  void Release() { --quiet_; }
  void KillTimers();

 private:
  friend class Exchange;
  friend class HostFilter;
  friend class Dialog;
  enum class Event { Click, DoubleClick, Select, FocusIn, FocusOut, Edit, Slide };

  struct Entry {
    DefControl def;
    QWidget* widget = nullptr;
    int group = 0;
  };
  const Entry& At(int id) const;
  const Entry* Find(int id) const;
  void Notify(int id, Event e);
  void Connect(Entry& e);
  // Clears the radios of a group but one.
  void Uncheck(int group, const QWidget* except);
  std::vector<const Entry*> RadiosOf(int firstId) const;
  [[noreturn]] void Fail(int id, const std::string& message);

  QWidget& self_;
  QFont font_;
  bool built_ = false;
  int quiet_ = 0;
  int defaultId_ = kNoId;
  std::vector<Entry> entries_;
  std::map<int, std::size_t> index_;
  QObject* filter_ = nullptr;
  std::map<std::pair<int, Event>, Handler> handlers_;
  std::map<int, std::function<bool(int, int)>> stepHandlers_;
  std::map<std::pair<int, int>, Handler> eventHandlers_;
  std::map<int, std::function<void(QtDc&)>> painters_;
  TimerSet timers_;
  std::function<void(int)> timerHandler_;
};

}  // namespace vardo::kit
