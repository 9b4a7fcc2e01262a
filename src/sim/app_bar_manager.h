// A model of the shell's AppBar manager: the monitors, a taskbar on one edge
// of the primary one, registered bars with their reserved strips, one
// auto-hide bar per edge of each monitor, each monitor's work area left over,
// and notifications posted to each bar's queue. A rectangle passed with a
// message belongs to the monitor it shares most with (the nearest when it
// meets none), as the shell decides with MonitorFromRect.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/app_bar_shell.h"
#include "core/platform/desktop.h"

namespace olb::sim {

enum class AppBarMessage {
  New,
  Remove,
  QueryPos,
  SetPos,
  GetState,
  Activate,
  GetAutoHideBar,
  SetAutoHideBar,
  WindowPosChanged,
};

// One AppBar message as a window sent it, with the rectangle as passed in.
struct SentMessage {
  int window = 0;
  AppBarMessage message{};
  Edge edge = Edge::None;
  Rect rc{};
  int32_t lParam = 0;
};

struct Notification {
  uint32_t code = 0;
  intptr_t lParam = 0;
};

// Messages the system broadcasts to every top-level window, registered bar
// or not.
enum class Broadcast {
  TaskbarCreated,  // the registered message "TaskbarCreated": the shell started again
  DisplayChange,   // WM_DISPLAYCHANGE: the screen's size changed
  WorkAreaChange,  // WM_SETTINGCHANGE with SPI_SETWORKAREA
};

// One simulated monitor; the first of a list is the primary one, at 0,0.
// `dpi` is its effective DPI (GetDpiForMonitor with MDT_EFFECTIVE_DPI):
// 96 at 100%, 144 at 150%.
struct SimMonitor {
  std::string device;
  Rect area;
  uint32_t dpi = 96;
};

class AppBarManager {
 public:
  // One monitor, "\\.\DISPLAY1", of this size.
  explicit AppBarManager(Size screen = {1024, 768});

  // --- the messages, on behalf of a window id (see ShellConnection) ---
  bool New(int window);
  bool Remove(int window);
  bool QueryPos(int window, Edge edge, Rect& rc);
  bool SetPos(int window, Edge edge, Rect& rc);
  uint32_t GetState(int window);
  bool Activate(int window);
  // The owner's id of the edge of the monitor `monitor` belongs to, 0 for none.
  int GetAutoHideBar(int window, Edge edge, const Rect& monitor);
  bool SetAutoHideBar(int window, Edge edge, bool autoHide, const Rect& monitor);
  void WindowPosChanged(int window);

  // Hands the window's queued notifications to `handler` one at a time, in
  // order. The handler may let messages run again; each notification is
  // taken off the queue before it is handed over.
  void DeliverPending(int window, const std::function<void(const Notification&)>& handler);

  // --- the rest of the desktop, driven by tests ---
  // Moves the taskbar (thickness 0: no taskbar); the bars hear ABN_POSCHANGED.
  void PlaceTaskbar(Edge edge, int32_t thickness);
  // The taskbar's ABS_* bits. An auto-hidden taskbar reserves nothing.
  void SetTaskbarState(uint32_t state);
  // A full-screen program opens or closes; `window` is its rectangle (the
  // foreground window's), the primary monitor when not given.
  void SetFullScreenApp(bool open, std::optional<Rect> window = std::nullopt);
  void ArrangeWindows(bool beginning);
  // The shell ends and starts again: every registration, reservation and
  // auto-hide bar is forgotten, then "TaskbarCreated" is broadcast.
  void RestartShell();
  // The primary display's resolution changes; WM_DISPLAYCHANGE is broadcast.
  void SetScreenSize(Size screen);
  // Monitors are added, removed or moved (the first is the primary one);
  // WM_DISPLAYCHANGE is broadcast. Not empty.
  void SetMonitors(std::vector<SimMonitor> monitors);

