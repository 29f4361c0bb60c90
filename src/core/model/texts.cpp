#include "model/texts.h"

#include <vector>

namespace model {

std::string fillText(std::string_view form, std::initializer_list<std::string> args) {
  const std::vector<std::string> list(args);
  std::string out;
  out.reserve(form.size());
  for (std::size_t i = 0; i < form.size(); ++i) {
    if (form[i] == '%' && i + 1 < form.size() && form[i + 1] >= '1' && form[i + 1] <= '9') {
      const auto n = static_cast<std::size_t>(form[i + 1] - '1');
      if (n < list.size()) {
        out += list[n];
        ++i;
        continue;
      }
    }
    out += form[i];
  }
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
