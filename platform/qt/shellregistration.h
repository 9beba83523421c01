// Registration of a document type with the desktop: a MIME type for the
// extension and a desktop entry that opens (and prints) such files with the
// program, both in the user's data folder ($XDG_DATA_HOME or
// ~/.local/share). Files are rewritten only when their content changes.
#pragma once
#include <QString>

namespace vardo {

struct DocumentTypeInfo {
  QString extension;     // without the dot: "vdo"
  QString typeId;        // "VardotDoc"
  QString typeName;      // "Documento de Calorama"
  QString mimeType;      // "application/x-vardotdoc"
  QString appName;       // "Calorama"
  QString desktopId;     // file name of the desktop entry, without ".desktop"
  QString executable;    // absolute path of the program
  QString printSwitch;   // "/p"
};

struct RegistrationResult {
  bool ok = true;
  bool changed = false;  // a file was written
  QString mimeFile;
  QString desktopFile;
};

RegistrationResult RegisterDocumentType(const DocumentTypeInfo& info);

// The text of the MIME package and of the desktop entry (for tests).
QString MimePackageText(const DocumentTypeInfo& info);
QString DesktopEntryText(const DocumentTypeInfo& info);

}  // namespace vardo
