// A small disk: a tmpfs of a given size mounted on a fresh folder while the
// object lives, so that writes past its size fail as on a full disk
// (ENOSPC). Mounting needs root; Montado() tells. Where it cannot be mounted,
// LimiteTamano makes writes past a size fail (EFBIG), which the program
// reports as the same full disk.
#pragma once
#include <sys/mount.h>
#include <sys/resource.h>

#include <csignal>

#include <cstddef>
#include <string>

#include "tests/comun/archivos.h"

namespace vardo::prueba {

class DiscoPequeno {
 public:
  explicit DiscoPequeno(std::size_t bytes) {
    const std::string opciones = "size=" + std::to_string(bytes) + ",mode=0700";
    montado_ = ::mount("tmpfs", carpeta_.ruta().c_str(), "tmpfs", MS_NOSUID | MS_NODEV,
                       opciones.c_str()) == 0;
  }
  ~DiscoPequeno() {
    if (montado_) ::umount2(carpeta_.ruta().c_str(), MNT_DETACH);
  }
  DiscoPequeno(const DiscoPequeno&) = delete;
  DiscoPequeno& operator=(const DiscoPequeno&) = delete;

  bool Montado() const { return montado_; }
  const Carpeta& carpeta() const { return carpeta_; }

 private:
  Carpeta carpeta_;
  bool montado_ = false;
};

// While it lives, no file of this process grows past the given size: the
// write fails with EFBIG instead of raising SIGXFSZ.
class LimiteTamano {
 public:
  explicit LimiteTamano(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &antes_);
    senal_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit l = antes_;
    l.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &l);
  }
  ~LimiteTamano() {
    ::setrlimit(RLIMIT_FSIZE, &antes_);
    std::signal(SIGXFSZ, senal_);
  }
  LimiteTamano(const LimiteTamano&) = delete;
  LimiteTamano& operator=(const LimiteTamano&) = delete;

 private:
  rlimit antes_{};
  void (*senal_)(int) = SIG_DFL;
};

}  // namespace vardo::prueba
