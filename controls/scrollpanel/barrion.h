// The scroll-bar panel control: a column of named bars, each a scroll bar
// with positions 0 to 10000 and a value box showing the bar's value in the
// units of its maximum. Dragging a bar or typing a value keeps the two in
// step and raises cambiado. Layout is kept in twips (32-bit, so the panel
// holds any number of bars) and mapped to pixels.
#pragma once
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

class QLabel;
class QLineEdit;
class QScrollBar;

namespace vardo {

inline constexpr const char* kClassIdBarrion = "{625DBAE4-EE1C-11D5-A081-0040C78577B3}";
inline constexpr const char* kInterfazBarrion = "{DEDDAEDD-01CA-11D6-8BB5-8B8B878A6758}";
inline constexpr const char* kEventosBarrion = "{DEDDAEDE-01CA-11D6-8BB5-8B8B878A6758}";

namespace DispBarrion {
inline constexpr std::int32_t BarraInicial = 0x60030006;
inline constexpr std::int32_t Arrancar = 0x60030007;
inline constexpr std::int32_t AddBarra = 0x60030008;
inline constexpr std::int32_t EstablecerScrolls = 0x60030009;
inline constexpr std::int32_t LeerScroll = 0x6003000A;
inline constexpr std::int32_t EscribirScroll = 0x6003000B;
inline constexpr std::int32_t Vaciar = 0x6003000C;
}  // namespace DispBarrion

namespace EventoBarrion {
inline constexpr int cambiado = 1;
}  // namespace EventoBarrion

// A number as the panel writes it into a value box: up to 15 significant
// digits in the shortest form, '.' as decimal point ("125", "62.4", "1E+20").
QString TextoValorBarra(double v);

class Barrion : public QWidget {
  Q_OBJECT

 public:
  // Layout in twips.
  static constexpr int kPasoBarras = 1090;  // from one bar to the next
  static constexpr int kTopNombre = 120;
  static constexpr int kTopBarra = 480;
  static constexpr int kTopValor = 840;
  static constexpr int kLeftBarra = 240;   // name label and scroll bar
  static constexpr int kLeftValor = 840;
  static constexpr int kPosicionMax = 10000;

  explicit Barrion(QWidget* parent = nullptr);
  ~Barrion() override;

  // ---- automation methods
  void BarraInicial(const QString& nom, double max);
  void Arrancar();
  void AddBarra(const QString& nom, double max);
  void EstablecerScrolls(bool Horz, bool Vert);
  // The number in value box Indx; nullopt for a bar that does not exist or
  // a box that holds no number. Errors come back as values, never as
  // exceptions: a host calls these inside its own event handlers.
  std::optional<double> LeerScroll(std::int16_t Indx) const;
  // Writes val into value box Indx and commits it; false (and nothing done)
  // for a bar that does not exist.
  bool EscribirScroll(std::int16_t Indx, double val);
  // Leaves the panel with its hidden first bar only. The other bars' widgets
  // are hidden at once and deleted once control returns to the event loop,
  // so a host may empty and refill the panel from its cambiado handler, while
  // one of those widgets is still delivering the event that raised it.
  void Vaciar();

  // ---- state and children, for the host's layout and for tests
  int NumBarras() const { return static_cast<int>(barras_.size()); }
  bool EventosActivos() const { return eventosActivos_; }
  QString Nombre(int k) const;  // the name list's entry of bar k
  double Maximo(int k) const;   // the maximum list's entry of bar k (0 when none)
  QLabel* NombreLabel(int k) const { return barras_.at(static_cast<std::size_t>(k)).nombre; }
  QScrollBar* HScroll1(int k) const { return barras_.at(static_cast<std::size_t>(k)).barra; }
  QLineEdit* ValorLabel(int k) const { return barras_.at(static_cast<std::size_t>(k)).valor; }
  QWidget* ContenedorPicture() const { return contenedor_; }
  QScrollBar* HorzScroll() const { return horzScroll_; }
  QScrollBar* VertScroll() const { return vertScroll_; }
  // A child's place in twips, relative to the container.
  QRect RectTwips(const QWidget* w) const;

 signals:
  void cambiado();

 protected:
  void resizeEvent(QResizeEvent* e) override;
  bool eventFilter(QObject* obj, QEvent* ev) override;

 private:
  struct Barra {
    QLabel* nombre = nullptr;
    QScrollBar* barra = nullptr;
    QLineEdit* valor = nullptr;
  };

  Barra CrearBarra(int k, int leftBarra, int leftNombre, int leftValor);
  void Colocar(QWidget* w, const QRect& twips);
  void MoverA(QWidget* w, int left, int top);
  void BarraMovida(int k);
  void Confirmar(int k);
  void Distribuir();
  void DesplazarHorz(int valor);
  void DesplazarVert(int valor);
  int Indice(const QObject* obj) const;

  QWidget* contenedor_ = nullptr;
  QScrollBar* horzScroll_ = nullptr;
  QScrollBar* vertScroll_ = nullptr;
  std::vector<Barra> barras_;  // element 0 always exists
  std::unordered_map<const QWidget*, QRect> twips_;
  std::vector<QString> nombres_;  // element k + 1 for bar k; element 0 unused
  std::vector<double> maximos_;
  bool eventosActivos_ = false;
};

}  // namespace vardo
