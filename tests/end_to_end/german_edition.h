#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace end_to_end {

using Bytes = std::vector<std::uint8_t>;

// The driver's own account of what the update must make of a file, built from
// the texts' composition (so many blanks, a phrase, so many blanks) rather
// than taken from the program under test: the file with the first occurrence
// of each English text, in UTF-16LE and in the order of the entries, replaced
// by its German text; nothing when a required text is missing.
std::optional<Bytes> germanEdition(Bytes file);

// A text's bytes in the file: UTF-16LE.
Bytes utf16le(std::u16string_view text);
// The English text of an entry, 1 to 13.
std::u16string englishText(int entry);

}  // namespace end_to_end
