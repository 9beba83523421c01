// The document: one open problem. It owns the model, the drawing mode the
// views show, the picture-stale flag, the feasibility option and two stacks
// of 20 whole-model snapshots for undo and redo; it reads and writes the
// document file and refreshes the count panes. It reaches the window only
// through the ports of app/puertos.h and the UiPort.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/core/document/puertos.h"
#include "model/diagrama.h"
#include "model/documento_archivo.h"
#include "platform/core/archive.h"
#include "platform/core/uiport.h"

namespace vardo {

// Depth of the undo and redo stacks.
inline constexpr int kProfundidadDeshacer = 20;

// Drawing modes of the document and its views.
inline constexpr std::int32_t kModoNinguno = 0;
inline constexpr std::int32_t kModoGrandCompuesta = 1;
inline constexpr std::int32_t kModoCompuestas = 2;
inline constexpr std::int32_t kModoRejilla = 3;  // grid diagram
inline constexpr std::int32_t kModoUltimo = 17;  // available exergy

// Base of the titles of new documents ("Vardo1", "Vardo2", ...).
inline constexpr const char* kTituloBase = "Vardo";
// Extension of document files.
inline constexpr const char* kExtensionDocumento = ".vdo";

// Texts of the file errors.
inline constexpr const char* kMsgFormatoNoEsperado = "Formato de archivo no esperado.";
inline constexpr const char* kMsgNoEncontrado =
    "%1\nImposible encontrar este archivo.\nCompruebe que la ruta y el nombre de archivo son "
    "correctos";
inline constexpr const char* kMsgDiscoLleno = "La unidad de disco de destino está llena.";
inline constexpr const char* kMsgNoLeer = "Imposible leer de %1, alguien más lo ha abierto.";
inline constexpr const char* kMsgNoEscribir =
    "Imposible escribir en %1, es de sólo lectura o alguien más lo ha abierto.";
inline constexpr const char* kMsgErrorLeer = "Error inesperado al leer %1.";
inline constexpr const char* kMsgErrorEscribir = "Error inesperado al escribir en %1.";
inline constexpr const char* kMsgNoAbrir = "Imposible abrir documento.";
inline constexpr const char* kMsgNoGuardar = "Imposible guardar documento.";

// Outcome of reading or writing a file; mensaje is the Spanish error text.
struct ResultadoArchivo {
  bool ok = true;
  std::string mensaje;
};

// Reads a whole regular file of at most kMaxBytesDocumento bytes; a file of
// any other kind is refused at once ("Imposible abrir documento."), a larger
// one with "Formato de archivo no esperado.".
ResultadoArchivo LeerArchivo(const std::string& ruta, std::vector<std::uint8_t>& bytes);
// Writes a whole file beside the target and then puts it in the target's
// place (app/core/document/archivo_nuevo.h): a failed write or a crash leaves the old
// file as it was. A new file gets the usual permissions, a replaced one
// keeps its own; a read-only target, a folder or a device is not replaced.
ResultadoArchivo EscribirArchivoSeguro(const std::string& ruta,
                                       const std::vector<std::uint8_t>& bytes);

// Texts of the three count panes, after recomputing the targets of d (or
// with them as they stand when objetivosAlDia: just computed).
struct TextosContadores {
  std::string camb, cal, ref;
};
TextosContadores CalcularContadores(CDiagrama& d, bool objetivosAlDia = false);
// The counts of a problem without streams, and of no document.
TextosContadores ContadoresVacios();

// The ports of one document. Null members do nothing (the UiPort falls back
// to DefaultUiPort()).
struct PuertosDocumento {
  UiPort* ui = nullptr;
  FabricaDialogos* dialogos = nullptr;
  PuertoEstado* estado = nullptr;
  PuertoCampoDTMin* campoDTMin = nullptr;
  PuertoPaneles* paneles = nullptr;
  PuertoVistas* vistas = nullptr;
  PuertoVisorObjetos* visor = nullptr;
  PuertoArchivos* archivos = nullptr;
};

class CVardoDoc {
 public:
  // A new document registers itself among the open ones and takes the
  // default ports.
  CVardoDoc();
  ~CVardoDoc();
  CVardoDoc(const CVardoDoc&) = delete;
  CVardoDoc& operator=(const CVardoDoc&) = delete;

  // ---- Ports ----
  // Ports given to documents made from now on (the main window sets them).
  static void SetPuertosPorDefecto(const PuertosDocumento& p);
  static const PuertosDocumento& PuertosPorDefecto();
  void SetPuertos(const PuertosDocumento& p) { puertos_ = p; }
  PuertosDocumento& Puertos() { return puertos_; }
  const PuertosDocumento& Puertos() const { return puertos_; }

