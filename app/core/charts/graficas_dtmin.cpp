// Targets against DT min: each chart sweeps DT min over a range, computes one
// target per point and puts DT min, the generic utility temperatures and the
// targets back when it is done. The points go through one sweep object, which
// sorts the problem and builds its composites once for the whole range.
#include <cmath>
#include <functional>

#include "app/core/charts/graficas.h"
#include "model/objetivos_barrido.h"

namespace vardo {

namespace {

constexpr const char* kEjeDT = "DT min (K)";
constexpr const char* kEjeDTMinimo = "DT mínimo (K)";
constexpr const char* kEjeCoste = "Coste ($)";

// Largest ratio between neighbouring values before a value is taken for a
// jump and computed again: area and capital cost.
constexpr double kSaltoArea = 2.0;
constexpr double kSaltoCoste = 1.5;
// Times one DT is computed again after a jump before its value is taken.
constexpr int kMaxRepeticiones = 10;

using Valor = std::optional<double>;
using Barrido = std::vector<Valor>;
using Calculo = std::function<Valor(BarridoObjetivos&, double)>;

Valor Finito(double v) { return std::isfinite(v) ? Valor(v) : std::nullopt; }

// One sweep: n DT values from dtDesde by repeated addition of the step, the
// value of each computed at that DT min. With a jump factor, a value whose
// ratio to the last accepted one (either way) exceeds it is computed again,
// up to kMaxRepeticiones times, before it is taken. A repetition that gives
// the very value it repeats is taken at once: the computation starts from the
// same state each time, so the remaining ones would give it again.
Barrido Barrer(BarridoObjetivos& b, double dtDesde, double dtHasta, int n,
               const Calculo& calcular, double salto = 0.0) {
  const int puntos = PuntosBarrido(n);
  Barrido r;
  if (puntos == 0) return r;
  r.reserve(static_cast<std::size_t>(puntos));
  const double paso = (dtHasta - dtDesde) / puntos;
  double dt = dtDesde;
  bool hayUltimo = false;
  double ultimo = 0.0;
  int repeticiones = 0;
  Valor rechazado;
  for (int k = 0; k < puntos;) {
    const Valor v = calcular(b, dt);
    if (v && salto > 0.0) {
      const bool repetido = repeticiones > 0 && rechazado && *rechazado == *v;
      if (hayUltimo && !repetido && repeticiones < kMaxRepeticiones &&
          (*v / ultimo > salto || ultimo / *v > salto)) {
        ++repeticiones;
        rechazado = v;
        continue;  // the same DT again
      }
      hayUltimo = true;
      ultimo = *v;
    }
    repeticiones = 0;
    rechazado.reset();
    r.push_back(v);
    ++k;
    dt += paso;
  }
  return r;
}

// Capital plus operating cost per DT. The capital sweep with its jump check
// and the operating sweep are the very values the totals take: the totals
// are their sums, DT by DT.
Barrido Sumar(const Barrido& a, const Barrido& b) {
  Barrido r(a.size());
  for (std::size_t k = 0; k < a.size() && k < b.size(); ++k)
    if (a[k] && b[k]) r[k] = Finito(*a[k] + *b[k]);
  return r;
}

// ---- Point values at one DT min ----
// The units, area and capital cost are computed with the generic utilities
// DT min beyond the ends of the shifted intervals; the sweep object sets them.

Valor Calefaccion(BarridoObjetivos& b, double dt) { return b.CalienteMinimo(dt); }
Valor Refrigeracion(BarridoObjetivos& b, double dt) { return b.FrioMinimo(dt); }
Valor TPinch(BarridoObjetivos& b, double dt) { return b.TemperaturaPinch(dt); }
Valor NMin(BarridoObjetivos& b, double dt) { return static_cast<double>(b.NMinCambiadores(dt)); }

Valor AreaMin(BarridoObjetivos& b, double dt) {
  const double a = b.AreaMinima(dt);
  if (!(a > 0.0) || !std::isfinite(a)) return std::nullopt;
  return a;
}

Valor CosteInmovilizadoAnual(BarridoObjetivos& b, double dt) {
  return Finito(b.CosteInmovilizado(dt) / b.Modelo().m_amortizacion);
}

Valor CosteOperacionAnual(BarridoObjetivos& b, double dt) { return Finito(b.CosteOperacion(dt)); }

void AnadirBarrido(CGrafica& g, double dtDesde, double dtHasta, int n, const Barrido& b) {
  const int puntos = PuntosBarrido(n);
  if (puntos == 0) return;
  const double paso = (dtHasta - dtDesde) / puntos;
  double dt = dtDesde;
  for (const Valor& v : b) {
    if (v) AnadirPuntoValor(g, dt, *v);
    dt += paso;
  }
}

// A chart of one series.
void UnaSerie(CDiagrama& d, CGrafica& g, double dtDesde, double dtHasta, int n,
              const char* etiqueta, const Calculo& calcular, double salto, const char* ejeX,
              const char* ejeY, const char* titulo) {
  ConservarModelo conservar(d);
  BarridoObjetivos b(d);
  g.decimales = 2;
  g.Inicializar(etiqueta, 0, kColorCurvaFria);
  AnadirBarrido(g, dtDesde, dtHasta, n, Barrer(b, dtDesde, dtHasta, n, calcular, salto));
  g.SetTitulos(ejeX, ejeY, titulo);
}

}  // namespace

void GraficaServiciosDTMin(CDiagrama& d, CGrafica& g, double dtDesde, double dtHasta, int n) {
  ConservarModelo conservar(d);
  BarridoObjetivos b(d);
  g.decimales = 2;
  g.Inicializar("Calefacción", 0, kColorCurvaCaliente);
  AnadirBarrido(g, dtDesde, dtHasta, n, Barrer(b, dtDesde, dtHasta, n, Calefaccion));
  g.AddSerie("Refrigeración", 0, kColorCurvaFria);
  AnadirBarrido(g, dtDesde, dtHasta, n, Barrer(b, dtDesde, dtHasta, n, Refrigeracion));
  g.SetTitulos(kEjeDT, "H (kW)", "Variación del consumo de energía con DT mínima");
}

void GraficaNMinDTMin(CDiagrama& d, CGrafica& g, double dtDesde, double dtHasta, int n) {
  UnaSerie(d, g, dtDesde, dtHasta, n, "Nº min vs DT min", NMin, 0.0, kEjeDTMinimo, "N",
           "Variación del número mínimo de cambiadores con la diferencia mínima de temperatura");
}

void GraficaTPinchDTMin(CDiagrama& d, CGrafica& g, double dtDesde, double dtHasta, int n) {
  UnaSerie(d, g, dtDesde, dtHasta, n, "T pinch vs DT min", TPinch, 0.0, kEjeDT, "T pinch (K)",
           "Variación de la temperatura de pinch con la diferencia mínima de temperatura");
}

void GraficaAreaMinDTMin(CDiagrama& d, CGrafica& g, double dtDesde, double dtHasta, int n) {
  UnaSerie(d, g, dtDesde, dtHasta, n, "Area Min vs DT min", AreaMin, kSaltoArea, kEjeDTMinimo,
           "A (m2)",
           "Variación del área mínima de intercambio con la diferencia mínima de temperatura");
}

void GraficaCosteInmovilizadoDTMin(CDiagrama& d, CGrafica& g, double dtDesde, double dtHasta,
                                   int n) {
  UnaSerie(d, g, dtDesde, dtHasta, n, "Coste Inmovilizado vs DT min", CosteInmovilizadoAnual,
           kSaltoCoste, kEjeDT, kEjeCoste, "Variación de los costes de inmovilizado con DT mínimo");
}

void GraficaCosteOperacionDTMin(CDiagrama& d, CGrafica& g, double dtDesde, double dtHasta, int n) {
  UnaSerie(d, g, dtDesde, dtHasta, n, "Coste Operación vs DT min", CosteOperacionAnual, 0.0,
           kEjeDT, kEjeCoste, "Variación de los costes de operación con DT mínimo");
}

void GraficaCosteTotalDTMin(CDiagrama& d, CGrafica& g, double dtDesde, double dtHasta, int n) {
  ConservarModelo conservar(d);
  BarridoObjetivos b(d);
  g.decimales = 2;
  const Barrido operacion = Barrer(b, dtDesde, dtHasta, n, CosteOperacionAnual);
  const Barrido inmovilizado = Barrer(b, dtDesde, dtHasta, n, CosteInmovilizadoAnual, kSaltoCoste);
  g.Inicializar("Operación", 2, kColorCurvaFria);
  AnadirBarrido(g, dtDesde, dtHasta, n, operacion);
  g.AddSerie("Inmovilizado", 1, kColorCurvaCaliente);
  AnadirBarrido(g, dtDesde, dtHasta, n, inmovilizado);
  g.AddSerie("Totales", 0, kColorTotales);
  AnadirBarrido(g, dtDesde, dtHasta, n, Sumar(inmovilizado, operacion));
  g.SetTitulos(kEjeDT, kEjeCoste, "Variación de los costes totales mínimos con DT mínima");
}

std::vector<std::optional<double>> BarridoVariable(CDiagrama& d, int variable, double dtDesde,
                                                   double dtHasta, int n) {
  ConservarModelo conservar(d);
  BarridoObjetivos b(d);
  switch (variable) {
    case kVarCalefaccion: return Barrer(b, dtDesde, dtHasta, n, Calefaccion);
    case kVarRefrigeracion: return Barrer(b, dtDesde, dtHasta, n, Refrigeracion);
    case kVarTPinch: return Barrer(b, dtDesde, dtHasta, n, TPinch);
    case kVarNMin: return Barrer(b, dtDesde, dtHasta, n, NMin);
    case kVarAreaMin: return Barrer(b, dtDesde, dtHasta, n, AreaMin, kSaltoArea);
    case kVarCosteOperacion: return Barrer(b, dtDesde, dtHasta, n, CosteOperacionAnual);
    case kVarCosteInmovilizado:
      return Barrer(b, dtDesde, dtHasta, n, CosteInmovilizadoAnual, kSaltoCoste);
    case kVarCosteTotal:
      return Sumar(Barrer(b, dtDesde, dtHasta, n, CosteInmovilizadoAnual, kSaltoCoste),
                   Barrer(b, dtDesde, dtHasta, n, CosteOperacionAnual));
    default: return {};
  }
}

}  // namespace vardo
