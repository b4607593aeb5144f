#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace test_support {

// Random bytes shaped like an executable, as the search meets them: a header,
// long runs of 0x00, blanks and 0xFF, ASCII and UTF-16 words, and every byte
// value from 0x00 to 0xFF somewhere. The same seed gives the same bytes.
std::vector<std::uint8_t> executableLikeBytes(std::uint32_t seed, std::size_t size);

// Copies bytes into target at offset; they must fit.
void put(std::vector<std::uint8_t>& target, std::size_t offset,
         std::span<const std::uint8_t> bytes);

// An executable-like file of 64 KiB holding every entry's English text once,
// as UTF-16LE, some at odd offsets; entries 5 and 7 stand on their own, apart
// from the longer texts of entries 4 and 6.
std::vector<std::uint8_t> executableWithAllTexts(std::uint32_t seed);

}  // namespace test_support
