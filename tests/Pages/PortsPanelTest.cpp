// The ports panel: its search, count and empty texts, its rows, and whom End may end.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QToolTip>

#include "Qel/Kit/IconCache.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Pages/Network/PortList.hpp"
#include "Qel/Pages/Network/PortRow.hpp"
#include "Qel/Pages/Network/PortsPanel.hpp"
#include "Qel/Platform/Proc/SysRoot.hpp"
#include "Qel/Samplers/PortOwners.hpp"
#include "tests/Pages/NetFixture.hpp"
#include "tests/support/ShownText.hpp"

using namespace qel;
using namespace qel::test;

namespace {

PortEntry port(std::int64_t number, std::string command, std::int32_t pid = 100, bool open = false) {
  return {.port = number, .proto = "TCP", .pid = pid, .command = std::move(command), .open = open};
}

ProcInfo owner(std::int32_t pid, std::string name, std::uint64_t start = 9, bool system = false) {
  ProcInfo p = PageTest::proc(pid, std::move(name), 0, 0, system);
  p.startTime = start;
  return p;
}

std::vector<std::int64_t> numbers(const std::vector<PortEntry>& ports) {
  std::vector<std::int64_t> out;
  for (const auto& p : ports) out.push_back(p.port);
  return out;
}

}  // namespace

TEST(PortList, searchesPortNumbersCommandsAndOwnerNames) {
  const std::vector<PortEntry> ports{port(22, "sshd", 1), port(80, "nginx", 2),     port(3380, "x", 3),
                                     port(5432, "postgres", 4), port(8080, "node", 5), port(9000, "app80", 6),
                                     port(9229, "nod", 7)};
  const std::vector<ProcInfo> procs{owner(7, "Node")};
  EXPECT_EQ(numbers(visiblePorts(ports, "", procs)).size(), ports.size());
  EXPECT_EQ(numbers(visiblePorts(ports, " \t", procs)).size(), ports.size());
  EXPECT_EQ(numbers(visiblePorts(ports, "80", procs)), (std::vector<std::int64_t>{80, 3380, 8080, 9000}));
  // The listing cut the command short; the process list knows the whole name.
  EXPECT_EQ(numbers(visiblePorts(ports, "  NODE \t", procs)), (std::vector<std::int64_t>{8080, 9229}));
  EXPECT_TRUE(visiblePorts(ports, "zzz", procs).empty());
}

TEST(PortList, countsAllPortsAndSaysWhyTheListIsEmpty) {
  const std::vector<PortEntry> mixed{port(1, "a", 1, true), port(2, "b", 2, true), port(3, "c", 3)};
  EXPECT_EQ(portCountText(mixed, true), "3 ports, 2 open to the local network");
  EXPECT_EQ(portCountText({port(1, "a"), port(2, "b"), port(3, "c")}, true), "3 ports");
  EXPECT_EQ(portCountText({}, true), "0 ports");
  EXPECT_EQ(portCountText(mixed, false), "");

  EXPECT_EQ(portEmptyText(true, false, "80"), "Listening ports can't be read because the system lsof command can't be run.");
  EXPECT_EQ(portEmptyText(true, true, " \t"), "No process under your account is listening on a port right now.");
  EXPECT_EQ(portEmptyText(true, true, " 5432 "),
            "No process under your account is listening on port 5432. A system service may still be using it.");
  EXPECT_EQ(portEmptyText(true, true, "-1"),
            "No process under your account is listening on port -1. A system service may still be using it.");
  EXPECT_EQ(portEmptyText(true, true, " NODE "), "No listening process has “NODE” in its name.");
  EXPECT_EQ(portEmptyText(true, true, "-"), "No listening process has “-” in its name.");
  // Until the first read ends, whatever the search.
  for (bool available : {true, false}) EXPECT_EQ(portEmptyText(false, available, "80"), "Reading listening ports…");
}

