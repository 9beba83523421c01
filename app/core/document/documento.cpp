// The document: undo and redo snapshots, the count panes, the network check
// after an edit, and the document file.
#include "app/core/document/documento.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <new>
#include <system_error>

#include "app/core/document/archivo_nuevo.h"
#include "model/constantes.h"
#include "model/documento_archivo.h"
#include "model/objetivos_area.h"
#include "model/red.h"
#include "platform/core/numtext.h"
#include "platform/core/sustituir.h"

namespace vardo {

namespace fs = std::filesystem;

namespace {

ResultadoArchivo Error(const char* plantilla, const std::string& ruta) {
  return {false, Sustituir(plantilla, ruta)};
}

ResultadoArchivo ErrorLectura(int err, const std::string& ruta) {
  switch (err) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return Error(kMsgNoEncontrado, ruta);
    case EACCES:
    case EPERM:
    case EBUSY:
      return Error(kMsgNoLeer, ruta);
    case EISDIR:
      return {false, kMsgNoAbrir};
    default:
      return Error(kMsgErrorLeer, ruta);
  }
}

ResultadoArchivo ErrorEscritura(int err, const std::string& ruta) {
  switch (err) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return Error(kMsgNoEncontrado, ruta);
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
    case EBUSY:
      return Error(kMsgNoEscribir, ruta);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return {false, kMsgDiscoLleno};
    case EISDIR:
      return {false, kMsgNoGuardar};
    default:
      return Error(kMsgErrorEscribir, ruta);
  }
}

// Closes a descriptor at the end of its scope.
struct Cierre {
  int fd;
  ~Cierre() { ::close(fd); }
};

// Running number of new documents' titles.
int g_sinTitulo = 0;

std::vector<CVardoDoc*>& Abiertos() {
  static std::vector<CVardoDoc*> docs;
  return docs;
}
CVardoDoc* g_activo = nullptr;

PuertosDocumento& Defecto() {
  static PuertosDocumento p;
  return p;
}

bool EsCalentador(const CCambiador& c) {
  return c.ladoCaliente.ref == kRefGenerico || EsServicio(c.ladoCaliente.ref);
}
bool EsEnfriador(const CCambiador& c) {
  return c.ladoFrio.ref == kRefGenerico || EsServicio(c.ladoFrio.ref);
}

// The stored form of a model (the body a file would hold); empty when the
// writer refuses the model.
std::vector<std::uint8_t> Guardado(const CDiagrama& d) {
  CDiagrama copia;
  CopiarModeloCompleto(copia, d);
  try {
    Archive ar;
    copia.Serialize(ar);
    return ar.Bytes();
  } catch (const DocumentoNoGuardable&) {
    return {};
  }
}

}  // namespace

// ------------------------------------------------------------------- files

