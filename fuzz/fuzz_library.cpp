// libFuzzer target for flight-group library files (".fgp"): any bytes give the whole records
// they hold, written back byte for byte; the library list lines and the flight groups "To
// Mission" makes come out of any record.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "editing/library.h"
#include "fuzz_check.h"
#include "model/layouts.h"
#include "shell/vocabulary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr const char* Target = "fuzz_library";
  static const shell::Vocabulary vocabulary;
  const model::CBytes input(data, size);
  editing::Library lib;
  const editing::LibraryLoad loaded = lib.loadBytes(input, "fuzz.fgp");
  if (!loaded.ok() || loaded.trailingBytes != size % model::fg::Size ||
      lib.size() != size / model::fg::Size || lib.changed())
    fuzzcheck::fail(Target, "whole records miscounted");
  const std::vector<std::uint8_t> bytes = lib.bytes();
  if (bytes.size() != size - loaded.trailingBytes ||
      !std::equal(bytes.begin(), bytes.end(), input.begin()))
    fuzzcheck::fail(Target, "records are not written back byte for byte");
  if (editing::libraryLines(lib, vocabulary).size() != lib.size())
    fuzzcheck::fail(Target, "not one list line per entry");
  for (std::size_t i = 0; i < lib.size(); ++i) {
    const model::FlightGroup g = editing::flightGroupFromLibrary(lib, i, true);
    if (!std::equal(g.bytes.begin(), g.bytes.end(), lib.entries()[i].bytes.begin()))
      fuzzcheck::fail(Target, "a flight group added to the Mission differs from its entry");
  }
  return 0;
}