TEST(PortList, namesTheOwnerAndExplainsWellKnownPorts) {
  const auto node = owner(5, "Node Server");
  EXPECT_EQ(portRowText(port(8080, "node", 5), node), (PortRowText{"Node Server", "Common web service port"}));
  EXPECT_EQ(portRowText(port(40111, "node", 5), node), (PortRowText{"Node Server", "node"}));
  EXPECT_EQ(portRowText(port(40111, "node", 5), std::nullopt), (PortRowText{"node", std::nullopt}));
  // A socket whose owner couldn't be found is still someone's: no blank name, no blank hint.
  EXPECT_EQ(portRowText(port(40111, "", 0), std::nullopt), (PortRowText{"Unknown", std::nullopt}));
  // A name from the listing is shown as text, never as markup or control characters.
  const auto odd = portRowText(port(40111, "<b>x\x1b[31m", 5), std::nullopt);
  EXPECT_EQ(odd.name.find('\x1b'), std::string::npos);
}

TEST(PortList, offersEndForTheUsersOwnProcesses) {
  EXPECT_TRUE(portEndOffered(owner(5, "Node")));
  EXPECT_FALSE(portEndOffered(owner(6, "sshd", 9, true)));
  EXPECT_FALSE(portEndOffered(std::nullopt));
  EXPECT_FALSE(portEndOffered(owner(0, "swapper")));
}

class PortsPanelTest : public PageTest {
 protected:
  void setProcs(std::vector<ProcInfo> procs) {
    Snapshot s;
    s.procs = std::move(procs);
    store->apply(s);
    settle();
  }

  // A child that waits to be ended, with its real start time.
  ~PortsPanelTest() override {
    if (child_ > 0 && alive(child_)) {
      kill(child_, SIGKILL);
      waitpid(child_, nullptr, 0);
    }
  }
  pid_t spawn() {
    const pid_t child = fork();
    child_ = child;
    if (child == 0) {
      pause();
      _exit(0);
    }
    const auto running = readRunningProcess(child, SysRoot{});
    start_ = running ? running->startTime : 0;
    comm_ = running ? running->comm : "";
    return child;
  }
  bool alive(pid_t child) {
    int status = 0;
    return waitpid(child, &status, WNOHANG) == 0;
  }
  pid_t child_ = 0;
  std::uint64_t start_ = 0;
  std::string comm_;
};

TEST_F(PortsPanelTest, endReachesTheListedProcessAndNeverAReusedPid) {
  IconCache icons;
  const pid_t child = spawn();
  ASSERT_GT(start_, 0u);
  setProcs({owner(child, "Node", start_), owner(0, "Node", start_)});

  // The listing arrived before this process started: the listed one ended, its pid was reused.
  PortRow reused{ProcessState(*store), *store, *store, icons, port(8080, comm_, child, true), start_ - 1};
  EXPECT_FALSE(reused.endButton()->isHidden());
  reused.endButton()->click();
  // The listing named another program than the one under the pid now.
  PortRow other{ProcessState(*store), *store, *store, icons, port(8080, "node", child, true), bootTicksNow()};
  other.endButton()->click();
  // pid 0 never reaches the quit, even with a process sampled under it.
  PortRow zero{ProcessState(*store), *store, *store, icons, port(8080, comm_, 0, true), bootTicksNow()};
  EXPECT_TRUE(zero.endButton()->isHidden());
  zero.endOwner();
  settle();
  EXPECT_TRUE(alive(child));
  EXPECT_FALSE(store->navigation().toast);

  // The process that was listed is ended.
  PortRow row{ProcessState(*store), *store, *store, icons, port(8080, comm_, child, true), bootTicksNow()};
  EXPECT_EQ(row.text().name, "Node");
  row.endButton()->click();
  settle();
  int status = 0;
  EXPECT_EQ(waitpid(child, &status, 0), child);
  child_ = 0;
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
  EXPECT_EQ(store->navigation().toast, std::optional<std::string>("Ended Node"));
}

class PortsPanelView : public NetTest {};

