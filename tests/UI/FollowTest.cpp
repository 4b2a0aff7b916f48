#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include "Qel/Kit/Follow.hpp"
#include "Qel/Store/Notice.hpp"

namespace qel {

TEST(Follow, aViewDeletedWhileTheNoticeIsToldIsNeverCalled) {
  Notice notice;
  QWidget window;
  auto* page = new QWidget(&window);
  QPointer<QWidget> doomed = new QWidget(&window);
  int doomedTold = 0;
  // The page, told first, drops the other view (a page swap deleting the old page's parts).
  follow(notice, page, [&] { delete doomed.data(); });
  follow(notice, doomed, [&] { ++doomedTold; });
  notice.mark();
  notice.publish();
  EXPECT_EQ(doomedTold, 0);

  // A deleted receiver's subscription went with it.
  int pageTold = 0;
  auto* other = new QWidget(&window);
  follow(notice, other, [&] { ++pageTold; });
  delete other;
  notice.mark();
  notice.publish();
  EXPECT_EQ(pageTold, 0);
}

TEST(Follow, aMinimisedWindowsViewsHearOnceWhenItIsBack) {
  Notice notice;
  QWidget window;
  auto* view = new QWidget(&window);
  QObject helper(view);  // a plain object follows as the widget it belongs to
  int viewTold = 0, helperTold = 0;
  follow(notice, view, [&] { ++viewTold; });
  follow(notice, &helper, [&] { ++helperTold; });
  window.show();
  window.setWindowState(Qt::WindowMinimized);
  for (int i = 0; i < 3; ++i) {
    notice.mark();
    notice.publish();
  }
  QApplication::processEvents();
  EXPECT_EQ(viewTold, 0);
  EXPECT_EQ(helperTold, 0);

  window.setWindowState(Qt::WindowNoState);
  QApplication::processEvents();
  EXPECT_EQ(viewTold, 1);
  EXPECT_EQ(helperTold, 1);
  notice.mark();
  notice.publish();
  EXPECT_EQ(viewTold, 2);

  // Back without anything missed: nothing to catch up.
  window.setWindowState(Qt::WindowMinimized);
  window.setWindowState(Qt::WindowNoState);
  QApplication::processEvents();
  EXPECT_EQ(viewTold, 2);
}

}  // namespace qel
