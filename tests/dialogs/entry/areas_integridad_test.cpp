// "Áreas de Integridad" through the program's dialog factory, driven as a
// user drives it: the lists it opens with, new areas, moving streams (a split
// as a whole), showing areas, the name stored by Enter, the colour chooser,
// the targets table, and the empty areas deleted on OK.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QToolButton>

#include <QApplication>

#include "app/qt/fabrica_dialogos_qt.h"
#include "controls/grid/celdix.h"
#include "dialogs/entry/dlg_areas_integridad.h"
#include "dialogs/entry/registro.h"
#include "tests/comun/kit_prueba.h"
#include "tests/comun/problemas.h"
#include "tests/dialogs/entry/ventanas.h"
#include "model/constantes.h"

namespace vardo::prueba {
namespace {

using A = CAreasIntegridadDlg;
using Lista = std::vector<std::string>;
using Refs = std::vector<std::int32_t>;

std::string Png(const char* nombre) {
  return std::string(::testing::TempDir()) + "areas_" + nombre + ".png";
}

A& Dlg(Driver& d) { return dynamic_cast<A&>(d.Dialog()); }

// Streams named as given (hot, 400 -> 300 K) and one utility "Vapor".
CDiagrama Problema(const Lista& nombres) {
  CDiagrama d = CuatroCorrientesSinCalcular();
  d.m_corrientes.clear();
  for (const std::string& n : nombres) {
    d.AddCorriente(400, 300, 1.0, 0, 0);
    d.m_corrientes.back().SetNombre(n);
  }
  d.m_servicios.push_back(ServicioLatente(453.15, 20, 0));
  d.m_servicios.back().SetNombre("Vapor");
  return d;
}

// Puts the streams and utilities refs into area k, members included.
void Meter(CDiagrama& d, std::int32_t k, const Refs& refs) {
  for (std::int32_t r : refs) {
    if (EsServicio(r)) d.m_servicios[static_cast<std::size_t>(IndiceServicio(r))].m_area = k;
    else d.m_corrientes[static_cast<std::size_t>(r)].m_area = k;
    d.m_areas[static_cast<std::size_t>(k)].AddCorriente(r);
  }
}

// Three areas: Norte (stream 1), Centro (empty), Sur (streams 2 and 3).
CDiagrama TresAreas() {
  CDiagrama d = Problema({"Uno", "Dos", "Tres", "Cuatro"});
  d.AddArea("Norte", MakeRgb(200, 0, 0));
  d.AddArea("Centro", MakeRgb(0, 160, 0));
  d.AddArea("Sur", MakeRgb(0, 0, 200));
  Meter(d, 0, {0});
  Meter(d, 2, {1, 2});
  return d;
}

class AreasIntegridad : public ::testing::Test {
 protected:
  AreasIntegridad() { RegistrarDialogosEntrada(fabrica_); }
  // Runs the dialog on m through the factory with the script; true for OK.
  bool Correr(const CDiagrama& m, std::function<void(Driver&)> guion) {
    datos_ = DlgAreasIntegridad{};
    datos_.modelo = m;
    runner_.ScriptDialog(std::move(guion));
    return fabrica_.AreasIntegridad(datos_);
  }
  FabricaDialogosQt fabrica_;
  ScriptedRunner runner_;
  kit::ScopedModalRunner usar_{runner_};
  DlgAreasIntegridad datos_;
};

TEST_F(AreasIntegridad, AbreConLasCorrientesLibresYNingunaAreaElegida) {
  EXPECT_TRUE(fabrica_.Disponible(DialogoId::AreasIntegridad));
  const CDiagrama m = Problema({"Uno", "Dos", "Tres"});
  Lista cabeceras, etiquetas;
  EXPECT_FALSE(Correr(m, [&](Driver& d) {
    A& a = Dlg(d);
    EXPECT_EQ(runner_.Log().back().text, "Áreas de Integridad");
    EXPECT_EQ(Lineas(a, A::kIdDisponibles), (Lista{"1 Uno", "2 Dos", "3 Tres", "S1 Vapor"}));
    EXPECT_EQ(a.Disponibles(), (Refs{0, 1, 2, kRefServicio}));
    EXPECT_EQ(Lineas(a, A::kIdVisibles), Lista{"Diagrama completo"});
    EXPECT_EQ(a.ItemColor(A::kIdVisibles, 0), 0u);
    EXPECT_EQ(a.Count(A::kIdAreas), 0);
    EXPECT_EQ(a.CurSel(A::kIdAreas), -1);
    EXPECT_EQ(a.Count(A::kIdSeleccionadas), 0);
    const Celdix& t = *a.Get<Celdix>(A::kIdTabla);
    EXPECT_TRUE(t.ReadOnlyTable());
    EXPECT_EQ(t.Rows(), 8);
    EXPECT_EQ(t.FixedRows(), 1);
    EXPECT_EQ(t.FixedCols(), 1);
    // At least the width given; wider where the labels need it.
    EXPECT_GE(t.ColWidth(0), 2150);
    for (int f = 0; f < t.Rows(); ++f)
      EXPECT_LE(QFontMetrics(t.Grid()->font()).horizontalAdvance(t.TextMatrix(f, 0)),
                t.Grid()->AnchoTextoPx(0))
          << f;
    EXPECT_FALSE(t.AddButton()->isVisible());
    for (int c = 1; c < t.Cols(); ++c) cabeceras.push_back(t.TextMatrix(0, c).toStdString());
    for (int f = 1; f < t.Rows(); ++f) etiquetas.push_back(t.TextMatrix(f, 0).toStdString());
    d.Grab(Png("abre"));
    d.Cancel();
  }));
  EXPECT_EQ(cabeceras, (Lista{"Sin Dividir", "1 Restantes", "Dividido"}));
  EXPECT_EQ(etiquetas, (Lista{"Calefacción (kW)", "Refrigeración (kW)", "Cal cubierta (kW)",
                              "Ref cubierta (kW)", "Nº mínimo de cambiadores", "Área mínima (m2)",
                              "Costes mínimos ($/a)"}));
}

TEST_F(AreasIntegridad, NuevaDosVecesDaDosAreasDeColoresPropiosConLaSegundaElegida) {
  const CDiagrama m = Problema({"Uno", "Dos", "Tres"});
  EXPECT_TRUE(Correr(m, [&](Driver& d) {
    A& a = Dlg(d);
    d.Click(A::kIdNueva);
    d.Click(A::kIdNueva);
    EXPECT_EQ(Lineas(a, A::kIdAreas), (Lista{"1 Area 1", "2 Area 2"}));
    EXPECT_NE(a.ItemColor(A::kIdAreas, 0), a.ItemColor(A::kIdAreas, 1));
    EXPECT_EQ(a.CurSel(A::kIdAreas), 1);
    EXPECT_EQ(a.Text(A::kIdNombre), "Area 2");
    // The new area is still in no list of shown areas.
    EXPECT_EQ(Lineas(a, A::kIdVisibles), Lista{"Diagrama completo"});
    d.Choose(A::kIdDisponibles, 1);
    d.Click(A::kIdMeter);
    EXPECT_EQ(Lineas(a, A::kIdSeleccionadas), Lista{"2 Dos"});
    d.Grab(Png("nueva"));
    d.Ok();
  }));
  // The first area, left empty, goes on OK with its message.
  ASSERT_EQ(runner_.Log().size(), 2u);
  EXPECT_EQ(runner_.Log()[1].text,
            "El área de integridad 1 Area 1 no contiene ninguna corriente.\n"
            "Por lo tanto, será eliminada.");
  EXPECT_EQ(runner_.Log()[1].icon, MsgIcon::Information);
  const CDiagrama& r = datos_.modelo;
  ASSERT_EQ(r.m_areas.size(), 1u);
  EXPECT_EQ(r.m_areas[0].GetNombre(), "Area 2");
  EXPECT_EQ(r.m_corrientes[1].m_area, 0);
  EXPECT_EQ(Refs(r.m_areas[0].corrientes.begin(), r.m_areas[0].corrientes.end()), Refs{1});
}

TEST_F(AreasIntegridad, SinAreaOEntradaElegidaLosBotonesNoHacenNada) {
  struct Caso {
    const char* nombre;
    int boton;
    bool elegirArea;  // an area chosen, but no entry of the list the button takes from
  };
  const Caso casos[] = {
      {"> sin área", A::kIdMeter, false},
      {"< sin área", A::kIdSacar, false},
      {">> sin área", A::kIdMeterTodas, false},
      {"<< sin área", A::kIdSacarTodas, false},
      {"Cambiar Color sin área", A::kIdCambiarColor, false},
      {"Mostrar Selecionada sin área", A::kIdMostrarSeleccionada, false},
      {"> sin entrada elegida", A::kIdMeter, true},
      {"< sin entrada elegida", A::kIdSacar, true},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    runner_.Clear();
    Lista antes[3], despues[3];
    const int listas[3] = {A::kIdDisponibles, A::kIdSeleccionadas, A::kIdVisibles};
    EXPECT_TRUE(Correr(TresAreas(), [&](Driver& d) {
      A& a = Dlg(d);
      if (c.elegirArea) {
        d.Choose(A::kIdAreas, 2);
        a.SetCurSel(A::kIdDisponibles, -1);
        a.SetCurSel(A::kIdSeleccionadas, -1);
      } else {
        // Entries chosen in both stream lists, but no area.
        d.Choose(A::kIdDisponibles, 0);
        d.Choose(A::kIdSeleccionadas, 0);
      }
      for (int i = 0; i < 3; ++i) antes[i] = Lineas(a, listas[i]);
      d.Click(c.boton);
      for (int i = 0; i < 3; ++i) despues[i] = Lineas(a, listas[i]);
      // Centro keeps its member so that OK deletes nothing.
      d.Choose(A::kIdAreas, 1);
      d.Choose(A::kIdDisponibles, 0);
      d.Click(A::kIdMeter);
      d.Ok();
    }));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(despues[i], antes[i]) << i;
    EXPECT_EQ(runner_.Log().size(), 1u);  // no colour chooser, no message
    const CDiagrama& r = datos_.modelo;
    EXPECT_EQ(r.m_corrientes[0].m_area, 0);
    EXPECT_EQ(r.m_corrientes[1].m_area, 2);
    EXPECT_EQ(r.m_corrientes[2].m_area, 2);
    EXPECT_EQ(r.m_corrientes[3].m_area, 1);
    EXPECT_EQ(r.m_servicios[0].m_area, -1);
    for (const CAreaIntegridad& x : r.m_areas) EXPECT_EQ(x.mostrada, 0);
  }
}

TEST_F(AreasIntegridad, UnaDivisionEntraYSaleEnteraYSeListaUnaVez) {
  // Streams 1-3 make split 0 (in Norte already), 5-7 split 1; the second
  // split's record names stream 6 first.
  CDiagrama m = Problema({"A", "P1", "P2", "P3", "B", "Q1", "Q2", "Q3", "C"});
  for (int i : {1, 2, 3}) m.m_corrientes[static_cast<std::size_t>(i)].m_split = 0;
  for (int i : {5, 6, 7}) m.m_corrientes[static_cast<std::size_t>(i)].m_split = 1;
  m.m_bifurcadas.resize(2);
  m.m_bifurcadas[0].ramas = {1, 2, 3};
  m.m_bifurcadas[1].ramas = {6, 5, 7};
  m.AddArea("Norte", MakeRgb(200, 0, 0));
  m.AddArea("Sur", MakeRgb(0, 0, 200));
  Meter(m, 0, {1, 2, 3});
  Lista disponibles, sur, deVuelta;
  EXPECT_TRUE(Correr(m, [&](Driver& d) {
    A& a = Dlg(d);
    EXPECT_EQ(Lineas(a, A::kIdDisponibles), (Lista{"1 A", "5 B", "6 Q1", "9 C", "S1 Vapor"}));
    d.Choose(A::kIdAreas, 1);
    d.Choose(A::kIdDisponibles, 2);
    d.Click(A::kIdMeter);
    disponibles = Lineas(a, A::kIdDisponibles);
    sur = Lineas(a, A::kIdSeleccionadas);
    // Out and in again: still one entry, one set of members.
    d.Choose(A::kIdSeleccionadas, 0);
    d.Click(A::kIdSacar);
    deVuelta = Lineas(a, A::kIdDisponibles);
    d.Choose(A::kIdDisponibles, 2);
    d.Click(A::kIdMeter);
    d.Choose(A::kIdAreas, 0);
    EXPECT_EQ(Lineas(a, A::kIdSeleccionadas), Lista{"2 P1"});
    d.Ok();
  }));
  EXPECT_EQ(disponibles, (Lista{"1 A", "5 B", "9 C", "S1 Vapor"}));
  EXPECT_EQ(sur, Lista{"6 Q1"});
  EXPECT_EQ(deVuelta, (Lista{"1 A", "5 B", "6 Q1", "9 C", "S1 Vapor"}));
  const CDiagrama& r = datos_.modelo;
  for (int i = 0; i < r.GetNumCorrientes(); ++i) {
    const int area = i >= 1 && i <= 3 ? 0 : i >= 5 && i <= 7 ? 1 : -1;
    EXPECT_EQ(r.m_corrientes[static_cast<std::size_t>(i)].m_area, area) << i;
  }
  EXPECT_EQ(Refs(r.m_areas[0].corrientes.begin(), r.m_areas[0].corrientes.end()), (Refs{1, 2, 3}));
  EXPECT_EQ(Refs(r.m_areas[1].corrientes.begin(), r.m_areas[1].corrientes.end()), (Refs{5, 6, 7}));
}

TEST_F(AreasIntegridad, MostrarDosAreasYLuegoTodas) {
  Lista dos, todas;
  std::vector<Rgb> colores;
  int columnas = 0;
  EXPECT_TRUE(Correr(TresAreas(), [&](Driver& d) {
    A& a = Dlg(d);
    d.Choose(A::kIdAreas, 0);
    d.Click(A::kIdMostrarSeleccionada);
    d.Choose(A::kIdAreas, 2);
    d.Click(A::kIdMostrarSeleccionada);
    dos = Lineas(a, A::kIdVisibles);
    for (int i = 0; i < a.Count(A::kIdVisibles); ++i) colores.push_back(a.ItemColor(A::kIdVisibles, i));
    EXPECT_EQ(a.CurSel(A::kIdAreas), 2);
    // The table still divides the whole problem: Norte, Sur and the rest.
    columnas = a.Get<Celdix>(A::kIdTabla)->Cols();
    d.Grab(Png("mostrar"));
    d.Click(A::kIdMostrarTodas);
    todas = Lineas(a, A::kIdVisibles);
    d.Choose(A::kIdAreas, 1);
    d.Click(A::kIdMostrarSeleccionada);
    d.Choose(A::kIdDisponibles, 0);
    d.Click(A::kIdMeter);
    d.Ok();
  }));
  EXPECT_EQ(dos, (Lista{"1 Norte", "3 Sur"}));
  EXPECT_EQ(colores, (std::vector<Rgb>{MakeRgb(200, 0, 0), MakeRgb(0, 0, 200)}));
  EXPECT_EQ(todas, Lista{"Diagrama completo"});
  EXPECT_EQ(columnas, 6);  // labels, Sin Dividir, Norte, Sur, Restantes, Dividido
  // The shown flags survive every refill of the table, which leaves no area
  // of its own behind.
  const CDiagrama& r = datos_.modelo;
  ASSERT_EQ(r.m_areas.size(), 3u);
  EXPECT_EQ(r.m_areas[0].mostrada, 0);
  EXPECT_EQ(r.m_areas[1].mostrada, 1);
  EXPECT_EQ(r.m_areas[2].mostrada, 0);
  EXPECT_EQ(r.m_areas[2].GetNombre(), "Sur");
}

TEST_F(AreasIntegridad, EnterGuardaElNombreYElDialogoSigueAbierto) {
  bool abierto = false;
  int foco = 0;
  Lista areas;
  EXPECT_TRUE(Correr(TresAreas(), [&](Driver& d) {
    A& a = Dlg(d);
    d.Choose(A::kIdAreas, 2);
    d.Type(A::kIdNombre, "Planta Baja");
    d.Enter();
    abierto = a.IsOpen();
    foco = a.FocusedId();
    areas = Lineas(a, A::kIdAreas);
    d.Choose(A::kIdAreas, 1);
    d.Choose(A::kIdDisponibles, 0);
    d.Click(A::kIdMeter);
    d.Ok();
  }));
  EXPECT_TRUE(abierto);
  EXPECT_EQ(foco, A::kIdAreas);
  EXPECT_EQ(areas, (Lista{"1 Norte", "2 Centro", "3 Planta Baja"}));
  EXPECT_EQ(datos_.modelo.m_areas[2].GetNombre(), "Planta Baja");
}

TEST_F(AreasIntegridad, CambiarColorPorElSelectorDeColores) {
  EXPECT_TRUE(Correr(TresAreas(), [&](Driver& d) {
    A& a = Dlg(d);
    d.Choose(A::kIdAreas, 0);
    runner_.ScriptColor(MakeRgb(10, 20, 30));
    d.Click(A::kIdCambiarColor);
    EXPECT_EQ(a.ItemColor(A::kIdAreas, 0), MakeRgb(10, 20, 30));
    d.Choose(A::kIdAreas, 2);
    runner_.ScriptColor(std::nullopt);  // the chooser cancelled
    d.Click(A::kIdCambiarColor);
    EXPECT_EQ(a.ItemColor(A::kIdAreas, 2), MakeRgb(0, 0, 200));
    d.Choose(A::kIdAreas, 1);
    d.Choose(A::kIdDisponibles, 0);
    d.Click(A::kIdMeter);
    d.Ok();
  }));
  ASSERT_EQ(runner_.Log().size(), 3u);
  EXPECT_EQ(runner_.Log()[1].kind, RunRecord::Kind::Color);
  EXPECT_EQ(runner_.Log()[1].text, std::to_string(MakeRgb(200, 0, 0)));
  EXPECT_EQ(datos_.modelo.m_areas[0].color, MakeRgb(10, 20, 30));
  EXPECT_EQ(datos_.modelo.m_areas[2].color, MakeRgb(0, 0, 200));
}

TEST_F(AreasIntegridad, AceptarBorraElAreaVaciaYRenumeraLasSiguientes) {
  EXPECT_TRUE(Correr(TresAreas(), [](Driver& d) { d.Ok(); }));
  ASSERT_EQ(runner_.Log().size(), 2u);
  EXPECT_EQ(runner_.Log()[1].text,
            "El área de integridad 2 Centro no contiene ninguna corriente.\n"
            "Por lo tanto, será eliminada.");
  EXPECT_EQ(runner_.Log()[1].icon, MsgIcon::Information);
  const CDiagrama& r = datos_.modelo;
  ASSERT_EQ(r.m_areas.size(), 2u);
  EXPECT_EQ(r.m_areas[1].GetNombre(), "Sur");
  EXPECT_EQ(r.m_corrientes[0].m_area, 0);
  EXPECT_EQ(r.m_corrientes[1].m_area, 1);
  EXPECT_EQ(r.m_corrientes[2].m_area, 1);
  EXPECT_EQ(r.m_corrientes[3].m_area, -1);
}

TEST_F(AreasIntegridad, SeleccionadasEnOrdenDeTextoConLosServiciosAlFinal) {
  CDiagrama m = Problema({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"});
  m.AddArea("Norte", MakeRgb(200, 0, 0));
  Meter(m, 0, {kRefServicio, 1, 9});
  Lista seleccionadas;
  Refs refs;
  EXPECT_TRUE(Correr(m, [&](Driver& d) {
    A& a = Dlg(d);
    d.Choose(A::kIdAreas, 0);
    seleccionadas = Lineas(a, A::kIdSeleccionadas);
    refs = a.Seleccionadas();
    d.Grab(Png("ordenadas"));
    d.Ok();
  }));
  EXPECT_EQ(seleccionadas, (Lista{"10 j", "2 b", "S1 Vapor"}));
  EXPECT_EQ(refs, (Refs{9, 1, kRefServicio}));
  // The members follow the list.
  EXPECT_EQ(Refs(datos_.modelo.m_areas[0].corrientes.begin(),
                 datos_.modelo.m_areas[0].corrientes.end()),
            (Refs{9, 1, kRefServicio}));
}

}  // namespace
}  // namespace vardo::prueba
