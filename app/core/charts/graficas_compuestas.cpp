// Composite and grand composite curves, and the helpers every chart builder
// shares. The curves of partial problems (hot members only, cold members
// only, the utilities alone) come from the problem-table core on local pools,
// so the model's arrays and targets are never replaced while a chart is built.
#include <algorithm>
#include <array>
#include <cmath>

#include "app/core/charts/graficas.h"
#include "model/constantes.h"
#include "model/tabla_problema.h"

namespace vardo {

// ------------------------------------------------------------ shared helpers

ConservarModelo::ConservarModelo(CDiagrama& d)
    : d_(d),
      dtMin_(d.m_dtMin),
      tCalienteGenerico_(d.m_tCalienteGenerico),
      tFrioGenerico_(d.m_tFrioGenerico),
      soloServicios_(!d.m_temperaturasServ.empty()),
      conServicios_(!d.m_temperaturasConServ.empty()) {}

ConservarModelo::~ConservarModelo() {
  d_.m_dtMin = dtMin_;
  d_.m_tCalienteGenerico = tCalienteGenerico_;
  d_.m_tFrioGenerico = tFrioGenerico_;
  d_.CalcularObjetivos();
  if (soloServicios_) {
    d_.CalcularGrandCompuestaServicios();
  } else {
    d_.m_numIntervalosServ = 0;
    d_.m_temperaturasServ.clear();
    d_.m_caloresServ.clear();
    d_.m_cascadaServ.clear();
  }
  if (conServicios_) {
    d_.CalcularObjetivosServicios();
  } else {
    d_.m_numIntervalosConServ = 0;
    d_.m_temperaturasConServ.clear();
    d_.m_caloresConServ.clear();
    d_.m_cascadaConServ.clear();
  }
}

bool AnadirPuntoValor(CGrafica& g, double x, double y) {
  if (!std::isfinite(x) || !std::isfinite(y)) return false;
  return g.AddPunto(ValorGrafica(x, g.decimales), ValorGrafica(y, g.decimales));
}

int PuntosBarrido(int n) { return std::clamp(n, 0, CGrafica::kMaxPuntos); }

namespace {

constexpr const char* kEjeH = "H (kW)";
constexpr const char* kEjeT = "T (K)";
constexpr const char* kSeleccionada = "Seleccionada";

// The considered members of a pool split by kind, in array order.
struct PorTipo {
  GrupoCorrientes calientes;
  GrupoCorrientes frias;
};

PorTipo SepararPorTipo(const GrupoCorrientes& g) {
  PorTipo r;
  for (const CCorriente* c : g) (c->m_fria ? r.frias : r.calientes).push_back(c);
  return r;
}

template <class Rango>
void HayTipos(const Rango& registros, bool& caliente, bool& fria) {
  for (const auto& r : registros) {
    const CCorriente& c = r;
    (c.m_fria ? fria : caliente) = true;
  }
}

// The stretch of a curve over boundaries S (shifted, falling) that one stream
// covers: from its shifted upper end to its shifted lower end, by exact
// equality. Empty when an end is no boundary.
struct Tramo {
  int desde = -1;
  int hasta = -1;
  bool Vacio() const { return desde < 0 || hasta < 0 || desde > hasta; }
};

Tramo TramoSeleccion(const CCorriente& c, const std::vector<double>& S, double dtMin) {
  const double alto = TemperaturaDesplazada(c, c.m_fria ? c.GetT2() : c.GetT1(), dtMin);
  const double bajo = TemperaturaDesplazada(c, c.m_fria ? c.GetT1() : c.GetT2(), dtMin);
  Tramo t;
  const int n = static_cast<int>(S.size());
  for (int i = 0; i < n; ++i)
    if (S[static_cast<std::size_t>(i)] == alto) {
      t.desde = i;
      break;
    }
  for (int i = n - 1; i >= 0; --i)
    if (S[static_cast<std::size_t>(i)] == bajo) {
      t.hasta = i;
      break;
    }
  return t;
}

// Appends the "Seleccionada" series holding points desde..hasta of the curve
// (x[i], y[i]); the series stays empty when the stretch is empty.
void AnadirSeleccion(CGrafica& g, const Tramo& t, const std::vector<double>& x,
                     const std::vector<double>& y) {
  g.AddSerie(kSeleccionada, 0, kColorSeleccionada);
  if (t.Vacio()) return;
  for (int i = t.desde; i <= t.hasta && i < static_cast<int>(x.size()); ++i)
    AnadirPuntoValor(g, x[static_cast<std::size_t>(i)], y[static_cast<std::size_t>(i)]);
}

void IniciarOAnadir(CGrafica& g, bool primera, const char* etiqueta, Rgb color) {
  if (primera)
    g.Inicializar(etiqueta, 0, color);
  else
    g.AddSerie(etiqueta, 0, color);
}

// One composite curve of a partial problem: heat and real temperature per
// boundary. The hot curve carries the heat released below each boundary
// (B - C[i]); the cold one the heat taken above it plus an offset.
struct Curva {
  std::vector<double> S;  // shifted boundary temperatures
  std::vector<double> H;  // heat, kW
  std::vector<double> T;  // real temperature, K
};

Curva CurvaCaliente(std::span<const GrupoCorrientes> pool, double dtMin) {
  const TablaProblema t = ResolverTablaProblema(pool, dtMin);
  const double h = dtMin * 0.5;
  const double B = t.FrioMinimo();
  Curva c;
  c.S = t.T;
  for (int i = 0; i < t.Num(); ++i) {
    c.H.push_back(B - t.C[static_cast<std::size_t>(i)]);
    c.T.push_back(t.T[static_cast<std::size_t>(i)] + h);
  }
  return c;
}

Curva CurvaFria(std::span<const GrupoCorrientes> pool, double dtMin, double desplazamiento) {
  const TablaProblema t = ResolverTablaProblema(pool, dtMin);
  const double h = dtMin * 0.5;
  Curva c;
  c.S = t.T;
  for (int i = 0; i < t.Num(); ++i) {
    c.H.push_back(desplazamiento + t.C[static_cast<std::size_t>(i)]);
    c.T.push_back(t.T[static_cast<std::size_t>(i)] - h);
  }
  return c;
}

void AnadirCurva(CGrafica& g, const Curva& c) {
  for (std::size_t i = 0; i < c.H.size(); ++i) AnadirPuntoValor(g, c.H[i], c.T[i]);
}

// Composite curves with or without the utilities. The selection counts only
// when it names an existing record of a kind taking part.
void Compuestas(CDiagrama& d, CGrafica& g, bool mostrarSeleccionada, bool conServicios) {
  const double dt = d.m_dtMin;
  const PorTipo corrientes = SepararPorTipo(CorrientesConsideradas(d.m_corrientes, d.m_areas));
  PorTipo servicios;
  if (conServicios) servicios = SepararPorTipo(CorrientesConsideradas(d.m_servicios, d.m_areas));

  bool hayCaliente = false, hayFria = false;
  HayTipos(d.m_corrientes, hayCaliente, hayFria);
  if (conServicios) HayTipos(d.m_servicios, hayCaliente, hayFria);

  const CCorriente* sel = nullptr;
  const std::int32_t ref = d.GetCorrienteSel();
  if (mostrarSeleccionada && d.RefValida(ref) && (conServicios || !EsServicio(ref)))
    sel = &d.GetCorriente(ref);

  // Offset of the cold curve: the cooling the whole problem still needs.
  double qc = 0.0;
  if (conServicios) {
    const std::array<GrupoCorrientes, 2> todo = {
        CorrientesConsideradas(d.m_corrientes, d.m_areas),
        CorrientesConsideradas(d.m_servicios, d.m_areas)};
    qc = ResolverTablaProblema(todo, dt).FrioMinimo();
  } else {
    d.CalcularObjetivos();
    qc = d.m_cascada.empty() ? 0.0 : d.m_cascada.back();
  }

  // Without members no series is started: the chart keeps its points and
  // scale, and only its captions change.
  if (hayCaliente || hayFria) g.decimales = 2;
  if (hayCaliente) {
    const std::array<GrupoCorrientes, 2> pool = {corrientes.calientes, servicios.calientes};
    const Curva c = CurvaCaliente(pool, dt);
    g.Inicializar("Curva caliente", 0, kColorCurvaCaliente);
    AnadirCurva(g, c);
    if (sel && !sel->m_fria) AnadirSeleccion(g, TramoSeleccion(*sel, c.S, dt), c.H, c.T);
  }
  if (hayFria) {
    const std::array<GrupoCorrientes, 2> pool = {corrientes.frias, servicios.frias};
    const Curva c = CurvaFria(pool, dt, qc);
    IniciarOAnadir(g, !hayCaliente, "Curva Fría", kColorCurvaFria);
    AnadirCurva(g, c);
    if (sel && sel->m_fria) AnadirSeleccion(g, TramoSeleccion(*sel, c.S, dt), c.H, c.T);
  }
  g.SetTitulos(kEjeH, kEjeT, conServicios ? "Curvas Compuestas con Servicios" : "Curvas Compuestas");
}

}  // namespace

// ------------------------------------------------------------------ builders

void GraficaGrandCompuesta(CDiagrama& d, CGrafica& g, bool mostrarSeleccionada,
                           bool conServicios) {
  const double dt = d.m_dtMin;
  d.CalcularObjetivos();
  g.decimales = 2;
  g.Inicializar("Curva Grand Compuesta de Proceso", 0, kColorCurvaFria);
  const std::size_t n = std::min(d.m_temperaturas.size(), d.m_cascada.size());
  for (std::size_t i = 0; i < n; ++i) AnadirPuntoValor(g, d.m_cascada[i], d.m_temperaturas[i]);

  // The utilities' own grand composite curve, on local data, drawn as the
  // process sees it (as the fit test reads it).
  bool hayServicios = false;
  TablaProblema serv;
  if (conServicios && d.GetNumServicios() > 0) {
    hayServicios = true;
    serv = ResolverTablaProblema(CorrientesConsideradas(d.m_servicios, d.m_areas), dt);
    serv.C = CurvaServiciosFrenteAlProceso(d, serv.C);
    g.AddSerie("Curva Grand Compuesta de Servicios", 0, kColorCurvaServicios);
    for (int i = 0; i < serv.Num(); ++i)
      AnadirPuntoValor(g, serv.C[static_cast<std::size_t>(i)], serv.T[static_cast<std::size_t>(i)]);
  }

  const std::int32_t ref = d.GetCorrienteSel();
  if (mostrarSeleccionada && d.RefValida(ref)) {
    const CCorriente& c = d.GetCorriente(ref);
    if (!EsServicio(ref))
      AnadirSeleccion(g, TramoSeleccion(c, d.m_temperaturas, dt), d.m_cascada, d.m_temperaturas);
    else if (hayServicios)
      AnadirSeleccion(g, TramoSeleccion(c, serv.T, dt), serv.C, serv.T);
    else
      g.AddSerie(kSeleccionada, 0, kColorSeleccionada);
  }
  g.SetTitulos(kEjeH, kEjeT, "Curva Grand Compuesta");
}

void GraficaCompuestas(CDiagrama& d, CGrafica& g, bool mostrarSeleccionada) {
  Compuestas(d, g, mostrarSeleccionada, false);
}

void GraficaCompuestasServicios(CDiagrama& d, CGrafica& g, bool mostrarSeleccionada) {
  Compuestas(d, g, mostrarSeleccionada, true);
}

}  // namespace vardo
