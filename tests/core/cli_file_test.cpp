// zyned-cli's file commands, run as a user would: exit status, stdout and stderr.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "mission_generator.h"
#include "model/mission_file.h"

namespace {

namespace fs = std::filesystem;
using Bytes8 = std::vector<std::uint8_t>;

struct FileCliRun {
  int status = -1;
  std::string out, err;
};

class CliFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("zyned-cli-test-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  std::string path(const std::string& name) const { return (dir_ / name).string(); }

  static std::string quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
  }

  static std::string slurp(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }

  FileCliRun run(const std::vector<std::string>& args) const {
    // A settings folder of the test's own: the user's settings are never read.
    std::string cmd = "ZYNED_CONFIG_DIR=" + quote(path("config")) + " " + quote(ZYNED_CLI_PATH);
    for (const auto& a : args) cmd += " " + quote(a);
    cmd += " >" + quote(path("stdout")) + " 2>" + quote(path("stderr")) + " </dev/null";
    const int raw = std::system(cmd.c_str());
    FileCliRun r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = slurp(path("stdout"));
    r.err = slurp(path("stderr"));
    return r;
  }

  std::string put(const std::string& name, const Bytes8& bytes) const {
    std::ofstream out(path(name), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return path(name);
  }

  fs::path dir_;
};

// A strict JSON syntax check: enough to know the dump is one well-formed value.
class JsonChecker {
 public:
  explicit JsonChecker(const std::string& s) : s_(s) {}
  bool valid() {
    ws();
    if (!value()) return false;
    ws();
    return at_ == s_.size();
  }

 private:
  bool value() {
    if (at_ >= s_.size()) return false;
    const char c = s_[at_];
    if (c == '{') return object();
    if (c == '[') return array();
    if (c == '"') return string();
    if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) return number();
    for (const char* word : {"true", "false", "null"})
      if (s_.compare(at_, std::strlen(word), word) == 0) {
        at_ += std::strlen(word);
        return true;
      }
    return false;
  }
  bool object() {
    ++at_;
    ws();
    if (peek('}')) return ++at_, true;
    for (;;) {
      ws();
      if (!string()) return false;
      ws();
      if (!peek(':')) return false;
      ++at_;
      ws();
      if (!value()) return false;
      ws();
      if (peek('}')) return ++at_, true;
      if (!peek(',')) return false;
      ++at_;
    }
  }
  bool array() {
    ++at_;
    ws();
    if (peek(']')) return ++at_, true;
    for (;;) {
      ws();
      if (!value()) return false;
      ws();
      if (peek(']')) return ++at_, true;
      if (!peek(',')) return false;
      ++at_;
    }
  }
  bool string() {
    if (!peek('"')) return false;
    for (++at_; at_ < s_.size(); ++at_) {
      const auto c = static_cast<unsigned char>(s_[at_]);
      if (c == '"') return ++at_, true;
      if (c < 0x20) return false;
      if (c == '\\') {
        if (++at_ >= s_.size()) return false;
        const char e = s_[at_];
        if (e == 'u') {
          for (int k = 0; k < 4; ++k)
            if (++at_ >= s_.size() || !std::isxdigit(static_cast<unsigned char>(s_[at_])))
              return false;
        } else if (std::string("\"\\/bfnrt").find(e) == std::string::npos) {
          return false;
        }
      }
    }
    return false;
  }
  bool number() {
    const std::size_t start = at_;
    if (peek('-')) ++at_;
    while (at_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[at_]))) ++at_;
    return at_ > start + (s_[start] == '-' ? 1 : 0);
  }
  bool peek(char c) const { return at_ < s_.size() && s_[at_] == c; }
  void ws() {
    while (at_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[at_]))) ++at_;
  }
  const std::string& s_;
  std::size_t at_ = 0;
};

