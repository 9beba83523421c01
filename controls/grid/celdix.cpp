#include "controls/grid/celdix.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QToolButton>
#include <algorithm>

#include "platform/core/numero_tecleado.h"
#include "platform/core/numtext.h"
#include "platform/core/types.h"
#include "platform/qt/componentregistry.h"
#include "platform/qt/hostedwidgets.h"
#include "platform/qt/kit/host.h"
#include "platform/qt/messagerunner.h"

namespace vardo {

namespace {

const ComponentRegistrar kRegistrar(kCeldixClassId, "Celdix",
                                    [](QWidget* parent) { return new Celdix(parent); });

// Layout of the children, in twips.
constexpr int kButtonSize = 375;
constexpr int kGridLeft = 840;
constexpr int kGridTop = 120;
constexpr int kResizeMarginH = 100;   // control height less the grid's
constexpr int kResizeMarginW = 1000;  // control width less the grid's

constexpr Rgb kReadOnlyBack = MakeRgb(220, 220, 220);
constexpr Rgb kEditableBack = MakeRgb(255, 255, 255);

int Px(int twips) { return twips / kTwipsPerPixel; }

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// The four 16x16 button pictures.
QIcon ButtonIcon(int which) {
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing, false);
  const QColor ink(0, 0, 0);
  switch (which) {
    case 0:  // copy: two sheets
      p.setPen(ink);
      p.setBrush(Qt::white);
      p.drawRect(1, 1, 8, 10);
      p.drawRect(6, 4, 8, 10);
      p.drawLine(8, 7, 12, 7);
      p.drawLine(8, 9, 12, 9);
      p.drawLine(8, 11, 12, 11);
      break;
    case 1:  // paste: a board with a sheet
      p.setPen(ink);
      p.setBrush(QColor(160, 110, 40));
      p.drawRect(1, 2, 10, 12);
      p.setBrush(QColor(200, 200, 200));
      p.drawRect(4, 1, 4, 2);
      p.setBrush(Qt::white);
      p.drawRect(6, 6, 8, 9);
      break;
    case 2:  // add a row: a green plus
      p.fillRect(7, 2, 3, 12, QColor(0, 128, 0));
      p.fillRect(2, 7, 12, 3, QColor(0, 128, 0));
      break;
    default:  // delete a row: a red cross
      p.setPen(QPen(QColor(192, 0, 0), 2.5));
      p.drawLine(3, 3, 12, 12);
      p.drawLine(12, 3, 3, 12);
      break;
  }
  return QIcon(pm);
}

QToolButton* MakeButton(QWidget* parent, const char* name, const char* tip, int which, int x,
                        int y) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setToolTip(U(tip));
  b->setIcon(ButtonIcon(which));
  b->setIconSize(QSize(16, 16));
  b->setGeometry(Px(x), Px(y), Px(kButtonSize), Px(kButtonSize));
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

bool IsInside(const QWidget* self, const QWidget* w) {
  for (; w; w = w->parentWidget())
    if (w == self) return true;
  return false;
}

// Lines of pasted text: ended by CR LF, LF or CR; the last line counts
// even without an ending; an ending at the very end adds no empty line.
std::vector<QString> SplitLines(const QString& text) {
  std::vector<QString> lines;
  QString cur;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar ch = text[i];
    if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
      if (ch == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
      lines.push_back(cur);
      cur.clear();
    } else {
      cur += ch;
    }
  }
  if (!cur.isEmpty()) lines.push_back(cur);
  return lines;
}

// A copy of the whole table starts with the grid's own heading rows, every
// column included: the number of those leading lines (all the fixed rows,
// or none), so that such a copy pastes back as itself.
int CopiedHeadingLines(const GridWidget& g, const std::vector<QString>& lines) {
  const int fixed = g.FixedRows();
  if (fixed <= 0 || static_cast<int>(lines.size()) < fixed) return 0;
  for (int r = 0; r < fixed; ++r)
    if (lines[static_cast<std::size_t>(r)] != g.RangeText(r, 0, r, g.Cols() - 1, QLatin1Char('\n')))
      return 0;
  return fixed;
}

// A number the rule took, as the program writes numbers: "." for a decimal
// comma, no blanks around.
QString NumeroEscrito(const QString& s) {
  return s.trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
}

}  // namespace

