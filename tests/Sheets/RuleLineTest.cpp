// An alert rule's line: words, threshold controls and switch side by side while the words keep
// their room, the controls under the words where they would not, always within the row.
#include <gtest/gtest.h>

#include <QWidget>

#include "Qel/Sheets/Settings/RuleLine.hpp"

using namespace qel;

namespace {

// Words that wrap: 40 high from 200 wide, 80 below.
class Words : public QWidget {
 public:
  explicit Words(QWidget* parent) : QWidget(parent) {
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
  }
  QSize sizeHint() const override { return {200, 40}; }
  QSize minimumSizeHint() const override { return {90, 80}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override { return width >= 200 ? 40 : 80; }
};

}  // namespace

TEST(RuleLine, theControlsGoUnderTheWordsOnlyWhereTheyWouldSqueezeThem) {
  QWidget holder;
  auto* words = new Words(&holder);
  auto* controls = new QWidget(&holder);
  controls->setFixedSize(300, 24);
  auto* toggle = new QWidget(&holder);
  toggle->setFixedSize(38, 22);
  auto* line = new RuleLine(words, controls, toggle, 14, 8, 120, &holder);
  line->setContentsMargins(16, 12, 16, 12);
  const auto layOut = [&](int width) { line->setGeometry(QRect(0, 0, width, line->heightForWidth(width))); };

  // 32 of margins, the controls and the switch with their gaps: the words get just 120 at 518.
  layOut(518);
  EXPECT_EQ(words->geometry(), QRect(16, 12, 120, 80));
  EXPECT_EQ(toggle->geometry().right(), 518 - 16 - 1);
  EXPECT_EQ(controls->geometry().right() + 1 + 14, toggle->x());
  EXPECT_EQ(controls->geometry().center().y(), words->geometry().center().y());

  // A pixel less: the words over the controls, which end where they ended.
  layOut(517);
  EXPECT_EQ(words->geometry(), QRect(16, 12, 517 - 32 - 14 - 38, 40));
  EXPECT_EQ(controls->geometry(), QRect(QPoint(toggle->x() - 14 - 300, 12 + 40 + 8), QSize(300, 24)));
  EXPECT_EQ(line->heightForWidth(517), 12 + 40 + 8 + 24 + 12);
  EXPECT_EQ(line->minimumSize().width(), 16 + 300 + 14 + 38 + 16);

  // Without controls the words keep the line at any width.
  controls->hide();
  EXPECT_FALSE(line->stackedAt(200));
}
