#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "Qel/Kit/InitialFocusClearer.hpp"
#include "Qel/Window/SheetHost.hpp"
#include "tests/App/ShellFixture.hpp"

using namespace qel;
using test::settle;

namespace {

class SheetHostTest : public test::ShellTest {
 protected:
  SheetHostTest() {
    owner.resize(400, 300);
    owner.show();
    // Each sheet's content names the sheet and what it was asked for with.
    for (const char* name : {"licenses", "settings", "processDetail"})
      registry.setSheetFactory(name, [this, name](const ViewContext& c, QWidget* parent) {
        ++made;
        QString text = QString::fromUtf8(name);
        if (auto pid = c.navigation.detailPID()) text += QStringLiteral(" %1").arg(*pid);
        if (QString::fromUtf8(name) == "settings") text = QString::fromStdString(L("Settings"));
        return new QLabel(text, parent);
      });
  }
  std::unique_ptr<SheetHost> makeHost() { return std::make_unique<SheetHost>(context(), registry, &owner); }
  static QString shown(const SheetHost& host) {
    auto* label = host.dialog() ? host.dialog()->findChild<QLabel*>() : nullptr;
    return label ? label->text() : QString();
  }

  QWidget owner;
  int made = 0;
};

}  // namespace

TEST_F(SheetHostTest, opensFromItsPropertyAndClosingEitherWayClearsIt) {
  auto host = makeHost();
  store->setShowingSettings(true);
  settle();
  ASSERT_EQ(host->openSheet(), "settings");
  EXPECT_TRUE(host->dialog()->isVisible());
  EXPECT_EQ(host->dialog()->windowModality(), Qt::WindowModal);

  host->dialog()->reject();  // the user closes it (Escape)
  settle();
  EXPECT_FALSE(store->navigation().showingSettings);
  EXPECT_EQ(host->openSheet(), std::nullopt);

  store->setDetailPID(7);
  settle();
  EXPECT_EQ(shown(*host), "processDetail 7");
  store->setDetailPID(8);  // another process: the same sheet, made again
  settle();
  EXPECT_EQ(shown(*host), "processDetail 8");
  store->setDetailPID(std::nullopt);  // cleared by the program
  settle();
  EXPECT_EQ(host->dialog(), nullptr);
}

TEST_F(SheetHostTest, oneSheetAtATimeAndNoRequestIsLost) {
  auto host = makeHost();
  store->setShowingSettings(true);
  settle();
  ASSERT_EQ(host->openSheet(), "settings");

  // Asked for while another is open: it replaces it, and the other's property is cleared.
  store->setDetailPID(42);
  settle();
  EXPECT_EQ(host->openSheet(), "processDetail");
  EXPECT_FALSE(store->navigation().showingSettings);

  // Two in one turn: the earlier in the registry first, the other after it closes.
  store->setDetailPID(std::nullopt);
  settle();
  store->setShowingSettings(true);
  store->setShowingLicenses(true);
  settle();
  EXPECT_EQ(host->openSheet(), "licenses");
  EXPECT_TRUE(store->navigation().showingSettings);
  host->dialog()->reject();
  settle();
  EXPECT_FALSE(store->navigation().showingLicenses);
  EXPECT_EQ(host->openSheet(), "settings");
}

TEST_F(SheetHostTest, aSheetWithoutContentKeepsItsRequest) {
  registry.setSheetFactory("settings", {});
  auto host = makeHost();
  store->setDetailPID(3);
  settle();
  store->setShowingSettings(true);  // nothing to show it with: the open sheet stays
  settle();
  EXPECT_EQ(host->openSheet(), "processDetail");
  EXPECT_TRUE(store->navigation().showingSettings);
  host->dialog()->reject();
  settle();
  EXPECT_EQ(host->openSheet(), std::nullopt);
  EXPECT_TRUE(store->navigation().showingSettings);
}

