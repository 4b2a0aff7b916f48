#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QWheelEvent>

#include "Qel/Kit/Charts/Sparkline.hpp"
#include "Qel/Kit/Charts/ThinBar.hpp"
#include "Qel/Kit/Scrollers/HoverFlasher.hpp"
#include "Qel/Kit/Scrollers/ScrollerRestyler.hpp"
#include "Qel/Kit/Scrollers/SlimScroller.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Glyphs.hpp"
#include "Qel/Kit/Widgets/BaselineRow.hpp"
#include "Qel/Kit/Widgets/PageHead.hpp"
#include "Qel/Kit/Widgets/PillSegment.hpp"
#include "Qel/Kit/Widgets/StableValue.hpp"
#include "Qel/Pages/Network/WheelToHorizontal.hpp"
#include "Qel/Pages/SegmentBar.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;
using test::Host;
using test::near;
using test::over;

namespace {

const QColor kWhite(Qt::white);

// The columns of a row of an image that differ from the background.
std::pair<int, int> inkColumns(const QImage& image, int y, QColor background) {
  int first = -1, last = -1;
  for (int x = 0; x < image.width(); ++x) {
    if (near(image.pixelColor(x, y), background, 30)) continue;
    if (first < 0) first = x;
    last = x;
  }
  return {first, last};
}

}  // namespace

TEST(Sparkline, drawsLineOverFadingAreaAtComputedPoints) {
  test::useAppearance("light");
  const QColor red(255, 0, 0);
  auto* rising = new Sparkline(red, 1.0);
  rising->setValues({0, 1});  // from (0, 28) to (100, 2)
  Host host(rising, QSize(100, 30));
  const QImage drawn = host.image();
  int reddest = 0;  // the line crosses column 50 at y = 28 − 26 × 50.5 / 100
  for (int y = 0; y < 30; ++y)
    if (drawn.pixelColor(50, y).green() < drawn.pixelColor(50, reddest).green()) reddest = y;
  EXPECT_NEAR(reddest, 14.87, 1);
  EXPECT_TRUE(near(drawn.pixelColor(50, reddest), red, 60));
  EXPECT_TRUE(near(host.at(50, 6), kWhite, 2));  // above the line: nothing
  const QColor area = host.at(50, 26);            // below it: the fading area, faint red
  EXPECT_GT(area.red(), 250);
  EXPECT_LT(area.green(), 250);
  EXPECT_GT(area.green(), int(255 * (1 - 0.32)));

  rising->setValues({0, 0});  // flat, 2 above the bottom
  EXPECT_TRUE(near(host.at(50, 28), red, 90));
  EXPECT_TRUE(near(host.at(50, 15), kWhite, 2));

  rising->setValues({0.5});  // one value: nothing at all
  EXPECT_TRUE(near(host.at(50, 28), kWhite, 0));
}

TEST(ThinBar, fillsItsFractionAndKeepsASliver) {
  test::useAppearance("light");
  const QColor strain = Palette::strain();
  auto* bar = new ThinBar(0.5, strain);
  Host host(bar, QSize(100, 4));
  EXPECT_TRUE(near(host.at(25, 2), strain));
  EXPECT_TRUE(near(host.at(75, 2), over(kWhite, Qt::black, 0.08), 2));  // the track

  bar->setFraction(0);
  EXPECT_TRUE(near(host.at(1, 2), strain, 40));
  EXPECT_TRUE(near(host.at(10, 2), over(kWhite, Qt::black, 0.08), 2));

  bar->setFraction(1.5);
  EXPECT_TRUE(near(host.at(97, 2), strain));

  test::useAppearance("dark");  // the track turns to a white wash
  bar->setFraction(0.5);
  const QColor ground = Palette::rgb(0x1B2126);
  Host dark(new ThinBar(0.5, strain), QSize(100, 4), ground);
  EXPECT_TRUE(near(dark.at(75, 2), over(ground, Qt::white, 0.08), 2));
}

TEST(SegmentBar, segmentsGapsAndTrack) {
  test::useAppearance("light");
  const QColor a(200, 30, 30), b(30, 30, 200);
  auto* bar = new SegmentBar({{0.5, a}, {0.5, b}}, 10);
  Host host(bar, QSize(200, 10));
  const QColor track = over(kWhite, Qt::black, 0.06);
  EXPECT_TRUE(near(host.at(49, 5), a));
  EXPECT_TRUE(near(host.at(99, 5), track, 3));  // the gap between 98 and 100
  EXPECT_TRUE(near(host.at(150, 5), b));
  EXPECT_TRUE(near(host.at(199, 5), track, 3));

  bar->setSegments({{0.005, a}, {0.5, b}});  // too narrow to draw; the next starts after its gap
  EXPECT_TRUE(near(host.at(1, 5), track, 3));
  EXPECT_TRUE(near(host.at(50, 5), b));
}

