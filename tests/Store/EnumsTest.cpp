#include <gtest/gtest.h>

#include "Qel/Store/Enums.hpp"

using namespace qel;

TEST(Enums, rawValuesRoundTripAndOnlyExactWordsConvert) {
  for (TabValueStyle s : allTabValueStyles) EXPECT_EQ(tabValueStyleFromRaw(rawValue(s)), s);
  for (MenuIconStyle s : allMenuIconStyles) EXPECT_EQ(menuIconStyleFromRaw(rawValue(s)), s);

  EXPECT_EQ(menuIconStyleFromRaw("auto"), MenuIconStyle::auto_);
  EXPECT_EQ(menuIconStyleFromRaw("newtonCradle"), MenuIconStyle::newtonCradle);
  for (const char* raw : {"", "Always", "none"}) EXPECT_FALSE(tabValueStyleFromRaw(raw)) << raw;
  for (const char* raw : {"Auto", "auto_", "newtoncradle", "runner"}) EXPECT_FALSE(menuIconStyleFromRaw(raw)) << raw;
}
