// The control table of a dialog or a property-sheet page: one row per
// control with its numeric id, kind, text, rectangle in dialog units and
// styles, built with the small factory functions below. See kit.h for the
// whole guide.
#pragma once
#include <string>
#include <vector>

namespace vardo::kit {

// Ids every dialog shares.
inline constexpr int kNoId = -1;        // labels, frames and groups nobody asks for
inline constexpr int kIdOk = 1;         // "Aceptar": OnOK
inline constexpr int kIdCancel = 2;     // "Cancelar", Escape and the close box: OnCancel
inline constexpr int kIdBack = 12323;   // wizard "< Atrás"
inline constexpr int kIdNext = 12324;   // wizard "Siguiente >"
inline constexpr int kIdFinish = 12325; // wizard "Finalizar"; Run() returns it on Finish

enum class Kind {
  Label,     // static text
  Frame,     // grey etched rectangle
  Group,     // group box with a caption
  Edit,      // one-line edit (multi-line with kMultiline)
  Button,    // push button
  Check,     // check box (toggles on click)
  Radio,     // radio button of a group (see kGroup)
  List,      // list box, single selection
  Combo,     // combo box: drop-down with an edit, or drop-down list with kListOnly
  UpDown,    // up-down arrows working on an integer buddy edit
  Slider,    // track bar (vertical when taller than wide)
  Progress,  // progress bar painted as a gradient
  Paint,     // white area the dialog paints through QtDc
  Hosted,    // a control created by class id through the component registry
};

// Styles, or-ed together.
enum Style : unsigned {
  kPlain = 0,
  kGroup = 1u << 0,       // starts a new group: radios up to the next kGroup are one group
  kHidden = 1u << 1,      // not visible
  kDisabled = 1u << 2,    // disabled
  kDefault = 1u << 3,     // the default push button (Enter presses it, even hidden)
  kDigits = 1u << 4,      // edit: only digits can be typed
  kReadOnly = 1u << 5,    // edit: read-only (grey)
  kMultiline = 1u << 6,   // edit: several lines, Enter types a new line
  kListOnly = 1u << 7,    // combo: pick from the list only, no typing
  kSorted = 1u << 8,      // list, combo: AddString keeps the entries sorted
  kOwnerDrawn = 1u << 9,  // list: each entry carries a colour (AddString's colour)
  kAlignRight = 1u << 10, // up-down: sits inside the right end of its buddy; label: right-aligned
  kCenter = 1u << 11,     // label: centred text
  kArrowKeys = 1u << 12,  // up-down: Up and Down keys in the buddy step it
};

// One row of a control table. Rectangles are in dialog units (x, y, width,
// height), as dialog templates give them; a combo's height is its height
// with the list dropped, its closed box is 12 units high.
struct DefControl {
  int id = kNoId;
  Kind kind = Kind::Label;
  std::string text;   // UTF-8
  int x = 0, y = 0, w = 0, h = 0;
  unsigned style = kPlain;
  int buddy = kNoId;               // up-down: the id of its edit
  int limit = 0;                   // edit: most characters that can be typed (0 no limit)
  std::string classId;             // hosted control
  std::vector<std::string> items;  // combo, list: fixed entries of the template
};

// A dialog or a page: caption (a page's tab text), size in dialog units and
// its controls in tab order (which is also the order groups are read in).
struct Template {
  std::string caption;
  int w = 0, h = 0;
  std::vector<DefControl> controls;
};

// ---- Factories, one per kind (x, y, w, h in dialog units).
DefControl Label(std::string text, int x, int y, int w, int h, unsigned style = kPlain,
                  int id = kNoId);
DefControl Frame(int x, int y, int w, int h, int id = kNoId);
DefControl Group(std::string text, int x, int y, int w, int h, int id = kNoId);
DefControl Edit(int id, int x, int y, int w, int h, unsigned style = kPlain, int limit = 0);
DefControl Button(int id, std::string text, int x, int y, int w, int h, unsigned style = kPlain);
DefControl Check(int id, std::string text, int x, int y, int w, int h, unsigned style = kPlain);
DefControl Radio(int id, std::string text, int x, int y, int w, int h, unsigned style = kPlain);
DefControl List(int id, int x, int y, int w, int h, unsigned style = kPlain,
                 std::vector<std::string> items = {});
DefControl Combo(int id, int x, int y, int w, int h, unsigned style = kListOnly,
                  std::vector<std::string> items = {});
DefControl UpDown(int id, int buddy, int x, int y, int w, int h,
                   unsigned style = kAlignRight | kArrowKeys);
DefControl Slider(int id, int x, int y, int w, int h, unsigned style = kPlain);
DefControl Progress(int id, int x, int y, int w, int h, unsigned style = kPlain);
DefControl Paint(int id, int x, int y, int w, int h, unsigned style = kPlain);
DefControl Hosted(int id, std::string classId, int x, int y, int w, int h,
                   unsigned style = kPlain);

}  // namespace vardo::kit
