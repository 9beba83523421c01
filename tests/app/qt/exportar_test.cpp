// The view's exports in the running program: the picture on the clipboard
// as a metafile (read back record by record by libUEMF) and a PNG, the
// picture, chart data and matrix files through the save dialog, the tables
// and the matrix as clipboard text, and a file that cannot be written.
#include <uemf.h>
#include <uemf_safe.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <algorithm>
#include <cstring>

#include "app/core/document/ids_comandos.h"
#include "app/core/views/exportar.h"
#include "fixture.h"
#include "platform/qt/clipboard.h"
#include "platform/qt/flatstyle.h"

namespace vardo::prueba {
namespace {

// The record types of a metafile; every record passes libUEMF's checks.
std::vector<std::uint32_t> Registros(const QByteArray& emf) {
  std::vector<std::uint32_t> tipos;
  qsizetype en = 0;
  while (en + 8 <= emf.size()) {
    std::uint32_t tipo = 0, tam = 0;
    std::memcpy(&tipo, emf.constData() + en, 4);
    std::memcpy(&tam, emf.constData() + en + 4, 4);
    if (tam < 8 || en + tam > emf.size()) break;
    std::vector<char> copia(emf.constData() + en, emf.constData() + en + tam);
    EXPECT_TRUE(U_emf_record_safe(copia.data())) << "record " << tipos.size() << " type " << tipo;
    tipos.push_back(tipo);
    en += tam;
  }
  EXPECT_EQ(en, emf.size());
  return tipos;
}

QByteArray LeerArchivo(const QString& ruta) {
  QFile f(ruta);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray Bytes(const std::vector<std::uint8_t>& b) {
  return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

class Exportar : public AppFixture {
 protected:
  bool Ejecutar(int id) { return Marco().Commands().Execute(id); }
  const QMimeData* Portapapeles() { return QGuiApplication::clipboard()->mimeData(); }
  std::string TextoPortapapeles() { return QGuiApplication::clipboard()->text().toStdString(); }
};

TEST_F(Exportar, ImagenAlPortapapelesComoMetafileYPng) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("servicios_y_area.vdo")}), -1);
  ASSERT_EQ(Doc()->m_nModo, 3);
  const auto antes = Doc()->IsModified();
  ASSERT_TRUE(Ejecutar(cmd::kCopiar));
  const QMimeData* m = Portapapeles();
  ASSERT_NE(m, nullptr);
  const QByteArray emf = m->data(QString::fromLatin1(kMimeEmf));
  EXPECT_EQ(m->data(QString::fromLatin1(kMimeXEmf)), emf);
  const std::vector<std::uint32_t> tipos = Registros(emf);
  ASSERT_GE(tipos.size(), 3u);
  EXPECT_EQ(tipos.front(), static_cast<std::uint32_t>(U_EMR_HEADER));
  EXPECT_EQ(tipos.back(), static_cast<std::uint32_t>(U_EMR_EOF));
  EXPECT_GT(std::count(tipos.begin(), tipos.end(), U_EMR_EXTTEXTOUTW), 5);
  EXPECT_GT(std::count(tipos.begin(), tipos.end(), U_EMR_LINETO), 5);
  // The same bytes the picture builder gives.
  EXPECT_EQ(emf, Bytes(MetafileImagen(Doc()->m_Diagrama, Vista()->Grafica(), 3)));
  // The PNG: as large as the drawn extent at the screen's resolution.
  QImage png;
  ASSERT_TRUE(png.loadFromData(m->data(QString::fromLatin1(kMimePng)), "PNG"));
  Rect b;
  ASSERT_TRUE(LimitesMetafile(std::vector<std::uint8_t>(emf.begin(), emf.end()), b));
  const double px = Vista()->viewport()->logicalDpiX() / 2540.0;
  EXPECT_NEAR(png.width(), (b.right - b.left) * px + 8, 3);
  EXPECT_NEAR(png.height(), (b.bottom - b.top) * px + 8, 3);
  int tinta = 0;
  const QImage rgb = png.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < rgb.height(); ++y)
    for (int x = 0; x < rgb.width(); ++x) tinta += rgb.pixel(x, y) != qRgb(255, 255, 255);
  EXPECT_GT(tinta, 500);
  ASSERT_TRUE(png.save(QString::fromStdString(::testing::TempDir() + "/vardo_portapapeles.png")));
  EXPECT_EQ(Doc()->IsModified(), antes);
  EXPECT_EQ(Doc()->m_Diagrama.m_dibujoExportar, 1);
}

