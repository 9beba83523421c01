#include "platform/qt/shellregistration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace vardo {

namespace {

QString XmlEscape(QString s) { return s.toHtmlEscaped(); }

// A command-line argument of a desktop entry's Exec key: quoted when it
// holds a reserved character, with '"', '`', '$' and the backslash escaped
// inside the quotes; a literal '%' doubled so that it is not read as a field
// code; then every backslash doubled by the string escaping of the entry's
// values. A line break cannot stand in a value: such an argument has no
// form (empty).
QString ExecArgument(const QString& arg) {
  if (arg.contains(QLatin1Char('\n')) || arg.contains(QLatin1Char('\r'))) return {};
  static const QString kReserved = QStringLiteral(" \t\"'\\><~|&;$*?#()`");
  bool quote = false;
  for (QChar c : arg)
    if (kReserved.contains(c)) quote = true;
  QString out;
  for (QChar c : arg) {
    if (quote && (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                  c == QLatin1Char('\\')))
      out += QLatin1Char('\\');
    out += c;
  }
  out.replace(QLatin1Char('%'), QStringLiteral("%%"));
  out.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
  return quote ? QLatin1Char('"') + out + QLatin1Char('"') : out;
}

// Writes text when it differs from what the file holds; true when written.
bool WriteIfChanged(const QString& path, const QString& text, bool& ok) {
  QFile in(path);
  const QByteArray bytes = text.toUtf8();
  if (in.open(QIODevice::ReadOnly) && in.readAll() == bytes) return false;
  in.close();
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile out(path);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()) {
    ok = false;
    return false;
  }
  return true;
}

void RunIfPresent(const QString& tool, const QStringList& args) {
  const QString exe = QStandardPaths::findExecutable(tool);
  if (exe.isEmpty()) return;
  QProcess p;
  p.setProgram(exe);
  p.setArguments(args);
  p.setStandardOutputFile(QProcess::nullDevice());
  p.setStandardErrorFile(QProcess::nullDevice());
  p.startDetached();
}

}  // namespace

QString MimePackageText(const DocumentTypeInfo& info) {
  return QStringLiteral(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
             "  <mime-type type=\"%1\">\n"
             "    <comment>%2</comment>\n"
             "    <glob pattern=\"*.%3\"/>\n"
             "  </mime-type>\n"
             "</mime-info>\n")
      .arg(XmlEscape(info.mimeType), XmlEscape(info.typeName), XmlEscape(info.extension));
}

QString DesktopEntryText(const DocumentTypeInfo& info) {
  const QString exe = ExecArgument(info.executable);
  if (exe.isEmpty()) return {};
  QString t;
  t += QStringLiteral("[Desktop Entry]\n");
  t += QStringLiteral("Type=Application\n");
  t += QStringLiteral("Name=%1\n").arg(info.appName);
  t += QStringLiteral("Comment=%1\n").arg(info.typeName);
  t += QStringLiteral("Exec=%1 %f\n").arg(exe);
  t += QStringLiteral("MimeType=%1;\n").arg(info.mimeType);
  t += QStringLiteral("Terminal=false\n");
  t += QStringLiteral("Categories=Science;Engineering;\n");
  if (!info.printSwitch.isEmpty()) {
    t += QStringLiteral("Actions=Print;\n\n");
    t += QStringLiteral("[Desktop Action Print]\n");
    t += QStringLiteral("Name=Imprimir\n");
    t += QStringLiteral("Exec=%1 %2 %f\n").arg(exe, info.printSwitch);
  }
  return t;
}

RegistrationResult RegisterDocumentType(const DocumentTypeInfo& info) {
  RegistrationResult r;
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (data.isEmpty()) {
    r.ok = false;
    return r;
  }
  r.mimeFile = data + QStringLiteral("/mime/packages/") + info.typeId + QStringLiteral(".xml");
  r.desktopFile =
      data + QStringLiteral("/applications/") + info.desktopId + QStringLiteral(".desktop");
  // A program path that no desktop entry can hold registers nothing.
  const QString entry = DesktopEntryText(info);
  if (entry.isEmpty()) {
    r.ok = false;
    return r;
  }
  const bool mimeChanged = WriteIfChanged(r.mimeFile, MimePackageText(info), r.ok);
  const bool desktopChanged = WriteIfChanged(r.desktopFile, entry, r.ok);
  r.changed = mimeChanged || desktopChanged;
  // The desktop's caches pick the new files up; without the tools the files
  // are still found at the next login.
  if (mimeChanged) RunIfPresent(QStringLiteral("update-mime-database"), {data + "/mime"});
  if (desktopChanged)
    RunIfPresent(QStringLiteral("update-desktop-database"), {data + "/applications"});
  return r;
}

}  // namespace vardo
