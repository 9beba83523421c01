// The four controls hosted by class id in a kit dialog, driven as a user
// drives them; their events reach the dialog by number.
#include <gtest/gtest.h>

#include "controls/cascade/vadizod.h"
#include "controls/functable/tabulix.h"
#include "controls/grid/celdix.h"
#include "controls/scrollpanel/barrion.h"
#include "platform/qt/kit/dialog.h"
#include "platform/qt/kit/runner.h"
#include "tests/comun/kit_controles.h"

namespace vardo::prueba {
namespace {

constexpr int kRejilla = 10, kCascada = 11, kTabla = 12, kBarras = 13, kCampo = 14, kOculto = 15;

class DialogoAlojados : public kit::Dialog {
 public:
  DialogoAlojados()
      : kit::Dialog(kit::Template{"Controles",
                                  400,
                                  260,
                                  {kit::Hosted(kRejilla, kCeldixClassId, 5, 5, 190, 110),
                                   kit::Hosted(kCascada, kClassIdVadizod, 205, 5, 190, 110),
                                   kit::Hosted(kTabla, kClassIdTabulix, 5, 120, 190, 110),
                                   kit::Hosted(kBarras, kClassIdBarrion, 205, 120, 190, 110),
                                   kit::Edit(kCampo, 5, 240, 50, 12),
                                   kit::Button(kOculto, "", 60, 240, 50, 14,
                                               kit::kHidden | kit::kDefault)}}) {
    OnEvent(kRejilla, celdix_event::TablaModificada, [this] { log.push_back("TablaModificada"); });
    OnEvent(kTabla, EventoTabulix::Listo, [this] { log.push_back("Listo"); });
    OnEvent(kBarras, EventoBarrion::cambiado, [this] { log.push_back("cambiado"); });
    OnClick(kOculto, [this] { log.push_back("defecto"); });
  }
  std::vector<std::string> log;

 protected:
  void OnInit() override {
    auto* g = Get<Celdix>(kRejilla);
    g->SetRows(3);
    g->SetCols(3);
    auto* b = Get<Barrion>(kBarras);
    b->BarraInicial(QStringLiteral("Vapor"), 250);  // the host's own writes notify nobody
    b->Arrancar();
    b->EscribirScroll(0, 10);
    auto* t = Get<Tabulix>(kTabla);
    t->SetPuntoIni(QStringLiteral("0"));
    t->SetPuntoFin(QStringLiteral("10"));
    t->SetNumPuntos(QStringLiteral("5"));
  }
};

TEST(KitAlojados, LosCuatroControlesPorSuIdDeClaseConSusEventos) {
  ScriptedRunner runner;
  kit::ScopedModalRunner usar(runner);
  DialogoAlojados d;
  d.Open();
  ASSERT_NE(d.Get<Celdix>(kRejilla), nullptr);
  ASSERT_NE(d.Get<Vadizod>(kCascada), nullptr);
  ASSERT_NE(d.Get<Tabulix>(kTabla), nullptr);
  ASSERT_NE(d.Get<Barrion>(kBarras), nullptr);
  EXPECT_TRUE(d.log.empty());

  using Log = std::vector<std::string>;
  Driver drv(d);
  // Enter inside a hosted control is the control's: the hidden default
  // button is not pressed.
  TypeBar(*d.Get<Barrion>(kBarras), 0, "125");
  EXPECT_DOUBLE_EQ(d.Get<Barrion>(kBarras)->LeerScroll(0).value_or(-1.0), 125.0);
  EXPECT_EQ(d.log, Log{"cambiado"});
  drv.Focus(kCampo);  // leaving the box commits again
  EXPECT_EQ(d.log, (Log{"cambiado", "cambiado"}));
  d.log.clear();
  auto* t = d.Get<Tabulix>(kTabla);
  TypeTableBox(t->FuncionText(), "2*X");
  EXPECT_EQ(d.log, Log{"Listo"});
  EXPECT_EQ(t->NumeroPuntos(), 5);
  EXPECT_DOUBLE_EQ(t->TablaY(4).value_or(-1.0), 20.0);
  drv.Focus(kCampo);
  d.log.clear();
  EditCell(*d.Get<Celdix>(kRejilla), 1, 1, "7");
  EXPECT_EQ(d.Get<Celdix>(kRejilla)->TextMatrix(1, 1), QStringLiteral("7"));
  // (The grid's closing editor hands the focus on: the next control may
  // tell its own events after this one.)
  ASSERT_FALSE(d.log.empty());
  EXPECT_EQ(d.log.front(), "TablaModificada");
  EXPECT_TRUE(d.IsOpen());

  auto* v = d.Get<Vadizod>(kCascada);
  v->AddTemp(400.0);
  v->AddH(10.0);
  v->AddHp(0.0);
  v->EscribirTabla();
  EXPECT_EQ(v->ListaT().size(), 1u);
  EXPECT_TRUE(drv.Grab(std::string(::testing::TempDir()) + "kit_alojados.png"));
  d.End(kit::kIdCancel);
}

TEST(KitAlojados, UnaClaseSinRegistrarEsUnError) {
  kit::Dialog d(kit::Template{"x", 50, 50, {kit::Hosted(1, "{00000000-0000-0000-0000-000000000001}", 0, 0, 10, 10)}});
  EXPECT_THROW(d.Open(), std::runtime_error);
}

}  // namespace
}  // namespace vardo::prueba
