#include "Qel/History/SleepLogReader.hpp"

#include <algorithm>
#include <climits>

#include <nlohmann/json.hpp>

#include "Qel/Platform/Proc/ProcText.hpp"
#include "Qel/Platform/Runtime/CommandRunner.hpp"

namespace qel::SleepLogReader {
namespace {

using Json = nlohmann::json;
using namespace std::chrono_literals;

constexpr auto kResumeGrace = 60s;

std::optional<std::string> field(const Json& j, const char* key) {
  auto it = j.find(key);
  if (it == j.end() || !it->is_string()) return std::nullopt;
  return it->get<std::string>();
}

// "__REALTIME_TIMESTAMP": microseconds since 1970 as decimal text.
std::optional<Date> realtime(const Json& j) {
  const auto text = field(j, "__REALTIME_TIMESTAMP");
  const auto micros = text ? parseU64(*text) : std::nullopt;
  // Beyond what the clock's nanosecond count can hold (the year 2262).
  if (!micros || *micros > 9'000'000'000'000'000ULL) return std::nullopt;
  return Date(std::chrono::duration_cast<Date::duration>(std::chrono::microseconds(*micros)));
}

long long wholeMinutes(Date from, Date to) {
  return std::chrono::duration_cast<std::chrono::minutes>(to - from).count();
}

}  // namespace

std::vector<Entry> parseJournal(std::string_view text) {
  std::vector<Entry> out;
  std::string_view line;
  while (nextLine(text, line)) {
    if (line.empty()) continue;
    const Json j = Json::parse(line.begin(), line.end(), nullptr, /*allow_exceptions=*/false);
    if (j.is_discarded() || !j.is_object()) continue;
    const auto id = field(j, "MESSAGE_ID");
    if (!id || (*id != kSleepStartId && *id != kSleepStopId)) continue;
    const auto date = realtime(j);
    if (!date) continue;
    out.push_back({.date = *date,
                   .domain = *id == kSleepStartId ? Domain::sleep : Domain::wake,
                   .boot = field(j, "_BOOT_ID").value_or("")});
  }
  return out;
}

void addCharge(std::vector<Entry>& entries, const std::vector<ChargeRecord>& history) {
  for (auto& e : entries) {
    const auto record = chargeAt(history, e.domain == Domain::wake ? e.date + kResumeGrace : e.date);
    e.charge = record ? std::optional(record->percent) : std::nullopt;
    e.onBattery = record && record->onBattery;
  }
}

std::vector<SleepSession> sessions(const std::vector<Entry>& entries) {
  std::vector<SleepSession> finished;
  std::optional<SleepSession> pending;
  std::string pendingBoot;
  std::optional<SleepWake> dark;

  auto closeDark = [&](Date t) {
    if (!dark) return;
    const long long s = std::chrono::duration_cast<std::chrono::seconds>(t - dark->date).count();
    dark->seconds = int(std::clamp<long long>(s, 1, INT_MAX));
    if (pending) pending->wakes.push_back(std::move(*dark));
    dark.reset();
  };

  for (const auto& e : entries) {
    if (pending && e.boot != pendingBoot) {
      pending.reset();
      dark.reset();
    }
    switch (e.domain) {
      case Domain::sleep:
        if (!pending) {
          pending = SleepSession{.start = e.date,
                                 .end = e.date,
                                 .chargeStart = e.charge,
                                 .chargeEnd = e.charge,
                                 .onBattery = e.onBattery};
          pendingBoot = e.boot;
        } else {
          closeDark(e.date);  // back to sleep after a dark wake
        }
        break;
      case Domain::darkWake:
        if (!pending) break;
        closeDark(e.date);
        dark = SleepWake{.date = e.date, .seconds = 0, .charge = e.charge, .reason = e.reason};
        break;
      case Domain::wake:
        if (!pending) break;
        dark.reset();  // a dark wake still open became this full wake
        pending->end = e.date;
        if (e.charge) pending->chargeEnd = e.charge;
        if (!e.onBattery) pending->onBattery = false;
        if (wholeMinutes(pending->start, pending->end) >= 30) finished.push_back(std::move(*pending));
        pending.reset();
        break;
    }
  }
  return finished;
}

std::optional<std::vector<SleepSession>> read(const SysRoot& root) {
  const std::string journalctl = findExecutable({"/usr/bin/journalctl", "/bin/journalctl"});
  if (journalctl.empty()) return std::nullopt;
  const auto result = runCommand(journalctl,
                                 {"--no-pager", "-q", "-o", "json", "--output-fields=MESSAGE_ID", "--lines=2000",
                                  "MESSAGE_ID=" + std::string(kSleepStartId),
                                  "MESSAGE_ID=" + std::string(kSleepStopId)},
                                 {.timeout = std::chrono::seconds(5), .maxOutput = 4 << 20});
  // A run cut short still printed whole entries before the cut; the last, cut line is skipped.
  if (result.status == CommandResult::Status::notRunnable || result.output.empty()) return std::nullopt;
  auto entries = parseJournal(result.output);
  addCharge(entries, readChargeHistory(root));
  return sessions(entries);
}

}  // namespace qel::SleepLogReader
