#include "model/texts.h"

#include <cstring>

namespace model {

namespace {

// `form` with "%1" … "%9" replaced by argument(n) for each n below `count`.
template <typename Argument>
std::string fill(std::string_view form, std::size_t count, Argument argument) {
  std::string out;
  out.reserve(form.size());
  for (std::size_t i = 0; i < form.size(); ++i) {
    if (form[i] == '%' && i + 1 < form.size() && form[i + 1] >= '1' && form[i + 1] <= '9') {
      const auto n = static_cast<std::size_t>(form[i + 1] - '1');
      if (n < count) {
        out += argument(n);
        ++i;
        continue;
      }
    }
    out += form[i];
  }
  return out;
}

}  // namespace

std::string fillText(std::string_view form, const std::vector<std::string>& args) {
  return fill(form, args.size(), [&](std::size_t n) { return args[n]; });
}
std::string fillText(std::string_view form, std::initializer_list<std::string> args) {
  return fillText(form, std::vector<std::string>(args));
}

std::string Text::english() const {
  if (data) return value;
  return fill(form, args.size(), [&](std::size_t n) { return args[n].english(); });
}

void Text::appendKey(std::string& key) const {
  if (data) {
    key += '\x02';
    key += value;
  } else {
    key += '\x03';
    key += form;
    for (const Text& a : args) a.appendKey(key);
    key += '\x04';
  }
}

bool Text::operator==(const Text& o) const {
  return data == o.data && utf8 == o.utf8 && value == o.value && std::strcmp(form, o.form) == 0 &&
         args == o.args;
}

Text joinedTexts(std::vector<Text> items, const std::string& separator) {
  if (items.empty()) return Text(std::string());
  Text out = std::move(items.front());
  for (std::size_t i = 1; i < items.size(); ++i)
    out = Text("%1%2%3", std::move(out), Text(separator), std::move(items[i]));
  return out;
}

std::string joinedList(const std::vector<std::string>& items, std::string_view comma,
                       std::string_view last) {
  std::string out;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += i + 1 == items.size() ? last : comma;
    out += items[i];
  }
  return out;
}

}  // namespace model
