// libFuzzer target for the older-format mission reader and the import: any input must be read
// or refused with a message, never crash; what the import makes must be a mission file the
// reader takes back.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "older/import.h"

namespace {

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "fuzz_older: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  older::Mission old;
  const model::ReadResult r = older::readMission(model::CBytes(data, size), old);
  if (!r.ok()) {
    if (r.message.empty()) fail("refused without a message");
    return 0;
  }
  older::ImportOptions options;
  options.craftNames = {"None", "Fighter"};
  older::ImportedExtras extras;
  model::Mission m = older::convertMission(old, options, extras);
  if (m.flightGroups.size() != old.flightGroups.size() + old.objectGroups.size())
    fail("groups lost");
  if (extras.orderTexts.size() != m.flightGroups.size()) fail("order texts do not match");
  const std::vector<std::uint8_t> written = model::writeMission(m);
  model::Mission again;
  if (!model::readMission(written, again).ok()) fail("imported mission is refused");
  return 0;
}
