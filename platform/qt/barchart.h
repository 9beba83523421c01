// A bar chart that dialogs fill cell by cell through a current row and
// column, as they would a chart control: RowCount and ColumnCount size the
// data grid, Row and Column (from 1) choose the current cell, RowLabel is the
// current row's label and Data the current cell's value. Data travels as
// text with a decimal comma ("30,", "2,5", "5,e-002") and is read as a
// number; text that is no number counts 0. Each cell is drawn as one bar,
// the bars of a row side by side in a group, the row's label below it, on a
// value axis that always takes in 0.
//
// Hostable in kit dialogs by its class id (kClassIdGraficoBarras).
#pragma once
#include <QString>
#include <QWidget>
#include <vector>

namespace vardo {

inline constexpr const char* kClassIdGraficoBarras = "{5B1E7C42-3D0A-4F6E-9C21-8A4D2E6B7F10}";

class BarChart : public QWidget {
  Q_OBJECT
 public:
  explicit BarChart(QWidget* parent = nullptr);

  // Size of the data grid. Values and labels stay where the new size still
  // holds them; new cells are 0 and new labels empty. The current row and
  // column follow a smaller size. Negative counts are refused (false).
  int RowCount() const { return rows_; }
  bool SetRowCount(int n);
  int ColumnCount() const { return cols_; }
  bool SetColumnCount(int n);

  // Current cell, from 1; 0 while the grid has no rows (columns). A row or
  // column outside 1..count is refused (false, nothing changes).
  int Row() const { return row_; }
  bool SetRow(int r);
  int Column() const { return col_; }
  bool SetColumn(int c);

  // Label of the current row ("" without a current row).
  QString RowLabel() const;
  bool SetRowLabel(const QString& label);

  // Value of the current cell as text with a decimal comma; setting reads
  // the text as a number (first "," as the decimal point). False without a
  // current cell.
  QString Data() const;
  bool SetData(const QString& text);

  // The stored number of a cell, rows and columns from 1 (0 outside).
  double Value(int row, int col) const;
  QString Label(int row) const;

  // Where the bar of a cell is drawn, in pixels of the widget (empty when
  // outside the grid); the value axis as drawn: its lowest and highest value.
  QRect BarRect(int row, int col) const;
  double AxisMin() const;
  double AxisMax() const;

  // The colour of the bars of a column (from 1).
  static QColor ColumnColor(int col);

  QSize sizeHint() const override { return {240, 160}; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  struct Layout {
    QRect plot;            // the bars' area
    double lo = 0.0;       // value at the plot's bottom
    double hi = 1.0;       // value at the plot's top
    double step = 0.2;     // between scale marks
  };
  Layout Compute() const;
  int ValueToY(const Layout& l, double v) const;
  std::size_t Index(int row, int col) const {
    return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(cols_) +
           static_cast<std::size_t>(col - 1);
  }
  void Resize(int rows, int cols);

  int rows_ = 0;
  int cols_ = 0;
  int row_ = 0;
  int col_ = 0;
  std::vector<double> values_;   // rows_ x cols_
  std::vector<QString> labels_;  // rows_
};

}  // namespace vardo
