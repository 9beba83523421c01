// The network object: the whole problem and design in one value object. It
// owns, by value, the process streams, utilities, integrity areas, split
// streams, exchangers and loops; the cost and display settings; the drawing
// font and the grid rectangle; the selection; and the working results of the
// calculations (targets, cascades).
//
// Records refer to each other by index or stream reference (a process
// stream, kRefServicio + k utility k, -1 none / the generic utility). Every
// editing operation here keeps those references valid: deleting a record
// removes what names it and shifts the references above it.
//
// Reading a document body validates counts and references; a damaged body is
// refused with FormatError("Formato de archivo no esperado.") and the object
// is left as it was.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/arbol.h"
#include "model/area_integridad.h"
#include "model/bifurcada.h"
#include "model/cambiador.h"
#include "model/corriente.h"
#include "model/lazo.h"
#include "model/servicios.h"
#include "platform/core/archive.h"
#include "platform/core/types.h"

namespace vardo {

// A document body the reader refuses: "Formato de archivo no esperado." as
// every damaged file, with the reason a user can act on when there is one
// ("la corriente 2 tiene una temperatura ..."), for the writer's message.
class CuerpoIlegible : public FormatError {
 public:
  explicit CuerpoIlegible(std::string motivo)
      : FormatError("Formato de archivo no esperado."), motivo_(std::move(motivo)) {}
  const std::string& Motivo() const { return motivo_; }

 private:
  std::string motivo_;
};

class CDiagrama {
 public:
  // Default grid rectangle: an 18 cm × 11 cm grid with a 1500 margin, in
  // 0.01 mm units with y growing upwards.
  static constexpr Rect kRectGraficoDefecto{1500, -1500, 19500, -12500};

  CDiagrama();
  // Builds the defaults, then copies exactly what operator= copies.
  CDiagrama(const CDiagrama& o);
  // Copies the six record arrays element by element (sized to the source's),
  // the chain under construction, the graph, the load-shifting loop, DT min,
  // pinch and reference temperatures, the highlighted exchanger, the current
  // loop, all cost fields, the selection, the graph-built flag, the two
  // disturbance-overlay values and the eight display options. The grid
  // rectangle, the drawing font, the export-drawing flag, the loop display
  // state, the check text, the utility pinch lists, the scratch exchanger and
  // every computed list keep the receiving object's values.
  CDiagrama& operator=(const CDiagrama& o);
  virtual ~CDiagrama();

  virtual const char* NombreClase() const { return "CDiagrama"; }

  // ---- Stored form (diagrama_serialize.cpp) ----
  // Stores or loads the document body by the archive's direction. After
  // either direction, with streams present the targets are recomputed and the
  // pinch temperature and DT min are copied into every exchanger. Loading
  // reads into a fresh object and validates it; on any fault it throws
  // FormatError and this object is unchanged.
  virtual void Serialize(Archive& ar);
  // Loading into this fresh object without the steps after it: the body as
  // read, validated; throws CuerpoIlegible (a FormatError) on any fault.
  void LeerCuerpo(Archive& ar);
  // The drawing font: five int32, eight bytes, the face name (at most 31
  // characters are kept on loading).
  void SerializarFuente(Archive& ar);

  // ---- Queries ----
  // The record a stream reference names: process stream ref or the stream
  // part of utility ref - kRefServicio. A reference that names no record
  // (-1, past the end, an empty array) answers a default stream instead of
  // reading out of range: the const form a shared read-only default, the
  // non-const form a scratch default whose changes go nowhere. Use
  // RefValida to tell the two cases apart.
  CCorriente& GetCorriente(std::int32_t ref);
  const CCorriente& GetCorriente(std::int32_t ref) const;
  // Whether ref names an existing process stream or utility.
  bool RefValida(std::int32_t ref) const;
  std::int32_t GetNumCorrientes() const { return static_cast<std::int32_t>(m_corrientes.size()); }
  std::int32_t GetNumCambiadores() const { return static_cast<std::int32_t>(m_cambiadores.size()); }
  std::int32_t GetNumServicios() const { return static_cast<std::int32_t>(m_servicios.size()); }
  std::int32_t GetCorrienteSel() const { return m_corrienteSel; }
  std::int32_t GetCambiadorSel() const { return m_cambiadorSel; }

