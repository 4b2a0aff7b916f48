// The one-second tick: sampling on the serial queues, applying on the main thread.
#include <algorithm>
#include <map>
#include <set>

#include "Qel/Platform/Runtime/Calendar.hpp"
#include "Qel/Platform/Runtime/Heap.hpp"
#include "Qel/Store/LiveSeries.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

void Store::sampleOnce() {
  // A reader that blocks (a hung mount) must not pile up work and then flood stale
  // snapshots: while the last sampling runs, this tick samples nothing.
  if (samples() && !samplingBusy_.exchange(true)) queue_.async([this] { sampleAndHandOver(); });
  sampleAside();
}

bool Store::samples() const { return (system_ && processes_) || traffic_; }

void Store::tickEvery(std::chrono::milliseconds interval) {
  tickInterval_ = interval;
  if (!samples()) return;
  // The sampler keeps its own time, so the main thread hears from it once a tick and never has
  // to wake it.
  queue_.async([this, interval] {
    for (MonoTime due = clock_.monotonic() + interval;; due = std::max(due + interval, clock_.monotonic())) {
      const auto wait = std::chrono::ceil<std::chrono::milliseconds>(due - clock_.monotonic());
      if (wait.count() > 0 && !queue_.sleep(wait)) return;  // stopping
      if (queue_.stopping()) return;
      // A late tick (a slow reader, a suspended machine) is not made up for, and one whose
      // sample the main thread has not taken yet samples nothing.
      if (!samplingBusy_.exchange(true)) sampleAndHandOver();
    }
  });
}

// On "qel.sampler".
void Store::sampleAndHandOver() {
  std::optional<Snapshot> snapshot;
  if (system_ && processes_) snapshot = takeSample();
  // The traffic reader is the costlier one: once per pause at most, handed over with the sample.
  std::optional<std::optional<std::map<std::int32_t, NetUse>>> traffic;
  if (traffic_ && --trafficCountdown_ < 1) {
    trafficCountdown_ = int(trafficPause_ / std::chrono::seconds(1));
    traffic = traffic_->sample();
  }
  onMain([this, snapshot = std::move(snapshot), traffic = std::move(traffic)]() mutable {
    const bool paced = tickInterval_.count() > 0;
    if (paced && shutDown_) return;
    if (traffic) takeTraffic(std::move(*traffic));
    if (snapshot) apply(std::move(*snapshot));
    samplingBusy_ = false;
    if (paced) sampleAside();
  });
}

void Store::takeTraffic(std::optional<std::map<std::int32_t, NetUse>> use) {
  // A read that found no connection is a reading too: only a failed one keeps the last.
  if (!use) return;
  netUse_ = std::move(*use);
  assign(processList_.netPerApp, true, Concern::processes);
}

void Store::sampleAside() {
  if (--bluetoothCountdown_ < 1 && !bluetoothBusy_ && bluetoothSource_) {
    bluetoothCountdown_ = 10;
    bluetoothBusy_ = true;
    asideQueue_.async([this] {
      auto devices = bluetoothSource_->sample();
      onMain([this, devices = std::move(devices)]() mutable {
        assign(liveReadings_.bluetooth, std::move(devices), Concern::live);
        bluetoothBusy_ = false;
      });
    });
  }

  if (navigation_.page == Page::net) {
    if (--portCountdown_ < 1) {
      portCountdown_ = 5;
      loadPorts();
    }
  } else {
    portCountdown_ = 0;
  }
  if (navigation_.page == Page::gpu)
    scanGpuHolders();
  else
    gpuHolderCountdown_ = 0;
}

