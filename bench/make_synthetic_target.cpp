// Writes a synthetic Zelvar 2000 executable for timing the update.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <string>

#include "bench/synthetic_target.h"

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "Usage: make_synthetic_target PATH SIZE_MIB [SEED]\n");
    return 64;
  }
  try {
    const std::size_t size = std::stoull(argv[2]) << 20;
    const std::uint64_t seed = argc == 4 ? std::stoull(argv[3]) : 2000;
    const bench::SyntheticTarget target = bench::makeSyntheticTarget(size, seed);
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(target.bytes.data()),
               static_cast<std::streamsize>(target.bytes.size()));
    if (!file.flush()) {
      std::fprintf(stderr, "make_synthetic_target: cannot write %s\n", argv[1]);
      return 1;
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_synthetic_target: %s\n", error.what());
    return 1;
  }
  return 0;
}
