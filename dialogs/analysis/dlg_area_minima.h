// "Área mínima de intercambio": on a copy of the problem, DT min and the film
// coefficients of the streams and of the utilities used for targeting, with
// the minimum number of exchangers and the minimum exchange area they give.
#pragma once
#include "app/core/document/puertos.h"
#include "dialogs/analysis/campos.h"
#include "dialogs/analysis/dlg_objetivos.h"

namespace vardo {

class FabricaDialogosQt;

class CAreaMinimaDlg : public CDialogoObjetivos {
 public:
  static constexpr int kIdDTMin = 1027;
  static constexpr int kIdCorriente = 1000;
  static constexpr int kIdSpinCorriente = 1025;
  static constexpr int kIdNombreCorriente = 1115;
  static constexpr int kIdCoefCorriente = 1001;
  static constexpr int kIdEstimarCorriente = 1174;
  static constexpr int kIdServicio = 1002;
  static constexpr int kIdSpinServicio = 1026;
  static constexpr int kIdNombreServicio = 1116;
  static constexpr int kIdCoefServicio = 1003;
  static constexpr int kIdTempServicio = 1004;
  static constexpr int kIdEstimarServicio = 1175;
  static constexpr int kIdNMin = 1006;
  static constexpr int kIdArea = 1007;
  static constexpr int kIdCalcular = 1015;

  explicit CAreaMinimaDlg(const CDiagrama& modelo, QWidget* parent = nullptr);

 protected:
  void OnInit() override;
  void OnOK() override;
  bool Calcular(Aviso aviso) override;
  void MostrarPrimerServicio() override { MostrarServicio(0); }

 private:
  void MostrarCorriente(int i);
  bool GuardarCoeficienteCorriente(int i, Aviso aviso);
  void MostrarServicio(int i);
  bool GuardarServicio(int i, Aviso aviso);
  // The coefficient wizard for a stream (reference < 1000) or a utility.
  void Estimar(std::int32_t ref);

  Selector corrientes_;
  Selector servicios_;
};

bool EjecutarAreaMinima(QWidget* padre, DlgAreaMinima& d);
void RegistrarAreaMinima(FabricaDialogosQt& fabrica);

}  // namespace vardo
