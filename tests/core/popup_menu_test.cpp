#include <gtest/gtest.h>

#include <set>

#include "core/bar/ids.h"
#include "core/bar/item_menu.h"
#include "core/bar/popup_menu.h"

namespace olb {
namespace {

TEST(ViewsMenu, EveryCommandHasOneEntry) {
  std::set<CommandId> seen;
  for (const MenuEntry& e : kViewsMenu) {
    if (e.IsSeparator()) continue;
    EXPECT_TRUE(seen.insert(*e.command).second) << e.name;
  }
  EXPECT_EQ(seen.size(), 18u);
}

TEST(ViewsMenu, MonitorSubmenuListsTwoOrMoreMonitorsAndChecksTheBarsOwn) {
  std::vector<MonitorInfo> monitors{{"A", {0, 0, 1024, 768}, {}, true}};
  EXPECT_TRUE(MonitorMenu(monitors, "A").empty()) << "one monitor: nothing to choose";
  monitors.push_back({"B", {1024, 0, 2304, 800}, {}, false});
  const std::vector<MonitorEntry> entries = MonitorMenu(monitors, "B");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].caption, "&1  1024 x 768, primary");
  EXPECT_EQ(entries[1].caption, "&2  1280 x 800");
  EXPECT_FALSE(entries[0].checked);
  EXPECT_TRUE(entries[1].checked);
  for (size_t i = 0; i < entries.size(); ++i) EXPECT_EQ(MonitorOfCommand(entries[i].command), i);
  EXPECT_FALSE(MonitorOfCommand(CommandId::Exit1));
  EXPECT_FALSE(MonitorOfCommand(static_cast<CommandId>(kFirstMonitorCommand + kMaxMonitorEntries)));
}

TEST(ViewsMenu, ChecksFollowTheRecordAndTheViewMode) {
  BarOptions o = InitialOptions();
  for (uint32_t autoHide : {0u, 1u}) {
    for (uint32_t onTop : {0u, 1u}) {
      for (ViewMode mode :
           {ViewMode::LargeIcons, ViewMode::ExtraLargeIcons, ViewMode::SmallIcons}) {
        o.AutoHide = autoHide;
        o.AlwaysOnTop = onTop;
        EXPECT_EQ(IsMenuChecked(CommandId::AutoHide1, o, mode), autoHide == 1);
        EXPECT_EQ(IsMenuChecked(CommandId::Alwaysontop1, o, mode), onTop == 1);
        EXPECT_EQ(IsMenuChecked(CommandId::LargeIcons1, o, mode), mode == ViewMode::LargeIcons);
        EXPECT_EQ(IsMenuChecked(CommandId::SmallIcons1, o, mode), mode == ViewMode::SmallIcons);
        EXPECT_EQ(IsMenuChecked(CommandId::ExtraLargeIcons1, o, mode),
                  mode == ViewMode::ExtraLargeIcons);
        for (const MenuEntry& e : kViewsMenu) {
          if (e.IsSeparator() || e.command <= CommandId::Alwaysontop1 ||
              e.command == CommandId::ExtraLargeIcons1) {
            continue;
          }
          EXPECT_FALSE(IsMenuChecked(*e.command, o, mode)) << e.name;
        }
      }
    }
  }
  // A hand-edited record with another non-zero value still reads as on.
  o.AutoHide = 7;
  EXPECT_TRUE(IsMenuChecked(CommandId::AutoHide1, o, ViewMode::LargeIcons));
}

TEST(ViewsMenu, OpensAtTheOuterWindowCornerPlusControlAndClick) {
  const Rect bar{-1004, 0, -904, 768};
  EXPECT_EQ(MenuScreenPoint(bar, {0, 0}, {5, 6}), (Point{-999, 6}));
  EXPECT_EQ(MenuScreenPoint(bar, {28, 735}, {10, 4}), (Point{-966, 739}));
  EXPECT_EQ(MenuScreenPoint({100, 200, 200, 800}, {20, 24}, {0, 0}), (Point{120, 224}));
}

TEST(ItemMenu, CaptionCutsALongNameBetweenCharacters) {
  std::string fits;
  for (size_t i = 0; i < kItemMenuCaptionMax; ++i) fits += "\xC3\xA9";  // two bytes each
  EXPECT_EQ(ItemMenuCaption(fits), fits);
  EXPECT_EQ(ItemMenuCaption(fits + "\xC3\xA9x"), fits + "\u2026");
}

}  // namespace
}  // namespace olb
