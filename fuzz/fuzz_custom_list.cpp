// libFuzzer target for battle and campaign lists: a file is a custom list or not; a custom list
// written back by the Battle/Campaign Manager reads back as the same list.
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "lists/custom_lists.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr const char* Target = "fuzz_custom_list";
  const auto list = lists::parseCustomList(fuzzcheck::text(data, size));
  if (!list) return 0;
  const std::string bytes = lists::customListBytes(*list);
  const auto again = lists::parseCustomList(bytes);
  if (!again) fuzzcheck::fail(Target, "written list is no custom list");
  if (*again != *list) fuzzcheck::fail(Target, "written list does not read back the same");
  if (lists::customListBytes(*again) != bytes) fuzzcheck::fail(Target, "writing is not stable");
  return 0;
}
