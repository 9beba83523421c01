// Docking bar of the main window: carries one dialog (the streams table, the
// object browser), docks on any side or floats, and remembers one size for
// each way of standing: docked along the top or bottom, docked at the left
// or right, floating; each starts at 200 × 200 pixels and none goes below
// 32 × 32. The caption's close button hides the bar; its float button, a
// double click on the caption or on the bar's own background docks a
// floating bar and floats a docked one. The carried dialog always fills the
// bar.
#pragma once
#include <QDockWidget>
#include <QSize>

namespace vardo {

class CBarraAcoplable : public QDockWidget {
  Q_OBJECT
 public:
  static constexpr int kMinimo = 32;
  static constexpr int kInicial = 200;

  CBarraAcoplable(const QString& titulo, QWidget* dialogo, QWidget* parent = nullptr);

  QWidget* Dialogo() const { return widget(); }
  // The remembered sizes.
  QSize TamanoHorizontal() const { return horizontal_; }
  QSize TamanoVertical() const { return vertical_; }
  QSize TamanoFlotante() const { return flotante_; }
  // Docks a floating bar, floats a docked one.
  void AlternarAcoplado();

  QSize sizeHint() const override;

 protected:
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  Qt::DockWidgetArea Lado() const;
  void AlCambiarLado();
  void AlFlotar(bool flotante);

  QSize horizontal_{kInicial, kInicial};
  QSize vertical_{kInicial, kInicial};
  QSize flotante_{kInicial, kInicial};
  bool colocando_ = false;  // sizes being applied, not chosen by the user
};

}  // namespace vardo
