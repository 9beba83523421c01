// What the minimum-area and minimum-cost dialogs share: the working copy of
// the problem, the two utility modes (the defined utilities when the copy
// shows them and they cover the problem, else the default heating and
// cooling utilities "Calefacción" and "Refrigeración"), and the check run
// when DT min is changed, with its two questions.
#pragma once
#include <string>

#include "dialogs/analysis/campos.h"
#include "model/diagrama.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

inline constexpr const char* kPreguntaServiciosNoCubren =
    "Al variar la diferencia mínima de temperaturas, los servicios definidos por el usuario ya "
    "no cubren las necesidades de energía del proceso.\n\nPor lo tanto, será necesario utilizar "
    "los servicios por defecto para calcular el área mínima.\n\n¿Desea continuar?";
inline constexpr const char* kPreguntaServiciosViolan =
    "Las temperaturas de los servicios generales violan la diferencia de temperaturas mínima "
    "para el nuevo valor de ésta. ¿Desea actualizarlos?";

inline constexpr const char* kNombreCalefaccion = "Calefacción";
inline constexpr const char* kNombreRefrigeracion = "Refrigeración";
// An unset default utility temperature.
inline constexpr double kTSinFijar = -10000.0;

// Default utility 0 is the heating one, 1 the cooling one.
inline constexpr int kServicioCalefaccion = 0;
inline constexpr int kServicioRefrigeracion = 1;

// When both default utility temperatures are unset, the limits of the
// problem: the heating one at the highest shifted temperature + DT min, the
// cooling one at the lowest - DT min (the targets are recomputed). A problem
// without intervals leaves them unset.
void FijarTemperaturasPorDefecto(CDiagrama& d);

class CDialogoObjetivos : public kit::Dialog {
 public:
  const CDiagrama& Modelo() const { return modelo_; }

 protected:
  CDialogoObjetivos(kit::Template t, const CDiagrama& modelo, int idDTMin, QWidget* parent);

  // Defined-utilities mode: the copy shows its utilities (one at least) and
  // they cover it.
  bool ModoDefinido();
  // Utilities the selectors run over: the defined ones, or the two defaults.
  int NumServicios();

  // The dialog's own recalculation (false, nothing stored, when a field
  // shown holds a text the number rule refuses), and showing utility 1
  // again after the mode or the default temperatures changed.
  virtual bool Calcular(Aviso aviso) = 0;
  virtual void MostrarPrimerServicio() = 0;

  // The DT min field holds a number of at least 0 (DT min itself is taken
  // when the field is left).
  bool ComprobarDTMin(Aviso aviso);
  // Enter (the hidden default button) and OK recalculate with the refusal's
  // message.
  bool CalcularConAviso() { return ComprobarDTMin(Aviso::Mensaje) && Calcular(Aviso::Mensaje); }

  CDiagrama modelo_;

 private:
  // Edit idDTMin left: the new DT min, the questions and the recalculation.
  // A text that is no DT min stays for Enter or OK to refuse.
  void OnCambioDTMin();

  // The click whose press left the DT min field, completed after a question.
  class ClicPendiente;

  int idDTMin_;
  int guardia_ = 0;  // the second question is being asked
};

}  // namespace vardo
