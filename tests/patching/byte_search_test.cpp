#include "patching/byte_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "tests/support/expected_table.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::optional<std::size_t> searchedByTheLibrary(const Bytes& haystack, const Bytes& needle) {
  if (needle.empty()) return std::nullopt;
  const auto hit = std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end());
  if (hit == haystack.end()) return std::nullopt;
  return static_cast<std::size_t>(hit - haystack.begin());
}

Bytes bytes(std::string_view text) { return {text.begin(), text.end()}; }

struct SearchCase {
  const char* name;
  Bytes haystack;
  Bytes needle;
  std::optional<std::size_t> found;
};

TEST(FindFirst, Cases) {
  const SearchCase cases[] = {
      {"at the start", bytes("abcxyz"), bytes("abc"), 0},
      {"at the very end", bytes("xyzabc"), bytes("abc"), 3},
      {"the whole haystack", bytes("abc"), bytes("abc"), 0},
      {"at an odd offset", Bytes{0x20, 0x41, 0x00, 0x42, 0x00}, Bytes{0x41, 0x00, 0x42, 0x00}, 1},
      {"the lower of two", bytes("..abc..abc"), bytes("abc"), 2},
      {"overlapping candidates", bytes("aaaab"), bytes("aab"), 2},
      {"a candidate cut off by the end", bytes("xxaa"), bytes("aab"), std::nullopt},
      {"a partial match before the real one", bytes("abcabd"), bytes("abd"), 3},
      {"the needle's rarest byte before the haystack's start", Bytes{'X', 0, 0, 'X'},
       Bytes{0, 0, 'X'}, 1},
      {"longer than the haystack", bytes("ab"), bytes("abc"), std::nullopt},
      {"an empty haystack", Bytes{}, bytes("a"), std::nullopt},
      {"an empty needle", bytes("abc"), Bytes{}, std::nullopt},
      {"case differs", bytes("F24=more keys"), bytes("F24=More keys"), std::nullopt},
      {"only zeros", Bytes(9, 0x00), Bytes(4, 0x00), 0},
      {"zeros and blanks", Bytes{0, 0x20, 0, 0x20, 0, 0, 0x20, 0}, Bytes{0x20, 0, 0, 0x20}, 3},
      {"high bytes", Bytes{0xFF, 0xFC, 0x00, 0xFC, 0x01}, Bytes{0xFC, 0x01}, 3},
  };
  for (const SearchCase& c : cases) {
    EXPECT_EQ(patching::findFirst(c.haystack, c.needle), c.found) << c.name;
  }
}

TEST(FindFirst, FindsEachWideTextAtEveryOffset) {
  for (const auto& entry : test_support::expectedEntries()) {
    const Bytes needle = test_support::utf16le(entry.english);
    for (std::size_t offset = 0; offset < 8; ++offset) {
      Bytes haystack(offset + needle.size() + 3, 0x00);
      std::copy(needle.begin(), needle.end(),
                haystack.begin() + static_cast<std::ptrdiff_t>(offset));
      EXPECT_EQ(patching::findFirst(haystack, needle), offset)
          << "entry " << entry.number << " at " << offset;
    }
  }
}

// Random haystacks from a small alphabet dominated by 0x00 and 0x20, as in
// executables, so that partial and overlapping matches are everywhere.
TEST(FindFirst, AgreesWithStdSearchOnRandomExecutableLikeData) {
  std::mt19937 random(20240611);
  const Bytes alphabet = {0x00, 0x00, 0x00, 0x20, 0x20, 'a', 'b', 0xFF, 0xFC};
  const auto draw = [&](std::size_t length) {
    Bytes drawn(length);
    for (auto& byte : drawn) {
      byte = alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
    }
    return drawn;
  };
  const auto below = [&](std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random);
  };
  int found = 0;
  for (int round = 0; round < 20000; ++round) {
    const Bytes haystack = draw(below(200));
    Bytes needle;
    if (!haystack.empty() && below(2) == 0) {
      // A piece of the haystack, sometimes with its last byte changed.
      const std::size_t start = below(haystack.size());
      const std::size_t length = 1 + below(std::min<std::size_t>(24, haystack.size() - start));
      needle.assign(haystack.begin() + static_cast<std::ptrdiff_t>(start),
                    haystack.begin() + static_cast<std::ptrdiff_t>(start + length));
      if (below(3) == 0) needle.back() ^= 0x20;
    } else {
      needle = draw(1 + below(8));
    }
    const auto expected = searchedByTheLibrary(haystack, needle);
    ASSERT_EQ(patching::findFirst(haystack, needle), expected) << "round " << round;
    found += expected.has_value() ? 1 : 0;
  }
  // Both answers must have been checked often.
  EXPECT_GT(found, 5000);
  EXPECT_LT(found, 15000);
}

// Large haystacks, where the search judges its bytes from samples: the text
// must still be found wherever it lies, the last bytes included.
TEST(FindFirst, AgreesWithStdSearchOnLargeHaystacks) {
  std::mt19937 random(77);
  const auto below = [&](std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random);
  };
  for (int round = 0; round < 60; ++round) {
    Bytes haystack(32 * 1024 + below(96 * 1024));
    // Mostly zeros and blanks, with rare letters: the anchor byte matters here.
    for (auto& byte : haystack) {
      const std::size_t roll = below(100);
      byte = roll < 60 ? 0x00 : roll < 90 ? 0x20 : static_cast<std::uint8_t>('A' + below(26));
    }
    const Bytes needle = test_support::utf16le(
        test_support::expectedEntries()[below(test_support::expectedEntries().size())].english);
    const std::size_t at =
        round % 3 == 0 ? haystack.size() - needle.size() : below(haystack.size() - needle.size());
    std::copy(needle.begin(), needle.end(), haystack.begin() + static_cast<std::ptrdiff_t>(at));
    ASSERT_EQ(patching::findFirst(haystack, needle), searchedByTheLibrary(haystack, needle))
        << "round " << round;
  }
}

// Haystacks this large are searched in two halves at once: a match in the
// lower half must win over one in the upper half, and a match that starts just
// before the boundary or runs across it must be found.
TEST(FindFirst, FindsTheLowestMatchInHaystacksSearchedInHalves) {
  const Bytes needle = test_support::utf16le(test_support::expectedEntries()[0].english);
  Bytes haystack((std::size_t{17} << 20) + 12345, 0x20);
  const std::size_t middle = (haystack.size() - needle.size() + 1) / 2;
  struct Placement {
    const char* name;
    std::vector<std::size_t> at;
  };
  const Placement placements[] = {
      {"nowhere", {}},
      {"at the start", {0}},
      {"ending just below the middle", {middle - needle.size()}},
      {"across the middle", {middle - needle.size() / 2}},
      {"starting one before the middle", {middle - 1}},
      {"starting at the middle", {middle}},
      {"starting one after the middle", {middle + 1}},
      {"only in the upper half", {middle + 4097}},
      {"at the very end", {haystack.size() - needle.size()}},
      {"in both halves", {middle + 9, middle - 3 * needle.size()}},
  };
  for (const Placement& placement : placements) {
    Bytes placed = haystack;
    for (std::size_t at : placement.at) {
      std::copy(needle.begin(), needle.end(), placed.begin() + static_cast<std::ptrdiff_t>(at));
    }
    EXPECT_EQ(patching::findFirst(placed, needle), searchedByTheLibrary(placed, needle))
        << placement.name;
  }
}

}  // namespace
