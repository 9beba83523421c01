// Line breaking of the program's messages. A message whose lines start with
// tabs is broken here, not by the box that shows it, so that every part of
// an indented line stays under its own indent.
#pragma once
#include <QString>
#include <functional>

namespace vardo {

// A text whose long words may be broken: a path or a file name has no blank
// to wrap at and would make the box wider than the screen. A zero-width
// space after each folder separator and within every run of 20 characters
// without a blank lets the lines end there; nothing changes what is seen.
QString Partible(const QString& texto);

// True when some line of the text starts with a tab.
bool TieneSangria(const QString& texto);

// Breaks each line of the text so that it is at most `ancho` wide, as
// measured by `medir` (a line with its leading tabs); the parts of a line
// keep its leading tabs. Lines end at blanks and at the break points of
// Partible (zero-width spaces); a word wider than the room stays whole.
QString EnvolverConSangria(const QString& texto, int ancho,
                           const std::function<int(const QString&)>& medir);

}  // namespace vardo