TEST_F(Exportar, SinDibujoNoHayImagenQueCopiarNiGrabar) {
  ASSERT_EQ(Iniciar(), -1);
  Marco().show();
  Procesar();
  ASSERT_EQ(Doc()->m_nModo, 0);
  QGuiApplication::clipboard()->setText(QStringLiteral("antes"));
  // The toolbar button and the menu items are off.
  Marco().Commands().UpdateAll();
  for (int id : {cmd::kCopiar, cmd::kGrabarImagen}) {
    SCOPED_TRACE(id);
    EXPECT_FALSE(Marco().Commands().Action(id)->isEnabled());
    EXPECT_FALSE(Ejecutar(id));
  }
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("antes"));
  EXPECT_TRUE(dialogos_.Log().empty());

  // A stream gives the grid diagram: both come back.
  Doc()->CambiarModelo([&] { Doc()->m_Diagrama.AddCorriente(400.0, 300.0, 2.0, 0, 0); });
  Procesar();
  ASSERT_EQ(Doc()->m_nModo, 3);
  Marco().Commands().UpdateAll();
  for (int id : {cmd::kCopiar, cmd::kGrabarImagen})
    EXPECT_TRUE(Marco().Commands().Action(id)->isEnabled()) << id;
  ASSERT_TRUE(Ejecutar(cmd::kCopiar));
  EXPECT_TRUE(Portapapeles()->hasFormat(QString::fromLatin1(kMimeEmf)));
}

TEST_F(Exportar, GrabarImagenEnUnArchivo) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  const QString ruta = Ruta("red.wmf");
  dialogos_.Script(ruta);
  ASSERT_TRUE(Ejecutar(cmd::kGrabarImagen));
  ASSERT_EQ(dialogos_.Log().size(), 1u);
  const FileDialogRequest& r = dialogos_.Log()[0];
  EXPECT_TRUE(r.save);
  EXPECT_EQ(r.title, QStringLiteral("Guardar como"));
  EXPECT_EQ(r.filter, QStringLiteral("Windows Metafile (wmf) (*.wmf)"));
  EXPECT_TRUE(r.hideFilterDetails);
  EXPECT_EQ(r.defaultSuffix, QStringLiteral("wmf"));
  EXPECT_EQ(r.initialPath, QStringLiteral("*.wmf"));
  EXPECT_EQ(LeerArchivo(ruta), Bytes(MetafileImagen(Doc()->m_Diagrama, Vista()->Grafica(), 3)));
  EXPECT_TRUE(runner_.Log().empty());
  // The real save dialog given that request lists the type by its text alone.
  QStringList tipos;
  QTimer::singleShot(0, [&tipos] {
    auto* dlg = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dlg) return;
    if (auto* combo = dlg->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
      for (int i = 0; i < combo->count(); ++i) tipos << combo->itemText(i);
    dlg->reject();
  });
  QtFileDialogRunner real;
  EXPECT_TRUE(real.Run(Vista(), r).isEmpty());
  EXPECT_EQ(tipos, QStringList{QStringLiteral("Windows Metafile (wmf)")});
  // Cancel writes nothing and says nothing.
  QFile::remove(ruta);
  dialogos_.Script(QString());
  ASSERT_TRUE(Ejecutar(cmd::kGrabarImagen));
  EXPECT_FALSE(QFile::exists(ruta));
  EXPECT_TRUE(runner_.Log().empty());
}

TEST_F(Exportar, UnArchivoQueNoSePuedeEscribirSeDice) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  const QString ruta = Ruta("no/existe/red.wmf");
  // A folder where the file should go (root may write anywhere else).
  const QString carpeta = Ruta("carpeta.txt");
  ASSERT_TRUE(QDir().mkpath(carpeta));
  ASSERT_TRUE(Ejecutar(cmd::kCompuestas));
  struct Caso {
    int id;
    QString ruta;
    std::string texto;
  } casos[] = {
      {cmd::kGrabarImagen, ruta,
       ruta.toStdString() + "\nImposible encontrar este archivo.\nCompruebe que la ruta y el nombre de "
                            "archivo son correctos"},
      {cmd::kExportarGrafica, carpeta, "Imposible guardar documento."},
  };
  for (const auto& c : casos) {
    const std::size_t antes = runner_.Log().size();
    dialogos_.Script(c.ruta);
    ASSERT_TRUE(Ejecutar(c.id));
    ASSERT_EQ(runner_.Log().size(), antes + 1) << c.id;
    EXPECT_EQ(runner_.Log().back().text, c.texto);
    EXPECT_EQ(runner_.Log().back().icon, MsgIcon::Critical);
  }
  EXPECT_TRUE(QFileInfo(carpeta).isDir());
  EXPECT_FALSE(QFile::exists(ruta));
}

