// Prints the stand-in's texts, one per line in brackets so the blanks show.
#include <cstdio>
#include <string>

#include "sample_target/screen_texts.h"

namespace {

std::string utf8(const char16_t* text) {
  std::string bytes;
  for (; *text != u'\0'; ++text) {
    const char16_t c = *text;
    if (c < 0x80) {
      bytes += static_cast<char>(c);
    } else {  // the texts hold nothing above U+00FF
      bytes += static_cast<char>(0xC0 | (c >> 6));
      bytes += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return bytes;
}

}  // namespace

int main() {
  for (const char16_t* text : sample_target::kScreenTexts) {
    std::printf("[%s]\n", utf8(text).c_str());
  }
  return 0;
}
