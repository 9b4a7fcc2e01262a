// The file-list block read from outside bytes and built for a drag, and the
// effect and key-state conversions around it.
#include <gtest/gtest.h>

#include "core/dragdrop/drag_start.h"
#include "core/dragdrop/drop_effects.h"
#include "core/dragdrop/drop_files.h"
#include "core/dragdrop/clipboard_formats.h"
#include "core/dragdrop/file_format.h"

namespace olb {
namespace {

// Latin-1 stands in for the system's code page.
std::string Latin1(std::string_view bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else {
      out.push_back(static_cast<char>(0xC0 | c >> 6));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

std::vector<uint8_t> Header(uint32_t first, uint32_t wide) {
  std::vector<uint8_t> b(20, 0);
  b[0] = static_cast<uint8_t>(first);
  b[16] = static_cast<uint8_t>(wide);
  return b;
}

std::optional<FileList> Parse(const std::vector<uint8_t>& b) {
  return ParseDropFiles(b, Latin1);
}

TEST(DropFiles, WideBlockRoundTripsAnyName) {
  const FileList files{"C:\\a.lnk", "Z:\\Grüße\\日本.txt", "C:\\a.lnk", "D:\\𝄞"};
  const std::vector<uint8_t> block = BuildDropFiles(files);
  EXPECT_EQ(block[0], 20);
  EXPECT_EQ(block[16], 1) << "fWide";
  EXPECT_EQ(Parse(block), files) << "order and duplicates kept";
  EXPECT_EQ(block.size(), 20u + 2 * (9 + 16 + 9 + 6 + 1)) << "code units, NULs, the end";
}

TEST(DropFiles, EmptyListIsAValidBlockAndEmptyOrSplitNamesAreLeftOut) {
  EXPECT_EQ(Parse(BuildDropFiles({})), FileList{});
  EXPECT_EQ(Parse(BuildDropFiles({"", std::string("a\0b", 3), "C:\\x"})), FileList{"C:\\x"});
}

TEST(DropFiles, AnsiNamesGoThroughTheCodePage) {
  std::vector<uint8_t> b = Header(20, 0);
  for (char c : std::string("C:\\caf\xE9\0D:\\b\0\0", 14)) b.push_back(static_cast<uint8_t>(c));
  EXPECT_EQ(Parse(b), (FileList{"C:\\caf\xC3\xA9", "D:\\b"}));
}

TEST(DropFiles, NamesStartWhereTheHeaderSays) {
  std::vector<uint8_t> b = Header(24, 0);
  for (char c : std::string("junkC:\\a\0\0", 11)) b.push_back(static_cast<uint8_t>(c));
  EXPECT_EQ(Parse(b), FileList{"C:\\a"});
}

TEST(DropFiles, MalformedBlocksNeverReadPastTheirEnd) {
  EXPECT_EQ(Parse({}), std::nullopt);
  EXPECT_EQ(Parse(std::vector<uint8_t>(19, 0)), std::nullopt) << "short header";
  EXPECT_EQ(Parse(Header(4, 0)), std::nullopt) << "names inside the header";
  EXPECT_EQ(Parse(Header(21, 0)), std::nullopt) << "names past the end";
  EXPECT_EQ(Parse(Header(20, 0)), FileList{}) << "no names at all";

  std::vector<uint8_t> cut = Header(20, 0);
  for (char c : std::string("C:\\a\0C:\\b", 9)) cut.push_back(static_cast<uint8_t>(c));
  EXPECT_EQ(Parse(cut), FileList{"C:\\a"}) << "an unterminated name is not taken";

  std::vector<uint8_t> odd = Header(20, 1);
  for (uint8_t byte : {'a', '\0', '\0', '\0', 'b'}) odd.push_back(byte);
  EXPECT_EQ(Parse(odd), FileList{"a"}) << "half a code unit at the end";
}

TEST(DropEffects, ConversionsToAndFromOleBits) {
  using enum TDropEffect;
  EXPECT_EQ(dwEffectToDropEffects(0), TDropEffects{deNone});
  EXPECT_EQ(dwEffectToDropEffects(1), (TDropEffects{deNone, deCopy}));
  EXPECT_EQ(dwEffectToDropEffects(0x80000007u | 0x100),
            (TDropEffects{deNone, deCopy, deMove, deLink, deScroll}))
      << "unknown bits ignored";
  EXPECT_EQ(DropEffectsTodwEffect({deNone}), 0u);
  EXPECT_EQ(DropEffectsTodwEffect({deNone, deCopy, deMove, deScroll}), 0x80000003u);
  EXPECT_EQ(TDropEffects({deNone, deScroll}).bits(), 0x11) << "bit n for ordinal n";

  EXPECT_EQ(hDropResultToDropResult(kDragDropSDrop), TDropResult::drDrop);
  EXPECT_EQ(hDropResultToDropResult(kDragDropSCancel), TDropResult::drCancel);
  EXPECT_EQ(hDropResultToDropResult(kResultOutOfMemory), TDropResult::drOutOfMemory);
  EXPECT_EQ(hDropResultToDropResult(kResultOk), TDropResult::drUnSpec);
}

TEST(DropEffects, KeyStateReadsOnlyItsLowWord) {
  EXPECT_EQ(KeyStateToShift(kMkLButton | kMkControl | kMkShift | 0x10000, false),
            (TShiftState{TShift::Left, TShift::Ctrl, TShift::Shift}));
  EXPECT_EQ(KeyStateToShift(kMkRButton | kMkMButton, true),
            (TShiftState{TShift::Right, TShift::Middle, TShift::Alt}));
}

TEST(DropEffects, TheChosenEffectIsOneTheSourceAllows) {
  using enum TDropEffect;
  using enum TShift;
  const TDropEffects all{deNone, deCopy, deMove, deLink};
  const struct {
    TShiftState keys;
    TDropEffects source;
    TDropEffects chosen;
  } cases[] = {
      {{}, all, {deNone, deMove}},
      {{Shift}, all, {deNone, deMove}},
      {{Ctrl}, all, {deNone, deCopy}},
      {{Ctrl, Shift}, all, {deNone, deLink}},
      {{}, {deNone, deCopy}, {deNone, deCopy}},
      {{Ctrl, Shift}, {deNone, deCopy, deMove}, {deNone, deCopy}},
      {{}, {deNone, deLink}, {deNone, deLink}},
      {{Ctrl}, {deNone, deLink}, {deNone, deLink}},
      {{}, {deNone, deMove, deLink}, {deNone, deMove}},
      {{Ctrl}, {deNone, deMove, deLink}, {deNone}},
      {{}, {deNone, deScroll}, {deNone}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChooseDropEffect(c.keys, c.source, all), c.chosen)
        << int(c.keys.bits()) << " " << int(c.source.bits());
  }
  EXPECT_EQ(TargetEffects(false, {}, all, all), TDropEffects{deNone}) << "data not accepted";
  EXPECT_EQ(ChooseDropEffect({}, {deNone, deLink}, {deNone, deCopy}), TDropEffects{deNone})
      << "the target's own set bounds it too";
}

TEST(DropEffects, DragContinuesUntilReleaseOrEscape) {
  EXPECT_EQ(QueryContinueDragResult(false, {TShift::Left}), kResultOk);
  EXPECT_EQ(QueryContinueDragResult(false, {TShift::Right}), kDragDropSDrop);
  EXPECT_EQ(QueryContinueDragResult(true, {TShift::Left}), kDragDropSCancel);
}

TEST(ClipboardFormats, NamesAspectsAndMedia) {
  EXPECT_EQ(MeaningOfFormatName("cf_hdrop"), (FormatNameMeaning{15, ""}));
  EXPECT_EQ(MeaningOfFormatName("CF_DSPENHMETAFILE"), (FormatNameMeaning{142, ""}));
  EXPECT_EQ(MeaningOfFormatName("CF_FileName"), (FormatNameMeaning{0, "FileName"}));
  EXPECT_EQ(MeaningOfFormatName("My Format"), (FormatNameMeaning{0, "My Format"}));
  EXPECT_EQ(MeaningOfFormatName(""), FormatNameMeaning{});
  EXPECT_EQ(GetDVAspect({TDVAspect::dvaContent, TDVAspect::dvaDOCPRINT}), 9u);
  EXPECT_EQ(GetTymed(TTymed::tiNULL), 0u);
  EXPECT_EQ(GetTymed(TTymed::tiISTREAM), 4u);
  EXPECT_EQ(GetTymed(TTymed::tiENHMF), 64u);
}

TEST(ClipboardFormats, OfferedFormatTests) {
  const FormatEtc offered[] = {{15, 1, -1, 1}, {1, 1, -1, 4}, {1, 4, -1, 1}};
  EXPECT_EQ(CheckForFormatEtc(offered, {1, 4, -1, 1}), kResultOk) << "any item may match";
  EXPECT_EQ(CheckForFormatEtc(offered, {1, 1, -1, 1}), kDvETymed);
  EXPECT_EQ(CheckForFormatEtc(offered, {2, 1, -1, 1}), kDvEDvAspect);
  EXPECT_EQ(QueryOfferedFormat(offered, {1, 4, -1, 1}), kDvEDvAspect) << "the first item decides";
  EXPECT_EQ(QueryOfferedFormat(offered, {15, 1, -1, 1 | 4}), kDvETymed) << "exact medium";
  EXPECT_EQ(QueryOfferedFormat(offered, {2, 1, -1, 1}), kDvEFormatEtc);
}

TEST(FileListFormat, OnlyContentFileListsInGlobalMemory) {
  EXPECT_EQ(CheckFileListFormat(kCfHDrop, 1, -1, 1), kResultOk);
  EXPECT_EQ(CheckFileListFormat(kCfHDrop, 1, -1, 1 | 4), kResultOk) << "a set of media";
  EXPECT_EQ(CheckFileListFormat(kCfHDrop, 1, -1, 4), kDvETymed);
  EXPECT_EQ(CheckFileListFormat(kCfHDrop, 1, 0, 1), kDvELindex);
  EXPECT_EQ(CheckFileListFormat(kCfHDrop, 4, -1, 1), kDvEDvAspect);
  EXPECT_EQ(CheckFileListFormat(1, 1, -1, 1), kDvEFormatEtc);
}

}  // namespace
}  // namespace olb
