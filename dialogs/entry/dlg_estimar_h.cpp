#include "dialogs/entry/dlg_estimar_h.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <string>

#include "model/constantes.h"
#include "platform/qt/componentregistry.h"

namespace vardo {

namespace {

std::vector<std::string> Situaciones() {
  std::vector<std::string> v;
  for (int c = 0; c < kNumCorrelacionesH; ++c) v.push_back(Correlacion(c).nombre);
  return v;
}

const ComponentRegistrar kRegistroBanner(kClassIdBannerCoeficientes, "BannerCoeficientes",
                                         [](QWidget* p) { return new CBannerCoeficientes(p); });

kit::DefControl Banner(int id) {
  return kit::Hosted(id, kClassIdBannerCoeficientes, 7, 7, 306, 56);
}

kit::Template PlantillaPaso1() {
  using namespace kit;
  using D = CHEst1;
  return Template{"Coeficientes de Transmisión de Calor: Paso 1 de 3",
                  320,
                  186,
                  {
                      Banner(D::kIdBanner),
                      Label("Seleccione el tipo de transmisión de calor:", 7, 76, 200, 8),
                      Combo(D::kIdSituacion, 7, 88, 306, 100, kListOnly, Situaciones()),
                      Label("La correlación seleccionada es la siguiente:", 7, 116, 200, 8),
                      Edit(D::kIdCorrelacion, 7, 128, 306, 14, kReadOnly),
                  }};
}

kit::Template PlantillaPaso2() {
  using namespace kit;
  using D = CH2Est;
  Template t{"Coeficientes de Transmisión de Calor: Paso 2 de 3",
             320,
             242,
             {
                 Banner(D::kIdBanner),
                 Label("Complete los datos de los campos activados:", 7, 70, 200, 8),
             }};
  for (int fila = 0; fila < 10; ++fila) {
    const int y = 84 + fila * 15;
    for (int lado = 0; lado < 2; ++lado) {
      const auto f = static_cast<std::size_t>(fila);
      const int k = lado == 0 ? kColumnaIzquierdaPropiedades[f] : kColumnaDerechaPropiedades[f];
      const int x = lado == 0 ? 5 : 166;
      t.controls.push_back(Label(Propiedad(k).etiqueta, x, y + 2, 86, 8));
      t.controls.push_back(Edit(D::IdValor(k), x + 87, y, 40, 12));
      t.controls.push_back(Label(Propiedad(k).unidad, x + 130, y + 2, 30, 8));
    }
  }
  return t;
}

kit::Template PlantillaPaso3() {
  using namespace kit;
  using D = CH3Est;
  return Template{"Coeficientes de Transmisión de Calor: Paso 3 de 3",
                  320,
                  242,
                  {
                      Banner(D::kIdBanner),
                      Label("El coeficiente calculado se aplicará a las siguientes corrientes:", 7,
                            70, 300, 8),
                      List(D::kIdDisponibles, 7, 82, 132, 152),
                      Button(D::kIdAnadir, ">", 146, 112, 28, 14),
                      Button(D::kIdQuitar, "<", 146, 130, 28, 14),
                      Button(D::kIdAnadirTodas, ">>", 146, 148, 28, 14),
                      Button(D::kIdQuitarTodas, "<<", 146, 166, 28, 14),
                      List(D::kIdElegidas, 181, 82, 132, 152),
                  }};
}

void PrepararBanner(kit::Page& p, int id, int paso) {
  if (auto* b = dynamic_cast<CBannerCoeficientes*>(p.Widget(id))) b->SetPaso(paso);
}

}  // namespace

// ================================================================ banner

void CBannerCoeficientes::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = rect();
  QLinearGradient fondo(r.topLeft(), r.topRight());
  fondo.setColorAt(0.0, QColor(20, 60, 120));
  fondo.setColorAt(1.0, QColor(150, 190, 230));
  p.fillRect(r, fondo);