Celdix::Celdix(QWidget* parent) : QWidget(parent) {
  copyButton_ = MakeButton(this, "CopyButton", "Copiar", 0, 0, 120);
  pegarCommand_ = MakeButton(this, "PegarCommand", "Pegar", 1, 360, 120);
  addButton_ = MakeButton(this, "AddButton", "Añadir Línea", 2, 0, 480);
  delButton_ = MakeButton(this, "DelButton", "Borrar Línea", 3, 360, 480);

  grid_ = new GridWidget(this);
  grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
  QFont gridFont(QStringLiteral("MS Sans Serif"));
  gridFont.setPointSizeF(8.25);
  gridFont.setStyleHint(QFont::SansSerif);
  grid_->setFont(gridFont);
  grid_->move(Px(kGridLeft), Px(kGridTop));

  text1_ = new QLineEdit(this);
  text1_->setObjectName(QStringLiteral("Text1"));
  text1_->setFrame(false);
  text1_->hide();

  combo1_ = new QComboBox(this);
  combo1_->setObjectName(QStringLiteral("Combo1"));
  combo1_->setEditable(true);
  combo1_->setInsertPolicy(QComboBox::NoInsert);
  combo1_->setEnabled(false);
  combo1_->hide();

  gridMenu_ = new QMenu(U("Menú Grid"), this);
  gridMenu_->setObjectName(QStringLiteral("GridMenu"));
  QAction* copySel = gridMenu_->addAction(U("Copiar &Selección"));
  copySel->setObjectName(QStringLiteral("CopySel"));
  QAction* copyTable = gridMenu_->addAction(U("Copiar &Tabla"));
  copyTable->setObjectName(QStringLiteral("CopyTable"));
  connect(copySel, &QAction::triggered, this, &Celdix::CopySelection);
  connect(copyTable, &QAction::triggered, this, &Celdix::CopyTable);

  // Creation: the current cell becomes (0, 0), before the cell events are
  // connected, so the first leave-cell the control sees is a real one.
  grid_->SetCurrentCell(0, 0);
  text1_->setText(grid_->Text(0, 0));

  connect(grid_, &GridWidget::enterCell, this, &Celdix::OnEnterCell);
  connect(grid_, &GridWidget::leaveCell, this, &Celdix::OnLeaveCell);
  connect(grid_, &GridWidget::selChange, this, &Celdix::CambioSel);
  connect(grid_, &GridWidget::clicked, this, &Celdix::Click);
  connect(grid_, &GridWidget::doubleClicked, this, &Celdix::DblClick);
  connect(grid_, &GridWidget::scrolled, this, &Celdix::CommitOpenEdit);
  connect(grid_, &GridWidget::contextMenuRequested, this,
          [this](const QPoint& pos) { gridMenu_->popup(pos); });
  connect(copyButton_, &QToolButton::clicked, this, &Celdix::CopyButtonCommand);
  connect(pegarCommand_, &QToolButton::clicked, this, &Celdix::PasteCommand);
  connect(addButton_, &QToolButton::clicked, this, &Celdix::AddRowCommand);
  connect(delButton_, &QToolButton::clicked, this, &Celdix::DeleteRowCommand);
  focoConexion_ = connect(qApp, &QApplication::focusChanged, this, &Celdix::FocusChanged);

  grid_->installEventFilter(this);
  text1_->installEventFilter(this);
  combo1_->installEventFilter(this);
  if (combo1_->lineEdit()) combo1_->lineEdit()->installEventFilter(this);

  InitProperties();
  resize(Px(4800), Px(2400));
  AjustarTabla(100);
  UpdateButtons();
}

Celdix::~Celdix() { disconnect(focoConexion_); }

// ------------------------------------------------------------ properties

void Celdix::SetPermitirNuevoBorrar(bool v) {
  permitirNuevoBorrar_ = v;
  MarkDirty();
}

void Celdix::SetReadOnlyTable(bool v) {
  readOnlyTable_ = v;
  // No editor stays open over a table that refuses edits.
  if (v) HideEditors();
  grid_->SetBackColor(v ? kReadOnlyBack : kEditableBack);
  UpdateButtons();
  MarcarIntro();
  MarkDirty();
}

QString Celdix::TextMatrix(int row, int col) const { return grid_->Text(row, col); }

bool Celdix::SetTextMatrix(int row, int col, const QString& text) {
  if (!grid_->IsValidCell(row, col)) return false;
  // Only the cell under edit has its open editor rewritten.
  if (EditorOpen() && row == editRow_ && col == editCol_) {
    if (!combo1_->isHidden()) combo1_->setEditText(text);
    else text1_->setText(text);
  }
  grid_->SetText(row, col, text);
  MarkDirty();
  return true;
}

