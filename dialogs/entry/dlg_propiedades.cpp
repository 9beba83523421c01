#include "dialogs/entry/dlg_propiedades.h"

#include <initializer_list>
#include <utility>
#include <vector>

#include "app/qt/fabrica_dialogos_qt.h"

namespace vardo {

namespace {

using namespace kit;

// A row of a window: label, read-only field and unit.
struct Fila {
  const char* etiqueta;
  int id;
  const char* unidad;
};

// The stream and utility windows: number and name on top, one row per value,
// the list of exchangers and the closing button.
Template PlantillaConLista(const char* titulo, const char* cabecera, int idNumero, int idNombre,
                           std::initializer_list<Fila> filas, int idLista, const char* boton,
                           unsigned estiloBoton) {
  Template t{titulo, 200, 0, {}};
  auto& c = t.controls;
  c.push_back(Label(cabecera, 7, 9, 36, 8));
  c.push_back(Edit(idNumero, 44, 7, 24, 12, kReadOnly));
  c.push_back(Edit(idNombre, 72, 7, 121, 12, kReadOnly));
  int y = 25;
  for (const Fila& f : filas) {
    c.push_back(Label(f.etiqueta, 7, y + 2, 100, 8));
    c.push_back(Edit(f.id, 110, y, 56, 12, kReadOnly));
    c.push_back(Label(f.unidad, 170, y + 2, 26, 8));
    y += 16;
  }
  c.push_back(Label("Cambiadores:", 7, y + 2, 100, 8));
  c.push_back(List(idLista, 7, y + 12, 186, 56));
  c.push_back(Button(kIdCancel, boton, 143, y + 75, 50, 14, estiloBoton));
  t.h = y + 96;
  return t;
}

Template PlantillaCorriente() {
  using D = CPropCorrienteDlg;
  return PlantillaConLista("Propiedades de la corriente", "Corriente ", D::kIdNumero,
                           D::kIdNombre,
                           {{"Temperatura de entrada:", D::kIdEntrada, "K"},
                            {"Temperatura de salida:", D::kIdSalida, "K"},
                            {"Entalpía No Cubierta/Total:", D::kIdTotal, "kW"},
                            {"Entalpía sin cambiadores:", D::kIdSinCambiadores, "kW"},
                            {"m·cp:", D::kIdMcp, "kW/K"}},
                           D::kIdCambiadores, "Cerrar", kPlain);
}

Template PlantillaServicio() {
  using D = CPropServicioDlg;
  // "Aceptar" closes the window: it is the cancel button, and the default.
  return PlantillaConLista("Propiedades del Servicio", "Servicio", D::kIdNumero, D::kIdNombre,
                           {{"Temperatura de entrada:", D::kIdEntrada, "K"},
                            {"Temperatura de salida:", D::kIdSalida, "K"},
                            {"Entalpía No Cubierta/Total:", D::kIdTotal, "kW"},
                            {"Entalpía Máxima:", D::kIdMaxima, "kW"},
                            {"Entalpía sin cambiadores:", D::kIdSinCambiadores, "kW"},
                            {"m·cp:", D::kIdMcp, "kW/K"}},
                           D::kIdCambiadores, "Aceptar", kDefault);
}

// One side of an exchanger: the group named by the side, its stream's field
// on the group's caption line, and the two temperatures.
void Lado(std::vector<DefControl>& c, const char* nombre, int x, int idCorriente, int idEntrada,
          int idSalida) {
  c.push_back(Group(nombre, x, 77, 90, 62));
  c.push_back(Edit(idCorriente, x + 46, 74, 38, 12, kReadOnly));
  c.push_back(Label("T entrada:", x + 6, 95, 40, 8));
  c.push_back(Edit(idEntrada, x + 46, 93, 30, 12, kReadOnly));
  c.push_back(Label("K", x + 79, 95, 8, 8));
  c.push_back(Label("T salida:", x + 6, 113, 40, 8));
  c.push_back(Edit(idSalida, x + 46, 111, 30, 12, kReadOnly));
  c.push_back(Label("K", x + 79, 113, 8, 8));
}

Template PlantillaCambiador() {
  using D = CPropCambiadorDlg;
  Template t{"Propiedades del cambiador", 200, 167, {}};
  auto& c = t.controls;
  c.push_back(Label("Cambiador número", 7, 9, 72, 8));
  c.push_back(Edit(D::kIdNumero, 82, 7, 30, 12, kReadOnly));
  int y = 25;
  for (const Fila& f : {Fila{"Carga térmica:", D::kIdCarga, "kW"}, Fila{"Área:", D::kIdArea, "m2"},
                        Fila{"Coste:", D::kIdCoste, "$"}}) {
    c.push_back(Label(f.etiqueta, 7, y + 2, 72, 8));
    c.push_back(Edit(f.id, 82, y, 70, 12, kReadOnly));
    c.push_back(Label(f.unidad, 156, y + 2, 20, 8));
    y += 16;
  }
  Lado(c, "C. caliente:", 7, D::kIdCaliente, D::kIdEntradaCaliente, D::kIdSalidaCaliente);
  Lado(c, "C. fría:", 103, D::kIdFria, D::kIdEntradaFria, D::kIdSalidaFria);
  c.push_back(Button(kIdCancel, "Cerrar", 143, 146, 50, 14));
  return t;
}

// A latent stream or utility has no m·cp.
constexpr double kMcpLatente = -1.0;

}  // namespace

// ---------------------------------------------------------------- stream

CPropCorrienteDlg::CPropCorrienteDlg(VentanaPropCorriente datos)
    : kit::Dialog(PlantillaCorriente()), datos_(std::move(datos)) {}

void CPropCorrienteDlg::DataExchange(kit::Exchange& dx) {
  dx.Text(kIdNumero, datos_.numero);
  dx.Text(kIdNombre, datos_.nombre);
  dx.Text(kIdEntrada, datos_.tEntrada);
  dx.Text(kIdSalida, datos_.tSalida);
  dx.Text(kIdTotal, datos_.entalpiaTotal);
  dx.Text(kIdSinCambiadores, datos_.entalpiaSinCambiadores);
  dx.Text(kIdMcp, datos_.mcp);
}

void CPropCorrienteDlg::OnInit() {
  for (const std::string& linea : datos_.cambiadores) AddString(kIdCambiadores, linea);
}

// ---------------------------------------------------------------- utility

CPropServicioDlg::CPropServicioDlg(VentanaPropServicio datos)
    : kit::Dialog(PlantillaServicio()), datos_(std::move(datos)) {}

void CPropServicioDlg::DataExchange(kit::Exchange& dx) {
  dx.Int(kIdNumero, datos_.numero);
  dx.Text(kIdNombre, datos_.nombre);
  dx.Double(kIdEntrada, datos_.tEntrada);
  dx.Double(kIdSalida, datos_.tSalida);
  dx.Double(kIdTotal, datos_.entalpiaTotal);
  dx.Double(kIdMaxima, datos_.entalpiaMaxima);
  dx.Double(kIdSinCambiadores, datos_.entalpiaSinCambiadores);
  dx.Double(kIdMcp, datos_.mcp);
}

void CPropServicioDlg::OnInit() {
  if (datos_.mcp == kMcpLatente) SetText(kIdMcp, "-");
  for (const std::string& linea : datos_.cambiadores) AddString(kIdCambiadores, linea);
}

// ---------------------------------------------------------------- exchanger

CPropCambiadorDlg::CPropCambiadorDlg(VentanaPropCambiador datos)
    : kit::Dialog(PlantillaCambiador()), datos_(std::move(datos)) {}

void CPropCambiadorDlg::DataExchange(kit::Exchange& dx) {
  dx.Text(kIdNumero, datos_.numero);
  dx.Text(kIdCarga, datos_.carga);
  dx.Text(kIdArea, datos_.area);
  dx.Text(kIdCoste, datos_.coste);
  dx.Text(kIdCaliente, datos_.corrienteCaliente);
  dx.Text(kIdEntradaCaliente, datos_.tEntradaCaliente);
  dx.Text(kIdSalidaCaliente, datos_.tSalidaCaliente);
  dx.Text(kIdFria, datos_.corrienteFria);
  dx.Text(kIdEntradaFria, datos_.tEntradaFria);
  dx.Text(kIdSalidaFria, datos_.tSalidaFria);
}

// ---------------------------------------------------------------- opening

void MostrarPropCorriente(const VentanaPropCorriente& v) {
  (new CPropCorrienteDlg(v))->ShowModeless();
}

void MostrarPropServicio(const VentanaPropServicio& v) {
  (new CPropServicioDlg(v))->ShowModeless();
}

void MostrarPropCambiador(const VentanaPropCambiador& v) {
  (new CPropCambiadorDlg(v))->ShowModeless();
}

void RegistrarPropiedades(FabricaDialogosQt& fabrica) {
  // Created without a parent, whatever the factory's.
  fabrica.RegistrarVentana<VentanaPropCorriente>(
      [](QWidget*, const VentanaPropCorriente& v) { MostrarPropCorriente(v); });
  fabrica.RegistrarVentana<VentanaPropServicio>(
      [](QWidget*, const VentanaPropServicio& v) { MostrarPropServicio(v); });
  fabrica.RegistrarVentana<VentanaPropCambiador>(
      [](QWidget*, const VentanaPropCambiador& v) { MostrarPropCambiador(v); });
}

}  // namespace vardo
