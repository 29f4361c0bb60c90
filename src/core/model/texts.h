#pragma once
// Texts of the editor's own (captions, notices, questions; never the game's data) that the core
// makes and the editor shows. `ZYNED_TEXT(context, text)` is the text itself; the build's
// translation tools collect it under `context`, and the editor looks up its translation there
// when it shows it (app::coreText). A text with numbers in it is a form with "%1", "%2" … that
// `fillText` fills in English here and the editor fills in its translation.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#define ZYNED_TEXT(context, text) text

namespace model {

// `form` with "%1" … "%9" replaced by the strings of `args` in order.
std::string fillText(std::string_view form, std::initializer_list<std::string> args);

// Items as a sentence lists them: "a", "a and b", "a, b and c" (`last` before the last item,
// `comma` before the others).
inline constexpr const char* AndWord = ZYNED_TEXT("core", " and ");
inline constexpr const char* OrWord = ZYNED_TEXT("core", " or ");
std::string joinedList(const std::vector<std::string>& items, std::string_view comma,
                       std::string_view last);

}  // namespace model
