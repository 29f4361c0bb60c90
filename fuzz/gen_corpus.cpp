// Writes seed files for the fuzzer: random valid missions of both formats, the large mission
// and a few cut and odd files.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "mission_generator.h"
#include "seed_files.h"

using seeds::writeFile;

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: zyned_gen_corpus DIR COUNT\n");
    return 2;
  }
  const std::string dir = argv[1];
  const long count = std::strtol(argv[2], nullptr, 10);
  if (count < 0) {
    std::fprintf(stderr, "zyned_gen_corpus: COUNT must be 0 or more\n");
    return 2;
  }
  // Small missions keep the fuzzer fast: every input is mutated and read whole.
  testgen::GeneratorLimits small;
  small.maxFlightGroups = 4;
  small.maxMessages = 4;
  small.maxStringLength = 40;
  int written = 0;
  for (long i = 0; i < count; ++i) {
    const auto bytes = testgen::randomMissionFile(static_cast<std::uint64_t>(i), small);
    if (!writeFile(dir + "/mission-" + std::to_string(i) + ".kre", bytes)) {
      std::fprintf(stderr, "zyned_gen_corpus: cannot write into %s\n", dir.c_str());
      return 1;
    }
    ++written;
  }
  const auto base = testgen::randomMissionFile(1, 12, small);
  const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> extras = {
      {"cut-header.kre", {base.begin(), base.begin() + 100}},
      {"cut-middle.kre", {base.begin(), base.begin() + static_cast<long>(base.size() / 2)}},
      {"platform-minus-one.kre", {0xFF, 0xFF, 0, 0}},
      {"platform-two.kre", {2, 0, 0, 0}},
      {"empty.kre", {}},
  };
  for (const auto& [name, bytes] : extras)
    if (writeFile(dir + "/" + name, bytes)) ++written;
  std::printf("%d files written to %s\n", written, dir.c_str());
  return 0;
}
