// The report options sheet through the program's dialog factory: its pages
// and defaults at every opening, the choice handed back, the DT min range's
// fix-ups when a box is left and the refusal of a DT min chart from 0.
#include <gtest/gtest.h>

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/analysis/dlg_informe.h"
#include "dialogs/analysis/registro.h"
#include "tests/comun/kit_prueba.h"

namespace vardo::prueba {
namespace {

using DT = CInfDTMinDlg;
constexpr int kPaginaDT = 4;

// A page as the user sees it: its tab, first check box id and the flags of
// the options it shows, with the texts of its check boxes.
struct Pagina {
  const char* pestana;
  int primerId;
  std::function<std::span<const bool>(const OpcionesInforme&)> marcas;
  std::vector<std::string> textos;
};

const std::vector<Pagina>& Paginas() {
  static const std::vector<Pagina> p = {
      {"Corrientes", CInfCorrDlg::kPrimerId,
       [](const OpcionesInforme& o) { return std::span<const bool>(o.corrientes); },
       {"Curvas Compuestas", "Correlaciones de costes y coeficientes de transmisión de calor",
        "Criterios de factibilidad y matrices de emparejamientos posibles",
        "Curvas Grand Compuestas", "Propiedades físicas", "Tabla de corrientes", "Vadizod",
        "Área y costes mínimos", "Estimación de coeficientes de transmisión de calor",
        "Tabla de entalpías de corrientes no lineales", "Áreas de Integridad",
        "Curvas Compuestas con Servicios", "Diferencia de Temperaturas disponible"}},
      {"Cambiadores", CInfoCambDlg::kPrimerId,
       [](const OpcionesInforme& o) { return std::span<const bool>(o.cambiadores); },
       {"Tabla de cambiadores", "Especificaciones de los cambiadores",
        "Análisis del problema remanente", "Diagrama de Trama",
        "Emparejamientos a través del pinch"}},
      {"Anillos y Sendas", CInfAnillosDlg::kPrimerId,
       [](const OpcionesInforme& o) { return std::span<const bool>(o.anillos); },
       {"Anillos y Sendas", "Matriz de Adyacencia de Nodos",
        "Matriz de transmisión de perturbaciones"}},
      {"Servicios", CInfServiciosDlg::kPrimerId,
       [](const OpcionesInforme& o) { return std::span<const bool>(o.servicios); },
       {"Correlaciones de costes y coeficientes de transmisión de calor", "Costes de Operación",
        "Tabla de entalpía de Servicios No Lineales",
        "Estimación de coeficientes de transmisión de calor", "Propiedades Físicas",
        "Tabla de Servicios"}},
      {"DT mínima", DT::kPrimerId,
       [](const OpcionesInforme& o) { return std::span<const bool>(o.dtMinima); },
       {"Variación del Área Mínima con DT mínima",
        "Variación de los costes del Inmovilizado con DT mínima",
        "Variación de los Costes de Operación con DT mínima",
        "Variación de los Costes Totales con DT mínima",
        "Variación del Número Mínimo de Cambiadores con DT mínima",
        "Variación de la Temperatura de Pinch con DT mínima",
        "Variación de los Servicios Generales con DT mínima"}},
  };
  return p;
}

// The sections the sheet opens with, written out rather than taken from
// the record's initialisers.
const std::vector<std::vector<bool>>& Defectos() {
  static const std::vector<std::vector<bool>> d = {
      {true, false, false, true, false, true, true, false, false, false, false, false, false},
      {true, false, true, true, false},
      {false, false, false},
      {false, true, false, false, false, true},
      {false, false, false, false, false, false, false},
  };
  return d;
}

class Informe : public ::testing::Test {
 protected:
  Informe() { RegistrarDialogosAnalisis(fabrica_); }

  // Runs the sheet through the factory with a script; the record starts
  // with every section chosen, which the sheet must not show.
  bool Correr(const std::function<void(Driver&)>& guion, DlgInforme& d) {
    d.opciones.corrientes.fill(true);
    d.opciones.cambiadores.fill(true);
    d.opciones.anillos.fill(true);
    d.opciones.dtMinima.fill(true);
    d.opciones.servicios.fill(true);
    d.opciones.dtInicial = 7;
    d.opciones.puntos = 12;
    runner_.ScriptDialog(guion);
    return fabrica_.Informe(d);
  }

