#pragma once
// A store for the network page's tests: per-app traffic and listening ports come from fixed
// readers, through the store's own queues, as a tick would bring them.
#include <QElapsedTimer>

#include <mutex>

#include "Qel/Samplers/NetTopSampler.hpp"
#include "tests/Pages/PageFixture.hpp"

namespace qel::test {

class FixedTraffic final : public TrafficSource {
 public:
  explicit FixedTraffic(std::map<std::int32_t, NetUse> use) : use_(std::move(use)) {}
  std::optional<std::map<std::int32_t, NetUse>> sample() override { return use_; }

 private:
  std::map<std::int32_t, NetUse> use_;
};

class FixedPorts final : public PortSource {
 public:
  explicit FixedPorts(std::optional<std::vector<PortEntry>> ports) : ports_(std::move(ports)) {}
  std::optional<std::vector<PortEntry>> sample() override {
    std::lock_guard lock(mutex_);
    return ports_;
  }
  // What the next read finds.
  void set(std::optional<std::vector<PortEntry>> ports) {
    std::lock_guard lock(mutex_);
    ports_ = std::move(ports);
  }

 private:
  std::mutex mutex_;
  std::optional<std::vector<PortEntry>> ports_;
};

class NetTest : public ::testing::Test {
 protected:
  NetTest() {
    Motion::setEnabled(false);
    build({}, std::vector<PortEntry>{}, false);
  }
  ~NetTest() override { settle(); }

  // A new store whose readers report `procs`' traffic (none without `perApp`) and `ports`.
  void build(const std::vector<ProcInfo>& procs, std::optional<std::vector<PortEntry>> ports, bool perApp = true) {
    bridge.reset();
    store.reset();
    std::map<std::int32_t, NetUse> use;
    for (const auto& p : procs) use[p.pid] = {p.netDown, p.netUp, p.netTotal};
    StoreServices services;
    services.main = &main;
    services.defaults = &defaults;
    services.system = std::make_unique<ChipOnly>(ChipInfo{"Test Chip 9000", 0, {}});
    if (perApp) services.traffic = std::make_unique<FixedTraffic>(std::move(use));
    auto fixed = std::make_unique<FixedPorts>(std::move(ports));
    ports_ = fixed.get();
    services.ports = std::move(fixed);
    services.trafficPause = std::chrono::milliseconds(0);
    store = std::make_unique<Store>(std::move(services));
    bridge = std::make_unique<StoreBridge>(*store);
    if (perApp) {
      store->sampleOnce();
      waitFor([this] { return store->netPerApp(); });
    }
  }

  // A tick's processes and this computer's addresses.
  void apply(const std::vector<ProcInfo>& procs, std::vector<NetAddress> addresses = {}, double down = 0,
             double up = 0) {
    Snapshot s;
    s.procs = procs;
    s.netDown = down;
    s.netUp = up;
    s.slow = true;
    s.addresses = std::move(addresses);
    store->apply(s);
    settle();
  }

  void loadPorts() {
    store->loadPorts();
    waitFor([this] { return !store->ports().empty() || !store->portsAvailable(); }, 500);
  }
  // The listing changes to `ports` and is read again.
  void relist(std::vector<PortEntry> ports) {
    ports_->set(ports);
    store->loadPorts();
    waitFor([&] { return store->ports() == ports; }, 2000);
  }

  static void waitFor(const std::function<bool()>& done, int ms = 5000) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < ms) settle();
  }


 public:
  static ProcInfo app(std::int32_t pid, std::string name, double down, double up, std::uint64_t total) {
    ProcInfo p = PageTest::proc(pid, std::move(name), 0);
    p.netDown = down;
    p.netUp = up;
    p.netTotal = total;
    return p;
  }

 protected:
  TempDir dir;
  Defaults defaults{dir / "defaults.json"};
  QtExecutor main;
  std::unique_ptr<Store> store;
  std::unique_ptr<StoreBridge> bridge;
  FixedPorts* ports_ = nullptr;  // owned by the store
};

}  // namespace qel::test
