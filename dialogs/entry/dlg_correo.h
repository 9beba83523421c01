// "Contactar", "Lista de Correo" and "Opinión": the three forms that write
// to the program's makers, and the File menu's "&Enviar", which mails a copy
// of the active document. Each form composes a subject and a body from its
// fields and hands them to the user's mail program (platform/qt/
// mailhandoff.h) addressed to a recipient read from the profile. The form
// closes only when the mail program took the message; an unset recipient or
// a failed hand-off is said in Spanish and the form stays as it was.
//
// The mail program always opens its own message window, from which the user
// sends: the box "Mostrar el mensaje al cerrar esta ventana" is kept but
// cannot hide that window.
#pragma once
#include <string>

#include "platform/qt/kit/kit.h"
#include "platform/qt/mailhandoff.h"

namespace vardo {

class CVardoDoc;

// Profile keys of the two recipients: one for "Contactar" and "Opinión",
// one for the mailing list. Nothing is built in: unset, the forms say so.
inline constexpr const char* kClaveCorreoContacto = "Correo/Contacto";
inline constexpr const char* kClaveCorreoLista = "Correo/ListaCorreo";
// %1: the profile key.
inline constexpr const char* kMsgCorreoSinDestinatario =
    "No hay ninguna dirección de correo configurada para este mensaje. Escríbala en la clave "
    "%1 de la configuración de Calorama.";
inline constexpr const char* kAsuntoOpinion = "Opinión sobre Calorama";

// What the three forms share: the recipient's key, the check box, and the
// sending on "Enviar".
class CCorreoDlg : public kit::Dialog {
 public:
  static constexpr int kMostrar = 1119;  // "Mostrar el mensaje al cerrar ..."
  // The contact fields of "Contactar" and "Opinión".
  static constexpr int kNombre = 1082;
  static constexpr int kOrganizacion = 1066;
  static constexpr int kDireccion = 1067;

  // The message as the fields stand now, without its recipient.
  virtual MensajeCorreo Componer() const = 0;
  const char* ClaveDestinatario() const { return clave_; }

 protected:
  CCorreoDlg(kit::Template t, const char* clave, QWidget* parent);
  // "Enviar": reads the recipient, hands the message over and closes only
  // when the mail program took it.
  void OnOK() override;

 private:
  const char* clave_;
};

class CContactarDlg : public CCorreoDlg {
 public:
  static constexpr int kAsunto = 1117;
  static constexpr int kTexto = 1118;

  explicit CContactarDlg(QWidget* parent = nullptr);
  MensajeCorreo Componer() const override;

 protected:
  void OnInit() override;
};

class CListaCorreoDlg : public CCorreoDlg {
 public:
  static constexpr int kTexto = 1134;
  static constexpr int kAsunto = 1135;

  explicit CListaCorreoDlg(QWidget* parent = nullptr);
  MensajeCorreo Componer() const override;
};

class COpinionDlg : public CCorreoDlg {
 public:
  static constexpr int kPais = 1068;
  static constexpr int kPositivos = 1122;
  static constexpr int kMejorar = 1123;
  static constexpr int kUsadas = 1124;
  static constexpr int kDeseadas = 1125;
  static constexpr int kComentarios = 1126;
  static constexpr int kOtrosPositivos = 1127;
  static constexpr int kAnadirPositivos = 1129;
  static constexpr int kOtrosMejorar = 1069;
  static constexpr int kAnadirMejorar = 1062;

  explicit COpinionDlg(QWidget* parent = nullptr);
  MensajeCorreo Componer() const override;

 protected:
  void OnInit() override;

 private:
  // "Añadir": the "Otros:" text, when there is one, joins its list chosen.
  void Anadir(int lista, int otros);
  std::string Elegidos(int lista) const;
};

// The three help commands: each runs its form modally.
void EjecutarContactar(QWidget* padre);
void EjecutarListaCorreo(QWidget* padre);
void EjecutarOpinion(QWidget* padre);

// "&Enviar": writes a copy of the document, named by its title, into a
// private temporary folder and hands it to the mail program as an
// attachment. The folder lasts until the program ends (the mail program
// may read the file later); a failed copy or hand-off is said and the
// folder removed at once. True when the mail program took it.
bool EnviarDocumento(QWidget* padre, const CVardoDoc& doc);
// Whether a mail program can be asked at all (xdg-email on the PATH).
bool CorreoDisponible();
// The attachment's file name for a document title: its letters, digits,
// blanks and "._-", every other character as "_", and ".vdo".
std::string NombreAdjunto(const std::string& titulo);

}  // namespace vardo
