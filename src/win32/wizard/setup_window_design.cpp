#include "win32/wizard/setup_window_design.h"

#include <algorithm>
#include <string>

#include "core/settings/dpi_scale.h"
#include "core/wizard/setup_wizard.h"
#include "win32/base/dpi.h"
#include "win32/base/unicode.h"
#include "win32/base/window.h"
#include "win32/res/resource_ids.h"

namespace olb::win {
namespace {

constexpr wchar_t kSidePicture[] = L"SIDEPIC";
constexpr int kCheckWidth = 97, kCheckHeight = 17;
constexpr int kLabelHeight = 16;
constexpr int kWrappedWidth = 247, kWrappedHeight = 26;
constexpr int kFormFontHeight = -11;
constexpr int kButtonGlyphSize = 16;
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
    // The maker keeps no web site, so the page offers no home-page link.
    {3, Kind::Label, 0, 16, 80, L"Support :"},
    {3, Kind::Link, 115, 104, 80, nullptr},
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

}  // namespace

HFONT MakeFont(int height, bool underline) {
  return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, underline, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
}

namespace {

HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w,
           int h, int id, HINSTANCE instance, const GdiObject& font) {
  HWND w32 = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  SendMessageW(w32, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  return w32;
}

// The check box's square and the space before its text.
int CheckBoxTextOffset() {
  return GetSystemMetrics(SM_CXMENUCHECK) + 2 * GetSystemMetrics(SM_CXEDGE) + 4;
}

// The extent of a control's text in the font it uses, broken into lines no
// wider than `wrapWidth` (0: one line), as a static control or a button
// draws it. Glyphs may reach past their advance widths (a colon at the end
// of a line was drawn three pixels further than measured here), so every
// line gets the font's average character width to spare.
}  // namespace

Size MeasureText(HWND control, PageControlKind kind, int32_t wrapWidth) {
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  GetWindowTextW(control, text.data(), length + 1);
  text.resize(static_cast<size_t>(length));
  const HDC dc = GetDC(control);
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  const int spare = (kind == PageControlKind::CheckBox ? CheckBoxTextOffset() : 0) +
                    static_cast<int>(tm.tmAveCharWidth);
  RECT r{0, 0, wrapWidth > 0 ? std::max(1, wrapWidth - spare) : 0, 0};
  const UINT format = DT_CALCRECT | DT_EXPANDTABS | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
  DrawTextW(dc, text.c_str(), length, &r, format);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return {r.right + spare, r.bottom};
}

namespace {

void CreatePageControl(const Design& d, HWND panel, HINSTANCE instance, SetupWindowControls& c) {
  PageChild child;
  switch (d.kind) {
    case Kind::Label:
      child = {Child(panel, L"STATIC", d.text, SS_LEFT, d.x, d.y, 0, kLabelHeight, d.id, instance,
                     c.panelFont),
               PageControlKind::Label,
               {d.x, d.y, d.x, d.y + kLabelHeight}};
      break;
    case Kind::Wrapped:
      child = {Child(panel, L"STATIC", d.text, SS_LEFT, d.x, d.y, kWrappedWidth, kWrappedHeight,
                     d.id, instance, c.panelFont),
               PageControlKind::Wrapped,
               {d.x, d.y, d.x + kWrappedWidth, d.y + kWrappedHeight}};
      break;
    case Kind::Check:
    case Kind::Checked: {
      HWND box = Child(panel, L"BUTTON", d.text, BS_AUTOCHECKBOX | BS_MULTILINE | WS_TABSTOP, d.x,
                       d.y, kCheckWidth, kCheckHeight, d.id, instance, c.panelFont);
      if (d.kind == Kind::Checked) SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
      child = {box, PageControlKind::CheckBox, {d.x, d.y, d.x + kCheckWidth, d.y + kCheckHeight}};
      break;
    }
    case Kind::Link: {
      child = {Child(panel, L"STATIC", Widen(kSupportMail).c_str(), SS_LEFT | SS_NOTIFY, d.x, d.y,
                     0, kLabelHeight, d.id, instance, c.linkFont),
               PageControlKind::Label,
               {d.x, d.y, d.x, d.y + kLabelHeight}};
      break;
    }
  }
  c.pageChildren[static_cast<size_t>(d.panel)].push_back(child);
}

}  // namespace

void CreateSetupWindowControls(HWND form, HINSTANCE instance, SetupWindowControls& c) {
  RegisterPanelClass(instance);
  c.instance = instance;
  // Fonts, pictures and places follow once every control exists.

  const auto formChild = [&](const wchar_t* cls, const wchar_t* text, DWORD style, Rect r, int id) {
    const HWND w = Child(form, cls, text, style, r.left, r.top, r.Width(), r.Height(), id, instance,
                         c.formFont);
    c.formChildren.push_back({w, r});
    return w;
  };
  c.image = formChild(L"STATIC", nullptr, SS_BITMAP, {8, 8, 97, 176}, 0);
  formChild(L"STATIC", nullptr, SS_ETCHEDHORZ, {8, 192, 393, 194}, 0);
  c.okButton = formChild(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, {120, 208, 195, 233},
                         static_cast<int>(SetupControlId::BitBtn1));
  c.cancelButton = formChild(L"BUTTON", L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, {208, 208, 283, 233},
                             static_cast<int>(SetupControlId::BitBtn2));

  for (int i = 0; i < kPanelCount; ++i) {
    c.panels[static_cast<size_t>(i)] = CreateWindowExW(
        WS_EX_CONTROLPARENT, kPanelClass, nullptr, WS_CHILD, kPanelLeft,
        kPanelTop + i * kPanelHeight, kPanelWidth, kPanelHeight, form, nullptr, instance, nullptr);
  }
  for (const Design& d : kDesign) {
    CreatePageControl(d, c.panels[static_cast<size_t>(d.panel)], instance, c);
  }
  ApplySetupWindowDpi(c, WindowDpi(form), 0);
}

void RegisterPanelClass(HINSTANCE instance) {
  RegisterWindowClass(instance, {kPanelClass, PanelProc, 0, false, true});  // a plain panel
}

void ApplySetupWindowDpi(SetupWindowControls& c, UINT dpi, int shownPage) {
  c.dpi = dpi;
  const auto scaled = [dpi](const Rect& r) { return ScaleForDpi(r, kDesignDpi, dpi); };
  // The old fonts stay selected into the controls until the new ones are.
  GdiObject formFont(MakeFont(ScaleToDpi(kFormFontHeight, dpi), false));
  GdiObject panelFont(MakeFont(ScaleToDpi(kPanelFontHeight, dpi), false));
  GdiObject linkFont(MakeFont(ScaleToDpi(kPanelFontHeight, dpi), true));
  for (const FormChild& child : c.formChildren) {
    const Rect r = scaled(child.designed);
    SendMessageW(child.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(formFont.get()), FALSE);
    SetWindowPos(child.hwnd, nullptr, r.left, r.top, r.Width(), r.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  for (const auto& page : c.pageChildren) {
    for (const PageChild& child : page) {
      const GdiObject& font = IsLink(child.hwnd) ? linkFont : panelFont;
      SendMessageW(child.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    }
  }
  c.formFont = std::move(formFont);
  c.panelFont = std::move(panelFont);
  c.linkFont = std::move(linkFont);

  // The side picture stretched to its box, so it fills it as designed.
  const Rect box = scaled(c.formChildren.front().designed);
  GdiObject picture(
      LoadImageW(c.instance, kSidePicture, IMAGE_BITMAP, box.Width(), box.Height(), 0));
  SendMessageW(c.image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture.get()));
  c.sidePicture = std::move(picture);
  // The check-mark and cross glyphs beside the captions (common controls 6
  // draw a button's image and its text together).
  const int glyph = ScaleToDpi(kButtonGlyphSize, dpi);
  const auto setGlyph = [&](HWND button, int id, IconHandle& owner) {
    const auto icon = static_cast<HICON>(
        LoadImageW(c.instance, MAKEINTRESOURCEW(id), IMAGE_ICON, glyph, glyph, 0));
    SendMessageW(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
    owner.Reset(icon);
  };
  setGlyph(c.okButton, OLB_OKGLYPH, c.okGlyph);
  setGlyph(c.cancelButton, OLB_CANCELGLYPH, c.cancelGlyph);

  for (int i = 0; i < kPanelCount; ++i) {
    const Rect r = scaled({kPanelLeft, kPanelTop + i * kPanelHeight, kPanelLeft + kPanelWidth,
                           kPanelTop + (i + 1) * kPanelHeight});
    SetWindowPos(c.panels[static_cast<size_t>(i)], nullptr, r.left, r.top, r.Width(), r.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  MovePanelToFront(c, shownPage);
  for (int page = 0; page < kPanelCount; ++page) LayOutPageControls(c, page);
}

SIZE SetupClientSize(const SetupWindowControls& c) {
  return {ScaleToDpi(kSetupClientWidth, c.dpi), ScaleToDpi(kSetupClientHeight, c.dpi)};
}

void MovePanelToFront(const SetupWindowControls& c, int page) {
  SetWindowPos(c.panels[static_cast<size_t>(page)], nullptr, ScaleToDpi(kPanelLeft, c.dpi),
               ScaleToDpi(kPanelTop, c.dpi), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void LayOutPageControls(const SetupWindowControls& c, int page) {
  const std::vector<PageChild>& children = c.pageChildren[static_cast<size_t>(page)];
  std::vector<PageControl> controls;
  for (const PageChild& child : children) {
    controls.push_back(
        {child.kind, ScaleForDpi(child.designed, kDesignDpi, c.dpi),
         [&child](int32_t wrapWidth) { return MeasureText(child.hwnd, child.kind, wrapWidth); }});
  }
  const std::vector<Rect> placed =
      LayOutPage(controls, ScaleToDpi(kPanelWidth, c.dpi), ScaleToDpi(kPageRightMargin, c.dpi));
  for (size_t i = 0; i < children.size(); ++i) {
    const Rect& r = placed[i];
    SetWindowPos(children[i].hwnd, nullptr, r.left, r.top, r.Width(), r.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

HWND CheckBox(const SetupWindowControls& c, int n) {
  const size_t panel = n <= 5 ? 0 : 1;
  return GetDlgItem(c.panels[panel], static_cast<int>(SetupControlId::CheckBox1) + n - 1);
}

bool IsLink(HWND control) {
  const int id = GetDlgCtrlID(control);
  return id == static_cast<int>(SetupControlId::Label15);
}

}  // namespace olb::win
