#include "controls/functable/tabulix.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

#include "controls/functable/evaluador.h"
#include "platform/core/numero_tecleado.h"
#include "platform/core/redondeo.h"
#include "platform/qt/componentregistry.h"
#include "platform/qt/hostedwidgets.h"
#include "platform/qt/messagerunner.h"

namespace vardo {

namespace {

ComponentRegistrar registro(kClassIdTabulix, "Tabulix",
                            [](QWidget* parent) -> QWidget* { return new Tabulix(parent); });

// The number a box holds by the number rule ("293,15" as "293.15");
// nullopt when it holds none.
std::optional<double> NumeroDeCaja(const QLineEdit* caja) {
  return LeerNumeroTecleado(caja->text().toStdString());
}

// Entry indx of a computed table; nullopt outside it.
std::optional<double> Entrada(const std::vector<double>& tabla, std::int16_t indx) {
  if (indx < 0 || static_cast<std::size_t>(indx) >= tabla.size()) return std::nullopt;
  return tabla[static_cast<std::size_t>(indx)];
}

// Trims blanks (spaces only) at both ends, as the formula is read.
QString SinBlancos(const QString& s) {
  qsizetype a = 0, b = s.size();
  while (a < b && s[a] == u' ') ++a;
  while (b > a && s[b - 1] == u' ') --b;
  return s.mid(a, b - a);
}

}  // namespace

Tabulix::Tabulix(QWidget* parent) : QWidget(parent) {
  fuente_ = FuenteAmbiente();

  QFont letra(QStringLiteral("MS Sans Serif"), 8);
  label1_ = new QLabel(QStringLiteral("Introduzca la función de ajuste utilizando X como variable independiente:"), this);
  label1_->setObjectName(QStringLiteral("Label1"));
  funcionText_ = new QLineEdit(this);
  funcionText_->setObjectName(QStringLiteral("FuncionText"));
  label2_ = new QLabel(QStringLiteral("Intervalo:"), this);
  label2_->setObjectName(QStringLiteral("Label2"));
  label3_ = new QLabel(QStringLiteral("Desde X ="), this);
  label3_->setObjectName(QStringLiteral("Label3"));
  xIniText_ = new QLineEdit(this);
  xIniText_->setObjectName(QStringLiteral("XIniText"));
  label4_ = new QLabel(QStringLiteral("Hasta  X = "), this);
  label4_->setObjectName(QStringLiteral("Label4"));
  xFinText_ = new QLineEdit(this);
  xFinText_->setObjectName(QStringLiteral("XFinText"));
  label5_ = new QLabel(QStringLiteral("Número de puntos:"), this);
  label5_->setObjectName(QStringLiteral("Label5"));
  numText_ = new QLineEdit(this);
  numText_->setObjectName(QStringLiteral("NumText"));

  auto* rejilla = new QGridLayout(this);
  rejilla->setContentsMargins(4, 4, 4, 4);
  rejilla->addWidget(label1_, 0, 0, 1, 4);
  rejilla->addWidget(funcionText_, 1, 0, 1, 4);
  rejilla->addWidget(label2_, 2, 0, 1, 4);
  rejilla->addWidget(label3_, 3, 0);
  rejilla->addWidget(xIniText_, 3, 1);
  rejilla->addWidget(label4_, 3, 2);
  rejilla->addWidget(xFinText_, 3, 3);
  rejilla->addWidget(label5_, 4, 0, 1, 2);
  rejilla->addWidget(numText_, 4, 2, 1, 2);
  rejilla->setRowStretch(5, 1);

  for (QWidget* w : {static_cast<QWidget*>(label1_), static_cast<QWidget*>(funcionText_),
                     static_cast<QWidget*>(label2_), static_cast<QWidget*>(label3_),
                     static_cast<QWidget*>(xIniText_), static_cast<QWidget*>(label4_),
                     static_cast<QWidget*>(xFinText_), static_cast<QWidget*>(label5_),
                     static_cast<QWidget*>(numText_)})
    w->setFont(letra);
  for (QLineEdit* caja : {funcionText_, xIniText_, xFinText_, numText_}) caja->installEventFilter(this);
}

Tabulix::~Tabulix() = default;

QFont Tabulix::FuenteAmbiente() const {
  return parentWidget() ? parentWidget()->font() : QApplication::font();
}

// ---------------------------------------------------------------- properties

std::optional<std::int16_t> Tabulix::NumPuntos() const {
  const std::optional<double> v = NumeroDeCaja(numText_);
  if (!v) return std::nullopt;
  const double r = RedondeoPar(*v);
  if (r < -32768.0 || r > 32767.0) return std::nullopt;
  return static_cast<std::int16_t>(r);
}

std::optional<double> Tabulix::PuntoFin() const { return NumeroDeCaja(xFinText_); }
std::optional<double> Tabulix::PuntoIni() const { return NumeroDeCaja(xIniText_); }
QString Tabulix::Ajuste() const { return funcionText_->text(); }

std::optional<double> Tabulix::TablaY(std::int16_t indx) const { return Entrada(tablaY_, indx); }
std::optional<double> Tabulix::TablaX(std::int16_t indx) const { return Entrada(tablaX_, indx); }

void Tabulix::SetBorderStyle(std::int16_t v) { borderStyle_ = v; cambiadas_ = true; }
void Tabulix::SetBackStyle(std::int16_t v) { backStyle_ = v; cambiadas_ = true; }
void Tabulix::SetAppearance(std::int16_t v) { appearance_ = v; cambiadas_ = true; }
void Tabulix::SetEnabled(bool v) { enabled_ = v; cambiadas_ = true; }
void Tabulix::SetForeColor(std::uint32_t v) { foreColor_ = v; cambiadas_ = true; }
void Tabulix::SetBackColor(std::uint32_t v) { backColor_ = v; cambiadas_ = true; }
void Tabulix::SetFont(const QFont& f) { fuente_ = f; cambiadas_ = true; }

void Tabulix::SetAjuste(const QString& s) { funcionText_->setText(s); }
void Tabulix::SetPuntoIni(const QString& s) { xIniText_->setText(s); }
void Tabulix::SetPuntoFin(const QString& s) { xFinText_->setText(s); }
void Tabulix::SetNumPuntos(const QString& s) { numText_->setText(s); }

// ---------------------------------------------------------------- stored properties

void Tabulix::LeerPropiedades(const PropertyBag& bag) {
  backColor_ = static_cast<std::uint32_t>(bag.ReadInt("BackColor", 0));
  foreColor_ = static_cast<std::uint32_t>(bag.ReadInt("ForeColor", 0));
  enabled_ = bag.ReadBool("Enabled", false);
  const QString ambiente = FuenteAmbiente().toString();
  const std::string fuente = bag.ReadString("Font", ambiente.toStdString());
  if (!fuente_.fromString(QString::fromStdString(fuente))) fuente_ = FuenteAmbiente();
  appearance_ = static_cast<std::int16_t>(bag.ReadInt("Appearance", 0));
  backStyle_ = static_cast<std::int16_t>(bag.ReadInt("BackStyle", 0));
  borderStyle_ = static_cast<std::int16_t>(bag.ReadInt("BorderStyle", 0));
  nPuntos_ = static_cast<std::int16_t>(bag.ReadInt("NumeroPuntos", 0));
  cambiadas_ = false;
}

void Tabulix::EscribirPropiedades(PropertyBag& bag) const {
  bag.Write("BackColor", static_cast<std::int64_t>(backColor_), std::int64_t{0});
  bag.Write("ForeColor", static_cast<std::int64_t>(foreColor_), std::int64_t{0});
  bag.Write("Enabled", enabled_, false);
  bag.Write("Font", fuente_.toString().toStdString(), FuenteAmbiente().toString().toStdString());
  bag.Write("Appearance", std::int64_t{appearance_}, std::int64_t{0});
  bag.Write("BackStyle", std::int64_t{backStyle_}, std::int64_t{0});
  bag.Write("BorderStyle", std::int64_t{borderStyle_}, std::int64_t{0});
  bag.Write("NumeroPuntos", std::int64_t{nPuntos_}, std::int64_t{0});
}

// ---------------------------------------------------------------- computing

bool Tabulix::eventFilter(QObject* obj, QEvent* ev) {
  if (ev->type() == QEvent::FocusOut) {
    const auto razon = static_cast<QFocusEvent*>(ev)->reason();
    // Another window (a message box) or a popup took the focus: the box was
    // not left. Nor is it checked when left for a Cancel button.
    if (razon != Qt::ActiveWindowFocusReason && razon != Qt::PopupFocusReason && !FocoEnCancelar())
      Salir(static_cast<QLineEdit*>(obj));
  }
  return QWidget::eventFilter(obj, ev);
}

void Tabulix::Salir(const QLineEdit* caja) {
  if (caja == numText_ || caja == xIniText_ || caja == xFinText_) {
    // A box that holds no number changes nothing and computes nothing.
    const std::optional<double> v = NumeroDeCaja(caja);
    if (!v) return;
    // A count below 1 becomes the default at once, with or without a table
    // to compute.
    if (caja == numText_ && RedondeoPar(*v) < 1) numText_->setText(QString::number(kPuntosPorDefecto));
    Calcular();
  } else if (caja == funcionText_) {
    Calcular();
  }
}

void Tabulix::ConfirmarEdicion() {
  QWidget* foco = QApplication::focusWidget();
  for (const QLineEdit* caja : {funcionText_, xIniText_, xFinText_, numText_})
    if (foco == caja && !(intentadas_ && *intentadas_ == Entradas())) Salir(caja);
}

Tabulix::Cajas Tabulix::Entradas() const {
  return {funcionText_->text(), xIniText_->text(), xFinText_->text(), numText_->text()};
}

// Computes the table from what the boxes hold now. The points are built
// apart and replace the previous table only when every one was evaluated, so
// a failure leaves the last good table (and its count) in place. Boxes that
// failed are told once: the same boxes left again compute nothing more.
void Tabulix::Calcular() {
  const QString funcion = funcionText_->text();
  const std::optional<double> xIni = NumeroDeCaja(xIniText_);
  const std::optional<double> xFin = NumeroDeCaja(xFinText_);
  const std::optional<double> cuenta = NumeroDeCaja(numText_);
  if (funcion.isEmpty() || !xIni || !xFin || !cuenta) return;
  if (fallidas_ && *fallidas_ == Entradas()) return;
  intentadas_ = Entradas();
  const auto fallar = [this](const char* mensaje) {
    fallidas_ = Entradas();
    ShowMessage(this, mensaje, MsgIcon::Information);
  };

  double n = RedondeoPar(*cuenta);
  if (n < 1) {
    n = kPuntosPorDefecto;
    numText_->setText(QString::number(kPuntosPorDefecto));
    intentadas_ = Entradas();
  } else if (n > kMaxPuntos) {
    fallar(kMsgRangoPuntos);
    return;
  }
  const int puntos = static_cast<int>(n);

  const auto expresion = Expresion::Compilar(SinBlancos(funcion).toStdString());
  const double paso = (*xFin - *xIni) / (puntos - 1);  // one point: division by zero
  if (!expresion || puntos < 2 || !std::isfinite(paso)) {
    fallar(kMsgErrorExpresion);
    return;
  }

  std::vector<double> tx(static_cast<std::size_t>(puntos) + 1, 0.0);
  std::vector<double> ty(tx.size(), 0.0);
  double x = *xIni;
  for (int i = 0; i < puntos; ++i) {
    // The last X is the end of the range itself, not the sum of the steps.
    const double xi = i == puntos - 1 ? *xFin : x;
    const auto y = expresion->Evaluar(xi);
    if (!y) {
      fallar(kMsgErrorExpresion);
      return;
    }
    tx[static_cast<std::size_t>(i)] = xi;
    ty[static_cast<std::size_t>(i)] = *y;
    x += paso;
  }
  tablaX_ = std::move(tx);
  tablaY_ = std::move(ty);
  nPuntos_ = static_cast<std::int16_t>(puntos);
  ajusteCalculado_ = funcion;
  fallidas_.reset();
  emit Listo();
}

}  // namespace vardo
