#include "platform/qt/colorlist.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include "platform/qt/olecolor.h"

namespace vardo {

namespace {

QColor ColorDe(Rgb c) { return OleToQColor(c & 0xFFFFFFu); }

Rgb ColorDeFila(const QModelIndex& index) {
  return static_cast<Rgb>(index.data(Qt::UserRole).toUInt()) & 0xFFFFFFu;
}

}  // namespace

ColoresFilaLista ColoresFila(Rgb color, bool seleccionada, bool activa, const QPalette& paleta) {
  ColoresFilaLista c;
  color &= 0xFFFFFFu;
  c.fondo = seleccionada ? ColorDe(color) : paleta.color(QPalette::Active, QPalette::Base);
  if (!activa)
    c.texto = paleta.color(QPalette::Disabled, QPalette::Text);
  else if (color == 0)
    c.texto = paleta.color(QPalette::Active,
                           seleccionada ? QPalette::HighlightedText : QPalette::Text);
  else
    c.texto = seleccionada ? ColorDe(~color) : ColorDe(color);
  return c;
}

// ---------------------------------------------------------------- painter

void DelegadoListaColores::paint(QPainter* p, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  const bool seleccionada = option.state & QStyle::State_Selected;
  const bool activa = option.state & QStyle::State_Enabled;
  const ColoresFilaLista c = ColoresFila(ColorDeFila(index), seleccionada, activa, option.palette);
  p->save();
  p->fillRect(option.rect, c.fondo);
  p->setPen(c.texto);
  p->setFont(option.font);
  const QRect texto = option.rect.adjusted(2, 0, -2, 0);
  p->drawText(texto, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextExpandTabs,
              index.data(Qt::DisplayRole).toString());
  if (option.state & QStyle::State_HasFocus) {
    // The dotted focus rectangle, in the inverse of what lies under it.
    p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QPen pen(Qt::white, 1, Qt::DotLine);
    p->setPen(pen);
    p->setBrush(Qt::NoBrush);
    p->drawRect(option.rect.adjusted(0, 0, -1, -1));
  }
  p->restore();
}

QSize DelegadoListaColores::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
  // The height of a menu check mark, and never less than a line of text.
  const QStyle* estilo = option.widget ? option.widget->style() : QApplication::style();
  const int marca = estilo->pixelMetric(QStyle::PM_IndicatorHeight, &option, option.widget);
  const QFontMetrics fm(option.font);
  const int ancho = fm.horizontalAdvance(index.data(Qt::DisplayRole).toString()) + 4;
  return QSize(ancho, std::max(marca, fm.height() + 2));
}

// ---------------------------------------------------------------- list

CListaEleccion::CListaEleccion(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
}

void CListaEleccion::focusInEvent(QFocusEvent* e) {
  // The item view would make the first row current when none is, which the
  // dialog would hear as a choice: only the frame and the rows repaint.
  QAbstractScrollArea::focusInEvent(e);
  viewport()->update();
}

void CListaEleccion::mousePressEvent(QMouseEvent* e) {
  const QModelIndex index = indexAt(e->position().toPoint());
  filaPulsada_ = index.isValid() ? index.row() : -1;
  anulada_ = false;
  pulsando_ = true;
  QListWidget::mousePressEvent(e);
  pulsando_ = false;
}

void CListaEleccion::mouseMoveEvent(QMouseEvent* e) {
  if (anulada_ && (e->buttons() & Qt::LeftButton)) return;
  QListWidget::mouseMoveEvent(e);
}

void CListaEleccion::mouseReleaseEvent(QMouseEvent* e) {
  QListWidget::mouseReleaseEvent(e);
  anulada_ = false;
}

void CListaEleccion::setSelection(const QRect& rect,
                                  QItemSelectionModel::SelectionFlags command) {
  // The press made its row current and the choice's handler has run: a
  // handler that moved or cleared the current row meant it.
  if (pulsando_ && filaPulsada_ >= 0 && currentRow() != filaPulsada_) anulada_ = true;
  if (anulada_) return;
  QListWidget::setSelection(rect, command);
}

CListaColores::CListaColores(QWidget* parent) : CListaEleccion(parent) {
  setItemDelegate(new DelegadoListaColores(this));
}

int CListaColores::AddItem(const std::string& utf8, Rgb color) {
  auto* item = new QListWidgetItem(QString::fromUtf8(utf8.data(), static_cast<int>(utf8.size())));
  item->setData(Qt::UserRole, static_cast<uint>(color & 0xFFFFFFu));
  addItem(item);
  return row(item);
}

void CListaColores::SetColor(int index, Rgb color) {
  QListWidgetItem* it = item(index);
  if (!it) return;
  it->setData(Qt::UserRole, static_cast<uint>(color & 0xFFFFFFu));
  viewport()->repaint();
}

Rgb CListaColores::GetColor(int index) const {
  const QListWidgetItem* it = item(index);
  return it ? static_cast<Rgb>(it->data(Qt::UserRole).toUInt()) & 0xFFFFFFu : 0;
}

}  // namespace vardo
