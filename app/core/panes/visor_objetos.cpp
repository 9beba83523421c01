#include "app/core/panes/visor_objetos.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "app/core/charts/graficas.h"
#include "app/core/document/puertos.h"
#include "model/constantes.h"
#include "model/lazo.h"
#include "model/red.h"
#include "platform/core/numtext.h"

namespace vardo {

namespace {

std::string Entero(std::int64_t n) { return std::to_string(n); }

// The number after `prefijo` when the text is exactly prefijo and a
// positive number; 0 otherwise.
std::int32_t NumeroTras(std::string_view texto, std::string_view prefijo) {
  if (texto.size() <= prefijo.size() || texto.substr(0, prefijo.size()) != prefijo) return 0;
  const char* b = texto.data() + prefijo.size();
  const char* e = texto.data() + texto.size();
  std::int32_t n = 0;
  const auto r = std::from_chars(b, e, n);
  if (r.ec != std::errc() || r.ptr != e || n <= 0) return 0;
  return n;
}

// Label of an exchanger side in a tooltip: "SG" for any utility.
std::string LadoAyuda(std::int32_t ref) {
  return ref == kRefGenerico || EsServicio(ref) ? std::string("SG") : Entero(ref + 1);
}

// Label of an exchanger side in the grid: "SG" for the generic utility,
// "S%d" for a defined one, the stream's number otherwise.
std::string LadoPropiedades(std::int32_t ref) {
  return ref == kRefGenerico ? std::string("SG") : EtiquetaCorriente(ref);
}

std::string MiembrosArea(const CAreaIntegridad& a) {
  std::string s;
  for (std::uint32_t m : a.corrientes) s += EtiquetaCorriente(static_cast<std::int32_t>(m)) + "; ";
  return s;
}

std::string TextoArea(const CDiagrama& d, std::size_t k) {
  return Entero(static_cast<std::int64_t>(k) + 1) + " " + d.m_areas[k].nombre;
}

std::string TextoLazo(const CDiagrama& d, std::int32_t k) {
  return (EsSenda(d, k) ? "Senda " : "Anillo ") + Entero(k + 1);
}

// Numbers of exchangers, each followed by a blank.
template <class Lista>
std::string Numeros(const Lista& l, int base) {
  std::string s;
  for (auto n : l) s += Entero(static_cast<std::int64_t>(n) + base) + " ";
  return s;
}

std::string TipoCalor(const CCorriente& c) {
  if (c.m_lineal == 0) return "No Lineal";
  return c.GetCP(kTSentinel, kTSentinel) == kCpLatente ? "Latente" : "Sensible";
}

// The record's exchangers that exist, in the order of its list.
std::vector<const CCambiador*> CambiadoresDe(const CDiagrama& d, const CCorriente& c) {
  std::vector<const CCambiador*> r;
  for (std::uint32_t k : c.m_cambiadores)
    if (k < d.m_cambiadores.size()) r.push_back(&d.m_cambiadores[k]);
  return r;
}

// The ranges of the record its exchangers leave uncovered, from its hot end
// down.
std::string SinCubrir(const CDiagrama& d, const CCorriente& c) {
  const std::vector<const CCambiador*> lista = CambiadoresDe(d, c);
  if (lista.empty()) return NumTexto(c.GetT1()) + " a " + NumTexto(c.GetT2());
  const bool fria = c.m_fria != 0;
  double actual = fria ? c.GetT2() : c.GetT1();
  std::string s;
  for (const CCambiador* e : lista) {
    const double caliente = fria ? e->tSalidaFria : e->tEntradaCaliente;
    if (actual != caliente) s += NumTexto(actual) + " a " + NumTexto(caliente) + " ";
    actual = fria ? e->tEntradaFria : e->tSalidaCaliente;
  }
  const double extremoFrio = fria ? c.GetT1() : c.GetT2();
  if (actual != extremoFrio) s += NumTexto(actual) + " a " + NumTexto(extremoFrio) + " ";
  return s;
}

}  // namespace

// ---------------------------------------------------------------- tree

bool EsSenda(const CDiagrama& d, std::int32_t lazo) {
  if (lazo < 0 || static_cast<std::size_t>(lazo) >= d.m_lazos.size()) return false;
  // A found loop keeps 0-based numbers; the chain classifies 1-based ones.
  CLazoEnCurso l;
  for (std::uint32_t n : d.m_lazos[static_cast<std::size_t>(lazo)].nodos) {
    l.cambiadores.push_back(static_cast<std::int32_t>(n));
    l.nodos.push_back(n + 1);
  }
  l.cuenta = static_cast<std::int32_t>(l.nodos.size());
  return l.Clasificar(d.m_cambiadores) == kLazoSenda;
}

std::vector<ElementoVisor> ArbolVisor(const CDiagrama& d) {
  std::vector<ElementoVisor> raices;
  auto raiz = [&raices](const char* texto, int icono) -> ElementoVisor& {
    ElementoVisor r;
    r.texto = texto;
    r.icono = icono;
    raices.push_back(std::move(r));
    return raices.back();
  };
  auto hijo = [](ElementoVisor& r, std::string texto, int icono, std::string ayuda,
                 ClaseObjetoVisor clase, std::size_t k) {
    ElementoVisor e;
    e.texto = std::move(texto);
    e.icono = icono;
    e.ayuda = std::move(ayuda);
    e.objeto = {clase, static_cast<std::int32_t>(k)};
    r.hijos.push_back(std::move(e));
  };

  if (!d.m_corrientes.empty()) {
    ElementoVisor& r = raiz(kRaizCorrientes, kIconoRaizCorrientes);
    for (std::size_t k = 0; k < d.m_corrientes.size(); ++k) {
      const CCorriente& c = d.m_corrientes[k];
      hijo(r, "Corriente " + Entero(static_cast<std::int64_t>(k) + 1),
           c.m_fria ? kIconoFria : kIconoCaliente, c.GetNombre(), ClaseObjetoVisor::Corriente, k);
    }
  }
  if (!d.m_cambiadores.empty()) {
    ElementoVisor& r = raiz(kRaizCambiadores, kIconoRaizCambiadores);
    for (std::size_t k = 0; k < d.m_cambiadores.size(); ++k) {
      const CCambiador& c = d.m_cambiadores[k];
      const std::int32_t rc = c.ladoCaliente.ref;
      const std::int32_t rf = c.ladoFrio.ref;
      const bool servicioCaliente = rc == kRefGenerico || EsServicio(rc);
      const bool servicioFrio = rf == kRefGenerico || EsServicio(rf);
      const int icono = servicioCaliente ? kIconoCalentador
                        : servicioFrio   ? kIconoEnfriador
                                         : kIconoCambiador;
      hijo(r, "Cambiador " + Entero(static_cast<std::int64_t>(k) + 1), icono,
           "C. Caliente: " + LadoAyuda(rc) + ", C. Fría: " + LadoAyuda(rf),
           ClaseObjetoVisor::Cambiador, k);
    }
  }
  if (!d.m_servicios.empty()) {
    ElementoVisor& r = raiz(kRaizServicios, kIconoRaizServicios);
    for (std::size_t k = 0; k < d.m_servicios.size(); ++k) {
      const CServicios& s = d.m_servicios[k];
      hijo(r, "Servicio " + Entero(static_cast<std::int64_t>(k) + 1),
           s.m_fria ? kIconoServicioRefrigeracion : kIconoServicioCalefaccion, s.GetNombre(),
           ClaseObjetoVisor::Servicio, k);
    }
  }
  if (!d.m_areas.empty()) {
    ElementoVisor& r = raiz(kRaizAreas, kIconoRaizAreas);
    for (std::size_t k = 0; k < d.m_areas.size(); ++k)
      hijo(r, TextoArea(d, k), kIconoArea, "Corrientes: " + MiembrosArea(d.m_areas[k]),
           ClaseObjetoVisor::Area, k);
  }
  if (!d.m_lazos.empty()) {
    ElementoVisor& r = raiz(kRaizAnillos, kIconoRaizAnillos);
    for (std::size_t k = 0; k < d.m_lazos.size(); ++k) {
      const auto n = static_cast<std::int32_t>(k);
      const bool senda = EsSenda(d, n);
      std::string ayuda = "Camb: ";
      const std::vector<std::uint32_t>& nodos = d.m_lazos[k].nodos;
      for (std::size_t i = 0; i < nodos.size(); ++i)
        ayuda += (i ? ", " : "") + Entero(static_cast<std::int64_t>(nodos[i]) + 1);
      hijo(r, TextoLazo(d, n), senda ? kIconoSenda : kIconoAnillo, ayuda,
           senda ? ClaseObjetoVisor::Senda : ClaseObjetoVisor::Anillo, k);
    }
  }
  return raices;
}

ObjetoVisor IdentificarElemento(const CDiagrama& d, const std::string& texto) {
  auto dentro = [](std::int32_t n, std::size_t cuenta) {
    return n > 0 && static_cast<std::size_t>(n) <= cuenta;
  };
  if (const std::int32_t n = NumeroTras(texto, "Corriente "); dentro(n, d.m_corrientes.size()))
    return {ClaseObjetoVisor::Corriente, n - 1};
  if (const std::int32_t n = NumeroTras(texto, "Cambiador "); dentro(n, d.m_cambiadores.size()))
    return {ClaseObjetoVisor::Cambiador, n - 1};
  if (const std::int32_t n = NumeroTras(texto, "Servicio "); dentro(n, d.m_servicios.size()))
    return {ClaseObjetoVisor::Servicio, n - 1};
  if (const std::int32_t n = NumeroTras(texto, "Anillo "); dentro(n, d.m_lazos.size()))
    return {ClaseObjetoVisor::Anillo, n - 1};
  if (const std::int32_t n = NumeroTras(texto, "Senda "); dentro(n, d.m_lazos.size()))
    return {ClaseObjetoVisor::Senda, n - 1};
  // An area: its number, a blank and its name, as the current model has it.
  std::int32_t n = 0;
  const auto r = std::from_chars(texto.data(), texto.data() + texto.size(), n);
  if (r.ec == std::errc() && r.ptr != texto.data() && dentro(n, d.m_areas.size()) &&
      texto == TextoArea(d, static_cast<std::size_t>(n - 1)))
    return {ClaseObjetoVisor::Area, n - 1};
  return {};
}

bool LazoActualMostrado(const CDiagrama& d, bool anilloMostrado) {
  if (!anilloMostrado) return false;
  const std::int32_t k = d.m_anilloActual;
  if (k < 0 || static_cast<std::size_t>(k) >= d.m_lazos.size()) return false;
  const std::vector<std::uint32_t>& nodos = d.m_lazos[static_cast<std::size_t>(k)].nodos;
  const std::vector<std::int32_t>& enCurso = d.m_lazoEnCurso.cambiadores;
  if (nodos.empty() || nodos.size() != enCurso.size()) return false;
  for (std::size_t i = 0; i < nodos.size(); ++i)
    if (static_cast<std::int64_t>(nodos[i]) != enCurso[i]) return false;
  return true;
}

bool ElementoDeSeleccion(const CDiagrama& d, int tipo, bool anilloMostrado, std::string& raiz,
                         std::string& texto) {
  if (LazoActualMostrado(d, anilloMostrado)) {
    raiz = kRaizAnillos;
    texto = TextoLazo(d, d.m_anilloActual);
    return true;
  }
  if (tipo == kSelCorriente) {
    const std::int32_t s = d.m_corrienteSel;
    if (s >= 0 && s < d.GetNumCorrientes()) {
      raiz = kRaizCorrientes;
      texto = "Corriente " + Entero(s + 1);
      return true;
    }
    if (EsServicio(s) && d.RefValida(s)) {
      raiz = kRaizServicios;
      texto = "Servicio " + Entero(IndiceServicio(s) + 1);
      return true;
    }
    return false;
  }
  if (tipo == kSelCambiador) {
    const std::int32_t e = d.m_cambiadorSel;
    if (e < 0 || e >= d.GetNumCambiadores()) return false;
    raiz = kRaizCambiadores;
    texto = "Cambiador " + Entero(e + 1);
    return true;
  }
  return false;
}

// ---------------------------------------------------------------- properties

FilasPropiedades PropiedadesVacias() { return {{"", ""}, {"", ""}}; }

FilasPropiedades PropiedadesCorriente(const CDiagrama& d, std::int32_t ref) {
  if (!d.RefValida(ref)) return {};
  const bool servicio = EsServicio(ref);
  const CCorriente& c = d.GetCorriente(ref);
  const double H = c.GetH(kTSentinel, 1);
  double carga = std::fabs(H);
  if (servicio) carga = std::fabs(d.m_servicios[static_cast<std::size_t>(IndiceServicio(ref))].m_carga);
  double restante = carga;
  for (const CCambiador* e : CambiadoresDe(d, c)) restante -= std::fabs(e->q);
  if (std::fabs(restante) < kTolH) restante = 0.0;  // rounding of the duties
  std::string numeros;
  for (std::uint32_t k : c.m_cambiadores)
    if (k < d.m_cambiadores.size()) numeros += Entero(static_cast<std::int64_t>(k) + 1) + " ";
  const std::string area = c.m_area >= 0 ? Entero(c.m_area + 1) : std::string();

  FilasPropiedades f{{"Descripción", c.GetNombre()},
                     {"T. Entrada (K)", NumTexto(c.GetT1())},
                     {"T. Salida (K)", NumTexto(c.GetT2())},
                     {"Entalpía (kW)", NumTexto(H)},
                     {"Entalpía restante (kW)", NumTexto(restante)}};
  if (servicio)
    f.emplace_back("Entalpía máxima (kW)",
                   NumTexto(d.m_servicios[static_cast<std::size_t>(IndiceServicio(ref))].m_entalpiaMaxima));
  f.emplace_back("Temperaturas sin cubrir", SinCubrir(d, c));
  f.emplace_back("Cambiadores", numeros);
  if (servicio)
    f.emplace_back("Tipo de servicio", c.m_fria ? "Refrigeración" : "Calefacción");
  else
    f.emplace_back("Tipo de corriente", c.m_fria ? "Fría" : "Caliente");
  f.emplace_back("Tipo de calor", TipoCalor(c));
  f.emplace_back("Área de Integridad", area);
  return f;
}

FilasPropiedades PropiedadesCambiador(CDiagrama& d, std::int32_t i) {
  if (i < 0 || i >= d.GetNumCambiadores()) return {};
  const double cruce = CalorCrucePinch(d, i);
  const CCambiador& c = d.m_cambiadores[static_cast<std::size_t>(i)];
  const std::int32_t rc = c.ladoCaliente.ref;
  const std::int32_t rf = c.ladoFrio.ref;
  auto temperatura = [](std::int32_t ref, double T) {
    return ref == kRefGenerico ? std::string("-") : NumTexto(T);
  };
  const double hCaliente = rc == kRefGenerico ? d.m_hCalienteGenerico : d.GetCorriente(rc).m_h;
  const double hFrio = rf == kRefGenerico ? d.m_hFrioGenerico : d.GetCorriente(rf).m_h;
  const double U = 1.0 / (1.0 / hCaliente + 1.0 / hFrio);
  return {{"Carga (kW)", NumTexto(c.q)},
          {"A través del pinch (kW)", NumTexto(cruce)},
          {"C.Caliente", LadoPropiedades(rc)},
          {"C.Fría", LadoPropiedades(rf)},
          {"T entrada cal. (K)", temperatura(rc, c.tEntradaCaliente)},
          {"T salida cal. (K)", temperatura(rc, c.tSalidaCaliente)},
          {"T entrada fría (K)", temperatura(rf, c.tEntradaFria)},
          {"T salida fría (K)", temperatura(rf, c.tSalidaFria)},
          {"Coef. TC (kW/(m2·K)", std::isfinite(U) ? NumTexto(U) : std::string("-")},
          {"Área (m2)", NumTexto(AreaCambiador(d, i))},
          {"Coste ($)", NumTexto(CosteCambiadores(d, i))}};
}

FilasPropiedades PropiedadesArea(const CDiagrama& d, std::int32_t area) {
  if (area < 0 || static_cast<std::size_t>(area) >= d.m_areas.size()) return {};
  const CAreaIntegridad& a = d.m_areas[static_cast<std::size_t>(area)];
  return {{"Nombre", a.nombre}, {"Corrientes", MiembrosArea(a)}};
}

FilasPropiedades PropiedadesSeleccion(CDiagrama& d, int tipo, bool anilloMostrado) {
  if (LazoActualMostrado(d, anilloMostrado)) {
    CAnillo anillo(d.m_lazoEnCurso);
    anillo.CalcularMinimos(d.m_cambiadores);
    return {{"Cambiadores", Numeros(d.m_lazoEnCurso.nodos, 0)},
            {"Q mínimo (kW)", NumTexto(-anillo.minimoPar)},
            {"Q máximo (kW)", NumTexto(anillo.minimoImpar)}};
  }
  if (tipo == kSelCorriente) return PropiedadesCorriente(d, d.m_corrienteSel);
  if (tipo == kSelCambiador) return PropiedadesCambiador(d, d.m_cambiadorSel);
  return {};
}

// ---------------------------------------------------------------- chart

bool GraficaVisor(CDiagrama& d, CGrafica& g, int indice, bool mostrarSeleccionada,
                  std::int32_t ancho, std::int32_t alto) {
  g.Inicializar("", 0, 0);
  if (d.m_corrientes.empty()) return false;
  switch (indice) {
    case 0: GraficaCompuestas(d, g, mostrarSeleccionada); break;
    case 1: GraficaCompuestasServicios(d, g, mostrarSeleccionada); break;
    case 2: GraficaGrandCompuesta(d, g, mostrarSeleccionada, false); break;
    case 3: GraficaDTDisponible(d, g, Preguntas::NoPreguntar, DefaultUiPort()); break;
    default: return false;
  }
  g.fuenteEscala.height = 12;
  g.marco = Rect{-700, 1200, ancho + 1000, -2800 - alto};
  g.titulo.clear();
  g.tituloX.clear();
  g.tituloY.clear();
  g.sangriaEtiquetas = 800;
  g.semiMarca = 40;
  g.rejilla = 1;
  g.Recalcular();
  if (indice == 3) MargenesDTDisponible(g);
  return g.escalado != 0;
}

}  // namespace vardo
