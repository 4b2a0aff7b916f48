#pragma once
// How the machine slept, from the system's log: systemd's "entering sleep" and "returned from
// sleep" journal entries folded into sessions of at least 30 minutes, with the battery's charge
// and power source at both ends taken from UPower's charge history where it can be read.
// The session builder also knows dark wakes (short wakes inside one sleep); the journal
// records none, so on this system every session's list of them stays empty.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Qel/History/SleepSession.hpp"
#include "Qel/Platform/Devices/UPowerHistory.hpp"
#include "Qel/Platform/Proc/SysRoot.hpp"

namespace qel::SleepLogReader {

// systemd's message ids for entering a sleep state and returning from it.
inline constexpr std::string_view kSleepStartId = "6bbd95ee977941e497c48be27c254128";
inline constexpr std::string_view kSleepStopId = "8811e6df2a8e40f58a94cea26f8ebf14";

enum class Domain { sleep, darkWake, wake };

// One useful log entry.
struct Entry {
  Date date{};
  Domain domain{};
  std::optional<int> charge;  // battery percent at the entry
  bool onBattery{};
  std::string reason;  // what caused a dark wake; empty when unknown
  std::string boot;    // the boot the entry was logged in
  bool operator==(const Entry&) const = default;
};

// journalctl's JSON output, one object per line. Entries that are not a sleep start or stop,
// or lack a usable time, are skipped; so is every line that isn't a JSON object.
std::vector<Entry> parseJournal(std::string_view text);

// Fills each entry's charge and power source from the battery's history; an end without a
// record before it keeps no charge. A wake looks a minute past its time, so the first reading
// after resuming counts.
void addCharge(std::vector<Entry>& entries, const std::vector<ChargeRecord>& history);

// The finished sleeps of 30 minutes or more, in log order. A sleep still open when the log
// moves to another boot never ended: it is dropped, not merged with a later wake.
std::vector<SleepSession> sessions(const std::vector<Entry>& entries);

// Runs journalctl (bounded in time and output) and folds what it prints. Absent when the
// command can't run or prints nothing (no journal, or no permission to read the system's).
std::optional<std::vector<SleepSession>> read(const SysRoot& root = {});

}  // namespace qel::SleepLogReader
