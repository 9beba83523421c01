// The view of a document: a scrolling window that shows, for the document's
// drawing mode, the grid diagram (mode 3) or one chart held by the view
// (modes 1, 2 and 4 to 17). It owns the chart commands, the rebuild of a
// stale chart, the format command, printing, the editing of the grid diagram
// by mouse and keyboard (through CEditorRejilla), its context menus, the loop
// commands and the toolbar's DT min field.
//
// The picture is laid out when the document says it changed (Actualizar):
// the mode follows the streams, a stale chart is rebuilt, and the drawing is
// recorded once in 0.01 mm. Painting only replays that record, so it changes
// nothing in the model.
#pragma once
#include <QAbstractScrollArea>
#include <QPixmap>
#include <QImage>
#include <QPageLayout>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/core/charts/grafica.h"
#include "app/core/document/puertos.h"
#include "app/core/views/edicion_rejilla.h"
#include "app/core/views/exportar.h"
#include "platform/core/dc.h"
#include "platform/qt/commands.h"

class QLineEdit;
class QMenu;
class QPrinter;

namespace vardo {

class CVardoDoc;

// Status texts of the view.
inline constexpr const char* kTextoPreparado = "Preparado";
inline constexpr const char* kTextoPreparadoTrama =
    "Preparado - Pulse Ctrl para añadir un cambiador, o Mayús para añadir un anillo o senda";
inline constexpr const char* kMsgDTInicial =
    "La diferencia de temperaturas mínima inicial debe ser mayor que 0";
inline constexpr const char* kMsgDTFinal =
    "La diferencia de temperaturas final debe ser mayor que la inicial";

// Pages of a printout: the picture's rectangle plus a 20 mm margin, cut in
// pages of the printable area; pages run down the first column first. The
// grid-size command makes grids of at most 10 m a side, some 50 pages; a
// rectangle that asks for more columns or rows than kMaxFilasPaginas is cut
// there, so a damaged one cannot send thousands of pages to the printer.
inline constexpr int kMaxFilasPaginas = 64;
struct RejillaPaginas {
  int columnas = 1;
  int filas = 1;
  int Paginas() const { return columnas * filas; }
  // Column and row of page n (from 1).
  int Columna(int n) const { return columnas <= 1 ? 0 : (n - 1) / filas; }
  int Fila(int n) const { return filas <= 1 ? 0 : (n - 1) - Columna(n) * filas; }
};
RejillaPaginas CalcularPaginas(const Rect& r, int dpiX, int dpiY, int anchoPx, int altoPx);

class CVardoView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  // Kinds of the selected object.
  static constexpr int kSelNada = 0;
  static constexpr int kSelCorriente = 1;
  static constexpr int kSelCambiador = 2;
  static constexpr int kSelNodo = 3;

  CVardoView(CVardoDoc* doc, QWidget* parent = nullptr);
  ~CVardoView() override;

  // The view of the active document window, or null.
  static CVardoView* GetVistaActiva();
  // Kept by the main window as document windows are activated.
  static void SetVistaActiva(CVardoView* vista);

  CVardoDoc* GetDocument() const { return doc_; }
  CommandTarget& Comandos() { return comandos_; }
  // The dialogs the chart commands open (null: none available).
  void SetFabrica(FabricaDialogos* f) { fabrica_ = f; }

  // 0 none, 1 stream or utility, 2 exchanger, 3 split node; other values
  // leave the kind unchanged.
  void SetEstadoEdicion(int estado);
  int EstadoEdicion() const { return editor_.Tipo(); }
  CEditorRejilla& Editor() { return editor_; }
  // Opens process stream i as a double click on it does: the stream becomes
  // the selected object and its edit runs once the caller's event is done.
  // Nothing for an index that names no stream.
  void EditarCorriente(std::int32_t i);
  // The context menu opened last (null before the first).
  QMenu* MenuAbierto() const { return menuAbierto_; }

  // The toolbar's DT min field: what a key does there (pass, apply or
  // swallow), and the value applied (Enter, or leaving an edited field):
  // false when the text was refused, its message shown. The main window's
  // field is watched once the first view is activated.
  static void VigilarCampoDTMin(QLineEdit* campo);
  bool OnDTMinAplicar(const std::string& texto);
  // The field shows the document's DT min.
  void EscribirCampoDTMin();