TEST(StableValue, takesTheWidestTextsWidthAndAlignsInside) {
  test::useAppearance("light");
  auto* value = new StableValue("7%", "100%", Qt::AlignTrailing);
  const QFontMetricsF fm(value->font());
  const int reserved = value->sizeHint().width();
  EXPECT_EQ(reserved, int(std::ceil(fm.horizontalAdvance("100%"))));
  value->setText("42%");
  EXPECT_EQ(value->sizeHint().width(), reserved);  // changing digits never move the layout
  EXPECT_EQ(value->accessibleName(), "42%");

  Host host(value, value->sizeHint());
  const int row = value->height() / 2;
  auto* leading = new StableValue("42%", "100%");
  Host left(leading, leading->sizeHint());
  const auto trailingInk = inkColumns(host.image(), row, kWhite);
  const auto leadingInk = inkColumns(left.image(), row, kWhite);
  EXPECT_GE(trailingInk.second, reserved - 3);  // the short text sits at the right end
  EXPECT_NEAR(trailingInk.first - leadingInk.first, fm.horizontalAdvance("100%") - fm.horizontalAdvance("42%"), 1.5);
}

TEST(PageHead, unitIsAThirdOfTheNumberOnOneBaseline) {
  PageHead head("CPU", Palette::cpu(), "37", "%", "Eight cores", 50);
  const auto& runs = head.figure()->runs();
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].font.pixelSize(), 50);
  EXPECT_EQ(runs[1].font.pixelSize(), 16);
  head.setValue("38", "%");
  EXPECT_EQ(head.figure()->runs()[0].text, "38");
  EXPECT_EQ(head.figure()->accessibleName(), "38 %");
}

TEST(PillSegment, arrowKeysMoveTheSelectionAndStopAtTheEnds) {
  int selection = 0, calls = 0;
  auto* pills = new PillSegment;
  pills->setOptions<int>({{0, "One"}, {1, "Two"}, {2, "Three"}}, [&] { return selection; },
                         [&](const int& v) { selection = v, ++calls; });
  Host host(pills, pills->sizeHint());
  EXPECT_EQ(pills->focusPolicy() & Qt::TabFocus, Qt::TabFocus);  // reached with Tab
  const auto press = [pills](int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(pills, &event);
  };
  press(Qt::Key_Right);
  EXPECT_EQ(selection, 1);
  press(Qt::Key_End);
  EXPECT_EQ(selection, 2);
  press(Qt::Key_Right);  // already the last: the setter is not called again
  EXPECT_EQ(calls, 2);
  press(Qt::Key_Home);
  EXPECT_EQ(selection, 0);
  press(Qt::Key_Left);
  EXPECT_EQ(calls, 3);
}

