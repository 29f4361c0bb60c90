// libFuzzer target for the condition and order clipboards ("Conds.clp", "Orders.clp"): any bytes
// give the whole records they hold, written back byte for byte; every entry is described for
// the clipboard dialog, and the dialog's moves and deletions keep the list whole.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "editing/clipboards.h"
#include "editing/descriptions.h"
#include "fuzz_check.h"
#include "model/mission.h"
#include "shell/vocabulary.h"

namespace {

constexpr const char* Target = "fuzz_clipboards";

const model::Mission& mission() {
  static const model::Mission m = [] {
    model::Mission made;
    made.newMission();
    for (int i = 0; i < 3; ++i) made.addFlightGroup();
    return made;
  }();
  return m;
}

void check(editing::Clipboard clip, model::CBytes input, bool orders) {
  static const shell::Vocabulary vocabulary;
  const std::size_t trailing = clip.takeBytes(input);
  if (trailing != input.size() % clip.recordSize() ||
      clip.size() != input.size() / clip.recordSize())
    fuzzcheck::fail(Target, "whole records miscounted");
  const std::vector<std::uint8_t> bytes = clip.bytes();
  if (!std::equal(bytes.begin(), bytes.end(), input.begin()) ||
      bytes.size() != input.size() - trailing)
    fuzzcheck::fail(Target, "records are not written back byte for byte");
  for (const auto& entry : clip.entries()) {
    if (orders)
      editing::describeOrder(mission(), vocabulary, entry);
    else
      editing::describeTrigger(mission(), vocabulary, entry);
  }
  const std::size_t count = clip.size();
  if (count > 0) {
    clip.moveDown(clip.moveUp(count - 1));
    const int select = clip.remove(count / 2);
    if (clip.size() != count - 1 || select >= static_cast<int>(clip.size()))
      fuzzcheck::fail(Target, "a deletion selects no line of the list");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const model::CBytes input(data, size);
  check(editing::Clipboard::conditions(), input, false);
  check(editing::Clipboard::orders(), input, true);
  return 0;
}