  const double h = r.height();
  const double u = h / 10.0;  // drawing unit
  const QColor caliente(220, 60, 40), fria(40, 120, 230), blanco(255, 255, 255);
  auto flecha = [&p](QPointF a, QPointF b, const QColor& c, double grosor) {
    p.setPen(QPen(c, grosor, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    const QPointF d = (b - a) / std::max(1.0, std::hypot(b.x() - a.x(), b.y() - a.y()));
    const QPointF n(-d.y(), d.x());
    QPainterPath punta;
    punta.moveTo(b);
    punta.lineTo(b - d * grosor * 3 + n * grosor * 2);
    punta.lineTo(b - d * grosor * 3 - n * grosor * 2);
    punta.closeSubpath();
    p.fillPath(punta, c);
  };

  const double x0 = u * 1.5;
  switch (paso_) {
    case 1: {
      // A tube with the hot stream inside and the cold one around it.
      p.setPen(QPen(blanco, u * 0.25));
      p.setBrush(QColor(255, 255, 255, 40));
      p.drawRoundedRect(QRectF(x0, u * 2, u * 14, u * 6), u, u);
      p.setBrush(QColor(255, 230, 210));
      p.drawRect(QRectF(x0 + u, u * 4, u * 12, u * 2));
      flecha({x0 + u * 2, u * 5}, {x0 + u * 12, u * 5}, caliente, u * 0.4);
      flecha({x0 + u * 12, u * 3}, {x0 + u * 2, u * 3}, fria, u * 0.3);
      flecha({x0 + u * 12, u * 7}, {x0 + u * 2, u * 7}, fria, u * 0.3);
      break;
    }
    case 2: {
      // A pipe in section with its diameter and a drop of the fluid.
      p.setPen(QPen(blanco, u * 0.3));
      p.setBrush(QColor(255, 255, 255, 50));
      p.drawEllipse(QPointF(x0 + u * 4, u * 5), u * 3.2, u * 3.2);
      p.setPen(QPen(blanco, u * 0.15, Qt::DashLine));
      p.drawLine(QPointF(x0 + u * 0.8, u * 5), QPointF(x0 + u * 7.2, u * 5));
      QPainterPath gota;
      const double gx = x0 + u * 11, gy = u * 2;
      gota.moveTo(gx, gy);
      gota.cubicTo(gx + u * 3, gy + u * 3.5, gx + u * 2.2, gy + u * 6.5, gx, gy + u * 6.5);
      gota.cubicTo(gx - u * 2.2, gy + u * 6.5, gx - u * 3, gy + u * 3.5, gx, gy);
      p.setPen(QPen(blanco, u * 0.2));
      p.setBrush(fria);
      p.drawPath(gota);
      break;
    }
    default: {
      // Streams, two of them chosen.
      for (int i = 0; i < 4; ++i) {
        const double y = u * (2 + i * 2);
        const bool hot = i % 2 == 0;
        flecha(hot ? QPointF(x0 + u, y) : QPointF(x0 + u * 12, y),
               hot ? QPointF(x0 + u * 12, y) : QPointF(x0 + u, y), hot ? caliente : fria,
               u * 0.35);
        if (i == 1 || i == 2) {
          p.setPen(QPen(blanco, u * 0.3, Qt::SolidLine, Qt::RoundCap));
          p.drawLine(QPointF(x0 + u * 14, y), QPointF(x0 + u * 14.6, y + u * 0.6));
          p.drawLine(QPointF(x0 + u * 14.6, y + u * 0.6), QPointF(x0 + u * 15.8, y - u * 0.7));
        }
      }
      break;
    }
  }
  // Where the wizard stands: three marks, the current one filled.
  for (int i = 1; i <= 3; ++i) {
    const QPointF c(r.width() - u * (2 + (3 - i) * 2), h / 2);
    p.setPen(QPen(blanco, u * 0.2));
    p.setBrush(i == paso_ ? QBrush(blanco) : QBrush(Qt::NoBrush));
    p.drawEllipse(c, u * 0.6, u * 0.6);
  }
}

// ================================================================ step 1

CHEst1::CHEst1() : kit::Page(PlantillaPaso1()) {
  OnSelect(kIdSituacion, [this] { MostrarCorrelacion(); });
}

void CHEst1::DataExchange(kit::Exchange& dx) { dx.Index(kIdSituacion, m_situacion); }

void CHEst1::OnInit() {
  PrepararBanner(*this, kIdBanner, 1);
  SetCurSel(kIdSituacion, m_inicial);
}

void CHEst1::OnSetActive() {
  kit::Page::OnSetActive();
  Sheet()->SetWizardButtons(kit::kWizNext);
  MostrarCorrelacion();
}

void CHEst1::MostrarCorrelacion() {
  const int c = CurSel(kIdSituacion);
  if (c < 0 || c >= kNumCorrelacionesH) return;
  SetText(kIdCorrelacion, Correlacion(c).formula);
}

bool CHEst1::OnWizardNext() {
  auto& hoja = static_cast<CEstimaHSheet&>(*Sheet());
  hoja.m_paso2.m_situacion = CurSel(kIdSituacion);
  return true;
}

// ================================================================ step 2

CH2Est::CH2Est() : kit::Page(PlantillaPaso2()) {}

void CH2Est::DataExchange(kit::Exchange& dx) {
  // The values the estimate reads are physical sizes: above 0.
  for (int k = 0; k < kNumPropiedadesFisicas; ++k) {
    RangoNumero rango = RangoNumero::Finito();
    if (CorrelacionNecesita(m_situacion, k)) {
      rango = RangoNumero::Positivo();
      rango.mensaje = MensajeValorPositivo(k);
    }
    dx.Double(IdValor(k), m_valores[k], rango);
  }
  if (!dx.Saving()) return;
  std::array<double, kNumPropiedadesFisicas> valores{};
  std::copy(std::begin(m_valores), std::end(m_valores), valores.begin());
  if (CoeficienteEstimado(m_situacion, valores)) return;
  // A value taken as it was (a stream's stored 0) is named; values that
  // only together give no coefficient point at the first one used.
  for (int k = 0; k < kNumPropiedadesFisicas; ++k)
    if (CorrelacionNecesita(m_situacion, k) && !(m_valores[k] > 0.0))
      dx.Fail(IdValor(k), MensajeValorPositivo(k));
  int campo = 0;
  while (campo + 1 < kNumPropiedadesFisicas && !CorrelacionUsa(m_situacion, campo)) ++campo;
  dx.Fail(IdValor(campo), kMsgEstimacionNoValida);
}

void CH2Est::OnSetActive() {
  kit::Page::OnSetActive();
  PrepararBanner(*this, kIdBanner, 2);
  Sheet()->SetWizardButtons(kit::kWizBack | kit::kWizNext);
  for (int k = 0; k < kNumPropiedadesFisicas; ++k)
    SetReadOnly(IdValor(k), !CorrelacionNecesita(m_situacion, k));
}

bool CH2Est::OnWizardBack() {
  atras_ = true;
  return true;
}

bool CH2Est::OnKillActive() {
  if (!atras_) return kit::Page::OnKillActive();
  // Back always goes back: the values typed that are numbers are kept, the
  // others are checked when the page is left forwards.
  atras_ = false;
  for (int k = 0; k < kNumPropiedadesFisicas; ++k)
    if (Typed(IdValor(k)))
      if (const auto v = LeerNumeroTecleado(Text(IdValor(k)))) m_valores[k] = *v;
  return true;
}

// ================================================================ step 3

CH3Est::CH3Est() : kit::Page(PlantillaPaso3()) {
  const auto total = [this] {
    return static_cast<std::uint32_t>(m_diagrama.GetNumCorrientes() + m_diagrama.GetNumServicios());
  };
  OnClick(kIdAnadir, [this] {
    const int sel = CurSel(kIdDisponibles);
    if (sel < 0) return;
    const auto indice = static_cast<std::uint32_t>(sel);
    if (std::find(m_elegidas.begin(), m_elegidas.end(), indice) == m_elegidas.end())
      m_elegidas.push_back(indice);
    Sheet()->SetWizardButtons(kit::kWizBack | kit::kWizFinish);
    LlenarListas();
  });
  OnClick(kIdQuitar, [this] {
    const int sel = CurSel(kIdElegidas);
    if (sel < 0 || sel >= static_cast<int>(m_elegidas.size())) return;
    m_elegidas.erase(m_elegidas.begin() + sel);
    LlenarListas();
  });
  OnClick(kIdAnadirTodas, [this, total] {
    m_elegidas.clear();
    for (std::uint32_t i = 0; i < total(); ++i) m_elegidas.push_back(i);
    Sheet()->SetWizardButtons(kit::kWizBack | kit::kWizFinish);
    LlenarListas();
  });
  OnClick(kIdQuitarTodas, [this] {
    m_elegidas.clear();
    Sheet()->SetWizardButtons(kit::kWizBack);
    LlenarListas();
  });
}

void CH3Est::OnSetActive() {
  kit::Page::OnSetActive();
  PrepararBanner(*this, kIdBanner, 3);
  Sheet()->SetWizardButtons(m_elegidas.empty() ? kit::kWizBack : kit::kWizBack | kit::kWizFinish);
  LlenarListas();
}

std::string CH3Est::Texto(std::uint32_t indice) const {
  const std::int32_t ref = RefDeIndiceCombinado(m_diagrama, indice);
  const CCorriente& c = m_diagrama.GetCorriente(ref);
  return EsServicio(ref) ? "S" + std::to_string(IndiceServicio(ref) + 1) + " " + c.GetNombre()
                         : std::to_string(ref + 1) + " " + c.GetNombre();
}

void CH3Est::LlenarListas() {
  ResetContent(kIdDisponibles);
  ResetContent(kIdElegidas);
  const auto total =
      static_cast<std::uint32_t>(m_diagrama.GetNumCorrientes() + m_diagrama.GetNumServicios());
  for (std::uint32_t i = 0; i < total; ++i) AddString(kIdDisponibles, Texto(i));
  for (std::uint32_t i : m_elegidas)
    if (i < total) AddString(kIdElegidas, Texto(i));
}

// ================================================================ the wizard

CEstimaHSheet::CEstimaHSheet(QWidget* parent)
    : kit::PropertySheet("Estimación de coeficientes de Transmisión de Calor", parent, 0) {
  AddPage(m_paso1);
  AddPage(m_paso2);
  AddPage(m_paso3);
  SetWizardMode();
}

void CEstimaHSheet::LoadCorrelacion() {
  const ResultadoEstimacion e = EstimacionInicial(m_diagrama, m_corriente);
  m_paso1.m_inicial = e.correlacion;
  m_paso2.m_situacion = e.correlacion;
  std::copy(e.valores.begin(), e.valores.end(), m_paso2.m_valores);
  m_paso3.m_diagrama = m_diagrama;
  m_paso3.m_elegidas = e.elegidas;
}

ResultadoEstimacion CEstimaHSheet::Resultado() const {
  ResultadoEstimacion e;
  e.correlacion = m_paso1.m_situacion;
  std::copy(std::begin(m_paso2.m_valores), std::end(m_paso2.m_valores), e.valores.begin());
  e.elegidas = m_paso3.m_elegidas;
  return e;
}

bool EjecutarAsistenteResultado(QWidget* padre, const CDiagrama& modelo, std::int32_t ref,
                                ResultadoEstimacion& resultado) {
  CEstimaHSheet asistente(padre);
  asistente.m_diagrama = modelo;
  asistente.m_corriente = ref;
  asistente.LoadCorrelacion();
  if (asistente.Run() != kit::kIdFinish) return false;
  resultado = asistente.Resultado();
  return true;
}

bool EjecutarAsistenteCoeficientes(QWidget* padre, CDiagrama& modelo, std::int32_t ref) {
  ResultadoEstimacion r;
  if (!EjecutarAsistenteResultado(padre, modelo, ref, r) || r.elegidas.empty()) return false;
  return AplicarEstimacion(modelo, r);
}

}  // namespace vardo
