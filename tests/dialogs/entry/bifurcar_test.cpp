// The two split dialogs through the program's dialog factory, driven as a
// user drives them: what they open with, each field's check when it is left,
// the slider, Enter and OK, and what they hand back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QSlider>
#include <algorithm>
#include <climits>
#include <cmath>

#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/entry/dlg_bifurcar.h"
#include "dialogs/entry/registro.h"
#include "platform/core/numero_tecleado.h"
#include "tests/comun/kit_prueba.h"

namespace vardo::prueba {
namespace {

using B = CBifurcarDlg;
using L = CBifurcarHDlg;

// A field's number as the dialog reads it; NaN for none.
double N(Driver& d, int id) { return LeerNumeroTecleado(d.Text(id)).value_or(std::nan("")); }

std::string Png(const char* nombre) {
  return std::string(::testing::TempDir()) + "bifurcar_" + nombre + ".png";
}

// Cold 300 -> 400 K with m·cp 2 (200 kW); hot 400 -> 300 K, the same.
CCorriente Fria() { return CCorriente(300, 400, 2, 1, 0); }
CCorriente Caliente() { return CCorriente(400, 300, 2, 0, 0); }

class Bifurcar : public ::testing::Test {
 protected:
  Bifurcar() { RegistrarDialogosEntrada(fabrica_); }
  bool Nueva(const CCorriente& s, std::function<void(Driver&)> guion) {
    datos_ = DlgBifurcar{};
    datos_.corriente = s;
    datos_.numero = 3;
    runner_.ScriptDialog(std::move(guion));
    return fabrica_.Bifurcar(datos_);
  }
  FabricaDialogosQt fabrica_;
  ScriptedRunner runner_;
  kit::ScopedModalRunner usar_{runner_};
  DlgBifurcar datos_;
};

TEST_F(Bifurcar, UnaNuevaAbreConLaCorrienteEnteraEnLaRamaDos) {
  EXPECT_TRUE(fabrica_.Disponible(DialogoId::Bifurcar));
  EXPECT_FALSE(Nueva(Fria(), [](Driver& d) {
    EXPECT_EQ(d.Text(B::kIdEntrada), "300.");
    EXPECT_EQ(d.Text(B::kIdSalida1), "400.");
    EXPECT_EQ(d.Text(B::kIdSalida2), "400.");
    EXPECT_EQ(d.Dialog().Pos(B::kIdBarra), 0);
    EXPECT_EQ(d.Text(B::kIdPorcentaje1), "0");
    EXPECT_EQ(d.Text(B::kIdPorcentaje2), "100");
    EXPECT_EQ(N(d, B::kIdMcp1), 0.0);
    EXPECT_EQ(N(d, B::kIdMcp2), 2.0);
    EXPECT_EQ(N(d, B::kIdH1), 0.0);
    EXPECT_EQ(N(d, B::kIdH2), 200.0);
    d.Grab(Png("nueva"));
    d.Cancel();
  }));
  EXPECT_EQ(runner_.Log().front().text, "Bifurcar la corriente número 3");
}

TEST_F(Bifurcar, CadaCampoAlDejarloSeCompruebaYReescribeLosDemas) {
  struct Caso {
    const char* nombre;
    bool fria;
    int campo;
    const char* texto;
    double tEntrada, tSalida1, p1;  // afterwards
    int barra;
  } casos[] = {
      {"% 1 por encima de 100", true, B::kIdPorcentaje1, "150", 300, 400, 100, 100},
      {"% 1 con decimales", true, B::kIdPorcentaje1, "33.3", 300, 400, 33.3, 33},
      {"% 2 negativo", true, B::kIdPorcentaje2, "-5", 300, 400, 100, 100},
      {"m·cp 1 mayor que el de la rama", true, B::kIdMcp1, "5", 300, 400, 100, 100},
      {"m·cp 1 negativo", true, B::kIdMcp1, "-1", 300, 400, 0, 0},
      {"m·cp 2 a medias", true, B::kIdMcp2, "0.5", 300, 400, 75, 75},
      {"H 1 con el signo cambiado", true, B::kIdH1, "-50", 300, 400, 25, 25},
      {"H 2 mayor que la rama", true, B::kIdH2, "250", 300, 400, 0, 0},
      {"H 1 de una caliente", false, B::kIdH1, "-80", 400, 300, 40, 40},
      {"salida bajo la entrada", true, B::kIdSalida1, "290", 300, 400, 0, 0},
      {"salida pasado el objetivo", true, B::kIdSalida1, "450", 300, 400, 0, 0},
      {"salida de una caliente pasado el objetivo", false, B::kIdSalida1, "250", 400, 300, 0, 0},
      {"salida dentro", true, B::kIdSalida1, "380", 300, 380, 0, 0},
      {"entrada pasado el objetivo", true, B::kIdEntrada, "450", 300, 400, 0, 0},
      {"entrada dentro", true, B::kIdEntrada, "320", 320, 400, 0, 0},
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.nombre);
    Nueva(k.fria ? Fria() : Caliente(), [&](Driver& d) {
      d.Type(k.campo, k.texto);
      d.Focus(k.campo == B::kIdEntrada ? B::kIdSalida2 : B::kIdEntrada);
      EXPECT_NEAR(N(d, B::kIdEntrada), k.tEntrada, 1e-9);
      EXPECT_NEAR(N(d, B::kIdSalida1), k.tSalida1, 1e-9);
      const double p = N(d, B::kIdPorcentaje1);
      EXPECT_NEAR(p, k.p1, 1e-4);
      EXPECT_NEAR(N(d, B::kIdPorcentaje2), 100 - k.p1, 1e-4);
      EXPECT_EQ(d.Dialog().Pos(B::kIdBarra), k.barra);
      // Every derived field agrees with the share.
      const double signo = k.fria ? 1.0 : -1.0;
      const double rango1 = std::fabs(N(d, B::kIdSalida1) - N(d, B::kIdEntrada));
      const double rango2 = std::fabs(N(d, B::kIdSalida2) - N(d, B::kIdEntrada));
      EXPECT_NEAR(N(d, B::kIdMcp1), 2 * p / 100, 1e-4);
      EXPECT_NEAR(N(d, B::kIdMcp2), 2 * (100 - p) / 100, 1e-4);
      EXPECT_NEAR(N(d, B::kIdH1), signo * 2 * rango1 * p / 100, 1e-3);
      EXPECT_NEAR(N(d, B::kIdH2), signo * 2 * rango2 * (100 - p) / 100, 1e-3);
      d.Cancel();
    });
  }
}

TEST_F(Bifurcar, LaBarraSoloCambiaLoDerivado) {
  Nueva(Fria(), [](Driver& d) {
    d.Slide(B::kIdBarra, 40);
    EXPECT_EQ(d.Text(B::kIdPorcentaje1), "40");
    EXPECT_EQ(d.Text(B::kIdPorcentaje2), "60");
    EXPECT_NEAR(N(d, B::kIdMcp1), 0.8, 1e-12);
    EXPECT_NEAR(N(d, B::kIdMcp2), 1.2, 1e-12);
    EXPECT_NEAR(N(d, B::kIdH1), 80, 1e-9);
    EXPECT_NEAR(N(d, B::kIdH2), 120, 1e-9);
    EXPECT_EQ(d.Text(B::kIdEntrada), "300.");
    EXPECT_EQ(d.Text(B::kIdSalida1), "400.");
    d.Cancel();
  });
}

TEST_F(Bifurcar, EnterYAceptarEntreganLoQueSeEscribia) {
  // Enter or a click on "Aceptar" while a share or a load is being typed
  // hands back that share.
  struct Caso {
    const char* nombre;
    int campo;
    const char* texto;
    bool enter;
    double p1;
  } casos[] = {
      {"% 1 con Enter", B::kIdPorcentaje1, "40", true, 40},
      {"% 2 con Enter", B::kIdPorcentaje2, "70", true, 30},
      {"H 1 con Enter", B::kIdH1, "50", true, 25},
      {"m·cp 2 con Aceptar", B::kIdMcp2, "1.5", false, 25},
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.nombre);
    EXPECT_TRUE(Nueva(Fria(), [&](Driver& d) {
      d.Type(k.campo, k.texto);
      if (k.enter)
        d.Enter();
      else
        d.Ok();
    }));
    EXPECT_NEAR(datos_.porcentaje1, k.p1, 1e-4);
    EXPECT_NEAR(datos_.porcentaje2, 100 - k.p1, 1e-4);
    EXPECT_EQ(datos_.tEntrada, 300.0);
    EXPECT_EQ(datos_.tSalida1, 400.0);
    EXPECT_EQ(datos_.tSalida2, 400.0);
  }
}

