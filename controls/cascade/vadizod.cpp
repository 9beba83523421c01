#include "controls/cascade/vadizod.h"

#include <QAction>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "platform/core/numtext.h"
#include "platform/core/redondeo.h"
#include "platform/qt/componentregistry.h"
#include "platform/qt/gridwidget.h"

namespace vardo {

namespace {

ComponentRegistrar registro(kClassIdVadizod, "Vadizod",
                            [](QWidget* parent) -> QWidget* { return new Vadizod(parent); });

constexpr int kGruesoScroll = 255;  // twips
// Keeps every coordinate of the figure inside 32 bits.
constexpr int kMaxIntervalos = 2'000'000;

QPoint PuntoAPixeles(const QPoint& t) { return QPoint(APixeles(t.x()), APixeles(t.y())); }

QColor AColor(Rgb c) { return QColor(RgbRed(c), RgbGreen(c), RgbBlue(c)); }

// Two decimals, '.' as decimal point.
QString DosDecimales(double v) { return QString::fromStdString(TextoFijo(v, 2)); }

QFont FuenteFigura() {
  QFont f(QStringLiteral("Arial"));
  f.setPointSizeF(8.25);
  return f;
}

// The picture box: paints the figure and opens the menu on a right click.
class LienzoCascada : public QWidget {
 public:
  LienzoCascada(Vadizod* owner, QWidget* parent) : QWidget(parent), owner_(owner) {
    setObjectName(QStringLiteral("Picture1"));
    setFont(FuenteFigura());
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    owner_->PintarPantalla(p);
  }
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::RightButton) owner_->AbrirMenu(e->globalPosition().toPoint());
    QWidget::mousePressEvent(e);
  }

 private:
  Vadizod* owner_;
};

}  // namespace

void PintarTrazos(QPainter& p, const std::vector<TrazoCascada>& trazos) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  const QFont fuente = FuenteFigura();
  p.setFont(fuente);
  const QFontMetrics fm(fuente, p.device());
  for (const TrazoCascada& t : trazos) {
    const QPoint a = PuntoAPixeles(t.a);
    const QPoint b = PuntoAPixeles(t.b);
    switch (t.tipo) {
      case TrazoCascada::Tipo::Linea: {
        QPen pen(AColor(t.color), 0, t.punteado ? Qt::DotLine : Qt::SolidLine);
        p.setPen(pen);
        p.drawLine(a, b);
        break;
      }
      case TrazoCascada::Tipo::CajaLlena:
        p.fillRect(QRect(a, b).normalized(), AColor(t.color));
        break;
      case TrazoCascada::Tipo::Caja:
        p.setPen(QPen(AColor(t.color), 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(a, QSize(b.x() - a.x(), b.y() - a.y())).normalized());
        break;
      case TrazoCascada::Tipo::Texto:
        p.setPen(Qt::black);
        p.drawText(QPoint(a.x(), a.y() + fm.ascent()), t.texto);
        break;
    }
  }
  p.restore();
}