  // ---- Open documents ----
  // The document of the active window, or null. Panes and dialogs ask each
  // time and keep no pointer.
  static CVardoDoc* GetDocActivo();
  // Set by the window layer when a document window becomes active (null
  // when none is). A document that is not open is never returned.
  static void SetDocActivo(CVardoDoc* doc);
  static const std::vector<CVardoDoc*>& Documentos();
  // The open document whose file is ruta, or null.
  static CVardoDoc* BuscarPorRuta(const std::string& ruta);

  // ---- Title, path and modified flag ----
  // New documents are titled Vardo1, Vardo2, ... from each start of the
  // program: the program's start sets the count back.
  static void ReiniciarTitulos();
  const std::string& GetTitle() const { return titulo_; }
  void SetTitle(const std::string& t) { titulo_ = t; }
  const std::string& GetPathName() const { return ruta_; }
  // Keeps the absolute path and titles the document with the file name
  // without its extension.
  void SetPathName(const std::string& ruta);
  bool IsModified() const { return modificado_; }
  void SetModifiedFlag(bool modificado = true) { modificado_ = modificado; }
  // Repaints every view of the document; inside CambiarModelo's change,
  // left to the refresh that ends it (one layout per change).
  void UpdateAllViews();

  // ---- New, open, save ----
  // A default model in mode 0, titled with the next "VardoN", no path, not
  // modified; views updated. The undo history is left alone.
  bool OnNewDocument();
  // Reads the file into this document. On success the document takes the
  // path, is not modified and starts with empty undo and redo stacks. On
  // failure the message is shown through the UiPort, returned, and the
  // document is left exactly as it was.
  ResultadoArchivo OnOpenDocument(const std::string& ruta);
  // Writes the document through a temporary file. On success the document
  // takes the path and title and is no longer modified; on failure the
  // message is shown and returned and the old file stays as it was.
  ResultadoArchivo OnSaveDocument(const std::string& ruta);
  // Writes a copy of the document (the autosave backup) without touching
  // the document: its path, title, modified flag and model stay as they are.
  // Nothing is shown; the result tells.
  ResultadoArchivo GuardarCopia(const std::string& ruta) const;
  // The framing words and the body, by the archive's direction, then the
  // after-body steps (DT min field, refresh). A damaged file throws
  // FormatError and changes nothing.
  void Serialize(Archive& ar);

  // ---- Undo and redo ----
  // Pushes the current model and mode; clears redo when limpiarRehacer.
  void GuardarDeshacer(bool limpiarRehacer = true);
  // Pushes the current model and mode on the redo stack.
  void GuardarRehacer();
  // Undo and redo; false (nothing done) when their stack is empty.
  bool Deshacer();
  bool Rehacer();
  bool PuedeDeshacer() const { return !deshacer_.empty(); }
  bool PuedeRehacer() const { return !rehacer_.empty(); }
  int NumDeshacer() const { return static_cast<int>(deshacer_.size()); }
  int NumRehacer() const { return static_cast<int>(rehacer_.size()); }

  // ---- One change of the stored data ----
  // Every command that changes what the document stores hands its change
  // here: the undo step first (when the command keeps one), the change, the
  // modified mark exactly when the stored model changed (a document already
  // modified stays so), the targets recalculated, then one refresh of the
  // counts, the streams pane, the browser, the area bar and the views.
  void CambiarModelo(const std::function<void()>& cambio, bool pasoDeshacer = true);

  // ---- Refresh and network check ----
  // With streams: recomputes the targets (unless objetivosAlDia: reading or
  // writing the document has just computed them), writes the count panes
  // and the DT min field; without streams the count panes read zero. Then
  // refreshes the panes and updates the views.
  void ActualizarContadores(bool objetivosAlDia = false);
  // Calculates the network; warnings or errors go to the calculation
  // message, whose "Corregir" opens the exchangers dialog on the faulty
  // exchanger.
  void ComprobarCambiadores();
  // The exchangers dialog on a copy of the model, showing exchanger n
  // first; modo 0 when the model's last exchanger is a provisional one
  // added on the grid diagram, 1 otherwise. Cancel in mode 0 removes the
  // provisional exchanger only; in mode 1 it changes nothing.
  void EditarCambiadores(std::int32_t n, std::int32_t modo);

