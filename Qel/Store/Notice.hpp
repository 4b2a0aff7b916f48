#pragma once
// A change notice: the model marks it when what it covers changed, and publishes it once per
// main-loop turn, so each subscriber hears of any number of changes once. Main thread only.
//
// A subscription ends when its handle goes, also while the notice is being published: a
// subscriber dropped by an earlier one (a view deleted by another's refresh) is not called.
// A handle outliving the notice is harmless.
#include <functional>
#include <memory>
#include <vector>

namespace qel {

class Notice {
  struct Listener {
    std::function<void()> heard;
    bool live = true;
  };
  using Listeners = std::vector<std::shared_ptr<Listener>>;

 public:
  class Subscription {
   public:
    Subscription() = default;
    Subscription(Subscription&& other) noexcept = default;
    Subscription& operator=(Subscription&& other) noexcept;
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    ~Subscription() { reset(); }
    // Ends the subscription now.
    void reset();

   private:
    friend class Notice;
    Subscription(std::weak_ptr<Listeners> listeners, std::shared_ptr<Listener> listener)
        : listeners_(std::move(listeners)), listener_(std::move(listener)) {}
    std::weak_ptr<Listeners> listeners_;
    std::shared_ptr<Listener> listener_;
  };

  Notice() = default;
  Notice(const Notice&) = delete;
  Notice& operator=(const Notice&) = delete;

  [[nodiscard]] Subscription subscribe(std::function<void()> heard);
  // What the notice covers changed in this turn.
  void mark() { marked_ = true; }
  bool marked() const { return marked_; }
  // Tells every subscriber if marked, and clears the mark.
  void publish();

 private:
  std::shared_ptr<Listeners> listeners_ = std::make_shared<Listeners>();
  bool marked_ = false;
};

}  // namespace qel