int Celdix::ScrollBars() const { return static_cast<int>(grid_->ScrollBars()); }

bool Celdix::SetScrollBars(int setting) {
  if (setting < 0 || setting > 3) return false;
  grid_->SetScrollBars(static_cast<GridWidget::ScrollBarSetting>(setting));
  MarkDirty();
  return true;
}

int Celdix::Cols() const { return grid_->Cols(); }

bool Celdix::SetCols(int n) {
  if (!grid_->SetCols(n)) return false;
  FitReadOnlyCells();
  MarkDirty();
  return true;
}

int Celdix::Rows() const { return grid_->Rows(); }

bool Celdix::SetRows(int n) {
  if (!grid_->SetRows(n)) return false;
  FitReadOnlyCells();
  UpdateButtons();
  MarkDirty();
  return true;
}

std::uint32_t Celdix::ForeColorFixed() const { return grid_->ForeColorFixed(); }

void Celdix::SetForeColorFixed(std::uint32_t c) {
  grid_->SetForeColorFixed(c);
  MarkDirty();
}

void Celdix::SetFontSize(float v) { fontSize_ = v; MarkDirty(); }
void Celdix::SetFontName(const QString& v) { fontName_ = v; MarkDirty(); }
void Celdix::SetFontItalic(bool v) { fontItalic_ = v; MarkDirty(); }
void Celdix::SetFontBold(bool v) { fontBold_ = v; MarkDirty(); }

int Celdix::FixedRows() const { return grid_->FixedRows(); }

bool Celdix::SetFixedRows(int n) {
  if (!grid_->SetFixedRows(n)) return false;
  UpdateButtons();
  MarkDirty();
  return true;
}

int Celdix::FixedCols() const { return grid_->FixedCols(); }

bool Celdix::SetFixedCols(int n) {
  if (!grid_->SetFixedCols(n)) return false;
  MarkDirty();
  return true;
}

int Celdix::ColWidth(int index) const { return grid_->ColWidth(index); }

bool Celdix::SetColWidth(int index, int twips) {
  if (!grid_->SetColWidth(index, twips)) return false;
  MarkDirty();
  return true;
}

void Celdix::SetBorderStyle(std::int16_t v) { borderStyle_ = v; MarkDirty(); }
void Celdix::SetBackStyle(std::int16_t v) { backStyle_ = v; MarkDirty(); }
void Celdix::SetAppearance(std::int16_t v) { appearance_ = v; MarkDirty(); }

bool Celdix::Enabled() const { return grid_->isEnabled(); }

void Celdix::SetEnabled(bool v) {
  grid_->setEnabled(v);
  MarkDirty();
}

std::uint32_t Celdix::ForeColor() const { return grid_->ForeColor(); }

void Celdix::SetForeColor(std::uint32_t c) {
  grid_->SetForeColor(c);
  MarkDirty();
}

void Celdix::SetBackColor(std::uint32_t c) {
  backColor_ = c;
  MarkDirty();
}

QFont Celdix::Font() const { return grid_->font(); }

void Celdix::SetFont(const QFont& f) {
  grid_->setFont(f);
  text1_->setFont(f);
  combo1_->setFont(f);
  MarkDirty();
}

// ------------------------------------------------------------ column rules

bool Celdix::InList(const std::vector<int>& list, int col) const {
  return std::find(list.begin(), list.end(), col) != list.end();
}
bool Celdix::IsReadOnlyCol(int col) const { return hasReadOnlyCols_ && InList(readOnlyCols_, col); }
bool Celdix::IsNumericCol(int col) const { return hasNumericCols_ && InList(numericCols_, col); }
bool Celdix::IsDropdownCol(int col) const { return hasDropdownCols_ && InList(dropdownCols_, col); }

void Celdix::FitReadOnlyCells() {
  // Rows 0 to Rows by columns 0 to Cols, keeping what is there.
  const std::size_t rows = static_cast<std::size_t>(grid_->Rows()) + 1;
  const std::size_t cols = static_cast<std::size_t>(grid_->Cols()) + 1;
  if (rows == flagRows_ && cols == flagCols_) return;
  ++flagResizes_;
  if (cols == flagCols_) {
    readOnlyCells_.resize(rows * cols, 0);
  } else {
    std::vector<std::int16_t> flags(rows * cols, 0);
    for (std::size_t r = 0; r < std::min(rows, flagRows_); ++r)
      for (std::size_t c = 0; c < std::min(cols, flagCols_); ++c)
        flags[r * cols + c] = readOnlyCells_[r * flagCols_ + c];
    readOnlyCells_.swap(flags);
  }
  flagRows_ = rows;
  flagCols_ = cols;
}

