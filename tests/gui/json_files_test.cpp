// File › "Import JSON…" and "Export as JSON…": the JSON of zyned-cli dump and from-json in the
// editor.
#include <QAction>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <fstream>

#include "editor_fixture.h"
#include "json/mission_json.h"

using PromptKind = testing_gui::ScriptedPrompter::Kind;

namespace {

class JsonFiles : public testing_gui::EditorFixture {
 protected:
  void trigger(const char* id) { find<QAction>(QString::fromLatin1(id))->trigger(); }
  std::string put(const std::string& name, const std::string& text) {
    std::ofstream(path(name), std::ios::binary) << text;
    return path(name);
  }
};

TEST_F(JsonFiles, ExportWritesTheDumpAndLeavesTheMissionAsItWas) {
  const std::string file = writeMission("m.kre", 14, "Exported");
  start({QString::fromStdString(file)});
  ASSERT_EQ(doc().fileName(), file);
  prompter.saveNames = {QString::fromStdString(path("m.json"))};
  trigger("ExportJsonAction");

  EXPECT_EQ(prompter.lastSaveSuffix, QStringLiteral("json"));
  const auto written = fileBytes(path("m.json"));
  EXPECT_EQ(std::string(written.begin(), written.end()), json::dumpMission(mission()));
  EXPECT_EQ(doc().fileName(), file);
  EXPECT_FALSE(doc().isChanged());
}

TEST_F(JsonFiles, ImportOpensAnUnnamedChangedMissionOrRefusesAsTheCommandDoes) {
  start();
  const std::string bad =
      put("bad.json", R"({"FlightGroups": [{"Name": "Solo", "CraftType": 300}]})");
  prompter.openNames = {QString::fromStdString(bad)};
  trigger("ImportJsonAction");
  EXPECT_EQ(prompter.texts(PromptKind::Error),
            std::vector<QString>{QString::fromStdString(
                bad + ": FlightGroups[0].CraftType: 300 is outside 0..255")});
  ASSERT_EQ(mission().flightGroups.size(), 1u);
  EXPECT_EQ(mission().flightGroups[0].name(), "Unnamed");  // the open Mission stays
  EXPECT_FALSE(doc().isChanged());

  prompter.openNames = {
      QString::fromStdString(put("good.json", R"({"FlightGroups": [{"Name": "Solo"}, {}]})"))};
  trigger("ImportJsonAction");
  ASSERT_EQ(mission().flightGroups.size(), 2u);
  EXPECT_EQ(mission().flightGroups[0].name(), "Solo");
  EXPECT_FALSE(doc().named());
  EXPECT_TRUE(doc().isChanged());
  window->saveAs();  // offered under the JSON file's name
  EXPECT_EQ(QFileInfo(prompter.lastSaveDir).fileName(), QStringLiteral("good.kre"));
}

}  // namespace
