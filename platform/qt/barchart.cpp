#include "platform/qt/barchart.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/core/numtext.h"
#include "platform/qt/componentregistry.h"

namespace vardo {

namespace {

const ComponentRegistrar kRegistro(kClassIdGraficoBarras, "Gráfico de barras",
                                   [](QWidget* padre) { return new BarChart(padre); });

constexpr int kMargen = 8;       // around the plot, pixels
constexpr int kMarcas = 5;       // scale marks wanted along the value axis
constexpr double kHueco = 0.25;  // part of a row's group left free between groups

// A step of 1, 2 or 5 times a power of ten near span / marks.
double PasoRedondo(double span) {
  const double bruto = span / kMarcas;
  const double p = std::pow(10.0, std::floor(std::log10(bruto)));
  const double f = bruto / p;
  const double m = f <= 1.0 ? 1.0 : f <= 2.0 ? 2.0 : f <= 5.0 ? 5.0 : 10.0;
  return m * p;
}

// A scale mark's text: the program's number text without a bare trailing
// point ("100." -> "100").
QString TextoMarca(double v) {
  std::string s = NumTexto(v, 6);
  if (!s.empty() && s.back() == '.') s.pop_back();
  return QString::fromStdString(s);
}

}  // namespace

BarChart::BarChart(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BarChart::Resize(int rows, int cols) {
  std::vector<double> valores(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols), 0.0);
  for (int r = 1; r <= std::min(rows, rows_); ++r)
    for (int c = 1; c <= std::min(cols, cols_); ++c)
      valores[static_cast<std::size_t>(r - 1) * static_cast<std::size_t>(cols) +
              static_cast<std::size_t>(c - 1)] = values_[Index(r, c)];
  values_ = std::move(valores);
  labels_.resize(static_cast<std::size_t>(rows));
  rows_ = rows;
  cols_ = cols;
  row_ = rows_ == 0 ? 0 : std::clamp(row_, 1, rows_);
  col_ = cols_ == 0 ? 0 : std::clamp(col_, 1, cols_);
  update();
}

bool BarChart::SetRowCount(int n) {
  if (n < 0) return false;
  Resize(n, cols_);
  return true;
}

bool BarChart::SetColumnCount(int n) {
  if (n < 0) return false;
  Resize(rows_, n);
  return true;
}

bool BarChart::SetRow(int r) {
  if (r < 1 || r > rows_) return false;
  row_ = r;
  return true;
}

bool BarChart::SetColumn(int c) {
  if (c < 1 || c > cols_) return false;
  col_ = c;
  return true;
}

QString BarChart::RowLabel() const { return Label(row_); }

bool BarChart::SetRowLabel(const QString& label) {
  if (row_ < 1) return false;
  labels_[static_cast<std::size_t>(row_ - 1)] = label;
  update();
  return true;
}

QString BarChart::Data() const {
  if (row_ < 1 || col_ < 1) return {};
  std::string s = NumTexto(values_[Index(row_, col_)], 6);
  if (auto p = s.find('.'); p != std::string::npos) s[p] = ',';
  return QString::fromStdString(s);
}

bool BarChart::SetData(const QString& text) {
  if (row_ < 1 || col_ < 1) return false;
  std::string s = text.toStdString();
  if (auto p = s.find(','); p != std::string::npos) s[p] = '.';
  const double v = TextoANumero(s);
  values_[Index(row_, col_)] = std::isfinite(v) ? v : 0.0;
  update();
  return true;
}

double BarChart::Value(int row, int col) const {
  if (row < 1 || row > rows_ || col < 1 || col > cols_) return 0.0;
  return values_[Index(row, col)];
}

QString BarChart::Label(int row) const {
  if (row < 1 || row > rows_) return {};
  return labels_[static_cast<std::size_t>(row - 1)];
}

QColor BarChart::ColumnColor(int col) {
  static const QColor kColores[] = {QColor(54, 96, 186), QColor(200, 60, 50), QColor(60, 150, 70),
                                    QColor(220, 150, 30), QColor(120, 70, 160), QColor(40, 150, 160)};
  const int n = static_cast<int>(std::size(kColores));
  return kColores[((std::max(col, 1) - 1) % n + n) % n];
}

// ---------------------------------------------------------------- layout

BarChart::Layout BarChart::Compute() const {
  Layout l;
  double lo = 0.0, hi = 0.0;
  for (double v : values_) {
    lo = std::min(lo, v);
    hi = std::max(hi, v);
  }
  if (hi - lo <= 0.0) hi = lo + 1.0;
  l.step = PasoRedondo(hi - lo);
  l.lo = std::floor(lo / l.step) * l.step;
  l.hi = std::ceil(hi / l.step) * l.step;

  const QFontMetrics fm(font());
  int ancho = 0;
  for (double v = l.lo; v <= l.hi + l.step * 0.5; v += l.step)
    ancho = std::max(ancho, fm.horizontalAdvance(TextoMarca(std::abs(v) < l.step * 1e-9 ? 0.0 : v)));
  const int izquierda = kMargen + ancho + 6;
  const int abajo = kMargen + fm.height() + 4;
  const int arriba = kMargen + fm.height() / 2;
  l.plot = QRect(izquierda, arriba, std::max(1, width() - izquierda - kMargen),
                 std::max(1, height() - arriba - abajo));
  return l;
}

int BarChart::ValueToY(const Layout& l, double v) const {
  const double f = (v - l.lo) / (l.hi - l.lo);
  return l.plot.bottom() - static_cast<int>(std::lround(f * (l.plot.height() - 1)));
}

QRect BarChart::BarRect(int row, int col) const {
  if (row < 1 || row > rows_ || col < 1 || col > cols_) return {};
  const Layout l = Compute();
  const double grupo = static_cast<double>(l.plot.width()) / rows_;
  const double barra = grupo * (1.0 - kHueco) / cols_;
  const double x0 = l.plot.left() + grupo * (row - 1) + grupo * kHueco / 2 + barra * (col - 1);
  const int y0 = ValueToY(l, 0.0);
  const int y1 = ValueToY(l, values_[Index(row, col)]);
  const int izquierda = static_cast<int>(std::lround(x0));
  const int derecha = static_cast<int>(std::lround(x0 + barra));
  return QRect(QPoint(izquierda, std::min(y0, y1)),
               QPoint(std::max(izquierda, derecha - 1), std::max(y0, y1)));
}

double BarChart::AxisMin() const { return Compute().lo; }
double BarChart::AxisMax() const { return Compute().hi; }

// ---------------------------------------------------------------- paint

void BarChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  const Layout l = Compute();
  const QFontMetrics fm(font());

