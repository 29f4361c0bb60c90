#pragma once
// JSON documents as the mission tools read and print them: nlohmann's ordered values (keys keep
// their order), parsed strictly (a key twice in one object is refused) and printed in one fixed
// layout (two-space indent, one key per line, arrays of numbers on one line), so that two prints
// of the same value are identical and diff well line by line.

#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace json {

// Values that are printed keep their keys in order; values that are only read need not.
using Value = nlohmann::ordered_json;
using ReadValue = nlohmann::json;

// Parses a whole document. On failure returns false and sets `error`: "line 3, column 14: ..."
// for text that is not JSON, "FlightGroups[2]: the key "Name" appears twice" for a repeated key.
bool parse(std::string_view text, Value& out, std::string& error);
bool parse(std::string_view text, ReadValue& out, std::string& error);

// The value in the fixed layout, ending with a line end.
std::string print(const Value& v);

// A string value as a JSON literal: quotes, escapes, and DEL and the C1 controls (the bytes
// Windows-1252 leaves unassigned) escaped as \u007f, \u0081, … so they stay visible.
std::string quote(const std::string& utf8);

// `path` and one key more, as refusals name places: "FlightGroups[2].Name". A key that is no
// plain word (letters, digits, "_") is quoted in brackets: `Teams[0]["a b"]`, `[""]`.
std::string joinPath(const std::string& path, std::string_view key);

// A value on one line, as a diff line shows it ("[1, 2]", "\"Go\"", "5").
std::string inlineText(const Value& v);

// The kind of a value as messages name it: "a whole number", "a string", "an array", …
std::string kindName(nlohmann::json::value_t type);

}  // namespace json