  // ---- Editing (diagrama.cpp) ----
  // Every operation that changes streams, utilities, exchangers or splits
  // clears the graph-built flag. Out-of-range indices are ignored.
  void SetDTMin(double dtMin) { m_dtMin = dtMin; }
  // Appends a stream built from (T1, T2, m·cp or latent heat, cold, latent),
  // rescales the exchangers' places vertically by (n - 1)/n and, when exactly
  // one area is shown, puts the stream in that area.
  void AddCorriente(double T1, double T2, double valor, std::int32_t fria, std::int32_t latente);
  // Deletes stream i with every exchanger that names it and shifts every
  // reference above it. A stream that is a branch of a split, or that a
  // split's node or link names, takes that whole split with it
  // (BorrarBifurcacion). Members left without streams delete
  // their area, after the message "El área de integridad %d %s no tiene
  // ninguna corriente.\nPor lo tanto, será eliminada".
  void BorrarCorriente(std::int32_t i);
  // Deletes stream i alone, whatever split names it: its exchangers go, and
  // every reference above it shifts down (exchanger sides, split member
  // lists, nodes and links, areas, selections). For a caller that has taken
  // the stream out of its split first (a split made again over it).
  void BorrarCorrienteSola(std::int32_t i);
  // Recomputes the targets and appends a default utility whose cascade lists
  // hold the process cascade; joins the one shown area, if exactly one is.
  void AddServicio();
  // Deletes utility k (reference kRefServicio + k) as BorrarCorriente does a
  // stream.
  void BorrarServicio(std::int32_t k);
  // Refills every utility's cascade lists from the current heat cascade.
  void ActualizarCurvasServicios();
  // Appends an exchanger: set-value mode, hot-side and cold-side stream
  // references, then (kind, value) for the hot inlet, hot outlet, cold inlet,
  // cold outlet and the duty. A reference that names no record becomes the
  // generic utility (-1).
  void AddCambiador(std::int32_t modo, std::int32_t refCaliente, std::int32_t refFria,
                    std::int32_t tipoEntradaCaliente, double valorEntradaCaliente,
                    std::int32_t tipoSalidaCaliente, double valorSalidaCaliente,
                    std::int32_t tipoEntradaFria, double valorEntradaFria,
                    std::int32_t tipoSalidaFria, double valorSalidaFria, std::int32_t tipoQ,
                    double valorQ);
  // Attaches stream ref (-1 the generic utility) to the hot (cold) side of
  // exchanger i; returns 1 when nuevo is 0 and the reference changed.
  std::int32_t ConectarCaliente(std::int32_t ref, std::int32_t i, std::int32_t nuevo);
  std::int32_t ConectarFria(std::int32_t ref, std::int32_t i, std::int32_t nuevo);
  // Deletes exchanger i. Ends of other exchangers taken from it (kind 4)
  // become typed values with its computed temperatures; kind-4 references,
  // exchanger lists, the selection, the highlighted exchanger and the loops
  // above it shift down.
  void BorrarCambiador(std::int32_t i);
  // Deletes split i with all its branch streams (and any split that names
  // one of them).
  void BorrarBifurcacion(std::int32_t i);
  // Appends an integrity area (not shown, no members).
  void AddArea(const std::string& nombre, Rgb color);
  // Removes area i; streams and utilities in it get -1, indices above shift.
  void BorrarArea(std::int32_t i);

  // ---- Selection ----
  void SeleccionarCorriente(std::int32_t ref);
  void DeseleccionarCorriente();
  void SeleccionarCambiador(std::int32_t i);
  void DeseleccionarCambiador();

  // Clears the graph-built flag, so that the next loop search rebuilds its
  // node matrix; for code that edits the record arrays directly.
  void InvalidarGrafo() { m_grafoConstruido = 0; }

  // ---- Energy targets (objetivos*.cpp) ----
  // Problem table of the considered process streams: intervals, cascade,
  // pinch; then the pinch temperature and DT min go into every split's stream.
  void CalcularObjetivos();
  // Builds m_temperaturas and m_numIntervalos.
  void CalcularIntervalos();
  // Builds m_calores and m_cascada from m_temperaturas and sets m_tPinch.
  void CalcularCascada();
  // Runs CalcularObjetivosServicios; true when both ends of the cascade with
  // utilities are within 0.001 of zero.
  bool ServiciosCubrenProblema();

  // ---- Utility targets (objetivos*.cpp) ----
  // The utilities alone: CalcularIntervalosSoloServicios then
  // CalcularCascadaSoloServicios.
  void CalcularGrandCompuestaServicios();
  void CalcularIntervalosSoloServicios();
  void CalcularCascadaSoloServicios();
  // Streams and utilities together: CalcularIntervalosServicios then
  // CalcularCascadaServicios.
  void CalcularObjetivosServicios();
  void CalcularIntervalosServicios();
  void CalcularCascadaServicios();
  // Whether the utilities' grand composite curve, set against the process
  // (CurvaServiciosFrenteAlProceso), stays within the process one.
  bool ServiciosAjustanGrandCompuesta();
  // Process cascade at shifted temperature T.
  double CalorEnTemperatura(double T) const;
  // Utilities' cascade at shifted temperature T.
  double CalorEnTemperaturaServicios(double T) const;
  // Shifted temperature at which the cascade with utilities carries Q.
  double TemperaturaEnCalorConServicios(double Q) const;

