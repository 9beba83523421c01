// Class ids under which the colour list (CListaColores) and the gradient
// progress bar (CGradientProgressCtrl) are hosted in kit dialogs, so that a
// dialog's control table can place them like any control. The kit's list
// accessors (AddString with a colour, CurSel, ...) work on the colour list;
// the progress bar is reached with Get<CGradientProgressCtrl>(id).
#pragma once

class QWidget;

namespace vardo {

inline constexpr const char* kClassIdListaColores = "{5B1E7C44-3D0A-4F6E-9C21-8A4D2E6B7F10}";
inline constexpr const char* kClassIdProgresoGradiente = "{5B1E7C45-3D0A-4F6E-9C21-8A4D2E6B7F10}";

// A hosted control with a public slot of this signature commits what the
// user is still editing in it (an open grid cell, a box not yet left) when
// the dialog acts as the focus leaving it would: a page change, OK, Finish.
inline constexpr const char* kSlotConfirmarEdicion = "ConfirmarEdicion()";
// Runs that slot of w, when w has one.
void ConfirmarEdicion(QWidget* w);

// The property that marks a dialog's Cancel button.
inline constexpr const char* kPropiedadCancelar = "vardoBotonCancelar";
// Whether the focus now stands on a dialog's Cancel button: a box left for
// it skips the check that could show a message, so the click on Cancel is
// not lost to that message.
bool FocoEnCancelar();

}  // namespace vardo
