// libFuzzer target for the craft model slot lists ("spec640.lst", "spec2640.lst",
// "spec3640.lst"): three lists cut from the input are read or refused; every slot's line, marker
// and row come out of any lists; a slot restored to its default shows no marker; lists written
// back read back the same.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "lists/model_slots.h"
#include "lists/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr const char* Target = "fuzz_slot_lists";
  if (size < 2) return 0;
  // The first two bytes say where the input is cut into the three lists.
  const std::string_view rest = fuzzcheck::text(data + 2, size - 2);
  const std::size_t first = rest.size() * data[0] / 255;
  const std::size_t second = first + (rest.size() - first) * data[1] / 255;
  const std::string_view parts[3] = {rest.substr(0, first), rest.substr(first, second - first),
                                     rest.substr(second)};
  lists::SlotLists slotLists;
  std::string why;
  for (std::size_t i = 0; i < 3; ++i)
    if (!lists::parseListLines(parts[i], slotLists.lines[i], why)) return 0;

  for (int craft = -1; craft <= lists::CraftSlotCount + 2; ++craft) {
    slotLists.line(craft);
    lists::slotRow(slotLists, craft, "Name");
    lists::slotPartner(craft);
    lists::defaultModel(craft);
  }
  for (int craft = 1; craft <= lists::CraftSlotCount; ++craft) {
    if (!lists::isFunctionalSlot(craft) || craft == lists::PlanetSlot) continue;
    if (!slotLists.setLine(craft, lists::restoredLine(craft)))
      fuzzcheck::fail(Target, "a functional slot has no line");
    if (lists::slotMarker(slotLists, craft) != "  ")
      fuzzcheck::fail(Target, "a restored slot is marked as changed");
  }
  for (const auto& lines : slotLists.lines) {
    std::vector<std::string> again;
    if (!lists::parseListLines(lists::joinCrLf(lines), again, why) || again != lines)
      fuzzcheck::fail(Target, "a written list does not read back the same");
  }
  return 0;
}
