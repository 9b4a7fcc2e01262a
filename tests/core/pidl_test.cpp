#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "core/folder/pidl.h"
#include "sim/tracking_allocator.h"

namespace olb {
namespace {

using Bytes = std::vector<uint8_t>;

// A block of exactly these bytes from the allocator, so that ASan sees any
// read past it.
OwnedPidl Block(sim::TrackingAllocator& a, const Bytes& bytes) {
  auto* p = static_cast<uint8_t*>(a.Alloc(bytes.size()));
  if (!bytes.empty()) std::memcpy(p, bytes.data(), bytes.size());
  return OwnedPidl(a, p);
}

Bytes Contents(sim::TrackingAllocator& a, const OwnedPidl& p) {
  const size_t size = a.GetSize(p.get());
  return Bytes(p.get(), p.get() + size);
}

const Bytes kOne = {5, 0, 'a', 'b', 'c', 0, 0};
const Bytes kTwo = {4, 0, 'x', 'y', 3, 0, 'z', 0, 0};

struct WalkCase {
  const char* what;
  Bytes block;
  size_t size;   // PidlSize: valid elements plus a terminator
  size_t count;  // valid elements
};

const WalkCase kWalkCases[] = {
    {"empty list", {0, 0}, 2, 0},
    {"one element", kOne, 7, 1},
    {"two elements", kTwo, 9, 2},
    {"count 1 first", {1, 0, 'a', 'b', 0, 0}, 2, 0},
    {"count 1 after an element", {4, 0, 'x', 'y', 1, 0, 0, 0}, 6, 1},
    {"count 0 in the middle ends the list", {4, 0, 'x', 'y', 0, 0, 4, 0, 'z', 'z'}, 6, 1},
    {"first element runs past the block", {10, 0, 'a', 'b'}, 2, 0},
    {"second element runs past the block", {4, 0, 'a', 'b', 9, 0, 'c'}, 6, 1},
    {"no terminator", {4, 0, 'a', 'b'}, 6, 1},
    {"one byte of a count left", {4, 0, 'a', 'b', 7}, 6, 1},
    {"single byte block", {4}, 2, 0},
    {"zero-byte block", {}, 2, 0},
    {"largest count in a small block", {0xFF, 0xFF, 1, 2, 3, 4}, 2, 0},
    {"bare count elements", {2, 0, 2, 0, 2, 0}, 8, 3},
};

TEST(PidlWalk, StopsAtTheFirstElementThatCannotBeValid) {
  sim::TrackingAllocator a;
  for (const WalkCase& c : kWalkCases) {
    OwnedPidl p = Block(a, c.block);
    EXPECT_EQ(PidlSize(a, p.get()), c.size) << c.what;
    EXPECT_EQ(PidlElementCount(PidlBlock(a, p.get())), c.count) << c.what;
  }
}

TEST(PidlWalk, CopyOfAnyBlockIsTheValidPrefixWithATerminator) {
  sim::TrackingAllocator a;
  for (const WalkCase& c : kWalkCases) {
    OwnedPidl p = Block(a, c.block);
    OwnedPidl copy = CopyPidl(a, p.get());
    ASSERT_TRUE(copy) << c.what;
    Bytes expected(c.block.begin(), c.block.begin() + static_cast<ptrdiff_t>(c.size - 2));
    expected.insert(expected.end(), {0, 0});
    EXPECT_EQ(Contents(a, copy), expected) << c.what;
    EXPECT_EQ(PidlSize(a, copy.get()), c.size) << c.what;
  }
}

TEST(PidlWalk, RandomBytesNeverLeadOutsideTheBlock) {
  sim::TrackingAllocator a;
  std::mt19937 rng(1234);
  for (int round = 0; round < 2000; ++round) {
    Bytes bytes(rng() % 40);
    // Small counts make long chains of plausible elements likely.
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(rng() % 2 ? rng() % 8 : rng());
    OwnedPidl p = Block(a, bytes);
    const size_t size = PidlSize(a, p.get());
    ASSERT_LE(size, bytes.size() + 2);
    OwnedPidl copy = CopyPidl(a, p.get());
    ASSERT_EQ(PidlSize(a, copy.get()), size);
    OwnedPidl joined = ConcatPidls(a, p.get(), copy.get());
    ASSERT_EQ(PidlSize(a, joined.get()), 2 * size - 2);
    StripLastPidlItem(a, p.get());
    ASSERT_LE(PidlSize(a, p.get()), size);
  }
  EXPECT_EQ(a.foreignFrees(), 0);
}

TEST(PidlSize, NullIsZeroEmptyListIsTwoAndNullCopiesToNull) {
  sim::TrackingAllocator a;
  EXPECT_EQ(PidlSize(a, nullptr), 0u);
  EXPECT_TRUE(PidlIsEmpty(a, nullptr));
  EXPECT_FALSE(CopyPidl(a, nullptr));
  EXPECT_EQ(a.liveBlocks(), 0u);
  OwnedPidl empty = Block(a, {0, 0});
  EXPECT_EQ(PidlSize(a, empty.get()), 2u);
  EXPECT_TRUE(PidlIsEmpty(a, empty.get()));
}

struct ConcatCase {
  const char* what;
  std::optional<Bytes> first, second;
  Bytes joined;
};

TEST(ConcatPidls, JoinsElementsAndAlwaysTerminates) {
  const ConcatCase cases[] = {
      {"two lists", kOne, kTwo, {5, 0, 'a', 'b', 'c', 4, 0, 'x', 'y', 3, 0, 'z', 0, 0}},
      {"null first is a copy of the second", std::nullopt, kTwo, kTwo},
      {"null second is a copy of the first", kOne, std::nullopt, kOne},
      {"both null give the empty list", std::nullopt, std::nullopt, {0, 0}},
      {"empty first", Bytes{0, 0}, kOne, kOne},
      {"malformed first keeps its valid prefix",
       Bytes{5, 0, 'a', 'b', 'c', 1, 0},
       kOne,
       {5, 0, 'a', 'b', 'c', 5, 0, 'a', 'b', 'c', 0, 0}},
  };
  sim::TrackingAllocator a;
  for (const ConcatCase& c : cases) {
    OwnedPidl first = c.first ? Block(a, *c.first) : OwnedPidl();
    OwnedPidl second = c.second ? Block(a, *c.second) : OwnedPidl();
    OwnedPidl joined = ConcatPidls(a, first.get(), second.get());
    ASSERT_TRUE(joined) << c.what;
    EXPECT_EQ(Contents(a, joined), c.joined) << c.what;
  }
}

TEST(StripLastPidlItem, CutsTheLastValidElementInPlace) {
  sim::TrackingAllocator a;
  OwnedPidl two = Block(a, kTwo);
  EXPECT_TRUE(StripLastPidlItem(a, two.get()));
  EXPECT_EQ(PidlSize(a, two.get()), 6u);
  EXPECT_TRUE(StripLastPidlItem(a, two.get()));
  EXPECT_TRUE(PidlIsEmpty(a, two.get()));
  EXPECT_FALSE(StripLastPidlItem(a, two.get())) << "an empty list stays empty";

  OwnedPidl malformed = Block(a, {4, 0, 'x', 'y', 1, 0, 'q'});
  EXPECT_TRUE(StripLastPidlItem(a, malformed.get()));
  EXPECT_TRUE(PidlIsEmpty(a, malformed.get()));
  EXPECT_FALSE(StripLastPidlItem(a, nullptr));
}

TEST(PidlAllocation, FailureGivesNullAndNothingLeaks) {
  sim::TrackingAllocator a;
  {
    OwnedPidl one = Block(a, kOne);
    a.FailAllocations(2);
    EXPECT_FALSE(CopyPidl(a, one.get()));
    EXPECT_FALSE(ConcatPidls(a, one.get(), one.get()));
    OwnedPidl fresh = AllocPidl(a, 2);  // zeroes only the two bytes it has
    ASSERT_TRUE(fresh);
    EXPECT_TRUE(PidlIsEmpty(a, fresh.get()));
  }
  EXPECT_EQ(a.liveBlocks(), 0u);
  EXPECT_EQ(a.foreignFrees(), 0);
}

TEST(TrackingAllocator, KnowsEveryLiveBlockWhateverTheOrderOfFrees) {
  sim::TrackingAllocator a;
  std::mt19937 rng(99);
  std::vector<std::pair<void*, size_t>> live;
  for (int round = 0; round < 20000; ++round) {
    if (live.empty() || rng() % 3) {
      const size_t size = rng() % 48;
      live.emplace_back(a.Alloc(size), size);
    } else {
      const size_t at = rng() % live.size();
      a.Free(live[at].first);
      live[at] = live.back();
      live.pop_back();
    }
  }
  ASSERT_EQ(a.liveBlocks(), live.size());
  for (const auto& [block, size] : live) ASSERT_EQ(a.GetSize(block), size);
  uint8_t stack[4] = {};
  EXPECT_EQ(a.GetSize(stack), 0u);
  a.Free(stack);
  EXPECT_EQ(a.foreignFrees(), 1);
  for (const auto& [block, size] : live) a.Free(block);
  EXPECT_EQ(a.liveBlocks(), 0u);
  EXPECT_EQ(a.foreignFrees(), 1);
}

TEST(TextInPidl, StopsAtTheBlockEnd) {
  const Bytes block = {6, 0, 'N', 'a', 'm', 0, 'x', 'y'};
  EXPECT_EQ(TextInPidl(block, 2), "Nam");
  EXPECT_EQ(TextInPidl(block, 6), "xy");
  EXPECT_EQ(TextInPidl(block, 8), "");
  EXPECT_EQ(TextInPidl(block, 1000), "");
}

}  // namespace
}  // namespace olb
