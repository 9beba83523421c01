// "Matriz de Adyacencia de Nodos y Árbol Máximo" through the program's
// dialog factory: the matrix table, the maximum tree, and the menu a right
// press on the table opens.
#include <gtest/gtest.h>

#include <QMenu>
#include <QTest>
#include <QTreeWidget>

#include "app/core/analysis/matriz_man.h"
#include "dialogs/analysis/dlg_man.h"
#include "platform/qt/displaygrid.h"
#include "tests/app/core/analysis/analisis_comun.h"
#include "tests/dialogs/analysis/fixture_analisis.h"
#include "tests/dialogs/analysis/problemas_analisis.h"

namespace vardo::prueba {
namespace {

using D = CMANDlg;

// One tree item: its text and its parent's text ("" at the root).
struct Item {
  std::string texto, padre;
  bool operator==(const Item&) const = default;
};

struct Visto {
  Celdas tabla;
  std::vector<Item> arbol;  // depth first, in the order shown
};

void Recorrer(const QTreeWidgetItem* item, std::vector<Item>& v) {
  for (int k = 0; k < item->childCount(); ++k) {
    const QTreeWidgetItem* h = item->child(k);
    v.push_back({h->text(0).toStdString(), item->text(0).toStdString()});
    Recorrer(h, v);
  }
}

// The items a placement gives, in the same depth-first order.
std::vector<Item> Esperados(const std::vector<ElementoArbolMAN>& e) {
  std::vector<Item> v;
  std::function<void(std::int32_t)> bajar = [&](std::int32_t padre) {
    for (std::size_t k = 0; k < e.size(); ++k)
      if (e[k].padre == padre) {
        v.push_back({e[k].texto, padre < 0 ? "" : e[static_cast<std::size_t>(padre)].texto});
        bajar(static_cast<std::int32_t>(k));
      }
  };
  bajar(-1);
  return v;
}

class MAN : public ConDialogos {
 protected:
  Visto Ver(const CDiagrama& m, const std::string& png = {}) {
    DlgMAN r;
    r.modelo = m;
    Visto v;
    EXPECT_TRUE(ConDialogos::Correr(&FabricaDialogosQt::MAN, r, [&](Driver& d) {
      auto* t = d.Dialog().Get<DisplayGrid>(D::kIdTabla);
      for (int f = 0; f < t->Rows(); ++f) {
        v.tabla.emplace_back();
        for (int c = 0; c < t->Cols(); ++c) {
          v.tabla.back().push_back(t->TextMatrix(f, c).toStdString());
          if (f == 0) {
            EXPECT_EQ(t->ColWidth(c), D::kAnchoColumna) << c;
          }
        }
      }
      auto* a = d.Dialog().Get<QTreeWidget>(D::kIdArbol);
      for (int k = 0; k < a->topLevelItemCount(); ++k) {
        v.arbol.push_back({a->topLevelItem(k)->text(0).toStdString(), ""});
        Recorrer(a->topLevelItem(k), v.arbol);
      }
      if (!png.empty()) d.Grab(::testing::TempDir() + png);
      d.Ok();
    }));
    EXPECT_TRUE(runner_.Done());
    return v;
  }
};

TEST_F(MAN, UnCambiadorEntreDosCorrientes) {
  RedManual m;
  m.Corriente(400, 300);
  m.Corriente(300, 380);
  m.Cambiador(0, 1);
  const Visto v = Ver(m.d, "analisis_man.png");
  EXPECT_EQ(v.tabla, (Celdas{{"", "1c", "1f"}, {"1c", "*", ""}, {"1f", "*", "*"}}));
  EXPECT_EQ(v.arbol, (std::vector<Item>{{"1c", ""}, {"1f", "1c"}}));
}

TEST_F(MAN, DosGruposDosRaices) {
  RedManual m;
  for (int s = 0; s < 2; ++s) {
    m.Corriente(400, 300);
    m.Corriente(300, 380);
  }
  m.Cambiador(0, 1);
  m.Cambiador(0, 1);
  m.Cambiador(2, 3);
  const Visto v = Ver(m.d);
  CDiagrama copia = m.d;
  EXPECT_EQ(v.tabla, TablaMatrizMAN(copia).Celdas());
  EXPECT_EQ(v.arbol, Esperados(ArbolMaximoMAN(copia)));
  std::vector<std::string> raices;
  for (const Item& i : v.arbol)
    if (i.padre.empty()) raices.push_back(i.texto);
  EXPECT_EQ(raices, (std::vector<std::string>{"1c", "3c"}));
  EXPECT_EQ(v.arbol.size(), 6u);
}

TEST_F(MAN, SinCambiadoresUnaCeldaYNingunElemento) {
  const Visto v = Ver(CuatroCorrientes());
  EXPECT_EQ(v.tabla, (Celdas{{""}}));
  EXPECT_TRUE(v.arbol.empty());
}

// A right press opens "Menu MAN" with its two entries; a left one nothing.
TEST_F(MAN, ElBotonDerechoAbreElMenu) {
  DlgMAN r;
  RedManual m;
  m.Corriente(400, 300);
  m.Corriente(300, 380);
  m.Cambiador(0, 1);
  r.modelo = m.d;
  EXPECT_TRUE(ConDialogos::Correr(&FabricaDialogosQt::MAN, r, [](Driver& d) {
    auto* dlg = static_cast<D*>(&d.Dialog());
    auto* g = d.Dialog().Get<DisplayGrid>(D::kIdTabla);
    const QPoint p = g->CellRect(1, 1).center() - g->viewport()->geometry().topLeft();
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, p);
    EXPECT_FALSE(dlg->MenuMAN()->isVisible());
    QTest::mousePress(g->viewport(), Qt::RightButton, {}, p);
    ASSERT_TRUE(dlg->MenuMAN()->isVisible());
    EXPECT_EQ(dlg->MenuMAN()->title().toStdString(), "Menu MAN");
    std::vector<std::string> textos;
    for (QAction* a : dlg->MenuMAN()->actions()) textos.push_back(a->text().toStdString());
    EXPECT_EQ(textos, (std::vector<std::string>{"&Copiar", "&Exportar como .dat"}));
    // Without the main window the entries reach nothing, and nothing breaks.
    dlg->MenuMAN()->actions()[0]->trigger();
    dlg->MenuMAN()->close();
    QTest::mouseRelease(g->viewport(), Qt::RightButton, {}, p);
    d.Ok();
  }));
}

}  // namespace
}  // namespace vardo::prueba
