// Reading and writing mission files: round trips, red messages, text blocks, refused and damaged
// files, the byte total, the backup rule and the safe save.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>

#include "mission_generator.h"
#include "model/mission_file.h"
#include "temp_dir.h"

// Records the largest single allocation while `trackAllocations` is set, to show that the reader
// allocates nothing from counts the data cannot back.
namespace {
std::atomic<bool> trackAllocations{false};
std::atomic<std::size_t> largestAllocation{0};
}  // namespace

void* operator new(std::size_t n) {
  if (trackAllocations.load(std::memory_order_relaxed) && n > largestAllocation.load())
    largestAllocation.store(n);
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
// The nothrow form too (std::stable_sort's buffer takes it): left to the sanitizer's runtime, its
// blocks would come back through the free() below and be reported as mismatched.
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
  return std::malloc(n ? n : 1);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace {

using namespace model;
namespace fs = std::filesystem;
using Bytes8 = std::vector<std::uint8_t>;
using testsupport::TempDir;

Mission read(const Bytes8& bytes) {
  Mission m;
  const ReadResult r = readMission(bytes, m);
  EXPECT_TRUE(r.ok()) << r.message;
  return m;
}

Mission withMessage(char colour, const std::string& text) {
  Mission m;
  m.newMission();
  m.addMessage();
  m.messages[0].set(message::Color, static_cast<u8>(colour));
  m.messages[0].setText(message::Text, text);
  return m;
}

std::size_t messageAt(const Mission& m, std::size_t i) {
  return 2 + header::Size + m.flightGroups.size() * fg::Size + i * message::Size;
}

Bytes8 fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes8(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const std::string& path, const Bytes8& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// ---- Round trips ----------------------------------------------------------------------------

TEST(RoundTrip, GeneratedMissionsAreWrittenBackByteForByte) {
  int base = 0, expansion = 0, withTrailing = 0, red = 0;
  for (std::uint64_t seed = 0; seed < 2000; ++seed) {
    const Bytes8 file = testgen::randomMissionFile(seed);
    Mission m;
    const ReadResult r = readMission(file, m);
    ASSERT_TRUE(r.ok()) << "seed " << seed << ": " << r.message;
    const Bytes8 back = writeMission(m);
    ASSERT_EQ(back.size(), file.size()) << "seed " << seed;
    ASSERT_TRUE(back == file) << "seed " << seed << " differs at "
                              << (std::mismatch(back.begin(), back.end(), file.begin()).first -
                                  back.begin());
    (m.platformId == FormatBase ? base : expansion)++;
    withTrailing += !m.trailingBytes.empty();
    for (const auto& msg : m.messages) red += msg.color() == '0';
  }
  // The generator covers what it claims to.
  EXPECT_GT(base, 500);
  EXPECT_GT(expansion, 500);
  EXPECT_GT(withTrailing, 20);
  EXPECT_GT(red, 1000);
}

TEST(RoundTrip, LargeMission) {
  const Bytes8 file = testgen::largeMissionFile();
  const Mission m = read(file);
  EXPECT_EQ(m.flightGroups.size(), 200u);
  EXPECT_EQ(m.messages.size(), 64u);
  EXPECT_EQ(m.briefings[7].get(model::briefing::EventWordsUsed), 400);
  EXPECT_FALSE(m.briefings[7].strings[31].empty());
  EXPECT_EQ(writeMission(m), file);
}

TEST(RoundTrip, SecondGenerationIsStable) {
  // Whatever the reader makes of a file, writing and reading it again changes nothing.
  for (std::uint64_t seed = 0; seed < 50; ++seed) {
    Mission m = read(testgen::randomMissionFile(seed));
    m.platformId = m.platformId == FormatBase ? FormatExpansion : FormatBase;
    const Bytes8 converted = writeMission(m);
    const Mission again = read(converted);
    EXPECT_EQ(writeMission(again), converted) << "seed " << seed;
  }
}

// ---- Messages -------------------------------------------------------------------------------

TEST(Messages, RedMessageIsStoredWithoutColourDigit) {
  const Mission m = withMessage('0', "Hello");
  const Bytes8 file = writeMission(m);
  const std::size_t at = messageAt(m, 0);
  EXPECT_EQ(std::string(file.begin() + at + 2, file.begin() + at + 7), "Hello");
  for (std::size_t i = 7; i < 66; ++i) EXPECT_EQ(file[at + i], 0) << i;
  // The record in memory is not changed by writing.
  EXPECT_EQ(m.messages[0].color(), '0');
  const Mission back = read(file);
  EXPECT_EQ(back.messages[0].color(), '0');
  EXPECT_EQ(back.messages[0].textValue(), "Hello");
}

TEST(Messages, GreenMessageIsStoredWithItsDigit) {
  const Mission m = withMessage('1', "Go");
  const Bytes8 file = writeMission(m);
  const std::size_t at = messageAt(m, 0);
  EXPECT_EQ(file[at + 2], '1');
  EXPECT_EQ(file[at + 3], 'G');
  EXPECT_EQ(file[at + 4], 'o');
  for (std::size_t i = 5; i < 66; ++i) EXPECT_EQ(file[at + i], 0) << i;
  const Mission back = read(file);
  EXPECT_EQ(back.messages[0].color(), '1');
  EXPECT_EQ(back.messages[0].textValue(), "Go");
}

TEST(Messages, StoredZeroDigitIsPartOfARedText) {
  Mission m = withMessage('1', "x");
  Bytes8 file = writeMission(m);
  const std::size_t at = messageAt(m, 0);
  const std::string stored = "0 hour";
  std::copy(stored.begin(), stored.end(), file.begin() + at + 2);
  const Mission back = read(file);
  EXPECT_EQ(back.messages[0].color(), '0');
  EXPECT_EQ(back.messages[0].textValue(), "0 hour");
  EXPECT_EQ(writeMission(back), file);
}

TEST(Messages, FullLengthRedTextKeepsAllItsCharacters) {
  // A red text may fill bytes 2..64: 63 characters.
  const std::string text(63, 'r');
  Mission m = withMessage('1', "x");
  Bytes8 file = writeMission(m);
  const std::size_t at = messageAt(m, 0);
  std::copy(text.begin(), text.end(), file.begin() + at + 2);
  file[at + 65] = 0;
  Mission back = read(file);
  EXPECT_EQ(back.messages[0].textValue(), text);
  // Edited elsewhere (the delay), the text is still written whole.
  back.messages[0].set(message::Delay, u8{9});
  back.messages[0].fromFile = false;
  const Bytes8 again = writeMission(back);
  EXPECT_EQ(std::string(again.begin() + at + 2, again.begin() + at + 65), text);
  EXPECT_EQ(again[at + 65], 0);
}

TEST(Messages, UneditedRedMessageKeepsBytesAfterItsText) {
  Mission m = withMessage('0', "Hi");
  Bytes8 file = writeMission(m);
  const std::size_t at = messageAt(m, 0);
  file[at + 40] = 'z';  // after the terminating zero: no text, but in the file
  Mission back = read(file);
  EXPECT_EQ(writeMission(back), file);
  // Once the text is edited the record is written from its text.
  back.messages[0].setText(message::Text, "Bye");
  const Bytes8 edited = writeMission(back);
  EXPECT_EQ(std::string(edited.begin() + at + 2, edited.begin() + at + 5), "Bye");
  EXPECT_EQ(edited[at + 40], 0);
  // Colour changes are written too: red to green puts the digit back.
  back.messages[0].set(message::Color, u8{'2'});
  const Bytes8 blue = writeMission(back);
  EXPECT_EQ(blue[at + 2], '2');
  EXPECT_EQ(read(blue).messages[0].textValue(), "Bye");
}

TEST(Messages, SentToAnyTeamIsComputedOnLoad) {
  Mission m = withMessage('1', "x");
  m.messages[0].set(message::SentToTeam, u8{0}, 0);
  m.messages[0].set(message::SentToTeam, u8{1}, 9);  // teams 9 and 10 do not count
  EXPECT_FALSE(read(writeMission(m)).messages[0].sentToAnyTeam);
  m.messages[0].set(message::SentToTeam, u8{1}, 7);
  EXPECT_TRUE(read(writeMission(m)).messages[0].sentToAnyTeam);
}

// ---- Text blocks and formats ----------------------------------------------------------------

TEST(Formats, DescriptionLineBreakIsStoredAsDollar) {
  Mission m;
  m.platformId = FormatBase;
  m.newMission();
  m.description.setText("A\r\nB");
  const Bytes8 file = writeMission(m);
  const std::size_t at = file.size() - 1024;
  EXPECT_EQ(file[at], 'A');
  EXPECT_EQ(file[at + 1], '$');
  EXPECT_EQ(file[at + 2], 'B');
  EXPECT_TRUE(std::all_of(file.begin() + static_cast<long>(at) + 3, file.end(),
                          [](auto b) { return b == 0; }));
  EXPECT_EQ(read(file).description.text(), "A\r\nB");
}

TEST(Formats, BaseFormatFileLoadedIntoAnExpansionMission) {
  const Bytes8 file = testgen::randomMissionFile(3, 12);
  Mission m;
  m.newMission();
  ASSERT_EQ(m.platformId, FormatExpansion);
  ASSERT_TRUE(readMission(file, m).ok());
  EXPECT_EQ(m.platformId, FormatBase);
  EXPECT_EQ(m.descriptionSize(), 1024u);
  EXPECT_EQ(m.description.size(), 1024u);
  EXPECT_EQ(m.successDebrief.text(), "");
  EXPECT_EQ(m.failureDebrief.text(), "");
  EXPECT_EQ(writeMission(m), file);
}

TEST(Formats, ConversionKeepsRecordsAndAdaptsTextBlocks) {
  Mission m;
  m.newMission();
  m.addMessage();
  m.briefings[0].strings[0] = "Title";
  m.successDebrief.setText("Well done");
  m.description.setText(std::string(2000, 'd'));

  m.platformId = FormatBase;
  const Bytes8 base = writeMission(m);
  const Mission b = read(base);
  EXPECT_EQ(b.platformId, FormatBase);
  EXPECT_EQ(b.description.text(), std::string(1023, 'd'));  // at most 1023 characters
  EXPECT_EQ(b.successDebrief.text(), "");                   // not in the base format
  EXPECT_EQ(b.flightGroups[0].bytes, m.flightGroups[0].bytes);
  EXPECT_EQ(b.messages[0].bytes, m.messages[0].bytes);
  EXPECT_EQ(b.briefings, m.briefings);

  Mission up = b;
  up.platformId = FormatExpansion;
  const Mission e = read(writeMission(up));
  EXPECT_EQ(e.platformId, FormatExpansion);
  EXPECT_EQ(e.description.text(), std::string(1023, 'd'));
  EXPECT_EQ(e.successDebrief.text(), "");
  EXPECT_EQ(writeMission(e).size(), writeMission(up).size());
}

TEST(Formats, SavedByteTotalFollowsTheLayout) {
  Mission m;
  m.platformId = FormatBase;
  m.newMission();
  m.addFlightGroup();
  m.addFlightGroup();
  m.addMessage();
  m.addMessage();
  m.briefings[0].strings[0] = "Title";  // 5 bytes
  m.briefings[3].tags[31] = "ab";       // 2 bytes
  const std::size_t strings = 8 * 64 * 2 + 5 + 2;
  const std::size_t expected =
      2 + 162 + 3 * 1378 + 2 * 116 + 1280 + 4870 + 8 * 820 + strings + 3 * 1536 + 53760 + 1024;
  EXPECT_EQ(writeMission(m).size(), expected);

  TempDir dir;
  const SaveResult r = saveMissionFile(m, dir.file("three.kre"));
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.bytes, expected);
  EXPECT_EQ(fs::file_size(dir.file("three.kre")), expected);
  EXPECT_EQ(savedBytesNotice(FormatBase, r.bytes),
            "Zyn Format.  " + std::to_string(expected) + " bytes written.");
  EXPECT_EQ(savedBytesNotice(FormatExpansion, 12), "Qvn Format.  12 bytes written.");
  // Expansion: three 4096-byte blocks instead of one of 1024.
  m.platformId = FormatExpansion;
  EXPECT_EQ(writeMission(m).size(), expected - 1024 + 3 * 4096);
}

TEST(Formats, HeaderCountsFollowTheLists) {
  Mission m;
  m.newMission();
  m.flightGroups.push_back(m.flightGroups[0]);  // without AddFlightGroup
  m.header.set(header::MessageCount, u16{7});
  const Mission back = read(writeMission(m));
  EXPECT_EQ(back.flightGroups.size(), 2u);
  EXPECT_EQ(back.header.get(header::FlightGroupCount), 2);
  EXPECT_EQ(back.header.get(header::MessageCount), 0);
}

// ---- What the reader derives ----------------------------------------------------------------

TEST(Reading, DerivedValuesAndSessionState) {
  Mission m;
  m.newMission();
  m.addFlightGroup();
  FlightGroup& g = m.flightGroups[1];
  g.set(fg::Team, u8{3});
  g.set(fg::Iff, u8{5});
  g.set(fg::WaypointX, i16{10}, Waypoint1);
  g.set(fg::WaypointEnabled, i16{0}, Hyperspace);
  const Bytes8 file = writeMission(m);

  MissionDefaults defaults;
  defaults.autoLink = false;
  Mission back;
  ASSERT_TRUE(readMission(file, back, defaults).ok());
  EXPECT_FALSE(back.flightGroups[0].autoLink);
  EXPECT_EQ(back.flightGroups[1].heading.yawCos, 1.0);
  EXPECT_EQ(back.flightGroups[1].lastRoutePoint, 5);
  EXPECT_EQ(back.flightGroups[0].lastRoutePoint, 14);
  EXPECT_EQ(back.teamIff[0], 1);
  EXPECT_EQ(back.teamIff[3], 5);
  EXPECT_EQ(back.teamIff[2], 0);
}

// ---- Refused files --------------------------------------------------------------------------

Bytes8 withPlatform(Bytes8 file, std::int16_t id) {
  file[0] = static_cast<std::uint8_t>(id & 0xFF);
  file[1] = static_cast<std::uint8_t>((id >> 8) & 0xFF);
  return file;
}

// A Mission with content of its own, to show that a refusal leaves it alone.
Mission openMission() {
  Mission m = read(testgen::randomMissionFile(11));
  m.sounds = {"open.wav"};
  return m;
}

void expectUntouched(const Mission& m, const Bytes8& image) {
  EXPECT_EQ(writeMission(m), image);
  EXPECT_EQ(m.sounds, std::vector<std::string>{"open.wav"});
}

TEST(Refused, PlatformIds) {
  const Bytes8 valid = testgen::randomMissionFile(5);
  Mission m = openMission();
  const Bytes8 image = writeMission(m);

  ReadResult r = readMission(withPlatform(valid, -1), m);
  EXPECT_EQ(r.status, ReadStatus::Refused);
  EXPECT_EQ(r.message, "This is a Kre Fighter mission file - Can't load it");
  expectUntouched(m, image);

  for (std::int16_t id : {0, 1, 3, 11, 13, 15, 0x7FFF, -2, -32768}) {
    r = readMission(withPlatform(valid, id), m);
    EXPECT_EQ(r.status, ReadStatus::Refused) << id;
    EXPECT_EQ(r.message, "Unrecognized file type") << id;
  }
  expectUntouched(m, image);

  // Missions of the older game go to the importer; this reader does not take them.
  r = readMission(withPlatform(valid, 2), m);
  EXPECT_EQ(r.status, ReadStatus::OlderFormat);
  EXPECT_FALSE(r.ok());
  EXPECT_NE(r.message.find("older"), std::string::npos) << r.message;
  expectUntouched(m, image);
}

// The block a cut at `cut` falls into, as the reader names it.
std::string blockAt(const testgen::FileMap& map, std::size_t cut) {
  if (cut < 2) return "the platform id";
  if (cut < map.flightGroups) return "the header";
  if (cut < map.messages)
    return "flight group " + std::to_string((cut - map.flightGroups) / fg::Size + 1);
  if (cut < map.globalGoals)
    return "message " + std::to_string((cut - map.messages) / message::Size + 1);
  if (cut < map.teams) return "global goal " + std::to_string((cut - map.globalGoals) / 128 + 1);
  if (cut < map.briefings) return "team " + std::to_string((cut - map.teams) / 487 + 1);
  if (cut < map.goalStrings) return "briefing";
  if (cut < map.globalGoalStrings)
    return "the goal strings of flight group " + std::to_string((cut - map.goalStrings) / 1536 + 1);
  if (cut < map.textBlocks)
    return "the global goal strings of team " +
           std::to_string((cut - map.globalGoalStrings) / 5376 + 1);
  const bool base = map.end - map.textBlocks == 1024;
  if (base) return "the description";
  static const char* const Blocks[] = {"the success debriefing", "the failure debriefing",
                                       "the description"};
  return Blocks[(cut - map.textBlocks) / 4096];
}

TEST(Refused, EveryTruncationIsRefusedWithWhatIsMissing) {
  Mission m = openMission();
  const Bytes8 image = writeMission(m);
  int cuts = 0;
  for (std::uint64_t seed : {20, 21, 22, 23}) {
    testgen::GeneratorLimits small;
    small.maxFlightGroups = 3;
    small.maxMessages = 3;
    small.maxTrailingBytes = 0;
    const Bytes8 file = testgen::randomMissionFile(seed, small);
    const testgen::FileMap map = testgen::mapFile(file);
    ASSERT_EQ(map.end, file.size());
    std::vector<std::size_t> points = {0, 1, 2, 3, 100, file.size() - 1};
    for (std::size_t b : {map.flightGroups, map.messages, map.globalGoals, map.teams, map.briefings,
                          map.goalStrings, map.globalGoalStrings, map.textBlocks})
      for (std::size_t d : {b - 1, b, b + 1})
        if (d < file.size()) points.push_back(d);
    for (std::size_t cut = 0; cut < file.size(); cut += 173) points.push_back(cut);
    for (std::size_t cut : points) {
      const Bytes8 part(file.begin(), file.begin() + static_cast<long>(cut));
      const ReadResult r = readMission(part, m);
      ASSERT_EQ(r.status, ReadStatus::Refused) << "cut at " << cut;
      EXPECT_NE(r.message.find("ends at byte " + std::to_string(cut)), std::string::npos)
          << r.message;
      EXPECT_NE(r.message.find(blockAt(map, cut)), std::string::npos)
          << "cut at " << cut << ": " << r.message;
      ++cuts;
    }
    // Inside a briefing: which one, and which of its tags.
    const std::size_t tag = map.briefings + model::briefing::Size + 1;
    const ReadResult r =
        readMission(Bytes8(file.begin(), file.begin() + static_cast<long>(tag)), m);
    EXPECT_NE(r.message.find(" inside briefing 1, tag 1 ("), std::string::npos) << r.message;
  }
  EXPECT_GT(cuts, 1000);
  expectUntouched(m, image);
}

TEST(Refused, HugeCountsInATinyFileAllocateNothing) {
  Bytes8 file = testgen::randomMissionFile(8, 14);
  file.resize(2 + header::Size + 10);
  Mission m = openMission();
  const Bytes8 image = writeMission(m);
  for (auto [fgs, msgs] : {std::pair{0xFFFF, 0}, std::pair{0, 0xFFFF}, std::pair{0xFFFF, 0xFFFF}}) {
    file[2] = static_cast<std::uint8_t>(fgs & 0xFF);
    file[3] = static_cast<std::uint8_t>(fgs >> 8);
    file[4] = static_cast<std::uint8_t>(msgs & 0xFF);
    file[5] = static_cast<std::uint8_t>(msgs >> 8);
    largestAllocation = 0;
    trackAllocations = true;
    const ReadResult r = readMission(file, m);
    trackAllocations = false;
    EXPECT_EQ(r.status, ReadStatus::Refused);
    EXPECT_NE(r.message.find(fgs ? "flight group 1 of 65535" : "message 1 of 65535"),
              std::string::npos)
        << r.message;
    // The Mission itself is some 100 KB; 65535 flight groups would be 190 MB.
    EXPECT_LT(largestAllocation.load(), 1u << 20) << "allocated from the count";
  }
  expectUntouched(m, image);
}

TEST(Refused, MissingAndUnreadableFiles) {
  TempDir dir;
  Mission m = openMission();
  const Bytes8 image = writeMission(m);
  ReadResult r = loadMissionFile(dir.file("none.kre"), m);
  EXPECT_FALSE(r.ok());
  EXPECT_NE(r.message.find("none.kre"), std::string::npos);
  r = loadMissionFile(dir.str(), m);  // a folder
  EXPECT_FALSE(r.ok());
  EXPECT_NE(r.message.find("not a regular file"), std::string::npos) << r.message;
  // A named pipe nobody writes to is refused at once rather than hanging the editor.
  ASSERT_EQ(::mkfifo(dir.file("pipe.kre").c_str(), 0600), 0);
  r = loadMissionFile(dir.file("pipe.kre"), m);
  EXPECT_FALSE(r.ok());
  EXPECT_NE(r.message.find("not a regular file"), std::string::npos) << r.message;
  writeBytes(dir.file("empty.kre"), {});
  r = loadMissionFile(dir.file("empty.kre"), m);
  EXPECT_FALSE(r.ok());
  EXPECT_NE(r.message.find("empty.kre"), std::string::npos);
  EXPECT_NE(r.message.find("platform id"), std::string::npos) << r.message;
  // The exact messages of the game's own refusals are shown as they are.
  writeBytes(dir.file("kre.kre"), withPlatform(testgen::randomMissionFile(1), -1));
  EXPECT_EQ(loadMissionFile(dir.file("kre.kre"), m).message,
            "This is a Kre Fighter mission file - Can't load it");
  expectUntouched(m, image);
}

TEST(Loading, LoadReadsTheFile) {
  TempDir dir;
  const Bytes8 file = testgen::randomMissionFile(9);
  writeBytes(dir.file("m.kre"), file);
  Mission m;
  ASSERT_TRUE(loadMissionFile(dir.file("m.kre"), m).ok());
  EXPECT_EQ(writeMission(m), file);
}

// ---- Backup rule ----------------------------------------------------------------------------

TEST(Backup, BesideTheMissionUnlessItIsTheBackup) {
  EXPECT_EQ(backupPathFor("/game/Train/m1.kre"),
            std::optional<std::string>("/game/Train/Backup.kre"));
  EXPECT_EQ(backupPathFor("/game/Train/Backup.kre"), std::nullopt);
  EXPECT_EQ(backupPathFor("/game/Train/BACKUP.KRE"), std::nullopt);
  EXPECT_EQ(backupPathFor("/game/backup.Kre"), std::nullopt);
  EXPECT_EQ(backupPathFor("Unnamed"), std::nullopt);
  EXPECT_EQ(backupPathFor("/game/Backup.kre.old"), std::optional<std::string>("/game/Backup.kre"));
}

// ---- Saving ---------------------------------------------------------------------------------

TEST(Saving, WritesTheFile) {
  TempDir dir;
  Mission m;
  m.newMission();
  const std::string path = dir.file("new.kre");
  const SaveResult r = saveMissionFile(m, path);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(fileBytes(path), writeMission(m));
  // Nothing but the file is left in the folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(Saving, ReplacingKeepsPermissionsAndFollowsLinks) {
  TempDir dir;
  const std::string path = dir.file("m.kre");
  writeBytes(path, {1, 2, 3});
  // A mode neither a replacement (owner only) nor a new file (as the umask leaves it) is
  // created with.
  const fs::perms kept = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(path, kept);
  Mission m;
  m.newMission();
  ASSERT_TRUE(saveMissionFile(m, path).ok);
  EXPECT_EQ(fileBytes(path), writeMission(m));
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, kept);

  const std::string link = dir.file("link.kre");
  fs::create_symlink(path, link);
  m.addFlightGroup();
  ASSERT_TRUE(saveMissionFile(m, link).ok);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(fileBytes(path), writeMission(m));
}

TEST(Saving, LinkToAFileNotYetThereCreatesItAndStays) {
  TempDir dir;
  fs::create_directory(dir.file("real"));
  const std::string link = dir.file("m.kre");
  fs::create_symlink("real/m.kre", link);  // relative, and dangling
  Mission m;
  m.newMission();
  ASSERT_TRUE(saveMissionFile(m, link).ok);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(fileBytes(dir.file("real/m.kre")), writeMission(m));
}

TEST(Saving, FailureLeavesTheOldFile) {
  TempDir dir;
  Mission m;
  m.newMission();

  // A folder that does not exist.
  SaveResult r = saveMissionFile(m, dir.file("missing/m.kre"));
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("missing/m.kre"), std::string::npos) << r.error;

  // A target that is a folder with content.
  fs::create_directory(dir.file("folder.kre"));
  writeBytes(dir.file("folder.kre/inside"), {7});
  r = saveMissionFile(m, dir.file("folder.kre"));
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.error, "Could not save \"" + dir.file("folder.kre") + "\": it is a folder.");
  EXPECT_TRUE(fs::is_directory(dir.file("folder.kre")));
  EXPECT_EQ(fileBytes(dir.file("folder.kre/inside")), Bytes8{7});
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1)
      << "a temporary file was left behind";
}

