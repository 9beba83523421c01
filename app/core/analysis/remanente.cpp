#include "app/core/analysis/remanente.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

#include "app/core/charts/texto_grafico.h"
#include "model/constantes.h"
#include "model/objetivos_area.h"
#include "platform/core/numtext.h"

namespace vardo {

namespace {

bool FiltroAreas(const CDiagrama& d) {
  return std::any_of(d.m_areas.begin(), d.m_areas.end(),
                     [](const CAreaIntegridad& a) { return a.mostrada != 0; });
}

bool EnAreaMostrada(const CDiagrama& d, const CCorriente& c) {
  return c.m_area >= 0 && static_cast<std::size_t>(c.m_area) < d.m_areas.size() &&
         d.m_areas[static_cast<std::size_t>(c.m_area)].mostrada != 0;
}

// A process stream (not a utility, not the generic utility) of a shown area.
bool LadoEnAreaMostrada(const CDiagrama& d, std::int32_t ref) {
  return ref >= 0 && !EsServicio(ref) && d.RefValida(ref) &&
         EnAreaMostrada(d, d.GetCorriente(ref));
}

bool LadoServicio(std::int32_t ref) { return ref == kRefGenerico || EsServicio(ref); }

// The installed exchangers of the source, in the order of its list.
std::vector<const CCambiador*> CambiadoresDe(const CDiagrama& d, const CCorriente& fuente) {
  std::vector<const CCambiador*> r;
  for (std::uint32_t e : fuente.m_cambiadores)
    if (e < d.m_cambiadores.size()) r.push_back(&d.m_cambiadores[e]);
  return r;
}

using Puntos = std::vector<std::pair<double, double>>;  // (T, H in kW)

// Cuts one source into segments. Enthalpies are worked in kW: the source's
// points are read on the scale of its own GetH, which for a utility is its
// normalised curve times its load, and stored back on the point scale.
class Cortador {
 public:
  explicit Cortador(const CCorriente& f)
      : f_(f), fria_(f.m_fria != 0), escala_(f.GetH(kTSentinel, 1) / f.m_H.back()) {}

  // Whether T lies strictly before `limite` in the direction of flow.
  bool Antes(double T, double limite) const { return fria_ ? T < limite : T > limite; }
  // A gap from `cerca` to `lejos` becomes a segment only when `lejos` lies
  // beyond `cerca` by more than 0.01 K. Exchangers that overlap on the stream
  // leave a gap running backwards, which must not become heat.
  bool Hueco(double cerca, double lejos) const {
    return (fria_ ? lejos - cerca : cerca - lejos) > kTolT;
  }

  // From x (after the last exchanger) to the target.
  Puntos Tras(double x) const {
    Puntos p{{x, 0.0}};
    const double hx = H(x);
    const int n = f_.GetNumPuntos();
    int i = 0;
    while (i < n && Antes(T(i), x)) ++i;
    for (; i < n; ++i) p.emplace_back(T(i), Hi(i) - hx);
    return p;
  }
  // From the supply to y (before the first exchanger).
  Puntos Desde(double y) const {
    Puntos p;
    const int n = f_.GetNumPuntos();
    for (int i = 0; i < n && Antes(T(i), y); ++i) p.emplace_back(T(i), Hi(i));
    p.emplace_back(y, H(y));
    return p;
  }
  // From x to y, between two exchangers.
  Puntos Entre(double x, double y) const {
    Puntos p{{x, 0.0}};
    const double hx = H(x);
    const int n = f_.GetNumPuntos();
    int i = 0;
    while (i < n && Antes(T(i), x)) ++i;
    for (; i < n && Antes(T(i), y); ++i) p.emplace_back(T(i), Hi(i) - hx);
    p.emplace_back(y, H(y) - hx);
    return p;
  }

  // The source's record with these points in place of its own.
  template <class Registro>
  Registro Copia(const Registro& fuente, const Puntos& p) const {
    Registro c = fuente;
    CCorriente& s = c;  // a utility hides BorrarPuntos with its cascade list
    s.BorrarPuntos();
    for (const auto& [t, h] : p) s.AddPunto(t, h / escala_);
    s.m_mcp = s.GetCP(kTSentinel, kTSentinel);
    return c;
  }
  // The source's record with its whole heat set to h (kW).
  template <class Registro>
  Registro ConCalor(const Registro& fuente, double h) const {
    Registro c = fuente;
    c.SetHFinal(h / escala_);
    c.m_mcp = c.GetCP(kTSentinel, kTSentinel);
    return c;
  }