void Celdix::FitRowColors() { rowColors_.resize(static_cast<std::size_t>(grid_->Rows()) + 1, 0); }

void Celdix::FitDropdownTexts() {
  dropdownTexts_.resize(static_cast<std::size_t>(grid_->Cols()) + 1);
}

std::int16_t Celdix::ReadOnlyFlag(int row, int col) {
  FitReadOnlyCells();
  if (row < 0 || col < 0 || row > grid_->Rows() || col > grid_->Cols()) return 0;
  return readOnlyCells_[static_cast<std::size_t>(row) * flagCols_ + static_cast<std::size_t>(col)];
}

std::uint32_t Celdix::RowColor(int row) {
  FitRowColors();
  if (row < 0 || row >= static_cast<int>(rowColors_.size())) return 0;
  return rowColors_[row];
}

bool Celdix::SetColDropdown(int col) {
  dropdownCols_.push_back(col);
  hasDropdownCols_ = true;
  return true;
}

bool Celdix::SetTextoDropdown(int col, const QString& texto) {
  FitDropdownTexts();
  if (col < 0 || col >= static_cast<int>(dropdownTexts_.size())) return false;
  for (QString& slot : dropdownTexts_[col]) {
    if (slot.isEmpty()) {
      slot = texto;
      return true;
    }
  }
  return false;  // all 21 slots are taken
}

bool Celdix::SetColNumeric(int col) {
  numericCols_.push_back(col);
  hasNumericCols_ = true;
  return true;
}

void Celdix::SetColRango(int col, const RangoNumero& rango) { colRangos_[col] = rango; }

std::string Celdix::RechazoCelda(int col, const QString& texto) const {
  const auto r = colRangos_.find(col);
  double v = 0.0;
  return ComprobarNumeroTecleado(texto.toStdString(),
                                 r == colRangos_.end() ? RangoNumero::Finito() : r->second, v);
}

bool Celdix::SetColReadOnly(int col) {
  readOnlyCols_.push_back(col);
  hasReadOnlyCols_ = true;
  return true;
}

bool Celdix::SetReadOnlyCells(int col, int row, bool read) {
  FitReadOnlyCells();
  if (row < 0 || col < 0 || row > grid_->Rows() || col > grid_->Cols()) return false;
  readOnlyCells_[static_cast<std::size_t>(row) * flagCols_ + static_cast<std::size_t>(col)] =
      read ? -1 : 0;
  return true;
}

bool Celdix::SetColor(int row, std::uint32_t color) {
  FitRowColors();
  if (row < 0 || row >= static_cast<int>(rowColors_.size())) return false;
  rowColors_[row] = color;
  return true;
}

// ------------------------------------------------------------ host operations

void Celdix::Refresh() {
  grid_->viewport()->update();
  update();
}

bool Celdix::SetWidth(int twips) {
  if (twips < 0) return false;
  resize(Px(twips), height());
  AjustarTabla(100);  // also before the control is first shown
  return true;
}

bool Celdix::SetHeight(int twips) {
  if (twips < 0) return false;
  resize(width(), Px(twips));
  AjustarTabla(100);
  return true;
}

void Celdix::MarcarIntro() { grid_->setProperty(kit::kIntroAlDialogo, readOnlyTable_); }

void Celdix::SetMostrarBotones(bool v) {
  mostrarBotones_ = v;
  for (QToolButton* b : {copyButton_, pegarCommand_, addButton_, delButton_}) b->setVisible(v);
  grid_->move(v ? Px(kGridLeft) : 0, Px(kGridTop));
  AjustarTabla(100);
}

void Celdix::SoloParaLeer() {
  grid_->AjustarColumnasAlTexto();
  SetReadOnlyTable(true);
  SetMostrarBotones(false);
}

void Celdix::AjustarTabla(int) {
  const int h = height() * kTwipsPerPixel - kResizeMarginH;
  // Without the buttons the grid also takes the column they stand in.
  const int w = width() * kTwipsPerPixel - kResizeMarginW + (mostrarBotones_ ? 0 : kGridLeft);
  grid_->resize(w > 0 ? Px(w) : grid_->width(), h > 0 ? Px(h) : grid_->height());
}

