// The window framework below the program: command routing, desktop
// registration of the document type.
#include <QAction>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/qt/commands.h"
#include "platform/qt/shellregistration.h"

namespace vardo {
namespace {

TEST(ComandosMarco, RutaEstadosYEjecucion) {
  CommandRegistry r;
  r.Define(1, QStringLiteral("&Uno\tCtrl+1"), QStringLiteral("Hace uno\nUno"));
  r.Define(2, QStringLiteral("&Dos"));
  r.Define(3, QStringLiteral("&Tres"));
  CommandTarget vista, marco;
  std::vector<std::string> log;
  bool habilitado = false;
  vista.OnCommand(1, [&] { log.push_back("vista 1"); },
                  [&](CmdUi& ui) {
                    ui.enabled = habilitado;
                    ui.checked = habilitado;
                  });
  marco.OnCommand(1, [&] { log.push_back("marco 1"); });
  marco.OnCommand(2, [&] { log.push_back("marco 2"); });
  r.SetRoute([&] { return std::vector<CommandTarget*>{&vista, &marco}; });

  // The first target that knows a command decides its state and runs it.
  EXPECT_FALSE(r.State(1).enabled);
  EXPECT_FALSE(r.Execute(1));
  habilitado = true;
  EXPECT_TRUE(r.Execute(1));
  EXPECT_EQ(r.State(1).checked, std::optional<bool>(true));
  // A handler without an update handler is enabled; no handler, disabled.
  EXPECT_TRUE(r.Execute(2));
  EXPECT_FALSE(r.State(3).enabled);
  EXPECT_FALSE(r.Execute(3));
  EXPECT_EQ(log, (std::vector<std::string>{"vista 1", "marco 2"}));
  r.UpdateAll();
  EXPECT_TRUE(r.Action(1)->isChecked());
  EXPECT_FALSE(r.Action(3)->isEnabled());
  EXPECT_EQ(r.Prompt(1), QStringLiteral("Hace uno"));
  EXPECT_EQ(r.Action(1)->toolTip(), QStringLiteral("Uno"));
  EXPECT_EQ(r.Action(2)->toolTip(), QStringLiteral("Dos"));

  KeyTable t;
  t.Add(QKeySequence(Qt::SHIFT | Qt::Key_C), 1);
  EXPECT_EQ(t.Find(QKeyCombination(Qt::ShiftModifier, Qt::Key_C).toCombined()), 1);
  EXPECT_EQ(t.Find(QKeyCombination(Qt::NoModifier, Qt::Key_C).toCombined()), 0);
}

TEST(Registro, EntradaDeEscritorioYTipoMime) {
  QStandardPaths::setTestModeEnabled(true);
  DocumentTypeInfo t;
  t.extension = QStringLiteral("vdo");
  t.typeId = QStringLiteral("VardotDoc");
  t.typeName = QString::fromUtf8("Documento de Calorama");
  t.mimeType = QStringLiteral("application/x-vardotdoc");
  t.appName = QStringLiteral("Calorama");
  t.desktopId = QStringLiteral("calorama-vardo-prueba");
  t.executable = QStringLiteral("/opt/mis programas/vardo");
  t.printSwitch = QStringLiteral("/p");

  const QString mime = MimePackageText(t);
  EXPECT_TRUE(mime.contains(QStringLiteral("<glob pattern=\"*.vdo\"/>")));
  EXPECT_TRUE(mime.contains(QString::fromUtf8("<comment>Documento de Calorama</comment>")));
  const QString entrada = DesktopEntryText(t);
  // A path with a blank is quoted; the file goes as %f; printing has its verb.
  EXPECT_TRUE(entrada.contains(QStringLiteral("Exec=\"/opt/mis programas/vardo\" %f\n")));
  EXPECT_TRUE(entrada.contains(QStringLiteral("Exec=\"/opt/mis programas/vardo\" /p %f\n")));
  EXPECT_TRUE(entrada.contains(QStringLiteral("MimeType=application/x-vardotdoc;\n")));

  // Exec quoting: reserved characters quote the path and '"', '`', '$' and
  // the backslash are escaped inside the quotes (the backslash once more by
  // the value escaping); '%' is doubled; a line break cannot be written.
  struct CasoExec {
    const char* ruta;
    const char* exec;
  };
  const CasoExec casos[] = {
      {"/opt/vardo", "Exec=/opt/vardo %f\n"},
      {"/opt/100%/vardo", "Exec=/opt/100%%/vardo %f\n"},
      {"/opt/50% de $x/vardo", "Exec=\"/opt/50%% de \\\\$x/vardo\" %f\n"},
      {"/opt/a\"b`c\\d/vardo", "Exec=\"/opt/a\\\\\"b\\\\`c\\\\\\\\d/vardo\" %f\n"},
  };
  for (const auto& c : casos) {
    DocumentTypeInfo e = t;
    e.executable = QString::fromUtf8(c.ruta);
    EXPECT_TRUE(DesktopEntryText(e).contains(QString::fromUtf8(c.exec)))
        << c.ruta << "\n" << DesktopEntryText(e).toStdString();
  }
  for (const char* ruta : {"/opt/a\nExec=rm/vardo", "/opt/a\rb/vardo"}) {
    DocumentTypeInfo e = t;
    e.executable = QString::fromUtf8(ruta);
    e.desktopId = QStringLiteral("calorama-vardo-prueba-salto");
    EXPECT_TRUE(DesktopEntryText(e).isEmpty()) << ruta;
    const RegistrationResult r = RegisterDocumentType(e);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(QFile::exists(r.desktopFile));
  }

  const RegistrationResult r = RegisterDocumentType(t);
  ASSERT_TRUE(r.ok);
  EXPECT_TRUE(r.changed);
  QFile f(r.desktopFile);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(f.readAll()), entrada);
  // Nothing changed: nothing is written again.
  EXPECT_FALSE(RegisterDocumentType(t).changed);
  QFile::remove(r.desktopFile);
  QFile::remove(r.mimeFile);
}

}  // namespace
}  // namespace vardo