  // First update after the window is made: the picture and the status text.
  void OnInitialUpdate();
  // The document changed: mode, stale chart, layout, repaint.
  void Actualizar();
  // Rebuilds the chart of the current mode with fixed parameters.
  void RedibujarGrafica();
  // Runs one of the chart commands by its id.
  void ComandoGrafica(int id);
  // The format command: grid or chart properties by the mode.
  void FormatoGrafica();

  const CGrafica& Grafica() const { return grafica_; }
  CGrafica& Grafica() { return grafica_; }
  // The laid-out picture (0.01 mm, y upwards).
  const std::vector<RecordingDc::Item>& Imagen() const { return imagen_; }
  // Scroll extent of the picture in pixels.
  QSize TamanoTotal() const { return total_; }
  const std::string& TextoEstado() const { return textoEstado_; }

  // Draws the picture of the current mode, laid out for this Dc, from a
  // copy of the model with the export flag cleared (no highlights).
  void DibujarParaImprimir(Dc& dc) const;
  // The rectangle that printing cuts into pages.
  Rect RectanguloImpresion() const;
  // Prints every page on an active-less printer; false when it cannot start.
  bool Imprimir(QPrinter& printer);
  // The print-setup command: the page setup is kept in the view.
  void ConfigurarImpresora();

  // ---- Exports ----
  // The picture of the current mode to the clipboard (metafile and PNG).
  void OnCopiarImagen();
  // The picture into a metafile chosen in a save dialog. The file-writing
  // commands return false when cancelled or when the file could not be
  // written (the document's file error text has then been shown).
  bool OnGrabarImagen();
  // Tables and the node adjacency matrix of the document to the clipboard.
  void OnCopiarTablaCambiadores();
  void OnCopiarTablaCorrientes();
  void OnCopiarMAN();
  // The matrix into a ".dat" file, the chart's data into a ".txt" file.
  bool OnExportarMAN();
  bool OnExportarGrafica();
  // The picture of the current mode as an image at the view's resolution,
  // framed to the metafile's drawn extent.
  QImage ImagenExportada(const std::vector<std::uint8_t>& emf) const;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void scrollContentsBy(int dx, int dy) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void DefinirComandos();
  void DibujarContenido(Dc& dc, CDiagrama& modelo, int modo) const;
  void Maquetar();
  void AjustarBarras();
  void MostrarEstado(const std::string& texto);
  void MostrarEstadoVista();
  bool HayCorrientes() const;
  bool Disponible(DialogoId dialogo) const;
  // Builds the chart of a mode; the chart's Recalcular is run by the caller.
  void ConstruirGrafica(int modo, double dtDesde, double dtHasta, int puntos);
  bool LeerRango(const std::string& inicial, const std::string& final, double& desde,
                 double& hasta);
  void Fijar(int modo);
  void ActualizarContadoresDoc();
  // Editing: the pointer in 0.01 mm, the picture laid out again, what an
  // event left to open run after its handler, the context menu of the
  // selected object.
  Point Logico(const QPointF& pixel) const;
  void Rehacer();
  void Encolar(const Pendiente& p);
  void Ejecutar(const Pendiente& p);
  void AbrirMenuContexto(const QPoint& global);
  void DefinirComandosEdicion();
  // The save dialog of a file type, then the bytes (made only after OK)
  // written through a temporary file; a failure is shown.
  bool GuardarExportado(const TipoArchivoExportado& tipo,
                        const std::function<std::vector<std::uint8_t>()>& bytes);

  CVardoDoc* doc_;
  FabricaDialogos* fabrica_ = nullptr;
  CommandTarget comandos_;
  CGrafica grafica_;
  int modoGrafica_ = -1;  // the mode the chart was last built for
  std::string textoEstado_ = kTextoPreparado;
  CEditorRejilla editor_;
  QMenu* menuCorriente_ = nullptr;
  QMenu* menuServicio_ = nullptr;
  QMenu* menuCambiador_ = nullptr;
  QMenu* menuAbierto_ = nullptr;
  std::vector<RecordingDc::Item> imagen_;
  // imagen_ painted at the viewport's size and the scroll position below.
  QPixmap pintada_;
  QPoint pintadaScroll_;
  QSize total_{100, 100};
  QPoint scroll_;  // the view's copy of the scroll position
  bool actualizando_ = false;
  bool configuracionGuardada_ = false;
  QPageLayout configuracion_;
};

}  // namespace vardo
