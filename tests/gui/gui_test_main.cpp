// GUI tests run real widgets on the offscreen platform.
#include <QApplication>

#include <gtest/gtest.h>

#include "app/base/handbook_window.h"
#include "app/base/input_policy.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  app::InputPolicy::install();
  app::installHandbookKey();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
