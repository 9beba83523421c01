// The flat look of dialog controls, as one application-wide style: edit
// fields, combo boxes, spin boxes, lists, push buttons, check boxes, radio
// buttons, scroll bars, track bars, header sections and tool buttons show a
// flat border in the face and shadow colours while idle, and a full 3D border
// (sunken for fields, raised for buttons) while the mouse is over them or
// they have the focus; check boxes and radio buttons follow the mouse only.
// Group boxes, flat buttons and controls that paint themselves keep their
// own look, and so do the main window's own bars and document area (only
// controls inside a dialog or a docked pane are framed). Everything else is
// drawn by the underlying style. Qt repaints a control as the mouse enters
// and leaves it, so no timer watches the mouse.
#pragma once
#include <QProxyStyle>

namespace vardo {

class CGestorControles : public QProxyStyle {
  Q_OBJECT
 public:
  // Draws on top of the given style (the application's default when null).
  explicit CGestorControles(QStyle* base = nullptr);

  // Sets the style on the application once; later calls do nothing.
  static void Instalar();
  static bool Instalado();

  void polish(QWidget* widget) override;
  using QProxyStyle::polish;
  void drawPrimitive(PrimitiveElement pe, const QStyleOption* opt, QPainter* p,
                     const QWidget* w = nullptr) const override;
  void drawControl(ControlElement ce, const QStyleOption* opt, QPainter* p,
                   const QWidget* w = nullptr) const override;
  void drawComplexControl(ComplexControl cc, const QStyleOptionComplex* opt, QPainter* p,
                          const QWidget* w = nullptr) const override;
  // Framed lists and multi-line edits keep room for the two-pixel border.
  int pixelMetric(PixelMetric pm, const QStyleOption* opt = nullptr,
                  const QWidget* w = nullptr) const override;

  // Whether a control gets the flat look: inside a dialog or a docked pane,
  // or in a window of its own; not the main window's own controls.
  static bool EnDialogo(const QWidget* w);
};

}  // namespace vardo
