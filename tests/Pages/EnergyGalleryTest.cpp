// Screenshots of the energy page in the main window, light and dark: on the recorded laptop and
// on this machine. They are for people to look at (under the build's artifacts/gallery), not
// assertions.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>

#include "Qel/Store/MachineSources.hpp"
#include "Qel/Updater.hpp"
#include "Qel/Window/Fonts.hpp"
#include "Qel/Window/RootView.hpp"
#include "Qel/Window/ScrollerRestyler.hpp"
#include "tests/Pages/LaptopFixture.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;
using namespace qel::test;

namespace {

class EnergyGallery : public LaptopPageTest {
 protected:
  EnergyGallery() {
    Fonts::load();
    ScrollerRestyler::start();
  }

  void shoot(const char* name) {
    for (const char* look : {"light", "dark"}) {
      useAppearance(look);
      store->setPage(Page::energy);
      Updater updater(defaults, {});
      ViewRegistry registry;
      registerMainViews(registry, updater);
      RootView root({*store, *bridge}, registry);
      root.resize(1180, 780);
      root.show();
      settle();
      const QString dir = QStringLiteral(QEL_ARTIFACTS "/gallery");
      QDir().mkpath(dir);
      const QString file = dir + QStringLiteral("/%1-%2.png").arg(QLatin1String(name), QLatin1String(look));
      EXPECT_TRUE(root.grab().save(file)) << file.toStdString();
    }
    useAppearance("light");
  }
};

}  // namespace

TEST_F(EnergyGallery, recordedLaptop) {
  useLaptop(14);
  shoot("energy-laptop");
}

TEST_F(EnergyGallery, thisMachine) {
  StoreServices services;
  useMachineSources(services, nullptr);
  services.main = &main;
  services.defaults = &defaults;
  services.traffic = nullptr;
  services.ports = nullptr;
  services.sleepLog = nullptr;
  services.watchSleep = false;
  bridge.reset();
  store = std::make_unique<Store>(std::move(services));
  bridge = std::make_unique<StoreBridge>(*store);
  for (int i = 0; i < 3; ++i) {
    store->sampleOnce();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 1000) settle();
  }
  EXPECT_GE(store->tick(), 2);
  shoot("energy-live");
}
