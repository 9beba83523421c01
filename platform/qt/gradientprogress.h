// Progress bar drawn by the program itself: the filled part is a colour
// gradient (or one flat colour), the percentage or the position may be
// written over it, it may fill the other way round, stand upright, or show a
// moving segment instead of a growing bar.
//
// The bar keeps its own range and position. Setting, moving or stepping the
// position holds it within the range, as a standard progress bar does; a
// step past the upper end starts again from the lower end. A position left
// outside a later, narrower range shows an empty bar. A range whose ends are
// equal shows an empty bar with 0 %.
//
// In the moving-segment mode every move goes forward: the segment (from its
// tail, never below the lower end, to the position) runs out past the upper
// end by its own length, then comes back in from the start with the
// direction turned round.
#pragma once
#include <QBrush>
#include <QColor>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "platform/core/types.h"

namespace vardo {

class CGradientProgressCtrl : public QWidget {
  Q_OBJECT
 public:
  // Styles, or-ed together.
  static constexpr unsigned kVertical = 0x4;             // fills upwards
  static constexpr unsigned kMostrarPorcentaje = 0x100;  // "50%"
  static constexpr unsigned kMostrarPosicion = 0x200;    // "250"
  static constexpr unsigned kInvertido = 0x4000;          // from the right, or from the top
  static constexpr unsigned kSegmento = 0x8000;           // a moving segment

  explicit CGradientProgressCtrl(QWidget* parent = nullptr);

  // ---- range and position (the previous position is returned) ----
  void SetRange(int lower, int upper);
  int Lower() const { return lower_; }
  int Upper() const { return upper_; }
  int SetPos(int pos);
  int OffsetPos(int delta);
  int SetStep(int step);  // returns the previous step
  int StepIt();
  int Pos() const { return pos_; }
  int Step() const { return step_; }

  // ---- look ----
  void SetEstilo(unsigned estilo);
  unsigned Estilo() const { return estilo_; }
  // The gradient becomes two colours: `color`, then `fin` (or `color` again
  // when fin is 0).
  void SetBarColor(Rgb color, Rgb fin = 0);
  // Colours spread evenly over the filled length, the first at its start;
  // fewer than two give a flat bar.
  void SetColores(const std::vector<QColor>& colores);
  const std::vector<QColor>& Colores() const { return colores_; }
  // A flat fill of the filled part instead of the gradient (none: gradient).
  void SetBrochaBarra(std::optional<QBrush> brocha);
  void SetBkColor(Rgb color);
  void SetBrochaFondo(std::optional<QBrush> brocha);
  void SetColoresTexto(QColor sobreBarra, QColor sobreFondo);
  // Text written instead of the number: "%d" stands for the percentage or
  // the position, "%%" for a percent sign. Empty: "%d%%" or "%d".
  void SetFormato(const QString& formato);
  // Moves the text by these pixels from the centre.
  void SetDesplazamientoTexto(int dx, int dy);
  void SetLongitudSegmento(int longitud);
  int LongitudSegmento() const { return segmento_; }
  int Cola() const { return cola_; }

  // What a paint shows, in pixels of the control: the filled rectangle
  // (empty when the position is outside the range) and the text.
  QRect RectanguloLleno() const;
  QString Texto() const;

  // Colour of band i of the run from a to b cut into `pasos` bands.
  static QColor ColorBanda(QColor a, QColor b, int i, int pasos);
  // Bands of a run from a to b `ancho` pixels long.
  static int PasosGradiente(QColor a, QColor b, int ancho, bool pocosColores);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  bool EnRango() const;
  // Filled length from the lower end to p, in pixels of `largo`.
  int Escala(long long p, int largo) const;
  int MoverSegmento(int nuevo, bool relativo);
  int FijarPosicion(int pos);
  // The stretch [desde, hasta) of r counted from the side the bar fills from.
  QRect Parte(const QRect& r, int desde, int hasta) const;
  // Cuts r into equal parts along the fill, from its start side.
  void PartesIguales(const QRect& r, int partes,
                    const std::function<void(int, const QRect&)>& pintar) const;
  void PintarGradiente(QPainter& p, const QRect& lleno, const QRect& zona) const;
  void PintarTramo(QPainter& p, const QRect& tramo, QColor a, QColor b, const QRect& zona) const;

  int lower_ = 0;
  int upper_ = 100;
  int pos_ = 0;
  int step_ = 10;
  int cola_ = 0;
  int segmento_ = 40;
  unsigned estilo_ = 0;
  std::vector<QColor> colores_;
  std::optional<QBrush> brochaBarra_;
  QColor fondo_;
  std::optional<QBrush> brochaFondo_;
  QColor textoBarra_;
  QColor textoFondo_;
  QString formato_;
  int dx_ = 0;
  int dy_ = 0;
};

}  // namespace vardo
