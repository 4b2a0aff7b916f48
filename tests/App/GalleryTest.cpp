// The screenshot gallery: each built view of the main window drawn offscreen at the window's
// size from the busy-afternoon store, light and dark, written as PNG files for people to look
// at. Nothing here is an assertion about the look.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QKeyEvent>

#include "Qel/App/MainViews.hpp"
#include "Qel/Updates/Updater.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Window/RootView.hpp"
#include "tests/support/Gallery.hpp"
#include "tests/Window/BusyAfternoon.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;

namespace {

using qel::test::galleryFolder;

// The main window's content at 1180 × 780 (or `size`), as the user would see it; the
// keyboard focus moves as the Tab key would move it, `steps` times.
QImage shoot(test::BusyAfternoon& day, const ViewRegistry& registry, int steps = 0, QSize size = {1180, 780}) {
  QWidget window;
  window.resize(size);
  auto* root = new RootView(day.context(), registry, &window);
  root->setGeometry(QRect(QPoint(0, 0), size));
  window.show();
  window.activateWindow();
  test::BusyAfternoon::settle();
  for (int i = 0; i < steps; ++i) {
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : &window, &tab);
  }
  test::BusyAfternoon::settle();
  return window.grab().toImage();
}

void write(const QImage& image, const QString& name) {
  const QString path = galleryFolder() + "/" + name + ".png";
  EXPECT_TRUE(image.save(path)) << path.toStdString();
}

}  // namespace

TEST(Gallery, overview) {
  Motion::setEnabled(false);
  for (const char* appearance : {"light", "dark"}) {
    test::useAppearance(appearance);
    test::BusyAfternoon day;
    Updater updater(day.defaults, {});
    ViewRegistry registry;
    registerMainViews(registry, updater);
    write(shoot(day, registry), QString("overview-%1").arg(appearance));
    write(shoot(day, registry, 2), QString("overview-focus-%1").arg(appearance));
    write(shoot(day, registry, 0, {1040, 700}), QString("overview-smallest-%1").arg(appearance));  // the window's minimum

    day.store->show("Ended nusleep");  // a toast at the foot, clear of the headline
    write(shoot(day, registry), QString("overview-toast-%1").arg(appearance));

    day.store->select(83);  // the release build's peak: its event note and the stretch line
    test::BusyAfternoon::settle();
    write(shoot(day, registry), QString("overview-selected-%1").arg(appearance));

    day.store->select(25);  // inside the night's sleep
    day.store->setRingMode(RingMode::live);
    day.store->setSelectedSlot(std::nullopt);
    test::BusyAfternoon::settle();
    write(shoot(day, registry), QString("overview-live-%1").arg(appearance));
  }
  test::useAppearance("light");
}
