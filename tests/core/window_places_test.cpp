#include "shell/window_places.h"

#include <gtest/gtest.h>

namespace {

using shell::Rect;

TEST(WindowPlaces, TextFormsReadBackAndBadTextIsNothing) {
  const Rect r{-20, 35, 900, 640};
  EXPECT_EQ(shell::windowRectText(r), "900x640+-20+35");
  EXPECT_EQ(shell::parseWindowRect("900x640+-20+35"), r);
  for (const char* bad : {"", "900x640", "900x640+1", "0x640+0+0", "900x-1+0+0", "ax1+0+0",
                          "900x640+0+0 ", "900x640+0+0+0"})
    EXPECT_EQ(shell::parseWindowRect(bad), std::nullopt) << bad;
  EXPECT_EQ(shell::sizesText({320, 0, 560}), "320,0,560");
  EXPECT_EQ(shell::parseSizes("320,0,560"), (std::vector<int>{320, 0, 560}));
  for (const char* bad : {"", ",", "1,", "1,-2", "1;2"})
    EXPECT_EQ(shell::parseSizes(bad), std::nullopt) << bad;
}

TEST(WindowPlaces, ARememberedWindowLandsWhollyOnTheScreenOfNow) {
  const Rect screen{0, 0, 1600, 1000};
  EXPECT_EQ(shell::fitOnScreen({100, 50, 900, 640}, screen), (Rect{100, 50, 900, 640}));
  // From a second screen that is gone: moved back.
  EXPECT_EQ(shell::fitOnScreen({2500, 1200, 900, 640}, screen), (Rect{700, 360, 900, 640}));
  // From a larger screen: shrunk, no smaller than the minimum the screen allows.
  EXPECT_EQ(shell::fitOnScreen({-50, -50, 2400, 1400}, screen), (Rect{0, 0, 1600, 1000}));
  EXPECT_EQ(shell::fitOnScreen({0, 0, 100, 80}, screen, 810, 580), (Rect{0, 0, 810, 580}));
  EXPECT_EQ(shell::fitOnScreen({0, 0, 100, 80}, {0, 0, 640, 480}, 810, 580),
            (Rect{0, 0, 640, 480}));
}

// Two screens side by side: a window remembered on the second comes back there, held to it.
TEST(WindowPlaces, ARememberedWindowStaysOnTheScreenThatHoldsMostOfIt) {
  const std::vector<Rect> screens{{0, 0, 1920, 1080}, {1920, 0, 1920, 1080}};
  const struct {
    Rect remembered, placed;
  } cases[] = {
      {{2000, 100, 900, 640}, {2000, 100, 900, 640}},
      {{3500, 100, 900, 640}, {2940, 100, 900, 640}},   // past the right edge of the second
      {{1400, 100, 900, 640}, {1020, 100, 900, 640}},   // mostly on the first
      {{1800, 100, 900, 640}, {1920, 100, 900, 640}},   // mostly on the second
      {{5000, 2000, 900, 640}, {1020, 440, 900, 640}},  // on no screen: the first
  };
  for (const auto& c : cases)
    EXPECT_EQ(shell::fitOnScreens(c.remembered, screens), c.placed) << c.remembered.x;
  // The second screen unplugged: back onto the first.
  EXPECT_EQ(shell::fitOnScreens({2000, 100, 900, 640}, {screens[0]}), (Rect{1020, 100, 900, 640}));
}

TEST(WindowPlaces, AFirstOpeningStandsAboveTheCentreOfItsParent) {
  const Rect screen{0, 0, 1600, 1000};
  EXPECT_EQ(shell::placeAboveCentre(800, 500, {100, 100, 1000, 700}, 15, screen),
            (Rect{200, 185, 800, 500}));
  // A parent at the top of the screen: the window stays on it.
  EXPECT_EQ(shell::placeAboveCentre(800, 500, {0, 0, 800, 300}, 15, screen),
            (Rect{0, 0, 800, 500}));
}

}  // namespace
