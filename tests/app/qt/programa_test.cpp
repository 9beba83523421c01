// The program itself run as a user runs it from a shell: its real start-up,
// exit path and exit code, what it writes to the error output, and the
// files it leaves.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

struct Resultado {
  QProcess::ExitStatus estado = QProcess::CrashExit;
  int codigo = -1;
  QString errores;
  qint64 ms = 0;
};

class Programa : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

  // Runs the program in the temporary folder, with its profile and desktop
  // registration there too and no screen.
  Resultado Ejecutar(const QStringList& argumentos) {
    QProcess p;
    p.setProgram(QStringLiteral(VARDO_PROGRAMA));
    p.setArguments(argumentos);
    p.setWorkingDirectory(dir_.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), dir_.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir_.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path());
    p.setProcessEnvironment(env);
    QElapsedTimer reloj;
    reloj.start();
    p.start();
    Resultado r;
    if (!p.waitForFinished(60000)) {
      p.kill();
      p.waitForFinished();
      ADD_FAILURE() << "the program did not end";
      return r;
    }
    r.ms = reloj.elapsed();
    r.estado = p.exitStatus();
    r.codigo = p.exitCode();
    r.errores = QString::fromUtf8(p.readAllStandardError());
    return r;
  }

  // A copy of a sample document in the temporary folder.
  QString Copia(const char* nombre) {
    const auto origen = std::filesystem::path(VARDO_EXAMPLES_DIR) / nombre;
    const QString destino = dir_.filePath(QString::fromUtf8(nombre));
    EXPECT_TRUE(QFile::copy(QString::fromStdString(origen.string()), destino));
    return destino;
  }

  static bool EsPdf(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) && f.read(5).startsWith("%PDF") && f.size() > 1000;
  }

  QTemporaryDir dir_;
};

// Printing from a shell with no printer: the PDF beside the document, its
// path on the error output, exit code 0 after the whole exit path (the
// windows, documents and main window torn down); a document named by a path
// relative to the folder the program starts in.
TEST_F(Programa, ImprimirDesdeUnaConsolaTerminaConCeroYDejaElPdf) {
  struct Caso {
    const char* nombre;
    QStringList argumentos;
    const char* enErrores;
  };
  Copia("cuatro_corrientes.vdo");
  const QString absoluta = dir_.filePath(QStringLiteral("cuatro_corrientes.vdo"));
  const Caso casos[] = {
      {"/p", {QStringLiteral("/p"), absoluta}, "No hay ninguna impresora disponible"},
      {"/p relative", {QStringLiteral("/p"), QStringLiteral("cuatro_corrientes.vdo")},
       "No hay ninguna impresora disponible"},
      {"/pt", {QStringLiteral("/pt"), absoluta, QStringLiteral("ImpresoraInexistente")},
       "No se encuentra la impresora ImpresoraInexistente"},
      {"-P upper case", {QStringLiteral("-P"), absoluta}, "No hay ninguna impresora disponible"},
  };
  const QString pdf = dir_.filePath(QStringLiteral("cuatro_corrientes.pdf"));
  for (const auto& c : casos) {
    QFile::remove(pdf);
    const Resultado r = Ejecutar(c.argumentos);
    EXPECT_EQ(r.estado, QProcess::NormalExit) << c.nombre;
    EXPECT_EQ(r.codigo, 0) << c.nombre << "\n" << r.errores.toStdString();
    EXPECT_TRUE(EsPdf(pdf)) << c.nombre;
    EXPECT_TRUE(r.errores.contains(QString::fromUtf8(c.enErrores))) << r.errores.toStdString();
    EXPECT_TRUE(r.errores.contains(QDir::toNativeSeparators(pdf))) << c.nombre;
    EXPECT_LT(r.ms, 20000) << c.nombre;
  }
}

