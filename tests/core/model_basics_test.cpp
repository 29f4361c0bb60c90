#include <gtest/gtest.h>

#include "model/mission_file.h"

TEST(Mission, NewMissionRoundTrips) {
  model::Mission m;
  m.newMission();
  const auto bytes = model::writeMission(m);
  model::Mission back;
  ASSERT_TRUE(model::readMission(bytes, back).ok());
  EXPECT_EQ(model::writeMission(back), bytes);
}
