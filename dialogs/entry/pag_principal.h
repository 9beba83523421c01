// "Principal", the first page of the streams sheet: streams are added,
// numbered and chosen here, and a stream of constant m·cp is defined
// whole (ends, m·cp or heat, hot or cold, sensible or latent); a stream of
// variable m·cp is only named and marked, its table being entered on the
// "Entalpía" page. A split is shown and stored as one stream under the
// number of its first branch.
#pragma once
#include <cstdint>
#include <string>

#include "dialogs/entry/hoja_corrientes.h"

namespace vardo {

class CCorrientesDlg : public CPaginaCorrientes {
 public:
  static constexpr int kIdNumero = 1000;
  static constexpr int kIdGiro = 1001;
  static constexpr int kIdNombre = 1002;
  static constexpr int kIdAnadir = 1003;
  static constexpr int kIdLineal = 1004;
  static constexpr int kIdNoLineal = 1005;
  static constexpr int kIdTEntrada = 1006;
  static constexpr int kIdTSalida = 1007;
  static constexpr int kIdRadioMcp = 1008;
  static constexpr int kIdRadioH = 1009;
  static constexpr int kIdMcp = 1010;
  static constexpr int kIdH = 1011;
  static constexpr int kIdCaliente = 1012;
  static constexpr int kIdFria = 1013;
  static constexpr int kIdSensible = 1014;
  static constexpr int kIdLatente = 1015;

  static constexpr int kMaxNombre = 25;

  explicit CCorrientesDlg(DatosHojaCorrientes& hoja);

  // Shows stream i (a split under its first branch's number) and stores the
  // fields into stream i; both on the page's copy. Storing reads the typed
  // fields by the number rule (temperatures above 0 K, a finite m·cp or
  // heat giving a finite stream): a refused field stores nothing and returns
  // false, with its message (`decir`) or a beep (an arrow step), the field
  // then holding the focus.
  void MostrarCorriente(std::int32_t i);
  bool GuardarCorriente(std::int32_t i, bool decir = true);

 protected:
  void DataExchange(kit::Exchange& dx) override;
  void OnSetActive() override;
  bool OnKillActive() override;

 private:
  std::int32_t Numero() const { return Integer(kIdNumero); }
  std::int32_t Cuenta() const { return modelo_.GetNumCorrientes(); }
  // GuardarCorriente with the stream stored as linear or not.
  bool Guardar(std::int32_t i, bool lineal, bool decir);
  void CamposNumericos(bool editables);
  void OnAnadir();
  void OnLineal();
  void OnLatente();
  void OnMcp();
  // The temperatures decide hot or cold, unless the stream is latent.
  void DecidirTipo();

  std::string nombre_;
};

}  // namespace vardo
