// Celdix: the editable table the program's dialogs host. A grid with a text
// box and a drop-down box for editing in place, four buttons (copy, paste,
// add row, delete row) and a popup menu for copying. Hosts create it by class
// id, give it its stored properties through a PropertyBag, call its typed
// properties and methods and connect to its signals.
#pragma once
#include <QFont>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/core/numero_tecleado.h"
#include "platform/qt/gridwidget.h"
#include "platform/qt/propertybag.h"

class QComboBox;
class QLineEdit;
class QMenu;
class QToolButton;

namespace vardo {

// Identity of the control as hosts know it.
inline constexpr const char* kCeldixClassId = "{BD0C579D-9A24-11D5-8BB5-DBE515E72673}";
inline constexpr const char* kCeldixInterfaceId = "{F699B9CE-F9EE-11D5-8BB5-D444C55C795A}";
inline constexpr const char* kCeldixEventsId = "{F699B9CF-F9EE-11D5-8BB5-D444C55C795A}";
inline constexpr const char* kDesignTimeFactoryClassId = "{EFCF40D9-C73C-11D5-8BB5-CB09B4405143}";
inline constexpr const char* kDesignTimeFactoryInterfaceId =
    "{F699B9D0-F9EE-11D5-8BB5-D444C55C795A}";

// Dispatch ids: properties (get and put share one) and methods.
namespace celdix_disp {
inline constexpr std::int32_t PermitirNuevoBorrar = 0x68030000;
inline constexpr std::int32_t ReadOnlyTable = 0x68030001;
inline constexpr std::int32_t TextMatrix = 0x68030002;
inline constexpr std::int32_t ScrollBars = 0x68030003;
inline constexpr std::int32_t Cols = 0x68030004;
inline constexpr std::int32_t Rows = 0x68030005;
inline constexpr std::int32_t ForeColorFixed = 0x68030006;
inline constexpr std::int32_t FontSize = 0x68030007;
inline constexpr std::int32_t FontName = 0x68030008;
inline constexpr std::int32_t FontItalic = 0x68030009;
inline constexpr std::int32_t FontBold = 0x6803000A;
inline constexpr std::int32_t FixedRows = 0x6803000B;
inline constexpr std::int32_t FixedCols = 0x6803000C;
inline constexpr std::int32_t ColWidth = 0x6803000D;
inline constexpr std::int32_t BorderStyle = 0x6803000E;
inline constexpr std::int32_t BackStyle = 0x6803000F;
inline constexpr std::int32_t Appearance = 0x68030010;
inline constexpr std::int32_t Enabled = 0x68030011;
inline constexpr std::int32_t ForeColor = 0x68030012;
inline constexpr std::int32_t BackColor = 0x68030013;
inline constexpr std::int32_t Font = -512;
inline constexpr std::int32_t Refresh = 0x6003001E;
inline constexpr std::int32_t SetColDropdown = 0x60030032;
inline constexpr std::int32_t SetTextoDropdown = 0x60030033;
inline constexpr std::int32_t SetColNumeric = 0x60030034;
inline constexpr std::int32_t SetColReadOnly = 0x60030035;
inline constexpr std::int32_t SetReadOnlyCells = 0x60030036;
inline constexpr std::int32_t SetColor = 0x60030037;
inline constexpr std::int32_t SetWidth = 0x60030039;
inline constexpr std::int32_t SetHeight = 0x6003003A;
inline constexpr std::int32_t EscribirTexto = 0x6003003B;
inline constexpr std::int32_t AjustarTabla = 0x6003003C;
inline constexpr std::int32_t ColorearTabla = 0x6003003D;
inline constexpr std::int32_t PressReturn = 0x6003003E;
inline constexpr std::int32_t KillFocus = 0x6003003F;
inline constexpr std::int32_t GetSelRow = 0x60030040;
}  // namespace celdix_disp

// Event numbers, in the order of the signals below.
namespace celdix_event {
inline constexpr int NuevaLinea = 1;
inline constexpr int BorrarLinea = 2;
inline constexpr int TablaModificada = 3;
inline constexpr int TablaPegada = 4;
inline constexpr int CambioSel = 5;
inline constexpr int Click = 6;
inline constexpr int DblClick = 7;
}  // namespace celdix_event

// Texts the control shows.
inline constexpr const char* kCeldixConfirmDelete =
    "¿Confirma que desea eliminar la fila seleccionada?";
inline constexpr const char* kCeldixPasteTooManyRows =
    "El portapapeles contiene una tabla con más filas que la tabla de destino.\n\n"
    "¿Desea aumentar el tamaño de la tabla de destino para que quepa todo el contenido del "
    "portapapeles?";
inline constexpr const char* kCeldixPasteCaption = "Pegar Tabla";

// Option slots of a drop-down column.
inline constexpr int kCeldixDropdownSlots = 21;

class Celdix : public QWidget {
  Q_OBJECT

