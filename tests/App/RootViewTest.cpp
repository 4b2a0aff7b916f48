#include <QAbstractButton>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

#include "Qel/Window/Overview/OverviewPage.hpp"
#include "Qel/App/QtDesktop.hpp"
#include "Qel/Window/Overview/MetricRow.hpp"
#include "Qel/Window/CircleIconButton.hpp"
#include "Qel/Kit/Widgets/PageHead.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Kit/Widgets/PlainToolTip.hpp"
#include "Qel/Window/RootView.hpp"
#include "Qel/Window/SheetHost.hpp"
#include "Qel/Window/TabBar.hpp"
#include "Qel/Window/Toast.hpp"
#include "Qel/Window/TopBar.hpp"
#include "tests/App/ShellFixture.hpp"
#include "tests/support/Gallery.hpp"
#include "tests/support/FeedServer.hpp"
#include "tests/Window/Covered.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;
using test::near;
using test::settle;
using test::over;

namespace {

constexpr int kW = 1180, kH = 780;

struct ShownRoot {
  QWidget window;
  RootView* root;
  ShownRoot(const ViewContext& context, const ViewRegistry& registry) {
    window.resize(kW, kH);
    root = new RootView(context, registry, &window);
    root->setGeometry(0, 0, kW, kH);
    window.show();
    test::settle();
  }
  QColor at(int x, int y) { return window.grab().toImage().pixelColor(x, y); }
};

}  // namespace

TEST(Glow, placeAndStrengthFollowPageAndLoad) {
  const QSizeF size(1000, 700);
  struct Case {
    Page page;
    double cpu;
    bool light;
    double x, opacity;
  } cases[] = {
      {Page::overview, 0, true, 300, 0.14},    {Page::overview, 0, false, 300, 0.06},
      {Page::cpu, 1, true, 700, 0.34},         {Page::cpu, 1.7, false, 700, 0.32},
      {Page::net, -0.5, true, 320, 0.14},      {Page::energy, 0.5, true, 500, 0.24},
      {Page::gpu, std::nan(""), false, 300, 0.06}, {Page::disk, 0.5, false, 300, 0.19},
  };
  for (const auto& c : cases) {
    const Glow g = glowFor(c.page, c.cpu, c.light, size);
    EXPECT_DOUBLE_EQ(g.centre.x(), c.x) << rawValue(c.page);
    EXPECT_DOUBLE_EQ(g.centre.y(), 350);
    EXPECT_NEAR(g.opacity, c.opacity, 1e-12) << rawValue(c.page) << " " << c.cpu;
    EXPECT_EQ(g.color, accent(c.page));
  }
}

TEST(Glow, looksDifferOnlyWherePixelsDo) {
  const QColor bg = background(Page::mem).resolve();
  const Glow glow{QPointF(400, 300), accent(Page::mem), 0.2};
  const GlowLook look = glowLook(glow, bg, 1);
  ASSERT_GT(look.levels, 20);
  EXPECT_EQ(look.level, std::lround(0.2 * look.levels));
  EXPECT_EQ(glowRect(look), QRect(70, -30, 660, 660));

  Glow exact = glow;  // a strength that is a whole step, so a small change stays on it
  exact.opacity = double(look.level) / look.levels;
  auto lookWith = [&](double opacity, QPointF centre) {
    return glowLook({centre, glow.color, opacity}, bg, 1);
  };
  EXPECT_EQ(lookWith(exact.opacity + 0.4 / look.levels, glow.centre), look);
  EXPECT_EQ(lookWith(exact.opacity - 0.4 / look.levels, glow.centre + QPointF(0.3, -0.3)), look);
  EXPECT_NE(lookWith(exact.opacity + 1.0 / look.levels, glow.centre), look);
  EXPECT_NE(lookWith(exact.opacity, glow.centre + QPointF(1, 0)), look);
  EXPECT_NE(glowLook(glow, bg, 2), look);

  // Nonsense in, an empty glow out.
  const GlowLook odd = glowLook({QPointF(std::nan(""), 1e300), glow.color, std::nan("")}, bg, 0);
  EXPECT_EQ(odd.level, 0);
  EXPECT_EQ(odd.dpr, 1);
  EXPECT_EQ(glowLook(glow, glow.color, 1).levels, 0);  // no difference to show
}

