#pragma once
// What the user does to processes and to the computer: quit them, slow or pause an app, keep
// the computer awake, the quiet mode, the listening ports read again.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Qel/Samplers/Sources.hpp"
#include "Qel/Store/TameMode.hpp"

namespace qel {

class ProcessActions {
 public:
  virtual ~ProcessActions() = default;

  // Ends processes (SIGTERM, or SIGKILL with `force`) and reports the outcome in one toast.
  virtual void quit(const std::vector<std::int32_t>& pids, bool force) = 0;
  // Asks every running instance of these apps to quit; the outcome is a toast.
  virtual void quitApps(const std::vector<std::string>& keys) = 0;
  // Whether slowing `proc` down could be undone on this computer.
  virtual bool slowingReversible(const ProcInfo& proc) = 0;
  virtual void setTame(std::optional<TameMode> mode, const std::string& key) = 0;
  virtual void toggleQuiet() = 0;
  virtual void toggleAwake() = 0;
  virtual void refreshPorts(std::chrono::milliseconds after) = 0;
};

}  // namespace qel
