#include "win32/bar/bar_window.h"

#include "core/settings/placement.h"
#include "win32/adapters/win32_help_viewer.h"
#include "win32/base/message_pump.h"
#include "win32/base/dpi.h"
#include "win32/base/error_box.h"
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
  return {r.left, r.top, r.right, r.bottom};
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
  FolderView& f = *folder_;
  controller_ = std::make_unique<LaunchBar>(
      BarServices{*shell_,       *ops_,           desktop_, registry,   f.shell(),
                  f.allocator(), f.list(),        f.list(), f.strips(), f.cursor(),
                  f.time(),      f.launcher(),    files_,   *chooser_,  *rows_,
                  programs_,     *watcher_,       *this,    textCase_,  ExecutablePath(),
                  icons_.get(),  itemMenus_.get()});
  folder_->Attach(*controller_);
  dragDrop_ = std::make_unique<BarDragDrop>(hwnd_, *folder_, *controller_);
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
  PaintTitle(dc, instance_,
             PlaceTitleForDpi(options().Edge, {grip.Width(), grip.Height()}, engine().dpi()),
             controller_->titleText());
  RestoreDC(dc, saved);
  folder_->PaintStrips(dc);
  EndPaint(hwnd_, &ps);
}

// The form's activation: its first activation, and focus coming back from
// another window of this program. The hidden application window that owns
// the bar is no such window: the system makes it active when another
// program's window closes, and a click on the bar then comes "from" it.
void BarWindow::OnActivate(WPARAM wp, LPARAM lp) {
  if (LOWORD(wp) == WA_INACTIVE) return;
  const HWND previous = reinterpret_cast<HWND>(lp);
  controller_->OnActivate(previous && previous != GetWindow(hwnd_, GW_OWNER) &&
                          GetWindowThreadProcessId(previous, nullptr) == GetCurrentThreadId());
}

// --- window procedure ------------------------------------------------------

bool BarWindow::DockingMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  DockingEngine& e = controller_->engine();
  if (msg == appBarNotify_) {
    result = 0;
    e.OnAppBarNotify(static_cast<uint32_t>(wp), static_cast<intptr_t>(lp));
    return true;
  }
  if (msg == taskbarCreated_) {
    result = 0;
    e.OnShellRestarted();
    return true;
  }
  switch (msg) {
    case WM_DISPLAYCHANGE:
    case WM_SETTINGCHANGE:
      result = DefWindowProcW(hwnd_, msg, wp, lp);
      if (msg == WM_DISPLAYCHANGE || wp == SPI_SETWORKAREA) e.OnScreenChanged();
      return true;
    case WM_DPICHANGED:
      // Any program can post it: only values the system could send count.
      if (const std::optional<DpiChange> change = ReadDpiChanged(wp, lp)) {
        folder_->list().SetDpi(change->dpi);
        e.OnDpiChanged(change->dpi, change->suggested);
      }
      result = 0;
      return true;
    case WM_SYSCOMMAND:
      // The bar is never maximised (a snap to the top of the screen, say).
      if ((wp & 0xFFF0) != SC_MAXIMIZE) return false;
      result = 0;
      return true;
    case WM_WINDOWPOSCHANGING: {
      result = DefWindowProcW(hwnd_, msg, wp, lp);
      auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
      if ((pos->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE) &&
          e.DeclinesPlacement()) {
        pos->flags |= SWP_NOMOVE | SWP_NOSIZE;
      }
      if (!(pos->flags & SWP_NOMOVE)) {
        int32_t x = pos->x, y = pos->y;
        e.OnWindowPosChanging(x, y);
        pos->x = x;
        pos->y = y;
      }
      return true;
    }
    case WM_WINDOWPOSCHANGED:
      result = DefWindowProcW(hwnd_, msg, wp, lp);
      e.OnWindowPosChanged();
      return true;
    case WM_SIZING: {
      auto* r = reinterpret_cast<RECT*>(lp);
      Rect drag{r->left, r->top, r->right, r->bottom};
      e.OnSizing(static_cast<int>(wp), drag);
      *r = {drag.left, drag.top, drag.right, drag.bottom};
      result = TRUE;
      return true;
    }
    case WM_ENTERSIZEMOVE:
      result = DefWindowProcW(hwnd_, msg, wp, lp);
      e.OnEnterSizeMove();
      return true;
    case WM_MOVING: {
      auto* r = reinterpret_cast<RECT*>(lp);
      Rect drag{r->left, r->top, r->right, r->bottom};
      e.OnMoving(drag, desktop_.MessagePos());
      *r = {drag.left, drag.top, drag.right, drag.bottom};
      result = TRUE;
      return true;
    }
    case WM_EXITSIZEMOVE:
      result = DefWindowProcW(hwnd_, msg, wp, lp);
      e.OnExitSizeMove();
      return true;
    case WM_NCMOUSEMOVE:
      result = DefWindowProcW(hwnd_, msg, wp, lp);
      e.OnNcMouseMove();
      return true;
    case WM_NCHITTEST: {
      const int standard = static_cast<int>(DefWindowProcW(hwnd_, msg, wp, lp));
      const Point p{static_cast<int16_t>(LOWORD(lp)), static_cast<int16_t>(HIWORD(lp))};
      result = e.OnNcHitTest(standard, p);
      return true;
    }
    default:
      return false;
  }
}

LRESULT BarWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  // The engine's procedure takes over once the stored options are applied;
  // before that the window behaves as the toolkit made it.
  LRESULT result = 0;
  if (controller_ && controller_->created() && DockingMessage(msg, wp, lp, result)) return result;
  if (folder_ && folder_->HandleFormMessage(msg, wp, lp, result)) return result;
  if (openShellMenu_ && openShellMenu_->HandleMenuMessage(msg, wp, lp, result)) return result;

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
    case WM_ACTIVATE:
      if (controller_) OnActivate(wp, lp);
      break;
    case WM_SETFOCUS:
      // The form itself takes no keys: the item list is its one control
      // that does, as the form's active control.
      if (folder_) SetFocus(folder_->list().hwnd());
      return 0;
    case WM_TIMER:
      if (controller_) controller_->OnTimer(static_cast<TimerId>(wp));
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
