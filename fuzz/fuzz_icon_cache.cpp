// libFuzzer target for the desktop's icon-theme caches ("icon-theme.cache") and theme indexes
// read at start: any bytes give an answer or "not a cache", never a read past the end or an
// endless chain; a listed folder is a string inside the file.
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "shell/icon_cache.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr const char* Target = "fuzz_icon_cache";
  const std::span<const unsigned char> bytes(data, size);
  for (const char* name : {"document-new", "edit-undo", "", "a"}) shell::iconCacheHas(bytes, name);
  if (const auto folders = shell::iconCacheFolders(bytes))
    for (const std::string& folder : *folders)
      if (folder.size() >= size) fuzzcheck::fail(Target, "a folder name longer than the file");
  shell::iconThemeParents(fuzzcheck::text(data, size));
  return 0;
}
