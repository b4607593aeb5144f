// A stand-in for the Zelvar 2000 executable: it carries the thirteen English
// texts as UTF-16 string data, as the real program does, and shows them, so
// that after the update it visibly speaks German.
#include <cstdio>
#include <string>

namespace {

// One array, not separate literals: the linker would otherwise merge a text
// that ends another one (" Prompt type ." in "... Prompt type .") into it.
// Blanks around a text are kept by the fixed-size slots.
const char16_t kScreenTexts[][81] = {
    u"                            Work with Submitted Jobs                   ",
    u"                           Work with Members Using PDM                 ",
    u"CL0N01N02N03Factor1+++Opcd",
    u" Columns . . . :   ",
    u" Columns . . . :  ",
    u"                          Prompt type .",
    u" Prompt type .",
    u"        *************** Beginning of data *************************************",
    u"        ****************** End of data ****************************************",
    u"F24=More keys",
    u"English        ",
    u"CL0N01Factor1+++++++Opcode",
    u"                             Display Module Source                              ",
};

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
  for (const char16_t* text : kScreenTexts) std::printf("[%s]\n", utf8(text).c_str());
  return 0;
}
