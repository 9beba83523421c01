// The function table control: the user types a function of X, the two ends
// of an X range and a number of points; on leaving any of the boxes the
// control evaluates the function at equidistant X values with its own closed
// evaluator and raises Listo. The host then reads the points.
#pragma once
#include <QFont>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/qt/propertybag.h"

class QLabel;
class QLineEdit;

namespace vardo {

inline constexpr const char* kClassIdTabulix = "{BD0C55D3-9A24-11D5-8BB5-DBE515E72673}";
inline constexpr const char* kInterfazTabulix = "{E519D018-C2DE-11D5-8BB5-A7E33B556543}";
inline constexpr const char* kEventosTabulix = "{E519D019-C2DE-11D5-8BB5-A7E33B556543}";

// Dispatch ids of the automation interface.
namespace DispTabulix {
inline constexpr std::int32_t NumPuntos = 0x68030000;
inline constexpr std::int32_t PuntoFin = 0x68030001;
inline constexpr std::int32_t PuntoIni = 0x68030002;
inline constexpr std::int32_t Ajuste = 0x68030003;
inline constexpr std::int32_t TablaY = 0x68030004;
inline constexpr std::int32_t TablaX = 0x68030005;
inline constexpr std::int32_t NumeroPuntos = 0x68030006;
inline constexpr std::int32_t BorderStyle = 0x68030007;
inline constexpr std::int32_t BackStyle = 0x68030008;
inline constexpr std::int32_t Appearance = 0x68030009;
inline constexpr std::int32_t Enabled = 0x6803000A;
inline constexpr std::int32_t ForeColor = 0x6803000B;
inline constexpr std::int32_t BackColor = 0x6803000C;
inline constexpr std::int32_t Font = -512;  // the standard font id
inline constexpr std::int32_t Refresh = 0x6003000D;
inline constexpr std::int32_t SetAjuste = 0x60030015;
inline constexpr std::int32_t SetPuntoIni = 0x60030016;
inline constexpr std::int32_t SetPuntoFin = 0x60030017;
inline constexpr std::int32_t SetNumPuntos = 0x60030018;
}  // namespace DispTabulix

// Event numbers, in declaration order.
namespace EventoTabulix {
inline constexpr int Click = 1;
inline constexpr int DblClick = 2;
inline constexpr int Listo = 3;
inline constexpr int KeyDown = 4;
inline constexpr int KeyPress = 5;
inline constexpr int KeyUp = 6;
inline constexpr int MouseDown = 7;
inline constexpr int MouseMove = 8;
inline constexpr int MouseUp = 9;
}  // namespace EventoTabulix

// The one message of a failed computation.
inline constexpr const char* kMsgErrorExpresion =
    "Se ha producido un error al evaluar la expresión. Compruebe la sintaxis";
// A typed point count that the table cannot hold.
inline constexpr const char* kMsgRangoPuntos = "El número de puntos debe estar entre 2 y 32767.";

class Tabulix : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kPuntosPorDefecto = 10;  // replaces a count below 1
  static constexpr int kMaxPuntos = 32767;

  explicit Tabulix(QWidget* parent = nullptr);
  ~Tabulix() override;

  // ---- automation properties
  // The boxes as they are now; nullopt for a box that holds no number (or a
  // count that is no 16-bit integer). Errors come back as values, never as
  // exceptions: a host reads these inside its own event handlers.
  std::optional<std::int16_t> NumPuntos() const;
  std::optional<double> PuntoFin() const;
  std::optional<double> PuntoIni() const;
  QString Ajuste() const;
  // Point indx of the last computed table, 0 to NumeroPuntos (the last one
  // is never filled); nullopt for another index.
  std::optional<double> TablaY(std::int16_t indx) const;
  std::optional<double> TablaX(std::int16_t indx) const;
  // Point count of the last computed table.
  std::int16_t NumeroPuntos() const { return nPuntos_; }
  // The function text the last computed table was computed from (the box
  // may hold another one since).
  QString AjusteCalculado() const { return ajusteCalculado_; }

  // Stored values, kept and persisted but not applied to the look.
  std::int16_t BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(std::int16_t v);
  std::int16_t BackStyle() const { return backStyle_; }
  void SetBackStyle(std::int16_t v);
  std::int16_t Appearance() const { return appearance_; }
  void SetAppearance(std::int16_t v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  std::uint32_t ForeColor() const { return foreColor_; }
  void SetForeColor(std::uint32_t v);
  std::uint32_t BackColor() const { return backColor_; }
  void SetBackColor(std::uint32_t v);
  QFont Font() const { return fuente_; }
  void SetFont(const QFont& f);

  // ---- automation methods
  void Refresh() {}
  // Write a box's text; nothing is computed until a box loses the focus.
  void SetAjuste(const QString& s);
  void SetPuntoIni(const QString& s);
  void SetPuntoFin(const QString& s);
  void SetNumPuntos(const QString& s);

  // ---- stored properties
  void LeerPropiedades(const PropertyBag& bag);
  void EscribirPropiedades(PropertyBag& bag) const;
  // True once a property was put since creation or the last read.
  bool PropiedadesCambiadas() const { return cambiadas_; }

  // ---- child boxes (for the host's layout and for tests)
  QLineEdit* FuncionText() const { return funcionText_; }
  QLineEdit* XIniText() const { return xIniText_; }
  QLineEdit* XFinText() const { return xFinText_; }
  QLineEdit* NumText() const { return numText_; }

 public slots:
  // With the focus in one of the boxes: does what leaving that box does,
  // unless the boxes hold what was computed (or refused) last. A dialog
  // calls it before a page change, OK or Finish that leaves the box
  // without its focus-out.
  void ConfirmarEdicion();

 signals:
  void Click();
  void DblClick();
  void Listo();
  void KeyDown(short& KeyCode, short& Shift);
  void KeyPress(short& KeyAscii);
  void KeyUp(short& KeyCode, short& Shift);
  void MouseDown(short& Button, short& Shift, float& X, float& Y);
  void MouseMove(short& Button, short& Shift, float& X, float& Y);
  void MouseUp(short& Button, short& Shift, float& X, float& Y);

 protected:
  bool eventFilter(QObject* obj, QEvent* ev) override;

 private:
  // The four boxes' texts: function, start, end, count.
  using Cajas = std::array<QString, 4>;
  Cajas Entradas() const;
  // What leaving a box does.
  void Salir(const QLineEdit* caja);
  void Calcular();
  QFont FuenteAmbiente() const;

  QLabel* label1_ = nullptr;
  QLineEdit* funcionText_ = nullptr;
  QLabel* label2_ = nullptr;
  QLabel* label3_ = nullptr;
  QLineEdit* xIniText_ = nullptr;
  QLabel* label4_ = nullptr;
  QLineEdit* xFinText_ = nullptr;
  QLabel* label5_ = nullptr;
  QLineEdit* numText_ = nullptr;

  std::int16_t nPuntos_ = 0;
  std::vector<double> tablaX_;  // indexes 0 to nPuntos_ once computed
  std::vector<double> tablaY_;
  QString ajusteCalculado_;
  std::optional<Cajas> intentadas_;  // the boxes of the last computation
  std::optional<Cajas> fallidas_;    // ... when it failed (its message shown)

  std::uint32_t backColor_ = 0;
  std::uint32_t foreColor_ = 0;
  bool enabled_ = false;
  QFont fuente_;
  std::int16_t appearance_ = 0;
  std::int16_t backStyle_ = 0;
  std::int16_t borderStyle_ = 0;
  bool cambiadas_ = false;
};

}  // namespace vardo
