#include "dialogs/analysis/dlg_costes_variacion.h"

#include <QListWidget>

#include "app/core/document/documento.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/analysis/campos.h"
#include "dialogs/analysis/dlg_variacion.h"
#include "model/constantes.h"
#include "model/red.h"

namespace vardo {

namespace {

kit::Template PlantillaOperacion() {
  using namespace kit;
  using D = CCostesOperacionDlg;
  Template t{"Variación de los costes de operación", 256, 0, {}};
  const int y = GrupoRangoDT(t.controls, D::kIdInicial, D::kIdFinal, D::kIdPuntos, 7);
  auto& c = t.controls;
  // The costs stand in the range fields' column, their units in the
  // column of the range's "K".
  c.push_back(Group("Coste de Operación", 7, y + 6, 242, 46));
  c.push_back(Label("Coste de la calefacción:", 13, y + 21, 140, 8));
  c.push_back(Edit(D::kIdCalefaccion, 156, y + 19, 50, 12));
  c.push_back(Label("$/kW·año", 210, y + 21, 36, 8));
  c.push_back(Label("Coste de la refrigeración:", 13, y + 37, 140, 8));
  c.push_back(Edit(D::kIdRefrigeracion, 156, y + 35, 50, 12));
  c.push_back(Label("$/kW·año", 210, y + 37, 36, 8));
  BotonesAceptarCancelar(t, y + 58);
  return t;
}

kit::Template PlantillaTotales() {
  using namespace kit;
  using D = CCostesTotalesDlg;
  // Wide enough for the caption in a window frame's title bar.
  return Template{"Variación de los costes totales con el flujo de calor",
                  304,
                  175,
                  {
                      Label("Cambiadores en el diagrama", 7, 7, 126, 8),
                      List(D::kIdCambiadores, 7, 17, 126, 108),
                      Button(D::kIdAnadir, ">", 139, 32, 25, 14),
                      Button(D::kIdQuitar, "<", 139, 52, 25, 14),
                      Button(D::kIdVaciar, "<<", 139, 72, 25, 14),
                      Label("Cambiadores en el anillo o senda", 170, 7, 127, 8),
                      List(D::kIdAnillo, 170, 17, 127, 108),
                      Button(D::kIdSiguiente, "<", 170, 129, 25, 14, kDisabled),
                      Button(D::kIdBuscar, "Buscar", 207, 129, 52, 14),
                      Button(D::kIdAnterior, ">", 272, 129, 25, 14, kDisabled),
                      Label("Número de puntos de la gráfica:", 7, 152, 115, 8),
                      Edit(D::kIdPuntos, 122, 150, 32, 12),
                      Button(kIdOk, "Aceptar", 193, 154, 50, 14, kDefault | kDisabled),
                      Button(kIdCancel, "Cancelar", 247, 154, 50, 14),
                  }};
}

// "SG" for the generic utility, "S%d" for a defined one, the stream's number
// otherwise.
std::string EtiquetaLado(std::int32_t ref) {
  return ref == kRefGenerico ? std::string("SG") : EtiquetaCorriente(ref);
}

}  // namespace

std::string LineaCambiadorCostes(const CDiagrama& d, std::int32_t i) {
  const CCambiador& c = d.m_cambiadores[static_cast<std::size_t>(i)];
  return std::to_string(i + 1) + " - CC: " + EtiquetaLado(c.ladoCaliente.ref) +
         ", CF: " + EtiquetaLado(c.ladoFrio.ref);
}

// ---------------------------------------------------------------- operating

CCostesOperacionDlg::CCostesOperacionDlg(DlgCostesOperacion& datos, QWidget* parent)
    : kit::Dialog(PlantillaOperacion(), parent), datos_(datos) {}

void CCostesOperacionDlg::DataExchange(kit::Exchange& dx) {
  // The range's limits are checked by the chart's command.
  TextoNumerico(dx, *this, kIdInicial, datos_.inicial, RangoNumero::DTMin());
  TextoNumerico(dx, *this, kIdFinal, datos_.final, RangoNumero::DTMin());
  dx.Int(kIdPuntos, datos_.puntos);
  TextoNumerico(dx, *this, kIdCalefaccion, datos_.costeCalefaccion);
  TextoNumerico(dx, *this, kIdRefrigeracion, datos_.costeRefrigeracion);
}

bool EjecutarCostesOperacion(QWidget* padre, DlgCostesOperacion& d) {
  return EjecutarSobreCopia<CCostesOperacionDlg>(padre, d);
}

// ---------------------------------------------------------------- loop

CCostesTotalesDlg::CCostesTotalesDlg(const CDiagrama& modelo, std::int32_t puntos, QWidget* parent)
    : kit::Dialog(PlantillaTotales(), parent), puntos_(puntos) {
  CopiarModeloCompleto(modelo_, modelo);
  OnClick(kIdAnadir, [this] {
    const int i = CurSel(kIdCambiadores);
    if (i < 0) return;
    const std::int32_t r = modelo_.AddCambiadorAnillo(i);
    Enable(kit::kIdOk, r == kLazoSenda || r == kLazoAnillo);
    Rellenar();
  });
  OnClick(kIdQuitar, [this] {
    const auto& nodos = modelo_.m_lazoEnCurso.nodos;
    if (nodos.empty()) return;
    modelo_.AddCambiadorAnillo(static_cast<std::int32_t>(nodos.back()) - 1);
    Enable(kit::kIdOk, false);
    Rellenar();
  });
  OnClick(kIdVaciar, [this] {
    modelo_.m_lazoEnCurso.Vaciar();
    Enable(kit::kIdOk, false);
    Rellenar();
  });
  // A chain found or stepped to can be taken as it is.
  OnClick(kIdBuscar, [this] {
    modelo_.BuscarAnillos();
    Enable(kit::kIdOk, Completo());
    Rellenar();
  });
  OnClick(kIdSiguiente, [this] {
    modelo_.AnilloSiguiente();
    Enable(kit::kIdOk, Completo());
    Rellenar();
  });
  OnClick(kIdAnterior, [this] {
    modelo_.AnilloAnterior();
    Enable(kit::kIdOk, Completo());
    Rellenar();
  });
}

void CCostesTotalesDlg::DataExchange(kit::Exchange& dx) { dx.Int(kIdPuntos, puntos_, 2, 10000); }

bool CCostesTotalesDlg::Completo() const {
  return modelo_.m_lazoEnCurso.Clasificar(modelo_.m_cambiadores) != kLazoIncompleto;
}

void CCostesTotalesDlg::OnInit() {
  Get<QListWidget>(kIdAnillo)->setSelectionMode(QAbstractItemView::NoSelection);
  Rellenar();
  SetCurSel(kIdCambiadores, 0);
  Enable(kit::kIdOk, Completo());
}

void CCostesTotalesDlg::Rellenar() {
  // The exchanger chosen on the left stays chosen, so that it can be added
  // and taken out again.
  const int elegido = CurSel(kIdCambiadores);
  ResetContent(kIdCambiadores);
  ResetContent(kIdAnillo);
  for (std::int32_t i = 0; i < modelo_.GetNumCambiadores(); ++i)
    AddString(kIdCambiadores, LineaCambiadorCostes(modelo_, i));
  for (std::uint32_t n : modelo_.m_lazoEnCurso.nodos) {
    const auto i = static_cast<std::int32_t>(n) - 1;
    if (i >= 0 && i < modelo_.GetNumCambiadores())
      AddString(kIdAnillo, LineaCambiadorCostes(modelo_, i));
  }
  if (elegido >= 0 && elegido < Count(kIdCambiadores)) SetCurSel(kIdCambiadores, elegido);
  const bool buscado = modelo_.m_grafoConstruido != 0;
  Enable(kIdSiguiente, buscado);
  Enable(kIdAnterior, buscado);
}

void CCostesTotalesDlg::OnOK() {
  // The number of points first, so that a refusal leaves the copy as it was.
  if (!UpdateData(true)) return;
  modelo_.m_anillo = CAnillo(static_cast<const CLazo&>(modelo_.m_lazoEnCurso));
  modelo_.PrepararAnillo();
  modelo_.DesplazarCargaAnillo();
  modelo_.m_anillo.CalcularMinimos(modelo_.m_cambiadores);
  End(kit::kIdOk);
}

bool EjecutarCostesTotales(QWidget* padre, DlgCostesTotales& d) {
  CCostesTotalesDlg dlg(d.modelo, d.puntos, padre);
  if (dlg.Run() != kit::kIdOk) return false;
  CopiarModeloCompleto(d.modelo, dlg.Modelo());
  d.puntos = dlg.Puntos();
  return true;
}

void RegistrarCostesVariacion(FabricaDialogosQt& fabrica) {
  fabrica.Registrar<DlgCostesOperacion>(EjecutarCostesOperacion);
  fabrica.Registrar<DlgCostesTotales>(EjecutarCostesTotales);
}

}  // namespace vardo
