// Ports through which the window-free part of the program reaches the main
// window: the message pane and count panes, the DT min field, the docked
// panes, the views of a document, the autosave timers and the dialogs of data
// entry and analysis. The Qt layer implements them; tests use the recording
// and scripted implementations of tests/comun/puertos_prueba.h.
//
// Dialogs follow one shape: the caller fills a data record (a copy of the
// model and/or plain values), the factory runs the dialog modally on that
// record and answers true for OK ("Aceptar") with the record holding what the
// user chose, false for Cancel, which leaves nothing to take back. Modeless
// windows get their filled record and answer nothing.
#pragma once
#include <any>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/core/charts/grafica.h"
#include "model/corriente.h"
#include "model/diagrama.h"
#include "platform/core/numero_tecleado.h"
#include "platform/core/types.h"

namespace vardo {

// ============================================================ status text

// Longest text of the message pane, in characters.
inline constexpr std::size_t kMaxTextoEstado = 255;

// The message-pane text as shown: taken literally (no format directives) and
// cut at 255 characters, never inside a UTF-8 sequence.
inline std::string TextoEstado(const std::string& texto) {
  std::size_t caracteres = 0;
  for (std::size_t i = 0; i < texto.size(); ++i) {
    const auto c = static_cast<unsigned char>(texto[i]);
    if ((c & 0xC0) == 0x80) continue;  // continuation byte
    if (caracteres == kMaxTextoEstado) return texto.substr(0, i);
    ++caracteres;
  }
  return texto;
}

// Message pane and the three count panes of the main window.
class PuertoEstado {
 public:
  virtual ~PuertoEstado() = default;
  // Shows a text in the message pane and keeps it as the last message; the
  // text is already cut by TextoEstado.
  virtual void SetTextoEstado(const std::string& texto) = 0;
  // The last text the program put in the message pane.
  virtual std::string UltimoMensaje() const = 0;
  // Texts of the panes "Camb:", "Cal:" and "Ref:".
  virtual void SetContadores(const std::string& camb, const std::string& cal,
                             const std::string& ref) = 0;
};

// The toolbar's DT min field.
class PuertoCampoDTMin {
 public:
  virtual ~PuertoCampoDTMin() = default;
  virtual void SetTexto(const std::string& texto) = 0;
};

// The panes that keep their own copy of the model. Each call does nothing
// while its pane is hidden.
class PuertoPaneles {
 public:
  virtual ~PuertoPaneles() = default;
  // Streams-table pane: takes the copy and refreshes itself.
  virtual void ActualizarTablaCorrientes(const CDiagrama& modelo) = 0;
  // Object browser: with streams it takes the copy, is invalidated and
  // rebuilds its tree and property grid; without, it takes the copy and
  // repaints its legend only.
  virtual void ActualizarVisorObjetos(const CDiagrama& modelo, bool conCorrientes) = 0;
  // Integrity-area bar: takes the copy and refills itself.
  virtual void ActualizarBarraAreas(const CDiagrama& modelo) = 0;
};

// Kinds of the object selected in a view (the view's selected kind).
inline constexpr int kSelNada = 0;
inline constexpr int kSelCorriente = 1;  // a stream or a utility
inline constexpr int kSelCambiador = 2;
inline constexpr int kSelNodo = 3;  // a split node

// The views of one document.
class PuertoVistas {
 public:
  virtual ~PuertoVistas() = default;
  // Repaints every view of the document (no hints: each repaints whole).
  virtual void ActualizarVistas() = 0;
  // The kind of the object selected in the document's view (kSel*); the
  // model's selection says which object. A view that selects nothing
  // answers kSelNada.
  virtual int TipoSeleccion() const { return kSelNada; }
  virtual void SetTipoSeleccion(int tipo) {}
};

// The object browser pane.
class PuertoVisorObjetos {
 public:
  virtual ~PuertoVisorObjetos() = default;
  // The index of the integrity area whose item is selected in the browser's
  // tree, or -1.
  virtual std::int32_t GetAreaSeleccionada() const = 0;
  // The tree follows the view's selection, then the browser repaints and
  // fills its property grid; nothing while the browser is hidden. tipo is
  // the view's selected kind (kSel*) and modelo's selection names the
  // object; with anilloMostrado the view shows the loop or path under
  // construction (modelo.m_lazoEnCurso), whose item is selected instead.
  // The view calls it after a press that hit something and after its loop
  // commands.
  virtual void SeleccionarObjeto(const CDiagrama& modelo, int tipo, bool anilloMostrado) {}
};

// The framework's save dialog for files other than documents.
struct PeticionGuardar {
  std::string filtro;     // text of the file-type filter, "Documentos HTML"
  std::string extension;  // default extension without the dot, "htm"
  std::string nombre;     // file name shown at first, "*.htm"
};

class PuertoArchivos {
 public:
  virtual ~PuertoArchivos() = default;
  // The chosen path (an existing file's overwrite confirmed), empty when
  // the user cancelled.
  virtual std::string ElegirArchivoGuardar(const PeticionGuardar& p) = 0;
};

// Timers of the main window (ids and periods in ms).
class PuertoTemporizadores {
 public:
  virtual ~PuertoTemporizadores() = default;
  // Starts (or restarts) a periodic timer.
  virtual void Iniciar(int id, int periodoMs) = 0;
  virtual void Parar(int id) = 0;
};

// ================================================================ dialogs

// Every dialog and window the factory opens.
enum class DialogoId {
  // Data entry.
  CorrientesSheet,         // CCorrientesSheet
  ServGenSheet,            // CServGenSheet "Servicios Generales"
  AddCamb,                 // CAddCambDlg "Añadir Cambiadores"
  BorrarCorrientes,        // CBorrarCorrientesDlg "Borrar corrientes"
  BorrarCambiadores,       // CBorrarCambiadoresDlg "Borrar cambiadores"
  BorrarServicios,         // CBorrarServiciosDlg "Borrar Servicios"
  CalculoCamb,             // CCalculoCambDlg "Cálculo de cambiadores"
  FormatoCamb,             // CFormatoCambDlg "Formato de los cambiadores"
  FormatoCambiador,        // CFormatoCambiadorDlg "Formato de cambiador"
  Bifurcar,                // CBifurcarDlg "Bifurcar la corriente número %d"
  BifurcarH,               // CBifurcarHDlg "Bifurcar corriente"
  PropCorriente,           // CPropCorrienteDlg, modeless
  PropCambiador,           // CPropCambiadorDlg, modeless
  PropServicio,            // CPropServicioDlg, modeless
  AreasIntegridad,         // CAreasIntegridadDlg "Áreas de Integridad"
  PropDiagrama,            // CPropDiagramaDlg "Propiedades del Gráfico"
  PropGrafico,             // CPropGraficoDlg "Propiedades del gráfico"
  OtrasGraficas,           // COtrasGraficasDlg "Otras Gráficas"
  Coeficientes,            // CCoeficientesDlg "Coeficientes de Transmisión de Calor"
  // Analysis and report.
  CalculoCascada,          // CCalculoCascadaDlg "Cálculo de cascada"
  AreaMinima,              // CAreaMinimaDlg "Área mínima de intercambio"
  CosteMinimo,             // CCosteMinimoDlg "Coste Mínimo"
  Remanente,               // CRemanenteDlg "Análisis del problema remanente"
  Factibilidad,            // CFactibilidadDlg "Criterios de factibilidad"
  FactibilidadVentana,     // CFactibilidadCalDlg / CFactibilidadFrioDlg, modeless
  TablaEmparejamientos,    // CTablaEmparejamientosDlg, modeless
  TablaCorrientes,         // CTablaCorrientesDlg "Tabla de Corrientes"
  TablaCambiadores,        // CTablaCambiadoresDlg "Tabla de Cambiadores"
  TablaServicios,          // CTablaServiciosDlg "Tabla de Servicios Generales"
  MAN,                     // CMANDlg
  Perturbaciones,          // CPerturbacionesDlg
  CrucePinch,              // CCrucePinchDlg "Emparejamientos a través del pinch"
  AnadirAnillos,           // CAnadirAnillosDlg "Añadir anillos o sendas"
  CostesTotales,           // CCostesTotalesDlg
  VariacionDT,             // CVariacionDTDlg "Variación con DT mínimo"
  VariacionArea,           // CVariacionAreaDlg
  VariacionCosteInm,       // CVariacionCosteInmDlg
  VariacionCosteTot,       // CVariacionCosteTotDlg
  CostesOperacion,         // CCostesOperacionDlg
  Exergia,                 // CExergiaDlg "Exergía"
  DifTempOptima,           // CDifTempOptimaDlg "Diferencia de Temperaturas Óptima"
  Informe,                 // CInforme, the report options sheet
  GenerandoInforme,        // CGenerandoInformeDlg "Generando Informe"
};

// ---- Records exchanged with the dialogs ----

// A dialog that works on its own copy of the model and hands it back on OK
// (the display-only ones hand nothing back).
template <DialogoId I>
struct DlgModelo {
  static constexpr DialogoId kId = I;
  CDiagrama modelo;
};
using DlgAreasIntegridad = DlgModelo<DialogoId::AreasIntegridad>;
using DlgCalculoCascada = DlgModelo<DialogoId::CalculoCascada>;
using DlgAreaMinima = DlgModelo<DialogoId::AreaMinima>;
using DlgCosteMinimo = DlgModelo<DialogoId::CosteMinimo>;
using DlgRemanente = DlgModelo<DialogoId::Remanente>;
using DlgAnadirAnillos = DlgModelo<DialogoId::AnadirAnillos>;
using DlgTablaCorrientes = DlgModelo<DialogoId::TablaCorrientes>;
using DlgTablaCambiadores = DlgModelo<DialogoId::TablaCambiadores>;
using DlgTablaServicios = DlgModelo<DialogoId::TablaServicios>;
using DlgMAN = DlgModelo<DialogoId::MAN>;
using DlgPerturbaciones = DlgModelo<DialogoId::Perturbaciones>;
using DlgCrucePinch = DlgModelo<DialogoId::CrucePinch>;
using VentanaTablaEmparejamientos = DlgModelo<DialogoId::TablaEmparejamientos>;
// The film coefficients of streams and utilities (opened by the cost and
// variation dialogs, which take the copy back on OK).
using DlgCoeficientes = DlgModelo<DialogoId::Coeficientes>;

// Streams property sheet.
struct DlgCorrientes {
  static constexpr DialogoId kId = DialogoId::CorrientesSheet;
  std::string titulo = "Añadir Corrientes";
  std::int32_t pagina = 0;     // page to open on
  std::int32_t corriente = 0;  // index of the stream to open on
  CDiagrama modelo;
};

// Utilities property sheet "Servicios Generales".
struct DlgServicios {
  static constexpr DialogoId kId = DialogoId::ServGenSheet;
  std::int32_t pagina = 1;  // 1 add, 2 combine, 3 optimise
  CDiagrama modelo;
};

// Exchangers dialog "Añadir Cambiadores".
struct DlgCambiadores {
  static constexpr DialogoId kId = DialogoId::AddCamb;
  std::int32_t cambiador = 0;  // index of the exchanger shown first
  // 0: the model's last exchanger is a provisional one added on the grid
  // diagram; 1: there is none.
  std::int32_t modo = 1;
  CDiagrama modelo;
};

// The three delete dialogs: the caller sets the number of objects; OK hands
// back the choice (one or all) and the index of the chosen object.
template <DialogoId I>
struct DlgBorrar {
  static constexpr DialogoId kId = I;
  static constexpr std::int32_t kUno = 0;
  static constexpr std::int32_t kTodos = 1;
  std::int32_t numero = 0;    // number of objects
  std::int32_t eleccion = 0;  // kUno, kTodos, -1 neither
  std::int32_t indice = 0;    // chosen object, -1 none
  bool Todos() const { return eleccion == kTodos; }
};
using DlgBorrarCorrientes = DlgBorrar<DialogoId::BorrarCorrientes>;
using DlgBorrarCambiadores = DlgBorrar<DialogoId::BorrarCambiadores>;
using DlgBorrarServicios = DlgBorrar<DialogoId::BorrarServicios>;

// Message of the network calculation; OK means "Corregir".
struct DlgCalculoCambiadores {
  static constexpr DialogoId kId = DialogoId::CalculoCamb;
  std::string texto;        // the model's warnings and errors
  bool corregible = false;  // "Corregir" offered
};

// Display format of every exchanger.
struct DlgFormatoCambiadores {
  static constexpr DialogoId kId = DialogoId::FormatoCamb;
  std::int32_t verQ = 0;
  std::int32_t verEntradaCaliente = 0;
  std::int32_t verEntradaFria = 0;
  std::int32_t verSalidaCaliente = 0;
  std::int32_t verSalidaFria = 0;
  double tamano = 0.0;               // circle size, mm (1 to 10)
  std::int32_t posicionNumero = -1;  // 0 inside, 1 above, 2 no number
};

// The four temperatures shown beside one exchanger.
struct DlgFormatoCambiador {
  static constexpr DialogoId kId = DialogoId::FormatoCambiador;
  std::int32_t numero = 0;  // exchanger number (index + 1), display only
  std::int32_t verEntradaCaliente = 0;
  std::int32_t verEntradaFria = 0;
  std::int32_t verSalidaCaliente = 0;
  std::int32_t verSalidaFria = 0;
};

// Split of a sensible stream into two branches.
struct DlgBifurcar {
  static constexpr DialogoId kId = DialogoId::Bifurcar;
  CCorriente corriente;     // copy of the stream
  CDiagrama modelo;         // copy of the model
  std::int32_t numero = 0;  // stream number (index + 1), in the caption
  double tEntrada = 0.0;    // where the split begins (K)
  double tSalida1 = 0.0;    // outlet of branch 1 (K)
  double tSalida2 = 0.0;    // outlet of branch 2 (K)
  double porcentaje1 = 0.0;
  double porcentaje2 = 0.0;
  double mcp1 = 0.0;  // kW/K
  double mcp2 = 0.0;
};

// Division of a latent stream by heat load.
struct DlgBifurcarH {
  static constexpr DialogoId kId = DialogoId::BifurcarH;
  CCorriente corriente;
  std::int32_t numero = 0;
  double h1 = 0.0;  // kW, positive
  double h2 = 0.0;
};

// Modeless "Propiedades de la corriente": texts as shown.
struct VentanaPropCorriente {
  static constexpr DialogoId kId = DialogoId::PropCorriente;
  std::string numero, nombre, tEntrada, tSalida, entalpiaTotal, entalpiaSinCambiadores, mcp;
  std::vector<std::string> cambiadores;  // "%d: desde %s K hasta %s K"
};

// Modeless "Propiedades del Servicio".
struct VentanaPropServicio {
  static constexpr DialogoId kId = DialogoId::PropServicio;
  std::string nombre;
  std::int32_t numero = 0;
  double tEntrada = 0.0, tSalida = 0.0;
  double entalpiaTotal = 0.0;  // the utility's load
  double entalpiaMaxima = 0.0;
  double entalpiaSinCambiadores = 0.0;
  double mcp = 0.0;  // -1.0 latent, shown "-"
  std::vector<std::string> cambiadores;
};

// Modeless "Propiedades del cambiador": texts as shown.
struct VentanaPropCambiador {
  static constexpr DialogoId kId = DialogoId::PropCambiador;
  std::string numero, carga, area, coste;
  std::string corrienteCaliente, tEntradaCaliente, tSalidaCaliente;
  std::string corrienteFria, tEntradaFria, tSalidaFria;
};

// The size of the grid diagram or of a chart, typed in centimetres: from 1
// to 1000 (the drawing takes its whole centimetres). The properties dialogs
// refuse any other text before they close.
inline constexpr const char* kMsgTamanoGrafico = "Introduzca un ancho y un alto entre 1 y 1000 cm.";
inline RangoNumero RangoTamanoGrafico() {
  RangoNumero r = RangoNumero::Entre(1.0, 1000.0);
  r.mensaje = kMsgTamanoGrafico;
  return r;
}

// Grid-diagram properties "Propiedades del Gráfico".
struct DlgPropDiagrama {
  static constexpr DialogoId kId = DialogoId::PropDiagrama;
  std::string ancho, alto;  // centimetres, as typed
  LogFont fuente;
  bool fuenteCambiada = false;  // "Cambiar Fuente" chose a font
  // The seven display options in the dialog's order.
  std::int32_t mostrarTPinch = 1;
  std::int32_t mostrarTBifurcadas = 1;
  std::int32_t mostrarNombres = 0;
  std::int32_t ordenarCalientesFrias = 0;
  std::int32_t ordenarAreas = 1;
  std::int32_t colorearAreas = 1;
  std::int32_t colorearServicios = 1;
};

// Chart properties "Propiedades del gráfico".
struct DlgPropGrafico {
  static constexpr DialogoId kId = DialogoId::PropGrafico;
  std::string titulo, tituloX, tituloY;
  std::string xMin, xMax, yMin, yMax;  // axis limits in axis units
  std::string ancho, alto;             // frame size, centimetres
  LogFont fuenteEscala, fuenteEjes, fuenteLeyenda, fuenteTitulo;
  bool fuentesCambiadas = false;
  std::int32_t posLeyenda = 5;  // 0..5 as CGrafica::posLeyenda
  std::int32_t rejilla = 1;
  std::vector<SerieGrafica> series;  // label, style and colour are edited
};

// "Otras Gráficas": the chart of two chosen variables.
struct DlgOtrasGraficas {
  static constexpr DialogoId kId = DialogoId::OtrasGraficas;
  double dtInicial = 1.0;
  double dtFinal = 50.0;
  std::int32_t puntos = 25;
  std::int32_t variableX = 0;  // 0..7
  std::int32_t variableY = 4;
};

// Pinch design "Criterios de factibilidad" on a copy.
struct DlgFactibilidad {
  static constexpr DialogoId kId = DialogoId::Factibilidad;
  std::int32_t lado = 0;  // 0 hot, 1 cold
  CDiagrama modelo;
};

// Modeless read-only criteria window of one side.
struct VentanaFactibilidad {
  static constexpr DialogoId kId = DialogoId::FactibilidadVentana;
  std::int32_t lado = 0;  // 0 "lado caliente", 1 "lado frío"
  std::vector<std::string> calientes;  // "%d: %s" lines
  std::vector<std::string> frias;
};

// Total cost against a loop's heat flow: the copy holds the chosen loop and
// its load-shifting record with the minimum duties.
struct DlgCostesTotales {
  static constexpr DialogoId kId = DialogoId::CostesTotales;
  CDiagrama modelo;
  std::int32_t puntos = 0;
};

// DT min range "Variación con DT mínimo".
struct DlgVariacionDT {
  static constexpr DialogoId kId = DialogoId::VariacionDT;
  std::string inicial = "1";
  std::string final = "50";
  std::int32_t puntos = 50;
};

// DT min range with data of the chart on a copy of the model (minimum area,
// capital cost, total cost). The area dialog's four default-utility values
// travel in the copy's generic-utility fields.
template <DialogoId I>
struct DlgVariacionModelo {
  static constexpr DialogoId kId = I;
  CDiagrama modelo;
  std::string inicial = "1";
  std::string final = "50";
  std::int32_t puntos = 50;
};
using DlgVariacionArea = DlgVariacionModelo<DialogoId::VariacionArea>;
using DlgVariacionCosteInm = DlgVariacionModelo<DialogoId::VariacionCosteInm>;
using DlgVariacionCosteTot = DlgVariacionModelo<DialogoId::VariacionCosteTot>;

// "Variación de los costes de operación".
struct DlgCostesOperacion {
  static constexpr DialogoId kId = DialogoId::CostesOperacion;
  std::string costeCalefaccion;    // $/kW·año, six digits
  std::string costeRefrigeracion;
  std::string inicial = "1";
  std::string final = "50";
  std::int32_t puntos = 50;
};

// "Exergía": ambient temperature and number of points.
struct DlgExergia {
  static constexpr DialogoId kId = DialogoId::Exergia;
  double temperatura = 293.0;  // K
  std::int32_t puntos = 50;
};

// "Diferencia de Temperaturas Óptima": OK hands back the chosen DT min.
struct DlgDifTempOptima {
  static constexpr DialogoId kId = DialogoId::DifTempOptima;
  CDiagrama modelo;
  double dtMin = 0.0;
};

// Options of the report: section flags by page and the DT min range.
struct OpcionesInforme {
  // "Corrientes": composite curves, cost correlations, feasibility, grand
  // composite, physical properties, streams table, cascade, minimum area and
  // costs, coefficient estimation, enthalpy tables, integrity areas,
  // composites with utilities, available temperature difference.
  std::array<bool, 13> corrientes{true, false, false, true, false, true, true,
                                  false, false, false, false, false, false};
  // "Cambiadores": exchangers table, set values, remaining problem, grid
  // diagram, matches across the pinch.
  std::array<bool, 5> cambiadores{true, false, true, true, false};
  // "Anillos y Sendas": loops and paths, node matrix, disturbance matrix.
  std::array<bool, 3> anillos{false, false, false};
  // "DT mínima": area, capital, operating, total costs, units, pinch,
  // utilities against DT min.
  std::array<bool, 7> dtMinima{false, false, false, false, false, false, false};
  // "Servicios": cost correlations, operating costs, enthalpy tables,
  // coefficient estimation, physical properties, utilities table.
  std::array<bool, 6> servicios{false, true, false, false, false, true};
  double dtInicial = 1.0;
  double dtFinal = 50.0;
  std::int32_t puntos = 50;

