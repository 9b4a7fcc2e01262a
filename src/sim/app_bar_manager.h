// A model of the shell's AppBar manager: a taskbar on one edge, registered
// bars with their reserved strips, one auto-hide bar per edge, the work area
// left over, and notifications posted to each bar's queue.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "core/platform/app_bar_shell.h"

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

class AppBarManager {
 public:
  explicit AppBarManager(Size screen = {1024, 768});

  // --- the messages, on behalf of a window id (see ShellConnection) ---
  bool New(int window);
  bool Remove(int window);
  bool QueryPos(int window, Edge edge, Rect& rc);
  bool SetPos(int window, Edge edge, Rect& rc);
  uint32_t GetState(int window);
  bool Activate(int window);
  int GetAutoHideBar(int window, Edge edge);  // the owner's id, 0 for none
  bool SetAutoHideBar(int window, Edge edge, bool autoHide);
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
  void SetFullScreenApp(bool open);
  void ArrangeWindows(bool beginning);
  // The shell ends and starts again: every registration, reservation and
  // auto-hide bar is forgotten, then "TaskbarCreated" is broadcast.
  void RestartShell();
  // The display's resolution changes; WM_DISPLAYCHANGE is broadcast.
  void SetScreenSize(Size screen);

  // A top-level window that hears the system's broadcasts.
  void AddTopLevelWindow(int window) { topLevel_[window]; }
  // Hands the window's queued broadcasts to `handler`, as DeliverPending does.
  void DeliverBroadcasts(int window, const std::function<void(Broadcast)>& handler);

  Size screen() const { return screen_; }
  Rect WorkArea() const;
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
  // (all bars for 0): a bar yields to the shell and to earlier bars.
  std::vector<Strip> StripsBefore(int window) const;
  Strip TaskbarStrip() const;
  void PostAll(AppBarNotification code, intptr_t lParam, int except = 0);
  void BroadcastAll(Broadcast message);
  // Broadcasts the work-area change when the work area is not `before`.
  void WorkAreaMaybeChanged(const Rect& before);

  Size screen_;
  Edge taskbarEdge_ = Edge::Bottom;
  int32_t taskbarThickness_ = 0;
  uint32_t taskbarState_ = kTaskbarAlwaysOnTop;
  std::map<int, Bar> bars_;
  int registrations_ = 0;
  std::array<int, 4> autoHide_{};  // owner id per edge, 0 for none
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
  AutoHideOwner GetAutoHideBar(Edge edge) override;
  bool SetAutoHideBar(Edge edge, bool autoHide) override {
    return manager_.SetAutoHideBar(window_, edge, autoHide);
  }
  void WindowPosChanged() override { manager_.WindowPosChanged(window_); }

  int window() const { return window_; }

 private:
  AppBarManager& manager_;
  int window_;
};

}  // namespace olb::sim
