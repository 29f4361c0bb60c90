// The programs' descriptions: zyned-cli's --help, --version and help COMMAND as a user runs
// them, and the rules that turn one description into terminal text and a manual page.
#include <gtest/gtest.h>

#include "cli_runner.h"
#include "shell/manual.h"
#include "shell/version.h"

namespace {

using testsupport::runCli;

TEST(CliHelp, AnswersAndExitsZero) {
  struct Case {
    const char* args;
    const char* startsWith;
    const char* mentions;
  };
  const std::string version = std::string("zyned-cli ") + shell::VersionText + "\n";
  const Case cases[] = {
      {"--help", "usage: zyned-cli [--config-dir DIR]", "\n  help [COMMAND]\n"},
      {"-h", "usage: zyned-cli [--config-dir DIR]", "\nExit status:\n"},
      {"--version", version.c_str(), ""},
      {"help check", "usage: zyned-cli check FILE", "--no-playable-check   leave out"},
      {"check --help", "usage: zyned-cli check FILE", "--no-playable-check   leave out"},
      {"--config-dir /nowhere help lst-add", "usage: zyned-cli lst-add FILE", "--backup"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    const auto run = runCli(ZYNED_CLI_PATH, "", c.args);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind(c.startsWith, 0), 0u) << run.out;
    EXPECT_NE(run.out.find(c.mentions), std::string::npos) << run.out;
    EXPECT_EQ(run.err, "");
  }
  const auto version_only = runCli(ZYNED_CLI_PATH, "", "--version");
  EXPECT_EQ(version_only.out, version);
}

TEST(CliHelp, UnknownCommandIsAUsageError) {
  const auto run = runCli(ZYNED_CLI_PATH, "", "help nosuch");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("unknown command \"nosuch\""), std::string::npos);
  EXPECT_EQ(run.err.find(" \n"), std::string::npos) << "a line of the command list ends in a space";
}

shell::Manual sampleManual() {
  return {"tool",
          "does things",
          {"[-q] FILE"},
          {{"Options", "-q, --quiet\tsay nothing\n.dot\tstarts with a dot", {}},
           {"Examples", "Run it so:\n\n  tool -q a.kre\n  .hidden", {}},
           {"Commands", "", {{"go FILE", "goes\n\nall the way there", {}}}}}};
}

TEST(Manual, TerminalTextListsTermsAndShowsSummariesOnly) {
  EXPECT_EQ(shell::helpText(sampleManual()),
            "usage: tool [-q] FILE\n\ndoes things\n\n"
            "Options:\n"
            "  -q, --quiet           say nothing\n"
            "  .dot                  starts with a dot\n\n"
            "Examples:\n  Run it so:\n\n    tool -q a.kre\n    .hidden\n\n"
            "Commands:\n  go FILE\n      goes\n");
}

TEST(Manual, TerminalTextWrapsAtTheWidth) {
  const std::string text = shell::formatBody("one two three four five six", 2, 12);
  EXPECT_EQ(text, "  one two\n  three four\n  five six\n");
  EXPECT_EQ(shell::formatBody("--a-much-longer-option-name\tmeaning", 0, 40),
            "--a-much-longer-option-name\n                      meaning\n");
}

TEST(Manual, PageIsRoffWithEscapedHyphensAndDots) {
  const std::string page = shell::manPage(sampleManual(), "1.1", "2026-12-09");
  EXPECT_EQ(page.rfind(".TH TOOL 1 \"2026-12-09\" \"ZynED 1.1\" \"User Commands\"\n", 0), 0u);
  for (const char* expected : {".SH NAME\ntool \\- does things\n", ".SY tool\n[\\-q] FILE\n.YS\n",
                               ".TP\n.B \\-q, \\-\\-quiet\nsay nothing\n", ".TP\n.B .dot\n",
                               ".nf\ntool \\-q a.kre\n\\&.hidden\n.fi\n",
                               ".SS \"go FILE\"\n.PP\ngoes\n.PP\nall the way there\n"})
    EXPECT_NE(page.find(expected), std::string::npos) << expected << "\n---\n" << page;
}

}  // namespace
