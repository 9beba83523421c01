#include "platform/qt/kit/widgets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>
#include <algorithm>
#include <charconv>
#include <string>

#include "platform/qt/qt_dc.h"

namespace vardo::kit {

namespace {

// A whole number as an up-down reads its buddy: blanks before it, an
// optional sign, digits and nothing after; an empty text reads 0.
bool LeerEntero(const QString& texto, int& v) {
  const std::string s = texto.toStdString();
  std::size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  if (i == s.size()) {
    v = 0;
    return true;
  }
  if (s[i] == '+') ++i;
  const char* fin = s.data() + s.size();
  const auto [p, ec] = std::from_chars(s.data() + i, fin, v);
  return ec == std::errc() && p == fin;
}

}  // namespace

// ---------------------------------------------------------------- typing

TypingRule::TypingRule(bool digits, int limit, QObject* parent)
    : QValidator(parent), digits_(digits), limit_(limit) {}

QValidator::State TypingRule::validate(QString& input, int&) const {
  if (limit_ > 0 && input.size() > limit_) return Invalid;
  if (digits_)
    for (const QChar c : input)
      if (c < QLatin1Char('0') || c > QLatin1Char('9')) return Invalid;
  return Acceptable;
}

// ---------------------------------------------------------------- up-down

UpDownWidget::UpDownWidget(QWidget* parent) : QWidget(parent) {
  up_ = new QToolButton(this);
  down_ = new QToolButton(this);
  for (QToolButton* b : {up_, down_}) {
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRepeat(true);
    b->setAutoRaise(false);
    connect(b, &QToolButton::pressed, this, [this] {
      // Pressing an arrow puts the focus on the buddy first.
      if (buddy_ && buddy_->isEnabled() && !buddy_->hasFocus()) buddy_->setFocus(Qt::MouseFocusReason);
    });
  }
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
  connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
}

void UpDownWidget::SetBuddy(QLineEdit* buddy, bool arrowKeys) {
  buddy_ = buddy;
  if (buddy_ && arrowKeys) buddy_->installEventFilter(this);
}

void UpDownWidget::SetRange(int lo, int hi) {
  lo_ = lo;
  hi_ = hi;
}

void UpDownWidget::SetPos(int pos) {
  pos_ = std::clamp(pos, std::min(lo_, hi_), std::max(lo_, hi_));
  WriteBuddy();
}

void UpDownWidget::ReadBuddy() {
  if (!buddy_) return;
  int v = 0;
  if (LeerEntero(buddy_->text(), v) && v >= std::min(lo_, hi_) && v <= std::max(lo_, hi_)) pos_ = v;
}

void UpDownWidget::WriteBuddy() {
  if (buddy_) buddy_->setText(QString::fromStdString(std::to_string(pos_)));
}

bool UpDownWidget::Pulsada() const { return up_->isDown() || down_->isDown(); }

void UpDownWidget::Step(int delta) {
  if (!isEnabled()) return;
  ReadBuddy();
  const int antes = pos_;
  if (onStep && !onStep(pos_, delta)) return;
  // A handler that moved the up-down itself (showing the record it stepped
  // to) has made the step: the delta is not added a second time.
  ReadBuddy();
  if (pos_ != antes) {
    WriteBuddy();
    return;
  }
  const int nuevo = std::clamp(pos_ + delta, std::min(lo_, hi_), std::max(lo_, hi_));
  if (nuevo == pos_) return;
  pos_ = nuevo;
  WriteBuddy();
}

void UpDownWidget::resizeEvent(QResizeEvent*) {
  const int mitad = height() / 2;
  up_->setGeometry(0, 0, width(), mitad);
  down_->setGeometry(0, mitad, width(), height() - mitad);
}

bool UpDownWidget::eventFilter(QObject* obj, QEvent* ev) {
  if (obj == buddy_ && ev->type() == QEvent::KeyPress) {
    const auto* k = static_cast<QKeyEvent*>(ev);
    if (k->modifiers() == Qt::NoModifier || k->modifiers() == Qt::KeypadModifier) {
      if (k->key() == Qt::Key_Up) {
        Step(1);
        return true;
      }
      if (k->key() == Qt::Key_Down) {
        Step(-1);
        return true;
      }
    }
  }
  return QWidget::eventFilter(obj, ev);
}

// ---------------------------------------------------------------- paint area

PaintWidget::PaintWidget(QWidget* parent) : QWidget(parent) {}

void PaintWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  if (!onPaint) return;
  QtDc dc(p, QPointF(0, 0), 1.0);
  onPaint(dc);
}

}  // namespace vardo::kit
