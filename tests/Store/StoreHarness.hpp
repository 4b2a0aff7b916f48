#pragma once
// A store driven tick by tick: a fake clock, a manual main loop and scripted readers.
#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "Qel/Platform/Files/InstanceLock.hpp"
#include "Qel/Platform/Runtime/Calendar.hpp"
#include "Qel/Store/Store.hpp"
#include "tests/support/TempDir.hpp"

namespace qel::test {

// A gate a reader can be made to wait at, to play a hung mount.
class Gate {
 public:
  void close() {
    std::lock_guard l(m_);
    open_ = false;
  }
  void open() {
    {
      std::lock_guard l(m_);
      open_ = true;
    }
    cv_.notify_all();
  }
  void pass() {
    std::unique_lock l(m_);
    ++waiting_;
    cv_.wait(l, [&] { return open_; });
    --waiting_;
  }
  int waiting() {
    std::lock_guard l(m_);
    return waiting_;
  }

 private:
  std::mutex m_;
  std::condition_variable cv_;
  bool open_ = true;
  int waiting_ = 0;
};

struct Script {
  std::mutex m;
  std::deque<std::optional<CPUSample>> cpu;  // consumed one per tick; empty: a default sample
  CPUSample defaultCpu{.total = 0.25, .user = 0.2, .system = 0.05, .perCore = {0.3, 0.2}};
  MemSample mem{.total = 1000, .app = 300, .wired = 100, .compressed = 100, .pressure = 40, .swapUsed = 0};
  std::vector<ProcInfo> procs{{.pid = 10, .name = "alpha", .cpu = 50}, {.pid = 11, .name = "beta", .cpu = 20}};
  std::optional<std::map<std::int32_t, NetUse>> traffic = std::map<std::int32_t, NetUse>{};
  std::optional<std::vector<PortEntry>> ports = std::vector<PortEntry>{};
  std::vector<BTDevice> devices;
  ThermalState thermal = ThermalState::nominal;
  std::optional<GPUSample> gpu;
  BatterySample battery{.present = true, .percent = 80};
  DiskDetail disk{.total = 1000, .free = 400};
  std::map<std::string, std::string> versions;  // executable → package version
  std::vector<NetAddress> addresses;
  std::vector<WakeHolder> holders;
  bool holdersUnreadable = false;  // logind does not answer
  Gate systemGate, bluetoothGate;
  std::atomic<int> slowReads{0}, portReads{0}, bluetoothReads{0}, trafficReads{0}, samples{0}, versionLookups{0};
};

// The desktop as far as the core asks it: which process is in front.
class FakeDesktop final : public Desktop {
 public:
  std::optional<std::int32_t> front;  // unknown while empty, unless no window is active
  bool noWindowActive = false;
  FrontApp frontApp() const override {
    if (noWindowActive) return FrontApp::nothing();
    return front ? FrontApp::process(*front) : FrontApp{};
  }
  int screenCount() const override { return 1; }
  void applyAppearance(const std::string&) override {}
  void updateDockIcon(bool) override {}
};

class ScriptedSystem final : public SystemSource {
 public:
  explicit ScriptedSystem(Script& s) : s_(s) {}
  std::optional<CPUSample> cpu() override {
    s_.systemGate.pass();
    ++s_.samples;
    std::lock_guard l(s_.m);
    if (s_.cpu.empty()) return s_.defaultCpu;
    // Taken apart rather than copied whole: GCC 12 misreads a copied optional as uninitialised.
    const bool scripted = s_.cpu.front().has_value();
    CPUSample c = scripted ? std::move(*s_.cpu.front()) : CPUSample{};
    s_.cpu.pop_front();
    if (!scripted) return std::nullopt;
    return c;
  }
  MemSample memory() override {
    std::lock_guard l(s_.m);
    return s_.mem;
  }
  NetRate network() override { return {100, 50}; }
  DiskRate disk() override { return {10, 20}; }
  double load() override { return 1.5; }
  std::optional<GPUSample> gpu() override {
    std::lock_guard l(s_.m);
    return s_.gpu;
  }
  ThermalState thermal() override {
    std::lock_guard l(s_.m);
    return s_.thermal;
  }
  BatterySample battery() override {
    ++s_.slowReads;
    std::lock_guard l(s_.m);
    return s_.battery;
  }
  std::optional<double> systemPower() override { return 12.5; }
  DiskDetail diskDetail() override {
    std::lock_guard l(s_.m);
    return s_.disk;
  }
  std::vector<VolumeInfo> volumes() override {
    return {{.id = "/", .name = "root", .total = 1000, .free = 400, .used = 550}};
  }
  std::optional<std::vector<WakeHolder>> wakeHolders() override {
    std::lock_guard l(s_.m);
    if (s_.holdersUnreadable) return std::nullopt;
    return s_.holders;
  }
  std::vector<NetAddress> addresses() override {
    std::lock_guard l(s_.m);
    return s_.addresses;
  }

