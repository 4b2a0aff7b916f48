#pragma once
// A change notice: the model marks what changed, as topics, and publishes once per main-loop
// turn; each subscriber hears once if any topic it asked for was marked, however many changed.
// Main thread only.
//
// A subscription ends when its handle goes, also while the notice is being published: a
// subscriber dropped by an earlier one (a view deleted by another's refresh) is not called.
// A handle outliving the notice is harmless.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace qel {

class Notice {
 public:
  // One bit per topic; what the topics are is the model's business.
  using Topics = std::uint32_t;
  static constexpr Topics kAll = ~Topics(0);

 private:
  struct Listener {
    std::function<void()> heard;
    Topics topics = kAll;
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

  // Some topics of a notice, to be followed as one: a change of several of them is heard once.
  class Part {
   public:
    Part(Notice& notice, Topics topics) : notice_(notice), topics_(topics) {}
    [[nodiscard]] Subscription subscribe(std::function<void()> heard) const {
      return notice_.subscribe(std::move(heard), topics_);
    }
    // Two parts of one notice followed as one: heard once in a turn in which either changed.
    friend Part operator|(const Part& a, const Part& b) { return {a.notice_, a.topics_ | b.topics_}; }

   private:
    Notice& notice_;
    Topics topics_;
  };

  Notice() = default;
  Notice(const Notice&) = delete;
  Notice& operator=(const Notice&) = delete;

  [[nodiscard]] Subscription subscribe(std::function<void()> heard, Topics topics = kAll);
  // These topics changed in this turn.
  void mark(Topics topics = kAll) { marked_ |= topics; }
  Topics marked() const { return marked_; }
  // Tells every subscriber to a marked topic, and clears the marks.
  void publish();

 private:
  std::shared_ptr<Listeners> listeners_ = std::make_shared<Listeners>();
  Topics marked_ = 0;
};

}  // namespace qel
