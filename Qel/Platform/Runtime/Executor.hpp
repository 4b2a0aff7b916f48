#pragma once
// The main thread's run loop as the core sees it: Qt's event loop in the program, a manual
// loop in tests so every timed rule runs deterministically.
#include <chrono>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

#include "Qel/Platform/Runtime/Clock.hpp"

namespace qel {

class Executor {
 public:
  virtual ~Executor() = default;
  // Runs `work` on the main thread after the current work; safe to call from any thread.
  virtual void post(std::function<void()> work) = 0;
  virtual void postAfter(std::chrono::milliseconds delay, std::function<void()> work) = 0;
};

// Runs posted work only when asked. Delayed work becomes due when the given clock's monotonic
// time reaches it, so tests advance a FakeClock and then run what is due.
class ManualExecutor final : public Executor {
 public:
  explicit ManualExecutor(const Clock& clock) : clock_(clock) {}
  void post(std::function<void()> work) override;
  void postAfter(std::chrono::milliseconds delay, std::function<void()> work) override;
  // Runs everything posted and everything due, including work posted while running; returns
  // how many items ran.
  int runUntilIdle();
  std::size_t pending() const;

 private:
  const Clock& clock_;
  mutable std::mutex mutex_;
  std::vector<std::function<void()>> ready_;
  std::multimap<MonoTime, std::function<void()>> timed_;
};

}  // namespace qel
