#pragma once

#include <gtest/gtest.h>

namespace end_to_end {

// Saves what the screen shows at a scenario's first failed check, so that the
// log can be read next to the picture of the moment.
class FailureScreenshot : public testing::EmptyTestEventListener {
 public:
  void OnTestStart(const testing::TestInfo&) override { taken_ = false; }
  void OnTestPartResult(const testing::TestPartResult& result) override;

 private:
  bool taken_ = false;
};

}  // namespace end_to_end
