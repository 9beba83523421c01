// "Definir Servicio": a utility's temperature–enthalpy curve as a table of
// points, checked and stored normalised (0 to +1 cooling, 0 to -1 heating)
// on OK; and "Función de Ajuste", which turns a formula into that table.
#pragma once
#include "app/core/charts/tabla_puntos.h"
#include "model/servicios.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

class Celdix;

class CDefinirServicioDlg : public kit::Dialog {
 public:
  static constexpr int kIdTabla = 1040;
  static constexpr int kIdFuncion = 1041;

  explicit CDefinirServicioDlg(const CServicios& servicio, QWidget* parent = nullptr);

  // The utility being defined; on OK it holds the checked curve.
  CServicios m_servicio;
  Celdix& Tabla() const;
  // Writes the rows into the table; a cell left as written here is taken as
  // it is on OK.
  void EscribirTabla(const TablaPuntos& filas);

 protected:
  void OnInit() override;
  void OnOK() override;

 private:
  // Every cell by the number rule: temperatures above 0 K, enthalpies
  // finite; a cell that still holds what the dialog wrote there is taken as
  // it is. False, with the message and the refused cell opened, when one is
  // refused.
  bool ComprobarCeldas();
  void ComprobarYGuardar();
  void OnNuevaLinea();
  void OnBorrarLinea();

  // The rows as the dialog wrote them; after the grid deleted a row nobody
  // knows which, and every cell is checked.
  TablaPuntos escritas_;
  bool escritasConocidas_ = true;
};

class CFuncionAjusteDlg : public kit::Dialog {
 public:
  static constexpr int kIdTabulix = 1050;
  static constexpr int kIdHT = 1051;  // "H = f(T)"; "T = f(H)" follows it
  static constexpr int kIdTH = 1052;

  explicit CFuncionAjusteDlg(CDefinirServicioDlg& propietario);

 protected:
  void OnInit() override;
  void OnOK() override;

 private:
  CDefinirServicioDlg& m_propietario;
  bool m_tablaLista = false;
};

// Runs "Definir Servicio" on a utility; true for OK with the utility
// replaced by the defined one.
bool EjecutarDefinirServicio(QWidget* padre, CServicios& servicio);

}  // namespace vardo
