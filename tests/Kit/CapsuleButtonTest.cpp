#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>

#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Kit/Widgets/CapsuleButton.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;

TEST(CapsuleButtonTest, fillIsDeeperInLightAppearanceAndLeavingPlaysBeforeHiding) {
  auto* capsule = new CapsuleButton("sparkles", 12, {});
  capsule->setText(QStringLiteral("What's new"));
  test::Host host(capsule, QSize(160, CapsuleButton::kHeight), Qt::black);
  const QPoint fill(capsule->width() - 6, CapsuleButton::kHeight / 2);  // right of the text
  test::useAppearance("light");
  EXPECT_TRUE(test::near(host.at(fill.x(), fill.y()), test::over(Qt::black, Palette::calm(), 0.18), 3));
  test::useAppearance("dark");
  EXPECT_TRUE(test::near(host.at(fill.x(), fill.y()), test::over(Qt::black, Palette::calm(), 0.14), 3));
  test::useAppearance("light");

  Motion::setEnabled(true);
  int gone = 0;
  QObject::connect(capsule, &CapsuleButton::gone, [&gone] { ++gone; });
  capsule->setPresent(false);
  EXPECT_TRUE(capsule->isVisible());  // fading out
  QElapsedTimer t;
  t.start();
  while (gone == 0 && t.elapsed() < 30'000) QApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_EQ(gone, 1);
  EXPECT_FALSE(capsule->isVisible());
  capsule->setPresent(true);
  EXPECT_TRUE(capsule->isVisible());
  Motion::setEnabled(false);
}
