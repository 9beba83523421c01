// Splitter bar laid over a control of a dialog (usually a thin frame): the
// user drags it, and the controls listed on its two sides follow it, the
// first side's right (or bottom) edges and the second side's left (or top)
// edges, their other edges kept.
//
// A drag shows a shaded band where the bar would go; the bar moves when the
// left button is released, the right button pressed, Escape pressed or the
// mouse taken by another window, by the offset reached. The bar's position
// is confined to a band: the parent's client area and the side controls
// less the two margins. When the sides leave no room the bar does not move.
#pragma once
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <vector>

namespace vardo {

class CBarraDivisoria : public QObject {
  Q_OBJECT
 public:
  enum class Eje {
    Horizontal,  // dragged left and right; sides are left and right
    Vertical,    // dragged up and down; sides are top and bottom
  };

  explicit CBarraDivisoria(Eje eje = Eje::Horizontal, QObject* parent = nullptr);
  ~CBarraDivisoria() override;

  // Takes over a control of a dialog; id is reported with each move.
  void Attach(QWidget* control, int id = 0);
  void SetMargenes(int primero, int segundo);
  void AddPrimerLado(QWidget* control);
  void AddSegundoLado(QWidget* control);
  // Fits the side controls to the bar.
  void Ajustar();

  QWidget* Control() const { return control_; }
  bool Arrastrando() const { return arrastrando_; }
  // The band the mouse may move in during a drag, in the parent's
  // coordinates along the bar's axis; lowest not below highest: no room.
  int Minimo() const;
  int Maximo() const;

 signals:
  // The bar moved by `desplazamiento` pixels (after the controls followed).
  void Movida(int desplazamiento, int id);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int Coordenada(QPoint p) const;
  void Empezar(QPoint global);
  void Seguir(QPoint global);
  void Terminar();

  Eje eje_;
  QPointer<QWidget> control_;
  int id_ = 0;
  std::vector<QPointer<QWidget>> primero_;
  std::vector<QPointer<QWidget>> segundo_;
  int margenPrimero_ = 0;
  int margenSegundo_ = 0;
  bool arrastrando_ = false;
  int inicio_ = 0;        // mouse at the press, parent coordinates along the axis
  int desplazamiento_ = 0;
  int minimo_ = 0;
  int maximo_ = 0;
  QPointer<QWidget> banda_;  // the shaded band shown while dragging
};

}  // namespace vardo
