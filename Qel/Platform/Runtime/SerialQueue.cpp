#include "Qel/Platform/Runtime/SerialQueue.hpp"

#include <pthread.h>

namespace qel {

SerialQueue::SerialQueue(std::string name) : name_(std::move(name)) {
  thread_ = std::thread([this] { run(); });
  // Thread names are limited to 15 bytes by the kernel.
  pthread_setname_np(thread_.native_handle(), name_.substr(0, 15).c_str());
}

SerialQueue::~SerialQueue() { stop(); }

void SerialQueue::stop() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  if (thread_.joinable() && !isCurrent()) thread_.join();
}

bool SerialQueue::enqueue(std::function<void()> work) {
  {
    std::lock_guard lock(mutex_);
    if (stopping_) return false;
    work_.push_back(std::move(work));
  }
  wake_.notify_all();
  return true;
}

void SerialQueue::waitForExit() {
  std::unique_lock lock(mutex_);
  wake_.wait(lock, [this] { return exited_; });
}

bool SerialQueue::drain(std::chrono::milliseconds timeout) {
  if (isCurrent()) return false;
  auto done = std::make_shared<std::promise<void>>();
  auto future = done->get_future();
  if (!enqueue([done] { done->set_value(); })) {
    // Stopped: what was queued before runs until the worker ends; nothing comes after.
    std::unique_lock lock(mutex_);
    return wake_.wait_for(lock, timeout, [this] { return exited_; });
  }
  return future.wait_for(timeout) == std::future_status::ready;
}

bool SerialQueue::sleep(std::chrono::milliseconds d) {
  std::unique_lock lock(mutex_);
  return !wake_.wait_for(lock, d, [this] { return stopping_.load(); });
}

void SerialQueue::run() {
  for (;;) {
    std::function<void()> item;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || !work_.empty(); });
      if (work_.empty()) {
        exited_ = true;
        wake_.notify_all();
        return;
      }
      item = std::move(work_.front());
      work_.pop_front();
    }
    item();
  }
}

}  // namespace qel
