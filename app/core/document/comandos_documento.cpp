// The document's commands: streams, splits, exchangers, utilities,
// integrity areas, targets, feasibility, tables, the report and the optimum
// DT min, each from its dialog to its refresh, and the table that enables
// and runs them by id.
#include "app/core/document/comandos_documento.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/core/analysis/factibilidad.h"
#include "app/core/document/archivo_nuevo.h"
#include "app/core/document/ids_comandos.h"
#include "model/bifurcacion_edicion.h"
#include "model/bifurcacion_layout.h"
#include "model/constantes.h"
#include "model/red.h"
#include "platform/core/numtext.h"
#include "platform/core/sustituir.h"

namespace vardo {

namespace {

// ---- Texts ----
const char* const kConfirmaCorriente = "¿Confirma que desea eliminar la corriente?";
const char* const kConfirmaCambiador = "¿Confirma que desea eliminar el cambiador?";
const char* const kConfirmaServicio = "¿Confirma que desea eliminar el servicio general?";
const char* const kConfirmaBifurcacion = "¿Confirma que desea eliminar la bifurcación?";
const char* const kSinErrores = "No se han encontrado errores";
const char* const kSinCrucePinch = "No se han encontrado emparejamientos a través del pinch";
const char* const kServiciosCubren =
    "Los servicios que ha definido cubren completamente las necesidades de energía del "
    "proceso.\n\n¿Desea mostrar estos servicios en lugar de los servicios por defecto?";
const char* const kServiciosNoCubren =
    "Advertencia:\n\nLos Servicios Generales definidos actualmente no cubren las necesidades de "
    "energía del proceso";
const char* const kMostrarNoCubren =
    "Advertencia:\n\n"
    "Los Servicios Generales existentes no cubren completamente las necesidades energéticas del "
    "proceso.\n\n"
    "Una vez mostrados los Servicios, no podrá definir cambiadores utilizando los Servicios "
    "Generales por defecto.\n\n"
    "Por estos motivos, si muestra los Servicios, no podrá completar el problema a menos que "
    "modifique su diseño.\n\n"
    "¿Desea mostrar los Servicios Generales?";
const char* const kMostrarBorraGenericos =
    "En el diagrama de trama, existen cambiadores definidos con los Servicios por defecto.\n\n"
    "Una vez mostrados los Servicios, no podrá definir cambiadores con Servicios por defecto, y "
    "deberá borrar los cambiadores existentes que los utilicen.\n\n"
    "¿Desea que Calorama borre ahora esos cambiadores?";
const char* const kOcultarBorraServicios =
    "En el diagrama de trama, existen cambiadores definidos con los Servicios definidos por el "
    "usuario.\n\n"
    "Una vez ocultados los Servicios, no podrá definir cambiadores con estos Servicios, y deberá "
    "borrar los cambiadores existentes que los utilicen.\n\n"
    "¿Desea que Calorama borre ahora esos cambiadores?";
const char* const kNotaAreas =
    "NOTAS SOBRE LA UTILIZACIÓN DE ÁREAS DE INTEGRIDAD:\n\n"
    "Aunque está permitido representar varias áreas de integridad simultáneamente, para diseñar "
    "una red de intercambio de calor empleando áreas de integridad se aconseja representar cada "
    "área por separado.\n\n"
    "La temperatura de pinch de cada área de integridad, será diferente a la de las restantes "
    "áreas de integridad. Si se utiliza la especificación 'Temperatura igual a la de pinch' en un "
    "cambiador, en su cálculo se obtendrán resultados diferentes en función del número de áreas "
    "de integridad que sean visibles.\n\n"
    "Por este motivo, si está previsto representar varias áreas de integridad simultáneamente, se "
    "aconseja emplear las especificaciones de 'Temperatura especificada por el usuario' en lugar "
    "de las de 'Temperatura igual a la de pinch'";

// Tolerance of the feasibility lists around the pinch (K).
constexpr double kTolFactibilidad = 0.01;

std::string Entero(std::int64_t v) { return std::to_string(v); }

// Whether the record of a reference carries the selection colour: the view's
// selected kind names it only while the model's selection is still on it.
bool Resaltada(const CCorriente& c) { return c.m_color == kColorSeleccion; }

// The label of an exchanger side in its properties window.
std::string EtiquetaLado(std::int32_t ref) {
  if (ref == kRefGenerico) return "S.G.";
  if (EsServicio(ref)) return "S" + Entero(IndiceServicio(ref) + 1);
  return Entero(ref + 1);
}

// A stream's exchanger lines "%d: desde %s K hasta %s K" with the sum of
// their duties: the cold side's temperatures on a cold record, the hot
// side's on a hot one.
std::vector<std::string> LineasCambiadores(const CDiagrama& d, const CCorriente& c, double& suma) {
  std::vector<std::string> lineas;
  suma = 0.0;
  for (std::uint32_t k : c.m_cambiadores) {
    if (k >= d.m_cambiadores.size()) continue;
    const CCambiador& e = d.m_cambiadores[k];
    const double desde = c.m_fria ? e.tEntradaFria : e.tEntradaCaliente;
    const double hasta = c.m_fria ? e.tSalidaFria : e.tSalidaCaliente;
    lineas.push_back(Entero(static_cast<std::int64_t>(k) + 1) + ": desde " + NumTexto(desde) +
                     " K hasta " + NumTexto(hasta) + " K");
    suma += e.q;
  }
  return lineas;
}

// The unmatched load: |H| less the duties, 0 below the heat tolerance.
double SinCambiadores(double H, double suma) {
  const double v = std::fabs(H) - suma;
  return v < kTolH ? 0.0 : v;
}

// One line of a read-only feasibility list: the stream's number and its
// mean m·cp between its end and the pinch.
std::string LineaFactibilidad(const CCorriente& c, std::int32_t i, double extremo, double pinch) {
  return TextoFilaFactibilidad(i, c.GetCP(extremo, pinch));
}

// What the delete dialogs and their question leave to delete.
constexpr std::int32_t kBorrarNada = -2;
constexpr std::int32_t kBorrarTodos = -1;

// Runs a delete dialog on `numero` objects and, when it names all of them or
// an existing one, asks `pregunta`: the index to delete, kBorrarTodos or
// kBorrarNada. The question comes before anything changes, so that "No"
// leaves the undo history alone.
template <class D>
std::int32_t ElegirBorrado(FabricaDialogos* f, UiPort& ui, bool (FabricaDialogos::*ejecutar)(D&),
                           std::int32_t numero, bool unoMarcado, const char* pregunta) {
  D dlg;
  dlg.numero = numero;
  if (unoMarcado) dlg.eleccion = D::kUno;
  if (!f || !(f->*ejecutar)(dlg)) return kBorrarNada;
  std::int32_t r = kBorrarNada;
  if (dlg.Todos()) {
    r = kBorrarTodos;
  } else if (dlg.eleccion == D::kUno && dlg.indice >= 0 && dlg.indice < numero) {
    r = dlg.indice;
  }
  if (r == kBorrarNada || ui.AskYesNo(pregunta) != Answer::Yes) return kBorrarNada;
  return r;
}

}  // namespace

// ------------------------------------------------------------ selection

int CVardoDoc::TipoSeleccion() const {
  return puertos_.vistas ? puertos_.vistas->TipoSeleccion() : kSelNada;
}

void CVardoDoc::SetTipoSeleccion(int tipo) {
  if (puertos_.vistas) puertos_.vistas->SetTipoSeleccion(tipo);
}

std::int32_t CVardoDoc::CorrienteSeleccionada() const {
  const std::int32_t s = m_Diagrama.m_corrienteSel;
  if (TipoSeleccion() != kSelCorriente || s < 0 || s >= m_Diagrama.GetNumCorrientes()) return -1;
  return Resaltada(m_Diagrama.GetCorriente(s)) ? s : -1;
}

std::int32_t CVardoDoc::ServicioSeleccionado() const {
  const std::int32_t s = m_Diagrama.m_corrienteSel;
  if (TipoSeleccion() != kSelCorriente || !EsServicio(s) || !m_Diagrama.RefValida(s)) return -1;
  return Resaltada(m_Diagrama.GetCorriente(s)) ? s : -1;
}

std::int32_t CVardoDoc::CambiadorSeleccionado() const {
  const std::int32_t e = m_Diagrama.m_cambiadorSel;
  if (TipoSeleccion() != kSelCambiador || e < 0 || e >= m_Diagrama.GetNumCambiadores()) return -1;
  return m_Diagrama.m_cambiadores[static_cast<std::size_t>(e)].color == kColorSeleccion ? e : -1;
}

void CVardoDoc::RevisarSeleccion() {
  const int tipo = TipoSeleccion();
  const bool vigente = tipo == kSelCorriente
                           ? CorrienteSeleccionada() >= 0 || ServicioSeleccionado() >= 0
                           : tipo != kSelCambiador || CambiadorSeleccionado() >= 0;
  if (!vigente) SetTipoSeleccion(kSelNada);
}

void CVardoDoc::DeseleccionarCorriente() {
  m_Diagrama.DeseleccionarCorriente();
  if (TipoSeleccion() == kSelCorriente) SetTipoSeleccion(kSelNada);
}

void CVardoDoc::DeseleccionarCambiador() {
  m_Diagrama.DeseleccionarCambiador();
  if (TipoSeleccion() == kSelCambiador) SetTipoSeleccion(kSelNada);
}

// ------------------------------------------------------------ shared steps

void CVardoDoc::MarcarObsoleta12() {
  if (m_nModo == kModoGrandCompuesta || m_nModo == kModoCompuestas) m_bRedibujar = true;
}

void CVardoDoc::MarcarObsoleta13() {
  if (m_nModo >= kModoGrandCompuesta && m_nModo <= kModoRejilla) {
    m_bRedibujar = true;
    UpdateAllViews();
  }
}

void CVardoDoc::BorrarLazos() { m_Diagrama.m_lazos.clear(); }

void CVardoDoc::Reconectar() {
  for (std::int32_t i = 0; i < m_Diagrama.GetNumCambiadores(); ++i) {
    const CCambiador& c = m_Diagrama.m_cambiadores[static_cast<std::size_t>(i)];
    const std::int32_t caliente = c.ladoCaliente.ref;
    const std::int32_t fria = c.ladoFrio.ref;
    m_Diagrama.ConectarCaliente(caliente, i, 0);
    m_Diagrama.ConectarFria(fria, i, 0);
  }
}

bool CVardoDoc::MensajeCalculo(std::int32_t r) {
  DlgCalculoCambiadores dlg;
  dlg.texto = m_Diagrama.m_textoComprobacion;
  const bool corregible = r != kRedSoloAvisos;
  dlg.corregible = corregible;
  if (!Dialogos() || !Dialogos()->CalculoCambiadores(dlg) || !corregible) return false;
  // An undetermined network names no exchanger: the editor opens on the
  // first one.
  EditarCambiadores(r >= 0 ? r : 0, 1);
  return true;
}

// The one-stream deletion: its whole split when it is a branch.
void CVardoDoc::BorrarUnaCorriente(std::int32_t i) {
  DeseleccionarCorriente();
  const std::int32_t b = BifurcacionDe(m_Diagrama, i);
  if (b >= 0) {
    m_Diagrama.BorrarBifurcacion(b);
  } else {
    m_Diagrama.BorrarCorriente(i);
  }
  if (m_Diagrama.GetNumCambiadores() > 0) {
    Reconectar();
    ComprobarCambiadores();
  }
}

// The one-exchanger deletion with its network calculation and message.
void CVardoDoc::BorrarUnCambiador(std::int32_t i) {
  DeseleccionarCambiador();
  m_Diagrama.BorrarCambiador(i);
  const std::int32_t r = CalcularRed(m_Diagrama);
  if (r != kRedSinAvisos) MensajeCalculo(r);
}

// ------------------------------------------------------------ streams

void CVardoDoc::OnAnadirCorriente() {
  DlgCorrientes dlg;
  dlg.corriente = 0;
  CopiarModeloCompleto(dlg.modelo, m_Diagrama);
  if (!Dialogos() || !Dialogos()->Corrientes(dlg)) return;
  CambiarModelo([&] {
    MarcarObsoleta12();
    m_Diagrama = dlg.modelo;
    m_Diagrama.InvalidarGrafo();
    ComprobarCambiadores();
  });
}

void CVardoDoc::OnModificarCorriente() {
  const std::int32_t s = CorrienteSeleccionada();
  if (s < 0) return;
  DlgCorrientes dlg;
  dlg.corriente = s;
  CopiarModeloCompleto(dlg.modelo, m_Diagrama);
  if (!Dialogos() || !Dialogos()->Corrientes(dlg)) return;
  CambiarModelo([&] {
    MarcarObsoleta12();
    m_Diagrama = dlg.modelo;
    Reconectar();
    // An exchanger in error opens the exchangers dialog at once; so does an
    // undetermined network (its message was shown), on the first exchanger.
    const std::int32_t r = CalcularRed(m_Diagrama);
    if (r >= 0 || r == kRedIndeterminada) EditarCambiadores(std::max(r, 0), 1);
    m_Diagrama.InvalidarGrafo();
  });
}

void CVardoDoc::OnBorrarCorriente() {
  const std::int32_t eleccion =
      ElegirBorrado(Dialogos(), Ui(), &FabricaDialogos::BorrarCorrientes,
                    m_Diagrama.GetNumCorrientes(), true, kConfirmaCorriente);
  if (eleccion == kBorrarNada) return;
  const bool todas = eleccion == kBorrarTodos;
  CambiarModelo([&] {
    MarcarObsoleta12();
    BorrarLazos();
    if (todas) {
      DeseleccionarCorriente();
      DeseleccionarCambiador();
      // Through the model's deletions, so that integrity areas and the
      // selection lose the streams too.
      for (std::int32_t e = m_Diagrama.GetNumCambiadores() - 1; e >= 0; --e)
        m_Diagrama.BorrarCambiador(e);
      for (std::int32_t s = m_Diagrama.GetNumCorrientes() - 1; s >= 0; --s)
        m_Diagrama.BorrarCorriente(std::min(s, m_Diagrama.GetNumCorrientes() - 1));
      m_Diagrama.m_bifurcadas.clear();
      m_nModo = kModoNinguno;
    } else {
      BorrarUnaCorriente(eleccion);
    }
    m_Diagrama.InvalidarGrafo();
  });
}

void CVardoDoc::BorrarCorrienteSel() {
  const std::int32_t s = CorrienteSeleccionada();
  if (s < 0) {
    RevisarSeleccion();
    return;
  }
  if (Ui().AskYesNo(kConfirmaCorriente) != Answer::Yes) return;
  CambiarModelo([&] {
    BorrarLazos();
    MarcarObsoleta12();
    BorrarUnaCorriente(s);
    m_Diagrama.InvalidarGrafo();
  });
  RevisarSeleccion();
}

// ------------------------------------------------------------ splits

namespace {

// Whether process stream s can be split by "Nueva": a sensible stream where
// PuedeBifurcarse allows it (a part of a split extends that split), a latent
// one while no node of a split names it.
bool PuedeNuevaBifurcacion(const CDiagrama& d, std::int32_t s) {
  if (s < 0 || s >= d.GetNumCorrientes()) return false;
  if (EsLatente(d.m_corrientes[static_cast<std::size_t>(s)]))
    return NodoDeCorriente(d, BifurcacionDe(d, s), s) < 0;
  return PuedeBifurcarse(d, s);
}

}  // namespace

void CVardoDoc::OnNuevaBifurcacion() {
  const std::int32_t s = CorrienteSeleccionada();
  if (!PuedeNuevaBifurcacion(m_Diagrama, s)) return;
  const CCorriente& c = m_Diagrama.m_corrientes[static_cast<std::size_t>(s)];
  if (!Dialogos()) return;
  if (EsLatente(c)) {
    DlgBifurcarH dlg;
    dlg.corriente = c;
    dlg.numero = s + 1;
    if (!Dialogos()->BifurcarH(dlg)) return;
    CambiarModelo([&] {
      MarcarObsoleta12();
      BorrarLazos();
      DeseleccionarCorriente();
      DividirCorrienteLatente(m_Diagrama, s, dlg.h1, dlg.h2);
      ComprobarCambiadores();
    });
  } else {
    DlgBifurcar dlg;
    dlg.corriente = c;
    CopiarModeloCompleto(dlg.modelo, m_Diagrama);
    dlg.numero = s + 1;
    if (!Dialogos()->Bifurcar(dlg)) return;
    CambiarModelo([&] {
      MarcarObsoleta12();
      BorrarLazos();
      DeseleccionarCorriente();
      BifurcarCorriente(m_Diagrama, s, dlg.tEntrada, dlg.tSalida1, dlg.tSalida2,
                        dlg.porcentaje1, dlg.porcentaje2);
      ComprobarCambiadores();
    });
  }
}

void CVardoDoc::OnModificarBifurcacion() {
  const std::int32_t s = CorrienteSeleccionada();
  const std::int32_t b = BifurcacionDe(m_Diagrama, s);
  const std::int32_t n = NodoDeCorriente(m_Diagrama, b, s);
  if (s < 0 || n < 0 || !Dialogos()) return;
  CCorrienteBifurcada& bif = m_Diagrama.m_bifurcadas[static_cast<std::size_t>(b)];
  const CCuaterna& nodo = bif.nodos[static_cast<std::size_t>(n)];
  const CCorriente* rama1 = bif.Resolver(nodo.refRamaPrincipal, m_Diagrama.m_corrientes);
  const CCorriente* rama2 = bif.Resolver(nodo.refRamaDesplazada, m_Diagrama.m_corrientes);
  DlgBifurcar dlg;
  dlg.corriente = nodo.segmento;
  CopiarModeloCompleto(dlg.modelo, m_Diagrama);
  dlg.numero = s + 1;
  if (rama1 && rama2) {
    dlg.tEntrada = rama1->GetT1();
    dlg.tSalida1 = rama1->GetT2();
    dlg.tSalida2 = rama2->GetT2();
    const double mcp = nodo.segmento.GetCP(dlg.tEntrada, dlg.tSalida1);
    const double mcp1 = rama1->GetCP(kTSentinel, kTSentinel);
    if (mcp > 0.0 && mcp1 >= 0.0) dlg.porcentaje1 = 100.0 * mcp1 / mcp;
  }
  if (!Dialogos()->Bifurcar(dlg)) return;
  CambiarModelo([&] {
    CCorrienteBifurcada& tras = m_Diagrama.m_bifurcadas[static_cast<std::size_t>(b)];
    const CCorriente segmento = tras.nodos[static_cast<std::size_t>(n)].segmento;
    Bifurcar(tras, m_Diagrama.m_corrientes, n, dlg.tEntrada, dlg.tSalida1, dlg.tSalida2,
             TemperaturaMezcla(segmento, dlg.tEntrada, dlg.tSalida1, dlg.tSalida2,
                               dlg.porcentaje1, dlg.porcentaje2),
             dlg.porcentaje1, dlg.porcentaje2);
    m_Diagrama.InvalidarGrafo();
    // The counts are current when the network check speaks.
    ActualizarContadores();
    ComprobarCambiadores();
  });
}

void CVardoDoc::OnBorrarBifurcacion() {
  const std::int32_t s = CorrienteSeleccionada();
  const std::int32_t b = BifurcacionDe(m_Diagrama, s);
  if (b < 0) return;
  if (Ui().AskYesNo(kConfirmaBifurcacion) != Answer::Yes) return;
  CambiarModelo([&] {
    const std::int32_t area = m_Diagrama.m_corrientes[static_cast<std::size_t>(s)].m_area;
    DeseleccionarCorriente();
    UnirBifurcacion(m_Diagrama, b, area);
    m_Diagrama.InvalidarGrafo();
    CalcularRed(m_Diagrama);
  });
}

void CVardoDoc::OnCalcularTemperaturas() {
  const std::int32_t b = BifurcacionDe(m_Diagrama, CorrienteSeleccionada());
  if (b < 0) return;
  CambiarModelo([&] { m_Diagrama.CalcularTemperaturas(b); }, false);
}

// ------------------------------------------------------------ targets

template <class D>
void CVardoDoc::ConDTMin(bool (FabricaDialogos::*ejecutar)(D&)) {
  D dlg;
  CopiarModeloCompleto(dlg.modelo, m_Diagrama);
  if (!Dialogos() || !(Dialogos()->*ejecutar)(dlg)) return;
  CambiarModelo([&] {
    m_Diagrama = dlg.modelo;
    MarcarObsoleta13();
  });
  EscribirCampoDTMin();
}

void CVardoDoc::OnCascada() { ConDTMin(&FabricaDialogos::CalculoCascada); }
void CVardoDoc::OnAreaMinima() { ConDTMin(&FabricaDialogos::AreaMinima); }
void CVardoDoc::OnCostesMinimos() { ConDTMin(&FabricaDialogos::CosteMinimo); }

void CVardoDoc::OnProblemaRemanente() {
  DlgRemanente dlg;
  CopiarModeloCompleto(dlg.modelo, m_Diagrama);
  if (!Dialogos() || !Dialogos()->Remanente(dlg)) return;
  // No undo step; the dialog may set the default utilities' temperatures.
  CambiarModelo([&] { m_Diagrama = dlg.modelo; }, false);
}

void CVardoDoc::OnDifTempOptima() {
  DlgDifTempOptima dlg;
  CopiarModeloCompleto(dlg.modelo, m_Diagrama);
  dlg.dtMin = m_Diagrama.m_dtMin;
  if (!Dialogos() || !Dialogos()->DifTempOptima(dlg)) return;
  // No undo step, but a new DT min is stored data: closing must ask.
  CambiarModelo(
      [&] {
        m_Diagrama.SetDTMin(dlg.dtMin);
        ActualizarContadores();
        ComprobarCambiadores();
      },
      false);
}

// ------------------------------------------------------------ feasibility

void CVardoDoc::Factibilidad(std::int32_t lado) {
  if (!Dialogos()) return;
  if (m_bUsarFactibilidad) {
    DlgFactibilidad dlg;
    dlg.lado = lado;
    CopiarModeloCompleto(dlg.modelo, m_Diagrama);
    if (!Dialogos()->Factibilidad(dlg)) return;
    CambiarModelo([&] {
      m_Diagrama = dlg.modelo;
      ComprobarCambiadores();
      m_Diagrama.InvalidarGrafo();
    });
    return;
  }
  VentanaFactibilidad v;
  v.lado = lado;
  m_Diagrama.CalcularObjetivos();
  const double tp = m_Diagrama.m_tPinch;
  const double dt = m_Diagrama.m_dtMin;
  const double pinchCaliente = tp + dt / 2.0;
  const double pinchFrio = tp - dt / 2.0;
  for (std::int32_t i = 0; i < m_Diagrama.GetNumCorrientes(); ++i) {
    const CCorriente& c = m_Diagrama.m_corrientes[static_cast<std::size_t>(i)];
    if (!c.m_fria) {
      const bool entra = lado == 0 ? c.GetT1() - pinchCaliente > kTolFactibilidad
                                   : c.GetT2() <= pinchCaliente + kTolFactibilidad;
      const double extremo = lado == 0 ? c.GetT1() : c.GetT2();
      if (entra) v.calientes.push_back(LineaFactibilidad(c, i, extremo, pinchCaliente));
    } else {
      const bool entra = lado == 0 ? c.GetT2() >= pinchFrio - kTolFactibilidad
                                   : c.GetT1() < pinchFrio - kTolFactibilidad;
      const double extremo = lado == 0 ? c.GetT2() : c.GetT1();
      if (entra) v.frias.push_back(LineaFactibilidad(c, i, extremo, pinchFrio));
    }
  }
  Dialogos()->FactibilidadVentana(v);
}

void CVardoDoc::OnLadoCaliente() { Factibilidad(0); }
void CVardoDoc::OnLadoFrio() { Factibilidad(1); }

void CVardoDoc::OnUsarFactibilidad() {
  m_bUsarFactibilidad = !m_bUsarFactibilidad;
  modificado_ = true;  // the option is stored in the file
}

void CVardoDoc::OnTablaEmparejamientos() {
  if (!Dialogos()) return;
  VentanaTablaEmparejamientos v;
  CopiarModeloCompleto(v.modelo, m_Diagrama);
  Dialogos()->TablaEmparejamientos(v);
}

void CVardoDoc::OnEmparejamientosPinch() {
  CDiagrama& d = m_Diagrama;
  const bool hayAreas = HayAreasMostradas(d);
  for (std::int32_t i = 0; i < d.GetNumCambiadores(); ++i) {
    if (!CambiadorEnAreaMostrada(d, d.m_cambiadores[static_cast<std::size_t>(i)], hayAreas))
      continue;
    if (d.CalorCrucePinch(i) > 0.0) {
      DlgCrucePinch dlg;
      CopiarModeloCompleto(dlg.modelo, d);
      if (Dialogos()) Dialogos()->CrucePinch(dlg);
      return;
    }
  }
  Ui().Message(kSinCrucePinch, MsgKind::Information);
}

// ------------------------------------------------------------ areas

void CVardoDoc::OnAreasIntegridad() {
  DlgAreasIntegridad dlg;
  CopiarModeloCompleto(dlg.modelo, m_Diagrama);
  if (!Dialogos() || !Dialogos()->AreasIntegridad(dlg)) return;
  std::int32_t mostradas = 0;
  for (const CAreaIntegridad& a : m_Diagrama.m_areas) mostradas += a.mostrada != 0;
  if (!m_bNotaAreas && mostradas != 1) {
    Ui().Message(kNotaAreas, MsgKind::Information);
    m_bNotaAreas = true;
  }
  CambiarModelo([&] {
    m_Diagrama = dlg.modelo;
    ComprobarCambiadores();
  });
}

void CVardoDoc::OnSeleccionarArea() {
  if (!puertos_.visor) return;
  const std::int32_t a = puertos_.visor->GetAreaSeleccionada();
  if (a < 0 || a >= static_cast<std::int32_t>(m_Diagrama.m_areas.size())) return;
  CambiarModelo([&] {
    for (CAreaIntegridad& x : m_Diagrama.m_areas) x.mostrada = 0;
    m_Diagrama.m_areas[static_cast<std::size_t>(a)].mostrada = 1;
  });
}

// ------------------------------------------------------------ properties

VentanaPropCorriente VentanaDeCorriente(const CDiagrama& d, std::int32_t ref) {
  const CCorriente& c = d.GetCorriente(ref);
  VentanaPropCorriente v;
  v.numero = EtiquetaCorriente(ref);
  v.nombre = c.GetNombre();
  v.tEntrada = NumTexto(c.GetT1());
  v.tSalida = NumTexto(c.GetT2());
  const double H = c.GetH(kTSentinel, 1);
  v.entalpiaTotal = NumTexto(H);
  const double mcp = c.GetCP(kTSentinel, kTSentinel);
  v.mcp = TextoMcp(mcp);
  double suma = 0.0;
  v.cambiadores = LineasCambiadores(d, c, suma);
  v.entalpiaSinCambiadores = NumTexto(SinCambiadores(H, suma));
  return v;
}

void CVardoDoc::OnPropiedadesCorriente() {
  const std::int32_t s = CorrienteSeleccionada();
  if (s < 0 || !Dialogos()) return;
  Dialogos()->PropCorriente(VentanaDeCorriente(m_Diagrama, s));
}

void CVardoDoc::OnPropiedadesServicio() {
  const std::int32_t ref = ServicioSeleccionado();
  if (ref < 0 || !Dialogos()) return;
  const CServicios& s = m_Diagrama.m_servicios[static_cast<std::size_t>(IndiceServicio(ref))];
  VentanaPropServicio v;
  v.nombre = s.GetNombre();
  v.numero = IndiceServicio(ref) + 1;
  v.tEntrada = s.GetT1();
  v.tSalida = s.GetT2();
  v.entalpiaTotal = s.m_carga;
  v.entalpiaMaxima = s.m_entalpiaMaxima;
  v.mcp = s.GetCP(kTSentinel, kTSentinel);
  double suma = 0.0;
  v.cambiadores = LineasCambiadores(m_Diagrama, s, suma);
  v.entalpiaSinCambiadores = SinCambiadores(s.GetH(kTSentinel, 1), suma);
  Dialogos()->PropServicio(v);
}

void CVardoDoc::OnPropiedadesCambiador() {
  const std::int32_t e = CambiadorSeleccionado();
  if (e < 0 || !Dialogos()) return;
  const CCambiador& c = m_Diagrama.m_cambiadores[static_cast<std::size_t>(e)];
  VentanaPropCambiador v;
  v.numero = Entero(e + 1);
  v.carga = NumTexto(c.q);
  v.area = NumTexto(m_Diagrama.AreaCambiador(e), 5);
  v.coste = NumTexto(m_Diagrama.CosteCambiadores(e), 5);
  const bool genC = c.ladoCaliente.ref == kRefGenerico;
  const bool genF = c.ladoFrio.ref == kRefGenerico;
  v.corrienteCaliente = EtiquetaLado(c.ladoCaliente.ref);
  v.tEntradaCaliente = genC ? "-" : NumTexto(c.tEntradaCaliente);
  v.tSalidaCaliente = genC ? "-" : NumTexto(c.tSalidaCaliente);
  v.corrienteFria = EtiquetaLado(c.ladoFrio.ref);
  v.tEntradaFria = genF ? "-" : NumTexto(c.tEntradaFria);
  v.tSalidaFria = genF ? "-" : NumTexto(c.tSalidaFria);
  Dialogos()->PropCambiador(v);
}

// ------------------------------------------------------------ exchangers

void CVardoDoc::OnAnadirCambiador() { EditarCambiadores(0, 1); }

void CVardoDoc::OnBorrarCambiador() {
  const std::int32_t eleccion =
      ElegirBorrado(Dialogos(), Ui(), &FabricaDialogos::BorrarCambiadores,
                    m_Diagrama.GetNumCambiadores(), true, kConfirmaCambiador);
  if (eleccion == kBorrarNada) return;
  const bool todos = eleccion == kBorrarTodos;
  CambiarModelo([&] {
    if (todos) {
      DeseleccionarCambiador();
      for (std::int32_t e = m_Diagrama.GetNumCambiadores() - 1; e >= 0; --e)
        m_Diagrama.BorrarCambiador(e);
      BorrarLazos();
    } else {
      BorrarUnCambiador(eleccion);
    }
  });
}

void CVardoDoc::BorrarCambiadorSel() {
  const std::int32_t e = CambiadorSeleccionado();
  if (e < 0) {
    RevisarSeleccion();
    return;
  }
  if (Ui().AskYesNo(kConfirmaCambiador) != Answer::Yes) return;
  CambiarModelo([&] {
    BorrarLazos();
    MarcarObsoleta12();
    BorrarUnCambiador(e);
  });
  RevisarSeleccion();
}

void CVardoDoc::OnErrores() {
  m_Diagrama.CalcularObjetivos();
  const std::int32_t r = CalcularRed(m_Diagrama);
  if (r == kRedSinAvisos) {
    Ui().Message(kSinErrores, MsgKind::Information);
    return;
  }
  MensajeCalculo(r);
}

void CVardoDoc::OnFormatoCambiadores() {
  if (m_Diagrama.m_cambiadores.empty() || !Dialogos()) return;
  const CCambiador& f = m_Diagrama.m_cambiadores.front();
  DlgFormatoCambiadores dlg;
  dlg.verQ = f.verQ;
  dlg.verEntradaCaliente = f.verEntradaCaliente;
  dlg.verEntradaFria = f.verEntradaFria;
  dlg.verSalidaCaliente = f.verSalidaCaliente;
  dlg.verSalidaFria = f.verSalidaFria;
  dlg.tamano = f.tamano;
  dlg.posicionNumero = f.posicionNumero;
  if (!Dialogos()->FormatoCambiadores(dlg)) return;
  CambiarModelo([&] {
    for (CCambiador& c : m_Diagrama.m_cambiadores)
      c.SetFormato(dlg.verEntradaCaliente, dlg.verSalidaCaliente, dlg.verEntradaFria,
                   dlg.verSalidaFria, dlg.verQ, dlg.posicionNumero, dlg.tamano);
  });
}

void CVardoDoc::OnFormatoCambiador() {
  const std::int32_t e = CambiadorSeleccionado();
  if (e < 0 || !Dialogos()) return;
  const CCambiador& c = m_Diagrama.m_cambiadores[static_cast<std::size_t>(e)];
  DlgFormatoCambiador dlg;
  dlg.numero = e + 1;
  dlg.verEntradaCaliente = c.verEntradaCaliente;
  dlg.verEntradaFria = c.verEntradaFria;
  dlg.verSalidaCaliente = c.verSalidaCaliente;
  dlg.verSalidaFria = c.verSalidaFria;
  if (!Dialogos()->FormatoCambiador(dlg)) return;
  CambiarModelo([&] {
    CCambiador& x = m_Diagrama.m_cambiadores[static_cast<std::size_t>(e)];
    x.SetFormato(dlg.verEntradaCaliente, dlg.verSalidaCaliente, dlg.verEntradaFria,
                 dlg.verSalidaFria, x.verQ, x.posicionNumero, x.tamano);
  });
}

// ------------------------------------------------------------ utilities

void CVardoDoc::Servicios(std::int32_t pagina) {
  DlgServicios dlg;
  dlg.pagina = pagina;
  CopiarModeloCompleto(dlg.modelo, m_Diagrama);
  if (!Dialogos() || !Dialogos()->Servicios(dlg)) return;
  CambiarModelo([&] {
    m_Diagrama = dlg.modelo;
    m_bRedibujar = true;
    if (!m_Diagrama.m_serviciosVisibles && m_Diagrama.ServiciosCubrenProblema() &&
        Ui().AskYesNo(kServiciosCubren) == Answer::Yes)
      OnMostrarServicios();
    // Exchangers on a utility take its new temperatures and load at once,
    // and are reported when these no longer fit.
    const auto& cambiadores = m_Diagrama.m_cambiadores;
    if (std::any_of(cambiadores.begin(), cambiadores.end(), [](const CCambiador& c) {
          return EsServicio(c.ladoCaliente.ref) || EsServicio(c.ladoFrio.ref);
        }))
      ComprobarCambiadores();
  });
}

void CVardoDoc::OnAnadirServicio() { Servicios(1); }
void CVardoDoc::OnCombinarServicios() { Servicios(2); }
void CVardoDoc::OnCostesServicios() { Servicios(3); }

void CVardoDoc::OnBorrarServicio() {
  // Its dialog sets its first choice itself.
  const std::int32_t eleccion =
      ElegirBorrado(Dialogos(), Ui(), &FabricaDialogos::BorrarServicios,
                    m_Diagrama.GetNumServicios(), false, kConfirmaServicio);
  if (eleccion == kBorrarNada) return;
  const bool todos = eleccion == kBorrarTodos;
  CambiarModelo([&] {
    m_bRedibujar = true;
    if (todos) {
      while (m_Diagrama.GetNumServicios() > 0) m_Diagrama.BorrarServicio(0);
    } else {
      m_Diagrama.BorrarServicio(eleccion);
    }
    if (m_Diagrama.GetNumServicios() == 0) m_Diagrama.m_serviciosVisibles = 0;
  });
}

void CVardoDoc::BorrarServicioSel() {
  const std::int32_t ref = ServicioSeleccionado();
  if (ref < 0) {
    RevisarSeleccion();
    return;
  }
  if (Ui().AskYesNo(kConfirmaServicio) != Answer::Yes) return;
  CambiarModelo([&] {
    DeseleccionarCorriente();
    m_Diagrama.BorrarServicio(IndiceServicio(ref));
    // Shown utilities need at least one utility.
    if (m_Diagrama.GetNumServicios() == 0) m_Diagrama.m_serviciosVisibles = 0;
    if (!m_Diagrama.ServiciosCubrenProblema()) Ui().Message(kServiciosNoCubren, MsgKind::Warning);
  });
  RevisarSeleccion();
}

void CVardoDoc::OnMostrarServicios() {
  CDiagrama& d = m_Diagrama;
  const bool mostrar = !d.m_serviciosVisibles;
  // The exchangers that the new state leaves without a valid side.
  auto sobra = [mostrar](const CCambiador& c) {
    return mostrar ? c.ladoCaliente.ref == kRefGenerico || c.ladoFrio.ref == kRefGenerico
                   : EsServicio(c.ladoCaliente.ref) || EsServicio(c.ladoFrio.ref);
  };
  if (mostrar && !d.ServiciosCubrenProblema() &&
      Ui().AskYesNo(kMostrarNoCubren) != Answer::Yes)
    return;
  bool haySobrantes = false;
  for (const CCambiador& c : d.m_cambiadores) haySobrantes = haySobrantes || sobra(c);
  if (haySobrantes &&
      Ui().AskYesNo(mostrar ? kMostrarBorraGenericos : kOcultarBorraServicios) != Answer::Yes)
    return;
  // No undo step, but the flag and any deleted exchanger are stored.
  CambiarModelo(
      [&] {
        for (std::int32_t e = d.GetNumCambiadores() - 1; e >= 0; --e) {
          if (!sobra(d.m_cambiadores[static_cast<std::size_t>(e)])) continue;
          if (e == d.m_cambiadorSel) DeseleccionarCambiador();
          d.BorrarCambiador(e);
        }
        d.m_serviciosVisibles = mostrar ? 1 : 0;
      },
      false);
}

// ------------------------------------------------------------ tables

template <class D>
void CVardoDoc::SoloVer(bool (FabricaDialogos::*ejecutar)(D&)) {
  if (!Dialogos()) return;
  D dlg;
  CopiarModeloCompleto(dlg.modelo, m_Diagrama);
  (Dialogos()->*ejecutar)(dlg);
}

void CVardoDoc::OnTablaCambiadores() { SoloVer(&FabricaDialogos::TablaCambiadores); }
void CVardoDoc::OnTablaCorrientes() { SoloVer(&FabricaDialogos::TablaCorrientes); }
void CVardoDoc::OnTablaServicios() { SoloVer(&FabricaDialogos::TablaServicios); }
void CVardoDoc::OnMAN() { SoloVer(&FabricaDialogos::MAN); }
void CVardoDoc::OnPerturbaciones() { SoloVer(&FabricaDialogos::Perturbaciones); }

// ------------------------------------------------------------ report

void CVardoDoc::OnInforme() {
  if (!Dialogos() || !puertos_.archivos) return;
  DlgInforme opciones;
  if (!Dialogos()->Informe(opciones)) return;
  const std::string ruta =
      puertos_.archivos->ElegirArchivoGuardar(PeticionGuardar{"Documentos HTML", "htm", "*.htm"});
  if (ruta.empty()) return;
  // A report of that name stays as it is until the progress dialog has
  // written the new one whole. Without a section the report is the empty
  // page, put in place now.
  if (ComprobarEscribible(ruta) != 0 ||
      (opciones.opciones.Elegidas() == 0 && !EscribirArchivoSeguro(ruta, {}).ok)) {
    Ui().Message(Sustituir(kMsgNoEscribir, ruta), MsgKind::Error);
    return;
  }
  DlgGenerandoInforme dlg;
  dlg.ruta = ruta;
  CopiarModeloCompleto(dlg.modelo, m_Diagrama);
  dlg.titulo = titulo_;
  dlg.opciones = opciones.opciones;
  Dialogos()->GenerandoInforme(dlg);
}

// ------------------------------------------------------------ by id

namespace {

using Accion = void (CVardoDoc::*)();

// When a command is enabled, beside the dialog it needs.
enum class Cuando {
  Siempre,
  HayCorrientes,
  HayCambiadores,
  HayServicios,
  DosCambiadores,
  TresCambiadores,
  BuscoAnillos,        // a loop search has run
  CorrienteSel,        // a process stream selected
  ServicioSel,         // a utility selected
  CambiadorSel,        // an exchanger selected
  Bifurcable,          // a process stream that "Nueva" can split
  RamaSel,             // a process stream of a split
};

enum class Marca { Ninguna, ServiciosVisibles, UsarFactibilidad };

// A dialog a command needs, or one of the choices the command makes.
enum class Necesita {
  Nada,
  Dialogo,         // the dialog in `dialogo`
  Bifurcacion,     // the split dialog for the stream's kind
  Factibilidad,    // the feasibility dialog or window, by the option
  Informe,         // the report sheet, its progress dialog and a save dialog
  Visor,           // the object browser
};

struct Regla {
  int id;
  Accion accion;  // null: the view runs it
  Cuando cuando;
  Necesita necesita = Necesita::Nada;
  DialogoId dialogo = DialogoId::CorrientesSheet;
  Marca marca = Marca::Ninguna;
};

constexpr Necesita D = Necesita::Dialogo;

const Regla kReglas[] = {
    {cmd::kAnadirCorrientes, &CVardoDoc::OnAnadirCorriente, Cuando::Siempre, D,
     DialogoId::CorrientesSheet},
    {cmd::kBorrarCorrientes, &CVardoDoc::OnBorrarCorriente, Cuando::HayCorrientes, D,
     DialogoId::BorrarCorrientes},
    {cmd::kBifurcarNueva, &CVardoDoc::OnNuevaBifurcacion, Cuando::Bifurcable,
     Necesita::Bifurcacion},
    {cmd::kBifurcarModificar, &CVardoDoc::OnModificarBifurcacion, Cuando::RamaSel, D,
     DialogoId::Bifurcar},
    {cmd::kBifurcarBorrar, &CVardoDoc::OnBorrarBifurcacion, Cuando::RamaSel},
    {cmd::kBifurcarTemperaturas, &CVardoDoc::OnCalcularTemperaturas, Cuando::RamaSel},
    {cmd::kVadizod, &CVardoDoc::OnCascada, Cuando::HayCorrientes, D, DialogoId::CalculoCascada},
    {cmd::kFactibilidadCaliente, &CVardoDoc::OnLadoCaliente, Cuando::HayCorrientes,
     Necesita::Factibilidad},
    {cmd::kFactibilidadFrio, &CVardoDoc::OnLadoFrio, Cuando::HayCorrientes,
     Necesita::Factibilidad},
    {cmd::kLadoCalienteCorriente, &CVardoDoc::OnLadoCaliente, Cuando::Siempre,
     Necesita::Factibilidad},
    {cmd::kLadoFrioCorriente, &CVardoDoc::OnLadoFrio, Cuando::Siempre, Necesita::Factibilidad},
    {cmd::kTablaEmparejamientos, &CVardoDoc::OnTablaEmparejamientos, Cuando::HayCorrientes, D,
     DialogoId::TablaEmparejamientos},
    {cmd::kUsarFactibilidad, &CVardoDoc::OnUsarFactibilidad, Cuando::HayCorrientes,
     Necesita::Nada, DialogoId::CorrientesSheet, Marca::UsarFactibilidad},
    {cmd::kAreaMinima, &CVardoDoc::OnAreaMinima, Cuando::HayCorrientes, D,
     DialogoId::AreaMinima},
    {cmd::kCostesMinimos, &CVardoDoc::OnCostesMinimos, Cuando::HayCorrientes, D,
     DialogoId::CosteMinimo},
    {cmd::kAreasIntegridad, &CVardoDoc::OnAreasIntegridad, Cuando::HayCorrientes, D,
     DialogoId::AreasIntegridad},
    {cmd::kPropiedadesCorriente, &CVardoDoc::OnPropiedadesCorriente, Cuando::CorrienteSel, D,
     DialogoId::PropCorriente},
    {cmd::kModificarCorriente, &CVardoDoc::OnModificarCorriente, Cuando::CorrienteSel, D,
     DialogoId::CorrientesSheet},
    {cmd::kBorrarCorrienteSel, &CVardoDoc::BorrarCorrienteSel, Cuando::CorrienteSel},
    {cmd::kPropiedadesCorrienteSel, &CVardoDoc::OnPropiedadesCorriente, Cuando::CorrienteSel, D,
     DialogoId::PropCorriente},
    {cmd::kAnadirCambiadores, &CVardoDoc::OnAnadirCambiador, Cuando::HayCorrientes, D,
     DialogoId::AddCamb},
    {cmd::kBorrarCambiadores, &CVardoDoc::OnBorrarCambiador, Cuando::HayCambiadores, D,
     DialogoId::BorrarCambiadores},
    {cmd::kErrores, &CVardoDoc::OnErrores, Cuando::HayCambiadores, D, DialogoId::CalculoCamb},
    {cmd::kTablaCambiadores, &CVardoDoc::OnTablaCambiadores, Cuando::HayCambiadores, D,
     DialogoId::TablaCambiadores},
    {cmd::kTablaCorrientes, &CVardoDoc::OnTablaCorrientes, Cuando::HayCorrientes, D,
     DialogoId::TablaCorrientes},
    {cmd::kProblemaRemanente, &CVardoDoc::OnProblemaRemanente, Cuando::HayCorrientes, D,
     DialogoId::Remanente},
    {cmd::kCrucePinch, &CVardoDoc::OnEmparejamientosPinch, Cuando::HayCambiadores, D,
     DialogoId::CrucePinch},
    {cmd::kFormatoCambiadores, &CVardoDoc::OnFormatoCambiadores, Cuando::HayCambiadores, D,
     DialogoId::FormatoCamb},
    {cmd::kPropiedadesCambiador, &CVardoDoc::OnPropiedadesCambiador, Cuando::CambiadorSel, D,
     DialogoId::PropCambiador},
    {cmd::kBorrarCambiadorSel, &CVardoDoc::BorrarCambiadorSel, Cuando::CambiadorSel},
    {cmd::kFormatoCambiador, &CVardoDoc::OnFormatoCambiador, Cuando::CambiadorSel, D,
     DialogoId::FormatoCambiador},
    {cmd::kPropiedadesCambiadorSel, &CVardoDoc::OnPropiedadesCambiador, Cuando::CambiadorSel, D,
     DialogoId::PropCambiador},
    {cmd::kAnadirServicios, &CVardoDoc::OnAnadirServicio, Cuando::HayCorrientes, D,
     DialogoId::ServGenSheet},
    {cmd::kBorrarServicios, &CVardoDoc::OnBorrarServicio, Cuando::HayServicios, D,
     DialogoId::BorrarServicios},
    {cmd::kCombinarServicios, &CVardoDoc::OnCombinarServicios, Cuando::HayServicios, D,
     DialogoId::ServGenSheet},
    {cmd::kCostesServicios, &CVardoDoc::OnCostesServicios, Cuando::HayServicios, D,
     DialogoId::ServGenSheet},
    {cmd::kMostrarServicios, &CVardoDoc::OnMostrarServicios, Cuando::HayServicios,
     Necesita::Nada, DialogoId::CorrientesSheet, Marca::ServiciosVisibles},
    {cmd::kTablaServicios, &CVardoDoc::OnTablaServicios, Cuando::HayServicios, D,
     DialogoId::TablaServicios},
    {cmd::kPropiedadesServicio, &CVardoDoc::OnPropiedadesServicio, Cuando::ServicioSel, D,
     DialogoId::PropServicio},
    {cmd::kBorrarServicioSel, &CVardoDoc::BorrarServicioSel, Cuando::ServicioSel},
    {cmd::kMAN, &CVardoDoc::OnMAN, Cuando::HayCambiadores, D, DialogoId::MAN},
    {cmd::kPerturbaciones, &CVardoDoc::OnPerturbaciones, Cuando::TresCambiadores, D,
     DialogoId::Perturbaciones},
    {cmd::kSeleccionarArea, &CVardoDoc::OnSeleccionarArea, Cuando::Siempre, Necesita::Visor},
    {cmd::kInforme, &CVardoDoc::OnInforme, Cuando::HayCorrientes, Necesita::Informe},
    {cmd::kDifTemperaturas, &CVardoDoc::OnDifTempOptima, Cuando::HayCorrientes, D,
     DialogoId::DifTempOptima},
    // The view's commands that the document enables.
    {cmd::kAnadirAnillo, nullptr, Cuando::DosCambiadores},
    {cmd::kCostesAnillo, nullptr, Cuando::DosCambiadores},
    {cmd::kBuscarAnillos, nullptr, Cuando::TresCambiadores},
    {cmd::kAnilloAnterior, nullptr, Cuando::BuscoAnillos},
    {cmd::kAnilloSiguiente, nullptr, Cuando::BuscoAnillos},
};

const Regla* Buscar(int id) {
  for (const Regla& r : kReglas)
    if (r.id == id) return &r;
  return nullptr;
}

bool Se(const CVardoDoc& doc, Cuando c) {
  const CDiagrama& d = doc.m_Diagrama;
  switch (c) {
    case Cuando::Siempre:
      return true;
    case Cuando::HayCorrientes:
      return d.GetNumCorrientes() > 0;
    case Cuando::HayCambiadores:
      return d.GetNumCambiadores() > 0;
    case Cuando::HayServicios:
      return d.GetNumServicios() > 0;
    case Cuando::DosCambiadores:
      return d.GetNumCambiadores() >= 2;
    case Cuando::TresCambiadores:
      return d.GetNumCambiadores() >= 3;
    case Cuando::BuscoAnillos:
      return d.m_grafoConstruido != 0;
    case Cuando::CorrienteSel:
      return doc.CorrienteSeleccionada() >= 0;
    case Cuando::ServicioSel:
      return doc.ServicioSeleccionado() >= 0;
    case Cuando::CambiadorSel:
      return doc.CambiadorSeleccionado() >= 0;
    case Cuando::Bifurcable:
      return PuedeNuevaBifurcacion(d, doc.CorrienteSeleccionada());
    case Cuando::RamaSel:
      return BifurcacionDe(d, doc.CorrienteSeleccionada()) >= 0;
  }
  return false;
}

bool Puede(const CVardoDoc& doc, const Regla& r) {
  const PuertosDocumento& p = doc.Puertos();
  const FabricaDialogos* f = p.dialogos;
  switch (r.necesita) {
    case Necesita::Nada:
      return true;
    case Necesita::Dialogo:
      return f && f->Disponible(r.dialogo);
    case Necesita::Bifurcacion: {
      const std::int32_t s = doc.CorrienteSeleccionada();
      if (!f || s < 0) return false;
      const bool latente = EsLatente(doc.m_Diagrama.m_corrientes[static_cast<std::size_t>(s)]);
      return f->Disponible(latente ? DialogoId::BifurcarH : DialogoId::Bifurcar);
    }
    case Necesita::Factibilidad:
      return f && f->Disponible(doc.m_bUsarFactibilidad ? DialogoId::Factibilidad
                                                         : DialogoId::FactibilidadVentana);
    case Necesita::Informe:
      return f && p.archivos && f->Disponible(DialogoId::Informe) &&
             f->Disponible(DialogoId::GenerandoInforme);
    case Necesita::Visor:
      return p.visor != nullptr;
  }
  return false;
}

}  // namespace

const std::vector<int>& ComandosDocumento() {
  static const std::vector<int> ids = [] {
    std::vector<int> v;
    for (const Regla& r : kReglas)
      if (r.accion) v.push_back(r.id);
    return v;
  }();
  return ids;
}

bool EsComandoDocumento(int id) {
  const Regla* r = Buscar(id);
  return r && r->accion;
}

EstadoComando EstadoComandoDocumento(const CVardoDoc* doc, int id) {
  EstadoComando e;
  const Regla* r = Buscar(id);
  if (!doc || !r) return e;
  e.habilitado = Se(*doc, r->cuando) && Puede(*doc, *r);
  if (r->marca == Marca::ServiciosVisibles) e.marcado = doc->m_Diagrama.m_serviciosVisibles != 0;
  if (r->marca == Marca::UsarFactibilidad) e.marcado = doc->m_bUsarFactibilidad;
  return e;
}

bool EjecutarComandoDocumento(CVardoDoc& doc, int id) {
  const Regla* r = Buscar(id);
  if (!r || !r->accion || !EstadoComandoDocumento(&doc, id).habilitado) return false;
  (doc.*(r->accion))();
  doc.RevisarSeleccion();
  return true;
}

}  // namespace vardo
