#include "core/docking/docking_engine.h"

#include <algorithm>

#include "core/docking/dock_geometry.h"
#include "core/settings/dpi_scale.h"
#include "core/settings/monitor_store.h"
#include "core/settings/options_store.h"

namespace olb {

DockingEngine::DockingEngine(BarOptions& options, AppBarShell& shell, BarPlacement& window,
                             DockingHost& ui, Desktop& desktop, Registry& registry)
    : options_(options),
      shell_(shell),
      window_(window),
      ui_(ui),
      desktop_(desktop),
      registry_(registry) {
  state_.TaskbarState = shell_.GetState();
  defaultFloat_ = window_.WindowRect();
  FollowMonitors();
  autoHideMonitor_ = monitor_.area;
}

void DockingEngine::Register() {
  shell_.New();
}

void DockingEngine::LoadOptions() {
  state_.allowedPositions = kBarPositionFlags;
  state_.SizeInc = {1, 1};
  // The default floating rectangle is the window as it is before the caption
  // goes, so a first start floats exactly where the form was designed.
  const Rect windowRect = window_.WindowRect();
  defaultFloat_ = windowRect;
  HideCaption();
  // The record is 96-DPI pixels on disk and in memory; only the window's
  // own rectangle, the default floating place, is in the monitor's pixels.
  dpi_ = window_.Dpi();
  thicknessPixels_ = {};
  floatPixels_.reset();
  const LoadedOptions loaded =
      ReadOptions(registry_, options_, ScaleForDpi(windowRect, dpi_, kDesignDpi));
  options_ = loaded.live;
  wanted_ = ReadMonitorPlace(registry_);
  FollowMonitors();
  ApplyEdge(CurrentEdge());
  // A bar hidden on an inner edge keeps to its strip.
  if (loaded.formWidth && !HiddenOnInnerEdge()) {
    // The same reach as the docked thickness: a hand-edited width never
    // makes the bar cover the screen.
    const uint32_t stored = std::min<uint32_t>(*loaded.formWidth, INT32_MAX);
    const int32_t scaled = ScaleForDpi(static_cast<int32_t>(stored), kDesignDpi, dpi_);
    const auto width = static_cast<int32_t>(
        ReachableThickness(static_cast<uint32_t>(scaled), monitor_.area.Width()));
    Rect r = window_.WindowRect();
    const bool resized = r.Width() != width;
    r.right = r.left + width;
    PlaceWindow(r, Placement::Plain);
    // Placing the record's edge laid the bar out at the old width.
    if (resized) ui_.LayoutBar();
  }
}

bool DockingEngine::SaveOptions() {
  const bool saved = WriteOptions(registry_, options_);
  if (saved && wanted_) WriteMonitorPlace(registry_, *wanted_);
  return saved;
}

void DockingEngine::OnDpiChanged(uint32_t dpi, const Rect& suggested) {
  if (dpi == 0 || dpi == dpi_) return;
  defaultFloat_ = ScaleForDpi(defaultFloat_, dpi_, dpi);
  dpi_ = dpi;
  thicknessPixels_ = {};
  floatPixels_.reset();
  // The system's rectangle keeps the window on the monitor it is now on; the
  // record keeps the place the user chose.
  if (CurrentEdge() == Edge::Float && !suggested.IsEmpty()) {
    floatPixels_ = Remembered<Rect>{options_.FloatRect, suggested};
  }
  if (state_.InSizeMove) {
    PlaceWindow(suggested, Placement::Plain);
  } else {
    ApplyEdge(CurrentEdge());
  }
}

void DockingEngine::Unregister() {
  if (state_.Unregistered) return;
  const Edge kept = options_.Edge;
  ApplyEdge(Edge::None);
  options_.Edge = kept;
  state_.Unregistered = true;
}

void DockingEngine::OnActivated() {
  SetAutoHideShown(false);
  shell_.Activate();
}

void DockingEngine::MenuOpened() {
  state_.MenuActive = true;
}

void DockingEngine::MenuClosed() {
  state_.MenuActive = false;
  const std::optional<bool> before = fullScreenBeforeMenu_;
  fullScreenBeforeMenu_.reset();
  // A full-screen program that opened or closed while the menu was up was
  // only recorded; make the z-order follow it now.
  if (before && *before != state_.FullScreenAppOpen) {
    FullScreenAppChanged(state_.FullScreenAppOpen);
  }
}

Edge DockingEngine::FindAutoHideEdge() {
  for (Edge e : {Edge::Left, Edge::Top, Edge::Right, Edge::Bottom}) {
    if (shell_.GetAutoHideBar(e, autoHideMonitor_) == AutoHideOwner::ThisBar) return e;
  }
  return Edge::None;
}

Edge DockingEngine::ProposeEdge(Point p) {
  // The edges proposed are those of the monitor under the pointer, inner
  // edges between two monitors included.
  const std::vector<MonitorInfo> monitors = desktop_.Monitors();
  if (!monitors.empty()) proposedMonitor_ = monitors[MonitorAt(monitors, p)];
  if (desktop_.CtrlKeyDown() && (state_.allowedPositions & kAllowFloat) != 0) return Edge::Float;
  const MonitorInfo& m = proposedMonitor_ ? *proposedMonitor_ : monitor_;
  const Rect zone = m.work.Inflated(-desktop_.GetMetric(Metric::VScrollWidth),
                                    -desktop_.GetMetric(Metric::HScrollHeight));
  // In the monitor's own coordinates, 64-bit: a message position may lie far off.
  const auto local = [&](int64_t v, int32_t origin) {
    return static_cast<int32_t>(std::clamp<int64_t>(v - origin, INT32_MIN, INT32_MAX));
  };
  const Rect localZone{local(zone.left, m.area.left), local(zone.top, m.area.top),
                       local(zone.right, m.area.left), local(zone.bottom, m.area.top)};
  return EdgeFromPoint(state_.allowedPositions, {local(p.x, m.area.left), local(p.y, m.area.top)},
                       {m.area.Width(), m.area.Height()}, localZone);
}

Edge DockingEngine::CurrentEdge() const {
  return state_.ProposedEdge != Edge::None ? state_.ProposedEdge : options_.Edge;
}

BarOptions DockingEngine::PlacedRecord(const std::optional<ScreenAreas>& areas) {
  BarOptions pixels = ScaleRecord(options_, kDesignDpi, dpi_);
  for (size_t i = 0; i < thicknessPixels_.size(); ++i) {
    const auto& kept = thicknessPixels_[i];
    if (kept && kept->design == options_.DockSize[i]) pixels.DockSize[i] = kept->pixels;
  }
  const bool keptFloat = floatPixels_ && floatPixels_->design == options_.FloatRect;
  if (keptFloat) pixels.FloatRect = floatPixels_->pixels;
  // A floating bar is placed on the monitor it stands on.
  const ScreenAreas where = areas ? *areas : FloatAreas(pixels.FloatRect);
  // A floating bar fitted to its items is as high as they need, within
  // its work area.
  if (fit_ && !fit_->horizontal) {
    Rect& r = pixels.FloatRect;
    r.bottom = r.top + std::clamp(fit_->pixels, 1, std::max(where.workArea.Height(), 1));
  }
  BarOptions placed = PlaceableOptions(pixels, defaultFloat_, where);
  // Scaling up never takes the bar off the screen: a floating bar that grew
  // with the DPI is kept wholly on the work area, its forward strip in reach.
  if (!keptFloat && dpi_ != kDesignDpi) {
    placed.FloatRect = WhollyWithin(placed.FloatRect, where.workArea);
  }
  return placed;
}

int32_t DockingEngine::PlacedThickness(Edge edge) {
  const MonitorInfo& m = CurrentMonitor();
  const BarOptions placed = PlacedRecord(ScreenAreas{m.area, m.work});
  return static_cast<int32_t>(placed.DockSize[static_cast<size_t>(EdgeIndex(edge))]);
}

Rect DockingEngine::PlacedFloatRect() {
  return PlacedRecord(std::nullopt).FloatRect;
}

void DockingEngine::ReadBackThickness(Edge edge, int32_t pixels) {
  const auto i = static_cast<size_t>(EdgeIndex(edge));
  const auto kept = static_cast<uint32_t>(std::max(pixels, 0));
  options_.DockSize[i] = static_cast<uint32_t>(std::max(ScaleForDpi(pixels, dpi_, kDesignDpi), 0));
  thicknessPixels_[i] = Remembered<uint32_t>{options_.DockSize[i], kept};
}

void DockingEngine::ReadBackFloatRect(const Rect& pixels) {
  options_.FloatRect = ScaleForDpi(pixels, dpi_, kDesignDpi);
  floatPixels_ = Remembered<Rect>{options_.FloatRect, pixels};
}

const MonitorInfo& DockingEngine::CurrentMonitor() const {
  return state_.ProposedEdge != Edge::None && proposedMonitor_ ? *proposedMonitor_ : monitor_;
}

void DockingEngine::FollowMonitors() {
  const std::vector<MonitorInfo> monitors = desktop_.Monitors();
  if (monitors.empty()) return;
  const std::optional<size_t> wanted = wanted_ ? FindMonitor(monitors, *wanted_) : std::nullopt;
  monitor_ = monitors[wanted.value_or(PrimaryMonitor(monitors))];
}

ScreenAreas DockingEngine::FloatAreas(const Rect& rc) {
  const std::vector<MonitorInfo> monitors = desktop_.Monitors();
  if (monitors.empty()) return {desktop_.VirtualScreen(), desktop_.WorkArea()};
  const MonitorInfo& m = monitors[MonitorOfRect(monitors, rc)];
  return {m.area, m.work};
}

bool DockingEngine::ForegroundOnOwnMonitor() {
  const Rect foreground = desktop_.ForegroundRect();
  const std::vector<MonitorInfo> monitors = desktop_.Monitors();
  if (foreground.IsEmpty() || monitors.empty()) return true;
  // An auto-hidden bar lies mostly off its monitor: a docked bar is where its monitor is.
  const Rect own = IsDocked(options_.Edge) ? monitor_.area : window_.WindowRect();
  return MonitorOfRect(monitors, foreground) == MonitorOfRect(monitors, own);
}

bool DockingEngine::HiddenOnInnerEdge() {
  return IsDocked(options_.Edge) && options_.AutoHide != 0 && !state_.AutoHideShown &&
         !state_.Unregistered && IsInnerEdge(desktop_.Monitors(), monitor_.area, options_.Edge);
}

bool DockingEngine::MoveToMonitor(const std::string& device) {
  const std::vector<MonitorInfo> monitors = desktop_.Monitors();
  const auto it = std::find_if(monitors.begin(), monitors.end(),
                               [&](const MonitorInfo& m) { return m.device == device; });
  if (it == monitors.end() || state_.Unregistered || options_.Edge == Edge::None) return false;
  if (options_.Edge == Edge::Float) {
    // The same place relative to the new monitor; the placement keeps it in reach.
    const Rect from = PlacedFloatRect();
    const Rect was = FloatAreas(from).virtualScreen;
    ReadBackFloatRect(
        from.MovedTo(from.left - was.left + it->area.left, from.top - was.top + it->area.top));
  }
  monitor_ = *it;
  wanted_ = MonitorPlace{it->device, it->area};
  ApplyEdge(options_.Edge);
  SaveOptions();
  return true;
}

void DockingEngine::ComputeDockRect(Edge edge, Rect& rc) {
  if (!IsDocked(edge)) return;
  rc = CurrentMonitor().area;
  if (options_.AutoHide == 0) shell_.QueryPos(edge, rc);
  rc = CutToEdge(rc, edge, PlacedThickness(edge));
  if (fit_ && fit_->horizontal == IsHorizontal(edge)) rc = CutAlongEdge(rc, edge, fit_->pixels);
}

void DockingEngine::FitToLength(std::optional<FitLength> fit) {
  if (fit == fit_) return;
  fit_ = fit;
  if (options_.Edge == Edge::None || state_.Unregistered || state_.InSizeMove) return;
  ReapplyEdge(false);
}

bool DockingEngine::AutoHideRect(bool show, Rect& rc) {
  const Edge edge = CurrentEdge();
  if (!IsDocked(edge) || options_.AutoHide == 0) return false;
  const Size border{desktop_.GetMetric(Metric::BorderWidth),
                    desktop_.GetMetric(Metric::BorderHeight)};
  const Rect area = CurrentMonitor().area;
  if (IsInnerEdge(desktop_.Monitors(), area, edge)) {
    // Off an inner edge the bar would stand on the next monitor: hidden, it
    // shrinks to a strip on its own monitor, wide enough for the pointer to
    // stop on, and grows back to its docked size when shown.
    Rect docked;
    ComputeDockRect(edge, docked);
    rc = show ? docked : CutToEdge(docked, edge, kInnerEdgeHotZone);
    return true;
  }
  const Rect local = AutoHidePlace(rc, edge, show, {area.Width(), area.Height()}, border);
  rc = local.MovedTo(local.left + area.left, local.top + area.top);
  return true;
}

void DockingEngine::SlideTo(const Rect& target) {
  const Rect start = window_.WindowRect();
  if (start != target && window_.IsVisible()) {
    // Elapsed time is taken modulo 2^32, so a start just before the tick
    // count wraps still ends after kSlideMs. Each round reads the clock once,
    // so no frame lies beyond the target; frames follow the frame clock.
    const uint32_t t0 = desktop_.TickCount();
    for (uint32_t t = desktop_.TickCount() - t0; t < kSlideMs; t = desktop_.TickCount() - t0) {
      PlaceWindow(SlideFrame(start, target, t), Placement::Frame);
      window_.WaitForNextFrame();
    }
  }
  PlaceWindow(target, Placement::Frame);
  window_.PumpMessages();
}

void DockingEngine::PlaceWindow(const Rect& rect, Placement how) {
  const bool outer = state_.Placing;
  state_.Placing = true;
  window_.Place(rect, how);
  state_.Placing = outer;
}

void DockingEngine::SetAutoHideShown(bool show) {
  if (state_.Unregistered) return;
  const Rect now = window_.WindowRect();
  Rect rc = now;
  const bool wasShown = state_.AutoHideShown;
  state_.AutoHideShown = true;
  if (AutoHideRect(show, rc)) {
    state_.AutoHideShown = show;
    // SlideIn asks every 400 ms: a bar already in its place is left alone
    // (no frame change, no repaint, no message to the shell).
    if (rc == now && wasShown == show) return;
    SlideTo(rc);
  }
}

void DockingEngine::HideCaption() {
  if (state_.CaptionHidden) return;
  window_.RemoveCaption();
  state_.CaptionHidden = true;
}

}  // namespace olb
