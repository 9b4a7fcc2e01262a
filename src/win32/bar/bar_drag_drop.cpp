#include "win32/bar/bar_drag_drop.h"

#include <exception>

#include "win32/base/error_box.h"
#include "win32/view/folder_view.h"

namespace olb::win {

BarDragDrop::BarDragDrop(HWND bar, FolderView& folder, LaunchBar& controller)
    : bar_(bar), folder_(folder), controller_(controller) {
  target_.DropEffects = kBarDropEffects;
  target_.OnDragOverFiles = [this](TShiftState, Point screen, TDropEffects&) {
    controller_.OnDragOverFiles();
    POINT inForm{screen.x, screen.y};
    ScreenToClient(bar_, &inForm);
    controller_.OnEvent(event::DragOver{{inForm.x, inForm.y}});
    if (ownDrag_) {
      ShowReorderPlace(screen);
    } else {
      // Another program's files: a category or a program's shortcut under
      // the pointer takes them; elsewhere the mark shows where they go.
      const std::optional<int32_t> highlight = controller_.DropHighlightAt(screen);
      folder_.list().SetDropHighlight(highlight);
      const std::optional<ReorderDrop> place =
          highlight ? std::nullopt : controller_.ReorderDropAt(screen);
      folder_.list().SetInsertMark(place && !place->into ? std::optional(place->before)
                                                         : std::nullopt);
    }
  };
  target_.OnDragLeaveFiles = [this] {
    HideReorderPlace();
    folder_.list().SetDropHighlight(std::nullopt);
    controller_.OnEvent(event::DragLeft{});
  };
  target_.OnDropFiles = [this](const FileList& files, TShiftState shift, TDropEffects& effects) {
    HideReorderPlace();
    if (ownDrag_) {
      POINT at{};
      GetCursorPos(&at);
      const std::optional<ReorderDrop> place = controller_.ReorderDropAt({at.x, at.y});
      // Onto a folder item the files move in as any drop's do.
      if (place && !place->into) {
        reordered_ = true;
        effects = {TDropEffect::deNone};
        try {
          controller_.MoveItems(dragRows_, place->before);
        } catch (const std::exception& e) {
          ShowException(e);
        }
        return;
      }
    }
    effects = DropFilesOnBar(files, {shift, effects});
  };
  source_.DropEffects = kBarDragEffects;
  source_.SetDragControl(folder.list().hwnd());
  ListViewHandlers& h = folder.list().handlers();
  h.press = [this](POINT at, bool selected) {
    press_.OnPress(selected, {at.x, at.y});
    source_.DragImagePoint = at;
  };
  h.mouseMove = [this](WPARAM keys, POINT at) { ListViewMouseMove(keys, at); };
  h.mouseUp = [this] { press_.Reset(); };
  bound_ = true;
}

void BarDragDrop::RegisterTarget() {
  if (bound_) target_.SetDragControl(bar_);
}

void BarDragDrop::Unbind() {
  if (!bound_) return;
  bound_ = false;
  target_.SetDragControl(nullptr);
  ListViewHandlers& h = folder_.list().handlers();
  h.press = nullptr;
  h.mouseMove = nullptr;
  h.mouseUp = nullptr;
  source_.SetDragControl(nullptr);
}

TDropEffects BarDragDrop::DropFilesOnBar(const FileList& droppedFiles, const DropRequest& request) {
  // The drop runs inside OLE's call: a failure is shown here, as any
  // handler's is, and the source learns that nothing was done.
  try {
    return controller_.OnDropFiles(droppedFiles, request);
  } catch (const std::exception& e) {
    ShowException(e);
    return {TDropEffect::deNone};
  }
}

void BarDragDrop::ShowReorderPlace(Point screen) {
  const std::optional<ReorderDrop> place = controller_.ReorderDropAt(screen);
  folder_.list().SetDropHighlight(place ? place->into : std::nullopt);
  folder_.list().SetInsertMark(place && !place->into ? std::optional(place->before) : std::nullopt);
}

void BarDragDrop::HideReorderPlace() {
  folder_.list().SetDropHighlight(std::nullopt);
  folder_.list().SetInsertMark(std::nullopt);
}

void BarDragDrop::ListViewMouseMove(WPARAM keys, POINT at) {
  const TShiftState shift = KeyStateToShift(static_cast<uint32_t>(keys), GetKeyState(VK_MENU) < 0);
  const bool selected = folder_.list().SelectedIndex().has_value();
  if (!press_.OnMove(shift, {at.x, at.y}, selected)) return;
  StartItemDrag();
}

void BarDragDrop::StartItemDrag() {
  const std::vector<int32_t> rows = folder_.list().SelectedIndexes();
  const std::vector<std::string> paths = controller_.DragPathsOf(rows);
  if (paths.empty()) return;
  source_.Files = paths;
  // Forgotten before the drag: the list's messages keep coming during it.
  press_.Reset();
  TDropEffects effects;
  dragRows_ = rows;
  ownDrag_ = true;
  reordered_ = false;
  source_.DragDrop(effects);
  ownDrag_ = false;
  dragRows_.clear();
  // A reorder read the folder again already, with the moved items selected.
  if (reordered_) return;
  controller_.AfterDrag(effects);
}

}  // namespace olb::win