  // How many sections are chosen (of 34).
  int Elegidas() const {
    int n = 0;
    for (bool b : corrientes) n += b;
    for (bool b : cambiadores) n += b;
    for (bool b : anillos) n += b;
    for (bool b : dtMinima) n += b;
    for (bool b : servicios) n += b;
    return n;
  }
};

// The report options sheet "Informe".
struct DlgInforme {
  static constexpr DialogoId kId = DialogoId::Informe;
  OpcionesInforme opciones;
};

// "Generando Informe": writes the report into the file the command chose.
struct DlgGenerandoInforme {
  static constexpr DialogoId kId = DialogoId::GenerandoInforme;
  std::string ruta;    // the page's file: left as it is until the report is whole
  CDiagrama modelo;    // copy of the document's model
  std::string titulo;  // the document's title
  OpcionesInforme opciones;
};

// The dialogs of data entry and analysis. A factory that cannot offer a
// dialog yet says so through Disponible, so that its command stays disabled;
// such a dialog is never faked.
class FabricaDialogos {
 public:
  virtual ~FabricaDialogos() = default;

  virtual bool Disponible(DialogoId id) const { return true; }

  // Data entry.
  virtual bool Corrientes(DlgCorrientes& d) = 0;
  virtual bool Servicios(DlgServicios& d) = 0;
  virtual bool Cambiadores(DlgCambiadores& d) = 0;
  virtual bool BorrarCorrientes(DlgBorrarCorrientes& d) = 0;
  virtual bool BorrarCambiadores(DlgBorrarCambiadores& d) = 0;
  virtual bool BorrarServicios(DlgBorrarServicios& d) = 0;
  virtual bool CalculoCambiadores(DlgCalculoCambiadores& d) = 0;
  virtual bool FormatoCambiadores(DlgFormatoCambiadores& d) = 0;
  virtual bool FormatoCambiador(DlgFormatoCambiador& d) = 0;
  virtual bool Bifurcar(DlgBifurcar& d) = 0;
  virtual bool BifurcarH(DlgBifurcarH& d) = 0;
  virtual void PropCorriente(const VentanaPropCorriente& v) = 0;
  virtual void PropCambiador(const VentanaPropCambiador& v) = 0;
  virtual void PropServicio(const VentanaPropServicio& v) = 0;
  virtual bool AreasIntegridad(DlgAreasIntegridad& d) = 0;
  virtual bool PropDiagrama(DlgPropDiagrama& d) = 0;
  virtual bool PropGrafico(DlgPropGrafico& d) = 0;
  virtual bool OtrasGraficas(DlgOtrasGraficas& d) = 0;
  virtual bool Coeficientes(DlgCoeficientes& d) = 0;

