// Pictures of the program, kept in /tmp for a look: the main window with a
// document open (grid diagram, composite curves), and every drawing mode of
// every sample document as the view lays it out.
#include <QImage>
#include <QPainter>

#include "app/core/document/ids_comandos.h"
#include "fixture.h"
#include "platform/qt/qt_dc.h"
#include "platform/qt/recordedpicture.h"

namespace vardo::prueba {
namespace {

class Imagenes : public AppFixture {
 protected:
  // The view's laid-out picture, whole, on white.
  QImage Imagen() {
    const QSize s = Vista()->TamanoTotal().expandedTo(QSize(100, 100));
    QImage img(s, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    QtDc dc(p);
    ReplayItems(Vista()->Imagen(), dc);
    p.end();
    return img;
  }
};

TEST_F(Imagenes, VentanaConDiagramaYCurvas) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  Marco().resize(1280, 860);
  Procesar();
  ASSERT_NE(Doc(), nullptr);
  EXPECT_EQ(Doc()->m_nModo, 3);
  EXPECT_TRUE(Marco().grab().save("/tmp/vardo_trama.png"));
  ASSERT_TRUE(Marco().Commands().Execute(cmd::kCompuestas));
  Procesar();
  EXPECT_EQ(Doc()->m_nModo, 2);
  EXPECT_TRUE(Marco().grab().save("/tmp/vardo_compuestas.png"));
}

TEST_F(Imagenes, CadaModoDeCadaEjemplo) {
  ASSERT_EQ(Iniciar(), -1);
  for (const char* nombre : {"cuatro_corrientes", "latente_y_tabla", "servicios_y_area"}) {
    const std::string archivo = std::string(nombre) + ".vdo";
    ASSERT_NE(app_->AbrirDocumento(CopiaEjemplo(archivo.c_str())), nullptr);
    for (int modo = 1; modo <= 17; ++modo) {
      SCOPED_TRACE(std::string(nombre) + " modo " + std::to_string(modo));
      Doc()->m_nModo = modo;
      Doc()->m_bRedibujar = true;
      Doc()->UpdateAllViews();
      EXPECT_EQ(Doc()->m_nModo, modo);
      EXPECT_FALSE(Vista()->Imagen().empty());
      const QImage img = Imagen();
      // Something besides white was drawn.
      bool tinta = false;
      for (int y = 0; y < img.height() && !tinta; y += 2)
        for (int x = 0; x < img.width() && !tinta; x += 2)
          if (img.pixel(x, y) != qRgb(255, 255, 255)) tinta = true;
      EXPECT_TRUE(tinta);
      img.save(QStringLiteral("/tmp/vardo_%1_modo%2.png").arg(nombre).arg(modo, 2, 10, QLatin1Char('0')));
    }
  }
}

}  // namespace
}  // namespace vardo::prueba