TEST_F(Bifurcar, UnaSalidaPasadoElObjetivoSeLimitaAlAceptar) {
  EXPECT_TRUE(Nueva(Fria(), [](Driver& d) {
    d.Type(B::kIdSalida2, "450");
    d.Enter();
  }));
  EXPECT_EQ(datos_.tSalida2, 400.0);
}

TEST_F(Bifurcar, ModificarConservaLaFraccionExacta) {
  datos_ = DlgBifurcar{};
  datos_.corriente = Fria();
  datos_.numero = 1;
  datos_.tEntrada = 300;
  datos_.tSalida1 = 380;
  datos_.tSalida2 = 400;
  datos_.porcentaje1 = 33.3;  // share 2 left at 0, as the modify command does
  runner_.ScriptDialog([](Driver& d) {
    EXPECT_EQ(d.Text(B::kIdPorcentaje1), "33.3");
    EXPECT_EQ(d.Text(B::kIdPorcentaje2), "66.7");
    EXPECT_EQ(d.Dialog().Pos(B::kIdBarra), 33);
    EXPECT_NEAR(N(d, B::kIdMcp1), 0.666, 1e-9);
    EXPECT_NEAR(N(d, B::kIdH1), 2 * 80 * 0.333, 1e-9);
    d.Grab(Png("modificar"));
    d.Ok();
  });
  ASSERT_TRUE(fabrica_.Bifurcar(datos_));
  EXPECT_NEAR(datos_.porcentaje1, 33.3, 1e-4);
  EXPECT_NEAR(datos_.porcentaje2, 66.7, 1e-4);
  EXPECT_EQ(datos_.tSalida1, 380.0);
}

