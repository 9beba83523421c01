// The widgets the kit makes for the kinds Qt has no match for: the up-down
// arrows on an integer buddy, the radio button whose group the host keeps
// and the paint area. Owner-drawn lists are the program's colour list
// (CListaColores, colorlist.h) and progress bars its gradient bar
// (CGradientProgressCtrl, gradientprogress.h). Dialogs reach them through
// ControlHost; tests may use their parts directly.
#pragma once
#include <QRadioButton>
#include <QValidator>
#include <QWidget>
#include <functional>

#include "platform/core/types.h"

class QLineEdit;
class QToolButton;

namespace vardo {
class QtDc;
}

namespace vardo::kit {

// Up-down arrows. With an integer buddy each step first re-reads the buddy's
// text as the position (kept when it is no whole number in range), then
// asks the host (which may refuse the step), then writes the new position,
// held within the range, back into the buddy as "%d".
class UpDownWidget : public QWidget {
  Q_OBJECT
 public:
  explicit UpDownWidget(QWidget* parent = nullptr);

  void SetBuddy(QLineEdit* buddy, bool arrowKeys);
  QLineEdit* Buddy() const { return buddy_; }
  void SetRange(int lo, int hi);
  int Lower() const { return lo_; }
  int Upper() const { return hi_; }
  // Sets the position (held within the range) and writes it into the buddy.
  void SetPos(int pos);
  int Pos() const { return pos_; }

  // Asked before each step with the position and the step; false refuses it.
  // A handler that moves the position itself (the buddy then shows another
  // number) has made the step: the delta is not added on top.
  std::function<bool(int pos, int delta)> onStep;

  // An arrow is held down (its press is still being handled).
  bool Pulsada() const;

  // One step as the user makes it with an arrow: +1 up, -1 down.
  void Step(int delta);

  QToolButton* UpArrow() const { return up_; }
  QToolButton* DownArrow() const { return down_; }

 protected:
  void resizeEvent(QResizeEvent* e) override;
  bool eventFilter(QObject* obj, QEvent* ev) override;

 private:
  void ReadBuddy();
  void WriteBuddy();

  QToolButton* up_ = nullptr;
  QToolButton* down_ = nullptr;
  QLineEdit* buddy_ = nullptr;
  int lo_ = 0;
  int hi_ = 100;
  int pos_ = 0;
};

// What a user may type into an edit: digits only, at most so many
// characters. Text the dialog itself writes is not limited.
class TypingRule : public QValidator {
  Q_OBJECT
 public:
  TypingRule(bool digits, int limit, QObject* parent);
  void SetLimit(int limit) { limit_ = limit; }
  int Limit() const { return limit_; }
  State validate(QString& input, int& pos) const override;

 private:
  bool digits_;
  int limit_;
};

// A radio button that a click always sets (never clears); the host clears
// the others of its group.
class RadioWidget : public QRadioButton {
  Q_OBJECT
 public:
  using QRadioButton::QRadioButton;

 protected:
  void nextCheckState() override { setChecked(true); }
};

// White area painted by the dialog through QtDc: 0.01 mm units, y upwards,
// the origin at the area's top-left corner.
class PaintWidget : public QWidget {
  Q_OBJECT
 public:
  explicit PaintWidget(QWidget* parent = nullptr);
  std::function<void(QtDc& dc)> onPaint;

 protected:
  void paintEvent(QPaintEvent* e) override;
};

}  // namespace vardo::kit
