#include "tests/platform_posix/child_process.h"

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace posix_test {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using CaptureFile = std::unique_ptr<std::FILE, FileCloser>;

CaptureFile captureFile() {
  CaptureFile file(std::tmpfile());
  if (!file) throw std::runtime_error("no temporary file for a child's output");
  return file;
}

std::string contentOf(std::FILE* file) {
  std::rewind(file);
  std::string text;
  char buffer[4096];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
    text.append(buffer, got);
  }
  return text;
}

const passwd& nobody() {
  const passwd* entry = ::getpwnam("nobody");
  if (entry == nullptr) throw std::runtime_error("there is no user nobody");
  return *entry;
}

// Runs in the child between fork and exec: only async-signal-safe calls.
[[noreturn]] void becomeTheProgram(const char* program, char* const* argv, int out, int err,
                                   const ChildOptions& options, uid_t user, gid_t group) {
  if (::dup2(out, STDOUT_FILENO) < 0 || ::dup2(err, STDERR_FILENO) < 0) ::_exit(125);
  if (!options.workingFolder.empty() && ::chdir(options.workingFolder.c_str()) != 0) ::_exit(125);
  if (options.fileSizeLimit) {
    const rlimit limit{*options.fileSizeLimit, *options.fileSizeLimit};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(125);
  }
  if (options.asNobody) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(group) != 0 || ::setuid(user) != 0) {
      ::_exit(125);
    }
  }
  ::execv(program, argv);
  ::_exit(127);
}

}  // namespace

uid_t nobodyUser() { return nobody().pw_uid; }
gid_t nobodyGroup() { return nobody().pw_gid; }

ChildResult runProgram(const std::filesystem::path& program,
                       const std::vector<std::string>& arguments, const ChildOptions& options) {
  std::vector<std::string> words = {program.string()};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const uid_t user = options.asNobody ? nobodyUser() : ::getuid();
  const gid_t group = options.asNobody ? nobodyGroup() : ::getgid();

  CaptureFile out = captureFile();
  CaptureFile err = captureFile();
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    becomeTheProgram(argv[0], argv.data(), ::fileno(out.get()), ::fileno(err.get()), options, user,
                     group);
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) throw std::runtime_error("waitpid failed");
  }
  ChildResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = contentOf(out.get());
  result.err = contentOf(err.get());
  return result;
}

}  // namespace posix_test
