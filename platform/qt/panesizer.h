// A window split into a left and a right pane by a vertical divider 4 pixels
// wide that the user drags. Each pane keeps a margin from the window's outer
// edge (left for the left pane, right for the right pane) and from its top
// and bottom, and a least width: the divider never goes left of the left
// pane's margin plus its least width, nor closer to the right edge than the
// right pane's margin plus its least width.
#pragma once
#include <QPointer>
#include <QRect>
#include <QWidget>

namespace vardo {

class CPanelDivisor : public QWidget {
  Q_OBJECT
 public:
  struct Panel {
    QPointer<QWidget> ventana;
    int margenX = 0;  // from the outer edge
    int margenY = 0;  // from the top and from the bottom
    int minimo = 0;   // least width
  };
  static constexpr int kAnchoDivisor = 4;

  explicit CPanelDivisor(QWidget* parent = nullptr);

  // The two panes become children of the sizer.
  void SetPaneles(const Panel& izquierdo, const Panel& derecho);
  // Places the divider's centre at x (held within the limits above).
  void ColocarDivisor(int x);
  int Divisor() const { return divisor_; }
  QRect RectanguloDivisor() const;
  QRect RectanguloIzquierdo() const { return izq_; }
  QRect RectanguloDerecho() const { return der_; }
  bool Arrastrando() const { return arrastrando_; }

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void Colocar();

  Panel izquierdo_;
  Panel derecho_;
  int divisor_ = 100;
  QRect izq_;
  QRect der_;
  bool arrastrando_ = false;
};

}  // namespace vardo
