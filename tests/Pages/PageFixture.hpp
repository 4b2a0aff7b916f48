#pragma once
// A store with a given processor and no readers, for the page tests: samples go in through
// `apply`, as a tick would hand them over.
#include <QDir>
#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <functional>

#include "Qel/App/MainViews.hpp"
#include "Qel/App/MainWindow.hpp"
#include "Qel/Store/MachineSources.hpp"
#include "Qel/Updates/Updater.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Window/RootView.hpp"
#include "tests/App/ShellFixture.hpp"
#include "tests/support/ChipOnly.hpp"
#include "tests/Window/LayoutFit.hpp"
#include "tests/Window/Probe.hpp"

namespace qel::test {

// How far from `centre` the farthest corner of `box` lies: a text box inside a ring's hole
// reaches no farther than the hole's radius.
inline double reachFrom(QPointF centre, const QRectF& box) {
  double most = 0;
  for (const QPointF corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
    most = std::max(most, std::hypot(corner.x() - centre.x(), corner.y() - centre.y()));
  return most;
}

class PageTest : public ::testing::Test {
 protected:
  explicit PageTest(ChipInfo chip = {"Test Chip 9000", 0, {}}) {
    Motion::setEnabled(false);
    StoreServices services;
    services.main = &main;
    services.defaults = &defaults;
    services.system = std::make_unique<ChipOnly>(std::move(chip));
    store = std::make_unique<Store>(std::move(services));
    bridge = std::make_unique<StoreBridge>(*store);
  }
  ~PageTest() override { settle(); }

  // Replaces the store with one reading this machine (no per-app traffic, ports or sleep log),
  // fed three samples a second apart.
  void sampleThisMachine(bool withBluetooth = false) {
    StoreServices services;
    useMachineSources(services, nullptr);
    services.main = &main;
    services.defaults = &defaults;
    services.traffic = nullptr;
    services.ports = nullptr;
    if (!withBluetooth) services.bluetooth = nullptr;
    services.sleepLog = nullptr;
    services.watchSleep = false;
    bridge.reset();
    store = std::make_unique<Store>(std::move(services));
    bridge = std::make_unique<StoreBridge>(*store);
    // A second apart, as the timer would, and each one waited for: on a busy machine a sample
    // of every process can take longer than that.
    for (int i = 0; i < 3; ++i) {
      const int before = store->liveReadings().tick;
      store->sampleOnce();
      QElapsedTimer waited;
      waited.start();
      while (waited.elapsed() < 1000 || (store->liveReadings().tick == before && waited.elapsed() < 30'000)) settle();
    }
  }

  // Shows `page` in the main window's view at the smallest size the window allows, and hands the
  // view to `look`. The view is held at that size, as the window holds it: a page asking for
  // more is squeezed, never given more room than a user's window has.
  void atSmallestWindow(Page page, const std::function<void(RootView&)>& look) {
    store->setPage(page);
    Updater updater(defaults, {});
    ViewRegistry registry;
    registerMainViews(registry, updater);
    QWidget window;
    window.resize(MainWindow::kMinimumSize);
    auto* root = new RootView(viewContext(*store), registry, &window);
    root->setGeometry(window.rect());
    window.show();
    settle();
    look(*root);
  }

  // What `page` cuts off without a hint in the main window at the smallest size it allows.
  QStringList clippedAtSmallestWindow(Page page, const std::function<void(RootView&)>& prepare = {}) {
    QStringList clipped;
    atSmallestWindow(page, [&](RootView& root) {
      if (prepare) {
        prepare(root);
        settle();
      }
      clipped = clippedWidgets(&root);
    });
    return clipped;
  }

  // Where the page's kicker (its name over the headline figure) stands in the window, or a point
  // far off when the page shows none.
  QPoint kickerPlace(Page page) {
    QPoint place{-1000, -1000};
    showPage(page, [&](RootView& root) {
      for (auto* label : root.pageView()->findChildren<PlainLabel*>())
        if (label->isVisible() && label->text() == qel::title(page)) place = label->mapTo(&root, QPoint(0, 0));
    });
    return place;
  }

  // Shows `page` in the main window's view at its usual size and hands the view to `look`.
  void showPage(Page page, const std::function<void(RootView&)>& look) {
    store->setPage(page);
    Updater updater(defaults, {});
    ViewRegistry registry;
    registerMainViews(registry, updater);
    RootView root(viewContext(*store), registry);
    root.resize(1180, 780);
    root.show();
    settle();
    look(root);
  }

  // Writes `page` in the main window, light and dark, to the gallery as <name>-<look>.png;
  // `prepare` readies the shown window before the picture.
  void shootPage(Page page, const char* name, const std::function<void(RootView&)>& prepare = {}) {
    for (const char* look : {"light", "dark"}) {
      useAppearance(look);
      showPage(page, [&](RootView& root) {
        if (prepare) {
          prepare(root);
          settle();
        }
        const QString folder = QStringLiteral(QEL_ARTIFACTS "/gallery");
        QDir().mkpath(folder);
        const QString file = folder + QStringLiteral("/%1-%2.png").arg(QLatin1String(name), QLatin1String(look));
        EXPECT_TRUE(root.grab().save(file)) << file.toStdString();
      });
    }
    useAppearance("light");
  }

 public:
  static ProcInfo proc(std::int32_t pid, std::string name, double cpu, double energy = 0, bool system = false) {
    ProcInfo p;
    p.pid = pid;
    p.name = std::move(name);
    p.cpu = cpu;
    p.energy = energy;
    p.isSystem = system;
    return p;
  }

 protected:
  TempDir dir;
  Defaults defaults{dir / "defaults.json"};
  QtExecutor main;
  std::unique_ptr<Store> store;
  std::unique_ptr<StoreBridge> bridge;
};

}  // namespace qel::test
