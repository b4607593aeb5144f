#include "patching/safe_rewrite.h"

#include <memory>

namespace patching {
namespace {

platform::FileStatus writeReplacement(platform::NewFile& replacement,
                                      const std::filesystem::path& target,
                                      std::span<const std::uint8_t> content,
                                      std::span<const Stretch> changed) {
  // Copying the unchanged bytes inside the system is far cheaper than writing
  // them all from memory; only the replaced stretches come from here.
  if (auto copied = replacement.copyContentOf(target); !copied) return copied;
  for (const Stretch& stretch : changed) {
    auto written =
        replacement.writeAt(stretch.offset, content.subspan(stretch.offset, stretch.length));
    if (!written) return written;
  }
  if (auto flushed = replacement.flush(); !flushed) return flushed;
  if (auto verified = replacement.verify(content); !verified) return verified;
  return replacement.close();
}

}  // namespace

std::expected<void, RewriteFailure> rewriteSafely(platform::FileSystem& files,
                                                  const std::filesystem::path& target,
                                                  std::span<const std::uint8_t> content,
                                                  std::span<const Stretch> changed) {
  if (auto replaceable = files.probeReplaceable(target); !replaceable) {
    return std::unexpected(RewriteFailure{replaceable.error(), {}});
  }
  auto created = files.createBeside(target);
  if (!created) return std::unexpected(RewriteFailure{created.error(), {}});
  std::unique_ptr<platform::NewFile> replacement = std::move(*created);
  const std::filesystem::path replacementPath = replacement->path();

  platform::FileStatus done = writeReplacement(*replacement, target, content, changed);
  replacement.reset();  // closed before it is moved or removed
  if (done) done = files.replace(target, replacementPath);
  if (done) return {};

  RewriteFailure failure{done.error(), {}};
  auto removed = files.remove(replacementPath);
  if (!removed && removed.error().kind != platform::FileErrorKind::NotFound) {
    failure.leftover = replacementPath;
  }
  return std::unexpected(failure);
}

}  // namespace patching
