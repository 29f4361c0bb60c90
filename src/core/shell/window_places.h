#pragma once
// Where the editor's windows were when they were last closed, as kept in the "Windows" section
// of "ZynED.ini": "MainWindow=900x640+120+80", "MainWindow.Maximized=1",
// "MainWindow.FlightGroupSplitter=320,560". The text forms and the rule that puts a remembered
// window back on the screen it has now.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

inline constexpr const char* WindowsSection = "Windows";

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const Rect&) const = default;
};

// "WxH+X+Y" (X and Y may be negative: "+-20"); nothing for any other text or a size below 1.
std::optional<Rect> parseWindowRect(std::string_view text);
std::string windowRectText(const Rect& r);

// "a,b,c" of sizes of at least 0; nothing for other text.
std::optional<std::vector<int>> parseSizes(std::string_view text);
std::string sizesText(const std::vector<int>& sizes);

// A remembered place on the screen area available now: the size shrinks to fit it, no smaller
// than `minimum`, and the window moves so that it lies wholly on that area (a screen that was
// unplugged or made smaller leaves no window out of reach).
Rect fitOnScreen(const Rect& remembered, const Rect& screen, int minimumWidth = 1,
                 int minimumHeight = 1);

// A remembered place on the screens of now (their available areas, the window's own screen
// first): fitted onto the screen that holds most of it, the first when none holds any of it. A
// window left on a second screen comes back there, not onto the first.
Rect fitOnScreens(const Rect& remembered, const std::vector<Rect>& screens, int minimumWidth = 1,
                  int minimumHeight = 1);

// Where a window opens the first time: its own size centred over `over` (its parent window, or
// the screen), `lift` pixels above that, then wholly on `screen` as a remembered place would be.
Rect placeAboveCentre(int width, int height, const Rect& over, int lift, const Rect& screen);

}  // namespace shell
