#include "app/core/views/edicion_rejilla.h"

#include <algorithm>
#include <cstdlib>

#include "app/core/document/documento.h"
#include "app/core/document/ids_comandos.h"
#include "app/core/document/puertos.h"
#include "model/anillos.h"
#include "model/bifurcacion_layout.h"
#include "model/constantes.h"
#include "model/red.h"
#include "platform/core/numero_tecleado.h"

namespace vardo {

namespace {

// Exchanger ends are hit this far outside their circle.
constexpr std::int32_t kMargenCambiador = 200;
// A dragged end is this wide until the next drawing re-centres it.
constexpr std::int32_t kAnchoExtremo = 650;

bool Dentro(const Rect& r, Point p) {
  return r.left < p.x && p.x < r.right && r.bottom < p.y && p.y < r.top;
}

Rect Crecido(const Rect& r, std::int32_t m) {
  return Rect{r.left - m, r.top + m, r.right + m, r.bottom - m};
}

// An end that the last drawing drew: on a stream or utility, placed, and
// not parked off the grid.
bool ExtremoDibujado(std::int32_t ref, const Rect& r) {
  constexpr std::int32_t kTopOculto = 1000;
  return ref != kRefGenerico && !(r.top == 0 && r.bottom == 0) && r.top < kTopOculto;
}

// A stream or utility whose row the last drawing laid out.
bool FilaDibujada(const CDiagrama& d, std::int32_t ref, bool hayAreas) {
  if (!d.RefValida(ref)) return false;
  if (EsServicio(ref) && !d.m_serviciosVisibles) return false;
  return CorrienteEnAreaMostrada(d, ref, hayAreas);
}

std::string Numeros(const std::vector<std::uint32_t>& numeros) {
  std::string t;
  for (std::uint32_t n : numeros) t += std::to_string(n) + " - ";
  return t;
}

void MoverHorizontal(Rect& r, std::int32_t x) {
  r.left = x;
  r.right = x + kAnchoExtremo;
}

// Moves a node's line sideways by dx: the offset branch's end it starts from
// follows, kept inside the node's segment and never closer to the other end
// than the main branch needs.
void MoverNodo(CCorrienteBifurcada& b, std::vector<CCorriente>& corrientes, std::int32_t k,
               bool superior, std::int32_t dx) {
  CCuaterna& n = b.nodos[static_cast<std::size_t>(k)];
  LineaNodo& l = superior ? n.lineaDerecha : n.lineaIzquierda;
  const LineaNodo& otra = superior ? n.lineaIzquierda : n.lineaDerecha;
  const Rect seg = n.segmento.m_rect;
  const std::int32_t fila = std::abs(l.yRama - l.yOtro);
  const std::int32_t d = static_cast<std::int32_t>(0.3 * fila);
  const std::int32_t hueco = 2 * d + 100;
  std::int32_t x = l.xRama + dx;
  if (superior) {
    x = std::min(x, seg.right - d);
    x = std::max(x, otra.xRama + hueco);
  } else {
    x = std::max(x, seg.left + d);
    x = std::min(x, otra.xRama - hueco);
  }
  const std::int32_t paso = x - l.xRama;
  if (paso == 0) return;
  l.xRama += paso;
  l.xOtro += paso;
  b.inicioRecolocar = -1;  // placed by hand: the next drawing keeps it
  AjustarRectangulos(b, corrientes);
}

Pendiente Mensaje(const char* texto) {
  Pendiente p;
  p.tipo = Pendiente::kMensaje;
  p.texto = texto;
  return p;
}

Pendiente Comando(int id) {
  Pendiente p;
  p.tipo = Pendiente::kComando;
  p.comando = id;
  return p;
}

Pendiente Editar(std::int32_t cambiador, std::int32_t modo) {
  Pendiente p;
  p.tipo = Pendiente::kEditarCambiador;
  p.cambiador = cambiador;
  p.modo = modo;
  return p;
}

}  // namespace

// ------------------------------------------------------------ split nodes

std::int32_t CodigoNodo(const NodoBifurcada& n) {
  return 1000 * n.bifurcada + 1001 + 2 * n.nodo + (n.superior ? 0 : 1);
}

NodoBifurcada DecodificarNodo(std::int32_t codigo) {
  NodoBifurcada n;
  n.bifurcada = codigo / 1000 - 1;
  const std::int32_t resto = codigo - 1000 * n.bifurcada - 1001;
  n.nodo = resto / 2;
  n.superior = resto % 2 == 0;
  return n;
}

Rect AreaNodo(const CCuaterna& n, bool superior) {
  const LineaNodo& l = superior ? n.lineaDerecha : n.lineaIzquierda;
  return Rect{std::min(l.xRama, l.xOtro), std::max(l.yRama, l.yOtro), std::max(l.xRama, l.xOtro),
              std::min(l.yRama, l.yOtro)};
}

// ------------------------------------------------------------ hit test

Point PixelALogico(int x, int y, int scrollX, int scrollY, double dpiX, double dpiY) {
  const double mx = (static_cast<double>(x) + scrollX) * 2540.0 / dpiX;
  const double my = (static_cast<double>(y) + scrollY) * 2540.0 / dpiY;
  return Point{TruncCoord(mx), -TruncCoord(my)};
}

Impacto ProbarImpacto(const CDiagrama& d, Point p) {
  Impacto r;
  for (std::size_t i = 0; i < d.m_cambiadores.size(); ++i) {
    const CCambiador& c = d.m_cambiadores[i];
    const bool caliente = ExtremoDibujado(c.ladoCaliente.ref, c.rectCaliente) &&
                          Dentro(Crecido(c.rectCaliente, kMargenCambiador), p);
    const bool fria = ExtremoDibujado(c.ladoFrio.ref, c.rectFrio) &&
                      Dentro(Crecido(c.rectFrio, kMargenCambiador), p);
    if (caliente || fria) {
      r.tipo = Impacto::kCambiador;
      r.indice = static_cast<std::int32_t>(i);
    }
  }
  if (r.tipo == Impacto::kNada) {
    const bool hayAreas = HayAreasMostradas(d);
    auto probar = [&](std::int32_t ref) {
      if (r.tipo == Impacto::kNada && FilaDibujada(d, ref, hayAreas) &&
          Dentro(d.GetCorriente(ref).m_rect, p)) {
        r.tipo = Impacto::kCorriente;
        r.indice = ref;
      }
    };
    for (std::int32_t s = 0; s < d.GetNumCorrientes(); ++s) probar(s);
    for (std::int32_t k = 0; k < d.GetNumServicios(); ++k) probar(kRefServicio + k);
  }
  for (std::size_t s = 0; s < d.m_bifurcadas.size(); ++s) {
    const CCorrienteBifurcada& b = d.m_bifurcadas[s];
    if (!b.dibujada) continue;
    for (std::size_t k = 0; k < b.nodos.size(); ++k) {
      for (bool superior : {true, false}) {
        if (!Dentro(AreaNodo(b.nodos[k], superior), p)) continue;
        r.tipo = Impacto::kNodo;
        r.indice = -1;
        r.nodo = NodoBifurcada{static_cast<std::int32_t>(s), static_cast<std::int32_t>(k), superior};
      }
    }
  }
  return r;
}

// ------------------------------------------------------------ texts

std::string TextoAnadiendoCambiador(const CDiagrama& d, std::int32_t ref) {
  const bool fria = d.GetCorriente(ref).m_fria != 0;
  return std::string("Añadiendo cambiador: corriente ") + (fria ? "fría: " : "caliente: ") +
         EtiquetaCorriente(ref) + " - pulse ESC para cancelar";
}

std::string TextoLazoEnCurso(int clasificacion, const std::vector<std::uint32_t>& numeros) {
  const char* cabecera = clasificacion == kLazoSenda    ? "Senda terminada - Cambiadores: "
                         : clasificacion == kLazoAnillo ? "Anillo terminado - Cambiadores: "
                                                        : "Añadiendo anillo o senda - Cambiadores: ";
  return cabecera + Numeros(numeros) + kTextoPulseEsc;
}

std::string TextoLazoMostrado(bool senda, const std::vector<std::uint32_t>& numeros) {
  return std::string(senda ? "Senda terminada - Cambiadores: " : "Anillo terminado - Cambiadores: ") +
         Numeros(numeros) + kTextoPulseEscEditar;
}

std::string TextoBuscandoPerturbacion(std::int32_t ref) {
  return "Buscando camino de transmisión de perturbaciones desde la corriente " +
         EtiquetaCorriente(ref) + ". " + kTextoPulseEsc;
}

// ------------------------------------------------------------ editor

CEditorRejilla::CEditorRejilla(CVardoDoc& doc, const std::string& textoEstado)
    : doc_(doc), textoEstado_(textoEstado) {}

CDiagrama& CEditorRejilla::Modelo() const { return doc_.m_Diagrama; }

void CEditorRejilla::SetTipo(int tipo) {
  if (tipo >= kSelNada && tipo <= kSelNodo) tipo_ = tipo;
}

void CEditorRejilla::MostrarEstado(const std::string& texto) const {
  if (PuertoEstado* e = doc_.Puertos().estado) e->SetTextoEstado(TextoEstado(texto));
}

void CEditorRejilla::MostrarEstadoReposo() const { MostrarEstado(textoEstado_); }

void CEditorRejilla::SeleccionarEnVisor() const {
  if (PuertoVisorObjetos* v = doc_.Puertos().visor)
    v->SeleccionarObjeto(Modelo(), tipo_, superposicion_);
}

std::int32_t CEditorRejilla::Cambiador() const {
  const CDiagrama& d = Modelo();
  const std::int32_t e = d.m_cambiadorSel;
  if (tipo_ != kSelCambiador || e < 0 || e >= d.GetNumCambiadores()) return -1;
  return d.m_cambiadores[static_cast<std::size_t>(e)].color == kColorSeleccion ? e : -1;
}

void CEditorRejilla::TomarCopia() { CopiarModeloCompleto(copia_, Modelo()); }

// ---- mouse

Pendiente CEditorRejilla::PulsarIzquierdo(Point p, bool ctrl, bool mayus, bool enRejilla) {
  if (copiaVigente_) TomarCopia();
  // A menu move ends with the next press.
  if (arrastreCambiador_) Confirmar(false);
  if (!enRejilla) return {};
  if (ctrl) anadirCtrl_ = true;
  if (mayus) {
    superposicion_ = true;
  } else {
    superposicion_ = false;
    MostrarEstadoReposo();
    Modelo().m_lazoEnCurso.Vaciar();
    Modelo().m_arbol.perturbacion.clear();
  }
  return ProcesarClic(p, mayus);
}

void CEditorRejilla::PulsarDerecho(Point p) { ProcesarClic(p, false); }

Pendiente CEditorRejilla::ProcesarClic(Point p, bool mayus) {
  CDiagrama& d = Modelo();
  tipo_ = kSelNada;
  const Impacto h = ProbarImpacto(d, p);
  switch (h.tipo) {
    case Impacto::kCambiador:
      d.SeleccionarCambiador(h.indice);
      tipo_ = kSelCambiador;
      d.DeseleccionarCorriente();
      d.LimpiarAnillos();
      break;
    case Impacto::kCorriente:
      d.LimpiarAnillos();
      d.SeleccionarCorriente(h.indice);
      tipo_ = kSelCorriente;
      if (d.GetNumCambiadores() > 0) d.DeseleccionarCambiador();
      break;
    case Impacto::kNodo: {
      d.DeseleccionarCorriente();
      d.LimpiarAnillos();
      d.DeseleccionarCambiador();
      const std::int32_t k = h.nodo.nodo;
      d.m_bifurcadas[static_cast<std::size_t>(h.nodo.bifurcada)].SetSeleccion(
          h.nodo.superior ? -1 - 2 * k : -2 - 2 * k);
      codigoNodo_ = CodigoNodo(h.nodo);
      tipo_ = kSelNodo;
      break;
    }
    case Impacto::kNada:
      d.DeseleccionarCorriente();
      d.DeseleccionarCambiador();
      d.LimpiarAnillos();
      break;
  }
  d.m_cambiadorResaltado = -1;
  if (h.tipo != Impacto::kNada) SeleccionarEnVisor();

  Pendiente r;
  if (mayus && tipo_ == kSelCambiador) {
    const std::int32_t c = AddCambiadorAnillo(d, d.m_cambiadorSel);
    MostrarEstado(TextoLazoEnCurso(c, d.m_lazoEnCurso.nodos));
  } else if (mayus && tipo_ == kSelCorriente) {
    if (primeraPerturbacion_ == -2 || !d.RefValida(primeraPerturbacion_)) {
      primeraPerturbacion_ = d.m_corrienteSel;
      MostrarEstado(TextoBuscandoPerturbacion(primeraPerturbacion_));
    } else {
      r.tipo = Pendiente::kPerturbacion;
      r.corriente = primeraPerturbacion_;
      r.destino = d.m_corrienteSel;
      primeraPerturbacion_ = -2;
      MostrarEstadoReposo();
    }
  }
  if (anadirCtrl_ || anadirDoble_) {
    Pendiente a = CompletarAnadir();
    if (a.tipo != Pendiente::kNada) r = a;
  }
  return r;
}

Pendiente CEditorRejilla::CompletarAnadir() {
  CDiagrama& d = Modelo();
  // A first stream that is gone, or a utility whose row is hidden now, is
  // forgotten.
  if (primeraCorriente_ != -2 &&
      (!d.RefValida(primeraCorriente_) || (EsServicio(primeraCorriente_) && !d.m_serviciosVisibles)))
    primeraCorriente_ = -2;
  const std::int32_t sel = d.m_corrienteSel;
  const bool enCorriente = tipo_ == kSelCorriente && d.RefValida(sel);
  if (!enCorriente) {
    // A press beside every row adds nothing; a first stream stays chosen.
    anadirCtrl_ = false;
    anadirDoble_ = false;
    if (primeraCorriente_ != -2) MostrarEstado(TextoAnadiendoCambiador(d, primeraCorriente_));
    return {};
  }
  if (!RefNombrableEnArchivo(sel)) {
    // No exchanger may stand on a stream the file cannot name.
    primeraCorriente_ = -2;
    anadirDoble_ = false;
    anadirCtrl_ = false;
    MostrarEstadoReposo();
    return Mensaje(kMsgCambiadorNoGuardable);
  }
  if (primeraCorriente_ == -2 && !anadirDoble_) {
    primeraCorriente_ = sel;
    MostrarEstado(TextoAnadiendoCambiador(d, sel));
    anadirCtrl_ = false;
    return {};
  }

  MostrarEstadoReposo();
  const std::int32_t primera = primeraCorriente_;
  const bool doble = anadirDoble_;
  primeraCorriente_ = -2;
  anadirDoble_ = false;
  anadirCtrl_ = false;

  std::int32_t caliente = kRefGenerico;
  std::int32_t fria = kRefGenerico;
  if (doble || primera == sel) {
    // A heater or cooler: the stream against the default utility, which a
    // defined utility never is and which the shown utilities replace.
    if (EsServicio(sel) || d.m_serviciosVisibles) return Mensaje(kMsgServiciosPorDefecto);
    (d.GetCorriente(sel).m_fria ? fria : caliente) = sel;
  } else {
    const bool primeraFria = d.GetCorriente(primera).m_fria != 0;
    if (primeraFria == (d.GetCorriente(sel).m_fria != 0)) return Mensaje(kMsgMismoTipo);
    caliente = primeraFria ? sel : primera;
    fria = primeraFria ? primera : sel;
  }
  d.AddCambiador(0, caliente, fria, 0, 0.0, caliente != kRefGenerico ? 1 : 0, 0.0, 0, 0.0,
                 fria != kRefGenerico ? 1 : 0, 0.0, 1, 0.0);
  const std::int32_t n = d.GetNumCambiadores() - 1;
  d.SeleccionarCambiador(n);
  tipo_ = kSelCambiador;
  d.DeseleccionarCorriente();
  return Editar(n, 0);
}

Pendiente CEditorRejilla::DobleClic(Point p, bool ctrl) {
  CDiagrama& d = Modelo();
  if (superposicion_) {
    if (d.m_lazoEnCurso.cuenta > 0) {
      Pendiente r;
      r.tipo = Pendiente::kAnadirAnillo;
      return r;
    }
    return {};
  }
  if (ctrl) {
    anadirDoble_ = true;
    return ProcesarClic(p, false);
  }
  ProcesarClic(p, false);
  if (tipo_ == kSelCorriente) {
    if (!d.RefValida(d.m_corrienteSel)) return {};
    return Comando(EsServicio(d.m_corrienteSel) ? cmd::kAnadirServicios : cmd::kModificarCorriente);
  }
  if (tipo_ == kSelCambiador && Cambiador() >= 0) return Editar(Cambiador(), 1);
  return {};
}

bool CEditorRejilla::Mover(Point p, bool izquierdo) {
  CDiagrama& d = Modelo();
  if (izquierdo && tipo_ == kSelCambiador && extremoMenu_ == 0) {
    const std::int32_t e = Cambiador();
    if (e < 0) return false;
    CCambiador& c = d.m_cambiadores[static_cast<std::size_t>(e)];
    if (c.rectCaliente.top == 0 && c.rectFrio.top == 0) return false;  // never drawn
    ultimo_ = p;
    if (!arrastreCambiador_) {
      arrastreCambiador_ = true;
      copiaVigente_ = false;
      return false;
    }
    MoverHorizontal(c.rectCaliente, p.x);
    MoverHorizontal(c.rectFrio, p.x);
    return true;
  }
  if (izquierdo && tipo_ == kSelNodo) {
    const NodoBifurcada n = DecodificarNodo(codigoNodo_);
    if (n.bifurcada < 0 || n.bifurcada >= static_cast<std::int32_t>(d.m_bifurcadas.size()))
      return false;
    CCorrienteBifurcada& b = d.m_bifurcadas[static_cast<std::size_t>(n.bifurcada)];
    if (n.nodo < 0 || n.nodo >= static_cast<std::int32_t>(b.nodos.size())) return false;
    if (!arrastreNodo_) {
      arrastreNodo_ = true;
      nodoMovido_ = false;
      ultimo_ = p;
      return false;
    }
    const std::int32_t dx = p.x - ultimo_.x;
    ultimo_ = p;
    const Rect antes = AreaNodo(b.nodos[static_cast<std::size_t>(n.nodo)], n.superior);
    MoverNodo(b, d.m_corrientes, n.nodo, n.superior, dx);
    if (AreaNodo(b.nodos[static_cast<std::size_t>(n.nodo)], n.superior) == antes) return false;
    nodoMovido_ = true;
    // The places of the split's streams are stored in the document.
    doc_.SetModifiedFlag(true);
    return true;
  }
  if (izquierdo) return false;
  if (!arrastreCambiador_) {
    arrastreNodo_ = false;
    return false;
  }
  if (extremoMenu_ == 0) return false;
  const std::int32_t e = d.m_cambiadorSel;
  if (e < 0 || e >= d.GetNumCambiadores()) return false;
  CCambiador& c = d.m_cambiadores[static_cast<std::size_t>(e)];
  ultimo_ = p;
  MoverHorizontal(extremoMenu_ == 1 ? c.rectCaliente : c.rectFrio, p.x);
  c.color = kColorSeleccion;
  return true;
}

bool CEditorRejilla::Soltar() {
  if (arrastreCambiador_) {
    Confirmar(true);
    return true;
  }
  const bool movido = arrastreNodo_ && nodoMovido_;
  arrastreNodo_ = false;
  nodoMovido_ = false;
  return movido;
}

void CEditorRejilla::Confirmar(bool soltando) {
  CDiagrama& d = Modelo();
  // The undo step holds the model from before the drag.
  CDiagrama arrastrado;
  CopiarModeloCompleto(arrastrado, d);
  CopiarModeloCompleto(d, copia_);
  doc_.GuardarDeshacer(true);
  CopiarModeloCompleto(d, arrastrado);
  copiaVigente_ = true;
  if (soltando) tipo_ = kSelNada;
  arrastreCambiador_ = false;
  arrastreNodo_ = false;
  extremoMenu_ = 0;
  doc_.SetModifiedFlag(true);
}

// ---- keys

Pendiente CEditorRejilla::Suprimir() const {
  const CDiagrama& d = Modelo();
  if (tipo_ == kSelCorriente)
    return Comando(EsServicio(d.m_corrienteSel) ? cmd::kBorrarServicioSel : cmd::kBorrarCorrienteSel);
  if (tipo_ == kSelCambiador) return Comando(cmd::kBorrarCambiadorSel);
  return {};
}

void CEditorRejilla::Escape() {
  if (primeraCorriente_ != -2) {
    primeraCorriente_ = -2;
    anadirCtrl_ = false;
    anadirDoble_ = false;
  }
  superposicion_ = false;
  MostrarEstadoReposo();
  Modelo().m_lazoEnCurso.Vaciar();
  primeraPerturbacion_ = -2;
}

void CEditorRejilla::PerderFoco() { QuitarAnillo(); }

void CEditorRejilla::QuitarAnillo() {
  superposicion_ = false;
  MostrarEstadoReposo();
  Modelo().m_lazoEnCurso.Vaciar();
}

// ---- exchanger menu

bool CEditorRejilla::PuedeMover(bool caliente) const {
  const std::int32_t e = Cambiador();
  if (e < 0) return false;
  const CCambiador& c = Modelo().m_cambiadores[static_cast<std::size_t>(e)];
  return (caliente ? c.ladoCaliente.ref : c.ladoFrio.ref) != kRefGenerico;
}

bool CEditorRejilla::PuedeAlinear() const { return PuedeMover(true) && PuedeMover(false); }

void CEditorRejilla::MoverExtremo(bool caliente) {
  if (!PuedeMover(caliente)) return;
  const CCambiador& c = Modelo().m_cambiadores[static_cast<std::size_t>(Cambiador())];
  const Rect& r = caliente ? c.rectCaliente : c.rectFrio;
  arrastreCambiador_ = true;
  extremoMenu_ = caliente ? 1 : 2;
  TomarCopia();
  copiaVigente_ = false;
  ultimo_ = Point{r.left, r.top};
}

void CEditorRejilla::Alinear(bool caliente) {
  if (!PuedeAlinear()) return;
  CCambiador& c = Modelo().m_cambiadores[static_cast<std::size_t>(Cambiador())];
  Rect& movido = caliente ? c.rectCaliente : c.rectFrio;
  const Rect& otro = caliente ? c.rectFrio : c.rectCaliente;
  if (movido.left == otro.left && movido.right == otro.right) return;
  movido.left = otro.left;
  movido.right = otro.right;
  // The ends' places are stored in the document.
  doc_.SetModifiedFlag(true);
}

// ---- loops

void CEditorRejilla::MostrarLazo() {
  const CDiagrama& d = Modelo();
  const bool senda = d.m_lazoEnCurso.Clasificar(d.m_cambiadores) == kLazoSenda;
  MostrarEstado(TextoLazoMostrado(senda, d.m_lazoEnCurso.nodos));
  SeleccionarEnVisor();
}

void CEditorRejilla::Buscar() {
  UiPort& ui = doc_.Puertos().ui ? *doc_.Puertos().ui : DefaultUiPort();
  BuscarAnillos(Modelo(), ui);
  superposicion_ = true;
  MostrarLazo();
}

void CEditorRejilla::Anterior() {
  AnilloAnterior(Modelo());
  MostrarLazo();
}

void CEditorRejilla::Siguiente() {
  AnilloSiguiente(Modelo());
  MostrarLazo();
}

void CEditorRejilla::MostrarAnilloEncontrado(std::int32_t n) {
  if (Modelo().m_lazos.empty()) return;
  superposicion_ = true;
  MostrarAnillo(Modelo(), n);
}

void CEditorRejilla::AnadirAnillo() {
  FabricaDialogos* f = doc_.Puertos().dialogos;
  if (!f) return;
  // The dialog works on the chain under construction: the copy is taken
  // before the view lets the chain go.
  DlgAnadirAnillos dlg;
  CopiarModeloCompleto(dlg.modelo, Modelo());
  superposicion_ = false;
  MostrarEstadoReposo();
  Modelo().m_lazoEnCurso.Vaciar();
  if (!f->AnadirAnillos(dlg)) return;
  doc_.CambiarModelo([&] {
    Modelo() = dlg.modelo;
    Modelo().m_lazoEnCurso.Vaciar();
    doc_.ComprobarCambiadores();
  });
}

// ---- DT min

CEditorRejilla::ResultadoDTMin CEditorRejilla::AplicarDTMin(const std::string& texto,
                                                         const std::function<void()>& antesDeRefrescar) {
  CDiagrama& d = Modelo();
  if (d.GetNumCorrientes() == 0) return ResultadoDTMin::SinCorrientes;
  double dt = d.m_dtMin;
  const std::string rechazo = ComprobarNumeroTecleado(texto, RangoNumero::DTMin(), dt);
  if (!rechazo.empty()) {
    UiPort& ui = doc_.Puertos().ui ? *doc_.Puertos().ui : DefaultUiPort();
    ui.Message(rechazo, MsgKind::Warning);
    return ResultadoDTMin::Rechazado;
  }
  doc_.CambiarModelo([&] {
    d.SetDTMin(dt);
    d.CalcularObjetivos();
    doc_.ComprobarCambiadores();
    if (antesDeRefrescar) antesDeRefrescar();
  });
  return ResultadoDTMin::Aplicado;
}

}  // namespace vardo
