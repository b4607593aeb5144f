// A target that another program holds: the user is told to close it, the file
// stays as it was, and once it is closed the same window completes the update.
#include <gtest/gtest.h>

#include "message_box.h"
#include "polling.h"
#include "started_tool.h"
#include "test_files.h"
#include "tests/support/reference_patcher.h"
#include "win32_handles.h"

namespace end_to_end {
namespace {

class TargetInUse : public StartedTool {
 protected:
  void expectRefusedAsInUse(const std::filesystem::path& target, const Bytes& original) {
    tool_.enterPath(target.wstring());
    const auto box = tool_.clickUpdateAndWaitForMessage();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, L"Error");
    EXPECT_NE(box->text.find(L"Close it and try again"), std::wstring::npos) << "says what to do";
    EXPECT_NE(box->text.find(target.wstring()), std::wstring::npos) << "names the file";
    EXPECT_NE(box->text.find(L"not changed"), std::wstring::npos) << "says the file is intact";
    ASSERT_TRUE(dismissWithEnter(*box));
    EXPECT_TRUE(waitUntil([&] { return !tool_.waitLabelVisible(); }, 2s));
    EXPECT_FALSE(tool_.program().hasEnded());
    EXPECT_TRUE(readBytes(target) == original) << "the file changed";
    EXPECT_EQ(tool_.pathText(), target.wstring());
  }

  ScratchFolder scratch_{L"target-in-use"};
};

TEST_F(TargetInUse, IsReportedAndTheUpdateSucceedsOnceItIsClosed) {
  const std::filesystem::path target = scratch_.copyOfStandIn(L"Zelvar\\Zelvar.exe");
  const Bytes original = readBytes(target);
  {
    SCOPED_TRACE("the file held open without write sharing");
    const UniqueHandle held =
        ownFileHandle(CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    expectRefusedAsInUse(target, original);
  }
  {
    SCOPED_TRACE("Zelvar running from the file");
    RunningProgram zelvar(target);
    HWND zelvarWindow = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (zelvarWindow = mainWindowOf(zelvar.processId())); }));
    expectRefusedAsInUse(target, original);
    PostMessageW(zelvarWindow, WM_CLOSE, 0, 0);
    ASSERT_TRUE(zelvar.waitForExit(5s));
  }
  SCOPED_TRACE("after Zelvar has been closed");
  const auto box = tool_.clickUpdateAndWaitForMessage();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, L"Update is complete!");
  ASSERT_TRUE(dismissWithEnter(*box));
  EXPECT_TRUE(tool_.program().waitForExit(2s));
  EXPECT_TRUE(readBytes(target) == test_support::referenceUpdate(original).content);
}

}  // namespace
}  // namespace end_to_end
