// The streams sheet "Añadir Corrientes" through the program's dialog
// factory, driven as a user drives it: the main page (adding, numbering, the
// walk over a split, what a typed number does), the enthalpy table with its
// corrections and preview, the physical properties and the costs pages.
#include <gtest/gtest.h>

#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "app/core/charts/tabla_puntos.h"
#include "app/core/entry/corriente_edicion.h"
#include "app/core/entry/propiedades_fisicas.h"
#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/entry/dlg_corrientes.h"
#include "dialogs/entry/dlg_estimar_h.h"
#include "dialogs/entry/registro.h"
#include "model/bifurcacion_edicion.h"
#include "model/constantes.h"
#include "platform/core/numtext.h"
#include "tests/comun/kit_controles.h"
#include "tests/comun/kit_prueba.h"

namespace vardo::prueba {
namespace {

using P = CCorrientesDlg;
using E = CAjusteHDlg;
using F = CPropCorrDlg;
using C = CCorrelCorrDlg;
using Guion = std::function<void(Driver&, CCorrientesSheet&)>;

// C0 290 -> 400 K m·cp 2; the hot stream "Gases" 500 -> 300 K m·cp 2 split
// at 450 into branches of 60 and 40 % mixing at 350 (streams 1 to 4); with
// `cola`, the cold stream "Cola" 300 -> 350 m·cp 1 after the split's run.
CDiagrama ConDivision(bool cola) {
  CDiagrama d;
  d.AddCorriente(290, 400, 2.0, 1, 0);
  d.AddCorriente(500, 300, 2.0, 0, 0);
  d.m_corrientes[1].SetNombre("Gases");
  EXPECT_EQ(BifurcarCorriente(d, 1, 450, 350, 350, 60, 40), 0);
  if (cola) {
    d.AddCorriente(300, 350, 1.0, 1, 0);
    d.m_corrientes.back().SetNombre("Cola");
  }
  return d;
}

// n linear streams named "S1", "S2", ... (i -> 300 + 10 i K, m·cp i + 1).
CDiagrama Lineales(int n) {
  CDiagrama d;
  for (int i = 0; i < n; ++i) {
    d.AddCorriente(300, 310 + 10 * i, i + 1.0, 1, 0);
    d.m_corrientes.back().SetNombre("S" + std::to_string(i + 1));
  }
  return d;
}

// One non-linear cold stream with a table of three points.
CDiagrama NoLineal() {
  CDiagrama d;
  d.AddCorriente(300, 400, 1.0, 1, 0);
  CCorriente& s = d.m_corrientes[0];
  s.m_lineal = 0;
  s.m_T = {300, 350, 400};
  s.m_H = {0, 60, 100};
  return d;
}

void EsperarMismaCorriente(const CCorriente& a, const CCorriente& b, const std::string& cual) {
  EXPECT_EQ(a.GetNombre(), b.GetNombre()) << cual;
  EXPECT_EQ(a.m_T, b.m_T) << cual;
  EXPECT_EQ(a.m_H, b.m_H) << cual;
  EXPECT_EQ(a.m_fria, b.m_fria) << cual;
  EXPECT_EQ(a.m_lineal, b.m_lineal) << cual;
}

class Corrientes : public ::testing::Test {
 protected:
  Corrientes() { RegistrarDialogosEntrada(fabrica_); }
  ~Corrientes() override { SetEstimarCoeficiente(nullptr); }

  // Runs the sheet on d through the factory with one script.
  bool Correr(DlgCorrientes& d, Guion guion) {
    runner_.ScriptDialog([guion](Driver& dr) {
      auto* hoja = dynamic_cast<CCorrientesSheet*>(&dr.Dialog());
      ASSERT_NE(hoja, nullptr);
      guion(dr, *hoja);
    });
    return fabrica_.Corrientes(d);
  }

  // The texts of the messages shown, in order.
  std::vector<std::string> Mensajes() const {
    std::vector<std::string> m;
    for (const RunRecord& r : runner_.Log())
      if (r.kind == RunRecord::Kind::Message) m.push_back(r.text);
    return m;
  }

  static std::string Png(const std::string& nombre) {
    return std::string(::testing::TempDir()) + nombre + ".png";
  }

  FabricaDialogosQt fabrica_;
  ScriptedRunner runner_;
  kit::ScopedModalRunner usar_{runner_};
};

// ================================================================ main page

TEST_F(Corrientes, SinCorrientesMuestraUnaCalienteYCancelarNoDevuelveNada) {
  EXPECT_TRUE(fabrica_.Disponible(DialogoId::CorrientesSheet));
  DlgCorrientes d;
  std::string numero, entrada, salida, mcp, h;
  int lineal = -2, tipo = -2, calor = -2, dado = -2, lo = 0, hi = 0;
  EXPECT_FALSE(Correr(d, [&](Driver& dr, CCorrientesSheet& hoja) {
    numero = dr.Text(P::kIdNumero);
    entrada = dr.Text(P::kIdTEntrada);
    salida = dr.Text(P::kIdTSalida);
    mcp = dr.Text(P::kIdMcp);
    h = dr.Text(P::kIdH);
    lineal = hoja.Principal().RadioIndex(P::kIdLineal);
    tipo = hoja.Principal().RadioIndex(P::kIdCaliente);
    calor = hoja.Principal().RadioIndex(P::kIdSensible);
    dado = hoja.Principal().RadioIndex(P::kIdRadioMcp);
    auto* giro = hoja.Principal().Get<kit::UpDownWidget>(P::kIdGiro);
    lo = giro->Lower();
    hi = giro->Upper();
    dr.Grab(Png("corrientes_principal"));
    // Streams added, then Cancel.
    dr.Click(P::kIdAnadir);
    dr.Click(P::kIdAnadir);
    EXPECT_EQ(hoja.Principal().Modelo().GetNumCorrientes(), 3);
    dr.Cancel();
  }));
  EXPECT_EQ(runner_.Log().front().text, "Añadir Corrientes");
  EXPECT_EQ(numero, "1");
  EXPECT_EQ(entrada, "0.");
  EXPECT_EQ(salida, "1.");
  EXPECT_EQ(mcp, "0.");
  EXPECT_EQ(h, "0.");
  EXPECT_EQ(lineal, 0);
  EXPECT_EQ(tipo, 0);   // hot
  EXPECT_EQ(calor, 0);  // sensible
  EXPECT_EQ(dado, 1);   // heat given
  EXPECT_EQ(lo, 1);
  EXPECT_EQ(hi, 1);
  EXPECT_EQ(d.modelo.GetNumCorrientes(), 0);
}

TEST_F(Corrientes, AnadirGuardaLaMostradaYAnadeUnaFriaQueTomaComoSeDioElCalor) {
  DlgCorrientes d;
  std::string numero;
  int hi = 0, tipo = -2, dado = -2;
  EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet& hoja) {
    dr.Type(P::kIdNombre, "Agua");
    dr.Type(P::kIdTEntrada, "300");
    dr.Type(P::kIdTSalida, "350");
    dr.Click(P::kIdRadioMcp);
    dr.Type(P::kIdMcp, "4");
    dr.Click(P::kIdAnadir);
    numero = dr.Text(P::kIdNumero);
    hi = hoja.Principal().Get<kit::UpDownWidget>(P::kIdGiro)->Upper();
    tipo = hoja.Principal().RadioIndex(P::kIdCaliente);
    dado = hoja.Principal().RadioIndex(P::kIdRadioMcp);
    dr.Ok();
  }));
  EXPECT_EQ(numero, "2");
  EXPECT_EQ(hi, 2);
  EXPECT_EQ(tipo, 1);  // cold
  EXPECT_EQ(dado, 0);  // m·cp, as the stream before it
  ASSERT_EQ(d.modelo.GetNumCorrientes(), 2);
  const CCorriente& a = d.modelo.m_corrientes[0];
  EXPECT_EQ(a.GetNombre(), "Agua");
  EXPECT_EQ(a.m_T, (std::vector<double>{300, 350}));
  EXPECT_EQ(a.m_H, (std::vector<double>{0, 200}));
  EXPECT_EQ(a.m_fria, 1);
  EXPECT_EQ(a.m_entalpiaDada, 0);
  const CCorriente& b = d.modelo.m_corrientes[1];
  EXPECT_EQ(b.m_T, (std::vector<double>{0, 1}));
  EXPECT_EQ(b.m_H, (std::vector<double>{0, 0}));
  EXPECT_EQ(b.m_fria, 1);
  EXPECT_EQ(b.m_entalpiaDada, 0);
}

