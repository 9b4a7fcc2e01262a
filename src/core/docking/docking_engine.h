// The AppBar docking engine: keeps the bar on a screen edge or floating,
// reserves its strip, hides and slides it, and turns the system's move and
// size loop into docking. The window procedure decodes messages and calls
// the On* methods after the default handling.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/docking/monitor_choice.h"
#include "core/docking/window_event.h"
#include "core/platform/app_bar_shell.h"
#include "core/platform/docking_host.h"
#include "core/platform/bar_placement.h"
#include "core/platform/desktop.h"
#include "core/platform/registry.h"
#include "core/settings/bar_options.h"
#include "core/settings/placement.h"

namespace olb {

inline constexpr std::string_view kAutoHideRefusedText =
    "There is already an auto hidden window on this edge.\n Only one auto hidden window is "
    "allowed on each edge.";
inline constexpr std::string_view kBarCaption = "Ovel Launch Bar";

// Run-time state of the engine; none of it is stored.
struct DockingState {
  Edge ProposedEdge = Edge::None;  // the proposal during a move or size loop
  bool FullScreenAppOpen = false;  // last full-screen state the shell reported
  bool AutoHideShown = false;      // an auto-hidden bar is slid out
  uint32_t TaskbarState = 0;       // last ABM_GETSTATE result
  uint32_t allowedPositions = 0;   // allowed positions; kBarPositionFlags once loaded
  Point SizeInc{};                 // sizing increments; (1, 1) once loaded
  bool CaptionHidden = false;
  bool MenuActive = false;    // the popup menu or a window opened from it is up
  bool InApplyEdge = false;   // ApplyEdge is letting messages run: pin the bar
  int32_t PinnedCoord = 0;    // the docked coordinate pinned meanwhile
  bool InSizeMove = false;    // the system's move or size loop is running
  bool Placing = false;       // the engine itself is moving or sizing the window
  bool Unregistered = false;  // the bar was removed from the shell for good
};

// Fit Bar to Items: how long the bar is along its edge (a floating bar: its
// height), in the monitor's pixels, for the orientation it was measured on.
struct FitLength {
  bool horizontal = false;  // measured on a top or bottom bar
  int32_t pixels = 0;
  friend bool operator==(const FitLength&, const FitLength&) = default;
};

// Where a move or size loop began, restored when it is cancelled.
struct MoveStart {
  Edge edge = Edge::None;
  Rect rect{};
};

class DockingEngine {
 public:
  // All references must outlive the engine. `options` is the bar's live
  // settings record, read and changed in place; its sizes are 96-DPI pixels
  // at every DPI, as stored. Construction reads the taskbar state; it does
  // not register the bar.
  DockingEngine(BarOptions& options, AppBarShell& shell, BarPlacement& window, DockingHost& ui,
                Desktop& desktop, Registry& registry);
  virtual ~DockingEngine() = default;
  DockingEngine(const DockingEngine&) = delete;
  DockingEngine& operator=(const DockingEngine&) = delete;

  const DockingState& state() const { return state_; }
  const BarOptions& options() const { return options_; }

  // --- life cycle -------------------------------------------------------
  // ABM_NEW, from the creation handler before LoadOptions.
  void Register();
  // Reads the stored record (or the defaults) and applies it.
  void LoadOptions();
  // Writes the live record; false when nothing could be written.
  bool SaveOptions();
  // At destruction: ApplyEdge(Edge::None), which unregisters the bar. The
  // live record keeps its edge, and later edge changes and slides do
  // nothing: a menu toggle that let the close request run goes on to save,
  // and must save the edge the bar had.
  void Unregister();
  // The bar form became the active form: hide an auto-hidden bar, ABM_ACTIVATE.
  void OnActivated();
  // The popup menu (or a modal window opened from it) opened or closed.
  void MenuOpened();
  void MenuClosed();

  // --- operations ---------------------------------------------------------
  Edge FindAutoHideEdge();
  Edge ProposeEdge(Point p);
  Edge CurrentEdge() const;
  void ComputeDockRect(Edge edge, Rect& rc);
  bool AutoHideRect(bool show, Rect& rc);
  void SlideTo(const Rect& target);
  void SetAutoHideShown(bool show);
  void ApplyEdge(Edge edge);
  void HideCaption();

  // --- what the window hears -------------------------------------------
  // The docking events (move and size loops, placements, hit tests, the
  // shell's notices, display and DPI changes); any other event is left
  // unhandled.
  EventAnswer OnEvent(const WindowEvent& event);
  // The monitor's DPI, which the window is placed at.
  uint32_t dpi() const { return dpi_; }
  // The monitor a docked bar lives on.
  const MonitorInfo& monitor() const { return monitor_; }
  // An auto-hidden bar hidden on an inner edge: its strip is client area,
  // so the pointer resting on it is watched by the timer, not the frame.
  bool HiddenOnInnerEdge();
  // The bar's length along its edge as its items need it (Fit Bar to
  // Items), or nothing: a docked bar spans its edge and a floating one keeps
  // the record's height. A docked bar starts at its edge's start, reserves
  // only that length and never runs past the edge; a floating one stays on
  // its work area. It applies to edges of the orientation it was measured
  // on (the others span their edge until measured). A change places the bar
  // again, except during a move or size loop, whose end does.
  void FitToLength(std::optional<FitLength> fit);
  // Moves the bar to the same edge of the listed monitor with this device
  // name (a floating bar keeps its place on the monitor, as far as it fits)
  // and remembers it; false when no such monitor is listed.
  bool MoveToMonitor(const std::string& device);

