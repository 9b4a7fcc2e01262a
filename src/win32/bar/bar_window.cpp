#include "win32/bar/bar_window.h"
#include "win32/bar/cascade_popup.h"

#include "core/settings/placement.h"
#include "win32/adapters/win32_help_viewer.h"
#include "win32/base/message_pump.h"
#include "win32/base/rect.h"
#include "win32/base/dpi.h"
#include "win32/base/error_box.h"
#include "win32/base/high_contrast.h"
#include "win32/bar/title_painter.h"
#include "win32/base/module_path.h"
#include "win32/base/unicode.h"

namespace olb::win {
namespace {

constexpr DWORD kDesignedStyle = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr int kDesignedLeft = 277, kDesignedTop = 204;
constexpr int kDesignedClientWidth = 139, kDesignedClientHeight = 319;
constexpr int kCreatedWidth = 100;

Rect WindowRectOf(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return ToRect(r);
}

}  // namespace

RECT BarWindow::DesignedRect(UINT dpi) {
  RECT r{0, 0, ScaleToDpi(kDesignedClientWidth, dpi), ScaleToDpi(kDesignedClientHeight, dpi)};
  AdjustWindowRectForDpi(r, kDesignedStyle, 0, dpi);
  return {kDesignedLeft, kDesignedTop, kDesignedLeft + (r.right - r.left),
          kDesignedTop + (r.bottom - r.top)};
}

BarWindow::BarWindow(HINSTANCE instance, HWND owner, Registry& registry, UINT appBarNotify)
    : instance_(instance),
      owner_(owner),
      appBarNotify_(appBarNotify),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {
  RegisterFormClass(instance_, WndProc, kBarClassName, CS_DBLCLKS);
  // Designed for 96 DPI; the application window is on the monitor the bar
  // starts on.
  const UINT dpi = WindowDpi(owner_);
  const RECT r = DesignedRect(dpi);
  CreateWindowExW(0, kBarClassName, L"", kDesignedStyle, r.left, r.top, r.right - r.left,
                  r.bottom - r.top, owner_, nullptr, instance_, this);
  if (!hwnd_) throw std::runtime_error("Cannot create the bar window");
  folder_ = std::make_unique<FolderView>(hwnd_, instance_, owner_);
  chooser_ = std::make_unique<Win32FileChooser>(owner_);
  rows_ = std::make_unique<ListRows>(folder_->list().hwnd());
  shell_ = std::make_unique<Win32AppBarShell>(hwnd_, appBarNotify_);
  ops_ = std::make_unique<HwndBarOps>(hwnd_);
  watcher_ = std::make_unique<Win32FolderWatcher>(hwnd_, kFolderChangedMessage);
  icons_ = std::make_unique<Win32IconFetcher>(hwnd_, kIconsFetchedMessage);
  itemMenus_ = std::make_unique<Win32ItemShellMenus>(hwnd_);
  hotkey_ = std::make_unique<Win32HotkeyPort>(hwnd_, folder_->list().hwnd());
  FolderView& f = *folder_;
  controller_ = std::make_unique<LaunchBar>(BarServices{*shell_,      *ops_,
                                                        desktop_,     registry,
                                                        f.shell(),    f.allocator(),
                                                        f.list(),     f.list(),
                                                        f.strips(),   f.cursor(),
                                                        f.time(),     f.launcher(),
                                                        files_,       *chooser_,
                                                        *rows_,       programs_,
                                                        *watcher_,    *this,
                                                        textCase_,    ExecutablePath(),
                                                        icons_.get(), itemMenus_.get(),
                                                        hotkey_.get()});
  folder_->Attach(*controller_);
  dragDrop_ = std::make_unique<BarDragDrop>(hwnd_, *folder_, *controller_);
  accessibility_ = std::make_unique<BarAccessibility>(hwnd_, folder_->list().hwnd(), [this] {
    const FolderPaths& p = controller_->paths();
    return AccessibleParts(layout(), controller_->strips(), p.CurrentPath, p.RootPath);
  });
  // The keyboard focus is always drawn, whatever input came last.
  SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  // The form's creation handler.
  SetWindowPos(hwnd_, nullptr, 0, 0, ScaleToDpi(kCreatedWidth, dpi), WindowRectOf(hwnd_).Height(),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  controller_->Create();
  folder_->list().SetupSystemImageLists();
  PostMessageW(hwnd_, kAfterFirstPaintMessage, 0, 0);
}

BarWindow::~BarWindow() {
  // A window destroyed without closing is revoked first, while it exists.
  if (dragDrop_) dragDrop_->Unbind();
  if (hwnd_) DestroyWindow(hwnd_);
}

// --- BarForm ------------------------------------------------------------

void BarWindow::ProcessMessages() {
  win::ProcessMessages();
}

FormSizes BarWindow::Sizes() {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const Rect window = WindowRectOf(hwnd_);
  return {{window.Width(), window.Height()},
          {client.right, client.bottom},
          LayoutFrameAllowance(GetSystemMetrics(SM_CYEDGE), GetSystemMetrics(SM_CYBORDER))};
}

void BarWindow::PlaceParts(const BarLayout& layout) {
  folder_->Place(layout);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void BarWindow::InvalidateTitle() {
  InvalidateRect(hwnd_, nullptr, FALSE);
  // A reader that meets the button window itself reads its window text (it
  // draws a glyph only).
  const FolderPaths& p = controller_->paths();
  SetWindowTextW(folder_->upButton().button(),
                 Widen(UpButtonName(p.CurrentPath, p.RootPath)).c_str());
  if (accessibility_) accessibility_->TitleChanged();
}

void BarWindow::InvalidateList() {
  // The control repaints only the items it moved; what the other mode drew
  // elsewhere would stay on screen.
  InvalidateRect(folder_->list().hwnd(), nullptr, TRUE);
}

void BarWindow::RestartTimer(TimerId id) {
  const auto raw = static_cast<UINT_PTR>(id);
  KillTimer(hwnd_, raw);
  SetTimer(hwnd_, raw, TimerInterval(id), nullptr);
}

void BarWindow::StopTimer(TimerId id) {
  KillTimer(hwnd_, static_cast<UINT_PTR>(id));
}

bool BarWindow::UserBusy() {
  return GetCapture() != nullptr ||
         SendMessageW(folder_->list().hwnd(), LVM_GETEDITCONTROL, 0, 0) != 0;
}

Point BarWindow::CursorPos() {
  POINT p{};
  GetCursorPos(&p);
  return {p.x, p.y};
}

Size BarWindow::DoubleClickDistance() {
  return {GetSystemMetrics(SM_CXDOUBLECLK), GetSystemMetrics(SM_CYDOUBLECLK)};
}

void BarWindow::ShowError(const std::string& message) {
  ShowException(std::runtime_error(message));
}

bool BarWindow::Confirm(const std::string& question) {
  return ProgramMessageBox(MessageText(question).c_str(), kAppTitle, MB_YESNO | MB_ICONQUESTION) ==
         IDYES;
}

void BarWindow::ShowMessage(std::string_view text, std::string_view caption) {
  ProgramMessageBox(MessageText(text).c_str(), Widen(caption).c_str(), MB_OK);
}

void BarWindow::ShowAbout() {
  if (showAboutPage) showAboutPage();
}

void BarWindow::CloseAbout() {
  if (closeAboutPage) closeAboutPage();
}

HelpViewer& BarWindow::Help() {
  if (!help_) help_ = std::make_unique<Win32HelpViewer>(hwnd_);
  return *help_;
}

void BarWindow::ReturnFocusToList() {
  if (!IsWindow(hwnd_)) return;
  // A modal window that closes may leave activation with the hidden
  // application window (or no window of the program): the list gets the
  // keyboard back, unless the user went on to another window of ours.
  const HWND active = GetActiveWindow();
  if (active && active != hwnd_ && active != owner_) return;
  if (active != hwnd_) SetActiveWindow(hwnd_);
  SetFocus(folder_->list().hwnd());
}

void BarWindow::FormPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  const Rect& grip = layout().grip;
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, grip.left, grip.top, grip.right, grip.bottom);
  SetViewportOrgEx(dc, grip.left, grip.top, nullptr);
  TitlePlacement title =
      PlaceTitleForDpi(options().Edge, {grip.Width(), grip.Height()}, controller_->dpi());
  const TitleColors colors = TitleColorsFor(title, HighContrastOn());
  if (!colors.picture) title.bitmap = {};
  title.text = PartRgb(colors.text);
  title.background = PartRgb(colors.background);
  PaintTitle(dc, instance_, title, controller_->titleText());
  RestoreDC(dc, saved);
  folder_->PaintStrips(dc);
  EndPaint(hwnd_, &ps);
}

// --- window procedure ------------------------------------------------------

bool BarWindow::EventMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  // The messages whose default handling comes first: the event is told what
  // it did, and the default's result stands.
  const auto afterDefault = [&](const WindowEvent& event) {
    result = DefWindowProcW(hwnd_, msg, wp, lp);
    controller_->OnEvent(event);
    return true;
  };
  // The messages the bar answers in place of the default.
  const auto answered = [&](const WindowEvent& event) {
    const EventAnswer answer = controller_->OnEvent(event);
    result = answer.result;
    return answer.handled;
  };
  // The move and size loops' outline, which the answer may change.
  const auto outline = [&](auto event) {
    auto* r = reinterpret_cast<RECT*>(lp);
    event.drag = ToRect(*r);
    const EventAnswer answer = controller_->OnEvent(event);
    if (answer.drag) *r = ToRECT(*answer.drag);
    result = answer.result;
    return answer.handled;
  };
  if (msg == appBarNotify_) {
    answered(event::AppBarNotify{static_cast<uint32_t>(wp), static_cast<intptr_t>(lp)});
    result = 0;
    return true;
  }
  if (msg == taskbarCreated_) {
    answered(event::ShellRestarted{});
    result = 0;
    return true;
  }
  switch (msg) {
    case WM_DISPLAYCHANGE:
      return afterDefault(event::ScreenChanged{});
    case WM_SETTINGCHANGE:
      if (wp != SPI_SETWORKAREA) return false;
      return afterDefault(event::ScreenChanged{});
    case WM_DPICHANGED:
      // Any program can post it: only values the system could send count.
      // Until the record is applied the window is left as it was made.
      if (!controller_->created()) return false;
      if (const std::optional<DpiChange> change = ReadDpiChanged(wp, lp)) {
        folder_->list().SetDpi(change->dpi);
        answered(event::DpiChanged{change->dpi, change->suggested});
      }
      result = 0;
      return true;
    case WM_SYSCOMMAND:
      return answered(event::SystemCommand{static_cast<uint32_t>(wp)});
    case WM_WINDOWPOSCHANGING: {
      result = DefWindowProcW(hwnd_, msg, wp, lp);
      auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
      const EventAnswer answer = controller_->OnEvent(event::PosChanging{
          {pos->x, pos->y}, !(pos->flags & SWP_NOMOVE), !(pos->flags & SWP_NOSIZE)});
      if (answer.keepPlace) pos->flags |= SWP_NOMOVE | SWP_NOSIZE;
      if (answer.position && !(pos->flags & SWP_NOMOVE)) {
        pos->x = answer.position->x;
        pos->y = answer.position->y;
      }
      return true;
    }
    case WM_WINDOWPOSCHANGED:
      return afterDefault(event::PosChanged{});
    case WM_SIZING:
      return outline(event::Sizing{static_cast<int>(wp), {}});
    case WM_ENTERSIZEMOVE:
      return afterDefault(event::EnterSizeMove{});
    case WM_MOVING:
      return outline(event::Moving{{}, desktop_.MessagePos()});
    case WM_EXITSIZEMOVE:
      return afterDefault(event::ExitSizeMove{});
    case WM_NCMOUSEMOVE:
      return afterDefault(event::NcMouseMove{});
    case WM_NCHITTEST: {
      const int standard = static_cast<int>(DefWindowProcW(hwnd_, msg, wp, lp));
      const Point p{static_cast<int16_t>(LOWORD(lp)), static_cast<int16_t>(HIWORD(lp))};
      if (!answered(event::HitTest{standard, p})) result = standard;
      return true;
    }
    case WM_ACTIVATE:
      // lParam is the window activated or deactivated in turn.
      if (LOWORD(wp) == WA_INACTIVE) {
        controller_->OnEvent(event::Deactivated{ActivatedFrom(lp)});
      } else {
        controller_->OnEvent(event::Activated{ActivatedFrom(lp)});
      }
      return false;  // the default activation goes on
    case WM_TIMER:
      answered(event::Timer{static_cast<uint32_t>(wp)});
      result = 0;
      return true;
    default:
      return false;
  }
}

