// "Formato de los cambiadores" (every exchanger's drawing on the grid
// diagram), "Formato de cambiador" (the four temperatures written beside one
// exchanger) and "Cálculo de cambiadores" (the warnings and errors of the
// network calculation, with "Corregir" to open the faulty exchanger). They
// only exchange values with their records; the commands apply them.
#pragma once
#include "app/core/document/puertos.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

class FabricaDialogosQt;

// Smallest and largest circle size (mm).
inline constexpr double kTamanoCirculoMinimo = 1.0;
inline constexpr double kTamanoCirculoMaximo = 10.0;

class CFormatoCambDlg : public kit::Dialog {
 public:
  static constexpr int kIdEntradaCaliente = 1000;
  static constexpr int kIdSalidaCaliente = 1001;
  static constexpr int kIdEntradaFria = 1002;
  static constexpr int kIdSalidaFria = 1003;
  static constexpr int kIdQ = 1004;
  static constexpr int kIdDentro = 1005;  // first radio: 0 inside, 1 above, 2 no number
  static constexpr int kIdEncima = 1006;
  static constexpr int kIdSinNumero = 1007;
  static constexpr int kIdTamano = 1008;

  // The record is read when the dialog opens and written on OK.
  explicit CFormatoCambDlg(DlgFormatoCambiadores& datos, QWidget* parent = nullptr);

 protected:
  void DataExchange(kit::Exchange& dx) override;

 private:
  DlgFormatoCambiadores& datos_;
};

class CFormatoCambiadorDlg : public kit::Dialog {
 public:
  static constexpr int kIdNumero = 1000;
  static constexpr int kIdEntradaCaliente = 1001;
  static constexpr int kIdSalidaCaliente = 1002;
  static constexpr int kIdEntradaFria = 1003;
  static constexpr int kIdSalidaFria = 1004;

  explicit CFormatoCambiadorDlg(DlgFormatoCambiador& datos, QWidget* parent = nullptr);

 protected:
  void DataExchange(kit::Exchange& dx) override;

 private:
  DlgFormatoCambiador& datos_;
};

class CCalculoCambDlg : public kit::Dialog {
 public:
  static constexpr int kIdTexto = 1000;
  // "Corregir" ends with OK, "Cerrar" (the default) with Cancel.
  static constexpr int kIdCorregir = kit::kIdOk;
  static constexpr int kIdCerrar = kit::kIdCancel;

  explicit CCalculoCambDlg(const DlgCalculoCambiadores& datos, QWidget* parent = nullptr);

 protected:
  void OnInit() override;

 private:
  DlgCalculoCambiadores datos_;
};

// Run modally on their records; true for OK ("Aceptar", or "Corregir").
bool EjecutarFormatoCambiadores(QWidget* padre, DlgFormatoCambiadores& d);
bool EjecutarFormatoCambiador(QWidget* padre, DlgFormatoCambiador& d);
bool EjecutarCalculoCambiadores(QWidget* padre, DlgCalculoCambiadores& d);

void RegistrarFormatoCambiadores(FabricaDialogosQt& fabrica);

}  // namespace vardo
