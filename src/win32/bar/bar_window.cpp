#include "win32/bar/bar_window.h"

#include "core/settings/placement.h"
#include "core/view/title.h"
#include "core/wizard/autoload.h"
#include "win32/app/application.h"
#include "win32/app/single_instance.h"
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

RECT BarWindow::DesignedRect() {
  RECT r{0, 0, kDesignedClientWidth, kDesignedClientHeight};
  AdjustWindowRectEx(&r, kDesignedStyle, FALSE, 0);
  return {kDesignedLeft, kDesignedTop, kDesignedLeft + (r.right - r.left),
          kDesignedTop + (r.bottom - r.top)};
}

BarWindow::BarWindow(Application& app, Registry& registry, UINT appBarNotify)
    : app_(app), registry_(registry), appBarNotify_(appBarNotify) {
  RegisterFormClass(app.instance(), WndProc, kBarClassName, CS_DBLCLKS);
  const RECT r = DesignedRect();
  CreateWindowExW(0, kBarClassName, L"", kDesignedStyle, r.left, r.top, r.right - r.left,
                  r.bottom - r.top, app.handle(), nullptr, app.instance(), this);
  if (!hwnd_) throw std::runtime_error("Cannot create the bar window");
  folder_ = std::make_unique<FolderView>(hwnd_, app.instance(), app.handle(), paths, *this);
  folder_->onListRightClick = [this](POINT inList) {
    PartRightClick({layout().list.left, layout().list.top}, inList);
  };
  chooser_ = std::make_unique<OpenFileDialog>(app.handle());
  rows_ = std::make_unique<ListRows>(folder_->list().hwnd());
  commands_ = std::make_unique<ItemCommands>(
      folder_->model(), CommandServices{files_, *chooser_, folder_->launcher(), *rows_, *this});
  folder_->onLabelEdited = [this](int row, const std::string& text) {
    commands_->ListViewEdited(row, text);
  };
  shell_ = std::make_unique<ShellAppBar>(hwnd_, appBarNotify_);
  ops_ = std::make_unique<HwndBarOps>(hwnd_);
  // Reads the taskbar state, as the form's construction does.
  engine_ = std::make_unique<DockingEngine>(options_, *shell_, *ops_, *this, desktop_, registry_);
  dragDrop_ = std::make_unique<BarDragDrop>(hwnd_, *folder_, *engine_, files_, *rows_);
  FormCreate();
}

void BarWindow::ProcessMessages() {
  Application::ProcessMessages();
}

BarWindow::~BarWindow() {
  // A window destroyed without closing is revoked first, while it exists.
  if (dragDrop_) dragDrop_->Unbind();
  if (hwnd_) DestroyWindow(hwnd_);
}

