// The bar form as its controller drives it, over a simulated bar window:
// sizes from the window, timers, the menu's next choice, and what was shown.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "core/bar/bar_form.h"
#include "sim/sim_bar_window.h"

namespace olb::sim {

class SimBarForm : public BarForm {
 public:
  explicit SimBarForm(SimBarWindow& window) : window_(window) {}

  void ProcessMessages() override { window_.PumpMessages(); }
  FormSizes Sizes() override {
    const Rect w = window_.WindowRect();
    const Rect c = window_.ClientRectOnScreen();
    return {{w.Width(), w.Height()}, {c.Width(), c.Height()}, 9};
  }
  void PlaceParts(const BarLayout& layout) override {
    placed = layout;
    ++placements;
  }
  void SetUpButtonEnabled(bool enabled) override { upEnabled = enabled; }
  void InvalidateTitle() override { ++titlePaints; }
  void InvalidateList() override { ++listPaints; }
  void RestartTimer(TimerId id) override {
    timers[id] = true;
    startedAt[id] = now;
  }
  void StopTimer(TimerId id) override { timers[id] = false; }
  bool UserBusy() override { return busy; }
  bool IsActive() override { return active; }
  Point CursorPos() override { return cursor; }
  Size DoubleClickDistance() override { return {4, 4}; }
  std::optional<CommandId> TrackMenu(Point screen, const ItemMenu* item) override {
    menuAt = screen;
    itemMenuCaption = item ? std::optional<std::string>(item->caption) : std::nullopt;
    return std::exchange(nextChoice, std::nullopt);
  }
  std::optional<uint16_t> TrackCascadeMenu(Point screen, CascadeMenu& menu) override {
    cascadeAt = screen;
    return whileCascade ? whileCascade(menu) : std::nullopt;
  }
  std::optional<uint32_t> TrackShellMenu(Point screen, ItemShellMenu&) override {
    shellMenuAt = screen;
    return std::exchange(nextShellChoice, std::nullopt);
  }
  void ShowError(const std::string& message) override {
    errors.push_back(message);
    if (whileErrorShown) whileErrorShown();
  }
  void ShowMessage(std::string_view text, std::string_view) override { errors.emplace_back(text); }
  bool Confirm(const std::string& question) override {
    errors.push_back(question);
    return confirmAnswer;
  }
  void ShowAbout() override {
    ++aboutShown;
    if (whileAbout) whileAbout();
  }
  void CloseAbout() override { ++aboutClosed; }
  void ShowSettings() override { ++settingsShown; }
  HelpViewer& Help() override { return help_; }
  void HideBar() override { visible = false; }
  void ShowBar() override { visible = true; }
  void Close() override { closed = true; }
  void ReturnFocusToList() override { ++focusReturns; }

  std::optional<BarLayout> placed;
  int placements = 0;  // layouts placed on the form
  bool upEnabled = true;
  int titlePaints = 0;
  int listPaints = 0;
  std::map<TimerId, bool> timers;
  int64_t now = 0;                       // the simulated clock, in milliseconds
  std::map<TimerId, int64_t> startedAt;  // when each timer was last started
  bool active = false;
  bool busy = false;
  Point cursor;
  std::optional<CommandId> nextChoice;
  std::optional<Point> menuAt;
  std::optional<std::string> itemMenuCaption;  // the item submenu's, when the menu had one
  std::function<void()> whileErrorShown;       // runs while an error box is up
  // Stands for the user in an open cascading menu: opens submenus, chooses.
  std::function<std::optional<uint16_t>(CascadeMenu&)> whileCascade;
  std::optional<Point> cascadeAt;
  std::optional<Point> shellMenuAt;
  std::optional<uint32_t> nextShellChoice;
  std::vector<std::string> errors;
  bool confirmAnswer = true;
  int aboutShown = 0;
  int aboutClosed = 0;
  int settingsShown = 0;
  std::function<void()> whileAbout;
  bool visible = true;
  bool closed = false;
  int focusReturns = 0;
  std::vector<std::string> topics;

 private:
  struct Viewer : HelpViewer {
    explicit Viewer(std::vector<std::string>& topics) : topics_(topics) {}
    void DisplayTopic(std::string_view topic) override { topics_.emplace_back(topic); }
    std::vector<std::string>& topics_;
  };
  SimBarWindow& window_;
  Viewer help_{topics};
};

}  // namespace olb::sim
