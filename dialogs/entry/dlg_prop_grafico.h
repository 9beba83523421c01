// "Propiedades del gráfico": how the chart on screen is drawn (its size,
// grid, four fonts, three titles, axis limits, legend and, series by series,
// name, line style and colour). It works on the values of its record; the
// view's format command takes them back into its chart.
#pragma once
#include <vector>

#include "app/core/document/puertos.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

class FabricaDialogosQt;

// The entries of "Estilo:" in order and the line style each stores: "Puntos"
// is entry 3 but markers only (-100), entries 4 and 5 store 3 and 4.
inline constexpr int kEstilosSerie[] = {0, 1, 2, -100, 3, 4};
// The entry of a style, -1 for a style the list does not offer.
int EntradaDeEstilo(int estilo);

class CPropGraficoDlg : public kit::Dialog {
 public:
  static constexpr int kIdAncho = 1000;
  static constexpr int kIdAlto = 1001;
  static constexpr int kIdRejilla = 1002;
  static constexpr int kIdMuestraEscala = 1003;
  static constexpr int kIdCambiarEscala = 1004;
  static constexpr int kIdMuestraLeyenda = 1005;
  static constexpr int kIdCambiarLeyenda = 1006;
  static constexpr int kIdMuestraEjes = 1007;
  static constexpr int kIdCambiarEjes = 1008;
  static constexpr int kIdMuestraTitulo = 1009;
  static constexpr int kIdCambiarTitulo = 1010;
  static constexpr int kIdTituloX = 1011;
  static constexpr int kIdTituloY = 1012;
  static constexpr int kIdTitulo = 1013;
  static constexpr int kIdNumeroSerie = 1014;
  static constexpr int kIdGiroSerie = 1015;
  static constexpr int kIdNombre = 1016;
  static constexpr int kIdEstilo = 1017;
  static constexpr int kIdColor = 1018;
  static constexpr int kIdCambiarColor = 1019;
  static constexpr int kIdXMin = 1020;
  static constexpr int kIdXMax = 1021;
  static constexpr int kIdYMin = 1022;
  static constexpr int kIdYMax = 1023;
  static constexpr int kIdLeyenda = 1024;  // first of the six legend radios

  // The record is read when the dialog opens and written on OK.
  explicit CPropGraficoDlg(DlgPropGrafico& datos, QWidget* parent = nullptr);

 protected:
  void DataExchange(kit::Exchange& dx) override;
  void OnInit() override;
  void OnOK() override;

 private:
  int NumSeries() const { return static_cast<int>(datos_.series.size()); }
  // The series whose number stands in the field, held within the series.
  int SerieDelCampo() const;
  void MostrarSerie(int i);
  void GuardarSerie(int i);
  void MostrarFuente(int idMuestra, const LogFont& fuente, const char* texto);
  void CambiarFuente(int idMuestra, LogFont& fuente, const char* texto);

  DlgPropGrafico& datos_;
};

// Runs the dialog modally on its record; true for OK.
bool EjecutarPropGrafico(QWidget* padre, DlgPropGrafico& d);

void RegistrarPropGrafico(FabricaDialogosQt& fabrica);

}  // namespace vardo
