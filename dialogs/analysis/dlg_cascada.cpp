#include "dialogs/analysis/dlg_cascada.h"

#include <string>

#include "app/core/charts/cascada_alimentacion.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "controls/cascade/vadizod.h"
#include "dialogs/analysis/campos.h"
#include "platform/qt/hostedwidgets.h"

namespace vardo {

namespace {

constexpr const char* kDiagramaCompleto = "Diagrama completo";

kit::Template Plantilla() {
  using namespace kit;
  using D = CCalculoCascadaDlg;
  return Template{
      "Cálculo de cascada",
      347,
      266,
      {
          Frame(163, 7, 177, 100),
          Frame(163, 112, 177, 124),
          Button(kIdOk, "Aceptar", 236, 245, 50, 14),
          Label("Mínima diferencia de temperatura:", 169, 16, 112, 8),
          Edit(D::kIdDTMin, 282, 14, 40, 12),
          Label("K", 326, 16, 10, 8),
          Label("Necesidades de calefacción:", 169, 34, 112, 8),
          Edit(D::kIdCalefaccion, 282, 32, 40, 12, kReadOnly),
          Label("kW", 326, 34, 12, 8),
          Label("Necesidades de refrigeración:", 169, 52, 112, 8),
          Edit(D::kIdRefrigeracion, 282, 50, 40, 12, kReadOnly),
          Label("kW", 326, 52, 12, 8),
          Label("Temperatura de pinch:", 169, 70, 112, 8),
          Edit(D::kIdPinch, 282, 68, 40, 12, kReadOnly),
          Label("K", 326, 70, 10, 8),
          Label("Número mínimo de cambiadores:", 169, 88, 112, 8),
          Edit(D::kIdNMin, 282, 86, 40, 12, kReadOnly),
          Button(kIdCancel, "Cancelar", 290, 245, 50, 14),
          Button(D::kIdRecalcular, "Button1", 0, 0, 10, 10, kHidden | kDefault),
          Hosted(D::kIdCascada, kClassIdVadizod, 7, 7, 149, 252),
          Label("Áreas de integridad existentes:", 169, 118, 80, 17),
          Hosted(D::kIdAreas, kClassIdListaColores, 169, 136, 80, 74),
          Label("Áreas de integridad visibles:", 254, 118, 80, 17),
          Hosted(D::kIdVisibles, kClassIdListaColores, 254, 136, 80, 74),
          Button(D::kIdMostrarSeleccionada, "Mostrar Selecionada", 169, 216, 80, 14),
          Button(D::kIdMostrarTodas, "Mostrar Todas", 254, 216, 80, 14),
      }};
}

}  // namespace

CCalculoCascadaDlg::CCalculoCascadaDlg(const CDiagrama& modelo, QWidget* parent)
    : kit::Dialog(Plantilla(), parent) {
  CopiarModeloCompleto(modelo_, modelo);
  OnFocusOut(kIdDTMin, [this] { Calcular(Aviso::Ninguno); });
  OnClick(kIdRecalcular, [this] { Calcular(Aviso::Mensaje); });
  OnClick(kIdMostrarSeleccionada, [this] { OnMostrarSeleccionada(); });
  OnClick(kIdMostrarTodas, [this] { OnMostrarTodas(); });
}

void CCalculoCascadaDlg::OnInit() {
  SetNumber(kIdDTMin, modelo_.m_dtMin);
  Calcular(Aviso::Ninguno);
  RellenarAreas();
}

void CCalculoCascadaDlg::OnOK() {
  if (!LeerDTMin(Aviso::Mensaje)) return;
  kit::Dialog::OnOK();
}

bool CCalculoCascadaDlg::LeerDTMin(Aviso aviso) {
  double dt = modelo_.m_dtMin;
  if (!LeerCampo(*this, kIdDTMin, dt, RangoNumero::DTMin(), aviso)) return false;
  modelo_.SetDTMin(dt);
  return true;
}

bool CCalculoCascadaDlg::Calcular(Aviso aviso) {
  if (!LeerDTMin(aviso)) return false;
  modelo_.CalcularObjetivos();
  const std::vector<double>& c = modelo_.m_cascada;
  SetNumber(kIdRefrigeracion, c.empty() ? 0.0 : c.back());
  SetNumber(kIdCalefaccion, c.empty() ? 0.0 : c.front());
  SetNumber(kIdPinch, modelo_.m_tPinch);
  AlimentarCascada();
  SetInt(kIdNMin, modelo_.CalcularNMinCambiadores(0));
  return true;
}

void CCalculoCascadaDlg::AlimentarCascada() {
  auto* v = Get<Vadizod>(kIdCascada);
  v->Vaciar();
  for (const FronteraCascada& f : AlimentacionCascada(modelo_)) {
    if (f.enviar) {
      v->AddTemp(f.T);
      if (f.conCalor) v->AddH(f.calor);
      v->AddHp(f.cascada);
    }
    v->EscribirTabla();
    Invalidate(kIdCascada);
  }
}

void CCalculoCascadaDlg::RellenarAreas() {
  const int elegida = CurSel(kIdAreas);
  ResetContent(kIdAreas);
  ResetContent(kIdVisibles);
  for (std::size_t k = 0; k < modelo_.m_areas.size(); ++k) {
    const CAreaIntegridad& a = modelo_.m_areas[k];
    const std::string texto = std::to_string(k + 1) + " " + a.nombre;
    AddString(kIdAreas, texto, a.color);
    if (a.mostrada) AddString(kIdVisibles, texto, a.color);
  }
  if (Count(kIdVisibles) == 0) AddString(kIdVisibles, kDiagramaCompleto, 0);
  if (elegida >= 0 && elegida < Count(kIdAreas)) SetCurSel(kIdAreas, elegida);
}

void CCalculoCascadaDlg::OnMostrarSeleccionada() {
  const int k = CurSel(kIdAreas);
  if (k < 0 || k >= static_cast<int>(modelo_.m_areas.size())) return;
  // The areas change only with a DT min to recalculate them for.
  if (!LeerDTMin(Aviso::Mensaje)) return;
  modelo_.m_areas[static_cast<std::size_t>(k)].mostrada = 1;
  RellenarAreas();
  Calcular(Aviso::Mensaje);
}

void CCalculoCascadaDlg::OnMostrarTodas() {
  if (!LeerDTMin(Aviso::Mensaje)) return;
  for (CAreaIntegridad& a : modelo_.m_areas) a.mostrada = 0;
  RellenarAreas();
  Calcular(Aviso::Mensaje);
}

bool EjecutarCalculoCascada(QWidget* padre, DlgCalculoCascada& d) {
  return EjecutarSobreModelo<CCalculoCascadaDlg>(padre, d);
}

void RegistrarCalculoCascada(FabricaDialogosQt& fabrica) {
  fabrica.Registrar<DlgCalculoCascada>(EjecutarCalculoCascada);
}

}  // namespace vardo
