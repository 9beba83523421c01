// The main window of the program: the document windows, the menu bar, the
// four toolbars and the DT min field, the status bar with the message pane
// and the "Camb:", "Cal:" and "Ref:" panes, the docked panes, autosave and
// the help commands. It is the status, DT min field, panes and timer port of
// every document, and it runs the document's commands on the active one.
#pragma once
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/core/document/autoguardado.h"
#include "app/core/document/puertos.h"
#include "platform/qt/mainframe.h"
#include "platform/qt/timer.h"

class QDockWidget;
class QMenu;

namespace vardo {

class CChildFrame;
class CVardoDoc;

// Ids of the status panes.
inline constexpr int kPanelCamb = 105;
inline constexpr int kPanelCal = 106;
inline constexpr int kPanelRef = 108;
// Toolbars.
inline constexpr int kRecursoBarraEstandar = 128;
inline constexpr int kRecursoBarraDiagrama = 207;
inline constexpr int kRecursoBarraPrincipal = 209;
inline constexpr int kRecursoBarraAnillos = 211;

inline constexpr const char* kEtiquetaDTMin = "DT mínima (K)";
inline constexpr const char* kMsgOpinion =
    "Parece que ha estado utilizando Calorama durante algún tiempo. Ahora le agradeceríamos "
    "mucho que nos contase su opinión, ya que ésta nos será de gran ayuda para mejorar "
    "nuestro trabajo. Gracias.";
// What the help and web-page commands say: this build has neither.
inline constexpr const char* kMsgSinAyuda =
    "Los temas de ayuda no están disponibles en esta versión de Calorama.";
inline constexpr const char* kMsgSinPaginaWeb = "Esta versión de Calorama no tiene página web.";

class CMainFrame : public MdiFrame,
                   public PuertoEstado,
                   public PuertoCampoDTMin,
                   public PuertoPaneles,
                   public PuertoTemporizadores,
                   public PuertoArchivos {
  Q_OBJECT
 public:
  explicit CMainFrame(QWidget* parent = nullptr);
  ~CMainFrame() override;

  // ---- PuertoEstado ----
  // Shows a text in the message pane, literally, cut at 255 characters.
  void SetTextoEstado(const std::string& texto) override;
  std::string UltimoMensaje() const override;
  void SetContadores(const std::string& camb, const std::string& cal,
                     const std::string& ref) override;
  // ---- PuertoCampoDTMin ----
  void SetTexto(const std::string& texto) override;
  // ---- PuertoPaneles: forwarded to the panes while they are shown ----
  void ActualizarTablaCorrientes(const CDiagrama& modelo) override;
  void ActualizarVisorObjetos(const CDiagrama& modelo, bool conCorrientes) override;
  void ActualizarBarraAreas(const CDiagrama& modelo) override;
  // ---- PuertoTemporizadores ----
  void Iniciar(int id, int periodoMs) override;
  void Parar(int id) override;
  bool TemporizadorActivo(int id) const;
  int PeriodoTemporizador(int id) const;
  // Runs a timer's tick at once (as when it fires).
  void Disparar(int id);
  // ---- PuertoArchivos: the save dialog for files other than documents ----
  std::string ElegirArchivoGuardar(const PeticionGuardar& p) override;

  // ---- panes that later parts of the program add ----
  // A docked pane toggled by a View command: created at the first
  // activation, docked on its side, its command checked while it is shown.
  // The port receives the model copies while the pane is shown.
  struct Panel {
    int comando = 0;
    QString titulo;
    Qt::DockWidgetArea lado = Qt::LeftDockWidgetArea;
    std::function<QWidget*()> crear;
    PuertoPaneles* puerto = nullptr;
  };
  void RegistrarPanel(const Panel& panel);
  bool PanelVisible(int comando) const;
  QDockWidget* Dock(int comando) const;
  // The integrity-area band, added at the first activation.
  void RegistrarBarraAreas(std::function<QWidget*()> crear, PuertoPaneles* puerto);

  // ---- first activation: panes, area band, autosave timers, run counter ----
  void PrimeraActivacion();
  bool PrimeraActivacionPendiente() const { return primeraActivacion_; }

  // ---- autosave ----
  CAutograbacion& Autograbacion() { return autograbacion_; }
  // The settings command; the dialog is replaceable (tests answer it).
  void OnAutograbacion();
  std::function<bool(AjustesAutograbacion&)> dialogoAutograbacion;

  // ---- documents ----
  CChildFrame* MarcoActivo() const;
  std::vector<CChildFrame*> Marcos() const;
  // Adds a document window and makes it active.
  void AnadirMarco(CChildFrame* marco);
  // Called before the window closes; false keeps it open.
  std::function<bool()> alCerrar;
  // A file dropped on the window.
  std::function<void(const QString&)> alSoltarArchivo;
  // The menu that drops down the other charts.
  QMenu* MenuOtrasGraficas() const { return menuOtras_; }
  QMenu* MenuArchivo() const { return menuArchivo_; }
  QAction* SeparadorRecientes() const { return antesDeSalir_; }

  // The key of the run counter in the profile.
  static constexpr const char* kClaveEjecuciones = "vdoFile/Runs";

 protected:
  void closeEvent(QCloseEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dropEvent(QDropEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void DefinirComandos();
  void CrearBarras();
  void CrearMenus();
  void CrearTeclas();
  void DefinirComandosMarco();
  void DefinirComandosDocumento();
  void AlCambiarMarcoActivo(MdiChild* hijo);
  void MostrarOtrasGraficas();
  void AlternarPanel(int comando);
  // The panes and the area bar show the active document's model.
  void PanelesDelDocumentoActivo();
  QDockWidget* CrearPanel(Panel& p);
  void ContadorEjecuciones();

  bool primeraActivacion_ = true;
  std::map<int, Panel> paneles_;
  std::map<int, QDockWidget*> docks_;
  std::function<QWidget*()> crearBarraAreas_;
  PuertoPaneles* puertoBarraAreas_ = nullptr;
  QToolBar* bandaAreas_ = nullptr;
  TimerSet timers_;
  CAutograbacion autograbacion_;
  QMenu* menuOtras_ = nullptr;
  QMenu* menuArchivo_ = nullptr;
  QAction* antesDeSalir_ = nullptr;
  std::vector<QMenu*> menusDocumento_;
};

}  // namespace vardo
