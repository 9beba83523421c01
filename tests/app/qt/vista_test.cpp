// The view: page grid and printing, painting that changes nothing.
#include <QFile>
#include <QPainter>
#include <QScrollBar>
#include <QPrinter>
#include <QRegularExpression>

#include "app/core/document/ids_comandos.h"
#include "fixture.h"
#include "model/documento_archivo.h"
#include "platform/core/redondeo.h"
#include "platform/qt/qt_dc.h"
#include "platform/qt/recordedpicture.h"

namespace vardo::prueba {
namespace {

TEST(PaginasImpresion, RejillaDePaginas) {
  struct Caso {
    Rect r;
    int dpi, ancho, alto;
    int columnas, filas;
  } casos[] = {
      // 180 x 110 mm at 600 dpi on 4800 x 6600 dots: 23 dots per mm, one page.
      {{1500, -1500, 19500, -12500}, 600, 4800, 6600, 1, 1},
      // 400 mm wide at 300 dpi (11 dots per mm) on 2400 x 3300: two columns.
      {{1500, -1500, 41500, -12500}, 300, 2400, 3300, 2, 1},
      // 400 x 400 mm on the same page: two columns of two rows.
      {{1500, -1500, 41500, -41500}, 300, 2400, 3300, 2, 2},
      // A printable area of zero is one page, not a division by zero.
      {{1500, -1500, 19500, -12500}, 600, 0, 0, 1, 1},
  };
  for (const auto& c : casos) {
    const RejillaPaginas g = CalcularPaginas(c.r, c.dpi, c.dpi, c.ancho, c.alto);
    EXPECT_EQ(g.columnas, c.columnas) << c.r.right << "x" << c.r.bottom;
    EXPECT_EQ(g.filas, c.filas) << c.r.right << "x" << c.r.bottom;
  }
  // Pages run down the first column, then down the next.
  const RejillaPaginas g{2, 3};
  EXPECT_EQ(g.Paginas(), 6);
  EXPECT_EQ(std::make_pair(g.Columna(3), g.Fila(3)), std::make_pair(0, 2));
  EXPECT_EQ(std::make_pair(g.Columna(4), g.Fila(4)), std::make_pair(1, 0));
}

class VistaDoc : public AppFixture {};

int PaginasPdf(const QString& ruta) {
  QFile f(ruta);
  if (!f.open(QIODevice::ReadOnly)) return -1;
  const QString texto = QString::fromLatin1(f.readAll());
  return static_cast<int>(texto.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

TEST_F(VistaDoc, ImprimeTantasPaginasComoLaRejillaPideSinTocarElModelo) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("servicios_y_area.vdo")}), -1);
  CDiagrama& m = Doc()->m_Diagrama;
  // A grid 60 cm wide needs more than one page across.
  m.m_rectGrafico = Rect{1500, -1500, 61500, -12500};
  Doc()->UpdateAllViews();
  const auto antes = GuardarDocumento(MarcoDocumento{0, 3, false}, m);
  const QString ruta = Ruta("impreso.pdf");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(ruta);
  ASSERT_TRUE(Vista()->Imprimir(printer));
  const RejillaPaginas g =
      CalcularPaginas(m.m_rectGrafico, printer.logicalDpiX(), printer.logicalDpiY(),
                      printer.width(), printer.height());
  EXPECT_GE(g.columnas, 2);
  EXPECT_EQ(PaginasPdf(ruta), g.Paginas());
  EXPECT_EQ(m.m_dibujoExportar, 1);
  EXPECT_EQ(GuardarDocumento(MarcoDocumento{0, 3, false}, m), antes);
}