  // ---- Unit, area and cost targets; utility linear programme ----
  // soloObjetivos = 1 ignores the defined utilities (two generic latent
  // utilities carry the minimum needs). The process targets stay as
  // CalcularObjetivos gives them.
  std::int32_t CalcularNMinCambiadores(std::int32_t soloObjetivos);
  double CalcularAreaMinima(std::int32_t soloObjetivos);  // m²
  double CosteInmovilizado(std::int32_t soloObjetivos);   // $ over the amortization period
  double CosteOperacion(std::int32_t soloObjetivos);      // $/year
  void CascadaLP();

  // ---- Network calculation and checks ----
  // -1 nothing to report, -2 warnings only, an exchanger index when errors
  // were found, -3 (kRedIndeterminada) when the network could not be solved.
  std::int32_t CalcularRed();
  void OrdenarCambiadores();
  std::int32_t ComprobarRed();
  double AreaCambiador(std::int32_t i) const;      // m²
  double CosteCambiadores(std::int32_t i) const;   // $ of exchanger i
  double CalorCrucePinch(std::int32_t i);          // kW across the pinches

  // ---- Loops and paths, load shifting, disturbance routes, split temperatures ----
  void ConstruirMAN();
  // 0 incomplete / refused / undone, 1 path, 2 loop.
  std::int32_t AddCambiadorAnillo(std::int32_t i);
  // Loops and paths found; -1 when the network has too many independent
  // loops (the user is told, nothing is searched).
  std::int32_t BuscarAnillos();
  void AnilloSiguiente();
  void AnilloAnterior();
  void MostrarAnillo(std::int32_t n);  // 1-based
  void LimpiarAnillos();
  void PrepararAnillo();
  void DesplazarCargaAnillo();
  bool RelajarAnillo(double x);  // true when the network calculation succeeded
  // Number of routes found from stream s1 to stream s2 (1 or 0); the route
  // itself goes into m_arbol.perturbacion.
  std::int32_t BuscarCaminosPerturbacion(std::int32_t s1, std::int32_t s2, std::int32_t silencio);
  std::int32_t CalcularTemperaturas(std::int32_t bifurcacion);

  // ================= Fields =================

  // ---- Records ----
  std::vector<CCorriente> m_corrientes;           // process streams (ref < kRefServicio)
  std::vector<CServicios> m_servicios;            // utilities (ref kRefServicio + k)
  std::vector<CAreaIntegridad> m_areas;           // integrity areas
  std::vector<CCorrienteBifurcada> m_bifurcadas;  // split streams
  std::vector<CCambiador> m_cambiadores;          // exchangers
  std::vector<CLazo> m_lazos;                     // loops and paths found by the search
  CLazoEnCurso m_lazoEnCurso;                     // chain under construction / on show
  CArbol m_arbol;                                 // network graph
  CAnillo m_anillo;                               // load-shifting loop

  // ---- Process targets (computed, never stored) ----
  std::int32_t m_numIntervalos = 0;   // number of interval temperatures n
  std::vector<double> m_temperaturas;  // T[0..n-1], shifted, falling (K)
  std::vector<double> m_calores;       // Q[0..n-1], net heat demand of interval i (kW)
  std::vector<double> m_cascada;       // C[0..n-1], heat flowing down boundary i (kW)

  // ---- Utilities alone (computed) ----
  std::int32_t m_numIntervalosServ = 0;
  std::vector<double> m_temperaturasServ;
  std::vector<double> m_caloresServ;
  std::vector<double> m_cascadaServ;

  // ---- Streams and utilities together (computed) ----
  std::int32_t m_numIntervalosConServ = 0;
  std::vector<double> m_temperaturasConServ;
  std::vector<double> m_caloresConServ;
  std::vector<double> m_cascadaConServ;

  // ---- Drawing, scratch and selection ----
  Rect m_rectGrafico = kRectGraficoDefecto;  // grid diagram extent (0.01 mm)
  CCambiador m_cambiadorAux;                 // working record of the network calculation
  std::int32_t m_cambiadorResaltado = -1;    // exchanger drawn highlighted; -1 none
  std::int32_t m_dibujoExportar = 1;         // export-drawing flag (stored)
  std::int32_t m_anilloActual = 0;           // index of the found loop on show; -1 after a search

  // ---- Problem ----
  double m_dtMin = 10.0;         // minimum approach temperature (K)
  double m_tPinch = 0.0;         // pinch temperature, shifted scale (K)
  double m_tReferencia = 293.0;  // ambient temperature of the exergy charts (K); not stored
  std::vector<double> m_pinchesServicioSup;  // utility pinches above the process pinch
  std::vector<double> m_pinchesServicioInf;  // utility pinches below the process pinch

