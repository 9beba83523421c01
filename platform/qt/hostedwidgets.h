// Class ids under which the colour list (CListaColores) and the gradient
// progress bar (CGradientProgressCtrl) are hosted in kit dialogs, so that a
// dialog's control table can place them like any control. The kit's list
// accessors (AddString with a colour, CurSel, ...) work on the colour list;
// the progress bar is reached with Get<CGradientProgressCtrl>(id).
#pragma once

namespace vardo {

inline constexpr const char* kClassIdListaColores = "{5B1E7C44-3D0A-4F6E-9C21-8A4D2E6B7F10}";
inline constexpr const char* kClassIdProgresoGradiente = "{5B1E7C45-3D0A-4F6E-9C21-8A4D2E6B7F10}";

}  // namespace vardo
