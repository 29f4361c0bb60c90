#pragma once
// Icon-theme caches ("icon-theme.cache") as a desktop's tools write them, for the tests of the
// icon lookup: every icon is listed in the first folder.

#include <string>
#include <vector>

namespace testsupport {

std::vector<unsigned char> iconCache(const std::vector<std::string>& icons,
                                     const std::vector<std::string>& folders, unsigned buckets = 3);

}  // namespace testsupport
