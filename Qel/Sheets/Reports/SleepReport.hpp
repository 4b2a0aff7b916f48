#pragma once
// The words of the sleep report, each a pure function of one sleep.
#include <optional>
#include <string>

#include "Qel/History/SleepSession.hpp"
#include "Qel/History/WakeKind.hpp"

namespace qel::SleepReport {

// Whole minutes from falling asleep to waking; 0 when the end comes first.
long long minutesAsleep(const SleepSession& session);
// The charge lost on battery with both charges known (never below 0); none otherwise.
std::optional<int> drop(const SleepSession& session);

// "Battery dropped 7% while asleep", else "Slept 7 h 12 min".
std::string headline(const SleepSession& session);
// How the drop compares with the usual rate in percent per hour; none without a drop or a rate.
std::optional<std::string> usualLine(const SleepSession& session, std::optional<double> usualPerHour);
// "On AC power", the drop ("7%"), or a dash when a charge is missing.
std::string batteryUsed(const SleepSession& session);
// "45 s", "1 min", "1 h".
std::string wakeLength(int seconds);
// "awake for 12 s", then " · " and the reason when there is one.
std::string wakeDetail(const SleepWake& wake);
// "Preventing sleep when the lid closed: a, b"; none without holders.
std::optional<std::string> holdersLine(const SleepSession& session);
// The kind of the most wakes; none without wakes.
std::optional<WakeKind> mainKind(const SleepSession& session);

}  // namespace qel::SleepReport