TEST_F(Corrientes, LasTemperaturasDecidenCalienteOFriaYUnaLatenteSeDaPorSuCalor) {
  struct Caso {
    const char* nombre;
    std::function<void(Driver&)> teclear;
    std::vector<double> t, h;
    int fria;
    double mcp;
    int entalpiaDada;
  };
  auto sensible = [](const char* t1, const char* t2, const char* mcp, int radioTipo) {
    return [=](Driver& dr) {
      dr.Type(P::kIdTEntrada, t1);
      dr.Type(P::kIdTSalida, t2);
      dr.Click(P::kIdRadioMcp);
      dr.Type(P::kIdMcp, mcp);
      dr.Click(radioTipo);
    };
  };
  const Caso casos[] = {
      {"bajando marcada fría", sensible("400", "300", "5", P::kIdFria), {400, 300}, {0, -500}, 0, 5, 0},
      {"subiendo marcada caliente", sensible("300", "400", "5", P::kIdCaliente), {300, 400}, {0, 500},
       1, 5, 0},
      {"m·cp negativo", sensible("300", "400", "-5", P::kIdFria), {300, 400}, {0, 500}, 1, 5, 0},
      {"latente caliente",
       [](Driver& dr) {
         dr.Type(P::kIdTEntrada, "373.15");
         dr.Click(P::kIdLatente);
         dr.Type(P::kIdH, "200");
         dr.Click(P::kIdCaliente);
       },
       {373.15, 373.15}, {0, -200}, 0, -1, 1},
  };
  for (const Caso& c : casos) {
    DlgCorrientes d;
    d.modelo = Lineales(1);
    bool latenteVacios = false;
    EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet& hoja) {
      c.teclear(dr);
      const bool latente = hoja.Principal().Checked(P::kIdLatente);
      latenteVacios = !latente || (dr.Text(P::kIdTSalida).empty() && dr.Text(P::kIdMcp).empty() &&
                                   hoja.Principal().IsReadOnly(P::kIdTSalida) &&
                                   hoja.Principal().Checked(P::kIdRadioH));
      dr.Ok();
    })) << c.nombre;
    const CCorriente& s = d.modelo.m_corrientes[0];
    SCOPED_TRACE(c.nombre);
    EXPECT_TRUE(latenteVacios);
    EXPECT_EQ(s.m_T, c.t);
    EXPECT_EQ(s.m_H, c.h);
    EXPECT_EQ(s.m_fria, c.fria);
    EXPECT_DOUBLE_EQ(s.m_mcp, c.mcp);
    EXPECT_EQ(s.m_entalpiaDada, c.entalpiaDada);
  }
}

TEST_F(Corrientes, UnNumeroEscritoYIntroGuardanCadaCorrienteEnLaSuya) {
  DlgCorrientes d;
  d.modelo = Lineales(2);
  const CDiagrama antes = d.modelo;
  std::string numero, nombre;
  EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet&) {
    dr.Type(P::kIdNombre, "Nuevo");
    dr.Focus(P::kIdNumero);  // stores stream 1 as shown
    dr.Type(P::kIdNumero, "2");
    dr.Enter();  // shows stream 2, then Aceptar stores it into itself
  }));
  EXPECT_EQ(d.modelo.m_corrientes[0].GetNombre(), "Nuevo");
  EsperarMismaCorriente(d.modelo.m_corrientes[1], antes.m_corrientes[1], "corriente 2");
}

TEST_F(Corrientes, UnNumeroEscritoSobreUnaRamaMuestraLaDivisionConElDeSuPrimeraRama) {
  DlgCorrientes d;
  d.modelo = ConDivision(true);
  const CDiagrama antes = d.modelo;
  struct Visto {
    std::string numero, nombre, entrada;
  };
  std::vector<Visto> vistos;
  EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet&) {
    for (const char* escrito : {"4", "3", "5", "9", "0"}) {
      dr.Type(P::kIdNumero, escrito);
      dr.Focus(P::kIdNombre);
      vistos.push_back({dr.Text(P::kIdNumero), dr.Text(P::kIdNombre), dr.Text(P::kIdTEntrada)});
    }
    dr.Type(P::kIdNumero, "4");
    dr.Focus(P::kIdNombre);
    // Leaving the page and OK store the split into the split.
    ASSERT_TRUE(dr.Page(1));
    ASSERT_TRUE(dr.Page(0));
    vistos.push_back({dr.Text(P::kIdNumero), dr.Text(P::kIdNombre), dr.Text(P::kIdTEntrada)});
    dr.Ok();
  }));
  const std::vector<std::vector<std::string>> esperados = {
      {"2", "Gases", "500."}, {"2", "Gases", "500."}, {"2", "Gases", "500."},
      {"6", "Cola", "300."},  {"6", "Cola", "300."},  {"2", "Gases", "500."}};
  ASSERT_EQ(vistos.size(), esperados.size());
  for (std::size_t i = 0; i < vistos.size(); ++i) {
    EXPECT_EQ(vistos[i].numero, esperados[i][0]) << i;
    EXPECT_EQ(vistos[i].nombre, esperados[i][1]) << i;
    EXPECT_EQ(vistos[i].entrada, esperados[i][2]) << i;
  }
  for (std::size_t i = 0; i < antes.m_corrientes.size(); ++i)
    EsperarMismaCorriente(d.modelo.m_corrientes[i], antes.m_corrientes[i], std::to_string(i));
  EsperarMismaCorriente(d.modelo.m_bifurcadas[0].corriente, antes.m_bifurcadas[0].corriente,
                        "división");
}

TEST_F(Corrientes, LasFlechasRecorrenUnaDivisionComoUnaSolaCorriente) {
  const struct {
    const char* nombre;
    bool cola;
    std::vector<int> pasos;
    std::vector<std::string> numeros;  // shown after each step
  } casos[] = {
      {"con cola", true, {1, 1, -1, -1, 1, 1, 1}, {"2", "6", "2", "1", "2", "6", "6"}},
      {"al final", false, {1, 1, -1}, {"2", "2", "1"}},
  };
  for (const auto& c : casos) {
    DlgCorrientes d;
    d.modelo = ConDivision(c.cola);
    const CDiagrama antes = d.modelo;
    std::vector<std::string> numeros;
    EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet&) {
      for (int paso : c.pasos) {
        dr.Step(P::kIdGiro, paso);
        numeros.push_back(dr.Text(P::kIdNumero));
      }
      dr.Ok();
    }));
    EXPECT_EQ(numeros, c.numeros) << c.nombre;
    for (std::size_t i = 0; i < antes.m_corrientes.size(); ++i)
      EsperarMismaCorriente(d.modelo.m_corrientes[i], antes.m_corrientes[i], c.nombre);
  }
}