void BarWindow::FormCreate() {
  SetWindowPos(hwnd_, nullptr, 0, 0, kCreatedWidth, WindowRectOf(hwnd_).Height(),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  engine_->Register();
  engine_->LoadOptions();
  barWndProcInstalled_ = true;
  RestartTimer(TimerId::Timer1);
  LayoutBar();
  folder_->InitFolderView();
}

void BarWindow::Show() {
  ShowWindow(hwnd_, SW_SHOW);
}

void BarWindow::OpenRootFolder() {
  folder_->OpenFolderByPath(paths.RootPath);
  folder_->MeasureItemPitch();
  folder_->UpdateScrollStrips();
}

void BarWindow::FormClose() {
  if (dragDrop_) dragDrop_->Unbind();
}

void BarWindow::FormDestroy() {
  StopTimer(TimerId::Timer1);
  engine_->Unregister();
}

// --- BarUi -------------------------------------------------------------

void BarWindow::LayoutBar() {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const Rect window = WindowRectOf(hwnd_);
  const BarMetrics metrics{
      options_.Edge,
      {window.Width(), window.Height()},
      {client.right, client.bottom},
      LayoutFrameAllowance(GetSystemMetrics(SM_CYEDGE), GetSystemMetrics(SM_CYBORDER))};
  layout_ = folder_ ? folder_->LayoutBar(metrics) : ComputeBarLayout(layout_, metrics);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void BarWindow::ScrollListToTop() {
  if (folder_) folder_->ScrollListToTop();
}

// The menu is built from the record each time it opens, so its AutoHide
// mark already follows the engine's change.
void BarWindow::UncheckAutoHideMenuItem() {}

void BarWindow::ShowMessage(std::string_view text, std::string_view caption) {
  MessageBoxW(app_.handle(), Widen(text).c_str(), Widen(caption).c_str(), MB_OK);
}

void BarWindow::StartRevealTimer() {
  if (revealTimer_.OnNcMouseMove()) RestartTimer(TimerId::Timer2);
}

// --- title ---------------------------------------------------------------

// --- NavigationHost ------------------------------------------------------

void BarWindow::SetUpButtonEnabled(bool enabled) {
  folder_->SetUpButtonEnabled(enabled);
}

void BarWindow::UpdateScrollStrips() {
  folder_->UpdateScrollStrips();
}

void BarWindow::ReapplyListExtent() {
  folder_->ReapplyListExtent();
}

void BarWindow::UpdateTitle() {
  TitleText = olb::TitleText(paths.CurrentPath, paths.RootPath);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void BarWindow::WriteAutoloadValue() {
  olb::WriteAutoloadValue(registry_, ExecutablePath());
}

void BarWindow::ShowAutoHiddenBar() {
  engine_->SetAutoHideShown(true);
}

void BarWindow::ShowError(const std::string& message) {
  ShowException(std::runtime_error(message));
}

bool BarWindow::Confirm(const std::string& question) {
  return MessageBoxW(MessageBoxOwner(), Widen(question).c_str(), kAppTitle,
                     MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void BarWindow::FormPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  const Rect& grip = layout().grip;
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, grip.left, grip.top, grip.right, grip.bottom);
  SetViewportOrgEx(dc, grip.left, grip.top, nullptr);
  PaintTitle(dc, app_.instance(), PlaceTitle(options_.Edge, {grip.Width(), grip.Height()}),
             TitleText);
  RestoreDC(dc, saved);
  if (folder_) folder_->PaintStrips(dc);
  EndPaint(hwnd_, &ps);
}

// --- timers ------------------------------------------------------------

void BarWindow::RestartTimer(TimerId id) {
  const auto raw = static_cast<UINT_PTR>(id);
  KillTimer(hwnd_, raw);
  SetTimer(hwnd_, raw, TimerInterval(id), nullptr);
}

void BarWindow::StopTimer(TimerId id) {
  KillTimer(hwnd_, static_cast<UINT_PTR>(id));
}

void BarWindow::Timer1Timer() {
  const Size doubleClick{GetSystemMetrics(SM_CXDOUBLECLK), GetSystemMetrics(SM_CYDOUBLECLK)};
  if (Timer1WantsSlideIn(GetActiveWindow() == hwnd_, UnpackMessagePos(GetMessagePos()),
                         WindowRectOf(hwnd_), doubleClick)) {
    engine_->SetAutoHideShown(false);
  }
  RestartTimer(TimerId::Timer1);
}

void BarWindow::Timer2Timer() {
  POINT cursor{};
  GetCursorPos(&cursor);
  StopTimer(TimerId::Timer2);
  if (revealTimer_.OnTick({cursor.x, cursor.y}, WindowRectOf(hwnd_))) {
    engine_->SetAutoHideShown(true);
  }
}

// --- activation ----------------------------------------------------------

// The form's activation: its first activation, and focus coming back from
// another window of this program. Switching from another program does not
// count, so clicking a slid-out bar keeps it out.
void BarWindow::OnActivate(WPARAM wp, LPARAM lp) {
  if (LOWORD(wp) == WA_INACTIVE) return;
  const HWND previous = reinterpret_cast<HWND>(lp);
  const bool fromOwnWindow =
      previous && GetWindowThreadProcessId(previous, nullptr) == GetCurrentThreadId();
  if (activatedOnce_ && !fromOwnWindow) return;
  activatedOnce_ = true;
  engine_->OnActivated();
}

// --- window procedure ------------------------------------------------------

bool BarWindow::DockingMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  DockingEngine& e = *engine_;
  if (msg == appBarNotify_) {
    result = 0;
    e.OnAppBarNotify(static_cast<uint32_t>(wp), static_cast<intptr_t>(lp));
    return true;
  }
  switch (msg) {
    case WM_WINDOWPOSCHANGING: {
      result = DefWindowProcW(hwnd_, msg, wp, lp);
      auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
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
  if (barWndProcInstalled_ && engine_ && DockingMessage(msg, wp, lp, result)) return result;
  if (folder_ && folder_->HandleFormMessage(msg, wp, lp, result)) return result;

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
      if (engine_) OnActivate(wp, lp);
      break;
    case WM_SETFOCUS:
      // The form itself takes no keys: the item list is its one control
      // that does, as the form's active control.
      if (folder_) SetFocus(folder_->list().hwnd());
      return 0;
    case WM_TIMER:
      if (wp == static_cast<WPARAM>(TimerId::Timer1)) Timer1Timer();
      if (wp == static_cast<WPARAM>(TimerId::Timer2)) Timer2Timer();
      return 0;
    case WM_RBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
      FormMouseDown(msg, {static_cast<int16_t>(LOWORD(lp)), static_cast<int16_t>(HIWORD(lp))});
      return 0;
    case WM_CLOSE:
      FormClose();
      DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY:
      if (engine_) FormDestroy();
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace olb::win
