// The integrity-area bar without its window: its entries and selection for
// a model, and what choosing an entry does to the document.
#include "app/core/panes/barra_areas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/core/document/documento.h"
#include "tests/comun/problemas.h"
#include "tests/comun/puertos_prueba.h"

namespace vardo {
namespace {

using Textos = std::vector<std::string>;

// The four-stream problem with areas Norte (C1, H2) and Sur (C3, H4).
CDiagrama NorteYSur(int norte, int sur) {
  CDiagrama d = prueba::CuatroCorrientesSinCalcular();
  d.AddArea("Norte", MakeRgb(200, 0, 0));
  d.AddArea("Sur", MakeRgb(0, 0, 200));
  for (std::int32_t s = 0; s < 4; ++s) {
    d.m_areas[static_cast<std::size_t>(s / 2)].AddCorriente(s);
    d.m_corrientes[static_cast<std::size_t>(s)].m_area = s / 2;
  }
  d.m_areas[0].mostrada = norte;
  d.m_areas[1].mostrada = sur;
  return d;
}

TEST(EntradasAreas, TextosYSeleccionSegunLasMostradas) {
  struct Caso {
    int norte, sur;
    Textos textos;
    int seleccion;
  };
  const Caso casos[] = {
      {1, 1, {"1 Norte", "2 Sur", "Diagrama Completo", "1 Norte;2 Sur;"}, 3},
      {0, 1, {"1 Norte", "2 Sur", "Diagrama Completo"}, 1},
      {1, 0, {"1 Norte", "2 Sur", "Diagrama Completo"}, 0},
      {0, 0, {"1 Norte", "2 Sur", "Diagrama Completo"}, 2},
  };
  for (const Caso& c : casos) {
    const EntradasBarraAreas e = EntradasAreas(NorteYSur(c.norte, c.sur));
    EXPECT_EQ(e.textos, c.textos) << c.norte << c.sur;
    EXPECT_EQ(e.seleccion, c.seleccion) << c.norte << c.sur;
  }
  const EntradasBarraAreas vacia = EntradasAreas(CDiagrama());
  EXPECT_EQ(vacia.textos, Textos{"Diagrama Completo"});
  EXPECT_EQ(vacia.seleccion, 0);
}

class ElegirArea : public ::testing::Test {
 protected:
  void SetUp() override {
    PuertosDocumento p;
    p.ui = &ui;
    p.estado = &estado;
    p.campoDTMin = &estado;
    p.paneles = &paneles;
    p.vistas = &vistas;
    doc.SetPuertos(p);
  }
  std::vector<int> Mostradas() const {
    std::vector<int> v;
    for (const CAreaIntegridad& a : doc.m_Diagrama.m_areas) v.push_back(a.mostrada);
    return v;
  }
  RecordingUiPort ui;
  EstadoGrabado estado;
  PanelesGrabados paneles;
  VistasGrabadas vistas;
  CVardoDoc doc;
};

TEST_F(ElegirArea, CadaEntradaMuestraSuParteSinDeshacerNiModificar) {
  struct Caso {
    const char* que;
    int entrada;
    std::vector<int> mostradas;
    int seleccionBarra;
  };
  const Caso casos[] = {
      {"an area alone", 1, {0, 1}, 1},
      {"the whole diagram", 2, {0, 0}, 2},
      {"the listing keeps both shown", 3, {1, 1}, 3},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.que);
    doc.m_Diagrama = NorteYSur(1, 1);
    const int repintados = vistas.actualizaciones;
    const int barra = paneles.llamadasBarra;
    ASSERT_TRUE(ElegirEntradaArea(doc, c.entrada));
    EXPECT_EQ(Mostradas(), c.mostradas);
    EXPECT_EQ(doc.NumDeshacer(), 0);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_GT(vistas.actualizaciones, repintados);
    // The bar and the counts follow: the targets count the shown areas.
    EXPECT_GT(paneles.llamadasBarra, barra);
    EXPECT_EQ(EntradasAreas(paneles.barra).seleccion, c.seleccionBarra);
    EXPECT_EQ(paneles.visor.m_areas.size(), 2u);
  }
  // With one area shown there is no listing entry to choose.
  doc.m_Diagrama = NorteYSur(1, 0);
  EXPECT_FALSE(ElegirEntradaArea(doc, 3));
  EXPECT_FALSE(ElegirEntradaArea(doc, -1));
  EXPECT_EQ(Mostradas(), (std::vector<int>{1, 0}));
}

TEST_F(ElegirArea, BorrarLaUltimaAreaVaciaLaBarra) {
  doc.m_Diagrama = NorteYSur(0, 1);
  doc.ActualizarContadores();
  EXPECT_EQ(EntradasAreas(paneles.barra).textos.size(), 3u);
  doc.m_Diagrama.BorrarArea(1);
  doc.m_Diagrama.BorrarArea(0);
  doc.ActualizarContadores();
  EXPECT_EQ(EntradasAreas(paneles.barra).textos, Textos{"Diagrama Completo"});
}

}  // namespace
}  // namespace vardo