  // Analysis and report.
  virtual bool CalculoCascada(DlgCalculoCascada& d) = 0;
  virtual bool AreaMinima(DlgAreaMinima& d) = 0;
  virtual bool CosteMinimo(DlgCosteMinimo& d) = 0;
  virtual bool Remanente(DlgRemanente& d) = 0;
  virtual bool Factibilidad(DlgFactibilidad& d) = 0;
  virtual void FactibilidadVentana(const VentanaFactibilidad& v) = 0;
  virtual void TablaEmparejamientos(const VentanaTablaEmparejamientos& v) = 0;
  virtual bool TablaCorrientes(DlgTablaCorrientes& d) = 0;
  virtual bool TablaCambiadores(DlgTablaCambiadores& d) = 0;
  virtual bool TablaServicios(DlgTablaServicios& d) = 0;
  virtual bool MAN(DlgMAN& d) = 0;
  virtual bool Perturbaciones(DlgPerturbaciones& d) = 0;
  virtual bool CrucePinch(DlgCrucePinch& d) = 0;
  virtual bool AnadirAnillos(DlgAnadirAnillos& d) = 0;
  virtual bool CostesTotales(DlgCostesTotales& d) = 0;
  virtual bool VariacionDT(DlgVariacionDT& d) = 0;
  virtual bool VariacionArea(DlgVariacionArea& d) = 0;
  virtual bool VariacionCosteInm(DlgVariacionCosteInm& d) = 0;
  virtual bool VariacionCosteTot(DlgVariacionCosteTot& d) = 0;
  virtual bool CostesOperacion(DlgCostesOperacion& d) = 0;
  virtual bool Exergia(DlgExergia& d) = 0;
  virtual bool DifTempOptima(DlgDifTempOptima& d) = 0;
  virtual bool Informe(DlgInforme& d) = 0;
  virtual bool GenerandoInforme(DlgGenerandoInforme& d) = 0;
};

}  // namespace vardo
