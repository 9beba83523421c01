// The grid diagram's "Propiedades del Gráfico" and "Otras Gráficas" through
// the program's dialog factory.
#include <gtest/gtest.h>

#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/entry/dlg_prop_diagrama.h"
#include "dialogs/entry/registro.h"
#include "tests/comun/kit_prueba.h"

namespace vardo::prueba {
namespace {

class PropDiagrama : public ::testing::Test {
 protected:
  PropDiagrama() { RegistrarDialogosEntrada(fabrica_); }
  std::string Png(const char* nombre) { return std::string(::testing::TempDir()) + nombre; }
  FabricaDialogosQt fabrica_;
  ScriptedRunner runner_;
  kit::ScopedModalRunner usar_{runner_};
};

TEST_F(PropDiagrama, MuestraTamanoYOpcionesYDevuelveLoElegido) {
  using D = CPropDiagramaDlg;
  EXPECT_TRUE(fabrica_.Disponible(DialogoId::PropDiagrama));
  std::string ancho, alto;
  std::vector<bool> marcas;
  runner_.ScriptDialog([&](Driver& d) {
    ancho = d.Text(D::kIdAncho);
    alto = d.Text(D::kIdAlto);
    for (int id = D::kIdTPinch; id <= D::kIdColorearServicios; ++id) marcas.push_back(d.Dialog().Checked(id));
    d.Grab(Png("prop_diagrama.png"));
    d.Type(D::kIdAncho, "18.5");
    d.Click(D::kIdNombres);
    d.Click(D::kIdColorearServicios);
    d.Ok();
  });
  // The record as the view fills it for a new model.
  DlgPropDiagrama p;
  p.ancho = "18";
  p.alto = "11";
  ASSERT_TRUE(fabrica_.PropDiagrama(p));
  EXPECT_EQ(runner_.Log().front().text, "Propiedades del Gráfico");
  EXPECT_EQ(ancho, "18");
  EXPECT_EQ(alto, "11");
  EXPECT_EQ(marcas, (std::vector<bool>{true, true, false, false, true, true, true}));
  EXPECT_EQ(p.ancho, "18.5");
  EXPECT_EQ(p.mostrarNombres, 1);
  EXPECT_EQ(p.colorearServicios, 0);
  EXPECT_FALSE(p.fuenteCambiada);
}

TEST_F(PropDiagrama, CambiarFuente) {
  using D = CPropDiagramaDlg;
  LogFont elegida;
  elegida.faceName = "Liberation Mono";
  elegida.height = 22;
  const struct {
    const char* nombre;
    std::optional<LogFont> respuesta;
    bool cambiada;
  } casos[] = {{"cancelada", std::nullopt, false}, {"elegida", elegida, true}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    runner_.ScriptDialog([](Driver& d) {
      d.Click(D::kIdCambiarFuente);
      d.Ok();
    });
    runner_.ScriptFont(c.respuesta);
    DlgPropDiagrama p;
    p.ancho = "18";
    p.alto = "11";
    p.fuente = CDiagrama::FuenteDefecto();
    ASSERT_TRUE(fabrica_.PropDiagrama(p));
    EXPECT_EQ(runner_.Log().back().kind, RunRecord::Kind::Font);
    EXPECT_EQ(runner_.Log().back().text, CDiagrama::FuenteDefecto().faceName);
    EXPECT_EQ(p.fuenteCambiada, c.cambiada);
    EXPECT_EQ(p.fuente, c.cambiada ? elegida : CDiagrama::FuenteDefecto());
  }
}

TEST_F(PropDiagrama, OtrasGraficasCompruebaElRango) {
  using D = COtrasGraficasDlg;
  EXPECT_TRUE(fabrica_.Disponible(DialogoId::OtrasGraficas));
  const struct {
    const char* inicial;
    const char* final;
    const char* puntos;
    const char* mensaje;  // null: accepted
  } casos[] = {
      {"10", "10", "25", "La diferencia de temperaturas final debe ser mayor que la inicial"},
      {"10", "9", "25", "La diferencia de temperaturas final debe ser mayor que la inicial"},
      {"-1", "10", "25", "Introduzca una diferencia mínima de temperatura entre 0 y 10000 K."},
      {"1", "20000", "25", "Introduzca una diferencia mínima de temperatura entre 0 y 10000 K."},
      {"1", "diez", "25", "Introduzca un número."},
      {"", "10", "25", "Introduzca un número."},
      {"1", "4x0", "25", "Introduzca un número."},
      {"1", "1e999", "25", "Introduzca un número."},
      {"1", "10", "40000", "Introduzca un número entre 0 y 30000."},
      {"10", "10.5", "30", nullptr},
      {"10,0", "10,5", "30", nullptr},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.inicial) + " " + c.final + " " + c.puntos);
    runner_.Clear();
    bool abierto = false;
    runner_.ScriptDialog([&](Driver& d) {
      d.Type(D::kIdInicial, c.inicial);
      d.Type(D::kIdFinal, c.final);
      d.Type(D::kIdPuntos, c.puntos);
      d.Enter();
      abierto = d.Dialog().IsOpen();
      if (abierto) d.Cancel();
    });
    if (c.mensaje) runner_.ScriptMessage(Answer::Ok);
    DlgOtrasGraficas o;
    EXPECT_EQ(fabrica_.OtrasGraficas(o), c.mensaje == nullptr);
    EXPECT_EQ(abierto, c.mensaje != nullptr);
    if (c.mensaje) {
      ASSERT_EQ(runner_.Log().size(), 2u);
      EXPECT_EQ(runner_.Log()[1].text, c.mensaje);
    } else {
      EXPECT_EQ(o.dtInicial, 10.0);
      EXPECT_EQ(o.dtFinal, 10.5);
      EXPECT_EQ(o.puntos, 30);
    }
  }
}

TEST_F(PropDiagrama, OtrasGraficasEjes) {
  using D = COtrasGraficasDlg;
  std::string x, y;
  int entradas = 0;
  runner_.ScriptDialog([&](Driver& d) {
    x = d.Text(D::kIdEjeX);
    y = d.Text(D::kIdEjeY);
    entradas = d.Dialog().Count(D::kIdEjeY);
    d.Grab(Png("otras_graficas.png"));
    d.Choose(D::kIdEjeX, 2);
    d.Choose(D::kIdEjeY, 7);
    d.Ok();
  });
  DlgOtrasGraficas o;  // X 0, Y 4, 1 to 50 K, 25 points
  ASSERT_TRUE(fabrica_.OtrasGraficas(o));
  EXPECT_EQ(runner_.Log().front().text, "Otras Gráficas");
  EXPECT_EQ(x, "Consumo de calefacción");
  EXPECT_EQ(y, "Área mínima");
  EXPECT_EQ(entradas, 8);
  EXPECT_EQ(o.variableX, 2);
  EXPECT_EQ(o.variableY, 7);
  EXPECT_EQ(o.dtInicial, 1.0);
  EXPECT_EQ(o.dtFinal, 50.0);
  EXPECT_EQ(o.puntos, 25);
}

}  // namespace
}  // namespace vardo::prueba
