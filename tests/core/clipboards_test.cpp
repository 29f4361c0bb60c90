// Condition and order clipboards, the flight-group library, the unknown-bytes rules, references
// to flight groups that no longer exist, and zyned-cli show.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_runner.h"
#include "editing/clipboards.h"
#include "editing/descriptions.h"
#include "editing/library.h"
#include "editing/orders.h"
#include "editing/unknowns.h"
#include "model/mission_file.h"
#include "shell/error_check.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;
using model::u8;
namespace fg = model::fg;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

TEST(Clipboards, FilesHoldWholeRecords) {
  TempDir dir;
  editing::Clipboard conds = editing::Clipboard::conditions();
  EXPECT_EQ(conds.load(dir.str()).english(), "");  // no file: an empty list
  EXPECT_TRUE(conds.empty());

  writeFile(dir / "CONDS.CLP", std::string("\1\2\3\4\5\6\7\10\11\12", 10));
  EXPECT_EQ(conds.load(dir.str()).english(), "");
  ASSERT_EQ(conds.size(), 2u);  // the last 2 bytes are no whole trigger
  EXPECT_EQ(conds.entries()[1], (std::vector<u8>{5, 6, 7, 8}));

  EXPECT_EQ(conds.moveUp(1), 0u);
  EXPECT_EQ(conds.entries()[0][0], 5);
  EXPECT_EQ(conds.moveUp(0), 0u);
  EXPECT_EQ(conds.remove(1), 0);
  EXPECT_EQ(conds.remove(0), -1);
  EXPECT_EQ(conds.save(dir.str()).english(), "");
  EXPECT_EQ(fs::file_size(dir / "CONDS.CLP"), 0u) << "the file found in any case is rewritten";
  EXPECT_FALSE(fs::exists(dir / "Conds.clp"));

  editing::Clipboard orders = editing::Clipboard::orders();
  std::vector<u8> order(model::order::Size, 9);
  orders.add(editing::clipboardOrder(order));
  EXPECT_EQ(orders.save(dir.str()).english(), "");
  const std::string saved = readFile(dir / "Orders.clp");
  ASSERT_EQ(saved.size(), 82u);
  for (std::size_t b = 0; b < saved.size(); ++b)
    EXPECT_EQ(saved[b], (b == 4 || b == 5 || b == 11 || b == 17) ? 0 : 9) << b;
}

TEST(Clipboards, UnreadableFileIsReportedAndNotOverwritten) {
  TempDir dir;
  fs::create_directory(dir / "Conds.clp");  // opens, but cannot be read
  editing::Clipboard conds = editing::Clipboard::conditions();
  conds.add(std::vector<u8>{1, 2, 3, 4});
  EXPECT_NE(conds.load(dir.str()).english().find("Conds.clp"), std::string::npos);
  EXPECT_TRUE(conds.empty()) << "nothing was read before the fault";
  EXPECT_NE(conds.save(dir.str()).english(), "");
  EXPECT_TRUE(fs::is_directory(dir / "Conds.clp"));
  // A named pipe is refused at once instead of waiting for a writer.
  ASSERT_EQ(::mkfifo((dir / "Orders.clp").c_str(), 0600), 0);
  editing::Clipboard orders = editing::Clipboard::orders();
  EXPECT_NE(orders.load(dir.str()).english().find("Orders.clp\": not a regular file"),
            std::string::npos);
  EXPECT_TRUE(orders.unreadable());
}

TEST(Library, FilesEditsAndEntriesForTheMission) {
  TempDir dir;
  model::Mission m;
  m.newMission();
  m.addFlightGroup();
  m.addFlightGroup();
  for (int i = 0; i < 3; ++i)
    m.flightGroups[static_cast<std::size_t>(i)].setText(fg::Name, "G" + std::to_string(i));
  m.flightGroups[2].set(fg::WaypointX, model::i16{160}, model::Waypoint1);

  editing::Library lib;
  EXPECT_EQ(lib.caption(), "Flight Group Library - [none]");
  lib.add(m, {2, 0, 1});
  EXPECT_TRUE(lib.changed());
  ASSERT_TRUE(lib.save(dir / "a.fgp").empty());
  EXPECT_EQ(fs::file_size(dir / "a.fgp"), 3u * 1378);
  EXPECT_EQ(lib.caption(), "Flight Group Library - [a.fgp]");
  EXPECT_FALSE(lib.changed());

  std::string bytes = readFile(dir / "a.fgp") + "xyz";
  writeFile(dir / "b.fgp", bytes);
  editing::Library other;
  const editing::LibraryLoad r = other.load(dir / "b.fgp");
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.trailingBytes, 3u);
  EXPECT_EQ(editing::trailingBytesNotice(other.size(), r.trailingBytes),
            "Loaded 3 flight groups; 3 trailing bytes that are not a whole flight group were "
            "ignored.");
  EXPECT_EQ(other.moveDown(0), 1u);  // a move after loading marks the library changed
  EXPECT_TRUE(other.changed());
  EXPECT_EQ(other.entries()[1].name(), "G2");
  EXPECT_EQ(other.remove(2), 1);

  const model::FlightGroup g = editing::flightGroupFromLibrary(other, 1, false);
  EXPECT_EQ(g.name(), "G2");
  EXPECT_FALSE(g.autoLink);
  EXPECT_EQ(g.heading, model::computeHeading(m.flightGroups[2]));
  EXPECT_EQ(editing::libraryLines(other, shell::Vocabulary{}).size(), 2u);

  EXPECT_FALSE(other.load(dir / "missing.fgp").ok());
  EXPECT_EQ(other.size(), 2u) << "a failed load changes nothing";
}

