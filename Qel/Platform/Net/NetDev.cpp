#include "Qel/Platform/Net/NetDev.hpp"

#include <sys/stat.h>

#include <algorithm>
#include <system_error>

#include "Qel/Platform/Proc/ProcText.hpp"

namespace qel {
namespace {
// Interfaces come and go (a USB adapter, a Wi-Fi card switched on); looking for new ones every
// few reads keeps the per-tick cost at two preads per interface.
constexpr int kRescanEvery = 10;
}  // namespace

bool isPhysicalInterface(const SysRoot& root, const std::string& name) {
  if (!isPlainName(name)) return false;
  struct stat st {};
  return ::lstat(root.sys("class/net/" + name + "/device").c_str(), &st) == 0;
}

std::optional<std::vector<std::string>> physicalInterfaces(const SysRoot& root) {
  std::error_code ec;
  std::filesystem::directory_iterator it(root.sys("class/net"), ec);
  if (ec) return std::nullopt;
  std::vector<std::string> names;
  for (const std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) return std::nullopt;
    auto name = it->path().filename().string();
    if (isPhysicalInterface(root, name)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

NetDevReader::NetDevReader(SysRoot root) : root_(std::move(root)) {}

bool NetDevReader::rescan() {
  const auto names = physicalInterfaces(root_);
  if (!names) return false;
  std::map<std::string, Interface> next;
  for (const auto& name : *names) {
    if (auto old = interfaces_.find(name); old != interfaces_.end()) {
      next.emplace(name, std::move(old->second));
      continue;
    }
    const auto dir = root_.sys("class/net/" + name + "/statistics");
    next.emplace(name, Interface{KeptFile(dir / "rx_bytes"), KeptFile(dir / "tx_bytes")});
  }
  interfaces_ = std::move(next);
  untilRescan_ = kRescanEvery;
  return true;
}

std::optional<CounterReading> NetDevReader::read() {
  if (--untilRescan_ < 0 && !rescan()) return std::nullopt;
  CounterReading out;
  for (auto it = interfaces_.begin(); it != interfaces_.end();) {
    std::optional<std::uint64_t> rx, tx;
    if (it->second.rx.read(buffer_, 64)) rx = parseU64(buffer_);
    if (it->second.tx.read(buffer_, 64)) tx = parseU64(buffer_);
    if (rx && tx) {
      out.emplace(it->first, CounterPair{*rx, *tx});
      ++it;
    } else {
      // Gone (or renamed): forget it, and look again next time in case it came back.
      it = interfaces_.erase(it);
      untilRescan_ = 0;
    }
  }
  return out;
}

}  // namespace qel
