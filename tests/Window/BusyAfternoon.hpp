#pragma once
// A store that looks like a real busy afternoon, for view tests and the screenshot gallery:
// Wednesday 17 June 2026 at 15:24 with five recorded days before it (so the usual-load line
// shows), a night's sleep with two dark wakes, a morning of work with a CPU peak at 10:30 and a
// hotter one at 13:50, memory pressure after lunch, day marks, a recorded stretch, and the last
// sixty seconds of a machine running a browser, an editor and a build.
#include <QApplication>
#include <QEvent>

#include <chrono>
#include <cmath>
#include <memory>
#include <mutex>
#include <thread>

#include "Qel/App/MainViews.hpp"
#include "Qel/App/QtExecutor.hpp"
#include "Qel/App/StoreBridge.hpp"
#include "Qel/History/HistoryDB.hpp"
#include "Qel/Platform/Files/Defaults.hpp"
#include "Qel/Platform/Files/InstanceLock.hpp"
#include "Qel/Platform/Runtime/Calendar.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Window/ViewRegistry.hpp"
#include "tests/support/ChipOnly.hpp"
#include "tests/support/TempDir.hpp"

namespace qel::test {

// The devices the Bluetooth reader finds; the store reads them on its own queue.
class ScriptedDevices final : public BluetoothSource {
 public:
  void set(std::vector<BTDevice> devices) {
    std::lock_guard l(m_);
    devices_ = std::move(devices);
  }
  std::vector<BTDevice> sample() override {
    std::lock_guard l(m_);
    return devices_;
  }

 private:
  std::mutex m_;
  std::vector<BTDevice> devices_;
};

class BusyAfternoon {
 public:
  static constexpr const char* kToday = "2026-06-17";

  static Date at(const char* day, int hour, int minute) {
    return *dayStart(day) + std::chrono::hours(hour) + std::chrono::minutes(minute);
  }

  // The afternoon's machine: the laptop of the gallery, or one at full stretch, with a long
  // processor name and the widest figures the views must hold as its last seconds (a disk past
  // 1,000 MB/s, a download near 100 MB/s, 128 GB of memory, a 2 TB disk); or that machine as a
  // desktop (another long processor name), without a battery, a graphics reading or a power meter.
  enum class Machine { laptop, fullStretch, desktop };

  explicit BusyAfternoon(Machine machine = Machine::laptop) : clock(at(kToday, 15, 24) + std::chrono::seconds(30)) {
    StoreServices s;
    if (machine == Machine::fullStretch)
      s.system = std::make_unique<ChipOnly>(ChipInfo{"Intel(R) Xeon(R) Platinum 8375C CPU @ 2.90GHz", 0, {}});
    if (machine == Machine::desktop)
      s.system = std::make_unique<ChipOnly>(ChipInfo{"AMD Ryzen Threadripper PRO 7995WX 96-Cores", 0, {}});
    s.clock = &clock;
    s.main = &main;
    s.defaults = &defaults;
    auto scripted = std::make_unique<ScriptedDevices>();
    devices = scripted.get();
    s.bluetooth = std::move(scripted);
    s.openHistory = [this](HistoryDB::ProblemHandler h) {
      return std::make_unique<HistoryDB>(dir.path() / "data", lock, std::move(h));
    };
    store = std::make_unique<Store>(std::move(s));
    bridge = std::make_unique<StoreBridge>(*store);
    fillHistory(*store->history());
    store->loadDay();
    store->installSleepWatch();
    store->loadStretches();
    playLastMinute(machine);
    settle();
  }
  ~BusyAfternoon() {
    store->shutdown();
    settle();
  }

  ViewContext context() { return viewContext(*store); }

