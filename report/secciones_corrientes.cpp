// The streams part of the page: streams table, physical properties,
// enthalpy tables, cost laws and coefficients, correlations, the cascade,
// the area and cost targets, the feasibility criteria with the possible
// matches, the four charts and the integrity areas.
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "app/core/analysis/factibilidad.h"
#include "app/core/analysis/tablas_resultados.h"
#include "app/core/charts/graficas.h"
#include "model/constantes.h"
#include "model/objetivos_area.h"
#include "report/secciones_informe.h"

namespace vardo {

namespace {

// Flags of the "Corrientes" page.
enum : std::size_t {
  kCurvasCompuestas = 0,
  kCorrelacionesCostes = 1,
  kFactibilidad = 2,
  kGrandCompuestas = 3,
  kPropiedades = 4,
  kTablaCorrientes = 5,
  kCascada = 6,
  kAreaCostes = 7,
  kEstimacion = 8,
  kEntalpias = 9,
  kAreasIntegridad = 10,
  kCompuestasServicios = 11,
  kDTDisponible = 12,
};

bool Latente(const CCorriente& s) { return s.GetCP(kTSentinel, kTSentinel) == kCpLatente; }

// ---- Physical properties ----

// The property columns: header symbol, meaning, property number (the order
// of CCorriente::Propiedad).
struct ColumnaPropiedad {
  const char* simbolo;
  const char* significado;
  int propiedad;
};
const std::array<ColumnaPropiedad, CCorriente::kNumPropiedades> kColumnas{{
    {"k", "Conductividad calorífica (W/m·K)", 1},
    {"C<sub>p</sub>", "Capacidad calorífica (J/kg·K)", 6},
    {"<font face=\"Symbol\">&#961;</font>", "Densidad (kg/m<sup>3</sup>)", 3},
    {"<font face=\"Symbol\">&#961;</font><sub>L</sub>", "Densidad del líquido (kg/m<sup>3</sup>)", 4},
    {"<font face=\"Symbol\">&#961;</font><sub>V</sub>", "Densidad del vapor (kg/m<sup>3</sup>)", 5},
    {"<font face=\"Symbol\">&#956;</font>", "Viscosidad (kg/m·s)", 2},
    {"<font face=\"Symbol\">&#963;</font>", "Tensión superficial (N/m)", 10},
    {"H<sub>v</sub>", "Calor de vaporización (J/kg)", 9},
    {"u", "Velocidad de flujo (m/s)", 7},
    {"D", "Diámetro de la tubería (m)", 8},
    {"D<sub>i</sub>", "Diámetro interno de la tubería (m)", 14},
    {"D<sub>o</sub>", "Diámetro externo de la tubería (m)", 15},
    {"l<sub>F</sub>", "Longitud de la aleta (m)", 13},
    {"t<sub>F</sub>", "Espesor de la aleta (m)", 12},
    {"p<sub>F</sub>", "Espaciado entre aletas (m)", 11},
    {"P<sub>P</sub>", "Espaciado entre placas (m)", 17},
    {"D<sub>v</sub>", "Diámetro del recipiente (m)", 16},
    {"D<sub>c</sub>", "Diámetro de la hélice del serpentín (m)", 20},
    {"L", "Diámetro del agitador (m)", 18},
    {"N", "Velocidad de giro del agitador (Hz)", 19},
}};

// Columns each correlation uses, 'x' in the column's place (order of
// kColumnas: k Cp r rL rV m s Hv u D Di Do lF tF pF PP Dv Dc L N).
const std::array<const char*, CCorriente::kNumCorrelaciones> kUsadas{{
    "xxx..x..xx..........",  // forced convection inside tubes
    "xxx..x..xx..........",  // forced convection outside tubes
    "xx.xxx..xx..........",  // condensation inside tubes
    "xx.xxxxxxx..........",  // boiling
    "xxx..x..xx..xxx.....",  // fins
    "xxx..x..x......x....",  // plates
    "xxx..x..x.xx........",  // concentric tubes
    "xxx..x..xx.......x..",  // inside coils
    "xxx..x............xx",  // outside coils
    "xxx..x..........x.xx",  // jacketed tanks
}};

// Name and formula of each correlation as the report gives them.
const std::array<std::array<const char*, 2>, CCorriente::kNumCorrelaciones> kCorrelaciones{{
    {"Convección forzada en el interior de tubos", "Nu=0.023*Re^0.8*Pr^0.33"},
    {"Convección forzada por el exterior de tubos", "Nu=0.26*Re^0.6*Pr^0.3"},
    {"Condensación en el interior de tubos", "Nu=0.021*Re^0.8*Pr^0.43*(1+(pl/pv)^0.5)/2"},
    {"Ebullición", "h=0.00122*(kl^0.79*Cpl^0.45*pl^0.49)/(s^0.5*mul^0.29*Hv^0.24*pv^0.24)"},
    {"Aletas", "Nu=0.134*Re^0.681*Pr^0.33*((pf-tf)/lf)^0.2*(pf/tf)^0.1134"},
    {"Placas", "Nu=0.26*Re^0.65*Pr^0.4"},
    {"Tubos concéntricos", "Nu=0.031*Re*Pr*(d2/d1)^0.15"},
    {"Interior serpentines", "Nu=0.023*Re^0.8*Pr^0.4*(1+3.5*d/dc"},
    {"Exterior serpentines", "Nu=0.9*Re^0.62*Pr^0.33"},
    {"Tanques encamisados", "Nu=0.36*Re^0.67*Pr^0.33"},
}};

bool TieneCorrelacion(const CCorriente& s) {
  return s.m_correlacion >= 0 && s.m_correlacion < CCorriente::kNumCorrelaciones;
}

// ---- Cascade, targets, feasibility ----

std::string Cascada(CDiagrama& d) {
  std::string s =
      "<p><b>Cálculo de Vadizod mediante el Algoritmo de la Tabla del Problema</b></p>\n" +
      Parrafo("En la siguiente tabla se muestra la cascada de energía del problema:");
  d.CalcularObjetivos();
  s += "<table border=\"1\" width=\"27%\">\n";
  Fila(s, {"Temperatura (K)", "Entalpía (kW)"}, {"12%", "15%"});
  const std::size_t n = std::min(d.m_temperaturas.size(), d.m_cascada.size());
  for (std::size_t i = 0; i < n; ++i) Fila(s, {Num(d.m_temperaturas[i]), Num(d.m_cascada[i])});
  const double calefaccion = d.m_cascada.empty() ? 0.0 : d.m_cascada.front();
  const double refrigeracion = d.m_cascada.empty() ? 0.0 : d.m_cascada.back();
  s += "</table>\n<p align=\"center\">DIFERENCIA MÍNIMA DE TEMPERATURAS: " + Num(d.m_dtMin) +
       " K</p>\n";
  s += Parrafo("Del cálculo de la cascada de energía, se obtienen los siguientes resultados:");
  s += "<ul>\n";
  s += "  <li>Temperatura de Pinch : " + Num(d.m_tPinch) + " K.</li>\n";
  s += "  <li>Necesidades mínimas de calefacción: " + Num(calefaccion) + " kW.</li>\n";
  s += "  <li>Necesidades mínimas de refrigeración: " + Num(refrigeracion) + " kW.</li>\n</ul>\n";
  return s;
}

std::string AreaCostes(CDiagrama& d) {
  d.CalcularObjetivos();
  const std::int32_t unidades = d.CalcularNMinCambiadores(0);
  const double area = d.CalcularAreaMinima(0);
  const double operacion = d.CosteOperacion(0);
  const double inmovilizado = d.CosteInmovilizado(0);
  const double anual = inmovilizado / d.m_amortizacion;
  std::string s = "<p><b>Área y Costes mínimos</b></p>\n\n";
  s += Parrafo(
      "Para la diferencia mínima de temperaturas del problema, los objetivos de la red de "
      "intercambio son:");
  s += "<ul>\n";
  s += "  <li>Número mínimo de cambiadores: " + Entero(unidades) + "</li>\n";
  // Composites that touch need an unbounded area: no figure, the word.
  auto cifra = [](double v, const char* infinito, const char* unidad) {
    return std::isinf(v) ? std::string(infinito) + " (las curvas compuestas se tocan)"
                         : Num(v) + unidad;
  };
  s += "  <li>Área mínima de la red de intercambio: " +
       cifra(area, kTextoAreaInfinita, " m<sup>2</sup>") + ".</li>\n";
  s += "  <li>Costes mínimos:\n    <ul>\n";
  s += "      <li>De operación: " + Num(operacion) + " $/año.</li>\n";
  s += "      <li>De inmovilizado totales: " + cifra(inmovilizado, kTextoCosteInfinito, " $") +
       ".</li>\n";
  s += "      <li>De inmovilizado anuales: " + cifra(anual, kTextoCosteInfinito, " $") + ".</li>\n";
  s += "      <li>Totales anuales: " + cifra(anual + operacion, kTextoCosteInfinito, " $") +
       ".</li>\n";
  s += "    </ul>\n  </li>\n</ul>\n";
  s += Parrafo(
      "Para el cálculo de los costes y para su anualización, se han empleado los siguientes "
      "datos:");
  s += "<ul>\n";
  s += "  <li>Costes de la calefacción: " + Num(d.m_costeCaliente) + " $/kJ.</li>\n";
  s += "  <li>Costes de la refrigeración: " + Num(d.m_costeFrio) + " $/kJ.</li>\n";
  s += "  <li>Tiempo de amortización: " + Num(d.m_amortizacion) + " años.</li>\n";
  s += "  <li>Tasa de interés: " + Num(d.m_interes) + "</li>\n";
  s += "  <li>Factor de Lang: " + Num(d.m_factorLang) + "</li>\n</ul>\n";
  return s;
}

// One m·cp table of a pinch side: the hot and the cold streams the side's
// own rule lists, with their m·cp on the side.
std::string TablaMcp(const CDiagrama& d, const TemperaturasPinch& p, int lado) {
  std::string calientes, frias;
  for (std::int32_t i = 0; i < d.GetNumCorrientes(); ++i) {
    const CCorriente& c = d.m_corrientes[static_cast<std::size_t>(i)];
    const bool entra = c.m_fria ? (lado == kLadoCaliente ? c.GetT2() >= p.Tc : c.GetT1() < p.Tc)
                                : (lado == kLadoCaliente ? c.GetT1() > p.Th : c.GetT2() <= p.Th);
    if (!entra) continue;
    (c.m_fria ? frias : calientes) +=
        "      <p>" + TextoFilaFactibilidad(i, McpEnLado(c, lado, p)) + "</p>\n";
  }
  std::string s = "<table border=\"1\" width=\"50%\">\n";
  Fila(s, {"Corrientes Calientes", "Corrientes Frías"}, {"50%", "50%"});
  Fila(s, {"\n" + calientes + "    ", "\n" + frias + "    "}, {"50%", "50%"});
  return s + "</table>\n";
}

// A matrix of possible matches: "*" kept, empty cells as "&nbsp;".
std::string Matriz(const TablaTexto& t) {
  std::string s = "<table border=\"1\">\n";
  for (const auto& fila : t) Fila(s, fila);
  return s + "</table>\n";
}

std::string Factibilidad(CDiagrama& d) {
  std::string s = "<p><b>Criterios de factibilidad y matrices de emparejamientos posibles</b></p>\n";
  s += Parrafo("Los criterios de factibilidad son:");
  s += "<table border=\"0\" width=\"100%\">\n";
  Fila(s, {"<b>Lado Caliente</b>", "<b>Lado Frío</b>"}, {"50%", "50%"});
  auto criterio = [](const char* op) {
    return std::string("Número de corrientes calientes ") + op +
           " Número de corrientes\n      frías\n      <p>m·cp de la corriente caliente " + op +
           " m·cp de la corriente fría";
  };
  Fila(s, {criterio("&lt;="), criterio("&gt;=")}, {"50%", "50%"});
  s += "</table>\n";

  const TemperaturasPinch p = TemperaturaPinch(d, 0).value_or(TemperaturasPinch{});
  s += Parrafo("Las tablas de m·cp del problema son, para el lado caliente:");
  s += TablaMcp(d, p, kLadoCaliente);
  s += Parrafo("Y para el lado frío:");
  s += TablaMcp(d, p, kLadoFrio);

  const TablaEmparejamientos m = TablaEmparejamientosPosibles(d, 0);
  s += "<p>A partir de estas tablas, se pueden construir las matrices de emparejamientos\n"
       "posibles en el lado caliente:</p>\n";
  s += Matriz(m.ladoCaliente);
  s += Parrafo("Y en el lado frío:");
  s += Matriz(m.ladoFrio);
  s += "<p>En estas tablas, las corrientes en las columnas son corrientes que entran en\n"
       "el pinch, mientras que las corrientes de las filas salen del pinch, y los\n"
       "asteriscos marcan los emparejamientos posibles entre corrientes.</p>\n";
  return s;
}

// ---- Integrity areas ----

struct ObjetivosArea {
  double calefaccion = 0.0;
  double refrigeracion = 0.0;
  long long unidades = 0;
  double area = 0.0;
  double coste = 0.0;
};

ObjetivosArea Objetivos(CDiagrama& d) {
  d.CalcularObjetivos();
  ObjetivosArea o;
  if (!d.m_cascada.empty()) {
    o.calefaccion = d.m_cascada.front();
    o.refrigeracion = d.m_cascada.back();
  }
  o.unidades = d.CalcularNMinCambiadores(0);
  o.area = d.CalcularAreaMinima(0);
  o.coste = d.CosteInmovilizado(0);
  return o;
}

std::string MiembrosArea(const CAreaIntegridad& a) {
  std::string s;
  for (std::int32_t i = 0; i < a.GetNumCorrientes(); ++i) {
    const std::int32_t ref = a.GetCorriente(i);
    s += EsServicio(ref) ? "S" + Entero(IndiceServicio(ref) + 1) : Entero(ref + 1);
    s += ';';
  }
  return s;
}

std::string Areas(CDiagrama& d) {
  std::string s = "<p><b>Áreas de Integridad</b></p>\n";
  s += Parrafo("En la siguiente tabla se muestran las áreas de integridad defindas en el problema:");
  s += "<table border=\"1\" width=\"100%\">\n";
  Fila(s, {"Número", "Nombre", "Corrientes"});
  for (std::size_t i = 0; i < d.m_areas.size(); ++i)
    Fila(s, {Entero(static_cast<long long>(i) + 1), TextoHtml(d.m_areas[i].GetNombre()),
             MiembrosArea(d.m_areas[i])});
  s += "</table>\n ";

  // The whole problem with no area selected, then each area alone; the
  // areas' own selection is put back afterwards.
  std::vector<std::int32_t> mostradas;
  for (auto& a : d.m_areas) {
    mostradas.push_back(a.mostrada);
    a.mostrada = 0;
  }
  const ObjetivosArea todo = Objetivos(d);
  std::vector<ObjetivosArea> porArea;
  ObjetivosArea suma;
  for (auto& a : d.m_areas) {
    a.mostrada = 1;
    porArea.push_back(Objetivos(d));
    a.mostrada = 0;
    suma.calefaccion += porArea.back().calefaccion;
    suma.refrigeracion += porArea.back().refrigeracion;
    suma.unidades += porArea.back().unidades;
    suma.area += porArea.back().area;
    suma.coste += porArea.back().coste;
  }
  for (std::size_t i = 0; i < d.m_areas.size(); ++i) d.m_areas[i].mostrada = mostradas[i];
  d.CalcularObjetivos();

  s += Parrafo(
      "En la siguiente tabla se comparan los costes del diagrama fraccionado y del diagrama sin "
      "fraccionar:");
  s += "<table border=\"1\" width=\"100%\">\n";
  std::vector<std::string> cabecera{"Parámetro", "Diagrama sin fraccionar"};
  for (std::size_t i = 0; i < d.m_areas.size(); ++i)
    cabecera.push_back(Entero(static_cast<long long>(i) + 1) + " " +
                       TextoHtml(d.m_areas[i].GetNombre()));
  cabecera.push_back("Diagrama fraccionado");
  Fila(s, cabecera);
  std::vector<const ObjetivosArea*> columnas{&todo};
  for (const ObjetivosArea& o : porArea) columnas.push_back(&o);
  columnas.push_back(&suma);
  FilasPorMagnitud<ObjetivosArea>(
      s,
      {{"Calefacción (kW)", [](const ObjetivosArea& o) { return Num(o.calefaccion); }},
       {"Refrigeración (kW)", [](const ObjetivosArea& o) { return Num(o.refrigeracion); }},
       {"Número", [](const ObjetivosArea& o) { return Entero(o.unidades); }},
       {"Área (m2)",
        [](const ObjetivosArea& o) { return TextoObjetivo(o.area, kTextoAreaInfinita); }},
       {"Coste ($)",
        [](const ObjetivosArea& o) { return TextoObjetivo(o.coste, kTextoCosteInfinito); }}},
      columnas);
  return s + "</table>\n";
}

}  // namespace

// ---------------------------------------------------------------- groups

GrupoCorrientes GrupoProceso(const CDiagrama& d) {
  GrupoCorrientes g{"Corriente", false, {}};
  for (const auto& c : d.m_corrientes) g.lista.push_back(&c);
  return g;
}

GrupoCorrientes GrupoServicios(const CDiagrama& d) {
  GrupoCorrientes g{"Servicio", true, {}};
  for (const auto& c : d.m_servicios) g.lista.push_back(&c);
  return g;
}

std::string TablaCorrientesHtml(const GrupoCorrientes& g, const char* titulo) {
  std::string s = std::string("<p><font size=\"3\"><b>") + titulo +
                  "</b></font></p>\n\n<table border=\"1\" width=\"101%\">\n";
  Fila(s,
       {g.nombre, "Descripción", "Tipo", "Tipo Calor", "T1 (K)", "T2 (K)", "H (kW)",
        "m·cp(kW·K)"},
       {"12%", "25%", "9%", "10%", "8%", "8%", "15%", "15%"});
  for (std::size_t i = 0; i < g.lista.size(); ++i) {
    const CCorriente& c = *g.lista[i];
    const char* tipo = g.servicios ? (c.m_fria ? "Refrigeración" : "Calefacción")
                                   : (c.m_fria ? "Fría" : "Caliente");
    Fila(s, {Entero(static_cast<long long>(i) + 1), TextoHtml(c.GetNombre()), tipo,
             Latente(c) ? "Latente" : "Sensible", Num(c.GetT1()), Num(c.GetT2()),
             Num(c.GetH(kTSentinel, 1)), TextoMcp(c.GetCP(kTSentinel, kTSentinel))});
  }
  return s + "</table>\n\n";
}

std::string PropiedadesHtml(const GrupoCorrientes& g) {
  std::string s = "<p><b><font size=\"3\">Propiedades Físicas</font></b></p>\n";
  s += Parrafo(
      "En la siguiente tabla se muestran únicamente las propiedades físicas que se han "
      "empleado en la estimación de coeficientes de transmisión de calor.");
  s += "<table border=\"1\" width=\"100%\">\n";
  const std::vector<std::string_view> anchos(kColumnas.size() + 1, "5%");
  std::vector<std::string> cabecera{"Corr"};
  for (const auto& col : kColumnas) cabecera.push_back(col.simbolo);
  Fila(s, cabecera, anchos, "23");
  for (std::size_t i = 0; i < g.lista.size(); ++i) {
    const CCorriente& c = *g.lista[i];
    if (!TieneCorrelacion(c)) continue;
    const char* usadas = kUsadas[static_cast<std::size_t>(c.m_correlacion)];
    std::vector<std::string> fila{Entero(static_cast<long long>(i) + 1)};
    for (std::size_t k = 0; k < kColumnas.size(); ++k)
      fila.push_back(usadas[k] == 'x' ? Num(c.Propiedad(kColumnas[k].propiedad)) : "");
    Fila(s, fila, anchos, "19");
  }
  s += "</table>\n<p>Los símbolos empleados en esta tabla son:</p>\n<ul type=\"circle\">\n";
  for (const auto& col : kColumnas)
    s += std::string("<li>") + col.simbolo + ": " + col.significado + "</li>\n";
  return s + "</ul>\n\n";
}

std::string EntalpiasHtml(const GrupoCorrientes& g, const char* titulo) {
  std::string s = std::string("<p><b><font size=\"3\">") + titulo + "</font></b></p>\n";
  for (std::size_t i = 0; i < g.lista.size(); ++i) {
    const CCorriente& c = *g.lista[i];
    if (c.m_lineal) continue;
    s += std::string("<p><font size=\"3\">") + g.nombre + " " +
         Entero(static_cast<long long>(i) + 1) + " " + TextoHtml(c.GetNombre()) +
         ":</font></p>\n";
    s += "<table border=\"1\" width=\"37%\">\n";
    Fila(s, {"T (K)", "H (kW)"}, {"12%", "25%"});
    // A utility keeps the shape of its curve; its heat is that shape times
    // its load (a stream's scale is exactly 1).
    const double ultimo = c.m_H.empty() ? 0.0 : c.m_H.back();
    const double escala = ultimo == 0.0 ? 1.0 : c.GetH(kTSentinel, 1) / ultimo;
    for (std::int32_t k = 0; k < c.GetNumPuntos(); ++k)
      Fila(s, {Num(c.GetPunto(k, 1)), Num(c.GetPunto(k, 0) * escala)}, {"20%", "20%"});
    s += "</table>\n";
    if (c.m_ajustada) {
      s += Parrafo(c.m_formaHT
                       ? "Esta tabla se ha obtenido con el siguiente ajuste, de la forma H = f(T):"
                       : "Esta tabla se ha obtenido con el siguiente ajuste, de la forma T = f(H):");
      s += Parrafo(TextoHtml(c.GetAjuste()));
    }
  }
  return s;
}

std::string CostesCoeficientesHtml(const GrupoCorrientes& g) {
  std::string s = "<p><b>Correlaciones de costes y coeficientes de transmisión de calor</b></p>\n";
  s += Parrafo(
      "En el cálculo del área y costes mínimos, se han empleado los siguientes coeficientes:");
  s += "<table border=\"1\" width=\"100%\">\n";
  const std::vector<std::string_view> anchos(5, "20%");
  Fila(s, {g.nombre, "h (kW/m<sub>2</sub>·K)", "a", "b", "c"}, anchos);
  for (std::size_t i = 0; i < g.lista.size(); ++i) {
    const CCorriente& c = *g.lista[i];
    Fila(s, {Entero(static_cast<long long>(i) + 1), Num(c.m_h), Num(c.m_a), Num(c.m_b), Num(c.m_c)},
         anchos);
  }
  s += "</table>\n";
  s += Parrafo("Para el cálculo de los costes se ha empleado una correlación de la forma:");
  return s + "<p align=\"center\">C[$] = a + b·A[m<sup>2</sup>]<sup>c</sup></p>\n";
}

std::string EstimacionHtml(const GrupoCorrientes& g) {
  std::string s = "<p><b>Estimación de coeficientes de transmisión de calor</b></p>\n";
  s += Parrafo(
      "Las correlaciones que se han empleado para estimar coeficientes de transmisión de calor "
      "son las siguientes:");
  s += "<table border=\"1\" width=\"100%\">\n";
  Fila(s, {"Corriente", "Tipo Correlación", "Forma Correlación"}, {"1%", "26%", "34%"});
  for (std::size_t i = 0; i < g.lista.size(); ++i) {
    const CCorriente& c = *g.lista[i];
    if (!TieneCorrelacion(c)) continue;
    const auto& k = kCorrelaciones[static_cast<std::size_t>(c.m_correlacion)];
    Fila(s, {Entero(static_cast<long long>(i) + 1), k[0], k[1]});
  }
  return s + "</table>\n";
}

// ---------------------------------------------------------------- sections

void SeccionesCorrientes(PaginaInforme& p) {
  const auto& f = p.opciones.corrientes;
  CDiagrama& d = p.modelo;
  bool alguna = false;
  for (bool b : f) alguna = alguna || b;
  if (alguna) p.Escribir("<p><u><b><font size=\"4\">Corrientes</font></b></u></p>\n\n");

  if (f[kTablaCorrientes])
    p.Seccion("Escribiendo tabla de corrientes...", [&] {
      p.Escribir(TablaCorrientesHtml(GrupoProceso(d), "Tabla de corrientes"));
    });
  if (f[kPropiedades])
    p.Seccion("Escribiendo tabla de propiedades físicas...",
              [&] { p.Escribir(PropiedadesHtml(GrupoProceso(d))); });
  if (f[kEntalpias])
    p.Seccion("Escribiendo tabla de entalpías...", [&] {
      p.Escribir(EntalpiasHtml(GrupoProceso(d), "Tablas de entalpía de corrientes no lineales"));
    });
  if (f[kCorrelacionesCostes])
    p.Seccion("Escribiendo coeficientes de TC y de costes...",
              [&] { p.Escribir(CostesCoeficientesHtml(GrupoProceso(d))); });
  if (f[kEstimacion])
    p.Seccion("Escribiendo estimación de coeficientes de TC...",
              [&] { p.Escribir(EstimacionHtml(GrupoProceso(d))); });
  if (f[kCascada])
    p.Seccion("Escribiendo cascada...", [&] { p.Escribir(Cascada(d)); });
  if (f[kAreaCostes])
    p.Seccion("Escribiendo área y costes mínimos...", [&] { p.Escribir(AreaCostes(d)); });
  if (f[kFactibilidad])
    p.Seccion("Escribiendo criterios de factibilidad...", [&] { p.Escribir(Factibilidad(d)); });

  struct Grafica {
    std::size_t bandera;
    const char* estado;
    const char* sufijo;
    const char* titulo;
    void (*construir)(CDiagrama&, CGrafica&);
    void (*ajustar)(CGrafica&);  // the chart's own ranges once scaled, or none
  };
  const Grafica graficas[] = {
      {kCurvasCompuestas, "Grabando Curvas Compuestas...", "_CurvComp", "Curvas Compuestas",
       [](CDiagrama& m, CGrafica& g) { GraficaCompuestas(m, g, false); }, nullptr},
      {kGrandCompuestas, "Grabando Curvas Grand Compuestas...", "_CurvGrand",
       "Curvas Grand Compuestas",
       [](CDiagrama& m, CGrafica& g) { GraficaGrandCompuesta(m, g, false, true); }, nullptr},
      {kCompuestasServicios, "Grabando Curvas Compuestas con Servicios...", "_CurvCompServ",
       "Curvas Compuestas con Servicios",
       [](CDiagrama& m, CGrafica& g) { GraficaCompuestasServicios(m, g, false); }, nullptr},
      {kDTDisponible, "Grabando DT disponible...", "_DTDisp",
       "Curva de Diferencia de Temperaturas Disponible",
       [](CDiagrama& m, CGrafica& g) { GraficaDTDisponible(m, g); }, MargenesDTDisponible},
  };
  for (const Grafica& g : graficas) {
    if (!f[g.bandera]) continue;
    p.Seccion(g.estado, [&] {
      const std::string img =
          p.ImagenGrafica(g.sufijo, [&](CGrafica& grafica) { g.construir(d, grafica); }, g.ajustar);
      p.Escribir(std::string("<p><b>") + g.titulo + "</b></p>\n" + img);
    });
  }

  if (f[kAreasIntegridad])
    p.Seccion("Escribiendo áreas de integridad...", [&] { p.Escribir(Areas(d)); });
}

}  // namespace vardo
