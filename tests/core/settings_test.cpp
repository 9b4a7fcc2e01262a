#include <gtest/gtest.h>

#include "core/settings/bar_options.h"
#include "core/settings/options_store.h"
#include "core/settings/placement.h"
#include "core/settings/portable_registry.h"
#include "core/settings/portable_values.h"
#include "core/wizard/autoload.h"
#include "core/settings/view_store.h"
#include "sim/memory_registry.h"

namespace olb {
namespace {

constexpr Rect kWindow{277, 204, 377, 549};

RegistryValue Binary(const std::vector<uint8_t>& bytes) {
  return {static_cast<uint32_t>(RegistryType::Binary), bytes};
}

std::vector<uint8_t> Bytes(const BarOptions& o, size_t length = kBarOptionsBytes) {
  const BarOptionsBytes all = EncodeOptions(o);
  return {all.begin(), all.begin() + static_cast<ptrdiff_t>(length)};
}

BarOptions Stored(Edge edge) {
  BarOptions o;
  o.Edge = edge;
  o.AutoHide = 0;
  o.AlwaysOnTop = 1;
  o.DockSize = {120, 40, 90, 60};
  o.FloatRect = {10, 20, 110, 420};
  return o;
}

TEST(BarOptionsCodec, LaysFieldsOutLittleEndianAtFixedOffsets) {
  BarOptions o = Stored(Edge::Float);
  o.FloatRect = {-5, 2, 0x01020304, -1};
  const BarOptionsBytes b = EncodeOptions(o);
  EXPECT_EQ(b[0], 48);
  EXPECT_EQ(b[4], 0xFE);  // -2
  EXPECT_EQ(b[7], 0xFF);
  EXPECT_EQ(b[12], 1);
  EXPECT_EQ(b[16], 120);
  EXPECT_EQ(b[28], 60);
  EXPECT_EQ(b[32], 0xFB);
  EXPECT_EQ(b[40], 0x04);
  EXPECT_EQ(b[43], 0x01);
  EXPECT_EQ(b[47], 0xFF);
  EXPECT_EQ(DecodeOptions(b), o);
}

TEST(BarOptionsCodec, ReadsUnknownEdgeAsFloating) {
  for (int32_t raw : {-1, 4, 99, -3, INT32_MIN}) {
    BarOptionsBytes b = EncodeOptions(InitialOptions());
    b[4] = static_cast<uint8_t>(raw);
    b[5] = static_cast<uint8_t>(raw >> 8);
    b[6] = static_cast<uint8_t>(raw >> 16);
    b[7] = static_cast<uint8_t>(raw >> 24);
    EXPECT_EQ(DecodeOptions(b).Edge, Edge::Float) << raw;
  }
}

TEST(ReadOptions, NothingStoredGivesFloatingDefaultsAtTheWindow) {
  sim::MemoryRegistry reg;
  const LoadedOptions got = ReadOptions(reg, InitialOptions(), kWindow);
  EXPECT_EQ(got.live.Edge, Edge::Float);
  EXPECT_EQ(got.live.AutoHide, 1u);
  EXPECT_EQ(got.live.AlwaysOnTop, 0u);
  EXPECT_EQ(got.live.DockSize, (std::array<uint32_t, 4>{100, 100, 100, 100}));
  EXPECT_EQ(got.live.FloatRect, kWindow);
  EXPECT_EQ(got.live.Size, 48u);
  EXPECT_FALSE(got.formWidth);
  EXPECT_FALSE(reg.HasKey(RegistryRoot::CurrentUser, kOptionsKey)) << "reading never creates";
}

TEST(ReadOptions, WholeRecordReplacesTheLiveCopy) {
  sim::MemoryRegistry reg;
  ASSERT_TRUE(WriteOptions(reg, Stored(Edge::Top)));
  EXPECT_EQ(ReadOptions(reg, InitialOptions(), kWindow).live, Stored(Edge::Top));
}

TEST(ReadOptions, ShortValueKeepsDefaultTail) {
  // 32 bytes whose Size says 48: the floating rectangle comes from the defaults.
  sim::MemoryRegistry reg;
  reg.Write(RegistryRoot::CurrentUser, kOptionsKey, kOptionsValueName,
            Binary(Bytes(Stored(Edge::Bottom), 32)));
  const BarOptions live = ReadOptions(reg, InitialOptions(), kWindow).live;
  EXPECT_EQ(live.Edge, Edge::Bottom);
  EXPECT_EQ(live.DockSize[3], 60u);
  EXPECT_EQ(live.FloatRect, kWindow);
}

TEST(ReadOptions, SmallSizeFieldTakesOnlyThatManyBytes) {
  struct Case {
    uint32_t size;
    Edge edge;
    uint32_t autoHide, alwaysOnTop, dock0;
  };
  // Beyond Size the live copy keeps its initial values, not the defaults.
  for (const Case& c : {Case{0, Edge::Left, 1, 1, 0}, Case{8, Edge::Bottom, 1, 1, 0},
                        Case{12, Edge::Bottom, 0, 1, 0}, Case{20, Edge::Bottom, 0, 0, 120}}) {
    BarOptions stored = Stored(Edge::Bottom);
    stored.Size = c.size;
    stored.AlwaysOnTop = 0;
    sim::MemoryRegistry reg;
    reg.Write(RegistryRoot::CurrentUser, kOptionsKey, kOptionsValueName, Binary(Bytes(stored)));
    const BarOptions live = ReadOptions(reg, InitialOptions(), kWindow).live;
    SCOPED_TRACE(c.size);
    EXPECT_EQ(live.Size, 48u);
    EXPECT_EQ(live.Edge, c.edge);
    EXPECT_EQ(live.AutoHide, c.autoHide);
    EXPECT_EQ(live.AlwaysOnTop, c.alwaysOnTop);
    EXPECT_EQ(live.DockSize[0], c.dock0);
    EXPECT_EQ(live.DockSize[3], 0u);
    EXPECT_EQ(live.FloatRect, Rect{});
  }
}

TEST(ReadOptions, LeftAndRightBarsTakeTheirThicknessAsWidth) {
  for (auto [edge, width] : {std::pair{Edge::Left, 120u}, std::pair{Edge::Right, 90u}}) {
    sim::MemoryRegistry reg;
    WriteOptions(reg, Stored(edge));
    EXPECT_EQ(ReadOptions(reg, InitialOptions(), kWindow).formWidth, width);
  }
  for (Edge edge : {Edge::Top, Edge::Bottom, Edge::Float}) {
    sim::MemoryRegistry reg;
    WriteOptions(reg, Stored(edge));
    EXPECT_FALSE(ReadOptions(reg, InitialOptions(), kWindow).formWidth);
  }
}

TEST(ReadOptions, EmptyOrOverlongValueKeepsTheDefaults) {
  std::vector<uint8_t> overlong = Bytes(Stored(Edge::Top));
  overlong.push_back(0);
  for (const std::vector<uint8_t>& bytes : {std::vector<uint8_t>{}, overlong}) {
    sim::MemoryRegistry reg;
    reg.Write(RegistryRoot::CurrentUser, kOptionsKey, kOptionsValueName, Binary(bytes));
    EXPECT_EQ(ReadOptions(reg, InitialOptions(), kWindow).live, DefaultOptions(kWindow))
        << bytes.size();
  }
}

TEST(WriteOptions, AlwaysWritesFortyEightBytesWithSizeFortyEight) {
  sim::MemoryRegistry reg;
  BarOptions live = Stored(Edge::Left);
  live.Size = 7;
  ASSERT_TRUE(WriteOptions(reg, live));
  auto value = reg.Read(RegistryRoot::CurrentUser, kOptionsKey, kOptionsValueName);
  ASSERT_TRUE(value);
  EXPECT_EQ(value->type, static_cast<uint32_t>(RegistryType::Binary));
  ASSERT_EQ(value->data.size(), 48u);
  EXPECT_EQ(value->data[0], 48);
}

TEST(WriteOptions, ReportsAKeyThatCannotBeWritten) {
  sim::MemoryRegistry reg;
  reg.DenyWrites(RegistryRoot::CurrentUser, kOptionsKey);
  EXPECT_FALSE(WriteOptions(reg, Stored(Edge::Left)));
  EXPECT_FALSE(reg.Read(RegistryRoot::CurrentUser, kOptionsKey, kOptionsValueName));
}

TEST(WriteOptions, ToggleRoundTripsThroughTheStore) {
  sim::MemoryRegistry reg;
  BarOptions live = ReadOptions(reg, InitialOptions(), kWindow).live;
  live.AutoHide = 0;
  WriteOptions(reg, live);
  live.AutoHide = 1;
  WriteOptions(reg, live);
  EXPECT_EQ(ReadOptions(reg, InitialOptions(), {}).live, live);
}

// The view mode is its own value: writing it leaves the record alone, and
// only a 4-byte number the program wrote reads back as anything but large.
TEST(ViewStore, RoundTripsBesideTheRecordAndReadsAnythingElseAsLarge) {
  sim::MemoryRegistry reg;
  EXPECT_EQ(ReadViewMode(reg), ViewMode::LargeIcons);
  WriteOptions(reg, Stored(Edge::Left));
  const auto record = reg.Read(RegistryRoot::CurrentUser, kOptionsKey, kOptionsValueName);
  ASSERT_TRUE(WriteViewMode(reg, ViewMode::SmallIcons));
  EXPECT_EQ(ReadViewMode(reg), ViewMode::SmallIcons);
  EXPECT_EQ(reg.Read(RegistryRoot::CurrentUser, kOptionsKey, kOptionsValueName)->data,
            record->data);
  const uint32_t dword = static_cast<uint32_t>(RegistryType::Dword);
  for (const RegistryValue& v :
       {RegistryValue{dword, {7, 0, 0, 0}}, RegistryValue{dword, {1, 0, 0, 1}},
        RegistryValue{dword, {1, 0, 0}}, RegistryValue{dword, {1, 0, 0, 0, 0}},
        RegistryValue{dword, {}}, Binary({1, 0, 0, 0})}) {
    reg.Write(RegistryRoot::CurrentUser, kOptionsKey, kViewValueName, v);
    EXPECT_EQ(ReadViewMode(reg), ViewMode::LargeIcons) << v.data.size();
  }
}

const ScreenAreas kScreen{{0, 0, 1024, 768}, {0, 0, 1024, 738}};
const Rect kDefaultFloat{277, 204, 377, 549};

// A settings file in memory; a missing file until the first save.
struct MemoryFile : SettingsFile {
  std::optional<std::vector<uint8_t>> bytes;
  bool full = false;
  std::optional<std::vector<uint8_t>> Load(size_t limit) override {
    if (!bytes) return std::nullopt;
    return std::vector<uint8_t>(
        bytes->begin(), bytes->begin() + static_cast<ptrdiff_t>(std::min(limit, bytes->size())));
  }
  bool Save(const std::vector<uint8_t>& b) override {
    if (full) return false;
    bytes = b;
    return true;
  }
};

TEST(PortableRegistry, KeepsEveryValueOfTheKeyInTheFileAndNothingInTheRegistry) {
  sim::MemoryRegistry system;
  system.AddKey(RegistryRoot::CurrentUser, kRunKey);
  MemoryFile file;
  PortableRegistry portable(system, file);
  EXPECT_EQ(ReadOptions(portable, InitialOptions(), kWindow).live.Edge, Edge::Float);  // no file

  const BarOptions stored = Stored(Edge::Left);
  ASSERT_TRUE(WriteOptions(portable, stored));
  ASSERT_TRUE(WriteViewMode(portable, ViewMode::SmallIcons));
  // A long text value, as a stored order of a big folder is, and a name
  // written in another case replacing the value it names.
  const RegistryValue order{static_cast<uint32_t>(RegistryType::String),
                            std::vector<uint8_t>(200000, 'n')};
  ASSERT_TRUE(portable.Write(RegistryRoot::CurrentUser, kOptionsKey, "Order A", Binary({1})));
  ASSERT_TRUE(portable.Write(RegistryRoot::CurrentUser, kOptionsKey, "ORDER a", order));
  EXPECT_FALSE(system.HasKey(RegistryRoot::CurrentUser, kOptionsKey));

  // A new start reads them back from the file alone.
  PortableRegistry again(system, file);
  EXPECT_EQ(ReadOptions(again, InitialOptions(), kWindow).live, stored);
  EXPECT_EQ(ReadViewMode(again), ViewMode::SmallIcons);
  const auto read = again.Read(RegistryRoot::CurrentUser, kOptionsKey, "order a");
  ASSERT_TRUE(read);
  EXPECT_EQ(read->type, order.type);
  EXPECT_EQ(read->data, order.data);

  EXPECT_TRUE(again.DeleteValue(RegistryRoot::CurrentUser, kOptionsKey, "Order A"));
  EXPECT_FALSE(again.Read(RegistryRoot::CurrentUser, kOptionsKey, "Order A"));
  EXPECT_EQ(ReadViewMode(again), ViewMode::SmallIcons) << "the others stay";

  // Past the file's bound a write is refused and the file is left as it was.
  const std::vector<uint8_t> before = *file.bytes;
  EXPECT_FALSE(again.Write(RegistryRoot::CurrentUser, kOptionsKey, "Huge",
                           Binary(std::vector<uint8_t>(kPortableFileLimit, 0))));
  EXPECT_EQ(file.bytes, before);
  file.full = true;
  EXPECT_FALSE(WriteOptions(portable, stored));

  // What the user asks of Windows itself still reaches the registry.
  WriteAutoloadValue(portable, "C:\\Stick\\OvelLaunchBar.exe");
  EXPECT_TRUE(AutoloadIsOn(system, "C:\\Stick\\OvelLaunchBar.exe"));
}

TEST(PortableRegistry, AnOlderCopysRecordOnlyFileIsReadAndKept) {
  sim::MemoryRegistry system;
  MemoryFile file;
  PortableRegistry portable(system, file);
  const BarOptions stored = Stored(Edge::Bottom);
  file.bytes = Bytes(stored);
  EXPECT_EQ(ReadOptions(portable, InitialOptions(), kWindow).live, stored);
  ASSERT_TRUE(WriteViewMode(portable, ViewMode::ExtraLargeIcons));
  EXPECT_EQ(ReadOptions(portable, InitialOptions(), kWindow).live, stored);
  EXPECT_EQ(ReadViewMode(portable), ViewMode::ExtraLargeIcons);

  // A record-only file longer than the record reads as no record.
  file.bytes = Bytes(stored);
  file.bytes->push_back(0);
  EXPECT_EQ(ReadOptions(portable, InitialOptions(), kWindow).live.Edge, Edge::Float);
}

TEST(PortableValues, DamagedFilesKeepWhatCameBeforeTheDamage) {
  const std::vector<NamedValue> values{{"View", {4, {1, 0, 0, 0}}}, {"Monitor", {1, {'x'}}}};
  const std::vector<uint8_t> good = *EncodePortableValues(values);
  EXPECT_EQ(DecodePortableValues(good), values);

  // Every cut short of the end keeps the whole entries before it.
  for (size_t cut = 8; cut < good.size(); ++cut) {
    const std::vector<NamedValue> read =
        DecodePortableValues({good.begin(), good.begin() + static_cast<ptrdiff_t>(cut)});
    EXPECT_EQ(read, std::vector<NamedValue>(values.begin(), values.begin() + (cut >= 26 ? 1 : 0)))
        << cut;
  }
  // A length that runs past the end, a nameless entry, a repeated name.
  std::vector<uint8_t> hostile = good;
  hostile[8 + 2 + 4 + 4] = 0xFF;  // the first entry's data length, low byte
  hostile[8 + 2 + 4 + 4 + 3] = 0xFF;
  EXPECT_TRUE(DecodePortableValues(hostile).empty());
  std::vector<uint8_t> nameless = good;
  nameless.insert(nameless.end(), {0, 0, 1, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(DecodePortableValues(nameless), values);
  std::vector<uint8_t> twice = good;
  twice.insert(twice.end(), good.begin() + 8, good.end());
  EXPECT_EQ(DecodePortableValues(twice), values);

  EXPECT_FALSE(EncodePortableValues({{"", {1, {}}}}));
  EXPECT_FALSE(EncodePortableValues({{std::string(kPortableNameLimit + 1, 'n'), {1, {}}}}));
}

TEST(PlaceableOptions, ThinOrHugeThicknessIsPlacedWithinReach) {
  BarOptions o = Stored(Edge::Left);
  o.DockSize = {0, 19, 20, 0xFFFFFFFFu};
  const BarOptions placed = PlaceableOptions(o, kDefaultFloat, kScreen);
  EXPECT_EQ(placed.DockSize, (std::array<uint32_t, 4>{20, 20, 20, 384})) << "half the screen";
  EXPECT_EQ(o.DockSize[0], 0u) << "the record itself is untouched";
}

TEST(PlaceableOptions, EmptyFloatingRectangleBecomesTheDefault) {
  for (Rect r : {Rect{}, Rect{50, 50, 50, 300}, Rect{50, 300, 150, 200},
                 Rect{INT32_MIN, 0, INT32_MAX, 10}}) {
    BarOptions o = Stored(Edge::Float);
    o.FloatRect = r;
    EXPECT_EQ(PlaceableOptions(o, kDefaultFloat, kScreen).FloatRect, kDefaultFloat);
  }
}

TEST(PlaceableOptions, FloatingRectangleOffScreenMovesOntoTheWorkArea) {
  struct Case {
    Rect stored, placed;
  };
  for (const Case& c : {
           Case{{5000, 100, 5100, 400}, {924, 100, 1024, 400}},  // far right
           Case{{-90, 100, 10, 400}, {0, 100, 100, 400}},        // 10 px showing
           Case{{100, 750, 200, 1050}, {100, 438, 200, 738}},    // below the work area
           Case{{-2000, -2000, 1000, -1990}, {0, 0, 3000, 10}},  // wider than the screen
           Case{{-80, 100, 20, 400}, {-80, 100, 20, 400}},       // 20 px showing: kept
       }) {
    BarOptions o = Stored(Edge::Float);
    o.FloatRect = c.stored;
    EXPECT_EQ(PlaceableOptions(o, kDefaultFloat, kScreen).FloatRect, c.placed);
  }
}

}  // namespace
}  // namespace olb
