// The controls of the wizard and About window, as designed: the side
// picture, the separator, the two buttons and the four page panels with
// their labels, check boxes and links.
#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "core/wizard/page_layout.h"
#include "win32/base/gdi.h"
#include "win32/base/unique_handle.h"

namespace olb::win {

// Control identifiers. The buttons carry the standard OK and Cancel
// identifiers, so Enter and Esc reach them as they do in a dialog.
enum class SetupControlId : int {
  BitBtn1 = IDOK,
  BitBtn2 = IDCANCEL,
  CheckBox1 = 101,  // Games ... CheckBox5 System, then Autoload, AutoHide, Always on Top
  CheckBox8 = 108,
  Label10 = 110,  // the About page's version line
  Label15 = 115,  // support mail link
};

inline constexpr int kSetupClientWidth = 402;
inline constexpr int kSetupClientHeight = 243;
inline constexpr int kPanelCount = 4;
inline constexpr int kPanelLeft = 112, kPanelTop = 8, kPanelWidth = 281, kPanelHeight = 169;

// A control of a page with its designed box, which every layout starts from.
struct PageChild {
  HWND hwnd = nullptr;
  PageControlKind kind = PageControlKind::Label;
  Rect designed;  // at 96 DPI
};

// A control of the form itself (picture, separator, buttons).
struct FormChild {
  HWND hwnd = nullptr;
  Rect designed;  // at 96 DPI
};

struct SetupWindowControls {
  HINSTANCE instance = nullptr;
  UINT dpi = 96;                           // what the fonts, pictures and places below are made for
  std::array<HWND, kPanelCount> panels{};  // Panel1 .. Panel4
  HWND okButton = nullptr;                 // BitBtn1
  HWND cancelButton = nullptr;             // BitBtn2
  HWND image = nullptr;                    // Image1
  std::vector<FormChild> formChildren;
  std::array<std::vector<PageChild>, kPanelCount> pageChildren;
  // Owned GDI objects the controls show; they outlive the controls.
  GdiObject formFont, panelFont, linkFont, sidePicture;
  IconHandle okGlyph, cancelGlyph;
};

// Creates every control of `form`, laid out for the form's DPI.
void CreateSetupWindowControls(HWND form, HINSTANCE instance, SetupWindowControls& controls);

// Makes the fonts and pictures for `dpi` and places every control as
// designed for 96 DPI, scaled; the page being shown is at its place.
void ApplySetupWindowDpi(SetupWindowControls& controls, UINT dpi, int shownPage);

// The client size of the form at the controls' DPI.
SIZE SetupClientSize(const SetupWindowControls& controls);

// Puts panel `page` where the shown page stands (the panels are designed
// one below the other).
void MovePanelToFront(const SetupWindowControls& controls, int page);

// Places the controls of panel `page` for their present texts in the fonts
// they use (see LayOutPage), at the controls' DPI; run again after a text
// changes.
void LayOutPageControls(const SetupWindowControls& controls, int page);

// The check box CheckBox<n> (1 to 8) wherever its panel is.
HWND CheckBox(const SetupWindowControls& controls, int n);

// The extent of a control's text in the font it uses, broken into lines no
// wider than `wrapWidth` (0: one line), as a static control or a button
// draws it, with room to spare for glyphs that reach past their advance.
Size MeasureText(HWND control, PageControlKind kind, int32_t wrapWidth);

// The panel holding a page's controls: it hands their notifications to the
// form. Registering it again does no harm.
inline constexpr wchar_t kPanelClass[] = L"TWizardPanel";
void RegisterPanelClass(HINSTANCE instance);

// The form's typeface at `height` (negative: the character height).
HFONT MakeFont(int height, bool underline);
inline constexpr int kPanelFontHeight = -12;

// Whether `control` is one of the two link labels.
bool IsLink(HWND control);

}  // namespace olb::win
