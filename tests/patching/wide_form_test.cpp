#include "patching/wide_form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "patching/windows_1252.h"
#include "tests/support/expected_table.h"

namespace {

using patching::WideForm;
using patching::WideFormError;
using test_support::expectedEntry;
using test_support::utf16le;

// What the wide form stands for in the target file.
std::vector<std::uint8_t> byteImage(std::u16string_view text) {
  return patching::toWindows1252(WideForm(text).value());
}

struct ByteImageCase {
  const char* name;
  std::u16string text;
  std::vector<std::uint8_t> image;
};

TEST(WideForm, ByteImages) {
  const ByteImageCase cases[] = {
      {"empty", u"", {}},
      {"F24=More keys", u"F24=More keys", {0x46, 0x00, 0x32, 0x00, 0x34, 0x00, 0x3D, 0x00, 0x4D,
                                           0x00, 0x6F, 0x00, 0x72, 0x00, 0x65, 0x00, 0x20, 0x00,
                                           0x6B, 0x00, 0x65, 0x00, 0x79, 0x00, 0x73, 0x00}},
      {"entry 1 English", expectedEntry(1).english, utf16le(expectedEntry(1).english)},
      {"entry 1 German", expectedEntry(1).german, utf16le(expectedEntry(1).german)},
      {"one character", u"W", {0x57, 0x00}},
  };
  for (const ByteImageCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(byteImage(c.text), c.image);
    EXPECT_EQ(WideForm(c.text).value().size(), 2 * c.text.size());
  }
}

TEST(WideForm, TheUmlautAtTheEndOfEntry7BecomesFC00) {
  const std::u16string wide = WideForm(u" Art d. Bed.f\u00fc").value();
  ASSERT_EQ(wide.size(), 28u);
  EXPECT_EQ(wide[26], u'\u00fc');
  EXPECT_EQ(wide[27], u'\0');
  const std::vector<std::uint8_t> image = patching::toWindows1252(wide);
  EXPECT_THAT(std::vector(image.end() - 4, image.end()),
              testing::ElementsAre(0x66, 0x00, 0xFC, 0x00));
}

TEST(WideForm, WideningTwicePutsAZeroBehindTheZerosToo) {
  const std::u16string once = WideForm(u"W").value();
  EXPECT_EQ(WideForm(once).value(), (std::u16string{u'W', u'\0', u'\0', u'\0'}));
}

TEST(WideForm, TextsFrom32767CharactersOnHaveNoWideForm) {
  const std::u16string longest(32766, u'x');
  const auto wide = WideForm(longest);
  ASSERT_TRUE(wide.has_value());
  EXPECT_EQ(wide->size(), 65532u);
  EXPECT_EQ(wide->substr(65530), (std::u16string{u'x', u'\0'}));

  for (const std::size_t length : {32767u, 32768u, 65536u, 100000u}) {
    const auto tooLong = WideForm(std::u16string(length, u'x'));
    ASSERT_FALSE(tooLong.has_value()) << length;
    EXPECT_EQ(tooLong.error(), WideFormError::TextTooLong);
  }
}

TEST(Windows1252, EachCharacterBecomesItsCodePageByte) {
  const struct {
    char16_t character;
    std::uint8_t byte;
  } cases[] = {
      {u'\0', 0x00},     {u'A', 0x41},      {u'~', 0x7E},      {u'\u007f', 0x7F}, {u'\u00a0', 0xA0},
      {u'\u00fc', 0xFC}, {u'\u00ff', 0xFF}, {u'\u20ac', 0x80},  // euro
      {u'\u201a', 0x82}, {u'\u0192', 0x83}, {u'\u2122', 0x99}, {u'\u017e', 0x9E}, {u'\u0178', 0x9F},
      {u'\u0100', '?'},  {u'\u4e2d', '?'},  {u'\ufffd', '?'},  {u'\u2603', '?'},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(patching::toWindows1252(std::u16string(1, c.character)),
              std::vector<std::uint8_t>{c.byte})
        << "U+" << std::hex << static_cast<int>(c.character);
  }
  EXPECT_EQ(patching::toWindows1252(u"Gr\u00fc\u00dfe \u20ac5"),
            (std::vector<std::uint8_t>{'G', 'r', 0xFC, 0xDF, 'e', ' ', 0x80, '5'}));
}

}  // namespace
