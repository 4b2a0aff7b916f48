#pragma once
// A named worker thread that runs its work in order, one item at a time.
#include <atomic>
#include <condition_variable>
#include <chrono>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <type_traits>

namespace qel {

class SerialQueue {
 public:
  explicit SerialQueue(std::string name);
  ~SerialQueue();  // stop(): runs what is queued, interrupts sleeps, joins the thread
  SerialQueue(const SerialQueue&) = delete;
  SerialQueue& operator=(const SerialQueue&) = delete;

  const std::string& name() const { return name_; }

  // Queues `work`; after stop() it is dropped.
  void async(std::function<void()> work) { enqueue(std::move(work)); }

  // Runs `work` on the queue after everything queued before it and returns its result.
  // Runs inline when called from the queue itself, so nested calls never deadlock.
  template <class F>
  auto sync(F&& work) -> std::invoke_result_t<F> {
    using R = std::invoke_result_t<F>;
    if (isCurrent()) return work();
    std::packaged_task<R()> task(std::forward<F>(work));
    auto result = task.get_future();
    if (!enqueue([&task] { task(); })) {
      // Stopped: nothing else will ever run on the queue, so run here once the worker is gone.
      waitForExit();
      task();
    }
    return result.get();
  }

  // Waits until everything queued so far has run, or the timeout passes. Returns whether it drained.
  bool drain(std::chrono::milliseconds timeout);

  // For work running on the queue: sleeps up to `d`; returns false when the queue is stopping.
  bool sleep(std::chrono::milliseconds d);

  bool isCurrent() const { return std::this_thread::get_id() == thread_.get_id(); }
  bool stopping() const { return stopping_.load(); }

  // Runs what is already queued, then ends and joins the worker. Sleeping work wakes at once.
  void stop();

 private:
  bool enqueue(std::function<void()> work);
  void waitForExit();
  void run();

  std::string name_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> work_;
  std::atomic<bool> stopping_{false};
  bool exited_ = false;
  std::thread thread_;
};

}  // namespace qel