  // Scale marks with their grid lines.
  for (double v = l.lo; v <= l.hi + l.step * 0.5; v += l.step) {
    const double marca = std::abs(v) < l.step * 1e-9 ? 0.0 : v;
    const int y = ValueToY(l, marca);
    p.setPen(QColor(225, 225, 225));
    p.drawLine(l.plot.left(), y, l.plot.right(), y);
    p.setPen(Qt::black);
    p.drawLine(l.plot.left() - 3, y, l.plot.left(), y);
    const QRect texto(kMargen, y - fm.height() / 2, l.plot.left() - 6 - kMargen, fm.height());
    p.drawText(texto, Qt::AlignRight | Qt::AlignVCenter, TextoMarca(marca));
  }

  for (int r = 1; r <= rows_; ++r) {
    for (int c = 1; c <= cols_; ++c) {
      const QRect b = BarRect(r, c);
      if (b.height() <= 0) continue;
      const QColor color = ColumnColor(c);
      p.fillRect(b, color);
      p.setPen(color.darker(140));
      p.drawRect(b.adjusted(0, 0, -1, -1));
    }
    // The row's label under its group.
    const double grupo = static_cast<double>(l.plot.width()) / rows_;
    const QRect zona(static_cast<int>(l.plot.left() + grupo * (r - 1)), l.plot.bottom() + 3,
                     static_cast<int>(grupo), fm.height());
    p.setPen(Qt::black);
    p.drawText(zona, Qt::AlignHCenter | Qt::AlignTop,
               fm.elidedText(Label(r), Qt::ElideRight, zona.width()));
  }

  // Axes: the value axis and the zero line.
  p.setPen(Qt::black);
  p.drawLine(l.plot.left(), l.plot.top(), l.plot.left(), l.plot.bottom());
  const int cero = ValueToY(l, 0.0);
  p.drawLine(l.plot.left(), cero, l.plot.right(), cero);
  p.setPen(QColor(160, 160, 160));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace vardo
