#include <gtest/gtest.h>

#include "cli_runner.h"
#include "temp_dir.h"

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

#include "editing/triggers.h"
#include "json/document.h"
#include "model/mission_file.h"

namespace {

namespace fs = std::filesystem;
using model::u8;
namespace fg = model::fg;
using testsupport::CliRun;

class FlowCommand : public ::testing::Test {
 protected:
  FlowCommand() {
    // Lead at the start; Wing 30 seconds after Lead arrives; Gold only on Hard; a message when
    // Wing arrives.
    m.newMission();
    m.flightGroups[0].setText(fg::Name, "Lead");
    for (const char* name : {"Wing", "Gold"}) {
      const auto i = static_cast<std::size_t>(m.addFlightGroup());
      m.flightGroups[i].setText(fg::Name, name);
      m.flightGroups[i].set(fg::CraftType, u8{1});
    }
    m.flightGroups[0].set(fg::CraftType, u8{1});
    arrive(m.flightGroups[1].span(), editing::arrivalTriggers(), 0);
    m.flightGroups[1].set(fg::ArrivalDelaySeconds, u8{30});
    m.flightGroups[2].set(fg::ArrivalDifficulty, u8{3});
    m.addMessage();
    m.messages[0].setText(model::message::Text, "Wing is here");
    arrive(m.messages[0].span(), editing::messageTriggers(), 1);
    fs::create_directories(dir.path() / "editor");
  }
  static void arrive(model::Bytes record, const editing::TriggerSetPlace& place, int group) {
    const auto t = editing::packTrigger(1, 1, group, 0);
    std::copy(t.begin(), t.end(), record.begin() + static_cast<long>(place.triggerOffset(1)));
  }
  std::string file() {
    const std::string path = (dir.path() / "m.kre").string();
    EXPECT_TRUE(model::saveMissionFile(m, path).ok);
    return "'" + path + "' --editor-dir '" + (dir.path() / "editor").string() + "'";
  }
  CliRun run(const std::string& args) {
    return testsupport::runCliWithConfig(ZYNED_CLI_PATH, dir.path().string(), args);
  }
  testsupport::TempDir dir;
  model::Mission m;
};

TEST_F(FlowCommand, TextShowsTheThreeLevelsThenMessagesFindingsAndAdvisories) {
  const CliRun r = run("flow " + file());
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "Mission flow at Easy, Medium and Hard\n\n"
            "Flight groups by earliest arrival:\n"
            "  Easy          Medium        Hard\n"
            "  0:00          0:00          0:00          #1 Light Fighter Lead (1)\n"
            "  not at Easy   not at Medium 0:00          #3 Light Fighter Gold\n"
            "  0:30          0:30          0:30          #2 Light Fighter Wing\n\n"
            "Messages:\n"
            "  Easy          Medium        Hard\n"
            "  0:30          0:30          0:30          #1 \"Wing is here\"\n\n"
            "Findings:\n"
            "  none\n\n"
            "Advisories:\n"
            "  none\n");
  const CliRun hard = run("flow --difficulty hard " + file());
  EXPECT_EQ(hard.out.rfind("Mission flow at Hard\n", 0), 0u) << hard.out;
  EXPECT_NE(hard.out.find("\n  0:00          #3 Light Fighter Gold\n"), std::string::npos);
}