TEST(Saving, WriteErrorLeavesTheOldFileIntact) {
  // A file size limit makes the write itself fail, whoever runs the test.
  TempDir dir;
  const std::string path = dir.file("m.kre");
  const Bytes8 old = {'o', 'l', 'd'};
  writeBytes(path, old);
  Mission m;
  m.newMission();

  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const SaveResult r = saveMissionFile(m, path);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(r.ok);
  EXPECT_FALSE(r.error.empty());
  EXPECT_EQ(fileBytes(path), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(Saving, WriteProtectedFileIsRefused) {
  TempDir dir;
  const std::string path = dir.file("m.kre");
  const Bytes8 old = {'o', 'l', 'd'};
  writeBytes(path, old);
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
  Mission m;
  m.newMission();
  const SaveResult r = saveMissionFile(m, path);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("write-protected"), std::string::npos) << r.error;
  EXPECT_EQ(fileBytes(path), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

// A file written in place (it has other names) is read back and checked too; one that fails the
// check gets its old content back.
TEST(Saving, AFileWrittenInPlaceThatFailsItsCheckKeepsItsOldContent) {
  TempDir dir;
  const std::string path = dir.file("m.kre");
  writeBytes(path, {1, 2, 3});
  fs::create_hard_link(path, dir.file("other.kre"));
  const SaveResult r =
      saveFile(path, {9, 9}, [](const std::vector<std::uint8_t>&, std::string& why) {
        why = "the bytes read back differ";
        return false;
      });
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("the bytes read back differ"), std::string::npos) << r.error;
  EXPECT_EQ(fileBytes(path), (Bytes8{1, 2, 3}));
}

TEST(Saving, HardLinkedFileIsWrittenInPlaceForEveryName) {
  TempDir dir;
  const std::string path = dir.file("m.kre"), other = dir.file("other.kre");
  writeBytes(path, {1, 2, 3});
  fs::create_hard_link(path, other);
  Mission m;
  m.newMission();
  ASSERT_TRUE(saveMissionFile(m, path).ok);
  EXPECT_EQ(fs::hard_link_count(path), 2u);
  EXPECT_EQ(fileBytes(other), writeMission(m));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

TEST(Saving, FailedWriteInPlaceGivesTheOldContentBack) {
  TempDir dir;
  const std::string path = dir.file("m.kre");
  const Bytes8 old = {'o', 'l', 'd'};
  writeBytes(path, old);
  fs::create_hard_link(path, dir.file("other.kre"));
  Mission m;
  m.newMission();
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const SaveResult r = saveMissionFile(m, path);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("keeps its old content"), std::string::npos) << r.error;
  EXPECT_EQ(fileBytes(path), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

TEST(Saving, ReplacedFileKeepsItsOwnerAndGroup) {
  if (::geteuid() != 0) GTEST_SKIP() << "only the superuser can give a file to someone else";
  TempDir dir;
  const std::string path = dir.file("m.kre");
  writeBytes(path, {1, 2, 3});
  ASSERT_EQ(::chown(path.c_str(), 4242, 4343), 0);
  Mission m;
  m.newMission();
  ASSERT_TRUE(saveMissionFile(m, path).ok);
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, 4242u);
  EXPECT_EQ(st.st_gid, 4343u);
}

}  // namespace
