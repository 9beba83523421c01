// The widgets the kit makes for the kinds Qt has no match for: the up-down
// arrows on an integer buddy, the radio button whose group the host keeps,
// the colour list, the gradient progress bar and the paint area. Dialogs
// reach them through ControlHost; tests may use their parts directly.
#pragma once
#include <QListWidget>
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
  std::function<bool(int pos, int delta)> onStep;

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

// List box. Owner-drawn, each row carries a colour: an unselected row shows
// its text in its colour on the window background, a selected row is filled
// with its colour and shows its text in the inverse colour; colour 0 uses
// the system's text and highlight colours.
//
// Taking the focus chooses nothing (no row becomes current). A press makes
// its row current, which the dialog hears as a choice; when the dialog's
// handler then moves or clears the current row, the press selects nothing
// and the drag of that press neither, so the handler's doing stands.
class ListWidget : public QListWidget {
  Q_OBJECT
 public:
  ListWidget(bool ownerDrawn, QWidget* parent = nullptr);
  bool OwnerDrawn() const { return ownerDrawn_; }

 protected:
  void focusInEvent(QFocusEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;

 private:
  bool ownerDrawn_;
  bool pulsando_ = false;  // inside the handling of a press
  int filaPulsada_ = -1;   // the row under that press
  bool anulada_ = false;   // the handler changed the current row: this press selects nothing
};

// Progress bar painted as a gradient from one colour to another.
class ProgressWidget : public QWidget {
  Q_OBJECT
 public:
  explicit ProgressWidget(QWidget* parent = nullptr);

  void SetRange(int lo, int hi);
  void SetPos(int pos);
  int Pos() const { return pos_; }
  int Lower() const { return lo_; }
  int Upper() const { return hi_; }
  void SetStep(int step) { step_ = step; }
  // Advances by the step; past the end it starts again from the start.
  void StepIt();
  void SetGradient(Rgb from, Rgb to);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  int lo_ = 0;
  int hi_ = 100;
  int pos_ = 0;
  int step_ = 10;
  bool gradient_ = false;
  Rgb from_ = 0;
  Rgb to_ = 0;
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