TEST(Glow, faintGlowFadesWithoutRings) {
  // Dark and faint: about a dozen 8-bit levels between the centre and the rim.
  test::useAppearance("dark");
  const QColor bg = background(Page::cpu).resolve(), color = accent(Page::cpu);
  const GlowLook look = glowLook({QPointF(330, 330), color, 0.06}, bg, 1);
  test::useAppearance("light");
  const QImage image = GlowFade().render(look);
  ASSERT_EQ(image.size(), QSize(660, 660));
  EXPECT_EQ(image.pixel(0, 0), bg.rgb());
  EXPECT_EQ(image.pixel(659, 330), bg.rgb());

  // The channel that changes most, exactly and as drawn, averaged over 8 by 8 pixels along a
  // radius. Rounding each pixel alone leaves rings that miss the fade by up to half a level.
  const auto channel = [&](QRgb c) {
    const int d[3] = {std::abs(qRed(look.color) - qRed(bg.rgb())), std::abs(qGreen(look.color) - qGreen(bg.rgb())),
                      std::abs(qBlue(look.color) - qBlue(bg.rgb()))};
    const int k = int(std::max_element(d, d + 3) - d);
    return double(k == 0 ? qRed(c) : k == 1 ? qGreen(c) : qBlue(c));
  };
  const double strength = double(look.level) / look.levels;
  double worst = 0;
  for (int x = 330; x + 8 <= 640; x += 8) {
    double sum = 0;
    for (int j = 326; j < 334; ++j)
      for (int i = x; i < x + 8; ++i) sum += channel(image.pixel(i, j));
    const double fade = 1 - (x + 4 - 330) / 330.0;
    const double exact = channel(bg.rgb()) + (channel(look.color) - channel(bg.rgb())) * strength * fade;
    worst = std::max(worst, std::abs(sum / 64 - exact));
  }
  EXPECT_LT(worst, 0.2);
}

TEST(PlainToolTip, showsAnyTextAsWritten) {
  for (const QString text : {"Settings", "<b>bold</b> & <i>", "a\nb", "&amp; stays &amp;", "<script>x</script>"}) {
    QTextDocument shown;
    shown.setHtml(plainToolTip(text));
    EXPECT_EQ(shown.toPlainText().replace(QChar::LineSeparator, '\n'), text) << text.toStdString();
  }
  EXPECT_TRUE(plainToolTip({}).isEmpty());
}

TEST(PlainLabel, anElidedLabelEndsInAnEllipsisAndTellsTheWholeTextOnHover) {
  QWidget window;
  auto* label = new PlainLabel("kworker/3:2-events_unbound", 11.5, QFont::Normal, Palette::tertiaryText(), &window);
  label->setElided(true);
  label->setGeometry(0, 0, 90, 20);
  window.resize(100, 20);
  window.show();
  QApplication::processEvents();
  EXPECT_LT(label->minimumSizeHint().width(), 60);  // a layout may make it narrower than its text
  EXPECT_TRUE(label->shownText().endsWith(QChar(0x2026)));
  label->grab();  // paints, which sets the tip
  EXPECT_FALSE(label->toolTip().isEmpty());
  label->setText("ld");
  label->grab();
  EXPECT_EQ(label->shownText(), "ld");
  EXPECT_TRUE(label->toolTip().isEmpty());
}

class RootViewTest : public test::ShellTest {};

