// Screenshots of the energy page in the main window, light and dark: on the recorded laptop and
// on this machine. They are for people to look at (under the build's artifacts/gallery), not
// assertions.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Store/MachineSources.hpp"
#include "Qel/Updates/Updater.hpp"
#include "Qel/Window/RootView.hpp"
#include "tests/Pages/LaptopFixture.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;
using namespace qel::test;

namespace {

class EnergyGallery : public LaptopPageTest {
 protected:
  EnergyGallery() {
    Fonts::load();
  }

  void shoot(const char* name) { shootPage(Page::energy, name); }
};

}  // namespace

TEST_F(EnergyGallery, recordedLaptop) {
  useLaptop(14);
  shoot("energy-laptop");
}

TEST_F(EnergyGallery, laptopPageCutsNothingOffAtTheSmallestWindow) {
  useLaptop(14);
  EXPECT_EQ(clippedAtSmallestWindow(Page::energy), QStringList());
}

TEST_F(EnergyGallery, theHeadlineKeepsThePlaceItHasOnEveryPage) {
  // The same height everywhere (the GPU page keeps its headline in its right column).
  const int top = kickerPlace(Page::cpu).y();
  ASSERT_GE(top, 0);
  for (const Page page : {Page::gpu, Page::mem, Page::disk, Page::net, Page::energy})
    EXPECT_EQ(kickerPlace(page).y(), top) << int(page);
  // However full the energy page becomes: a battery, its devices, its forecast.
  useLaptop(14);
  EXPECT_EQ(kickerPlace(Page::energy).y(), top);
}

TEST_F(EnergyGallery, thisMachine) {
  sampleThisMachine(/*withBluetooth=*/true);
  EXPECT_GE(store->liveReadings().tick, 2);
  shoot("energy-live");
}