  // A top-level window that hears the system's broadcasts.
  void AddTopLevelWindow(int window) { topLevel_[window]; }
  // Hands the window's queued broadcasts to `handler`, as DeliverPending does.
  void DeliverBroadcasts(int window, const std::function<void(Broadcast)>& handler);

  Size screen() const { return {monitors_[0].area.Width(), monitors_[0].area.Height()}; }
  // The primary monitor's work area.
  Rect WorkArea() const { return WorkArea(0); }
  // Every monitor with its work area, as GetMonitorInfo tells them.
  std::vector<MonitorInfo> Monitors() const;
  Rect VirtualScreen() const;
  // The DPI of the monitor a window of this rectangle is on (the one it
  // overlaps most, as MonitorFromRect decides): the DPI a per-monitor aware
  // window is scaled for there.
  uint32_t DpiOf(const Rect& rc) const { return monitors_[MonitorOf(rc)].dpi; }
  Rect foreground() const { return foreground_; }
  bool IsRegistered(int window) const { return bars_.count(window) != 0; }
  // The strip a window reserves; empty when it reserves none.
  Rect Reserved(int window) const;
  const std::vector<SentMessage>& log() const { return log_; }
  // The messages one window sent, in order, leaving out ABM_WINDOWPOSCHANGED.
  std::vector<AppBarMessage> MessagesOf(int window) const;
  void ClearLog() { log_.clear(); }
  size_t PendingFor(int window) const;

 private:
  struct Strip {
    Edge edge = Edge::None;
    Rect rc{};
  };
  struct Bar {
    int order = 0;  // registration sequence
    Strip reserved;
    std::deque<Notification> queue;
  };

  void Log(int window, AppBarMessage m, Edge edge = Edge::None, const Rect& rc = {},
           int32_t lParam = 0);
  // The taskbar's strip and those of the bars registered before `window`
  // (all bars for 0) on one monitor: a bar yields to the shell and to
  // earlier bars.
  std::vector<Strip> StripsBefore(int window, size_t monitor) const;
  size_t MonitorOf(const Rect& rc) const;
  Rect WorkArea(size_t monitor) const;
  std::vector<Rect> WorkAreas() const;
  Strip TaskbarStrip() const;
  void PostAll(AppBarNotification code, intptr_t lParam, int except = 0);
  void BroadcastAll(Broadcast message);
  // Broadcasts the work-area change when a work area is not as `before`.
  void WorkAreaMaybeChanged(const std::vector<Rect>& before);

  std::vector<SimMonitor> monitors_;
  Rect foreground_{};
  Edge taskbarEdge_ = Edge::Bottom;
  int32_t taskbarThickness_ = 0;
  uint32_t taskbarState_ = kTaskbarAlwaysOnTop;
  std::map<int, Bar> bars_;
  int registrations_ = 0;
  std::map<std::pair<std::string, int>, int> autoHide_;  // owner per monitor and edge
  std::vector<SentMessage> log_;
  std::map<int, std::deque<Broadcast>> topLevel_;
};

// The AppBarShell port for one window of the model.
class ShellConnection : public AppBarShell {
 public:
  ShellConnection(AppBarManager& manager, int window) : manager_(manager), window_(window) {}

  bool New() override { return manager_.New(window_); }
  bool Remove() override { return manager_.Remove(window_); }
  bool QueryPos(Edge edge, Rect& rc) override { return manager_.QueryPos(window_, edge, rc); }
  bool SetPos(Edge edge, Rect& rc) override { return manager_.SetPos(window_, edge, rc); }
  uint32_t GetState() override { return manager_.GetState(window_); }
  bool Activate() override { return manager_.Activate(window_); }
  AutoHideOwner GetAutoHideBar(Edge edge, const Rect& monitor) override;
  bool SetAutoHideBar(Edge edge, bool autoHide, const Rect& monitor) override {
    return manager_.SetAutoHideBar(window_, edge, autoHide, monitor);
  }
  void WindowPosChanged() override { manager_.WindowPosChanged(window_); }

  int window() const { return window_; }

 private:
  AppBarManager& manager_;
  int window_;
};

}  // namespace olb::sim