TEST_F(Exportar, DatosDeLaGraficaEnTexto) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("cuatro_corrientes.vdo")}), -1);
  // Only a chart has data to write.
  EXPECT_FALSE(Marco().Commands().State(cmd::kExportarGrafica).enabled);
  ASSERT_TRUE(Ejecutar(cmd::kCompuestas));
  ASSERT_EQ(Doc()->m_nModo, 2);
  EXPECT_TRUE(Marco().Commands().State(cmd::kExportarGrafica).enabled);
  const QString ruta = Ruta("compuestas.txt");
  dialogos_.Script(ruta);
  ASSERT_TRUE(Ejecutar(cmd::kExportarGrafica));
  const FileDialogRequest& r = dialogos_.Log().back();
  EXPECT_EQ(r.filter, QStringLiteral("Archivos de texto (txt) (*.txt)"));
  EXPECT_TRUE(r.hideFilterDetails);
  EXPECT_EQ(r.defaultSuffix, QStringLiteral("txt"));
  EXPECT_EQ(r.initialPath, QStringLiteral("*.txt"));
  const QByteArray texto = LeerArchivo(ruta);
  const CGrafica& g = Vista()->Grafica();
  ASSERT_GE(g.series.size(), 2u);
  // Title, empty line, first label, CR LF after every line and no bare LF.
  EXPECT_TRUE(texto.startsWith(QByteArray::fromStdString(g.titulo + "\r\n\r\n" +
                                                          g.series[0].etiqueta + "\r\n")));
  EXPECT_EQ(texto.count("\n"), texto.count("\r\n"));
  EXPECT_EQ(texto.count("\r\n"),
            static_cast<qsizetype>(3 + g.puntos.size() + 2 * (g.series.size() - 1)));
  EXPECT_EQ(texto, Bytes(TextoParaArchivo(TextoDatosGrafica(g))));

  // The chart's picture on the clipboard, with its legend texts.
  ASSERT_TRUE(Ejecutar(cmd::kCopiar));
  const QByteArray emf = Portapapeles()->data(QString::fromLatin1(kMimeEmf));
  EXPECT_EQ(emf, Bytes(MetafileImagen(Doc()->m_Diagrama, g, 2)));
  const std::vector<std::uint32_t> tipos = Registros(emf);
  EXPECT_GT(std::count(tipos.begin(), tipos.end(), U_EMR_EXTTEXTOUTW), 5);
  QImage png;
  ASSERT_TRUE(png.loadFromData(Portapapeles()->data(QString::fromLatin1(kMimePng)), "PNG"));
  ASSERT_TRUE(png.save(QString::fromStdString(::testing::TempDir() + "/vardo_portapapeles_grafica.png")));
}

TEST_F(Exportar, TablasYMatrizPorSuIdentificador) {
  ASSERT_EQ(Iniciar({CopiaEjemplo("servicios_y_area.vdo")}), -1);
  CDiagrama& m = Doc()->m_Diagrama;
  ASSERT_EQ(m.GetNumCambiadores(), 3);
  Vista()->Comandos().Run(cmd::kCopiarTablaCambiadores);
  const std::string cambiadores = TextoPortapapeles();
  EXPECT_EQ(cambiadores.substr(0, cambiadores.find('\n')),
            "Cambiador\tCarga\tC. caliente\tT1 (K)\tT2 (K)\tC. fría\tT1 (K)\tT2 (K)\tÁrea (m2)\tCoste ($)");
  EXPECT_EQ(cambiadores, TextoTablaCambiadores(m));
  // The steam heater's hot side is utility 1, the cooler's cold side utility 2.
  EXPECT_NE(cambiadores.find("\t1001\t"), std::string::npos);
  EXPECT_NE(cambiadores.find("\t1002\t"), std::string::npos);
  EXPECT_EQ(cambiadores.find('\r'), std::string::npos);

  Vista()->Comandos().Run(cmd::kCopiarTablaCorrientes);
  const std::string corrientes = TextoPortapapeles();
  EXPECT_EQ(corrientes, TextoTablaCorrientes(m));
  EXPECT_EQ(std::count(corrientes.begin(), corrientes.end(), '\n'), 1 + m.GetNumCorrientes());

  Vista()->Comandos().Run(cmd::kCopiarMAN);
  const TablaMAN t = TablaMatrizMAN(m);
  EXPECT_EQ(TextoPortapapeles(), TextoMatrizMAN(t));

  const QString ruta = Ruta("anillos.dat");
  dialogos_.Script(ruta);
  Vista()->Comandos().Run(cmd::kExportarMAN);
  const FileDialogRequest& r = dialogos_.Log().back();
  EXPECT_EQ(r.filter, QStringLiteral("Archivos para Anillos.nb (Archivos dat) (*.dat)"));
  EXPECT_TRUE(r.hideFilterDetails);
  EXPECT_EQ(r.defaultSuffix, QStringLiteral("dat"));
  const QByteArray dat = LeerArchivo(ruta);
  EXPECT_TRUE(dat.startsWith(QByteArray::number(static_cast<int>(t.nombres.size())) + "\r\n"));
  EXPECT_EQ(dat, Bytes(TextoParaArchivo(TextoArchivoMAN(t))));
  EXPECT_FALSE(Doc()->IsModified());
}

TEST_F(Exportar, ElArranqueInstalaElAspectoPlano) {
  ASSERT_EQ(Iniciar(), -1);
  EXPECT_TRUE(CGestorControles::Instalado());
  QStyle* estilo = QApplication::style();
  CGestorControles::Instalar();
  EXPECT_EQ(QApplication::style(), estilo);
}

}  // namespace
}  // namespace vardo::prueba