TEST_F(Corrientes, UnaFlechaTrasEscribirUnNumeroGuardaLaCorrienteQueSeMuestra) {
  DlgCorrientes d;
  d.modelo = Lineales(3);
  const CDiagrama antes = d.modelo;
  std::string numero, nombre;
  EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet&) {
    dr.Type(P::kIdNombre, "Primera");
    dr.Type(P::kIdNumero, "2");
    dr.Step(P::kIdGiro, 1);  // from the typed 2 to 3
    numero = dr.Text(P::kIdNumero);
    nombre = dr.Text(P::kIdNombre);
    dr.Ok();
  }));
  EXPECT_EQ(numero, "3");
  EXPECT_EQ(nombre, "S3");
  EXPECT_EQ(d.modelo.m_corrientes[0].GetNombre(), "Primera");
  EsperarMismaCorriente(d.modelo.m_corrientes[1], antes.m_corrientes[1], "corriente 2");
}

TEST_F(Corrientes, UnaRamaNoPuedeSerLatenteYAlVolverSeVeLaUltimaMostrada) {
  DlgCorrientes d;
  d.modelo = ConDivision(true);
  d.corriente = 3;  // a branch: the split is shown under number 2
  std::string primero, vuelta;
  bool sensible = false, latente = true;
  EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet& hoja) {
    primero = dr.Text(P::kIdNumero);
    dr.Click(P::kIdLatente);
    sensible = hoja.Principal().Checked(P::kIdSensible);
    latente = hoja.Principal().Checked(P::kIdLatente);
    dr.Step(P::kIdGiro, 1);
    ASSERT_TRUE(dr.Page(2));
    ASSERT_TRUE(dr.Page(0));
    vuelta = dr.Text(P::kIdNumero);
    dr.Ok();
  }));
  EXPECT_EQ(primero, "2");
  EXPECT_TRUE(sensible);
  EXPECT_FALSE(latente);
  EXPECT_EQ(vuelta, "6");
  EXPECT_EQ(d.modelo.m_bifurcadas[0].corriente.m_latente, 0);
}

TEST_F(Corrientes, LoEscritoSeGuardaAntesDeMostrarDeNuevoLaCorrienteLineal) {
  const struct {
    const char* nombre;
    CDiagrama modelo;
    bool temperatura;  // a supply temperature typed too (a linear stream)
  } casos[] = {
      {"lineal", Lineales(1), true},
      {"no lineal", NoLineal(), false},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    runner_.Clear();
    DlgCorrientes d;
    d.modelo = c.modelo;
    std::string nombre, entrada;
    EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet&) {
      dr.Type(P::kIdNombre, "Vapor");
      if (c.temperatura) dr.Type(P::kIdTEntrada, "295,5");
      dr.Click(P::kIdLineal);
      nombre = dr.Text(P::kIdNombre);
      entrada = dr.Text(P::kIdTEntrada);
      dr.Ok();
    }));
    EXPECT_EQ(nombre, "Vapor");
    const CCorriente& s = d.modelo.m_corrientes[0];
    EXPECT_EQ(s.GetNombre(), "Vapor");
    EXPECT_EQ(s.m_lineal, 1);
    EXPECT_EQ(entrada, c.temperatura ? "295.5" : "300.");
    EXPECT_DOUBLE_EQ(s.GetT1(), c.temperatura ? 295.5 : 300.0);
    EXPECT_TRUE(Mensajes().empty());
  }
}

TEST_F(Corrientes, UnaNoLinealMuestraSusDatosSinPoderEditarlos) {
  DlgCorrientes d;
  d.modelo = NoLineal();
  std::vector<std::string> textos;
  std::vector<bool> soloLectura;
  EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet& hoja) {
    for (int id : {P::kIdTEntrada, P::kIdTSalida, P::kIdMcp, P::kIdH}) {
      textos.push_back(dr.Text(id));
      soloLectura.push_back(hoja.Principal().IsReadOnly(id));
    }
    EXPECT_EQ(hoja.Principal().RadioIndex(P::kIdLineal), 1);
    dr.Ok();
  }));
  EXPECT_EQ(textos, (std::vector<std::string>{"300.", "400.", "1.", "100."}));
  EXPECT_EQ(soloLectura, (std::vector<bool>{true, true, true, true}));
  EXPECT_EQ(d.modelo.m_corrientes[0].m_T, (std::vector<double>{300, 350, 400}));
}

// ================================================================ enthalpy

struct CasoTabla {
  const char* nombre;
  // Rows typed over the three rows of the stream's table (the first
  // enthalpy stays "0").
  std::vector<FilaPuntos> filas;
  std::vector<double> t, h;
  int fria;
  bool aviso;
};

TEST_F(Corrientes, LaTablaSeCorrigeAlSalirConUnAvisoONinguno) {
  const CasoTabla casos[] = {
      {"caliente correcta", {{"400", "0"}, {"350", "-100"}, {"300", "-150"}}, {400, 350, 300},
       {0, -100, -150}, 0, false},
      {"temperatura que retrocede", {{"300", "0"}, {"350", "100"}, {"340", "200"}}, {300, 350, 350},
       {0, 100, 200}, 1, true},
      {"temperaturas iguales", {{"300", "0"}, {"300", "50"}, {"350", "100"}}, {300, 300.01, 350},
       {0, 50, 100}, 1, false},
      {"entalpía que retrocede", {{"300", "0"}, {"350", "120"}, {"400", "100"}}, {300, 350, 400},
       {0, 120, 120}, 1, true},
      {"dos correcciones", {{"300", "0"}, {"350", "120"}, {"340", "100"}}, {300, 350, 350},
       {0, 120, 120}, 1, true},
      {"fría escrita negativa", {{"300", "0"}, {"350", "-100"}, {"400", "-150"}}, {300, 350, 400},
       {0, 100, 150}, 1, false},
  };
  for (const CasoTabla& c : casos) {
    runner_.Clear();
    DlgCorrientes d;
    d.modelo = NoLineal();
    EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet& hoja) {
      ASSERT_TRUE(dr.Page(1));
      Celdix& t = *hoja.Entalpia().Get<Celdix>(E::kIdTabla);
      for (std::size_t r = 0; r < c.filas.size(); ++r) {
        EditCell(t, static_cast<int>(r) + 1, 0, c.filas[r].t);
        if (r > 0) EditCell(t, static_cast<int>(r) + 1, 1, c.filas[r].h);
      }
      ASSERT_TRUE(dr.Page(0));
      dr.Ok();
    })) << c.nombre;
    SCOPED_TRACE(c.nombre);
    const CCorriente& s = d.modelo.m_corrientes[0];
    EXPECT_EQ(s.m_T, c.t);
    EXPECT_EQ(s.m_H, c.h);
    EXPECT_EQ(s.m_fria, c.fria);
    EXPECT_EQ(s.m_lineal, 0);
    EXPECT_EQ(s.m_ajustada, 0);
    const std::vector<std::string> avisos =
        c.aviso ? std::vector<std::string>{kMsgTablaNoMonotona} : std::vector<std::string>{};
    EXPECT_EQ(Mensajes(), avisos);
  }
}

TEST_F(Corrientes, LaTablaDeEntalpiasTomaLaComaYRechazaLoQueNoEsUnNumero) {
  // The middle point (350 K, 60 kW) of the three-point table.
  struct Caso {
    int col;
    const char* texto;
    bool tomado;
    std::vector<double> t, h;
  };
  const Caso casos[] = {
      {0, "325,5", true, {300, 325.5, 400}, {0, 60, 100}},
      {1, "60,5", true, {300, 350, 400}, {0, 60.5, 100}},
      {0, "abc", false, {300, 350, 400}, {0, 60, 100}},
      {1, "abc", false, {300, 350, 400}, {0, 60, 100}},
      {1, "6x", false, {300, 350, 400}, {0, 60, 100}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::string(c.texto) + " en la columna " + std::to_string(c.col));
    runner_.Clear();
    DlgCorrientes d;
    d.modelo = NoLineal();
    std::string antes, despues;
    EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet& hoja) {
      ASSERT_TRUE(dr.Page(1));
      Celdix& t = *hoja.Entalpia().Get<Celdix>(E::kIdTabla);
      antes = t.TextMatrix(2, c.col).toStdString();
      EditCell(t, 2, c.col, c.texto);
      despues = t.TextMatrix(2, c.col).toStdString();
      if (&c == &casos[2]) dr.Grab(Png("corrientes_entalpia_rechazo"));
      ASSERT_TRUE(dr.Page(0));
      dr.Ok();
    }));
    const CCorriente& s = d.modelo.m_corrientes[0];
    EXPECT_EQ(s.m_T, c.t);
    EXPECT_EQ(s.m_H, c.h);
    if (c.tomado) {
      EXPECT_TRUE(Mensajes().empty());
      EXPECT_EQ(despues, c.col == 0 ? "325.5" : "60.5");
    } else {
      EXPECT_EQ(Mensajes(), std::vector<std::string>{"Introduzca un número."});
      EXPECT_EQ(despues, antes);
    }
  }
}

