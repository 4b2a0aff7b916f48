#pragma once
// How long the battery lasts at the present draw, and how many minutes quitting each of the
// hungriest apps would add. Only apps the user could quit are suggested.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Qel/Samplers/ProcInfo.hpp"
#include "Qel/Samplers/Samples.hpp"

namespace qel {

struct RuntimeGain {
  std::string key;   // the app key, else the executable path
  std::string name;
  std::int32_t pid{};  // the app's process with the highest mean power
  std::string path;    // that process's executable
  double watts{};      // all the app's processes together
  int minutes{};       // gained if the app were quit
  bool operator==(const RuntimeGain&) const = default;
};

struct RuntimeForecast {
  int minutes{};
  double watts{};  // the mean draw the forecast rests on
  std::vector<RuntimeGain> gains;  // at most three, most minutes first
  bool operator==(const RuntimeForecast&) const = default;
};

struct ForecastInput {
  const BatterySample& battery;
  const std::vector<double>& powerHist;  // watts, the last sixty seconds
  const std::vector<ProcInfo>& procs;
  const std::map<std::int32_t, std::vector<double>>& energyByPid;  // watts per pid, sixty seconds
  std::int32_t ownPID;
  // The display name of an application key.
  std::function<std::string(const std::string& key)> appName;
};

// Absent without a battery that reports its energy, or without ten seconds of a real draw.
std::optional<RuntimeForecast> runtimeForecast(const ForecastInput& in);

// Minutes rounded to a multiple of five, at least five, as a duration text.
std::string fmtRuntime(long long minutes);

}  // namespace qel
