#pragma once
// Wall time for what the user sees and stores; monotonic time for intervals between samples,
// so a clock step never turns into a wrong rate.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>

namespace qel {

using Date = std::chrono::system_clock::time_point;
using MonoTime = std::chrono::steady_clock::time_point;
using Seconds = std::chrono::duration<double>;

class Clock {
 public:
  virtual ~Clock() = default;
  virtual Date now() const = 0;
  virtual MonoTime monotonic() const = 0;
  // Time since boot, the sleeps included: what the wall clock should have moved by since an
  // earlier reading, whatever it was set to meanwhile.
  virtual Seconds sinceBoot() const = 0;
};

class SystemClock final : public Clock {
 public:
  Date now() const override { return std::chrono::system_clock::now(); }
  MonoTime monotonic() const override { return std::chrono::steady_clock::now(); }
  Seconds sinceBoot() const override;
  static const SystemClock& shared();
};

// A clock that moves only when told to; wall, monotonic and boot time advance together unless
// the wall clock is set directly (a clock step).
class FakeClock final : public Clock {
 public:
  explicit FakeClock(Date start = Date{} + std::chrono::hours(24 * 365 * 55))
      : wall_(start.time_since_epoch().count()) {}
  Date now() const override { return Date(Date::duration(wall_.load())); }
  MonoTime monotonic() const override { return MonoTime(MonoTime::duration(mono_.load())); }
  Seconds sinceBoot() const override { return monotonic().time_since_epoch(); }
  void setNow(Date d) { wall_ = d.time_since_epoch().count(); }
  template <class Rep, class Period>
  void advance(std::chrono::duration<Rep, Period> d) {
    wall_ += std::chrono::duration_cast<Date::duration>(d).count();
    mono_ += std::chrono::duration_cast<MonoTime::duration>(d).count();
  }

 private:
  std::atomic<Date::rep> wall_;
  std::atomic<MonoTime::rep> mono_{std::chrono::duration_cast<MonoTime::duration>(std::chrono::hours(1)).count()};
};

// Seconds since 1970, the stored form of every time.
inline double toSeconds(Date d) { return std::chrono::duration<double>(d.time_since_epoch()).count(); }
// Total: a stored number no clock can hold (not finite, or centuries away, as a damaged file may
// give) becomes the nearest date within about 140 years of 1970, where the difference of any two
// dates still fits the clock's count.
inline Date fromSeconds(double s) {
  constexpr double kReach = 4.5e9;
  s = std::isnan(s) ? 0.0 : std::clamp(s, -kReach, kReach);
  return Date(std::chrono::duration_cast<Date::duration>(std::chrono::duration<double>(s)));
}

}  // namespace qel
