// A file written beside its target and put in its place only once whole:
// until Reemplazar the target keeps what it held, so a failure, a cancel or
// a crash leaves it as it was.
//
// The bytes go to an unnamed file in the target's folder (O_TMPFILE), which
// a crash leaves nowhere. A link cannot replace a name, so Reemplazar links
// the finished file under a short temporary name and renames that over the
// target. Where the file system has no unnamed files (or /proc is missing,
// through which the file is linked), the bytes go to a hidden temporary file
// of a short name instead, removed on failure; another process's leftovers
// are never deleted by name. Either way the temporary name is short, so a
// target of the longest name the file system allows can be written.
// After the rename the folder is synced, so that a power cut keeps the new
// file under its name.
//
// Each step answers 0 or the errno of its failure; after a failure the later
// steps do nothing and answer that errno again. The destructor drops an
// unfinished file; the target is never touched then.
#pragma once
#include <cstddef>
#include <string>

namespace vardo {

// 0 when a file could be written at ruta now, without touching anything: an
// existing target (a link is followed) is a regular file this user may
// write, otherwise its folder exists and may be written. Otherwise the errno
// that writing would meet: EISDIR for a folder in the way, EINVAL for a
// device, a pipe or another kind of file that is not replaced.
int ComprobarEscribible(const std::string& ruta);

class ArchivoNuevo {
 public:
  explicit ArchivoNuevo(std::string ruta);
  ~ArchivoNuevo();
  ArchivoNuevo(const ArchivoNuevo&) = delete;
  ArchivoNuevo& operator=(const ArchivoNuevo&) = delete;

  // Checks the target and opens the temporary file. A replaced file keeps
  // its permissions; a new one gets the usual ones.
  int Crear();
  int Escribir(const void* datos, std::size_t n);
  // The bytes on the disk (fsync). Reemplazar does it when not done, but a
  // set of files is best finished whole before any of them replaces its
  // target.
  int Terminar();
  // The file under the target's name; the folder synced.
  int Reemplazar();

  const std::string& Ruta() const { return ruta_; }

 private:
  int Fallo(int err);
  void Soltar();

  std::string ruta_;     // as given, for messages
  std::string destino_;  // the file replaced (a link's target)
  std::string carpeta_;
  std::string temporal_;  // the named temporary file, when there is one
  int fd_ = -1;
  bool sinNombre_ = false;
  bool terminado_ = false;
  bool reemplazado_ = false;
  int error_ = 0;
};

}  // namespace vardo