void Celdix::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  AjustarTabla(100);
}

void Celdix::ColorearTabla() {
  painting_ = true;
  grid_->SetRedraw(false);
  FitRowColors();
  for (int r = 0; r < grid_->Rows() && grid_->Cols() > 0; ++r)
    grid_->SetRangeBackColor(r, 0, r, grid_->Cols() - 1, rowColors_[r]);
  painting_ = false;
  grid_->SetRedraw(true);
}

void Celdix::EscribirTexto(int row, int col, const QString& str) {
  if (!grid_->IsValidCell(row, col)) return;
  editRow_ = grid_->Row();
  editCol_ = grid_->Col();
  QPointer<Celdix> self(this);
  grid_->SetCol(col);
  if (!self) return;
  grid_->SetRow(row);
  if (!self || !grid_->IsValidCell(row, col)) return;
  grid_->SetText(row, col, str);
  // The editor now over the cell shows the new text.
  if (!combo1_->isHidden() && editRow_ == row && editCol_ == col) combo1_->setEditText(str);
  text1_->setText(str);
  PaintCell(row, col);
}

void Celdix::PressReturn() {
  if (EditorOpen()) MoveForEnter();
}

void Celdix::KillFocus() {
  text1_->hide();
  text1_->setText(grid_->Text(grid_->Row(), grid_->Col()));
  combo1_->hide();
}

int Celdix::GetSelRow() const { return grid_->RowSel(); }

bool Celdix::EditorOpen() const { return !text1_->isHidden() || !combo1_->isHidden(); }

void Celdix::HideEditors() {
  text1_->hide();
  combo1_->hide();
}

void Celdix::PaintCell(int row, int col) { grid_->SetCellBackColor(row, col, RowColor(row)); }

void Celdix::UpdateButtons() {
  // The three buttons that change the table follow the read-only mode.
  const bool editable = !readOnlyTable_;
  addButton_->setEnabled(editable);
  pegarCommand_->setEnabled(editable);
  delButton_->setEnabled(editable && grid_->Rows() - grid_->FixedRows() > 1);
}

// ------------------------------------------------------------ cell events

void Celdix::OnEnterCell() {
  if (painting_) return;
  if (!grid_->isVisible()) return;
  const int r = grid_->Row();
  const int c = grid_->Col();
  editCol_ = c;
  editRow_ = r;
  if (readOnlyTable_) return;

  if (c < grid_->FixedCols() || r < grid_->FixedRows() || IsReadOnlyCol(c) ||
      ReadOnlyFlag(r, c) != 0) {
    // No editor on headings and read-only cells.
    HideEditors();
    text1_->clear();
    grid_->setFocus();
    return;
  }
  QRect cell = grid_->CellRect(r, c);
  if (cell.isNull()) {
    // Scrolled out of view: nothing to edit over.
    HideEditors();
    grid_->setFocus();
    return;
  }
  cell.translate(grid_->pos());
  const QString text = grid_->Text(r, c);

  if (IsDropdownCol(c)) {
    text1_->hide();
    text1_->clear();
    combo1_->hide();
    combo1_->setEnabled(true);
    combo1_->setGeometry(cell.left(), cell.top(), cell.width(), combo1_->sizeHint().height());
    combo1_->clear();
    FitDropdownTexts();
    if (c < static_cast<int>(dropdownTexts_.size()))
      for (const QString& option : dropdownTexts_[c])
        if (!option.isEmpty()) combo1_->addItem(option);
    combo1_->setCurrentIndex(-1);
    combo1_->setEditText(text);
    combo1_->show();
    combo1_->raise();
    combo1_->setFocus();
    return;
  }

  combo1_->setEnabled(false);
  combo1_->hide();
  text1_->hide();
  text1_->setGeometry(cell);
  text1_->setText(text);
  text1_->show();
  text1_->raise();
  text1_->setFocus();
  text1_->setSelection(0, 10000);
}

