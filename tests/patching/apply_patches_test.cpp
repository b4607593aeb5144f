#include "patching/apply_patches.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "tests/support/expected_table.h"
#include "tests/support/reference_patcher.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using test_support::expectedEntry;
using test_support::utf16le;

const std::u16string& english(int entry) { return expectedEntry(entry).english; }

// The texts one after another, each behind five bytes of junk so that every
// text starts at an odd offset; junk includes 0x00 and bytes above 0x7F.
Bytes targetWith(const std::vector<std::u16string>& texts) {
  const Bytes junk = {0x00, 0x80, 0xFF, 0x20, 0x00};
  Bytes target;
  for (const std::u16string& text : texts) {
    target.insert(target.end(), junk.begin(), junk.end());
    const Bytes wide = utf16le(text);
    target.insert(target.end(), wide.begin(), wide.end());
  }
  target.insert(target.end(), junk.begin(), junk.end());
  return target;
}

std::vector<std::u16string> englishTexts(std::vector<int> entries) {
  std::vector<std::u16string> texts;
  for (int entry : entries) texts.push_back(english(entry));
  return texts;
}

std::vector<int> allBut(std::vector<int> left_out) {
  std::vector<int> entries;
  for (int entry = 1; entry <= 13; ++entry) {
    if (std::find(left_out.begin(), left_out.end(), entry) == left_out.end()) {
      entries.push_back(entry);
    }
  }
  return entries;
}

struct ApplyCase {
  const char* name;
  std::vector<std::u16string> texts;
  int firstMissingRequired;  // 0: none
};

std::vector<ApplyCase> applyCases() {
  std::vector<int> fiveBeforeFour = allBut({4, 5});
  fiveBeforeFour.insert(fiveBeforeFour.begin(), {5, 4});
  std::vector<int> sevenBeforeSix = allBut({6, 7});
  sevenBeforeSix.insert(sevenBeforeSix.begin(), {7, 6});
  std::vector<int> fourTwice = allBut({5});
  fourTwice.push_back(4);
  std::vector<int> sixTwice = allBut({7});
  sixTwice.push_back(6);
  std::vector<std::u16string> wrongCase = englishTexts(allBut({10}));
  wrongCase.push_back(u"F24=More Keys");
  std::vector<std::u16string> germanAlready;
  for (int entry = 1; entry <= 13; ++entry) germanAlready.push_back(expectedEntry(entry).german);

  return {
      {"every English text", englishTexts(allBut({})), 0},
      {"entry 5 only inside entry 4", englishTexts(allBut({5})), 5},
      {"entry 7 only inside entry 6", englishTexts(allBut({7})), 7},
      {"entry 5 ahead of entry 4", englishTexts(fiveBeforeFour), 0},
      {"entry 7 ahead of entry 6", englishTexts(sevenBeforeSix), 0},
      {"entry 4 twice, entry 5 only inside", englishTexts(fourTwice), 0},
      {"entry 6 twice, entry 7 only inside", englishTexts(sixTwice), 0},
      {"the optional entries missing", englishTexts(allBut({3, 11, 12, 13})), 0},
      {"entry 2 missing after entry 1", englishTexts(allBut({2})), 2},
      {"entry 10 with one letter in another case", wrongCase, 10},
      {"the German texts only", germanAlready, 1},
      {"nothing", {}, 1},
  };
}

TEST(ApplyPatches, AgreesWithTheReferenceOnOrderAndOverlaps) {
  const patching::WidePatchTable table = patching::widenedPatchTable();
  for (const ApplyCase& c : applyCases()) {
    SCOPED_TRACE(c.name);
    const Bytes original = targetWith(c.texts);
    const test_support::ReferenceUpdate expected = test_support::referenceUpdate(original);
    ASSERT_EQ(expected.firstMissingRequired, c.firstMissingRequired) << "the case is mis-built";

    Bytes fileText = original;
    const patching::PatchResult result = patching::applyPatches(table, fileText);
    EXPECT_EQ(result.firstMissingRequired.value_or(0), c.firstMissingRequired);
    EXPECT_EQ(fileText, expected.patched);
    for (int entry = 1; entry <= 13; ++entry) {
      EXPECT_EQ(result.replacedAt[entry], expected.replacedAt[entry]) << "entry " << entry;
    }
    std::vector<std::pair<std::size_t, std::size_t>> stretches;
    for (const patching::Stretch& stretch : result.changed) {
      stretches.emplace_back(stretch.offset, stretch.length);
    }
    std::vector<std::pair<std::size_t, std::size_t>> expectedStretches;
    for (int entry = 1; entry <= 13; ++entry) {
      if (const auto at = expected.replacedAt[entry]) {
        expectedStretches.emplace_back(*at, 2 * english(entry).size());
      }
    }
    EXPECT_EQ(stretches, expectedStretches);
  }
}

TEST(ApplyPatches, OnlyTheFirstOccurrenceIsReplaced) {
  std::vector<int> entries = allBut({});
  entries.push_back(10);
  const Bytes original = targetWith(englishTexts(entries));
  Bytes fileText = original;
  const patching::PatchResult result =
      patching::applyPatches(patching::widenedPatchTable(), fileText);

  const Bytes englishWide = utf16le(english(10));
  const Bytes germanWide = utf16le(expectedEntry(10).german);
  const auto first =
      std::search(original.begin(), original.end(), englishWide.begin(), englishWide.end());
  const auto firstAt = static_cast<std::size_t>(first - original.begin());
  const std::size_t lastAt = original.size() - 5 - englishWide.size();
  ASSERT_GT(lastAt, firstAt);
  EXPECT_EQ(result.replacedAt[10], firstAt);
  EXPECT_TRUE(std::equal(germanWide.begin(), germanWide.end(),
                         fileText.begin() + static_cast<std::ptrdiff_t>(firstAt)));
  EXPECT_TRUE(std::equal(englishWide.begin(), englishWide.end(),
                         fileText.begin() + static_cast<std::ptrdiff_t>(lastAt)));
}

TEST(ApplyPatches, EveryByteOutsideTheReplacedStretchesIsKept) {
  // Every byte value around the texts, 0x00 and 0x80 to 0xFF included; the
  // last text ends at the last byte.
  Bytes original(4096);
  std::iota(original.begin(), original.end(), std::uint8_t{0});
  std::size_t offset = 7;
  std::vector<std::size_t> offsets(14);
  for (int entry = 1; entry <= 13; ++entry) {
    const Bytes wide = utf16le(english(entry));
    offset = entry == 13 ? original.size() - wide.size() : offset;
    std::copy(wide.begin(), wide.end(), original.begin() + static_cast<std::ptrdiff_t>(offset));
    offsets[static_cast<std::size_t>(entry)] = offset;
    offset += wide.size() + 33;
  }
  Bytes fileText = original;
  const patching::PatchResult result =
      patching::applyPatches(patching::widenedPatchTable(), fileText);
  ASSERT_FALSE(result.firstMissingRequired.has_value());

  Bytes expected = original;
  for (int entry = 1; entry <= 13; ++entry) {
    EXPECT_EQ(result.replacedAt[entry], offsets[static_cast<std::size_t>(entry)]) << entry;
    const Bytes german = utf16le(expectedEntry(entry).german);
    std::copy(
        german.begin(), german.end(),
        expected.begin() + static_cast<std::ptrdiff_t>(offsets[static_cast<std::size_t>(entry)]));
  }
  EXPECT_EQ(fileText, expected);
}

}  // namespace
