#include "platform/qt/flatstyle.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDockWidget>
#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QStyleOption>
#include <QToolButton>

namespace vardo {

namespace {

// The five colours of a 3D border.
struct Colores3D {
  QColor cara;          // face
  QColor sombra;        // shadow
  QColor luz;           // highlight
  QColor sombraOscura;  // dark shadow
  QColor luzClara;      // light
};

Colores3D De(const QPalette& p) {
  return {p.color(QPalette::Button), p.color(QPalette::Dark), p.color(QPalette::Light),
          p.color(QPalette::Shadow), p.color(QPalette::Midlight)};
}

// A one-pixel rectangle: top and left edges in one colour, right and bottom
// edges in the other.
void Marco3D(QPainter* p, const QRect& r, const QColor& arribaIzq, const QColor& abajoDer) {
  if (r.width() <= 0 || r.height() <= 0) return;
  p->fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), arribaIzq);
  p->fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), arribaIzq);
  p->fillRect(QRect(r.right(), r.top(), 1, r.height()), abajoDer);
  p->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), abajoDer);
}

// Two such rectangles, the second one pixel inside the first.
void MarcoDoble(QPainter* p, const QRect& r, const QColor& a, const QColor& b, const QColor& c,
                const QColor& d) {
  Marco3D(p, r, a, b);
  Marco3D(p, r.adjusted(1, 1, -1, -1), c, d);
}

// A field's border: thin and sunken with a face-coloured ring while idle,
// fully sunken while hot.
void MarcoCampo(QPainter* p, const QRect& r, const QPalette& pal, bool caliente) {
  const Colores3D c = De(pal);
  if (caliente)
    MarcoDoble(p, r, c.sombra, c.luz, c.sombraOscura, c.luzClara);
  else
    MarcoDoble(p, r, c.sombra, c.luz, c.cara, c.cara);
}

// A button's border: thin and raised while idle, fully raised while hot,
// sunken while pressed.
void MarcoBoton(QPainter* p, const QRect& r, const QPalette& pal, bool caliente, bool pulsado) {
  const Colores3D c = De(pal);
  if (pulsado)
    MarcoDoble(p, r, c.sombraOscura, c.luz, c.sombra, c.luzClara);
  else if (caliente)
    MarcoDoble(p, r, c.luz, c.sombraOscura, c.luzClara, c.sombra);
  else
    MarcoDoble(p, r, c.luz, c.sombra, c.cara, c.cara);
}

// A face-coloured button with its border.
void Boton(QPainter* p, const QRect& r, const QPalette& pal, bool caliente, bool pulsado) {
  p->fillRect(r, pal.color(QPalette::Button));
  MarcoBoton(p, r, pal, caliente, pulsado);
}

bool Caliente(const QStyleOption* o, bool conFoco = true) {
  return (o->state & QStyle::State_MouseOver) || (conFoco && (o->state & QStyle::State_HasFocus));
}

QColor FondoCampo(const QStyleOption* o) {
  return o->palette.color((o->state & QStyle::State_Enabled) ? QPalette::Active : QPalette::Disabled,
                          (o->state & QStyle::State_Enabled) ? QPalette::Base : QPalette::Window);
}

}  // namespace

CGestorControles::CGestorControles(QStyle* base) : QProxyStyle(base) {}

bool CGestorControles::Instalado() {
  return qobject_cast<CGestorControles*>(QApplication::style()) != nullptr;
}

void CGestorControles::Instalar() {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance()) || Instalado()) return;
  QApplication::setStyle(new CGestorControles());
}

bool CGestorControles::EnDialogo(const QWidget* w) {
  for (const QWidget* p = w; p; p = p->parentWidget()) {
    if (qobject_cast<const QDialog*>(p) || qobject_cast<const QDockWidget*>(p)) return true;
    if (p->isWindow()) return !qobject_cast<const QMainWindow*>(p);
  }
  return true;
}

void CGestorControles::polish(QWidget* w) {
  QProxyStyle::polish(w);
  // Repainted as the mouse comes and goes.
  if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
      qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QPushButton*>(w) ||
      qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w) ||
      qobject_cast<QAbstractScrollArea*>(w) || qobject_cast<QScrollBar*>(w) ||
      qobject_cast<QSlider*>(w) || qobject_cast<QHeaderView*>(w) || qobject_cast<QToolButton*>(w))
    w->setAttribute(Qt::WA_Hover);
}

int CGestorControles::pixelMetric(PixelMetric pm, const QStyleOption* o, const QWidget* w) const {
  const int v = QProxyStyle::pixelMetric(pm, o, w);
  if (pm == PM_DefaultFrameWidth && qobject_cast<const QAbstractScrollArea*>(w) && EnDialogo(w))
    return std::max(v, 2);
  return v;
}