TEST_F(Corrientes, LaTablaDeUnaLinealEsDeSoloLecturaYNoSeGuarda) {
  DlgCorrientes d;
  d.modelo = Lineales(1);
  bool soloLectura = false;
  std::string t2, h2;
  EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet& hoja) {
    ASSERT_TRUE(dr.Page(1));
    Celdix& t = *hoja.Entalpia().Get<Celdix>(E::kIdTabla);
    soloLectura = t.ReadOnlyTable() && !t.AddButton()->isEnabled() && !t.DelButton()->isEnabled();
    t2 = t.TextMatrix(2, 0).toStdString();
    h2 = t.TextMatrix(2, 1).toStdString();
    dr.Ok();
  }));
  EXPECT_TRUE(soloLectura);
  EXPECT_EQ(t2, "310.");
  EXPECT_EQ(h2, "10.");
  EXPECT_TRUE(Mensajes().empty());
}

TEST_F(Corrientes, LaTablaCopiaLaFilaAnteriorYNoBajaDeDosFilas) {
  DlgCorrientes d;
  d.modelo = NoLineal();
  std::vector<std::string> trasAnadir, trasBorrar;
  EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet& hoja) {
    ASSERT_TRUE(dr.Page(1));
    Celdix& t = *hoja.Entalpia().Get<Celdix>(E::kIdTabla);
    ClickAt(t.AddButton());
    for (int c = 0; c < 2; ++c) trasAnadir.push_back(t.TextMatrix(4, c).toStdString());
    // Down to one data row: the second comes back.
    for (int i = 0; i < 3; ++i) {
      t.Grid()->SetCurrentCell(t.Rows() - 1, 0, true);
      ClickAt(t.DelButton());
    }
    EditCell(t, 1, 0, "320");
    t.Grid()->SetCurrentCell(2, 0, true);
    ClickAt(t.DelButton());
    for (int r = 1; r < t.Rows(); ++r)
      for (int c = 0; c < 2; ++c) trasBorrar.push_back(t.TextMatrix(r, c).toStdString());
    dr.Ok();
  }));
  EXPECT_EQ(trasAnadir, (std::vector<std::string>{"400.", "100."}));
  EXPECT_EQ(trasBorrar, (std::vector<std::string>{"320", "0", "320", "0"}));
  const std::vector<std::string> m = Mensajes();
  ASSERT_FALSE(m.empty());
  // Each deletion that left one data row.
  EXPECT_EQ(std::count(m.begin(), m.end(), std::string(kMsgDosFilas)), 2);
  EXPECT_EQ(d.modelo.m_corrientes[0].m_T, (std::vector<double>{320, 320}));
}

TEST_F(Corrientes, LaVistaPreviaSeDibujaUnaVezTrasCargarLaTabla) {
  const struct {
    const char* nombre;
    CDiagrama modelo;
    const char* serie;
    Rgb color;
    Point ultimo;
  } casos[] = {
      {"fria_no_lineal", NoLineal(), "Entalpía", MakeRgb(0, 0, 200), {10000, 40000}},
      {"fria_lineal", Lineales(1), "Entalpía", MakeRgb(0, 0, 200), {1000, 31000}},
      {"caliente", [] {
         CDiagrama d;
         d.AddCorriente(400, 300, 2.0, 0, 0);
         return d;
       }(),
       "Entalpia", MakeRgb(180, 0, 0), {0, 30000}},
  };
  for (const auto& c : casos) {
    DlgCorrientes d;
    d.modelo = c.modelo;
    EXPECT_FALSE(Correr(d, [&](Driver& dr, CCorrientesSheet& hoja) {
      ASSERT_TRUE(dr.Page(1));
      CAjusteHDlg& pag = hoja.Entalpia();
      EXPECT_FALSE(pag.GraficaDibujada());
      EXPECT_EQ(pag.TimerPeriod(E::kIdTemporizador), 100);
      // Nothing is drawn until the preview's delay has passed.
      ManualClock::Advance(99);
      EXPECT_FALSE(pag.GraficaDibujada());
      EXPECT_TRUE(dr.Timer(E::kIdTemporizador));
      EXPECT_FALSE(pag.TimerActive(E::kIdTemporizador));
      ASSERT_TRUE(pag.GraficaDibujada());
      const CGrafica& g = pag.Grafica();
      ASSERT_EQ(g.series.size(), 1u);
      EXPECT_EQ(g.series[0].etiqueta, c.serie);
      EXPECT_EQ(g.series[0].color, c.color);
      EXPECT_EQ(g.puntos.front().x, c.serie == std::string("Entalpia") ? 20000 : 0);
      EXPECT_EQ(g.puntos.back(), c.ultimo);
      dr.Grab(Png(std::string("corrientes_entalpia_") + c.nombre));
      dr.Cancel();
    })) << c.nombre;
  }
}

TEST_F(Corrientes, UnaFuncionConEntalpiaInicialSeDesplazaYSeGuardaEnSeguida) {
  DlgCorrientes d;
  d.modelo = NoLineal();
  std::vector<std::string> tabla;
  CCorriente guardada;
  int modoTrasEditar = -2;
  EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet& hoja) {
    ASSERT_TRUE(dr.Page(1));
    CAjusteHDlg& pag = hoja.Entalpia();
    dr.Click(E::kIdModoFuncion);
    Tabulix& f = *pag.Get<Tabulix>(E::kIdFuncion);
    TypeTableBox(f.XIniText(), "300");
    TypeTableBox(f.XFinText(), "400");
    TypeTableBox(f.NumText(), "3");
    TypeTableBox(f.FuncionText(), "25+2*(X-300)");
    Celdix& t = *pag.Get<Celdix>(E::kIdTabla);
    for (int r = 1; r < t.Rows(); ++r)
      for (int c = 0; c < 2; ++c) tabla.push_back(t.TextMatrix(r, c).toStdString());
    guardada = pag.Modelo().m_corrientes[0];
    dr.Grab(Png("corrientes_funcion"));
    // Typing into a cell: a table again.
    EditCell(t, 2, 1, "150");
    modoTrasEditar = pag.RadioIndex(E::kIdModoTabla);
    dr.Ok();
  }));
  EXPECT_EQ(tabla, (std::vector<std::string>{"300.", "0.", "350.", "100.", "400.", "200."}));
  EXPECT_EQ(Mensajes(), std::vector<std::string>{kMsgEntalpiaInicial});
  EXPECT_EQ(runner_.Log()[1].icon, MsgIcon::Information);
  EXPECT_EQ(guardada.m_ajustada, 1);
  EXPECT_EQ(guardada.m_formaHT, 1);
  EXPECT_EQ(guardada.GetAjuste(), "25+2*(X-300)");
  EXPECT_EQ(guardada.m_H, (std::vector<double>{0, 100, 200}));
  EXPECT_EQ(modoTrasEditar, 0);
  const CCorriente& s = d.modelo.m_corrientes[0];
  EXPECT_EQ(s.m_ajustada, 0);
  EXPECT_EQ(s.m_H, (std::vector<double>{0, 150, 200}));
  EXPECT_DOUBLE_EQ(s.m_mcp, 2.0);
}

