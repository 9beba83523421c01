// The cascade plot control: the heat cascade of the problem table as a
// figure (boundary arrows, dotted boundary lines, one box per interval with
// its heat, temperature and cascaded heat labels) or as a two-column table.
// The host fills it boundary by boundary; the figure draws itself whenever
// the control is painted. Coordinates are twips, 32-bit, so any number of
// intervals fits.
#pragma once
#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "platform/core/types.h"

class QAction;
class QMenu;
class QMouseEvent;
class QPainter;
class QResizeEvent;
class QScrollBar;

namespace vardo {

class GridWidget;

inline constexpr const char* kClassIdVadizod = "{229D66E5-CF83-11D5-8BB5-F856CB72FC44}";
inline constexpr const char* kInterfazVadizod = "{AFB172AC-E1E5-11D5-8BB5-9419BCBFB558}";
inline constexpr const char* kEventosVadizod = "{AFB172AD-E1E5-11D5-8BB5-9419BCBFB558}";  // no events

namespace DispVadizod {
inline constexpr std::int32_t Vaciar = 0x6003000A;
inline constexpr std::int32_t AddTemp = 0x6003000B;
inline constexpr std::int32_t AddH = 0x6003000C;
inline constexpr std::int32_t AddHp = 0x6003000D;
inline constexpr std::int32_t Dibujar = 0x6003000E;
inline constexpr std::int32_t EscribirTabla = 0x60030010;
inline constexpr std::int32_t DibujarCopy = 0x60030011;
}  // namespace DispVadizod

// One drawing step of the figure, in twips with y downwards.
struct TrazoCascada {
  enum class Tipo { Linea, CajaLlena, Caja, Texto };
  Tipo tipo = Tipo::Linea;
  QPoint a;        // line start, box corner, text top-left
  QPoint b;        // line end, opposite box corner
  Rgb color = 0;   // line, box or fill colour (red in the low byte)
  bool punteado = false;
  QString texto;
};

class Vadizod : public QWidget {
  Q_OBJECT

 public:
  // Figure geometry in twips.
  static constexpr int kY0 = 400;          // first boundary's arrow tip
  static constexpr int kPasoY = 1000;      // from one boundary to the next
  static constexpr int kHMax = 2500;       // horizontal scroll range
  static constexpr int kHPaso = 125;
  static constexpr int kHPagina = 500;
  static constexpr int kMargen = 455;      // room for the scroll bars
  static constexpr Rgb kColorFlecha = MakeRgb(150, 50, 50);
  static constexpr Rgb kColorLinea = 0xFF0000;  // blue
  static constexpr Rgb kColorCaja = MakeRgb(220, 220, 200);
  static constexpr Rgb kBlanco = 0xFFFFFF;

  explicit Vadizod(QWidget* parent = nullptr);
  ~Vadizod() override;

  // ---- automation methods
  void Vaciar();
  void AddTemp(double val);
  void AddH(double val);
  void AddHp(double val);
  // Lays out the screen figure (scroll ranges included) and repaints it.
  void Dibujar();
  void EscribirTabla();
  // Renders the figure without scroll offsets into the copy image.
  void DibujarCopy();

  // ---- state, for the host and for tests
  const std::vector<double>& ListaT() const { return listaT_; }
  const std::vector<double>& ListaH() const { return listaH_; }
  const std::vector<double>& ListaHp() const { return listaHp_; }
  // Intervals the figure draws: only what every list holds (interval i needs
  // its heat and both boundaries' temperatures and cascaded heats).
  int Intervalos() const;
  bool ModoFigura() const { return modoFigura_; }

  // The figure as drawn on screen (with the scroll offsets) or for the copy
  // (without), the white background first.
  std::vector<TrazoCascada> Figura(bool copia) const;
  // The same for intervals desde to hasta - 1 only (the last boundary when
  // hasta reaches the last interval): what a scrolled screen shows.
  std::vector<TrazoCascada> FiguraEntre(bool copia, int desde, int hasta) const;
  // The copy's size in twips, from the lists.
  QSize TamanoCopiaTwips() const;
  // The image the last DibujarCopy rendered.
  const QImage& ImagenCopia() const { return imagenCopia_; }

  // ---- menu commands
  void VerFigura();
  void VerTabla();
  void Copiar();

  // ---- children
  QWidget* Picture1() const { return picture1_; }
  QScrollBar* HScroll1() const { return hScroll1_; }
  QScrollBar* VScroll1() const { return vScroll1_; }
  GridWidget* MSFlexGrid1() const { return grid_; }
  QMenu* MnuPrincipal() const { return mnuPrincipal_; }
  QAction* MnuCopiar() const { return mnuCopiar_; }
  QAction* MnuFigura() const { return mnuFigura_; }
  QAction* MnuTabla() const { return mnuTabla_; }

  // Paints the screen figure (used by the picture's paint event).
  void PintarPantalla(QPainter& p);
  // Opens the popup menu at a global position.
  void AbrirMenu(const QPoint& global);

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  void AjustarScrolls();
  void Distribuir();
  int VMaxDeLasListas() const;

  std::vector<double> listaT_;
  std::vector<double> listaH_;
  std::vector<double> listaHp_;
  bool modoFigura_ = true;
  // Data rows of the table written since the last Vaciar.
  std::size_t filasEscritas_ = 0;

  QWidget* picture1_ = nullptr;
  QScrollBar* hScroll1_ = nullptr;
  QScrollBar* vScroll1_ = nullptr;
  GridWidget* grid_ = nullptr;
  QMenu* mnuPrincipal_ = nullptr;
  QAction* mnuCopiar_ = nullptr;
  QMenu* mnuVerComo_ = nullptr;
  QAction* mnuFigura_ = nullptr;
  QAction* mnuTabla_ = nullptr;
  QImage imagenCopia_;
};

// Draws figure steps into a painter whose device is in pixels (15 twips each).
void PintarTrazos(QPainter& p, const std::vector<TrazoCascada>& trazos);

}  // namespace vardo
