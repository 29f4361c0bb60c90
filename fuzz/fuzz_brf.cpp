// libFuzzer target for the older briefing reader and its conversion: any input must be read or
// refused with a message, never crash; briefing 1 keeps at most 400 words, ends with its end
// marker, and the mission is still a file the reader takes back.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "older/import.h"

namespace {

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "fuzz_brf: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  older::Briefing brf;
  const model::ReadResult r = older::readBriefing(model::CBytes(data, size), brf);
  if (!r.ok()) {
    if (r.message.empty()) fail("refused without a message");
    return 0;
  }
  model::Mission m;
  m.newMission();
  m.addFlightGroup();
  older::convertBriefing(brf, m);
  const model::Briefing& b = m.briefings[0];
  const int used = b.get(model::briefing::EventWordsUsed);
  if (used < 2 || used > 400) fail("event words out of range");
  if (b.get(model::briefing::Events, static_cast<std::size_t>(used - 1)) != 34)
    fail("no end marker");
  if (m.description.text().size() > 4095) fail("description too long");
  model::Mission again;
  if (!model::readMission(model::writeMission(m), again).ok()) fail("mission is refused");
  return 0;
}
