#pragma once
// Edit sequences under check, shared by the edit-sequence fuzzer and the seeded test of the
// suite. A script (tests/support/edit_scripts.h) becomes document operations of every kind —
// typed field writes on every record kind, text writes, rules that touch many fields, the lists
// of flight groups and messages (new, delete, move, cut, copy, paste), text blocks, the format,
// briefing instructions and texts, sounds, selections, gestures and their cancel, undo, redo and
// saves — applied to an app::MissionDocument holding a generated mission. At every change
// notice and after every operation:
// - the notice names every byte that changed since the notice before it: each record and byte
//   range of the records in memory, and each record of the file image;
// - the derived values (headings, map box, sent-to flags, counts) equal a fresh derivation, and
//   the flight-group list redrawn as the notice says shows the lines a fresh list would;
// - the selections point at existing records, and a file that differs from the one saved
//   counts as changed; an operation that changes nothing adds no undo step.
// At the end undo to the start gives the starting content exactly, redo to the end the end
// content, and the saved file reads back to the same bytes.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "edit_scripts.h"

namespace app {
class MissionDocument;
}

namespace editseq {

// The checks above on a document that something else edits (the sequences below, or a whole
// editor under random clicks and keys). Attach it when the document is set up; it follows every
// notice from then on.
class DocumentWatch {
 public:
  // `savesByNotice`: a notice after which the document no longer counts as changed means the
  // file on disk is the content now (for an editor whose saves the watch does not see); without
  // it, call saved().
  explicit DocumentWatch(app::MissionDocument& doc, bool savesByNotice = false);
  ~DocumentWatch();
  DocumentWatch(const DocumentWatch&) = delete;
  DocumentWatch& operator=(const DocumentWatch&) = delete;

  // Around each operation: findings name it; at its end what changed since the last notice was
  // unreported, and the list lines, the selections and the changed state are checked.
  void beginOperation(const std::string& name);
  void endOperation();
  // The content now is the file on disk.
  void saved();
  // Undo to the start of the history, redo to its end, the file written read back.
  void finish();
  // The first finding, "" while every check held.
  const std::string& finding() const;

  class Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

struct Options {
  // Operations decoded at most (the undo history keeps 500 steps).
  std::size_t maxOperations = 200;
};

struct Result {
  std::string finding;  // empty when every check held
  int operations = 0;   // operations applied
  // The operations applied up to the finding, one name each, to reproduce it by hand.
  std::vector<std::string> trace;
  bool ok() const { return finding.empty(); }
};

// Decodes and applies `script`, checking as above; stops at the first finding.
Result run(const std::uint8_t* script, std::size_t size, const Options& options = {});

}  // namespace editseq