TEST(Unknowns, BoxTextAndLines) {
  EXPECT_EQ(editing::parseUnknownByte(""), 0);
  EXPECT_EQ(editing::parseUnknownByte(" 255 "), 255);
  for (const char* bad : {"256", "-1", "1a", "0x1", "1 2"})
    EXPECT_FALSE(editing::parseUnknownByte(bad)) << bad;
  model::FlightGroup g;
  g.bytes[1319] = 7;
  model::Header h;
  h.set(model::header::HeaderByte11, u8{4});
  const auto lines = editing::unknownLines(h, g);
  EXPECT_EQ(lines.front(), "Mission Unks: 0,  4,  0");
  EXPECT_EQ(lines.back(), "Unknowns Pt 6:   7, 0, 0, 0, 0, 0, 0, 0, 0");
}

TEST(DanglingReferences, EveryKindOfPlace) {
  model::Mission m;
  m.newMission();
  m.addFlightGroup();  // two flight groups: 0 and 1 exist, 2 does not
  m.addMessage();
  model::FlightGroup& g = m.flightGroups[1];
  g.setText(fg::Name, "Red");
  g.set(fg::CraftType, u8{1});
  auto refer = [](model::Bytes rec, std::size_t at, u8 value) {
    rec[at + 1] = editing::TargetFlightGroup;
    rec[at + 2] = value;
  };
  refer(g.span(), fg::ArrivalTriggers + 15, 2);              // arrival 4
  refer(g.span(), fg::ArrivalTriggers, 1);                   // exists: no warning
  refer(g.span(), fg::DepartureTrigger2, 5);                 // departure 2
  refer(g.span(), fg::SkipTrigger1, 2);                      // jump 1
  g.bytes[fg::orderAt(1) + 6] = editing::TargetFlightGroup;  // order 2 target 3
  g.bytes[fg::orderAt(1) + 8] = 9;
  g.set(fg::ArrivalMothership, u8{4});  // not via: no warning
  g.set(fg::AltDepartureMothership, u8{3});
  g.set(fg::AltDepartViaMothership, u8{1});
  refer(m.messages[0].span(), model::message::Triggers + 4, 2);        // message 1 trigger 2
  refer(m.globalGoals[1].span(), model::globalgoal::Prevent + 11, 7);  // team 2 prevent 3

  shell::Vocabulary v;
  // The group by its number and name (another group may have the same name).
  const std::string craft = "#2 " + v.text(shell::tables::Ships, 1);
  const std::string end = ": refers to a flight group that does not exist.";
  const std::vector<std::string> want{
      "WARNING: " + craft + " Red - Arrival trigger 4" + end,
      "WARNING: " + craft + " Red - Departure trigger 2" + end,
      "WARNING: " + craft + " Red - Jump to order 4 trigger 1" + end,
      "WARNING: " + craft + " Red - Order 2 target 3" + end,
      "WARNING: " + craft + " Red - Alternate departure mother ship" + end,
      "WARNING: Message 1 trigger 2" + end,
      "WARNING: Team 2 Prevent goal trigger 3" + end,
  };
  const auto warnings = shell::runCheck(m, v, shell::Settings{}).warnings;
  ASSERT_GE(warnings.size(), want.size());
  EXPECT_EQ(std::vector<std::string>(warnings.end() - static_cast<std::ptrdiff_t>(want.size()),
                                     warnings.end()),
            want);
}

TEST(ShowCommand, PrintsOneFlightGroupOrRefuses) {
  TempDir dir;
  fs::create_directory(dir / "editor");
  model::Mission m;
  m.newMission();
  m.addFlightGroup();
  m.flightGroups[1].set(fg::ArrivalTriggersOr, u8{1});
  const std::string file = dir / "m.kre";
  ASSERT_TRUE(model::saveMissionFile(m, file).ok);
  const std::string tail = " --editor-dir '" + (dir / "editor") + "'";
  auto run = [&](const std::string& n) {
    return testsupport::runCliWithConfig(ZYNED_CLI_PATH, dir.str(),
                                         "show '" + file + "' " + n + tail);
  };
  const testsupport::CliRun r = run("2");
  ASSERT_EQ(r.status, 0) << r.err;
  shell::Vocabulary v;
  const auto& g = m.flightGroups[1];
  std::string want = editing::listLine(m, v, 1, true) + "\n";
  for (int t = 0; t < 4; ++t)
    want += "Arrival " + std::to_string(t + 1) + ": " +
            editing::describeTrigger(
                m, v, g.part(fg::ArrivalTriggers + model::triggerset::TriggerAt[t], 4)) +
            "\n";
  want += "Arrival joins: 1-2 and, 3-4 and, pairs or\n";
  EXPECT_EQ(r.out.substr(0, want.size()), want);
  EXPECT_NE(r.out.find("\nDeparture join: and\nJump to order 4 1: "), std::string::npos);
  EXPECT_NE(r.out.find("\nOrder 4: "), std::string::npos);
  EXPECT_EQ(r.out.substr(r.out.rfind("\nGoal 8: ") + 9),
            editing::describeGoal(m, v, g.goalBytes(7)) + "\n");
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1 + 4 + 1 + 2 + 1 + 2 + 1 + 4 + 8);

  EXPECT_EQ(run("3").status, 1);
  EXPECT_EQ(run("0").status, 1);
  EXPECT_EQ(run("two").status, 2);
  EXPECT_NE(run("3").err.find("1 to 2"), std::string::npos);
}

}  // namespace
