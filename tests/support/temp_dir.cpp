#include "temp_dir.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace testsupport {

namespace {

// Tests make files and folders read-only on purpose; give the owner its rights back so that
// everything below can be removed.
void restoreOwnerRights(const fs::path& p) {
  std::error_code ec;
  const fs::file_status st = fs::symlink_status(p, ec);
  if (ec || fs::is_symlink(st)) return;
  fs::permissions(p, fs::perms::owner_all, fs::perm_options::add, ec);
  if (!fs::is_directory(st)) return;
  for (fs::directory_iterator it(p, ec), end; !ec && it != end; it.increment(ec))
    restoreOwnerRights(it->path());
}

}  // namespace

TempDir::TempDir() {
  static std::atomic<unsigned> counter{0};
  std::random_device rd;
  const fs::path base = fs::temp_directory_path();
  // The random part keeps parallel test processes apart; the loop copes with leftovers.
  for (;;) {
    path_ = base / ("zyned-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) +
                    "-" + std::to_string(rd()));
    if (fs::create_directory(path_)) break;
  }
}

TempDir::~TempDir() {
  std::error_code ec;
  restoreOwnerRights(path_);
  fs::remove_all(path_, ec);
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace testsupport