TEST_F(RootViewTest, switchesToTheRegisteredPageOrItsHeadline) {
  registry.setPage(Page::cpu, [](const ViewContext&, QWidget* parent) { return new QLabel("the cpu page", parent); });
  ShownRoot shown(context(), registry);
  EXPECT_NE(shown.root->pageView()->findChild<OverviewPage*>(), nullptr);

  store->setPage(Page::cpu);
  settle();
  EXPECT_EQ(shown.root->shownPage(), Page::cpu);
  auto* page = shown.root->pageView()->findChild<QLabel*>();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->text(), "the cpu page");
  EXPECT_DOUBLE_EQ(shown.root->glow().centre.x(), kW - 300);

  // The tabs switch the page and clear the ring selection.
  store->setSelectedSlot(12);
  auto* bar = shown.root->findChild<TabBar*>();
  ASSERT_NE(bar, nullptr);
  test::click(bar->tab(Page::mem), bar->tab(Page::mem)->rect().center());
  settle();
  EXPECT_EQ(store->navigation().page, Page::mem);
  EXPECT_EQ(store->dayView().selectedSlot, std::nullopt);
  auto* head = shown.root->pageView()->findChild<PageHead*>();
  ASSERT_NE(head, nullptr);
  EXPECT_EQ(head->nameLabel()->text(), "Memory");
  EXPECT_EQ(head->nameLabel()->color(), accentText(Page::mem));
}

TEST_F(RootViewTest, backgroundAndGlowFollowPageLoadAndAppearance) {
  test::useAppearance("light");
  store->setPage(Page::cpu);
  setLoad(1.0);
  ShownRoot shown(context(), registry);
  const QColor lightBg = Palette::rgb(0xEAF3F0), darkBg = Palette::rgb(0x11251F);
  const int cx = kW - 300, cy = kH / 2;
  EXPECT_TRUE(near(shown.at(10, kH - 10), lightBg, 1));  // far from the glow
  EXPECT_TRUE(near(shown.at(cx, cy), over(lightBg, Palette::cpu(), 0.34), 3));

  setLoad(0.0);
  settle();
  EXPECT_TRUE(near(shown.at(cx, cy), over(lightBg, Palette::cpu(), 0.14), 3));

  QtDesktop desktop;  // the settings' path: store, desktop, palette
  store->setDesktop(&desktop);
  store->set(Setting::appearance, "dark");
  settle();
  EXPECT_TRUE(near(shown.at(10, kH - 10), darkBg, 1));
  EXPECT_TRUE(near(shown.at(cx, cy), over(darkBg, Palette::cpu(), 0.06), 3));
  store->setDesktop(nullptr);
  test::useAppearance("light");
}

TEST_F(RootViewTest, languageChangeRemakesEveryVisibleText) {
  ShownRoot shown(context(), registry);
  store->set(Setting::language, "de");
  settle();
  auto* bar = shown.root->findChild<TabBar*>();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->tab(Page::overview)->accessibleName(), "Übersicht");
  auto* overview = shown.root->pageView()->findChild<OverviewPage*>();
  ASSERT_NE(overview, nullptr);
  EXPECT_EQ(overview->metricRows().at(1)->name(), "Speicher");
  EXPECT_TRUE(shown.root->topBar()->settingsButton()->toolTip().contains("Einstellungen"));
  EXPECT_EQ(shown.root->topBar()->replayButton()->accessibleName(), "Rückblick");

  store->set(Setting::language, "en");
  settle();
  EXPECT_EQ(shown.root->findChild<TabBar*>()->tab(Page::overview)->accessibleName(), "Overview");
}

