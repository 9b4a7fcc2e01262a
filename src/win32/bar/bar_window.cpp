#include "win32/bar/bar_window.h"

#include <shellapi.h>

#include "core/settings/options_store.h"
#include "core/settings/placement.h"
#include "core/view/title.h"
#include "win32/app/application.h"
#include "win32/app/single_instance.h"
#include "win32/bar/title_painter.h"
#include "core/bar/ids.h"

namespace olb::win {
namespace {

constexpr DWORD kDesignedStyle = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr int kDesignedLeft = 277, kDesignedTop = 204;
constexpr int kDesignedClientWidth = 139, kDesignedClientHeight = 319;
constexpr int kCreatedWidth = 100;

Rect ToRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

Rect WindowRectOf(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return ToRect(r);
}

ScreenAreas CurrentScreen() {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int vx = GetSystemMetrics(SM_XVIRTUALSCREEN), vy = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return {{vx, vy, vx + GetSystemMetrics(SM_CXVIRTUALSCREEN),
           vy + GetSystemMetrics(SM_CYVIRTUALSCREEN)},
          ToRect(work)};
}

void RegisterBarClass(HINSTANCE instance, WNDPROC proc) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(instance, L"MAINICON");
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kBarClassName;
  RegisterClassExW(&wc);
}

}  // namespace

RECT BarWindow::DesignedRect() {
  RECT r{0, 0, kDesignedClientWidth, kDesignedClientHeight};
  AdjustWindowRectEx(&r, kDesignedStyle, FALSE, 0);
  const int height = r.bottom - r.top;
  return {kDesignedLeft, kDesignedTop, kDesignedLeft + (r.right - r.left), kDesignedTop + height};
}

BarWindow::BarWindow(Application& app, Registry& registry, UINT appBarNotify)
    : app_(app), registry_(registry), appBarNotify_(appBarNotify) {
  RegisterBarClass(app.instance(), WndProc);
  const RECT r = DesignedRect();
  CreateWindowExW(0, kBarClassName, L"", kDesignedStyle, r.left, r.top, r.right - r.left,
                  r.bottom - r.top, app.handle(), nullptr, app.instance(), this);
  if (!hwnd_) throw std::runtime_error("Cannot create the bar window");
  taskbarState_ = static_cast<UINT>(SendAppBarMessage(ABM_GETSTATE, Edge::None, 0, nullptr));
  FormCreate();
}

