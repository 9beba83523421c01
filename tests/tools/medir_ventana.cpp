// Times what a user waits for in the real main window on a large document:
// opening it until the window is idle, a DT min typed into the toolbar, the
// undo of that change and the "Cálculo de cascada" dialog until shown.
//
//   QT_QPA_PLATFORM=offscreen medir_ventana N [limit_s] [seed]
//
// The document holds N random sensible streams, both ends drawn in 280-600 K,
// m·cp in 0.5-20 kW/K, hot or cold as the ends say; it opens on the grid
// diagram. Each step is timed from the user's action until every posted
// event (paints included) has been handled. A step that passes limit_s
// seconds (default 600) is reported as such and the run stops there.
// Built with the tests, never run by them.
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <unistd.h>

#include "app/core/document/documento.h"
#include "app/core/document/ids_comandos.h"
#include "app/qt/aplicacion.h"
#include "app/qt/ventana_principal.h"
#include "model/documento_archivo.h"
#include "platform/qt/messagerunner.h"
#include "platform/qt/runneruiport.h"

namespace {

using Reloj = std::chrono::steady_clock;

std::atomic<long long> g_limiteFin{0};  // steady-clock ticks; 0 = no step running
std::atomic<const char*> g_paso{""};
double g_limite = 600.0;

// Stops the process when a step takes longer than the limit: a frozen main
// thread cannot report for itself.
void Vigilante() {
  for (;;) {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const long long fin = g_limiteFin.load();
    if (fin != 0 && Reloj::now().time_since_epoch().count() > fin) {
      std::printf("%-28s > %.0f s (stopped)\n", g_paso.load(), g_limite);
      std::fflush(stdout);
      _exit(2);
    }
  }
}

void Empezar(const char* paso) {
  g_paso = paso;
  g_limiteFin = (Reloj::now() + std::chrono::milliseconds(static_cast<long long>(g_limite * 1000)))
                    .time_since_epoch()
                    .count();
}

void Terminar(Reloj::time_point t0) {
  g_limiteFin = 0;
  const double s = std::chrono::duration<double>(Reloj::now() - t0).count();
  std::printf("%-28s %9.3f s\n", g_paso.load(), s);
  std::fflush(stdout);
}

// Every posted event handled, deferred deletes and paints included.
void HastaInactivo() {
  for (int i = 0; i < 4; ++i) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
}

void EscribirDocumento(const std::string& ruta, int n, unsigned semilla) {
  std::mt19937_64 rng(semilla);
  std::uniform_real_distribution<double> T(280.0, 600.0), mcp(0.5, 20.0);
  vardo::CDiagrama d;
  d.m_corrientes.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    double a = T(rng), b = T(rng);
    while (b == a) b = T(rng);
    d.AddCorriente(a, b, mcp(rng), a < b ? 1 : 0, 0);
  }
  vardo::MarcoDocumento marco;
  marco.modo = vardo::kModoRejilla;
  const std::vector<std::uint8_t> bytes = vardo::GuardarDocumento(marco, d);
  std::ofstream f(ruta, std::ios::binary);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "uso: medir_ventana N [limite_s] [semilla]\n");
    return 1;
  }
  const int n = std::atoi(argv[1]);
  if (argc > 2) g_limite = std::atof(argv[2]);
  const unsigned semilla = argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 1u;
  int qargc = 1;
  QApplication app(qargc, argv);

  QTemporaryDir dir;
  QStandardPaths::setTestModeEnabled(true);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath("perfil"));
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath("perfil"));
  QCoreApplication::setOrganizationName(QString::fromUtf8(vardo::kOrganizacionPerfil));
  QCoreApplication::setApplicationName(QString::fromUtf8(vardo::kTituloAplicacion));
  vardo::StderrMessageRunner mensajes;
  vardo::SetMessageRunner(&mensajes);
  vardo::RunnerUiPort ui;
  vardo::SetDefaultUiPort(&ui);

  const QString ruta = dir.filePath(QStringLiteral("medida.vdo"));
  EscribirDocumento(ruta.toStdString(), n, semilla);
  std::printf("%d streams, seed %u\n", n, semilla);
  std::thread(Vigilante).detach();

  {
    vardo::CVardoApp vardoApp;
    vardo::OpcionesInicio o;
    o.presentacion = false;
    o.registrar = false;

    Empezar("open until idle");
    auto t0 = Reloj::now();
    vardoApp.InitInstance({ruta}, o);
    vardo::CMainFrame& marco = *vardoApp.Marco();
    marco.resize(1200, 900);
    marco.show();
    marco.PrimeraActivacion();
    HastaInactivo();
    Terminar(t0);

    QLineEdit* campo = marco.Field();
    campo->setFocus();
    campo->selectAll();
    QTest::keyClicks(campo, QStringLiteral("15"));
    HastaInactivo();
    Empezar("DT min edit until idle");
    t0 = Reloj::now();
    QTest::keyClick(campo, Qt::Key_Return);
    HastaInactivo();
    Terminar(t0);

    Empezar("undo until idle");
    t0 = Reloj::now();
    marco.Commands().Execute(vardo::cmd::kDeshacer);
    HastaInactivo();
    Terminar(t0);

    // The dialog runs modally: a timer inside its loop notes when it is up
    // and painted, then closes it.
    Reloj::time_point mostrado{};
    std::function<void()> vigilar;
    vigilar = [&] {
      QWidget* w = QApplication::activeModalWidget();
      auto* dlg = qobject_cast<QDialog*>(w);
      if (!dlg || !dlg->isVisible()) {
        QTimer::singleShot(0, vigilar);
        return;
      }
      QCoreApplication::sendPostedEvents();
      QCoreApplication::processEvents();
      mostrado = Reloj::now();
      dlg->reject();
    };
    QTimer::singleShot(0, vigilar);
    Empezar("cascade dialog until shown");
    t0 = Reloj::now();
    marco.Commands().Execute(vardo::cmd::kVadizod);
    g_limiteFin = 0;
    std::printf("%-28s %9.3f s\n", "cascade dialog until shown",
                std::chrono::duration<double>(mostrado - t0).count());
    std::fflush(stdout);
    _exit(0);  // the numbers are out; teardown is not measured
  }
}
