// Stand-ins for the list control, the screen cursor, the launcher and the
// user's time formats, which record what the core asked of them.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/platform/item_list_control.h"
#include "core/platform/launcher.h"
#include "core/platform/screen_cursor.h"
#include "core/platform/time_format.h"

namespace olb::sim {

// An owner-data list control: a count, a selection and a style.
class ListControl : public ItemListControl {
 public:
  void BeginUpdate() override { ++updateDepth; }
  void EndUpdate() override { --updateDepth; }
  void SetItemCount(int32_t count) override {
    itemCount = count;
    if (selected && *selected >= count) selected.reset();
  }
  int32_t ItemCount() override { return itemCount; }
  void ClearSelection() override {
    selected.reset();
    alsoSelected.clear();
    ++selectionClears;
  }
  std::optional<int32_t> SelectedIndex() override { return selected; }
  std::vector<int32_t> SelectedIndexes() override;
  void Repaint() override { ++repaints; }
  ListViewStyle Style() override { return style; }
  void SetStyle(ListViewStyle s) override {
    style = s;
    styles.push_back(s);
  }

  int32_t itemCount = 0;
  std::optional<int32_t> selected;
  std::vector<int32_t> alsoSelected;  // rows selected besides `selected`
  ListViewStyle style = ListViewStyle::LargeIcons;
  std::vector<ListViewStyle> styles;  // every style set, in order
  int updateDepth = 0;
  int selectionClears = 0;
  int repaints = 0;
};

class Cursor : public ScreenCursor {
 public:
  CursorShape Get() override { return shape; }
  void Set(CursorShape s) override {
    shape = s;
    if (s == CursorShape::HourGlass) ++hourglassShown;
  }
  CursorShape shape = CursorShape::Default;
  int hourglassShown = 0;
};

class RecordingLauncher : public Launcher {
 public:
  intptr_t ShellOpen(const ShellOpenRequest& request) override {
    requests.push_back(request);
    return answer;
  }
  std::vector<ShellOpenRequest> requests;
  intptr_t answer = 42;
};

// Local time at a fixed offset from UTC, in the en-US formats
// ("M/d/yyyy" and "h:mm:ss tt").
class FixedZoneTimeFormat : public TimeFormat {
 public:
  explicit FixedZoneTimeFormat(int32_t offsetMinutes = 0) : offsetMinutes_(offsetMinutes) {}
  std::optional<SystemTime> FileTimeToLocal(uint64_t fileTime) override;
  std::string ShortDate(const SystemTime& t) override;
  std::string LongTime(const SystemTime& t) override;

 private:
  int32_t offsetMinutes_;
};

}  // namespace olb::sim