Vadizod::Vadizod(QWidget* parent) : QWidget(parent) {
  QFont propia(QStringLiteral("Arial"));
  propia.setPointSize(9);
  setFont(propia);

  picture1_ = new LienzoCascada(this, this);
  hScroll1_ = new QScrollBar(Qt::Horizontal, this);
  hScroll1_->setObjectName(QStringLiteral("HScroll1"));
  vScroll1_ = new QScrollBar(Qt::Vertical, this);
  vScroll1_->setObjectName(QStringLiteral("VScroll1"));
  grid_ = new GridWidget(this);
  grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
  grid_->SetCols(2);
  grid_->hide();

  connect(hScroll1_, &QScrollBar::valueChanged, picture1_, qOverload<>(&QWidget::update));
  connect(vScroll1_, &QScrollBar::valueChanged, picture1_, qOverload<>(&QWidget::update));
  connect(grid_, &GridWidget::contextMenuRequested, this, &Vadizod::AbrirMenu);

  mnuPrincipal_ = new QMenu(QStringLiteral("Principal"), this);
  mnuPrincipal_->setObjectName(QStringLiteral("mnuPrincipal"));
  mnuCopiar_ = mnuPrincipal_->addAction(QStringLiteral("&Copiar"));
  mnuCopiar_->setObjectName(QStringLiteral("mnuCopiar"));
  mnuVerComo_ = mnuPrincipal_->addMenu(QStringLiteral("&Ver Como"));
  mnuVerComo_->setObjectName(QStringLiteral("mnuVerComo"));
  mnuFigura_ = mnuVerComo_->addAction(QStringLiteral("&Figura"));
  mnuFigura_->setObjectName(QStringLiteral("mnuFigura"));
  mnuFigura_->setCheckable(true);
  mnuFigura_->setChecked(true);
  mnuTabla_ = mnuVerComo_->addAction(QStringLiteral("&Tabla"));
  mnuTabla_->setObjectName(QStringLiteral("mnuTabla"));
  mnuTabla_->setCheckable(true);
  connect(mnuCopiar_, &QAction::triggered, this, &Vadizod::Copiar);
  connect(mnuFigura_, &QAction::triggered, this, &Vadizod::VerFigura);
  connect(mnuTabla_, &QAction::triggered, this, &Vadizod::VerTabla);

  Distribuir();
}

Vadizod::~Vadizod() = default;

// ---------------------------------------------------------------- lists

void Vadizod::Vaciar() {
  listaT_.clear();
  listaH_.clear();
  listaHp_.clear();
  filasEscritas_ = 0;
  EscribirTabla();  // the table keeps only its headings
  picture1_->update();
}

// Each addition schedules a repaint, so the figure follows the host's
// filling without a call of its own.
void Vadizod::AddTemp(double val) {
  listaT_.push_back(val);
  picture1_->update();
}

void Vadizod::AddH(double val) {
  listaH_.push_back(val);
  picture1_->update();
}

void Vadizod::AddHp(double val) {
  listaHp_.push_back(val);
  picture1_->update();
}

int Vadizod::Intervalos() const {
  const std::size_t fronteras = std::min(listaT_.size(), listaHp_.size());
  const std::size_t m = std::min(listaH_.size(), fronteras == 0 ? 0 : fronteras - 1);
  return static_cast<int>(std::min<std::size_t>(m, kMaxIntervalos));
}

int Vadizod::VMaxDeLasListas() const {
  const int m = Intervalos();
  return m < 1 ? 0 : kY0 + kPasoY * m - kPasoY;  // y of the last boundary - 1000
}

QSize Vadizod::TamanoCopiaTwips() const { return QSize(kHMax + 1000, VMaxDeLasListas() + 2500); }

// ---------------------------------------------------------------- figure

std::vector<TrazoCascada> Vadizod::Figura(bool copia) const {
  return FiguraEntre(copia, 0, Intervalos());
}

