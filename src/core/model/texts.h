#pragma once
// Texts of the editor's own (captions, notices, questions; never the game's data) that the core
// makes and the editor shows. `ZYNED_TEXT(context, text)` is the text itself; the build's
// translation tools collect it under `context`, and the editor looks up its translation there
// when it shows it (app::coreText). A text with numbers in it is a form with "%1", "%2" … that
// `fillText` fills in English here and the editor fills in its translation.

#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#define ZYNED_TEXT(context, text) text

namespace model {

// `form` with "%1" … "%9" replaced by the strings of `args` in order.
std::string fillText(std::string_view form, std::initializer_list<std::string> args);
std::string fillText(std::string_view form, const std::vector<std::string>& args);

// A text made of a form and what fills it, kept apart so that the editor can show it in the
// user's language (app::shownText) while the core and zyned-cli write it in English (`english`).
// What fills a form is data (a name, a number: shown as it is) or a text of its own.
struct Text {
  const char* form = "";  // a marked form (a text of the program's own, kept for its lifetime)
  std::string value;      // the data itself
  std::vector<Text> args;
  bool data = false;
  bool utf8 = false;  // data in UTF-8 (what was typed, a path), not Windows-1252 as in a file

  Text() = default;
  // Data, shown as it is.
  Text(std::string v) : value(std::move(v)), data(true) {}  // NOLINT: data by default
  // A marked form and what fills it.
  Text(const char* markedForm, std::vector<Text> fill) : form(markedForm), args(std::move(fill)) {}
  // The same with what fills it moved in, not copied from a list.
  template <typename... Fill>
  requires(sizeof...(Fill) > 0 && (std::is_constructible_v<Text, Fill&&> && ...))
      Text(const char* markedForm, Fill&&... fill)
      : form(markedForm) {
    args.reserve(sizeof...(Fill));
    (args.emplace_back(std::forward<Fill>(fill)), ...);
  }

  bool empty() const { return data ? value.empty() : *form == '\0'; }
  std::string english() const;
  // The form, data and what fills it, one after the other: equal for equal texts, quicker to
  // make than `english`.
  void appendKey(std::string& key) const;
  bool operator==(const Text& o) const;
};
// Data in UTF-8: what the user typed, a file's path.
inline Text utf8Data(std::string value) {
  Text t(std::move(value));
  t.utf8 = true;
  return t;
}
// A marked text with nothing to fill.
inline Text text(const char* marked) {
  return Text(marked, {});
}

// Texts one after the other with `separator` (data: "; ") between them.
Text joinedTexts(std::vector<Text> items, const std::string& separator);

// Items as a sentence lists them: "a", "a and b", "a, b and c" (`last` before the last item,
// `comma` before the others).
inline constexpr const char* AndWord = ZYNED_TEXT("core", " and ");
inline constexpr const char* OrWord = ZYNED_TEXT("core", " or ");
std::string joinedList(const std::vector<std::string>& items, std::string_view comma,
                       std::string_view last);

}  // namespace model
