// "Coste Mínimo": on a copy of the problem, DT min, the operating cost of each
// utility, the economic parameters and the capital-cost law C = a + b·A^c of
// each stream and utility, with the annual operating, annualised capital and
// total cost targets.
#pragma once
#include "app/core/document/puertos.h"
#include "dialogs/analysis/campos.h"
#include "dialogs/analysis/dlg_objetivos.h"

namespace vardo {

class FabricaDialogosQt;

class CCosteMinimoDlg : public CDialogoObjetivos {
 public:
  static constexpr int kIdDTMin = 1027;
  // Operating cost of a utility.
  static constexpr int kIdServicioOp = 1003;
  static constexpr int kIdSpinServicioOp = 1028;
  static constexpr int kIdNombreServicioOp = 1107;
  static constexpr int kIdCosteServicio = 1106;
  // Capital cost.
  static constexpr int kIdAnos = 1113;
  static constexpr int kIdInteres = 1117;
  static constexpr int kIdLang = 1119;
  static constexpr int kIdCorriente = 1000;
  static constexpr int kIdSpinCorriente = 1025;
  static constexpr int kIdNombreCorriente = 1082;
  static constexpr int kIdA = 1100;  // stream law a, b, c: 1100, 1101, 1102
  static constexpr int kIdServicio = 1002;
  static constexpr int kIdSpinServicio = 1026;
  static constexpr int kIdNombreServicio = 1114;
  static constexpr int kIdAServicio = 1103;  // utility law a, b, c: 1103, 1104, 1105
  static constexpr int kIdCoeficientes = 1109;
  // Results.
  static constexpr int kIdCosteOperacion = 1110;
  static constexpr int kIdCosteInmovilizado = 1111;
  static constexpr int kIdCosteTotal = 1112;
  static constexpr int kIdCalcular = 1015;

  explicit CCosteMinimoDlg(const CDiagrama& modelo, QWidget* parent = nullptr);

 protected:
  void OnInit() override;
  void OnOK() override;
  bool Calcular(Aviso aviso) override;
  void MostrarPrimerServicio() override;

 private:
  void MostrarCorriente(int i);
  // The stream's law and the economic parameters.
  bool GuardarCorriente(int i, Aviso aviso);
  void MostrarLeyServicio(int i);
  bool GuardarLeyServicio(int i, Aviso aviso);
  void MostrarCosteServicio(int i);
  bool GuardarCosteServicio(int i, Aviso aviso);
  void VerCoeficientesTC();

  Selector corrientes_;
  Selector leyes_;
  Selector costes_;
};

bool EjecutarCosteMinimo(QWidget* padre, DlgCosteMinimo& d);
void RegistrarCosteMinimo(FabricaDialogosQt& fabrica);

}  // namespace vardo