// The view keeps its painting between layouts, and never shows a stale one:
// what it paints is always the current layout drawn afresh, before a change
// and after it.
TEST_F(VistaDoc, LaVistaPintaSiempreLaMaquetaActual) {
  AbrirEnVentana("cuatro_corrientes.vdo");
  ASSERT_NE(Vista(), nullptr);
  QWidget* lienzo = Vista()->viewport();
  auto pintado = [&] { return lienzo->grab().toImage().convertToFormat(QImage::Format_RGB32); };
  auto directo = [&] {
    QImage img(lienzo->size(), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    QtDc dc(p,
            QPointF(-Vista()->horizontalScrollBar()->value(), -Vista()->verticalScrollBar()->value()),
            lienzo->logicalDpiX() / kCentesimasMmPorPulgada,
            lienzo->logicalDpiY() / kCentesimasMmPorPulgada);
    ReplayItems(Vista()->Imagen(), dc);
    p.end();
    return img;
  };
  const QImage antes = pintado();
  EXPECT_TRUE(antes == directo());
  EXPECT_TRUE(pintado() == antes);  // painted again from what was kept
  Doc()->CambiarModelo([&] { Doc()->m_Diagrama.BorrarCorriente(0); });
  Procesar();
  const QImage despues = pintado();
  EXPECT_FALSE(despues == antes);
  EXPECT_TRUE(despues == directo());
}

TEST_F(VistaDoc, PintarNoCambiaNada) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("servicios_y_area.vdo")}), -1);
  Marco().show();
  Procesar();
  CDiagrama& m = Doc()->m_Diagrama;
  const auto antes = GuardarDocumento(MarcoDocumento{0, 3, false}, m);
  const auto imagen = Vista()->Imagen().size();
  const int deshacer = Doc()->NumDeshacer();
  for (int i = 0; i < 3; ++i) Vista()->viewport()->repaint();
  EXPECT_EQ(GuardarDocumento(MarcoDocumento{0, 3, false}, m), antes);
  EXPECT_EQ(Vista()->Imagen().size(), imagen);
  EXPECT_EQ(Doc()->NumDeshacer(), deshacer);
  EXPECT_FALSE(Doc()->IsModified());
}

TEST_F(VistaDoc, TextosDeLaTramaYTamanoDeDesplazamiento) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  std::vector<std::string> textos;
  for (const auto& it : Vista()->Imagen())
    if (it.op == RecordingDc::Op::Text) textos.push_back(it.text);
  auto tiene = [&](const std::string& t) {
    return std::find(textos.begin(), textos.end(), t) != textos.end();
  };
  EXPECT_TRUE(tiene("H (kW)"));
  EXPECT_TRUE(tiene("m·cp (kW/K)"));
  EXPECT_TRUE(tiene("363.15"));  // the hot pinch temperature over the pinch line
  const Rect r = Doc()->m_Diagrama.m_rectGrafico;
  const double dpi = Vista()->viewport()->logicalDpiY();
  EXPECT_NEAR(Vista()->TamanoTotal().height(), (500 - r.bottom) * dpi / 2540.0, 1.0);
}

// Every two texts of the grid diagram that stand on each other, measured at
// the fonts they were laid out with on the view's device.
std::vector<std::string> TextosMontados(const CVardoView& v) {
  MeasuringRecordingDc med(v.viewport()->logicalDpiX());
  struct Caja {
    std::string texto;
    Rect r;
  };
  std::vector<Caja> cajas;
  for (const RecordingDc::Item& it : v.Imagen()) {
    if (it.op != RecordingDc::Op::Text || it.text.empty()) continue;
    med.SelectFont(it.font);
    const Point e = med.TextExtent(it.text);
    const Point p = it.points.front();
    cajas.push_back({it.text, Rect{p.x, p.y, p.x + e.x, p.y - e.y}});
  }
  std::vector<std::string> out;
  for (std::size_t i = 0; i < cajas.size(); ++i)
    for (std::size_t k = i + 1; k < cajas.size(); ++k) {
      const Rect& a = cajas[i].r;
      const Rect& b = cajas[k].r;
      if (a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top)
        out.push_back("\"" + cajas[i].texto + "\" on \"" + cajas[k].texto + "\"");
    }
  return out;
}

// On every sample, as the view lays the grid diagram out (utility rows shown
// where the sample has utilities): no text stands on another; an exchanger's
// end temperature next to a stream's end moves clear of the stream's own.
TEST_F(VistaDoc, TextosDeLaTramaNoSeMontan) {
  for (const char* ejemplo : {"cuatro_corrientes.vdo", "latente_y_tabla.vdo", "servicios_y_area.vdo"}) {
    SCOPED_TRACE(ejemplo);
    if (app_) {
      app_->CerrarTodos();
      Procesar();
      app_.reset();
      Procesar();
    }
    ASSERT_EQ(Iniciar({CopiaEjemplo(ejemplo)}), -1);
    ASSERT_EQ(Doc()->m_nModo, 3);
    ASSERT_FALSE(Vista()->Imagen().empty());
    EXPECT_EQ(TextosMontados(*Vista()), std::vector<std::string>{});
    EXPECT_TRUE(Vista()->grab().save(
        QString::fromStdString(::testing::TempDir() + "trama_" + ejemplo + ".png"), "PNG"));
  }
}

}  // namespace
}  // namespace vardo::prueba