  // ---- Commands (comandos_documento.cpp) ----
  // Each runs one command of the document from its dialog to its refresh.
  // Those on the selected object do nothing unless the view's selected kind
  // names an existing object of their kind.
  void OnAnadirCorriente();       // streams sheet on the first stream
  void OnModificarCorriente();    // streams sheet on the selected stream
  void OnBorrarCorriente();       // delete one or all streams
  void BorrarCorrienteSel();      // delete the selected stream
  void OnNuevaBifurcacion();      // split the selected stream
  void OnModificarBifurcacion();  // split again with new temperatures and shares
  void OnBorrarBifurcacion();     // the split becomes one stream again
  void OnCalcularTemperaturas();  // branch temperatures of the selected split
  void OnCascada();
  void OnAreaMinima();
  void OnCostesMinimos();
  void OnLadoCaliente();
  void OnLadoFrio();
  void OnTablaEmparejamientos();
  void OnUsarFactibilidad();
  void OnAreasIntegridad();
  void OnSeleccionarArea();       // the area selected in the object browser alone
  void OnPropiedadesCorriente();
  void OnAnadirCambiador();
  void OnBorrarCambiador();       // delete one or all exchangers
  void BorrarCambiadorSel();      // delete the selected exchanger
  void OnErrores();
  void OnTablaCambiadores();
  void OnTablaCorrientes();
  void OnTablaServicios();
  void OnProblemaRemanente();
  void OnEmparejamientosPinch();
  void OnFormatoCambiadores();
  void OnFormatoCambiador();
  void OnPropiedadesCambiador();
  void OnAnadirServicio();
  void OnCombinarServicios();
  void OnCostesServicios();
  void OnBorrarServicio();        // delete one or all utilities
  void BorrarServicioSel();       // delete the selected utility
  void OnMostrarServicios();      // show or hide the defined utilities
  void OnPropiedadesServicio();
  void OnMAN();
  void OnPerturbaciones();
  void OnInforme();
  void OnDifTempOptima();

  // The view's selected kind (kSel*), kSelNada without a view.
  int TipoSeleccion() const;
  void SetTipoSeleccion(int tipo);
  // The selected process stream, utility (as kRefServicio + k) or exchanger while
  // the view's selected kind names it, else -1.
  std::int32_t CorrienteSeleccionada() const;
  std::int32_t ServicioSeleccionado() const;
  std::int32_t CambiadorSeleccionado() const;
  // Drops the view's selected kind when it no longer names an object.
  void RevisarSeleccion();

  // ---- Data ----
  std::int32_t m_nModo = kModoNinguno;  // drawing mode 0..17
  bool m_bRedibujar = false;  // the view rebuilds the chart at its next paint
  CDiagrama m_Diagrama;
  bool m_bUsarFactibilidad = true;  // stored as the first framing word
  bool m_bNotaAreas = false;        // the integrity-areas note was shown

 private:
  // A snapshot copies its model whole (CDiagrama's own copy leaves parts out).
  struct Instantanea {
    Instantanea() = default;
    Instantanea(const Instantanea& o) : modo(o.modo) { CopiarModeloCompleto(modelo, o.modelo); }
    Instantanea& operator=(const Instantanea& o) {
      CopiarModeloCompleto(modelo, o.modelo);
      modo = o.modo;
      return *this;
    }
    CDiagrama modelo;
    std::int32_t modo = 0;
  };

  UiPort& Ui() const { return puertos_.ui ? *puertos_.ui : DefaultUiPort(); }
  void Empujar(std::deque<Instantanea>& pila);
  void Restaurar(std::deque<Instantanea>& pila);
  void RestaurarModo(std::int32_t modo);
  void TrasCuerpo();
  void EscribirCampoDTMin();
  ResultadoArchivo Informar(ResultadoArchivo r);

  // Steps the commands share (comandos_documento.cpp).
  FabricaDialogos* Dialogos() const { return puertos_.dialogos; }
  void MarcarObsoleta12();   // the picture of modes 1 and 2 is stale
  void MarcarObsoleta13();   // modes 1 to 3: stale, and the views repaint
  void BorrarLazos();        // empties the loop-search results
  void Reconectar();         // both sides of every exchanger to their streams
  void DeseleccionarCorriente();
  void DeseleccionarCambiador();
  bool MensajeCalculo(std::int32_t r);
  void BorrarUnaCorriente(std::int32_t i);
  void BorrarUnCambiador(std::int32_t i);
  void Factibilidad(std::int32_t lado);
  void Servicios(std::int32_t pagina);
  template <class D>
  void ConDTMin(bool (FabricaDialogos::*ejecutar)(D&));
  template <class D>
  void SoloVer(bool (FabricaDialogos::*ejecutar)(D&));

  PuertosDocumento puertos_;
  std::string titulo_;
  std::string ruta_;
  bool modificado_ = false;
  // Depth of CambiarModelo changes under way.
  int enCambio_ = 0;
  std::deque<Instantanea> deshacer_;  // front = newest
  std::deque<Instantanea> rehacer_;
};

}  // namespace vardo