// One non-linear cold stream whose table was computed from H = 2*(X-293.15)
// over 293.15 ... 408.15 K in three points (H 0, 115, 230).
CDiagrama Ajustada() {
  CDiagrama d;
  d.AddCorriente(293.15, 408.15, 2.0, 1, 0);
  CCorriente& s = d.m_corrientes[0];
  s.m_lineal = 0;
  s.m_ajustada = 1;
  s.m_formaHT = 1;
  s.SetAjuste("2*(X-293.15)");
  s.m_T = {293.15, 350.65, 408.15};
  s.m_H = {0, 115, 230};
  return d;
}

// The user clicks into one of the function table's boxes and replaces its
// text, the focus staying there.
void EscribirEnCaja(QLineEdit* caja, const std::string& texto) {
  caja->setFocus(Qt::MouseFocusReason);
  caja->selectAll();
  TypeKeys(caja, texto);
}

TEST_F(Corrientes, SeGuardaLaFuncionDeLaQueSalioLaTabla) {
  const struct {
    const char* nombre;
    std::function<void(Driver&, Tabulix&)> hacer;
    const char* ajuste;
    double hFinal;
  } casos[] = {
      // The range typed with a decimal comma, the new formula left by the
      // click on "Aceptar".
      {"rango con coma y Aceptar",
       [](Driver& dr, Tabulix& f) {
         TypeTableBox(f.XIniText(), "293,15");
         EscribirEnCaja(f.FuncionText(), "5*(X-293.15)");
         dr.Ok();
       },
       "5*(X-293.15)", 575},
      // The formula still being typed when a key changes the page.
      {"fórmula y Ctrl+Tab",
       [](Driver& dr, Tabulix& f) {
         EscribirEnCaja(f.FuncionText(), "5*(X-293.15)");
         dr.Key(Qt::Key_Tab, Qt::ControlModifier);
         EXPECT_EQ(static_cast<kit::PropertySheet&>(dr.Dialog()).ActiveIndex(), 2);
         dr.Ok();
       },
       "5*(X-293.15)", 575},
      // A formula that cannot be evaluated leaves the table as it was: the
      // stream keeps the formula of that table.
      {"fórmula que no se evalúa",
       [](Driver& dr, Tabulix& f) {
         TypeTableBox(f.FuncionText(), "5*(X-293.15");
         dr.Ok();
       },
       "2*(X-293.15)", 230},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    runner_.Clear();
    DlgCorrientes d;
    d.modelo = Ajustada();
    EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet& hoja) {
      ASSERT_TRUE(dr.Page(1));
      Tabulix& f = *hoja.Entalpia().Get<Tabulix>(E::kIdFuncion);
      EXPECT_EQ(f.Ajuste().toStdString(), "2*(X-293.15)");
      c.hacer(dr, f);
    }));
    const CCorriente& s = d.modelo.m_corrientes[0];
    EXPECT_EQ(s.GetAjuste(), c.ajuste);
    EXPECT_EQ(s.m_ajustada, 1);
    ASSERT_EQ(s.m_H.size(), 3u);
    EXPECT_NEAR(s.m_H.back(), c.hFinal, 1e-9);
    EXPECT_NEAR(s.m_T.back(), 408.15, 1e-9);
  }
}

TEST_F(Corrientes, UnaFormulaQueNoSeEvaluaSeDiceUnaVezYCancelarSiempreCierra) {
  const struct {
    const char* nombre;
    int tabs;     // Tab pressed that often after typing (the first leaves the formula)
    bool escape;  // Escape instead of a click on "Cancelar"
    std::size_t mensajes;
  } casos[] = {
      {"Tab y Cancelar", 1, false, 1},
      {"Tab y Escape", 1, true, 1},
      {"Tab por las casillas y Cancelar", 3, false, 1},
      {"Cancelar desde la fórmula", 0, false, 0},
      {"Escape desde la fórmula", 0, true, 0},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    runner_.Clear();
    DlgCorrientes d;
    d.modelo = Ajustada();
    bool abierta = true;
    EXPECT_FALSE(Correr(d, [&](Driver& dr, CCorrientesSheet& hoja) {
      ASSERT_TRUE(dr.Page(1));
      Tabulix& f = *hoja.Entalpia().Get<Tabulix>(E::kIdFuncion);
      EscribirEnCaja(f.FuncionText(), "2*(X");
      for (int i = 0; i < c.tabs; ++i) dr.Key(Qt::Key_Tab);
      c.escape ? dr.Escape() : dr.Cancel();
      abierta = dr.Dialog().IsOpen();
    }));
    EXPECT_FALSE(abierta);
    EXPECT_EQ(Mensajes(), std::vector<std::string>(c.mensajes, kMsgErrorExpresion));
  }
}

// A cell typed and not yet left is committed by every way of changing the
// page, as a field's focus-out is.
TEST_F(Corrientes, UnaCeldaEscritaSeGuardaAlCambiarDePagina) {
  const struct {
    const char* nombre;
    std::function<void(Driver&)> cambiar;
    int pagina;
  } casos[] = {
      {"Ctrl+Tab", [](Driver& dr) { dr.Key(Qt::Key_Tab, Qt::ControlModifier); }, 2},
      {"Ctrl+Mayús+Tab", [](Driver& dr) { dr.Key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier); }, 0},
      {"Ctrl+Mayús+Tab sin Backtab", [](Driver& dr) { dr.Key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier); }, 0},
      {"Ctrl+AvPág", [](Driver& dr) { dr.Key(Qt::Key_PageDown, Qt::ControlModifier); }, 2},
      {"Ctrl+RePág", [](Driver& dr) { dr.Key(Qt::Key_PageUp, Qt::ControlModifier); }, 0},
      {"clic en la pestaña", [](Driver& dr) { dr.Page(3); }, 3},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    runner_.Clear();
    DlgCorrientes d;
    d.modelo = NoLineal();
    int pagina = -1;
    EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet& hoja) {
      ASSERT_TRUE(dr.Page(1));
      Celdix& t = *hoja.Entalpia().Get<Celdix>(E::kIdTabla);
      ClickCell(t, 2, 0);
      t.TextEditor()->selectAll();
      TypeKeys(t.TextEditor(), "360,5");
      c.cambiar(dr);
      pagina = hoja.ActiveIndex();
      dr.Ok();
    }));
    EXPECT_EQ(pagina, c.pagina);
    EXPECT_EQ(d.modelo.m_corrientes[0].m_T, (std::vector<double>{300, 360.5, 400}));
    EXPECT_TRUE(Mensajes().empty());
  }
}

TEST_F(Corrientes, CancelarConUnaCeldaQueNoEsNumeroCierraSinMensaje) {
  DlgCorrientes d;
  d.modelo = NoLineal();
  bool abierta = true;
  EXPECT_FALSE(Correr(d, [&](Driver& dr, CCorrientesSheet& hoja) {
    ASSERT_TRUE(dr.Page(1));
    Celdix& t = *hoja.Entalpia().Get<Celdix>(E::kIdTabla);
    ClickCell(t, 2, 0);
    t.TextEditor()->selectAll();
    TypeKeys(t.TextEditor(), "abc");
    dr.Cancel();
    abierta = dr.Dialog().IsOpen();
  }));
  EXPECT_FALSE(abierta);
  EXPECT_TRUE(Mensajes().empty());
}

