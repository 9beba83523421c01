#include "platform/qt/kit/widgets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <algorithm>
#include <charconv>
#include <string>

#include "platform/qt/qt_dc.h"

namespace vardo::kit {

namespace {

QColor ColorOf(Rgb c) { return QColor(RgbRed(c), RgbGreen(c), RgbBlue(c)); }

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

class ColourDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const Rgb c = index.data(Qt::UserRole).toUInt();
    const QPalette& pal = option.palette;
    const bool sel = option.state & QStyle::State_Selected;
    QColor fondo = pal.color(QPalette::Base);
    QColor texto = c == 0 ? pal.color(QPalette::Text) : ColorOf(c);
    if (sel) {
      fondo = c == 0 ? pal.color(QPalette::Highlight) : ColorOf(c);
      texto = c == 0 ? pal.color(QPalette::HighlightedText) : ColorOf(c ^ 0xFFFFFFu);
    }
    p->save();
    p->fillRect(option.rect, fondo);
    p->setPen(texto);
    p->setFont(option.font);
    p->drawText(option.rect.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                index.data(Qt::DisplayRole).toString());
    p->restore();
  }
};

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

void UpDownWidget::Step(int delta) {
  if (!isEnabled()) return;
  ReadBuddy();
  if (onStep && !onStep(pos_, delta)) return;
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

// ---------------------------------------------------------------- list

ListWidget::ListWidget(bool ownerDrawn, QWidget* parent)
    : QListWidget(parent), ownerDrawn_(ownerDrawn) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  if (ownerDrawn_) setItemDelegate(new ColourDelegate(this));
}

void ListWidget::focusInEvent(QFocusEvent* e) {
  // The item view would make the first row current when none is, which the
  // dialog would hear as a choice: only the frame and the rows repaint.
  QAbstractScrollArea::focusInEvent(e);
  viewport()->update();
}

void ListWidget::mousePressEvent(QMouseEvent* e) {
  const QModelIndex index = indexAt(e->position().toPoint());
  filaPulsada_ = index.isValid() ? index.row() : -1;
  anulada_ = false;
  pulsando_ = true;
  QListWidget::mousePressEvent(e);
  pulsando_ = false;
}

void ListWidget::mouseMoveEvent(QMouseEvent* e) {
  if (anulada_ && (e->buttons() & Qt::LeftButton)) return;
  QListWidget::mouseMoveEvent(e);
}

void ListWidget::mouseReleaseEvent(QMouseEvent* e) {
  QListWidget::mouseReleaseEvent(e);
  anulada_ = false;
}

void ListWidget::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
  // The press made its row current and the choice's handler has run: a
  // handler that moved or cleared the current row meant it.
  if (pulsando_ && filaPulsada_ >= 0 && currentRow() != filaPulsada_) anulada_ = true;
  if (anulada_) return;
  QListWidget::setSelection(rect, command);
}

// ---------------------------------------------------------------- progress

ProgressWidget::ProgressWidget(QWidget* parent) : QWidget(parent) {}

void ProgressWidget::SetRange(int lo, int hi) {
  lo_ = lo;
  hi_ = hi;
  pos_ = std::clamp(pos_, std::min(lo_, hi_), std::max(lo_, hi_));
  update();
}

void ProgressWidget::SetPos(int pos) {
  pos_ = std::clamp(pos, std::min(lo_, hi_), std::max(lo_, hi_));
  update();
}

void ProgressWidget::StepIt() {
  pos_ += step_;
  if (hi_ > lo_ && (pos_ > hi_ || pos_ < lo_)) {
    const int n = hi_ - lo_;
    pos_ = ((pos_ - lo_) % n + n) % n + lo_;
  }
  update();
}

void ProgressWidget::SetGradient(Rgb from, Rgb to) {
  gradient_ = true;
  from_ = from;
  to_ = to;
  update();
}

void ProgressWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect marco = rect().adjusted(0, 0, -1, -1);
  p.fillRect(rect(), palette().color(QPalette::Window));
  p.setPen(palette().color(QPalette::Mid));
  p.drawRect(marco);
  if (hi_ == lo_) return;
  const double parte = double(pos_ - lo_) / double(hi_ - lo_);
  const QRect interior = marco.adjusted(1, 1, 0, 0);
  const int ancho = static_cast<int>(interior.width() * std::clamp(parte, 0.0, 1.0));
  if (ancho <= 0) return;
  if (gradient_) {
    // The gradient spans the whole bar; the filled part shows its share.
    QLinearGradient g(interior.topLeft(), interior.topRight());
    g.setColorAt(0, ColorOf(from_));
    g.setColorAt(1, ColorOf(to_));
    p.fillRect(QRect(interior.topLeft(), QSize(ancho, interior.height())), g);
  } else {
    p.fillRect(QRect(interior.topLeft(), QSize(ancho, interior.height())),
               palette().color(QPalette::Highlight));
  }
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
