#include "dialogs/entry/dlg_prop_diagrama.h"

#include <string>
#include <vector>

#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/entry/ejecutar_copia.h"
#include "dialogs/entry/tamano_grafico.h"
#include "platform/qt/messagerunner.h"

namespace vardo {

namespace {

using namespace kit;

// Said when the range of DT min runs the wrong way.
const char* const kMsgFinalMayor = "La diferencia de temperaturas final debe ser mayor que la inicial";

Template PlantillaDiagrama() {
  using D = CPropDiagramaDlg;
  Template t{"Propiedades del Gráfico", 203, 175, {}};
  auto& c = t.controls;
  c.push_back(Label("Tamaño del gráfico:", 7, 9, 76, 8));
  c.push_back(Label("Ancho", 86, 9, 24, 8));
  c.push_back(Edit(D::kIdAncho, 112, 7, 30, 12));
  c.push_back(Label("cm", 146, 9, 14, 8));
  c.push_back(Label("Alto", 86, 25, 24, 8));
  c.push_back(Edit(D::kIdAlto, 112, 23, 30, 12));
  c.push_back(Label("cm", 146, 25, 14, 8));
  c.push_back(Button(D::kIdCambiarFuente, "Cambiar Fuente", 7, 42, 66, 14));
  const char* opciones[] = {"Mostrar las temperaturas de pinch",
                            "Mostrar las temperaturas de las corrientes bifurcadas",
                            "Mostrar los nombres de las corrientes",
                            "Ordenar las corrientes en calientes y frías",
                            "Ordenar las corrientes según áreas de integridad",
                            "Colorear las áreas de integridad",
                            "Colorear los servicios"};
  for (int i = 0; i < 7; ++i)
    c.push_back(Check(D::kIdTPinch + i, opciones[i], 7, 64 + 12 * i, 192, 10));
  c.push_back(Button(kIdOk, "Aceptar", 92, 154, 50, 14, kDefault));
  c.push_back(Button(kIdCancel, "Cancelar", 146, 154, 50, 14));
  return t;
}

Template PlantillaOtras() {
  using D = COtrasGraficasDlg;
  const std::vector<std::string> variables(std::begin(kVariablesGrafica),
                                           std::end(kVariablesGrafica));
  Template t{"Otras Gráficas", 258, 146, {}};
  auto& c = t.controls;
  c.push_back(Label("Eje X:", 10, 12, 26, 8));
  c.push_back(Combo(D::kIdEjeX, 40, 10, 130, 110, kListOnly, variables));
  c.push_back(Label("Eje Y:", 10, 30, 26, 8));
  c.push_back(Combo(D::kIdEjeY, 40, 28, 130, 110, kListOnly, variables));
  c.push_back(Group("Diferencia mínima de temperaturas", 7, 50, 244, 70));
  c.push_back(Label("Diferencia de temperaturas mínima inicial:", 14, 65, 160, 8));
  c.push_back(Edit(D::kIdInicial, 178, 63, 50, 12));
  c.push_back(Label("K", 232, 65, 10, 8));
  c.push_back(Label("Diferencia de temperaturas mínima final:", 14, 83, 160, 8));
  c.push_back(Edit(D::kIdFinal, 178, 81, 50, 12));
  c.push_back(Label("K", 232, 83, 10, 8));
  c.push_back(Label("Número de puntos de la gráfica:", 14, 101, 160, 8));
  c.push_back(Edit(D::kIdPuntos, 178, 99, 50, 12, kDigits));
  c.push_back(Button(kIdOk, "Aceptar", 146, 126, 50, 14, kDefault));
  c.push_back(Button(kIdCancel, "Cancelar", 201, 126, 50, 14));
  return t;
}

}  // namespace

// ---------------------------------------------------------------- grid diagram

CPropDiagramaDlg::CPropDiagramaDlg(DlgPropDiagrama& datos, QWidget* parent)
    : kit::Dialog(PlantillaDiagrama(), parent), datos_(datos) {
  datos_.fuenteCambiada = false;
  OnClick(kIdCambiarFuente, [this] {
    LogFont f = datos_.fuente;
    if (!kit::ChooseFont(this, f)) return;
    datos_.fuente = f;
    datos_.fuenteCambiada = true;
  });
}

void CPropDiagramaDlg::DataExchange(kit::Exchange& dx) {
  dx.Text(kIdAncho, datos_.ancho);
  dx.Text(kIdAlto, datos_.alto);
  ComprobarTamano(dx, kIdAncho, datos_.ancho);
  ComprobarTamano(dx, kIdAlto, datos_.alto);
  dx.Check(kIdTPinch, datos_.mostrarTPinch);
  dx.Check(kIdTBifurcadas, datos_.mostrarTBifurcadas);
  dx.Check(kIdNombres, datos_.mostrarNombres);
  dx.Check(kIdCalientesFrias, datos_.ordenarCalientesFrias);
  dx.Check(kIdAreas, datos_.ordenarAreas);
  dx.Check(kIdColorearAreas, datos_.colorearAreas);
  dx.Check(kIdColorearServicios, datos_.colorearServicios);
}

// ---------------------------------------------------------------- custom chart

COtrasGraficasDlg::COtrasGraficasDlg(DlgOtrasGraficas& datos, QWidget* parent)
    : kit::Dialog(PlantillaOtras(), parent), datos_(datos) {}

void COtrasGraficasDlg::DataExchange(kit::Exchange& dx) {
  dx.Index(kIdEjeX, datos_.variableX);
  dx.Index(kIdEjeY, datos_.variableY);
  dx.Double(kIdInicial, datos_.dtInicial, RangoNumero::DTMin());
  dx.Double(kIdFinal, datos_.dtFinal, RangoNumero::DTMin());
  dx.Int(kIdPuntos, datos_.puntos, 0, 30000);
}

void COtrasGraficasDlg::OnOK() {
  if (!UpdateData(true)) return;
  if (!(datos_.dtFinal > datos_.dtInicial)) {
    ShowMessage(this, kMsgFinalMayor);
    return;
  }
  End(kIdOk);
}

// ---------------------------------------------------------------- running

bool EjecutarPropDiagrama(QWidget* padre, DlgPropDiagrama& d) {
  return EjecutarSobreCopia<CPropDiagramaDlg>(padre, d);
}

bool EjecutarOtrasGraficas(QWidget* padre, DlgOtrasGraficas& d) {
  return EjecutarSobreCopia<COtrasGraficasDlg>(padre, d);
}

void RegistrarPropDiagrama(FabricaDialogosQt& fabrica) {
  fabrica.Registrar<DlgPropDiagrama>(EjecutarPropDiagrama);
  fabrica.Registrar<DlgOtrasGraficas>(EjecutarOtrasGraficas);
}

}  // namespace vardo
