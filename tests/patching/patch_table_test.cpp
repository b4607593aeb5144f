#include "patching/patch_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "patching/wide_form.h"
#include "patching/wide_patch_table.h"
#include "tests/support/expected_table.h"

namespace {

using patching::patchTable;
using patching::widenedPatchTable;
using test_support::expectedEntries;
using test_support::ExpectedEntry;
using test_support::utf16le;

std::string describe(const ExpectedEntry& entry) { return "entry " + std::to_string(entry.number); }

TEST(PatchTable, EveryEntryHoldsTheTextsComposedFromTheirParts) {
  ASSERT_EQ(expectedEntries().size(), 13u);
  for (const ExpectedEntry& entry : expectedEntries()) {
    SCOPED_TRACE(describe(entry));
    EXPECT_TRUE(patchTable().englishText[entry.number] == entry.english);
    EXPECT_TRUE(patchTable().germanText[entry.number] == entry.german);
    EXPECT_EQ(patching::isRequired(entry.number), entry.required);
  }
  EXPECT_TRUE(patchTable().englishText[0].empty());
  EXPECT_TRUE(patchTable().germanText[0].empty());
}

TEST(PatchTable, BothTextsOfAnEntryHaveItsLength) {
  const int lengths[] = {71, 71, 26, 19, 18, 39, 14, 79, 79, 13, 15, 26, 80};
  for (int entry = 1; entry <= 13; ++entry) {
    SCOPED_TRACE("entry " + std::to_string(entry));
    const std::size_t length = static_cast<std::size_t>(lengths[entry - 1]);
    EXPECT_EQ(patchTable().englishText[entry].size(), length);
    EXPECT_EQ(patchTable().germanText[entry].size(), length);
    EXPECT_EQ(widenedPatchTable().englishText[entry].size(), 2 * length);
    EXPECT_EQ(widenedPatchTable().germanText[entry].size(), 2 * length);
  }
}

TEST(PatchTable, OnlyEntries3_11_12And13AreOptional) {
  EXPECT_THAT(patching::kOptionalEntries, testing::UnorderedElementsAre(3, 11, 12, 13));
  for (int entry = 1; entry <= 13; ++entry) {
    const bool optional = entry == 3 || entry == 11 || entry == 12 || entry == 13;
    EXPECT_EQ(patching::isRequired(entry), !optional) << "entry " << entry;
  }
}

TEST(PatchTable, WideTextsAreTheUtf16leOfThePlainTextsOnEveryBuild) {
  // Built twice, as two presses of the button do: the second build must not
  // widen the texts again.
  for (int build = 1; build <= 2; ++build) {
    const patching::WidePatchTable wide = widenedPatchTable();
    EXPECT_TRUE(wide.englishText[0].empty());
    for (const ExpectedEntry& entry : expectedEntries()) {
      SCOPED_TRACE(describe(entry) + ", build " + std::to_string(build));
      EXPECT_EQ(wide.englishText[entry.number], utf16le(entry.english));
      EXPECT_EQ(wide.germanText[entry.number], utf16le(entry.german));
    }
  }
}

TEST(PatchTable, OnlyTheGermanTextsOf1_6And7HoldAnUmlaut) {
  for (const ExpectedEntry& entry : expectedEntries()) {
    SCOPED_TRACE(describe(entry));
    const auto printable = [](char16_t c) { return c >= 0x20 && c <= 0x7E; };
    EXPECT_TRUE(std::all_of(entry.english.begin(), entry.english.end(), printable));
    const auto umlauts = std::count(entry.german.begin(), entry.german.end(), u'\u00fc');
    const bool hasUmlaut = entry.number == 1 || entry.number == 6 || entry.number == 7;
    EXPECT_EQ(umlauts, hasUmlaut ? 1 : 0);
    EXPECT_EQ(std::count_if(entry.german.begin(), entry.german.end(), printable) + umlauts,
              static_cast<std::ptrdiff_t>(entry.german.size()));
  }
  const std::vector<std::uint8_t> wide7 = widenedPatchTable().germanText[7];
  EXPECT_THAT(std::vector(wide7.end() - 4, wide7.end()), testing::ElementsAre(0x66, 0, 0xFC, 0));
}

TEST(PatchTable, Entries5And7AreTheBeginningAndTheEndOfEntries4And6) {
  const auto& plain = patchTable();
  EXPECT_TRUE(plain.englishText[5] == plain.englishText[4].substr(0, 18));
  EXPECT_TRUE(plain.germanText[5] == plain.germanText[4].substr(0, 18));
  EXPECT_TRUE(plain.englishText[7] == plain.englishText[6].substr(39 - 14));
  EXPECT_TRUE(plain.germanText[7] == plain.germanText[6].substr(39 - 14));
}

bool containsBytes(const std::vector<std::uint8_t>& haystack,
                   const std::vector<std::uint8_t>& needle) {
  return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) !=
         haystack.end();
}

TEST(PatchTable, NoEnglishTextStandsInsideAnotherTextExceptTheTwoPairs) {
  // Checked on the bytes, at every offset, odd ones included: that is where
  // the update searches.
  const patching::WidePatchTable wide = widenedPatchTable();
  for (int inner = 1; inner <= 13; ++inner) {
    for (int outer = 1; outer <= 13; ++outer) {
      SCOPED_TRACE("English " + std::to_string(inner) + " in entry " + std::to_string(outer));
      const bool knownPair = (inner == 5 && outer == 4) || (inner == 7 && outer == 6);
      if (inner != outer) {
        EXPECT_EQ(containsBytes(wide.englishText[outer], wide.englishText[inner]), knownPair);
      }
      EXPECT_FALSE(containsBytes(wide.germanText[outer], wide.englishText[inner]));
    }
  }
}

TEST(PatchTable, EveryTextIsFarBelowTheWideFormLimit) {
  for (int entry = 1; entry <= 13; ++entry) {
    for (const std::u16string_view text :
         {patchTable().englishText[entry], patchTable().germanText[entry]}) {
      EXPECT_LE(text.size(), 80u);
      EXPECT_TRUE(patching::WideForm(text).has_value());
    }
  }
}

}  // namespace