// The page keys belong to the sheet: the focused list, combo or grid never
// takes them.
TEST_F(Corrientes, LasTeclasDePaginaSonDeLaHojaYNoDelControl) {
  const struct {
    const char* nombre;
    int desde;
    int foco;  // control of that page given the focus
    int tecla;
    Qt::KeyboardModifiers mods;
    int hasta;
  } casos[] = {
      {"correlación Ctrl+AvPág", 2, F::kIdCorrelacion, Qt::Key_PageDown, Qt::ControlModifier, 3},
      {"correlación Ctrl+RePág", 2, F::kIdCorrelacion, Qt::Key_PageUp, Qt::ControlModifier, 1},
      {"correlación Ctrl+Tab", 2, F::kIdCorrelacion, Qt::Key_Tab, Qt::ControlModifier, 3},
      {"tabla Ctrl+RePág", 1, E::kIdTabla, Qt::Key_PageUp, Qt::ControlModifier, 0},
      {"tabla Ctrl+AvPág", 1, E::kIdTabla, Qt::Key_PageDown, Qt::ControlModifier, 2},
      {"última vuelve a la primera", 3, C::kIdA, Qt::Key_PageDown, Qt::ControlModifier, 0},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    runner_.Clear();
    DlgCorrientes d;
    d.modelo = NoLineal();
    d.modelo.m_corrientes[0].m_correlacion = 4;
    int pagina = -1;
    EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet& hoja) {
      ASSERT_TRUE(dr.Page(c.desde));
      if (c.foco == E::kIdTabla) {
        Celdix& t = *hoja.Entalpia().Get<Celdix>(E::kIdTabla);
        ClickCell(t, 2, 0);
        QTest::keyClick(t.TextEditor(), Qt::Key_Escape);  // no cell edited: the grid has the focus
      } else {
        dr.Focus(c.foco);
      }
      dr.Key(c.tecla, c.mods);
      pagina = hoja.ActiveIndex();
      dr.Ok();
    }));
    EXPECT_EQ(pagina, c.hasta);
    EXPECT_EQ(d.modelo.m_corrientes[0].m_correlacion, 4);
    EXPECT_EQ(d.modelo.m_corrientes[0].m_T, (std::vector<double>{300, 350, 400}));
  }
}

TEST_F(Corrientes, UnaTemperaturaDeCeroKOMenosSeRechazaEnLaTabla) {
  const struct {
    int col;
    const char* texto;
    const char* mensaje;  // nullptr: taken
  } casos[] = {
      {0, "-5", "Introduzca una temperatura mayor que 0 K."},
      {0, "0", "Introduzca una temperatura mayor que 0 K."},
      {0, "0,0", "Introduzca una temperatura mayor que 0 K."},
      {0, "0,5", nullptr},
      {1, "-5", nullptr},  // an enthalpy may be negative (it is signed on leaving)
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.texto) + " en la columna " + std::to_string(c.col));
    runner_.Clear();
    DlgCorrientes d;
    d.modelo = NoLineal();
    std::string despues;
    EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet& hoja) {
      ASSERT_TRUE(dr.Page(1));
      Celdix& t = *hoja.Entalpia().Get<Celdix>(E::kIdTabla);
      EditCell(t, 2, c.col, c.texto);
      despues = t.TextMatrix(2, c.col).toStdString();
      if (c.mensaje && std::string(c.texto) == "-5") dr.Grab(Png("corrientes_entalpia_cero_k"));
      dr.Ok();
    }));
    const CCorriente& s = d.modelo.m_corrientes[0];
    if (c.mensaje) {
      EXPECT_EQ(Mensajes(), std::vector<std::string>{c.mensaje});
      EXPECT_EQ(despues, "350.");
      EXPECT_EQ(s.m_T, (std::vector<double>{300, 350, 400}));
    } else {
      EXPECT_EQ(despues, std::string(c.texto) == "0,5" ? "0.5" : "-5");
    }
  }
}

// ================================================================ properties

TEST_F(Corrientes, LaCorrelacionElegidaAbreSusCamposYMuestraSuFormula) {
  DlgCorrientes d;
  d.modelo = Lineales(1);
  d.modelo.m_corrientes[0].m_correlacion = -1;
  int sinEleccion = -2;
  std::string formulaVacia, formula;
  std::vector<int> abiertos;
  EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet& hoja) {
    ASSERT_TRUE(dr.Page(2));
    CPropCorrDlg& pag = hoja.Propiedades();
    sinEleccion = pag.CurSel(F::kIdCorrelacion);
    formulaVacia = dr.Text(F::kIdFormula);
    dr.Choose(F::kIdCorrelacion, 3);
    formula = dr.Text(F::kIdFormula);
    for (int k = 0; k < kNumPropiedadesFisicas; ++k)
      if (!pag.IsReadOnly(F::kIdPrimeraPropiedad + k)) abiertos.push_back(k);
    dr.Type(F::kIdPrimeraPropiedad + 8, "2.5e5");
    dr.Grab(Png("corrientes_propiedades"));
    dr.Ok();
  }));
  EXPECT_EQ(sinEleccion, -1);
  EXPECT_EQ(formulaVacia, "");
  EXPECT_EQ(formula, "h=0.00122*(kl^0.79*Cpl^0.45*pl^0.49)/(s^0.5*mul^0.29*Hv^0.24*pv^0.24)");
  EXPECT_EQ(abiertos, (std::vector<int>{0, 1, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(d.modelo.m_corrientes[0].m_correlacion, 3);
  EXPECT_EQ(d.modelo.m_corrientes[0].m_Hv, 2.5e5);
}

TEST_F(Corrientes, UnaCorrienteSinCorrelacionNoMuestraLaFormulaDeLaAnterior) {
  DlgCorrientes d;
  d.modelo = Lineales(2);
  d.modelo.m_corrientes[0].m_correlacion = 3;
  d.modelo.m_corrientes[1].m_correlacion = -1;
  std::string antes, despues;
  int seleccion = -2;
  EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet& hoja) {
    ASSERT_TRUE(dr.Page(2));
    antes = dr.Text(F::kIdFormula);
    ASSERT_TRUE(dr.Page(0));
    dr.Step(P::kIdGiro, 1);
    ASSERT_TRUE(dr.Page(2));
    despues = dr.Text(F::kIdFormula);
    seleccion = hoja.Propiedades().CurSel(F::kIdCorrelacion);
    dr.Ok();
  }));
  EXPECT_EQ(antes, Correlacion(3).formula);
  EXPECT_EQ(despues, "");
  EXPECT_EQ(seleccion, -1);
  EXPECT_EQ(d.modelo.m_corrientes[1].m_correlacion, -1);
  EXPECT_EQ(d.modelo.m_corrientes[0].m_correlacion, 3);
}

TEST_F(Corrientes, SinCorrelacionSeGuardaSinCorrelacionYUnTextoQueNoEsNumeroRetieneLaPagina) {
  DlgCorrientes d;
  d.modelo = Lineales(1);
  d.modelo.m_corrientes[0].m_correlacion = -1;
  int activa = -1;
  EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet& hoja) {
    ASSERT_TRUE(dr.Page(2));
    dr.Type(F::kIdPrimeraPropiedad + 2, "mucha");
    EXPECT_FALSE(dr.Page(3));
    activa = hoja.ActiveIndex();
    dr.Type(F::kIdPrimeraPropiedad + 2, "950");
    dr.Ok();
  }));
  EXPECT_EQ(activa, 2);
  EXPECT_EQ(Mensajes(), std::vector<std::string>{"Introduzca un número."});
  EXPECT_EQ(d.modelo.m_corrientes[0].m_correlacion, -1);
  EXPECT_EQ(d.modelo.m_corrientes[0].m_rho, 950);
}

