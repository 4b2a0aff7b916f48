#pragma once
// A store reading the recorded laptop (battery charging from a USB-C charger, AMD graphics) with
// a handful of busy processes, two programs keeping it awake and three connected devices.
#include <QElapsedTimer>

#include <filesystem>

#include "Qel/Samplers/SystemSampler.hpp"
#include "Qel/Store/MachineSources.hpp"
#include "tests/Pages/PageFixture.hpp"

namespace qel::test {

// The recorded laptop; the wake holders are given, since logind and the network are this
// machine's, not the recording's.
class RecordedLaptop final : public SystemSampler {
 public:
  explicit RecordedLaptop(std::vector<WakeHolder> wake)
      : SystemSampler(SysRoot{std::filesystem::path(QEL_FIXTURES) / "laptop"}), wake_(std::move(wake)) {}
  std::optional<std::vector<WakeHolder>> wakeHolders() override { return wake_; }
  std::vector<NetAddress> addresses() override { return {}; }

 private:
  std::vector<WakeHolder> wake_;
};

class FixedProcesses final : public ProcessSource {
 public:
  explicit FixedProcesses(std::vector<ProcInfo> procs) : procs_(std::move(procs)) {}
  std::vector<ProcInfo> sample() override { return procs_; }

 private:
  std::vector<ProcInfo> procs_;
};

class FixedDevices final : public BluetoothSource {
 public:
  explicit FixedDevices(std::vector<BTDevice> devices) : devices_(std::move(devices)) {}
  std::vector<BTDevice> sample() override { return devices_; }

 private:
  std::vector<BTDevice> devices_;
};

inline std::vector<ProcInfo> laptopProcs() {
  struct Row {
    std::int32_t pid;
    const char* name;
    double cpu, energy;
  };
  const Row rows[] = {{2101, "firefox-esr", 38, 3.4}, {2102, "Isolated Web Content", 22, 2.1},
                      {2103, "gnome-shell", 12, 1.3},  {2104, "code", 9, 0.9},
                      {2105, "pipewire", 3, 0.4},      {2106, "Xwayland", 2, 0.3},
                      {2107, "thunderbird", 1, 0.2}};
  std::vector<ProcInfo> out;
  for (const auto& r : rows) {
    ProcInfo p = PageTest::proc(r.pid, r.name, r.cpu, r.energy);
    p.path = std::string("/usr/bin/") + r.name;
    out.push_back(p);
  }
  return out;
}

inline std::vector<WakeHolder> laptopWakeHolders() {
  return {{2101, "firefox-esr", "Playing video", true}, {4242, "", "Backing up files", false}};
}

inline std::vector<BTDevice> laptopDevices() {
  return {{"audio:AA", "Studio Headphones", 72, BTDevice::Kind::headphones},
          {"Ergo Keyboard", "Ergo Keyboard", 15, BTDevice::Kind::unknown},
          {"Travel Mouse", "Travel Mouse", 100, BTDevice::Kind::unknown}};
}

class LaptopPageTest : public PageTest {
 protected:
  // Replaces the store with one reading the recorded laptop, sampled `ticks` times.
  void useLaptop(int ticks = 3) {
    StoreServices services;
    services.main = &main;
    services.defaults = &defaults;
    services.system = std::make_unique<RecordedLaptop>(laptopWakeHolders());
    services.processes = std::make_unique<FixedProcesses>(laptopProcs());
    services.bluetooth = std::make_unique<FixedDevices>(laptopDevices());
    bridge.reset();
    store = std::make_unique<Store>(std::move(services));
    bridge = std::make_unique<StoreBridge>(*store);
    for (int i = 0; i < ticks; ++i) {
      const int before = store->liveReadings().tick;
      store->sampleOnce();
      QElapsedTimer waited;
      waited.start();
      while (store->liveReadings().tick == before && waited.elapsed() < 5000) settle();
    }
    QElapsedTimer waited;
    waited.start();
    while (store->liveReadings().bluetooth.empty() && waited.elapsed() < 5000) settle();
    settle();
  }
};

}  // namespace qel::test