 private:
  double T(int i) const { return f_.GetPunto(i, 1); }
  double Hi(int i) const { return f_.GetPunto(i, 0) * escala_; }
  double H(double T) const { return f_.GetH(T, 1); }

  const CCorriente& f_;
  bool fria_;
  double escala_;
};

// Appends to `destino` what remains of `fuente`.
template <class Registro>
void AnadirRemanente(const CDiagrama& d, bool filtro, const Registro& fuente,
                     std::vector<Registro>& destino) {
  if (filtro && !EnAreaMostrada(d, fuente)) return;
  const double h = fuente.GetH(kTSentinel, 1);
  if (std::fabs(h) <= kTolH) return;
  const std::vector<const CCambiador*> lista = CambiadoresDe(d, fuente);
  if (lista.empty()) {
    destino.push_back(fuente);
    return;
  }
  const Cortador cortar(fuente);
  if (fuente.m_latente) {
    double q = 0.0;
    for (const CCambiador* c : lista) q += c->q;
    if (fuente.m_fria ? h > q : -h > q)
      destino.push_back(cortar.ConCalor(fuente, fuente.m_fria ? h - q : h + q));
    return;
  }

  // The hot list runs from the supply to the target, the cold list from the
  // target to the supply; each exchanger is read on the side lying on the
  // source.
  const bool fria = fuente.m_fria != 0;
  const std::size_t k = lista.size();
  auto entrada = [&](std::size_t j) {
    return fria ? lista[j]->tEntradaFria : lista[j]->tEntradaCaliente;
  };
  auto salida = [&](std::size_t j) {
    return fria ? lista[j]->tSalidaFria : lista[j]->tSalidaCaliente;
  };
  const double tras = fria ? salida(0) : salida(k - 1);
  if (cortar.Hueco(tras, fuente.GetT2())) destino.push_back(cortar.Copia(fuente, cortar.Tras(tras)));
  const double desde = fria ? entrada(k - 1) : entrada(0);
  if (cortar.Hueco(fuente.GetT1(), desde))
    destino.push_back(cortar.Copia(fuente, cortar.Desde(desde)));
  for (std::size_t j = 1; j < k; ++j) {
    const double x = fria ? salida(j) : salida(j - 1);
    const double y = fria ? entrada(j - 1) : entrada(j);
    if (cortar.Hueco(x, y)) destino.push_back(cortar.Copia(fuente, cortar.Entre(x, y)));
  }
}

// Targets of a problem: units, area and capital cost with the defined
// utilities, then the two ends of the process cascade.
ValoresRemanente Objetivos(CDiagrama& d) {
  ValoresRemanente v;
  v.numCambiadores = d.CalcularNMinCambiadores(0);
  v.area = d.CalcularAreaMinima(0);
  v.coste = d.CosteInmovilizado(0);
  d.CalcularObjetivos();
  if (!d.m_cascada.empty()) {
    v.calefaccion = d.m_cascada.front();
    v.refrigeracion = d.m_cascada.back();
  }
  return v;
}

ValoresRemanente Instalado(const CDiagrama& d) {
  const bool filtro = FiltroAreas(d);
  ValoresRemanente v;
  for (std::int32_t i = 0; i < d.GetNumCambiadores(); ++i) {
    const CCambiador& c = d.m_cambiadores[static_cast<std::size_t>(i)];
    const std::int32_t cal = c.ladoCaliente.ref;
    const std::int32_t fria = c.ladoFrio.ref;
    if (filtro && cal != kRefGenerico && fria != kRefGenerico && !LadoEnAreaMostrada(d, cal) &&
        !LadoEnAreaMostrada(d, fria))
      continue;
    ++v.numCambiadores;
    v.area += d.AreaCambiador(i);
    v.coste += d.CosteCambiadores(i);
    if (LadoServicio(cal)) v.calefaccion += c.q;
    if (LadoServicio(fria)) v.refrigeracion += c.q;
  }
  return v;
}

}  // namespace

bool ComprobarServiciosGenericos(CDiagrama& problema, UiPort& ui) {
  problema.CalcularObjetivos();
  if (problema.m_temperaturas.empty()) return false;
  const double tMax = problema.m_temperaturas.front() + problema.m_dtMin;
  const double tMin = problema.m_temperaturas.back() - problema.m_dtMin;
  if (problema.m_tCalienteGenerico >= tMax && problema.m_tFrioGenerico <= tMin) return false;
  if (ui.AskYesNo(kPreguntaServiciosGenericos, Answer::No) != Answer::Yes) return false;
  problema.m_tCalienteGenerico = tMax;
  problema.m_tFrioGenerico = tMin;
  return true;
}

CDiagrama ProblemaRemanente(const CDiagrama& problema) {
  CDiagrama r = problema;
  r.m_corrientes.clear();
  r.m_servicios.clear();
  const bool filtro = FiltroAreas(problema);
  for (const CCorriente& c : problema.m_corrientes) AnadirRemanente(problema, filtro, c, r.m_corrientes);
  for (const CServicios& s : problema.m_servicios) AnadirRemanente(problema, filtro, s, r.m_servicios);
  return r;
}

AnalisisRemanente CalcularRemanente(const CDiagrama& original) {
  CDiagrama problema;
  CopiarModeloCompleto(problema, original);
  AnalisisRemanente a;
  a.minimo = Objetivos(problema);
  a.instalado = Instalado(problema);
  CDiagrama resto = ProblemaRemanente(problema);
  a.remanenteVacio = resto.GetNumCorrientes() == 0;
  if (!a.remanenteVacio) a.remanente = Objetivos(resto);
  a.total.numCambiadores = a.instalado.numCambiadores + a.remanente.numCambiadores;
  a.total.area = a.instalado.area + a.remanente.area;
  a.total.coste = a.instalado.coste + a.remanente.coste;
  a.total.calefaccion = a.instalado.calefaccion + a.remanente.calefaccion;
  a.total.refrigeracion = a.instalado.refrigeracion + a.remanente.refrigeracion;
  return a;
}

TablaRemanente TextosRemanente(const AnalisisRemanente& a) {
  TablaRemanente t;
  t[0] = {"", "Mínimo", "Instalado", "Remanente", "Total"};
  t[1][0] = "Número de cambiadores";
  t[2][0] = "Área de intercambio (m2)";
  t[3][0] = "Coste de inmovilizado ($)";
  t[4][0] = "Calefacción (kW)";
  t[5][0] = "Refrigeración (kW)";
  const ValoresRemanente* columnas[] = {&a.minimo, &a.instalado, &a.remanente, &a.total};
  for (std::size_t c = 0; c < 4; ++c) {
    const ValoresRemanente& v = *columnas[c];
    t[1][c + 1] = std::to_string(v.numCambiadores);
    t[2][c + 1] = TextoObjetivo(v.area, kTextoAreaInfinita, 6);
    t[3][c + 1] = TextoObjetivo(v.coste, kTextoCosteInfinito, 4);
    t[4][c + 1] = NumTexto(v.calefaccion, 6);
    t[5][c + 1] = NumTexto(v.refrigeracion, 6);
  }
  return t;
}

double EscalaCosteRemanente(double costeMinimo) {
  double escala = 1.0;
  for (double limite = 10000.0; limite <= 100000000.0 && costeMinimo > limite; limite *= 10.0)
    escala = limite / 10.0;
  return escala;
}

std::string TextoEscalaCoste(double escala) {
  static const char* const kSuperindices[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
  const int exponente = static_cast<int>(std::lround(std::log10(std::max(escala, 1.0))));
  std::string s = "Escala de coste: × ";
  if (exponente == 0) return s + "1";
  s += "10";
  for (char c : std::to_string(exponente)) s += kSuperindices[c - '0'];
  return s;
}

std::array<GraficaRemanente, 5> GraficasRemanente(const AnalisisRemanente& a) {
  const ValoresRemanente* columnas[] = {&a.minimo, &a.instalado, &a.remanente};
  const double escala = EscalaCosteRemanente(a.minimo.coste);
  std::array<GraficaRemanente, 5> g;
  g[0].etiqueta = "Num Camb";
  g[1].etiqueta = "Área (m2)";
  g[2].etiqueta = "Coste ($)";
  g[3].etiqueta = "Cal (kW)";
  g[4].etiqueta = "Ref (kW)";
  for (std::size_t c = 0; c < 3; ++c) {
    const ValoresRemanente& v = *columnas[c];
    g[0].datos[c] = std::to_string(v.numCambiadores);  // an integer has no point
    g[1].datos[c] = TextoComa(v.area);
    g[2].datos[c] = TextoComa(v.coste / escala, 8);
    g[3].datos[c] = TextoComa(v.calefaccion);
    g[4].datos[c] = TextoComa(v.refrigeracion);
  }
  return g;
}

}  // namespace vardo
