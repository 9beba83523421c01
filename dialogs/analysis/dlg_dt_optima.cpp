#include "dialogs/analysis/dlg_dt_optima.h"


#include "app/core/analysis/dt_optima.h"
#include "app/core/document/documento.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "platform/qt/gradientprogress.h"
#include "platform/qt/hostedwidgets.h"
#include "platform/qt/messagerunner.h"

namespace vardo {

namespace {

kit::Template Plantilla() {
  using namespace kit;
  using D = CDifTempOptimaDlg;
  Template t{"Diferencia de Temperaturas Óptima", 278, 137, {}};
  const struct {
    const char* etiqueta;
    int id;
    const char* unidad;
  } filas[] = {{"Diferencia de Temperaturas:", D::kIdDT, "K"},
               {"Costes de Operación:", D::kIdOperacion, "$/año"},
               {"Costes de Inmovilizado:", D::kIdInmovilizado, "$/año"},
               {"Costes Totales:", D::kIdTotal, "$/año"}};
  int y = 10;
  for (const auto& f : filas) {
    t.controls.push_back(Label(f.etiqueta, 14, y + 2, 100, 8));
    t.controls.push_back(Edit(f.id, 118, y, 90, 12, kReadOnly));
    t.controls.push_back(Label(f.unidad, 212, y + 2, 30, 8));
    y += 18;
  }
  t.controls.push_back(Hosted(D::kIdProgreso, kClassIdProgresoGradiente, 14, 86, 250, 12));
  t.controls.push_back(Button(kIdOk, "Aplicar", 160, 114, 50, 14, kDefault | kDisabled));
  t.controls.push_back(Button(kIdCancel, "Cancelar", 214, 114, 50, 14, kDisabled));
  return t;
}

}  // namespace

CDifTempOptimaDlg::CDifTempOptimaDlg(const CDiagrama& modelo, QWidget* parent)
    : kit::Dialog(Plantilla(), parent) {
  CopiarModeloCompleto(modelo_, modelo);
  OnTimer([this](int) { Barrido(); });
}

void CDifTempOptimaDlg::OnInit() {
  color1_ = ColorAlAzar();
  color2_ = ColorAlAzar();
  auto* barra = Get<CGradientProgressCtrl>(kIdProgreso);
  // Both colours as drawn: black is a colour here, not "the first again".
  auto q = [](Rgb c) { return QColor(RgbRed(c), RgbGreen(c), RgbBlue(c)); };
  barra->SetColores({q(color1_), q(color2_)});
  barra->SetRange(0, kPasosDTOptima);
  barra->SetStep(1);
  SetTimer(kTemporizador, kEsperaMs);
}

void CDifTempOptimaDlg::Barrido() {
  kit::WaitCursor espera;
  KillTimer(kTemporizador);
  auto* barra = Get<CGradientProgressCtrl>(kIdProgreso);
  const ResultadoDTOptima r = BuscarDTOptima(modelo_, [barra](int) {
    barra->StepIt();
    barra->repaint();
  });
  if (r.encontrado) {
    SetNumber(kIdDT, r.dtMin);
    SetNumber(kIdInmovilizado, r.costeInmovilizado);
    SetNumber(kIdOperacion, r.costeOperacion);
    SetNumber(kIdTotal, r.costeTotal);
    Enable(kit::kIdOk, true);
  } else {
    ShowMessage(this, kMensajeSinCosteTotal, MsgIcon::Warning);
  }
  Enable(kit::kIdCancel, true);
}

bool EjecutarDifTempOptima(QWidget* padre, DlgDifTempOptima& d) {
  CDifTempOptimaDlg dlg(d.modelo, padre);
  if (dlg.Run() != kit::kIdOk) return false;
  d.dtMin = dlg.Modelo().m_dtMin;
  return true;
}

void RegistrarDifTempOptima(FabricaDialogosQt& fabrica) {
  fabrica.Registrar<DlgDifTempOptima>(EjecutarDifTempOptima);
}

}  // namespace vardo
