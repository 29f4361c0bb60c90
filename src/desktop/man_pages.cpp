// Writes the manual pages at build time: each argument is the page's path, named after its
// program ("zyned.1", "zyned-cli.1"). The pages are made from the texts "--help" prints.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "help.h"
#include "shell/manual.h"
#include "shell/version.h"

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path path(argv[i]);
    const std::string name = path.filename().string();
    shell::Manual manual;
    if (name == "zyned.1") {
      manual = shell::editorManual();
    } else if (name == "zyned-cli.1") {
      manual = cli::manual();
    } else {
      std::cerr << "zyned-man: no manual page named " << name << '\n';
      return 2;
    }
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << shell::manPage(manual, shell::VersionText, shell::ReleaseDate);
    if (!out.flush()) {
      std::cerr << "zyned-man: cannot write " << path.string() << '\n';
      return 1;
    }
  }
  return 0;
}
