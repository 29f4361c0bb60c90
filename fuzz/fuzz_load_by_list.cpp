// libFuzzer target for "Load by .lst": the rows of any list that reads; a row that loads
// something comes from a mission line, and the file name it loads has no blank.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "lists/game_lists.h"
#include "lists/load_by_list.h"
#include "lists/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr const char* Target = "fuzz_load_by_list";
  std::vector<std::string> lines;
  std::string why;
  if (!lists::parseListLines(fuzzcheck::text(data, size), lines, why)) return 0;
  const auto rows = lists::listRows(lines);
  for (const lists::ListRow& row : rows) {
    if (row.fileLine == lists::NoFileRow) continue;
    if (!lists::isMissionLine(row.fileLine)) fuzzcheck::fail(Target, "a row loads no mission line");
    if (lists::rowFileName(row.fileLine).find(' ') != std::string::npos)
      fuzzcheck::fail(Target, "a loaded file name holds a blank");
  }
  return 0;
}