// On "qel.sampler".
Snapshot Store::takeSample() {
  Snapshot s;
  s.tick = ++tick_;
  s.cpu = system_->cpu();
  s.mem = system_->memory();
  const NetRate net = system_->network();
  s.netDown = net.down;
  s.netUp = net.up;
  const DiskRate disk = system_->disk();
  s.diskRead = disk.read;
  s.diskWrite = disk.write;
  s.load = system_->load();
  s.gpu = system_->gpu();
  s.procs = processes_->sample();
  // The sampler gives no name where nothing could be read; the row still needs words.
  for (ProcInfo& p : s.procs)
    if (p.name.empty()) p.name = L("Process %@", {std::to_string(p.pid)});
  s.thermal = system_->thermal();
  s.slow = isSlowTick(s.tick);
  if (s.slow) {
    s.battery = system_->battery();
    s.power = system_->systemPower();
    s.diskDetail = system_->diskDetail();
    s.volumes = system_->volumes();
    s.wake = system_->wakeHolders();
    s.addresses = system_->addresses();
  }
  return s;
}

double Store::memFraction(const MemSample& m) {
  return m.usedFraction();
}

void Store::apply(Snapshot s) {
  // One clock reading for the whole tick, so a tick across midnight files everything under
  // one day.
  const Date now = clock_.now();
  liveReadings_.tick = s.tick;
  keepReadings(s);
  keepProcesses(std::move(s.procs));
  if (s.slow) keepSlowReadings(s);
  pushHistories(s);
  recordTick(s, now);
  maintainAfterTick(s.tick, now);
  // Every sample moves the readings, the list, the current slot and what is worked out from
  // them (advice, the forecast); the other parts were marked above when they changed.
  changed(Concern::live | Concern::processes | Concern::day | Concern::insights);
}

void Store::keepReadings(const Snapshot& s) {
  if (s.cpu) {
    liveReadings_.cpu = *s.cpu;
    updatePeaks(corePeaks_, peakAge_, liveReadings_.cpu.perCore);
    liveReadings_.cores = coreOrder(liveReadings_.cpu.perCore, corePeaks_, liveReadings_.chip);
  }
  liveReadings_.mem = s.mem;
  liveReadings_.netDown = s.netDown;
  liveReadings_.netUp = s.netUp;
  liveReadings_.diskRead = s.diskRead;
  liveReadings_.diskWrite = s.diskWrite;
  liveReadings_.load = s.load;
  liveReadings_.gpu = s.gpu;
  liveReadings_.thermal = s.thermal;
}

void Store::keepProcesses(std::vector<ProcInfo> procs) {
  for (auto& p : procs) {
    if (auto it = netUse_.find(p.pid); it != netUse_.end()) {
      p.netDown = it->second.down;
      p.netUp = it->second.up;
      p.netTotal = it->second.total;
    }
  }
  // A selected pid stays selected only while it is the same process: one that ended and had its
  // pid handed to a newcomer between two ticks must not pass its selection on.
  std::map<std::int32_t, std::uint64_t> selectedStart;
  for (const auto& p : processList_.procs)
    if (processList_.selection.count(p.pid)) selectedStart[p.pid] = p.startTime;
  processList_.procs = std::move(procs);

  std::set<std::int32_t> kept;
  for (const auto& p : processList_.procs) {
    if (!processList_.selection.count(p.pid)) continue;
    const auto before = selectedStart.find(p.pid);
    if (before == selectedStart.end() || before->second == p.startTime) kept.insert(p.pid);
  }
  if (kept != processList_.selection) processList_.selection = std::move(kept);
}

void Store::keepSlowReadings(Snapshot& s) {
  liveReadings_.battery = s.battery;
  liveReadings_.power = s.power;
  liveReadings_.diskDetail = s.diskDetail;
  liveReadings_.diskFree = liveReadings_.diskDetail.free;
  liveReadings_.diskTotal = liveReadings_.diskDetail.total;
  liveReadings_.volumes = std::move(s.volumes);
  liveReadings_.wakeReadable = s.wake.has_value();
  liveReadings_.wake = std::move(s.wake).value_or(std::vector<WakeHolder>{});
  liveReadings_.addresses = std::move(s.addresses);
  noteSlowChanges();
}