ResultadoArchivo LeerArchivo(const std::string& ruta, std::vector<std::uint8_t>& bytes) {
  // Without blocking: a pipe or a device must not hold the program waiting.
  const int fd = ::open(ruta.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return ErrorLectura(errno, ruta);
  Cierre cierre{fd};
  struct stat st {};
  if (::fstat(fd, &st) != 0) return ErrorLectura(errno, ruta);
  // Only a regular file can be a document (not a folder, a pipe or a device).
  if (!S_ISREG(st.st_mode)) return {false, kMsgNoAbrir};
  if (st.st_size < 0 || static_cast<std::uint64_t>(st.st_size) > kMaxBytesDocumento)
    return {false, kMsgFormatoNoEsperado};
  std::vector<std::uint8_t> leido;
  try {
    leido.reserve(static_cast<std::size_t>(st.st_size));
    std::uint8_t buf[65536];
    for (;;) {
      const ssize_t n = ::read(fd, buf, sizeof buf);
      if (n < 0) {
        if (errno == EINTR) continue;
        return ErrorLectura(errno, ruta);
      }
      if (n == 0) break;
      // A file that grows while it is read is held to the same bound.
      if (leido.size() + static_cast<std::size_t>(n) > kMaxBytesDocumento)
        return {false, kMsgFormatoNoEsperado};
      leido.insert(leido.end(), buf, buf + n);
    }
  } catch (const std::bad_alloc&) {
    return {false, kMsgNoAbrir};
  }
  bytes.swap(leido);
  return {};
}

ResultadoArchivo EscribirArchivoSeguro(const std::string& ruta,
                                       const std::vector<std::uint8_t>& bytes) {
  ArchivoNuevo archivo(ruta);
  int err = archivo.Crear();
  if (!err) err = archivo.Escribir(bytes.data(), bytes.size());
  if (!err) err = archivo.Reemplazar();
  return err ? ErrorEscritura(err, ruta) : ResultadoArchivo{};
}

// ------------------------------------------------------------------- model

TextosContadores CalcularContadores(CDiagrama& d, bool objetivosAlDia) {
  const bool hayAreas = HayAreasMostradas(d);
  const auto enArea = [&](std::int32_t ref) { return CorrienteEnAreaMostrada(d, ref, true); };

  if (!objetivosAlDia) d.CalcularObjetivos();
  int cambiadores = 0;
  double calentadores = 0.0, enfriadores = 0.0;
  for (const CCambiador& c : d.m_cambiadores) {
    const std::int32_t rc = c.ladoCaliente.ref;
    const std::int32_t rf = c.ladoFrio.ref;
    if (!hayAreas || rc == kRefGenerico || rf == kRefGenerico || enArea(rc) || enArea(rf))
      ++cambiadores;
    if (EsCalentador(c) && (!hayAreas || enArea(rf))) calentadores += c.q;
    if (EsEnfriador(c) && (!hayAreas || enArea(rc))) enfriadores += c.q;
  }
  const std::int32_t nMin = CalcularNMinCambiadores(d, 0, true);
  const double calMin = d.m_cascada.empty() ? 0.0 : d.m_cascada.front();
  const double refMin = d.m_cascada.empty() ? 0.0 : d.m_cascada.back();

  TextosContadores t;
  t.camb = "Camb:" + std::to_string(cambiadores) + "/" + std::to_string(nMin);
  t.cal = "Cal:" + NumTexto(calentadores) + "/" + NumTexto(calMin);
  t.ref = "Ref:" + NumTexto(enfriadores) + "/" + NumTexto(refMin);
  return t;
}

TextosContadores ContadoresVacios() { return {"Camb:0/0", "Cal:0/0", "Ref:0/0"}; }

// ---------------------------------------------------------------- document

CVardoDoc::CVardoDoc() : puertos_(Defecto()) { Abiertos().push_back(this); }

CVardoDoc::~CVardoDoc() {
  auto& v = Abiertos();
  v.erase(std::remove(v.begin(), v.end(), this), v.end());
  if (g_activo == this) g_activo = nullptr;
}

void CVardoDoc::SetPuertosPorDefecto(const PuertosDocumento& p) { Defecto() = p; }
const PuertosDocumento& CVardoDoc::PuertosPorDefecto() { return Defecto(); }

CVardoDoc* CVardoDoc::GetDocActivo() { return g_activo; }

void CVardoDoc::SetDocActivo(CVardoDoc* doc) {
  const auto& v = Abiertos();
  g_activo = std::find(v.begin(), v.end(), doc) != v.end() ? doc : nullptr;
}

const std::vector<CVardoDoc*>& CVardoDoc::Documentos() { return Abiertos(); }

CVardoDoc* CVardoDoc::BuscarPorRuta(const std::string& ruta) {
  std::error_code ec;
  const fs::path buscada = fs::absolute(ruta, ec).lexically_normal();
  for (CVardoDoc* d : Abiertos()) {
    if (d->ruta_.empty()) continue;
    const fs::path p(d->ruta_);
    if (p == buscada) return d;
    std::error_code e2;
    if (fs::equivalent(p, buscada, e2) && !e2) return d;
  }
  return nullptr;
}

void CVardoDoc::SetPathName(const std::string& ruta) {
  std::error_code ec;
  fs::path p = fs::absolute(ruta, ec);
  if (ec) p = ruta;
  p = p.lexically_normal();
  ruta_ = p.string();
  titulo_ = p.stem().string();
}

void CVardoDoc::UpdateAllViews() {
  if (enCambio_ > 0) return;  // the change's own refresh lays the views out once
  if (puertos_.vistas) puertos_.vistas->ActualizarVistas();
}

void CVardoDoc::ReiniciarTitulos() { g_sinTitulo = 0; }

bool CVardoDoc::OnNewDocument() {
  CopiarModeloCompleto(m_Diagrama, CDiagrama());
  m_nModo = kModoNinguno;
  ruta_.clear();
  titulo_ = std::string(kTituloBase) + std::to_string(++g_sinTitulo);
  modificado_ = false;
  UpdateAllViews();
  return true;
}

// ---- file ----

void CVardoDoc::EscribirCampoDTMin() {
  if (puertos_.campoDTMin) puertos_.campoDTMin->SetTexto(NumTexto(m_Diagrama.m_dtMin));
}

void CVardoDoc::TrasCuerpo() {
  m_Diagrama.InvalidarGrafo();
  EscribirCampoDTMin();
  // Reading or writing the body has just computed the targets.
  ActualizarContadores(true);
}

void CVardoDoc::Serialize(Archive& ar) {
  if (ar.IsStoring()) {
    MarcoDocumento marco;
    marco.usarFactibilidad = m_bUsarFactibilidad ? 1u : 0u;
    marco.modo = m_nModo;
    EscribirDocumento(ar, marco, m_Diagrama);
  } else {
    MarcoDocumento marco;
    LeerDocumento(ar, marco, m_Diagrama);  // throws, changing nothing, on a damaged file
    m_bUsarFactibilidad = marco.usarFactibilidad != 0;
    m_nModo = marco.modo;
    m_bRedibujar = marco.redibujar;
  }
  TrasCuerpo();
}

ResultadoArchivo CVardoDoc::Informar(ResultadoArchivo r) {
  if (!r.ok) Ui().Message(r.mensaje, MsgKind::Error);
  return r;
}

ResultadoArchivo CVardoDoc::OnOpenDocument(const std::string& ruta) {
  std::vector<std::uint8_t> bytes;
  ResultadoArchivo r = LeerArchivo(ruta, bytes);
  if (!r.ok) return Informar(r);
  try {
    Archive ar(std::move(bytes));
    Serialize(ar);
  } catch (const FormatError&) {
    return Informar({false, kMsgFormatoNoEsperado});
  } catch (const std::bad_alloc&) {
    return Informar({false, kMsgFormatoNoEsperado});
  }
  deshacer_.clear();
  rehacer_.clear();
  SetPathName(ruta);
  modificado_ = false;
  return {};
}

ResultadoArchivo CVardoDoc::OnSaveDocument(const std::string& ruta) {
  Archive ar;
  try {
    Serialize(ar);
  } catch (const DocumentoNoGuardable& e) {
    // Nothing is written: the file keeps what it held.
    return Informar({false, e.what()});
  }
  ResultadoArchivo r = EscribirArchivoSeguro(ruta, ar.Bytes());
  if (!r.ok) return Informar(r);
  SetPathName(ruta);
  modificado_ = false;
  return {};
}

ResultadoArchivo CVardoDoc::GuardarCopia(const std::string& ruta) const {
  // Written from a whole copy, so that the document's model keeps even the
  // state that writing touches (loop graph, targets).
  CDiagrama copia;
  CopiarModeloCompleto(copia, m_Diagrama);
  MarcoDocumento marco;
  marco.usarFactibilidad = m_bUsarFactibilidad ? 1u : 0u;
  marco.modo = m_nModo;
  try {
    return EscribirArchivoSeguro(ruta, GuardarDocumento(marco, copia));
  } catch (const DocumentoNoGuardable& e) {
    return {false, e.what()};
  }
}

// ---- undo and redo ----

void CVardoDoc::Empujar(std::deque<Instantanea>& pila) {
  pila.emplace_front();
  CopiarModeloCompleto(pila.front().modelo, m_Diagrama);
  pila.front().modo = m_nModo;
  while (pila.size() > static_cast<std::size_t>(kProfundidadDeshacer)) pila.pop_back();
}

void CVardoDoc::GuardarDeshacer(bool limpiarRehacer) {
  Empujar(deshacer_);
  if (limpiarRehacer) rehacer_.clear();
}

void CVardoDoc::GuardarRehacer() { Empujar(rehacer_); }

void CVardoDoc::RestaurarModo(std::int32_t modo) {
  if (modo < kModoNinguno || modo > kModoUltimo) return;
  m_nModo = modo;
  // Every chart depends on the model that comes back: rebuild it.
  if (modo != kModoNinguno && modo != kModoRejilla) m_bRedibujar = true;
}

void CVardoDoc::Restaurar(std::deque<Instantanea>& pila) {
  CopiarModeloCompleto(m_Diagrama, pila.front().modelo);
  RestaurarModo(pila.front().modo);
  pila.pop_front();
  modificado_ = true;
  // The refresh lays the views out too.
  ActualizarContadores();
}

bool CVardoDoc::Deshacer() {
  if (deshacer_.empty()) return false;
  GuardarRehacer();
  Restaurar(deshacer_);
  return true;
}

bool CVardoDoc::Rehacer() {
  if (rehacer_.empty()) return false;
  GuardarDeshacer(false);
  Restaurar(rehacer_);
  return true;
}

// ---- refresh and check ----

void CVardoDoc::CambiarModelo(const std::function<void()>& cambio, bool pasoDeshacer) {
  const std::vector<std::uint8_t> antes = Guardado(m_Diagrama);
  const bool yaModificado = modificado_;
  if (pasoDeshacer) GuardarDeshacer(true);
  ++enCambio_;
  try {
    cambio();
  } catch (...) {
    --enCambio_;
    throw;
  }
  --enCambio_;
  // Steps inside the change (the network check) may have set the mark; it
  // tells whether the stored model changed, nothing else.
  const std::vector<std::uint8_t> despues = Guardado(m_Diagrama);
  modificado_ = yaModificado || despues.empty() || despues != antes;
  ActualizarContadores();
}

void CVardoDoc::ActualizarContadores(bool objetivosAlDia) {
  const bool conCorrientes = !m_Diagrama.m_corrientes.empty();
  if (conCorrientes) {
    const TextosContadores t = CalcularContadores(m_Diagrama, objetivosAlDia);
    if (puertos_.estado) puertos_.estado->SetContadores(t.camb, t.cal, t.ref);
    EscribirCampoDTMin();
  } else if (puertos_.estado) {
    // No stream, no target: the counts of an empty problem.
    const TextosContadores t = ContadoresVacios();
    puertos_.estado->SetContadores(t.camb, t.cal, t.ref);
  }
  if (PuertoPaneles* p = puertos_.paneles) {
    p->ActualizarTablaCorrientes(m_Diagrama);
    p->ActualizarVisorObjetos(m_Diagrama, conCorrientes);
    // Always, so that the bar drops the entry of an area just deleted.
    p->ActualizarBarraAreas(m_Diagrama);
  }
  UpdateAllViews();
}

void CVardoDoc::ComprobarCambiadores() {
  const std::int32_t r = CalcularRed(m_Diagrama);
  // "Corregir" leads into the exchangers dialog, whose own OK checks again.
  if (r == kRedSinAvisos || !MensajeCalculo(r)) UpdateAllViews();
  // Every caller has just changed the model: the document is modified even
  // when the exchangers dialog is then cancelled.
  modificado_ = true;
}

void CVardoDoc::EditarCambiadores(std::int32_t n, std::int32_t modo) {
  DlgCambiadores dlg;
  dlg.cambiador = n;
  dlg.modo = modo;
  CopiarModeloCompleto(dlg.modelo, m_Diagrama);
  if (puertos_.dialogos && puertos_.dialogos->Cambiadores(dlg)) {
    if (modo == 0) {
      // The provisional exchanger must not reach the snapshot.
      DeseleccionarCambiador();
      DeseleccionarCorriente();
      if (!m_Diagrama.m_cambiadores.empty()) m_Diagrama.BorrarCambiador(m_Diagrama.GetNumCambiadores() - 1);
    }
    CambiarModelo([&] {
      m_Diagrama = dlg.modelo;
      m_Diagrama.InvalidarGrafo();
      ComprobarCambiadores();
    });
  } else {
    // Only the provisional exchanger goes: exchangers accepted earlier and
    // not drawn yet (while a chart was shown) stay.
    if (modo == 0 && !m_Diagrama.m_cambiadores.empty()) {
      DeseleccionarCambiador();
      m_Diagrama.BorrarCambiador(m_Diagrama.GetNumCambiadores() - 1);
    }
    // The counts and the browser lose the provisional exchanger too.
    ActualizarContadores();
  }
  RevisarSeleccion();
}

}  // namespace vardo
