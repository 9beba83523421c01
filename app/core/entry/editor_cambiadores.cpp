#include "app/core/entry/editor_cambiadores.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "app/core/document/comandos_documento.h"
#include "model/constantes.h"
#include "model/red.h"
#include "platform/core/numero_tecleado.h"
#include "platform/core/numtext.h"

namespace vardo {

namespace {

std::string Entero(std::int64_t v) { return std::to_string(v); }

// The exchanger index a kind-4 value names, or -1.
std::int32_t IndiceCambiador(double v) {
  if (!std::isfinite(v) || v < 0.0 || v > 2.0e9 || v != std::floor(v)) return -1;
  return static_cast<std::int32_t>(v);
}

// The stored (kind, value) of each end, in the dialog's order.
struct Extremos {
  std::array<std::int32_t, 4> tipo{};
  std::array<double, 4> valor{};
};

Extremos DeCambiador(const CCambiador& c) {
  Extremos x;
  x.tipo = {c.tipoEntradaCaliente, c.tipoSalidaCaliente, c.tipoEntradaFria, c.tipoSalidaFria};
  x.valor = {c.valorEntradaCaliente, c.valorSalidaCaliente, c.valorEntradaFria, c.valorSalidaFria};
  return x;
}

// The computed temperature of each end, in the dialog's order.
std::array<double, 4> Calculadas(const CCambiador& c) {
  return {c.tEntradaCaliente, c.tSalidaCaliente, c.tEntradaFria, c.tSalidaFria};
}

// Sides and outlet kinds of a new exchanger on process stream 1: against the
// generic utility, or with the utilities shown, against the first utility of
// the kind stream 1 needs (the generic side stays when there is none), both
// outlets at their streams' ends.
struct Lados {
  std::int32_t caliente = kRefGenerico, fria = kRefGenerico;
  std::int32_t tipoSalidaCaliente = kTipoNinguno, tipoSalidaFria = kTipoNinguno;
};

Lados LadosIniciales(const CDiagrama& d, bool mostrados) {
  const bool fria = d.GetNumCorrientes() > 0 && d.m_corrientes.front().m_fria != 0;
  Lados l;
  (fria ? l.fria : l.caliente) = 0;
  if (!mostrados) {
    (fria ? l.tipoSalidaFria : l.tipoSalidaCaliente) = kTipoExtremo;
    return l;
  }
  for (std::size_t k = 0; k < d.m_servicios.size(); ++k) {
    if ((d.m_servicios[k].m_fria != 0) == fria) continue;
    (fria ? l.caliente : l.fria) = kRefServicio + static_cast<std::int32_t>(k);
    break;
  }
  l.tipoSalidaCaliente = l.tipoSalidaFria = kTipoExtremo;
  return l;
}

// A new exchanger of heat given, between those sides.
void AnadirConLados(CDiagrama& d, const Lados& l) {
  d.AddCambiador(kModoQ, l.caliente, l.fria, kTipoNinguno, 0.0, l.tipoSalidaCaliente, 0.0,
                 kTipoNinguno, 0.0, l.tipoSalidaFria, 0.0, 1, 0.0);
}

}  // namespace

EditorCambiadores::EditorCambiadores(DlgCambiadores& datos, UiPort& ui) : datos_(datos), ui_(ui) {}

// ------------------------------------------------------------------ opening

void EditorCambiadores::Abrir() {
  CDiagrama& d = datos_.modelo;
  const bool mostrados = d.m_serviciosVisibles != 0;
  offset_ = mostrados ? 0 : 1;
  refsFria_.clear();
  refsCaliente_.clear();
  marcas_.assign(static_cast<std::size_t>(NumCambiadores()), kSinCambios);

  if (NumCambiadores() == 0) {
    AnadirConLados(d, LadosIniciales(d, mostrados));
    marcas_.push_back(kCreadoAlAbrir);
  }

  const int n = NumCambiadores();
  c_.spinMin = 1;
  c_.spinMax = n;
  c_.spinPos = std::clamp(datos_.cambiador + 1, 1, n);
  SetNumero(c_.spinPos);
  LlenarListasCorrientes();
  LlenarPinches();
  MostrarCambiador();
}

void EditorCambiadores::SetNumero(int numero) {
  c_.numero = Entero(numero);
  c_.spinPos = numero;
}

void EditorCambiadores::LlenarListasCorrientes() {
  const CDiagrama& d = datos_.modelo;
  c_.listaFria.clear();
  c_.listaCaliente.clear();
  // Each stream or utility goes to the list of its kind.
  auto anadir = [this](const CCorriente& s, const std::string& texto, std::int32_t ref) {
    (s.m_fria != 0 ? c_.listaFria : c_.listaCaliente).push_back(texto + "   " + s.GetNombre());
    (s.m_fria != 0 ? refsFria_ : refsCaliente_).push_back(ref);
  };
  if (offset_ == 1) {
    c_.listaFria.push_back(kServiciosGenerales);
    c_.listaCaliente.push_back(kServiciosGenerales);
  } else {
    for (std::size_t k = 0; k < d.m_servicios.size(); ++k)
      anadir(d.m_servicios[k], "S" + Entero(static_cast<std::int64_t>(k) + 1),
             kRefServicio + static_cast<std::int32_t>(k));
  }
  for (std::size_t i = 0; i < d.m_corrientes.size(); ++i)
    anadir(d.m_corrientes[i], Entero(static_cast<std::int64_t>(i) + 1),
           static_cast<std::int32_t>(i));
}

void EditorCambiadores::LlenarPinches() {
  CDiagrama& d = datos_.modelo;
  c_.pinches.clear();
  c_.pinchesVisibles = offset_ == 0;
  if (!c_.pinchesVisibles) return;
  d.CalcularObjetivos();
  d.CalcularObjetivosServicios();
  c_.pinches.push_back(kPinchProceso);
  for (double T : PinchesServicioRed(d))
    c_.pinches.push_back(NumTexto(T + d.m_dtMin / 2.0) + "-" + NumTexto(T - d.m_dtMin / 2.0));
}

// ---------------------------------------------------------------- references

std::int32_t EditorCambiadores::Referencia(const std::vector<std::int32_t>& refs,
                                           int entrada) const {
  if (offset_ == 1 && entrada == 0) return kRefGenerico;
  const int i = entrada - offset_;
  return i >= 0 && i < static_cast<int>(refs.size()) ? refs[static_cast<std::size_t>(i)]
                                                     : kRefGenerico;
}

int EditorCambiadores::Entrada(const std::vector<std::int32_t>& refs, std::int32_t ref) const {
  if (ref == kRefGenerico) return offset_ == 1 ? 0 : -1;
  const auto it = std::find(refs.begin(), refs.end(), ref);
  return it == refs.end() ? -1 : static_cast<int>(it - refs.begin()) + offset_;
}

std::int32_t EditorCambiadores::ReferenciaFria(int entrada) const {
  return Referencia(refsFria_, entrada);
}

std::int32_t EditorCambiadores::ReferenciaCaliente(int entrada) const {
  return Referencia(refsCaliente_, entrada);
}

bool EditorCambiadores::GenericaFria() const { return offset_ == 1 && c_.fria == 0; }
bool EditorCambiadores::GenericaCaliente() const { return offset_ == 1 && c_.caliente == 0; }

// ------------------------------------------------------------------ showing

int EditorCambiadores::LeerNumero() const {
  int v = 0;
  const std::string& t = c_.numero;
  const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
  const int n = NumCambiadores();
  if (r.ec != std::errc() || v < 1 || v > n) v = n;
  return v;
}

void EditorCambiadores::LimpiarEspecificaciones() {
  c_.casillaQ = false;
  c_.editableQ = false;
  for (BloqueExtremo& b : c_.extremos) {
    b.casilla = false;
    b.editable = false;
    b.radio = kRadioNinguno;
    b.pinch = c_.pinches.empty() ? -1 : 0;
    b.pinchActivo = false;
    b.cambiadorActivo = false;
  }
}

std::int32_t EditorCambiadores::LadoElegido(bool caliente) const {
  const CCambiador& x = datos_.modelo.m_cambiadores[static_cast<std::size_t>(mostrado_)];
  if (caliente) return c_.caliente < 0 ? x.ladoCaliente.ref : ReferenciaCaliente(c_.caliente);
  return c_.fria < 0 ? x.ladoFrio.ref : ReferenciaFria(c_.fria);
}

void EditorCambiadores::LlenarListasCambiadores(std::int32_t n) {
  const CDiagrama& d = datos_.modelo;
  if (n < 0 || n >= NumCambiadores()) return;
  auto llenar = [&](std::int32_t ref, std::vector<std::string>& lista) {
    lista.clear();
    if (ref == kRefGenerico || !d.RefValida(ref)) return;
    for (std::uint32_t k : d.GetCorriente(ref).m_cambiadores)
      if (static_cast<std::int32_t>(k) != n && k < d.m_cambiadores.size())
        lista.push_back(Entero(static_cast<std::int64_t>(k) + 1));
  };
  // The sides the stream lists stand on now, which a choice in them may
  // have changed since the exchanger was stored.
  llenar(LadoElegido(true), c_.cambiadoresCaliente);
  llenar(LadoElegido(false), c_.cambiadoresFria);
  for (BloqueExtremo& b : c_.extremos) b.cambiador = -1;
}

void EditorCambiadores::MostrarCambiador() {
  const std::int32_t n = LeerNumero() - 1;
  if (n < 0) return;
  mostrado_ = n;
  const CCambiador& x = datos_.modelo.m_cambiadores[static_cast<std::size_t>(n)];
  // 1, 2. The sides and the type; a side without an entry shows none.
  c_.caliente = Entrada(refsCaliente_, x.ladoCaliente.ref);
  c_.fria = Entrada(refsFria_, x.ladoFrio.ref);
  c_.tipo = x.modo >= kModoQ && x.modo <= kModoCompletarCaliente ? x.modo : -1;
  // 3, 4.
  LimpiarEspecificaciones();
  LlenarListasCambiadores(n);
  // 5. The ends.
  const Extremos ex = DeCambiador(x);
  for (int e = 0; e < 4; ++e) {
    const std::int32_t tipo = ex.tipo[static_cast<std::size_t>(e)];
    const double valor = ex.valor[static_cast<std::size_t>(e)];
    BloqueExtremo& b = c_.extremos[static_cast<std::size_t>(e)];
    if (tipo == kTipoNinguno) continue;
    b.casilla = true;
    switch (tipo) {
      case kTipoExtremo:
        b.radio = kRadioCorriente;
        break;
      case kTipoValor:
        b.radio = kRadioValor;
        b.editable = true;
        b.campo = NumTexto(valor);
        break;
      case kTipoPinch:
        b.radio = kRadioPinch;
        b.pinchActivo = true;
        if (valor >= 0.0 && valor < static_cast<double>(c_.pinches.size()))
          b.pinch = static_cast<int>(valor);
        break;
      case kTipoCambiador: {
        const auto& lista = EsExtremoCaliente(e) ? c_.cambiadoresCaliente : c_.cambiadoresFria;
        const std::int32_t k = IndiceCambiador(valor);
        const auto it = k < 0 ? lista.end()
                              : std::find(lista.begin(), lista.end(), Entero(std::int64_t{k} + 1));
        if (it != lista.end()) {
          b.cambiador = static_cast<int>(it - lista.begin());
          b.radio = kRadioCambiador;
          b.cambiadorActivo = true;
        } else {
          b.radio = kRadioCorriente;
        }
        break;
      }
      default:
        break;
    }
  }
  // 6. The duty.
  if (x.tipoQ != 0) {
    c_.casillaQ = true;
    if (x.tipoQ == 1) {
      c_.editableQ = true;
      c_.campoQ = NumTexto(x.valorQ);
    }
  }
  // 7. The last calculation's values go only into the read-only fields, so
  // that what the engineer specified is what is stored again.
  const auto calculadas = Calculadas(x);
  auto resultado = [&](double v) { return x.calculado ? NumTexto(v) : std::string(); };
  if (!c_.editableQ) c_.campoQ = resultado(x.q);
  for (int e = 0; e < 4; ++e) {
    BloqueExtremo& b = c_.extremos[static_cast<std::size_t>(e)];
    if (!b.editable) b.campo = resultado(calculadas[static_cast<std::size_t>(e)]);
  }
}

// ------------------------------------------------------------------ storing

std::int32_t EditorCambiadores::ModoGuardado() const {
  if (c_.tipo >= kModoQ && c_.tipo <= kModoCompletarCaliente) return c_.tipo;
  const std::int32_t n = mostrado_;
  return n >= 0 && n < NumCambiadores() ? datos_.modelo.m_cambiadores[static_cast<std::size_t>(n)].modo
                                        : kModoQ;
}

bool EditorCambiadores::LeeCampoQ() const { return c_.casillaQ && ModoGuardado() == kModoQ; }

bool EditorCambiadores::LeeCampo(int e) const {
  const BloqueExtremo& b = c_.extremos[static_cast<std::size_t>(e)];
  return b.casilla && b.radio == kRadioValor;
}

std::optional<CampoRechazado> EditorCambiadores::ComprobarCampos(
    const std::function<bool(int campo)>& tecleado) const {
  auto comprobar = [&](int campo, const std::string& texto,
                       const RangoNumero& rango) -> std::optional<CampoRechazado> {
    double v = 0.0;
    // A field left as shown is taken when it holds a number; an empty one
    // (a value button just chosen) still asks for one.
    const std::string mensaje =
        !tecleado(campo) && LeerNumeroTecleado(texto) ? std::string()
                                                      : ComprobarNumeroTecleado(texto, rango, v);
    if (mensaje.empty()) return std::nullopt;
    return CampoRechazado{campo, mensaje};
  };
  if (LeeCampoQ())
    if (auto r = comprobar(kCampoQ, c_.campoQ, RangoNumero::Finito())) return r;
  for (int e = 0; e < 4; ++e)
    if (LeeCampo(e))
      if (auto r = comprobar(e, c_.extremos[static_cast<std::size_t>(e)].campo,
                             RangoNumero::Temperatura()))
        return r;
  return std::nullopt;
}

bool EditorCambiadores::IntroGuarda() const { return LeerNumero() - 1 == mostrado_; }

void EditorCambiadores::GuardarCambiador() {
  CDiagrama& d = datos_.modelo;
  const std::int32_t n = mostrado_;
  if (n < 0 || n >= NumCambiadores()) return;
  bool cambiado = false;
  // 1. The sides; a list on no entry keeps its side.
  {
    const std::int32_t caliente = LadoElegido(true);
    const std::int32_t fria = LadoElegido(false);
    cambiado = d.ConectarCaliente(caliente, n, 0) != 0;
    cambiado = d.ConectarFria(fria, n, 0) != 0 || cambiado;
  }
  CCambiador& x = d.m_cambiadores[static_cast<std::size_t>(n)];
  // 2. The ends.
  Extremos ex;
  for (int e = 0; e < 4; ++e) {
    const BloqueExtremo& b = c_.extremos[static_cast<std::size_t>(e)];
    const auto& lista = EsExtremoCaliente(e) ? c_.cambiadoresCaliente : c_.cambiadoresFria;
    std::int32_t& tipo = ex.tipo[static_cast<std::size_t>(e)];
    double& valor = ex.valor[static_cast<std::size_t>(e)];
    if (!b.casilla) {
      tipo = kTipoNinguno;
    } else if (b.radio == kRadioValor) {
      tipo = kTipoValor;
      // ComprobarCampos took the text; one it refuses keeps the stored value.
      valor = LeerNumeroTecleado(b.campo).value_or(DeCambiador(x).valor[static_cast<std::size_t>(e)]);
    } else if (b.radio == kRadioPinch) {
      tipo = kTipoPinch;
      valor = b.pinch;
    } else if (b.radio == kRadioCambiador) {
      tipo = kTipoCambiador;
      // The list holds exchanger numbers ("%d").
      const bool hay = b.cambiador >= 0 && b.cambiador < static_cast<int>(lista.size());
      valor = (hay ? LeerNumeroTecleado(lista[static_cast<std::size_t>(b.cambiador)]).value_or(0.0)
                   : 0.0) -
              1.0;
    } else {
      tipo = kTipoExtremo;
    }
  }
  // 3. The type and the duty.
  const std::int32_t modo = ModoGuardado();
  std::int32_t tipoQ = 0;
  double valorQ = 0.0;
  if (c_.casillaQ) {
    if (modo == kModoQ) {
      tipoQ = 1;
      valorQ = LeerNumeroTecleado(c_.campoQ).value_or(x.tipoQ == 1 ? x.valorQ : 0.0);
    } else if (modo == kModoCompletarFria || modo == kModoCompletarCaliente) {
      tipoQ = modo;
    }
  }
  // 4.
  cambiado = x.SetEspecificacion(tipoQ, ex.tipo[kEntradaCaliente], ex.tipo[kEntradaFria],
                                 ex.tipo[kSalidaCaliente], ex.tipo[kSalidaFria], 0, valorQ,
                                 ex.valor[kEntradaCaliente], ex.valor[kEntradaFria],
                                 ex.valor[kSalidaCaliente], ex.valor[kSalidaFria], modo, 0) != 0 ||
             cambiado;
  // 5. Every exchanger on the lists of its two sides, in index order.
  for (CCorriente& s : d.m_corrientes) s.m_cambiadores.clear();
  for (CServicios& s : d.m_servicios) s.m_cambiadores.clear();
  for (std::size_t i = 0; i < d.m_cambiadores.size(); ++i)
    for (std::int32_t ref : {d.m_cambiadores[i].ladoCaliente.ref, d.m_cambiadores[i].ladoFrio.ref})
      if (ref != kRefGenerico && d.RefValida(ref))
        d.GetCorriente(ref).m_cambiadores.push_back(static_cast<std::uint32_t>(i));
  // 6.
  auto& marca = marcas_[static_cast<std::size_t>(n)];
  if (cambiado && marca == kSinCambios) marca = kCambiado;
}

void EditorCambiadores::MarcarCorrientesModificadas() {
  CDiagrama& d = datos_.modelo;
  for (std::size_t i = 0; i < marcas_.size() && i < d.m_cambiadores.size(); ++i) {
    if (marcas_[i] != kCambiado) continue;
    for (std::int32_t ref :
         {d.m_cambiadores[i].ladoCaliente.ref, d.m_cambiadores[i].ladoFrio.ref}) {
      if (ref == kRefGenerico || !d.RefValida(ref)) continue;
      std::int32_t& orden = d.GetCorriente(ref).m_marcaOrden;
      if (orden == 0) orden = 1;
    }
  }
}

// -------------------------------------------------------------- end blocks

void EditorCambiadores::LimpiarExtremo(int e) {
  BloqueExtremo& b = c_.extremos[static_cast<std::size_t>(e)];
  b.casilla = false;
  b.radio = kRadioNinguno;
  b.editable = false;
  b.pinchActivo = false;
  b.cambiadorActivo = false;
}

void EditorCambiadores::LimpiarLado(bool caliente) {
  LimpiarExtremo(caliente ? kEntradaCaliente : kEntradaFria);
  LimpiarExtremo(caliente ? kSalidaCaliente : kSalidaFria);
}

void EditorCambiadores::Radio(int e, int r) {
  BloqueExtremo& b = c_.extremos[static_cast<std::size_t>(e)];
  b.radio = r;
  b.editable = r == kRadioValor;
  if (r != kRadioValor && r != kRadioNinguno) b.campo.clear();
  b.pinchActivo = r == kRadioPinch;
  b.cambiadorActivo = r == kRadioCambiador;
  if (r == kRadioCambiador) b.cambiador = 0;
}

void EditorCambiadores::ExtremoDeCorriente(int e) {
  BloqueExtremo& b = c_.extremos[static_cast<std::size_t>(e)];
  const std::string campo = b.campo;
  b.casilla = true;
  Radio(e, kRadioCorriente);
  b.campo = campo;
}

bool EditorCambiadores::SalidaCompletada(int e) const {
  return (c_.tipo == kModoCompletarFria && e == kSalidaFria) ||
         (c_.tipo == kModoCompletarCaliente && e == kSalidaCaliente);
}

void EditorCambiadores::AplicarTipo() {
  // Every choice goes; the fields keep their texts and become read-only.
  for (int e = 0; e < 4; ++e) LimpiarExtremo(e);
  const int t = c_.tipo;
  c_.casillaQ = t != kModoTemperaturas;
  c_.editableQ = t == kModoQ;
  std::array<bool, 4> ends{};  // the ends set to the stream's own end
  switch (t) {
    case kModoQ:
      ends = {true, false, true, false};
      break;
    case kModoTemperaturas:
      if (GenericaCaliente()) {
        ends = {false, false, true, true};
      } else if (GenericaFria()) {
        ends = {true, true, false, false};
      } else {
        ends = {true, true, true, false};
      }
      break;
    case kModoCompletarFria:
      ends = {true, false, false, true};
      break;
    case kModoCompletarCaliente:
      ends = {false, true, true, false};
      break;
    default:
      break;
  }
  for (int e = 0; e < 4; ++e)
    if (ends[static_cast<std::size_t>(e)]) ExtremoDeCorriente(e);
}

void EditorCambiadores::ClicCasillaQ() {
  // The type decides the box; the engineer cannot change it.
  c_.casillaQ = c_.tipo != kModoTemperaturas;
  c_.editableQ = c_.tipo == kModoQ;
}

void EditorCambiadores::ClicCasilla(int e) {
  BloqueExtremo& b = c_.extremos[static_cast<std::size_t>(e)];
  const bool antes = b.casilla;
  // A box on a generic side stays cleared.
  if (EsExtremoCaliente(e) ? GenericaCaliente() : GenericaFria()) {
    LimpiarExtremo(e);
    return;
  }
  // Boxes the type fixes.
  if (c_.tipo == kModoCompletarFria && (e == kEntradaFria || e == kSalidaFria)) {
    b.casilla = e == kSalidaFria;
    return;
  }
  if (c_.tipo == kModoCompletarCaliente && (e == kEntradaCaliente || e == kSalidaCaliente)) {
    b.casilla = e == kSalidaCaliente;
    return;
  }
  // A set box cannot be cleared.
  b.casilla = true;
  if (antes) return;
  if (c_.tipo == kModoTemperaturas) {
    // Three ends stay given: the next one in the cycle goes.
    static constexpr int kSiguiente[] = {kSalidaCaliente, kEntradaFria, kSalidaFria,
                                         kEntradaCaliente};
    LimpiarExtremo(kSiguiente[e]);
    Radio(e, kRadioCorriente);
  } else {
    // One end per side: a typed value here, the other end goes.
    Radio(e, kRadioValor);
    LimpiarExtremo(OtroExtremo(e));
  }
}

void EditorCambiadores::ElegirRadio(int e, int r) {
  BloqueExtremo& b = c_.extremos[static_cast<std::size_t>(e)];
  if (!b.casilla) {
    b.radio = kRadioNinguno;
    return;
  }
  if (SalidaCompletada(e)) {
    Radio(e, kRadioCorriente);
    return;
  }
  const auto& lista = EsExtremoCaliente(e) ? c_.cambiadoresCaliente : c_.cambiadoresFria;
  if (r == kRadioCambiador && lista.empty()) r = kRadioCorriente;
  Radio(e, r);
}

void EditorCambiadores::ElegirPinch(int e, int indice) {
  BloqueExtremo& b = c_.extremos[static_cast<std::size_t>(e)];
  if (b.pinchActivo && indice >= 0 && indice < static_cast<int>(c_.pinches.size()))
    b.pinch = indice;
}

void EditorCambiadores::ElegirCambiadorDeLista(int e, int indice) {
  BloqueExtremo& b = c_.extremos[static_cast<std::size_t>(e)];
  const auto& lista = EsExtremoCaliente(e) ? c_.cambiadoresCaliente : c_.cambiadoresFria;
  if (b.cambiadorActivo && indice >= 0 && indice < static_cast<int>(lista.size()))
    b.cambiador = indice;
}

// ------------------------------------------------------- lists and the type

void EditorCambiadores::ResolverGenericos(bool moverFria, int anteriorFria, int anteriorCaliente) {
  if (GenericaFria() && GenericaCaliente()) {
    // The list moved goes to its first stream; without one it keeps the
    // side it had.
    int& sel = moverFria ? c_.fria : c_.caliente;
    const std::size_t tam = (moverFria ? c_.listaFria : c_.listaCaliente).size();
    sel = tam > 1 ? 1 : (moverFria ? anteriorFria : anteriorCaliente);
  }
  if (GenericaFria()) LimpiarLado(false);
  if (GenericaCaliente()) LimpiarLado(true);
}

void EditorCambiadores::ElegirLado(bool fria, int indice) {
  int& sel = fria ? c_.fria : c_.caliente;
  if (indice < 0 || indice >= static_cast<int>((fria ? c_.listaFria : c_.listaCaliente).size()))
    return;
  const int anterior = sel;
  // The side the type completes cannot be generic: the list goes back to
  // the stream it stood on.
  const int completa = fria ? kModoCompletarFria : kModoCompletarCaliente;
  if (offset_ == 1 && indice == 0 && c_.tipo == completa) {
    ui_.Message(kTextoGeneralCorriente);
    return;
  }
  // Nor can it stand on a stream the file cannot name.
  if (!RefNombrableEnArchivo(fria ? ReferenciaFria(indice) : ReferenciaCaliente(indice))) {
    ui_.Message(kMsgCambiadorNoGuardable);
    return;
  }
  sel = indice;
  AplicarTipo();
  ResolverGenericos(fria, fria ? anterior : c_.fria, fria ? c_.caliente : anterior);
  LlenarListasCambiadores(mostrado_);
}

void EditorCambiadores::ElegirFria(int indice) { ElegirLado(true, indice); }
void EditorCambiadores::ElegirCaliente(int indice) { ElegirLado(false, indice); }

void EditorCambiadores::ElegirTipo(int indice) {
  if (indice < kModoQ || indice > kModoCompletarCaliente) return;
  if ((indice == kModoCompletarCaliente && GenericaCaliente()) ||
      (indice == kModoCompletarFria && GenericaFria())) {
    ui_.Message(kTextoGeneralTipo);
    // The type shown stays, with the ends it goes with.
    return;
  }
  c_.tipo = indice;
  AplicarTipo();
  ResolverGenericos(true, c_.fria, c_.caliente);
  LlenarListasCambiadores(mostrado_);
}

// ------------------------------------------------------- moving between them

void EditorCambiadores::NumeroEntra() { GuardarCambiador(); }

void EditorCambiadores::NumeroSale() {
  SetNumero(LeerNumero());
  MostrarCambiador();
}

void EditorCambiadores::Intro() {
  const int numero = LeerNumero();
  // Enter keeps what was typed into the shown exchanger.
  if (numero - 1 == mostrado_) GuardarCambiador();
  SetNumero(numero);
  MostrarCambiador();
}

bool EditorCambiadores::Paso(int pos, int delta) {
  GuardarCambiador();
  const int nuevo = pos + delta;
  if (nuevo >= 1 && nuevo <= NumCambiadores()) {
    SetNumero(nuevo);
    MostrarCambiador();
  }
  return true;
}

// ---------------------------------------------------------------- buttons

void EditorCambiadores::AnadirCambiador() {
  GuardarCambiador();
  CDiagrama& d = datos_.modelo;
  if (offset_ == 0) {
    // The generic utility is not in the lists while the utilities are shown.
    AnadirConLados(d, LadosIniciales(d, true));
  } else {
    // Stream 1 against the generic utility, the cold outlet at its end.
    Lados l;
    (d.GetNumCorrientes() > 0 && d.m_corrientes.front().m_fria != 0 ? l.fria : l.caliente) = 0;
    l.tipoSalidaFria = kTipoExtremo;
    AnadirConLados(d, l);
  }
  marcas_.push_back(kCambiado);
  c_.spinMax = NumCambiadores();
  SetNumero(NumCambiadores());
  MostrarCambiador();
}

bool EditorCambiadores::BorrarCambiador() {
  if (ui_.AskYesNo(kTextoBorrarCambiador) != Answer::Yes) return false;
  CDiagrama& d = datos_.modelo;
  const int numero = mostrado_ + 1;
  d.DeseleccionarCambiador();
  d.BorrarCambiador(mostrado_);
  marcas_.erase(marcas_.begin() + mostrado_);
  const int quedan = NumCambiadores();
  if (quedan == 0) return true;
  c_.spinMax = quedan;
  SetNumero(numero == 1 ? 1 : numero - 1);
  MostrarCambiador();
  return false;
}

bool EditorCambiadores::Propiedades(bool fria, VentanaPropCorriente& v) const {
  const int sel = fria ? c_.fria : c_.caliente;
  const auto& lista = fria ? c_.listaFria : c_.listaCaliente;
  if (sel < 0 || sel >= static_cast<int>(lista.size())) return false;
  const std::int32_t ref = fria ? ReferenciaFria(sel) : ReferenciaCaliente(sel);
  if (ref == kRefGenerico || !datos_.modelo.RefValida(ref)) return false;
  v = VentanaDeCorriente(datos_.modelo, ref);
  return true;
}

void EditorCambiadores::Aceptar() {
  GuardarCambiador();
  MarcarCorrientesModificadas();
}

}  // namespace vardo
