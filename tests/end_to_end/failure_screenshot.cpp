#include "failure_screenshot.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "screen_pixels.h"
#include "test_files.h"

namespace end_to_end {

void FailureScreenshot::OnTestPartResult(const testing::TestPartResult& result) {
  if (!result.failed() || taken_) return;
  taken_ = true;
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  if (test == nullptr) return;
  const std::filesystem::path& folder = driverSettings().screenshots;
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  const std::filesystem::path file =
      folder / (std::string(test->test_suite_name()) + "." + test->name() + ".bmp");
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (saveBmp(captureScreen(screen), file)) {
    std::printf("Screenshot of the failure: %s\n", file.string().c_str());
  }
}

}  // namespace end_to_end