TEST(PillSegment, pressingAPillSetsItsValue) {
  test::useAppearance("light");
  std::string selection = "none of them";
  auto* pills = new PillSegment;
  pills->setOptions<std::string>({{"slow", "Same"}, {"pause", "Same"}, {"none", "Leave"}},
                                 [&] { return selection; }, [&](const std::string& v) { selection = v; });
  for (int i = 0; i < pills->count(); ++i) EXPECT_FALSE(pills->isSelected(i));

  Host host(pills, pills->sizeHint());
  const QPointF second = pills->pillRect(1).center();
  QMouseEvent press(QEvent::MouseButtonPress, second, pills->mapToGlobal(second), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, second, pills->mapToGlobal(second), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(pills, &press);
  QApplication::sendEvent(pills, &release);
  EXPECT_EQ(selection, "pause");  // told apart by position, not title
  EXPECT_FALSE(pills->isSelected(0));
  EXPECT_TRUE(pills->isSelected(1));

  // The selected pill is drawn on a darker capsule than the others.
  const QPoint inFirst = pills->pillRect(0).topLeft().toPoint() + QPoint(4, 3);
  const QPoint inSecond = pills->pillRect(1).topLeft().toPoint() + QPoint(4, 3);
  EXPECT_TRUE(near(host.at(inFirst.x(), inFirst.y()), over(kWhite, Qt::black, 0.06), 2));
  EXPECT_TRUE(near(host.at(inSecond.x(), inSecond.y()), over(over(kWhite, Qt::black, 0.06), Qt::black, 0.12), 3));
}

TEST(Glyphs, drawnByCodepointInTheGivenColour) {
  QImage image(24, 24, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  Glyphs::draw(p, QRectF(0, 0, 24, 24), "stop.fill", 24, QColor(0, 120, 0));
  Glyphs::draw(p, QRectF(0, 0, 24, 24), "not.a.symbol", 24, Qt::red);
  p.end();
  EXPECT_TRUE(near(image.pixelColor(12, 12), QColor(0, 120, 0), 4));
  EXPECT_TRUE(near(image.pixelColor(1, 1), kWhite, 4));
}

namespace {

// A scroll area 200 × 100 over content 600 wide, scrolled to x = 100, whose content counts the
// wheel events that reach it.
struct Strip {
  QWidget window;
  QScrollArea* area = new QScrollArea(&window);
  int wheelsSeen = 0;

  struct Content : QLabel {
    int* seen;
    explicit Content(int* s) : QLabel("strip"), seen(s) {}
    void wheelEvent(QWheelEvent* e) override {
      ++*seen;
      e->ignore();
    }
  };

  Strip() {
    auto* content = new Content(&wheelsSeen);
    content->setFixedSize(600, 80);
    area->setWidget(content);
    area->setGeometry(0, 0, 200, 100);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    new WheelToHorizontal(area);
    window.resize(200, 100);
    window.show();
    QApplication::processEvents();
    area->horizontalScrollBar()->setValue(100);
  }

  bool send(QPoint angle, QPoint pixels = {}, Qt::ScrollPhase phase = Qt::NoScrollPhase) {
    const QPointF at(100, 40);
    QWheelEvent e(at, area->widget()->mapToGlobal(at), pixels, angle, Qt::NoButton, Qt::NoModifier, phase, false);
    QApplication::sendEvent(area->widget(), &e);
    return e.isAccepted();
  }
  int x() const { return area->horizontalScrollBar()->value(); }
};

}  // namespace

TEST(WheelToHorizontal, wheelNotchesScrollSidewaysAndTouchpadsPassThrough) {
  const int room = Strip().area->horizontalScrollBar()->maximum();
  ASSERT_GT(room, 300);
  {
    Strip strip;
    strip.send({0, 180});  // 1.5 notches: 60 px to the left
    EXPECT_EQ(strip.x(), 40);
    EXPECT_EQ(strip.wheelsSeen, 0);  // consumed before any view
    strip.send({0, -20 * 120});
    EXPECT_EQ(strip.x(), room);
  }
  {
    Strip strip;
    strip.send({0, 120}, {0, 30}, Qt::ScrollUpdate);  // a touchpad
    EXPECT_EQ(strip.wheelsSeen, 1);
    strip.send({360, -240});  // mostly horizontal
    EXPECT_EQ(strip.wheelsSeen, 2);
  }
  {
    Strip strip;
    strip.area->widget()->setFixedSize(150, 80);  // content fits: nothing to move
    QApplication::processEvents();
    strip.send({0, 120});
    EXPECT_EQ(strip.wheelsSeen, 1);
  }
}

TEST(SlimScroller, knobFaintAtRestFullWhileShownAndDarkerUnderThePointer) {
  test::useAppearance("light");
  ScrollerRestyler::start();
  ScrollerRestyler::start();  // harmless again
  QScrollArea area;
  auto* tall = new QWidget;
  tall->setFixedSize(150, 1200);
  area.setWidget(tall);
  area.resize(200, 300);
  area.show();
  QApplication::processEvents();
  EXPECT_EQ(area.style()->pixelMetric(QStyle::PM_ScrollBarExtent), SlimScroller::kWidth);
  EXPECT_EQ(area.viewport()->width(), 200 - 2 * area.frameWidth());  // laid over the content
  EXPECT_EQ(area.findChildren<HoverFlasher*>().size(), 1);

  QScrollBar* bar = area.verticalScrollBar();
  QStyleOptionSlider option;
  option.initFrom(bar);
  option.orientation = Qt::Vertical;
  option.minimum = bar->minimum();
  option.maximum = bar->maximum();
  option.pageStep = bar->pageStep();
  option.sliderPosition = bar->value();
  const QRect knob = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
  ASSERT_FALSE(knob.isEmpty());
  const QPoint middle(bar->width() / 2, knob.center().y());

  const auto draw = [&](QStyle::State extra) {
    QImage image(bar->size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    QStyleOptionSlider o = option;
    o.rect = bar->rect();
    o.state |= extra;
    bar->style()->drawComplexControl(QStyle::CC_ScrollBar, &o, &p, bar);
    p.end();
    return image;
  };
  bar->setProperty("qelShownUntil", QVariant());
  const QColor ink = Palette::rgb(0x1B2422);
  // At rest a faint knob without its slot hints that the content scrolls.
  EXPECT_TRUE(near(draw({}).pixelColor(middle), over(kWhite, ink, 0.2), 3));
  EXPECT_TRUE(near(draw({}).pixelColor(2, middle.y()), kWhite, 0));
  EXPECT_TRUE(near(draw({}).pixelColor(middle.x(), knob.bottom() + 4), kWhite, 0));

  HoverFlasher::attach(&area)->flash(true);
  EXPECT_TRUE(HoverFlasher::isShown(bar));
  EXPECT_TRUE(near(draw({}).pixelColor(middle), over(over(kWhite, ink, 0.05), ink, 0.3), 3));
  EXPECT_TRUE(near(draw(QStyle::State_MouseOver).pixelColor(middle), over(over(kWhite, ink, 0.08), ink, 0.45), 3));
  // Across the bar: the knob is 6 wide in the middle of 12, the slot 8.
  EXPECT_TRUE(near(draw({}).pixelColor(1, middle.y()), kWhite, 0));
  EXPECT_TRUE(near(draw({}).pixelColor(2, middle.y()), over(kWhite, ink, 0.05), 3));

  option.maximum = option.minimum;  // content fits: nothing at all
  EXPECT_TRUE(near(draw(QStyle::State_MouseOver).pixelColor(middle), kWhite, 0));
}
