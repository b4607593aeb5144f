// Output that goes to a pipe or a file, not a console, arrives as UTF-8 bytes.
#include "platform/console.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32/unique_handle.h"

namespace {

using platform::win32::UniqueObjectHandle;

// What one print function wrote, caught in a pipe put in place of its stream.
std::string capture(DWORD stream, void (*print)(std::string_view), std::string_view text) {
  HANDLE read = nullptr;
  HANDLE write = nullptr;
  if (!CreatePipe(&read, &write, nullptr, 1 << 16)) return "CreatePipe failed";
  UniqueObjectHandle reader(read);
  UniqueObjectHandle writer(write);
  const HANDLE previous = GetStdHandle(stream);
  SetStdHandle(stream, writer.get());
  print(text);
  SetStdHandle(stream, previous);
  writer.reset();

  std::string caught;
  char buffer[256];
  DWORD got = 0;
  while (ReadFile(reader.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) {
    caught.append(buffer, got);
  }
  return caught;
}

TEST(ConsoleTest, WritesUtf8BytesToAPipe) {
  const std::string text =
      "Gr\xC3\xB6\xC3\x9F"
      "e \xE6\x97\xA5\xE6\x9C\xAC\n";
  EXPECT_EQ(capture(STD_OUTPUT_HANDLE, platform::printOut, text), text);
  EXPECT_EQ(capture(STD_ERROR_HANDLE, platform::printError, text), text);
}

}  // namespace
