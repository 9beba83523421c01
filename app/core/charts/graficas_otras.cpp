// Further charts: the available temperature difference, one target against
// another over DT min, the exergy charts and the costs of shifting load
// around a loop.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "app/core/charts/graficas.h"
#include "model/anillos.h"
#include "model/constantes.h"
#include "model/red.h"
#include "model/tabla_problema.h"

namespace vardo {

namespace {

constexpr const char* kPreguntaGenericas =
    "Las temperaturas de los servicios generales violan la diferencia de temperaturas mínima "
    "para el nuevo valor de ésta. ¿Desea actualizarlos?";

struct Variable {
  const char* titulo;
};
constexpr std::array<Variable, kNumVariables> kVariables = {{{"Cal (kW)"},
                                                             {"Ref (kW)"},
                                                             {"T pinch (K)"},
                                                             {"Num"},
                                                             {"A (m2)"},
                                                             {"C Op ($)"},
                                                             {"C In ($)"},
                                                             {"C Tot ($)"}}};

GrupoCorrientes Filtrar(const GrupoCorrientes& g, bool fria) {
  GrupoCorrientes r;
  for (const CCorriente* c : g)
    if ((c->m_fria != 0) == fria) r.push_back(c);
  return r;
}

// A curve kept in a stream record used as a point list: temperature rising
// with heat, read back through the record's own temperature-at-heat query.
CCorriente CurvaPuntos(const TablaProblema& t, double desplazamientoT, bool calorDesdeAbajo) {
  CCorriente c;
  c.BorrarPuntos();
  const double B = t.FrioMinimo();
  for (int i = t.Num() - 1; i >= 0; --i) {
    const auto k = static_cast<std::size_t>(i);
    c.AddPunto(t.T[k] + desplazamientoT, calorDesdeAbajo ? B - t.C[k] : t.C[k]);
  }
  return c;
}

}  // namespace

std::string TituloVariable(int variable) {
  if (variable < 0 || variable >= kNumVariables) return {};
  return kVariables[static_cast<std::size_t>(variable)].titulo;
}

double FactorCarnot(const CDiagrama& d, double T) { return 1.0 - d.m_tReferencia / T; }

// --------------------------------------------------------------- loop costs

namespace {

struct CosteAnillo {
  double q;
  double inmovilizado;
  double operacion;
};

// Unit cost of what one exchanger side draws, $/(kW·año): the generic
// utility at the model's price, a defined utility at its own, a process
// stream nothing.
double PrecioLado(const CDiagrama& d, std::int32_t ref, double precioGenerico) {
  if (ref == kRefGenerico) return precioGenerico;
  if (EsServicio(ref) && d.RefValida(ref))
    return d.m_servicios[static_cast<std::size_t>(IndiceServicio(ref))].m_coste;
  return 0.0;
}

// Network costs at the shifted state: the capital of every exchanger, and
// the operating cost in $/año as the cost targets count it, each heater's
// and cooler's duty at its utility's unit cost.
CosteAnillo CostesRed(const CDiagrama& d, double q) {
  CosteAnillo c{q, 0.0, 0.0};
  for (std::int32_t i = 0; i < d.GetNumCambiadores(); ++i) {
    c.inmovilizado += CosteCambiadores(d, i);
    const CCambiador& x = d.m_cambiadores[static_cast<std::size_t>(i)];
    c.operacion += x.q * (PrecioLado(d, x.ladoCaliente.ref, d.m_costeCaliente) +
                          PrecioLado(d, x.ladoFrio.ref, d.m_costeFrio));
  }
  return c;
}

// Decimals of the chart's integers: two, or fewer when the largest cost
// would not fit in 32 bits with them, so that no point is cut at the limit.
int DecimalesCostes(const std::vector<CosteAnillo>& costes) {
  double mayor = 0.0;
  for (const CosteAnillo& c : costes)
    for (double v : {c.inmovilizado, c.operacion, c.inmovilizado + c.operacion})
      if (std::isfinite(v)) mayor = std::max(mayor, std::fabs(v));
  constexpr double kLimite = std::numeric_limits<std::int32_t>::max();
  int decimales = 2;
  while (decimales > 0 && mayor * std::pow(10.0, decimales) > kLimite) --decimales;
  return decimales;
}

}  // namespace

int GraficaCostesAnillo(CDiagrama& d, CGrafica& g, int n) {
  const int puntos = PuntosBarrido(n);
  // Every duty stays about 1 kW or more: q from 1 - (smallest even duty) to
  // below (smallest odd duty) - 1.
  const double a = d.m_anillo.minimoPar - 1.0;
  const double b = d.m_anillo.minimoImpar - 1.0;

  std::vector<CosteAnillo> costes;
  int fallidos = 0;
  {
    ConservarModelo conservar(d);
    // The whole network as it was, put back after every heat flow; and what
    // a whole-object assignment leaves alone.
    const CDiagrama foto(d);
    const std::string texto = d.m_textoComprobacion;
    const std::vector<double> pinchesSup = d.m_pinchesServicioSup;
    const std::vector<double> pinchesInf = d.m_pinchesServicioInf;
    const CCambiador aux = d.m_cambiadorAux;
    // Failures are counted for the caller, not shown one by one.
    QuietScope silencio(DefaultUiPort());
    if (puntos > 0) {
      const double paso = (a + b) / puntos;
      double q = -a;
      for (int k = 0; k < puntos; ++k, q += paso) {
        d.CalcularObjetivos();
        RelajarAnillo(d, q);
        const std::int32_t r = CalcularRed(d);
        if (r == kRedSinAvisos || r == kRedSoloAvisos)
          costes.push_back(CostesRed(d, q));
        else
          ++fallidos;
        d = foto;
      }
    }
    d.m_textoComprobacion = texto;
    d.m_pinchesServicioSup = pinchesSup;
    d.m_pinchesServicioInf = pinchesInf;
    d.m_cambiadorAux = aux;
  }

  g.decimales = static_cast<std::int16_t>(DecimalesCostes(costes));
  g.Inicializar("Inmovilizado", 1, kColorCurvaFria);
  for (const CosteAnillo& c : costes) AnadirPuntoValor(g, c.q, c.inmovilizado);
  g.AddSerie("Operación", 2, kColorCurvaCaliente);
  for (const CosteAnillo& c : costes) AnadirPuntoValor(g, c.q, c.operacion);
  g.AddSerie("Totales", 0, kColorTotales);
  for (const CosteAnillo& c : costes) AnadirPuntoValor(g, c.q, c.inmovilizado + c.operacion);
  g.SetTitulos("Flujo de calor (kJ)", "Coste ($)",
               "Línea continua: Costes totales. Línea discontinua: Costes de inmovilizado. "
               "Línea punteada: Costes de operación");
  return fallidos;
}

// ------------------------------------------------ available temperature difference

void MargenesDTDisponible(CGrafica& g) {
  const auto& p = g.puntos;
  if (p.size() < 2) return;
  const Point& primero = p.front();
  const Point& ultimo = p.back();
  const Point& penultimo = p[p.size() - 2];
  g.SetMargenes(ultimo.x, penultimo.x, primero.y, penultimo.y);
}

void GraficaDTDisponible(CDiagrama& d, CGrafica& g, Preguntas preguntas, UiPort& ui) {
  d.CalcularObjetivos();
  if (d.m_temperaturas.empty() || d.m_cascada.empty()) return;
  const double dt = d.m_dtMin;
  const double h = dt * 0.5;
  const double qh = d.m_cascada.front();
  const double qc = d.m_cascada.back();
  const double th = d.m_temperaturas.front() + dt;
  const double tc = d.m_temperaturas.back() - dt;

  // The generic utility temperatures the chart is drawn with. Only the
  // explicit command writes them into the model.
  // An unset one is taken from the targets.
  const double tCal0 = d.m_tCalienteGenerico == kTSentinel ? th : d.m_tCalienteGenerico;
  const double tFrio0 = d.m_tFrioGenerico == kTSentinel ? tc : d.m_tFrioGenerico;
  double tCal = tCal0;
  double tFrio = tFrio0;
  if (preguntas == Preguntas::Preguntar) {
    d.m_tCalienteGenerico = tCal;
    d.m_tFrioGenerico = tFrio;
    if ((th > tCal || tc < tFrio) && ui.AskYesNo(kPreguntaGenericas, Answer::No) == Answer::Yes) {
      tCal = d.m_tCalienteGenerico = th;
      tFrio = d.m_tFrioGenerico = tc;
    }
  }

  // The process streams with the two utility loads as latent streams.
  std::vector<CCorriente> utilidades;
  utilidades.reserve(2);
  if (qc != 0.0) {
    utilidades.emplace_back(tFrio, tFrio, qc, 1, 1);
    utilidades.back().m_h = d.m_hFrioGenerico;
  }
  if (qh != 0.0) {
    utilidades.emplace_back(tCal, tCal, -qh, 0, 1);
    utilidades.back().m_h = d.m_hCalienteGenerico;
  }
  const GrupoCorrientes todas = CorrientesConsideradas(d.m_corrientes, d.m_areas);
  const GrupoCorrientes extra = CorrientesConsideradas(utilidades, d.m_areas);
  const std::array<GrupoCorrientes, 2> calientes = {Filtrar(todas, false), Filtrar(extra, false)};
  const std::array<GrupoCorrientes, 2> frias = {Filtrar(todas, true), Filtrar(extra, true)};
  const TablaProblema tablaCal = ResolverTablaProblema(calientes, dt);
  const TablaProblema tablaFria = ResolverTablaProblema(frias, dt);

  // Temperatures at equal heat, one curve read at the other's points.
  std::vector<Point> puntos;
  if (!tablaCal.Vacia() && !tablaFria.Vacia()) {
    CCorriente curvaCal = CurvaPuntos(tablaCal, h, true);
    CCorriente curvaFria = CurvaPuntos(tablaFria, -h, false);
    const std::vector<double> tFria = curvaFria.m_T, hFria = curvaFria.m_H;
    const std::vector<double> tCaliente = curvaCal.m_T, hCaliente = curvaCal.m_H;
    for (std::size_t i = 0; i < tFria.size(); ++i)
      puntos.push_back({ValorGrafica(tFria[i], 2), ValorGrafica(curvaCal.GetTEnH(hFria[i]), 2)});
    for (std::size_t i = 0; i < tCaliente.size(); ++i)
      puntos.push_back(
          {ValorGrafica(curvaFria.GetTEnH(hCaliente[i]), 2), ValorGrafica(tCaliente[i], 2)});
  }
  if (puntos.empty()) return;

  std::sort(puntos.begin(), puntos.end(), [](const Point& a, const Point& b) {
    return a.x != b.x ? a.x > b.x : a.y > b.y;
  });
  g.decimales = 2;
  g.Inicializar("DT Disponible", 0, kColorCurvaFria);
  for (const Point& p : puntos) g.AddPunto(p.x, p.y);
  // The line where both temperatures are equal, over the cold span.
  const std::int32_t xmin = puntos.back().x;
  const std::int32_t xmax = puntos.front().x;
  g.AddSerie("Separador", 1, kColorSeparador);
  g.AddPunto(xmin, xmin);
  g.AddPunto(xmax, xmax);
  g.SetTitulos("T fría (K)", "T caliente (K)", "Diferencia de temperaturas disponible");
}

// ------------------------------------------------------- chosen variables

bool GraficaPersonalizada(CDiagrama& d, CGrafica& g, double dtDesde, double dtHasta, int n,
                          int variableX, int variableY) {
  if (variableX < 0 || variableX >= kNumVariables || variableY < 0 ||
      variableY >= kNumVariables)
    return false;
  const auto xs = BarridoVariable(d, variableX, dtDesde, dtHasta, n);
  const auto ys = variableY == variableX ? xs : BarridoVariable(d, variableY, dtDesde, dtHasta, n);
  g.decimales = 2;
  g.Inicializar("titulo", 0, kColorCurvaFria);
  // Paired by DT: a DT that either sweep left out gives no point.
  const std::size_t m = std::min(xs.size(), ys.size());
  for (std::size_t k = 0; k < m; ++k)
    if (xs[k] && ys[k]) AnadirPuntoValor(g, *xs[k], *ys[k]);
  const std::string tx = TituloVariable(variableX);
  const std::string ty = TituloVariable(variableY);
  g.SetTitulos(tx, ty, ty + " vs " + tx);
  return true;
}

// ------------------------------------------------------------------- exergy

void GraficaCompuestasExergia(CDiagrama& d, CGrafica& g, int n) {
  const int puntos = PuntosBarrido(n);
  const double dt = d.m_dtMin;
  const double h = dt * 0.5;
  const GrupoCorrientes corrientes = CorrientesConsideradas(d.m_corrientes, d.m_areas);
  const GrupoCorrientes servicios = CorrientesConsideradas(d.m_servicios, d.m_areas);
  bool hayCaliente = false, hayFria = false;
  for (const CCorriente& c : d.m_corrientes) (c.m_fria ? hayFria : hayCaliente) = true;
  for (const CServicios& s : d.m_servicios) (s.m_fria ? hayFria : hayCaliente) = true;

  const std::array<GrupoCorrientes, 2> todo = {corrientes, servicios};
  const double desplazamiento = ResolverTablaProblema(todo, dt).FrioMinimo();

  // Without members no series is started: only the captions change.
  if (hayCaliente || hayFria) g.decimales = 3;
  if (hayCaliente) {
    const std::array<GrupoCorrientes, 2> pool = {Filtrar(corrientes, false),
                                                 Filtrar(servicios, false)};
    const TablaProblema t = ResolverTablaProblema(pool, dt);
    g.Inicializar("Curva Caliente", 0, kColorCurvaCaliente);
    if (!t.Vacia()) {
      // Heat released below each boundary, falling from the top.
      std::vector<double> X;
      X.reserve(t.C.size());
      for (double c : t.C) X.push_back(t.FrioMinimo() - c);
      const double Q = X.front();
      for (int k = 0; k < puntos; ++k) {
        const double q = k * (Q / puntos);
        const double T = BuscarEnCurva(X, t.T, q) + h;
        if (T > 0.0) AnadirPuntoValor(g, q, FactorCarnot(d, T));
      }
    }
  }
  if (hayFria) {
    const std::array<GrupoCorrientes, 2> pool = {Filtrar(corrientes, true),
                                                 Filtrar(servicios, true)};
    const TablaProblema t = ResolverTablaProblema(pool, dt);
    if (hayCaliente)
      g.AddSerie("Curva Fría", 0, kColorCurvaFria);
    else
      g.Inicializar("Curva Fría", 0, kColorCurvaFria);
    if (!t.Vacia()) {
      const double paso = (t.C.front() - t.C.back()) / puntos;
      for (int k = 0; k < puntos; ++k) {
        const double q = k * paso;
        const double T = BuscarEnCurva(t.C, t.T, q) - h;
        if (T > 0.0) AnadirPuntoValor(g, desplazamiento + q, FactorCarnot(d, T));
      }
    }
  }
  g.SetTitulos("H (kW)", "n", "Curvas Compuestas de Exergía");
}

namespace {

// n shifted temperatures from the lowest boundary to the highest, both ends
// included (one point: the lowest); each point that has a positive absolute
// temperature is handed to `punto` with its temperature and cascade heat.
template <class Punto>
void BarrerTemperaturas(const std::vector<double>& T, const std::vector<double>& C, int n,
                        Punto&& punto) {
  const int puntos = PuntosBarrido(n);
  if (T.empty() || C.empty() || puntos == 0) return;
  const double bajo = T.back();
  const double alto = T.front();
  const double paso = puntos > 1 ? (alto - bajo) / (puntos - 1) : 0.0;
  for (int k = 0; k < puntos; ++k) {
    const double t = bajo + k * paso;
    if (t > 0.0) punto(t, BuscarEnCurva(T, C, t));
  }
}

// The process and (optionally) the utilities' grand composite curves swept
// over temperature; `punto` adds one chart point.
template <class Punto>
void GrandCompuestasBarridas(CDiagrama& d, CGrafica& g, int n, bool conServicios,
                             const char* proceso, const char* nombreServicios, Punto&& punto) {
  d.CalcularObjetivos();
  g.Inicializar(proceso, 0, kColorCurvaFria);
  BarrerTemperaturas(d.m_temperaturas, d.m_cascada, n,
                     [&](double t, double H) { punto(t, H); });
  if (conServicios && d.GetNumServicios() > 0) {
    const TablaProblema serv =
        ResolverTablaProblema(CorrientesConsideradas(d.m_servicios, d.m_areas), d.m_dtMin);
    g.AddSerie(nombreServicios, 0, kColorCurvaServicios);
    // As the process sees the utilities, as the grand composite chart.
    BarrerTemperaturas(serv.T, CurvaServiciosFrenteAlProceso(d, serv.C), n,
                       [&](double t, double H) { punto(t, H); });
  }
}

}  // namespace

void GraficaGrandCompuestaExergia(CDiagrama& d, CGrafica& g, int n, bool conServicios) {
  g.decimales = 3;
  GrandCompuestasBarridas(d, g, n, conServicios, "Proceso", "Servicios",
                          [&](double t, double H) { AnadirPuntoValor(g, H, FactorCarnot(d, t)); });
  g.SetTitulos("H (kW)", "n", "Curvas Grand Compuestas de Exergía");
}

void GraficaExergiaDisponible(CDiagrama& d, CGrafica& g, int n, bool conServicios) {
  g.decimales = 2;
  GrandCompuestasBarridas(d, g, n, conServicios, "Process", "Utilities", [&](double t, double H) {
    AnadirPuntoValor(g, H * FactorCarnot(d, t), t);
  });
  g.SetTitulos("E (kW)", "T (K)", "Available Exergy Composite Curve");
}

}  // namespace vardo
