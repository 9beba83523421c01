// Heat exchanger of the designed network: how the engineer specified it, a
// snapshot of the two streams it joins, the duty and end temperatures the
// calculation derives, its display format and where its two ends lie on the
// grid diagram.
//
// The two sides name their streams by stream reference (a process stream,
// kRefServicio + k utility k, -1 the generic utility). The record keeps no
// pointer to any stream or exchanger: the network object resolves references
// and hands the resolved streams to the calculations when it calls them.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/core/archive.h"
#include "platform/core/dc.h"
#include "platform/core/types.h"

namespace vardo {

class CCorriente;

// Codes of the set values.
inline constexpr std::int32_t kModoQ = 0;              // duty given
inline constexpr std::int32_t kModoTemperaturas = 1;   // four temperatures given
inline constexpr std::int32_t kModoCompletarFria = 2;  // duty completes the cold stream
inline constexpr std::int32_t kModoCompletarCaliente = 3;  // duty completes the hot stream

inline constexpr std::int32_t kTipoNinguno = 0;     // end not given
inline constexpr std::int32_t kTipoExtremo = 1;     // the stream's own end
inline constexpr std::int32_t kTipoValor = 2;       // typed temperature
inline constexpr std::int32_t kTipoPinch = 3;       // at a pinch
inline constexpr std::int32_t kTipoCambiador = 4;   // another exchanger's end

// Refusal of an exchanger on a process stream the document file cannot name
// (number 1001 and on): every path that makes or moves an exchanger shows it.
inline constexpr const char* kMsgCambiadorNoGuardable =
    "No es posible definir un cambiador en la corriente 1001 ni en las siguientes: el archivo del "
    "documento solo puede guardar cambiadores en las corrientes 1 a 1000";

// Colour of a selected exchanger (blue).
inline constexpr Rgb kColorSeleccion = MakeRgb(0, 0, 255);

// Snapshot of the stream on one side of an exchanger.
struct LadoCambiador {
  std::int32_t ref = 0;  // stream reference; -1 the generic utility
  double t1 = 0.0;       // supply temperature (K)
  double t2 = 0.0;       // target temperature (K)
  double h = 0.0;        // whole enthalpy (kW)
  double cp = 0.0;       // m·cp over the whole stream (kW/K); -1.0 isothermal
  friend bool operator==(const LadoCambiador&, const LadoCambiador&) = default;
};

class CCambiador {
 public:
  CCambiador() = default;
  // Mode and the five (kind, value) set-value pairs; everything else
  // starts as in the default constructor.
  CCambiador(std::int32_t modo, std::int32_t tipoEntradaCaliente, double valorEntradaCaliente,
             std::int32_t tipoSalidaCaliente, double valorSalidaCaliente,
             std::int32_t tipoEntradaFria, double valorEntradaFria, std::int32_t tipoSalidaFria,
             double valorSalidaFria, std::int32_t tipoQ, double valorQ);

  // Copies carry the set values, sides, results, display format and end
  // rectangles. A copy-constructed exchanger starts with empty working fields;
  // an assigned one keeps its own.
  CCambiador(const CCambiador& o);
  CCambiador& operator=(const CCambiador& o);

  // ---- Set values (copied, stored) ----
  std::int32_t tipoQ = 0;  // 0 none, 1 typed duty, 2 complete cold, 3 complete hot
  std::int32_t tipoEntradaCaliente = 0;
  std::int32_t tipoEntradaFria = 0;
  std::int32_t tipoSalidaCaliente = 0;
  std::int32_t tipoSalidaFria = 0;
  double valorQ = 0.0;  // kW
  double valorEntradaCaliente = 0.0;
  double valorEntradaFria = 0.0;
  double valorSalidaCaliente = 0.0;
  double valorSalidaFria = 0.0;
  std::int32_t modo = 0;  // kModo*

  // ---- Sides (copied, stored) ----
  LadoCambiador ladoCaliente;
  LadoCambiador ladoFrio;

  // ---- Results (copied, stored) ----
  double q = 0.0;  // duty (kW)
  double tEntradaCaliente = 0.0;
  double tSalidaCaliente = 0.0;
  double tEntradaFria = 0.0;
  double tSalidaFria = 0.0;
  std::int32_t calculado = 0;

