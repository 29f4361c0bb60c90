#include "model/selection.h"

#include <algorithm>

namespace model {

void Selection::clamp(int count) {
  selected.erase(std::remove_if(selected.begin(), selected.end(),
                                [count](int i) { return i < 0 || i >= count; }),
                 selected.end());
  std::sort(selected.begin(), selected.end());
  selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
  if (count <= 0) {
    current = 0;
    return;
  }
  current = std::clamp(current, 0, count - 1);
  if (selected.empty()) selected.push_back(current);
  if (!std::binary_search(selected.begin(), selected.end(), current)) current = selected.front();
}

void Selection::remap(const ListRemap& r) {
  std::vector<int> next;
  for (int i : selected)
    if (const int n = r.map(i); n >= 0) next.push_back(n);
  const int c = r.map(current);
  selected = std::move(next);
  if (c >= 0) current = c;
  clamp(static_cast<int>(r.newCount));
}

}  // namespace model
