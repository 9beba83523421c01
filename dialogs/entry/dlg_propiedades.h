// "Propiedades de la corriente", "Propiedades del Servicio" and "Propiedades
// del cambiador": small read-only windows with a snapshot of one object,
// filled by the opening command. They are modeless and have no parent, so
// they stay usable beside the grid diagram and while a modal dialog runs;
// each deletes itself when closed.
#pragma once
#include "app/core/document/puertos.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

class FabricaDialogosQt;

class CPropCorrienteDlg : public kit::Dialog {
 public:
  static constexpr int kIdNumero = 1000;
  static constexpr int kIdNombre = 1001;
  static constexpr int kIdEntrada = 1002;
  static constexpr int kIdSalida = 1003;
  static constexpr int kIdTotal = 1004;
  static constexpr int kIdSinCambiadores = 1005;
  static constexpr int kIdMcp = 1006;
  static constexpr int kIdCambiadores = 1007;

  explicit CPropCorrienteDlg(VentanaPropCorriente datos);

 protected:
  void DataExchange(kit::Exchange& dx) override;
  void OnInit() override;

 private:
  VentanaPropCorriente datos_;
};

class CPropServicioDlg : public kit::Dialog {
 public:
  static constexpr int kIdNumero = 1000;
  static constexpr int kIdNombre = 1001;
  static constexpr int kIdEntrada = 1002;
  static constexpr int kIdSalida = 1003;
  static constexpr int kIdTotal = 1004;
  static constexpr int kIdMaxima = 1005;
  static constexpr int kIdSinCambiadores = 1006;
  static constexpr int kIdMcp = 1007;
  static constexpr int kIdCambiadores = 1008;

  explicit CPropServicioDlg(VentanaPropServicio datos);

 protected:
  void DataExchange(kit::Exchange& dx) override;
  void OnInit() override;

 private:
  VentanaPropServicio datos_;
};

class CPropCambiadorDlg : public kit::Dialog {
 public:
  static constexpr int kIdNumero = 1000;
  static constexpr int kIdCarga = 1001;
  static constexpr int kIdArea = 1002;
  static constexpr int kIdCoste = 1003;
  static constexpr int kIdCaliente = 1004;
  static constexpr int kIdEntradaCaliente = 1005;
  static constexpr int kIdSalidaCaliente = 1006;
  static constexpr int kIdFria = 1007;
  static constexpr int kIdEntradaFria = 1008;
  static constexpr int kIdSalidaFria = 1009;

  explicit CPropCambiadorDlg(VentanaPropCambiador datos);

 protected:
  void DataExchange(kit::Exchange& dx) override;

 private:
  VentanaPropCambiador datos_;
};

// Opens a new window with the record (a new one at each call).
void MostrarPropCorriente(const VentanaPropCorriente& v);
void MostrarPropServicio(const VentanaPropServicio& v);
void MostrarPropCambiador(const VentanaPropCambiador& v);

void RegistrarPropiedades(FabricaDialogosQt& fabrica);

}  // namespace vardo
