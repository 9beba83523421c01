// Pieces the analysis dialogs share: fields that take a decimal number,
// the number field with its up-down that chooses which stream or utility the
// fields beside it show, and the amortization check of the cost dialogs.
#pragma once
#include <QValidator>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/core/documento.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

// What may be typed into a field of a decimal number: digits and at most
// one "." (a coefficient of 0.5, a temperature of 573.15).
class CampoDecimal : public QValidator {
  Q_OBJECT
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
};

// Makes the edits of a dialog take decimal numbers as typed.
void AceptarDecimales(kit::ControlHost& h, std::initializer_list<int> ids);

// A number field and its up-down choosing item i (0-based, shown as i + 1)
// among cuenta() items. Leaving the field shows the typed number's item,
// held within 1..cuenta(); an arrow stores the item shown and then shows the
// next one when it exists; with guardarAlEntrar, entering the field stores
// the item shown, so that nothing typed beside it is lost when another
// number is typed.
struct Selector {
  int numero = kit::kNoId;
  int flechas = kit::kNoId;
  std::function<int()> cuenta;
  std::function<void(int)> mostrar;
  std::function<void(int)> guardar;
  bool guardarAlEntrar = true;
};

// Registers the selector's handlers on the dialog.
void Conectar(kit::ControlHost& h, const Selector& s);
// The item the field names, held within the count; -1 with no items.
int ItemMostrado(const kit::ControlHost& h, const Selector& s);

// A cost law C = a + b·A^c in three fields idA, idA + 1, idA + 2: the row
// "a:", "b:", "c:" with its fields from x, each field `ancho` wide, at y.
void FilaLey(std::vector<kit::DefControl>& c, int idA, int x, int y, int ancho);
void MostrarLey(kit::ControlHost& h, int idA, double a, double b, double c, int digitos);
void GuardarLey(const kit::ControlHost& h, int idA, double& a, double& b, double& c);

// The cost dialogs refuse a period of amortization that is not above 0.
inline constexpr const char* kMensajeAmortizacion =
    "El tiempo de amortización debe ser mayor que 0.";
bool AmortizacionValida(double anos);
// Writes a cost that may be undefined (no amortization period, or a value
// that is not finite) as "-".
void EscribirCoste(kit::ControlHost& h, int id, double valor, bool definido = true);
// On OK: false, after the refusal and with the focus on the field, when the
// period typed in idAnos is not above 0.
bool ComprobarAmortizacion(kit::Dialog& d, int idAnos);

// Runs a dialog made on the record's copy of the model (Dlg(modelo,
// padre), with Modelo()); on OK the record takes the dialog's copy whole.
template <class Dlg, class Registro>
bool EjecutarSobreModelo(QWidget* padre, Registro& d) {
  Dlg dlg(d.modelo, padre);
  if (dlg.Run() != kit::kIdOk) return false;
  CopiarModeloCompleto(d.modelo, dlg.Modelo());
  return true;
}

// Runs a dialog bound to a record of plain values (Dlg(record, padre)) on a
// copy of it, so that the record changes only on OK.
template <class Dlg, class Registro>
bool EjecutarSobreCopia(QWidget* padre, Registro& d) {
  Registro copia = d;
  Dlg dlg(copia, padre);
  if (dlg.Run() != kit::kIdOk) return false;
  d = copia;
  return true;
}

}  // namespace vardo
