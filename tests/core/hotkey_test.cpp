#include <gtest/gtest.h>

#include "core/bar/hotkey_summon.h"
#include "core/settings/hotkey_store.h"
#include "core/settings/options_store.h"
#include "sim/memory_registry.h"
#include "sim/sim_hotkey_port.h"

namespace olb {
namespace {

TEST(HotkeyText, EveryKindOfKeyReadsBackAsWritten) {
  for (const Hotkey& h :
       {kDefaultHotkey, Hotkey{}, Hotkey{kHotkeyShift | kHotkeyWin, 'Q'}, Hotkey{kHotkeyCtrl, '7'},
        Hotkey{0, 0x70 + 11}, Hotkey{kHotkeyAlt, 0x2E}, Hotkey{kHotkeyCtrl | kHotkeyShift, 0xBA}}) {
    SCOPED_TRACE(FormatHotkey(h));
    EXPECT_EQ(ParseHotkey(FormatHotkey(h)), h);
  }
  EXPECT_EQ(FormatHotkey(kDefaultHotkey), "Ctrl+Alt+Space");
  EXPECT_EQ(FormatHotkey(Hotkey{}), "none");
  EXPECT_EQ(ParseHotkey(" alt + CTRL + space "), kDefaultHotkey);
}

TEST(HotkeyText, RefusesWhatNoKeyOrOnlyTypingWouldBe) {
  for (const char* text : {"", "Ctrl+", "Ctrl+Alt", "Ctrl+Shift+Shift+A", "Hyper+A", "Ctrl+F0",
                           "Ctrl+F25", "Ctrl+VK00", "Ctrl+VK10", "A", "Shift+A", "Ctrl+AB"}) {
    EXPECT_FALSE(ParseHotkey(text)) << text;
  }
  EXPECT_EQ(ParseHotkey("F9"), (Hotkey{0, 0x78})) << "a function key alone takes no typing";
}

TEST(HotkeyStore, RoundTripsAndFallsBackToTheDefault) {
  sim::MemoryRegistry registry;
  EXPECT_EQ(ReadHotkey(registry), kDefaultHotkey) << "nothing stored";
  ASSERT_TRUE(WriteHotkey(registry, Hotkey{kHotkeyWin, 'B'}));
  EXPECT_EQ(ReadHotkey(registry), (Hotkey{kHotkeyWin, 'B'}));
  ASSERT_TRUE(WriteHotkey(registry, Hotkey{}));
  EXPECT_TRUE(ReadHotkey(registry).IsNone()) << "none is a choice, not a missing value";
  const auto store = [&](RegistryType type, std::string text) {
    registry.Write(RegistryRoot::CurrentUser, kOptionsKey, kHotkeyValueName,
                   {static_cast<uint32_t>(type), {text.begin(), text.end()}});
  };
  store(RegistryType::String, "Shift+A");
  EXPECT_EQ(ReadHotkey(registry), kDefaultHotkey);
  store(RegistryType::Binary, "Win+B");
  EXPECT_EQ(ReadHotkey(registry), kDefaultHotkey);
}

TEST(HotkeySummon, ATakenHotkeyIsReportedAndTheBarRunsWithout) {
  sim::MemoryRegistry registry;
  sim::SimHotkeyPort port;
  port.takenByOthers = {kDefaultHotkey};
  HotkeySummon summon(port, registry);
  summon.Start();
  EXPECT_TRUE(summon.taken());
  EXPECT_FALSE(port.held);

  const Hotkey free{kHotkeyCtrl | kHotkeyAlt, 'L'};
  EXPECT_TRUE(summon.Change(free));
  EXPECT_FALSE(summon.taken());
  EXPECT_EQ(port.held, free);
  EXPECT_EQ(ReadHotkey(registry), free) << "the choice is stored";
  EXPECT_FALSE(summon.Change(kDefaultHotkey));
  EXPECT_TRUE(summon.taken()) << "choosing a taken one says so too";

  EXPECT_TRUE(summon.Change(Hotkey{}));
  EXPECT_FALSE(summon.taken()) << "no hotkey is not a taken one";
  EXPECT_FALSE(port.held);
  summon.Start();
  EXPECT_FALSE(port.held) << "a stored none registers nothing";
}

}  // namespace
}  // namespace olb
