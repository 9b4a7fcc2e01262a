#include "core/docking/docking_engine.h"

#include <algorithm>

#include "core/docking/dock_geometry.h"
#include "core/settings/dpi_scale.h"
#include "core/settings/options_store.h"
#include "core/settings/placement.h"

namespace olb {

DockingEngine::DockingEngine(BarOptions& options, AppBarShell& shell, BarWindowOps& window,
                             BarUi& ui, Desktop& desktop, Registry& registry)
    : options_(options),
      shell_(shell),
      window_(window),
      ui_(ui),
      desktop_(desktop),
      registry_(registry) {
  state_.TaskbarState = shell_.GetState();
  defaultFloat_ = window_.WindowRect();
}

void DockingEngine::Register() {
  shell_.New();
}

void DockingEngine::LoadOptions() {
  state_.fdwFlags = kBarPositionFlags;
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
  ApplyEdge(CurrentEdge());
  if (loaded.formWidth) {
    // The same reach as the docked thickness: a hand-edited width never
    // makes the bar cover the screen.
    const uint32_t stored = std::min<uint32_t>(*loaded.formWidth, INT32_MAX);
    const int32_t scaled = ScaleForDpi(static_cast<int32_t>(stored), kDesignDpi, dpi_);
    const auto width = static_cast<int32_t>(
        ReachableThickness(static_cast<uint32_t>(scaled), desktop_.VirtualScreen().Width()));
    Rect r = window_.WindowRect();
    r.right = r.left + width;
    PlaceWindow(r, Placement::Plain);
  }
}

bool DockingEngine::SaveOptions() {
  return WriteOptions(registry_, options_);
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
    if (shell_.GetAutoHideBar(e) == AutoHideOwner::ThisBar) return e;
  }
  return Edge::None;
}

Edge DockingEngine::ProposeEdge(Point p) {
  if (desktop_.CtrlKeyDown() && (state_.fdwFlags & kAllowFloat) != 0) return Edge::Float;
  const Rect floatZone = desktop_.WorkArea().Inflated(-desktop_.GetMetric(Metric::VScrollWidth),
                                                      -desktop_.GetMetric(Metric::HScrollHeight));
  return EdgeFromPoint(state_.fdwFlags, p, desktop_.ScreenSize(), floatZone);
}

Edge DockingEngine::CurrentEdge() const {
  return state_.ProposedEdge != Edge::None ? state_.ProposedEdge : options_.Edge;
}

BarOptions DockingEngine::PlacedRecord() {
  BarOptions pixels = ScaleRecord(options_, kDesignDpi, dpi_);
  for (size_t i = 0; i < thicknessPixels_.size(); ++i) {
    const auto& kept = thicknessPixels_[i];
    if (kept && kept->design == options_.DockSize[i]) pixels.DockSize[i] = kept->pixels;
  }
  const bool keptFloat = floatPixels_ && floatPixels_->design == options_.FloatRect;
  if (keptFloat) pixels.FloatRect = floatPixels_->pixels;
  BarOptions placed =
      PlaceableOptions(pixels, defaultFloat_, {desktop_.VirtualScreen(), desktop_.WorkArea()});
  // Scaling up never takes the bar off the screen: a floating bar that grew
  // with the DPI is kept wholly on the work area, its forward strip in reach.
  if (!keptFloat && dpi_ != kDesignDpi) {
    placed.FloatRect = WhollyWithin(placed.FloatRect, desktop_.WorkArea());
  }
  return placed;
}

int32_t DockingEngine::PlacedThickness(Edge edge) {
  return static_cast<int32_t>(PlacedRecord().DockSize[static_cast<size_t>(EdgeIndex(edge))]);
}

Rect DockingEngine::PlacedFloatRect() {
  return PlacedRecord().FloatRect;
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

void DockingEngine::ComputeDockRect(Edge edge, Rect& rc) {
  if (!IsDocked(edge)) return;
  const Size screen = desktop_.ScreenSize();
  rc = {0, 0, screen.cx, screen.cy};
  if (options_.AutoHide == 0) shell_.QueryPos(edge, rc);
  rc = CutToEdge(rc, edge, PlacedThickness(edge));
}

bool DockingEngine::AutoHideRect(bool show, Rect& rc) {
  const Edge edge = CurrentEdge();
  if (!IsDocked(edge) || options_.AutoHide == 0) return false;
  const Size border{desktop_.GetMetric(Metric::BorderWidth),
                    desktop_.GetMetric(Metric::BorderHeight)};
  rc = AutoHidePlace(rc, edge, show, desktop_.ScreenSize(), border);
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
    // Timer1 asks every 400 ms: a bar already in its place is left alone
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
