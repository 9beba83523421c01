// Texts of the window framework: the idle prompt, the close question and
// the file dialogs (the file errors are the document's). %1 stands for a
// document title.
#pragma once

namespace vardo::textos {

inline constexpr const char* kPreparado = "Preparado";

inline constexpr const char* kGuardarCambios = "¿Guardar cambios a %1?";

inline constexpr const char* kTituloAbrir = "Abrir";
inline constexpr const char* kTituloGuardarComo = "Guardar como";
inline constexpr const char* kTodosLosArchivos = "Todos los archivos (*.*)";

inline constexpr const char* kArchivoReciente = "Archivo reciente";

}  // namespace vardo::textos