TEST_F(Bifurcar, UnaRamaSinIntervaloNoDaNadaFueraDeRango) {
  // Branch 1 from 350 to 350: no heat, no range.
  for (int campo : {B::kIdH1, B::kIdMcp1, B::kIdPorcentaje1, B::kIdH2}) {
    SCOPED_TRACE(campo);
    datos_ = DlgBifurcar{};
    datos_.corriente = Fria();
    datos_.tEntrada = 350;
    datos_.tSalida1 = 350;
    datos_.tSalida2 = 400;
    datos_.porcentaje1 = 40;
    runner_.ScriptDialog([&](Driver& d) {
      d.Type(campo, "10");
      d.Enter();
    });
    ASSERT_TRUE(fabrica_.Bifurcar(datos_));
    for (double v : {datos_.porcentaje1, datos_.porcentaje2, datos_.mcp1, datos_.mcp2})
      EXPECT_TRUE(std::isfinite(v));
    EXPECT_GE(datos_.porcentaje1, 0.0);
    EXPECT_LE(datos_.porcentaje1, 100.0);
    EXPECT_NEAR(datos_.porcentaje1 + datos_.porcentaje2, 100.0, 1e-4);
  }
}

TEST_F(Bifurcar, UnCampoSinNumeroDejaElDialogoAbierto) {
  // Clicked "Aceptar", pressed Enter: one message, the field focused.
  for (bool enter : {false, true}) {
    SCOPED_TRACE(enter);
    runner_.Clear();
    EXPECT_TRUE(Nueva(Fria(), [&](Driver& d) {
      d.Type(B::kIdSalida2, "abc");
      if (enter) d.Enter();
      else d.Ok();
      EXPECT_TRUE(d.Dialog().IsOpen());
      EXPECT_EQ(d.Dialog().FocusedId(), B::kIdSalida2);
      d.Type(B::kIdSalida2, "390");
      d.Ok();
    }));
    ASSERT_EQ(runner_.Log().size(), 2u);
    EXPECT_EQ(runner_.Log()[1].text, "Introduzca un número.");
    EXPECT_EQ(datos_.tSalida2, 390.0);
  }
}

