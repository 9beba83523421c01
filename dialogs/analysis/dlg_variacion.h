// The dialogs before the view's charts of a target against DT min: the
// range and the number of points, and, on a copy of the problem, the data
// the chart depends on: "Variación con DT mínimo" (utilities, pinch
// temperature, minimum units), "Variación del área mínima de intercambio con
// DT" (film coefficients and the default utilities), "Variación de los
// costes de inmovilizado" and "Variación de los costes totales" (cost laws,
// economic parameters and, for the totals, the unit costs).
#pragma once
#include <vector>

#include "app/core/document/puertos.h"
#include "dialogs/analysis/campos.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

class FabricaDialogosQt;

// The group "Diferencia mínima de temperaturas" from y down: initial and
// final DT min and the number of points. Returns the group's bottom.
int GrupoRangoDT(std::vector<kit::DefControl>& c, int idInicial, int idFinal, int idPuntos, int y,
                 int ancho = 242);
// "Aceptar" (the default) and "Cancelar" at y, at the template's right;
// the template ends below them.
void BotonesAceptarCancelar(kit::Template& t, int y);

class CVariacionDTDlg : public kit::Dialog {
 public:
  static constexpr int kIdInicial = 1074;
  static constexpr int kIdFinal = 1075;
  static constexpr int kIdPuntos = 1000;

  explicit CVariacionDTDlg(DlgVariacionDT& datos, QWidget* parent = nullptr);

 protected:
  void DataExchange(kit::Exchange& dx) override;

 private:
  DlgVariacionDT& datos_;
};

class CVariacionAreaDlg : public kit::Dialog {
 public:
  static constexpr int kIdInicial = 1074;
  static constexpr int kIdFinal = 1075;
  static constexpr int kIdPuntos = 1006;
  static constexpr int kIdCorriente = 1000;
  static constexpr int kIdSpinCorriente = 1025;
  static constexpr int kIdNombre = 1115;
  static constexpr int kIdCoeficiente = 1001;
  static constexpr int kIdTCalefaccion = 1002;
  static constexpr int kIdHCalefaccion = 1003;
  static constexpr int kIdTRefrigeracion = 1004;
  static constexpr int kIdHRefrigeracion = 1005;

  // The range travels as text in the record; the dialog reads it as numbers.
  explicit CVariacionAreaDlg(const DlgVariacionArea& datos, QWidget* parent = nullptr);
  const CDiagrama& Modelo() const { return modelo_; }
  double Inicial() const { return inicial_; }
  double Final() const { return final_; }
  int Puntos() const { return puntos_; }

 protected:
  void DataExchange(kit::Exchange& dx) override;
  void OnInit() override;
  void OnOK() override;

 private:
  void MostrarCorriente(int i);
  bool GuardarCorriente(int i, Aviso aviso);

  CDiagrama modelo_;
  double inicial_;
  double final_;
  int puntos_;
  Selector corrientes_;
};

// Templates 158 (capital costs) and 159 (total costs, with the operating
// cost group).
class CVariacionCosteDlg : public kit::Dialog {
 public:
  static constexpr int kIdInicial = 1074;
  static constexpr int kIdFinal = 1075;
  static constexpr int kIdPuntos = 1006;
  static constexpr int kIdAnos = 1113;
  static constexpr int kIdInteres = 1117;
  static constexpr int kIdLang = 1119;
  static constexpr int kIdCorriente = 1000;
  static constexpr int kIdSpinCorriente = 1025;
  static constexpr int kIdA = 1100;              // stream law 1100..1102
  static constexpr int kIdACalefaccion = 1103;   // heating law 1103..1105
  static constexpr int kIdARefrigeracion = 1106; // cooling law 1106..1108
  static constexpr int kIdCoeficientes = 1109;
  static constexpr int kIdCosteCalefaccion = 1098;
  static constexpr int kIdCosteRefrigeracion = 1099;

  // totales: template 159.
  CVariacionCosteDlg(bool totales, const CDiagrama& modelo, std::string inicial,
                     std::string final, std::int32_t puntos, QWidget* parent = nullptr);
  const CDiagrama& Modelo() const { return modelo_; }
  const std::string& Inicial() const { return inicial_; }
  const std::string& Final() const { return final_; }
  std::int32_t Puntos() const { return puntos_; }

 protected:
  void DataExchange(kit::Exchange& dx) override;
  void OnInit() override;
  void OnOK() override;

 private:
  void MostrarCorriente(int i);
  // The stream's law and every other field of the dialog; false, nothing
  // stored, when one of them holds no number.
  bool Guardar(int i, Aviso aviso);

  bool totales_;
  CDiagrama modelo_;
  std::string inicial_;
  std::string final_;
  std::int32_t puntos_;
  Selector corrientes_;
};

bool EjecutarVariacionDT(QWidget* padre, DlgVariacionDT& d);
bool EjecutarVariacionArea(QWidget* padre, DlgVariacionArea& d);
bool EjecutarVariacionCosteInm(QWidget* padre, DlgVariacionCosteInm& d);
bool EjecutarVariacionCosteTot(QWidget* padre, DlgVariacionCosteTot& d);
void RegistrarVariacion(FabricaDialogosQt& fabrica);

}  // namespace vardo
