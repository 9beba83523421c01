// Data exchange between a dialog's members and its controls, in both
// directions: loading writes the members into the controls, saving reads
// and checks them. A failed read shows the framework's message, puts the
// focus on the field and stops the exchange, so OK or the page change is
// refused. Numbers are written and read with "." in every locale.
#pragma once
#include <string>

#include "platform/core/numero_tecleado.h"

namespace vardo::kit {

class ControlHost;

// The framework's texts; %1 and %2 stand for the limits.
using vardo::kMsgEntre;
using vardo::kMsgNumero;
inline constexpr const char* kMsgLongitud = "No introduzca más de %1 caracteres.";

// A double as the exchange writes it: at most 15 significant digits, the
// shortest form, no trailing zeros ("10", "2.5", "1e+20"), "." always.
std::string TextoDoble(double v);

// Thrown by Exchange::Fail, caught by UpdateData.
struct ExchangeFailed {};

class Exchange {
 public:
  // True while reading the controls into the members (OK, leaving a page).
  bool Saving() const { return saving_; }

  // Edits as whole numbers ("%d") and doubles (TextoDoble); the ranges are
  // checked when saving. A failed read leaves the member as it was. Doubles
  // are read by the one number rule (ControlHost::ReadNumber): a field the
  // user left untouched is taken as it is.
  void Int(int id, int& v);
  void Int(int id, int& v, int lo, int hi);
  void Double(int id, double& v, const RangoNumero& rango = RangoNumero::Finito());
  void Double(int id, double& v, double lo, double hi);
  // Text of an edit, combo or label; maxChars > 0 also limits typing.
  void Text(int id, std::string& s, int maxChars = 0);
  // The index of the set radio of the group that starts at firstId, -1
  // when none is set (loading -1 clears them all).
  void Radio(int firstId, int& index);
  void Check(int id, int& v);
  void Check(int id, bool& v);
  // The selected entry of a list or combo, -1 none.
  void Index(int id, int& index);

  // A check of the dialog's own: shows message, focuses the field and stops
  // the exchange (saving only).
  [[noreturn]] void Fail(int id, const std::string& message);

 private:
  friend class ControlHost;
  Exchange(ControlHost& host, bool saving) : host_(host), saving_(saving) {}

  ControlHost& host_;
  bool saving_;
};

}  // namespace vardo::kit
