// Kit list boxes under the mouse and the keyboard: only a user's choice of
// a row notifies; the focus alone chooses nothing; a choice's handler that
// clears or moves the current row keeps it so, whatever the press does after.
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/qt/kit/runner.h"
#include "tests/comun/kit_listas.h"
#include "tests/comun/kit_prueba.h"

namespace vardo::prueba {
namespace {

using Log = std::vector<std::string>;

constexpr int kCampo = 1;
constexpr int kLista = 2;

// A field, then a list of three rows with no row chosen. The choice's
// handler logs the row and, as told, clears the list's selection or moves
// it to the last row.
class DialogoLista : public kit::Dialog {
 public:
  enum class Tras { Nada, Limpiar, Mover };

  explicit DialogoLista(bool ownerDrawn)
      : kit::Dialog(kit::Template{"Listas",
                                  160,
                                  100,
                                  {kit::Edit(kCampo, 7, 7, 60, 12),
                                   kit::List(kLista, 7, 25, 100, 60,
                                             static_cast<unsigned>(ownerDrawn ? kit::kOwnerDrawn : kit::kPlain))}}) {
    OnSelect(kLista, [this] {
      log.push_back("select " + std::to_string(CurSel(kLista)));
      if (tras == Tras::Limpiar) SetCurSel(kLista, -1);
      if (tras == Tras::Mover) SetCurSel(kLista, 2);
    });
  }

  Log log;
  Tras tras = Tras::Nada;

 protected:
  void OnInit() override {
    for (const char* s : {"uno", "dos", "tres"}) AddString(kLista, s, MakeRgb(0, 0, 200));
    Focus(kCampo);
  }
};

class KitListas : public ::testing::TestWithParam<bool> {
 protected:
  // A press, a small move with the button held and the release, on the row.
  static void PulsarConTemblor(QListWidget* l, int fila) {
    QWidget* v = l->viewport();
    QWindow* w = v->window()->windowHandle();
    const QPoint p = v->mapTo(v->window(), l->visualItemRect(l->item(fila)).center());
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseMove(w, p + QPoint(2, 1));
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, p + QPoint(2, 1));
    QApplication::processEvents();
  }

  ScriptedRunner runner_;
  kit::ScopedModalRunner usar_{runner_};
};

TEST_P(KitListas, ElFocoSoloNoEligeNada) {
  struct Caso {
    const char* nombre;
    std::function<void(Driver&, QListWidget*)> accion;
  };
  const Caso casos[] = {
      {"tabulador", [](Driver& d, QListWidget*) { d.Key(Qt::Key_Tab); }},
      {"foco", [](Driver& d, QListWidget*) { d.Focus(kLista); }},
      // A click below the rows only gives the list the focus.
      {"clic bajo las filas",
       [](Driver&, QListWidget* l) {
         ClickAt(l->viewport(), QPoint(l->viewport()->width() / 2, l->viewport()->height() - 3));
       }},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    DialogoLista d(GetParam());
    d.Open();
    Driver drv(d);
    auto* l = d.Get<QListWidget>(kLista);
    c.accion(drv, l);
    EXPECT_EQ(d.FocusedId(), kLista);
    EXPECT_EQ(d.log, Log{});
    EXPECT_EQ(d.CurSel(kLista), -1);
    EXPECT_EQ(Seleccionadas(d, kLista), 0);
    // The keyboard then chooses, from the first row.
    drv.Key(Qt::Key_Down);
    EXPECT_EQ(d.log, Log{"select 0"});
    EXPECT_EQ(d.CurSel(kLista), 0);
    EXPECT_EQ(Seleccionadas(d, kLista), 1);
    d.End(kit::kIdCancel);
  }
}

TEST_P(KitListas, LoQueHaceElManejadorDeLaEleccionQueda) {
  struct Caso {
    const char* nombre;
    DialogoLista::Tras tras;
    bool temblor;  // the mouse moves a little while pressed
    int actual;    // the current row afterwards, -1 none
  };
  const Caso casos[] = {
      {"sin cambio", DialogoLista::Tras::Nada, false, 1},
      {"sin cambio con temblor", DialogoLista::Tras::Nada, true, 1},
      {"limpiada", DialogoLista::Tras::Limpiar, false, -1},
      {"limpiada con temblor", DialogoLista::Tras::Limpiar, true, -1},
      {"movida", DialogoLista::Tras::Mover, false, 2},
      {"movida con temblor", DialogoLista::Tras::Mover, true, 2},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    DialogoLista d(GetParam());
    d.tras = c.tras;
    d.Open();
    Driver drv(d);
    auto* l = d.Get<QListWidget>(kLista);
    if (c.temblor) PulsarConTemblor(l, 1);
    else drv.Choose(kLista, 1);
    EXPECT_EQ(d.log, Log{"select 1"});
    EXPECT_EQ(d.CurSel(kLista), c.actual);
    // What shows selected is the current row, or nothing.
    const auto elegidas = l->selectedItems();
    ASSERT_EQ(elegidas.size(), c.actual < 0 ? 0 : 1);
    if (c.actual >= 0) EXPECT_EQ(l->row(elegidas.front()), c.actual);
    if (c.nombre == std::string("limpiada"))
      drv.Grab(std::string(::testing::TempDir()) + "kit_lista_limpiada.png");
    // The next click chooses again.
    d.tras = DialogoLista::Tras::Nada;
    d.log.clear();
    drv.Choose(kLista, 0);
    EXPECT_EQ(d.log, Log{"select 0"});
    EXPECT_EQ(d.CurSel(kLista), 0);
    EXPECT_EQ(Seleccionadas(d, kLista), 1);
    d.End(kit::kIdCancel);
  }
}

INSTANTIATE_TEST_SUITE_P(Listas, KitListas, ::testing::Values(false, true),
                         [](const auto& i) { return i.param ? "Coloreada" : "Sencilla"; });

}  // namespace
}  // namespace vardo::prueba
