#include "Qel/App/SampleProcesses.hpp"

#include <algorithm>
#include <map>
#include <thread>

#include "Qel/Platform/Desktop/AppRegistry.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Samplers/NetTopSampler.hpp"
#include "Qel/Samplers/ProcessSampler.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Text/TextWidth.hpp"

namespace qel {
namespace {

constexpr std::size_t kRows = 15;

// Process names are anyone's choice: shown as displayName makes them, a long one cut between
// characters to the column's width.
std::string printable(std::string_view name, std::size_t columns) { return cutToWidth(displayName(name), columns); }

std::string appName(const AppTable& apps, const ProcInfo& p) {
  const AppEntry* app = isAppKey(p.appKey) ? apps.byKey(p.appKey) : nullptr;
  return app ? app->name : "-";
}

}  // namespace

ProcessSection::ProcessSection(std::chrono::steady_clock::time_point first)
    : apps_(std::make_unique<AppRegistry>(AppRegistry::environmentOptions(Loc::code()))),
      sampler_(std::make_unique<ProcessSampler>(ProcessSampler::Options{.apps = apps_.get()})),
      first_(first) {
  sampler_->sample();
}

ProcessSection::~ProcessSection() = default;

std::shared_ptr<const AppTable> ProcessSection::appTable() const { return apps_->table(); }

void ProcessSection::print(std::ostream& out) {
  std::this_thread::sleep_until(first_ + std::chrono::seconds(1));
  auto sample = sampler_->sample();
  const auto table = apps_->table();
  procs_ = sample.procs;

  std::stable_sort(sample.procs.begin(), sample.procs.end(),
                   [](const ProcInfo& a, const ProcInfo& b) { return a.cpu > b.cpu; });
  out << "Processes: " << sample.procs.size() << " (busiest by CPU over 1 s; energy estimated)\n";
  out << "  " << padToWidth("PID", 8, true) << padToWidth("CPU%", 8, true) << padToWidth("MEM", 10, true)
      << padToWidth("DISK", 11, true) << "  " << padToWidth("OWNER", 7) << padToWidth("NAME", 26) << "APP\n";
  for (std::size_t i = 0; i < std::min(kRows, sample.procs.size()); ++i) {
    const ProcInfo& p = sample.procs[i];
    out << "  " << padToWidth(std::to_string(p.pid), 8, true) << padToWidth(fixed(p.cpu, 1), 8, true)
        << padToWidth(fmtBytes(p.mem), 10, true) << padToWidth(fmtRate(p.diskRate), 11, true) << "  "
        << padToWidth(p.isSystem ? "system" : "user", 7) << padToWidth(printable(p.name.empty() ? "-" : p.name, 24), 26)
        << printable(appName(*table, p), 40) << "\n";
  }
}

TrafficSection::TrafficSection(std::chrono::steady_clock::time_point first)
    : net_(std::make_unique<NetTopSampler>()), first_(first) {
  net_->sample();
}

TrafficSection::~TrafficSection() = default;

void TrafficSection::print(std::ostream& out, const ProcessSection& processes) {
  std::this_thread::sleep_until(first_ + std::chrono::seconds(1));
  const auto use = net_->sample().value_or(std::map<std::int32_t, NetUse>{});
  const auto& procs = processes.procs();
  const auto table = processes.appTable();

  struct Row {
    std::string name;
    NetUse use;
    int processes = 0;
  };
  std::map<std::string, Row> byApp;  // app key (or executable) → traffic
  for (const ProcInfo& p : procs) {
    const auto u = use.find(p.pid);
    if (u == use.end()) continue;
    const std::string key = p.appKey.empty() ? p.name : p.appKey;
    Row& row = byApp[key];
    if (row.name.empty()) {
      const AppEntry* app = isAppKey(p.appKey) ? table->byKey(p.appKey) : nullptr;
      row.name = app ? app->name : p.name;
    }
    row.use.down += u->second.down;
    row.use.up += u->second.up;
    row.use.total += u->second.total;
    ++row.processes;
  }
  std::vector<Row> rows;
  for (auto& [key, row] : byApp) rows.push_back(std::move(row));
  std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
    const double ra = a.use.down + a.use.up, rb = b.use.down + b.use.up;
    return ra != rb ? ra > rb : a.use.total > b.use.total;
  });
  out << "Traffic by app (TCP, over 1 s, traffic within the machine left out): " << rows.size() << " apps\n";
  out << "  " << padToWidth("DOWN", 11, true) << padToWidth("UP", 11, true) << padToWidth("TOTAL", 10, true)
      << padToWidth("PROCS", 7, true) << "  NAME\n";
  for (std::size_t i = 0; i < std::min(kRows, rows.size()); ++i) {
    const Row& r = rows[i];
    out << "  " << padToWidth(fmtRate(r.use.down), 11, true) << padToWidth(fmtRate(r.use.up), 11, true)
        << padToWidth(fmtBytes(r.use.total), 10, true) << padToWidth(std::to_string(r.processes), 7, true) << "  "
        << printable(r.name, 40) << "\n";
  }
}

}  // namespace qel