// The texts of the ten fields, the slider position last.
std::vector<std::string> Campos(Driver& d, std::initializer_list<int> ids) {
  std::vector<std::string> v;
  for (int id : ids) v.push_back(d.Text(id));
  return v;
}
constexpr std::initializer_list<int> kCamposRamas = {
    B::kIdEntrada, B::kIdSalida1, B::kIdSalida2, B::kIdMcp1, B::kIdMcp2,
    B::kIdPorcentaje1, B::kIdPorcentaje2, B::kIdH1, B::kIdH2};

TEST_F(Bifurcar, UnaComaDecimalSeLeeComoPunto) {
  struct Caso {
    int campo;
    const char* texto;
    double tEntrada, tSalida1, p1;
  } casos[] = {
      {B::kIdEntrada, "320,5", 320.5, 400, 0},
      {B::kIdSalida1, "380,5", 300, 380.5, 0},
      {B::kIdPorcentaje1, "33,3", 300, 400, 33.3},
      {B::kIdPorcentaje2, "62,5", 300, 400, 37.5},
      {B::kIdMcp1, "0,5", 300, 400, 25},
      {B::kIdH1, "50,5", 300, 400, 25.25},
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.texto);
    runner_.Clear();
    EXPECT_TRUE(Nueva(Fria(), [&](Driver& d) {
      d.Type(k.campo, k.texto);
      d.Key(Qt::Key_Tab);
      EXPECT_NEAR(N(d, B::kIdPorcentaje1), k.p1, 1e-4);
      d.Ok();
    }));
    for (const RunRecord& r : runner_.Log()) EXPECT_EQ(r.kind, RunRecord::Kind::Dialog) << r.text;
    EXPECT_NEAR(datos_.tEntrada, k.tEntrada, 1e-9);
    EXPECT_NEAR(datos_.tSalida1, k.tSalida1, 1e-9);
    EXPECT_NEAR(datos_.porcentaje1, k.p1, 1e-4);
  }
}

TEST_F(Bifurcar, UnTextoRechazadoAlDejarloNoCambiaLosDemasCampos) {
  // The share is set first, then a field is given a text the rule refuses
  // and left with Tab: the message, the field keeps the focus and its text
  // selected, every other field and the slider stay; Cancel hands nothing.
  const char* numero = "Introduzca un número.";
  const char* temperatura = "Introduzca una temperatura mayor que 0 K.";
  struct Caso {
    int campo;
    const char* texto;
    const char* mensaje;
  } casos[] = {
      {B::kIdPorcentaje1, "abc", numero}, {B::kIdPorcentaje2, "", numero},
      {B::kIdH1, "4x0", numero},          {B::kIdH2, "1e999", numero},
      {B::kIdMcp1, "1,5,0", numero},      {B::kIdMcp2, "abc", numero},
      {B::kIdEntrada, "abc", numero},     {B::kIdSalida1, "", numero},
      {B::kIdSalida2, "1e999", numero},   {B::kIdEntrada, "-5", temperatura},
      {B::kIdSalida1, "0", temperatura},
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(std::to_string(k.campo) + " " + k.texto);
    runner_.Clear();
    EXPECT_FALSE(Nueva(Fria(), [&](Driver& d) {
      d.Type(B::kIdPorcentaje1, "40");
      d.Focus(B::kIdH1);
      d.Focus(k.campo);
      const std::vector<std::string> antes = Campos(d, kCamposRamas);
      d.Type(k.campo, k.texto);
      d.Key(Qt::Key_Tab);
      EXPECT_EQ(d.Dialog().FocusedId(), k.campo);
      EXPECT_EQ(d.Dialog().Get<QLineEdit>(k.campo)->selectedText().toStdString(), k.texto);
      std::vector<std::string> despues = Campos(d, kCamposRamas);
      std::vector<std::string> esperado = antes;
      const auto i = static_cast<std::size_t>(
          std::find(kCamposRamas.begin(), kCamposRamas.end(), k.campo) - kCamposRamas.begin());
      esperado[i] = k.texto;
      EXPECT_EQ(despues, esperado);
      EXPECT_EQ(d.Dialog().Pos(B::kIdBarra), 40);
      if (&k == &casos[0]) d.Grab(Png("rechazado"));
      // OK refuses it again, and stays open.
      d.Ok();
      EXPECT_TRUE(d.Dialog().IsOpen());
      d.Cancel();
    }));
    std::vector<std::string> mensajes;
    for (const RunRecord& r : runner_.Log())
      if (r.kind == RunRecord::Kind::Message) mensajes.push_back(r.text);
    EXPECT_EQ(mensajes, (std::vector<std::string>{k.mensaje, k.mensaje}));
  }
}

