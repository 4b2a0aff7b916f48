#pragma once
// One process in one tick's sample.
#include <cstdint>
#include <string>

namespace qel {

struct ProcInfo {
  std::int32_t pid = 0;
  std::string name;         // display name
  std::string path;         // executable path, may be empty
  double cpu = 0;           // percent of one core (100 = one core fully busy; may exceed 100)
  std::uint64_t mem = 0;    // resident bytes
  bool isSystem = false;    // a kernel thread, another user's process or a system service
  double energy = 0;        // watts
  double diskRate = 0;      // bytes per second read plus written
  std::uint64_t diskWritten = 0;  // bytes written over the process's lifetime
  double netDown = 0;       // bytes per second received; filled from the traffic sampler
  double netUp = 0;         // bytes per second sent; filled from the traffic sampler
  std::uint64_t netTotal = 0;  // bytes moved; filled from the traffic sampler
  std::string appKey;       // the application's key (desktop entry path), else `path`
  std::int32_t ppid = 0;    // parent process
  std::uint64_t startTime = 0;  // clock ticks after boot; with the pid the process's identity (0: unknown)
  std::string comm;         // the name the process gives itself (/proc/[pid]/comm, at most 15 bytes)
  std::string childType;    // the "--type=" a Chromium-based program starts a helper with ("renderer"); read
                            // only by the view that tells it (the sampler leaves it empty)
  // Its owner, control group or program were taken from a parent or a namesake and are read on its
  // second tick: shown meanwhile, but nothing is done to it on their word.
  bool provisional = false;
  bool operator==(const ProcInfo&) const = default;
};

// A name with the pid that tells two processes of that name apart: "sleep (PID 1234)".
inline std::string nameWithPid(const std::string& name, std::int32_t pid) {
  return name + " (PID " + std::to_string(pid) + ")";
}

}  // namespace qel
