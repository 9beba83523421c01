#include "app/core/document/archivo_nuevo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace vardo {

namespace fs = std::filesystem;

namespace {

// What writing at ruta would replace: the file a link names, whether it
// exists, its kind and permissions; 0 or the errno that refuses it.
int Resolver(const std::string& ruta, std::string& destino, bool& existe, mode_t& modo) {
  std::error_code ec;
  fs::path p(ruta);
  // Writing through a link replaces the file it names, not the link.
  if (fs::is_symlink(p, ec)) {
    fs::path real = fs::canonical(p, ec);
    if (!ec) p = real;
  }
  destino = p.string();
  struct stat st {};
  existe = ::stat(destino.c_str(), &st) == 0;
  if (!existe) return errno == ENOENT ? 0 : errno;
  modo = st.st_mode;
  if (S_ISDIR(st.st_mode)) return EISDIR;
  // A device, a pipe or a socket is not ours to replace with a file.
  if (!S_ISREG(st.st_mode)) return EINVAL;
  if (::access(destino.c_str(), W_OK) != 0) return errno;
  return 0;
}

std::string Carpeta(const std::string& destino) {
  const fs::path p(destino);
  return p.has_parent_path() ? p.parent_path().string() : std::string(".");
}

// A short temporary name in the folder, new at each call.
std::string NombreTemporal(const std::string& carpeta) {
  static std::atomic<unsigned> contador{0};
  return carpeta + "/.vardo-" + std::to_string(::getpid()) + "-" + std::to_string(contador++) +
         ".tmp";
}

std::string EnProc(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

void SincronizarCarpeta(const std::string& carpeta) {
  const int fd = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  // The new file is in place whatever this answers: a folder that cannot be
  // synced (some file systems refuse) changes nothing for the user.
  (void)::fsync(fd);
  ::close(fd);
}

}  // namespace

int ComprobarEscribible(const std::string& ruta) {
  std::string destino;
  bool existe = false;
  mode_t modo = 0;
  if (const int err = Resolver(ruta, destino, existe, modo)) return err;
  if (existe) return 0;
  const std::string carpeta = Carpeta(destino);
  struct stat st {};
  if (::stat(carpeta.c_str(), &st) != 0) return errno;
  if (!S_ISDIR(st.st_mode)) return ENOTDIR;
  return ::access(carpeta.c_str(), W_OK | X_OK) == 0 ? 0 : errno;
}

ArchivoNuevo::ArchivoNuevo(std::string ruta) : ruta_(std::move(ruta)) {}

ArchivoNuevo::~ArchivoNuevo() { Soltar(); }

void ArchivoNuevo::Soltar() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temporal_.empty()) ::unlink(temporal_.c_str());
  temporal_.clear();
}

int ArchivoNuevo::Fallo(int err) {
  error_ = err;
  Soltar();
  return err;
}

int ArchivoNuevo::Crear() {
  if (error_ || fd_ >= 0 || reemplazado_) return error_;
  bool existe = false;
  mode_t modo = 0;
  if (const int err = Resolver(ruta_, destino_, existe, modo)) return Fallo(err);
  carpeta_ = Carpeta(destino_);

  fd_ = ::open(carpeta_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd_ >= 0) {
    // The file is linked later through /proc: without it, a named file.
    char enlace[16];
    if (::readlink(EnProc(fd_).c_str(), enlace, sizeof enlace) > 0) {
      sinNombre_ = true;
    } else {
      ::close(fd_);
      fd_ = -1;
    }
  }
  for (int intento = 0; fd_ < 0 && intento < 100; ++intento) {
    temporal_ = NombreTemporal(carpeta_);
    fd_ = ::open(temporal_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0) {
      const int err = errno;
      temporal_.clear();
      if (err != EEXIST) return Fallo(err);
    }
  }
  if (fd_ < 0) return Fallo(EEXIST);
  if (existe) (void)::fchmod(fd_, modo & 07777);
  return 0;
}

int ArchivoNuevo::Escribir(const void* datos, std::size_t n) {
  if (error_) return error_;
  if (fd_ < 0 || terminado_) return Fallo(EBADF);
  const auto* p = static_cast<const char*>(datos);
  while (n > 0) {
    const ssize_t k = ::write(fd_, p, n);
    if (k < 0) {
      if (errno == EINTR) continue;
      return Fallo(errno);
    }
    p += k;
    n -= static_cast<std::size_t>(k);
  }
  return 0;
}

int ArchivoNuevo::Terminar() {
  if (error_ || terminado_) return error_;
  if (fd_ < 0) return Fallo(EBADF);
  if (::fsync(fd_) != 0 && errno != EINVAL) return Fallo(errno);
  if (!sinNombre_) {
    const int r = ::close(fd_);
    fd_ = -1;
    if (r != 0) return Fallo(errno);
  }
  terminado_ = true;
  return 0;
}

int ArchivoNuevo::Reemplazar() {
  if (reemplazado_) return 0;
  if (const int err = Terminar()) return err;
  if (sinNombre_) {
    for (int intento = 0; temporal_.empty() && intento < 100; ++intento) {
      const std::string nombre = NombreTemporal(carpeta_);
      if (::linkat(AT_FDCWD, EnProc(fd_).c_str(), AT_FDCWD, nombre.c_str(), AT_SYMLINK_FOLLOW) == 0)
        temporal_ = nombre;
      else if (errno != EEXIST)
        return Fallo(errno);
    }
    if (temporal_.empty()) return Fallo(EEXIST);
    ::close(fd_);
    fd_ = -1;
  }
  if (::rename(temporal_.c_str(), destino_.c_str()) != 0) return Fallo(errno);
  temporal_.clear();
  reemplazado_ = true;
  SincronizarCarpeta(carpeta_);
  return 0;
}

}  // namespace vardo