  // ---- Costs ----
  double m_a1 = 4600.0, m_b1 = 920.0, m_c1 = 0.7;  // capital-cost law 1: C = a + b·A^c
  double m_a2 = 4600.0, m_b2 = 920.0, m_c2 = 0.7;  // capital-cost law 2
  double m_costeCaliente = 50.0;  // hot-utility unit cost, $/(kW·year)
  double m_costeFrio = 50.0;      // cold-utility unit cost, $/(kW·year)
  // Generic utilities: film coefficient kW/(m²·K) and temperature (K,
  // kTSentinel = unset) of the sides with reference -1.
  double m_hFrioGenerico = 2.0;
  double m_tFrioGenerico = -10000.0;
  double m_hCalienteGenerico = 2.0;
  double m_tCalienteGenerico = -10000.0;
  double m_amortizacion = 10.0;  // years
  double m_interes = 5.0;        // %
  double m_factorLang = 3.4;

  // Font of the grid diagram.
  LogFont m_fuente = FuenteDefecto();

  // ---- Selection and loops ----
  std::int32_t m_corrienteSel = 0;    // stream reference of the selected stream or utility
  std::int32_t m_cambiadorSel = 0;    // selected exchanger
  std::int32_t m_estadoAnillos = 0;   // loop display state; 0 nothing shown
  std::int32_t m_grafoConstruido = 0; // 1 once a loop search built the node matrix

  // ---- Display options ----
  std::int32_t m_mostrarTPinch = 1;         // "Mostrar las temperaturas de pinch"
  std::int32_t m_ordenarCalientesFrias = 0; // "Ordenar las corrientes en calientes y frías"
  std::int32_t m_mostrarTBifurcadas = 1;    // "Mostrar las temperaturas de las corrientes bifurcadas"
  std::int32_t m_mostrarNombres = 0;        // "Mostrar los nombres de las corrientes"
  std::int32_t m_colorearAreas = 1;         // "Colorear las áreas de integridad"
  std::int32_t m_ordenarAreas = 1;          // "Ordenar las corrientes según áreas de integridad"
  std::int32_t m_serviciosVisibles = 0;     // utilities drawn and in the network calculation
  std::int32_t m_colorearServicios = 1;     // "Colorear los servicios"; not stored

  // Disturbance overlay: the two stream references of the current disturbance
  // search (origin, destination).
  std::int32_t m_perturbacionOrigen = 0;
  std::int32_t m_perturbacionDestino = 0;

  // Warnings and errors of the last network check.
  std::string m_textoComprobacion;

  static LogFont FuenteDefecto();

 private:
  // Deletes the marked streams and splits (flags by index) and what must go
  // with them, keeping every remaining reference valid.
  void BorrarConBifurcaciones(std::vector<bool> corrientes, std::vector<bool> bifurcadas);
  // Common part of stream and utility deletion for reference ref.
  void BorrarCambiadoresDe(std::int32_t ref);
  void QuitarMiembroDeAreas(std::int32_t ref);
  std::int32_t ConectarLado(std::int32_t ref, std::int32_t i, std::int32_t nuevo, bool caliente);
  // After exchanger i was removed: shift or drop loops and chains naming it.
  void RenumerarLazos(std::int32_t i);
  // After stream reference ref was removed: shift the selection and the
  // disturbance pair (a reference equal to ref is reset).
  void RenumerarSeleccionCorriente(std::int32_t ref);
  // Index of the one shown area, or -1 when none or several are shown.
  std::int32_t AreaUnicaMostrada() const;

  // Loading helpers (diagrama_serialize.cpp).
  void IoCuerpo(Archive& ar);
  void ValidarCargado() const;
  void TomarCargado(CDiagrama&& nuevo);
  void TrasSerializar();
};

// The utilities' cascade (heat their own intervals pass down) as the
// process sees it: the heat the utilities still have to hand the process at
// each temperature. At the top it is the load of the considered heating
// utilities; each interval's heat passes down from there, so an entry is
// that load plus the cascade's first entry less the entry; at the bottom it
// is the cooling load. The fit test and every grand composite chart with
// utilities use it.
std::vector<double> CurvaServiciosFrenteAlProceso(const CDiagrama& d,
                                                  const std::vector<double>& cascadaServ);

// Copies the whole model: what operator= copies and also what it leaves to
// the receiver (grid rectangle, drawing font, export flag, loop display
// state, check text, utility pinches, scratch exchanger, computed targets).
void CopiarModeloCompleto(CDiagrama& destino, const CDiagrama& origen);

}  // namespace vardo
