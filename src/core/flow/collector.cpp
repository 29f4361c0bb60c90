// One finding per cause: what several levels found alike is one finding holding those levels.
#include <algorithm>

#include "flow/steps.h"

namespace flow {

namespace {

// What makes two findings the same cause: kind, place, text and chain (with the levels left out).
std::string causeKey(const Finding& f) {
  std::string key = std::to_string(static_cast<int>(f.kind)) + '/' +
                    std::to_string(static_cast<int>(f.place.kind)) + '/' +
                    std::to_string(f.place.record) + '/' + std::to_string(f.place.part) + '/' +
                    std::to_string(f.place.item) + '/';
  f.text.appendKey(key);
  for (const Step& s : f.chain) {
    key += '\n';
    s.text.appendKey(key);
  }
  return key;
}

void fillLevels(model::Text& text, const model::Text& phrase) {
  if (text.data) {
    if (text.value == LevelMark) text = phrase;
    return;
  }
  for (model::Text& a : text.args) fillLevels(a, phrase);
}

}  // namespace

void Collector::add(Finding f, Difficulty d) {
  const std::string key = causeKey(f);
  const auto found = index_.find(key);
  if (found != index_.end()) {
    items_[found->second].levels.add(d);
    return;
  }
  f.levels = Levels::only(d);
  index_.emplace(key, items_.size());
  items_.push_back(std::move(f));
}

void Collector::addEverywhere(Finding f) {
  f.levels = analysed_;
  items_.push_back(std::move(f));
}

void Collector::finish(Result& r) {
  std::stable_sort(items_.begin(), items_.end(), [](const Finding& a, const Finding& b) {
    return static_cast<int>(a.kind) < static_cast<int>(b.kind);
  });
  for (Finding& f : items_) {
    const model::Text phrase = levelsText(f.levels, analysed_);
    fillLevels(f.text, phrase);
    for (Step& s : f.chain) fillLevels(s.text, phrase);
    (isAdvisory(f.kind) ? r.advisories : r.findings).push_back(std::move(f));
  }
  items_.clear();
  index_.clear();
}

}  // namespace flow
