#pragma once
// Runs zyned-cli through the shell, as a user would, and captures what it says.

#include <string>

namespace testsupport {

struct CliRun {
  int status = -1;  // exit status, -1 when the program did not exit normally
  std::string out, err;
};

// `environment` goes in front of the command ("NAME='value'"), `args` after it as written.
CliRun runCli(const std::string& cliPath, const std::string& environment, const std::string& args);

// The same with the settings folder in `configDir`, so a user's own settings are never read.
CliRun runCliWithConfig(const std::string& cliPath, const std::string& configDir,
                        const std::string& args);

}  // namespace testsupport