std::vector<TrazoCascada> Vadizod::FiguraEntre(bool copia, int desde, int hasta) const {
  std::vector<TrazoCascada> t;
  const int h = copia ? 0 : hScroll1_->value();
  const int v = copia ? 0 : vScroll1_->value();
  const QSize fondo = copia ? TamanoCopiaTwips()
                            : QSize(picture1_->width() * kTwipsPerPixel, picture1_->height() * kTwipsPerPixel);
  // The background clears the whole picture, also when there is nothing to draw.
  t.push_back({TrazoCascada::Tipo::CajaLlena, QPoint(0, 0), QPoint(fondo.width(), fondo.height()), kBlanco, false, {}});
  const int m = Intervalos();
  if (m < 1) return t;

  auto P = [h, v](int x, int y) { return QPoint(x - h, y - v); };
  auto linea = [&](int x1, int y1, int x2, int y2, Rgb c, bool punteado = false) {
    t.push_back({TrazoCascada::Tipo::Linea, P(x1, y1), P(x2, y2), c, punteado, {}});
  };
  auto texto = [&](int x, int y, const QString& s) {
    t.push_back({TrazoCascada::Tipo::Texto, P(x, y), P(x, y), 0, false, s});
  };
  // The cascaded heat stands at the boundary line's end; in a picture too
  // narrow for it there it moves left so as to end inside the picture, but
  // never onto the arrow.
  constexpr int kXCalor = 1950;
  constexpr int kXFlechaDerecha = 1310;
  constexpr int kHolgura = 60;
  const QFontMetrics fm(FuenteFigura(), picture1_);
  auto xCalor = [&](const QString& s) {
    const int cabe = fondo.width() - kHolgura - fm.horizontalAdvance(s) * kTwipsPerPixel;
    return std::clamp(cabe, kXFlechaDerecha + kHolgura, kXCalor);
  };
  auto frontera = [&](int y, std::size_t i) {
    linea(1250, y - 300, 1250, y - 90, kColorFlecha);
    linea(1185, y - 90, kXFlechaDerecha, y - 90, kColorFlecha);
    linea(1185, y - 90, 1250, y, kColorFlecha);
    linea(kXFlechaDerecha, y - 90, 1250, y, kColorFlecha);
    linea(600, y - 180, kXCalor, y - 180, kColorLinea, true);
    texto(100, y - 355, DosDecimales(listaT_[i]) + QStringLiteral(" K"));
    const QString calor = QStringLiteral("H=") + DosDecimales(listaHp_[i]) + QStringLiteral(" kW");
    texto(xCalor(calor), y - 355, calor);
  };

  desde = std::max(0, desde);
  hasta = std::min(m, hasta);
  for (int i = desde; i < hasta; ++i) {
    const int y = kY0 + kPasoY * i;
    const auto k = static_cast<std::size_t>(i);
    frontera(y, k);
    t.push_back({TrazoCascada::Tipo::CajaLlena, P(800, y), P(1700, y + 700), kColorCaja, false, {}});
    t.push_back({TrazoCascada::Tipo::Caja, P(800, y), P(1700, y + 700), 0, false, {}});
    // A long heat moves left to stay inside its box.
    const QString calor = DosDecimales(listaH_[k]) + QStringLiteral(" kW");
    const int cabe = 1700 - kHolgura / 2 - fm.horizontalAdvance(calor) * kTwipsPerPixel;
    texto(std::clamp(cabe, 800 + kHolgura / 2, 920), y + 230, calor);
  }
  if (hasta == m) frontera(kY0 + kPasoY * m, static_cast<std::size_t>(m));
  return t;
}

void Vadizod::AjustarScrolls() {
  if (Intervalos() < 1) return;
  const int vmax = VMaxDeLasListas();
  hScroll1_->setRange(0, kHMax);
  hScroll1_->setSingleStep(kHPaso);
  hScroll1_->setPageStep(kHPagina);
  vScroll1_->setRange(0, vmax);
  vScroll1_->setSingleStep(static_cast<int>(RedondeoPar(vmax / 20.0)));
  vScroll1_->setPageStep(static_cast<int>(RedondeoPar(vmax / 5.0)));
  vScroll1_->setEnabled(height() * kTwipsPerPixel - 500 <= vmax);
  hScroll1_->setEnabled(width() * kTwipsPerPixel - 500 <= kHMax);
}

void Vadizod::Dibujar() {
  AjustarScrolls();
  picture1_->update();
}

