// What the pages of the streams sheet hand to each other: the sheet's copy
// of the problem and the current stream. A page takes both when it becomes
// active and gives them back when it is left; between the two it works on
// its own copy.
#pragma once
#include <cstdint>
#include <utility>

#include "model/diagrama.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

struct DatosHojaCorrientes {
  CDiagrama m_diagrama;
  std::int32_t m_corriente = 0;  // index of the current stream
};

class CPaginaCorrientes : public kit::Page {
 public:
  // The page's copy of the problem.
  const CDiagrama& Modelo() const { return modelo_; }

 protected:
  CPaginaCorrientes(kit::Template t, DatosHojaCorrientes& hoja)
      : kit::Page(std::move(t)), hoja_(hoja) {}

  // On activation: the sheet's problem and current stream.
  void TomarDeHoja() {
    modelo_ = hoja_.m_diagrama;
    corriente_ = hoja_.m_corriente;
  }
  // On leaving: the page's problem to the sheet.
  void DevolverAHoja() { hoja_.m_diagrama = modelo_; }
  bool CorrienteValida() const { return corriente_ >= 0 && corriente_ < modelo_.GetNumCorrientes(); }

  DatosHojaCorrientes& hoja_;
  CDiagrama modelo_;
  std::int32_t corriente_ = 0;
};

}  // namespace vardo
