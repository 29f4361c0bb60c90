// libFuzzer target for the mission reader: any input must be accepted or refused with a
// message, never crash; an accepted input must be written back byte for byte, and the same
// mission written in the other format must be read back.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "model/mission_file.h"

namespace {

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "fuzz_reader: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const model::CBytes input(data, size);
  model::Mission mission;
  const model::ReadResult result = model::readMission(input, mission);
  if (result.status != model::ReadStatus::Ok) {
    if (result.message.empty()) fail("refused without a message");
    return 0;
  }
  const std::vector<std::uint8_t> written = model::writeMission(mission);
  if (written.size() != size || !std::equal(written.begin(), written.end(), data))
    fail("accepted input is not written back byte for byte");

  // The other format: what the writer produces must be a file the reader takes, and stable.
  mission.platformId =
      mission.platformId == model::FormatBase ? model::FormatExpansion : model::FormatBase;
  const std::vector<std::uint8_t> converted = model::writeMission(mission);
  model::Mission again;
  if (!model::readMission(converted, again).ok()) fail("converted mission is refused");
  if (model::writeMission(again) != converted) fail("converted mission does not round-trip");
  return 0;
}
