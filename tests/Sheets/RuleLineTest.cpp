// An alert rule's line: words, threshold controls and switch side by side where the words keep
// their room, the controls under the words where they would not, always within the row.
#include <gtest/gtest.h>

#include <QWidget>

#include "Qel/Sheets/Settings/RuleLine.hpp"

using namespace qel;

namespace {

// Words that wrap: 40 high at 200 wide and more, 80 below, never narrower than 90.
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

class Fixed : public QWidget {
 public:
  Fixed(QSize size, QWidget* parent) : QWidget(parent), size_(size) { setFixedSize(size); }
  QSize sizeHint() const override { return size_; }

 private:
  QSize size_;
};

struct Row {
  QWidget holder;
  Words* words = new Words(&holder);
  Fixed* controls = new Fixed({300, 24}, &holder);
  Fixed* toggle = new Fixed({38, 22}, &holder);
  RuleLine* line = new RuleLine(words, controls, toggle, 14, 8, 120, &holder);
  Row() { line->setContentsMargins(16, 12, 16, 12); }
  void layOut(int width) { line->setGeometry(QRect(0, 0, width, line->heightForWidth(width))); }
};

}  // namespace

TEST(RuleLine, sideBySideWhileTheWordsKeepTheirRoom) {
  Row row;
  // 32 of margins, 300 and 38 of controls, two gaps of 14: the words get 120 at 518.
  EXPECT_FALSE(row.line->stackedAt(518));
  row.layOut(518);
  EXPECT_EQ(row.words->geometry(), QRect(16, 12, 120, 80));
  EXPECT_EQ(row.toggle->geometry().right(), 518 - 16 - 1);
  EXPECT_EQ(row.controls->geometry().right() + 1 + 14, row.toggle->x());
  EXPECT_EQ(row.controls->geometry().center().y(), row.words->geometry().center().y());
  EXPECT_EQ(row.line->heightForWidth(518), 12 + 80 + 12);
  EXPECT_EQ(row.line->heightForWidth(700), 12 + 40 + 12);
}

TEST(RuleLine, theControlsGoUnderTheWordsWhereTheyWouldSqueezeThem) {
  Row row;
  EXPECT_TRUE(row.line->stackedAt(517));
  row.layOut(517);
  // The words over the controls, the controls ending where they would have ended.
  EXPECT_EQ(row.words->geometry(), QRect(16, 12, 517 - 32 - 14 - 38, 40));
  EXPECT_EQ(row.controls->geometry(), QRect(QPoint(row.toggle->x() - 14 - 300, 12 + 40 + 8), QSize(300, 24)));
  EXPECT_EQ(row.line->heightForWidth(517), 12 + 40 + 8 + 24 + 12);
  // The row asks no more than the wider of the words and the controls beside the switch.
  EXPECT_EQ(row.line->minimumSize().width(), 16 + 300 + 14 + 38 + 16);
  EXPECT_EQ(row.line->sizeHint().width(), 16 + 200 + 14 + 300 + 14 + 38 + 16);

  // Without controls the words always keep the line.
  row.controls->hide();
  EXPECT_FALSE(row.line->stackedAt(200));
  row.layOut(300);
  EXPECT_EQ(row.words->geometry().width(), 300 - 32 - 14 - 38);
}
