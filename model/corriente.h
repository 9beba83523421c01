// One process stream: a piecewise-linear temperature–enthalpy curve with its
// properties, cost law, grid place and end marks. Utilities (CServicios) and
// the streams embedded in split records derive from it, so GetH and GetCP stay
// virtual.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/archive.h"
#include "platform/core/dc.h"
#include "platform/core/types.h"

namespace vardo {

class CCorriente {
 public:
  // Number of physical properties (1..20) used by the film-coefficient estimate.
  static constexpr int kNumPropiedades = 20;
  // Number of heat-transfer correlations (0..9).
  static constexpr int kNumCorrelaciones = 10;

  CCorriente();
  // Stream from its ends and m·cp (sensible) or its heat (latent).
  CCorriente(double T1, double T2, double valor, std::int32_t fria, std::int32_t latente);
  // Copies every field but the colour; m·cp becomes the source's whole-range
  // GetCP, so a copied utility brings its load-scaled value.
  CCorriente(const CCorriente& o);
  CCorriente& operator=(const CCorriente& o);
  virtual ~CCorriente();

  // Run-time class name used when records are created by name on loading.
  virtual const char* NombreClase() const { return "CCorriente"; }
  virtual void Serialize(Archive& ar);
  // Cumulative enthalpy at T (kTSentinel: the whole stream's heat).
  virtual double GetH(double T, std::int32_t lado) const;
  // Mean m·cp over [T1, T2] (both kTSentinel: the whole range); -1.0 latent.
  virtual double GetCP(double T1, double T2) const;

  // Queries.
  std::int32_t GetNumPuntos() const { return static_cast<std::int32_t>(m_T.size()); }
  // cual = 0: enthalpy of point i; otherwise its temperature.
  double GetPunto(std::int32_t i, std::int32_t cual) const;
  double GetT1() const;
  double GetT2() const;
  // Temperature at cumulative enthalpy H; recomputes m·cp first.
  double GetTEnH(double H);
  std::string GetNombre() const { return m_nombre; }
  std::string GetAjuste() const { return m_ajuste; }
  // End-position code of the supply (T1) or target (T2) end for pinch i;
  // i = -1 asks for the process pinch's entry.
  std::uint32_t GetPosicionT1(std::int32_t i) const;
  std::uint32_t GetPosicionT2(std::int32_t i) const;

  // Interpolation on the point list, without load scaling.
  double InterpolarH(double T, std::int32_t lado) const;
  double InterpolarT(double H) const;

  // Setters; none recomputes anything.
  void SetNombre(const std::string& s) { m_nombre = s; }
  void SetAjuste(const std::string& s) { m_ajuste = s; }
  void SetT1(double T);
  void SetT2(double T);
  void SetHFinal(double H);
  void BorrarPuntos();
  void AddPunto(double T, double H);
  void BorrarPinches();
  void AddPinchServicio(double T);
  void AddPinchServicioInferior(double T);

  // Derived values.
  void CalcularHFinal();
  void CalcularCP();
  void AjustarSignoH();
  void EstimarH();
  void ClasificarExtremos();

  // Draws the stream's row of the grid diagram in its rectangle, labelled by
  // its reference: a stream's number, "C" and the number of a hot utility,
  // "R" and the number of a cold one.
  void Dibujar(Dc& dc, std::int32_t numero) const;
  // Where Dibujar writes the supply and the target temperature on the row,
  // at the Dc's font: two text rectangles (y upwards, top above bottom).
  std::pair<Rect, Rect> RotulosExtremos(Dc& dc) const;
  // x of the line's hot and cold ends on the row.
  void ExtremosFila(std::int64_t& xCaliente, std::int64_t& xFrio) const;

  // The row's line as the last layout drew it (m_rect and the ends
  // classified against its pinch lines): the stretch an exchanger circle may
  // take, from the left end to the right end clear of the number box and the
  // arrow head. Empty until ClasificarExtremos has run.
  struct Tramo {
    std::int64_t izquierda = 0, derecha = 0;
  };
  std::optional<Tramo> TramoDibujado() const;
  // The row's pinch lines, hottest (leftmost) first: x and temperature on
  // the stream's own scale (hot or cold side of each pinch).
  struct LineaPinch {
    std::int64_t x = 0;
    double t = 0.0;
  };
  std::vector<LineaPinch> LineasPinchFila() const;

