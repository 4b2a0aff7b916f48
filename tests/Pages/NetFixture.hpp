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

// The store itself, for a test of its own or beside another fixture.
class NetStore {
 public:
  NetStore() { build({}, std::vector<PortEntry>{}, false); }
  ~NetStore() { settle(); }

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
      waitFor([this] { return store->processList().netPerApp; });
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
    waitFor([this] { return !store->processList().ports.empty() || !store->processList().portsAvailable; }, 500);
  }
  // The listing changes to `ports` and is read again.
  void relist(std::vector<PortEntry> ports) {
    ports_->set(ports);
    store->loadPorts();
    waitFor([&] { return store->processList().ports == ports; }, 2000);
  }

  static void waitFor(const std::function<bool()>& done, int ms = 5000) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < ms) settle();
  }

  static ProcInfo app(std::int32_t pid, std::string name, double down, double up, std::uint64_t total) {
    ProcInfo p = PageTest::proc(pid, std::move(name), 0);
    p.netDown = down;
    p.netUp = up;
    p.netTotal = total;
    return p;
  }

  TempDir dir;
  Defaults defaults{dir / "defaults.json"};
  QtExecutor main;
  std::unique_ptr<Store> store;
  std::unique_ptr<StoreBridge> bridge;
  FixedPorts* ports_ = nullptr;  // owned by the store
};

class NetTest : public ::testing::Test, public NetStore {
 protected:
  NetTest() { Motion::setEnabled(false); }
};

// An afternoon on the network: a dozen apps online, one far busier than the rest, and the ports
// they listen on, open to the network or not, with a well-known port or two among them.
inline ProcInfo netTalker(std::int32_t pid, const char* name, const char* comm, double down, double up,
                          std::uint64_t total) {
  ProcInfo p = NetStore::app(pid, name, down, up, total);
  p.path = std::string("/usr/bin/") + comm;
  p.startTime = 5000 + std::uint64_t(pid);
  return p;
}

inline const std::vector<ProcInfo>& netAfternoon() {
  static const std::vector<ProcInfo> procs{
      netTalker(1210, "firefox-esr", "firefox-esr", 1.9e6, 84e3, 2'400'000'000),
      netTalker(1234, "Isolated Web Content", "Isolated Web Co", 310e3, 12e3, 410'000'000),
      netTalker(1302, "thunderbird", "thunderbird", 2.1e3, 600, 88'000'000),
      netTalker(1350, "slack", "slack", 14e3, 3.5e3, 120'000'000),
      netTalker(1388, "code", "code", 300, 120, 9'500'000),
      netTalker(1420, "syncthing", "syncthing", 640e3, 820e3, 5'100'000'000),
      netTalker(1466, "spotify", "spotify", 48e3, 1.1e3, 260'000'000),
      netTalker(1502, "node", "node", 0, 0, 1'200'000),
      netTalker(1530, "python3", "python3", 0, 0, 340'000),
      netTalker(1577, "ssh", "ssh", 900, 700, 2'700'000),
      netTalker(1600, "gnome-software", "gnome-software", 0, 0, 31'000'000),
      netTalker(1633, "redis-server", "redis-server", 0, 0, 0),
  };
  return procs;
}

inline std::vector<PortEntry> netAfternoonPorts() {
  const auto listening = [](std::int64_t port, const char* proto, std::int32_t pid, const char* command, bool open) {
    return PortEntry{.port = port, .proto = proto, .pid = pid, .command = command, .open = open};
  };
  return {listening(631, "TCP", 880, "cupsd", false),          listening(3000, "TCP", 1502, "node", true),
          listening(5353, "UDP", 1210, "firefox-esr", true),   listening(6379, "TCP", 1633, "redis-ser", false),
          listening(8000, "TCP", 1530, "python3", false),      listening(8384, "TCP", 1420, "syncthing", false),
          listening(22000, "TCP", 1420, "syncthing", true),    listening(57621, "TCP", 1466, "spotify", true),
          listening(41873, "TCP", 1388, "code", false)};
}

}  // namespace qel::test
