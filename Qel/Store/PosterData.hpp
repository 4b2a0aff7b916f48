#pragma once
// One day summed up for the picture export: taken once when the export is asked for and never
// changed afterwards, so the picture shows the day as it was at that moment.
#include <optional>
#include <string>
#include <vector>

#include "Qel/History/DayBucket.hpp"

namespace qel {

struct PosterEvent {
  int slot{};
  bool isMemory{};
  bool operator==(const PosterEvent&) const = default;
};

struct PosterSleep {
  int from{};  // inclusive slot range
  int to{};
  bool operator==(const PosterSleep&) const = default;
};

struct PosterData {
  std::string dateText;                          // the day's date in the interface language
  std::vector<std::optional<DayBucket>> buckets;  // the day's 144 slots, empty where nothing was recorded
  std::vector<PosterEvent> events;
  std::vector<PosterSleep> sleeps;
  std::optional<double> peak;  // highest slot peak, a fraction; none without a recorded slot
  std::string peakTime;        // "HH:MM" of the peak slot's start; empty without one
  std::string peakApp;         // the peak slot's top process; may be empty
  int recordedMinutes{};       // the slots' samples, one a second, in whole minutes
  double average{};                  // mean CPU of the recorded slots, a fraction
  std::vector<std::string> topApps;  // at most three, most CPU first
  bool operator==(const PosterData&) const = default;
};

// The figures drawn from the slots alone: peak (the earliest of equal peaks), its time and app,
// recorded minutes and average.
void summarizeSlots(PosterData& data);

}  // namespace qel
