#pragma once
// Strings in mission and game files are single-byte Windows-1252; these convert them for
// display and for JSON.

#include <string>
#include <string_view>

namespace model {

std::string cp1252ToUtf8(std::string_view bytes);
// Characters without a Windows-1252 form become "?".
std::string utf8ToCp1252(std::string_view utf8);
// Appends the UTF-8 form of the character `c`.
void appendUtf8(std::string& out, char32_t c);

}  // namespace model