// The window the bar's activation came from: the hidden application window
// that owns the bar is told apart from the program's other windows.
event::ActivatedFrom BarWindow::ActivatedFrom(LPARAM lp) const {
  const HWND previous = reinterpret_cast<HWND>(lp);
  if (!previous) return event::ActivatedFrom::Nothing;
  if (previous == GetWindow(hwnd_, GW_OWNER)) return event::ActivatedFrom::Application;
  if (GetWindowThreadProcessId(previous, nullptr) == GetCurrentThreadId()) {
    return event::ActivatedFrom::OwnWindow;
  }
  return event::ActivatedFrom::Elsewhere;
}

LRESULT BarWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  // What the bar hears goes to its controller as one event; the rest is
  // the window's own.
  LRESULT result = 0;
  if (controller_ && EventMessage(msg, wp, lp, result)) return result;
  if (folder_ && folder_->HandleFormMessage(msg, wp, lp, result)) return result;
  if (openShellMenu_ && openShellMenu_->HandleMenuMessage(msg, wp, lp, result)) return result;
  if (openCascade_ && openCascade_->HandleMenuMessage(msg, wp, lp, result)) return result;

  switch (msg) {
    case WM_GETMINMAXINFO:
      // Also before the engine takes over: the system's minimum tracking
      // width for a captioned window would overrule the width of 100 that
      // the form gets at creation.
      DefWindowProcW(hwnd_, msg, wp, lp);
      reinterpret_cast<MINMAXINFO*>(lp)->ptMinTrackSize.x = kMinBarThickness;
      return 0;
    case WM_PAINT:
      FormPaint();
      return 0;
    case WM_SIZE:
      InvalidateRect(hwnd_, nullptr, FALSE);
      break;
    case WM_SETFOCUS:
      // The form itself takes no keys: the item list is its one control
      // that does, as the form's active control.
      if (folder_) SetFocus(folder_->list().hwnd());
      return 0;
    case kFolderChangedMessage:
      watcher_->Received(wp, lp);
      if (controller_) controller_->OnFolderChanged();
      return 0;
    case kAfterFirstPaintMessage:
      // Posted messages come before paints: paint what waits, then register.
      RedrawWindow(hwnd_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      if (dragDrop_) dragDrop_->RegisterTarget();
      folder_->StartFindIndex();
      return 0;
    case kIconsFetchedMessage:
      if (controller_) controller_->OnIconsFetched();
      return 0;
    case WM_SETTINGCHANGE:
      if (wp != SPI_SETHIGHCONTRAST) break;
      [[fallthrough]];
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
      // The title strip and the Up button follow the colours (High
      // Contrast on or off).
      RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      break;
    case WM_GETOBJECT:
      if (accessibility_ && accessibility_->Answer(wp, lp, result)) return result;
      break;
    case WM_HOTKEY:
      if (controller_ && wp == Win32HotkeyPort::kHotkeyId) controller_->OnHotkey();
      return 0;
    case WM_RBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
      // A right click on the form's own parts (grip, strips, gaps): the menu.
      if (msg == WM_RBUTTONDOWN && controller_) {
        controller_->OnRightClick(
            {0, 0}, {static_cast<int16_t>(LOWORD(lp)), static_cast<int16_t>(HIWORD(lp))});
      }
      return 0;
    case WM_CLOSE:
      if (controller_ && !controller_->MayClose()) return 0;
      if (dragDrop_) dragDrop_->Unbind();
      DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY:
      if (controller_) controller_->Destroy();
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace olb::win
