// The recovery folder: copies written whole or not at all, told apart from a running editor's,
// read back only when whole; the file on disk compared by its bytes; the one-line difference.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "json/diff.h"
#include "model/mission.h"
#include "model/mission_file.h"
#include "shell/recovery.h"
#include "temp_dir.h"

namespace {

using testsupport::TempDir;
using testsupport::writeFile;

std::vector<std::uint8_t> bytesOf(std::string_view s) {
  return {s.begin(), s.end()};
}

TEST(DiffSummary, CountsLikeTheDiff) {
  struct Case {
    std::vector<std::string> lines;
    std::string summary;
  };
  const Case cases[] = {
      {{}, "no differences"},
      {{"FlightGroups[2] \"Beta\": CraftType 5 -> 12", "FlightGroups[2] \"Beta\": Iff 1 -> 2",
        "FlightGroups[3] \"A: b\".Orders[0]: Throttle 10 -> 4", "Header: MessageCount 5 -> 6",
        "Messages[5]: inserted"},
       "3 fields in 2 flight groups, 1 message added"},
      {{"FlightGroups[2->3] \"Beta\": CraftType 5 -> 12", "FlightGroups[0] \"Lead\": inserted",
        "Header: FlightGroupCount 4 -> 5"},
       "1 field in 1 flight group, 1 flight group added"},
      {{"Messages[1]: removed", "Messages[3]: removed", "Header: MessageCount 5 -> 3"},
       "2 messages removed"},
      {{"PlatformId: 14 -> 12", "Header: TimeLimitMinutes 0 -> 5", "Description: \"\" -> \"Hi\"",
        "SuccessDebrief: \"\" -> \"W\"", "Briefings[1].Events[12]: 34 -> 3",
        "Teams[0] \"Imperial\": Name \"Imperial\" -> \"Empire\""},
       "1 field in 1 team, 1 field in 1 briefing, 2 fields in the texts, 2 fields in the header"},
  };
  for (const Case& c : cases) EXPECT_EQ(json::diffSummary(c.lines), c.summary);
}

TEST(DiffSummary, OfTwoMissions) {
  model::Mission a;
  a.newMission();
  for (int i = 0; i < 3; ++i) a.addFlightGroup();
  model::Mission b = a;
  b.flightGroups[1].set(model::fg::CraftType, model::u8{12});
  b.flightGroups[1].set(model::fg::Iff, model::u8{2});
  b.flightGroups[2].setText(model::fg::Name, "Zed");
  b.addMessage();
  b.syncCounts();
  EXPECT_EQ(json::diffSummary(json::diffMissions(a, b)),
            "3 fields in 2 flight groups, 1 message added");
}

TEST(DiskCompare, ByTheBytesNotTheTime) {
  TempDir dir;
  const std::string path = dir / "m.kre";
  writeFile(path, "abcdef");
  const shell::DiskStamp known = shell::stampOf(path, bytesOf("abcdef"));
  struct Case {
    const char* name;
    std::function<void()> change;
    shell::DiskState state;
  };
  const Case cases[] = {
      {"untouched", [] {}, shell::DiskState::Same},
      {"rewritten with the same bytes", [&] { writeFile(path, "abcdef"); }, shell::DiskState::Same},
      {"same size, other bytes", [&] { writeFile(path, "abcdeX"); }, shell::DiskState::Changed},
      {"longer", [&] { writeFile(path, "abcdefg"); }, shell::DiskState::Changed},
      {"replaced by rename",
       [&] {
         writeFile(dir / "new", "xyz");
         std::filesystem::rename(dir / "new", path);
       },
       shell::DiskState::Changed},
      {"deleted", [&] { std::filesystem::remove(path); }, shell::DiskState::Missing},
      {"a folder now",
       [&] {
         std::filesystem::remove(path);
         std::filesystem::create_directory(path);
       },
       shell::DiskState::Unreadable},
  };
  for (const Case& c : cases) {
    std::filesystem::remove_all(path);
    writeFile(path, "abcdef");
    c.change();
    EXPECT_EQ(shell::compareWithDisk(path, known), c.state) << c.name;
  }
  // A file the editor never read (an unnamed mission) differs from anything on disk.
  std::filesystem::remove_all(path);
  writeFile(path, "abcdef");
  EXPECT_EQ(shell::compareWithDisk(path, shell::DiskStamp{}), shell::DiskState::Changed);
  // Written since it was read: other bytes, gone, or there now though it was missing then.
  EXPECT_FALSE(shell::writtenSince(path, known));
  EXPECT_TRUE(shell::writtenSince(path, shell::DiskStamp{}));
  std::filesystem::remove(path);
  EXPECT_TRUE(shell::writtenSince(path, known));
  EXPECT_FALSE(shell::writtenSince(path, shell::DiskStamp{}));
}

TEST(DiskCompare, NeverReadsANamedPipe) {
  TempDir dir;
  const std::string fifo = dir / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(shell::compareWithDisk(fifo, shell::DiskStamp{}), shell::DiskState::Unreadable);
}

shell::RecoveryMeta sampleMeta() {
  shell::RecoveryMeta m;
  m.format = 14;
  shell::CopiedFile mission, sounds;
  mission.role = "mission";
  mission.path = "/games/a b/m=1.kre";
  mission.disk = {true, 12, 1700000000123456789, 42};
  sounds.role = "sounds";
  m.files = {mission, sounds};
  return m;
}

TEST(RecoveryMeta, ReadsBackWhatItWrote) {
  shell::RecoveryMeta m = sampleMeta();
  m.session = "1-2-ab";
  m.pid = 77;
  m.writtenMs = 1700000000999;
  m.files[1].size = 5;
  m.files[1].hash = 9;
  const auto back = shell::parseMeta(shell::metaText(m));
  ASSERT_TRUE(back);
  EXPECT_EQ(shell::metaText(*back), shell::metaText(m));
  EXPECT_EQ(back->find("mission")->path, "/games/a b/m=1.kre");
  EXPECT_EQ(back->find("mission")->disk, m.files[0].disk);
  EXPECT_FALSE(back->find("sounds")->disk.exists);
}

TEST(RecoveryMeta, RefusesWhatItCannotTrust) {
  const std::string good = shell::metaText(sampleMeta());
  struct Case {
    std::string text;
    std::string why;
  };
  const Case cases[] = {
      {good.substr(0, good.size() - 4), "cut short"},
      {"ZynED recovery 2\nend\n", "written by a newer version of the editor"},
      {"PK\x03\x04", "not a recovery description"},
      {"ZynED recovery 1\npid=x\nend\n", "damaged line \"pid=x\""},
      {"ZynED recovery 1\npath=/a\nend\n", "damaged line \"path=/a\""},
      {"ZynED recovery 1\nformat=14\nend\n", "no mission in it"},
  };
  for (const Case& c : cases) {
    std::string why;
    EXPECT_FALSE(shell::parseMeta(c.text, &why)) << c.text;
    EXPECT_EQ(why, c.why) << c.text;
  }
}

TEST(RecoveryFolder, ACopyOutlivesItsEditorOnly) {
  TempDir dir;
  const std::string folder = shell::recoveryFolder(dir / "config");
  auto first = shell::RecoverySession::start(folder, nullptr);
  auto second = shell::RecoverySession::start(folder, nullptr);
  ASSERT_TRUE(first && second);
  EXPECT_NE(first->id(), second->id());
  ASSERT_TRUE(first->write(sampleMeta(), {bytesOf("mission!"), bytesOf("a.wav")}).ok);
  ASSERT_TRUE(second->write(sampleMeta(), {bytesOf("other"), {}}).ok);
  // A second write replaces the first, and a role left out goes.
  shell::RecoveryMeta one = sampleMeta();
  one.files.pop_back();
  ASSERT_TRUE(second->write(one, {bytesOf("other2")}).ok);
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(folder) / (second->id() + ".sounds")));
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(folder) / (first->id() + ".sounds")));

  auto copies = shell::listCopies(folder);
  ASSERT_EQ(copies.size(), 2u);
  for (const auto& c : copies) EXPECT_TRUE(c.alive && c.readable) << c.problem;

  const std::string gone = first->id();
  first.reset();  // the editor ends; its copy stays
  copies = shell::listCopies(folder);
  ASSERT_EQ(copies.size(), 2u);
  const auto& dead = copies[0].session == gone ? copies[0] : copies[1];
  const auto& live = copies[0].session == gone ? copies[1] : copies[0];
  EXPECT_FALSE(dead.alive);
  EXPECT_TRUE(live.alive);
  std::vector<std::uint8_t> bytes;
  std::string why;
  ASSERT_TRUE(shell::readCopy(folder, dead.meta, "mission", bytes, why)) << why;
  EXPECT_EQ(bytes, bytesOf("mission!"));
  ASSERT_TRUE(shell::readCopy(folder, live.meta, "mission", bytes, why)) << why;
  EXPECT_EQ(bytes, bytesOf("other2"));
  EXPECT_FALSE(live.meta.find("sounds"));
  EXPECT_EQ(dead.meta.find("mission")->path, "/games/a b/m=1.kre");
  EXPECT_EQ(dead.meta.format, 14);
  EXPECT_GT(dead.meta.writtenMs, 0);

  shell::discardCopies(folder, gone);
  copies = shell::listCopies(folder);
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0].session, second->id());
  // A running editor's discard keeps its lock: it still counts as alive.
  second->discard();
  EXPECT_TRUE(shell::listCopies(folder).empty());
  EXPECT_TRUE(shell::sessionAlive(folder, second->id()));
}

