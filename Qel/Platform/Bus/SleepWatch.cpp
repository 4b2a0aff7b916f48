#include "Qel/Platform/Bus/SleepWatch.hpp"

#include <fcntl.h>
#include <unistd.h>

namespace qel {
namespace {
constexpr const char* kLogind = "org.freedesktop.login1";
constexpr const char* kPath = "/org/freedesktop/login1";
constexpr const char* kManager = "org.freedesktop.login1.Manager";
}  // namespace

std::unique_ptr<SleepWatch> SleepWatch::open(Handler handler, std::string why) {
  Bus bus = openBus(BusKind::system);
  if (!bus) return nullptr;
  std::unique_ptr<SleepWatch> watch(new SleepWatch(std::move(bus), std::move(handler), std::move(why)));
  watch->pollFd_ = busPollFd(watch->bus_.get());
  if (watch->pollFd_ < 0) return nullptr;
  sd_bus_slot* slot = nullptr;
  if (sd_bus_match_signal(watch->bus_.get(), &slot, kLogind, kPath, kManager, "PrepareForSleep", &onPrepare,
                          watch.get()) < 0)
    return nullptr;
  watch->signalSlot_.reset(slot);
  watch->takeInhibitor();
  return watch;
}

SleepWatch::SleepWatch(Bus bus, Handler handler, std::string why)
    : bus_(std::move(bus)), handler_(std::move(handler)), why_(std::move(why)) {}

SleepWatch::~SleepWatch() {
  // The slots go before the bus, so no callback can reach a half-destroyed watch.
  inhibitCall_.reset();
  signalSlot_.reset();
  release();
  if (pollFd_ >= 0) ::close(pollFd_);
}

int SleepWatch::fd() const { return pollFd_; }

void SleepWatch::process() {
  // Each call handles at most one message; an error (the bus went away) ends the loop.
  while (sd_bus_process(bus_.get(), nullptr) > 0) {
  }
}

void SleepWatch::release() {
  if (inhibitor_ >= 0) ::close(inhibitor_);
  inhibitor_ = -1;
}

void SleepWatch::takeInhibitor() {
  if (inhibitor_ >= 0 || inhibitCall_) return;
  sd_bus_slot* slot = nullptr;
  // Asynchronous: the answer comes through process(), the calling thread never waits for logind.
  if (sd_bus_call_method_async(bus_.get(), &slot, kLogind, kPath, kManager, "Inhibit", &onInhibit, this, "ssss",
                               "sleep", "Qel", why_.c_str(), "delay") >= 0)
    inhibitCall_.reset(slot);
}

int SleepWatch::onInhibit(sd_bus_message* m, void* self, sd_bus_error*) {
  auto* watch = static_cast<SleepWatch*>(self);
  // sd-bus keeps its own reference to the slot while this runs.
  watch->inhibitCall_.reset();
  if (sd_bus_message_is_method_error(m, nullptr)) return 0;
  int fd = -1;
  if (sd_bus_message_read_basic(m, 'h', &fd) < 0 || fd < 0) return 0;
  // The message owns its descriptor and closes it with the message: keep a copy.
  const int kept = fcntl(fd, F_DUPFD_CLOEXEC, 3);
  if (kept >= 0) {
    watch->release();
    watch->inhibitor_ = kept;
  }
  return 0;
}

int SleepWatch::onPrepare(sd_bus_message* m, void* self, sd_bus_error*) {
  auto* watch = static_cast<SleepWatch*>(self);
  int sleeping = 0;
  if (sd_bus_message_read_basic(m, 'b', &sleeping) < 0) return 0;
  if (!sleeping) watch->takeInhibitor();
  if (watch->handler_) watch->handler_(sleeping != 0);
  return 0;
}

}  // namespace qel