TEST_F(RootViewTest, topBarSitsTopRightAndActs) {
  int replays = 0;
  registry.setReplay([&] { ++replays; });
  registry.addTopBarItem([](const ViewContext&, QWidget* parent) { return new QLabel("stretch", parent); });
  ShownRoot shown(context(), registry);
  TopBar* bar = shown.root->topBar();
  EXPECT_EQ(bar->geometry().right() + 1, kW - 16);
  EXPECT_EQ(bar->geometry().top(), 12);
  EXPECT_LT(bar->findChild<QLabel*>()->geometry().left(), bar->replayButton()->geometry().left());
  EXPECT_LT(bar->replayButton()->geometry().left(), bar->settingsButton()->geometry().left());

  bar->replayButton()->click();
  bar->settingsButton()->click();
  settle();
  EXPECT_EQ(replays, 1);
  EXPECT_TRUE(store->navigation().showingSettings);
  // The circle's faint fill at its edge, the grey symbol in its middle.
  const QPoint edge = bar->settingsButton()->mapTo(&shown.window, QPoint(3, 17));
  const QColor bg = Palette::rgb(0xF3F5F4);
  EXPECT_TRUE(near(shown.at(edge.x(), edge.y()), over(bg, Qt::black, 0.05), 3));
}

TEST_F(RootViewTest, topBarShrinksWithItsItemsAndLeavesTheTabsClickable) {
  // A wide notice that goes away later, as "What's new" does once seen.
  QPointer<QLabel> notice;
  registry.addTopBarItem([&notice](const ViewContext&, QWidget* parent) {
    notice = new QLabel(QString(40, QChar('x')), parent);
    return notice.data();
  });
  QWidget window;
  window.resize(1040, 700);
  auto* root = new RootView(context(), registry, &window);
  root->setGeometry(0, 0, 1040, 700);
  window.show();
  settle();
  ASSERT_TRUE(notice);
  const int wide = root->topBar()->width();
  notice->hide();
  settle();
  EXPECT_LT(root->topBar()->width(), wide);
  EXPECT_EQ(root->topBar()->geometry().right() + 1, 1040 - 16);
  // Whatever the bar moved to, every tab's middle is that tab's, not the top bar's.
  auto* bar = root->findChild<TabBar*>();
  ASSERT_NE(bar, nullptr);
  for (Page page : allPages) {
    TabButton* tab = bar->tab(page);
    const QPoint middle = tab->mapTo(root, tab->rect().center());
    EXPECT_EQ(root->childAt(middle), tab) << rawValue(page);
  }
}

