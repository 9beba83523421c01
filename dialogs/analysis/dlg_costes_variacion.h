// The two dialogs before the view's cost sweeps: "Variación de los costes de
// operación" (the DT min range and the unit costs of heating and cooling)
// and "Variación de los costes totales con el flujo de calor" (a loop or
// path of exchangers, built by hand or taken from the loop search, along
// which the heat flow is shifted, and the number of points).
#pragma once
#include <cstdint>
#include <string>

#include "app/core/document/puertos.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

class FabricaDialogosQt;

class CCostesOperacionDlg : public kit::Dialog {
 public:
  static constexpr int kIdInicial = 1074;
  static constexpr int kIdFinal = 1075;
  static constexpr int kIdPuntos = 1006;
  static constexpr int kIdCalefaccion = 1098;
  static constexpr int kIdRefrigeracion = 1099;

  explicit CCostesOperacionDlg(DlgCostesOperacion& datos, QWidget* parent = nullptr);

 protected:
  void DataExchange(kit::Exchange& dx) override;

 private:
  DlgCostesOperacion& datos_;
};

class CCostesTotalesDlg : public kit::Dialog {
 public:
  static constexpr int kIdCambiadores = 1130;
  static constexpr int kIdAnillo = 1131;
  static constexpr int kIdAnadir = 1034;
  static constexpr int kIdQuitar = 1035;
  static constexpr int kIdVaciar = 1036;
  static constexpr int kIdSiguiente = 1161;
  static constexpr int kIdBuscar = 1163;
  static constexpr int kIdAnterior = 1162;
  static constexpr int kIdPuntos = 1142;

  CCostesTotalesDlg(const CDiagrama& modelo, std::int32_t puntos, QWidget* parent = nullptr);
  const CDiagrama& Modelo() const { return modelo_; }
  std::int32_t Puntos() const { return puntos_; }

 protected:
  void DataExchange(kit::Exchange& dx) override;
  void OnInit() override;
  void OnOK() override;

 private:
  bool Completo() const;
  void Rellenar();

  CDiagrama modelo_;
  std::int32_t puntos_;
};

// "%d - CC: %s, CF: %s": exchanger i's number and the numbers of the streams
// on its two sides (the stream reference + 1, "SG" for the generic utility).
std::string LineaCambiadorCostes(const CDiagrama& d, std::int32_t i);

bool EjecutarCostesOperacion(QWidget* padre, DlgCostesOperacion& d);
bool EjecutarCostesTotales(QWidget* padre, DlgCostesTotales& d);
void RegistrarCostesVariacion(FabricaDialogosQt& fabrica);

}  // namespace vardo
