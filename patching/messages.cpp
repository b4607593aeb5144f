#include "patching/messages.h"

namespace patching {
namespace {

std::string quoted(const std::filesystem::path& file) {
  const std::u8string utf8 = file.u8string();
  return "\"" + std::string(utf8.begin(), utf8.end()) + "\"";
}

std::string_view advice(platform::FileErrorKind kind) {
  switch (kind) {
    case platform::FileErrorKind::InUse:
      return "Zelvar 2000 or another program is using the file. Close it and try again.";
    case platform::FileErrorKind::AccessDenied:
      return "You are not allowed to change the file. Run this tool as administrator and try "
             "again.";
    case platform::FileErrorKind::ReadOnly:
      return "The file is read-only. Clear its read-only attribute and try again.";
    case platform::FileErrorKind::NoSpace:
      return "There is not enough room on the disk. Free some space and try again.";
    case platform::FileErrorKind::NotFound:
    case platform::FileErrorKind::IsFolder:
    case platform::FileErrorKind::Other:
      break;
  }
  return {};
}

std::string details(const platform::FileError& error) {
  std::string text;
  if (const std::string_view hint = advice(error.kind); !hint.empty()) {
    text += std::string(hint) + "\n\n";
  }
  return text + "Reason: " + error.reason;
}

}  // namespace

std::string readFailedPrompt(const std::filesystem::path& file, const platform::FileError& error) {
  return "Could not read " + quoted(file) + ".\n\n" + details(error) +
         "\n\nThe file was not changed.";
}

std::string writeFailedPrompt(const std::filesystem::path& file, const platform::FileError& error,
                              const std::filesystem::path& leftover) {
  std::string prompt = "Could not update " + quoted(file) + ".\n\n" + details(error) +
                       "\n\nThe file was not changed.";
  if (!leftover.empty()) {
    prompt += " The temporary file " + quoted(leftover) + " could not be removed; delete it.";
  }
  return prompt;
}

}  // namespace patching
