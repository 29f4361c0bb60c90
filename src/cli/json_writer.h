#pragma once
// A small streaming JSON writer with a fixed layout: one key per line, arrays of numbers on one
// line, so that dumps of the same mission are identical and diff well.

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}

  void beginObject();
  void endObject();
  void beginArray();
  void endArray();
  void key(std::string_view name);
  void number(long long v);
  void string(std::string_view utf8);
  // An array of numbers on one line.
  void numbers(const std::vector<long long>& values);

 private:
  void beforeValue();
  void newline();

  struct Level {
    bool array = false;
    bool empty = true;
  };
  std::ostream& out_;
  std::vector<Level> levels_;
  bool afterKey_ = false;
};

// The text of a JSON string literal, quotes included; control and C1 characters escaped.
std::string jsonQuote(std::string_view utf8);

}  // namespace cli