TEST_F(RootViewTest, anUpdateNoticeOfAnyLengthLeavesEveryTabToItself) {
  for (const QByteArray& named : {QByteArray("12345678901234567890"), QByteArray(20000, '9')}) {
    test::FeedServer server(test::feed("<item><u:version>9.0.0</u:version><u:shortVersionString>" + named +
                                       "</u:shortVersionString><link>https://example.org/get</link></item>"));
    Updater::Options o;
    o.feed = server.url();
    o.running = AppVersion::parse("1.0.0");
    o.shortDelay = std::chrono::hours(1);
    Updater feedUpdater(defaults, o);
    feedUpdater.checkInBackground();
    QElapsedTimer waited;
    waited.start();
    while (!feedUpdater.available() && waited.elapsed() < 10'000) QApplication::processEvents(QEventLoop::AllEvents, 25);
    ASSERT_TRUE(feedUpdater.available());
    ViewRegistry views;
    registerMainViews(views, feedUpdater);
    QWidget window;
    window.resize(1040, 700);
    auto* root = new RootView(context(), views, &window);
    root->setGeometry(0, 0, 1040, 700);
    window.show();
    settle();
    auto* bar = root->findChild<TabBar*>();
    ASSERT_NE(bar, nullptr);
    for (Page page : allPages) {
      TabButton* tab = bar->tab(page);
      EXPECT_FALSE(tab->geometry().translated(tab->parentWidget()->mapTo(root, QPoint())).intersects(
          root->topBar()->geometry()))
          << rawValue(page) << " under a notice " << named.size() << " long";
    }
  }
}

TEST_F(RootViewTest, toastShowsUntrustedTextAsWrittenAndLeaves) {
  ShownRoot shown(context(), registry);
  Toast* toast = shown.root->toast();
  EXPECT_FALSE(toast->isVisible());
  const std::string text = "<b>bold?</b> & <i>done</i>";
  store->show(text);
  settle();
  ASSERT_TRUE(toast->isVisible());
  EXPECT_EQ(toast->text().toStdString(), text);
  // Near the foot of the window, on none of its controls (the process list takes the foot's middle).
  EXPECT_EQ(toast->geometry().bottom() + 1, kH - Toast::kBottom);
  EXPECT_TRUE(test::controlsUnder(*toast).empty()) << test::controlsUnder(*toast).front();
  const QPoint inside = toast->mapTo(&shown.window, QPoint(toast->height() / 2 + 2, toast->height() / 2));
  EXPECT_TRUE(near(shown.at(inside.x(), inside.y()), Palette::rgb(0xF5F4F0), 3));
  // At the foot of the window it covers no page's headline.
  const auto inRoot = [&shown](const QWidget* w) { return QRect(w->mapTo(shown.root, QPoint(0, 0)), w->size()); };
  auto* overview = shown.root->pageView()->findChild<OverviewPage*>();
  ASSERT_NE(overview, nullptr);
  EXPECT_FALSE(toast->geometry().intersects(inRoot(overview->statusTitle())));
  EXPECT_FALSE(toast->geometry().intersects(inRoot(overview->statusDetail())));
  store->setPage(Page::mem);
  settle();
  auto* head = shown.root->pageView()->findChild<PageHead*>();
  ASSERT_NE(head, nullptr);
  EXPECT_FALSE(toast->geometry().intersects(inRoot(head)));

  toast->setMessage(std::nullopt);
  settle();
  EXPECT_FALSE(toast->isVisible());
}

TEST_F(RootViewTest, aToastRaisedUnderAnOpenSheetShowsOverTheSheetAndComesBackAfter) {
  ShownRoot shown(context(), registry);
  Toast* toast = shown.root->toast();
  store->setShowingSettings(true);
  settle();
  QDialog* sheet = shown.root->sheets()->dialog();
  ASSERT_NE(sheet, nullptr);
  store->show("History erased");
  settle();
  ASSERT_TRUE(toast->isVisible());
  EXPECT_EQ(toast->window(), sheet);  // in the sheet's window, over its content
  EXPECT_TRUE(sheet->rect().contains(toast->geometry()));
  EXPECT_TRUE(test::controlsUnder(*toast).empty()) << test::controlsUnder(*toast).front();
  for (const char* look : {"light", "dark"}) {
    test::useAppearance(look);
    settle();
    test::writeShot(*sheet, QStringLiteral("toast-over-sheet-%1").arg(QLatin1String(look)));
  }
  test::useAppearance("light");

  store->setShowingSettings(false);
  settle();
  EXPECT_EQ(toast->parentWidget(), shown.root);
  EXPECT_TRUE(toast->isVisible());  // still saying it, now over the main window
  EXPECT_EQ(toast->geometry().bottom() + 1, kH - Toast::kBottom);
  EXPECT_TRUE(test::controlsUnder(*toast).empty()) << test::controlsUnder(*toast).front();
}

TEST_F(RootViewTest, tabBarStaysCentredUnlessTheTopBarIsInTheWay) {
  for (int width : {1400, 1040}) {
    QWidget window;
    window.resize(width, 700);
    auto* root = new RootView(context(), registry, &window);
    root->setGeometry(0, 0, width, 700);
    window.show();
    settle();
    const QRect bar = root->tabBar()->geometry();
    const QRect top = root->topBar()->geometry();
    EXPECT_LE(bar.right() + 8, top.left()) << width;  // never under the top bar
    if (width == 1400) { EXPECT_NEAR(bar.center().x(), width / 2, 1); }
    EXPECT_GE(bar.left(), 16) << width;
    EXPECT_EQ(root->findChildren<TabBar*>().size(), 1u);
  }
  // Made again (a new language): one bar, not the old one left behind.
  ShownRoot shown(context(), registry);
  store->set(Setting::language, "de");
  settle();
  EXPECT_EQ(shown.root->findChildren<TabBar*>().size(), 1u);
  store->set(Setting::language, "en");
  settle();
}