TEST_F(Bifurcar, CancelarNoSeDetienePorUnCampoSinNumero) {
  EXPECT_FALSE(Nueva(Fria(), [](Driver& d) {
    d.Type(B::kIdPorcentaje1, "abc");
    d.Cancel();
    EXPECT_FALSE(d.Dialog().IsOpen());
  }));
  EXPECT_EQ(runner_.Log().size(), 1u);  // no message
}

// ------------------------------------------------------------------ latent

class BifurcarLatente : public ::testing::Test {
 protected:
  BifurcarLatente() { RegistrarDialogosEntrada(fabrica_); }
  bool Correr(double carga, bool fria, std::function<void(Driver&)> guion) {
    datos_ = DlgBifurcarH{};
    datos_.corriente = CCorriente(373.15, 373.15, fria ? carga : -carga, fria, 1);
    datos_.numero = 2;
    runner_.ScriptDialog(std::move(guion));
    return fabrica_.BifurcarH(datos_);
  }
  FabricaDialogosQt fabrica_;
  ScriptedRunner runner_;
  kit::ScopedModalRunner usar_{runner_};
  DlgBifurcarH datos_;
};

TEST_F(BifurcarLatente, AbreConTodaLaCargaEnH2) {
  EXPECT_TRUE(fabrica_.Disponible(DialogoId::BifurcarH));
  for (bool fria : {true, false}) {
    SCOPED_TRACE(fria);
    EXPECT_TRUE(Correr(1000, fria, [](Driver& d) {
      EXPECT_EQ(d.Text(L::kIdNumero), "2");
      EXPECT_EQ(d.Text(L::kIdH1), "0");
      EXPECT_EQ(d.Text(L::kIdH2), "1000.");
      auto* barra = d.Dialog().Get<QSlider>(L::kIdBarra);
      EXPECT_EQ(barra->minimum(), 0);
      EXPECT_EQ(barra->maximum(), 100000);
      EXPECT_EQ(barra->value(), 0);
      d.Grab(Png("latente"));
      d.Ok();
    }));
    // Both loads positive, whatever the stream.
    EXPECT_EQ(datos_.h1, 0.0);
    EXPECT_EQ(datos_.h2, 1000.0);
  }
  EXPECT_EQ(runner_.Log().front().text, "Bifurcar corriente");
}

TEST_F(BifurcarLatente, CadaCargaAlDejarlaCompletaLaOtra) {
  struct Caso {
    const char* nombre;
    int campo;
    const char* texto;
    double h1, h2;
    int barra;
  } casos[] = {
      {"H1 mayor que la carga", L::kIdH1, "1200", 1000, 0, 100000},
      {"H1 negativa", L::kIdH1, "-3", 0, 1000, 0},
      {"H2 con decimales", L::kIdH2, "250.5", 749.5, 250.5, 74950},
      {"H2 mayor que la carga", L::kIdH2, "5000", 0, 1000, 0},
      {"H2 negativa", L::kIdH2, "-1", 1000, 0, 100000},
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.nombre);
    EXPECT_TRUE(Correr(1000, true, [&](Driver& d) {
      d.Type(k.campo, k.texto);
      d.Focus(k.campo == L::kIdH1 ? L::kIdH2 : L::kIdH1);
      EXPECT_NEAR(N(d, L::kIdH1), k.h1, 1e-9);
      EXPECT_NEAR(N(d, L::kIdH2), k.h2, 1e-9);
      EXPECT_EQ(d.Dialog().Pos(L::kIdBarra), k.barra);
      d.Ok();
    }));
    EXPECT_NEAR(datos_.h1, k.h1, 1e-9);
    EXPECT_NEAR(datos_.h2, k.h2, 1e-9);
  }
}

