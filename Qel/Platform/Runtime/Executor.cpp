#include "Qel/Platform/Runtime/Executor.hpp"

namespace qel {

void ManualExecutor::post(std::function<void()> work) {
  std::lock_guard lock(mutex_);
  ready_.push_back(std::move(work));
}

void ManualExecutor::postAfter(std::chrono::milliseconds delay, std::function<void()> work) {
  std::lock_guard lock(mutex_);
  timed_.emplace(clock_.monotonic() + delay, std::move(work));
}

int ManualExecutor::runUntilIdle() {
  int ran = 0;
  for (;;) {
    std::vector<std::function<void()>> batch;
    {
      std::lock_guard lock(mutex_);
      const auto now = clock_.monotonic();
      while (!timed_.empty() && timed_.begin()->first <= now) {
        ready_.push_back(std::move(timed_.begin()->second));
        timed_.erase(timed_.begin());
      }
      batch.swap(ready_);
    }
    if (batch.empty()) return ran;
    for (auto& work : batch) {
      work();
      ++ran;
    }
  }
}

std::size_t ManualExecutor::pending() const {
  std::lock_guard lock(mutex_);
  return ready_.size() + timed_.size();
}

}  // namespace qel
