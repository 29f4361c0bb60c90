#pragma once
// Texts of the editor's own (captions, notices, questions; never the game's data) that the core
// makes and the editor shows. `ZYNED_TEXT(context, text)` is the text itself; the build's
// translation tools collect it under `context`, and the editor looks up its translation there
// when it shows it (app::coreText). A text with numbers in it is a form with "%1", "%2" … that
// `fillText` fills in English here and the editor fills in its translation.

#include <initializer_list>
#include <string>
#include <string_view>

#define ZYNED_TEXT(context, text) text

namespace model {

// `form` with "%1" … "%9" replaced by the strings of `args` in order.
std::string fillText(std::string_view form, std::initializer_list<std::string> args);

}  // namespace model
