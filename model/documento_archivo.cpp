#include "model/documento_archivo.h"

#include <string>

#include "model/constantes.h"

namespace vardo {

namespace {

constexpr const char* kMsgNoGuardable = "El documento no se ha guardado: ";
constexpr const char* kMotivoGeneral = "contiene datos que no se podrían volver a leer";
// The size limit of the reader, in the user's units.
constexpr const char* kMotivoTamano =
    "ocuparía más de 64 MB, el tamaño mayor de un documento que se puede volver a abrir.";
static_assert(kMaxBytesDocumento == 64ull << 20, "the message names the limit");

// Bytes of the framing words before the body.
constexpr std::uint64_t kBytesMarco = 8;

// The file names a process stream only below 1000 (above, it names a
// utility): a stream past that on an exchanger's side or in an area would
// read back as another record.
void ComprobarReferencias(const CDiagrama& d) {
  for (std::size_t i = 0; i < d.m_cambiadores.size(); ++i) {
    const CCambiador& c = d.m_cambiadores[i];
    for (std::int32_t ref : {c.ladoCaliente.ref, c.ladoFrio.ref})
      if (!RefNombrableEnArchivo(ref))
        throw DocumentoNoGuardable(std::string(kMsgNoGuardable) + "el cambiador " +
                                   std::to_string(i + 1) + " está en la corriente " +
                                   std::to_string(ref + 1) + ", y el archivo solo puede guardar " +
                                   "cambiadores en las corrientes 1 a 1000.");
  }
  for (std::size_t a = 0; a < d.m_areas.size(); ++a)
    for (std::uint32_t m : d.m_areas[a].corrientes)
      if (!RefNombrableEnArchivo(static_cast<std::int32_t>(m)))
        throw DocumentoNoGuardable(std::string(kMsgNoGuardable) + "el área de integridad " +
                                   std::to_string(a + 1) + " incluye la corriente " +
                                   std::to_string(m + 1) + ", y el archivo solo puede guardar " +
                                   "en las áreas las corrientes 1 a 1000.");
}

// The reader's own checks of a written body: the references the file cannot
// name, the size of the file it makes, then the body read back.
void ComprobarLegible(const CDiagrama& d, const std::vector<std::uint8_t>& cuerpo) {
  ComprobarReferencias(d);
  if (kBytesMarco + cuerpo.size() > kMaxBytesDocumento)
    throw DocumentoNoGuardable(std::string(kMsgNoGuardable) + kMotivoTamano);
  try {
    Archive lector(cuerpo);
    CDiagrama leido;
    leido.LeerCuerpo(lector);
  } catch (const CuerpoIlegible& e) {
    const std::string& motivo = e.Motivo().empty() ? std::string(kMotivoGeneral) : e.Motivo();
    throw DocumentoNoGuardable(kMsgNoGuardable + motivo + ".");
  } catch (const FormatError&) {
    throw DocumentoNoGuardable(std::string(kMsgNoGuardable) + kMotivoGeneral + ".");
  }
}

}  // namespace

void EscribirDocumento(Archive& ar, const MarcoDocumento& marco, CDiagrama& diagrama) {
  Archive cuerpo;
  diagrama.Serialize(cuerpo);
  ComprobarLegible(diagrama, cuerpo.Bytes());
  ar.WriteUInt32(marco.usarFactibilidad);
  ar.WriteUInt32(static_cast<std::uint32_t>(marco.modo));
  ar.WriteRaw(cuerpo.Bytes().data(), cuerpo.Bytes().size());
  // The next loop search rebuilds its node matrix.
  diagrama.InvalidarGrafo();
}

void LeerDocumento(Archive& ar, MarcoDocumento& marco, CDiagrama& diagrama) {
  MarcoDocumento leido;
  leido.usarFactibilidad = ar.ReadUInt32();
  const std::uint32_t modo = ar.ReadUInt32();
  if (modo >= 1 && modo <= kModoMaximo) {
    leido.modo = static_cast<std::int32_t>(modo);
    leido.redibujar = true;
  }
  // The highlight is reset before the body is read; a refused body puts it
  // back, so a failed read changes nothing.
  const std::int32_t resaltadoAntes = diagrama.m_cambiadorResaltado;
  diagrama.m_cambiadorResaltado = -1;
  try {
    diagrama.Serialize(ar);
  } catch (...) {
    diagrama.m_cambiadorResaltado = resaltadoAntes;
    throw;
  }
  marco = leido;
}

std::vector<std::uint8_t> GuardarDocumento(const MarcoDocumento& marco, CDiagrama& diagrama) {
  Archive ar;
  EscribirDocumento(ar, marco, diagrama);
  return ar.Bytes();
}

void CargarDocumento(const std::vector<std::uint8_t>& bytes, MarcoDocumento& marco,
                     CDiagrama& diagrama) {
  Archive ar(bytes);
  LeerDocumento(ar, marco, diagrama);
}

}  // namespace vardo
