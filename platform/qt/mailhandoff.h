// Hands a message over to the user's mail program through xdg-email: the
// address, the subject and the body travel in one mailto: address that we
// encode ourselves (xdg-email's own --subject and --body refuse an empty
// text and pass the others through the shell's echo, which reads "\c" or
// "\n" in them as commands), each attachment as an argument of its own; no
// shell ever reads them as code. The result says whether the mail program
// took the message, with the reason in Spanish when it did not.
#pragma once
#include <string>
#include <vector>

namespace vardo {

struct MensajeCorreo {
  std::string destinatario;  // address; empty: the mail program asks
  std::string asunto;
  std::string cuerpo;
  std::vector<std::string> adjuntos;  // paths of files to attach
};

struct ResultadoCorreo {
  bool ok = false;
  std::string error;  // Spanish, for the user
};

inline constexpr const char* kProgramaCorreo = "xdg-email";
inline constexpr const char* kMsgCorreoNoInicia =
    "No se ha podido iniciar xdg-email para enviar el mensaje. Compruebe que xdg-utils está "
    "instalado.";
inline constexpr const char* kMsgCorreoSinPrograma =
    "No hay ningún programa de correo configurado para enviar el mensaje.";
inline constexpr const char* kMsgCorreoAdjunto = "No se puede leer el archivo adjunto.";
inline constexpr const char* kMsgCorreoFallo =
    "El programa de correo no ha podido preparar el mensaje (código %1).";

// The mailto: address of a message (RFC 6068): the recipient, then the
// subject and the body when they are not empty, UTF-8 percent-encoded, each
// line break of the body as CR LF.
std::string DireccionMailto(const MensajeCorreo& m);
// The arguments given to xdg-email: UTF-8, each attachment, then the
// mailto: address.
std::vector<std::string> ArgumentosCorreo(const MensajeCorreo& m);

// Runs xdg-email and waits for it. It answers at once with most mail
// programs; one that is still running after `esperaMs` milliseconds has the
// message open and is left running: that counts as handed over.
ResultadoCorreo EntregarCorreo(const MensajeCorreo& m, int esperaMs = 20000);

}  // namespace vardo