void CGestorControles::drawPrimitive(PrimitiveElement pe, const QStyleOption* o, QPainter* p,
                                     const QWidget* w) const {
  if (!EnDialogo(w)) {
    QProxyStyle::drawPrimitive(pe, o, p, w);
    return;
  }
  switch (pe) {
    case PE_PanelLineEdit: {
      const auto* f = qstyleoption_cast<const QStyleOptionFrame*>(o);
      if (!f || f->lineWidth <= 0) break;  // a frameless edit (inside a spin or combo box)
      p->fillRect(o->rect, FondoCampo(o));
      MarcoCampo(p, o->rect, o->palette, Caliente(o));
      return;
    }
    case PE_FrameLineEdit:
      MarcoCampo(p, o->rect, o->palette, Caliente(o));
      return;
    case PE_PanelButtonCommand: {
      const auto* b = qstyleoption_cast<const QStyleOptionButton*>(o);
      if (b && (b->features & QStyleOptionButton::Flat)) break;
      const bool pulsado = o->state & (State_Sunken | State_On);
      QRect r = o->rect;
      if (b && (b->features & QStyleOptionButton::DefaultButton)) {
        // The default button has a dark outer ring.
        p->fillRect(r, o->palette.color(QPalette::Button));
        Marco3D(p, r, o->palette.color(QPalette::Shadow), o->palette.color(QPalette::Shadow));
        r.adjust(1, 1, -1, -1);
      }
      Boton(p, r, o->palette, Caliente(o), pulsado);
      return;
    }
    case PE_PanelButtonTool:
      if (o->state & State_AutoRaise) break;  // tool bars keep their own look
      Boton(p, o->rect, o->palette, Caliente(o), o->state & (State_Sunken | State_On));
      return;
    case PE_IndicatorCheckBox: {
      const QRect r = o->rect;
      const bool tercero = o->state & State_NoChange;
      p->fillRect(r, tercero ? o->palette.color(QPalette::Button) : FondoCampo(o));
      MarcoCampo(p, r, o->palette, Caliente(o, false));
      if (o->state & (State_On | State_NoChange)) {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        const QColor tinta = (tercero || !(o->state & State_Enabled))
                                 ? o->palette.color(QPalette::Disabled, QPalette::Text)
                                 : o->palette.color(QPalette::Active, QPalette::Text);
        p->setPen(QPen(tinta, std::max(1.5, r.width() / 7.0), Qt::SolidLine, Qt::SquareCap,
                       Qt::MiterJoin));
        const QRectF c = QRectF(r).adjusted(3.5, 3.5, -3.5, -3.5);
        const QPointF marca[] = {{c.left(), c.center().y()},
                                 {c.left() + c.width() * 0.4, c.bottom()},
                                 {c.right(), c.top()}};
        p->drawPolyline(marca, 3);
        p->restore();
      }
      return;
    }
    case PE_IndicatorRadioButton: {
      const QRectF r = QRectF(o->rect).adjusted(0.5, 0.5, -0.5, -0.5);
      const Colores3D c = De(o->palette);
      p->save();
      p->setRenderHint(QPainter::Antialiasing);
      p->setPen(Qt::NoPen);
      p->setBrush(FondoCampo(o));
      p->drawEllipse(r);
      p->setBrush(Qt::NoBrush);
      // Upper-left half in the shadow colours, lower-right in the lights.
      auto anillo = [&](const QRectF& a, const QColor& arriba, const QColor& abajo) {
        p->setPen(QPen(arriba, 1.0));
        p->drawArc(a, 45 * 16, 180 * 16);
        p->setPen(QPen(abajo, 1.0));
        p->drawArc(a, 225 * 16, 180 * 16);
      };
      if (Caliente(o, false)) {
        anillo(r, c.sombra, c.luz);
        anillo(r.adjusted(1, 1, -1, -1), c.sombraOscura, c.luzClara);
      } else {
        anillo(r, c.sombra, c.luz);
        anillo(r.adjusted(1, 1, -1, -1), c.cara, c.cara);
      }
      if (o->state & State_On) {
        p->setPen(Qt::NoPen);
        p->setBrush(o->palette.color((o->state & State_Enabled) ? QPalette::Active : QPalette::Disabled,
                                     QPalette::Text));
        const double d = r.width() / 3.0;
        p->drawEllipse(QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d));
      }
      p->restore();
      return;
    }
    default:
      break;
  }
  QProxyStyle::drawPrimitive(pe, o, p, w);
}

void CGestorControles::drawControl(ControlElement ce, const QStyleOption* o, QPainter* p,
                                   const QWidget* w) const {
  if (EnDialogo(w)) {
    switch (ce) {
      case CE_ShapedFrame: {
        // The client edge of lists, trees, tables and multi-line edits;
        // labels and other frames keep theirs.
        const auto* f = qstyleoption_cast<const QStyleOptionFrame*>(o);
        if (f && f->frameShape != QFrame::NoFrame &&
            qobject_cast<const QAbstractScrollArea*>(w)) {
          MarcoCampo(p, o->rect, o->palette, Caliente(o));
          return;
        }
        break;
      }
      case CE_HeaderSection:
        Boton(p, o->rect, o->palette, o->state & State_MouseOver, o->state & State_Sunken);
        return;
      default:
        break;
    }
  }
  QProxyStyle::drawControl(ce, o, p, w);
}

