#include "sim/app_bar_manager.h"

#include <algorithm>

#include "core/docking/monitor_choice.h"

namespace olb::sim {
namespace {

// Pushes the side of `rc` that faces `strip`'s edge out of the strip, the
// way the shell keeps bars from overlapping reserved areas.
void ClipAgainst(Rect& rc, Edge stripEdge, const Rect& strip) {
  switch (stripEdge) {
    case Edge::Left:
      rc.left = std::max(rc.left, strip.right);
      break;
    case Edge::Top:
      rc.top = std::max(rc.top, strip.bottom);
      break;
    case Edge::Right:
      rc.right = std::min(rc.right, strip.left);
      break;
    case Edge::Bottom:
      rc.bottom = std::min(rc.bottom, strip.top);
      break;
    default:
      break;
  }
}

}  // namespace

AppBarManager::AppBarManager(Size screen)
    : monitors_{{"\\\\.\\DISPLAY1", {0, 0, screen.cx, screen.cy}}} {}

std::vector<MonitorInfo> AppBarManager::Monitors() const {
  std::vector<MonitorInfo> out;
  for (size_t i = 0; i < monitors_.size(); ++i) {
    out.push_back({monitors_[i].device, monitors_[i].area, WorkArea(i), i == 0});
  }
  return out;
}

Rect AppBarManager::VirtualScreen() const {
  Rect r = monitors_[0].area;
  for (const SimMonitor& m : monitors_) {
    r = {std::min(r.left, m.area.left), std::min(r.top, m.area.top),
         std::max(r.right, m.area.right), std::max(r.bottom, m.area.bottom)};
  }
  return r;
}

size_t AppBarManager::MonitorOf(const Rect& rc) const {
  std::vector<MonitorInfo> list;
  for (const SimMonitor& m : monitors_) list.push_back({m.device, m.area, m.area, false});
  return MonitorOfRect(list, rc);
}

void AppBarManager::Log(int window, AppBarMessage m, Edge edge, const Rect& rc, int32_t lParam) {
  log_.push_back({window, m, edge, rc, lParam});
}

AppBarManager::Strip AppBarManager::TaskbarStrip() const {
  if (taskbarThickness_ <= 0 || (taskbarState_ & kTaskbarAutoHide) != 0) return {};
  const Rect whole = monitors_[0].area;
  Rect rc = whole;
  switch (taskbarEdge_) {
    case Edge::Left:
      rc.right = rc.left + taskbarThickness_;
      break;
    case Edge::Top:
      rc.bottom = rc.top + taskbarThickness_;
      break;
    case Edge::Right:
      rc.left = rc.right - taskbarThickness_;
      break;
    case Edge::Bottom:
      rc.top = rc.bottom - taskbarThickness_;
      break;
    default:
      return {};
  }
  return {taskbarEdge_, rc};
}

std::vector<AppBarManager::Strip> AppBarManager::StripsBefore(int window, size_t monitor) const {
  std::vector<Strip> strips;
  const Strip taskbar = TaskbarStrip();
  if (!taskbar.rc.IsEmpty() && monitor == 0) strips.push_back(taskbar);
  const auto self = bars_.find(window);
  for (const auto& [id, bar] : bars_) {
    const bool earlier = self == bars_.end() || bar.order < self->second.order;
    if (id != window && earlier && !bar.reserved.rc.IsEmpty() &&
        MonitorOf(bar.reserved.rc) == monitor) {
      strips.push_back(bar.reserved);
    }
  }
  return strips;
}

Rect AppBarManager::WorkArea(size_t monitor) const {
  Rect wa = monitors_[monitor].area;
  for (const Strip& s : StripsBefore(0, monitor)) ClipAgainst(wa, s.edge, s.rc);
  return wa;
}

std::vector<Rect> AppBarManager::WorkAreas() const {
  std::vector<Rect> out;
  for (size_t i = 0; i < monitors_.size(); ++i) out.push_back(WorkArea(i));
  return out;
}

Rect AppBarManager::Reserved(int window) const {
  auto it = bars_.find(window);
  return it == bars_.end() ? Rect{} : it->second.reserved.rc;
}

void AppBarManager::PostAll(AppBarNotification code, intptr_t lParam, int except) {
  for (auto& [id, bar] : bars_) {
    if (id != except) bar.queue.push_back({static_cast<uint32_t>(code), lParam});
  }
}

void AppBarManager::BroadcastAll(Broadcast message) {
  for (auto& [id, queue] : topLevel_) queue.push_back(message);
}

// Whenever the reserved strips change the work area, the shell sets the new
// one with SystemParametersInfo(SPI_SETWORKAREA), which broadcasts
// WM_SETTINGCHANGE with SPI_SETWORKAREA to the top-level windows.
void AppBarManager::WorkAreaMaybeChanged(const std::vector<Rect>& before) {
  if (WorkAreas() != before) BroadcastAll(Broadcast::WorkAreaChange);
}

bool AppBarManager::New(int window) {
  Log(window, AppBarMessage::New);
  if (IsRegistered(window)) return false;
  bars_[window].order = ++registrations_;
  return true;
}

bool AppBarManager::Remove(int window) {
  Log(window, AppBarMessage::Remove);
  auto it = bars_.find(window);
  if (it == bars_.end()) return false;
  const bool reserved = !it->second.reserved.rc.IsEmpty();
  const std::vector<Rect> before = WorkAreas();
  bars_.erase(it);
  WorkAreaMaybeChanged(before);
  std::erase_if(autoHide_, [&](const auto& slot) { return slot.second == window; });
  if (reserved) PostAll(AppBarNotification::PosChanged, 0);
  return true;
}

bool AppBarManager::QueryPos(int window, Edge edge, Rect& rc) {
  Log(window, AppBarMessage::QueryPos, edge, rc);
  if (!IsRegistered(window) || !IsDocked(edge)) return false;
  for (const Strip& s : StripsBefore(window, MonitorOf(rc))) ClipAgainst(rc, s.edge, s.rc);
  return true;
}

bool AppBarManager::SetPos(int window, Edge edge, Rect& rc) {
  Log(window, AppBarMessage::SetPos, edge, rc);
  auto it = bars_.find(window);
  // ABM_SETPOS documents only the four ABE_* edges. What the shell does with
  // any other value is not documented; the model refuses it and keeps the
  // strip reserved before, so a bar relying on it shows up in tests.
  if (it == bars_.end() || !IsDocked(edge)) return false;
  Strip strip;
  for (const Strip& s : StripsBefore(window, MonitorOf(rc))) ClipAgainst(rc, s.edge, s.rc);
  if (!rc.IsEmpty()) strip = {edge, rc};
  const std::vector<Rect> before = WorkAreas();
  Strip& held = it->second.reserved;
  const bool changed = held.edge != strip.edge || held.rc != strip.rc;
  if (changed && !(held.rc.IsEmpty() && strip.rc.IsEmpty())) {
    held = strip;
    PostAll(AppBarNotification::PosChanged, 0, window);
  } else {
    held = strip;
  }
  WorkAreaMaybeChanged(before);
  return true;
}

uint32_t AppBarManager::GetState(int window) {
  Log(window, AppBarMessage::GetState);
  return taskbarState_;
}

bool AppBarManager::Activate(int window) {
  Log(window, AppBarMessage::Activate);
  return IsRegistered(window);
}

int AppBarManager::GetAutoHideBar(int window, Edge edge, const Rect& monitor) {
  Log(window, AppBarMessage::GetAutoHideBar, edge, monitor);
  if (!IsDocked(edge)) return 0;
  const auto it = autoHide_.find({monitors_[MonitorOf(monitor)].device, EdgeIndex(edge)});
  return it == autoHide_.end() ? 0 : it->second;
}

bool AppBarManager::SetAutoHideBar(int window, Edge edge, bool autoHide, const Rect& monitor) {
  Log(window, AppBarMessage::SetAutoHideBar, edge, monitor, autoHide ? 1 : 0);
  if (!IsRegistered(window) || !IsDocked(edge)) return false;
  const std::pair<std::string, int> slot{monitors_[MonitorOf(monitor)].device, EdgeIndex(edge)};
  const auto it = autoHide_.find(slot);
  const int owner = it == autoHide_.end() ? 0 : it->second;
  if (autoHide) {
    if (owner != 0 && owner != window) return false;
    autoHide_[slot] = window;
    return true;
  }
  if (owner != window) return false;
  autoHide_.erase(slot);
  return true;
}

void AppBarManager::WindowPosChanged(int window) {
  Log(window, AppBarMessage::WindowPosChanged);
}

void AppBarManager::DeliverPending(int window,
                                   const std::function<void(const Notification&)>& handler) {
  for (;;) {
    auto it = bars_.find(window);  // re-found each round: the handler may unregister
    if (it == bars_.end() || it->second.queue.empty()) return;
    const Notification n = it->second.queue.front();
    it->second.queue.pop_front();
    handler(n);
  }
}

size_t AppBarManager::PendingFor(int window) const {
  auto it = bars_.find(window);
  return it == bars_.end() ? 0 : it->second.queue.size();
}

void AppBarManager::DeliverBroadcasts(int window, const std::function<void(Broadcast)>& handler) {
  for (;;) {
    auto it = topLevel_.find(window);
    if (it == topLevel_.end() || it->second.empty()) return;
    const Broadcast b = it->second.front();
    it->second.pop_front();
    handler(b);
  }
}

// When the shell's process ends, the AppBar list it kept goes with it; the
// new shell knows no bar and announces itself with the registered message
// "TaskbarCreated", sent to all top-level windows, so that bars (and
// notification icons) register again.
void AppBarManager::RestartShell() {
  const std::vector<Rect> before = WorkAreas();
  bars_.clear();
  autoHide_.clear();
  BroadcastAll(Broadcast::TaskbarCreated);
  WorkAreaMaybeChanged(before);
}

// A resolution change broadcasts WM_DISPLAYCHANGE to every top-level window.
// The shell moves its own taskbar to the new edge; the strips other bars
// reserved stay as they were set until each bar sets its strip again.
void AppBarManager::SetScreenSize(Size screen) {
  std::vector<SimMonitor> monitors = monitors_;
  monitors[0].area = {0, 0, screen.cx, screen.cy};
  SetMonitors(std::move(monitors));
}

void AppBarManager::SetMonitors(std::vector<SimMonitor> monitors) {
  const std::vector<Rect> before = WorkAreas();
  monitors_ = std::move(monitors);
  BroadcastAll(Broadcast::DisplayChange);
  WorkAreaMaybeChanged(before);
}

void AppBarManager::PlaceTaskbar(Edge edge, int32_t thickness) {
  const std::vector<Rect> before = WorkAreas();
  taskbarEdge_ = edge;
  taskbarThickness_ = thickness;
  PostAll(AppBarNotification::PosChanged, 0);
  WorkAreaMaybeChanged(before);
}

void AppBarManager::SetTaskbarState(uint32_t state) {
  const std::vector<Rect> workArea = WorkAreas();
  const Strip before = TaskbarStrip();
  taskbarState_ = state;
  PostAll(AppBarNotification::StateChange, 0);
  const Strip after = TaskbarStrip();
  if (before.rc != after.rc) PostAll(AppBarNotification::PosChanged, 0);
  WorkAreaMaybeChanged(workArea);
}

void AppBarManager::SetFullScreenApp(bool open, std::optional<Rect> window) {
  foreground_ = open ? window.value_or(monitors_[0].area) : Rect{};
  PostAll(AppBarNotification::FullScreenApp, open ? 1 : 0);
}

void AppBarManager::ArrangeWindows(bool beginning) {
  PostAll(AppBarNotification::WindowArrange, beginning ? 1 : 0);
}

std::vector<AppBarMessage> AppBarManager::MessagesOf(int window) const {
  std::vector<AppBarMessage> out;
  for (const SentMessage& m : log_) {
    if (m.window == window && m.message != AppBarMessage::WindowPosChanged) {
      out.push_back(m.message);
    }
  }
  return out;
}

AutoHideOwner ShellConnection::GetAutoHideBar(Edge edge, const Rect& monitor) {
  const int owner = manager_.GetAutoHideBar(window_, edge, monitor);
  if (owner == 0) return AutoHideOwner::None;
  return owner == window_ ? AutoHideOwner::ThisBar : AutoHideOwner::OtherWindow;
}

}  // namespace olb::sim
