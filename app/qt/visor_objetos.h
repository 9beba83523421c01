// The object browser "Visor de Objetos", docked at the left of the main
// window: a chart chooser over a small chart (or the cascade plot), the tree
// of the model's objects with their tooltips, and a two-column property
// grid. A click on a tree item selects the object in the document and its
// view, a double click runs the object's edit command, the right button
// opens the object's menu.
//
// The browser keeps its own copy of the model, which the document's refresh
// replaces. The chart is laid out on that copy whenever the model, the
// selection, the chosen chart or the size change, never asking the user;
// painting only replays that layout and changes nothing. Handlers reach the
// document and the view through the active ones and keep no pointer to
// either; a tree item is found again by its text in the current model, so a
// stale item names nothing.
#pragma once
#include <QIcon>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "app/core/charts/grafica.h"
#include "app/core/document/puertos.h"
#include "app/core/panes/visor_objetos.h"
#include "model/diagrama.h"
#include "platform/core/dc.h"

class QComboBox;
class QFrame;
class QMenu;
class QPainter;
class QTreeWidget;
class QTreeWidgetItem;

namespace vardo {

class CBarraDivisoria;
class CMainFrame;
class CommandRegistry;
class DisplayGrid;
class Vadizod;
struct PuertosDocumento;

// The 16 × 16 pictures of the tree, by IconoVisor index.
QIcon IconoVisor(int indice);

class CVisorObjetosDlg : public QWidget {
  Q_OBJECT
 public:
  // Wide enough for the chart chooser's longest entry at the font in use.
  QSize sizeHint() const override;
  static constexpr int kIdGraficas = 1059;
  static constexpr int kIdDibujo = 1014;
  static constexpr int kIdCascada = 1063;
  static constexpr int kIdBarraGrafica = 1053;
  static constexpr int kIdArbol = 1165;
  static constexpr int kIdBarraArbol = 1055;
  static constexpr int kIdPropiedades = 1077;

  // registro runs the menus' commands and the double click's.
  explicit CVisorObjetosDlg(CommandRegistry* registro, QWidget* parent = nullptr);
  ~CVisorObjetosDlg() override;

  // ---- called by the document and the view ----
  // The document's refresh: takes the copy; with streams the tree and the
  // grid are rebuilt; the chart is laid out again.
  void ActualizarModelo(const CDiagrama& modelo, bool conCorrientes);
  // The tree follows the view's selection, then the chart and the grid.
  void SeleccionarObjeto(const CDiagrama& modelo, int tipo, bool anilloMostrado);
  // The index of the area whose item is selected, or -1.
  std::int32_t GetAreaSeleccionada() const;
  // Rebuilds the tree from the copy.
  void ActualizarArbol();
  // Fills the grid for the active view's selection.
  void MostrarPropiedades();
  // Feeds the cascade plot from the active document's model.
  void LlenarCascada();

  // ---- tree events (the tree's signals call them) ----
  void ClicElemento(QTreeWidgetItem* item);
  void DobleClicElemento(QTreeWidgetItem* item);
  void ClicDerecho(QTreeWidgetItem* item);

  // ---- parts, for the frame and for tests ----
  QComboBox* Graficas() const { return graficas_; }
  QWidget* Dibujo() const { return dibujo_; }
  Vadizod* Cascada() const { return cascada_; }
  QTreeWidget* Arbol() const { return arbol_; }
  DisplayGrid* Propiedades() const { return propiedades_; }
  const CDiagrama& Modelo() const { return modelo_; }
  const CGrafica& Grafica() const { return grafica_; }
  // The chart's layout that painting replays (0.01 mm, y upwards).
  const std::vector<RecordingDc::Item>& Imagen() const { return imagen_; }
  // The menu opened last (null before the first).
  QMenu* MenuAbierto() const { return menuAbierto_; }
  // The tree item with a text under a root with a text (null when none).
  QTreeWidgetItem* Buscar(const QString& raiz, const QString& texto) const;

  // Paints the chart's layout (the drawing area's paint event).
  void PintarDibujo(QPainter& p) const;

 protected:
  void resizeEvent(QResizeEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Colocar();
  // Lays the chosen chart out again on the copy (the browser's repaint).
  void Redibujar();
  void Vaciar();
  void Llenar(const FilasPropiedades& filas);
  void MostrarPropiedades(const CDiagrama& fuente, int tipo, bool anilloMostrado);
  int TipoVista() const;
  bool AnilloVista() const;
  void Ejecutar(int comando);

  CommandRegistry* registro_;
  CDiagrama modelo_;
  CGrafica grafica_;
  std::vector<RecordingDc::Item> imagen_;
  QComboBox* graficas_ = nullptr;
  QWidget* dibujo_ = nullptr;
  Vadizod* cascada_ = nullptr;
  QFrame* barraGrafica_ = nullptr;
  QTreeWidget* arbol_ = nullptr;
  QFrame* barraArbol_ = nullptr;
  DisplayGrid* propiedades_ = nullptr;
  CBarraDivisoria* divisoriaGrafica_ = nullptr;
  CBarraDivisoria* divisoriaArbol_ = nullptr;
  int altoGrafica_ = 200;  // pixels, changed by dragging the bars
  int altoArbol_ = 200;
  QMenu* menus_[5] = {};
  QMenu* menuAbierto_ = nullptr;
};

// The browser's ports: the main window's pane port forwards the document's
// refresh here, and the documents' browser port is this. Calls reach the
// pane while it exists and is shown.
class EnlaceVisorObjetos : public QObject, public PuertoPaneles, public PuertoVisorObjetos {
  Q_OBJECT
 public:
  explicit EnlaceVisorObjetos(CMainFrame& marco);
  // Makes the pane (the main window's dock bar takes it).
  QWidget* Crear();
  CVisorObjetosDlg* Panel() const { return panel_; }

  void ActualizarTablaCorrientes(const CDiagrama&) override {}
  void ActualizarVisorObjetos(const CDiagrama& modelo, bool conCorrientes) override;
  void ActualizarBarraAreas(const CDiagrama&) override {}
  std::int32_t GetAreaSeleccionada() const override;
  void SeleccionarObjeto(const CDiagrama& modelo, int tipo, bool anilloMostrado) override;

 private:
  bool Visible() const;

  CMainFrame& marco_;
  QPointer<CVisorObjetosDlg> panel_;
};

// Registers the browser with the main window (View command 110, docked at
// the left) and gives the documents its port.
EnlaceVisorObjetos* RegistrarVisorObjetos(CMainFrame& marco, PuertosDocumento& puertos);

}  // namespace vardo
