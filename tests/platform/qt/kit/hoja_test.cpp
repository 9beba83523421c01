// Property sheets and wizards: the leave veto before a tab change, OK
// leaving the active page first, activation hooks, and the wizard's
// buttons.
#include <QApplication>
#include <algorithm>
#include <QTabBar>
#include <gtest/gtest.h>

#include "platform/qt/kit/runner.h"
#include "platform/qt/kit/sheet.h"
#include "tests/comun/kit_prueba.h"

namespace vardo::prueba {
namespace {

using Log = std::vector<std::string>;

constexpr int kCampo = 2001;  // int 1..5
constexpr int kOtro = 2002;

// A page with one bound number field; it logs its hooks and notifications
// and can refuse to be left.
class PaginaPrueba : public kit::Page {
 public:
  PaginaPrueba(std::string nombre, Log& log, int alto = 60)
      : kit::Page(kit::Template{nombre, 180, alto,
                                {kit::Label("Valor:", 7, 9, 40, 8), kit::Edit(kCampo, 50, 7, 40, 12),
                                 kit::Edit(kOtro, 50, 23, 40, 12)}}),
        nombre_(std::move(nombre)),
        log_(log) {
    for (int id : {kCampo, kOtro}) {
      OnFocusIn(id, [this, id] { Anotar("focusin " + std::to_string(id)); });
      OnFocusOut(id, [this, id] { Anotar("focusout " + std::to_string(id)); });
    }
  }

  int valor = 1;
  bool vetar = false;
  unsigned botones = 0;  // wizard buttons to show instead of the defaults

 protected:
  void DataExchange(kit::Exchange& dx) override { dx.Int(kCampo, valor, 1, 5); }
  void OnInit() override {
    Anotar("init");
    Focus(kOtro);
  }
  void OnSetActive() override {
    Anotar("setactive");
    Focus(kCampo);  // the page's own focus move notifies nobody
    if (botones) Sheet()->SetWizardButtons(botones);
    kit::Page::OnSetActive();
  }
  bool OnKillActive() override {
    Anotar("killactive");
    if (vetar) return false;
    return kit::Page::OnKillActive();
  }
  bool OnWizardNext() override {
    Anotar("next");
    return true;
  }

 private:
  void Anotar(const std::string& que) { log_.push_back(nombre_ + " " + que); }
  std::string nombre_;
  Log& log_;
};

class KitHoja : public ::testing::Test {
 protected:
  std::vector<std::string> Mensajes() const {
    std::vector<std::string> m;
    for (const RunRecord& r : runner_.Log())
      if (r.kind == RunRecord::Kind::Message) m.push_back(r.text);
    return m;
  }

