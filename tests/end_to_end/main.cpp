// The end-to-end driver: starts the window program under test and uses it as
// a user would. Arguments besides GoogleTest's:
//   --tool=PATH  --stand-in=PATH  --screenshots=FOLDER   (Linux paths)
#include <gtest/gtest.h>

#include <string_view>

#include "failure_screenshot.h"
#include "test_files.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  end_to_end::DriverSettings& settings = end_to_end::driverSettings();
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    const auto value = [&](std::string_view option) {
      return end_to_end::fromLinuxPath(argument.substr(option.size()));
    };
    if (argument.starts_with("--tool=")) settings.tool = value("--tool=");
    if (argument.starts_with("--stand-in=")) settings.standIn = value("--stand-in=");
    if (argument.starts_with("--screenshots=")) settings.screenshots = value("--screenshots=");
  }
  if (settings.tool.empty() || settings.standIn.empty() || settings.screenshots.empty()) {
    std::fprintf(stderr, "usage: %s --tool=PATH --stand-in=PATH --screenshots=FOLDER\n", argv[0]);
    return 64;
  }
  testing::UnitTest::GetInstance()->listeners().Append(new end_to_end::FailureScreenshot);
  return RUN_ALL_TESTS();
}
