// "Añadir Cambiadores" through the program's dialog factory, driven as a
// user drives it: what the controls show, the real Enter, clicks and list
// choices reaching the rules, the spin, deleting, the properties window
// beside the modal dialog, OK and Cancel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include "app/qt/fabrica_dialogos_qt.h"
#include "dialogs/entry/dlg_cambiadores.h"
#include "dialogs/entry/dlg_propiedades.h"
#include "dialogs/entry/registro.h"
#include "model/red.h"
#include "tests/comun/kit_prueba.h"
#include "tests/comun/problemas.h"
#include "tests/dialogs/entry/ventanas.h"

namespace vardo::prueba {
namespace {

using D = CAddCambDlg;

std::string Png(const char* nombre) {
  return std::string(::testing::TempDir()) + "cambiadores_" + nombre + ".png";
}

class Cambiadores : public ::testing::Test {
 protected:
  Cambiadores() { RegistrarDialogosEntrada(fabrica_); }
  ~Cambiadores() override {
    for (kit::Dialog* d : Abiertas<kit::Dialog>()) d->close();
    Borrados();
  }
  bool Correr(const CDiagrama& modelo, std::int32_t primero = 0) {
    datos_ = DlgCambiadores{};
    datos_.modelo = modelo;
    datos_.cambiador = primero;
    return fabrica_.Cambiadores(datos_);
  }
  CCambiador& X(int i) { return datos_.modelo.m_cambiadores[static_cast<std::size_t>(i)]; }