 protected:
  // Hooks called at fixed points of the operations above.
  virtual void EdgeChanged(bool proposed, Edge edge);
  virtual void AutoHideRefused();
  virtual void FullScreenAppChanged(bool open);
  virtual void TaskbarPosChanged();
  virtual void TaskbarStateChanged(uint32_t changed, uint32_t state);
  virtual void WindowArrange(bool beginning);

 private:
  // --- the docking events, one handler each ----------------------------
  void OnAppBarNotify(uint32_t code, intptr_t lParam);
  // WM_WINDOWPOSCHANGING: may change the proposed position.
  void OnWindowPosChanging(int32_t& x, int32_t& y);
  void OnWindowPosChanged();
  // WM_SIZING: `side` is one of the sizing:: values; `drag` is adjusted.
  void OnSizing(int side, Rect& drag);
  void OnEnterSizeMove();
  // WM_MOVING: `drag` is adjusted; `messagePos` is the message's pointer position.
  void OnMoving(Rect& drag, Point messagePos);
  void OnExitSizeMove();
  void OnNcMouseMove();
  // WM_NCHITTEST: takes the default result, returns the result to use.
  int OnNcHitTest(int defaultResult, Point p);
  // WM_WINDOWPOSCHANGING that moves or sizes the window: true when the
  // change comes from neither the engine nor the user's move loop and the bar
  // is docked (the system snapping or maximising it, say); the window then
  // keeps its place.
  bool DeclinesPlacement() const;
  // The shell started again ("TaskbarCreated"): it forgot every bar, so the
  // bar registers again and re-applies its edge, auto-hide and reservation.
  void OnShellRestarted();
  // The display's size or the work area changed: a docked bar spans the new
  // edge, a floating bar out of reach comes back onto the work area. Nothing
  // happens when the bar already stands where it belongs.
  void OnScreenChanged();
  // WM_DPICHANGED: the bar is placed again at the new DPI; `suggested` is
  // the system's rectangle for the window at that DPI. The record does not
  // change.
  void OnDpiChanged(uint32_t dpi, const Rect& suggested);

  // The record in the monitor's pixels, within reach of `areas` (none: of
  // the monitor the floating rectangle stands on).
  BarOptions PlacedRecord(const std::optional<ScreenAreas>& areas);
  int32_t PlacedThickness(Edge edge);
  Rect PlacedFloatRect();
  // A user's resize or move read back into the record.
  void ReadBackThickness(Edge edge, int32_t pixels);
  void ReadBackFloatRect(const Rect& pixels);
  void DockTo(Edge edge);
  // Re-applies the current edge for a notice from the shell (first
  // registering again when it restarted), folding notices that arrive
  // meanwhile into the round in progress.
  void ReapplyEdge(bool registerAgain);
  void ApplyZOrder();
  // Where a docked bar belongs on `edge` now, hidden or shown.
  Rect TargetRect(Edge edge);
  // Every placement the engine makes goes through here.
  void PlaceWindow(const Rect& rect, Placement how);
  // The monitor the bar is on, or during a move the one it is proposed for.
  const MonitorInfo& CurrentMonitor() const;
  // Reads the monitors again: the bar belongs to the remembered one while it
  // is there, else to the primary one.
  void FollowMonitors();
  // The screen a floating rectangle is kept reachable on: its monitor.
  ScreenAreas FloatAreas(const Rect& rc);
  // Whether the foreground window (a full-screen program the shell reports)
  // lies on the bar's monitor.
  bool ForegroundOnOwnMonitor();

  BarOptions& options_;
  AppBarShell& shell_;
  BarPlacement& window_;
  DockingHost& ui_;
  Desktop& desktop_;
  Registry& registry_;
  DockingState state_;
  Rect defaultFloat_{};  // the window's rectangle when the options were loaded
  // Full-screen state when the first full-screen notification arrived while
  // the menu was up; compared when the menu closes.
  std::optional<bool> fullScreenBeforeMenu_;
  // The last outline of the move in progress, as WM_MOVING left it.
  std::optional<Rect> moveOutline_;
  MoveStart moveStart_;
  uint32_t dpi_ = 96;
  // The pixels a record value was last read back from (or, for the floating
  // rectangle, the system's rectangle at a DPI change). While the record
  // holds that value at this DPI the bar is placed at those pixels, not at
  // the value scaled back, which may differ by a pixel.
  template <typename T>
  struct Remembered {
    T design;
    T pixels;
  };
  std::array<std::optional<Remembered<uint32_t>>, 4> thicknessPixels_;
  std::optional<Remembered<Rect>> floatPixels_;
  struct Reapply {
    bool running = false;        // a round is in progress further up the stack
    bool wanted = false;         // another round is due
    bool registerAgain = false;  // it must register with the shell first
  } reapply_;
  MonitorInfo monitor_;                         // the monitor a docked bar is on
  std::optional<MonitorInfo> proposedMonitor_;  // its proposal during a move
  std::optional<MonitorPlace> wanted_;          // where the user put the bar; stored
  Rect autoHideMonitor_{};                      // where the bar is the auto-hide bar
  std::optional<FitLength> fit_;                // the length the items need, when fitted
  bool screenChangeHeld_ = false;               // a screen change came while the edge was applied
};

}  // namespace olb
