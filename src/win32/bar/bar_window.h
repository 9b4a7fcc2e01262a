// The bar's top-level window (class "TOVB_Form1"): decodes its messages into
// calls on the bar's controller, paints the title strip, hosts the folder
// view's child windows and carries out what the controller asks of the form.
// It keeps none of the bar's state: that is the controller's.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "core/bar/bar_form.h"
#include "core/bar/launch_bar.h"
#include "core/platform/registry.h"
#include "core/wizard/help_file.h"
#include "win32/adapters/win32_app_bar_shell.h"
#include "win32/adapters/win32_file_chooser.h"
#include "win32/adapters/win32_folder_watcher.h"
#include "win32/adapters/win32_hotkey_port.h"
#include "win32/adapters/win32_icon_fetcher.h"
#include "win32/adapters/win32_item_shell_menu.h"
#include "win32/adapters/win32_file_ops.h"
#include "win32/adapters/win32_desktop.h"
#include "win32/adapters/win32_program_starter.h"
#include "win32/adapters/win32_text_case.h"
#include "win32/bar/bar_accessible.h"
#include "win32/bar/bar_drag_drop.h"
#include "win32/bar/hwnd_bar_ops.h"
#include "win32/base/window.h"
#include "win32/view/folder_view.h"
#include "win32/view/list_rows.h"

namespace olb::win {

class CascadePopup;

// The bar window's class: a second start finds the first copy by it.
inline constexpr wchar_t kBarClassName[] = L"TOVB_Form1";

class BarWindow : public BaseWindow<BarWindow>, private BarForm {
 public:
  // `owner` is the program's hidden application window, which owns every
  // top-level window of the program.
  BarWindow(HINSTANCE instance, HWND owner, Registry& registry, UINT appBarNotify);
  ~BarWindow();

  LaunchBar& controller() { return *controller_; }
  const BarOptions& options() const { return controller_->options(); }
  const BarLayout& layout() const { return controller_->layout(); }
  FolderView& folderView() { return *folder_; }
  BarDragDrop& dragDrop() { return *dragDrop_; }

  void Show() { ShowBar(); }
  // Runs a menu command as if it had been chosen from the popup menu.
  void RunCommand(CommandId command) { controller_->RunCommand(command); }

  // Open and close the About window (set by start-up).
  std::function<void()> showAboutPage;
  std::function<void()> closeAboutPage;
  // Shows the Settings window modally (set by start-up).
  std::function<void()> showSettings;
  // Replaces the HTML Help viewer that Help opens topics in.
  void SetHelpViewer(std::unique_ptr<HelpViewer> viewer) { help_ = std::move(viewer); }

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

  // The window as designed, before the caption is removed, at `dpi`.
  static RECT DesignedRect(UINT dpi = 96);

 private:
  // BarForm
  void ProcessMessages() override;
  FormSizes Sizes() override;
  void PlaceParts(const BarLayout& layout) override;
  void SetUpButtonEnabled(bool enabled) override { folder_->SetUpButtonEnabled(enabled); }
  void InvalidateTitle() override;
  void InvalidateList() override;
  void RestartTimer(TimerId id) override;
  void StopTimer(TimerId id) override;
  bool UserBusy() override;
  bool IsActive() override { return GetActiveWindow() == hwnd_; }
  Point CursorPos() override;
  Size DoubleClickDistance() override;
  std::optional<CommandId> TrackMenu(Point screen, const ItemMenu* item) override;
  std::optional<uint16_t> TrackCascadeMenu(Point screen, CascadeMenu& menu) override;
  std::optional<uint32_t> TrackShellMenu(Point screen, ItemShellMenu& menu) override;
  void ShowError(const std::string& message) override;
  bool Confirm(const std::string& question) override;
  void ShowMessage(std::string_view text, std::string_view caption) override;
  void ShowAbout() override;
  void CloseAbout() override;
  void ShowSettings() override {
    if (showSettings) showSettings();
  }
  HelpViewer& Help() override;
  void HideBar() override { ShowWindow(hwnd_, SW_HIDE); }
  void ShowBar() override { ShowWindow(hwnd_, SW_SHOW); }
  void Close() override { PostMessageW(hwnd_, WM_CLOSE, 0, 0); }
  void ReturnFocusToList() override;

  void FormPaint();
  // Decodes a message the bar's controller hears into its event, hands it
  // over and carries out the answer; returns true with `result` set when the
  // message was handled here.
  bool EventMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  event::ActivatedFrom ActivatedFrom(LPARAM lp) const;

  HINSTANCE instance_;
  HWND owner_;
  UINT appBarNotify_;
  UINT taskbarCreated_;  // broadcast when the shell starts again
  std::unique_ptr<Win32AppBarShell> shell_;
  std::unique_ptr<HwndBarOps> ops_;
  Win32Desktop desktop_;
  Win32FileOps files_;
  Win32ProgramStarter programs_;
  Win32TextCase textCase_;
  std::unique_ptr<FolderView> folder_;
  std::unique_ptr<Win32FileChooser> chooser_;
  std::unique_ptr<ListRows> rows_;
  std::unique_ptr<Win32FolderWatcher> watcher_;
  // Outlives the controller, whose folder model asks it for icons.
  std::unique_ptr<Win32IconFetcher> icons_;
  // The shell's item menus, and the one open in the bar's menu.
  std::unique_ptr<Win32ItemShellMenus> itemMenus_;
  Win32ItemShellMenu* openShellMenu_ = nullptr;
  // The category's cascading menu while it is open.
  CascadePopup* openCascade_ = nullptr;
  // The global hotkey, held while the controller lives.
  std::unique_ptr<Win32HotkeyPort> hotkey_;
  std::unique_ptr<LaunchBar> controller_;
  // Files dropped onto the bar and items dragged out of the list.
  std::unique_ptr<BarDragDrop> dragDrop_;
  // What screen readers are told of the painted parts.
  std::unique_ptr<BarAccessibility> accessibility_;
  // Made on the first Help request.
  std::unique_ptr<HelpViewer> help_;
};

}  // namespace olb::win
