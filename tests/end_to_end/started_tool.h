#pragma once

#include <gtest/gtest.h>

#include "patch_tool.h"

namespace end_to_end {

// A scenario that begins with the tool started and its window up.
class StartedTool : public testing::Test {
 protected:
  void SetUp() override {
    std::string problem;
    ASSERT_TRUE(tool_.waitForWindow(problem)) << problem;
  }

  PatchTool tool_;
};

}  // namespace end_to_end
