// Port: the bar form itself as its controller drives it: the few things the
// window does that the other ports do not cover.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/bar/cascade_menu.h"
#include "core/bar/ids.h"
#include "core/platform/geometry.h"
#include "core/platform/item_shell_menu.h"
#include "core/layout/bar_layout.h"
#include "core/wizard/help_file.h"

namespace olb {

// The form's sizes that the layout is computed from.
struct FormSizes {
  Size window;                 // outer width and height
  Size client;                 // client area
  int32_t frameAllowance = 9;  // LayoutFrameAllowance(...)
};

class BarForm {
 public:
  virtual ~BarForm() = default;

  // Lets pending messages run once.
  virtual void ProcessMessages() = 0;
  virtual FormSizes Sizes() = 0;
  // Places the child windows that are not the list (the panel with its Up
  // button) and repaints the form's painted parts.
  virtual void PlaceParts(const BarLayout& layout) = 0;
  virtual void SetUpButtonEnabled(bool enabled) = 0;
  // The title text changed: repaint the title strip.
  virtual void InvalidateTitle() = 0;
  // The list switched its view mode or its edge: repaint all of it, as the
  // control repaints only the items it moved (an item left in place kept the
  // label it had for the other layout).
  virtual void InvalidateList() = 0;

  virtual void RestartTimer(TimerId id) = 0;
  virtual void StopTimer(TimerId id) = 0;
  // The user is at work on the list: editing a caption, dragging, or in a
  // menu (the mouse is captured).
  virtual bool UserBusy() = 0;
  // Whether the form is the active window.
  virtual bool IsActive() = 0;
  // The pointer now, in screen pixels.
  virtual Point CursorPos() = 0;
  // The double-click rectangle's width and height.
  virtual Size DoubleClickDistance() = 0;

  // Shows the popup menu at `screen` with the marks the controller's state
  // gives and waits for it; the chosen command or nothing. With `item`, the
  // shell's menu for it heads the menu as a submenu; an identifier from
  // kFirstShellCommand on is one of its entries.
  virtual std::optional<CommandId> TrackMenu(Point screen, const ItemMenu* item) = 0;
  // Shows `menu`, a category's items as a cascading menu, at `screen` and
  // waits for it: the chosen entry's identifier, or nothing. Each submenu
  // is listed through `menu` when it opens.
  virtual std::optional<uint16_t> TrackCascadeMenu(Point screen, CascadeMenu& menu) = 0;
  // Shows the shell's menu for an item on its own at `screen`, over an open
  // menu, and waits: the chosen entry's offset past kFirstShellCommand, or
  // nothing.
  virtual std::optional<uint32_t> TrackShellMenu(Point screen, ItemShellMenu& menu) = 0;
  // The application's error box.
  virtual void ShowError(const std::string& message) = 0;
  // A modal OK message box owned by the application.
  virtual void ShowMessage(std::string_view text, std::string_view caption) = 0;
  // A modal Yes/No question; true for Yes.
  virtual bool Confirm(const std::string& question) = 0;
  virtual void ShowAbout() = 0;
  // The Settings window, modally.
  virtual void ShowSettings() = 0;
  // Closes the About window, if it is up, as its Cancel button would.
  virtual void CloseAbout() = 0;
  // The help viewer, made on first use.
  virtual HelpViewer& Help() = 0;
  // Hides the bar (a first start shows the wizard instead).
  virtual void HideBar() = 0;
  virtual void ShowBar() = 0;
  // Asks the form to close; the program ends once it has.
  virtual void Close() = 0;
  // After a modal window of the bar closed: the item list has the keyboard
  // back, unless the user went on to another window of the program.
  virtual void ReturnFocusToList() = 0;
};

}  // namespace olb
