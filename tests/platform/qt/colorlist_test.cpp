// The colour list: rows carry their colour, and each row is painted by the
// rule: its colour as text when unselected, its colour as fill with the
// inverse text when selected, the system colours for colour 0.
#include "platform/qt/colorlist.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

namespace vardo {
namespace {

class ListaColores : public ::testing::Test {
 protected:
  void SetUp() override {
    QFont f = lista.font();
    f.setStyleStrategy(QFont::NoAntialias);  // whole pixels in the text colour
    f.setPixelSize(14);
    lista.setFont(f);
    lista.resize(200, 120);
    lista.AddItem("Diagrama completo", 0);
    lista.AddItem("1 Norte", MakeRgb(200, 0, 0));
    lista.AddItem("2 Sur", MakeRgb(0, 0, 160));
  }

  // Pixels of one row that have exactly this colour.
  int Pixeles(const QImage& img, int fila, const QColor& c) {
    const QRect r = lista.visualItemRect(lista.item(fila)).translated(lista.viewport()->pos());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x)
        if (img.pixelColor(x, y).rgb() == c.rgb()) ++n;
    return n;
  }
  // A point of the row's background, away from its text and its border.
  QColor Fondo(const QImage& img, int fila) {
    const QRect r = lista.visualItemRect(lista.item(fila)).translated(lista.viewport()->pos());
    return img.pixelColor(r.right() - 4, r.center().y());
  }
  QImage Imagen() { return lista.grab().toImage().convertToFormat(QImage::Format_RGB32); }

  CListaColores lista;
};

TEST_F(ListaColores, FilasConSuColor) {
  EXPECT_EQ(lista.count(), 3);
  EXPECT_EQ(lista.AddItem("3 Este", MakeRgb(1, 2, 3)), 3);
  EXPECT_EQ(lista.GetColor(1), MakeRgb(200, 0, 0));
  lista.SetColor(1, MakeRgb(0, 128, 0));
  EXPECT_EQ(lista.GetColor(1), MakeRgb(0, 128, 0));
  // An index past the rows changes nothing and reads 0.
  lista.SetColor(7, MakeRgb(9, 9, 9));
  lista.SetColor(-1, MakeRgb(9, 9, 9));
  EXPECT_EQ(lista.GetColor(7), 0u);
  EXPECT_EQ(lista.count(), 4);
  EXPECT_EQ(lista.item(3)->data(Qt::UserRole).toUInt(), MakeRgb(1, 2, 3));
}

TEST_F(ListaColores, ReglaDeColores) {
  const QPalette& pal = lista.palette();
  const QColor rojo(200, 0, 0);
  struct Caso {
    Rgb color;
    bool seleccionada, activa;
    QColor fondo, texto;
  } casos[] = {
      {0, false, true, pal.color(QPalette::Base), pal.color(QPalette::Active, QPalette::Text)},
      {0, true, true, Qt::black, pal.color(QPalette::Active, QPalette::HighlightedText)},
      {MakeRgb(200, 0, 0), false, true, pal.color(QPalette::Base), rojo},
      {MakeRgb(200, 0, 0), true, true, rojo, QColor(55, 255, 255)},
      {MakeRgb(200, 0, 0), false, false, pal.color(QPalette::Base),
       pal.color(QPalette::Disabled, QPalette::Text)},
  };
  for (const auto& c : casos) {
    const ColoresFilaLista r = ColoresFila(c.color, c.seleccionada, c.activa, pal);
    EXPECT_EQ(r.fondo.rgb(), c.fondo.rgb()) << c.color << " " << c.seleccionada;
    EXPECT_EQ(r.texto.rgb(), c.texto.rgb()) << c.color << " " << c.seleccionada;
  }
}

TEST_F(ListaColores, PintaCadaFilaConSuRegla) {
  const QPalette& pal = lista.palette();
  const QColor texto = pal.color(QPalette::Active, QPalette::Text);
  const QColor textoSel = pal.color(QPalette::Active, QPalette::HighlightedText);
  const QColor rojo(200, 0, 0), azul(0, 0, 160);

  lista.setCurrentRow(0);
  QImage img = Imagen();
  ASSERT_TRUE(img.save(QString::fromStdString(::testing::TempDir() + "/vardo_lista_colores.png")));
  // Colour 0 selected: black fill, highlight text.
  EXPECT_EQ(Fondo(img, 0).rgb(), QColor(Qt::black).rgb());
  EXPECT_GT(Pixeles(img, 0, textoSel), 10);
  // Unselected rows: window background, text in the row's colour.
  EXPECT_EQ(Fondo(img, 1).rgb(), pal.color(QPalette::Base).rgb());
  EXPECT_GT(Pixeles(img, 1, rojo), 10);
  EXPECT_GT(Pixeles(img, 2, azul), 10);

  lista.setCurrentRow(1);
  img = Imagen();
  // Colour 0 unselected: window text; the red row filled red, text cyan-ish.
  EXPECT_GT(Pixeles(img, 0, texto), 10);
  EXPECT_EQ(Fondo(img, 1).rgb(), rojo.rgb());
  EXPECT_GT(Pixeles(img, 1, QColor(55, 255, 255)), 10);

  // SetColor repaints at once.
  lista.SetColor(1, MakeRgb(0, 128, 0));
  img = Imagen();
  EXPECT_EQ(Fondo(img, 1).rgb(), QColor(0, 128, 0).rgb());

  // A disabled list writes every row in grey.
  lista.setCurrentRow(-1);
  lista.setEnabled(false);
  img = Imagen();
  const QColor gris = pal.color(QPalette::Disabled, QPalette::Text);
  for (int fila = 0; fila < 3; ++fila) EXPECT_GT(Pixeles(img, fila, gris), 10) << fila;
  EXPECT_EQ(Pixeles(img, 2, azul), 0);
}

TEST_F(ListaColores, FilasNoCortanElTexto) {
  const QFontMetrics fm(lista.font());
  for (int i = 0; i < lista.count(); ++i)
    EXPECT_GE(lista.visualItemRect(lista.item(i)).height(), fm.height()) << i;
}

}  // namespace
}  // namespace vardo