  // ---- Display format (copied, stored) ----
  std::int32_t verQ = 1;
  std::int32_t verSalidaFria = 1;
  std::int32_t verEntradaFria = 0;
  std::int32_t verSalidaCaliente = 1;
  std::int32_t verEntradaCaliente = 0;
  std::int32_t posicionNumero = 0;  // 0 inside the circle, 1 above it
  double tamano = 6.5;              // circle size (mm)

  // ---- Grid placement (copied, stored); all 0 = not placed ----
  Rect rectCaliente;
  Rect rectFrio;

  // ---- Working fields (neither copied nor stored) ----
  Rgb color = 0;  // kColorSeleccion while selected
  // Exchangers named by kind-4 ends (index into the network's exchangers),
  // -1 while not linked; set and cleared by the network calculation.
  std::int32_t enlaceEntradaCaliente = -1;
  std::int32_t enlaceSalidaCaliente = -1;
  std::int32_t enlaceEntradaFria = -1;
  std::int32_t enlaceSalidaFria = -1;
  double tPinch = 0.0;  // process pinch, shifted scale
  double dtMin = 0.0;
  std::vector<double> pinchesServicio;  // utility pinches, shifted scale

  // ---- Operations ----
  void SetLadoCaliente(std::int32_t ref, double t1, double t2, double h, double cp);
  void SetLadoFrio(std::int32_t ref, double t1, double t2, double h, double cp);

  // Stores the set values; 1 when anything changed, else 0. The duty value
  // counts as a change only while the current mode is 0 or 1.
  int SetEspecificacion(std::int32_t tipoQ, std::int32_t tipoEntradaCaliente,
                        std::int32_t tipoEntradaFria, std::int32_t tipoSalidaCaliente,
                        std::int32_t tipoSalidaFria, std::int32_t reservado1, double valorQ,
                        double valorEntradaCaliente, double valorEntradaFria,
                        double valorSalidaCaliente, double valorSalidaFria, std::int32_t modo,
                        std::int32_t reservado2);

  void SetFormato(std::int32_t verEntradaCaliente, std::int32_t verSalidaCaliente,
                  std::int32_t verEntradaFria, std::int32_t verSalidaFria, std::int32_t verQ,
                  std::int32_t posicionNumero, double tamano);

  // Whether an end temperature is known before the exchanger is calculated.
  int EntradaCalienteConocida() const;
  int SalidaCalienteConocida() const;
  int EntradaFriaConocida() const;
  int SalidaFriaConocida() const;

  // Moves both ends when the grid is rescaled by (fx, fy).
  void Escalar(double fx, double fy);

  // Draws the exchanger on the grid diagram. numero is the index + 1;
  // calienteArriba is 1 when the hot end lies above the cold end. Re-centres
  // and stores the two end rectangles as circles of the display size. An end
  // temperature that would stand on one of the texts `ocupados` (y upwards)
  // is written just above it instead.
  void Dibujar(Dc& dc, int numero, int calienteArriba, const std::vector<Rect>& ocupados = {});

  // The stored form (244 bytes). Loading leaves the working fields alone and,
  // on a damaged archive, throws FormatError with the record unchanged.
  void Serialize(Archive& ar);

  // ---- Calculation (defined with the exchanger calculation) ----
  // caliente/fria are the streams (or utilities) the side references name,
  // resolved by the network object; null for a generic utility side. They are
  // not const: the temperature lookup of a stream refreshes its m·cp.
  // cambiadores is the network's exchanger array, read through the enlace*
  // indices of kind-4 ends; an end whose link names no exchanger is left as
  // it was.
  void Calcular(CCorriente* caliente, CCorriente* fria, const std::vector<CCambiador>& cambiadores);
  void CalcularDesdeEntradaCaliente(CCorriente* caliente,
                                    const std::vector<CCambiador>& cambiadores);
  void CalcularDesdeSalidaCaliente(CCorriente* caliente,
                                   const std::vector<CCambiador>& cambiadores);
  void CalcularDesdeEntradaFria(CCorriente* fria, const std::vector<CCambiador>& cambiadores);
  void CalcularDesdeSalidaFria(CCorriente* fria, const std::vector<CCambiador>& cambiadores);
  // Largest heat moved across the process pinch or a utility pinch (kW).
  double CalorCruce(const CCorriente* caliente, const CCorriente* fria);

 private:
  void IoCampos(Archive& ar);
};

}  // namespace vardo