void Vadizod::PintarPantalla(QPainter& p) {
  if (!modoFigura_) return;
  AjustarScrolls();
  // Only the intervals the picture shows at its scroll position: an
  // interval's drawing reaches from its boundary's labels, 355 twips above
  // it, to its box's foot, 700 below, and a label's height past that.
  const int v = vScroll1_->value();
  const int alto = picture1_->height() * kTwipsPerPixel;
  constexpr int kArriba = 355 + 300, kAbajo = 700 + 300;
  const int desde = (v - kY0 - kAbajo) / kPasoY;
  const int hasta = (v + alto - kY0 + kArriba) / kPasoY + 1;
  PintarTrazos(p, FiguraEntre(false, desde, hasta));
}

void Vadizod::DibujarCopy() {
  const QSize tw = TamanoCopiaTwips();
  QImage img(std::max(1, APixeles(tw.width())), std::max(1, APixeles(tw.height())), QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  PintarTrazos(p, Figura(true));
  p.end();
  imagenCopia_ = img;
}

// ---------------------------------------------------------------- table

void Vadizod::EscribirTabla() {
  // A row needs both its temperature and its cascaded heat. The lists only
  // grow between two Vaciar, so the rows written before stand: only the new
  // ones are written, and a host that writes the table after every boundary
  // pays once per row.
  const std::size_t n =
      std::min<std::size_t>(std::min(listaT_.size(), listaHp_.size()), kMaxIntervalos);
  if (filasEscritas_ == 0 || grid_->Rows() != static_cast<int>(filasEscritas_) + 1) {
    filasEscritas_ = 0;
    grid_->SetRows(1);
    grid_->SetText(0, 0, QStringLiteral("T (K)"));
    grid_->SetText(0, 1, QStringLiteral("H (kW)"));
  }
  if (n == filasEscritas_) return;
  grid_->SetRows(static_cast<int>(n) + 1);
  for (std::size_t k = filasEscritas_; k < n; ++k) {
    const int fila = static_cast<int>(k) + 1;
    grid_->SetText(fila, 0, DosDecimales(listaT_[k]));
    grid_->SetText(fila, 1, DosDecimales(listaHp_[k]));
  }
  filasEscritas_ = n;
}

// ---------------------------------------------------------------- menu

void Vadizod::AbrirMenu(const QPoint& global) { mnuPrincipal_->popup(global); }

void Vadizod::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::RightButton) AbrirMenu(e->globalPosition().toPoint());
  QWidget::mousePressEvent(e);
}

void Vadizod::VerFigura() {
  mnuFigura_->setChecked(true);
  mnuTabla_->setChecked(false);
  modoFigura_ = true;
  picture1_->show();
  hScroll1_->show();
  vScroll1_->show();
  grid_->hide();
}

void Vadizod::VerTabla() {
  mnuTabla_->setChecked(true);
  mnuFigura_->setChecked(false);
  modoFigura_ = false;
  picture1_->hide();
  hScroll1_->hide();
  vScroll1_->hide();
  grid_->show();
}

void Vadizod::Copiar() {
  QClipboard* cb = QGuiApplication::clipboard();
  cb->clear();
  if (modoFigura_) {
    DibujarCopy();
    cb->setImage(imagenCopia_);
    return;
  }
  cb->setText(grid_->RangeText(0, 0, grid_->Rows() - 1, grid_->Cols() - 1, QLatin1Char('\n')));
}

// ---------------------------------------------------------------- sizing

void Vadizod::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  Distribuir();
}

void Vadizod::Distribuir() {
  const int ancho = width() * kTwipsPerPixel;
  const int alto = height() * kTwipsPerPixel;
  const int pw = ancho > kMargen ? ancho - kMargen : 10;
  const int ph = alto > kMargen ? alto - kMargen : 10;
  const QRect area(0, 0, std::max(1, APixeles(pw)), std::max(1, APixeles(ph)));
  picture1_->setGeometry(area);
  grid_->setGeometry(area);
  hScroll1_->setGeometry(0, APixeles(ph), area.width(), APixeles(kGruesoScroll));
  vScroll1_->setGeometry(APixeles(pw), 0, APixeles(kGruesoScroll), area.height());
}

}  // namespace vardo
