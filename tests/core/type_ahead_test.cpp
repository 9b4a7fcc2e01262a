#include <gtest/gtest.h>

#include "core/folder/type_ahead.h"
#include "fs_fixture.h"

namespace olb::testing {
namespace {

class TypeAheadTest : public ModelFixture {
 protected:
  void SetUp() override {
    for (const char* name : {"Game 1", "Game 2", "Games", "Gamma", "Notes", "Note book"})
      File(name);
    model.OpenFolderByPath(Win());
  }
  // Types `text` a tenth of a second apart from `time` on, selecting what
  // each character finds as the list does; the name selected at the end.
  std::string Type(std::string_view text, std::optional<int32_t> selected = std::nullopt) {
    for (char c : text) {
      const TypedResult r = typeAhead.OnChar(model, static_cast<char16_t>(c), time, selected);
      EXPECT_TRUE(r.taken) << c;
      if (r.found) selected = r.found;
      time += 100;
    }
    return selected ? model.NamedItem(*selected)->ItemName : "";
  }

  TypeAhead typeAhead;
  uint32_t time = 5000;
};

TEST_F(TypeAheadTest, TypedTextWithSpacesFindsTheItemItStarts) {
  EXPECT_EQ(Type("game 2"), "Game 2");
  time += kTypeAheadPauseMs;
  EXPECT_EQ(Type("note b", IndexOf("Game 2")), "Note book") << "a pause starts anew";
  time += kTypeAheadPauseMs;
  EXPECT_EQ(Type("gam", IndexOf("Game 2")), "Games")
      << "the first letter moves on, the next keep the item while it matches";
}

TEST_F(TypeAheadTest, TheSameLetterAgainStepsThroughTheItemsItStarts) {
  EXPECT_EQ(Type("g"), "Game 1");
  EXPECT_EQ(Type("g", IndexOf("Game 1")), "Game 2");
  time += kTypeAheadPauseMs;
  EXPECT_EQ(Type("ggg", IndexOf("Games")), "Game 2") << "past the last it wraps to the first";
}

TEST_F(TypeAheadTest, ControlCharactersAndALeadingSpaceAreLeftToTheControl) {
  for (char16_t unit : {u'\b', u'\r', u'\x1B', u' '}) {
    EXPECT_FALSE(typeAhead.OnChar(model, unit, time, 0).taken) << int(unit);
  }
  // Across the wrap of the message clock the search goes on.
  time = UINT32_MAX - 50;
  EXPECT_EQ(Type("note "), "Note book");
}

}  // namespace
}  // namespace olb::testing