TEST_F(PortsPanelView, showsTheSearchCountAndRows) {
  build({}, std::vector<PortEntry>{port(22, "sshd", 5, true), port(8080, "node", 5, false),
                                   port(40111, "python3", 6)},
        false);
  apply({owner(5, "Node")});
  PortsPanel panel{ProcessState(*store), *store, *store};
  panel.resize(430, 400);
  panel.show();
  settle();
  // Before the first read ends nothing is known yet, least of all that no port is open.
  EXPECT_EQ(panel.countLabel()->text(), QString());
  EXPECT_EQ(panel.emptyLabel()->text(), QStringLiteral("Reading listening ports…"));

  loadPorts();
  settle();
  EXPECT_EQ(panel.countLabel()->text(), QStringLiteral("3 ports, 1 open to the local network"));
  EXPECT_FALSE(panel.emptyLabel()->isVisible());
  ASSERT_EQ(panel.rows().size(), 3u);
  EXPECT_EQ(panel.rows()[0]->text().name, "Node");
  EXPECT_EQ(panel.rows()[2]->text().name, "python3");  // not in the sample: the listed command
  EXPECT_TRUE(panel.rows()[2]->endButton()->isHidden());
  panel.rows()[2]->click();
  EXPECT_FALSE(store->navigation().detailPID);
  panel.rows()[0]->click();
  EXPECT_EQ(store->navigation().detailPID, 5);

  panel.searchField()->setText(QStringLiteral("5432"));
  emit panel.searchField()->textEdited(panel.searchField()->text());
  settle();
  EXPECT_EQ(store->processList().portQuery, "5432");
  EXPECT_TRUE(panel.rows().empty());
  EXPECT_TRUE(panel.emptyLabel()->text().startsWith(QStringLiteral("No process under your account is listening on port 5432.")));
  store->setPortQuery("80");
  settle();
  EXPECT_EQ(panel.searchField()->text(), QStringLiteral("80"));
  ASSERT_EQ(panel.rows().size(), 1u);
  EXPECT_EQ(panel.rows()[0]->entry().port, 8080);
}

TEST_F(PortsPanelView, aNameCutShortReadsWholeAndAsWrittenInTheRowsToolTip) {
  const std::string hostile = "<u>Firefox<u><!-- " + std::string(80, 'x');
  apply({owner(5, hostile)});
  IconCache icons;
  PortRow row{ProcessState(*store), *store, *store, icons, port(8080, "firefox", 5, true), bootTicksNow()};
  row.resize(380, row.heightForWidth(380));
  row.show();
  settle();
  const QPoint overName(PortRow::kPortWidth + PortRow::kSpacing + PortRow::kIcon + 20, 15);
  QHelpEvent help(QEvent::ToolTip, overName, row.mapToGlobal(overName));
  QApplication::sendEvent(&row, &help);
  EXPECT_EQ(test::shownToolTip(QToolTip::text()).toStdString(), hostile);
  QToolTip::hideText();
}

TEST_F(PortsPanelView, focusStaysWithThePortItShowedAndLeavesWithIt) {
  build({}, std::vector<PortEntry>{port(8765, "node", 5), port(8766, "node", 6), port(8767, "node", 7)}, false);
  apply({owner(5, "Server A"), owner(6, "Server B"), owner(7, "Server C")});
  PortsPanel panel{ProcessState(*store), *store, *store};
  panel.resize(430, 400);
  panel.show();
  panel.activateWindow();
  loadPorts();
  settle();
  ASSERT_EQ(panel.rows().size(), 3u);
  PortRow* second = panel.rows()[1];
  second->endButton()->setFocus();
  ASSERT_TRUE(second->endButton()->hasFocus());

  // A port above it closes: the focus moves up with port 8766.
  relist({port(8766, "node", 6), port(8767, "node", 7)});
  settle();
  ASSERT_EQ(panel.rows().size(), 2u);
  EXPECT_EQ(panel.rows()[0], second);
  EXPECT_EQ(second->entry().port, 8766);
  EXPECT_TRUE(second->endButton()->hasFocus());

  // Its own port closes: the focus leaves the rows, and Space reaches no End button.
  relist({port(8767, "node", 7)});
  settle();
  ASSERT_EQ(panel.rows().size(), 1u);
  EXPECT_EQ(panel.rows()[0]->entry().port, 8767);
  EXPECT_FALSE(panel.rows()[0]->hasFocus());
  EXPECT_FALSE(panel.rows()[0]->endButton()->hasFocus());

  // The pid behind a port goes to a newcomer: a new row, so no press of the old one reaches it.
  PortRow* third = panel.rows()[0];
  ProcInfo newcomer = owner(7, "Newcomer", 10);
  apply({newcomer});
  settle();
  ASSERT_EQ(panel.rows().size(), 1u);
  EXPECT_NE(panel.rows()[0], third);
  EXPECT_EQ(panel.rows()[0]->text().name, "Newcomer");
}