  // Physical property n (1..20) in the order of the property table.
  double& Propiedad(int n);
  double Propiedad(int n) const;
  // Name shown for correlation c (0..9); empty for any other value.
  static std::string NombreCorrelacion(std::int32_t c);

  // ---- Fields, in declaration order ----
  std::vector<std::uint32_t> m_cambiadores;  // exchangers touching the stream (0-based)
  std::int32_t m_correlacion = -1;           // 0..9, -1 none

  // Properties 1..20.
  double m_k = 0.6;        // thermal conductivity, W/(m·K)
  double m_mu = 0.001;     // viscosity, kg/(m·s)
  double m_rho = 1000.0;   // density, kg/m³
  double m_rhoL = 1000.0;  // liquid density, kg/m³
  double m_rhoV = 1.0;     // vapour density, kg/m³
  double m_Cp = 4180.0;    // heat capacity, J/(kg·K)
  double m_u = 2.0;        // flow velocity, m/s
  double m_D = 0.1;        // pipe diameter, m
  double m_Hv = 20000.0;   // heat of vaporization, J/kg
  double m_sigma = 0.055;  // surface tension, N/m
  double m_pF = 0.01;      // fin spacing, m
  double m_tF = 0.002;     // fin thickness, m
  double m_lF = 0.006;     // fin length, m
  double m_d1 = 0.08;      // inner diameter, m
  double m_d2 = 0.1;       // outer diameter, m
  double m_Dv = 1.0;       // vessel diameter, m
  double m_PP = 0.05;      // plate spacing, m
  double m_L = 0.1;        // agitator diameter, m
  double m_N = 50.0;       // agitator speed, Hz
  double m_Dc = 0.05;      // coil helix diameter, m

  std::int32_t m_mostrarNombre = 0;  // draw the name beside the row (not stored)
  std::string m_ajuste;              // fitted-function text
  std::int32_t m_formaHT = 1;        // 1: H = f(T), 0: T = f(H)
  std::int32_t m_ajustada = 0;       // 1: points come from the fitted function
  std::int32_t m_entalpiaDada = 1;   // 1: heat entered, 0: m·cp entered
  std::int32_t m_lineal = 1;         // 1: two-point stream, 0: table
  double m_dtMin = 0.0;              // DT min copy (not stored)
  double m_mcp = 0.0;                // m·cp, kW/K; -1.0 latent
  std::int32_t m_fria = 1;           // 1 cold (heated), 0 hot (cooled)
  // Set by GetCP on a two-point stream without temperature span.
  mutable std::int32_t m_latente = 0;
  double m_pinch = 0.0;                // process pinch copy, shifted scale (not stored)
  std::vector<double> m_pinchesSup;    // utility pinches above the process pinch (not stored)
  std::vector<double> m_pinchesInf;    // utility pinches below (not stored)
  std::vector<double> m_T{0.0, 1.0};   // point temperatures, supply first, K
  std::vector<double> m_H{0.0, 0.0};   // cumulative enthalpies, kW
  double m_c = 0.7;                    // cost exponent
  double m_b = 920.0;                  // cost factor
  double m_a = 4600.0;                 // cost constant
  double m_h = 2.0;                    // film coefficient, kW/(m²·K)
  std::int32_t m_split = -1;           // split stream index, -1 none
  std::int32_t m_area = -1;            // integrity area, -1 none
  std::string m_nombre;
  Rgb m_color = 0;                     // pen colour on the grid (not stored)
  Rect m_rect;                         // row rectangle on the grid diagram
  std::int32_t m_marcaOrden = 0;       // exchanger-ordering marker (0, 1, 2)
  std::vector<std::uint32_t> m_posicionT2{0};  // target-end code per pinch
  std::vector<std::uint32_t> m_posicionT1{4};  // supply-end code per pinch
  std::int32_t m_serviciosVisibles = 0;        // utilities-shown copy (not stored)
  std::int32_t m_clasificada = 0;  // ends classified for the row's layout (not stored)

 protected:
  // Clamps T into the stream's temperature range (direction of flow).
  double Acotar(double T) const;
  // Point enthalpies on the scale of the virtual whole-range GetH.
  double EscalaEntalpia() const;

 private:
  void CopiarDe(const CCorriente& o);
  // The pinch lines of the row on the shifted scale, hottest first.
  std::vector<double> PinchesFila() const;
};

}  // namespace vardo
