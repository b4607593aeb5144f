#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace test_support {

struct ExpectedEntry {
  int number;
  std::u16string english;
  std::u16string german;
  bool required;
};

// The thirteen replacements composed from their parts (the runs of blanks,
// asterisks and plus signs counted out), not copied from the program, so that
// a slip in either shows up as a difference.
const std::vector<ExpectedEntry>& expectedEntries();

const ExpectedEntry& expectedEntry(int number);

// The text's bytes as the target file stores them: each character's low byte,
// then its high byte.
std::vector<std::uint8_t> utf16le(std::u16string_view text);

}  // namespace test_support
