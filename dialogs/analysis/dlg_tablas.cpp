#include "dialogs/analysis/dlg_tablas.h"

#include <QMenu>
#include <algorithm>
#include <utility>

#include "app/core/analysis/factibilidad.h"
#include "app/core/document/documento.h"
#include "app/core/views/exportar.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "controls/grid/celdix.h"
#include "platform/qt/clipboard.h"
#include "platform/qt/displaygrid.h"

namespace vardo {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Cells of a table text into a grid with Rows, Cols and TextMatrix.
template <class Rejilla>
void Llenar(Rejilla& g, const TablaTexto& t) {
  const int filas = static_cast<int>(t.size());
  int columnas = 0;
  for (const auto& fila : t) columnas = std::max(columnas, static_cast<int>(fila.size()));
  g.SetRows(filas);
  g.SetCols(columnas);
  for (int r = 0; r < filas; ++r) {
    const auto& fila = t[static_cast<std::size_t>(r)];
    for (int c = 0; c < static_cast<int>(fila.size()); ++c)
      g.SetTextMatrix(r, c, Q(fila[static_cast<std::size_t>(c)]));
  }
}

// A read-only dialog of one hosted table and "Aceptar".
kit::Template PlantillaTabla(const char* titulo, const char* claseTabla, int id, int w, int h) {
  using namespace kit;
  return Template{titulo,
                  w,
                  h,
                  {
                      Hosted(id, claseTabla, 7, 7, w - 14, h - 35),
                      Button(kIdOk, "Aceptar", w - 57, h - 21, 50, 14, kDefault),
                  }};
}

kit::Template PlantillaEmparejamientos() {
  using namespace kit;
  using D = CTablaEmparejamientosDlg;
  return Template{"Tabla de emparejamientos posibles en el pinch",
                  300,
                  238,
                  {
                      Combo(D::kIdPinch, 7, 7, 170, 80, kListOnly, {kTextoPinchProceso}),
                      Label("Lado caliente:", 7, 26, 100, 8),
                      Hosted(D::kIdLadoCaliente, kClassIdTablaVista, 7, 36, 286, 80),
                      Label("Lado Frío:", 7, 122, 100, 8),
                      Hosted(D::kIdLadoFrio, kClassIdTablaVista, 7, 132, 286, 80),
                      Button(kIdCancel, "Cerrar", 243, 218, 50, 14, kDefault),
                  }};
}

}  // namespace

// ---------------------------------------------------------------- exchangers

CTablaCambiadoresDlg::CTablaCambiadoresDlg(const CDiagrama& modelo, QWidget* parent)
    : kit::Dialog(PlantillaTabla("Tabla de Cambiadores", kCeldixClassId, kIdTabla, 500, 200),
                  parent) {
  CopiarModeloCompleto(modelo_, modelo);
}

void CTablaCambiadoresDlg::OnInit() {
  auto* t = Get<Celdix>(kIdTabla);
  Llenar(*t, TablaCambiadores(modelo_));
  // Room for the heading of the first column and for the costs.
  t->SetColWidth(0, 1000);
  t->SetColWidth(9, 1200);
  t->SoloParaLeer();
}

// ---------------------------------------------------------------- utilities

CTablaServiciosDlg::CTablaServiciosDlg(const CDiagrama& modelo, QWidget* parent)
    : kit::Dialog(
          PlantillaTabla("Tabla de Servicios Generales", kCeldixClassId, kIdTabla, 560, 180),
          parent) {
  CopiarModeloCompleto(modelo_, modelo);
}

void CTablaServiciosDlg::OnInit() {
  auto* t = Get<Celdix>(kIdTabla);
  Llenar(*t, TablaServicios(modelo_));
  const struct {
    int columna, ancho;
  } anchos[] = {{0, 400}, {1, 2300}, {2, 1100}, {8, 1500}, {9, 1500}};
  for (const auto& a : anchos) t->SetColWidth(a.columna, a.ancho);
  t->SoloParaLeer();
}