void Store::pushHistories(const Snapshot& s) {
  push(liveReadings_.cpuHist, liveReadings_.cpu.total);
  updateMenuBusy();
  if (desktop_) desktop_->updateDockIcon(false);
  const double memNow = memFraction(liveReadings_.mem);
  push(liveReadings_.memHist, memNow);
  push(liveReadings_.netHist, s.netDown);
  push(liveReadings_.netUpHist, s.netUp);
  push(liveReadings_.diskHist, s.diskRead + s.diskWrite);
  push(liveReadings_.diskReadHist, s.diskRead);
  push(liveReadings_.diskWriteHist, s.diskWrite);
  push(liveReadings_.gpuHist, s.gpu ? s.gpu->util : 0.0);
  recordEnergy(liveReadings_.energyByPid, liveReadings_.energyNames, liveReadings_.energyStarts, processList_.procs);
  push(liveReadings_.powerHist, liveReadings_.power ? *liveReadings_.power : procWatts());
}

// What the tick adds to the day: the apps' sums, a running stretch, the findings and, with a
// CPU reading, the day's slot and the alert rules.
void Store::recordTick(const Snapshot& s, Date now) {
  recordApps(processList_.procs, now);
  recordStretch(processList_.procs);
  handle(insightFindings_.insight.ingest(now, liveReadings_.cpu.total, liveReadings_.mem.pressure, s.diskRead + s.diskWrite, processList_.procs, frontPid()), now);

  if (s.cpu) {
    record(liveReadings_.cpu.total, memFraction(liveReadings_.mem), liveReadings_.mem.pressure, now);
    checkRules();
  }
}

void Store::maintainAfterTick(int tick, Date now) {
  maintainMenuFeatures(processList_.procs);
  maintainTaming(processList_.procs);
  noteFrontApp(now);
  if (auto sleep = lastSleep(); sleep != sleepRecord_.sleepAtOpen) {
    sleepRecord_.sleepAtOpen = std::move(sleep);
    changed(Concern::sleep);
  }

  if (tick % 60 == 0) {
    saveDay();
    flushApps();
    // What a minute of processes coming and going freed goes back to the system.
    returnFreedHeap();
  }
}

// ---- ports ----

void Store::loadPorts() {
  if (portBusy_ || !portSource_) return;
  portBusy_ = true;
  asideQueue_.async([this] {
    auto result = portSource_->sample();
    onMain([this, result = std::move(result)]() mutable {
      processList_.portsAvailable = result.has_value();
      processList_.portsRead = true;
      processList_.ports = result ? std::move(*result) : std::vector<PortEntry>{};
      portBusy_ = false;
      changed(Concern::processes);
    });
  });
}

// Every fifth tick at most, or at once for a candidate not asked about yet, so a process that
// starts drawing waits no longer than one scan.
void Store::scanGpuHolders() {
  if (gpuHolderBusy_ || !holdsGpu_) return;
  std::vector<std::int32_t> pids = gpuCandidates(liveReadings_.gpu, processList_.procs);
  const bool unseen =
      std::any_of(pids.begin(), pids.end(), [this](std::int32_t pid) { return !processList_.gpuHolders.contains(pid); });
  if (--gpuHolderCountdown_ > 0 && !unseen) return;
  if (pids.empty()) return;
  gpuHolderCountdown_ = 5;
  gpuHolderBusy_ = true;
  asideQueue_.async([this, pids = std::move(pids)] {
    GpuHolders answers;
    for (const std::int32_t pid : pids) answers.emplace(pid, holdsGpu_(pid));
    onMain([this, answers = std::move(answers)]() mutable {
      gpuHolderBusy_ = false;
      // Only the pids asked about last are kept, so gone processes don't pile up.
      assign(processList_.gpuHolders, std::move(answers), Concern::processes);
    });
  });
}

void Store::refreshPorts(std::chrono::milliseconds after) {
  onMainAfter(after, [this] { loadPorts(); });
}

}  // namespace qel
