// Pieces the analysis dialogs share: fields that take a decimal number and
// how a typed number is read from them, the number field with its up-down
// that chooses which stream or utility the fields beside it show, and the
// amortization check of the cost dialogs.
#pragma once
#include <QValidator>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/core/document/documento.h"
#include "platform/qt/kit/kit.h"

namespace vardo {

// What may be typed into a field of a decimal number: digits and at most
// one decimal point, "." or "," (a coefficient of 0.5, a temperature of
// 573,15).
class CampoDecimal : public QValidator {
  Q_OBJECT
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
};

// Makes the edits of a dialog take decimal numbers as typed.
void AceptarDecimales(kit::ControlHost& h, std::initializer_list<int> ids);

// How a field whose text the number rule refuses is met when it is read.
enum class Aviso {
  // Leaving a field: nothing is read and nothing moves; the text stays as
  // typed for Enter or OK to refuse.
  Ninguno,
  // Choosing another item (the number field entered, an arrow pressed): the
  // field gets the focus with its text selected, without a message, so that
  // an arrow press never opens one and the typed text is not lost.
  Foco,
  // Enter, OK, a button: the refusal's message, then the focus as above.
  Mensaje,
};

// Reads field id by the one number rule within the range; false, v
// unchanged, when the text is refused. A field the user has not edited
// since the program wrote it is taken as it is.
bool LeerCampo(kit::ControlHost& h, int id, double& v, const RangoNumero& rango, Aviso aviso);

// A field and the number it is read into, within its range.
struct CampoNumero {
  int id;
  double* destino;
  RangoNumero rango = RangoNumero::Finito();
};
// Reads the fields in their order; stores into every destination only when
// all of them are accepted.
bool LeerCampos(kit::ControlHost& h, const std::vector<CampoNumero>& campos, Aviso aviso);

// A number field and its up-down choosing item i (0-based, shown as i + 1)
// among cuenta() items. Leaving the field shows the typed number's item,
// held within 1..cuenta(); an arrow stores the item shown and then shows the
// next one when it exists; with guardarAlEntrar, entering the field stores
// the item shown, so that nothing typed beside it is lost when another
// number is typed. guardar answers false when a field of the item holds a
// text the number rule refuses (read with Aviso::Foco): nothing is stored,
// the arrow does not move and the focus goes back to that field.
struct Selector {
  int numero = kit::kNoId;
  int flechas = kit::kNoId;
  std::function<int()> cuenta;
  std::function<void(int)> mostrar;
  std::function<bool(int)> guardar;
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
// The law's three fields (any finite numbers), to read with LeerCampos.
std::vector<CampoNumero> CamposLey(int idA, double& a, double& b, double& c);

// A range or a cost a dialog hands over as text: on OK, a text the user
// typed must be a number by the rule within the range (the caller reads it so).
void TextoNumerico(kit::Exchange& dx, kit::ControlHost& h, int id, std::string& s,
                   const RangoNumero& rango = RangoNumero::Finito());

// The cost dialogs refuse a period of amortization that is not above 0.
inline constexpr const char* kMensajeAmortizacion =
    "El tiempo de amortización debe ser mayor que 0.";
bool AmortizacionValida(double anos);
// Writes a result that may be undefined (a cost without an amortization
// period, or a value that is not finite) as "-". A target that grows without
// bound (area and costs where the composites touch) is written as the word
// given in infinito, when there is one.
void EscribirResultado(kit::ControlHost& h, int id, double valor, bool definido = true,
                       const char* infinito = nullptr);
// On OK: false, after the refusal and with the focus on the field, when the
// period in idAnos is no number or not above 0.
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
