// The desktop's icon-theme cache: which icons a theme lists, without reading its folders.
#include "shell/icon_cache.h"

#include <gtest/gtest.h>

#include "icon_cache_writer.h"

namespace {

using testsupport::iconCache;

TEST(IconCache, ListsTheIconsAndFoldersItHolds) {
  // Seven names in three buckets: every bucket holds a chain.
  const std::vector<std::string> icons = {"document-new", "document-open", "edit-undo", "a",
                                          "edit-redo",    "zoom-in",       "x-office"};
  const auto cache = iconCache(icons, {"22x22/actions", "scalable/actions"});
  for (const std::string& icon : icons) EXPECT_EQ(shell::iconCacheHas(cache, icon), true) << icon;
  for (const char* absent : {"document-save", "", "document-new-x", "documentnew"})
    EXPECT_EQ(shell::iconCacheHas(cache, absent), false) << absent;
  EXPECT_EQ(shell::iconCacheFolders(cache),
            (std::vector<std::string>{"22x22/actions", "scalable/actions"}));
}

TEST(IconCache, BytesThatAreNoCacheAnswerNothing) {
  auto cache = iconCache({"document-new", "edit-undo"}, {"16x16/actions"}, 1);
  std::vector<std::vector<unsigned char>> bad = {{}, {0, 1, 0}, {0, 2, 0, 0, 0, 0, 0, 12}};
  // Cut anywhere, the offsets run past the end.
  for (std::size_t cut : {6u, 12u, 20u, 40u}) bad.emplace_back(cache.begin(), cache.begin() + cut);
  // A chain that comes back to itself.
  auto loop = cache;
  const std::size_t entry = (std::size_t{loop[16]} << 24) | (std::size_t{loop[17]} << 16) |
                            (std::size_t{loop[18]} << 8) | loop[19];
  std::copy(loop.begin() + 16, loop.begin() + 20, loop.begin() + static_cast<long>(entry));
  bad.push_back(loop);
  for (const auto& bytes : bad)
    EXPECT_EQ(shell::iconCacheHas(bytes, "document-save"), std::nullopt) << bytes.size();
  EXPECT_EQ(shell::iconCacheFolders(std::vector<unsigned char>(cache.begin(), cache.end() - 2)),
            std::nullopt);
}

TEST(IconCache, ThemeParentsComeFromTheIconThemeSection) {
  const char* index =
      "[Icon Theme]\r\nName=Mine\r\nInherits = Adwaita, hicolor ,\r\nDirectories=16x16/actions\r\n"
      "[16x16/actions]\r\nInherits=not-a-parent\r\n";
  EXPECT_EQ(shell::iconThemeParents(index), (std::vector<std::string>{"Adwaita", "hicolor"}));
  EXPECT_TRUE(shell::iconThemeParents("[Icon Theme]\nName=Alone\n").empty());
}

}  // namespace
