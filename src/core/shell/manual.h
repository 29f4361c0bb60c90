#pragma once
// The programs' own descriptions, written once and shown two ways: as the text of "--help" and
// "help COMMAND" on a terminal, and as the manual page (man(1)) the build installs. Both come
// from the same `Manual`, so they never say different things.
//
// A body is paragraphs separated by a blank line. A paragraph whose lines are "TERM<TAB>TEXT"
// lists terms (options, keys, files) with what they mean; a paragraph whose every line starts
// with two blanks is an example, shown as written.

#include <string>
#include <string_view>
#include <vector>

namespace shell {

struct ManualSection {
  std::string title;  // "Options"; a command's usage in the commands' section
  std::string body;
  std::vector<ManualSection> subsections;
};

struct Manual {
  std::string name;                   // the program, "zyned"
  std::string purpose;                // one line: what it is
  std::vector<std::string> synopsis;  // the ways to call it, without the program's name
  std::vector<ManualSection> sections;
};

// The terminal text: the usage lines, the purpose, then each section with its body; of a
// subsection only the first paragraph (the one-line summary). Wrapped at `width` columns.
std::string helpText(const Manual& manual, int width = 79);

// One body wrapped at `width` columns, every line indented by `indent` blanks.
std::string formatBody(std::string_view body, int indent, int width = 79);

// The manual page in roff (section 1), dated `date` (YYYY-MM-DD), for `version`.
std::string manPage(const Manual& manual, std::string_view version, std::string_view date);

// The editor's own description: its options, the pictures it draws without a window, its files.
Manual editorManual();

}  // namespace shell
