// The bar's controller: the one owner of the bar's state (the settings
// record, the folder paths, the title and the one layout) and of the core
// objects that work on it: docking engine, folder model, navigator,
// scroller, item commands, drop rules and the auto-hide timers. It runs the
// menu's commands and toggles and decides the first start. The window only
// decodes messages into calls on it and does what the ports ask.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/bar/bar_form.h"
#include "core/bar/hotkey_summon.h"
#include "core/bar/ids.h"
#include "core/bar/popup_menu.h"
#include "core/commands/item_commands.h"
#include "core/docking/auto_hide_timers.h"
#include "core/docking/docking_engine.h"
#include "core/dragdrop/bar_drop.h"
#include "core/dragdrop/drop_effects.h"
#include "core/platform/folder_watcher.h"
#include "core/platform/program_starter.h"
#include "core/platform/text_case.h"
#include "core/settings/bar_options.h"
#include "core/folder/folder_model.h"
#include "core/layout/list_scroller.h"
#include "core/folder/folder_change_pacer.h"
#include "core/folder/item_order.h"
#include "core/folder/navigator.h"
#include "core/folder/type_ahead.h"
#include "core/layout/title.h"
#include "core/wizard/setup_wizard.h"

namespace olb {

// Every port the bar works through; all must outlive the controller.
struct BarServices {
  AppBarShell& appBar;
  BarPlacement& window;
  Desktop& desktop;
  Registry& registry;
  ShellNamespace& shell;
  ShellAllocator& allocator;
  ItemListControl& items;
  ListScrollPort& scroll;
  StripSurface& strips;
  ScreenCursor& cursor;
  TimeFormat& time;
  Launcher& launcher;
  FileOps& files;
  FileChooser& chooser;
  ListRowState& rows;
  ProgramStarter& programs;
  FolderWatcher& watcher;
  BarForm& form;
  TextCase& textCase;
  std::string exePath;                  // what the Run value starts and where the help file lies
  IconFetcher* icons = nullptr;         // none: icons are looked up on the spot
  ItemShellMenus* itemMenus = nullptr;  // none: the menu has no item submenu
  HotkeyPort* hotkey = nullptr;         // none: the bar has no global hotkey
};

class LaunchBar : private DockingHost,
                  private NavigationHost,
                  private CommandHost,
                  private DropHost {
 public:
  // Reads the taskbar state, as the form's construction does; nothing is
  // registered or laid out yet.
  explicit LaunchBar(const BarServices& services);
  LaunchBar(const LaunchBar&) = delete;
  LaunchBar& operator=(const LaunchBar&) = delete;

  // The form's creation: registers the bar, applies the stored record, starts
  // the slide-in timer, lays the bar out and opens the desktop folder.
  void Create();
  // The end of start-up in the root folder under `appDataFolder`: a missing
  // root brings up the first-start wizard in the window `wizard` makes (only
  // then), then the root opens and the bar shows. Raises ComError when the
  // root cannot be made or opened.
  void Start(std::string_view appDataFolder, const std::function<WizardWindow&()>& wizard);
  // Opens the root folder, measures the item pitch and updates the strips.
  void OpenRootFolder();
  // The form's destruction: stops the timer and unregisters the bar.
  void Destroy();
  // Whether Create has applied the stored record (the docking messages are
  // the engine's from then on).
  bool created() const { return created_; }

  // --- input -------------------------------------------------------------
  // A request to close the form. While a command waits in a modal window
  // (a shell confirmation, a file dialog) the close is kept until the
  // command has returned: closing under it would end that window with an
  // answer the user never gave. False: the form stays for now. True: an
  // open caption editor is cancelled, and no edit is taken from then on.
  bool MayClose();
  // Everything the bar window hears: its placement, the move and size
  // loops, the shell's notices, display and DPI changes, hit tests,
  // activation, system commands, timers and drags passing over it. The
  // docking events are the engine's once Create has applied the record;
  // before, they are left to the window's default handling.
  EventAnswer OnEvent(const WindowEvent& event);
  // A right click on a part at `controlOffset` in the form, `click` in the part.
  void OnRightClick(Point controlOffset, Point click);
  // A right click in the list, which has selected the item under the
  // pointer (or none): the menu gains the shell's menu for that item.
  void OnListRightClick(Point listOffset, Point click);
  // A left click on the item now selected, at `screen`: with categories
  // opened as menus, a category opens as a cascading menu there.
  void OnListClick(Point screen);
  // A right click at `screen` on the entry `command` of the cascading menu
  // `menu` while it is open: the shell's menu for that item.
  // The shell's menu for entry `entry` of `level` in the open cascading menu
  // `menu`, shown at `screen`: true when one of its entries was chosen,
  // which runs once the cascading menu has closed.
  bool OnCascadeRightClick(const CascadeMenu& menu, size_t level, size_t entry, Point screen);
  // A wheel turn of `delta` (positive: up, or left on a horizontal wheel
  // negated by the caller) at `inForm`.
  void OnWheel(int32_t delta, Point inForm);
  // The list scrolled by itself (keys, type-ahead, a click on a cut item).
  void OnListScrolled() { scroller_.UpdateScrollStrips(); }
  // The icon fetcher's message: real icons are waiting; their rows are redrawn.
  void OnIconsFetched();
  // The watcher's message: the folder shown changed outside the bar.
  void OnFolderChanged();
  // F5 and a change seen outside the bar: re-reads the folder shown and
  // keeps the selected item and the scroll position where they still exist.
  void RereadKeepingPlace();
  void OnStripMouseMove(StripId strip, Point inForm);
  void OnDoubleClick() {
    const BusyScope busy(*this);  // a launch may wait in the shell's dialogs
    navigator_.ListViewDblClick();
  }
  void UpOneLevel() { navigator_.UpOneLevel(); }
  bool OnListKey(uint16_t key, uint32_t modifiers);
  // The global hotkey was pressed: the bar comes forward with the keyboard
  // on its list (an auto-hidden bar slides out and stays out while it has
  // it), or, brought so before, gives the keyboard back. Nothing happens
  // while a command waits in a modal window.
  void OnHotkey();
  // The bar lost activation to another program's window.
  void OnDeactivate() {
    if (hotkey_) hotkey_->OnDeactivated();
  }
  // One UTF-16 unit of a character typed into the list: type-ahead selects
  // and shows the item found. False: the character is left to the control.
  // When no item of the folder shown starts with what was typed, the text
  // goes to `openFind` (when set), which opens the find field with it.
  bool OnListChar(char16_t unit, uint32_t timeMs);
  std::function<void(const std::string& typed)> openFind;
  // An item found by name anywhere under the root, opened as a double
  // click on it in its folder would.
  void OpenFound(const std::string& path, const std::string& caption, bool isFolder) {
    const BusyScope busy(*this);
    navigator_.OpenPath(path, caption, isFolder);
  }
  // The in-place editor opened on `row`'s caption.
  void OnLabelEditBegan(int32_t row) { commands_.ListViewEditBegan(row); }
  // An accepted in-place edit of `row`'s caption.
  void OnLabelEdited(int32_t row, const std::string& text) {
    // The editor's end that closing brings (its focus goes with the window)
    // is no answer of the user's.
    if (closing_) return;
    const BusyScope busy(*this);
    commands_.ListViewEdited(row, text);
  }
  // Files dragged over or dropped onto the bar.
  void OnDragOverFiles() { drop_.DragOverFiles(); }
  // Files put into the folder shown take the place between the two items
  // where they were dropped, as the bar's own items dragged there would.
  TDropEffects OnDropFiles(const FileList& files, const DropRequest& request);
  // The item to show drop-highlighted with the pointer at `screen`.
  std::optional<int32_t> DropHighlightAt(Point screen) { return drop_.HighlightRowAt(screen); }
  // Where the bar's own items dragged to `screen` go.
  std::optional<ReorderDrop> ReorderDropAt(Point screen);
  // The full paths of the items at `rows` that a drag out of the list
  // carries, in row order; rows without an item are left out.
  std::vector<std::string> DragPathsOf(const std::vector<int32_t>& rows);
  // The full path of the item at `row` that a drag out of the list carries;
  // nothing when there is no such item.
  std::optional<std::string> DragPathOf(int32_t row);
  // After a drag out of the list: re-reads the folder unless the target copied.
  void AfterDrag(TDropEffects effects);
  // Runs a menu command as if it had been chosen from the popup menu.
  void RunCommand(CommandId command);
  // Puts the items at `rows` before the item at `before` (the item count:
  // at the end) and keeps that order for the folder shown; they stay
  // selected.
  void MoveItems(const std::vector<int32_t>& rows, int32_t before);
  // Alt+Shift+arrows: the selected item one place earlier (-1) or later (+1).
  void MoveSelectedItem(int32_t step);
  // Whether the Run value starts this program: Autoload's check mark, read
  // each time the menu opens, as other programs change it too.
  bool AutoloadIsOn();
  // Whether a click on a category opens it as a menu: the mark of "Open
  // Categories as Menus", read from its stored value each time.
  bool CategoryMenusOn();
  // Whether the bar is only as long as its items need: the mark of "Fit Bar
  // to Items", stored beside the record.
  bool FitToItemsOn() const { return fitToItems_; }
  // The Monitor submenu's entries as the monitors are now.
  std::vector<MonitorEntry> MonitorMenuEntries();

  // --- state (read-only for the window) ----------------------------------
  const BarOptions& options() const { return options_; }
  const FolderPaths& paths() const { return paths_; }
  // The Win32 fixtures set the root of a bar they did not start.
  FolderPaths& paths() { return paths_; }
  const std::string& titleText() const { return title_; }
  const BarLayout& layout() const { return scroller_.layout(); }
  ViewMode viewMode() const { return scroller_.viewMode(); }
  const DockingEngine& engine() const { return engine_; }
  // The DPI the bar is placed and painted at.
  uint32_t dpi() const { return engine_.dpi(); }
  FolderModel& model() { return model_; }
  // Which strips show an arrow, and the items' pitch across and down.
  const StripState& strips() const { return scroller_.strips(); }
  Size itemPitch() const { return {scroller_.itemPitchX(), scroller_.itemPitchY()}; }
  // The global hotkey's state; null without the port.
  const HotkeySummon* hotkey() const { return hotkey_.get(); }
  // Stores and registers a new global hotkey (none: no key); false when
  // another program holds it. Without the port there is nothing to change.
  bool ChangeHotkey(const Hotkey& hotkey) { return hotkey_ && hotkey_->Change(hotkey); }

 private:
  // Marks a command at work, which may wait in a modal window; the last to
  // end closes the form if a close was asked for meanwhile.
  class BusyScope {
   public:
    explicit BusyScope(LaunchBar& bar) : bar_(bar) { ++bar_.busy_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    ~BusyScope() { bar_.EndBusy(); }

   private:
    LaunchBar& bar_;
  };
  void EndBusy();

  void LayoutBar() override;
  void ScrollListToTop() override { services_.scroll.ScrollToTop(); }
  // The menu is built from the record each time it opens, so its AutoHide
  // mark already follows the engine's change.
  void UncheckAutoHideMenuItem() override {}
  void ShowMessage(std::string_view text, std::string_view caption) override {
    services_.form.ShowMessage(text, caption);
  }
  void StartRevealTimer() override;
  void SetUpButtonEnabled(bool enabled) override { services_.form.SetUpButtonEnabled(enabled); }
  void UpdateScrollStrips() override {
    scroller_.UpdateScrollStrips();
    FitToItems();
  }
  void ReapplyListExtent() override { scroller_.SnapListExtent(); }
  void UpdateTitle() override;
  void WriteAutoloadValue() override;
  void ShowAutoHiddenBar() override { engine_.SetAutoHideShown(true); }
  void ShowError(const std::string& message) override { services_.form.ShowError(message); }
  bool FallBackFromGoneFolder(const std::string& path) override {
    return commands_.FallBackFrom(path);
  }
  bool ItemExists(const std::string& path) override {
    return services_.files.FileExists(path) || services_.files.DirectoryExists(path);
  }
  bool Confirm(const std::string& question) override { return services_.form.Confirm(question); }
  void ProcessMessages() override { services_.form.ProcessMessages(); }
  Point CursorPos() override { return services_.form.CursorPos(); }
  DropGeometry Geometry(Point screen) override;
  void StoreDefaultPitch(int32_t pitch) override;
  // F1, F2, Delete, F5, Shift+F10 and the Menu key on the list.
  bool RunKeyCommand(ListKeyAction action) override;
  void FolderReplaced() override;
  void ItemRenamed(const std::string& from, const std::string& to) override;

  // The user's order of the folder at `folderPath`, as stored; empty for a
  // folder outside the root or with none.
  std::vector<std::string> StoredOrderOf(const std::string& folderPath);
  // Sort by Name: the folder shown goes back to the shell's order.
  void SortByName();
  // Writes the order of the folder shown again without the names gone from
  // it, when it has one.
  void PruneStoredOrder();
  // The items of the folder shown that `before` (its names before a drop)
  // did not name, moved to stand before the item that was at `at`. Past the
  // last item of a folder in the shell's order they keep the shell's place.
  // The selection, and a name being edited, are left as they are: the
  // files came from another program, not from the user's hand on the list.
  void PlaceDroppedItems(const std::vector<std::string>& before, int32_t at);
  // Stores the order with the items at `rows` before `before` and shows it;
  // what moved, or nullopt when nothing did.
  std::optional<MovedNames> StoreMovedOrder(const std::vector<int32_t>& rows, int32_t before);
  // Reads the folder shown again at its scroll position.
  void RereadInPlace();

  // Watches the folder shown again whenever it was read since the watch was
  // set: a folder replaced under the same path (moved away, made anew) is
  // the new one's watch from its first read on, and a watch the system
  // dropped is set again.
  void WatchShownFolder();
  void FolderWatchTimer();

  // The form became active after a window `from`: only the first activation
  // and those from the program's own windows count (switching from another
  // program does not, nor does the hidden application window, which the
  // system activates when another program's window closes).
  void OnActivate(event::ActivatedFrom from);
  // The form's timers, the strips' repeat timers among them.
  void OnTimer(TimerId id);
  // Files dragged over the form: over a strip's arrow the list scrolls as
  // it does for the pointer's own moves. OLE reports a resting pointer
  // every few tens of milliseconds; the strip's repeat timer is armed only
  // when the drag enters the strip, as restarting it each time would keep
  // it from ever firing.
  void OnDragOver(Point inForm);

  void SlideInTick();
  void RevealTick();
  // The bar's menu; on `row`, headed by the shell's menu for that item.
  void ShowPopupMenu(Point screen, std::optional<int32_t> row = std::nullopt);
  // The shell's menu for `row`, or nothing when it cannot be had.
  std::unique_ptr<ItemShellMenu> BuildItemShellMenu(int32_t row);
  // The shell's menu for the child `relative` of `folder`, or nothing.
  std::unique_ptr<ItemShellMenu> GuardedShellMenu(ShellFolder& folder, const uint8_t* relative);
  // Runs the shell's entry `offset` on the item called `name`.
  void RunShellCommand(ItemShellMenu& menu, uint32_t offset, const std::string& name);
  // The entry's verb; empty when it has none or the shell fails to say.
  static std::string GuardedVerb(ItemShellMenu& menu, uint32_t offset);
  // Runs the shell entry chosen in the cascading menu `menu`.
  void RunCascadeShellCommand(const CascadeMenu& menu);
  void SetViewMode(ViewMode mode);
  void ToggleAutoHide();
  void ToggleAlwaysOnTop();
  void ToggleFitToItems();
  // With Fit Bar to Items on, tells the docking engine the length the
  // folder's items need now (it places the bar again when that changed);
  // off, the bar spans its edge.
  void FitToItems();
  // OpenAboutPage and the Settings entry: `show` the window modally.
  void ShowFormWindow(void (BarForm::*show)());
  void OpenHelpTopic();

  BarServices services_;
  BarOptions options_ = InitialOptions();
  FolderPaths paths_;
  std::string title_{kBarTitle};
  DockingEngine engine_;
  FolderModel model_;
  Navigator navigator_;
  ListScroller scroller_;
  ItemCommands commands_;
  BarDrop drop_;
  RevealTimer revealTimer_;
  std::string watchedPath_;
  uint64_t watchedFill_ = 0;  // the model's fill the watch was set after
  uint64_t changesSeen_ = 0;  // the watcher's messages so far
  FolderChangePacer changePacer_{1000 / static_cast<int>(kFolderWatchMs)};  // read once a second
  TypeAhead typeAhead_;
  std::unique_ptr<HotkeySummon> hotkey_;
  bool rereading_ = false;
  bool created_ = false;
  bool fitToItems_ = false;  // Fit Bar to Items, as stored
  bool activatedOnce_ = false;
  int busy_ = 0;               // commands at work, nested
  bool closePending_ = false;  // a close came while one was
  bool closing_ = false;       // the close was let through: the form goes
  // The shell's entry chosen for an item of the open cascading menu.
  struct CascadeShellCommand {
    std::unique_ptr<ItemShellMenu> menu;
    uint32_t offset = 0;
    size_t level = 0;
    size_t entry = 0;
  };
  std::optional<CascadeShellCommand> cascadeCommand_;
  bool aboutShown_ = false;           // the About or Settings window is up
  std::optional<StripId> dragStrip_;  // the strip the last drag over the form was over
};

}  // namespace olb