std::size_t count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST_F(CliFiles, NewInfoAndRoundtrip) {
  FileCliRun r = run({"new", "--format", "12", path("a.kre")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Zyn Format.  71596 bytes written.\n");
  EXPECT_EQ(fs::file_size(path("a.kre")), 71596u);

  r = run({"info", path("a.kre")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Format: 12 (Zyn Format)\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Flight groups: 1\n"), std::string::npos);
  EXPECT_NE(r.out.find("Messages: 0\n"), std::string::npos);
  EXPECT_NE(r.out.find("Mission type: 0 (Training)\n"), std::string::npos);
  EXPECT_NE(r.out.find("Time limit: 0:00\n"), std::string::npos);

  r = run({"roundtrip", path("a.kre")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "identical: 71596 bytes\n");

  r = run({"new", "--format=14", path("b.kre")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(fs::file_size(path("b.kre")), 71596u - 1024 + 3 * 4096);
}

TEST_F(CliFiles, InfoShowsTitleTypeAndTimeLimit) {
  model::Mission m;
  m.newMission();
  m.header.set(model::header::MissionType, model::u8{2});
  m.header.set(model::header::TimeLimitMinutes, model::u8{5});
  m.header.set(model::header::TimeLimitSeconds, model::u8{7});
  m.briefings[0].strings[0] = "Caf\xe9 run";  // Windows-1252 e acute
  m.addFlightGroup();
  m.addMessage();
  ASSERT_TRUE(model::saveMissionFile(m, path("m.kre")).ok);
  const FileCliRun r = run({"info", path("m.kre")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Flight groups: 2\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Messages: 1\n"), std::string::npos);
  EXPECT_NE(r.out.find("Mission type: 2 (Melee)\n"), std::string::npos);
  EXPECT_NE(r.out.find("Time limit: 5:07\n"), std::string::npos);
  EXPECT_NE(r.out.find("Title: Caf\xc3\xa9 run\n"), std::string::npos);
}

TEST_F(CliFiles, RoundtripOfGeneratedMissions) {
  for (std::uint64_t seed : {1, 2, 3, 4}) {
    const std::string file = put("g.kre", testgen::randomMissionFile(seed));
    const FileCliRun r = run({"roundtrip", file});
    EXPECT_EQ(r.status, 0) << "seed " << seed << ": " << r.out << r.err;
  }
}

TEST_F(CliFiles, RefusedFilesExitOneWithTheMessage) {
  Bytes8 file = testgen::randomMissionFile(6);
  file[0] = 0xFF;
  file[1] = 0xFF;
  FileCliRun r = run({"info", put("kre.kre", file)});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err,
            "\"" + path("kre.kre") + "\": This is a Kre Fighter mission file - Can't load it\n");
  EXPECT_EQ(r.out, "");

  r = run({"dump", put("old.vtn", Bytes8{2, 0, 0, 0})});  // an older mission cut in its header
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("older-format mission"), std::string::npos) << r.err;
  EXPECT_EQ(r.out, "");

  const Bytes8 whole = testgen::randomMissionFile(6);
  r = run({"roundtrip", put("cut.kre", Bytes8(whole.begin(), whole.begin() + 5000))});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("cut.kre"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("ends at byte 5000"), std::string::npos) << r.err;

  r = run({"info", path("missing.kre")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("missing.kre"), std::string::npos);

  r = run({"convert", "--format", "12", put("kre2.kre", {0xFF, 0xFF}), path("out.kre")});
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(fs::exists(path("out.kre")));
  r = run({"new", "--format", "14", path("no/such/folder/new.kre")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Could not save"), std::string::npos) << r.err;
}

TEST_F(CliFiles, UsageErrorsExitTwo) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {},
           {"nonsense"},
           {"info"},
           {"info", "a", "b"},
           {"dump"},
           {"roundtrip"},
           {"convert", "in", "out"},
           {"convert", "--format", "13", "in", "out"},
           {"convert", "--format"},
           {"new", "out"},
           {"new", "--format", "12"},
       }) {
    const FileCliRun r = run(args);
    EXPECT_EQ(r.status, 2) << (args.empty() ? "(none)" : args[0]);
    EXPECT_NE(r.err.find("usage: zyned-cli"), std::string::npos) << r.err;
  }
  const FileCliRun r = run({"nonsense"});
  EXPECT_NE(r.err.find("roundtrip"), std::string::npos) << "the command list names the commands";
}

TEST_F(CliFiles, ConvertBetweenFormats) {
  model::Mission m;
  m.newMission();
  m.successDebrief.setText("Well done");
  m.description.setText("Line 1\r\nLine 2");
  ASSERT_TRUE(model::saveMissionFile(m, path("x.kre")).ok);

  FileCliRun r = run({"convert", "--format", "12", path("x.kre"), path("y.kre")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Zyn Format.  "), std::string::npos);
  EXPECT_NE(r.err.find("debriefings"), std::string::npos) << "dropped debriefings are named";
  model::Mission y;
  ASSERT_TRUE(model::loadMissionFile(path("y.kre"), y).ok());
  EXPECT_EQ(y.platformId, model::FormatBase);
  EXPECT_EQ(y.description.text(), "Line 1\r\nLine 2");
  EXPECT_EQ(y.flightGroups[0].bytes, m.flightGroups[0].bytes);

  r = run({"convert", "--format", "14", path("y.kre"), path("z.kre")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  r = run({"info", path("z.kre")});
  EXPECT_NE(r.out.find("Format: 14 (Qvn Format)"), std::string::npos);
}

TEST_F(CliFiles, DumpIsJsonWithEveryRecord) {
  model::Mission m;
  m.newMission();
  m.addFlightGroup();
  m.flightGroups[1].setText(model::fg::Name, "Alpha \"1\"");
  m.flightGroups[1].set(model::fg::WaypointX, model::i16{-160}, model::Start1);
  m.flightGroups[1].goalStrings.setText(model::fggoalstrings::text(0, 1), "Done\\ok");
  m.addMessage();
  m.messages[0].setText(model::message::Text, "Tab\there");
  m.briefings[0].strings[0] = "Euro \x80 and \x81 odd";
  m.briefings[2].tags[4] = "tag";
  m.description.setText("A\r\nB");
  m.trailingBytes = {9, 8};
  ASSERT_TRUE(model::saveMissionFile(m, path("d.kre")).ok);

  const FileCliRun r = run({"dump", path("d.kre")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(JsonChecker(r.out).valid()) << r.out.substr(0, 2000);
  // Top-level keys in their fixed order.
  std::size_t last = 0;
  for (const char* key :
       {"\"PlatformId\": 14", "\"Header\"", "\"FlightGroups\"", "\"Messages\"", "\"GlobalGoals\"",
        "\"Teams\"", "\"Briefings\"", "\"GlobalGoalStrings\"", "\"Description\"",
        "\"SuccessDebrief\"", "\"FailureDebrief\"", "\"TrailingBytes\": [9, 8]"}) {
    const std::size_t at = r.out.find(std::string("\n  ") + key);  // top level: two spaces
    ASSERT_NE(at, std::string::npos) << key;
    EXPECT_GT(at, last) << key;
    last = at;
  }
  EXPECT_NE(r.out.find("\"Name\": \"Alpha \\\"1\\\"\""), std::string::npos);
  EXPECT_NE(r.out.find("\"Success\": \"Done\\\\ok\""), std::string::npos);
  EXPECT_NE(r.out.find("\"Text\": \"Tab\\there\""), std::string::npos);
  EXPECT_NE(r.out.find("Euro \xe2\x82\xac and \\u0081 odd"), std::string::npos);
  EXPECT_NE(r.out.find("\"Description\": \"A\\nB\""), std::string::npos);
  EXPECT_NE(r.out.find("\"WaypointX\": [-160, "), std::string::npos);
  EXPECT_NE(r.out.find("\"RawGroups\": {"), std::string::npos);
  EXPECT_NE(r.out.find("\"Raw7\": [0]"), std::string::npos);
  // Nested records by their field names.
  EXPECT_EQ(count(r.out, "\"ArrivalTriggers\": {"), 2u);
  EXPECT_EQ(count(r.out, "\"Orders\": ["), 2u);
  EXPECT_EQ(count(r.out, "\"Command\": "), 8u);
  EXPECT_EQ(count(r.out, "\"GoalTime\": "), 16u);
  EXPECT_EQ(count(r.out, "\"BriefingStrings\": ["), 8u);
  EXPECT_EQ(count(r.out, "\"Events\": ["), 8u);
  EXPECT_EQ(count(r.out, "\"Leading\": 3"), 10u);
  EXPECT_EQ(count(r.out, "\"Secondary2\": "), 10u);
  EXPECT_NE(r.out.find("\"Primary\": {\n"), std::string::npos);
}

TEST_F(CliFiles, DumpOfEveryGeneratedMissionIsJson) {
  // Random bytes in every text field: control characters and every Windows-1252 byte.
  for (std::uint64_t seed : {30, 31, 32}) {
    const std::string file = put("g.kre", testgen::randomMissionFile(seed));
    const FileCliRun r = run({"dump", file});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(JsonChecker(r.out).valid()) << "seed " << seed;
  }
}

}  // namespace