  Log log_;
  PaginaPrueba a_{"A", log_};
  PaginaPrueba b_{"B", log_, 90};
  PaginaPrueba c_{"C", log_};
  ScriptedRunner runner_;
  kit::ScopedModalRunner usar_{runner_};
};

TEST_F(KitHoja, UnaPaginaQueRehusaSalirNoCambiaDePestanaNiAcepta) {
  kit::PropertySheet hoja("Hoja");
  hoja.AddPage(a_);
  hoja.AddPage(b_);
  hoja.Open();
  Driver drv(hoja);
  EXPECT_EQ(log_, (Log{"A init", "A setactive"}));
  EXPECT_EQ(hoja.ActiveIndex(), 0);
  EXPECT_EQ(hoja.Tabs()->tabText(1), QStringLiteral("B"));
  EXPECT_TRUE(drv.Grab(std::string(::testing::TempDir()) + "kit_hoja.png"));

  struct Caso {
    const char* nombre;
    std::function<void(Driver&)> salir;
  } casos[] = {
      {"pestana", [](Driver& d) { d.Page(1); }},
      {"aceptar", [](Driver& d) { d.Ok(); }},
      {"enter", [](Driver& d) { d.Enter(); }},
      {"teclado", [](Driver& d) { d.Key(Qt::Key_Tab, Qt::ControlModifier); }},
  };
  // A value out of range: the framework's check refuses, once per attempt.
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    runner_.Clear();
    drv.Type(kCampo, "9");
    c.salir(drv);
    EXPECT_TRUE(hoja.IsOpen());
    EXPECT_EQ(hoja.ActiveIndex(), 0);
    EXPECT_EQ(Mensajes(), std::vector<std::string>{"Introduzca un número entre 1 y 5."});
    EXPECT_EQ(a_.FocusedId(), kCampo);
  }
  // The page's own veto, with a valid value.
  drv.Type(kCampo, "4");
  a_.vetar = true;
  runner_.Clear();
  EXPECT_FALSE(drv.Page(1));
  drv.Ok();
  EXPECT_TRUE(hoja.IsOpen());
  EXPECT_TRUE(runner_.Log().empty());
  EXPECT_EQ(hoja.Tabs()->currentIndex(), 0);
  a_.vetar = false;
  drv.Focus(kCampo);
  log_.clear();
  EXPECT_TRUE(drv.Page(1));
  EXPECT_EQ(a_.valor, 4);
  // The focus went to the tab (the field's focus-out ran), the page was
  // left, then B was built and activated without notifying.
  EXPECT_EQ(log_, (Log{"A focusout 2001", "A killactive", "B init", "B setactive"}));
  hoja.End(kit::kIdCancel);
}

TEST_F(KitHoja, AceptarDejaAntesLaPaginaActivaYReleeAlVolver) {
  kit::PropertySheet hoja("Hoja");
  hoja.AddPage(a_);
  hoja.AddPage(b_);
  hoja.Open();
  Driver drv(hoja);
  drv.Type(kCampo, "2");
  ASSERT_TRUE(drv.Page(1));
  a_.valor = 5;  // what the sheet changed meanwhile shows on return
  ASSERT_TRUE(drv.Page(0));
  EXPECT_EQ(a_.Text(kCampo), "5");
  drv.Type(kCampo, "3");
  log_.clear();
  drv.Enter();  // Enter is OK: the field's focus-out, then the page is left
  EXPECT_EQ(log_, (Log{"A focusout 2001", "A killactive"}));
  EXPECT_FALSE(hoja.IsOpen());
  EXPECT_EQ(hoja.Result(), kit::kIdOk);
  EXPECT_EQ(a_.valor, 3);
}

TEST_F(KitHoja, PaginaInicialYTamanoDeLaMayor) {
  kit::PropertySheet hoja("Hoja", nullptr, 1);
  hoja.AddPage(a_);
  hoja.AddPage(b_);
  hoja.Open();
  EXPECT_EQ(hoja.ActiveIndex(), 1);
  EXPECT_EQ(log_, (Log{"B init", "B setactive"}));
  EXPECT_FALSE(a_.Created());
  // Every page fits: the sheet holds the tallest one.
  EXPECT_GE(b_.height(), kit::ToPixels(kit::DialogFont(), 0, 0, 0, 90).height());
  EXPECT_TRUE(hoja.rect().contains(b_.mapTo(&hoja, b_.rect().bottomRight())));
  EXPECT_TRUE(hoja.SetActivePage(0));
  EXPECT_FALSE(hoja.SetActivePage(7));
  Driver(hoja).Cancel();
  EXPECT_EQ(hoja.Result(), kit::kIdCancel);
}

TEST_F(KitHoja, UnaHojaQueSeVuelveACorrerMuestraSusDatosDeNuevo) {
  kit::PropertySheet hoja("Hoja");
  hoja.AddPage(a_);
  hoja.AddPage(b_);
  // First run: both pages visited, something typed into each, Cancel.
  runner_.ScriptDialog([](Driver& d) {
    d.Type(kCampo, "4");
    ASSERT_TRUE(d.Page(1));
    d.Type(kCampo, "5");
    d.Cancel();
  });
  ASSERT_EQ(hoja.Run(), kit::kIdCancel);
  EXPECT_EQ(a_.valor, 4);  // A was left, so it stored its field
  EXPECT_EQ(b_.valor, 1);
  // The owner's data changed meanwhile; the second run starts on it, with
  // each page initialised again at its first activation.
  a_.valor = 3;
  b_.valor = 2;
  log_.clear();
  std::vector<std::string> mostrados;
  runner_.ScriptDialog([&](Driver& d) {
    mostrados.push_back(d.Text(kCampo));
    ASSERT_TRUE(d.Page(1));
    mostrados.push_back(d.Text(kCampo));
    d.Ok();
  });
  ASSERT_EQ(hoja.Run(), kit::kIdOk);
  EXPECT_EQ(mostrados, (std::vector<std::string>{"3", "2"}));
  for (const char* hecho : {"A init", "B init"})
    EXPECT_EQ(std::count(log_.begin(), log_.end(), hecho), 1) << hecho;
  EXPECT_EQ(a_.valor, 3);
  EXPECT_EQ(b_.valor, 2);
}

struct EstadoBotones {
  bool atras, siguiente, finalizar;
};

TEST_F(KitHoja, AsistenteConSusBotones) {
  kit::PropertySheet mago("Asistente");
  mago.SetWizardMode();
  mago.AddPage(a_);
  mago.AddPage(b_);
  mago.AddPage(c_);
  mago.Open();
  Driver drv(mago);
  auto estado = [&] {
    return EstadoBotones{mago.IsEnabled(kit::kIdBack), mago.IsEnabled(kit::kIdNext),
                         mago.IsEnabled(kit::kIdFinish)};
  };
  auto comprobar = [&](int pagina, EstadoBotones e) {
    EXPECT_EQ(mago.ActiveIndex(), pagina);
    const EstadoBotones v = estado();
    EXPECT_EQ(v.atras, e.atras) << "Atrás en la página " << pagina;
    EXPECT_EQ(v.siguiente, e.siguiente) << "Siguiente en la página " << pagina;
    EXPECT_EQ(v.finalizar, e.finalizar) << "Finalizar en la página " << pagina;
  };
  EXPECT_EQ(mago.Text(kit::kIdBack), "< Atrás");
  EXPECT_EQ(mago.Text(kit::kIdNext), "Siguiente >");
  EXPECT_EQ(mago.Text(kit::kIdFinish), "Finalizar");
  EXPECT_EQ(mago.Text(kit::kIdCancel), "Cancelar");
  EXPECT_EQ(mago.windowTitle(), QStringLiteral("A"));
  comprobar(0, {false, true, false});
  drv.Back();  // disabled: nothing happens
  comprobar(0, {false, true, false});
  // Next checks the page first.
  drv.Type(kCampo, "0");
  drv.Next();
  comprobar(0, {false, true, false});
  EXPECT_EQ(Mensajes(), std::vector<std::string>{"Introduzca un número entre 1 y 5."});
  drv.Type(kCampo, "2");
  log_.clear();
  drv.Next();
  EXPECT_EQ(log_, (Log{"A focusout 2001", "A killactive", "A next", "B init", "B setactive"}));
  comprobar(1, {true, true, false});
  EXPECT_EQ(mago.windowTitle(), QStringLiteral("B"));
  EXPECT_TRUE(drv.Grab(std::string(::testing::TempDir()) + "kit_asistente.png"));
  drv.Enter();  // Enter is Next
  comprobar(2, {true, false, true});
  drv.Back();
  comprobar(1, {true, true, false});
  // A page may show other buttons: Back only keeps Finish disabled.
  c_.botones = kit::kWizBack;
  drv.Next();
  comprobar(2, {true, false, false});
  drv.Finish();
  drv.Enter();
  EXPECT_TRUE(mago.IsOpen());
  c_.SetText(kCampo, "4");
  mago.SetWizardButtons(kit::kWizBack | kit::kWizFinish);
  drv.Finish();
  EXPECT_FALSE(mago.IsOpen());
  EXPECT_EQ(mago.Result(), kit::kIdFinish);
  EXPECT_EQ(c_.valor, 4);  // Finish saves the last page
  EXPECT_EQ(a_.valor, 2);
}

TEST_F(KitHoja, UnAsistenteCanceladoDevuelveCancelar) {
  kit::PropertySheet mago("Asistente");
  mago.SetWizardMode();
  mago.AddPage(a_);
  mago.AddPage(b_);
  runner_.ScriptDialog([](Driver& d) {
    d.Next();
    d.Escape();
  });
  EXPECT_EQ(mago.Run(), kit::kIdCancel);
  EXPECT_EQ(runner_.Log().front().text, "Asistente");
}

}  // namespace
}  // namespace vardo::prueba