 private:
  Script& s_;
};

class ScriptedProcesses final : public ProcessSource {
 public:
  explicit ScriptedProcesses(Script& s) : s_(s) {}
  std::vector<ProcInfo> sample() override {
    std::lock_guard l(s_.m);
    return s_.procs;
  }

 private:
  Script& s_;
};

class ScriptedTraffic final : public TrafficSource {
 public:
  explicit ScriptedTraffic(Script& s) : s_(s) {}
  std::optional<std::map<std::int32_t, NetUse>> sample() override {
    ++s_.trafficReads;
    std::lock_guard l(s_.m);
    return s_.traffic;
  }

 private:
  Script& s_;
};

class ScriptedPorts final : public PortSource {
 public:
  explicit ScriptedPorts(Script& s) : s_(s) {}
  std::optional<std::vector<PortEntry>> sample() override {
    ++s_.portReads;
    std::lock_guard l(s_.m);
    return s_.ports;
  }

 private:
  Script& s_;
};

class ScriptedBluetooth final : public BluetoothSource {
 public:
  explicit ScriptedBluetooth(Script& s) : s_(s) {}
  std::vector<BTDevice> sample() override {
    s_.bluetoothGate.pass();
    ++s_.bluetoothReads;
    std::lock_guard l(s_.m);
    return s_.devices;
  }

 private:
  Script& s_;
};

// Waits (in real time, briefly) until `done` holds while running the main loop; the work
// itself runs on the store's own threads.
template <class F>
bool runUntil(ManualExecutor& main, F done, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    main.runUntilIdle();
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  return false;
}

class StoreTest : public ::testing::Test {
 protected:
  explicit StoreTest(Date start = *dayStart("2026-06-15") + std::chrono::hours(10)) : clock(start) {}

  void makeStore(bool withHistory = true) {
    store.reset();
    StoreServices s;
    s.clock = &clock;
    s.main = &main;
    s.defaults = defaults.get();
    s.system = std::make_unique<ScriptedSystem>(script);
    s.processes = std::make_unique<ScriptedProcesses>(script);
    s.traffic = std::make_unique<ScriptedTraffic>(script);
    s.ports = std::make_unique<ScriptedPorts>(script);
    s.bluetooth = std::make_unique<ScriptedBluetooth>(script);
    s.trafficPause = std::chrono::milliseconds(0);
    s.quitProgram = quitProgram;
    s.packageVersion = [this](const std::string& executable) {
      ++script.versionLookups;
      std::lock_guard l(script.m);
      const auto it = script.versions.find(executable);
      return it == script.versions.end() ? std::string() : it->second;
    };
    if (configure) configure(s);
    if (withHistory)
      s.openHistory = [this](HistoryDB::ProblemHandler h) {
        return std::make_unique<HistoryDB>(dir.path() / "data", lock, std::move(h));
      };
    store = std::make_unique<Store>(std::move(s));
  }

  void SetUp() override {
    defaults = std::make_unique<Defaults>(dir / "defaults.json");
    ASSERT_TRUE(lock.acquired());
  }

  // One second: the clock moves, the store samples, the main loop applies the snapshot.
  void tick() {
    clock.advance(std::chrono::seconds(1));
    const int before = store->liveReadings().tick;
    store->sampleOnce();
    ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick > before; }));
  }

  void settle() {
    runUntil(main, [&] { return false; }, std::chrono::milliseconds(30));
  }

  TempDir dir;
  FakeClock clock;
  ManualExecutor main{clock};
  std::unique_ptr<Defaults> defaults;
  InstanceLock lock{dir.path() / "qel.lock"};
  Script script;
  std::function<void()> quitProgram;  // what ending Qel itself does
  // Adjusts the services of the next makeStore().
  std::function<void(StoreServices&)> configure;
  std::unique_ptr<Store> store;
};

}  // namespace qel::test
