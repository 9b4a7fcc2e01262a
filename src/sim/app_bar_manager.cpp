#include "sim/app_bar_manager.h"

#include <algorithm>

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

int EdgeSlot(Edge e) {
  return EdgeIndex(e);
}

}  // namespace

AppBarManager::AppBarManager(Size screen) : screen_(screen) {}

void AppBarManager::Log(int window, AppBarMessage m, Edge edge, const Rect& rc, int32_t lParam) {
  log_.push_back({window, m, edge, rc, lParam});
}

AppBarManager::Strip AppBarManager::TaskbarStrip() const {
  if (taskbarThickness_ <= 0 || (taskbarState_ & kTaskbarAutoHide) != 0) return {};
  const Rect whole{0, 0, screen_.cx, screen_.cy};
  Rect rc = whole;
  switch (taskbarEdge_) {
    case Edge::Left:
      rc.right = taskbarThickness_;
      break;
    case Edge::Top:
      rc.bottom = taskbarThickness_;
      break;
    case Edge::Right:
      rc.left = screen_.cx - taskbarThickness_;
      break;
    case Edge::Bottom:
      rc.top = screen_.cy - taskbarThickness_;
      break;
    default:
      return {};
  }
  return {taskbarEdge_, rc};
}

std::vector<AppBarManager::Strip> AppBarManager::StripsBefore(int window) const {
  std::vector<Strip> strips;
  const Strip taskbar = TaskbarStrip();
  if (!taskbar.rc.IsEmpty()) strips.push_back(taskbar);
  const auto self = bars_.find(window);
  for (const auto& [id, bar] : bars_) {
    const bool earlier = self == bars_.end() || bar.order < self->second.order;
    if (id != window && earlier && !bar.reserved.rc.IsEmpty()) strips.push_back(bar.reserved);
  }
  return strips;
}

Rect AppBarManager::WorkArea() const {
  Rect wa{0, 0, screen_.cx, screen_.cy};
  for (const Strip& s : StripsBefore(0)) ClipAgainst(wa, s.edge, s.rc);
  return wa;
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
void AppBarManager::WorkAreaMaybeChanged(const Rect& before) {
  if (WorkArea() != before) BroadcastAll(Broadcast::WorkAreaChange);
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
  const Rect before = WorkArea();
  bars_.erase(it);
  WorkAreaMaybeChanged(before);
  for (int& owner : autoHide_) {
    if (owner == window) owner = 0;
  }
  if (reserved) PostAll(AppBarNotification::PosChanged, 0);
  return true;
}

bool AppBarManager::QueryPos(int window, Edge edge, Rect& rc) {
  Log(window, AppBarMessage::QueryPos, edge, rc);
  if (!IsRegistered(window) || !IsDocked(edge)) return false;
  for (const Strip& s : StripsBefore(window)) ClipAgainst(rc, s.edge, s.rc);
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
  for (const Strip& s : StripsBefore(window)) ClipAgainst(rc, s.edge, s.rc);
  if (!rc.IsEmpty()) strip = {edge, rc};
  const Rect before = WorkArea();
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

int AppBarManager::GetAutoHideBar(int window, Edge edge) {
  Log(window, AppBarMessage::GetAutoHideBar, edge);
  return IsDocked(edge) ? autoHide_[static_cast<size_t>(EdgeSlot(edge))] : 0;
}

bool AppBarManager::SetAutoHideBar(int window, Edge edge, bool autoHide) {
  Log(window, AppBarMessage::SetAutoHideBar, edge, {}, autoHide ? 1 : 0);
  if (!IsRegistered(window) || !IsDocked(edge)) return false;
  int& owner = autoHide_[static_cast<size_t>(EdgeSlot(edge))];
  if (autoHide) {
    if (owner != 0 && owner != window) return false;
    owner = window;
    return true;
  }
  if (owner != window) return false;
  owner = 0;
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
  const Rect before = WorkArea();
  bars_.clear();
  autoHide_ = {};
  BroadcastAll(Broadcast::TaskbarCreated);
  WorkAreaMaybeChanged(before);
}

// A resolution change broadcasts WM_DISPLAYCHANGE to every top-level window.
// The shell moves its own taskbar to the new edge; the strips other bars
// reserved stay as they were set until each bar sets its strip again.
void AppBarManager::SetScreenSize(Size screen) {
  const Rect before = WorkArea();
  screen_ = screen;
  BroadcastAll(Broadcast::DisplayChange);
  WorkAreaMaybeChanged(before);
}

void AppBarManager::PlaceTaskbar(Edge edge, int32_t thickness) {
  const Rect before = WorkArea();
  taskbarEdge_ = edge;
  taskbarThickness_ = thickness;
  PostAll(AppBarNotification::PosChanged, 0);
  WorkAreaMaybeChanged(before);
}

void AppBarManager::SetTaskbarState(uint32_t state) {
  const Rect workArea = WorkArea();
  const Strip before = TaskbarStrip();
  taskbarState_ = state;
  PostAll(AppBarNotification::StateChange, 0);
  const Strip after = TaskbarStrip();
  if (before.rc != after.rc) PostAll(AppBarNotification::PosChanged, 0);
  WorkAreaMaybeChanged(workArea);
}

void AppBarManager::SetFullScreenApp(bool open) {
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

AutoHideOwner ShellConnection::GetAutoHideBar(Edge edge) {
  const int owner = manager_.GetAutoHideBar(window_, edge);
  if (owner == 0) return AutoHideOwner::None;
  return owner == window_ ? AutoHideOwner::ThisBar : AutoHideOwner::OtherWindow;
}

}  // namespace olb::sim