  std::vector<std::string> Mensajes() const {
    std::vector<std::string> m;
    for (const RunRecord& r : runner_.Log())
      if (r.kind == RunRecord::Kind::Message) m.push_back(r.text);
    return m;
  }

  FabricaDialogosQt fabrica_;
  ScriptedRunner runner_;
  kit::ScopedModalRunner usar_{runner_};
};

// What every page shows, read page by page.
struct Vista {
  std::vector<std::string> pestanas;
  std::vector<std::vector<bool>> marcas;
  std::vector<std::vector<std::string>> textos;
  std::string inicial, final, puntos;
};

Vista Leer(Driver& d, const std::string& png = {}) {
  Vista v;
  auto& hoja = dynamic_cast<kit::PropertySheet&>(d.Dialog());
  for (int i = 0; i < hoja.PageCount(); ++i) {
    EXPECT_TRUE(d.Page(i)) << i;
    v.pestanas.push_back(hoja.Tabs()->tabText(i).toStdString());
    const Pagina& p = Paginas()[static_cast<std::size_t>(i)];
    std::vector<bool> m;
    std::vector<std::string> t;
    for (int id = p.primerId; hoja.PageAt(i).Has(id); ++id) {
      m.push_back(hoja.PageAt(i).Checked(id));
      t.push_back(d.Text(id));
    }
    v.marcas.push_back(m);
    v.textos.push_back(t);
    if (!png.empty()) d.Grab(std::string(::testing::TempDir()) + png + std::to_string(i) + ".png");
  }
  v.inicial = d.Text(DT::kInicial);
  v.final = d.Text(DT::kFinal);
  v.puntos = d.Text(DT::kPuntos);
  return v;
}

TEST_F(Informe, CadaAperturaMuestraLosValoresPorDefectoYAceptarDevuelveLaEleccion) {
  ASSERT_TRUE(fabrica_.Disponible(DialogoId::Informe));
  std::vector<std::string> pestanas;
  std::vector<std::vector<std::string>> textos;
  for (const Pagina& p : Paginas()) {
    pestanas.push_back(p.pestana);
    textos.push_back(p.textos);
  }
  // First opening: change something on three pages and accept.
  Vista primera;
  DlgInforme d;
  ASSERT_TRUE(Correr(
      [&](Driver& dr) {
        primera = Leer(dr, "informe_pagina_");
        dr.Page(0);
        dr.Click(CInfCorrDlg::kPrimerId);        // composite curves off
        dr.Click(CInfCorrDlg::kPrimerId + 12);   // available DT on
        dr.Page(2);
        dr.Click(CInfAnillosDlg::kPrimerId + 1);  // node matrix on
        dr.Page(kPaginaDT);
        dr.Click(DT::kPrimerId + 3);              // total costs on
        dr.Type(DT::kInicial, "2.5");
        dr.Type(DT::kFinal, "40");
        dr.Type(DT::kPuntos, "25");
        dr.Ok();
      },
      d));
  EXPECT_EQ(runner_.Log().front().text, "Informe");
  EXPECT_EQ(primera.pestanas, pestanas);
  EXPECT_EQ(primera.textos, textos);
  EXPECT_EQ(primera.marcas, Defectos());
  EXPECT_EQ(primera.inicial, "1");
  EXPECT_EQ(primera.final, "50");
  EXPECT_EQ(primera.puntos, "50");

  std::vector<std::vector<bool>> esperadas = Defectos();
  esperadas[0][0] = false;
  esperadas[0][12] = true;
  esperadas[2][1] = true;
  esperadas[4][3] = true;
  for (std::size_t i = 0; i < Paginas().size(); ++i) {
    const auto m = Paginas()[i].marcas(d.opciones);
    EXPECT_EQ(std::vector<bool>(m.begin(), m.end()), esperadas[i]) << Paginas()[i].pestana;
  }
  EXPECT_EQ(d.opciones.dtInicial, 2.5);
  EXPECT_EQ(d.opciones.dtFinal, 40.0);
  EXPECT_EQ(d.opciones.puntos, 25);

  // The next opening forgets all of it; Cancel hands nothing back.
  Vista segunda;
  DlgInforme otra;
  EXPECT_FALSE(Correr([&](Driver& dr) { segunda = Leer(dr); dr.Cancel(); }, otra));
  EXPECT_EQ(segunda.marcas, Defectos());
  EXPECT_EQ(segunda.inicial, "1");
  EXPECT_EQ(segunda.final, "50");
  EXPECT_EQ(segunda.puntos, "50");
  EXPECT_EQ(otra.opciones.dtInicial, 7.0);
  EXPECT_TRUE(otra.opciones.anillos[0]);

  // One sheet opened twice starts from the defaults again.
  CInforme hoja;
  Vista tercera;
  runner_.ScriptDialog([&](Driver& dr) {
    dr.Click(CInfCorrDlg::kPrimerId + 1);
    ASSERT_TRUE(dr.Page(kPaginaDT));
    dr.Type(DT::kPuntos, "30");
    dr.Ok();
  });
  ASSERT_EQ(hoja.Run(), kit::kIdOk);
  EXPECT_TRUE(hoja.Opciones().corrientes[1]);
  EXPECT_EQ(hoja.Opciones().puntos, 30);
  runner_.ScriptDialog([&](Driver& dr) { tercera = Leer(dr); dr.Ok(); });
  ASSERT_EQ(hoja.Run(), kit::kIdOk);
  EXPECT_EQ(tercera.marcas, Defectos());
  EXPECT_EQ(tercera.puntos, "50");
  EXPECT_FALSE(hoja.Opciones().corrientes[1]);
  EXPECT_EQ(hoja.Opciones().puntos, 50);
}

TEST_F(Informe, AlDejarUnaCasillaDelIntervaloSeCorrige) {
  // Each step types into a box and leaves it for the next one.
  struct Paso {
    int id;
    const char* texto;
  };
  const struct {
    const char* nombre;
    std::vector<Paso> pasos;
    const char* inicial;
    const char* final;
    const char* puntos;
  } casos[] = {
      {"inicial mayor que la final", {{DT::kInicial, "60"}}, "49.", "50", "50"},
      {"final negativa igual a la inicial", {{DT::kFinal, "-5"}}, "1", "1", "50"},
      {"final negativa bajo la inicial",
       {{DT::kInicial, "3"}, {DT::kFinal, "-5"}}, "3", "4.", "50"},
      {"inicial negativa", {{DT::kInicial, "-2"}}, "1", "50", "50"},
      {"final bajo la inicial", {{DT::kInicial, "20"}, {DT::kFinal, "12.5"}}, "20", "21.", "50"},
      {"extremos iguales", {{DT::kInicial, "50"}}, "50", "50", "50"},
      {"inicial que se vuelve negativa",
       {{DT::kInicial, "0.3"}, {DT::kFinal, "0.5"}, {DT::kInicial, "0.8"}}, "-0.5", "0.5", "50"},
      {"pocos puntos", {{DT::kPuntos, "5"}}, "1", "50", "10"},
      {"nueve puntos", {{DT::kPuntos, "9"}}, "1", "50", "10"},
      {"puntos sin número", {{DT::kPuntos, "x"}}, "1", "50", "10"},
      // A decimal comma is a decimal point; what is no number stays as typed
      // for OK to refuse, and the other box is not fixed up against it.
      {"inicial con coma mayor que la final", {{DT::kInicial, "60,5"}}, "49.", "50", "50"},
      {"final con coma bajo la inicial", {{DT::kInicial, "20"}, {DT::kFinal, "12,5"}}, "20", "21.",
       "50"},
      {"inicial sin número", {{DT::kInicial, "abc"}}, "abc", "50", "50"},
      {"final sin número", {{DT::kInicial, "20"}, {DT::kFinal, "1e999"}}, "20", "1e999", "50"},
      {"diez puntos", {{DT::kPuntos, "10"}}, "1", "50", "10"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    std::string inicial, final, puntos;
    DlgInforme d;
    runner_.Clear();
    Correr(
        [&](Driver& dr) {
          ASSERT_TRUE(dr.Page(kPaginaDT));
          for (const Paso& p : c.pasos) {
            dr.Type(p.id, p.texto);
            // Leaving the box for a check box of the page.
            dr.Focus(DT::kPrimerId);
          }
          inicial = dr.Text(DT::kInicial);
          final = dr.Text(DT::kFinal);
          puntos = dr.Text(DT::kPuntos);
          dr.Cancel();
        },
        d);
    EXPECT_EQ(inicial, c.inicial);
    EXPECT_EQ(final, c.final);
    EXPECT_EQ(puntos, c.puntos);
    EXPECT_TRUE(Mensajes().empty());
  }
}

TEST_F(Informe, UnaGraficaDeDTMinNoEmpiezaEnCeroNiPorDebajo) {
  const struct {
    const char* nombre;
    bool grafica;
    std::vector<std::pair<int, const char*>> escritos;
    bool aceptado;
    double inicial, final;
  } casos[] = {
      {"cero con gráfica", true, {{DT::kInicial, "0"}}, false, 0, 0},
      {"negativa tras corregir", true,
       {{DT::kInicial, "0.3"}, {DT::kFinal, "0.5"}, {DT::kInicial, "0.8"}}, false, 0, 0},
      {"cero sin gráfica", false, {{DT::kInicial, "0"}}, true, 0.0, 50.0},
      {"extremos iguales con gráfica", true, {{DT::kInicial, "5"}, {DT::kFinal, "5"}}, true, 5.0,
       5.0},
      {"positiva pequeña con gráfica", true, {{DT::kInicial, "0.001"}}, true, 0.001, 50.0},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    runner_.Clear();
    bool abiertaTrasAceptar = false;
    int foco = kit::kNoId;
    DlgInforme d;
    const bool ok = Correr(
        [&](Driver& dr) {
          ASSERT_TRUE(dr.Page(kPaginaDT));
          if (c.grafica) dr.Click(DT::kPrimerId + 6);
          for (const auto& [id, texto] : c.escritos) {
            dr.Type(id, texto);
            dr.Focus(DT::kPrimerId);
          }
          dr.Ok();
          abiertaTrasAceptar = dr.Dialog().IsOpen();
          if (!abiertaTrasAceptar) return;
          foco = dr.Host(DT::kInicial).FocusedId();
          dr.Grab(std::string(::testing::TempDir()) + "informe_dt_rechazada.png");
          // Mended, the sheet accepts.
          dr.Type(DT::kFinal, "50");
          dr.Type(DT::kInicial, "1");
          dr.Ok();
        },
        d);
    EXPECT_TRUE(ok);
    if (c.aceptado) {
      EXPECT_FALSE(abiertaTrasAceptar);
      EXPECT_TRUE(Mensajes().empty());
      EXPECT_EQ(d.opciones.dtInicial, c.inicial);
      EXPECT_EQ(d.opciones.dtFinal, c.final);
    } else {
      EXPECT_TRUE(abiertaTrasAceptar);
      EXPECT_EQ(Mensajes(), std::vector<std::string>{kMsgDTInicialInforme});
      EXPECT_EQ(foco, DT::kInicial);
      EXPECT_EQ(d.opciones.dtInicial, 1.0);
    }
    EXPECT_EQ(d.opciones.dtMinima[6], c.grafica);
  }
}

// A box of the interval that holds no number is refused on OK with the
// focus on it; "2,5" is 2.5.
TEST_F(Informe, UnExtremoSinNumeroSeRechazaAlAceptar) {
  DlgInforme d;
  int foco = kit::kNoId;
  const bool ok = Correr(
      [&](Driver& dr) {
        ASSERT_TRUE(dr.Page(kPaginaDT));
        dr.Type(DT::kInicial, "1e999");
        dr.Focus(DT::kPrimerId);
        dr.Ok();
        EXPECT_TRUE(dr.Dialog().IsOpen());
        foco = dr.Host(DT::kInicial).FocusedId();
        dr.Type(DT::kInicial, "2,5");
        dr.Ok();
      },
      d);
  EXPECT_TRUE(ok);
  EXPECT_EQ(Mensajes(), std::vector<std::string>{"Introduzca un número."});
  EXPECT_EQ(foco, DT::kInicial);
  EXPECT_EQ(d.opciones.dtInicial, 2.5);
}

}  // namespace
}  // namespace vardo::prueba
