#include "model/area_integridad.h"

#include <utility>
#include <vector>

#include "model/constantes.h"

namespace vardo {

namespace {
bool Dentro(std::int32_t i, std::size_t n) { return i >= 0 && static_cast<std::size_t>(i) < n; }
}  // namespace

std::int32_t CAreaIntegridad::GetCorriente(std::int32_t i) const {
  if (!Dentro(i, corrientes.size())) return -1;
  return static_cast<std::int32_t>(corrientes[static_cast<std::size_t>(i)]);
}

void CAreaIntegridad::SetCorriente(std::int32_t valor, std::int32_t i) {
  if (!Dentro(i, corrientes.size())) return;
  corrientes[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(valor);
}

void CAreaIntegridad::AddCorriente(std::int32_t valor) {
  corrientes.push_back(static_cast<std::uint32_t>(valor));
}

void CAreaIntegridad::QuitarCorriente(std::int32_t i) {
  if (!Dentro(i, corrientes.size())) return;
  corrientes.erase(corrientes.begin() + i);
}

void CAreaIntegridad::Copiar(const CAreaIntegridad& otra) {
  if (this == &otra) return;
  nombre = otra.nombre;
  color = otra.color;
  QuitarTodas();
  for (auto ref : otra.corrientes) corrientes.push_back(ref);
  mostrada = otra.mostrada;
}

void CAreaIntegridad::Serialize(Archive& ar) {
  if (ar.IsStoring()) {
    ar.WriteUInt32(color);
    ar.WriteString(nombre);
    ar.WriteInt32(mostrada);
    // Utilities as the file numbers them (1000 + k).
    std::vector<std::uint32_t> enArchivo(corrientes);
    for (std::uint32_t& m : enArchivo)
      m = static_cast<std::uint32_t>(RefEnArchivo(static_cast<std::int32_t>(m)));
    ar.IoArray(enArchivo);
    return;
  }
  // Read into temporaries so a damaged archive leaves the area as it was.
  const Rgb c = ar.ReadUInt32();
  std::string n = ar.ReadString();
  const std::int32_t m = ar.ReadInt32();
  std::vector<std::uint32_t> miembros;
  ar.IoArray(miembros);
  for (std::uint32_t& m : miembros) m = static_cast<std::uint32_t>(RefDeArchivo(m));
  color = c;
  nombre = std::move(n);
  mostrada = m;
  corrientes = std::move(miembros);
}

}  // namespace vardo
