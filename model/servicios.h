// One utility: a stream whose points hold the shape of its curve normalised to
// a total enthalpy of magnitude 1; its actual heat is that shape times its load.
// It also keeps a copy of the process heat cascade to find the largest load the
// process can take from it.
#pragma once
#include <cstdint>
#include <vector>

#include "model/corriente.h"

namespace vardo {

class CServicios : public CCorriente {
 public:
  CServicios();
  // Copies the stream part and the three doubles; the cascade lists are not
  // copied (a copy starts with empty ones, an assigned one keeps its own).
  CServicios(const CServicios& o);
  CServicios& operator=(const CServicios& o);
  ~CServicios() override;

  const char* NombreClase() const override { return "CServicios"; }
  void Serialize(Archive& ar) override;
  // Load-scaled enthalpy at T (kTSentinel: the load with its sign).
  double GetH(double T, std::int32_t lado) const override;
  // Load-scaled mean m·cp over [T1, T2]; -1.0 for a latent utility.
  double GetCP(double T1, double T2) const override;

  // Cascade list (hides the stream's BorrarPuntos, which empties the points).
  void BorrarPuntos();
  void AnadirPunto(double calor, double T);
  // Divides every enthalpy by the magnitude of the last one.
  void NormalizarEntalpia();
  // Cascade heat at T (shifted scale); 0 without a cascade.
  double Interpolar(double T) const;
  // Largest load the process can take without crossing its cascade.
  void CalcularEntalpiaMaxima();

  double m_entalpiaMaxima = 0.0;  // kW
  double m_carga = 0.0;           // load, kW
  double m_coste = 0.0;           // unit cost, $/(kW·year)
  std::vector<double> m_cascadaH;  // cascade heats
  std::vector<double> m_cascadaT;  // cascade temperatures, shifted, highest first
};

}  // namespace vardo