// A path that is no switch and names no file gets the missing-file message
// (a path beginning with "/" included) and the program ends with failure;
// so does printing a missing file, a damaged one, or nothing at all.
TEST_F(Programa, ArchivoQueNoSePuedeAbrirTerminaConError) {
  {
    QFile f(dir_.filePath(QStringLiteral("corto.vdo")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x01\x00\x00", 3);
  }
  struct Caso {
    QStringList argumentos;
    const char* enErrores;
  };
  const Caso casos[] = {
      {{QStringLiteral("/tmp/no/such.vdo")}, "/tmp/no/such.vdo\nImposible encontrar este archivo."},
      {{QStringLiteral("/typo")}, "/typo\nImposible encontrar este archivo."},
      {{QStringLiteral("no_existe.vdo")}, "Imposible encontrar este archivo."},
      {{QStringLiteral("/p"), QStringLiteral("/tmp/no/such.vdo")},
       "Imposible encontrar este archivo."},
      {{QStringLiteral("/p"), QStringLiteral("corto.vdo")}, "Formato de archivo no esperado."},
      {{QStringLiteral("/p")}, ""},
  };
  for (const auto& c : casos) {
    const Resultado r = Ejecutar(c.argumentos);
    EXPECT_EQ(r.estado, QProcess::NormalExit) << c.argumentos.join(' ').toStdString();
    EXPECT_NE(r.codigo, 0) << c.argumentos.join(' ').toStdString();
    EXPECT_TRUE(r.errores.contains(QString::fromUtf8(c.enErrores))) << r.errores.toStdString();
  }
  EXPECT_FALSE(QFile::exists(dir_.filePath(QStringLiteral("corto.pdf"))));
}

// Printed from a shell, the grid diagram's pinch line is dashed on paper as
// on the screen: the PDF, rasterised, shows a long vertical line broken by
// many gaps. Dashes measured in the printer's own pixels (1200 per inch)
// would be too short to see and merge into a solid line.
TEST_F(Programa, LaLineaDelPinchImpresaEsDiscontinua) {
  Copia("cuatro_corrientes.vdo");
  const Resultado r = Ejecutar({QStringLiteral("/p"), QStringLiteral("cuatro_corrientes.vdo")});
  ASSERT_EQ(r.codigo, 0) << r.errores.toStdString();
  const QString pdf = dir_.filePath(QStringLiteral("cuatro_corrientes.pdf"));
  ASSERT_TRUE(EsPdf(pdf));
  // Thin lines are drawn one pixel wide and without smoothing, so that a
  // gap is white and a dash black.
  QProcess raster;
  raster.start(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QStringLiteral("150"), QStringLiteral("-gray"),
                QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-aaVector"),
                QStringLiteral("no"), QStringLiteral("-thinlinemode"), QStringLiteral("solid"), pdf,
                dir_.filePath(QStringLiteral("pagina"))});
  ASSERT_TRUE(raster.waitForFinished(60000)) << "pdftoppm (poppler-utils) is needed";
  ASSERT_EQ(raster.exitCode(), 0) << raster.readAllStandardError().toStdString();
  QImage pagina(dir_.filePath(QStringLiteral("pagina.png")));
  ASSERT_FALSE(pagina.isNull());
  pagina = pagina.convertToFormat(QImage::Format_Grayscale8);
  pagina.save(QString::fromStdString(std::string(::testing::TempDir()) + "pinch_impreso.png"));

  // The long vertical line with the most gaps: the column whose dark pixels
  // span at least a quarter of the page, and the gaps between them.
  int huecos = 0, tramos = 0, x0 = -1;
  for (int x = 0; x < pagina.width(); ++x) {
    int primero = -1, ultimo = -1, n = 0, h = 0;
    bool antes = false;
    for (int y = 0; y < pagina.height(); ++y) {
      const bool oscuro = pagina.constScanLine(y)[x] < 128;
      if (oscuro) {
        if (primero < 0) primero = y;
        ultimo = y;
        ++n;
        if (!antes && primero != y) ++h;
      }
      antes = oscuro;
    }
    if (primero < 0 || ultimo - primero < pagina.height() / 4 || h <= huecos) continue;
    huecos = h;
    tramos = n;
    x0 = x;
  }
  ASSERT_GE(x0, 0) << "no long vertical line on the page";
  EXPECT_GE(huecos, 20) << "column " << x0;
  // Dashes a few pixels long, not single dots.
  EXPECT_GE(tramos / (huecos + 1), 3) << "column " << x0;
}

}  // namespace
