#include "patching/patch_table.h"

#include <algorithm>

namespace patching {
namespace {

constexpr PatchTable kTable = {
    .englishText =
        {
            u"",
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
        },
    .germanText =
        {
            u"",
            u"                         Mit \u00fcbergebenen Jobs arbeiten                 ",
            u"                     Mit Teildateien arbeiten (mittels PDM)            ",
            u"CL0N01N02N03Faktor1+++Opcd",
            u" Spalten . . . :   ",
            u" Spalten . . . :  ",
            u"                          Art d. Bed.f\u00fc",
            u" Art d. Bed.f\u00fc",
            u"        ***************** Datenanfang *****************************************",
            u"        ******************Datenende *******************************************",
            u"F24=Weitere T",
            u"German         ",
            u"CL0N01Faktor1+++++++Opcode",
            u"                              Modulquelle anzeigen                              ",
        },
};

constexpr bool everyEntryKeepsItsLength() {
  for (int entry = kFirstEntry; entry <= kLastEntry; ++entry) {
    if (kTable.englishText[entry].size() != kTable.germanText[entry].size()) return false;
  }
  return true;
}
static_assert(everyEntryKeepsItsLength(), "a German text must be as long as its English text");

}  // namespace

bool isRequired(int entry) {
  return std::find(kOptionalEntries.begin(), kOptionalEntries.end(), entry) ==
         kOptionalEntries.end();
}

const PatchTable& patchTable() { return kTable; }

}  // namespace patching
