#pragma once
// The store's main thread in the program: work posted from any thread runs on Qt's event loop
// in the thread that made the executor (the GUI thread). Work still queued when the executor
// goes is dropped.
#include <QObject>

#include "Qel/Platform/Runtime/Executor.hpp"

namespace qel {

class QtExecutor final : public Executor {
 public:
  QtExecutor() = default;
  QtExecutor(const QtExecutor&) = delete;
  QtExecutor& operator=(const QtExecutor&) = delete;

  void post(std::function<void()> work) override;
  void postAfter(std::chrono::milliseconds delay, std::function<void()> work) override;

 private:
  QObject context_;  // lives in the GUI thread; queued work is delivered to it
};

}  // namespace qel
