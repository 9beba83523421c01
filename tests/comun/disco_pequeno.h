// A small disk: a tmpfs of a given size mounted on a fresh folder while the
// object lives, so that writes past its size fail as on a full disk
// (ENOSPC). Mounting needs root, as CI runs; Montado() tells.
#pragma once
#include <sys/mount.h>

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

}  // namespace vardo::prueba
