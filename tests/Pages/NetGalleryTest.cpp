// Screenshots of the network page and its ports panel, light and dark, from a store fed a busy
// afternoon. They are for people to look at (under the build's artifacts/gallery), not
// assertions.
#include <gtest/gtest.h>

#include <QDir>
#include <QVBoxLayout>

#include "Qel/Pages/PortsPanel.hpp"
#include "Qel/Kit/Fonts.hpp"
#include "Qel/Window/RootView.hpp"
#include "tests/Pages/NetFixture.hpp"
#include "Qel/App/MainWindow.hpp"
#include "tests/Window/LayoutFit.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;
using namespace qel::test;

namespace {

ProcInfo talker(std::int32_t pid, const char* name, const char* comm, double down, double up, std::uint64_t total) {
  ProcInfo p = NetTest::app(pid, name, down, up, total);
  p.path = std::string("/usr/bin/") + comm;
  p.startTime = 5000 + std::uint64_t(pid);
  return p;
}

const std::vector<ProcInfo>& afternoon() {
  static const std::vector<ProcInfo> procs{
      talker(1210, "firefox-esr", "firefox-esr", 1.9e6, 84e3, 2'400'000'000),
      talker(1234, "Isolated Web Content", "Isolated Web Co", 310e3, 12e3, 410'000'000),
      talker(1302, "thunderbird", "thunderbird", 2.1e3, 600, 88'000'000),
      talker(1350, "slack", "slack", 14e3, 3.5e3, 120'000'000),
      talker(1388, "code", "code", 300, 120, 9'500'000),
      talker(1420, "syncthing", "syncthing", 640e3, 820e3, 5'100'000'000),
      talker(1466, "spotify", "spotify", 48e3, 1.1e3, 260'000'000),
      talker(1502, "node", "node", 0, 0, 1'200'000),
      talker(1530, "python3", "python3", 0, 0, 340'000),
      talker(1577, "ssh", "ssh", 900, 700, 2'700'000),
      talker(1600, "gnome-software", "gnome-software", 0, 0, 31'000'000),
  };
  return procs;
}

PortEntry listening(std::int64_t port, const char* proto, std::int32_t pid, const char* command, bool open) {
  return {.port = port, .proto = proto, .pid = pid, .command = command, .open = open};
}

class NetGallery : public NetTest {
 protected:
  NetGallery() {
    Fonts::load();
    build(afternoon(), std::vector<PortEntry>{
                           listening(631, "TCP", 880, "cupsd", false), listening(3000, "TCP", 1502, "node", true),
                           listening(5353, "UDP", 1210, "firefox-esr", true),
                           listening(8000, "TCP", 1530, "python3", false), listening(8384, "TCP", 1420, "syncthing", false),
                           listening(22000, "TCP", 1420, "syncthing", true), listening(57621, "TCP", 1466, "spotify", true),
                           listening(41873, "TCP", 1388, "code", false)});
    apply(afternoon(), {{"enp3s0", "192.168.1.20"}, {"wlp2s0", "192.168.1.34"}}, 2.95e6, 0.93e6);
    store->setPage(Page::net);
    loadPorts();
  }

  static QString file(const char* name, const char* look) {
    const QString dir = QStringLiteral(QEL_ARTIFACTS "/gallery");
    QDir().mkpath(dir);
    return dir + QStringLiteral("/%1-%2.png").arg(QLatin1String(name), QLatin1String(look));
  }
};

}  // namespace

TEST_F(NetGallery, networkPageAndPortsPanel) {
  for (const char* look : {"light", "dark"}) {
    useAppearance(look);
    Updater updater(defaults, {});
    ViewRegistry registry;
    registerMainViews(registry, updater);
    RootView root({*store}, registry);
    root.resize(1180, 780);
    root.show();
    settle();
    EXPECT_TRUE(root.grab().save(file("net", look)));

    // Framed with the room the page gives it, so the picture shows the panel's own edges.
    QWidget frame;
    auto* layout = new QVBoxLayout(&frame);
    layout->setContentsMargins(24, 24, 24, 24);
    auto* panel = new PortsPanel(*store, &frame);
    layout->addWidget(panel);
    frame.resize(430 + 48, 520 + 48);
    frame.setAutoFillBackground(true);
    frame.show();
    frame.setFocus();  // the search field's caret is no part of the panel at rest
    settle();
    EXPECT_EQ(clippedWidgets(&frame), QStringList());
    EXPECT_TRUE(frame.grab().save(file("ports", look)));
  }
  useAppearance("light");
}

TEST_F(NetGallery, pageAndPortsPanelCutNothingOffAtTheSmallestWindow) {
  Updater updater(defaults, {});
  ViewRegistry registry;
  registerMainViews(registry, updater);
  RootView root({*store}, registry);
  root.resize(MainWindow::kMinimumSize);
  root.show();
  settle();
  EXPECT_EQ(clippedWidgets(&root), QStringList());
}
