#include "json/document.h"

#include <algorithm>
#include <vector>

namespace json {
namespace {

// Builds the value from parser events, as nlohmann's own builder does, but refuses a key that
// an object already has: taking one of two values silently would lose an edit.
template <class V>
class Builder : public nlohmann::json_sax<V> {
 public:
  using typename nlohmann::json_sax<V>::number_integer_t;
  using typename nlohmann::json_sax<V>::number_unsigned_t;
  using typename nlohmann::json_sax<V>::number_float_t;
  using typename nlohmann::json_sax<V>::string_t;
  using typename nlohmann::json_sax<V>::binary_t;

  bool null() override { return put(V(nullptr)); }
  bool boolean(bool v) override { return put(V(v)); }
  bool number_integer(number_integer_t v) override { return put(V(v)); }
  bool number_unsigned(number_unsigned_t v) override { return put(V(v)); }
  bool number_float(number_float_t v, const string_t&) override { return put(V(v)); }
  bool string(string_t& v) override { return put(V(std::move(v))); }
  bool binary(binary_t& v) override { return put(V::binary(std::move(v))); }
  bool start_object(std::size_t) override { return open(V::object()); }
  bool start_array(std::size_t) override { return open(V::array()); }
  bool end_object() override { return close(); }
  bool end_array() override { return close(); }

  bool key(string_t& k) override {
    Frame& top = stack_.back();
    if (top.value->contains(k)) {
      error_ = (top.path.empty() ? std::string() : top.path + ": ") + "the key " + quote(k) +
               " appears twice";
      return false;
    }
    key_ = std::move(k);
    return true;
  }

  explicit Builder(std::string_view text) : text_(text) {}

  bool parse_error(std::size_t position, const std::string& token,
                   const nlohmann::detail::exception& ex) override {
    // "[json.exception.parse_error.101] parse error at line 3, column 14: syntax error …"
    const std::string what = ex.what();
    const std::string marker = "parse error at ";
    if (const auto at = what.find(marker); at != std::string::npos) {
      error_ = what.substr(at + marker.size());
      return false;
    }
    // Other refusals ("[json.exception.out_of_range.406] number overflow parsing '1E400'") carry
    // no place: the token's start is named as a syntax error's place is.
    const std::size_t start = std::min(text_.size(), position - std::min(position, token.size()));
    const std::string_view before = text_.substr(0, start);
    const std::size_t lineStart = before.rfind('\n') + 1;  // npos + 1 == 0 on the first line
    const auto bracket = what.find("] ");
    error_ = "line " + std::to_string(1 + std::count(before.begin(), before.end(), '\n')) +
             ", column " + std::to_string(start - lineStart + 1) + ": " +
             (bracket == std::string::npos ? what : what.substr(bracket + 2));
    return false;
  }

  V root;
  const std::string& error() const { return error_; }

 private:
  struct Frame {
    V* value;
    std::string path;  // the JSON path of this container: "FlightGroups[2].Orders[0]"
  };

  // Where the next value goes; `path` (when asked) gets the path it will have.
  V* slot(std::string* path) {
    if (stack_.empty()) return &root;
    Frame& top = stack_.back();
    if (top.value->is_array()) {
      if (path) *path = top.path + "[" + std::to_string(top.value->size()) + "]";
      top.value->push_back(nullptr);
      return &top.value->back();
    }
    if (path) *path = joinPath(top.path, key_);
    return &(*top.value)[key_];
  }
  bool put(V&& v) {
    *slot(nullptr) = std::move(v);
    return true;
  }
  bool open(V&& v) {
    std::string path;
    V* at = slot(&path);
    *at = std::move(v);
    // A container's parent gets no new entry until the container closes: the pointer holds.
    stack_.push_back({at, std::move(path)});
    return true;
  }
  bool close() {
    stack_.pop_back();
    return true;
  }

  std::vector<Frame> stack_;
  std::string_view text_;
  std::string key_;
  std::string error_;
};

// The C1 controls U+0080..U+009F (the bytes Windows-1252 leaves unassigned) and DEL, which the
// library writes as they are, escaped like the other control characters. In a printed document
// such bytes stand only inside strings.
std::string escapeInvisible(const std::string& s) {
  static constexpr char Hex[] = "0123456789abcdef";
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    unsigned code = 0x100;
    if (c == 0x7F)
      code = c;
    else if (c == 0xC2 && i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) <= 0x9F)
      code = static_cast<unsigned char>(s[++i]);
    if (code == 0x100) {
      out += static_cast<char>(c);
    } else {
      out += "\\u00";
      out += Hex[code >> 4];
      out += Hex[code & 0xF];
    }
  }
  return out;
}

