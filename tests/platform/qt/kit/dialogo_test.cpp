// The kit's dialogs driven as a user drives them: refusals of the data
// exchange, Enter and Escape, up-downs, radio groups, list choices, timers,
// painting, and which actions notify.
#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <clocale>
#include <gtest/gtest.h>

#include "dialogo_prueba.h"
#include "platform/qt/kit/runner.h"
#include "tests/comun/kit_prueba.h"

namespace vardo::prueba {
namespace {

using namespace ids;
using Log = std::vector<std::string>;

class KitDialogo : public ::testing::Test {
 protected:
  // Opens the dialog as a runner would and forgets what its opening logged.
  Driver Abrir(DialogoPrueba& d) {
    d.Open();
    EXPECT_TRUE(d.IsOpen());
    EXPECT_EQ(d.log, Log{"init"}) << "opening notified";
    d.log.clear();
    return Driver(d);
  }

  std::vector<std::string> Mensajes() const {
    std::vector<std::string> m;
    for (const RunRecord& r : runner_.Log())
      if (r.kind == RunRecord::Kind::Message) m.push_back(r.text);
    return m;
  }

  ScriptedRunner runner_;
  kit::ScopedModalRunner usar_{runner_};
};

struct CasoRechazo {
  const char* nombre;
  int campo;
  const char* tecleado;  // nullptr: the dialog itself writes `escrito`
  const char* escrito;
  const char* mensaje;
};

TEST_F(KitDialogo, CadaRechazoDejaElDialogoAbiertoYElFocoEnElCampo) {
  const CasoRechazo casos[] = {
      {"entero no numero", kEntero, "abc", nullptr, "Introduzca un número."},
      {"entero vacio", kEntero, "", nullptr, "Introduzca un número."},
      {"entero con decimales", kEntero, "2.5", nullptr, "Introduzca un número."},
      {"entero fuera", kEntero, "11", nullptr, "Introduzca un número entre 1 y 10."},
      {"entero por debajo", kEntero, "0", nullptr, "Introduzca un número entre 1 y 10."},
      {"doble con dos comas", kDoble, "1,5,0", nullptr, "Introduzca un número."},
      {"doble infinito", kDoble, "1e999", nullptr, "Introduzca un número."},
      {"doble con cola", kDoble, "12abc", nullptr, "Introduzca un número."},
      {"doble fuera", kDoble, "300.5", nullptr, "Introduzca un número entre 0 y 300."},
      {"doble negativo", kDoble, "-1e-3", nullptr, "Introduzca un número entre 0 y 300."},
      {"texto largo", kNombre, nullptr, "abcdef", "No introduzca más de 5 caracteres."},
  };
  for (const CasoRechazo& c : casos) {
    SCOPED_TRACE(c.nombre);
    runner_.Clear();
    DialogoPrueba d;
    Driver drv = Abrir(d);
    if (c.tecleado) drv.Type(c.campo, c.tecleado);
    else d.SetText(c.campo, c.escrito);
    drv.Ok();
    EXPECT_TRUE(d.IsOpen());
    EXPECT_EQ(Mensajes(), std::vector<std::string>{c.mensaje});
    EXPECT_EQ(runner_.Log().back().icon, MsgIcon::Warning);
    EXPECT_EQ(d.FocusedId(), c.campo);
    // The members keep their values until a whole exchange succeeds.
    EXPECT_EQ(d.datos.entero, 3);
    EXPECT_EQ(d.datos.doble, 2.5);
    // Mended, the same OK closes the dialog with the values read.
    d.SetText(kEntero, "10");
    d.SetText(kDoble, " 0.125 ");
    d.SetText(kNombre, "fría");
    drv.Ok();
    EXPECT_FALSE(d.IsOpen());
    EXPECT_EQ(d.Result(), kit::kIdOk);
    EXPECT_EQ(d.datos.entero, 10);
    EXPECT_EQ(d.datos.doble, 0.125);
    EXPECT_EQ(d.datos.nombre, "fría");
  }
}

TEST_F(KitDialogo, LosCamposDeSoloDigitosYDeLongitudLimitadaNoAdmitenMasAlTeclear) {
  kit::Template t{"Campos", 100, 40,
                  {kit::Edit(1, 5, 5, 60, 12, kit::kDigits), kit::Edit(2, 5, 20, 60, 12, 0, 4)}};
  kit::Dialog d(t);
  d.Open();
  Driver drv(d);
  drv.Type(1, "1a2-3.4");
  drv.Type(2, "abcdefg");
  EXPECT_EQ(d.Text(1), "1234");
  EXPECT_EQ(d.Text(2), "abcd");
  d.End(kit::kIdCancel);
}

TEST_F(KitDialogo, EnterEntregaPrimeroLaSalidaDelFocoYLuegoPulsaElDefectoOculto) {
  DialogoPrueba d;
  Driver drv = Abrir(d);
  drv.Type(kDoble, "7");
  drv.Enter();
  // The field's focus-out runs first, the hidden default after; the focus
  // stays in the field and the dialog stays open.
  EXPECT_EQ(d.log, (Log{"focusout 1004", "focusin 1003", "focusout 1003", "click 1060"}));
  EXPECT_TRUE(d.IsOpen());
  EXPECT_EQ(d.FocusedId(), kDoble);
  // The keypad's Enter is the same key.
  d.log.clear();
  drv.Key(Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(d.log, (Log{"focusout 1003", "click 1060"}));
  // A disabled default takes no Enter; the focus-out still runs.
  d.log.clear();
  d.Enable(kOculto, false);
  drv.Enter();
  EXPECT_EQ(d.log, Log{"focusout 1003"});
  // A focused push button is pressed by Enter, not the default.
  d.log.clear();
  drv.Focus(kBoton);
  drv.Enter();
  EXPECT_EQ(d.log, (Log{"focusout 1003", "focusin 1070", "click 1070"}));
  EXPECT_TRUE(d.IsOpen());
  d.End(kit::kIdCancel);
}

TEST_F(KitDialogo, SinBotonPorDefectoEnterEsAceptarTrasLaSalidaDelFoco) {
  DialogoPrueba d(false);
  Driver drv = Abrir(d);
  drv.Type(kDoble, "42");
  drv.Enter();
  EXPECT_EQ(d.log, (Log{"focusout 1004", "focusin 1003", "focusout 1003"}));
  EXPECT_FALSE(d.IsOpen());
  EXPECT_EQ(d.Result(), kit::kIdOk);
  EXPECT_EQ(d.datos.doble, 42.0);
}

TEST_F(KitDialogo, EscapeYElCierreCancelanSinLeerLosCampos) {
  struct Caso {
    const char* nombre;
    std::function<void(Driver&)> cerrar;
  } casos[] = {
      {"escape", [](Driver& d) { d.Escape(); }},
      {"boton cancelar", [](Driver& d) { d.Cancel(); }},
      {"cierre de la ventana", [](Driver& d) { d.Dialog().close(); }},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    DialogoPrueba d;
    Driver drv = Abrir(d);
    drv.Type(kDoble, "9");
    c.cerrar(drv);
    EXPECT_FALSE(d.IsOpen());
    EXPECT_EQ(d.Result(), kit::kIdCancel);
    EXPECT_EQ(d.datos.doble, 2.5);
    EXPECT_FALSE(d.isVisible());
  }
}

TEST_F(KitDialogo, FlechasReleenElCampoAntesDeCadaPasoYAdmitenVeto) {
  DialogoPrueba d;
  Driver drv = Abrir(d);
  EXPECT_EQ(d.Text(kEntero), "3");
  // Pressing an arrow puts the focus on the field, then reads it.
  drv.Type(kEntero, "7");
  d.log.clear();
  drv.Step(kFlechas, 1);
  EXPECT_EQ(d.log, Log{"step 7 1"});
  EXPECT_EQ(d.Text(kEntero), "8");
  EXPECT_EQ(d.Pos(kFlechas), 8);
  // A refused step changes nothing.
  d.vetarPaso = true;
  d.log.clear();
  drv.Step(kFlechas, -1);
  EXPECT_EQ(d.log, Log{"step 8 -1"});
  EXPECT_EQ(d.Text(kEntero), "8");
  d.vetarPaso = false;
  // At the end of the range the step is asked for but leaves the number.
  drv.Type(kEntero, "10");
  d.log.clear();
  drv.Step(kFlechas, 1);
  EXPECT_EQ(d.log, Log{"step 10 1"});
  EXPECT_EQ(d.Text(kEntero), "10");
  // A text outside the range is not read: the last position stands.
  drv.Type(kEntero, "55");
  d.log.clear();
  drv.Step(kFlechas, -1);
  EXPECT_EQ(d.log, Log{"step 10 -1"});
  EXPECT_EQ(d.Text(kEntero), "9");
  // The arrow keys in the field step too.
  d.log.clear();
  drv.Key(Qt::Key_Up);
  EXPECT_EQ(d.log, Log{"step 9 1"});
  EXPECT_EQ(d.Text(kEntero), "10");
  // From another field the arrow moves the focus first.
  drv.Focus(kDoble);
  d.log.clear();
  drv.Step(kFlechas, -1);
  EXPECT_EQ(d.log, (Log{"focusout 1003", "focusin 1001", "step 10 -1"}));
  d.End(kit::kIdCancel);
}

TEST_F(KitDialogo, GrupoDeRadiosSinNingunoLeeMenosUno) {
  DialogoPrueba d;
  Driver drv = Abrir(d);
  EXPECT_EQ(d.RadioIndex(kRadio), -1);
  for (int id : {kRadio, kRadio + 1, kRadio + 2}) EXPECT_FALSE(d.Checked(id));
  drv.Click(kRadio + 1);
  EXPECT_EQ(d.RadioIndex(kRadio), 1);
  // Clicking the set radio keeps it set and still notifies.
  drv.Click(kRadio + 1);
  drv.Click(kRadio + 2);
  EXPECT_EQ(d.RadioIndex(kRadio), 2);
  EXPECT_FALSE(d.Checked(kRadio + 1));
  EXPECT_EQ(d.log, (Log{"focusout 1004", "click 1011", "click 1011", "click 1012"}));
  // The check box of the next group leaves the radios alone.
  drv.Click(kCasilla);
  EXPECT_EQ(d.RadioIndex(kRadio), 2);
  EXPECT_TRUE(d.Checked(kCasilla));
  d.SetRadioIndex(kRadio, -1);
  drv.Ok();
  EXPECT_EQ(d.datos.radio, -1);
  EXPECT_EQ(d.datos.casilla, 1);
}

TEST_F(KitDialogo, ElegirEnUnaListaNotificaAunqueSeaLaMismaEntrada) {
  DialogoPrueba d;
  Driver drv = Abrir(d);
  drv.Choose(kCombo, 1);
  drv.Choose(kCombo, 1);
  EXPECT_EQ(d.CurSel(kCombo), 1);
  EXPECT_EQ(d.Text(kCombo), "dos");
  drv.Choose(kLista, 0);
  drv.Choose(kLista, 0);
  drv.Choose(kLista, 1);
  EXPECT_EQ(d.CurSel(kLista), 1);
  EXPECT_EQ(d.log, (Log{"focusout 1004", "focusin 1030", "select 1030", "select 1030",
                        "focusout 1030", "focusin 1040", "select 1040", "select 1040",
                        "select 1040"}));
  // The dialog's own changes notify nobody, not even when disabling the
  // focused list moves the focus.
  d.log.clear();
  d.Enable(kLista, false);
  d.Enable(kLista, true);
  d.SetCurSel(kCombo, 2);
  d.SetCurSel(kLista, 0);
  d.ResetContent(kLista);
  d.SetText(kLibre, "x");
  d.SetPos(kDeslizador, 50);
  EXPECT_EQ(d.log, Log{});
  drv.Slide(kDeslizador, 30);
  drv.Type(kLibre, "5");
  // (The focus left the list quietly when it was disabled.)
  EXPECT_EQ(d.log, (Log{"slide 30", "focusin 1005", "edit 1005"}));
  drv.Ok();
  EXPECT_EQ(d.datos.combo, 2);
}

TEST_F(KitDialogo, ListasOrdenadasYColores) {
  kit::Template t{"Listas", 120, 80,
                  {kit::List(1, 5, 5, 50, 60, kit::kSorted | kit::kOwnerDrawn),
                   kit::Combo(2, 60, 5, 50, 60, kit::kListOnly | kit::kSorted)}};
  kit::Dialog d(t);
  d.Open();
  for (const char* s : {"beta", "Alfa", "gamma", "alfa2"}) d.AddString(1, s, MakeRgb(0, 0, 255));
  std::vector<std::string> orden;
  for (int i = 0; i < d.Count(1); ++i) orden.push_back(d.ItemText(1, i));
  EXPECT_EQ(orden, (std::vector<std::string>{"Alfa", "alfa2", "beta", "gamma"}));
  EXPECT_EQ(d.ItemColor(1, 2), MakeRgb(0, 0, 255));
  d.SetItemColor(1, 2, 0);
  EXPECT_EQ(d.ItemColor(1, 2), 0u);
  EXPECT_EQ(d.FindExact(1, "BETA"), 2);
  EXPECT_EQ(d.AddString(2, "z"), 0);
  EXPECT_EQ(d.AddString(2, "a"), 0);
  EXPECT_EQ(d.CurSel(2), -1);
  d.DeleteString(1, 0);
  EXPECT_EQ(d.ItemText(1, 0), "alfa2");
  d.End(kit::kIdCancel);
}

TEST_F(KitDialogo, NingunaNotificacionMientrasSeInicia) {
  // OnInit moves the focus twice, fills lists and sets positions: Abrir
  // checks that the log holds only its own "init".
  DialogoPrueba d;
  Abrir(d);
  EXPECT_EQ(d.FocusedId(), kNombre);
  d.End(kit::kIdCancel);
  // Nothing notifies after the end either.
  d.Command(kBoton);
  EXPECT_EQ(d.log, Log{});
}

TEST_F(KitDialogo, LosNumerosLlevanPuntoConLocaleEspanola) {
  const std::string antes = std::setlocale(LC_ALL, nullptr);
  const QLocale localeAntes;
  ASSERT_NE(std::setlocale(LC_ALL, "es_ES.UTF-8"), nullptr);
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
  struct Caso {
    double v;
    const char* texto;
  } casos[] = {{2.5, "2.5"}, {10.0, "10"}, {0.1, "0.1"}, {1e20, "1e+20"},
               {1.0 / 3.0, "0.333333333333333"}, {-1234.5, "-1234.5"}, {299.99, "299.99"}};
  for (const Caso& c : casos) EXPECT_EQ(kit::TextoDoble(c.v), c.texto);
  DialogoPrueba d;
  d.datos.doble = 299.99;
  Driver drv = Abrir(d);
  EXPECT_EQ(d.Text(kDoble), "299.99");
  // A decimal comma is a decimal point; a second one makes no number.
  drv.Type(kDoble, "1,5,0");
  drv.Ok();
  EXPECT_TRUE(d.IsOpen());
  EXPECT_EQ(Mensajes(), std::vector<std::string>{"Introduzca un número."});
  d.SetNumber(kLibre, 0.05);
  EXPECT_EQ(d.Text(kLibre), "5.e-002");
  drv.Type(kDoble, "1,5e2");
  drv.Ok();
  EXPECT_FALSE(d.IsOpen());
  EXPECT_EQ(d.datos.doble, 150.0);
  QLocale::setDefault(localeAntes);
  std::setlocale(LC_ALL, antes.c_str());
}

TEST_F(KitDialogo, LecturaComoSeTeclea) {
  struct Caso {
    const char* texto;
    double numero;
    int entero;
  } casos[] = {{"12.5abc", 12.5, 12}, {"abc", 0.0, 0}, {"  -3", -3.0, -3}, {"", 0.0, 0},
               {"+7", 7.0, 7},        {"1e3", 1000.0, 1}};
  DialogoPrueba d;
  Abrir(d);
  for (const Caso& c : casos) {
    d.SetText(kLibre, c.texto);
    EXPECT_EQ(d.Number(kLibre), c.numero) << c.texto;
    EXPECT_EQ(d.Integer(kLibre), c.entero) << c.texto;
  }
  d.End(kit::kIdCancel);
}

TEST_F(KitDialogo, LosTemporizadoresPorIdLosDisparanLasPruebas) {
  DialogoPrueba d;
  Driver drv = Abrir(d);
  EXPECT_TRUE(d.TimerActive(kTimer));
  EXPECT_EQ(d.TimerPeriod(kTimer), 1000);
  EXPECT_FALSE(drv.Timer(999));
  EXPECT_TRUE(drv.Timer(kTimer));
  EXPECT_EQ(d.log, Log{"timer 12345"});
  // The handler killed it: one tick only.
  EXPECT_FALSE(d.TimerActive(kTimer));
  EXPECT_FALSE(drv.Timer(kTimer));
  EXPECT_EQ(d.log.size(), 1u);
  // Ending the dialog stops its timers.
  d.SetTimer(7, 50);
  d.End(kit::kIdCancel);
  EXPECT_FALSE(d.TimerActive(7));
}

TEST_F(KitDialogo, ElAreaDePinturaDibujaConQtDc) {
  DialogoPrueba d;
  Driver drv = Abrir(d);
  QWidget* area = d.Widget(kPintura);
  const QImage img = area->grab().toImage();
  const double pxPorMm = area->logicalDpiX() / 25.4;
  // The frame's stroke covers 0 to 4 mm from the corner; its middle is white.
  EXPECT_EQ(img.pixelColor(int(1 * pxPorMm), int(6 * pxPorMm)), QColor(Qt::black));
  EXPECT_EQ(img.pixelColor(int(7 * pxPorMm), int(7 * pxPorMm)), QColor(Qt::white));
  EXPECT_EQ(img.pixelColor(img.width() - 2, img.height() - 2), QColor(Qt::white));
  EXPECT_TRUE(drv.Grab(std::string(::testing::TempDir()) + "kit_prueba.png"));
  d.End(kit::kIdCancel);
}

TEST_F(KitDialogo, LasCorridasAnidadasSeGuionizanYSeAnotan) {
  DialogoPrueba d;
  std::vector<std::string> visto;
  d.alProbar = [&] {
    visto.push_back(ShowMessage(&d, "Hola") == Answer::Ok ? "ok" : "?");
    visto.push_back(AskYesNo(&d, "¿Seguro?") == Answer::No ? "no" : "?");
    visto.push_back(ChooseOpenFile(&d, QStringLiteral("Documentos (*.vdo)")).toStdString());
    LogFont f;
    f.faceName = "Arial";
    visto.push_back(kit::ChooseFont(&d, f) ? f.faceName + " " + std::to_string(f.height) : "-");
    Rgb c = MakeRgb(1, 2, 3);
    visto.push_back(kit::ChooseColor(&d, c) ? std::to_string(c) : "cancel");
    kit::Beep(1000, 50);
    DialogoPrueba anidado;
    anidado.datos.entero = 5;
    const int fin = anidado.Run();
    visto.push_back(std::to_string(fin) + " " + std::to_string(anidado.datos.entero));
  };
  runner_.ScriptMessage(Answer::Ok);
  runner_.ScriptMessage(Answer::No);
  runner_.ScriptFile(QStringLiteral("/tmp/a.vdo"));
  LogFont elegida;
  elegida.faceName = "Liberation Serif";
  elegida.height = -16;
  runner_.ScriptFont(elegida);
  runner_.ScriptColor(std::nullopt);
  runner_.ScriptDialog([](Driver& n) {
    n.Step(kFlechas, 1);

    n.Enter();  // the nested dialog's hidden default keeps it open
    n.Ok();
  });
  Driver drv = Abrir(d);
  drv.Click(kBoton);
  EXPECT_EQ(visto, (std::vector<std::string>{"ok", "no", "/tmp/a.vdo", "Liberation Serif -16",
                                             "cancel", "1 6"}));
  using K = RunRecord::Kind;
  ASSERT_EQ(runner_.Log().size(), 7u);
  const K tipos[] = {K::Message, K::Message, K::File, K::Font, K::Color, K::Beep, K::Dialog};
  for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(runner_.Log()[i].kind, tipos[i]) << i;
  EXPECT_EQ(runner_.Log()[1].text, "¿Seguro?");
  EXPECT_EQ(runner_.Log()[1].buttons, MsgButtons::YesNo);
  EXPECT_EQ(runner_.Log()[2].text, "Abrir");
  EXPECT_EQ(runner_.Log()[5].frequency, 1000);
  EXPECT_EQ(runner_.Log()[5].duration, 50);
  EXPECT_EQ(runner_.Log()[6].text, "Prueba del kit");
  EXPECT_TRUE(runner_.Done());
  EXPECT_TRUE(d.IsOpen());
  d.End(kit::kIdCancel);
}

TEST_F(KitDialogo, UnDialogoSinGuionSeCancela) {
  DialogoPrueba d;
  d.datos.doble = 8;
  EXPECT_EQ(d.Run(), kit::kIdCancel);
  EXPECT_FALSE(d.IsOpen());
  EXPECT_EQ(runner_.Log().size(), 1u);
}

TEST_F(KitDialogo, ElCursorDeEsperaSeApilaYSeRestaura) {
  EXPECT_EQ(kit::WaitCursor::Depth(), 0);
  {
    kit::WaitCursor a;
    kit::WaitCursor b;
    EXPECT_EQ(kit::WaitCursor::Depth(), 2);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  }
  EXPECT_EQ(kit::WaitCursor::Depth(), 0);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(KitDialogo, ElBucleModalRealTerminaConEnterYEscape) {
  // The real runner's modal loop, driven from inside by timers.
  kit::QtModalRunner real;
  struct Caso {
    bool defectoOculto;
    int tecla;
    int esperado;
  } casos[] = {{false, Qt::Key_Return, kit::kIdOk}, {true, Qt::Key_Escape, kit::kIdCancel}};
  for (const Caso& c : casos) {
    DialogoPrueba d(c.defectoOculto);
    QTimer::singleShot(0, &d, [&d, &c] {
      Driver drv(d);
      drv.Type(kDoble, "12");
      drv.Key(c.tecla);
    });
    QTimer::singleShot(5000, &d, [&d] { d.End(-1); });  // never hang
    EXPECT_EQ(real.RunDialog(d), c.esperado);
    EXPECT_EQ(d.datos.doble, c.esperado == kit::kIdOk ? 12.0 : 2.5);
  }
}

TEST_F(KitDialogo, UnaVentanaSinPadreSigueUsableMientrasCorreUnDialogoModal) {
  kit::QtModalRunner real;
  QWidget principal;
  principal.resize(300, 200);
  principal.show();
  auto* boton = new QPushButton(QStringLiteral("Menú"), &principal);
  boton->setGeometry(10, 10, 80, 24);
  boton->show();
  int pulsacionesPrincipal = 0;
  QObject::connect(boton, &QPushButton::clicked, [&] { ++pulsacionesPrincipal; });

  DialogoPrueba modal(true, &principal);
  QPointer<DialogoPrueba> suelta;
  bool cerrada = false;
  QTimer::singleShot(0, &modal, [&] {
    suelta = new DialogoPrueba;
    suelta->ShowModeless();
    QApplication::processEvents();
    // The main window is blocked, the window without a parent is not.
    ClickAt(boton);
    Driver(*suelta).Click(kit::kIdCancel);
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    cerrada = suelta.isNull();
    modal.End(kit::kIdOk);
  });
  QTimer::singleShot(5000, &modal, [&] { modal.End(-1); });
  EXPECT_EQ(real.RunDialog(modal), kit::kIdOk);
  EXPECT_EQ(pulsacionesPrincipal, 0);
  EXPECT_TRUE(cerrada);  // closed and deleted
  // With no modal dialog the main window takes clicks again.
  QApplication::processEvents();
  ClickAt(boton);
  EXPECT_EQ(pulsacionesPrincipal, 1);
}

}  // namespace
}  // namespace vardo::prueba
