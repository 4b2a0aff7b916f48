#pragma once
// Signals to other processes by identity. A pid alone can name a new process once the old one
// has gone, so every signal checks the (pid, start time) pair first and goes through a pidfd
// taken before the check: a pid reused between the check and the signal can't be hit.
#include <signal.h>

#include <cstdint>
#include <optional>

#include "Qel/Platform/Proc/SysRoot.hpp"

namespace qel {

struct ProcessIdentity {
  std::int32_t pid = 0;
  std::uint64_t startTime = 0;  // clock ticks after boot (/proc/[pid]/stat field 22); 0: unknown
  bool operator==(const ProcessIdentity&) const = default;
};

enum class SignalOutcome {
  sent,
  gone,     // no such process, or the pid now names another one (or the identity is unknown)
  denied,   // the process belongs to someone else
  refused,  // pid 1 or below, or this program itself: never signalled
  failed,   // any other error
};

// Whether a pid may be signalled at all: above 1 and not this program.
bool isSignalTarget(std::int32_t pid);

// The process's state letter ("R", "S", "T", …) when `id` still names the same process.
std::optional<char> processState(const ProcessIdentity& id, const SysRoot& root = {});

// The identity of the process now at `pid`; absent when there is none.
std::optional<ProcessIdentity> identityOf(std::int32_t pid, const SysRoot& root = {});

SignalOutcome signalProcess(const ProcessIdentity& id, int signal, const SysRoot& root = {});

}  // namespace qel
