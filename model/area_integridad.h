// Integrity area: a named, coloured group of streams and utilities analysed by
// itself. While any area is shown, only the streams of shown areas take part in
// the targets (a stream's own area index decides).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/archive.h"
#include "platform/core/types.h"

namespace vardo {

class CAreaIntegridad {
 public:
  std::int32_t mostrada = 0;  // non-zero: shown, takes part in the targets
  std::string nombre;         // UTF-8
  Rgb color = 0;
  // Stream references of the members: a process stream, kRefServicio + k
  // utility k (the file numbers it 1000 + k).
  std::vector<std::uint32_t> corrientes;

  const std::string& GetNombre() const { return nombre; }
  void SetNombre(const std::string& n) { nombre = n; }

  std::int32_t GetNumCorrientes() const { return static_cast<std::int32_t>(corrientes.size()); }
  // The i-th member; -1 when i is out of range.
  std::int32_t GetCorriente(std::int32_t i) const;
  // Sets the i-th member; ignored when i is out of range.
  void SetCorriente(std::int32_t valor, std::int32_t i);
  void AddCorriente(std::int32_t valor);
  // Removes the i-th member, the rest move down; ignored when out of range.
  void QuitarCorriente(std::int32_t i);
  void QuitarTodas() { corrientes.clear(); }

  // Takes name, colour, members and shown flag from another area.
  void Copiar(const CAreaIntegridad& otra);

  // Stored form: colour, name, shown flag, member count, members. On a damaged
  // archive throws FormatError and leaves the record unchanged.
  void Serialize(Archive& ar);

  friend bool operator==(const CAreaIntegridad&, const CAreaIntegridad&) = default;
};

}  // namespace vardo
