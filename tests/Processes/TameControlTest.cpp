#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>

#include <unistd.h>

#include "Qel/App/QtExecutor.hpp"
#include "Qel/Kit/Widgets/PillSegment.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Platform/Files/Defaults.hpp"
#include "Qel/Processes/TameControl.hpp"
#include "Qel/Sheets/Settings/TameRulesSection.hpp"
#include "Qel/Store/Store.hpp"
#include "tests/support/TempDir.hpp"
#include "tests/support/TestProcesses.hpp"

using namespace qel;

namespace {

const std::string kApp = "/usr/share/applications/org.example.Mail.desktop";

void click(QWidget* widget, QPointF at) {
  for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent e(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &e);
  }
}

class TameTest : public ::testing::Test {
 protected:
  TameTest() {
    StoreServices services;
    services.main = &main;
    services.defaults = &defaults;
    store = std::make_unique<Store>(std::move(services));
  }
  test::TempDir dir;
  Defaults defaults{dir / "defaults.json"};
  QtExecutor main;
  std::unique_ptr<Store> store;
  ProcInfo mail{.pid = 3300, .name = "Mail", .path = "/usr/bin/example-mail", .appKey = kApp};
};

}  // namespace

TEST(TameKey, onlyAnApplicationsOwnProcessesMayBeTamed) {
  const std::int32_t self = 5000;
  EXPECT_EQ(tameKey({.pid = 3300, .path = "/usr/bin/example-mail", .appKey = kApp}, self), kApp);
  // A bare program: an interpreter's path would take in every script it runs.
  EXPECT_FALSE(tameKey({.pid = 3301, .path = "/usr/bin/python3", .appKey = "/usr/bin/python3"}, self));
  EXPECT_FALSE(tameKey({.pid = 3302, .path = "/usr/bin/python3"}, self));
  EXPECT_FALSE(tameKey({.pid = 3303}, self));
  EXPECT_FALSE(tameKey({.pid = 3304, .path = "/usr/bin/example-mail", .isSystem = true, .appKey = kApp}, self));
  EXPECT_FALSE(tameKey({.pid = self, .path = "/usr/bin/qel", .appKey = kApp}, self));
  EXPECT_FALSE(tameKey({.pid = 1187, .name = "gnome-shell", .path = "/usr/bin/gnome-shell", .appKey = kApp}, self));
}

TEST(TameNote, saysWhatTheRuleDoesAndCountsWhatItHoldsNow) {
  const std::string slow = "slow", pause = "pause", odd = "sometimes";
  const std::string alone = tameNote("Mail", &slow, 0);
  EXPECT_TRUE(alone.ends_with("It recovers as soon as you switch back.")) << alone;
  EXPECT_EQ(tameNote("Mail", &slow, 3), alone + " 3 processes are slowed right now.");
  EXPECT_TRUE(tameNote("Mail", &pause, 1).ends_with(" 1 process is paused right now."));
  const std::string generic = tameNote("Mail", nullptr, 0);
  EXPECT_EQ(generic, "Mail can slow down or pause automatically after you switch to another app. That saves power "
                     "and keeps the front app smooth.");
  EXPECT_EQ(tameNote("Mail", &odd, 2), generic);

  // Where slowing can't be undone, the note says so before the choice, and after it while so.
  EXPECT_EQ(tameNote("Mail", nullptr, 0, false), generic + " Slowing it down can't be undone until Mail restarts.");
  EXPECT_EQ(tameNote("Mail", &slow, 0, false),
            "After you switch to another app, every process of Mail drops to background priority. It can't be "
            "raised again until Mail restarts.");
  EXPECT_EQ(tameNote("Mail", nullptr, 0, false, 2), generic + " Mail stays slowed until it restarts.");
}

TEST_F(TameTest, saysBeforeSlowingWhenSlowingCantBeUndone) {
  auto app = test::sleeper();
  ASSERT_TRUE(test::reaches(*app, 'S'));
  ProcInfo live = mail;
  live.pid = app->pid();
  live.startTime = test::identity(*app).startTime;
  {
    test::WithoutCapability user(CAP_SYS_NICE);  // as for an ordinary user
    TameControl control{TamingState(*store), ProcessState(*store), *store, live};
    EXPECT_TRUE(control.noteLabel()->text().endsWith(" Slowing it down can't be undone until org.example.Mail restarts."));
  }
  if (test::runsAsRoot()) {
    TameControl control{TamingState(*store), ProcessState(*store), *store, live};  // whoever may renice can undo it
    EXPECT_FALSE(control.noteLabel()->text().contains("can't be undone"));
  }
}

TEST_F(TameTest, theSwitchSetsAndRemovesTheRuleAndTheListFollows) {
  TameControl control{TamingState(*store), ProcessState(*store), *store, mail};
  TameRulesSection rules{TamingState(*store), ProcessState(*store), *store};
  EXPECT_TRUE(rules.isHidden());
  ASSERT_TRUE(control.segment());
  control.resize(control.sizeHint());
  EXPECT_TRUE(control.segment()->isSelected(0));

  click(control.segment(), control.segment()->pillRect(2).center());
  EXPECT_EQ(store->taming().tameRules.at(kApp), "pause");
  control.refresh();
  rules.sync();
  EXPECT_TRUE(control.segment()->isSelected(2));
  EXPECT_TRUE(control.noteLabel()->text().startsWith("After you switch to another app, org.example.Mail pauses"));
  EXPECT_FALSE(rules.isHidden());
  EXPECT_EQ(rules.findChildren<QAbstractButton*>().size(), 1);

  click(control.segment(), control.segment()->pillRect(0).center());
  EXPECT_TRUE(store->taming().tameRules.empty());
  rules.sync();
  EXPECT_TRUE(rules.isHidden());
}

TEST_F(TameTest, anUnknownRuleWordHighlightsNothingAndTheListSaysItSlows) {
  store->setTameRules({{kApp, "sometimes"}});
  TameControl control{TamingState(*store), ProcessState(*store), *store, mail};
  for (int i = 0; i < control.segment()->count(); ++i) EXPECT_FALSE(control.segment()->isSelected(i));
  EXPECT_EQ(tameRuleText("sometimes"), "Slows down after you switch away");
  TameRulesSection rules{TamingState(*store), ProcessState(*store), *store};
  auto* remove = rules.findChild<QAbstractButton*>();
  ASSERT_TRUE(remove);
  remove->click();
  EXPECT_TRUE(store->taming().tameRules.empty());
}

TEST_F(TameTest, nothingIsOfferedForAProgramOutsideAnyApp) {
  TameControl control{TamingState(*store), ProcessState(*store), *store,
                      {.pid = 3400, .name = "python3", .path = "/usr/bin/python3", .appKey = "/usr/bin/python3"}};
  EXPECT_FALSE(control.key());
  EXPECT_EQ(control.segment(), nullptr);
  EXPECT_TRUE(control.isHidden());
}
