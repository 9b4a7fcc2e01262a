#include "win32/wizard/form6_design.h"

#include "core/wizard/setup_wizard.h"
#include "win32/base/unicode.h"

namespace olb::win {
namespace {

constexpr wchar_t kPanelClass[] = L"TWizardPanel";
constexpr wchar_t kSidePicture[] = L"SIDEPIC";
constexpr int kCheckWidth = 97, kCheckHeight = 17;
constexpr int kLabelWidth = 260, kLabelHeight = 16;
constexpr wchar_t kStepIntro[] = L"Wizard will guide you through the adjusting process";

enum class Kind { Label, Wrapped, Check, Checked, Link };

struct Design {
  int panel;  // 0 .. 3
  Kind kind;
  int id;  // 0: not addressed by the program
  int x, y;
  const wchar_t* text;
};

// Positions are inside the panel.
constexpr Design kDesign[] = {
    {0, Kind::Label, 0, 16, 8, kStepIntro},
    {0, Kind::Label, 0, 16, 40, L"Step1: Create categories (folders) for your shortcuts:"},
    {0, Kind::Checked, 101, 32, 72, L"Games"},
    {0, Kind::Checked, 102, 32, 88, L"Graphics"},
    {0, Kind::Checked, 103, 32, 104, L"Internet"},
    {0, Kind::Checked, 104, 144, 72, L"Multimedia"},
    {0, Kind::Checked, 105, 144, 88, L"System"},
    {0, Kind::Label, 0, 16, 136, L"Also you will be able to create any folders later."},
    {1, Kind::Label, 0, 16, 8, kStepIntro},
    {1, Kind::Label, 0, 16, 40, L"Step2: Set system perameters for the program:"},
    {1, Kind::Checked, 106, 32, 72, L"Autoload"},
    {1, Kind::Checked, 107, 32, 88, L"AutoHide"},
    {1, Kind::Check, 108, 32, 104, L"Always on Top"},
    {1, Kind::Label, 0, 16, 136, L"Also you will be able to change these settings later."},
    {2, Kind::Label, 0, 16, 8, kStepIntro},
    {2, Kind::Label, 0, 16, 40, L"Step3: Fill new launch bar by shortcuts:"},
    {2, Kind::Wrapped, 0, 16, 72,
     L"Simple \"Drag and Drop\" your shortcuts from desktop into created folders and use your "
     L"new launch bar."},
    {3, Kind::Label, 0, 16, 16, L"Product Name : Ovel Launch Bar"},
    {3, Kind::Label, 110, 16, 40, L"Version:"},
    {3, Kind::Label, 0, 16, 80, L"Home Page : "},
    {3, Kind::Link, 113, 104, 80, nullptr},
    {3, Kind::Label, 0, 16, 108, L"Support :"},
    {3, Kind::Link, 115, 104, 108, nullptr},
};

// The panels hand what their controls report to the form: button clicks,
// link clicks, the link labels' colour, and the hand cursor over a link.
LRESULT CALLBACK PanelProc(HWND panel, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return SendMessageW(GetParent(panel), msg, wp, lp);
    case WM_SETCURSOR:
      if (IsLink(reinterpret_cast<HWND>(wp))) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(panel, msg, wp, lp);
}

void RegisterPanelClass(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = PanelProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kPanelClass;
  RegisterClassExW(&wc);  // fails harmlessly when a second form registers it again
}

HFONT MakeFont(int height, bool underline) {
  return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, underline, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
}

HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w,
           int h, int id, HINSTANCE instance, const GdiObject& font) {
  HWND w32 = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  SendMessageW(w32, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  return w32;
}

void CreatePageControl(const Design& d, HWND panel, HINSTANCE instance, Form6Controls& c) {
  switch (d.kind) {
    case Kind::Label:
      Child(panel, L"STATIC", d.text, SS_LEFTNOWORDWRAP, d.x, d.y, kLabelWidth, kLabelHeight, d.id,
            instance, c.panelFont);
      break;
    case Kind::Wrapped:
      Child(panel, L"STATIC", d.text, SS_LEFT, d.x, d.y, 247, 26, d.id, instance, c.panelFont);
      break;
    case Kind::Check:
    case Kind::Checked: {
      HWND box = Child(panel, L"BUTTON", d.text, BS_AUTOCHECKBOX | WS_TABSTOP, d.x, d.y,
                       kCheckWidth, kCheckHeight, d.id, instance, c.panelFont);
      if (d.kind == Kind::Checked) SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
      break;
    }
    case Kind::Link: {
      const std::string_view text =
          d.id == static_cast<int>(Form6Id::Label13) ? kHomePage : kSupportMail;
      Child(panel, L"STATIC", Widen(text).c_str(), SS_LEFTNOWORDWRAP | SS_NOTIFY, d.x, d.y,
            kPanelWidth - d.x, kLabelHeight, d.id, instance, c.linkFont);
      break;
    }
  }
}

}  // namespace

void CreateForm6Controls(HWND form, HINSTANCE instance, Form6Controls& c) {
  RegisterPanelClass(instance);
  c.formFont.Reset(MakeFont(-11, false));
  c.panelFont.Reset(MakeFont(-12, false));
  c.linkFont.Reset(MakeFont(-12, true));

  c.image = Child(form, L"STATIC", nullptr, SS_BITMAP, 8, 8, 89, 168, 0, instance, c.formFont);
  c.sidePicture.Reset(LoadImageW(instance, kSidePicture, IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
  SendMessageW(c.image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(c.sidePicture.get()));
  Child(form, L"STATIC", nullptr, SS_ETCHEDHORZ, 8, 192, 385, 2, 0, instance, c.formFont);
  c.okButton = Child(form, L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 120, 208, 75, 25,
                     static_cast<int>(Form6Id::BitBtn1), instance, c.formFont);
  c.cancelButton = Child(form, L"BUTTON", L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, 208, 208, 75, 25,
                         static_cast<int>(Form6Id::BitBtn2), instance, c.formFont);

  // The check-mark and cross glyphs beside the captions (common controls 6
  // draw a button's image and its text together).
  c.okGlyph.Reset(static_cast<HICON>(LoadImageW(instance, L"OKGLYPH", IMAGE_ICON, 16, 16, 0)));
  c.cancelGlyph.Reset(
      static_cast<HICON>(LoadImageW(instance, L"CANCELGLYPH", IMAGE_ICON, 16, 16, 0)));
  SendMessageW(c.okButton, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(c.okGlyph.get()));
  SendMessageW(c.cancelButton, BM_SETIMAGE, IMAGE_ICON,
               reinterpret_cast<LPARAM>(c.cancelGlyph.get()));

  // Designed one below the other; only the page being shown is visible and
  // it is moved to the top then.
  for (int i = 0; i < kPanelCount; ++i) {
    c.panels[static_cast<size_t>(i)] = CreateWindowExW(
        WS_EX_CONTROLPARENT, kPanelClass, nullptr, WS_CHILD, kPanelLeft,
        kPanelTop + i * kPanelHeight, kPanelWidth, kPanelHeight, form, nullptr, instance, nullptr);
  }
  for (const Design& d : kDesign) {
    CreatePageControl(d, c.panels[static_cast<size_t>(d.panel)], instance, c);
  }
}

HWND CheckBox(const Form6Controls& c, int n) {
  const size_t panel = n <= 5 ? 0 : 1;
  return GetDlgItem(c.panels[panel], static_cast<int>(Form6Id::CheckBox1) + n - 1);
}

bool IsLink(HWND control) {
  const int id = GetDlgCtrlID(control);
  return id == static_cast<int>(Form6Id::Label13) || id == static_cast<int>(Form6Id::Label15);
}

}  // namespace olb::win
