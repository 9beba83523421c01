// Pictures of the main window with a document open: the grid diagram and a
// composite chart, kept in /tmp for a look.
#include <QImage>
#include <QMdiArea>
#include <QScrollBar>

#include "app/ids_comandos.h"
#include "fixture.h"

namespace vardo::prueba {
namespace {

class Imagenes : public AppFixture {};

TEST_F(Imagenes, VentanaConDiagramaYCurvas) {
  ASSERT_EQ(Iniciar({Ejemplo("cuatro_corrientes.vdo")}), -1);
  Marco().resize(1280, 860);
  Procesar();
  ASSERT_NE(Doc(), nullptr);
  EXPECT_EQ(Doc()->m_nModo, 3);
  Marco().grab().save("/tmp/vardo_trama.png");

  ASSERT_TRUE(Marco().Commands().Execute(cmd::kCompuestas));
  Procesar();
  EXPECT_EQ(Doc()->m_nModo, 2);
  Marco().grab().save("/tmp/vardo_compuestas.png");

  ASSERT_TRUE(Marco().Commands().Execute(cmd::kGrandCompuesta));
  Procesar();
  Marco().grab().save("/tmp/vardo_grand.png");
}

}  // namespace
}  // namespace vardo::prueba
