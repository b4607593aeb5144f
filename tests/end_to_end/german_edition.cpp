#include "german_edition.h"

#include <algorithm>
#include <array>

namespace end_to_end {
namespace {

std::u16string blanks(std::size_t count) { return std::u16string(count, u' '); }
std::u16string run(char16_t character, std::size_t count) {
  return std::u16string(count, character);
}

struct Entry {
  std::u16string english;
  std::u16string german;
  bool required;
};

std::array<Entry, 13> entries() {
  return {{
      {blanks(28) + u"Work with Submitted Jobs" + blanks(19),
       blanks(25) + u"Mit \u00fcbergebenen Jobs arbeiten" + blanks(17), true},
      {blanks(27) + u"Work with Members Using PDM" + blanks(17),
       blanks(21) + u"Mit Teildateien arbeiten (mittels PDM)" + blanks(12), true},
      {u"CL0N01N02N03Factor1" + run(u'+', 3) + u"Opcd",
       u"CL0N01N02N03Faktor1" + run(u'+', 3) + u"Opcd", false},
      {u" Columns . . . :" + blanks(3), u" Spalten . . . :" + blanks(3), true},
      {u" Columns . . . :" + blanks(2), u" Spalten . . . :" + blanks(2), true},
      {blanks(26) + u"Prompt type .", blanks(26) + u"Art d. Bed.f\u00fc", true},
      {u" Prompt type .", u" Art d. Bed.f\u00fc", true},
      {blanks(8) + run(u'*', 15) + u" Beginning of data " + run(u'*', 37),
       blanks(8) + run(u'*', 17) + u" Datenanfang " + run(u'*', 41), true},
      {blanks(8) + run(u'*', 18) + u" End of data " + run(u'*', 40),
       blanks(8) + run(u'*', 18) + u"Datenende " + run(u'*', 43), true},
      {u"F24=More keys", u"F24=Weitere T", true},
      {u"English" + blanks(8), u"German" + blanks(9), false},
      {u"CL0N01Factor1" + run(u'+', 7) + u"Opcode", u"CL0N01Faktor1" + run(u'+', 7) + u"Opcode",
       false},
      {blanks(29) + u"Display Module Source" + blanks(30),
       blanks(30) + u"Modulquelle anzeigen" + blanks(30), false},
  }};
}

}  // namespace

Bytes utf16le(std::u16string_view text) {
  Bytes bytes;
  for (char16_t character : text) {
    bytes.push_back(static_cast<std::uint8_t>(character & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(character >> 8));
  }
  return bytes;
}

std::u16string englishText(int entry) { return entries().at(entry - 1).english; }

std::optional<Bytes> germanEdition(Bytes file) {
  for (const Entry& entry : entries()) {
    const Bytes english = utf16le(entry.english);
    const Bytes german = utf16le(entry.german);
    const auto found = std::search(file.begin(), file.end(), english.begin(), english.end());
    if (found != file.end()) {
      std::copy(german.begin(), german.end(), found);
    } else if (entry.required) {
      return std::nullopt;
    }
  }
  return file;
}

}  // namespace end_to_end