TEST(RecoveryFolder, ADamagedCopyIsListedWithWhy) {
  TempDir dir;
  const std::string folder = dir / "recovery";
  struct Case {
    const char* name;
    std::function<void(const std::string& id)> damage;
    std::string problem;
  };
  const Case cases[] = {
      {"cut short",
       [&](const std::string& id) { writeFile(folder + "/" + id + ".mission", "mis"); },
       "the mission copy is cut short"},
      {"damaged",
       [&](const std::string& id) { writeFile(folder + "/" + id + ".mission", "misXion!"); },
       "the mission copy is damaged"},
      {"copy gone",
       [&](const std::string& id) { std::filesystem::remove(folder + "/" + id + ".mission"); },
       "the mission copy is missing"},
      {"description gone",
       [&](const std::string& id) { std::filesystem::remove(folder + "/" + id + ".meta"); },
       "its description is missing"},
      {"newer",
       [&](const std::string& id) { writeFile(folder + "/" + id + ".meta", "ZynED recovery 9\n"); },
       "written by a newer version of the editor"},
  };
  for (const Case& c : cases) {
    std::string id;
    {
      auto s = shell::RecoverySession::start(folder, nullptr);
      ASSERT_TRUE(s);
      id = s->id();
      ASSERT_TRUE(s->write(sampleMeta(), {bytesOf("mission!"), {}}).ok);
    }
    c.damage(id);
    const auto copies = shell::listCopies(folder);
    ASSERT_EQ(copies.size(), 1u) << c.name;
    EXPECT_FALSE(copies[0].readable) << c.name;
    EXPECT_EQ(copies[0].problem, c.problem) << c.name;
    shell::discardCopies(folder, id);
    EXPECT_TRUE(std::filesystem::is_empty(folder)) << c.name;
  }
}

