// The bar's popup menu and the commands that belong to the bar window itself.
#include "core/bar/popup_menu.h"
#include "core/wizard/help_file.h"
#include "win32/adapters/html_help_viewer.h"
#include "win32/app/application.h"
#include "win32/bar/bar_window.h"
#include "win32/bar/views_menu.h"
#include "win32/base/module_path.h"
#include "win32/base/unicode.h"

namespace olb::win {

void BuildViewsMenu(HMENU menu, const BarOptions& options, ViewMode mode) {
  for (const MenuEntry& entry : kViewsMenu) {
    if (entry.IsSeparator()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING;
    if (IsMenuChecked(*entry.command, options, mode)) flags |= MF_CHECKED;
    AppendMenuW(menu, flags, static_cast<UINT_PTR>(*entry.command), Widen(entry.caption).c_str());
  }
}

void BarWindow::FormMouseDown(UINT button, POINT client) {
  if (button != WM_RBUTTONDOWN) return;
  PartRightClick({0, 0}, client);
}

void BarWindow::PartRightClick(Point controlOffset, POINT click) {
  Application::ProcessMessages();
  RECT window{};
  GetWindowRect(hwnd_, &window);
  // The menu opens at the window's outer corner plus the click's client
  // position, offset by the frame from the pointer as the bar always did.
  const Point at = MenuScreenPoint({window.left, window.top, window.right, window.bottom},
                                   controlOffset, {click.x, click.y});
  ShowPopupMenu({at.x, at.y});
}

void BarWindow::ShowPopupMenu(POINT screen) {
  PopupMenu popup;
  BuildViewsMenu(popup.get(), options_, viewMode());
  engine_->MenuOpened();
  // The menu needs the bar as foreground window to close when the user
  // clicks elsewhere.
  SetForegroundWindow(hwnd_);
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(
      popup.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
      screen.x, screen.y, 0, hwnd_, nullptr));
  engine_->MenuClosed();
  Application::ProcessMessages();
  if (chosen != 0) RunCommand(static_cast<CommandId>(chosen));
}

void BarWindow::RunCommand(CommandId command) {
  switch (command) {
    case CommandId::LargeIcons1:
      SetViewMode(ViewMode::LargeIcons);
      break;
    case CommandId::SmallIcons1:
      SetViewMode(ViewMode::SmallIcons);
      break;
    case CommandId::AutoHide1:
      AutoHide1Click();
      break;
    case CommandId::Alwaysontop1:
      Alwaysontop1Click();
      break;
    case CommandId::NewFolder1:
      commands_->NewFolder1Click();
      break;
    case CommandId::NewShortut1:
      commands_->NewShortut1Click();
      break;
    case CommandId::Delete1:
      commands_->Delete1Click();
      break;
    case CommandId::OpenFolderwithShortcuts1:
      commands_->OpenFolderwithShortcuts1Click();
      break;
    case CommandId::UpdateBar1:
      commands_->UpdateBar1Click();
      break;
    case CommandId::Autoload1:
      Autoload1Click();
      break;
    case CommandId::Help1:
      Help1Click();
      break;
    case CommandId::About1:
      About1Click();
      break;
    case CommandId::Exit1:
      PostMessageW(hwnd_, WM_CLOSE, 0, 0);
      break;
    default:
      // Entries whose commands are not built yet do nothing.
      break;
  }
  // The commands that may have shown a modal window: About, and the
  // shell's dialogs of the item commands.
  switch (command) {
    case CommandId::About1:
    case CommandId::NewFolder1:
    case CommandId::NewShortut1:
    case CommandId::Delete1:
      if (IsWindow(hwnd_)) ReturnFocusToList();
      break;
    default:
      break;
  }
}

// LargeIcons1Click / SmallIcons1Click: the menu's check marks follow the
// mode, as the menu is built from it each time it opens.
void BarWindow::SetViewMode(ViewMode mode) {
  folder_->SetViewMode(mode);
  Application::ProcessMessages();
}

void BarWindow::AutoHide1Click() {
  Application::ProcessMessages();
  if (options_.AutoHide) {
    engine_->SetAutoHideShown(true);  // slide out before docking normally
    options_.AutoHide = 0;
  } else {
    options_.AutoHide = 1;
  }
  engine_->ApplyEdge(engine_->CurrentEdge());
  engine_->SaveOptions();
  Application::ProcessMessages();
}

void BarWindow::Alwaysontop1Click() {
  options_.AlwaysOnTop = options_.AlwaysOnTop ? 0 : 1;
  engine_->ApplyEdge(engine_->CurrentEdge());
  engine_->SaveOptions();
}

void BarWindow::About1Click() {
  // While the About window is up, a full-screen notification must not
  // re-apply the edge under it; the flag is cleared even if it fails.
  engine_->MenuOpened();
  struct Closed {
    DockingEngine& engine;
    ~Closed() { engine.MenuClosed(); }
  } closed{*engine_};
  if (showAboutPage) showAboutPage();
}

// Every choice writes the Run value again; nothing here removes it.
void BarWindow::Autoload1Click() {
  WriteAutoloadValue();
}

void BarWindow::Help1Click() {
  if (!help_) help_ = std::make_unique<HtmlHelpViewer>(hwnd_);
  OpenHelp(*help_, ExecutablePath());
}

}  // namespace olb::win
