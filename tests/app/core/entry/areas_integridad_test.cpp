// The integrity areas dialog's work on its copy of the problem: the stream
// lists with each split listed once, moving a split as a whole, the members
// it stores, new areas' colours, and the targets table of the undivided
// problem against the areas one by one.
#include "app/core/entry/areas_integridad.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "model/constantes.h"
#include "platform/core/color_azar.h"
#include "platform/core/numtext.h"
#include "tests/comun/problemas.h"

namespace vardo::prueba {
namespace {

using Refs = std::vector<std::int32_t>;

// Nine streams A, P1 P2 P3 (split 0), B, Q1 Q2 Q3 (split 1), C and one
// utility W; split 1's record names its streams out of index order, so the
// first of them in the list is not its record's first entry.
CDiagrama ConDosDivisiones() {
  CDiagrama d;
  const char* nombres[] = {"A", "P1", "P2", "P3", "B", "Q1", "Q2", "Q3", "C"};
  for (const char* n : nombres) {
    d.AddCorriente(400, 300, 1.0, 0, 0);
    d.m_corrientes.back().SetNombre(n);
  }
  for (int i : {1, 2, 3}) d.m_corrientes[static_cast<std::size_t>(i)].m_split = 0;
  for (int i : {5, 6, 7}) d.m_corrientes[static_cast<std::size_t>(i)].m_split = 1;
  d.m_bifurcadas.resize(2);
  d.m_bifurcadas[0].ramas = {1, 2, 3};
  d.m_bifurcadas[1].ramas = {6, 5, 7};
  d.m_servicios.push_back(ServicioLatente(450, 10, 0));
  d.m_servicios.back().SetNombre("W");
  d.AddArea("Norte", MakeRgb(200, 0, 0));
  d.AddArea("Sur", MakeRgb(0, 0, 200));
  return d;
}

void Poner(CDiagrama& d, const Refs& refs, std::int32_t area) {
  for (std::int32_t r : refs) {
    if (EsServicio(r)) d.m_servicios[static_cast<std::size_t>(IndiceServicio(r))].m_area = area;
    else d.m_corrientes[static_cast<std::size_t>(r)].m_area = area;
  }
}

Refs RefsDe(const std::vector<EntradaCorriente>& v) {
  Refs r;
  for (const EntradaCorriente& e : v) r.push_back(e.ref);
  return r;
}

TEST(AreasIntegridadListas, CadaDivisionUnaVezEnCadaLista) {
  struct Caso {
    const char* nombre;
    Refs enNorte;
    Refs disponibles, norte;
  };
  const Caso casos[] = {
      {"sin áreas", {}, {0, 1, 4, 5, 8, kRefServicio}, {}},
      // A split before it is absent: the later split is still listed once.
      {"la primera división en un área", {1, 2, 3}, {0, 4, 5, 8, kRefServicio}, {1}},
      {"la segunda división en un área", {5, 6, 7}, {0, 1, 4, 8, kRefServicio}, {5}},
      {"ambas divisiones y el servicio", {1, 2, 3, 5, 6, 7, kRefServicio}, {0, 4, 8},
       {1, 5, kRefServicio}},
      // A split spread over two lists (a damaged file) shows once in each.
      {"una división repartida", {6}, {0, 1, 4, 5, 8, kRefServicio}, {6}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CDiagrama d = ConDosDivisiones();
    Poner(d, c.enNorte, 0);
    EXPECT_EQ(RefsDe(CorrientesDeArea(d, -1)), c.disponibles);
    EXPECT_EQ(RefsDe(CorrientesDeArea(d, 0)), c.norte);
    EXPECT_TRUE(CorrientesDeArea(d, 1).empty());
  }
}

TEST(AreasIntegridadListas, TextosDeCorrientesServiciosYAreas) {
  CDiagrama d = ConDosDivisiones();
  const std::vector<EntradaCorriente> v = CorrientesDeArea(d, -1);
  std::vector<std::string> textos;
  for (const EntradaCorriente& e : v) textos.push_back(e.texto);
  EXPECT_EQ(textos, (std::vector<std::string>{"1 A", "2 P1", "5 B", "6 Q1", "9 C", "S1 W"}));
  EXPECT_EQ(TextoArea(d, 1), "2 Sur");
}

TEST(AreasIntegridadMover, UnaRamaPosteriorLlevaTodaSuDivisionUnaVez) {
  // Each stream of the second split, moved in while the first split is in
  // no area, moves the whole split, and the area's members name each of its
  // streams once.
  for (std::int32_t rama : {5, 6, 7}) {
    SCOPED_TRACE(rama);
    CDiagrama d = ConDosDivisiones();
    AsignarArea(d, rama, 1);
    for (int i = 0; i < d.GetNumCorrientes(); ++i)
      EXPECT_EQ(d.m_corrientes[static_cast<std::size_t>(i)].m_area, i >= 5 && i <= 7 ? 1 : -1) << i;
    const Refs sur = RefsDe(CorrientesDeArea(d, 1));
    ASSERT_EQ(sur, Refs{5});
    GuardarMiembros(d, 1, sur);
    const Refs miembros(d.m_areas[1].corrientes.begin(), d.m_areas[1].corrientes.end());
    EXPECT_EQ(std::set<std::int32_t>(miembros.begin(), miembros.end()),
              (std::set<std::int32_t>{5, 6, 7}));
    EXPECT_EQ(miembros.size(), 3u);
    // Taken out again, the whole split is available once.
    AsignarArea(d, 5, -1);
    EXPECT_EQ(RefsDe(CorrientesDeArea(d, -1)), (Refs{0, 1, 4, 5, 8, kRefServicio}));
  }
}

TEST(AreasIntegridadMover, ServiciosYReferenciasFueraDeRango) {
  CDiagrama d = ConDosDivisiones();
  AsignarArea(d, kRefServicio, 0);
  EXPECT_EQ(d.m_servicios[0].m_area, 0);
  const CDiagrama antes = d;
  for (std::int32_t r : {-1, 9, 999, kRefServicio + 1, 5000}) AsignarArea(d, r, 1);
  GuardarMiembros(d, 2, {0});
  GuardarMiembros(d, -1, {0});
  for (int i = 0; i < d.GetNumCorrientes(); ++i)
    EXPECT_EQ(d.m_corrientes[static_cast<std::size_t>(i)].m_area, -1);
  EXPECT_EQ(d.m_areas, antes.m_areas);
  // A split record naming a stream past the array moves only real streams.
  d.m_bifurcadas[0].ramas.push_back(40);
  AsignarArea(d, 2, 0);
  EXPECT_EQ(RestoDeBifurcacion(d, 2), (Refs{1, 3}));
  EXPECT_EQ(d.m_corrientes[3].m_area, 0);
}

TEST(AreasIntegridadNueva, NombreYColoresUniformesSinRepetir) {
  CDiagrama d = ConDosDivisiones();
  EXPECT_EQ(NuevaArea(d, MakeRgb(1, 2, 3)), 2);
  EXPECT_EQ(d.m_areas[2].GetNombre(), "Area 3");
  EXPECT_EQ(d.m_areas[2].color, MakeRgb(1, 2, 3));
  EXPECT_EQ(d.m_areas[2].mostrada, 0);
  EXPECT_EQ(d.m_areas[2].GetNumCorrientes(), 0);

  // Every component from 0 to 255, both ends reached, nothing above.
  GeneradorColores g(12345);
  int menor[3] = {255, 255, 255}, mayor[3] = {0, 0, 0};
  for (int i = 0; i < 4000; ++i) {
    const Rgb c = g.Siguiente();
    ASSERT_EQ(c >> 24, 0u);
    const int comp[3] = {RgbRed(c), RgbGreen(c), RgbBlue(c)};
    for (int k = 0; k < 3; ++k) {
      menor[k] = std::min(menor[k], comp[k]);
      mayor[k] = std::max(mayor[k], comp[k]);
    }
  }
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(menor[k], 0);
    EXPECT_EQ(mayor[k], 255);
  }
  // New areas made one after the other (within the same second) differ.
  std::set<Rgb> colores;
  for (int i = 0; i < 20; ++i) colores.insert(ColorAlAzar());
  EXPECT_EQ(colores.size(), 20u);
}

// ------------------------------------------------------------ targets table

// The four-stream problem (C1, H2, C3, H4) with steam (20 kW, heats) and
// cooling water (60 kW).
CDiagrama CuatroConServicios() {
  CDiagrama d = CuatroCorrientesConServicios(
      {ServicioLatente(453.15, 20, 0), ServicioSensible(288.15, 303.15, 60)});
  for (const char* n : {"Norte", "Centro", "Sur"}) d.AddArea(n, 0);
  return d;
}

std::vector<std::string> Cabeceras(const std::vector<ColumnaObjetivos>& t) {
  std::vector<std::string> v;
  for (const ColumnaObjetivos& c : t) v.push_back(c.cabecera);
  return v;
}

double Valor(const ColumnaObjetivos& c, int fila) {
  return TextoANumero(c.valores[static_cast<std::size_t>(fila)]);
}

TEST(AreasIntegridadTabla, ColumnasSegunLasAreasConMiembros) {
  struct Caso {
    const char* nombre;
    std::vector<Refs> areas;  // members of Norte, Centro, Sur
    std::vector<std::string> cabeceras;
  };
  const Caso casos[] = {
      {"sin miembros en ningún área: todo en Restantes", {{}, {}, {}},
       {"Sin Dividir", "4 Restantes", "Dividido"}},
      {"un área vacía deja un hueco en la numeración", {{1}, {}, {0}},
       {"Sin Dividir", "1 Norte", "3 Sur", "4 Restantes", "Dividido"}},
      {"todo en algún área: sin Restantes", {{0, 1, kRefServicio}, {2}, {3, kRefServicio + 1}},
       {"Sin Dividir", "1 Norte", "2 Centro", "3 Sur", "Dividido"}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CDiagrama d = CuatroConServicios();
    for (std::size_t k = 0; k < c.areas.size(); ++k) {
      Poner(d, c.areas[k], static_cast<std::int32_t>(k));
      GuardarMiembros(d, static_cast<std::int32_t>(k), c.areas[k]);
    }
    const CDiagrama antes = d;
    const std::vector<ColumnaObjetivos> t = TablaObjetivosAreas(d);
    EXPECT_EQ(Cabeceras(t), c.cabeceras);
    // "Dividido" sums the area columns; the minimum number of units exactly.
    for (int f = 0; f < kFilasObjetivos; ++f) {
      double suma = 0.0;
      for (std::size_t k = 1; k + 1 < t.size(); ++k) suma += Valor(t[k], f);
      EXPECT_NEAR(Valor(t.back(), f), suma, 2e-5 * std::max(1.0, std::abs(suma))) << f;
    }
    double unidades = 0;
    for (std::size_t k = 1; k + 1 < t.size(); ++k) unidades += Valor(t[k], 4);
    EXPECT_EQ(t.back().valores[4], NumTexto(unidades));
    // The temporary area never stays in the model.
    EXPECT_EQ(d.m_areas, antes.m_areas);
    for (int i = 0; i < d.GetNumCorrientes(); ++i)
      EXPECT_EQ(d.m_corrientes[static_cast<std::size_t>(i)].m_area,
                antes.m_corrientes[static_cast<std::size_t>(i)].m_area);
    for (int k = 0; k < d.GetNumServicios(); ++k)
      EXPECT_EQ(d.m_servicios[static_cast<std::size_t>(k)].m_area,
                antes.m_servicios[static_cast<std::size_t>(k)].m_area);
  }
}

TEST(AreasIntegridadTabla, SinAreasLasColumnasExterioresCoinciden) {
  CDiagrama d = CuatroCorrientesConServicios(
      {ServicioLatente(453.15, 20, 0), ServicioSensible(288.15, 303.15, 60)});
  const std::vector<ColumnaObjetivos> t = TablaObjetivosAreas(d);
  ASSERT_EQ(Cabeceras(t), (std::vector<std::string>{"Sin Dividir", "1 Restantes", "Dividido"}));
  EXPECT_EQ(t[0].valores, t[1].valores);
  EXPECT_EQ(t[0].valores, t[2].valores);
  EXPECT_EQ(t[0].valores[0], "20.");
  EXPECT_EQ(t[0].valores[1], "60.");
  EXPECT_EQ(t[0].valores[2], "20.");
  EXPECT_EQ(t[0].valores[3], "60.");
  EXPECT_TRUE(d.m_areas.empty());
  for (const CCorriente& c : d.m_corrientes) EXPECT_EQ(c.m_area, -1);
}

TEST(AreasIntegridadTabla, CadaAreaConSusPropiosObjetivos) {
  // Norte holds H2 alone, Sur C1 alone; C3, H4 and both utilities remain.
  CDiagrama d = CuatroConServicios();
  Poner(d, {1}, 0);
  GuardarMiembros(d, 0, {1});
  Poner(d, {0}, 2);
  GuardarMiembros(d, 2, {0});
  d.m_areas[2].mostrada = 1;
  const std::vector<ColumnaObjetivos> t = TablaObjetivosAreas(d);
  ASSERT_EQ(Cabeceras(t),
            (std::vector<std::string>{"Sin Dividir", "1 Norte", "3 Sur", "4 Restantes", "Dividido"}));
  struct Fila {
    int fila;
    std::vector<std::string> valores;
  };
  // H2 alone gives up 330 kW; C1 alone needs 230; C3 and H4 together need
  // 150 and give up 90 at DT min 10.
  const Fila filas[] = {
      {0, {"20.", "0.", "230.", "150.", "380."}},
      {1, {"60.", "330.", "0.", "90.", "420."}},
      {2, {"20.", "0.", "0.", "20.", "20."}},
      {3, {"60.", "0.", "0.", "60.", "60."}},
  };
  for (const Fila& f : filas) {
    std::vector<std::string> v;
    for (const ColumnaObjetivos& c : t) v.push_back(c.valores[static_cast<std::size_t>(f.fila)]);
    EXPECT_EQ(v, f.valores) << kEtiquetasObjetivos[static_cast<std::size_t>(f.fila)];
  }
  // Integers keep their decimal point.
  EXPECT_EQ(t[1].valores[4].back(), '.');
  // The shown flag set before survives, the others stay clear.
  EXPECT_EQ(d.m_areas[0].mostrada, 0);
  EXPECT_EQ(d.m_areas[2].mostrada, 1);
  EXPECT_EQ(d.m_areas.size(), 3u);
}

}  // namespace
}  // namespace vardo::prueba
