#include "Qel/Store/Notice.hpp"

#include <algorithm>

namespace qel {

Notice::Subscription& Notice::Subscription::operator=(Subscription&& other) noexcept {
  if (this != &other) {
    reset();
    listeners_ = std::move(other.listeners_);
    listener_ = std::move(other.listener_);
  }
  return *this;
}

void Notice::Subscription::reset() {
  if (!listener_) return;
  // A publish running now holds its own copy of the list and skips it; the function itself
  // stays until that copy goes, as it may be the one running.
  listener_->live = false;
  if (auto listeners = listeners_.lock()) std::erase(*listeners, listener_);
  listener_.reset();
  listeners_.reset();
}

Notice::Subscription Notice::subscribe(std::function<void()> heard, Topics topics) {
  auto listener = std::make_shared<Listener>(Listener{std::move(heard), topics, true});
  listeners_->push_back(listener);
  return Subscription(listeners_, std::move(listener));
}

void Notice::publish() {
  const Topics marked = marked_;
  if (!marked) return;
  marked_ = 0;
  // A copy: subscribers may come and go while they are told.
  const Listeners listeners = *listeners_;
  for (const auto& listener : listeners)
    if (listener->live && (listener->topics & marked)) listener->heard();
}

}  // namespace qel
