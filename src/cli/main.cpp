// zyned-cli: the editor's file-level features without a window.
#include <iostream>

int main(int argc, char** argv) {
  (void)argv;
  if (argc < 2) {
    std::cerr << "usage: zyned-cli COMMAND ...\n";
    return 2;
  }
  return 2;
}
