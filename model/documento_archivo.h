// Framing of the document file: two 32-bit words written by the document (the
// option "Usar Factibilidad" and the drawing mode to show) followed by the
// network object's body. The document class and the autosave write and read
// through these functions; opening and saving files is theirs.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "model/diagrama.h"
#include "platform/core/archive.h"

namespace vardo {

// Highest drawing mode a file may ask for; any other word opens in mode 0.
inline constexpr std::uint32_t kModoMaximo = 17;

struct MarcoDocumento {
  std::uint32_t usarFactibilidad = 0;  // any non-zero word counts as on
  std::int32_t modo = 0;               // drawing mode 0..17
  // Set on reading when the mode word asked for a picture (1..17): the view
  // must rebuild it before showing it.
  bool redibujar = false;
};

// Largest file taken for a document. The document keeps 41 whole models (the
// current one and 20 undo and 20 redo snapshots); a document a user builds
// takes some kilobytes (the four-stream sample 1.5 kB), and 64 MiB would hold
// about 200 000 streams, far past what the grid diagram can show. A larger
// file is no document this program wrote: the reader refuses it before
// reading it, and the writer refuses to write one.
inline constexpr std::uint64_t kMaxBytesDocumento = 64ull << 20;

// Every document written reads back: a model whose body the reader would
// refuse is not written, and EscribirDocumento throws this, its what() the
// Spanish message to show.
class DocumentoNoGuardable : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes the two framing words, then the body (which recomputes the targets
// when there are streams); then clears the model's graph-built flag. The
// body is first written apart and read back as a file is read: when the
// reader refuses it, or the file would pass kMaxBytesDocumento, throws
// DocumentoNoGuardable with nothing written to ar.
void EscribirDocumento(Archive& ar, const MarcoDocumento& marco, CDiagrama& diagrama);

// Reads the two framing words and the body. The mode word is filtered: 1..17
// is taken and sets redibujar, anything else gives mode 0. The highlighted
// exchanger is reset before the body is read. On a damaged file throws
// FormatError("Formato de archivo no esperado.") and leaves both the frame and
// the model unchanged.
void LeerDocumento(Archive& ar, MarcoDocumento& marco, CDiagrama& diagrama);

// The same on whole byte buffers.
std::vector<std::uint8_t> GuardarDocumento(const MarcoDocumento& marco, CDiagrama& diagrama);
void CargarDocumento(const std::vector<std::uint8_t>& bytes, MarcoDocumento& marco,
                     CDiagrama& diagrama);

}  // namespace vardo