TEST(RecoveryFolder, SaysWhoHoldsAFile) {
  TempDir dir;
  const std::string folder = dir / "recovery";
  writeFile(dir / "m.kre", "x");
  auto a = shell::RecoverySession::start(folder, nullptr);
  auto b = shell::RecoverySession::start(folder, nullptr);
  ASSERT_TRUE(a && b);
  a->setHeldFile(dir / "m.kre");
  b->setHeldFile(dir.str() + "/./m.kre");
  const auto held = shell::holdersOf(folder, dir / "m.kre", b->id());
  ASSERT_EQ(held.size(), 1u);
  EXPECT_EQ(held[0].session, a->id());
  EXPECT_EQ(held[0].pid, static_cast<long>(::getpid()));
  EXPECT_GT(held[0].sinceMs, 0);
  EXPECT_TRUE(shell::holdersOf(folder, dir / "other.kre").empty());
  a->setHeldFile("");
  EXPECT_TRUE(shell::holdersOf(folder, dir / "m.kre", b->id()).empty());
  // An editor killed leaves its mark, which names no holder.
  writeFile(folder + "/1-2-dead.holds", "pid=1\nsince=5\npath=" + dir / "m.kre" + "\n");
  writeFile(folder + "/1-2-dead.lock", "pid=1\n");
  EXPECT_TRUE(shell::holdersOf(folder, dir / "m.kre", b->id()).empty());
}

}  // namespace
