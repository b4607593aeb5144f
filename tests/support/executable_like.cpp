#include "tests/support/executable_like.h"

#include <algorithm>
#include <random>
#include <stdexcept>

#include "tests/support/expected_table.h"

namespace test_support {

std::vector<std::uint8_t> executableLikeBytes(std::uint32_t seed, std::size_t size) {
  std::mt19937 random(seed);
  const auto below = [&random](unsigned bound) {
    return std::uniform_int_distribution<unsigned>(0, bound - 1)(random);
  };
  std::vector<std::uint8_t> bytes = {'M', 'Z', 0x90, 0x00};
  while (bytes.size() < size) {
    const std::size_t run = 1 + below(48);
    switch (below(6)) {
      case 0:
        bytes.insert(bytes.end(), run, 0x00);
        break;
      case 1:
        bytes.insert(bytes.end(), run, below(2) == 0 ? 0x20 : 0xFF);
        break;
      case 2:  // any byte value, 0x80 to 0xFF included
        for (std::size_t i = 0; i < run; ++i)
          bytes.push_back(static_cast<std::uint8_t>(below(256)));
        break;
      case 3:  // an ASCII word
        for (std::size_t i = 0; i < run; ++i)
          bytes.push_back(static_cast<std::uint8_t>('a' + below(26)));
        break;
      default:  // a UTF-16 word of letters and blanks, like the texts searched for
        for (std::size_t i = 0; i < run; ++i) {
          bytes.push_back(below(4) == 0 ? 0x20 : static_cast<std::uint8_t>('A' + below(58)));
          bytes.push_back(0x00);
        }
        break;
    }
  }
  bytes.resize(size);
  return bytes;
}

void put(std::vector<std::uint8_t>& target, std::size_t offset,
         std::span<const std::uint8_t> bytes) {
  if (offset > target.size() || bytes.size() > target.size() - offset) {
    throw std::out_of_range("the bytes do not fit at offset " + std::to_string(offset));
  }
  std::copy(bytes.begin(), bytes.end(), target.begin() + static_cast<std::ptrdiff_t>(offset));
}

std::vector<std::uint8_t> executableWithAllTexts(std::uint32_t seed) {
  constexpr std::size_t kSize = 64 * 1024;
  constexpr std::size_t kSpacing = 4 * 1024;
  std::vector<std::uint8_t> bytes = executableLikeBytes(seed, kSize);
  for (const ExpectedEntry& entry : expectedEntries()) {
    // Odd entries at odd offsets: the texts need not be aligned to characters.
    const std::size_t offset = static_cast<std::size_t>(entry.number) * kSpacing + 101 +
                               static_cast<std::size_t>(entry.number % 2);
    put(bytes, offset, utf16le(entry.english));
  }
  return bytes;
}

}  // namespace test_support