TEST_F(FlowCommand, JsonHasAnItemPerLevelNumbersFromOneAndNeverAsNull) {
  arrive(m.globalGoals[0].span(), editing::globalGoalTriggers(0), 1);  // team 1's goal: Wing
  const CliRun r = run("flow " + file() + " --json");
  ASSERT_EQ(r.status, 0) << r.err;
  json::Value doc;
  std::string error;
  ASSERT_TRUE(json::parse(r.out, doc, error)) << error;
  EXPECT_EQ(doc["difficulties"], json::Value::array({"easy", "medium", "hard"}));
  const auto& wing = doc["flightGroups"][4];  // the second group at Medium
  EXPECT_EQ(wing["number"], 2);
  EXPECT_EQ(wing["name"], "Wing");
  EXPECT_EQ(wing["difficulty"], "medium");
  EXPECT_EQ(wing["state"], "arrives");
  EXPECT_EQ(wing["earliest"], 30);
  EXPECT_EQ(wing["exact"], true);
  EXPECT_EQ(wing["waitsOn"], json::Value::array({1}));
  const auto& gold = doc["flightGroups"][7];  // the third at Medium
  EXPECT_EQ(gold["state"], "not-at-level");
  EXPECT_TRUE(gold["earliest"].is_null());
  EXPECT_EQ(doc["flightGroups"][8]["state"], "arrives");
  EXPECT_EQ(doc["messages"][1]["earliest"], 30);
  EXPECT_EQ(doc["findings"], json::Value::array());
  EXPECT_EQ(doc["advisories"], json::Value::array());
  const auto& goal = doc["globalGoals"][1];  // team 1's first goal at Medium
  for (const char* key : {"team", "goal", "difficulty", "earliest", "waitsOn"})
    ASSERT_TRUE(goal.contains(key)) << key;
  EXPECT_EQ(goal["team"], 1);
  EXPECT_EQ(goal["goal"], "primary");
  EXPECT_EQ(goal["difficulty"], "medium");
  EXPECT_EQ(goal["earliest"], 30);
  EXPECT_EQ(goal["waitsOn"], json::Value::array({2}));

  // A finding says where, at which levels, and why.
  m.messages[0].bytes[model::message::Triggers] = 10;  // never true
  const CliRun never = run("flow " + file() + " --json");
  ASSERT_TRUE(json::parse(never.out, doc, error)) << error;
  const auto& f = doc["findings"][0];
  EXPECT_EQ(f["kind"], "never-sent");
  EXPECT_EQ(f["difficulties"], json::Value::array({"easy", "medium", "hard"}));
  EXPECT_EQ(f["messages"], json::Value::array({1}));
  EXPECT_EQ(f["where"], "Message #1 \"Wing is here\"");
  EXPECT_EQ(f["chain"], json::Value::array({"Message #1 \"Wing is here\": trigger 1 is never "
                                            "true"}));
  // The text says the same, the chain under the finding.
  EXPECT_NE(
      run("flow " + file())
          .out.find(
              "  never-sent: Message #1 \"Wing is here\" is never sent at every level: trigger 1 "
              "is never true\n    why: Message #1 \"Wing is here\": trigger 1 is never true\n"),
      std::string::npos);
}

TEST_F(FlowCommand, DotHasANodePerGroupAndAnEdgePerTrigger) {
  const CliRun r = run("flow " + file() + " --dot");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("digraph flow {\n", 0), 0u);
  for (const char* line :
       {"  fg1 [label=\"#1 Light Fighter Lead (1)\\n0:00\"", "  fg1 -> fg2 [label=\"arrive\"];\n",
        "  fg2 -> msg1 [label=\"arrive\"];\n",
        "  fg3 [label=\"#3 Light Fighter Gold\\nnot at Medium\""})
    EXPECT_NE(r.out.find(line), std::string::npos) << line;
  // Each group in its team's colour.
  EXPECT_TRUE(std::regex_search(
      r.out, std::regex("  fg1 \\[label=\"[^\"]*\", color=\"#[0-9a-f]{6}\", penwidth=2")))
      << r.out;
}

TEST_F(FlowCommand, UsagesListThePlacesNamingTheGroup) {
  const CliRun r = run("usages " + file() + " 2");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "Message #1 \"Wing is here\", trigger 1: 100% of Light Fighter Wing must arrive\n");
  EXPECT_EQ(
      run("usages " + file() + " 1").out,
      "#2 Light Fighter Wing, arrival trigger 1: 100% of Light Fighter Lead (1) must arrive\n");
}

TEST_F(FlowCommand, BadArgumentsAndUnreadableFiles) {
  const std::string args = file();
  EXPECT_EQ(run("flow " + args + " --difficulty extreme").status, 2);
  EXPECT_EQ(run("flow " + args + " --json --dot").status, 2);
  EXPECT_EQ(run("flow").status, 2);
  EXPECT_EQ(run("usages " + args + " first").status, 2);
  EXPECT_EQ(run("usages " + args + " 4").status, 1);
  EXPECT_EQ(run("usages " + args).status, 2);
  const fs::path bad = dir.path() / "bad.kre";
  std::ofstream(bad, std::ios::binary) << "junk";
  const CliRun r = run("flow '" + bad.string() + "'");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Unrecognized file type"), std::string::npos);
  EXPECT_EQ(run("usages '" + (dir.path() / "missing.kre").string() + "' 1").status, 1);
}

}  // namespace
