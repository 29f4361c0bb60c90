// The edit loop under random sequences of every kind of edit (tests/support/document/): the
// change notices, derived values, list lines, selections and the undo history hold after each
// operation. The fuzzer runs the same decoder on endless inputs; here a fixed set of seeds.
#include <gtest/gtest.h>

#include "document/edit_sequences.h"

namespace {

std::string report(const editseq::Result& r) {
  std::string s = r.finding + "\noperations:";
  for (const std::string& op : r.trace) s += " " + op + ";";
  return s;
}

TEST(EditSequences, RandomSequencesKeepNoticesDerivedValuesSelectionsAndHistoryExact) {
  int operations = 0;
  for (std::uint64_t seed = 1; seed <= 12; ++seed) {
    const std::vector<std::uint8_t> script = editseq::randomScript(seed, 2000);
    const editseq::Result r = editseq::run(script.data(), script.size());
    ASSERT_TRUE(r.ok()) << "seed " << seed << ": " << report(r);
    operations += r.operations;
  }
  EXPECT_GT(operations, 2000);
}

}  // namespace
