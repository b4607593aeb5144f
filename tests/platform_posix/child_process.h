#pragma once

#include <sys/resource.h>
#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace posix_test {

struct ChildOptions {
  // Run as the user nobody, without root's powers over files.
  bool asNobody = false;
  // RLIMIT_FSIZE for the child: the largest file it may write.
  std::optional<rlim_t> fileSizeLimit;
  // The child's current folder; empty: this process's.
  std::filesystem::path workingFolder;
};

struct ChildResult {
  int exitCode = -1;  // -1 when the child did not exit normally
  std::string out;
  std::string err;
};

// Runs the program with the arguments and waits for it; its standard output
// and error are collected in full.
ChildResult runProgram(const std::filesystem::path& program,
                       const std::vector<std::string>& arguments, const ChildOptions& limits = {});

// The uid and gid of the user "nobody".
uid_t nobodyUser();
gid_t nobodyGroup();

}  // namespace posix_test