void CGestorControles::drawComplexControl(ComplexControl cc, const QStyleOptionComplex* o,
                                          QPainter* p, const QWidget* w) const {
  if (!EnDialogo(w)) {
    QProxyStyle::drawComplexControl(cc, o, p, w);
    return;
  }
  const bool caliente = Caliente(o);
  const QRect interior = o->rect.adjusted(2, 2, -2, -2);
  // A button of a complex control, with its arrow.
  auto botonFlecha = [&](const QRect& r, SubControl sc, PrimitiveElement flecha) {
    if (!r.isValid()) return;
    const bool pulsado = (o->activeSubControls & sc) && (o->state & State_Sunken);
    Boton(p, r, o->palette, caliente, pulsado);
    QStyleOption f = *o;
    const int lado = std::max(5, std::min(r.width(), r.height()) / 2);
    f.rect = QRect(0, 0, lado, lado);
    f.rect.moveCenter(r.center() + (pulsado ? QPoint(1, 1) : QPoint()));
    f.state &= ~State_Sunken;
    QProxyStyle::drawPrimitive(flecha, &f, p, w);
  };
  switch (cc) {
    case CC_ComboBox: {
      const auto* cb = qstyleoption_cast<const QStyleOptionComboBox*>(o);
      if (!cb || !cb->frame) break;
      p->fillRect(o->rect, FondoCampo(o));
      MarcoCampo(p, o->rect, o->palette, caliente);
      if (cb->subControls & SC_ComboBoxArrow) {
        const QRect r = proxy()->subControlRect(cc, cb, SC_ComboBoxArrow, w) & interior;
        botonFlecha(r, SC_ComboBoxArrow, PE_IndicatorArrowDown);
      }
      return;
    }
    case CC_SpinBox: {
      const auto* sb = qstyleoption_cast<const QStyleOptionSpinBox*>(o);
      if (!sb || !sb->frame) break;
      p->fillRect(o->rect, FondoCampo(o));
      MarcoCampo(p, o->rect, o->palette, caliente);
      if (sb->buttonSymbols == QAbstractSpinBox::NoButtons) return;
      const bool mas = sb->buttonSymbols == QAbstractSpinBox::PlusMinus;
      const QRect arriba = proxy()->subControlRect(cc, sb, SC_SpinBoxUp, w) & interior;
      const QRect abajo = proxy()->subControlRect(cc, sb, SC_SpinBoxDown, w) & interior;
      botonFlecha(arriba, SC_SpinBoxUp, mas ? PE_IndicatorSpinPlus : PE_IndicatorArrowUp);
      botonFlecha(abajo, SC_SpinBoxDown, mas ? PE_IndicatorSpinMinus : PE_IndicatorArrowDown);
      return;
    }
    case CC_ScrollBar: {
      const auto* sl = qstyleoption_cast<const QStyleOptionSlider*>(o);
      if (!sl) break;
      const bool horizontal = sl->orientation == Qt::Horizontal;
      const QRect surco = proxy()->subControlRect(cc, sl, SC_ScrollBarGroove, w);
      p->fillRect(o->rect, o->palette.color(QPalette::Button));
      p->fillRect(surco, QBrush(o->palette.color(QPalette::Light), Qt::Dense4Pattern));
      botonFlecha(proxy()->subControlRect(cc, sl, SC_ScrollBarSubLine, w), SC_ScrollBarSubLine,
                  horizontal ? PE_IndicatorArrowLeft : PE_IndicatorArrowUp);
      botonFlecha(proxy()->subControlRect(cc, sl, SC_ScrollBarAddLine, w), SC_ScrollBarAddLine,
                  horizontal ? PE_IndicatorArrowRight : PE_IndicatorArrowDown);
      if (sl->maximum > sl->minimum) {
        const QRect r = proxy()->subControlRect(cc, sl, SC_ScrollBarSlider, w);
        if (r.isValid()) Boton(p, r, o->palette, caliente, false);
      }
      return;
    }
    case CC_Slider: {
      const auto* sl = qstyleoption_cast<const QStyleOptionSlider*>(o);
      if (!sl || !(sl->subControls & SC_SliderHandle)) break;
      QStyleOptionSlider resto = *sl;
      resto.subControls &= ~SC_SliderHandle;
      QProxyStyle::drawComplexControl(cc, &resto, p, w);
      // The thumb: face, thin raised edge idle, full raised edge hot.
      Boton(p, proxy()->subControlRect(cc, sl, SC_SliderHandle, w), o->palette, caliente, false);
      return;
    }
    default:
      break;
  }
  QProxyStyle::drawComplexControl(cc, o, p, w);
}

}  // namespace vardo
