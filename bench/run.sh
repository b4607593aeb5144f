#!/usr/bin/env bash
# Times a whole `zelvar-german-patch TARGET` run against `cp TARGET copy && sync`
# of the same synthetic executable, side by side in one hyperfine run, at 8 MiB
# and 256 MiB, and measures the patcher's peak resident memory.
#
# Usage: bench/run.sh [--quick] [--no-build] [BUILD_DIR]
#   --quick     8 MiB only, fewer runs; the time ratio is shown, not enforced,
#               since a few runs of 40 ms are at the mercy of other load
#   --no-build  use the programs already built in BUILD_DIR
#   BUILD_DIR   a native build tree (default: build/native, configured if missing)
# Exits 1 when a run fails or a target is missed: the update at most 2.0 times
# as long as cp + sync, peak memory at most the file size + 16 MiB.
set -euo pipefail
cd "$(dirname "$0")/.."

sizes=(8 256)
runs=10
build_first=true
enforce_ratio=1
while [[ ${1:-} == --* ]]; do
  case $1 in
    --quick) sizes=(8) runs=5 enforce_ratio=0 ;;
    --no-build) build_first=false ;;
    *) echo "unknown option $1" >&2; exit 64 ;;
  esac
  shift
done
build=${1:-build/native}
if $build_first; then
  if [[ ! -f $build/CMakeCache.txt ]]; then cmake --preset native -B "$build" >/dev/null; fi
  cmake --build "$build" -j2 --target zelvar-german-patch make_synthetic_target >/dev/null
fi
patcher=$(realpath "$build/cli/zelvar-german-patch")
generator=$(realpath "$build/bench/make_synthetic_target")
work=$(realpath "$build")/bench-work
mkdir -p "$work"

report=()
for size in "${sizes[@]}"; do
  target=$work/target-${size}MiB.exe
  ours=$work/update-${size}MiB.exe
  copy=$work/copy-${size}MiB.exe
  if [[ ! -f $target || $generator -nt $target ]]; then "$generator" "$target" "$size"; fi
  cat "$target" >/dev/null  # both commands start from a cached target

  # Each update gets a fresh copy, written and synced before the timing starts,
  # then dropped from the page cache and read again: cached as an installed
  # file is after a read, in the same large pages as the target cp reads.
  fresh_copy="cat '$target' > '$ours' && sync && dd if='$ours' iflag=nocache count=0 status=none"
  fresh_copy+=" && cat '$ours' > /dev/null"
  hyperfine --style basic --runs "$runs" --warmup 1 --export-json "$work/times-${size}MiB.json" \
    --prepare "$fresh_copy" -n "zelvar-german-patch" "'$patcher' '$ours'" \
    --prepare "rm -f '$copy' && sync" -n "cp + sync" "cp '$target' '$copy' && sync" >&2

  bash -c "$fresh_copy"
  /usr/bin/time -f %M -o "$work/rss-${size}MiB.txt" "$patcher" "$ours" >/dev/null
  rm -f "$ours" "$copy"  # the target is kept for the next run
  report+=("$size" "$work/times-${size}MiB.json" "$work/rss-${size}MiB.txt")
done

python3 - "$enforce_ratio" "${report[@]}" <<'PY'
import json, sys

enforce_ratio = sys.argv[1] == "1"
args = sys.argv[2:]
missed = False
print("| File size | cp + sync | zelvar-german-patch | ratio | peak RSS |")
print("|---|---|---|---|---|")
for i in range(0, len(args), 3):
    size_mib = int(args[i])
    results = {r["command"]: r for r in json.load(open(args[i + 1]))["results"]}
    ours = results["zelvar-german-patch"]["median"]
    copy = results["cp + sync"]["median"]
    ratio = ours / copy
    rss_mib = int(open(args[i + 2]).read().split()[-1]) / 1024
    missed |= (enforce_ratio and ratio > 2.0) or rss_mib > size_mib + 16
    print(f"| {size_mib} MiB | {copy * 1000:.0f} ms | {ours * 1000:.0f} ms | "
          f"{ratio:.2f} | {rss_mib:.1f} MiB |")
print("(medians; targets: ratio <= 2.0, peak RSS <= file size + 16 MiB)")
sys.exit(1 if missed else 0)
PY
