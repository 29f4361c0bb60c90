// Writes the handbook's keyboard reference (app/shell/keyboard_reference.h) at build time.
// Argument: the Markdown file to write.
#include <fstream>
#include <iostream>

#include "app/shell/keyboard_reference.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: zyned-keys OUT.md\n";
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << app::keyboardReference();
  if (!out.flush()) {
    std::cerr << "zyned-keys: cannot write " << argv[1] << '\n';
    return 1;
  }
  return 0;
}