void Celdix::OnLeaveCell() {
  if (painting_) return;
  if (skipNextLeave_) {
    skipNextLeave_ = false;
    return;
  }
  if (!leaveArmed_) {
    leaveArmed_ = true;
    return;
  }
  if (readOnlyTable_) return;
  // Only an open editor has anything to commit.
  if (!EditorOpen()) return;
  const int r = editRow_;
  const int c = editCol_;
  if (r < grid_->FixedRows() || c < grid_->FixedCols()) {
    HideEditors();
    text1_->clear();
    return;
  }
  if (IsReadOnlyCol(c) || ReadOnlyFlag(r, c) != 0 || !grid_->IsValidCell(r, c)) {
    HideEditors();
    return;
  }
  QString value;
  if (!combo1_->isHidden()) {
    value = combo1_->currentText();
    combo1_->hide();
  } else if (IsNumericCol(c)) {
    const QString typed = text1_->text();
    text1_->hide();
    if (const std::string rechazo = RechazoCelda(c, typed); !rechazo.empty()) {
      // Refused: the cell keeps its text and no change is told.
      PaintCell(r, c);
      ShowMessage(this, rechazo, MsgIcon::Warning);
      return;
    }
    value = NumeroEscrito(typed);
  } else {
    value = text1_->text();
    text1_->hide();
  }
  grid_->SetText(r, c, value);
  PaintCell(r, c);
  emit TablaModificada();
}

void Celdix::CommitOpenEdit() {
  if (EditorOpen()) OnLeaveCell();
}

void Celdix::CommitForButton() {
  if (EditorOpen()) {
    OnLeaveCell();
    skipNextLeave_ = true;
  }
}

void Celdix::FocusChanged(QWidget* old, QWidget* now) {
  // Losing the focus to a widget outside the control commits the edit;
  // not to a Cancel button, whose click a refusal's message would take.
  if (!now || !old) return;
  if (IsInside(this, old) && !IsInside(this, now) && !FocoEnCancelar()) CommitOpenEdit();
}

void Celdix::MoveForEnter() {
  const int r = grid_->Row(), c = grid_->Col();
  if (c < grid_->Cols() - 1) grid_->SetCurrentCell(r, c + 1, true);
  else if (r < grid_->Rows() - 1) grid_->SetCurrentCell(r + 1, 0, true);
}

void Celdix::MoveByKey(int key) {
  const int r = grid_->Row(), c = grid_->Col();
  switch (key) {
    case Qt::Key_Left:
      if (c > 0) grid_->SetCurrentCell(r, c - 1, true);
      break;
    case Qt::Key_Right:
      if (c < grid_->Cols() - 1) grid_->SetCurrentCell(r, c + 1, true);
      break;
    case Qt::Key_Up:
      if (r > 0) grid_->SetCurrentCell(r - 1, c, true);
      break;
    case Qt::Key_Down:
      if (r < grid_->Rows() - 1) grid_->SetCurrentCell(r + 1, c, true);
      break;
    default:
      break;
  }
}

bool Celdix::eventFilter(QObject* watched, QEvent* e) {
  const bool inText = watched == text1_;
  const bool inCombo = watched == combo1_ || watched == combo1_->lineEdit();
  if (e->type() == QEvent::MouseButtonDblClick && (inText || inCombo)) {
    emit DblClick();
    return false;
  }
  if (e->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, e);
  auto* k = static_cast<QKeyEvent*>(e);
  const int key = k->key();
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  if ((inText || inCombo) && key == Qt::Key_Escape && k->modifiers() == Qt::NoModifier) {
    // Escape drops the cell's edit and nothing more: the window holding the
    // grid stays open and the cell keeps its text.
    grid_->setFocus(Qt::OtherFocusReason);
    HideEditors();
    return true;
  }
  if (inText) {
    painting_ = false;
    if (enter) {
      MoveForEnter();
      return true;
    }
    if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down) {
      MoveByKey(key);
      return true;
    }
  } else if (inCombo) {
    if (enter) {
      MoveForEnter();
      return true;
    }
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
      MoveByKey(key);
      return true;
    }
  } else if (watched == grid_ && enter) {
    // A table that is only read has nothing to move on to: Enter goes on to
    // the dialog and its default button.
    if (readOnlyTable_) return false;
    MoveForEnter();
    return true;
  }
  return QWidget::eventFilter(watched, e);
}

// ------------------------------------------------------------ rows

void Celdix::AddRowCommand() {
  if (readOnlyTable_) return;
  CommitForButton();
  grid_->SetRows(grid_->Rows() + 1);
  UpdateButtons();
  emit NuevaLinea();
}

