// libFuzzer target for the replacement vocabulary files ("Ships.txt", "Orders.txt", …): text is
// taken as a table, anything else refused; every entry is looked up; a table written back (as
// the OPT File Manager writes "Ships.txt") reads back the same.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "shell/vocabulary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr const char* Target = "fuzz_vocabulary";
  const std::string_view content = fuzzcheck::text(data, size);
  if (!shell::isText(content)) return 0;
  const std::vector<std::string> entries = shell::splitLines(content);
  static shell::Vocabulary vocabulary;
  const auto& names = shell::Vocabulary::tableNames();
  const std::string_view name = names[size % names.size()];
  vocabulary.setTable(name, entries);
  for (int value = -1; value <= static_cast<int>(entries.size()) && value < 300; ++value)
    vocabulary.text(name, value, "?");
  const std::string written = shell::joinLines(entries);
  if (!shell::isText(written)) fuzzcheck::fail(Target, "a written table is no text");
  if (shell::splitLines(written) != entries)
    fuzzcheck::fail(Target, "a written table does not read back the same");
  vocabulary.setTable(name, shell::Vocabulary::builtIn(name));
  return 0;
}