TEST_F(Corrientes, PropiedadesYCostesDeUnaRamaVanATodaLaDivision) {
  DlgCorrientes d;
  d.modelo = ConDivision(true);
  d.corriente = 2;
  std::string aMostrada;
  EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet&) {
    ASSERT_TRUE(dr.Page(2));
    dr.Choose(F::kIdCorrelacion, 5);
    dr.Type(F::kIdPrimeraPropiedad + 16, "0.02");
    ASSERT_TRUE(dr.Page(3));
    aMostrada = dr.Text(C::kIdA);
    dr.Type(C::kIdA, "5000");
    dr.Type(C::kIdCoeficiente, "0.75");
    dr.Ok();
  }));
  EXPECT_EQ(aMostrada, "4600");
  auto comprobar = [](const CCorriente& s, bool rama, const std::string& cual) {
    EXPECT_EQ(s.m_correlacion == 5, rama) << cual;
    EXPECT_EQ(s.m_PP, rama ? 0.02 : 0.05) << cual;
    EXPECT_EQ(s.m_a, rama ? 5000 : 4600) << cual;
    EXPECT_EQ(s.m_h, rama ? 0.75 : 2.0) << cual;
  };
  comprobar(d.modelo.m_bifurcadas[0].corriente, true, "división");
  for (std::size_t i = 0; i < d.modelo.m_corrientes.size(); ++i)
    comprobar(d.modelo.m_corrientes[i], i >= 1 && i <= 4, std::to_string(i));
}

TEST_F(Corrientes, LasPaginasMuestranLaCorrienteQueEsActualAlVisitarlas) {
  DlgCorrientes d;
  d.modelo = Lineales(2);
  d.modelo.m_corrientes[1].m_k = 0.15;
  d.modelo.m_corrientes[1].m_b = 1200;
  std::string k, b;
  EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet&) {
    dr.Step(P::kIdGiro, 1);
    ASSERT_TRUE(dr.Page(2));
    k = dr.Text(F::kIdPrimeraPropiedad + 0);
    dr.Type(F::kIdPrimeraPropiedad + 0, "0.2");
    ASSERT_TRUE(dr.Page(3));
    b = dr.Text(C::kIdB);
    dr.Type(C::kIdB, "1300");
    dr.Ok();
  }));
  EXPECT_EQ(k, "0.15");
  EXPECT_EQ(b, "1200");
  EXPECT_EQ(d.modelo.m_corrientes[1].m_k, 0.2);
  EXPECT_EQ(d.modelo.m_corrientes[1].m_b, 1300);
  EXPECT_EQ(d.modelo.m_corrientes[0].m_k, 0.6);
  EXPECT_EQ(d.modelo.m_corrientes[0].m_b, 920);
}

// ================================================================ costs

TEST_F(Corrientes, UnaCorrienteNuevaMuestraLosCostesYElCoeficientePorDefecto) {
  DlgCorrientes d;
  std::vector<std::string> textos;
  bool estimar = false;
  EXPECT_FALSE(Correr(d, [&](Driver& dr, CCorrientesSheet& hoja) {
    ASSERT_TRUE(dr.Page(3));
    for (int id : {C::kIdA, C::kIdB, C::kIdC, C::kIdCoeficiente}) textos.push_back(dr.Text(id));
    // The dialogs' registration installed the wizard.
    estimar = hoja.Costes().IsEnabled(C::kIdEstimar);
    dr.Grab(Png("corrientes_costes"));
    dr.Cancel();
  }));
  EXPECT_EQ(textos, (std::vector<std::string>{"4600", "920", "0.7", "2"}));
  EXPECT_TRUE(estimar);
  // Without the wizard's code the button cannot be used.
  SetEstimarCoeficiente(nullptr);
  EXPECT_FALSE(Correr(d, [&](Driver& dr, CCorrientesSheet& hoja) {
    ASSERT_TRUE(dr.Page(3));
    estimar = hoja.Costes().IsEnabled(C::kIdEstimar);
    dr.Cancel();
  }));
  EXPECT_FALSE(estimar);
}

TEST_F(Corrientes, UnCoeficienteQueNoEsPositivoSeRechaza) {
  const struct {
    const char* texto;
    bool enter;  // Enter instead of a click on "Aceptar"
  } casos[] = {{"0", false}, {"-1.5", false}, {"x", false}, {"0", true}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.texto);
    runner_.Clear();
    DlgCorrientes d;
    d.modelo = Lineales(2);
    d.corriente = 1;
    std::string queda;
    EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet&) {
      ASSERT_TRUE(dr.Page(3));
      dr.Type(C::kIdCoeficiente, "1,5");
      dr.Focus(C::kIdA);  // nothing said on leaving the field
      dr.Type(C::kIdCoeficiente, c.texto);
      // Refused where the page is left: the text typed stays to be mended.
      c.enter ? dr.Enter() : dr.Ok();
      queda = dr.Text(C::kIdCoeficiente);
      if (std::string(c.texto) == "0" && !c.enter) dr.Grab(Png("corrientes_coeficiente_rechazado"));
      dr.Type(C::kIdCoeficiente, "1,5");
      dr.Ok();
    }));
    EXPECT_EQ(Mensajes(), std::vector<std::string>{std::string(c.texto) == "x"
                                                       ? "Introduzca un número."
                                                       : "Introduzca un coeficiente mayor que 0."});
    EXPECT_EQ(queda, c.texto);
    EXPECT_DOUBLE_EQ(d.modelo.m_corrientes[1].m_h, 1.5);
    EXPECT_DOUBLE_EQ(d.modelo.m_corrientes[0].m_h, 2.0);
  }
}

TEST_F(Corrientes, CancelarYEscapeCierranLaHojaConUnCoeficienteRechazable) {
  for (bool escape : {false, true}) {
    SCOPED_TRACE(escape);
    runner_.Clear();
    DlgCorrientes d;
    d.modelo = Lineales(1);
    EXPECT_FALSE(Correr(d, [&](Driver& dr, CCorrientesSheet&) {
      ASSERT_TRUE(dr.Page(3));
      dr.Type(C::kIdCoeficiente, "0");
      escape ? dr.Escape() : dr.Cancel();
      EXPECT_FALSE(dr.Dialog().IsOpen());
    }));
    EXPECT_TRUE(Mensajes().empty());
  }
}

TEST_F(Corrientes, LaEstimacionDelCoeficienteSeAplicaALasElegidasYQuedaEnElCampo) {
  const struct {
    const char* nombre;
    bool fin;
    std::vector<std::uint32_t> elegidas;
    bool cambiaActual;  // the current stream (index 1) gets the estimate
    bool cambiaOtra;    // stream 0 gets it
  } casos[] = {
      {"la actual", true, {1}, true, false},
      {"otra", true, {0}, false, true},
      {"las dos", true, {1, 0}, true, true},
      {"cancelar", false, {1}, false, false},
      {"ninguna", true, {}, false, false},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    ResultadoEstimacion r;
    r.correlacion = 1;
    for (int k = 0; k < kNumPropiedadesFisicas; ++k) r.valores[k] = Propiedad(k).defecto;
    r.valores[6] = 0.5;
    r.elegidas = c.elegidas;
    CCorriente esperada;
    esperada.m_correlacion = 1;
    esperada.m_u = 0.5;
    esperada.EstimarH();
    std::int32_t pasada = -1;
    std::int32_t corrientesPasadas = -1;
    SetEstimarCoeficiente([&](QWidget*, const CDiagrama& m, std::int32_t i, ResultadoEstimacion& res) {
      pasada = i;
      corrientesPasadas = m.GetNumCorrientes();
      res = r;
      return c.fin;
    });
    DlgCorrientes d;
    d.modelo = Lineales(2);
    d.corriente = 1;
    std::string campo;
    EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet& hoja) {
      ASSERT_TRUE(dr.Page(3));
      ASSERT_TRUE(hoja.Costes().IsEnabled(C::kIdEstimar));
      dr.Type(C::kIdCoeficiente, "1.5");
      dr.Click(C::kIdEstimar);
      campo = dr.Text(C::kIdCoeficiente);
      dr.Ok();
    }));
    EXPECT_EQ(pasada, 1);
    EXPECT_EQ(corrientesPasadas, 2);
    const CCorriente& actual = d.modelo.m_corrientes[1];
    const CCorriente& otra = d.modelo.m_corrientes[0];
    EXPECT_EQ(campo, c.cambiaActual ? NumTexto(esperada.m_h) : "1.5");
    EXPECT_NEAR(actual.m_h, c.cambiaActual ? esperada.m_h : 1.5, 1e-5 * esperada.m_h);
    EXPECT_EQ(actual.m_correlacion == 1, c.cambiaActual);
    EXPECT_EQ(otra.m_h, c.cambiaOtra ? esperada.m_h : 2.0);
    EXPECT_EQ(otra.m_u, c.cambiaOtra ? 0.5 : 2.0);
  }
}

