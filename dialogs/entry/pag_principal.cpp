#include "dialogs/entry/pag_principal.h"

#include <algorithm>

#include "app/core/entry/corriente_edicion.h"
#include "model/bifurcacion_edicion.h"
#include "platform/core/numero_tecleado.h"

namespace vardo {

namespace {

using D = CCorrientesDlg;

kit::Template Plantilla() {
  using namespace kit;
  return Template{
      "Principal",
      430,
      264,
      {
          Label("Número de corriente:", 10, 12, 76, 8),
          Edit(D::kIdNumero, 88, 10, 36, 12, kDigits),
          UpDown(D::kIdGiro, D::kIdNumero, 114, 10, 10, 12),
          Label("Descripción:", 140, 12, 46, 8),
          Edit(D::kIdNombre, 188, 10, 170, 12, kPlain, D::kMaxNombre),
          Button(D::kIdAnadir, "&Añadir ", 368, 9, 52, 14),
          // The pair of stream kinds is one radio group; the radios of the
          // fields below make groups of their own.
          Radio(D::kIdLineal, "Corriente Lineal (m·cp constante)", 14, 32, 140, 10, kGroup),
          Radio(D::kIdNoLineal, "Corriente No Lineal (m·cp variable)", 14, 186, 150, 10),
          Group("", 10, 34, 410, 144),
          Label("Temperatura de entrada:", 20, 52, 96, 8),
          Edit(D::kIdTEntrada, 120, 50, 60, 12, kGroup),
          Label("K", 184, 52, 20, 8),
          Label("Temperatura de salida:", 20, 70, 96, 8),
          Edit(D::kIdTSalida, 120, 68, 60, 12),
          Label("K", 184, 70, 20, 8),
          Label("Calor intercambiado:", 20, 90, 96, 8),
          Radio(D::kIdRadioMcp, "m·cp", 120, 90, 34, 10, kGroup),
          Edit(D::kIdMcp, 156, 88, 60, 12),
          Label("kW/K", 220, 90, 30, 8),
          Radio(D::kIdRadioH, "H", 120, 106, 34, 10),
          Edit(D::kIdH, 156, 104, 60, 12),
          Label("kW", 220, 106, 30, 8),
          Label("Tipo de corriente:", 20, 128, 96, 8),
          Radio(D::kIdCaliente, "Caliente", 120, 128, 50, 10, kGroup),
          Radio(D::kIdFria, "Fría", 176, 128, 50, 10),
          Label("Tipo de calor:", 20, 148, 96, 8),
          Radio(D::kIdSensible, "Sensible", 120, 148, 50, 10, kGroup),
          Radio(D::kIdLatente, "Latente", 176, 148, 50, 10),
          Label("Utilice la página \"Entalpía\" para definir los datos térmicos de la corriente",
                26, 200, 360, 8),
      }};
}

constexpr int kCampos[] = {D::kIdTEntrada, D::kIdTSalida, D::kIdMcp, D::kIdH};

}  // namespace

CCorrientesDlg::CCorrientesDlg(DatosHojaCorrientes& hoja) : CPaginaCorrientes(Plantilla(), hoja) {
  OnClick(kIdAnadir, [this] { OnAnadir(); });
  // The stream shown is stored before another number is typed; the typed
  // number is shown when the field is left (the last stream for a number
  // outside the list), nothing being stored.
  OnFocusIn(kIdNumero, [this] {
    // An arrow press moves the focus here first: its step stores.
    if (!ArrowHeld(kIdGiro)) GuardarCorriente(Numero() - 1);
  });
  OnFocusOut(kIdNumero, [this] {
    std::int32_t i = Numero() - 1;
    if (i < 0 || i >= Cuenta()) i = Cuenta() - 1;
    MostrarCorriente(i);
  });
  // A step stores the stream the fields show (not a number typed but not
  // yet taken up), then moves from the number in the field.
  OnStep(kIdGiro, [this](int pos, int delta) {
    // A refused field makes the step beep and stay; its message comes when
    // the stream is stored otherwise.
    if (!GuardarCorriente(corriente_, false)) return false;
    const PasoCorriente paso = DestinoPaso(modelo_, pos, delta);
    if (paso.indice < 0) return true;
    MostrarCorriente(paso.indice);
    return paso.aceptado;
  });
  OnClick(kIdLineal, [this] { OnLineal(); });
  OnClick(kIdNoLineal, [this] { CamposNumericos(false); });
  OnClick(kIdLatente, [this] { OnLatente(); });
  OnClick(kIdSensible, [this] {
    if (Checked(kIdLineal)) SetReadOnly(kIdTSalida, false);
  });
  OnClick(kIdRadioMcp, [this] { OnMcp(); });
  OnClick(kIdRadioH, [this] {
    if (!Checked(kIdLineal)) return;
    SetReadOnly(kIdH, false);
    SetReadOnly(kIdMcp, true);
  });
  OnClick(kIdCaliente, [this] { DecidirTipo(); });
  OnClick(kIdFria, [this] { DecidirTipo(); });
  OnFocusOut(kIdTEntrada, [this] { DecidirTipo(); });
  OnFocusOut(kIdTSalida, [this] { DecidirTipo(); });
}

void CCorrientesDlg::DataExchange(kit::Exchange& dx) {
  // Only the name's length is checked when the page is left.
  if (dx.Saving()) dx.Text(kIdNombre, nombre_, kMaxNombre);
}

void CCorrientesDlg::OnSetActive() {
  TomarDeHoja();
  if (Cuenta() == 0) modelo_.AddCorriente(0.0, 1.0, 0.0, 0, 0);
  corriente_ = std::clamp(corriente_, 0, Cuenta() - 1);
  corriente_ = PrimeraRama(modelo_, corriente_);
  MostrarCorriente(corriente_);
  SetRange(kIdGiro, 1, Cuenta());
  SetPos(kIdGiro, corriente_ + 1);
}

bool CCorrientesDlg::OnKillActive() {
  const std::int32_t n = Numero();
  if (!GuardarCorriente(n - 1)) return false;
  DevolverAHoja();
  hoja_.m_corriente = n - 1;
  return kit::Page::OnKillActive();
}

void CCorrientesDlg::CamposNumericos(bool editables) {
  for (int id : kCampos) SetReadOnly(id, !editables);
}

void CCorrientesDlg::MostrarCorriente(std::int32_t i) {
  if (i < 0 || i >= Cuenta()) return;
  corriente_ = i;
  const CamposCorriente f = CamposDe(modelo_, i);
  SetInt(kIdNumero, NumeroMostrado(modelo_, i));
  SetText(kIdNombre, f.nombre);
  SetNumber(kIdTEntrada, f.tEntrada);
  SetNumber(kIdTSalida, f.tSalida);
  SetNumber(kIdH, f.h);
  // A latent stream has no m·cp.
  if (f.latente) SetText(kIdMcp, "");
  else SetNumber(kIdMcp, f.mcp);
  SetRadioIndex(kIdRadioMcp, f.mcpDado ? 0 : 1);
  SetRadioIndex(kIdCaliente, f.caliente ? 0 : 1);
  SetRadioIndex(kIdSensible, f.latente ? 1 : 0);
  if (!f.lineal) {
    SetRadioIndex(kIdLineal, 1);
    CamposNumericos(false);
    return;
  }
  SetRadioIndex(kIdLineal, 0);
  SetReadOnly(kIdTEntrada, false);
  SetReadOnly(kIdTSalida, f.latente);
  SetReadOnly(kIdH, f.mcpDado);
  SetReadOnly(kIdMcp, !f.mcpDado);
  if (f.latente) SetText(kIdTSalida, "");
}

bool CCorrientesDlg::GuardarCorriente(std::int32_t i, bool decir) {
  return Guardar(i, Checked(kIdLineal), decir);
}

bool CCorrientesDlg::Guardar(std::int32_t i, bool lineal, bool decir) {
  if (i < 0 || i >= Cuenta()) return true;
  // Fields the user left as the page wrote them keep the stream's values;
  // those a latent stream or the heat not given leaves unused are not read.
  CamposCorriente f = CamposDe(modelo_, i);
  f.nombre = Text(kIdNombre);
  f.lineal = lineal;
  f.mcpDado = Checked(kIdRadioMcp);
  f.caliente = Checked(kIdCaliente);
  f.latente = Checked(kIdLatente);
  const auto leer = [&](int id, double& v, const RangoNumero& rango) {
    if (!Typed(id)) return true;
    double leido = v;
    const std::string mensaje = ComprobarNumeroTecleado(Text(id), rango, leido);
    if (mensaje.empty()) {
      v = leido;
      return true;
    }
    Refuse(id, mensaje, !decir);
    return false;
  };
  int campoCalor = kIdTEntrada;
  if (f.lineal) {
    if (!leer(kIdTEntrada, f.tEntrada, RangoNumero::Temperatura())) return false;
    if (!f.latente && !leer(kIdTSalida, f.tSalida, RangoNumero::Temperatura())) return false;
    campoCalor = !f.latente && f.mcpDado ? kIdMcp : kIdH;
    if (!leer(campoCalor, campoCalor == kIdMcp ? f.mcp : f.h, RangoNumero::Finito())) return false;
  }
  // A heat or m·cp that is no finite number is refused at the field typed.
  CDiagrama prueba = modelo_;
  GuardarCampos(prueba, i, f);
  if (!CorrienteFinita(CorrienteEditada(prueba, i))) {
    Refuse(Typed(campoCalor) ? campoCalor : kIdTEntrada, kMsgCalorNoFinito, !decir);
    return false;
  }
  modelo_ = std::move(prueba);
  return true;
}

void CCorrientesDlg::OnAnadir() {
  if (!GuardarCorriente(Numero() - 1)) return;
  modelo_.AddCorriente(0.0, 1.0, 0.0, 1, 0);
  const std::int32_t n = Cuenta();
  SetRange(kIdGiro, 1, n);
  SetPos(kIdGiro, n);
  if (n > 1)
    modelo_.m_corrientes[static_cast<std::size_t>(n - 1)].m_entalpiaDada =
        modelo_.m_corrientes[static_cast<std::size_t>(n - 2)].m_entalpiaDada;
  MostrarCorriente(n - 1);
}

void CCorrientesDlg::OnLineal() {
  const std::int32_t i = Numero() - 1;
  if (i < 0 || i >= Cuenta()) {
    CamposNumericos(true);
    return;
  }
  // What was typed is stored first, into the stream as it still is (linear
  // or not), so that showing it again keeps the name and the fields; a
  // refused field keeps the page as it is.
  if (!Guardar(i, CorrienteEditada(modelo_, i).m_lineal != 0, true)) return;
  CamposNumericos(true);
  CorrienteEditada(modelo_, i).m_lineal = 1;
  MostrarCorriente(i);
}

void CCorrientesDlg::OnLatente() {
  if (!Checked(kIdLineal)) return;
  // A branch of a split cannot be latent.
  if (BifurcacionDe(modelo_, Numero() - 1) >= 0) {
    SetRadioIndex(kIdSensible, 0);
    return;
  }
  SetReadOnly(kIdH, false);
  SetText(kIdMcp, "");
  SetReadOnly(kIdMcp, true);
  SetText(kIdTSalida, "");
  SetReadOnly(kIdTSalida, true);
  SetRadioIndex(kIdRadioMcp, 1);
}

void CCorrientesDlg::OnMcp() {
  if (!Checked(kIdLineal)) return;
  if (Checked(kIdSensible)) {
    SetReadOnly(kIdH, true);
    SetReadOnly(kIdMcp, false);
  } else if (Checked(kIdLatente)) {
    // A latent stream is entered by its heat.
    SetRadioIndex(kIdRadioMcp, 1);
  }
}

void CCorrientesDlg::DecidirTipo() {
  if (Checked(kIdLatente)) return;
  // Only two temperatures decide: a field being typed that holds none
  // changes nothing (it is refused when the stream is stored).
  const auto entrada = LeerNumeroTecleado(Text(kIdTEntrada));
  const auto salida = LeerNumeroTecleado(Text(kIdTSalida));
  const RangoNumero t = RangoNumero::Temperatura();
  if (!entrada || !salida || !t.Contiene(*entrada) || !t.Contiene(*salida)) return;
  const bool caliente = *salida <= *entrada;
  SetRadioIndex(kIdCaliente, caliente ? 0 : 1);
}

}  // namespace vardo
