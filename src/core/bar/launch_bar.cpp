#include "core/bar/launch_bar.h"

#include "core/commands/row_finder.h"
#include "core/dragdrop/drag_start.h"
#include "core/folder/launch_rules.h"
#include "core/platform/window_codes.h"
#include "core/settings/fit_to_items_store.h"
#include "core/settings/view_store.h"
#include "core/wizard/autoload.h"
#include "core/wizard/first_start.h"
#include "core/wizard/root_folder.h"

namespace olb {

LaunchBar::LaunchBar(const BarServices& services)
    : services_(services),
      engine_(options_, services_.appBar, services_.window, *this, services_.desktop,
              services_.registry),
      model_(FolderServices{services_.shell, services_.allocator, services_.items, services_.cursor,
                            services_.time, services_.icons,
                            [this](const std::string& path) { return StoredOrderOf(path); }},
             paths_),
      navigator_(model_, services_.launcher, *this),
      scroller_(services_.scroll, services_.strips),
      commands_(model_, CommandServices{services_.files, services_.chooser, services_.launcher,
                                        services_.rows, services_.programs, *this}),
      drop_(DropServices{model_, services_.files, services_.programs, services_.rows, *this}) {
  if (services_.hotkey)
    hotkey_ = std::make_unique<HotkeySummon>(*services_.hotkey, services_.registry);
}

void LaunchBar::Create() {
  engine_.Register();
  fitToItems_ = ReadFitToItems(services_.registry);
  engine_.LoadOptions();
  created_ = true;
  services_.form.RestartTimer(TimerId::SlideIn);
  // Applying the record has laid the bar out and measured the pitch; the
  // strips follow once the list has its folder.
  model_.InitFolderView();
  UpdateScrollStrips();
}

void LaunchBar::Start(std::string_view appDataFolder,
                      const std::function<WizardWindow&()>& wizard) {
  // The list is filled in report style; the stored view mode's style
  // follows before the item pitch is measured, which depends on it.
  services_.items.SetStyle(ListViewStyle::Report);

  paths_.RootPath = RootPathFor(appDataFolder);
  // The settings window is made only when a first start needs it.
  if (!services_.files.DirectoryExists(paths_.RootPath)) {
    RunFirstStart({wizard(), services_.files, services_.registry, services_.exePath},
                  paths_.RootPath, options_, [this] { services_.form.HideBar(); });
  }

  // Without its root folder the bar has nothing to show: opening fails loudly.
  if (!services_.files.DirectoryExists(paths_.RootPath)) model_.Raise(kResultPathNotFound);
  model_.OpenFolderByPath(paths_.RootPath);
  scroller_.SetViewMode(ReadViewMode(services_.registry));
  FitToItems();
  services_.form.ShowBar();
  // The bar is at its root: there is nothing above to go up to.
  services_.form.SetUpButtonEnabled(false);
  WatchShownFolder();
  if (hotkey_) hotkey_->Start();
  services_.form.ReturnFocusToList();
}

void LaunchBar::OpenRootFolder() {
  model_.OpenFolderByPath(paths_.RootPath);
  scroller_.MeasureItemPitch();
  UpdateScrollStrips();
  WatchShownFolder();
}

void LaunchBar::OnIconsFetched() {
  for (int32_t row : model_.TakeFetchedIcons()) services_.rows.RedrawRow(row);
}

void LaunchBar::Destroy() {
  if (!created_) return;
  services_.form.StopTimer(TimerId::SlideIn);
  services_.form.StopTimer(TimerId::FolderWatch);
  services_.watcher.Watch({});
  watchedPath_.clear();
  if (hotkey_) hotkey_->Stop();
  engine_.Unregister();
}

// --- layout --------------------------------------------------------------

void LaunchBar::LayoutBar() {
  const FormSizes sizes = services_.form.Sizes();
  const Edge edgeBefore = scroller_.layout().edge;
  const Size listBefore{scroller_.layout().list.Width(), scroller_.layout().list.Height()};
  const BarLayout& layout = scroller_.LayoutBar(
      {options_.Edge, sizes.window, sizes.client, sizes.frameAllowance, engine_.dpi()});
  services_.form.PlaceParts(layout);
  if (layout.edge != edgeBefore || layout.list.Width() != listBefore.cx ||
      layout.list.Height() != listBefore.cy) {
    services_.form.InvalidateList();
  }
  FitToItems();
}

void LaunchBar::FitToItems() {
  if (!created_) return;
  std::optional<FitLength> fit;
  if (fitToItems_) {
    fit = FitLength{IsHorizontal(scroller_.layout().edge),
                    FittedBarLength(scroller_.Fit(), engine_.dpi())};
  }
  engine_.FitToLength(fit);
}

void LaunchBar::UpdateTitle() {
  title_ = TitleText(paths_.CurrentPath, paths_.RootPath, services_.textCase);
  services_.form.InvalidateTitle();
  WatchShownFolder();
}

void LaunchBar::FolderReplaced() {
  services_.form.SetUpButtonEnabled(UpEnabledAt(paths_.CurrentPath, paths_.RootPath));
  UpdateTitle();
}

void LaunchBar::WriteAutoloadValue() {
  olb::WriteAutoloadValue(services_.registry, services_.exePath);
}

bool LaunchBar::AutoloadIsOn() {
  return olb::AutoloadIsOn(services_.registry, services_.exePath);
}

void LaunchBar::OnWheel(int32_t delta, Point inForm) {
  scroller_.OnMouseWheel(delta, inForm);
}

void LaunchBar::OnStripMouseMove(StripId strip, Point inForm) {
  const BarLayout& l = scroller_.layout();
  const Rect& r = strip == StripId::Forward ? l.forwardStrip : l.backStrip;
  scroller_.OnStripMouseMove(strip, {inForm.x - r.left, inForm.y - r.top});
}

void LaunchBar::OnDragOver(Point inForm) {
  const std::optional<StripId> strip = StripAt(scroller_.layout(), inForm);
  if (strip && strip == dragStrip_) return;
  dragStrip_ = strip;
  if (strip) OnStripMouseMove(*strip, inForm);
}

// --- the window's events -------------------------------------------------

EventAnswer LaunchBar::OnEvent(const WindowEvent& event) {
  if (const auto* a = std::get_if<event::Activated>(&event)) {
    OnActivate(a->from);
    return {};  // the window's default activation goes on
  }
  if (const auto* d = std::get_if<event::Deactivated>(&event)) {
    // Only another program's window takes the keyboard away: the bar's
    // menu and its modal windows give it back when they close.
    if (d->to == event::ActivatedFrom::Nothing || d->to == event::ActivatedFrom::Elsewhere)
      OnDeactivate();
    return {};
  }
  if (const auto* c = std::get_if<event::SystemCommand>(&event)) {
    // The bar is never maximised (a snap to the top of the screen, say).
    if (!created_ || (c->command & syscommand::Mask) != syscommand::Maximize) return {};
    return EventAnswer::Handled();
  }
  if (const auto* t = std::get_if<event::Timer>(&event)) {
    OnTimer(static_cast<TimerId>(t->id));
    return EventAnswer::Handled();
  }
  if (const auto* d = std::get_if<event::DragOver>(&event)) {
    OnDragOver(d->inForm);
    return EventAnswer::Handled();
  }
  if (std::holds_alternative<event::DragLeft>(event)) {
    dragStrip_.reset();
    return EventAnswer::Handled();
  }
  // The engine's procedure takes over once the stored record is applied;
  // before that the window behaves as the toolkit made it.
  if (!created_) return {};
  return engine_.OnEvent(event);
}

void LaunchBar::OnHotkey() {
  if (!hotkey_ || busy_ > 0) return;
  if (hotkey_->OnPress() == HotkeySummon::Press::GaveBack) return;
  if (options_.AutoHide) engine_.SetAutoHideShown(true);
  services_.hotkey->BringBarForward();
}

bool LaunchBar::OnListKey(uint16_t key, uint32_t modifiers) {
  if (key == kVkEscape && modifiers == 0 && hotkey_ && hotkey_->OnEscape()) return true;
  const BusyScope busy(*this);  // Enter launches as a double click does
  return navigator_.ListViewKeyDown(key, modifiers);
}

// Switching from another program does not count, so clicking a slid-out bar
// keeps it out.
void LaunchBar::OnActivate(event::ActivatedFrom from) {
  if (activatedOnce_ && from != event::ActivatedFrom::OwnWindow) return;
  activatedOnce_ = true;
  engine_.OnActivated();
}

void LaunchBar::OnTimer(TimerId id) {
  switch (id) {
    case TimerId::SlideIn:
      SlideInTick();
      break;
    case TimerId::Reveal:
      RevealTick();
      break;
    case TimerId::FolderWatch:
      FolderWatchTimer();
      break;
    case TimerId::BackRepeat:
    case TimerId::ForwardRepeat:
      for (StripId s : {StripId::Forward, StripId::Back}) {
        if (RepeatTimerOf(s) == id) scroller_.OnRepeatTimer(s);
      }
      break;
  }
}

void LaunchBar::StartRevealTimer() {
  if (revealTimer_.OnNcMouseMove()) services_.form.RestartTimer(TimerId::Reveal);
}

void LaunchBar::SlideInTick() {
  // A bar the hotkey brought forward stays out while it has the keyboard,
  // even if a slide in that was under way when the key came ended hidden.
  if (hotkey_ && hotkey_->forward() && options_.AutoHide && services_.form.IsActive() &&
      !engine_.state().AutoHideShown) {
    engine_.SetAutoHideShown(true);
  } else if (SlideInIsDue(services_.form.IsActive(), services_.desktop.MessagePos(),
                          services_.window.WindowRect(), services_.form.DoubleClickDistance())) {
    engine_.SetAutoHideShown(false);
  } else if (engine_.HiddenOnInnerEdge() &&
             services_.window.WindowRect().Contains(services_.form.CursorPos())) {
    // The reveal timer's tick finds out whether the pointer rests there.
    StartRevealTimer();
  }
  services_.form.RestartTimer(TimerId::SlideIn);
}

void LaunchBar::RevealTick() {
  const Point cursor = services_.form.CursorPos();
  services_.form.StopTimer(TimerId::Reveal);
  if (revealTimer_.OnTick(cursor, services_.window.WindowRect())) engine_.SetAutoHideShown(true);
}

// --- the list's own keys and changes made outside the bar ----------------

bool LaunchBar::RunKeyCommand(ListKeyAction action) {
  const std::optional<int32_t> selected = services_.items.SelectedIndex();
  switch (action) {
    case ListKeyAction::RenameSelected:
      if (selected) services_.rows.EditCaption(*selected);
      return true;
    case ListKeyAction::DeleteSelected:
      RunCommand(CommandId::Delete1);
      return true;
    case ListKeyAction::Reread:
      RereadKeepingPlace();
      return true;
    case ListKeyAction::ShowMenu:
      ShowPopupMenu(services_.rows.MenuPointAt(selected), selected);
      return true;
    case ListKeyAction::ShowHelp:
      OpenHelpTopic();
      return true;
    case ListKeyAction::MoveEarlier:
    case ListKeyAction::MoveLater:
      MoveSelectedItem(action == ListKeyAction::MoveEarlier ? -1 : 1);
      return true;
    default:
      return false;
  }
}

bool LaunchBar::OnListChar(char16_t unit, uint32_t timeMs) {
  const TypedResult typed =
      typeAhead_.OnChar(model_, unit, timeMs, services_.items.SelectedIndex());
  if (typed.found) {
    services_.rows.SelectRow(*typed.found);
    services_.rows.FocusRow(*typed.found);
    services_.rows.EnsureRowVisible(*typed.found);
    scroller_.UpdateScrollStrips();
  } else if (typed.taken && openFind && !(unit >= 0xD800 && unit <= 0xDBFF)) {
    openFind(typeAhead_.TakeTyped());
  }
  return typed.taken;
}

void LaunchBar::RereadKeepingPlace() {
  // A message box the re-read shows lets timer ticks run meanwhile.
  if (rereading_) return;
  rereading_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{rereading_};
  const std::string path = paths_.CurrentPath;
  const int32_t offset = scroller_.ScrollOffset();
  const uint64_t seen = changesSeen_;
  commands_.RereadKeepingSelection();
  changePacer_.Clear();
  WatchShownFolder();
  // Changes that came while the read waited on the user (a question) are
  // read after it.
  if (changesSeen_ != seen) OnFolderChanged();
  // A folder that vanished was replaced by another, which starts at its start.
  if (paths_.CurrentPath == path) scroller_.ScrollToOffset(offset);
}

void LaunchBar::WatchShownFolder() {
  if (paths_.CurrentPath == watchedPath_ && model_.FillTicket() == watchedFill_) return;
  watchedPath_ = paths_.CurrentPath;
  watchedFill_ = model_.FillTicket();
  changePacer_.Rewatched(!services_.watcher.Watch(watchedPath_) && !watchedPath_.empty());
  if (changePacer_.ticking()) {
    services_.form.RestartTimer(TimerId::FolderWatch);
  } else {
    services_.form.StopTimer(TimerId::FolderWatch);
  }
}

void LaunchBar::OnFolderChanged() {
  if (watchedPath_.empty()) return;
  ++changesSeen_;
  // The ticks run only while a change waits: a burst of changes is read once.
  if (changePacer_.OnChange()) services_.form.RestartTimer(TimerId::FolderWatch);
}

void LaunchBar::FolderWatchTimer() {
  const bool polledChange = changePacer_.polled() && services_.watcher.Poll();
  // A command at work may wait in a modal window that lets the ticks run: a
  // re-read under it would take the folder away from it and bring the bar
  // up over its message.
  if (changePacer_.Tick(polledChange, rereading_ || busy_ > 0 || services_.form.UserBusy())) {
    RereadKeepingPlace();
  }
  if (changePacer_.StopWhenIdle()) services_.form.StopTimer(TimerId::FolderWatch);
}

// --- drag and drop -------------------------------------------------------

DropGeometry LaunchBar::Geometry(Point screen) {
  DropGeometry g;
  g.onWindow = services_.window.WindowRect().Contains(screen);
  const Rect client = services_.window.ClientRectOnScreen();
  g.pointer = {screen.x - client.left, screen.y - client.top};
  const BarLayout& layout = scroller_.layout();
  g.list = layout.list;
  const Rect view = services_.scroll.ViewRect();
  g.viewOrigin = {view.left, view.top};
  g.edge = layout.edge;
  g.pitch = IsHorizontal(g.edge) ? scroller_.itemPitchX() : scroller_.itemPitchY();
  g.itemCount = services_.scroll.ItemCount();
  g.iconLeads = IsHorizontal(g.edge) && viewMode() == ViewMode::SmallIcons;
  // Items that share item 0's place along the bar stand beside it across.
  if (g.itemCount > 1) {
    const bool horizontal = IsHorizontal(g.edge);
    const Point first = services_.scroll.ItemPosition(0);
    const auto along = [horizontal](Point p) { return horizontal ? p.x : p.y; };
    while (g.perLine < g.itemCount &&
           along(services_.scroll.ItemPosition(g.perLine)) == along(first)) {
      ++g.perLine;
    }
    if (g.perLine > 1) {
      const Point second = services_.scroll.ItemPosition(1);
      g.acrossPitch = horizontal ? second.y - first.y : second.x - first.x;
    }
  }
  return g;
}

void LaunchBar::StoreDefaultPitch(int32_t pitch) {
  if (IsHorizontal(scroller_.layout().edge)) {
    scroller_.SetItemPitch(pitch, scroller_.itemPitchY());
  } else {
    scroller_.SetItemPitch(scroller_.itemPitchX(), pitch);
  }
}

std::optional<std::string> LaunchBar::DragPathOf(int32_t row) {
  const ShellItem* item = model_.GetItem(row);
  if (!item) return std::nullopt;
  return FullPathOf(model_, *item);
}

void LaunchBar::AfterDrag(TDropEffects effects) {
  if (!RereadAfterDrag(effects)) return;
  const std::string path = paths_.CurrentPath;
  model_.OpenFolderByPath(path);
  WatchShownFolder();
}

}  // namespace olb
