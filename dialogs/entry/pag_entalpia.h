// "Entalpía", the second page of the streams sheet: the temperature–enthalpy
// table of the current stream in the grid control, typed or computed from a
// fitted function by the function table, with a preview chart beside it.
// Only a stream of variable m·cp is edited here; a linear stream's two
// points are shown read-only. Leaving the page checks the table (monotonic
// temperatures and enthalpies, enthalpies signed by the direction).
#pragma once
#include <cstdint>
#include <string>

#include "app/core/charts/grafica.h"
#include "controls/functable/tabulix.h"
#include "controls/grid/celdix.h"
#include "dialogs/entry/hoja_corrientes.h"

namespace vardo {

// Shown when the table of a linear stream is to be changed.
inline constexpr const char* kMsgTablaSoloLectura =
    "Esta tabla de entalpías es de sólo lectura y no se puede modificar\n\n"
    "Para poder editarla, debe definir la corriente como no lineal en la página \"Principal\"";
inline constexpr const char* kMsgDosFilas = "Esta tabla debe tener al menos dos filas de datos";

class CAjusteHDlg : public CPaginaCorrientes {
 public:
  static constexpr int kIdGrafica = 1100;
  static constexpr int kIdTabla = 1101;
  static constexpr int kIdModoTabla = 1102;
  static constexpr int kIdModoFuncion = 1103;
  static constexpr int kIdHdeT = 1104;
  static constexpr int kIdTdeH = 1105;
  static constexpr int kIdFuncion = 1106;
  // The preview is drawn once, this long after the table was loaded.
  static constexpr int kIdTemporizador = 12345;
  static constexpr int kRetardoMs = 100;

  explicit CAjusteHDlg(DatosHojaCorrientes& hoja);

  // The preview as last drawn (series, points, scales).
  const CGrafica& Grafica() const { return grafica_; }
  bool GraficaDibujada() const { return dibujada_; }

 protected:
  void OnInit() override;
  void OnSetActive() override;
  bool OnKillActive() override;

 private:
  Celdix& Tabla() const { return *Get<Celdix>(kIdTabla); }
  Tabulix& Funcion() const { return *Get<Tabulix>(kIdFuncion); }
  // The stream shown: the current one, its split's whole stream, or a new
  // stream's when there is no current stream.
  const CCorriente& Fuente() const;
  bool FuenteLineal() const { return Fuente().m_lineal != 0; }
  bool ModoFuncion() const { return Checked(kIdModoFuncion); }

  void MostrarTabla();
  void MostrarFuncion();
  void ActualizarDesdeFuncion();
  // Whether the computed function table differs from the stream's points.
  bool FuncionCambiada() const;
  void DibujarGrafica();
  void ComprobarTabla();
  void GuardarTabla();
  void OnTablaModificada();
  void OnNuevaLinea();
  void OnBorrarLinea();

  CGrafica grafica_;
  bool dibujada_ = false;
  // The function the table shown was computed from: the stream's, or the
  // one of the function table's last computation once it filled the grid.
  std::string ajusteTabla_;
};

}  // namespace vardo
