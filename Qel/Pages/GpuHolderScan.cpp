#include "Qel/Pages/GpuHolderScan.hpp"

#include <algorithm>

namespace qel {

GpuHolderScan::GpuHolderScan(Reader read, std::chrono::milliseconds interval, QObject* parent)
    : QObject(parent), read_(std::move(read)), interval_(interval) {}

GpuHolderScan::~GpuHolderScan() { queue_.stop(); }

std::optional<bool> GpuHolderScan::answer(std::int32_t pid) const {
  const auto it = answers_.find(pid);
  return it == answers_.end() ? std::nullopt : it->second;
}

void GpuHolderScan::request(const std::vector<std::int32_t>& pids) {
  if (scanning_ || pids.empty()) return;
  const bool unseen = std::any_of(pids.begin(), pids.end(), [this](std::int32_t pid) { return !answers_.contains(pid); });
  if (!unseen && since_.isValid() && since_.elapsed() < interval_.count()) return;
  scanning_ = true;
  since_.start();
  // The destructor joins the worker before the object goes, so `this` outlives the scan; an
  // answer still queued when it goes is dropped with it.
  queue_.async([this, pids] {
    Answers answers;
    for (const std::int32_t pid : pids) answers.emplace(pid, read_(pid));
    QMetaObject::invokeMethod(
        this, [this, answers = std::move(answers)]() mutable { finish(std::move(answers)); }, Qt::QueuedConnection);
  });
}

void GpuHolderScan::finish(Answers answers) {
  scanning_ = false;
  // Only the pids asked for last are kept, so gone processes don't pile up.
  const bool same = answers == answers_;
  answers_ = std::move(answers);
  if (!same) emit changed();
}

}  // namespace qel
