// zyned-cli's JSON commands run as a user runs them: from-json, diff, schema, and git showing
// mission files through dump.
#include <gtest/gtest.h>

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

}  // namespace
