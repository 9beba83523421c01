#include "dialogs/entry/dlg_areas_integridad.h"

#include <QListWidget>
#include <QString>
#include <string>

#include "app/core/document/documento.h"
#include "app/core/entry/areas_integridad.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "controls/grid/celdix.h"
#include "platform/core/color_azar.h"
#include "platform/qt/messagerunner.h"

namespace vardo {

namespace {

constexpr const char* kDiagramaCompleto = "Diagrama completo";

kit::Template Plantilla() {
  using namespace kit;
  using D = CAreasIntegridadDlg;
  return Template{
      "Áreas de Integridad",
      367,
      306,
      {
          Label("Áreas existentes:", 7, 7, 120, 8),
          List(D::kIdAreas, 7, 17, 120, 54, kOwnerDrawn),
          Button(D::kIdNueva, "Nueva", 7, 74, 50, 14),
          Label("Áreas visibles:", 137, 7, 120, 8),
          List(D::kIdVisibles, 137, 17, 120, 54, kOwnerDrawn),
          Button(D::kIdMostrarSeleccionada, "Mostrar Selecionada", 137, 74, 72, 14),
          Button(D::kIdMostrarTodas, "Mostrar Todas", 212, 74, 50, 14),
          Group("", 7, 92, 353, 96),
          Label("Corrientes disponibles:", 14, 101, 110, 8),
          List(D::kIdDisponibles, 14, 111, 110, 72),
          Button(D::kIdMeter, ">", 130, 114, 30, 14),
          Button(D::kIdSacar, "<", 130, 132, 30, 14),
          Button(D::kIdMeterTodas, ">>", 130, 150, 30, 14),
          Button(D::kIdSacarTodas, "<<", 130, 168, 30, 14),
          Label("Corrientes seleccionadas:", 166, 101, 110, 8),
          List(D::kIdSeleccionadas, 166, 111, 110, 72, kSorted),
          Label("Nombre:", 284, 111, 70, 8),
          Edit(D::kIdNombre, 284, 121, 70, 12),
          Button(D::kIdCambiarColor, "Cambiar Color", 284, 141, 70, 14),
          Hosted(D::kIdTabla, kCeldixClassId, 7, 194, 353, 105),
          Button(D::kIdEnter, "Button1", 0, 0, 10, 10, kHidden | kDefault),
          Button(kIdOk, "Aceptar", 310, 7, 50, 14),
          Button(kIdCancel, "Cancelar", 310, 25, 50, 14),
      }};
}

}  // namespace

CAreasIntegridadDlg::CAreasIntegridadDlg(const CDiagrama& modelo, QWidget* parent)
    : kit::Dialog(Plantilla(), parent) {
  CopiarModeloCompleto(modelo_, modelo);
  OnClick(kIdNueva, [this] { OnNueva(); });
  OnClick(kIdMostrarSeleccionada, [this] { OnMostrarSeleccionada(); });
  OnClick(kIdMostrarTodas, [this] { OnMostrarTodas(); });
  OnClick(kIdMeter, [this] { Mover(true, false); });
  OnClick(kIdSacar, [this] { Mover(false, false); });
  OnClick(kIdMeterTodas, [this] { Mover(true, true); });
  OnClick(kIdSacarTodas, [this] { Mover(false, true); });
  OnFocusOut(kIdNombre, [this] { OnNombre(); });
  OnClick(kIdCambiarColor, [this] { OnCambiarColor(); });
  // Enter stores the name by moving the focus away; the dialog stays open.
  OnClick(kIdEnter, [this] { Focus(kIdAreas); });
}

void CAreasIntegridadDlg::OnInit() {
  // An area is chosen when its row becomes selected (a row made current by
  // the focus alone is no choice).
  auto* areas = Get<QListWidget>(kIdAreas);
  connect(areas, &QListWidget::itemSelectionChanged, this, [this] {
    if (Live() && !Quiet() && AreaActual() >= 0) RellenarCorrientes(AreaActual());
  });
  RellenarAreas();
  // Fills the available streams and the table; the members and name of a
  // first area show although no area is selected yet.
  RellenarCorrientes(0);
}

int CAreasIntegridadDlg::Elegida(int id) const {
  // A list that takes the focus gets a current row without any choice being
  // made: only a selected row counts.
  const QListWidgetItem* item = Get<QListWidget>(id)->currentItem();
  return item && item->isSelected() ? CurSel(id) : -1;
}

std::int32_t CAreasIntegridadDlg::AreaActual() const {
  const int k = Elegida(kIdAreas);
  return k >= 0 && k < static_cast<int>(modelo_.m_areas.size()) ? k : -1;
}

void CAreasIntegridadDlg::RellenarAreas() {
  const int elegida = AreaActual();
  ResetContent(kIdAreas);
  ResetContent(kIdVisibles);
  for (std::size_t k = 0; k < modelo_.m_areas.size(); ++k) {
    const CAreaIntegridad& a = modelo_.m_areas[k];
    const std::string texto = TextoArea(modelo_, static_cast<std::int32_t>(k));
    AddString(kIdAreas, texto, a.color);
    if (a.mostrada) AddString(kIdVisibles, texto, a.color);
  }
  if (Count(kIdVisibles) == 0) AddString(kIdVisibles, kDiagramaCompleto, 0);
  if (elegida >= 0 && elegida < Count(kIdAreas)) {
    SetCurSel(kIdAreas, elegida);
    RellenarCorrientes(elegida);
  }
}

void CAreasIntegridadDlg::RellenarCorrientes(std::int32_t area) {
  ResetContent(kIdDisponibles);
  ResetContent(kIdSeleccionadas);
  disponibles_.clear();
  seleccionadas_.clear();
  for (const EntradaCorriente& e : CorrientesDeArea(modelo_, -1)) {
    AddString(kIdDisponibles, e.texto);
    disponibles_.push_back(e.ref);
  }
  if (area >= 0 && area < static_cast<std::int32_t>(modelo_.m_areas.size())) {
    for (const EntradaCorriente& e : CorrientesDeArea(modelo_, area)) {
      // The list keeps its entries sorted by their text.
      const int i = AddString(kIdSeleccionadas, e.texto);
      seleccionadas_.insert(seleccionadas_.begin() + i, e.ref);
    }
    SetText(kIdNombre, modelo_.m_areas[static_cast<std::size_t>(area)].GetNombre());
  }
  GuardarSeleccion();
  RellenarTabla();
}

void CAreasIntegridadDlg::GuardarSeleccion() {
  const std::int32_t a = AreaActual();
  if (a >= 0) GuardarMiembros(modelo_, a, seleccionadas_);
}

void CAreasIntegridadDlg::RellenarTabla() {
  kit::WaitCursor espera;
  const std::vector<ColumnaObjetivos> tabla = TablaObjetivosAreas(modelo_);
  auto* t = Get<Celdix>(kIdTabla);
  t->SetReadOnlyTable(false);
  t->SetCols(2);
  t->SetRows(kFilasObjetivos + 1);
  t->SetFixedCols(1);
  t->SetFixedRows(1);
  t->SetColWidth(0, 2150);
  t->SetCols(static_cast<int>(tabla.size()) + 1);
  for (int f = 0; f < kFilasObjetivos; ++f)
    t->SetTextMatrix(f + 1, 0, QString::fromUtf8(kEtiquetasObjetivos[static_cast<std::size_t>(f)]));
  for (std::size_t c = 0; c < tabla.size(); ++c) {
    const int col = static_cast<int>(c) + 1;
    t->SetTextMatrix(0, col, QString::fromStdString(tabla[c].cabecera));
    for (int f = 0; f < kFilasObjetivos; ++f)
      t->SetTextMatrix(f + 1, col,
                       QString::fromStdString(tabla[c].valores[static_cast<std::size_t>(f)]));
  }
  t->SoloParaLeer();
}

void CAreasIntegridadDlg::Mover(bool meter, bool todas) {
  const std::int32_t a = AreaActual();
  if (a < 0) return;
  const int lista = meter ? kIdDisponibles : kIdSeleccionadas;
  const std::vector<std::int32_t> refs = meter ? disponibles_ : seleccionadas_;
  const std::int32_t destino = meter ? a : -1;
  if (todas) {
    for (const std::int32_t r : refs) AsignarArea(modelo_, r, destino);
  } else {
    const int i = Elegida(lista);
    if (i < 0 || i >= static_cast<int>(refs.size())) return;
    AsignarArea(modelo_, refs[static_cast<std::size_t>(i)], destino);
  }
  RellenarCorrientes(a);
}

void CAreasIntegridadDlg::OnNueva() {
  const std::int32_t k = NuevaArea(modelo_, ColorAlAzar());
  RellenarAreas();
  SetCurSel(kIdAreas, k);
  RellenarCorrientes(k);
}

void CAreasIntegridadDlg::OnNombre() {
  const std::int32_t a = AreaActual();
  if (a < 0) return;
  modelo_.m_areas[static_cast<std::size_t>(a)].SetNombre(Text(kIdNombre));
  RellenarAreas();
}

void CAreasIntegridadDlg::OnCambiarColor() {
  const std::int32_t a = AreaActual();
  if (a < 0) return;
  Rgb color = modelo_.m_areas[static_cast<std::size_t>(a)].color;
  if (!kit::ChooseColor(this, color)) return;
  modelo_.m_areas[static_cast<std::size_t>(a)].color = color;
  RellenarAreas();
}

void CAreasIntegridadDlg::OnMostrarSeleccionada() {
  const std::int32_t a = AreaActual();
  if (a < 0) return;
  modelo_.m_areas[static_cast<std::size_t>(a)].mostrada = 1;
  RellenarAreas();
}

void CAreasIntegridadDlg::OnMostrarTodas() {
  for (CAreaIntegridad& x : modelo_.m_areas) x.mostrada = 0;
  RellenarAreas();
}

void CAreasIntegridadDlg::OnOK() {
  for (auto k = static_cast<std::int32_t>(modelo_.m_areas.size()) - 1; k >= 0; --k) {
    if (modelo_.m_areas[static_cast<std::size_t>(k)].GetNumCorrientes() != 0) continue;
    ShowMessage(this,
                "El área de integridad " + TextoArea(modelo_, k) +
                    " no contiene ninguna corriente.\nPor lo tanto, será eliminada.",
                MsgIcon::Information);
    modelo_.BorrarArea(k);
  }
  kit::Dialog::OnOK();
}

bool EjecutarAreasIntegridad(QWidget* padre, DlgAreasIntegridad& d) {
  CAreasIntegridadDlg dlg(d.modelo, padre);
  if (dlg.Run() != kit::kIdOk) return false;
  CopiarModeloCompleto(d.modelo, dlg.Modelo());
  return true;
}

void RegistrarAreasIntegridad(FabricaDialogosQt& fabrica) {
  fabrica.Registrar<DlgAreasIntegridad>(EjecutarAreasIntegridad);
}

}  // namespace vardo
