#include "bench/synthetic_target.h"

#include <algorithm>
#include <cctype>
#include <random>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "patching/apply_patches.h"
#include "patching/wide_patch_table.h"

namespace bench {
namespace {

// The required texts go into this last stretch, as into a resource section.
constexpr std::size_t kTextAreaSize = 192 * 1024;

// Frequent opcode and ModRM bytes of x86 code.
constexpr std::array<std::uint8_t, 24> kOpcodeBytes = {
    0x8B, 0x89, 0x48, 0x83, 0xC4, 0xE8, 0x24, 0x45, 0x4C, 0x0F, 0x85, 0x84,
    0x74, 0x75, 0xEB, 0xC3, 0x90, 0xCC, 0xFF, 0x01, 0x08, 0x10, 0x44, 0x5D};

// Menu and dialog words; some begin like the English texts.
constexpr std::array<std::string_view, 24> kWords = {
    "File",  "Edit",    "View",   "Options", "Source", "Member", "Library", "Compile",
    "Print", "Exit",    "Cancel", "Help",    "Job",    "Type",   "Name",    "Data",
    "Work",  "Display", "Prompt", "Column",  "Module", "Keys",   "Error",   "More"};

class Writer {
 public:
  Writer(std::span<std::uint8_t> out, std::uint64_t seed) : out_(out), random_(seed) {}

  std::size_t position() const { return position_; }
  std::size_t between(std::size_t low, std::size_t high) {
    return std::uniform_int_distribution<std::size_t>(low, high)(random_);
  }

  void put(std::uint8_t byte) {
    if (position_ < out_.size()) out_[position_++] = byte;
  }
  void repeat(std::uint8_t byte, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) put(byte);
  }
  void bytes(std::span<const std::uint8_t> text) {
    for (std::uint8_t byte : text) put(byte);
  }
  void narrow(std::string_view text) {
    for (char c : text) put(static_cast<std::uint8_t>(c));
  }
  void wide(std::string_view text) {
    for (char c : text) {
      put(static_cast<std::uint8_t>(c));
      put(0x00);
    }
  }
  // Two zero bytes end a wide string; no English text holds them, so nothing
  // written before them can run on into a match.
  void wideEnd() { repeat(0x00, 2); }

  void code(std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      const std::uint64_t draw = random_();
      const unsigned pick = draw % 10;
      if (pick < 3) {
        put(kOpcodeBytes[(draw >> 8) % kOpcodeBytes.size()]);
      } else if (pick < 5) {
        put(0x00);
      } else {
        put(static_cast<std::uint8_t>(draw >> 16));
      }
    }
  }

  std::string words(std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
      if (i > 0) text += ' ';
      text += kWords[between(0, kWords.size() - 1)];
    }
    return text;
  }

 private:
  std::span<std::uint8_t> out_;
  std::size_t position_ = 0;
  std::mt19937_64 random_;
};

void fillerBlock(Writer& out) {
  const std::size_t kind = out.between(0, 99);
  if (kind < 30) {
    out.repeat(0x00, out.between(16, 2048));
  } else if (kind < 40) {
    out.repeat(0x20, out.between(8, 512));
  } else if (kind < 50) {
    for (std::size_t n = out.between(4, 128); n > 0; --n) out.wide(" ");
  } else if (kind < 85) {
    out.code(out.between(32, 2048));
  } else if (kind < 95) {
    out.wide(out.words(out.between(1, 6)));
    out.wideEnd();
  } else {
    out.narrow(out.words(out.between(1, 4)));
    out.put(0x00);
  }
}

bool holdsEnglishText(std::span<const std::uint8_t> bytes, const patching::WidePatchTable& table) {
  return std::ranges::any_of(table.englishText, [&](const std::vector<std::uint8_t>& english) {
    return !english.empty() && !std::ranges::search(bytes, english).empty();
  });
}

// Something that almost is an English text: a wide prefix, the whole text
// with one letter in the other case, or the text in 8-bit characters. A
// prefix may itself be a whole English text (entry 5's begins entry 4's);
// such a near miss is left out.
void nearMiss(Writer& out, const patching::WidePatchTable& table, int entry) {
  const std::vector<std::uint8_t>& english = table.englishText[entry];
  const std::size_t characters = english.size() / 2;
  std::vector<std::uint8_t> miss;
  switch (out.between(0, 2)) {
    case 0:
      miss.assign(english.begin(),
                  english.begin() + 2 * out.between(characters / 2, characters - 1));
      break;
    case 1: {
      miss = english;
      std::size_t at = out.between(0, characters - 1);
      while (!std::isalpha(miss[at * 2])) at = (at + 1) % characters;
      miss[at * 2] ^= 0x20;
      break;
    }
    default:
      for (std::size_t i = 0; i < english.size(); i += 2) miss.push_back(english[i]);
      break;
  }
  if (holdsEnglishText(miss, table)) return;
  out.bytes(miss);
  out.wideEnd();
}

void checkPlanting(const SyntheticTarget& target, const patching::WidePatchTable& table) {
  std::vector<std::uint8_t> copy = target.bytes;
  const patching::PatchResult result = patching::applyPatches(table, copy);
  for (int entry = patching::kFirstEntry; entry <= patching::kLastEntry; ++entry) {
    if (result.replacedAt[entry] != target.englishAt[entry]) {
      throw std::logic_error("synthetic target: entry " + std::to_string(entry) +
                             " would not be replaced where it was planted");
    }
  }
}

}  // namespace

SyntheticTarget makeSyntheticTarget(std::size_t size, std::uint64_t seed) {
  if (size < kMinimumSize) throw std::invalid_argument("synthetic target: size below 1 MiB");
  const patching::WidePatchTable table = patching::widenedPatchTable();
  SyntheticTarget target;
  target.bytes.resize(size);
  Writer out(target.bytes, seed);

  const std::size_t nearMissEnd = size / 8;
  const std::size_t textArea = size - kTextAreaSize;
  while (out.position() < textArea) {
    if (out.position() < nearMissEnd && out.between(0, 3) == 0) {
      nearMiss(out, table,
               static_cast<int>(out.between(patching::kFirstEntry, patching::kLastEntry)));
    }
    fillerBlock(out);
  }
  for (int entry = patching::kFirstEntry; entry <= patching::kLastEntry; ++entry) {
    if (!patching::isRequired(entry)) continue;
    out.code(out.between(256, 4096));
    out.wideEnd();
    target.englishAt[entry] = out.position();
    out.bytes(table.englishText[entry]);
    out.wideEnd();
  }
  while (out.position() < size) fillerBlock(out);

  checkPlanting(target, table);
  return target;
}

}  // namespace bench
