#include "dialogs/entry/dlg_formato_cambiadores.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/entry/ejecutar_copia.h"
#include "platform/qt/textwrap.h"

namespace vardo {

namespace {

using namespace kit;

const char* const kTextoTemperaturas = "Temperaturas que aparecen en el diagrama de trama:";

// The four temperature check boxes, one under the other from y.
void Temperaturas(std::vector<DefControl>& c, int y, int idEntradaCaliente, int idSalidaCaliente,
                  int idEntradaFria, int idSalidaFria) {
  c.push_back(Check(idEntradaCaliente, "Entrada de la corriente caliente", 20, y, 170, 10));
  c.push_back(Check(idSalidaCaliente, "Salida de la corriente caliente", 20, y + 13, 170, 10));
  c.push_back(Check(idEntradaFria, "Entrada de la corriente fría", 20, y + 26, 170, 10));
  c.push_back(Check(idSalidaFria, "Salida de la corriente fría", 20, y + 39, 170, 10));
}

Template PlantillaFormatoTodos() {
  using D = CFormatoCambDlg;
  Template t{"Formato de los cambiadores", 218, 207, {}};
  auto& c = t.controls;
  c.push_back(Label(kTextoTemperaturas, 10, 10, 200, 8));
  Temperaturas(c, 24, D::kIdEntradaCaliente, D::kIdSalidaCaliente, D::kIdEntradaFria,
               D::kIdSalidaFria);
  c.push_back(Check(D::kIdQ, "Mostrar la entalpía del cambiador", 10, 84, 180, 10));
  c.push_back(Label("Mostrar número del cambiador:", 10, 104, 200, 8));
  c.push_back(Radio(D::kIdDentro, "Dentro del círculo del cambiador", 20, 118, 170, 10, kGroup));
  c.push_back(Radio(D::kIdEncima, "Encima del círculo del cambiador", 20, 131, 170, 10));
  c.push_back(Radio(D::kIdSinNumero, "No mostrar número", 20, 144, 170, 10));
  c.push_back(Label("Tamaño del círculo:", 10, 166, 70, 8, kPlain));
  c.push_back(Edit(D::kIdTamano, 82, 164, 40, 12));
  c.push_back(Label("mm", 126, 166, 20, 8));
  c.push_back(Button(kIdOk, "Aceptar", 106, 186, 50, 14, kDefault | kGroup));
  c.push_back(Button(kIdCancel, "Cancelar", 162, 186, 50, 14));
  return t;
}

Template PlantillaFormatoUno() {
  using D = CFormatoCambiadorDlg;
  Template t{"Formato de cambiador", 195, 121, {}};
  auto& c = t.controls;
  c.push_back(Label("Formato del cambiador", 10, 10, 84, 8));
  c.push_back(Edit(D::kIdNumero, 96, 8, 30, 12, kReadOnly));
  c.push_back(Label(kTextoTemperaturas, 10, 28, 180, 8));
  Temperaturas(c, 42, D::kIdEntradaCaliente, D::kIdSalidaCaliente, D::kIdEntradaFria,
               D::kIdSalidaFria);
  c.push_back(Button(kIdOk, "Aceptar", 83, 100, 50, 14, kDefault));
  c.push_back(Button(kIdCancel, "Cancelar", 138, 100, 50, 14));
  return t;
}

Template PlantillaCalculo() {
  using D = CCalculoCambDlg;
  Template t{"Cálculo de cambiadores", 257, 215, {}};
  auto& c = t.controls;
  c.push_back(Edit(D::kIdTexto, 7, 7, 243, 176, kMultiline | kReadOnly));
  c.push_back(Button(D::kIdCorregir, "Corregir", 145, 192, 50, 14));
  c.push_back(Button(D::kIdCerrar, "Cerrar", 200, 192, 50, 14, kDefault));
  return t;
}

}  // namespace

// ---------------------------------------------------------------- every exchanger

CFormatoCambDlg::CFormatoCambDlg(DlgFormatoCambiadores& datos, QWidget* parent)
    : kit::Dialog(PlantillaFormatoTodos(), parent), datos_(datos) {}

void CFormatoCambDlg::DataExchange(kit::Exchange& dx) {
  dx.Check(kIdEntradaCaliente, datos_.verEntradaCaliente);
  dx.Check(kIdSalidaCaliente, datos_.verSalidaCaliente);
  dx.Check(kIdEntradaFria, datos_.verEntradaFria);
  dx.Check(kIdSalidaFria, datos_.verSalidaFria);
  dx.Check(kIdQ, datos_.verQ);
  dx.Radio(kIdDentro, datos_.posicionNumero);
  dx.Double(kIdTamano, datos_.tamano, kTamanoCirculoMinimo, kTamanoCirculoMaximo);
}

// ---------------------------------------------------------------- one exchanger

CFormatoCambiadorDlg::CFormatoCambiadorDlg(DlgFormatoCambiador& datos, QWidget* parent)
    : kit::Dialog(PlantillaFormatoUno(), parent), datos_(datos) {}

void CFormatoCambiadorDlg::DataExchange(kit::Exchange& dx) {
  dx.Int(kIdNumero, datos_.numero);
  dx.Check(kIdEntradaCaliente, datos_.verEntradaCaliente);
  dx.Check(kIdSalidaCaliente, datos_.verSalidaCaliente);
  dx.Check(kIdEntradaFria, datos_.verEntradaFria);
  dx.Check(kIdSalidaFria, datos_.verSalidaFria);
}

// ---------------------------------------------------------------- calculation

CCalculoCambDlg::CCalculoCambDlg(const DlgCalculoCambiadores& datos, QWidget* parent)
    : kit::Dialog(PlantillaCalculo(), parent), datos_(datos) {}

void CCalculoCambDlg::OnInit() {
  // The message scrolls when long but never takes the focus, so that Enter
  // reaches "Cerrar".
  auto* texto = Get<QPlainTextEdit>(kIdTexto);
  texto->setFocusPolicy(Qt::NoFocus);
  // The lines are broken here, not by the box, so that each keeps its indent.
  texto->setLineWrapMode(QPlainTextEdit::NoWrap);
  const int ancho = texto->contentsRect().width() -
                    texto->style()->pixelMetric(QStyle::PM_ScrollBarExtent) -
                    2 * static_cast<int>(std::ceil(texto->document()->documentMargin())) - 4;
  const QFontMetrics fm(texto->font());
  const qreal tab = texto->tabStopDistance();
  texto->setPlainText(EnvolverConSangria(
      QString::fromStdString(datos_.texto), ancho, [&fm, tab](const QString& linea) {
        qsizetype n = 0;
        while (n < linea.size() && linea[n] == QLatin1Char('\t')) ++n;
        return static_cast<int>(n * tab) + fm.horizontalAdvance(linea.mid(n));
      }));
  Enable(kIdCorregir, datos_.corregible);
  Focus(kIdCerrar);
}

// ---------------------------------------------------------------- running

bool EjecutarFormatoCambiadores(QWidget* padre, DlgFormatoCambiadores& d) {
  return EjecutarSobreCopia<CFormatoCambDlg>(padre, d);
}

bool EjecutarFormatoCambiador(QWidget* padre, DlgFormatoCambiador& d) {
  return EjecutarSobreCopia<CFormatoCambiadorDlg>(padre, d);
}

bool EjecutarCalculoCambiadores(QWidget* padre, DlgCalculoCambiadores& d) {
  CCalculoCambDlg dlg(d, padre);
  return dlg.Run() == kIdOk;
}

void RegistrarFormatoCambiadores(FabricaDialogosQt& fabrica) {
  fabrica.Registrar<DlgFormatoCambiadores>(EjecutarFormatoCambiadores);
  fabrica.Registrar<DlgFormatoCambiador>(EjecutarFormatoCambiador);
  fabrica.Registrar<DlgCalculoCambiadores>(EjecutarCalculoCambiadores);
}

}  // namespace vardo