 public:
  explicit Celdix(QWidget* parent = nullptr);
  ~Celdix() override;

  // ---- properties (puts return false when the grid refuses the value)
  bool PermitirNuevoBorrar() const { return permitirNuevoBorrar_; }
  void SetPermitirNuevoBorrar(bool v);
  bool ReadOnlyTable() const { return readOnlyTable_; }
  void SetReadOnlyTable(bool v);
  // The copy, paste, add-row and delete-row buttons, shown by default. A
  // host that shows a table only to be read hides them; the grid then takes
  // their place. Set at run time, never stored.
  bool MostrarBotones() const { return mostrarBotones_; }
  void SetMostrarBotones(bool v);
  // A filled table shown only to be read: read-only, without the buttons,
  // each column widened to its texts.
  void SoloParaLeer();
  QString TextMatrix(int row, int col) const;
  bool SetTextMatrix(int row, int col, const QString& text);
  int ScrollBars() const;
  bool SetScrollBars(int setting);
  int Cols() const;
  bool SetCols(int n);
  int Rows() const;
  bool SetRows(int n);
  std::uint32_t ForeColorFixed() const;
  void SetForeColorFixed(std::uint32_t c);
  float FontSize() const { return fontSize_; }
  void SetFontSize(float v);
  QString FontName() const { return fontName_; }
  void SetFontName(const QString& v);
  bool FontItalic() const { return fontItalic_; }
  void SetFontItalic(bool v);
  bool FontBold() const { return fontBold_; }
  void SetFontBold(bool v);
  int FixedRows() const;
  bool SetFixedRows(int n);
  int FixedCols() const;
  bool SetFixedCols(int n);
  int ColWidth(int index) const;  // -1 outside the table
  bool SetColWidth(int index, int twips);
  std::int16_t BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(std::int16_t v);
  std::int16_t BackStyle() const { return backStyle_; }
  void SetBackStyle(std::int16_t v);
  std::int16_t Appearance() const { return appearance_; }
  void SetAppearance(std::int16_t v);
  bool Enabled() const;
  void SetEnabled(bool v);
  std::uint32_t ForeColor() const;
  void SetForeColor(std::uint32_t c);
  std::uint32_t BackColor() const { return backColor_; }
  void SetBackColor(std::uint32_t c);
  QFont Font() const;
  void SetFont(const QFont& f);

  // ---- methods
  void Refresh();
  bool SetColDropdown(int col);
  bool SetTextoDropdown(int col, const QString& texto);
  bool SetColNumeric(int col);
  // A numeric column whose numbers must also lie in a range: a typed cell
  // outside it is refused with the range's message, a pasted one skipped.
  void SetColRango(int col, const RangoNumero& rango);
  bool SetColReadOnly(int col);
  bool SetReadOnlyCells(int col, int row, bool read);
  bool SetColor(int row, std::uint32_t color);
  bool SetWidth(int twips);
  bool SetHeight(int twips);
  void EscribirTexto(int row, int col, const QString& str);
  void AjustarTabla(int row);
  void ColorearTabla();
  void PressReturn();
  void KillFocus();
  int GetSelRow() const;
  // The cell entered last: while TablaModificada is raised, the edited one.
  int EditRow() const { return editRow_; }
  int EditCol() const { return editCol_; }

  // ---- stored properties
  // A new instance with nothing stored.
  void InitProperties();
  void ReadProperties(const PropertyBag& bag);
  void WriteProperties(PropertyBag& bag) const;
  // Set by every property put, for the host to save again.
  bool IsDirty() const { return dirty_; }
  void ClearDirty() { dirty_ = false; }

  // ---- the buttons and menu items (also reachable by clicking them)
  void AddRowCommand();
  void DeleteRowCommand();
  void PasteCommand();
  void CopyButtonCommand();
  void CopyTable();
  void CopySelection();
  // The whole table as copied: TAB between cells, LF between rows.
  QString TableText() const;
  // Pastes text as the paste button pastes the clipboard's.
  void PasteText(const QString& text);

