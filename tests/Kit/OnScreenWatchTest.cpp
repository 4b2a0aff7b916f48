// Whether a view can be seen, followed through hiding, minimising and a move to another window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "Qel/Kit/OnScreenWatch.hpp"

using namespace qel;

TEST(OnScreenWatch, followsTheViewsWindowAndTellsEachChange) {
  QWidget first, second;
  auto* view = new QWidget(&first);
  int calls = 0;
  OnScreenWatch watch(view, [&] { ++calls; });
  EXPECT_FALSE(watch.on());

  first.show();
  QApplication::processEvents();
  EXPECT_TRUE(watch.on());
  EXPECT_GT(calls, 0);

  calls = 0;
  first.showMinimized();
  QApplication::processEvents();
  EXPECT_FALSE(watch.on());
  EXPECT_GT(calls, 0);
  first.showNormal();
  QApplication::processEvents();
  EXPECT_TRUE(watch.on());

  // Moved into another window: that window's state counts, the old one's no longer does.
  second.show();
  view->setParent(&second);
  view->show();
  QApplication::processEvents();
  EXPECT_TRUE(watch.on());
  calls = 0;
  first.hide();
  QApplication::processEvents();
  EXPECT_EQ(calls, 0);
  second.hide();
  QApplication::processEvents();
  EXPECT_FALSE(watch.on());
  EXPECT_GT(calls, 0);
}