TEST_F(SheetHostTest, sheetOutlivesItsWindowAndFollowsTheLanguage) {
  auto host = makeHost();
  store->setShowingSettings(true);
  settle();
  ASSERT_EQ(shown(*host), "Settings");
  store->set(Setting::language, "de");
  settle();
  EXPECT_EQ(shown(*host), "Einstellungen");

  host.reset();  // the main window closed: the sheet goes, its request stays
  settle();
  EXPECT_TRUE(store->navigation().showingSettings);
  host = makeHost();
  settle();
  EXPECT_EQ(host->openSheet(), "settings");
}

TEST_F(SheetHostTest, aSheetRegisteredAfterTheHostOpensLikeTheOthers) {
  auto host = makeHost();
  bool asked = false;
  registry.addSheet({"late", [&asked](const NavigationState&) { return asked ? std::optional<std::string>("1") : std::nullopt; },
                     [&asked](Navigator&) { asked = false; },
                     [](const ViewContext&, QWidget* parent) { return new QLabel(QStringLiteral("late"), parent); }});
  asked = true;
  store->setShowingSettings(true);  // any change of the store makes the host look again
  settle();
  EXPECT_EQ(host->openSheet(), "settings");
  host->dialog()->reject();
  settle();
  EXPECT_EQ(host->openSheet(), "late");
  EXPECT_EQ(shown(*host), "late");
}

TEST(InitialFocusClearer, clearsTheFirstFocusOnceButNeverATextField) {
  for (const bool typing : {false, true}) {
    QWidget window;
    auto* button = new QPushButton("button", &window);
    auto* field = new QLineEdit(&window);
    field->move(0, 40);
    auto* clearer = new InitialFocusClearer(&window);
    window.show();
    window.activateWindow();
    (typing ? static_cast<QWidget*>(field) : button)->setFocus();
    settle();
    ASSERT_TRUE(clearer->cleared());
    EXPECT_EQ(window.focusWidget() == field, typing) << typing;
    if (!typing) { EXPECT_FALSE(button->hasFocus()); }

    // Later activations leave the focus where the user put it.
    button->setFocus();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&window, &activate);
    settle();
    EXPECT_TRUE(button->hasFocus());
  }
}

TEST_F(SheetHostTest, aSheetIsAsTallAsItsContentScrollsBeyondTheScreenAndTakesReturn) {
  // A sheet whose default action is Return's.
  struct Sheet : QWidget {
    int returns = 0;
    void keyPressEvent(QKeyEvent* event) override {
      if (event->key() != Qt::Key_Return) return QWidget::keyPressEvent(event);
      ++returns;
      event->accept();
    }
  };
  const int room = QGuiApplication::primaryScreen()->availableGeometry().height();
  int height = 150;
  Sheet* sheet = nullptr;
  registry.setSheetFactory("licenses", [&](const ViewContext&, QWidget* parent) {
    sheet = new Sheet;
    sheet->setParent(parent);
    sheet->setFixedSize(420, height);
    return sheet;
  });
  auto host = makeHost();
  store->setShowingLicenses(true);
  settle();
  ASSERT_TRUE(host->dialog());
  EXPECT_EQ(host->dialog()->size(), QSize(420, 150));  // no more than it holds
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(host->dialog(), &enter);  // the window's own key, as when nothing is focused
  EXPECT_EQ(sheet->returns, 1);
  host->dialog()->reject();
  settle();

  height = room * 2;  // far taller than the screen: it scrolls, to its very end
  store->setShowingLicenses(true);
  settle();
  ASSERT_TRUE(host->dialog());
  EXPECT_LE(host->dialog()->height(), room);
  auto* scroll = host->dialog()->findChild<QScrollArea*>();
  ASSERT_NE(scroll, nullptr);
  scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
  EXPECT_EQ(scroll->widget()->mapTo(scroll->viewport(), QPoint(0, height)).y(), scroll->viewport()->height());
}
