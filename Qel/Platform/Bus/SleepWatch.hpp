#pragma once
// The system's "about to sleep" and "woke up" moments, from logind's PrepareForSleep signal on
// the system bus. While watching it holds a delay inhibitor, so the system waits (up to
// logind's limit, a few seconds) until the owner has saved what it must and calls release().
// The inhibitor is taken again after each wake.
//
// The watch has no thread of its own: the host's event loop watches fd() and calls process()
// when it is readable (and once after opening); the handler then runs on that thread. fd() is
// the watch's own and stays open for its life; the bus's socket behind it may close (sd-bus
// closes it when the bus goes away), and then fd() simply never becomes readable again.
#include <functional>
#include <memory>
#include <string>

#include "Qel/Platform/Bus/DBus.hpp"

namespace qel {

class SleepWatch {
 public:
  // sleeping true: about to sleep; false: just woke.
  using Handler = std::function<void(bool sleeping)>;

  // Null when the system bus can't be reached or the signal can't be subscribed to.
  static std::unique_ptr<SleepWatch> open(Handler handler, std::string why);
  ~SleepWatch();
  SleepWatch(const SleepWatch&) = delete;
  SleepWatch& operator=(const SleepWatch&) = delete;

  int fd() const;
  // Handles everything that has arrived; never blocks.
  void process();
  // Lets a sleep that is waiting for this program go ahead. Harmless when nothing is held.
  void release();
  bool holding() const { return inhibitor_ >= 0; }

 private:
  SleepWatch(Bus bus, Handler handler, std::string why);
  void takeInhibitor();
  static int onPrepare(sd_bus_message* m, void* self, sd_bus_error* error);
  static int onInhibit(sd_bus_message* m, void* self, sd_bus_error* error);

  Bus bus_;
  int pollFd_ = -1;  // an epoll descriptor over the bus's socket: what the host watches
  Handler handler_;
  std::string why_;
  BusSlot signalSlot_;
  BusSlot inhibitCall_;
  int inhibitor_ = -1;
};

}  // namespace qel
