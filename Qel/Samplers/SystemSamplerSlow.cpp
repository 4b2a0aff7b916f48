// The slow readers, called every tenth tick: battery and power, disk space and volumes, wake
// holders and addresses.
#include <algorithm>
#include <map>
#include <set>
#include <string_view>

#include "Qel/Platform/Devices/PowerSupply.hpp"
#include "Qel/Platform/Net/IfAddrs.hpp"
#include "Qel/Platform/Net/NetDev.hpp"
#include "Qel/Platform/Proc/ProcText.hpp"
#include "Qel/Samplers/Battery.hpp"
#include "Qel/Samplers/ProcessName.hpp"
#include "Qel/Samplers/SystemSampler.hpp"

namespace qel {
namespace {
bool locksSleep(std::string_view what) {
  while (!what.empty()) {
    const auto colon = what.find(':');
    const auto item = what.substr(0, colon);
    if (item == "sleep" || item == "idle") return true;
    what.remove_prefix(colon == std::string_view::npos ? what.size() : colon + 1);
  }
  return false;
}
}  // namespace

BatterySample SystemSampler::battery() { return batteryFrom(readPowerSupplies(root_)); }

std::optional<double> SystemSampler::systemPower() { return systemPowerFrom(readPowerSupplies(root_)); }

DiskDetail SystemSampler::diskDetail() {
  const auto space = filesystemSpace(root_.root);
  if (!space) return {};
  return {.total = space->total, .free = space->available, .purgeable = 0, .used = space->used};
}

std::vector<VolumeInfo> SystemSampler::volumes() {
  const auto mounts = readMountInfo(root_);
  if (!mounts) return {};
  const DiskLabels labels(root_);
  const VolumeProbe probe{
      .space = [&](const MountEntry& m) { return filesystemSpace(pathUnderRoot(root_, m.mountPoint)); },
      .label = [&](const MountEntry& m) { return labels.labelOf(m.source); },
      .isInternal = [&](const MountEntry& m) { return isInternalDevice(root_, m.major, m.minor); },
  };
  return volumesFrom(*mounts, probe);
}

std::optional<std::vector<WakeHolder>> SystemSampler::wakeHolders() {
  if (!systemBus_) systemBus_ = openBus(BusKind::system);
  auto inhibitors = listInhibitors(systemBus_.get());
  if (!inhibitors) {
    systemBus_.reset();  // logind or the bus may have restarted: connect afresh next time
    return std::nullopt;
  }
  auto holders = wakeHoldersFrom(*inhibitors);
  // A lock taken without saying who holds it is named after its process, while that can be read.
  for (auto& h : holders)
    if (h.name.empty()) h.name = readProcessName(root_, h.pid);
  return holders;
}

std::vector<NetAddress> SystemSampler::addresses() {
  std::vector<NetAddress> out;
  std::map<std::string, bool> physical;
  for (auto& a : ipv4Addresses()) {
    auto known = physical.find(a.interface);
    if (known == physical.end()) known = physical.emplace(a.interface, isPhysicalInterface(root_, a.interface)).first;
    if (known->second) out.push_back({std::move(a.interface), std::move(a.address)});
  }
  return out;
}

std::vector<VolumeInfo> volumesFrom(const std::vector<MountEntry>& mounts, const VolumeProbe& probe) {
  std::vector<VolumeInfo> out;
  std::set<std::pair<unsigned, unsigned>> devices;
  for (const auto& m : mounts) {
    if (!isDeviceVolume(m) || devices.contains({m.major, m.minor})) continue;
    const auto space = probe.space(m);
    if (!space || space->total < 1) continue;
    devices.insert({m.major, m.minor});
    auto name = probe.label(m);
    if (!name) {
      const auto slash = m.mountPoint.find_last_of('/');
      name = m.mountPoint == "/" ? "/" : m.mountPoint.substr(slash + 1);
    }
    out.push_back({.id = m.mountPoint,
                   .name = std::move(*name),
                   .total = space->total,
                   .free = space->available,
                   .used = space->used,
                   .isInternal = probe.isInternal(m),
                   .isRoot = m.mountPoint == "/"});
  }
  return out;
}

std::vector<WakeHolder> wakeHoldersFrom(const std::vector<Inhibitor>& inhibitors) {
  std::map<std::int32_t, WakeHolder> holders;  // ordered by pid
  for (const auto& i : inhibitors) {
    if (i.mode != "block" || !locksSleep(i.what) || i.pid > std::uint32_t(INT32_MAX)) continue;
    const auto pid = std::int32_t(i.pid);
    auto& h = holders.try_emplace(pid, WakeHolder{.pid = pid, .name = {}, .reason = {}, .displayOnly = false})
                  .first->second;
    if (h.reason.empty()) h.reason = i.why;
    if (h.name.empty()) h.name = i.who;
  }
  std::vector<WakeHolder> out;
  out.reserve(holders.size());
  for (auto& [pid, h] : holders) out.push_back(std::move(h));
  return out;
}

}  // namespace qel
