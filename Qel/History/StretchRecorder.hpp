#pragma once
// A stretch being recorded: fed once a tick with the machine's load, its power draw and the
// busy apps, and turned into a `Stretch` when it ends. The load series stays bounded however
// long the stretch runs: at 240 points it is halved by averaging pairs and each point then
// covers twice as many ticks.
#include <map>
#include <string>
#include <vector>

#include "Qel/History/Stretch.hpp"
#include "Qel/Platform/Runtime/Clock.hpp"

namespace qel {

struct StretchRecorder {
  Date start{};
  int seconds = 0;      // ticks recorded, one second each
  double cpuSum = 0;    // sum of the whole-machine load, fractions
  double peak = 0;
  double joules = 0;
  std::map<std::string, double> perApp;  // app name → summed CPU, percent of one core
  std::vector<double> series;            // load points, oldest first
  int stride = 1;                        // ticks per point
  double pendingSum = 0;                 // load since the last point
  int pendingCount = 0;
  bool operator==(const StretchRecorder&) const = default;

  // One tick: the whole machine's load (0 to 1) and its power draw in watts.
  void record(double cpu, double watts);
  void addApp(const std::string& name, double cpu);
  // The stretch ended at `end`, without its name and its ratio to the usual load. Ticks not yet
  // folded into a point are left out of the series.
  Stretch finish(Date end) const;
};

}  // namespace qel
