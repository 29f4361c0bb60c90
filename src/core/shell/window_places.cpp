#include "shell/window_places.h"

#include <algorithm>
#include <charconv>

namespace shell {
namespace {

// A whole number at the start of `s` (moved past it).
std::optional<int> takeNumber(std::string_view& s) {
  int v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc()) return std::nullopt;
  s.remove_prefix(static_cast<std::size_t>(end - s.data()));
  return v;
}

bool take(std::string_view& s, char c) {
  if (s.empty() || s.front() != c) return false;
  s.remove_prefix(1);
  return true;
}

}  // namespace

std::optional<Rect> parseWindowRect(std::string_view s) {
  Rect r;
  const auto w = takeNumber(s);
  if (!w || !take(s, 'x')) return std::nullopt;
  const auto h = takeNumber(s);
  if (!h || !take(s, '+')) return std::nullopt;
  const auto x = takeNumber(s);
  if (!x || !take(s, '+')) return std::nullopt;
  const auto y = takeNumber(s);
  if (!y || !s.empty() || *w < 1 || *h < 1) return std::nullopt;
  return Rect{*x, *y, *w, *h};
}

std::string windowRectText(const Rect& r) {
  return std::to_string(r.width) + "x" + std::to_string(r.height) + "+" + std::to_string(r.x) +
         "+" + std::to_string(r.y);
}

std::optional<std::vector<int>> parseSizes(std::string_view s) {
  std::vector<int> sizes;
  while (true) {
    const auto v = takeNumber(s);
    if (!v || *v < 0) return std::nullopt;
    sizes.push_back(*v);
    if (s.empty()) return sizes;
    if (!take(s, ',')) return std::nullopt;
  }
}

std::string sizesText(const std::vector<int>& sizes) {
  std::string out;
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    if (i) out += ',';
    out += std::to_string(sizes[i]);
  }
  return out;
}

Rect fitOnScreen(const Rect& remembered, const Rect& screen, int minimumWidth, int minimumHeight) {
  Rect r = remembered;
  r.width = std::max(std::min(r.width, screen.width), std::min(minimumWidth, screen.width));
  r.height = std::max(std::min(r.height, screen.height), std::min(minimumHeight, screen.height));
  r.x = std::clamp(r.x, screen.x, screen.x + screen.width - r.width);
  r.y = std::clamp(r.y, screen.y, screen.y + screen.height - r.height);
  return r;
}

Rect fitOnScreens(const Rect& remembered, const std::vector<Rect>& screens, int minimumWidth,
                  int minimumHeight) {
  if (screens.empty()) return remembered;
  const auto overlap = [&](const Rect& s) {
    const long long w =
        std::min(remembered.x + remembered.width, s.x + s.width) - std::max(remembered.x, s.x);
    const long long h =
        std::min(remembered.y + remembered.height, s.y + s.height) - std::max(remembered.y, s.y);
    return w > 0 && h > 0 ? w * h : 0;
  };
  const Rect* best = &screens.front();
  for (const Rect& s : screens)
    if (overlap(s) > overlap(*best)) best = &s;
  return fitOnScreen(remembered, *best, minimumWidth, minimumHeight);
}

Rect placeAboveCentre(int width, int height, const Rect& over, int lift, const Rect& screen) {
  const Rect centred{over.x + (over.width - width) / 2, over.y + (over.height - height) / 2 - lift,
                     width, height};
  return fitOnScreen(centred, screen);
}

}  // namespace shell