void Celdix::DeleteRowCommand() {
  if (readOnlyTable_) return;
  CommitForButton();
  const int r = grid_->RowSel();
  // Headings and the only data row cannot be removed: nothing happens.
  if (r < grid_->FixedRows() || r >= grid_->Rows() || grid_->Rows() - grid_->FixedRows() < 2) {
    UpdateButtons();
    return;
  }
  QPointer<Celdix> self(this);
  if (AskYesNo(this, kCeldixConfirmDelete) == Answer::Yes && self) {
    if (grid_->RemoveRow(r)) emit BorrarLinea();
  }
  if (self) UpdateButtons();
}

// ------------------------------------------------------------ clipboard

QString Celdix::TableText() const {
  return grid_->RangeText(0, 0, grid_->Rows() - 1, grid_->Cols() - 1, QLatin1Char('\n'));
}

void Celdix::CopyTable() {
  QClipboard* cb = QGuiApplication::clipboard();
  cb->clear();
  cb->setText(TableText());
}

void Celdix::CopySelection() {
  QClipboard* cb = QGuiApplication::clipboard();
  cb->clear();
  cb->setText(grid_->Clip());
}

void Celdix::CopyButtonCommand() {
  CommitForButton();
  CopyTable();
}

void Celdix::PasteCommand() {
  if (readOnlyTable_) return;
  const QMimeData* md = QGuiApplication::clipboard()->mimeData();
  if (!md || !md->hasText()) return;
  const QString text = md->text();
  // An open editor would later write its stale text over the pasted one.
  CommitForButton();
  PasteText(text);
}

void Celdix::PasteText(const QString& text) {
  if (readOnlyTable_) return;
  std::vector<QString> lines = SplitLines(text);
  // The table's own copy: its headings are not data, and each of its lines
  // holds the fixed columns too.
  const int headings = CopiedHeadingLines(*grid_, lines);
  lines.erase(lines.begin(), lines.begin() + headings);
  const int firstCol = headings > 0 ? 0 : grid_->FixedCols();
  if (lines.empty()) return;
  const int count = static_cast<int>(lines.size());
  QPointer<Celdix> self(this);
  if (grid_->Rows() - grid_->FixedRows() < count) {
    MessageRequest q{kCeldixPasteCaption, kCeldixPasteTooManyRows, MsgButtons::YesNo,
                     MsgIcon::Question};
    if (CurrentMessageRunner().Run(this, q) == Answer::Yes && self) {
      grid_->SetRows(grid_->FixedRows() + count);
      UpdateButtons();
    }
    if (!self) return;
  }
  for (int i = 0; i < count; ++i) {
    const int row = grid_->FixedRows() + i;
    if (row >= grid_->Rows()) break;
    const QStringList cells = lines[i].split(QLatin1Char('\t'));
    for (int j = 0; j < cells.size(); ++j) {
      const int col = firstCol + j;
      if (col >= grid_->Cols()) break;
      if (col < grid_->FixedCols()) continue;
      const QString& v = cells[j];
      if (IsReadOnlyCol(col)) continue;
      if (ReadOnlyFlag(row, col) == -1) continue;
      if (IsNumericCol(col) && !RechazoCelda(col, v).empty()) continue;
      if (IsDropdownCol(col)) {
        FitDropdownTexts();
        const auto& options = dropdownTexts_[col];
        if (std::find(options.begin(), options.end(), v) == options.end()) continue;
      }
      grid_->SetText(row, col, IsNumericCol(col) ? NumeroEscrito(v) : v);
    }
  }
  emit TablaPegada();
}

// ------------------------------------------------------------ stored properties

namespace {
constexpr std::int64_t kDefaultForeColor = 0x80000008;
constexpr std::int64_t kDefaultForeColorFixed = 0x80000012;

QString AmbientFont(const QWidget* w) {
  return (w->parentWidget() ? w->parentWidget()->font() : QApplication::font()).toString();
}
}  // namespace

void Celdix::InitProperties() {
  backColor_ = 0;
  appearance_ = backStyle_ = borderStyle_ = 0;
  fontBold_ = fontItalic_ = false;
  fontSize_ = 0;
  fontName_.clear();
  readOnlyTable_ = false;
  MarcarIntro();
  permitirNuevoBorrar_ = false;
  painting_ = false;
}

