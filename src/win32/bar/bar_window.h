// The bar's top-level window (class "TOVB_Form1"): the docking engine's
// window procedure, the title strip, the auto-hide timers, the menu, and the
// folder view it hosts.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "core/bar/auto_hide_timers.h"
#include "core/bar/ids.h"
#include "core/commands/item_commands.h"
#include "core/docking/docking_engine.h"
#include "core/platform/bar_ui.h"
#include "core/platform/registry.h"
#include "core/settings/bar_options.h"
#include "core/view/bar_layout.h"
#include "core/view/folder_model.h"
#include "core/view/navigator.h"
#include "core/view/view_mode.h"
#include "core/wizard/help_file.h"
#include "win32/adapters/open_file_dialog.h"
#include "win32/adapters/shell_appbar.h"
#include "win32/adapters/shell_file_ops.h"
#include "win32/adapters/win32_desktop.h"
#include "win32/bar/bar_drag_drop.h"
#include "win32/bar/hwnd_bar_ops.h"
#include "win32/base/window.h"
#include "win32/view/list_rows.h"
#include "win32/view/folder_view.h"

namespace olb::win {

class Application;

class BarWindow : public BaseWindow<BarWindow>,
                  public BarUi,
                  public NavigationHost,
                  public CommandHost {
 public:
  BarWindow(Application& app, Registry& registry, UINT appBarNotify);
  ~BarWindow();

  // RootPath: the root shortcuts folder (with a trailing backslash);
  // CurrentPath: the folder shown (without one), kept by the folder view.
  FolderPaths paths;
  // What the title strip shows.
  std::string TitleText = "OVEL LAUNCH BAR";

  const BarOptions& options() const { return options_; }
  // The live record, for the first-start wizard's answers.
  BarOptions& options() { return options_; }
  DockingEngine& engine() { return *engine_; }
  // The folder view's scroller keeps the layout once it exists: cutting the
  // list to whole pitches changes it between layouts.
  const BarLayout& layout() const { return folder_ ? folder_->scroller().layout() : layout_; }
  ViewMode viewMode() const { return folder_->viewMode(); }
  FolderView& folderView() { return *folder_; }
  BarDragDrop& dragDrop() { return *dragDrop_; }

  void Show();
  // The end of start-up: opens RootPath, measures the item pitch and updates
  // the strips. Raises ComError when the root cannot be opened.
  void OpenRootFolder();

  // NavigationHost: what opening, going up and the list's keys ask of the form.
  void SetUpButtonEnabled(bool enabled) override;
  void UpdateScrollStrips() override;
  void ReapplyListExtent() override;
  // Recomputes the title from the folder shown and repaints the strip.
  void UpdateTitle() override;
  void WriteAutoloadValue() override;
  void ShowAutoHiddenBar() override;
  void ShowError(const std::string& message) override;
  // CommandHost (UpdateScrollStrips and ShowError are shared with
  // NavigationHost).
  void ProcessMessages() override;
  bool Confirm(const std::string& question) override;

  // Opens the About window (set by start-up once that window exists).
  std::function<void()> showAboutPage;
  // Replaces the HTML Help viewer that Help opens topics in.
  void SetHelpViewer(std::unique_ptr<HelpViewer> viewer) { help_ = std::move(viewer); }

  // Runs a menu command as if it had been chosen from the popup menu.
  void RunCommand(CommandId command);

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

  // The window as designed, before the caption is removed.
  static RECT DesignedRect();

 private:
  // BarUi: what the docking engine asks of the form.
  void LayoutBar() override;
  void ScrollListToTop() override;
  void UncheckAutoHideMenuItem() override;
  void ShowMessage(std::string_view text, std::string_view caption) override;
  void StartRevealTimer() override;

  void FormCreate();
  void FormClose();
  void FormDestroy();
  void FormPaint();
  // Post-processing of the window messages that drive docking; returns true
  // with `result` set when the message was handled here.
  bool DockingMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  void OnActivate(WPARAM wp, LPARAM lp);
  void Timer1Timer();
  void Timer2Timer();
  void RestartTimer(TimerId id);
  void StopTimer(TimerId id);
  // Right click on the form's own parts (grip, strips, gaps): the menu.
  void FormMouseDown(UINT button, POINT client);
  // Right click on a part at `controlOffset` in the form, `click` in the part.
  void PartRightClick(Point controlOffset, POINT click);
  void ShowPopupMenu(POINT screen);
  void SetViewMode(ViewMode mode);
  void AutoHide1Click();
  void Alwaysontop1Click();
  void About1Click();
  void Autoload1Click();
  void Help1Click();

  Application& app_;
  Registry& registry_;
  UINT appBarNotify_;
  BarOptions options_ = InitialOptions();
  std::unique_ptr<ShellAppBar> shell_;
  std::unique_ptr<HwndBarOps> ops_;
  Win32Desktop desktop_;
  std::unique_ptr<DockingEngine> engine_;
  RevealTimer revealTimer_;
  BarLayout layout_ = DesignLayout();
  // Made before the engine, whose loading of the options lays the bar out.
  std::unique_ptr<FolderView> folder_;
  // The commands that change the folder's files.
  ShellFileOps files_;
  std::unique_ptr<OpenFileDialog> chooser_;
  std::unique_ptr<ListRows> rows_;
  std::unique_ptr<ItemCommands> commands_;
  // Files dropped onto the bar and items dragged out of the list.
  std::unique_ptr<BarDragDrop> dragDrop_;
  // Made on the first Help request.
  std::unique_ptr<HelpViewer> help_;
  bool barWndProcInstalled_ = false;
  bool activatedOnce_ = false;
};

}  // namespace olb::win
