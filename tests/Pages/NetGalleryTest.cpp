// Screenshots of the network page and its ports panel, light and dark, from a store fed a busy
// afternoon. They are for people to look at (under the build's artifacts/gallery), not
// assertions.
#include <gtest/gtest.h>

#include <QDir>
#include <QVBoxLayout>

#include "Qel/Pages/Network/PortsPanel.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Window/RootView.hpp"
#include "tests/Pages/NetFixture.hpp"
#include "Qel/App/MainWindow.hpp"
#include "tests/Window/LayoutFit.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;
using namespace qel::test;

namespace {

class NetGallery : public NetTest {
 protected:
  NetGallery() {
    Fonts::load();
    build(netAfternoon(), netAfternoonPorts());
    apply(netAfternoon(), {{"enp3s0", "192.168.1.20"}, {"wlp2s0", "192.168.1.34"}}, 2.95e6, 0.93e6);
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
    RootView root(viewContext(*store), registry);
    root.resize(1180, 780);
    root.show();
    settle();
    EXPECT_TRUE(root.grab().save(file("net", look)));

    // Framed with the room the page gives it, so the picture shows the panel's own edges.
    QWidget frame;
    auto* layout = new QVBoxLayout(&frame);
    layout->setContentsMargins(24, 24, 24, 24);
    auto* panel = new PortsPanel(ProcessState(*store), *store, *store, &frame);
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
  RootView root(viewContext(*store), registry);
  root.resize(MainWindow::kMinimumSize);
  root.show();
  settle();
  EXPECT_EQ(clippedWidgets(&root), QStringList());
}
