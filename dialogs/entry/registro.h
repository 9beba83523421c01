// The data-entry dialogs as the program runs them. Each dialog's files end
// with a registration function; adding a dialog is adding its files and one
// line to the list in registro.cpp.
#pragma once

namespace vardo {

class FabricaDialogosQt;

// Registers every data-entry dialog with the factory.
void RegistrarDialogosEntrada(FabricaDialogosQt& fabrica);

}  // namespace vardo