  FabricaDialogosQt fabrica_;
  ScriptedRunner runner_;
  kit::ScopedModalRunner usar_{runner_};
  DlgCambiadores datos_;
};

// One exchanger H2–C3 of type 0 with 0 kW, as the grid diagram adds it.
CDiagrama Provisional() {
  CDiagrama d = CuatroCorrientes();
  d.AddCambiador(kModoQ, 1, 2, 0, 0, kTipoExtremo, 0, 0, 0, kTipoExtremo, 0, 1, 0);
  return d;
}

TEST_F(Cambiadores, MuestraElCambiadorYEnterGuardaLaCargaSinCerrar) {
  EXPECT_TRUE(fabrica_.Disponible(DialogoId::AddCamb));
  std::string tras;
  runner_.ScriptDialog([&](Driver& d) {
    kit::Dialog& w = d.Dialog();
    EXPECT_EQ(d.Text(D::kIdNumero), "1");
    EXPECT_EQ(Lineas(w, D::kIdFria),
              (std::vector<std::string>{"Servicios Generales", "1   ", "3   "}));
    EXPECT_EQ(d.Text(D::kIdCaliente), "2   ");
    EXPECT_EQ(d.Text(D::kIdFria), "3   ");
    EXPECT_EQ(w.CurSel(D::kIdTipo), 0);
    EXPECT_TRUE(w.Checked(D::kIdCasillaQ));
    EXPECT_FALSE(w.IsReadOnly(D::kIdCampoQ));
    EXPECT_TRUE(w.Checked(D::IdCasilla(kSalidaCaliente)));
    EXPECT_EQ(w.RadioIndex(D::IdRadio(kSalidaCaliente, kRadioValor)), kRadioCorriente);
    EXPECT_FALSE(w.Checked(D::IdCasilla(kEntradaCaliente)));
    EXPECT_FALSE(w.IsShown(D::IdPinch(kEntradaFria)));
    EXPECT_FALSE(w.IsEnabled(D::IdCambiador(kEntradaFria)));
    // Choosing the type again gives both inlets and clears the outlets.
    d.Choose(D::kIdTipo, 0);
    EXPECT_TRUE(w.Checked(D::IdCasilla(kEntradaCaliente)));
    EXPECT_TRUE(w.Checked(D::IdCasilla(kEntradaFria)));
    EXPECT_FALSE(w.Checked(D::IdCasilla(kSalidaCaliente)));
    EXPECT_FALSE(w.Checked(D::IdCasilla(kSalidaFria)));
    EXPECT_EQ(w.RadioIndex(D::IdRadio(kEntradaCaliente, kRadioValor)), kRadioCorriente);
    d.Type(D::kIdCampoQ, "60");
    d.Enter();
    EXPECT_TRUE(w.IsOpen());
    tras = d.Text(D::kIdCampoQ);
    d.Grab(Png("provisional"));
    d.Ok();
  });
  ASSERT_TRUE(Correr(Provisional()));
  EXPECT_EQ(runner_.Log().front().text, "Añadir Cambiadores");
  EXPECT_EQ(tras, "60.");
  EXPECT_EQ(X(0).valorQ, 60.0);
  EXPECT_EQ(X(0).tipoEntradaCaliente, kTipoExtremo);
  EXPECT_EQ(X(0).tipoEntradaFria, kTipoExtremo);
  EXPECT_EQ(X(0).tipoSalidaCaliente, kTipoNinguno);
  EXPECT_EQ(X(0).tipoSalidaFria, kTipoNinguno);
  // Streams of the changed exchanger are to be ordered again.
  EXPECT_EQ(datos_.modelo.m_corrientes[1].m_cambiadores, std::vector<std::uint32_t>{0});
  EXPECT_NE(datos_.modelo.m_corrientes[1].m_marcaOrden, 0);
}

// Another stream chosen on a side: the lists of exchangers on that side
// ("La de salida del cambiador:" ...) are those of the stream chosen, and a
// pick from them is stored.
TEST_F(Cambiadores, ElegirOtraCorrienteRehaceLasListasDeCambiadoresDeEseLado) {
  // E1 H2–C3 (shown), E2 H2–C1, E3 H4–C3.
  CDiagrama d = Provisional();
  d.AddCambiador(kModoQ, 1, 0, 0, 0, kTipoExtremo, 0, 0, 0, kTipoExtremo, 0, 1, 0);
  d.AddCambiador(kModoQ, 3, 2, 0, 0, kTipoExtremo, 0, 0, 0, kTipoExtremo, 0, 1, 0);
  ReconstruirListas(d);
  const struct {
    const char* nombre;
    int lista;      // the stream list changed
    int entrada;    // the entry chosen in it
    int extremo;    // the inlet whose exchanger choice is then made
    std::vector<std::string> antes, despues;
    std::int32_t fria, caliente;  // sides stored
    double valor;   // exchanger index stored for that inlet
  } casos[] = {
      {"fría C1", D::kIdFria, 1, kEntradaFria, {"3"}, {"2"}, 0, 1, 1},
      {"caliente H4", D::kIdCaliente, 2, kEntradaCaliente, {"2"}, {"3"}, 2, 3, 2},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    runner_.Clear();
    std::vector<std::string> antes, despues;
    runner_.ScriptDialog([&](Driver& dr) {
      kit::Dialog& w = dr.Dialog();
      antes = Lineas(w, D::IdCambiador(c.extremo));
      dr.Choose(c.lista, c.entrada);
      despues = Lineas(w, D::IdCambiador(c.extremo));
      dr.Click(D::IdRadio(c.extremo, kRadioCambiador));
      EXPECT_TRUE(w.IsEnabled(D::IdCambiador(c.extremo)));
      dr.Ok();
    });
    ASSERT_TRUE(Correr(d));
    EXPECT_EQ(antes, c.antes);
    EXPECT_EQ(despues, c.despues);
    EXPECT_EQ(X(0).ladoFrio.ref, c.fria);
    EXPECT_EQ(X(0).ladoCaliente.ref, c.caliente);
    const bool fria = c.extremo == kEntradaFria;
    EXPECT_EQ(fria ? X(0).tipoEntradaFria : X(0).tipoEntradaCaliente, kTipoCambiador);
    EXPECT_EQ(fria ? X(0).valorEntradaFria : X(0).valorEntradaCaliente, c.valor);
  }
}

TEST_F(Cambiadores, LaCargaYLasTemperaturasConComaDecimal) {
  runner_.ScriptDialog([&](Driver& d) {
    d.Type(D::kIdCampoQ, "60,5");
    d.Click(D::IdRadio(kSalidaCaliente, kRadioValor));  // the hot outlet given as a value
    d.Type(D::IdCampo(kSalidaCaliente), "400,25");
    d.Ok();
  });
  ASSERT_TRUE(Correr(Provisional()));
  for (const RunRecord& r : runner_.Log()) EXPECT_EQ(r.kind, RunRecord::Kind::Dialog) << r.text;
  EXPECT_EQ(X(0).valorQ, 60.5);
  EXPECT_EQ(X(0).tipoSalidaCaliente, kTipoValor);
  EXPECT_EQ(X(0).valorSalidaCaliente, 400.25);
}

TEST_F(Cambiadores, UnCampoQueLaReglaRechazaNoSeGuardaPorNingunCamino) {
  // The duty, or the hot outlet's value, typed with a text the rule
  // refuses; then each action that stores the exchanger shown: the message,
  // the field focused with its text selected, the dialog on the same
  // exchanger; Cancel then hands nothing back.
  const char* numero = "Introduzca un número.";
  const char* temperatura = "Introduzca una temperatura mayor que 0 K.";
  enum Via { Aceptar, Intro, Anadir, Numero };
  struct Caso {
    bool carga;  // else the hot outlet
    const char* texto;
    const char* mensaje;
    Via via;
  };
  const Caso casos[] = {
      {true, "abc", numero, Aceptar},        {true, "", numero, Intro},
      {true, "4x0", numero, Anadir},         {true, "1e999", numero, Numero},
      {false, "abc", numero, Aceptar},       {false, "0", temperatura, Intro},
      {false, "-5", temperatura, Anadir},    {false, "1,5,0", numero, Numero},
  };
  for (const Caso& k : casos) {
    SCOPED_TRACE(std::string(k.texto) + " " + std::to_string(k.via));
    runner_.Clear();
    const int campo = k.carga ? D::kIdCampoQ : D::IdCampo(kSalidaCaliente);
    runner_.ScriptDialog([&](Driver& d) {
      if (!k.carga) d.Click(D::IdRadio(kSalidaCaliente, kRadioValor));
      d.Type(campo, k.texto);
      switch (k.via) {
        case Aceptar: d.Ok(); break;
        case Intro: d.Enter(); break;
        case Anadir: d.Click(D::kIdAnadir); break;
        case Numero: ClickAt(d.W(D::kIdNumero)); break;
      }
      EXPECT_TRUE(d.Dialog().IsOpen());
      EXPECT_EQ(d.Dialog().FocusedId(), campo);
      EXPECT_EQ(d.Dialog().Get<QLineEdit>(campo)->selectedText().toStdString(), k.texto);
      EXPECT_EQ(d.Text(campo), k.texto);
      EXPECT_EQ(d.Text(D::kIdNumero), "1");
      EXPECT_EQ(dynamic_cast<D&>(d.Dialog()).Editor().Controles().spinMax, 1);  // none added
      if (&k == &casos[5]) d.Grab(Png("rechazado"));
      d.Cancel();
    });
    EXPECT_FALSE(Correr(Provisional()));
    std::vector<std::string> mensajes;
    for (const RunRecord& r : runner_.Log())
      if (r.kind == RunRecord::Kind::Message) mensajes.push_back(r.text);
    EXPECT_EQ(mensajes, std::vector<std::string>{k.mensaje});
  }
}

TEST_F(Cambiadores, LasFlechasNoAbrenMensajeConUnCampoRechazado) {
  // A message box inside an arrow press would keep the arrow pressed: the
  // step is refused with a beep, the field gets the focus; OK then says why.
  CDiagrama d0 = DisenoCuatroCorrientes();
  ASSERT_TRUE(Calculada(CalcularRed(d0)));
  runner_.ScriptDialog([&](Driver& d) {
    d.Type(D::kIdCampoQ, "abc");
    d.Step(D::kIdSpin, +1);
    EXPECT_EQ(d.Text(D::kIdNumero), "1");
    EXPECT_EQ(d.Dialog().FocusedId(), D::kIdCampoQ);
    EXPECT_EQ(d.Text(D::kIdCampoQ), "abc");
    d.Ok();
    EXPECT_TRUE(d.Dialog().IsOpen());
    d.Type(D::kIdCampoQ, "230,5");
    d.Step(D::kIdSpin, +1);
    EXPECT_EQ(d.Text(D::kIdNumero), "2");
    d.Ok();
  });
  ASSERT_TRUE(Correr(d0));
  int pitidos = 0;
  std::vector<std::string> mensajes;
  for (const RunRecord& r : runner_.Log()) {
    if (r.kind == RunRecord::Kind::Beep) ++pitidos;
    if (r.kind == RunRecord::Kind::Message) mensajes.push_back(r.text);
  }
  EXPECT_GE(pitidos, 1);
  EXPECT_EQ(mensajes, std::vector<std::string>{"Introduzca un número."});
  EXPECT_EQ(X(0).valorQ, 230.5);
}

TEST_F(Cambiadores, LoQueElDialogoMostroSinTocarSeGuardaComoEsta) {
  // A hot outlet stored at 0 K (a file may bring it) stays when only the
  // duty is changed; a value button just chosen on an empty field asks for
  // a number.
  CDiagrama d0 = Provisional();
  d0.m_cambiadores[0].tipoSalidaCaliente = kTipoValor;
  d0.m_cambiadores[0].valorSalidaCaliente = 0.0;
  runner_.ScriptDialog([&](Driver& d) {
    EXPECT_EQ(d.Text(D::IdCampo(kSalidaCaliente)), "0.");
    d.Type(D::kIdCampoQ, "45");
    d.Ok();
  });
  ASSERT_TRUE(Correr(d0));
  EXPECT_EQ(runner_.Log().size(), 1u);
  EXPECT_EQ(X(0).valorQ, 45.0);
  EXPECT_EQ(X(0).valorSalidaCaliente, 0.0);

  runner_.Clear();
  runner_.ScriptDialog([&](Driver& d) {
    d.Click(D::IdCasilla(kEntradaFria));  // a value, its field empty
    EXPECT_EQ(d.Text(D::IdCampo(kEntradaFria)), "");
    d.Ok();
    EXPECT_TRUE(d.Dialog().IsOpen());
    EXPECT_EQ(d.Dialog().FocusedId(), D::IdCampo(kEntradaFria));
    d.Cancel();
  });
  EXPECT_FALSE(Correr(Provisional()));
  ASSERT_EQ(runner_.Log().size(), 2u);
  EXPECT_EQ(runner_.Log()[1].text, "Introduzca un número.");
}

// With the utilities shown the generic utility is in no list: a new exchanger
// starts on the first utility of the kind stream 1 (cold) needs, here the
// steam, listed second.
TEST_F(Cambiadores, AnadirConLosServiciosMostradosEmpiezaEnElPrimerServicioDeSuTipo) {
  CServicios agua = ServicioSensible(278.15, 288.15, 60);
  agua.SetNombre("Agua");
  CServicios vapor = ServicioLatente(473.15, 20, 0);
  vapor.SetNombre("Vapor");
  CDiagrama d0 = CuatroCorrientesConServicios({agua, vapor});
  d0.m_serviciosVisibles = 1;
  d0.AddCambiador(kModoQ, 1, 2, 0, 0, kTipoExtremo, 0, 0, 0, kTipoExtremo, 0, 1, 0);
  std::string caliente, fria;
  runner_.ScriptDialog([&](Driver& d) {
    d.Choose(D::kIdTipo, 0);  // from both inlets
    d.Type(D::kIdCampoQ, "60");
    d.Click(D::kIdAnadir);
    EXPECT_EQ(d.Text(D::kIdNumero), "2");
    caliente = d.Text(D::kIdCaliente);
    fria = d.Text(D::kIdFria);
    d.Choose(D::kIdTipo, 0);
    d.Type(D::kIdCampoQ, "10");
    d.Grab(Png("anadir_con_servicios"));
    d.Ok();
  });
  ASSERT_TRUE(Correr(d0));
  EXPECT_EQ(caliente, "S2   Vapor");
  EXPECT_EQ(fria, "1   ");
  ASSERT_EQ(datos_.modelo.GetNumCambiadores(), 2);
  EXPECT_EQ(X(1).ladoCaliente.ref, kRefServicio + 1);
  EXPECT_EQ(X(1).ladoFrio.ref, 0);
  EXPECT_EQ(X(1).valorQ, 10.0);
  // The network calculation takes it: C1 heated by 10 kW of steam (below
  // the pinch, which the check only warns about).
  EXPECT_TRUE(Calculada(CalcularRed(datos_.modelo))) << datos_.modelo.m_textoComprobacion;
  EXPECT_NEAR(X(1).q, 10.0, 1e-9);
  EXPECT_NEAR(X(1).tEntradaCaliente, 473.15, 1e-9);
}

TEST_F(Cambiadores, CancelarYEscapeNoDevuelvenNada) {
  for (bool escape : {false, true}) {
    runner_.ScriptDialog([&](Driver& d) {
      d.Type(D::kIdCampoQ, "75");
      d.Click(D::kIdAnadir);
      if (escape)
        d.Escape();
      else
        d.Cancel();
    });
    EXPECT_FALSE(Correr(Provisional()));
    ASSERT_EQ(datos_.modelo.GetNumCambiadores(), 1);
    EXPECT_EQ(X(0).valorQ, 0.0);
  }
}

TEST_F(Cambiadores, ClicsYEleccionesSiguenLasReglas) {
  runner_.ScriptDialog([&](Driver& d) {
    kit::Dialog& w = d.Dialog();
    // Type 1: the cold outlet box given, the hot inlet goes.
    d.Choose(D::kIdTipo, 1);
    EXPECT_FALSE(w.Checked(D::kIdCasillaQ));
    EXPECT_TRUE(w.IsReadOnly(D::kIdCampoQ));
    d.Click(D::IdCasilla(kSalidaFria));
    EXPECT_TRUE(w.Checked(D::IdCasilla(kSalidaFria)));
    EXPECT_FALSE(w.Checked(D::IdCasilla(kEntradaCaliente)));
    // A set box stays set.
    d.Click(D::IdCasilla(kSalidaFria));
    EXPECT_TRUE(w.Checked(D::IdCasilla(kSalidaFria)));
    // A radio in a cleared block is undone.
    d.Click(D::IdRadio(kEntradaCaliente, kRadioPinch));
    EXPECT_EQ(w.RadioIndex(D::IdRadio(kEntradaCaliente, kRadioValor)), kRadioNinguno);
    // The value button makes the field editable.
    d.Click(D::IdRadio(kSalidaFria, kRadioValor));
    EXPECT_FALSE(w.IsReadOnly(D::IdCampo(kSalidaFria)));
    d.Type(D::IdCampo(kSalidaFria), "380.5");
    // Type 2 with "Servicios Generales" on the cold side is refused.
    d.Choose(D::kIdTipo, 2);
    d.Choose(D::kIdFria, 0);
    EXPECT_EQ(w.CurSel(D::kIdFria), 2);
    EXPECT_TRUE(w.Checked(D::IdCasilla(kSalidaFria)));
    d.Choose(D::kIdTipo, 1);
    d.Click(D::IdCasilla(kSalidaFria));
    d.Click(D::IdRadio(kSalidaFria, kRadioValor));
    d.Type(D::IdCampo(kSalidaFria), "380.5");
    d.Grab(Png("tipo1"));
    d.Ok();
  });
  ASSERT_TRUE(Correr(Provisional()));
  ASSERT_EQ(runner_.Log().size(), 2u);
  EXPECT_EQ(runner_.Log()[1].text, kTextoGeneralCorriente);
  EXPECT_EQ(X(0).modo, kModoTemperaturas);
  EXPECT_EQ(X(0).tipoQ, 0);
  EXPECT_EQ(X(0).tipoEntradaCaliente, kTipoNinguno);
  EXPECT_EQ(X(0).tipoSalidaCaliente, kTipoExtremo);
  EXPECT_EQ(X(0).tipoEntradaFria, kTipoExtremo);
  EXPECT_EQ(X(0).tipoSalidaFria, kTipoValor);
  EXPECT_EQ(X(0).valorSalidaFria, 380.5);
}

TEST_F(Cambiadores, NumeroYFlechasGuardanYMuestran) {
  CDiagrama d0 = DisenoCuatroCorrientes();
  ASSERT_TRUE(Calculada(CalcularRed(d0)));
  runner_.ScriptDialog([&](Driver& d) {
    kit::Dialog& w = d.Dialog();
    d.Type(D::kIdCampoQ, "230");
    // Up: exchanger 1 is stored, exchanger 2 shown.
    d.Step(D::kIdSpin, +1);
    EXPECT_EQ(d.Text(D::kIdNumero), "2");
    EXPECT_EQ(d.Text(D::kIdCaliente), "4   ");
    EXPECT_EQ(d.Text(D::kIdCampoQ), "90.");
    // Exchanger 3 completes C1: its duty is computed and read-only.
    d.Type(D::kIdNumero, "3");
    d.Enter();
    EXPECT_EQ(d.Text(D::kIdNumero), "3");
    EXPECT_TRUE(w.IsReadOnly(D::kIdCampoQ));
    EXPECT_EQ(d.Text(D::kIdCaliente), "Servicios Generales");
    // A number past the end shows the last one.
    d.Type(D::kIdNumero, "99");
    d.Focus(D::kIdTipo);
    EXPECT_EQ(d.Text(D::kIdNumero), "6");
    // Exchanger 4 takes its hot inlet from exchanger 1.
    d.Step(D::kIdSpin, -1);
    d.Step(D::kIdSpin, -1);
    EXPECT_EQ(d.Text(D::kIdNumero), "4");
    EXPECT_EQ(w.RadioIndex(D::IdRadio(kEntradaCaliente, kRadioValor)), kRadioCambiador);
    EXPECT_TRUE(w.IsEnabled(D::IdCambiador(kEntradaCaliente)));
    EXPECT_EQ(d.Text(D::IdCambiador(kEntradaCaliente)), "1");
    d.Grab(Png("diseno"));
    d.Ok();
  });
  ASSERT_TRUE(Correr(d0));
  EXPECT_EQ(X(0).valorQ, 230.0);
  EXPECT_EQ(X(1).valorQ, 90.0);
}

TEST_F(Cambiadores, BorrarElUnicoTerminaConAceptar) {
  runner_.ScriptDialog([&](Driver& d) {
    d.Click(D::kIdBorrar);
    EXPECT_FALSE(d.Dialog().IsOpen());
  });
  runner_.ScriptMessage(Answer::Yes);
  EXPECT_TRUE(Correr(Provisional()));
  EXPECT_EQ(runner_.Log()[1].text, kTextoBorrarCambiador);
  EXPECT_EQ(datos_.modelo.GetNumCambiadores(), 0);
  for (const CCorriente& s : datos_.modelo.m_corrientes) EXPECT_TRUE(s.m_cambiadores.empty());
}

TEST_F(Cambiadores, VerPropiedadesAbreLaVentanaJuntoAlDialogo) {
  CDiagrama d0 = Provisional();
  d0.m_cambiadores[0].valorQ = 60;
  d0.m_cambiadores[0].tipoSalidaCaliente = 0;
  d0.m_cambiadores[0].tipoSalidaFria = 0;
  d0.m_cambiadores[0].tipoEntradaCaliente = kTipoExtremo;
  d0.m_cambiadores[0].tipoEntradaFria = kTipoExtremo;
  ReconstruirListas(d0);
  ASSERT_TRUE(Calculada(CalcularRed(d0)));
  std::vector<std::string> lineas;
  QWidget* padre = reinterpret_cast<QWidget*>(1);
  runner_.ScriptDialog([&](Driver& d) {
    d.Click(D::kIdVerCaliente);
    auto ventanas = Abiertas<CPropCorrienteDlg>();
    ASSERT_EQ(ventanas.size(), 1u);
    padre = ventanas[0]->parentWidget();
    lineas = Lineas(*ventanas[0], CPropCorrienteDlg::kIdCambiadores);
    EXPECT_EQ(ventanas[0]->Text(CPropCorrienteDlg::kIdNumero), "2");
    // The generic entry opens nothing.
    d.Choose(D::kIdCaliente, 0);
    d.Click(D::kIdVerCaliente);
    EXPECT_EQ(Abiertas<CPropCorrienteDlg>().size(), 1u);
    // The dialog is still there.
    EXPECT_TRUE(d.Dialog().IsOpen());
    d.Cancel();
  });
  EXPECT_FALSE(Correr(d0));
  EXPECT_EQ(padre, nullptr);
  EXPECT_EQ(lineas, std::vector<std::string>{"1: desde 443.15 K hasta 423.15 K"});
}

TEST_F(Cambiadores, ConServiciosLasListasDePinch) {
  CDiagrama d0 = TresServiciosFrios();
  d0.m_serviciosVisibles = 1;
  runner_.ScriptDialog([&](Driver& d) {
    kit::Dialog& w = d.Dialog();
    EXPECT_TRUE(w.IsShown(D::IdPinch(kSalidaCaliente)));
    EXPECT_FALSE(w.IsEnabled(D::IdPinch(kSalidaCaliente)));
    EXPECT_EQ(Lineas(w, D::IdPinch(kSalidaCaliente)),
              (std::vector<std::string>{"Proceso", "455.-445.", "405.-395."}));
    d.Click(D::IdRadio(kSalidaCaliente, kRadioPinch));
    EXPECT_TRUE(w.IsEnabled(D::IdPinch(kSalidaCaliente)));
    d.Choose(D::IdPinch(kSalidaCaliente), 1);
    d.Grab(Png("servicios"));
    d.Ok();
  });
  ASSERT_TRUE(Correr(d0));
  EXPECT_EQ(X(0).tipoSalidaCaliente, kTipoPinch);
  EXPECT_EQ(X(0).valorSalidaCaliente, 1.0);
}

}  // namespace
}  // namespace vardo::prueba
