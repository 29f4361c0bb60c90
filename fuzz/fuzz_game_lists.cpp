// libFuzzer target for the game's mission lists ("Mission.lst", "Rebel.lst", "Imperial.lst"): a
// list is read or refused with a reason; the entries, the next free number and the pages of the
// ".lst Files" session never crash; an entry added and written reads back as the old lines
// plus the three of the entry.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "lists/game_lists.h"
#include "lists/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr const char* Target = "fuzz_game_lists";
  std::vector<std::string> lines;
  std::string why;
  if (!lists::parseListLines(fuzzcheck::text(data, size), lines, why)) {
    if (why.empty()) fuzzcheck::fail(Target, "refused without a reason");
    return 0;
  }
  for (const std::string& line : lines) {
    lists::isEntryNumber(line);
    lists::isSeparator(line);
    lists::isHeading(line);
  }
  const long long next = lists::nextFreeNumber(lines);
  if (next < 1) fuzzcheck::fail(Target, "next free number below 1");
  lists::listEntries(lines);

  lists::ListSession session;
  session.missionFile = "NEW.KRE";
  session.page(lists::GameList::Mission).text = lists::pageText(lines);
  session.page(lists::GameList::Mission).applies = true;
  if (!lists::autoAdd(session, std::to_string(next), "A description", why))
    fuzzcheck::fail(Target, "Auto-Add refused");
  const std::string written =
      lists::joinCrLf(lists::pageLines(session.page(lists::GameList::Mission).text));
  std::vector<std::string> again;
  if (!lists::parseListLines(written, again, why)) fuzzcheck::fail(Target, "written list refused");
  std::vector<std::string> expected = lines;
  expected.insert(expected.end(), {std::to_string(next), "NEW.KRE", "A description"});
  if (again != expected) fuzzcheck::fail(Target, "written list does not read back");
  if (lists::nextFreeNumber(again) <= next && next < 999999999999999LL)
    fuzzcheck::fail(Target, "the added number is still free");
  return 0;
}