void Celdix::ReadProperties(const PropertyBag& bag) {
  backColor_ = static_cast<std::uint32_t>(bag.ReadInt("BackColor", 0));
  grid_->SetForeColor(static_cast<std::uint32_t>(bag.ReadInt("ForeColor", kDefaultForeColor)));
  grid_->setEnabled(bag.ReadBool("Enabled", true));
  const QString ambient = AmbientFont(this);
  QFont font;
  if (font.fromString(QString::fromStdString(bag.ReadString("Font", ambient.toStdString()))))
    SetFont(font);
  appearance_ = static_cast<std::int16_t>(bag.ReadInt("Appearance", 0));
  backStyle_ = static_cast<std::int16_t>(bag.ReadInt("BackStyle", 0));
  borderStyle_ = static_cast<std::int16_t>(bag.ReadInt("BorderStyle", 0));
  const int colWidth0 = static_cast<int>(bag.ReadInt("ColWidth0", 0));
  if (grid_->Cols() > 0) grid_->SetColWidth(0, std::max(0, colWidth0));
  const int fixedCols = static_cast<int>(bag.ReadInt("FixedCols", 0));
  const int fixedRows = static_cast<int>(bag.ReadInt("FixedRows", 0));
  const bool fixedColsSet = grid_->SetFixedCols(fixedCols);
  const bool fixedRowsSet = grid_->SetFixedRows(fixedRows);
  fontBold_ = bag.ReadBool("FontBold", false);
  fontItalic_ = bag.ReadBool("FontItalic", false);
  fontName_ = QString::fromStdString(bag.ReadString("FontName", ""));
  fontSize_ = static_cast<float>(bag.ReadDouble("FontSize", 0.0));
  grid_->SetRows(static_cast<int>(bag.ReadInt("Rows", 6)));
  grid_->SetCols(static_cast<int>(bag.ReadInt("Cols", 6)));
  // Fixed counts above the old size fit once the size is read.
  if (!fixedColsSet) grid_->SetFixedCols(fixedCols);
  if (!fixedRowsSet) grid_->SetFixedRows(fixedRows);
  const std::int64_t sb = bag.ReadInt("ScrollBars", 3);
  if (sb >= 0 && sb <= 3) grid_->SetScrollBars(static_cast<GridWidget::ScrollBarSetting>(sb));
  grid_->SetText(0, 0, QString::fromStdString(bag.ReadString("TextMatrix0", "")));
  // The flag only: the grey look is the host's to ask for at run time.
  readOnlyTable_ = bag.ReadBool("ReadOnlyTable", false);
  MarcarIntro();
  permitirNuevoBorrar_ = bag.ReadBool("PermitirNuevoBorrar", false);
  grid_->SetForeColorFixed(
      static_cast<std::uint32_t>(bag.ReadInt("ForeColorFixed", kDefaultForeColorFixed)));
  UpdateButtons();
  dirty_ = false;  // loaded, not changed
}

void Celdix::WriteProperties(PropertyBag& bag) const {
  using I = std::int64_t;
  bag.Write("BackColor", I{backColor_}, I{0});
  bag.Write("ForeColor", I{grid_->ForeColor()}, kDefaultForeColor);
  bag.Write("Enabled", grid_->isEnabled(), true);
  bag.Write("Font", grid_->font().toString().toStdString(), AmbientFont(this).toStdString());
  bag.Write("Appearance", I{appearance_}, I{0});
  bag.Write("BackStyle", I{backStyle_}, I{0});
  bag.Write("BorderStyle", I{borderStyle_}, I{0});
  bag.Write("ColWidth0", I{grid_->Cols() > 0 ? grid_->ColWidth(0) : 0}, I{0});
  bag.Write("FixedCols", I{grid_->FixedCols()}, I{0});
  bag.Write("FixedRows", I{grid_->FixedRows()}, I{0});
  bag.Write("FontBold", fontBold_, false);
  bag.Write("FontItalic", fontItalic_, false);
  bag.Write("FontName", fontName_.toStdString(), std::string());
  bag.Write("FontSize", static_cast<double>(fontSize_), 0.0);
  bag.Write("Rows", I{grid_->Rows()}, I{6});
  bag.Write("Cols", I{grid_->Cols()}, I{6});
  bag.Write("ScrollBars", I{static_cast<int>(grid_->ScrollBars())}, I{3});
  bag.Write("TextMatrix0", grid_->Text(0, 0).toStdString(), std::string());
  bag.Write("ReadOnlyTable", readOnlyTable_, false);
  bag.Write("PermitirNuevoBorrar", permitirNuevoBorrar_, false);
  bag.WriteAlways("ForeColorFixed", I{grid_->ForeColorFixed()});
}

}  // namespace vardo
