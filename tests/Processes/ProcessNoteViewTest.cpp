#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QUrlQuery>

#include "Qel/App/QtExecutor.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Platform/Files/Defaults.hpp"
#include "Qel/Processes/ProcessNoteView.hpp"
#include "Qel/Store/Store.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;

namespace {

class NoteViewTest : public ::testing::Test {
 protected:
  NoteViewTest() {
    StoreServices services;
    services.main = &main;
    services.defaults = &defaults;
    store = std::make_unique<Store>(std::move(services));
  }
  test::TempDir dir;
  Defaults defaults{dir / "defaults.json"};
  QtExecutor main;
  std::unique_ptr<Store> store;
};

}  // namespace

TEST_F(NoteViewTest, aKnownProcessHasNoLookUpAnUnknownOneOpensTheSearch) {
  ProcessNoteView known(ProcessState(*store), {.pid = 1490, .name = "pipewire", .path = "/usr/bin/pipewire"});
  EXPECT_TRUE(known.note().known);
  EXPECT_EQ(known.lookUpButton(), nullptr);
  EXPECT_EQ(known.findChildren<PlainLabel*>().size(), 3);

  ProcessNoteView unknown(ProcessState(*store), {.pid = 4410, .name = "agent", .path = "/opt/tools/bin/agent"});
  EXPECT_FALSE(unknown.note().known);
  ASSERT_NE(unknown.lookUpButton(), nullptr);
  std::vector<QUrl> opened;
  unknown.setOpener([&opened](const QUrl& url) {
    opened.push_back(url);
    return true;
  });
  unknown.lookUpButton()->click();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(QUrlQuery(opened[0]).queryItemValue("q", QUrl::FullyDecoded), "what is the agent process on Linux");
}

TEST_F(NoteViewTest, aHostileNameIsShownLiterallyAndOnOneLine) {
  const std::string hostile = "<b>bold</b>\xE2\x80\xAE" "evil\nsecond line";
  ProcessNoteView view(ProcessState(*store), {.pid = 6000, .name = hostile, .childType = "renderer"});
  const QString summary = view.summaryLabel()->text();
  EXPECT_EQ(view.summaryLabel()->textFormat(), Qt::PlainText);
  EXPECT_EQ(view.adviceLabel()->textFormat(), Qt::PlainText);
  EXPECT_TRUE(summary.startsWith("A page renderer for <b>bold</b>evilsecond line.")) << summary.toStdString();
  EXPECT_FALSE(summary.contains(QChar(0x202E)));
  EXPECT_FALSE(summary.contains('\n'));
}

TEST_F(NoteViewTest, aLongSentenceWrapsAndTheCardGrowsToHoldIt) {
  const std::string app = "/usr/share/applications/" + std::string(12, 'x') + ".desktop";
  ProcInfo p{.pid = 6001, .name = "worker", .path = "/usr/bin/worker", .appKey = app};
  QWidget host;
  auto* view = new ProcessNoteView(ProcessState(*store), p, &host);
  host.resize(260, 400);
  view->setFixedWidth(260);
  host.show();
  QApplication::processEvents();
  const int line = view->summaryLabel()->fontMetrics().height();
  EXPECT_GE(view->summaryLabel()->height(), 2 * line);
  EXPECT_GE(view->height(), view->sizeHint().height());
  EXPECT_LE(view->adviceLabel()->geometry().bottom(), view->height());
}
