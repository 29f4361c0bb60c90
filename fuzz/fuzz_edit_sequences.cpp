// libFuzzer target for the edit loop: the input is decoded into a sequence of document
// operations on a generated mission (tests/support/document/edit_sequences.h), every change
// notice, derived value, list line and selection checked after each of them, and undo to the
// start, redo to the end and a save checked at the end.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "document/edit_sequences.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Short sequences: the fuzzer runs many more of them, and a finding is short to read.
  editseq::Options options;
  options.maxOperations = 48;
  const editseq::Result r = editseq::run(data, size, options);
  if (r.ok()) return 0;
  std::fprintf(stderr, "fuzz_edit_sequences: %s\noperations:", r.finding.c_str());
  for (const std::string& op : r.trace) std::fprintf(stderr, " %s;", op.c_str());
  std::fprintf(stderr, "\n");
  std::abort();
}
