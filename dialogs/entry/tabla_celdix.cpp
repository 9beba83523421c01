#include "dialogs/entry/tabla_celdix.h"

#include <QString>

namespace vardo {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

// Column 0 is 960 twips wide.
constexpr int kAnchoColumnaT = 960;

}  // namespace

void PrepararTablaPuntos(Celdix& grid, const char* cabeceraT, const char* cabeceraH) {
  // No heading column; set first, so the grid scrolls back to column 0.
  grid.SetFixedCols(0);
  grid.SetCols(2);
  grid.SetFixedRows(1);
  grid.SetColWidth(0, kAnchoColumnaT);
  grid.SetTextMatrix(0, 0, QString::fromUtf8(cabeceraT));
  grid.SetTextMatrix(0, 1, QString::fromUtf8(cabeceraH));
  grid.SetColNumeric(0);
  grid.SetColNumeric(1);
  if (grid.Rows() < 2) grid.SetRows(2);
  grid.SetReadOnlyCells(1, 1, true);
  grid.SetTextMatrix(1, 1, QStringLiteral("0"));
}

TablaPuntos LeerTabla(const Celdix& grid) {
  TablaPuntos filas;
  for (int r = 1; r < grid.Rows(); ++r)
    filas.push_back({S(grid.TextMatrix(r, 0)), S(grid.TextMatrix(r, 1))});
  return filas;
}

void EscribirTabla(Celdix& grid, const TablaPuntos& filas) {
  grid.SetRows(static_cast<int>(filas.size()) + 1);
  for (std::size_t i = 0; i < filas.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    grid.SetTextMatrix(r, 0, Q(filas[i].t));
    grid.SetTextMatrix(r, 1, Q(filas[i].h));
  }
}

void ActualizarTabla(Celdix& grid, const TablaPuntos& filas) {
  for (std::size_t i = 0; i < filas.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    if (r >= grid.Rows()) break;
    if (S(grid.TextMatrix(r, 0)) != filas[i].t) grid.SetTextMatrix(r, 0, Q(filas[i].t));
    if (S(grid.TextMatrix(r, 1)) != filas[i].h) grid.SetTextMatrix(r, 1, Q(filas[i].h));
  }
}

void CopiarFilaAnterior(Celdix& grid) {
  const int r = grid.Rows() - 1;
  if (r < 2) return;
  grid.SetTextMatrix(r, 0, grid.TextMatrix(r - 1, 0));
  grid.SetTextMatrix(r, 1, grid.TextMatrix(r - 1, 1));
}

void ReponerSegundaFila(Celdix& grid) {
  grid.SetRows(3);
  CopiarFilaAnterior(grid);
  grid.SetTextMatrix(1, 1, QStringLiteral("0"));
}

}  // namespace vardo
