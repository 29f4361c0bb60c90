#include "shell/manual.h"

#include <cctype>

namespace shell {
namespace {

constexpr int TermColumn = 24;  // where the meaning of a listed term starts on a terminal

std::vector<std::string_view> paragraphsOf(std::string_view body) {
  std::vector<std::string_view> out;
  while (!body.empty()) {
    const auto end = body.find("\n\n");
    std::string_view p = body.substr(0, end);
    while (!p.empty() && p.back() == '\n') p.remove_suffix(1);
    if (!p.empty()) out.push_back(p);
    if (end == std::string_view::npos) break;
    body.remove_prefix(end + 2);
  }
  return out;
}

std::vector<std::string_view> linesOf(std::string_view text) {
  std::vector<std::string_view> out;
  while (true) {
    const auto end = text.find('\n');
    out.push_back(text.substr(0, end));
    if (end == std::string_view::npos) return out;
    text.remove_prefix(end + 1);
  }
}

bool isExample(std::string_view paragraph) {
  for (std::string_view line : linesOf(paragraph))
    if (line.substr(0, 2) != "  ") return false;
  return true;
}

bool isTermList(std::string_view paragraph) {
  for (std::string_view line : linesOf(paragraph))
    if (line.find('\t') == std::string_view::npos) return false;
  return true;
}

std::vector<std::string_view> wordsOf(std::string_view text) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\n')) ++i;
    const std::size_t start = i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\n') ++i;
    if (i > start) out.push_back(text.substr(start, i - start));
  }
  return out;
}

// `text` filled into lines of at most `width` columns; the first line continues `line` (already
// holding `column` characters), the others start with `indent` blanks.
void fill(std::string& out, std::string line, std::string_view text, int indent, int width) {
  const std::string pad(static_cast<std::size_t>(indent), ' ');
  bool lineHasWord = false;
  for (std::string_view word : wordsOf(text)) {
    const std::size_t needed = line.size() + (lineHasWord ? 1 : 0) + word.size();
    if (lineHasWord && needed > static_cast<std::size_t>(width)) {
      out += line + '\n';
      line = pad;
      lineHasWord = false;
    }
    if (lineHasWord) line += ' ';
    line += word;
    lineHasWord = true;
  }
  out += line + '\n';
}

std::string upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

// Text for roff: backslashes and hyphens as roff writes them, a line never starting with a
// control character.
std::string roff(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\')
      out += "\\e";
    else if (c == '-')
      out += "\\-";
    else
      out += c;
  }
  return out;
}

std::string roffLine(std::string_view text) {
  std::string line = roff(text);
  if (!line.empty() && (line.front() == '.' || line.front() == '\'')) line.insert(0, "\\&");
  return line;
}

std::string joined(std::string_view paragraph) {
  std::string out;
  for (std::string_view word : wordsOf(paragraph)) {
    if (!out.empty()) out += ' ';
    out += word;
  }
  return out;
}

void manBody(std::string& out, std::string_view body) {
  for (std::string_view p : paragraphsOf(body)) {
    if (isExample(p)) {
      out += ".PP\n.RS 4\n.nf\n";
      for (std::string_view line : linesOf(p)) out += roffLine(line.substr(2)) + '\n';
      out += ".fi\n.RE\n";
    } else if (isTermList(p)) {
      for (std::string_view line : linesOf(p)) {
        const auto tab = line.find('\t');
        out += ".TP\n.B " + roff(line.substr(0, tab)) + '\n' +
               roffLine(joined(line.substr(tab + 1))) + '\n';
      }
    } else {
      out += ".PP\n" + roffLine(joined(p)) + '\n';
    }
  }
}

}  // namespace

std::string formatBody(std::string_view body, int indent, int width) {
  const std::string pad(static_cast<std::size_t>(indent), ' ');
  std::string out;
  bool first = true;
  for (std::string_view p : paragraphsOf(body)) {
    if (!first) out += '\n';
    first = false;
    if (isExample(p)) {
      for (std::string_view line : linesOf(p)) out += pad + std::string(line) + '\n';
    } else if (isTermList(p)) {
      for (std::string_view line : linesOf(p)) {
        const auto tab = line.find('\t');
        std::string head = pad + std::string(line.substr(0, tab));
        const int column = indent + TermColumn - 2;
        if (static_cast<int>(head.size()) + 2 > column) {
          out += head + '\n';
          head.clear();
        }
        head.resize(static_cast<std::size_t>(column), ' ');
        fill(out, head, line.substr(tab + 1), column, width);
      }
    } else {
      fill(out, pad, p, indent, width);
    }
  }
  return out;
}

std::string helpText(const Manual& manual, int width) {
  std::string out;
  const std::string lead = "usage: ";
  for (std::size_t i = 0; i < manual.synopsis.size(); ++i) {
    const std::string head = (i == 0 ? lead : std::string(lead.size(), ' ')) + manual.name + ' ';
    fill(out, head, manual.synopsis[i], static_cast<int>(head.size()) + 2, width);
  }
  out += '\n';
  fill(out, "", manual.purpose, 0, width);
  for (const ManualSection& section : manual.sections) {
    out += '\n' + section.title + ":\n";
    out += formatBody(section.body, 2, width);
    for (const ManualSection& sub : section.subsections) {
      fill(out, "  ", sub.title, 8, width);
      const auto paragraphs = paragraphsOf(sub.body);
      if (!paragraphs.empty()) out += formatBody(paragraphs.front(), 6, width);
    }
  }
  return out;
}

std::string manPage(const Manual& manual, std::string_view version, std::string_view date) {
  std::string out;
  out += ".TH " + upper(roff(manual.name)) + " 1 \"" + std::string(date) + "\" \"ZynED " +
         std::string(version) + "\" \"User Commands\"\n";
  out += ".SH NAME\n" + roff(manual.name) + " \\- " + roff(manual.purpose) + '\n';
  out += ".SH SYNOPSIS\n";
  for (const std::string& line : manual.synopsis)
    out += ".SY " + roff(manual.name) + '\n' + roffLine(line) + "\n.YS\n";
  for (const ManualSection& section : manual.sections) {
    out += ".SH \"" + upper(roff(section.title)) + "\"\n";
    manBody(out, section.body);
    for (const ManualSection& sub : section.subsections) {
      out += ".SS \"" + roff(sub.title) + "\"\n";
      manBody(out, sub.body);
    }
  }
  return out;
}

}  // namespace shell
