// The search alone, on a synthetic executable far larger than the caches:
// findFirst against the standard library's searchers and glibc's memmem.
// Wall time, since findFirst splits a large search over two threads.
#include <benchmark/benchmark.h>
#include <string.h>

#include <algorithm>
#include <functional>
#include <optional>

#include "bench/synthetic_target.h"
#include "patching/byte_search.h"
#include "patching/wide_patch_table.h"

namespace {

constexpr std::size_t kHaystackSize = std::size_t{64} << 20;

using Bytes = std::span<const std::uint8_t>;
using Searcher = std::optional<std::size_t> (*)(Bytes haystack, Bytes needle);

const bench::SyntheticTarget& haystack() {
  static const bench::SyntheticTarget target = bench::makeSyntheticTarget(kHaystackSize, 2000);
  return target;
}

std::optional<std::size_t> offsetOf(Bytes haystack, Bytes::iterator found) {
  if (found == haystack.end()) return std::nullopt;
  return static_cast<std::size_t>(found - haystack.begin());
}

std::optional<std::size_t> withFindFirst(Bytes haystack, Bytes needle) {
  return patching::findFirst(haystack, needle);
}

std::optional<std::size_t> withStdSearch(Bytes haystack, Bytes needle) {
  return offsetOf(haystack,
                  std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()));
}

std::optional<std::size_t> withHorspool(Bytes haystack, Bytes needle) {
  const std::boyer_moore_horspool_searcher searcher(needle.begin(), needle.end());
  return offsetOf(haystack, std::search(haystack.begin(), haystack.end(), searcher));
}

std::optional<std::size_t> withMemmem(Bytes haystack, Bytes needle) {
  const void* found = ::memmem(haystack.data(), haystack.size(), needle.data(), needle.size());
  if (found == nullptr) return std::nullopt;
  return static_cast<std::size_t>(static_cast<const std::uint8_t*>(found) - haystack.data());
}

// One entry's English text searched for in the unpatched target; the bytes
// scanned are those up to the end of the match, or all of them.
void searchEntry(benchmark::State& state, Searcher search) {
  const int entry = static_cast<int>(state.range(0));
  const bench::SyntheticTarget& target = haystack();
  const patching::WidePatchTable table = patching::widenedPatchTable();
  const Bytes needle = table.englishText[entry];
  std::optional<std::size_t> found;
  for (auto _ : state) {
    found = search(target.bytes, needle);
    benchmark::DoNotOptimize(found);
  }
  if (found != withStdSearch(target.bytes, needle)) {
    state.SkipWithError("found elsewhere than std::search");
    return;
  }
  const std::size_t scanned = found ? *found + needle.size() : target.bytes.size();
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * scanned));
}

}  // namespace

BENCHMARK_CAPTURE(searchEntry, findFirst, withFindFirst)->DenseRange(1, 13)->UseRealTime();
BENCHMARK_CAPTURE(searchEntry, std_search, withStdSearch)->DenseRange(1, 13)->UseRealTime();
BENCHMARK_CAPTURE(searchEntry, boyer_moore_horspool, withHorspool)
    ->DenseRange(1, 13)
    ->UseRealTime();
BENCHMARK_CAPTURE(searchEntry, memmem, withMemmem)->DenseRange(1, 13)->UseRealTime();

BENCHMARK_MAIN();
