// Random targets, each updated by the program and by the plain reference
// model: the outcome and every byte of the file afterwards must agree.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "patching/update_procedure.h"
#include "tests/support/executable_like.h"
#include "tests/support/expected_table.h"
#include "tests/support/recording_host.h"
#include "tests/support/reference_patcher.h"
#include "tests/support/temporary_folder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using test_support::ExpectedEntry;
using test_support::utf16le;

// Executable-like bytes with the English texts sprinkled over them: most
// entries once, some twice or missing, some only inside the longer text that
// contains them, some as a copy with one letter in another case, some already
// in German. Texts may land on each other.
Bytes randomTarget(std::uint32_t seed) {
  std::mt19937 random(seed);
  const auto below = [&random](std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random);
  };
  Bytes target = test_support::executableLikeBytes(seed, 20000 + below(40000));
  const auto placeAnywhere = [&](const Bytes& text) {
    test_support::put(target, below(target.size() - text.size() + 1), text);
  };
  for (const ExpectedEntry& entry : test_support::expectedEntries()) {
    const std::size_t roll = below(100);
    const bool onlyInsideLonger = entry.number == 5 || entry.number == 7;
    if (roll < 3 || (onlyInsideLonger && roll < 12)) continue;
    placeAnywhere(utf16le(entry.english));
    if (roll >= 80) placeAnywhere(utf16le(entry.english));
    if (roll % 7 == 0) placeAnywhere(utf16le(entry.german));
    if (roll % 5 == 0) {
      std::u16string wrongCase = entry.english;
      for (char16_t& c : wrongCase) {
        if (c >= u'a' && c <= u'z') {
          c = static_cast<char16_t>(c - u'a' + u'A');
          break;
        }
      }
      placeAnywhere(utf16le(wrongCase));
    }
  }
  return target;
}

TEST(ReferenceModel, TheUpdateAgreesWithItOnRandomTargets) {
  test_support::TemporaryFolder folder;
  const auto files = platform::makeFileSystem();
  int completed = 0;
  int refused = 0;
  constexpr std::uint32_t kTargets = 150;
  for (std::uint32_t seed = 1; seed <= kTargets; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const Bytes original = randomTarget(seed);
    const test_support::ReferenceUpdate expected = test_support::referenceUpdate(original);
    const auto target = folder.write("Zelvar.exe", original);

    test_support::RecordingHost host(target);
    const patching::UpdateOutcome outcome = patching::runUpdate(host, *files);
    EXPECT_EQ(outcome, expected.complete ? patching::UpdateOutcome::Complete
                                         : patching::UpdateOutcome::CannotUpdate);
    ASSERT_EQ(test_support::readBytes(target), expected.content);
    (expected.complete ? completed : refused) += 1;
  }
  // The targets must exercise both outcomes, or the comparison proves little.
  EXPECT_GE(completed, 30);
  EXPECT_GE(refused, 30);
}

}  // namespace
