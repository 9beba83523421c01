// "Servicios Generales": the sheet in which the engineer defines the
// utilities ("Añadir"), shares the heating and cooling duty among them
// against the grand composite curve ("Combinar") and costs them ("Costes").
// The sheet and each page work on copies of the model: a page takes the
// sheet's copy when it becomes active and gives its own back when it is
// left; the caller takes the sheet's copy on OK.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/core/document/puertos.h"
#include "app/core/entry/servicios_generales.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

class Barrion;
class Celdix;
class FabricaDialogosQt;
class QtDc;

// "Añadir": the utilities in an editable table and, above it, the process
// grand composite curve with the utility selected in the table.
class CAddSGDlg : public kit::Page {
 public:
  static constexpr int kIdTabla = 1040;
  static constexpr int kIdGrafico = 1067;

  explicit CAddSGDlg(CDiagrama& hoja);
  CDiagrama m_diagrama;

  // The utilities the table lists, one per data row, as last filled.
  const std::vector<std::int32_t>& Listados() const { return listados_; }

 protected:
  void OnInit() override;
  void OnSetActive() override;
  bool OnKillActive() override;

 private:
  Celdix& Tabla() const;
  void LlenarTabla();
  // Reads the table back into the page's copy. A temperature the number
  // rule refuses changes nothing: the table is filled again from the copy
  // (the cell shows its previous text), the message is shown and the answer
  // is false.
  bool LeerTabla();
  void Dibujar(QtDc& dc);
  // The utility named in the selected row, -1 when none.
  std::int32_t ServicioSeleccionado() const;
  void OnTablaModificada();
  void OnNuevaLinea();
  void OnBorrarLinea();
  void OnTablaPegada();
  void OnDobleClic();

  CDiagrama& hoja_;
  std::vector<std::int32_t> listados_;
  // The rows as the page last wrote them.
  std::vector<FilaServicio> escritas_;
};

// "Combinar": one bar per listed utility, heating and cooling in two
// panels, with the totals against the minimum utilities and the plot of
// both grand composite curves. With "Ajustar Curva de Servicios y de
// Proceso" set, a change that makes the utilities cross the process curve
// is refused with a beep.
class CCombinarSGDlg : public kit::Page {
 public:
  static constexpr int kIdTotalCalor = 1012;
  static constexpr int kIdTotalFrio = 1013;
  static constexpr int kIdGrafico = 1067;
  static constexpr int kIdCalor = 1072;
  static constexpr int kIdFrio = 1075;
  static constexpr int kIdAjustar = 1095;

  explicit CCombinarSGDlg(CDiagrama& hoja);
  CDiagrama m_diagrama;

 protected:
  void OnSetActive() override;
  bool OnKillActive() override;

 private:
  Barrion& Panel(bool frio) const;
  void ConstruirPaneles();
  void VaciarPaneles();
  void EscribirCargas();
  void LeerCargas();
  void ActualizarTotales();
  // The change the user just made to a bar, kept only while the curves
  // fit; true when the new loads stand as read.
  bool CambioAjustado();
  void OnCambiado();
  void OnAjustar();
  void Dibujar(QtDc& dc);

  CDiagrama& hoja_;
  bool ajustar_ = false;
  // Set while the page writes into the panels, whose change events are
  // then not the user's.
  bool ocupado_ = false;
  std::vector<double> guardadas_;
};

// "Costes": unit costs, film coefficients and cost laws of the utilities,
// and what their loads cost per year.
class COptimizarSGDlg : public kit::Page {
 public:
  static constexpr int kIdCombinacion = 1073;
  static constexpr int kIdCostes = 1075;
  static constexpr int kIdTotalCalor = 1076;
  static constexpr int kIdTotalFrio = 1077;
  static constexpr int kIdTotal = 1078;

  explicit COptimizarSGDlg(CDiagrama& hoja);
  CDiagrama m_diagrama;

 protected:
  void OnInit() override;
  void OnSetActive() override;
  bool OnKillActive() override;

 private:
  Celdix& Tabla(int id) const;
  void Llenar();
  // Reads the costs table into the utilities by the number rule (finite
  // costs and cost laws, film coefficients above 0). A cell it refuses
  // changes nothing: the tables are filled again, the message is shown and
  // the answer is false.
  bool LeerTabla();
  void FilasFijas();

  CDiagrama& hoja_;
  // The number cells (unit cost, h, a, b, c) of each row as last written.
  std::vector<std::vector<std::string>> escritas_;
};

class CServGenSheet : public kit::PropertySheet {
 public:
  // pagina: 1 "Añadir", 2 "Combinar", 3 "Costes"; any other the first.
  explicit CServGenSheet(std::int32_t pagina, QWidget* parent = nullptr);

  CDiagrama m_diagrama;
  CAddSGDlg m_add;
  CCombinarSGDlg m_combinar;
  COptimizarSGDlg m_costes;
};

// Runs the sheet on its record; true for OK with the record's model changed.
bool EjecutarServicios(QWidget* padre, DlgServicios& d);

void RegistrarServicios(FabricaDialogosQt& fabrica);

}  // namespace vardo