BarWindow::~BarWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void BarWindow::FormCreate() {
  SetWindowPos(hwnd_, nullptr, 0, 0, kCreatedWidth, WindowRectOf(hwnd_).Height(),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendAppBarMessage(ABM_NEW, Edge::None, 0, nullptr);
  LoadOptions();
  barWndProcInstalled_ = true;
  KillTimer(hwnd_, static_cast<UINT_PTR>(TimerId::Timer1));
  SetTimer(hwnd_, static_cast<UINT_PTR>(TimerId::Timer1), kTimer1Ms, nullptr);
  LayoutBar();
}

void BarWindow::LoadOptions() {
  const Rect windowRect = WindowRectOf(hwnd_);
  HideCaption();
  const LoadedOptions loaded = ReadOptions(registry_, options_, windowRect);
  options_ = loaded.live;
  ApplyEdge(CurrentEdge());
  if (loaded.formWidth) {
    const int width = static_cast<int>(std::max<uint32_t>(*loaded.formWidth, kMinBarThickness));
    const Rect r = WindowRectOf(hwnd_);
    SetWindowPos(hwnd_, nullptr, 0, 0, width, r.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

bool BarWindow::SaveOptions() {
  return WriteOptions(registry_, options_);
}

void BarWindow::HideCaption() {
  if (captionHidden_) return;
  LONG style = GetWindowLongW(hwnd_, GWL_STYLE);
  style = (style & ~WS_CAPTION) | WS_BORDER;
  SetWindowLongW(hwnd_, GWL_STYLE, style);
  // Keeps the outer size; the frame is recomputed without the caption.
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  captionHidden_ = true;
}

Edge BarWindow::CurrentEdge() const {
  return proposedEdge_ != Edge::None ? proposedEdge_ : options_.Edge;
}

UINT_PTR BarWindow::SendAppBarMessage(DWORD message, Edge edge, LPARAM lParam, RECT* rect) {
  APPBARDATA abd{};
  abd.cbSize = sizeof(abd);
  abd.hWnd = hwnd_;
  abd.uCallbackMessage = appBarNotify_;
  abd.uEdge = static_cast<UINT>(ToInt(edge));
  if (rect) abd.rc = *rect;
  abd.lParam = lParam;
  const UINT_PTR result = SHAppBarMessage(message, &abd);
  if (rect) *rect = abd.rc;
  return result;
}

BarOptions BarWindow::Placeable() const {
  const RECT d = DesignedRect();
  return PlaceableOptions(options_, {d.left, d.top, d.left + kCreatedWidth, d.bottom},
                          CurrentScreen());
}

// A first engine: registers, places the bar for its edge and reserves the
// strip when always on top. Sliding and auto-hide come with the full engine.
void BarWindow::ApplyEdge(Edge edge) {
  options_.Edge = edge;
  const BarOptions placed = Placeable();
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (edge == Edge::Float) {
    RECT none{};
    SendAppBarMessage(ABM_SETPOS, Edge::Float, 0, &none);
    const Rect& r = placed.FloatRect;
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.Width(), r.Height(), flags);
  } else if (edge == Edge::None) {
    SendAppBarMessage(ABM_REMOVE, Edge::None, 0, nullptr);
  } else {
    RECT rc{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (!options_.AutoHide) SendAppBarMessage(ABM_QUERYPOS, edge, 0, &rc);
    const LONG t = static_cast<LONG>(placed.DockSize[EdgeIndex(edge)]);
    switch (edge) {
      case Edge::Left:
        rc.right = rc.left + t;
        break;
      case Edge::Top:
        rc.bottom = rc.top + t;
        break;
      case Edge::Right:
        rc.left = rc.right - t;
        break;
      default:
        rc.top = rc.bottom - t;
        break;
    }
    if (!options_.AutoHide && options_.AlwaysOnTop) {
      SendAppBarMessage(ABM_SETPOS, edge, 0, &rc);
    } else {
      RECT none{};
      SendAppBarMessage(ABM_SETPOS, Edge::Left, 0, &none);
    }
    SetWindowPos(hwnd_, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, flags);
  }
  HWND z = !options_.AlwaysOnTop ? HWND_NOTOPMOST : fullScreenAppOpen_ ? HWND_BOTTOM : HWND_TOPMOST;
  SetWindowPos(hwnd_, z, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendAppBarMessage(ABM_ACTIVATE, Edge::None, 0, nullptr);
  LayoutBar();
}

void BarWindow::Show() {
  ShowWindow(hwnd_, SW_SHOW);
}

void BarWindow::LayoutBar() {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const Rect window = WindowRectOf(hwnd_);
  const BarMetrics metrics{
      options_.Edge,
      {window.Width(), window.Height()},
      {client.right, client.bottom},
      LayoutFrameAllowance(GetSystemMetrics(SM_CYEDGE), GetSystemMetrics(SM_CYBORDER))};
  layout_ = ComputeBarLayout(layout_, metrics);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void BarWindow::UpdateTitle() {
  TitleText = olb::TitleText(CurrentPath, RootPath);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void BarWindow::FormPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  const Rect& grip = layout_.grip;
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, grip.left, grip.top, grip.right, grip.bottom);
  SetViewportOrgEx(dc, grip.left, grip.top, nullptr);
  PaintTitle(dc, app_.instance(), PlaceTitle(options_.Edge, {grip.Width(), grip.Height()}),
             TitleText);
  RestoreDC(dc, saved);
  EndPaint(hwnd_, &ps);
}

void BarWindow::FormClose() {
  // Drop target and drag source are unbound here once they exist.
}

void BarWindow::FormDestroy() {
  KillTimer(hwnd_, static_cast<UINT_PTR>(TimerId::Timer1));
  ApplyEdge(Edge::None);
}

LRESULT BarWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      FormPaint();
      return 0;
    case WM_SIZE:
      InvalidateRect(hwnd_, nullptr, FALSE);
      return DefWindowProcW(hwnd_, msg, wp, lp);
    case WM_CLOSE:
      FormClose();
      DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY:
      FormDestroy();
      PostQuitMessage(0);
      return 0;
    case WM_TIMER:
      if (wp == static_cast<WPARAM>(TimerId::Timer1)) {
        KillTimer(hwnd_, wp);
        SetTimer(hwnd_, wp, kTimer1Ms, nullptr);
      }
      return 0;
    case WM_WINDOWPOSCHANGED: {
      const LRESULT r = DefWindowProcW(hwnd_, msg, wp, lp);
      if (barWndProcInstalled_) SendAppBarMessage(ABM_WINDOWPOSCHANGED, Edge::None, 0, nullptr);
      return r;
    }
    case WM_GETMINMAXINFO: {
      DefWindowProcW(hwnd_, msg, wp, lp);
      reinterpret_cast<MINMAXINFO*>(lp)->ptMinTrackSize.x = kMinBarThickness;
      return 0;
    }
    default:
      break;
  }
  if (msg == appBarNotify_ && msg != 0) {
    if (wp == ABN_STATECHANGE) {
      taskbarState_ = static_cast<UINT>(SendAppBarMessage(ABM_GETSTATE, Edge::None, 0, nullptr));
    } else if (wp == ABN_FULLSCREENAPP) {
      fullScreenAppOpen_ = lp != 0;
      ApplyEdge(CurrentEdge());
    }
    return 0;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace olb::win