bool isNumberLine(std::string_view line) {
  const auto first = line.find_first_not_of(' ');
  if (first == std::string_view::npos) return false;
  line.remove_prefix(first);
  if (line.ends_with(',')) line.remove_suffix(1);
  if (line.starts_with('-')) line.remove_prefix(1);
  return !line.empty() && line.find_first_not_of("0123456789.eE+-") == std::string_view::npos &&
         line[0] >= '0' && line[0] <= '9';
}

// The library's indented text with every array of numbers on one line: "[1, 2, 3]".
std::string numbersOnOneLine(const std::string& text) {
  std::vector<std::string_view> lines;
  for (std::size_t at = 0; at <= text.size();) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    lines.emplace_back(text.data() + at, end - at);
    at = end + 1;
  }
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    std::size_t k = i + 1;
    if (line.ends_with('[')) {
      while (k < lines.size() && isNumberLine(lines[k])) ++k;
      const std::string_view close = k < lines.size() ? lines[k] : std::string_view();
      const auto indent = line.find_first_not_of(' ');
      if (k > i + 1 && close.find_first_not_of(' ') == indent &&
          close.substr(indent).starts_with(']')) {
        out.append(line);
        for (std::size_t n = i + 1; n < k; ++n) {
          std::string_view number = lines[n].substr(lines[n].find_first_not_of(' '));
          if (number.ends_with(',')) number.remove_suffix(1);
          if (n > i + 1) out += ", ";
          out.append(number);
        }
        out.append(close.substr(indent));
        out += '\n';
        i = k;
        continue;
      }
    }
    out.append(line);
    out += '\n';
  }
  return out;
}

template <class V>
bool parseInto(std::string_view text, V& out, std::string& error) {
  Builder<V> b(text);
  if (!V::sax_parse(text.begin(), text.end(), &b)) {
    error = b.error();
    return false;
  }
  out = std::move(b.root);
  return true;
}

}  // namespace

bool parse(std::string_view text, Value& out, std::string& error) {
  return parseInto(text, out, error);
}

bool parse(std::string_view text, ReadValue& out, std::string& error) {
  return parseInto(text, out, error);
}

std::string print(const Value& v) {
  // The library indents; arrays of numbers go on one line and invisible characters are escaped.
  std::string text = numbersOnOneLine(v.dump(2));
  text.pop_back();  // the last line's end: one follows below
  return escapeInvisible(text) + '\n';
}

std::string quote(const std::string& utf8) {
  return escapeInvisible(Value(utf8).dump());
}

std::string joinPath(const std::string& path, std::string_view key) {
  const bool word = !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
  });
  if (!word) return path + "[" + quote(std::string(key)) + "]";
  return path.empty() ? std::string(key) : path + "." + std::string(key);
}

std::string inlineText(const Value& v) {
  if (v.is_string()) return quote(v.get_ref<const std::string&>());
  if (v.is_array()) {
    std::string out = "[";
    bool first = true;
    for (const Value& e : v) {
      if (!first) out += ", ";
      first = false;
      out += inlineText(e);
    }
    return out + "]";
  }
  if (v.is_object()) {
    std::string out = "{";
    bool first = true;
    for (const auto& [k, member] : v.items()) {
      if (!first) out += ", ";
      first = false;
      out += quote(k) + ": " + inlineText(member);
    }
    return out + "}";
  }
  return v.dump();
}

std::string kindName(nlohmann::json::value_t type) {
  using Type = nlohmann::json::value_t;
  switch (type) {
    case Type::object:
      return "an object";
    case Type::array:
      return "an array";
    case Type::string:
      return "a string";
    case Type::boolean:
      return "a boolean";
    case Type::null:
      return "null";
    case Type::number_float:
      return "a number with a fraction";
    case Type::number_integer:
    case Type::number_unsigned:
      return "a whole number";
    default:
      return "binary data";
  }
}

}  // namespace json
