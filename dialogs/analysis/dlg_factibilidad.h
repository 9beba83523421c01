// "Criterios de factibilidad": the pinch design dialog. For one pinch and one
// side of it, it lists the hot and the cold streams that meet the pinch with
// their m·cp; a click on a hot and a cold row makes (or removes) a match, a
// double click splits a stream through the split dialog. The matches become
// exchangers of the dialog's copy of the model when the pinch or side is left
// and on OK; the caller takes the copy back on OK.
//
// With the document's feasibility option off, the same commands open one of
// the two read-only windows below instead: the criteria of one side and the
// lines the document filled, modeless, several at once.
#pragma once
#include <cstdint>

#include "app/core/analysis/emparejamientos.h"
#include "app/core/document/puertos.h"
#include "model/diagrama.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

class FabricaDialogosQt;

class CFactibilidadDlg : public kit::Dialog {
 public:
  static constexpr int kIdPinch = 1000;
  static constexpr int kIdLado = 1001;
  static constexpr int kIdNumeroCaliente = 1002;  // the "<=" labels of the hot side
  static constexpr int kIdMcpCaliente = 1003;
  static constexpr int kIdNumeroFrio = 1004;  // the ">=" labels of the cold side
  static constexpr int kIdMcpFrio = 1005;
  static constexpr int kIdCalientes = 1006;
  static constexpr int kIdFrias = 1007;
  static constexpr int kIdAyuda = 1008;
  // The timer that puts the default hint back.
  static constexpr int kIdTemporizador = 12345;
  static constexpr int kPeriodoAyudaMs = 3000;

  // Splits run through `fabrica`'s split dialog.
  CFactibilidadDlg(FabricaDialogos& fabrica, QWidget* parent = nullptr);

  // Set by the caller before the dialog runs; on OK m_Diagrama holds the
  // matches as exchangers and m_nLado the side shown last.
  CDiagrama m_Diagrama;
  std::int32_t m_nLado = -1;

  // The pinch shown (an index of the pinch box).
  int Pinch() const { return m_nPinch; }
  // The design state of the shown pinch and side.
  const CEmparejamientosPinch& Estado() const { return estado_; }

 protected:
  void DataExchange(kit::Exchange& dx) override;
  void AfterBuild() override;
  void OnInit() override;
  void OnOK() override;

 private:
  void RellenarListas(int pinch, int lado);
  void MostrarCambiadores(int pinch, int lado);
  void GuardarCambiadores(int pinch, int lado);
  // The rows of the design state into the two lists.
  void EscribirListas();
  void MostrarCriterios(int lado);
  void SetAyuda(const std::string& texto);
  int LadoElegido() const { return CurSel(kIdLado); }

  void OnSelchangePinch();
  void OnSelchangeLado();
  // A click on a row of the hot (caliente) or the cold list.
  void OnSelchange(bool caliente);
  // A double click on row `fila` of the hot or the cold list.
  void OnDblclk(bool caliente, int fila);
  // The hint's timer fired: the default hint again.
  void OnTemporizador(int id);

  FabricaDialogos& fabrica_;
  CEmparejamientosPinch estado_;
  int m_nPinch = 0;
  int ladoMostrado_ = 0;  // the side the lists describe
};

// The read-only criteria window of one side: "Criterios de factibilidad,
// lado caliente" or "..., lado frío".
class CFactibilidadLadoDlg : public kit::Dialog {
 public:
  static constexpr int kIdListaB = 1000;  // left: hot streams
  static constexpr int kIdListaA = 1001;  // right: cold streams

  explicit CFactibilidadLadoDlg(VentanaFactibilidad datos);

 protected:
  void AfterBuild() override;
  void OnInit() override;

 private:
  VentanaFactibilidad datos_;
};

class CFactibilidadCalDlg : public CFactibilidadLadoDlg {
 public:
  explicit CFactibilidadCalDlg(VentanaFactibilidad datos);
};

class CFactibilidadFrioDlg : public CFactibilidadLadoDlg {
 public:
  explicit CFactibilidadFrioDlg(VentanaFactibilidad datos);
};

// Runs the design dialog on its record; true for OK with the record's model
// and side taken from the dialog.
bool EjecutarFactibilidad(QWidget* padre, DlgFactibilidad& d, FabricaDialogos& fabrica);
// Opens a new read-only window of the record's side.
void MostrarFactibilidad(const VentanaFactibilidad& v);

void RegistrarFactibilidad(FabricaDialogosQt& fabrica);

}  // namespace vardo
