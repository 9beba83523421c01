#include "dialogs/entry/dlg_cambiadores.h"

#include <QToolButton>
#include <vector>

#include "app/core/document/documento.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/entry/dlg_propiedades.h"

namespace vardo {

namespace {

using namespace kit;
using D = CAddCambDlg;

// One end block at (x, y) of its group: the box, the value button with its
// field, the pinch choice with its list below it (wide enough for two
// temperatures), the exchanger choice with its list and the stream's own end.
void Bloque(std::vector<DefControl>& c, int e, int x, int y) {
  const bool entrada = e == kEntradaCaliente || e == kEntradaFria;
  c.push_back(Check(D::IdCasilla(e), entrada ? "Temperatura de entrada:" : "Temperatura de salida:",
                    x + 5, y, 110, 10));
  c.push_back(Radio(D::IdRadio(e, kRadioValor), "", x + 7, y + 13, 10, 10, kGroup));
  c.push_back(Edit(D::IdCampo(e), x + 20, y + 12, 56, 12, kReadOnly));
  c.push_back(Label("K", x + 80, y + 14, 8, 8));
  c.push_back(Radio(D::IdRadio(e, kRadioPinch), "Temperatura de Pinch", x + 7, y + 27, 120, 10));
  c.push_back(Combo(D::IdPinch(e), x + 20, y + 38, 80, 60, kListOnly | kHidden | kDisabled));
  c.push_back(Radio(D::IdRadio(e, kRadioCambiador),
                    entrada ? "La de salida del cambiador:" : "La de entrada del cambiador:", x + 7,
                    y + 53, 112, 10));
  c.push_back(Combo(D::IdCambiador(e), x + 120, y + 52, 34, 60, kListOnly | kDisabled));
  c.push_back(Radio(D::IdRadio(e, kRadioCorriente),
                    entrada ? "La de entrada de la corriente" : "La de salida de la corriente",
                    x + 7, y + 67, 120, 10));
}

Template Plantilla() {
  Template t{"Añadir Cambiadores", 329, 306, {}};
  auto& c = t.controls;
  c.push_back(Label("Número de cambiador:", 7, 9, 75, 8));
  c.push_back(Edit(D::kIdNumero, 84, 7, 40, 12, kDigits));
  c.push_back(UpDown(D::kIdSpin, D::kIdNumero, 114, 7, 10, 12));
  c.push_back(Button(D::kIdAnadir, "Añadir Cambiador", 170, 6, 74, 14));
  c.push_back(Button(D::kIdBorrar, "Borrar Cambiador", 248, 6, 74, 14));
  c.push_back(Label("Corriente fría: ", 7, 28, 64, 8));
  c.push_back(Combo(D::kIdFria, 74, 26, 170, 120));
  c.push_back(Button(D::kIdVerFria, "Ver Propiedades", 248, 25, 74, 14));
  c.push_back(Label("Corriente caliente: ", 7, 45, 64, 8));
  c.push_back(Combo(D::kIdCaliente, 74, 43, 170, 120));
  c.push_back(Button(D::kIdVerCaliente, "Ver Propiedades", 248, 42, 74, 14));
  c.push_back(Label("Tipo de Especificaciones:", 7, 63, 90, 8));
  c.push_back(Combo(D::kIdTipo, 100, 61, 222, 80, kListOnly,
                    {"Especificaciones de entalpía introducidas por el usuario",
                     "Especificaciones de temperatura introducidas por el usuario",
                     "Entalpía para completar la corriente fría",
                     "Entalpía para completar la corriente caliente"}));
  c.push_back(Check(D::kIdCasillaQ, "Entalpía del cambiador:", 7, 79, 100, 10));
  c.push_back(Edit(D::kIdCampoQ, 110, 78, 60, 12, kReadOnly));
  c.push_back(Label("kW", 174, 80, 15, 8));
  c.push_back(Group("Corriente fría", 7, 96, 158, 177));
  Bloque(c, kEntradaFria, 7, 108);
  Bloque(c, kSalidaFria, 7, 190);
  c.push_back(Group("Corriente caliente", 166, 96, 158, 177));
  Bloque(c, kEntradaCaliente, 166, 108);
  Bloque(c, kSalidaCaliente, 166, 190);
  // Neither is the default: Enter goes to the hidden button.
  c.push_back(Button(kIdOk, "Aceptar", 218, 285, 50, 14, kGroup));
  c.push_back(Button(kIdCancel, "Cancelar", 272, 285, 50, 14));
  c.push_back(Button(D::kIdIntro, "", 0, 0, 10, 10, kHidden | kDefault));
  return t;
}

}  // namespace

CAddCambDlg::CAddCambDlg(DlgCambiadores& datos, QWidget* parent)
    : kit::Dialog(Plantilla(), parent), editor_(datos, ui_) {
  EditorCambiadores& ed = editor_;
  // The actions that store the exchanger shown check its fields first.
  OnFocusIn(kIdNumero, [this, &ed] {
    // An arrow press puts the focus here first; its step stores.
    if (ArrowHeld(kIdSpin)) return;
    if (CamposValidos()) Accion([&] { ed.NumeroEntra(); });
  });
  OnFocusOut(kIdNumero, [this, &ed] { Accion([&] { ed.NumeroSale(); }); });
  OnClick(kIdIntro, [this, &ed] {
    Leer();
    if (ed.IntroGuarda() && !CamposValidos()) return;
    Accion([&] { ed.Intro(); });
  });
  OnStep(kIdSpin, [this, &ed](int pos, int delta) {
    if (!CamposValidos(false)) return false;
    bool sigue = true;
    Accion([&] { sigue = ed.Paso(pos, delta); });
    return sigue;
  });
  OnClick(kIdAnadir, [this, &ed] {
    if (CamposValidos()) Accion([&] { ed.AnadirCambiador(); });
  });
  OnClick(kIdBorrar, [this, &ed] {
    bool fin = false;
    Accion([&] { fin = ed.BorrarCambiador(); });
    // The last exchanger went: the dialog ends with OK at once.
    if (fin) End(kIdOk);
  });
  OnClick(kIdVerFria, [this] { VerPropiedades(true); });
  OnClick(kIdVerCaliente, [this] { VerPropiedades(false); });
  OnSelect(kIdFria, [this, &ed] { Accion([&] { ed.ElegirFria(CurSel(kIdFria)); }); });
  OnSelect(kIdCaliente, [this, &ed] { Accion([&] { ed.ElegirCaliente(CurSel(kIdCaliente)); }); });
  OnSelect(kIdTipo, [this, &ed] { Accion([&] { ed.ElegirTipo(CurSel(kIdTipo)); }); });
  OnClick(kIdCasillaQ, [this, &ed] { Accion([&] { ed.ClicCasillaQ(); }); });
  for (int e = 0; e < 4; ++e) {
    OnClick(IdCasilla(e), [this, &ed, e] { Accion([&] { ed.ClicCasilla(e); }); });
    for (int r = kRadioValor; r <= kRadioCorriente; ++r)
      OnClick(IdRadio(e, r), [this, &ed, e, r] { Accion([&] { ed.ElegirRadio(e, r); }); });
    OnSelect(IdPinch(e),
             [this, &ed, e] { Accion([&] { ed.ElegirPinch(e, CurSel(IdPinch(e))); }); });
    OnSelect(IdCambiador(e), [this, &ed, e] {
      Accion([&] { ed.ElegirCambiadorDeLista(e, CurSel(IdCambiador(e))); });
    });
  }
}

template <class F>
void CAddCambDlg::Accion(F f) {
  Leer();
  f();
  Mostrar();
}

void CAddCambDlg::Leer() {
  ControlesCambiadores& c = editor_.Controles();
  c.numero = Text(kIdNumero);
  c.campoQ = Text(kIdCampoQ);
  for (int e = 0; e < 4; ++e) c.extremos[static_cast<std::size_t>(e)].campo = Text(IdCampo(e));
}

bool CAddCambDlg::CamposValidos(bool decir) {
  Leer();
  const auto id = [](int campo) { return campo == kCampoQ ? kIdCampoQ : IdCampo(campo); };
  const auto rechazo = editor_.ComprobarCampos([&](int campo) { return Typed(id(campo)); });
  if (!rechazo) return true;
  Refuse(id(rechazo->campo), rechazo->mensaje, !decir);
  return false;
}

void CAddCambDlg::Campo(int id, const std::string& texto) {
  if (Text(id) != texto) SetText(id, texto);
}

void CAddCambDlg::Lista(int id, const std::vector<std::string>& entradas) {
  bool igual = Count(id) == static_cast<int>(entradas.size());
  for (int i = 0; igual && i < Count(id); ++i)
    igual = ItemText(id, i) == entradas[static_cast<std::size_t>(i)];
  if (igual) return;
  ResetContent(id);
  for (const std::string& s : entradas) AddString(id, s);
}

void CAddCambDlg::Mostrar() {
  const ControlesCambiadores& c = editor_.Controles();
  SetRange(kIdSpin, c.spinMin, c.spinMax);
  SetPos(kIdSpin, c.spinPos);
  SetText(kIdNumero, c.numero);
  Lista(kIdFria, c.listaFria);
  Lista(kIdCaliente, c.listaCaliente);
  SetCurSel(kIdFria, c.fria);
  SetCurSel(kIdCaliente, c.caliente);
  SetCurSel(kIdTipo, c.tipo);
  SetCheck(kIdCasillaQ, c.casillaQ);
  SetReadOnly(kIdCampoQ, !c.editableQ);
  Campo(kIdCampoQ, c.campoQ);
  for (int e = 0; e < 4; ++e) {
    const BloqueExtremo& b = c.extremos[static_cast<std::size_t>(e)];
    SetCheck(IdCasilla(e), b.casilla);
    SetRadioIndex(IdRadio(e, kRadioValor), b.radio);
    SetReadOnly(IdCampo(e), !b.editable);
    Campo(IdCampo(e), b.campo);
    Lista(IdPinch(e), c.pinches);
    Show(IdPinch(e), c.pinchesVisibles);
    Enable(IdPinch(e), b.pinchActivo);
    SetCurSel(IdPinch(e), b.pinch);
    Lista(IdCambiador(e), EsExtremoCaliente(e) ? c.cambiadoresCaliente : c.cambiadoresFria);
    Enable(IdCambiador(e), b.cambiadorActivo);
    SetCurSel(IdCambiador(e), b.cambiador);
  }
}

void CAddCambDlg::OnInit() {
  editor_.Abrir();
  Mostrar();
}

void CAddCambDlg::VerPropiedades(bool fria) {
  VentanaPropCorriente v;
  if (editor_.Propiedades(fria, v)) MostrarPropCorriente(v);
}

void CAddCambDlg::OnOK() {
  if (!CamposValidos()) return;
  editor_.Aceptar();
  kit::Dialog::OnOK();
}

bool EjecutarCambiadores(QWidget* padre, DlgCambiadores& d) {
  // The dialog edits a copy: Cancel hands nothing back.
  DlgCambiadores copia;
  copia.cambiador = d.cambiador;
  copia.modo = d.modo;
  CopiarModeloCompleto(copia.modelo, d.modelo);
  CAddCambDlg dlg(copia, padre);
  if (dlg.Run() != kit::kIdOk) return false;
  CopiarModeloCompleto(d.modelo, copia.modelo);
  return true;
}

void RegistrarCambiadores(FabricaDialogosQt& fabrica) {
  fabrica.Registrar<DlgCambiadores>(EjecutarCambiadores);
}

}  // namespace vardo