// A pipe diameter of 0 typed on the properties page, then estimated with a
// situation whose coefficient divides by it though its formula does not
// show it: the wizard opens that field and names it when it refuses, and
// "< Atrás" still goes back.
TEST_F(Corrientes, UnDiametroDeTuberiaCeroSeAbreYSeNombraEnElAsistente) {
  for (int situacion : {6, 8}) {
    SCOPED_TRACE(situacion);
    runner_.Clear();
    DlgCorrientes d;
    d.modelo = Lineales(1);
    bool abierto = false;
    int foco = -1;
    std::vector<std::string> titulos;
    EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet&) {
      ASSERT_TRUE(dr.Page(2));
      dr.Choose(F::kIdCorrelacion, 0);
      dr.Type(F::kIdPrimeraPropiedad + kPropDiametroTuberia, "0");
      ASSERT_TRUE(dr.Page(3));
      runner_.ScriptDialog([&](Driver& w) {
        auto& a = dynamic_cast<CEstimaHSheet&>(w.Dialog());
        w.Choose(CHEst1::kIdSituacion, situacion);
        w.Next();
        abierto = !a.m_paso2.IsReadOnly(CH2Est::IdValor(kPropDiametroTuberia));
        w.Next();  // refused: the diameter is 0
        titulos.push_back(a.windowTitle().toStdString());
        foco = a.m_paso2.FocusedId();
        if (situacion == 6) w.Grab(Png("asistente_diametro_cero"));
        w.Back();
        titulos.push_back(a.windowTitle().toStdString());
        w.Next();
        w.Type(CH2Est::IdValor(kPropDiametroTuberia), "0,05");
        w.Next();
        titulos.push_back(a.windowTitle().toStdString());
        w.Finish();
      });
      dr.Click(C::kIdEstimar);
      dr.Ok();
    }));
    EXPECT_TRUE(abierto);
    EXPECT_EQ(foco, CH2Est::IdValor(kPropDiametroTuberia));
    EXPECT_EQ(titulos, (std::vector<std::string>{"Coeficientes de Transmisión de Calor: Paso 2 de 3",
                                                  "Coeficientes de Transmisión de Calor: Paso 1 de 3",
                                                  "Coeficientes de Transmisión de Calor: Paso 3 de 3"}));
    EXPECT_EQ(Mensajes(),
              std::vector<std::string>{"Introduzca en \"Diámetro de la tubería\" un número mayor que 0."});
    CCorriente esperada;
    esperada.m_correlacion = situacion;
    esperada.m_D = 0.05;
    esperada.EstimarH();
    ASSERT_TRUE(std::isfinite(esperada.m_h) && esperada.m_h > 0);
    const CCorriente& s = d.modelo.m_corrientes[0];
    EXPECT_EQ(s.m_correlacion, situacion);
    EXPECT_EQ(s.m_D, 0.05);
    EXPECT_NEAR(s.m_h, esperada.m_h, 1e-5 * esperada.m_h);
  }
}

TEST_F(Corrientes, LosCamposNumericosSiguenLaReglaDelNumero) {
  // 300 -> 400 K typed, then the m·cp or a temperature as the case says.
  struct Caso {
    const char* nombre;
    int campo;
    const char* texto;
    const char* mensaje;  // nullptr: taken
  };
  const Caso casos[] = {
      {"coma decimal", P::kIdMcp, "1,5", nullptr},
      {"vacío", P::kIdTEntrada, "", "Introduzca un número."},
      {"letras", P::kIdTSalida, "abc", "Introduzca un número."},
      {"prefijo", P::kIdTEntrada, "4x0", "Introduzca un número."},
      {"cero kelvin", P::kIdTSalida, "0", "Introduzca una temperatura mayor que 0 K."},
      {"fuera de double", P::kIdMcp, "1e400", "Introduzca un número."},
      {"calor infinito", P::kIdMcp, "1e308", "Con este valor el calor de la corriente no es un número finito."},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    runner_.Clear();
    DlgCorrientes d;
    d.modelo = Lineales(1);
    d.modelo.m_corrientes[0].SetT2(400.0);
    d.modelo.m_corrientes[0].CalcularHFinal();  // 300 -> 400 K, m·cp 1: cold
    int tipo = -2;
    bool abierta = false;
    std::string h;
    EXPECT_EQ(Correr(d, [&](Driver& dr, CCorrientesSheet& hoja) {
      dr.Click(P::kIdRadioMcp);
      dr.Type(c.campo, c.texto);
      dr.Focus(P::kIdNombre);  // leaving a temperature decides nothing from no number
      tipo = hoja.Principal().RadioIndex(P::kIdCaliente);
      dr.Ok();
      abierta = dr.Dialog().IsOpen();
      if (abierta) {
        if (c.campo == P::kIdTEntrada && std::string(c.texto).empty()) dr.Grab(Png("corrientes_temperatura_rechazada"));
        dr.Cancel();
      }
    }), c.mensaje == nullptr);
    EXPECT_EQ(tipo, 1);  // still cold
    if (c.mensaje) {
      EXPECT_TRUE(abierta);
      EXPECT_EQ(Mensajes(), std::vector<std::string>{c.mensaje});
      EXPECT_DOUBLE_EQ(d.modelo.m_corrientes[0].m_mcp, 1.0);
    } else {
      EXPECT_TRUE(Mensajes().empty());
      EXPECT_DOUBLE_EQ(d.modelo.m_corrientes[0].m_mcp, 1.5);
      EXPECT_DOUBLE_EQ(d.modelo.m_corrientes[0].GetH(kTSentinel, 1), 150.0);
    }
  }
}

TEST_F(Corrientes, UnaFlechaConUnCampoRechazadoPitaSinMensajeYNoSeMueve) {
  DlgCorrientes d;
  d.modelo = Lineales(3);
  std::string numero;
  std::size_t mensajes = 9;
  EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet&) {
    dr.Type(P::kIdTEntrada, "abc");
    dr.Step(P::kIdGiro, 1);
    numero = dr.Text(P::kIdNumero);
    mensajes = Mensajes().size();
    dr.Type(P::kIdTEntrada, "290,5");
    dr.Step(P::kIdGiro, 1);
    EXPECT_EQ(dr.Text(P::kIdNumero), "2");
    dr.Ok();
  }));
  EXPECT_EQ(numero, "1");
  EXPECT_EQ(mensajes, 0u);
  EXPECT_DOUBLE_EQ(d.modelo.m_corrientes[0].GetT1(), 290.5);
}

TEST_F(Corrientes, AceptarSinTocarUnaHojaNuevaGuardaCalorCeroSinSigno) {
  DlgCorrientes d;
  EXPECT_TRUE(Correr(d, [&](Driver& dr, CCorrientesSheet&) { dr.Ok(); }));
  ASSERT_EQ(d.modelo.GetNumCorrientes(), 1);
  const CCorriente& s = d.modelo.m_corrientes[0];
  EXPECT_EQ(s.m_T, (std::vector<double>{0, 1}));
  for (double h : s.m_H) EXPECT_FALSE(std::signbit(h));
  EXPECT_TRUE(Mensajes().empty());
}

}  // namespace
}  // namespace vardo::prueba
