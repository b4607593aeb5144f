#include "sample_target/screen_texts.h"

namespace sample_target {

const char16_t kScreenTexts[kScreenTextCount][kScreenTextSlot] = {
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

}  // namespace sample_target