  // Children, for hosts that lay out around them and for tests.
  GridWidget* Grid() const { return grid_; }
  QLineEdit* TextEditor() const { return text1_; }
  QComboBox* ComboEditor() const { return combo1_; }
  QMenu* Menu() const { return gridMenu_; }
  QToolButton* CopyButton() const { return copyButton_; }
  QToolButton* PegarButton() const { return pegarCommand_; }
  QToolButton* AddButton() const { return addButton_; }
  QToolButton* DelButton() const { return delButton_; }
  bool EditorOpen() const;
  // How many times the per-cell read-only flags have been re-dimensioned:
  // once per change of the table's size, however many cells are set.
  std::size_t FlagResizes() const { return flagResizes_; }

 public slots:
  // Commits the open cell editor as leaving the cell would (a dialog's page
  // change, OK, Finish with the editor still open).
  void ConfirmarEdicion() { CommitOpenEdit(); }

 signals:
  void NuevaLinea();
  void BorrarLinea();
  void TablaModificada();
  void TablaPegada();
  void CambioSel();
  void Click();
  void DblClick();

 protected:
  void resizeEvent(QResizeEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void OnEnterCell();
  void OnLeaveCell();
  // The leave-cell handling run outside a cell move (scrolling, losing the
  // focus, before a button's action): only while an editor is open.
  void CommitOpenEdit();
  void CommitForButton();
  void MoveForEnter();
  void MoveByKey(int key);
  void HideEditors();
  void UpdateButtons();
  void PaintCell(int row, int col);
  void MarkDirty() { dirty_ = true; }
  void FocusChanged(QWidget* old, QWidget* now);

  bool InList(const std::vector<int>& list, int col) const;
  bool IsReadOnlyCol(int col) const;
  bool IsNumericCol(int col) const;
  // Why the text cannot stand in numeric column col (the number rule and
  // the column's range); empty when it can.
  std::string RechazoCelda(int col, const QString& texto) const;
  bool IsDropdownCol(int col) const;
  std::int16_t ReadOnlyFlag(int row, int col);
  // Re-dimensions the per-cell flags to the grid's size, keeping what is
  // there; nothing to do (and nothing walked) while the size is the same.
  void FitReadOnlyCells();
  void FitRowColors();
  void FitDropdownTexts();
  std::uint32_t RowColor(int row);

  GridWidget* grid_ = nullptr;
  QLineEdit* text1_ = nullptr;
  QComboBox* combo1_ = nullptr;
  QMenu* gridMenu_ = nullptr;
  QToolButton* copyButton_ = nullptr;
  QToolButton* pegarCommand_ = nullptr;
  QToolButton* addButton_ = nullptr;
  QToolButton* delButton_ = nullptr;

  std::uint32_t backColor_ = 0;
  std::int16_t appearance_ = 0;
  std::int16_t backStyle_ = 0;
  std::int16_t borderStyle_ = 0;
  bool fontBold_ = false;
  bool fontItalic_ = false;
  QString fontName_;
  float fontSize_ = 0;
  bool readOnlyTable_ = false;
  bool mostrarBotones_ = true;
  // Marks the grid for the dialog host: a read-only table lets Enter go on.
  void MarcarIntro();
  bool permitirNuevoBorrar_ = false;
  std::vector<int> dropdownCols_;
  bool hasDropdownCols_ = false;
  std::vector<std::array<QString, kCeldixDropdownSlots>> dropdownTexts_;  // by column
  std::vector<int> readOnlyCols_;
  bool hasReadOnlyCols_ = false;
  std::vector<int> numericCols_;
  bool hasNumericCols_ = false;
  std::map<int, RangoNumero> colRangos_;
  // Rows 0 to Rows by columns 0 to Cols, row after row.
  std::vector<std::int16_t> readOnlyCells_;
  std::size_t flagRows_ = 0;
  std::size_t flagCols_ = 0;
  std::size_t flagResizes_ = 0;
  std::vector<std::uint32_t> rowColors_;
  int editRow_ = 0;
  int editCol_ = 0;
  bool painting_ = false;
  bool skipNextLeave_ = false;
  bool leaveArmed_ = false;
  bool dirty_ = false;
  // The application-wide focus watch; cut in the destructor, before the
  // children go and move the focus while this object is half destroyed.
  QMetaObject::Connection focoConexion_;
};

// The library's second public class; nothing in the program creates it.
// It describes no classes and creates none.
class DesignTimeControlFactory {
 public:
  struct ClassList {};
  // A new, empty list.
  ClassList EnumerateClasses() const { return {}; }
  // Both fail with error number 1, as their automation methods do.
  int DescribeClass(const QString&) const { return 1; }
  int CreateInstance(const QString&) const { return 1; }
};

}  // namespace vardo
