#pragma once
// The selection of one list of records: the selected lines and the current one (the line the
// user clicked or moved the focus to, which the pages show).

#include <vector>

#include "model/change_set.h"

namespace model {

struct Selection {
  std::vector<int> selected;  // ascending, no repeats
  int current = 0;
  bool operator==(const Selection&) const = default;

  // Drops lines beyond `count`, sorts, keeps the current line inside the list and selected.
  void clamp(int count);
  // Follows a list rearrangement: lines move with their records; removed lines drop out.
  void remap(const ListRemap& r);
};

}  // namespace model
