// Screenshots of the process views from the busy-afternoon store, light and dark, for people to
// look at (under the build's artifacts/gallery); nothing here is an assertion about the look.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "Qel/App/MainViews.hpp"
#include "Qel/Processes/ProcessTable.hpp"
#include "Qel/Updates/Updater.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Window/RootView.hpp"
#include "tests/support/Gallery.hpp"
#include "tests/Window/BusyAfternoon.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;

namespace {

using qel::test::writeShot;

}  // namespace

TEST(ProcessesGallery, tableWithASelection) {
  Motion::setEnabled(false);
  for (const char* appearance : {"light", "dark"}) {
    test::useAppearance(appearance);
    test::BusyAfternoon day;
    Updater updater(day.defaults, {});
    ViewRegistry registry;
    registerMainViews(registry, updater);
    RootView root(day.context(), registry);
    root.resize(1180, 780);
    root.show();
    test::BusyAfternoon::settle();
    writeShot(root, QString("processes-overview-%1").arg(appearance));

    day.store->setSelection({2311, 1020, 5820});
    test::BusyAfternoon::settle();
    auto* table = root.findChild<ProcessTable*>();
    ASSERT_TRUE(table);
    writeShot(*table, QString("processes-table-selected-%1").arg(appearance));
  }
  test::useAppearance("light");
}
