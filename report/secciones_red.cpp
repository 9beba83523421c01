// The design part of the page: exchangers, grid diagram, remaining problem,
// matches across the pinch; the utilities; loops and paths with the node
// and disturbance matrices; the charts against DT min.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/core/analysis/anillos_dlg.h"
#include "app/core/analysis/matriz_man.h"
#include "app/core/analysis/perturbaciones_tabla.h"
#include "app/core/analysis/remanente.h"
#include "app/core/charts/graficas.h"
#include "app/core/document/documento.h"
#include "app/core/views/diagrama_rejilla.h"
#include "model/anillos.h"
#include "model/constantes.h"
#include "model/objetivos_area.h"
#include "model/red.h"
#include "report/secciones_informe.h"

namespace vardo {

namespace {

// Flags of the "Cambiadores" page.
enum : std::size_t {
  kTablaCambiadores = 0,
  kEspecificaciones = 1,
  kRemanente = 2,
  kTrama = 3,
  kCrucePinch = 4,
};
// Flags of the "Servicios" page.
enum : std::size_t {
  kServCorrelacionesCostes = 0,
  kServCostesOperacion = 1,
  kServEntalpias = 2,
  kServEstimacion = 3,
  kServPropiedades = 4,
  kServTabla = 5,
};
// Flags of the "Anillos y Sendas" page.
enum : std::size_t { kAnillos = 0, kMatrizNodos = 1, kPerturbaciones = 2 };

template <std::size_t N>
bool Alguna(const std::array<bool, N>& f) {
  for (bool b : f)
    if (b) return true;
  return false;
}

// ---- Exchangers ----

// Label and end temperatures of one side: "%d" or "S%d" with the inlet and
// outlet, or "SG" with "-" and "-" for the generic utility.
std::array<std::string, 3> Lado(std::int32_t ref, double entrada, double salida) {
  if (ref == kRefGenerico) return {"SG", "-", "-"};
  return {EtiquetaCorriente(ref), Num(entrada), Num(salida)};
}

std::string TablaCambiadores(const CDiagrama& d) {
  std::string s =
      "<p><font size=\"3\"><b>Tabla de cambiadores</b></font></p>\n"
      "<table border=\"1\" width=\"100%\" height=\"52\">\n";
  Fila(s,
       {"Cambiador", "Carga (kW)", "C. Caliente", "T1C (K)", "T2C (K)", "C. fría", "T1F (K)",
        "T2F (K)", "Área (m<sup>2</sup>)", "Coste ($)"},
       {"16%", "21%", "24%", "24%", "24%", "24%", "24%", "24%", "24%", "24%"});
  for (std::int32_t i = 0; i < d.GetNumCambiadores(); ++i) {
    const CCambiador& c = d.m_cambiadores[static_cast<std::size_t>(i)];
    const auto cal = Lado(c.ladoCaliente.ref, c.tEntradaCaliente, c.tSalidaCaliente);
    const auto fri = Lado(c.ladoFrio.ref, c.tEntradaFria, c.tSalidaFria);
    Fila(s, {Entero(i + 1), Num(c.q), cal[0], cal[1], cal[2], fri[0], fri[1], fri[2],
             Num(AreaCambiador(d, i)), Num(CosteCambiadores(d, i))});
  }
  return s + "</table>\n";
}

// Kind and value of an end temperature; only a typed value has a value.
std::array<std::string, 2> Extremo(std::int32_t tipo, double valor) {
  switch (tipo) {
    case kTipoNinguno: return {"No especificada", "-"};
    case kTipoExtremo: return {"Igual a la de la corriente", "-"};
    case kTipoValor: return {"Especificada por Usuario", Num(valor)};
    case kTipoPinch: return {"Temperatura de pinch", "-"};
    case kTipoCambiador: return {"Igual a la de otro cambiador", "-"};
    default: return {"-", "-"};
  }
}

// Kind and value of the load, from how the exchanger's duty is set.
std::array<std::string, 2> Carga(const CCambiador& c) {
  switch (c.modo) {
    case kModoQ: return {"Especificada por Usuario", Num(c.valorQ)};
    case kModoTemperaturas: return {"No especificada", "-"};
    case kModoCompletarFria: return {"Para agotar corr. cal.", "-"};
    case kModoCompletarCaliente: return {"Para agotar corr. fría", "-"};
    default: return {"-", "-"};
  }
}

std::string Especificaciones(const CDiagrama& d) {
  std::string s = "<p><b>Especificaciones de los cambiadores</b></p>\n";
  s += Parrafo("Los cambiadores se han definido mediante las siguientes especificaciones:");
  s += "<table border=\"1\" width=\"100%\">\n";
  Fila(s, {"Cambiador", "Entalpía", "T1C", "T2C", "T1F", "T2F"},
       {"10%", "18%", "18%", "18%", "18%", "18%"});
  s += "</table>\n<table border=\"1\" width=\"100%\">\n";
  std::vector<std::string> cabecera{""};
  for (int k = 0; k < 5; ++k) {
    cabecera.push_back("Tipo");
    cabecera.push_back("Valor");
  }
  Fila(s, cabecera);
  for (std::int32_t i = 0; i < d.GetNumCambiadores(); ++i) {
    const CCambiador& c = d.m_cambiadores[static_cast<std::size_t>(i)];
    std::vector<std::string> fila{Entero(i + 1)};
    for (const auto& par :
         {Carga(c), Extremo(c.tipoEntradaCaliente, c.valorEntradaCaliente),
          Extremo(c.tipoSalidaCaliente, c.valorSalidaCaliente),
          Extremo(c.tipoEntradaFria, c.valorEntradaFria),
          Extremo(c.tipoSalidaFria, c.valorSalidaFria)}) {
      fila.push_back(par[0]);
      fila.push_back(par[1]);
    }
    Fila(s, fila);
  }
  return s + "</table>\n";
}

std::string Remanente(const CDiagrama& d) {
  // On a further copy: the analysis recomputes targets of its own.
  CDiagrama problema;
  CopiarModeloCompleto(problema, d);
  const AnalisisRemanente a = CalcularRemanente(problema);

  std::string s = "<p><b>Análisis del Problema Remanente</b></p>\n";
  s += "<p>En la siguiente tabla se resumen los resultados de un análisis de problema\n"
       " remanente:</p>\n";
  s += "<table border=\"1\" width=\"100%\">\n";
  Fila(s, {"", "Mínimo", "Instalado", "Remanente", "Total"});
  FilasPorMagnitud<ValoresRemanente>(
      s,
      {{"Número de cambiadores", [](const ValoresRemanente& v) { return Entero(v.numCambiadores); }},
       {"Área de intercambio (m<sup>2</sup>)",
        [](const ValoresRemanente& v) { return TextoObjetivo(v.area, kTextoAreaInfinita); }},
       {"Coste del inmovilizado ($)",
        [](const ValoresRemanente& v) { return TextoObjetivo(v.coste, kTextoCosteInfinito); }},
       {"Calefacción (kW)", [](const ValoresRemanente& v) { return Num(v.calefaccion); }},
       {"Refrigeración (kW)", [](const ValoresRemanente& v) { return Num(v.refrigeracion); }}},
      {&a.minimo, &a.instalado, &a.remanente, &a.total});
  s += "</table>\n";
  s += "<p>La primera columna representa los valores mínimos de cada una de las\n"
       "variables; la segunda columna, los valores de los cambiadores definidos en el\n"
       "diagrama de trama; la tercera columna, los valores mínimos del diagrama que\n"
       "resulta de eliminar del diagrama total, los tramos de corrientes cubiertos por\n"
       "cambiadores; y la cuarta columna es la suma de las columnas 2 y 3.</p>\n";
  return s;
}

std::string CrucePinch(CDiagrama& d) {
  std::string s = "<p><b>Emparejamientos a través del pinch</b></p>\n";
  s += "<table border=\"1\" width=\"50%\">\n";
  Fila(s, {"Cambiador", "Calor a través del pinch (kW)"}, {"50%", "50%"});
  for (std::int32_t i = 0; i < d.GetNumCambiadores(); ++i) {
    const double q = CalorCrucePinch(d, i);
    if (q != 0.0) Fila(s, {Entero(i + 1), Num(q)});
  }
  return s + "</table>\n";
}

// ---- Utilities ----

std::string CostesOperacion(const CDiagrama& d) {
  std::string s =
      "<p><font size=\"3\"><b>Tabla de Costes de Operación</b></font></p>\n\n"
      "<table border=\"1\" width=\"101%\">\n";
  Fila(s, {"Servicio", "Descripción", "Coste Unitario ($/kW·año)", "Entalpía (kW)",
           "Coste Total ($/año)"});
  for (std::int32_t k = 0; k < d.GetNumServicios(); ++k) {
    const CServicios& u = d.m_servicios[static_cast<std::size_t>(k)];
    Fila(s, {Entero(k + 1), TextoHtml(u.GetNombre()), Num(u.m_coste), Num(u.m_carga),
             Num(u.m_coste * u.m_carga)});
  }
  return s + "</table>\n";
}

// ---- Loops and paths ----

std::string Anillos(CDiagrama& d, PaginaInforme& p) {
  // The whole network's loops and paths, not only those through the chain
  // the document shows or is building.
  d.m_lazoEnCurso.Vaciar();
  const std::int32_t encontrados = BuscarAnillos(d);
  p.Estado("Escribiendo datos de anillos y sendas...");
  std::string s = "<p><b>Búsqueda de anillos</b></p>\n";
  s += "<p>El programa ha encontrado un total de " + Entero(encontrados) + " anillos y sendas:</p>\n";
  for (std::int32_t n = 0; n < encontrados; ++n) {
    const CLazoEnCurso& l = d.m_lazoEnCurso;
    s += "<p>" + Entero(n + 1) + ": ";
    s += l.Clasificar(d.m_cambiadores) == kLazoSenda ? "Senda formada por los cambiadores "
                                                     : "Anillo formado por los cambiadores ";
    for (std::int32_t c : l.cambiadores) s += Entero(c + 1) + " - ";
    // The load-shifting record of this loop gives its own two minima.
    const DesplazamientoAnillo r = PrepararDesplazamiento(d);
    s += "Se puede transmitir entre -" + Num(r.b) + " kW y " + Num(r.a) + " kW</p>\n";
    AnilloSiguiente(d);
  }
  return s;
}

std::string MatrizNodos(CDiagrama& d) {
  const TablaMAN t = TablaMatrizMAN(d);
  std::string s = "<p><b>Matriz de Adyacencia de Nodos</b></p>\n<table border=\"1\">\n";
  std::vector<std::string> cabecera{""};
  for (const std::string& n : t.nombres) cabecera.push_back(TextoHtml(n));
  Fila(s, cabecera);
  for (std::size_t i = 0; i < t.nombres.size(); ++i) {
    std::vector<std::string> fila{TextoHtml(t.nombres[i])};
    for (std::size_t j = 0; j < t.nombres.size(); ++j)
      fila.push_back(i < t.unidos.size() && j < t.unidos[i].size() && t.unidos[i][j] ? "*" : "");
    Fila(s, fila, {}, "3");
  }
  return s + "</table>\n";
}

std::string Perturbaciones(CDiagrama& d) {
  const TablaPerturbaciones t = CalcularPerturbaciones(d);
  std::string s = "<p><b>Caminos de transmisión de perturbaciones</b></p>\n<table border=\"1\">\n";
  for (const auto& fila : t.Celdas()) {
    std::vector<std::string> celdas;
    // Cells without a route read "-".
    for (const std::string& c : fila) celdas.push_back(c.empty() ? "-" : c);
    Fila(s, celdas);
  }
  return s + "</table>\n";
}

}  // namespace

void SeccionesCambiadores(PaginaInforme& p) {
  const auto& f = p.opciones.cambiadores;
  CDiagrama& d = p.modelo;
  if (Alguna(f)) p.Escribir("\n<p><u><b><font size=\"4\">Cambiadores</font></b></u></p>\n");
  if (f[kTablaCambiadores])
    p.Seccion("Escribiendo tabla de cambiadores...", [&] { p.Escribir(TablaCambiadores(d)); });
  if (f[kEspecificaciones])
    p.Seccion("Escribiendo tabla de especificaciones de cambiadores...",
              [&] { p.Escribir(Especificaciones(d)); });
  if (f[kTrama])
    p.Seccion("Grabando Diagrama de Trama...", [&] {
      // As the grid picture export: no highlight of covered streams nor of a
      // selected first stream.
      const std::string src = p.Imagen("_Trama", [&](Dc& dc) {
        d.m_dibujoExportar = 0;
        if (!d.m_corrientes.empty()) d.m_corrientes[0].m_color = 0;
        Dibujar(d, dc, kDibujoMetafile);
        d.m_dibujoExportar = 1;
      });
      p.Escribir("<p><b>Diagrama de Trama</b></p>\n" +
                 ElementoImagen(src, 700, AltoImagenTrama(d.m_rectGrafico)));
    });
  if (f[kRemanente])
    p.Seccion("Escribiendo análisis de problema remanente...", [&] { p.Escribir(Remanente(d)); });
  if (f[kCrucePinch])
    p.Seccion("Escribiendo emparejamientos a través del pinch...",
              [&] { p.Escribir(CrucePinch(d)); });
}

void SeccionesServicios(PaginaInforme& p) {
  const auto& f = p.opciones.servicios;
  CDiagrama& d = p.modelo;
  if (Alguna(f))
    p.Escribir("<p><u><b><font size=\"4\">Servicios Generales</font></b></u></p>\n\n");
  if (f[kServTabla])
    p.Seccion("Escribiendo tabla de servicios...", [&] {
      p.Escribir(TablaCorrientesHtml(GrupoServicios(d), "Tabla de Servicios Generales"));
    });
  if (f[kServEntalpias])
    p.Seccion("Escribiendo tabla de entalpías...", [&] {
      p.Escribir(EntalpiasHtml(GrupoServicios(d), "Tablas de entalpía de servicios no lineales"));
    });
  if (f[kServPropiedades])
    p.Seccion("Escribiendo tabla de propiedades físicas...",
              [&] { p.Escribir(PropiedadesHtml(GrupoServicios(d))); });
  if (f[kServCorrelacionesCostes])
    p.Seccion("Escribiendo coeficientes de TC y de costes...",
              [&] { p.Escribir(CostesCoeficientesHtml(GrupoServicios(d))); });
  if (f[kServEstimacion])
    p.Seccion("Escribiendo estimación de coeficientes de TC...",
              [&] { p.Escribir(EstimacionHtml(GrupoServicios(d))); });
  if (f[kServCostesOperacion])
    p.Seccion("Escribiendo tabla de costes de operación...",
              [&] { p.Escribir(CostesOperacion(d)); });
}

void SeccionesAnillos(PaginaInforme& p) {
  const auto& f = p.opciones.anillos;
  CDiagrama& d = p.modelo;
  if (Alguna(f)) p.Escribir("<p><u><b><font size=\"4\">Anillos y Sendas</font></b></u></p>\n\n");
  if (f[kAnillos])
    p.Seccion("Buscando anillos y sendas...", [&] { p.Escribir(Anillos(d, p)); });
  if (f[kMatrizNodos]) p.Seccion("Escribiendo MAN...", [&] { p.Escribir(MatrizNodos(d)); });
  if (f[kPerturbaciones])
    p.Seccion("Buscando caminos de transmisión de perturbaciones...",
              [&] { p.Escribir(Perturbaciones(d)); });
}

void SeccionesDTMin(PaginaInforme& p) {
  const auto& f = p.opciones.dtMinima;
  CDiagrama& d = p.modelo;
  if (Alguna(f))
    p.Escribir(
        "<p><u><b><font size=\"4\">Análisis de <font face=\"Symbol\">&#916;</font>T "
        "mínima</font></b></u></p>\n");
  using Constructor = void (*)(CDiagrama&, CGrafica&, double, double, int);
  struct Grafica {
    std::size_t bandera;  // index in OpcionesInforme::dtMinima
    const char* palabras;
    const char* estado;
    const char* sufijo;
    Constructor construir;
  };
  const Grafica graficas[] = {
      {6, "de los consumos de calefacción y refrigeración", "Grabando variación SG con DTmin...",
       "_VarSG", GraficaServiciosDTMin},
      {5, "de la temperatura de pinch", "Grabando variación T pinch con DTmin...", "_VarTpinch",
       GraficaTPinchDTMin},
      {4, "del número mínimo de cambiadores", "Grabando variación del número mínimo con DTmin...",
       "_VarNMin", GraficaNMinDTMin},
      {0, "del área mínima", "Grabando variación área mínima con DTmin...", "_VarAMin",
       GraficaAreaMinDTMin},
      {2, "de los costes de operación", "Grabando variación costes operación con DTmin...",
       "_VarCOp", GraficaCosteOperacionDTMin},
      {1, "de los costes del inmovilizado", "Grabando variación costes inmovilizado con DTmin...",
       "_VarCInm", GraficaCosteInmovilizadoDTMin},
      {3, "de los costes totales", "Grabando variación costes totales con DTmin...", "_VarCTot",
       GraficaCosteTotalDTMin},
  };
  const OpcionesInforme& o = p.opciones;
  for (const Grafica& g : graficas) {
    if (!f[g.bandera]) continue;
    p.Seccion(g.estado, [&] {
      p.Escribir(std::string("<p><b>Variación ") + g.palabras +
                 " con <font face=\"Symbol\">&#916;</font>T\nmínima</b></p>\n");
      p.Escribir(p.ImagenGrafica(g.sufijo, [&](CGrafica& grafica) {
        g.construir(d, grafica, o.dtInicial, o.dtFinal, o.puntos);
      }));
    });
  }
}

}  // namespace vardo