// ---------------------------------------------------------------- streams

CTablaCorrientesDlg::CTablaCorrientesDlg(const CDiagrama& modelo, QWidget* parent)
    : kit::Dialog(PlantillaTabla("Tabla de Corrientes", kClassIdTablaVista, kIdTabla, 400, 180),
                  parent) {
  CopiarModeloCompleto(modelo_, modelo);
}

void CTablaCorrientesDlg::OnInit() {
  auto* t = Get<DisplayGrid>(kIdTabla);
  Llenar(*t, TablaCorrientes(modelo_));
  t->SetColWidth(1, 2000);
  menu_ = new QMenu(this);
  menu_->addAction(QStringLiteral("Copiar"), this,
                   [this] { CopiarTexto(TextoTablaCorrientes(modelo_)); });
  connect(t, &DisplayGrid::MouseDown, this,
          [this](int boton, int, int x, int y) { OnMouseDown(boton, x, y); });
}

void CTablaCorrientesDlg::OnMouseDown(int boton, int x, int y) {
  if (boton != DisplayGrid::kBotonDerecho) return;
  menu_->popup(mapToGlobal(QPoint(x, y)));
}

// ---------------------------------------------------------------- matches

CTablaEmparejamientosDlg::CTablaEmparejamientosDlg(const CDiagrama& modelo, QWidget* parent)
    : kit::Dialog(PlantillaEmparejamientos(), parent) {
  CopiarModeloCompleto(modelo_, modelo);
  OnSelect(kIdPinch, [this] { Rellenar(CurSel(kIdPinch)); });
}

void CTablaEmparejamientosDlg::OnInit() {
  const std::vector<std::string> pinches = TextosPinches(modelo_);
  for (std::size_t k = 1; k < pinches.size(); ++k) AddString(kIdPinch, pinches[k]);
  SetCurSel(kIdPinch, 0);
  Rellenar(0);
}

void CTablaEmparejamientosDlg::Rellenar(int pinch) {
  const TablaEmparejamientos t = TablaEmparejamientosPosibles(modelo_, pinch);
  for (const auto& [id, tabla] : {std::pair{kIdLadoCaliente, &t.ladoCaliente},
                                  std::pair{kIdLadoFrio, &t.ladoFrio}}) {
    auto* g = Get<DisplayGrid>(id);
    Llenar(*g, *tabla);
    for (int c = 0; c < g->Cols(); ++c) g->SetColWidth(c, kAnchoColumna);
  }
}

void MostrarTablaEmparejamientos(const VentanaTablaEmparejamientos& v) {
  (new CTablaEmparejamientosDlg(v.modelo))->ShowModeless();
}

// ---------------------------------------------------------------- running

bool EjecutarTablaCambiadores(QWidget* padre, DlgTablaCambiadores& d) {
  CTablaCambiadoresDlg dlg(d.modelo, padre);
  return dlg.Run() == kit::kIdOk;
}

bool EjecutarTablaCorrientes(QWidget* padre, DlgTablaCorrientes& d) {
  CTablaCorrientesDlg dlg(d.modelo, padre);
  return dlg.Run() == kit::kIdOk;
}

bool EjecutarTablaServicios(QWidget* padre, DlgTablaServicios& d) {
  CTablaServiciosDlg dlg(d.modelo, padre);
  return dlg.Run() == kit::kIdOk;
}

void RegistrarTablas(FabricaDialogosQt& fabrica) {
  fabrica.Registrar<DlgTablaCambiadores>(EjecutarTablaCambiadores);
  fabrica.Registrar<DlgTablaCorrientes>(EjecutarTablaCorrientes);
  fabrica.Registrar<DlgTablaServicios>(EjecutarTablaServicios);
  // Created without a parent, whatever the factory's.
  fabrica.RegistrarVentana<VentanaTablaEmparejamientos>(
      [](QWidget*, const VentanaTablaEmparejamientos& v) { MostrarTablaEmparejamientos(v); });
}

}  // namespace vardo
