#include "shell/key_bindings.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

using shell::KeyBindings;
using Keys = std::vector<std::string>;

TEST(KeyBindings, SplitsAtSemicolonAndBlank) {
  const struct {
    const char* value;
    Keys keys;
  } cases[] = {
      {"", {}},
      {"F9", {"F9"}},
      {"Ctrl+S; F9", {"Ctrl+S", "F9"}},
      {" Ctrl+S ;  F9 ", {"Ctrl+S", "F9"}},
      {";", {";"}},
      {"Ctrl+;; F9", {"Ctrl+;", "F9"}},
      {"F9; ;; F10", {"F9", ";", "F10"}},
      {"Ctrl+S;F9", {"Ctrl+S;F9"}},  // only "; " separates
  };
  for (const auto& c : cases) {
    EXPECT_EQ(shell::splitKeys(c.value), c.keys) << c.value;
    // What join writes, split reads back.
    EXPECT_EQ(shell::splitKeys(shell::joinKeys(c.keys)), c.keys) << c.value;
  }
}

TEST(KeyBindings, KeyProblems) {
  const struct {
    const char* key;
    bool good;
  } cases[] = {
      {"F9", true},
      {"Ctrl+Shift+S", true},
      {"ctrl+alt+meta+X", true},
      {"Ctrl++", true},
      {"+", true},
      {"Ctrl+;", true},
      {"Media Play", true},
      {"", false},
      {"Ctrl+", false},
      {"Hyper+X", false},
      {"Ctrl+Ctrl+X", false},
      {"Ctrl+K, Ctrl+C", false},
      {"+X", false},
      {"Ctrl++X", false},
      {"Ctrl+S;F9", false},
      {"Shift+ Del", false},
  };
  for (const auto& c : cases) EXPECT_EQ(shell::keyProblem(c.key).empty(), c.good) << c.key;
  EXPECT_EQ(shell::keyProblem("Hyper+X"), "\"Hyper+X\" has \"Hyper\", which is no modifier");
}

TEST(KeyBindings, KeysOfAnAction) {
  const KeyBindings b = shell::keyBindingsOf(
      "[Options]\nAutoLink=1\n[keys]\nSaveAsAction=F9\ncutaction=\n"
      "MapForm/ZoomInAction=Ctrl+Up; Hyper+X; +\nLoadAction=Ctrl+\nSaveAsAction=F10\n"
      "NoSuchAction=F2\n");
  const struct {
    const char* action;
    std::optional<Keys> keys;
  } cases[] = {
      {"SaveAsAction", Keys{"F9"}},                    // the first line counts
      {"CutAction", Keys{}},                           // empty: no key
      {"MapForm/ZoomInAction", Keys{"Ctrl+Up", "+"}},  // a bad key goes, the rest stays
      {"LoadAction", std::nullopt},                    // only bad keys: the table's keys
      {"SaveAction", std::nullopt},                    // no line
      {"NoSuchAction", Keys{"F2"}},
  };
  for (const auto& c : cases) EXPECT_EQ(b.keysOf(c.action), c.keys) << c.action;
  EXPECT_EQ(b.problems(),
            (std::vector<std::string>{
                "MapForm/ZoomInAction=Ctrl+Up; Hyper+X; +: \"Hyper+X\" has \"Hyper\", which is "
                "no modifier; it is ignored",
                "LoadAction=Ctrl+: \"Ctrl+\" has no key; it is ignored"}));
}

TEST(KeyBindings, WritingKeepsUnknownAndBadLinesAndTheRestOfTheFile) {
  const std::string ini =
      "; mine\n[Options]\nAutoLink=0\n\n[Keys]\nNoSuchAction=F2\nLoadAction=Ctrl+\n"
      "SaveAsAction=F9\nsaveasaction=F10\n\n[Windows]\nMainWindow=1x1+0+0\n";
  KeyBindings b = shell::keyBindingsOf(ini);
  b.set("SaveAsAction", {"Ctrl+A", "F9"});
  b.set("CutAction", {});
  b.reset("LoadAction");
  EXPECT_TRUE(b.changed("cutaction"));
  EXPECT_FALSE(b.changed("LoadAction"));
  EXPECT_EQ(shell::mergeKeyBindings(ini, b),
            "; mine\n[Options]\nAutoLink=0\n\n[Keys]\nNoSuchAction=F2\nSaveAsAction=Ctrl+A; F9\n"
            "CutAction=\n\n[Windows]\nMainWindow=1x1+0+0\n");
  EXPECT_EQ(shell::keyBindingsOf(shell::mergeKeyBindings(ini, b)), b);
}

TEST(KeyBindings, AFileWithoutTheSectionStaysAsItWas) {
  const std::string ini = "[Options]\r\nAutoLink=0\r\n";
  EXPECT_TRUE(shell::keyBindingsOf(ini).lines().empty());
  EXPECT_EQ(shell::mergeKeyBindings(ini, KeyBindings{}), ini);
  EXPECT_EQ(shell::parseSettings(
                shell::mergeKeyBindings(ini, shell::keyBindingsOf("[Keys]\nSaveAction=F2\n")))
                .autoLink,
            false);
}

TEST(KeyBindings, SurviveTheFile) {
  testsupport::TempDir dir;
  const std::string path = dir / "ZynED.ini";
  testsupport::writeFile(path, "[Options]\nAutoLink=0\n");
  KeyBindings b;
  b.set("SaveAsAction", {"F9"});
  b.set("BrfForm/PlayAction", {});
  std::string error;
  ASSERT_TRUE(shell::writeKeyBindings(path, b, &error)) << error;
  EXPECT_EQ(shell::readKeyBindings(path), b);
  EXPECT_FALSE(shell::readSettings(path).autoLink);
  // Writing the settings keeps the section.
  ASSERT_TRUE(shell::writeSettings(path, shell::Settings{}, &error)) << error;
  EXPECT_EQ(shell::readKeyBindings(path), b);
}
