#include "tests/support/expected_table.h"

#include <stdexcept>

namespace test_support {
namespace {

std::u16string blanks(std::size_t count) { return std::u16string(count, u' '); }
std::u16string stars(std::size_t count) { return std::u16string(count, u'*'); }
std::u16string pluses(std::size_t count) { return std::u16string(count, u'+'); }

std::vector<ExpectedEntry> composeEntries() {
  const std::u16string ue = u"\u00fc";
  return {
      {1, blanks(28) + u"Work with Submitted Jobs" + blanks(19),
       blanks(25) + u"Mit " + ue + u"bergebenen Jobs arbeiten" + blanks(17), true},
      {2, blanks(27) + u"Work with Members Using PDM" + blanks(17),
       blanks(21) + u"Mit Teildateien arbeiten (mittels PDM)" + blanks(12), true},
      {3, u"CL0N01N02N03Factor1" + pluses(3) + u"Opcd",
       u"CL0N01N02N03Faktor1" + pluses(3) + u"Opcd", false},
      {4, blanks(1) + u"Columns . . . :" + blanks(3), blanks(1) + u"Spalten . . . :" + blanks(3),
       true},
      {5, blanks(1) + u"Columns . . . :" + blanks(2), blanks(1) + u"Spalten . . . :" + blanks(2),
       true},
      {6, blanks(26) + u"Prompt type .", blanks(26) + u"Art d. Bed.f" + ue, true},
      {7, blanks(1) + u"Prompt type .", blanks(1) + u"Art d. Bed.f" + ue, true},
      {8, blanks(8) + stars(15) + u" Beginning of data " + stars(37),
       blanks(8) + stars(17) + u" Datenanfang " + stars(41), true},
      {9, blanks(8) + stars(18) + u" End of data " + stars(40),
       blanks(8) + stars(18) + u"Datenende " + stars(43), true},
      {10, u"F24=More keys", u"F24=Weitere T", true},
      {11, u"English" + blanks(8), u"German" + blanks(9), false},
      {12, u"CL0N01Factor1" + pluses(7) + u"Opcode", u"CL0N01Faktor1" + pluses(7) + u"Opcode",
       false},
      {13, blanks(29) + u"Display Module Source" + blanks(30),
       blanks(30) + u"Modulquelle anzeigen" + blanks(30), false},
  };
}

}  // namespace

const std::vector<ExpectedEntry>& expectedEntries() {
  static const std::vector<ExpectedEntry> entries = composeEntries();
  return entries;
}

const ExpectedEntry& expectedEntry(int number) {
  for (const ExpectedEntry& entry : expectedEntries()) {
    if (entry.number == number) return entry;
  }
  throw std::out_of_range("no entry " + std::to_string(number));
}

std::vector<std::uint8_t> utf16le(std::u16string_view text) {
  std::vector<std::uint8_t> bytes;
  for (char16_t character : text) {
    bytes.push_back(static_cast<std::uint8_t>(character & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(character >> 8));
  }
  return bytes;
}

}  // namespace test_support
