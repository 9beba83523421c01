#include "dialogs/entry/dlg_prop_grafico.h"

#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <string>
#include <tuple>

#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/entry/ejecutar_copia.h"
#include "dialogs/entry/tamano_grafico.h"

namespace vardo {

namespace {

using namespace kit;
using D = CPropGraficoDlg;

const char* const kTextoEscala = "Escala de Ejes";
const char* const kTextoLeyenda = "Leyenda";
const char* const kTextoEjes = "Títulos de Ejes";
const char* const kTextoTitulo = "Título";

// One font row of the "Fuente" group: the sample and its button.
void FilaFuente(std::vector<DefControl>& c, int y, int idMuestra, int idCambiar) {
  c.push_back(Edit(idMuestra, 14, y, 84, 16, kReadOnly));
  c.push_back(Button(idCambiar, "Cambiar", 102, y + 1, 38, 14));
}

Template Plantilla() {
  Template t{"Propiedades del gráfico", 325, 295, {}};
  auto& c = t.controls;
  // Left column.
  c.push_back(Group("Propiedades del gráfico", 7, 7, 140, 78));
  c.push_back(Label("Tamaño del gráfico:", 14, 20, 100, 8));
  c.push_back(Label("Ancho", 20, 34, 24, 8));
  c.push_back(Edit(D::kIdAncho, 46, 32, 36, 12));
  c.push_back(Label("cm", 86, 34, 14, 8));
  c.push_back(Label("Alto", 20, 50, 24, 8));
  c.push_back(Edit(D::kIdAlto, 46, 48, 36, 12));
  c.push_back(Label("cm", 86, 50, 14, 8));
  c.push_back(Check(D::kIdRejilla, "Mostrar Rejilla", 14, 68, 100, 10));
  c.push_back(Group("Fuente", 7, 90, 140, 100));
  FilaFuente(c, 103, D::kIdMuestraEscala, D::kIdCambiarEscala);
  FilaFuente(c, 124, D::kIdMuestraLeyenda, D::kIdCambiarLeyenda);
  FilaFuente(c, 145, D::kIdMuestraEjes, D::kIdCambiarEjes);
  FilaFuente(c, 166, D::kIdMuestraTitulo, D::kIdCambiarTitulo);
  c.push_back(Group("Leyenda", 7, 195, 140, 84));
  const char* leyendas[] = {"Superior - Izquierda", "Superior -Derecha", "Inferior - Izquierda",
                            "Inferior-Derecha",     "Exterior",          "No mostrar Leyenda"};
  for (int i = 0; i < 6; ++i)
    c.push_back(Radio(D::kIdLeyenda + i, leyendas[i], 14, 207 + 12 * i, 120, 10,
                      i == 0 ? kGroup : kPlain));
  // Right column, wide enough for an axis limit with its decimals.
  c.push_back(Group("Títulos", 152, 7, 166, 88));
  c.push_back(Label("Título del eje x:", 159, 19, 120, 8, kPlain));
  c.push_back(Edit(D::kIdTituloX, 159, 29, 152, 12, kGroup));
  c.push_back(Label("Título del eje y:", 159, 45, 120, 8));
  c.push_back(Edit(D::kIdTituloY, 159, 55, 152, 12));
  c.push_back(Label("Título del gráfico:", 159, 71, 120, 8));
  c.push_back(Edit(D::kIdTitulo, 159, 81, 152, 12));
  c.push_back(Group("Series de datos", 152, 100, 166, 82));
  c.push_back(Label("Número de Serie", 159, 114, 64, 8));
  c.push_back(Edit(D::kIdNumeroSerie, 226, 112, 34, 12, kDigits));
  c.push_back(UpDown(D::kIdGiroSerie, D::kIdNumeroSerie, 250, 112, 10, 12));
  c.push_back(Label("Nombre:", 159, 131, 32, 8));
  c.push_back(Edit(D::kIdNombre, 194, 129, 117, 12));
  c.push_back(Label("Estilo:", 159, 148, 32, 8));
  c.push_back(Combo(D::kIdEstilo, 194, 146, 117, 80, kListOnly,
                    {"Línea continua", "Línea discontinua", "Línea punteada", "Puntos",
                     "Guión - punto", "Guión - punto - punto"}));
  c.push_back(Label("Color:", 159, 165, 32, 8));
  c.push_back(Label("", 194, 163, 30, 12, kPlain, D::kIdColor));
  c.push_back(Button(D::kIdCambiarColor, "Cambiar Color", 256, 162, 55, 14));
  c.push_back(Group("Escala de los ejes", 152, 187, 166, 54));
  c.push_back(Label("x  mínimo:", 159, 202, 34, 8));
  c.push_back(Edit(D::kIdXMin, 194, 200, 42, 12));
  c.push_back(Label("x máximo:", 239, 202, 34, 8));
  c.push_back(Edit(D::kIdXMax, 273, 200, 40, 12));
  c.push_back(Label("y mínimo:", 159, 221, 34, 8));
  c.push_back(Edit(D::kIdYMin, 194, 219, 42, 12));
  c.push_back(Label("y máximo:", 239, 221, 34, 8));
  c.push_back(Edit(D::kIdYMax, 273, 219, 40, 12));
  c.push_back(Button(kIdOk, "Aceptar", 208, 265, 50, 14, kDefault | kGroup));
  c.push_back(Button(kIdCancel, "Cancelar", 266, 265, 50, 14));
  return t;
}

}  // namespace

int EntradaDeEstilo(int estilo) {
  const auto* fin = std::end(kEstilosSerie);
  const auto* it = std::find(std::begin(kEstilosSerie), fin, estilo);
  return it == fin ? -1 : static_cast<int>(it - std::begin(kEstilosSerie));
}

CPropGraficoDlg::CPropGraficoDlg(DlgPropGrafico& datos, QWidget* parent)
    : kit::Dialog(Plantilla(), parent), datos_(datos) {
  // Entering the number field stores the series shown; leaving it shows the
  // series typed there (held within the series).
  OnFocusIn(kIdNumeroSerie, [this] {
    if (NumSeries() > 0) GuardarSerie(SerieDelCampo());
  });
  OnFocusOut(kIdNumeroSerie, [this] {
    if (NumSeries() == 0) return;
    const int i = SerieDelCampo();
    SetInt(kIdNumeroSerie, i + 1);
    MostrarSerie(i);
  });
  OnStep(kIdGiroSerie, [this](int pos, int delta) {
    const int nueva = pos + delta - 1;
    if (nueva < 0) {
      SetText(kIdNumeroSerie, "1");
    } else if (nueva >= NumSeries()) {
      SetInt(kIdNumeroSerie, NumSeries());
    } else {
      GuardarSerie(pos - 1);
      MostrarSerie(nueva);
    }
    return true;
  });
  OnClick(kIdCambiarColor, [this] {
    if (NumSeries() == 0) return;
    const int i = SerieDelCampo();
    Rgb color = datos_.series[static_cast<std::size_t>(i)].color;
    if (!kit::ChooseColor(this, color)) return;
    datos_.series[static_cast<std::size_t>(i)].color = color;
    MostrarSerie(i);
  });
  OnClick(kIdCambiarEscala,
          [this] { CambiarFuente(kIdMuestraEscala, datos_.fuenteEscala, kTextoEscala); });
  OnClick(kIdCambiarLeyenda,
          [this] { CambiarFuente(kIdMuestraLeyenda, datos_.fuenteLeyenda, kTextoLeyenda); });
  OnClick(kIdCambiarEjes, [this] { CambiarFuente(kIdMuestraEjes, datos_.fuenteEjes, kTextoEjes); });
  OnClick(kIdCambiarTitulo,
          [this] { CambiarFuente(kIdMuestraTitulo, datos_.fuenteTitulo, kTextoTitulo); });
}

void CPropGraficoDlg::DataExchange(kit::Exchange& dx) {
  dx.Text(kIdAncho, datos_.ancho);
  dx.Text(kIdAlto, datos_.alto);
  ComprobarTamano(dx, kIdAncho, datos_.ancho);
  ComprobarTamano(dx, kIdAlto, datos_.alto);
  dx.Check(kIdRejilla, datos_.rejilla);
  dx.Text(kIdTituloX, datos_.tituloX);
  dx.Text(kIdTituloY, datos_.tituloY);
  dx.Text(kIdTitulo, datos_.titulo);
  // The axis limits: any number, as typed; what the chart showed stays.
  const std::pair<int, std::string*> limites[] = {{kIdXMin, &datos_.xMin},
                                                  {kIdXMax, &datos_.xMax},
                                                  {kIdYMin, &datos_.yMin},
                                                  {kIdYMax, &datos_.yMax}};
  for (const auto& [id, texto] : limites) {
    dx.Text(id, *texto);
    double v = 0.0;
    if (!dx.Saving() || !Typed(id)) continue;
    const std::string mensaje = ComprobarNumeroTecleado(*texto, RangoNumero::Finito(), v);
    if (!mensaje.empty()) dx.Fail(id, mensaje);
  }
  // Each axis runs from its minimum up to a greater maximum.
  const std::tuple<int, const std::string*, const std::string*, const char*> ejes[] = {
      {kIdXMin, &datos_.xMin, &datos_.xMax, "x"}, {kIdYMin, &datos_.yMin, &datos_.yMax, "y"}};
  for (const auto& [id, minimo, maximo, eje] : ejes) {
    if (!dx.Saving()) break;
    const auto a = LeerNumeroTecleado(*minimo);
    const auto b = LeerNumeroTecleado(*maximo);
    if (a && b && !(*a < *b))
      dx.Fail(id, std::string("El mínimo del eje ") + eje + " debe ser menor que el máximo.");
  }
  dx.Radio(kIdLeyenda, datos_.posLeyenda);
}

void CPropGraficoDlg::OnInit() {
  datos_.fuentesCambiadas = false;
  auto* muestra = Get<QLabel>(kIdColor);
  muestra->setFrameStyle(QFrame::Box | QFrame::Plain);
  muestra->setAutoFillBackground(true);
  SetRange(kIdGiroSerie, 1, std::max(1, NumSeries()));
  SetPos(kIdGiroSerie, 1);
  if (NumSeries() > 0) {
    MostrarSerie(0);
  } else {
    // A chart without series has nothing to edit here.
    for (int id : {kIdNumeroSerie, kIdGiroSerie, kIdNombre, kIdEstilo, kIdCambiarColor})
      Enable(id, false);
  }
  MostrarFuente(kIdMuestraEscala, datos_.fuenteEscala, kTextoEscala);
  MostrarFuente(kIdMuestraLeyenda, datos_.fuenteLeyenda, kTextoLeyenda);
  MostrarFuente(kIdMuestraEjes, datos_.fuenteEjes, kTextoEjes);
  MostrarFuente(kIdMuestraTitulo, datos_.fuenteTitulo, kTextoTitulo);
}

void CPropGraficoDlg::OnOK() {
  if (NumSeries() > 0) GuardarSerie(SerieDelCampo());
  kit::Dialog::OnOK();
}

int CPropGraficoDlg::SerieDelCampo() const {
  return std::clamp(Integer(kIdNumeroSerie), 1, std::max(1, NumSeries())) - 1;
}

void CPropGraficoDlg::MostrarSerie(int i) {
  const SerieGrafica& s = datos_.series[static_cast<std::size_t>(i)];
  SetText(kIdNombre, s.etiqueta);
  const int entrada = EntradaDeEstilo(s.estilo);
  if (entrada >= 0) SetCurSel(kIdEstilo, entrada);
  auto* muestra = Get<QLabel>(kIdColor);
  QPalette p = muestra->palette();
  p.setColor(QPalette::Window, QColor(RgbRed(s.color), RgbGreen(s.color), RgbBlue(s.color)));
  muestra->setPalette(p);
}

void CPropGraficoDlg::GuardarSerie(int i) {
  SerieGrafica& s = datos_.series[static_cast<std::size_t>(i)];
  s.etiqueta = Text(kIdNombre);
  const int entrada = CurSel(kIdEstilo);
  if (entrada >= 0) s.estilo = kEstilosSerie[entrada];
}

namespace {

// The room a field gives its text: the style's contents less the field's
// own margins around the line (2 pixels across, 1 up and down).
QRect SitioTexto(const QLineEdit* e) {
  QStyleOptionFrame o;
  o.initFrom(e);
  o.rect = e->rect();
  o.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, e) : 0;
  const QRect r = e->style()->subElementRect(QStyle::SE_LineEditContents, &o, e);
  return r.marginsRemoved(e->textMargins()).adjusted(2, 1, -2, -1);
}

// The font a sample shows its text in: the chosen one, made smaller (face
// and style kept) until the text stands whole in the field.
QFont FuenteMuestra(const QLineEdit* e, QFont f, const QString& texto) {
  const QRect sitio = SitioTexto(e);
  for (;;) {
    const QFontMetrics fm(f);
    // The field keeps room for the cursor and the font's overhanging glyphs.
    const int ancho = fm.horizontalAdvance(texto) + 1 + std::max(0, -fm.minLeftBearing()) +
                      std::max(0, -fm.minRightBearing());
    if ((ancho <= sitio.width() && fm.height() <= sitio.height()) ||
        f.pointSizeF() <= 4.0)
      return f;
    f.setPointSizeF(std::max(4.0, f.pointSizeF() * 0.95));
  }
}

}  // namespace

void CPropGraficoDlg::MostrarFuente(int idMuestra, const LogFont& fuente, const char* texto) {
  auto* e = Get<QLineEdit>(idMuestra);
  SetText(idMuestra, "");
  e->setFont(FuenteMuestra(e, kit::ToQFont(fuente), QString::fromUtf8(texto)));
  SetText(idMuestra, texto);
  e->setCursorPosition(0);
}

void CPropGraficoDlg::CambiarFuente(int idMuestra, LogFont& fuente, const char* texto) {
  LogFont elegida = fuente;
  if (!kit::ChooseFont(this, elegida)) return;
  fuente = elegida;
  datos_.fuentesCambiadas = true;
  MostrarFuente(idMuestra, fuente, texto);
}

bool EjecutarPropGrafico(QWidget* padre, DlgPropGrafico& d) {
  return EjecutarSobreCopia<CPropGraficoDlg>(padre, d);
}

void RegistrarPropGrafico(FabricaDialogosQt& fabrica) {
  fabrica.Registrar<DlgPropGrafico>(EjecutarPropGrafico);
}

}  // namespace vardo
