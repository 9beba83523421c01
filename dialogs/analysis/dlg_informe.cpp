#include "dialogs/analysis/dlg_informe.h"

#include <optional>

#include "app/qt/fabrica_dialogos_qt.h"
#include "platform/core/numero_tecleado.h"

namespace vardo {

namespace {

// Page geometry in dialog units: the pages share one size, wide enough for
// the five tabs in one row.
constexpr int kAnchoPagina = 292;
constexpr int kAltoPagina = 174;
constexpr int kMargen = 7;
constexpr int kPrimeraFila = 22;
constexpr int kFila = 11;

constexpr const char* kSenale = "Señale los datos que desea que aparezcan en el informe:";

kit::Template Casillas(const char* titulo, int primerId, std::span<const char* const> textos) {
  using namespace kit;
  Template t{titulo, kAnchoPagina, kAltoPagina, {Label(kSenale, kMargen, 7, kAnchoPagina - 14, 8)}};
  for (std::size_t i = 0; i < textos.size(); ++i)
    t.controls.push_back(Check(primerId + static_cast<int>(i), textos[i], kMargen + 4,
                               kPrimeraFila + static_cast<int>(i) * kFila, kAnchoPagina - 22, 10));
  return t;
}

constexpr const char* kTextosCorrientes[] = {
    "Curvas Compuestas",
    "Correlaciones de costes y coeficientes de transmisión de calor",
    "Criterios de factibilidad y matrices de emparejamientos posibles",
    "Curvas Grand Compuestas",
    "Propiedades físicas",
    "Tabla de corrientes",
    "Vadizod",
    "Área y costes mínimos",
    "Estimación de coeficientes de transmisión de calor",
    "Tabla de entalpías de corrientes no lineales",
    "Áreas de Integridad",
    "Curvas Compuestas con Servicios",
    "Diferencia de Temperaturas disponible",
};
constexpr const char* kTextosCambiadores[] = {
    "Tabla de cambiadores",
    "Especificaciones de los cambiadores",
    "Análisis del problema remanente",
    "Diagrama de Trama",
    "Emparejamientos a través del pinch",
};
constexpr const char* kTextosAnillos[] = {
    "Anillos y Sendas",
    "Matriz de Adyacencia de Nodos",
    "Matriz de transmisión de perturbaciones",
};
constexpr const char* kTextosDTMinima[] = {
    "Variación del Área Mínima con DT mínima",
    "Variación de los costes del Inmovilizado con DT mínima",
    "Variación de los Costes de Operación con DT mínima",
    "Variación de los Costes Totales con DT mínima",
    "Variación del Número Mínimo de Cambiadores con DT mínima",
    "Variación de la Temperatura de Pinch con DT mínima",
    "Variación de los Servicios Generales con DT mínima",
};
constexpr const char* kTextosServicios[] = {
    "Correlaciones de costes y coeficientes de transmisión de calor",
    "Costes de Operación",
    "Tabla de entalpía de Servicios No Lineales",
    "Estimación de coeficientes de transmisión de calor",
    "Propiedades Físicas",
    "Tabla de Servicios",
};

kit::Template PlantillaDTMinima() {
  using namespace kit;
  using D = CInfDTMinDlg;
  Template t = Casillas("DT mínima", D::kPrimerId, kTextosDTMinima);
  const int y = kPrimeraFila + static_cast<int>(std::size(kTextosDTMinima)) * kFila + 6;
  const int xEdit = 176;
  t.controls.push_back(Group("Intervalo de DT mínima", kMargen, y, kAnchoPagina - 14, 62));
  const struct {
    const char* texto;
    int id;
    const char* unidad;
  } filas[] = {{"Diferencia de temperaturas mínima inicial:", D::kInicial, "K"},
               {"Diferencia de temperaturas mínima final:", D::kFinal, "K"},
               {"Número de puntos de la gráfica:", D::kPuntos, nullptr}};
  for (int i = 0; i < 3; ++i) {
    const int yi = y + 14 + i * 15;
    t.controls.push_back(Label(filas[i].texto, kMargen + 8, yi + 2, xEdit - kMargen - 12, 8));
    t.controls.push_back(Edit(filas[i].id, xEdit, yi, 56, 12));
    if (filas[i].unidad) t.controls.push_back(Label(filas[i].unidad, xEdit + 60, yi + 2, 12, 8));
  }
  return t;
}

}  // namespace

// ------------------------------------------------------------------ pages

CInfPaginaDlg::CInfPaginaDlg(kit::Template plantilla, int primerId, std::span<bool> marcas)
    : kit::Page(std::move(plantilla)), primerId_(primerId), marcas_(marcas) {}

void CInfPaginaDlg::DataExchange(kit::Exchange& dx) {
  for (std::size_t i = 0; i < marcas_.size(); ++i)
    dx.Check(primerId_ + static_cast<int>(i), marcas_[i]);
}

CInfCorrDlg::CInfCorrDlg(OpcionesInforme& o)
    : CInfPaginaDlg(Casillas("Corrientes", kPrimerId, kTextosCorrientes), kPrimerId, o.corrientes) {}

CInfoCambDlg::CInfoCambDlg(OpcionesInforme& o)
    : CInfPaginaDlg(Casillas("Cambiadores", kPrimerId, kTextosCambiadores), kPrimerId,
                    o.cambiadores) {}

CInfAnillosDlg::CInfAnillosDlg(OpcionesInforme& o)
    : CInfPaginaDlg(Casillas("Anillos y Sendas", kPrimerId, kTextosAnillos), kPrimerId, o.anillos) {}

CInfServiciosDlg::CInfServiciosDlg(OpcionesInforme& o)
    : CInfPaginaDlg(Casillas("Servicios", kPrimerId, kTextosServicios), kPrimerId, o.servicios) {}

CInfDTMinDlg::CInfDTMinDlg(OpcionesInforme& o)
    : CInfPaginaDlg(PlantillaDTMinima(), kPrimerId, o.dtMinima), o_(o) {
  OnFocusOut(kInicial, [this] { ComprobarInicial(); });
  OnFocusOut(kFinal, [this] { ComprobarFinal(); });
  OnFocusOut(kPuntos, [this] { ComprobarPuntos(); });
}

void CInfDTMinDlg::DataExchange(kit::Exchange& dx) {
  CInfPaginaDlg::DataExchange(dx);
  dx.Double(kInicial, o_.dtInicial, RangoNumero::DTMin());
  dx.Double(kFinal, o_.dtFinal, RangoNumero::DTMin());
  dx.Int(kPuntos, o_.puntos);
  if (!dx.Saving() || o_.dtInicial > 0.0) return;
  for (bool grafica : o_.dtMinima)
    if (grafica) dx.Fail(kInicial, kMsgDTInicialInforme);
}

namespace {

// A box's number by the rule; none for a text that OK will refuse.
std::optional<double> Valor(const kit::ControlHost& h, int id) {
  return LeerNumeroTecleado(h.Text(id));
}

}  // namespace

// The fix-ups change only the box's text, as typed; OK reads it. A box that
// holds no number is left for OK to refuse.
void CInfDTMinDlg::ComprobarInicial() {
  auto inicial = Valor(*this, kInicial);
  if (!inicial) return;
  if (*inicial < 0.0) {
    SetText(kInicial, "1");
    inicial = 1.0;
  }
  const auto fin = Valor(*this, kFinal);
  if (fin && *inicial > *fin) SetNumber(kInicial, *fin - 1.0);
}

void CInfDTMinDlg::ComprobarFinal() {
  auto fin = Valor(*this, kFinal);
  if (!fin) return;
  if (*fin < 0.0) {
    SetText(kFinal, "1");
    fin = 1.0;
  }
  const auto inicial = Valor(*this, kInicial);
  if (inicial && *fin < *inicial) SetNumber(kFinal, *inicial + 1.0);
}

void CInfDTMinDlg::ComprobarPuntos() {
  if (Integer(kPuntos) < 10) SetText(kPuntos, "10");
}

// ------------------------------------------------------------------ sheet

CInforme::CInforme(QWidget* parent)
    : kit::PropertySheet("Informe", parent),
      corrientes_(opciones_),
      cambiadores_(opciones_),
      anillos_(opciones_),
      servicios_(opciones_),
      dtMinima_(opciones_) {
  AddPage(corrientes_);
  AddPage(cambiadores_);
  AddPage(anillos_);
  AddPage(servicios_);
  AddPage(dtMinima_);
}

void CInforme::BeforeBuild() {
  opciones_ = OpcionesInforme{};
  kit::PropertySheet::BeforeBuild();
}

bool EjecutarInforme(QWidget* padre, DlgInforme& d) {
  CInforme hoja(padre);
  if (hoja.Run() != kit::kIdOk) return false;
  d.opciones = hoja.Opciones();
  return true;
}

void RegistrarInforme(FabricaDialogosQt& fabrica) { fabrica.Registrar<DlgInforme>(EjecutarInforme); }

}  // namespace vardo
