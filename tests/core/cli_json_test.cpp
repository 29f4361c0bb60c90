// zyned-cli's JSON commands run as a user runs them: from-json, diff, schema, and git showing
// mission files through dump.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "cli_runner.h"
#include "mission_generator.h"
#include "model/mission_file.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testsupport::readFile;
using testsupport::writeFile;

struct JsonCommands : ::testing::Test {
  testsupport::CliRun run(const std::string& args) {
    return testsupport::runCliWithConfig(ZYNED_CLI_PATH, dir.str(), args);
  }
  std::string quoted(const std::string& name) { return "'" + dir / name + "'"; }
  std::string put(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    writeFile(dir / name, std::string(bytes.begin(), bytes.end()));
    return quoted(name);
  }
  testsupport::TempDir dir;
};

TEST_F(JsonCommands, FromJsonWritesTheFileDumpDescribes) {
  const auto file = testgen::randomMissionFile(7);
  const auto dump = run("dump " + put("m.kre", file));
  ASSERT_EQ(dump.status, 0) << dump.err;
  writeFile(dir / "m.json", dump.out);
  const auto r = run("from-json " + quoted("m.json") + " " + quoted("back.kre"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, model::savedBytesNotice(file[0], file.size()) + "\n");
  EXPECT_EQ(readFile(dir / "back.kre"), readFile(dir / "m.kre"));
  // "-" reads standard input.
  const std::string piped = "'" + std::string(ZYNED_CLI_PATH) + "' from-json - " +
                            quoted("piped.kre") + " <" + quoted("m.json") + " >/dev/null";
  ASSERT_EQ(std::system(piped.c_str()), 0);
  EXPECT_EQ(readFile(dir / "piped.kre"), readFile(dir / "m.kre"));
}

TEST_F(JsonCommands, FromJsonRefusalLeavesTheOutputAsItWas) {
  writeFile(dir / "old.kre", "old bytes");
  writeFile(dir / "bad.json", R"({"FlightGroups": [{}, {}, {}, {"CraftType": 300}]})");
  auto r = run("from-json " + quoted("bad.json") + " " + quoted("old.kre"));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, dir / "bad.json" + ": FlightGroups[3].CraftType: 300 is outside 0..255\n");
  EXPECT_EQ(readFile(dir / "old.kre"), "old bytes");
  writeFile(dir / "bad.json", "{\n  \"PlatformId\": 14\n  \"Header\": {}\n}");
  r = run("from-json " + quoted("bad.json") + " " + quoted("old.kre"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("bad.json: line 3, column 10: syntax error"), std::string::npos) << r.err;
  EXPECT_EQ(readFile(dir / "old.kre"), "old bytes");
  EXPECT_EQ(run("from-json " + quoted("missing.json") + " " + quoted("old.kre")).status, 1);
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 2u);  // nothing half-written beside them
  EXPECT_EQ(run("from-json " + quoted("bad.json")).status, 2);
}

TEST_F(JsonCommands, DiffTakesMissionsOrTheirJsonAndExitsLikeDiff) {
  model::Mission m;
  m.newMission();
  put("a.kre", model::writeMission(m));
  m.flightGroups[0].set(model::fg::CraftType, model::u8{12});
  put("b.kre", model::writeMission(m));
  writeFile(dir / "a.json", run("dump " + quoted("a.kre")).out);

  auto r = run("diff " + quoted("a.kre") + " " + quoted("a.json"));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  r = run("diff " + quoted("a.json") + " " + quoted("b.kre"));
  EXPECT_EQ(r.status, 1) << r.err;
  EXPECT_EQ(r.out, "FlightGroups[0] \"Unnamed\": CraftType 1 -> 12\n");
  const std::string piped = "'" + std::string(ZYNED_CLI_PATH) + "' diff " + quoted("b.kre") +
                            " - <" + quoted("a.json") + " >/dev/null";
  EXPECT_EQ(WEXITSTATUS(std::system(piped.c_str())), 1);

  // Trouble: a side that cannot be read, JSON that is refused, a usage error.
  writeFile(dir / "bad.json", R"({"Teams": []})");
  r = run("diff " + quoted("a.kre") + " " + quoted("bad.json"));
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, dir / "bad.json" + ": Teams: 0 entries, expected 10\n");
  EXPECT_EQ(run("diff " + quoted("a.kre") + " " + quoted("none.kre")).status, 2);
  EXPECT_EQ(run("diff " + quoted("a.kre")).status, 2);
}

TEST_F(JsonCommands, SchemaIsTheShippedFile) {
  const auto r = run("schema");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, readFile(std::string(ZYNED_SOURCE_DIR) + "/data/mission.schema.json"))
      << "data/mission.schema.json is out of date: zyned-cli schema >data/mission.schema.json";
}

// What the README's version-control section sets up, on a real repository.
TEST_F(JsonCommands, GitShowsMissionChangesThroughDump) {
  if (std::system("git --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "git is not installed";
  const std::string repo = dir / "repo";
  // No user's or system's git settings take part.
  const std::string git = "cd '" + repo + "' && HOME='" + dir.str() + "' XDG_CONFIG_HOME='" +
                          dir.str() + "' GIT_CONFIG_NOSYSTEM=1 GIT_CONFIG_GLOBAL=/dev/null git ";
  fs::create_directories(repo);
  model::Mission m;
  m.newMission();
  const auto bytes = model::writeMission(m);
  writeFile(repo + "/m.kre", std::string(bytes.begin(), bytes.end()));
  writeFile(repo + "/.gitattributes", "*.kre diff=zyned\n");
  const std::string commands[] = {
      "init -q",
      "config user.name Tester",
      "config user.email tester@example.org",
      "config diff.zyned.textconv \"'" + std::string(ZYNED_CLI_PATH) + "' dump\"",
      "add .",
      "commit -q -m first"};
  for (const std::string& command : commands)
    ASSERT_EQ(std::system((git + command).c_str()), 0) << command;
  m.flightGroups[0].set(model::fg::CraftType, model::u8{12});
  ASSERT_TRUE(model::saveMissionFile(m, repo + "/m.kre").ok);
  const std::string out = dir / "diff.txt";
  ASSERT_EQ(std::system((git + "diff >'" + out + "'").c_str()), 0);
  const std::string diff = readFile(out);
  EXPECT_NE(diff.find("\n-      \"CraftType\": 1,\n+      \"CraftType\": 12,\n"), std::string::npos)
      << diff;
  EXPECT_EQ(diff.find("Binary files"), std::string::npos) << diff;
}

}  // namespace
