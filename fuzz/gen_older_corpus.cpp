// Writes seed files for the older-format fuzzers: random older missions (".vtn") and briefing
// files (".brf"), plus a few cut ones.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "older_generator.h"
#include "seed_files.h"

using seeds::writeFile;

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: zyned_gen_older_corpus VTN-DIR BRF-DIR COUNT\n");
    return 2;
  }
  const std::string vtn = argv[1], brf = argv[2];
  const long count = std::strtol(argv[3], nullptr, 10);
  if (count < 0) {
    std::fprintf(stderr, "zyned_gen_older_corpus: COUNT must be 0 or more\n");
    return 2;
  }
  int written = 0;
  for (long i = 0; i < count; ++i) {
    const auto seed = static_cast<std::uint64_t>(i);
    const auto mission = testgen::randomOlderMission(seed, 6);
    const auto icons = mission.flightGroups.size() + mission.objectGroups.size();
    auto m = mission.bytes();
    auto b = testgen::randomOlderBriefing(seed, icons).bytes();
    if (!writeFile(vtn + "/m" + std::to_string(i) + ".vtn", m) ||
        !writeFile(brf + "/b" + std::to_string(i) + ".brf", b)) {
      std::fprintf(stderr, "zyned_gen_older_corpus: cannot write the seeds\n");
      return 1;
    }
    written += 2;
    if (i == 0) {
      m.resize(m.size() / 2);
      b.resize(b.size() / 2);
      if (writeFile(vtn + "/cut.vtn", m) && writeFile(brf + "/cut.brf", b)) written += 2;
    }
  }
  std::printf("%d files written\n", written);
  return 0;
}
