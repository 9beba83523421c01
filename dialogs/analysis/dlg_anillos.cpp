#include "dialogs/analysis/dlg_anillos.h"

#include <QListWidget>
#include <QSlider>
#include <string>

#include "app/core/analysis/anillos_dlg.h"
#include "app/core/document/documento.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/analysis/campos.h"
#include "model/anillos.h"
#include "model/lazo.h"
#include "platform/qt/messagerunner.h"
#include "platform/qt/runneruiport.h"

namespace vardo {

namespace {

constexpr int kPasoLinea = 2;
constexpr int kPasoPagina = 20;

kit::Template Plantilla() {
  using namespace kit;
  using D = CAnadirAnillosDlg;
  return Template{
      "Añadir anillos o sendas",
      271,
      206,
      {
          Label("Cambiadores en el diagrama", 7, 7, 110, 8),
          List(D::kIdCambiadores, 7, 17, 110, 90),
          Button(D::kIdAnadir, ">", 122, 34, 24, 14),
          Button(D::kIdQuitar, "<", 122, 52, 24, 14),
          Button(D::kIdVaciar, "<<", 122, 70, 24, 14),
          Label("Cambiadores en el anillo o senda", 151, 7, 113, 8),
          List(D::kIdAnillo, 151, 17, 113, 90),
          Button(D::kIdSiguiente, "<", 151, 112, 24, 14, kDisabled),
          Button(D::kIdBuscar, "Buscar", 180, 112, 55, 14),
          Button(D::kIdAnterior, ">", 240, 112, 24, 14, kDisabled),
          Label("Los signos se refieren al primer cambiador del anillo o senda", 7, 134, 257, 8),
          Edit(D::kIdMinimo, 7, 148, 48, 12, kReadOnly | kDisabled),
          Slider(D::kIdDeslizador, 59, 146, 153, 16, kDisabled),
          Edit(D::kIdMaximo, 216, 148, 48, 12, kReadOnly | kDisabled),
          Edit(D::kIdCantidad, 111, 166, 48, 12, kDisabled),
          Button(D::kIdAplicar, "Button1", 0, 0, 10, 10, kHidden | kDefault),
          Button(kIdOk, "Aceptar", 160, 186, 50, 14),
          Button(kIdCancel, "Cancelar", 214, 186, 50, 14),
      }};
}

}  // namespace

CAnadirAnillosDlg::CAnadirAnillosDlg(const CDiagrama& modelo, QWidget* parent)
    : kit::Dialog(Plantilla(), parent) {
  CopiarModeloCompleto(modelo_, modelo);
  OnClick(kIdAnadir, [this] { OnAnadir(); });
  OnClick(kIdQuitar, [this] { OnQuitar(); });
  OnClick(kIdVaciar, [this] { OnVaciar(); });
  OnClick(kIdBuscar, [this] { OnBuscar(); });
  OnClick(kIdSiguiente, [this] { OnPaso(true); });
  OnClick(kIdAnterior, [this] { OnPaso(false); });
  OnSlide(kIdDeslizador, [this] { OnDeslizar(); });
  OnFocusOut(kIdCantidad, [this] { AplicarTecleada(Aviso::Ninguno); });
  OnClick(kIdAplicar, [this] {
    if (Completo()) AplicarTecleada(Aviso::Mensaje);
  });
}

bool CAnadirAnillosDlg::Completo() const {
  return modelo_.m_lazoEnCurso.Clasificar(modelo_.m_cambiadores) != kLazoIncompleto;
}

void CAnadirAnillosDlg::OnInit() {
  // The right list only shows the chain: nothing in it can be selected.
  Get<QListWidget>(kIdAnillo)->setSelectionMode(QAbstractItemView::NoSelection);
  auto* deslizador = Get<QSlider>(kIdDeslizador);
  deslizador->setSingleStep(kPasoLinea);
  deslizador->setPageStep(kPasoPagina);
  Rellenar();
  if (Count(kIdCambiadores) > 0) SetCurSel(kIdCambiadores, 0);
  if (Completo()) PrepararControles();
}

void CAnadirAnillosDlg::Rellenar() {
  ResetContent(kIdCambiadores);
  ResetContent(kIdAnillo);
  for (const std::string& l : LineasCambiadores(modelo_)) AddString(kIdCambiadores, l);
  for (const std::string& l : LineasAnilloEnCurso(modelo_)) AddString(kIdAnillo, l);
  const bool buscado = modelo_.m_grafoConstruido != 0;
  Enable(kIdSiguiente, buscado);
  Enable(kIdAnterior, buscado);
}

void CAnadirAnillosDlg::PrepararControles() {
  for (int id : {kIdMinimo, kIdMaximo, kIdCantidad, kIdDeslizador}) Enable(id);
  rango_ = PrepararDesplazamiento(modelo_);
  SetText(kIdMaximo, rango_.maximo);
  SetText(kIdMinimo, rango_.minimo);
  SetRange(kIdDeslizador, 0, kPosicionMaxima);
  SetPos(kIdDeslizador, 0);
  SetText(kIdCantidad, rango_.cantidad);
}

void CAnadirAnillosDlg::ReiniciarControles() {
  for (int id : {kIdMinimo, kIdMaximo, kIdCantidad, kIdDeslizador}) Enable(id, false);
  for (int id : {kIdMinimo, kIdMaximo, kIdCantidad}) SetText(id, "");
}

void CAnadirAnillosDlg::OnAnadir() {
  const int i = CurSel(kIdCambiadores);
  if (i >= 0) {
    if (AddCambiadorAnillo(modelo_, i) != 0)
      PrepararControles();
    else
      ReiniciarControles();
  }
  Rellenar();
}

void CAnadirAnillosDlg::OnQuitar() {
  const std::vector<std::uint32_t>& nodos = modelo_.m_lazoEnCurso.nodos;
  if (nodos.empty()) return;
  // Picking the chain's last exchanger again takes it away.
  AddCambiadorAnillo(modelo_, static_cast<std::int32_t>(nodos.back()) - 1);
  ReiniciarControles();
  Rellenar();
}

void CAnadirAnillosDlg::OnVaciar() {
  modelo_.m_lazoEnCurso.Vaciar();
  ReiniciarControles();
  Rellenar();
}

void CAnadirAnillosDlg::OnBuscar() {
  RunnerUiPort ui;
  BuscarAnillos(modelo_, ui);
  Rellenar();
  ControlesDeLaCadena();
  if (modelo_.m_lazos.empty()) ShowMessage(this, kMsgSinAnillos, MsgIcon::Information);
}

void CAnadirAnillosDlg::OnPaso(bool siguiente) {
  if (siguiente)
    AnilloSiguiente(modelo_);
  else
    AnilloAnterior(modelo_);
  Rellenar();
  ControlesDeLaCadena();
}

void CAnadirAnillosDlg::ControlesDeLaCadena() {
  // Only a complete chain has a range to shift its load along.
  if (Completo())
    PrepararControles();
  else
    ReiniciarControles();
}

void CAnadirAnillosDlg::OnDeslizar() {
  SetText(kIdCantidad, CantidadEnPosicion(rango_, Pos(kIdDeslizador)));
}

void CAnadirAnillosDlg::AplicarTecleada(Aviso aviso) {
  double v = 0.0;
  if (!LeerCampo(*this, kIdCantidad, v, RangoNumero::Finito(), aviso)) return;
  const CantidadAplicada r = AplicarCantidad(rango_, v);
  if (r.reescrita) SetText(kIdCantidad, r.texto);
  SetPos(kIdDeslizador, r.posicion);
}

void CAnadirAnillosDlg::OnOK() {
  // The amount counts only for a complete chain; what is typed there must
  // be a number.
  double v = 0.0;
  if (Completo() && !LeerCampo(*this, kIdCantidad, v, RangoNumero::Finito(), Aviso::Mensaje))
    return;
  RunnerUiPort ui;
  End(AceptarAnillo(modelo_, v, ui) ? kit::kIdOk : kit::kIdCancel);
}

bool EjecutarAnadirAnillos(QWidget* padre, DlgAnadirAnillos& d) {
  return EjecutarSobreModelo<CAnadirAnillosDlg>(padre, d);
}

void RegistrarAnadirAnillos(FabricaDialogosQt& fabrica) {
  fabrica.Registrar<DlgAnadirAnillos>(EjecutarAnadirAnillos);
}

}  // namespace vardo