TEST_F(BifurcarLatente, UnaComaDecimalYUnTextoRechazado) {
  EXPECT_TRUE(Correr(1000, true, [](Driver& d) {
    d.Type(L::kIdH2, "250,5");
    d.Key(Qt::Key_Tab);
    EXPECT_NEAR(N(d, L::kIdH1), 749.5, 1e-9);
    EXPECT_EQ(d.Dialog().Pos(L::kIdBarra), 74950);
    for (const char* texto : {"abc", "", "4x0", "1e999"}) {
      d.Type(L::kIdH1, texto);
      d.Key(Qt::Key_Tab);
      EXPECT_EQ(d.Dialog().FocusedId(), L::kIdH1);
      EXPECT_EQ(d.Text(L::kIdH2), "250,5");
      EXPECT_EQ(d.Dialog().Pos(L::kIdBarra), 74950);
    }
    d.Ok();
    EXPECT_TRUE(d.Dialog().IsOpen());
    d.Type(L::kIdH1, "700,25");
    d.Ok();
  }));
  int mensajes = 0;
  for (const RunRecord& r : runner_.Log())
    if (r.kind == RunRecord::Kind::Message) {
      EXPECT_EQ(r.text, "Introduzca un número.");
      ++mensajes;
    }
  EXPECT_EQ(mensajes, 5);
  EXPECT_NEAR(datos_.h1, 700.25, 1e-9);
  EXPECT_NEAR(datos_.h2, 299.75, 1e-9);
}

TEST_F(BifurcarLatente, LaBarraCuentaCentesimasDeKilovatio) {
  EXPECT_TRUE(Correr(1000, true, [](Driver& d) {
    d.Slide(L::kIdBarra, 1);
    EXPECT_DOUBLE_EQ(N(d, L::kIdH1), 0.01);
    EXPECT_EQ(d.Text(L::kIdH2), "999.99");
    d.Slide(L::kIdBarra, 35000);
    d.Ok();
  }));
  EXPECT_EQ(datos_.h1, 350.0);
  EXPECT_EQ(datos_.h2, 650.0);
}

TEST_F(BifurcarLatente, AceptarDejaLasCargasDentroDeLaTotal) {
  // Texts put in without leaving the fields: OK holds H1 within 0..Q and
  // gives H2 the rest.
  struct Caso {
    const char* h1;
    const char* h2;
    double esperada1;
  } casos[] = {{"-50", "1050", 0}, {"1500", "0", 1000}, {"300", "900", 300}};
  for (const Caso& k : casos) {
    SCOPED_TRACE(k.h1);
    EXPECT_TRUE(Correr(1000, true, [&](Driver& d) {
      d.Dialog().SetText(L::kIdH1, k.h1);
      d.Dialog().SetText(L::kIdH2, k.h2);
      d.Ok();
    }));
    EXPECT_EQ(datos_.h1, k.esperada1);
    EXPECT_EQ(datos_.h2, 1000 - k.esperada1);
  }
  // With Enter, the field's own check runs first.
  EXPECT_TRUE(Correr(1000, true, [](Driver& d) {
    d.Type(L::kIdH1, "-50");
    d.Enter();
  }));
  EXPECT_EQ(datos_.h1, 0.0);
  EXPECT_EQ(datos_.h2, 1000.0);
}

TEST_F(BifurcarLatente, UnaCargaEnormeNoDesbordaLaBarra) {
  EXPECT_TRUE(Correr(3.0e7, true, [](Driver& d) {
    auto* barra = d.Dialog().Get<QSlider>(L::kIdBarra);
    EXPECT_GT(barra->maximum(), 0);
    EXPECT_LE(barra->maximum(), INT_MAX);
    d.Slide(L::kIdBarra, barra->maximum());
    EXPECT_NEAR(N(d, L::kIdH1), 3.0e7, 1.0);
    d.Type(L::kIdH2, "1e7");
    d.Focus(L::kIdH1);
    EXPECT_NEAR(N(d, L::kIdH1), 2.0e7, 1.0);
    EXPECT_NEAR(d.Dialog().Pos(L::kIdBarra), barra->maximum() * 2.0 / 3.0, 2.0);
    d.Ok();
  }));
  EXPECT_NEAR(datos_.h1 + datos_.h2, 3.0e7, 1e-6);
}

}  // namespace
}  // namespace vardo::prueba