  // Has the store read `list` as the connected devices (its reader runs every tenth tick).
  bool connectDevices(std::vector<BTDevice> list) {
    devices->set(list);
    for (int i = 0; i < 2000 && store->liveReadings().bluetooth != list; ++i) {
      store->sampleOnce();
      settle();
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return store->liveReadings().bluetooth == list;
  }

  // Headphones, a keyboard running low and a mouse.
  static std::vector<BTDevice> deskDevices() {
    return {{"audio:AA", "Studio Headphones", 72, BTDevice::Kind::headphones},
            {"Ergo Keyboard", "Ergo Keyboard", 15, BTDevice::Kind::unknown},
            {"Travel Mouse", "Travel Mouse", 100, BTDevice::Kind::unknown}};
  }

  // Runs what the store posted (its change notices) until nothing is left.
  static void settle() {
    for (int i = 0; i < 6; ++i) {
      QApplication::processEvents();
      QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
  }

  // The CPU load of a working day's slot: quiet nights, a morning climb, a lunch dip.
  static double usualLoad(int slot) {
    const double hour = slot / 6.0;
    if (hour < 7) return 0.03 + 0.01 * std::sin(slot);
    const double day = 0.22 + 0.12 * std::sin((hour - 7) / 10 * 3.14159);
    const double lunch = (hour > 12 && hour < 13.2) ? -0.1 : 0;
    return day + lunch + 0.04 * std::sin(slot * 1.7);
  }

  TempDir dir;
  FakeClock clock;
  QtExecutor main;
  Defaults defaults{dir / "defaults.json"};
  InstanceLock lock{dir.path() / "qel.lock"};
  std::unique_ptr<Store> store;
  std::unique_ptr<StoreBridge> bridge;
  ScriptedDevices* devices = nullptr;  // owned by the store

 private:
  static DayBucket bucket(double cpu, double mem, double pressure, std::string top = "", double topCPU = 0) {
    return {.cpu = cpu, .mem = mem, .pressure = pressure, .peak = std::min(cpu * 1.3, 1.0), .top = std::move(top),
            .topCPU = topCPU, .count = 60};
  }

  void fillHistory(HistoryDB& h) {
    for (const char* day : {"2026-06-12", "2026-06-13", "2026-06-14", "2026-06-15", "2026-06-16"})
      for (int s = 0; s < kSlotsPerDay; ++s) h.save(day, s, bucket(usualLoad(s) * (0.9 + 0.05 * (day[9] - '0')), 0.55, 30));

    // Today: asleep from 00:40 to 07:10, then work.
    for (int s = 0; s < 92; ++s) {
      if (s >= 4 && s < 43) continue;  // no samples while asleep
      double cpu = usualLoad(s) * 1.1;
      double mem = 0.48 + 0.002 * s;
      double pressure = 32;
      std::string top = "firefox";
      if (s >= 62 && s <= 64) cpu = 0.74 + 0.02 * (s - 62), top = "cargo";  // a build at 10:20
      if (s >= 82 && s <= 83) cpu = 0.92, top = "rustc";                    // the release build at 13:40
      if (s >= 86 && s <= 88) pressure = 66, mem = 0.86;                    // memory tight at 14:20
      h.save(kToday, s, bucket(cpu, mem, pressure, top, cpu * 380));
    }
    const auto mark = [&](int hour, int minute, const char* kind, const char* arg = "") {
      const Date d = at(kToday, hour, minute);
      h.add(DayMark{.slot = slotOf(d), .date = d, .kind = kind, .arg = arg}, kToday);
    };
    mark(7, 10, "wake");
    mark(7, 12, "display+");
    mark(8, 45, "launch", "Visual Studio Code");
    mark(10, 18, "unplug");
    mark(10, 19, "net-");  // two marks in one slot: one marker
    mark(12, 40, "plug");
    mark(14, 2, "launch", "GIMP");

    SleepSession night{.start = at(kToday, 0, 40), .end = at(kToday, 7, 10), .chargeStart = 81, .chargeEnd = 78,
                       .onBattery = true};
    night.wakes = {{.date = at(kToday, 2, 10), .seconds = 40, .charge = 80, .reason = "RTC alarm"},
                   {.date = at(kToday, 4, 35), .seconds = 25, .charge = 79, .reason = "Wi-Fi"}};
    h.save(std::vector<SleepSession>{night});

    Stretch focus{.start = at(kToday, 13, 30), .end = at(kToday, 14, 15), .name = "Release build", .peak = 0.96,
                  .average = 0.71, .wattHours = 21.4, .ratio = 2.6};
    focus.top = {{"rustc", 0.58}, {"cargo", 0.17}, {"firefox", 0.09}};
    h.save(focus);
  }

  // Sixty ticks of a browser, an editor and a build.
  void playLastMinute(Machine machine) {
    for (int t = 0; t < 60; ++t) {
      const double wave = 0.5 + 0.5 * std::sin(t / 6.0);
      Snapshot s;
      s.tick = t + 1;
      s.slow = (t % 10) == 0;
      s.cpu = CPUSample{.total = 0.28 + 0.22 * wave, .user = 0.2 + 0.18 * wave, .system = 0.08,
                        .perCore = {0.6, 0.4, 0.35, 0.2, 0.5, 0.3, 0.25, 0.1}};
      s.mem = MemSample{.total = 16ull << 30, .app = 7ull << 30, .wired = 2ull << 30, .compressed = 1ull << 29,
                        .pressure = 41, .swapUsed = 1ull << 28};
      s.netDown = 180000 + 900000 * wave;
      s.netUp = 42000;
      s.diskRead = 2.4e6 * wave;
      s.diskWrite = 6.1e5;
      s.load = 3.2;
      s.gpu = GPUSample{.util = 0.18 + 0.2 * wave, .memory = 900ull << 20};
      s.thermal = ThermalState::fair;
      s.battery = BatterySample{.present = true, .percent = 64, .onAC = false};
      s.power = 17.5 + 6 * wave;
      s.diskDetail = DiskDetail{.total = 512ull << 30, .free = 143ull << 30, .purgeable = 0, .used = 343ull << 30};
      s.procs = {
          {.pid = 2311, .name = "firefox", .path = "/usr/lib/firefox/firefox", .cpu = 38 + 20 * wave, .mem = 2100ull << 20, .energy = 4.1},
          {.pid = 2398, .name = "firefox", .path = "/usr/lib/firefox/firefox", .cpu = 21, .mem = 640ull << 20, .energy = 2.2},
          {.pid = 3120, .name = "code", .path = "/usr/share/code/code", .cpu = 17, .mem = 1300ull << 20, .energy = 1.8},
          {.pid = 4410, .name = "rust-analyzer", .path = "/home/ana/.cargo/bin/rust-analyzer", .cpu = 64 * wave, .mem = 1800ull << 20, .energy = 3.0},
          {.pid = 1187, .name = "gnome-shell", .path = "/usr/bin/gnome-shell", .cpu = 9, .mem = 420ull << 20, .energy = 1.1},
          {.pid = 1020, .name = "Xwayland", .path = "/usr/bin/Xwayland", .cpu = 3, .mem = 96ull << 20, .isSystem = true, .energy = 0.3},
          {.pid = 1490, .name = "pipewire", .path = "/usr/bin/pipewire", .cpu = 1.5, .mem = 24ull << 20, .energy = 0.1},
          {.pid = 1733, .name = "tracker-miner-fs-3", .path = "/usr/libexec/tracker-miner-fs-3", .cpu = 6, .mem = 110ull << 20, .energy = 0.5},
          {.pid = 5012, .name = "thunderbird", .path = "/usr/lib/thunderbird/thunderbird", .cpu = 2, .mem = 530ull << 20, .energy = 0.2},
          {.pid = 5820, .name = "slack", .path = "/usr/lib/slack/slack", .cpu = 4, .mem = 710ull << 20, .energy = 0.4},
      };
      if (machine == Machine::desktop) {
        s.gpu.reset();
        s.battery = BatterySample{};
        s.power.reset();
      }
      if (machine != Machine::laptop && t >= 55) {
        s.cpu->total = 1;
        s.mem.total = 128ull << 30;
        s.diskRead = 900 * 1048576.0;
        s.diskWrite = 101.5 * 1048576.0;
        s.netDown = 98.1 * 1048576.0;
        s.netUp = 41.7 * 1048576.0;
        if (s.power) s.power = 99.9;
        s.diskDetail = DiskDetail{.total = 2048ull << 30, .free = 1843ull << 30, .purgeable = 0, .used = 205ull << 30};
      }
      store->apply(s);
    }
  }
};

}  // namespace qel::test
