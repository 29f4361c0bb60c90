#include "cli_runner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace testsupport {

CliRun runCli(const std::string& cliPath, const std::string& environment, const std::string& args) {
  CliRun run;
  char errName[] = "/tmp/zyned-cli-stderr-XXXXXX";
  const int fd = ::mkstemp(errName);
  if (fd < 0) return run;
  ::close(fd);
  const std::string command =
      environment + " '" + cliPath + "' " + args + " 2>'" + errName + "' </dev/null";
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    const int raw = ::pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  std::ifstream in(errName, std::ios::binary);
  run.err.assign(std::istreambuf_iterator<char>(in), {});
  ::unlink(errName);
  return run;
}

CliRun runCliWithConfig(const std::string& cliPath, const std::string& configDir,
                        const std::string& args) {
  return runCli(cliPath, "ZYNED_CONFIG_DIR='" + configDir + "'", args);
}

}  // namespace testsupport
