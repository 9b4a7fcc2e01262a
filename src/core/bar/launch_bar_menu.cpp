// The controller's popup menu and the commands that belong to the bar itself.
#include "core/bar/launch_bar.h"
#include "core/bar/item_menu.h"
#include "core/bar/popup_menu.h"
#include "core/settings/category_menus_store.h"
#include "core/settings/fit_to_items_store.h"
#include "core/settings/view_store.h"
#include "core/wizard/autoload.h"

namespace olb {

void LaunchBar::OnRightClick(Point controlOffset, Point click) {
  services_.form.ProcessMessages();
  // The menu opens at the window's outer corner plus the click's client
  // position, offset by the frame from the pointer as the bar always did.
  ShowPopupMenu(MenuScreenPoint(services_.window.WindowRect(), controlOffset, click));
}

void LaunchBar::OnListRightClick(Point listOffset, Point click) {
  services_.form.ProcessMessages();
  ShowPopupMenu(MenuScreenPoint(services_.window.WindowRect(), listOffset, click),
                services_.items.SelectedIndex());
}

std::vector<MonitorEntry> LaunchBar::MonitorMenuEntries() {
  return MonitorMenu(services_.desktop.Monitors(), engine_.monitor().device);
}

void LaunchBar::ShowPopupMenu(Point screen, std::optional<int32_t> row) {
  engine_.MenuOpened();
  // The item's name is taken now: a re-read while the menu is up may
  // replace the records.
  const ShellItem* item = row ? model_.NamedItem(*row) : nullptr;
  const std::string name = item ? item->ItemName : std::string();
  std::unique_ptr<ItemShellMenu> shellMenu = item ? BuildItemShellMenu(*row) : nullptr;
  std::optional<ItemMenu> itemMenu;
  if (shellMenu) itemMenu.emplace(ItemMenu{ItemMenuCaption(name), *shellMenu});
  const std::optional<CommandId> chosen =
      services_.form.TrackMenu(screen, itemMenu ? &*itemMenu : nullptr);
  engine_.MenuClosed();
  services_.form.ProcessMessages();
  if (!chosen) return;
  const auto id = static_cast<uint16_t>(*chosen);
  if (id < kFirstShellCommand) {
    RunCommand(*chosen);
  } else if (shellMenu && id <= kLastShellCommand) {
    RunShellCommand(*shellMenu, id - kFirstShellCommand, name);
  }
}

void LaunchBar::RunCommand(CommandId command) {
  const BusyScope busy(*this);
  switch (command) {
    case CommandId::LargeIcons1:
      SetViewMode(ViewMode::LargeIcons);
      break;
    case CommandId::ExtraLargeIcons1:
      SetViewMode(ViewMode::ExtraLargeIcons);
      break;
    case CommandId::SmallIcons1:
      SetViewMode(ViewMode::SmallIcons);
      break;
    case CommandId::SortbyName1:
      SortByName();
      break;
    case CommandId::AutoHide1:
      ToggleAutoHide();
      break;
    case CommandId::Alwaysontop1:
      ToggleAlwaysOnTop();
      break;
    case CommandId::FitBartoItems1:
      ToggleFitToItems();
      break;
    case CommandId::OpenCategoriesasMenus1:
      WriteCategoryMenus(services_.registry, !CategoryMenusOn());
      break;
    case CommandId::NewFolder1:
      commands_.MakeNewFolder();
      break;
    case CommandId::NewShortut1:
      commands_.MakeNewShortcut();
      break;
    case CommandId::Delete1:
      commands_.DeleteSelectedItem();
      PruneStoredOrder();
      break;
    case CommandId::OpenFolderwithShortcuts1:
      commands_.OpenShortcutsFolder();
      break;
    case CommandId::UpdateBar1:
      commands_.UpdateBar();
      break;
    case CommandId::Autoload1:
      // Checked (the Run value starts this program): removes it; otherwise writes it.
      ToggleAutoload(services_.registry, services_.exePath);
      break;
    case CommandId::Help1:
      OpenHelpTopic();
      break;
    case CommandId::About1:
      ShowFormWindow(&BarForm::ShowAbout);
      break;
    case CommandId::Settings1:
      ShowFormWindow(&BarForm::ShowSettings);
      break;
    case CommandId::Exit1:
      services_.form.Close();
      break;
    default:
      // A monitor of the Monitor submenu; any other value does nothing.
      if (const std::optional<size_t> monitor = MonitorOfCommand(command)) {
        const std::vector<MonitorInfo> monitors = services_.desktop.Monitors();
        if (*monitor < monitors.size()) engine_.MoveToMonitor(monitors[*monitor].device);
      }
      break;
  }
  // The commands that may have shown a modal window: About, and the
  // shell's dialogs of the item commands.
  switch (command) {
    case CommandId::About1:
    case CommandId::Settings1:
    case CommandId::NewFolder1:
    case CommandId::NewShortut1:
    case CommandId::Delete1:
      services_.form.ReturnFocusToList();
      break;
    default:
      break;
  }
}

// ShowLargeIcons / ShowExtraLargeIcons / ShowSmallIcons: the menu's check marks follow the
// mode, as the menu is built from it each time it opens; the next start
// shows it again.
void LaunchBar::SetViewMode(ViewMode mode) {
  scroller_.SetViewMode(mode);
  WriteViewMode(services_.registry, mode);
  FitToItems();
  services_.form.InvalidateList();
  services_.form.ProcessMessages();
}

void LaunchBar::ToggleAutoHide() {
  services_.form.ProcessMessages();
  if (options_.AutoHide) {
    engine_.SetAutoHideShown(true);  // slide out before docking normally
    options_.AutoHide = 0;
  } else {
    options_.AutoHide = 1;
  }
  engine_.ApplyEdge(engine_.CurrentEdge());
  engine_.SaveOptions();
  services_.form.ProcessMessages();
}

void LaunchBar::ToggleAlwaysOnTop() {
  options_.AlwaysOnTop = options_.AlwaysOnTop ? 0 : 1;
  engine_.ApplyEdge(engine_.CurrentEdge());
  engine_.SaveOptions();
}

// The choice is stored first: a bar closed while the edge is applied again
// keeps it.
void LaunchBar::ToggleFitToItems() {
  fitToItems_ = !fitToItems_;
  WriteFitToItems(services_.registry, fitToItems_);
  FitToItems();
}

// The About and Settings windows. While one is up, a full-screen
// notification must not re-apply the edge under it, and a close from outside
// cancels it rather than waiting for it; the flags are cleared even if it
// fails.
void LaunchBar::ShowFormWindow(void (BarForm::*show)()) {
  engine_.MenuOpened();
  aboutShown_ = true;
  struct Closed {
    DockingEngine& engine;
    bool& aboutShown;
    ~Closed() {
      aboutShown = false;
      engine.MenuClosed();
    }
  } closed{engine_, aboutShown_};
  (services_.form.*show)();
}

void LaunchBar::OpenHelpTopic() {
  OpenHelp(services_.form.Help(), services_.exePath);
}

bool LaunchBar::MayClose() {
  if (busy_ == 0) {
    // A caption being edited keeps its name: the typed text is dropped.
    closing_ = true;
    services_.rows.CancelCaptionEdit();
    return true;
  }
  closePending_ = true;
  // The About window only informs: it gives way at once, so that a close
  // from outside (an installer replacing the program) is not held up by it.
  if (aboutShown_) services_.form.CloseAbout();
  return false;
}

void LaunchBar::EndBusy() {
  if (--busy_ > 0) return;
  // The command may have read the folder again.
  if (!closing_) WatchShownFolder();
  if (!closePending_) return;
  closePending_ = false;
  services_.form.Close();
}

}  // namespace olb
