#include "Qel/Pages/Memory/BubbleModel.hpp"

#include <algorithm>
#include <cmath>

#include "Qel/Platform/Utf8.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

std::vector<BubbleItem> bubbleItems(const std::vector<ProcInfo>& procs, const MemSample& mem) {
  std::vector<const ProcInfo*> order;
  order.reserve(procs.size());
  for (const auto& p : procs) order.push_back(&p);
  // The largest first; equals keep the list's order.
  const std::size_t shown = std::min<std::size_t>(order.size(), 14);
  std::partial_sort(order.begin(), order.begin() + std::ptrdiff_t(shown), order.end(),
                    [](const ProcInfo* a, const ProcInfo* b) { return a->mem != b->mem ? a->mem > b->mem : a < b; });
  std::vector<BubbleItem> items;
  for (std::size_t i = 0; i < shown; ++i) {
    const ProcInfo& p = *order[i];
    items.push_back({"p" + std::to_string(p.pid), p.pid, displayName(p.name), p.mem,
                     p.isSystem ? BubbleKind::system : BubbleKind::user});
  }
  if (mem.compressed != 0) items.push_back({"compressed", std::nullopt, L("Compressed"), mem.compressed, BubbleKind::compressed});
  if (mem.wired != 0) items.push_back({"wired", std::nullopt, L("Kernel & locked"), mem.wired, BubbleKind::wired});
  return items;
}

void BubbleModel::sync(const std::vector<BubbleItem>& items, std::uint64_t total, double radius) {
  radius_ = std::isfinite(radius) ? std::max(radius, 0.0) : 0.0;
  if (total == 0) {
    bubbles_.clear();
    return;
  }
  std::erase_if(bubbles_, [&](const Bubble& b) {
    return std::none_of(items.begin(), items.end(), [&](const BubbleItem& i) { return i.key == b.key; });
  });
  for (std::size_t k = 0; k < items.size(); ++k) {
    const BubbleItem& item = items[k];
    const double target = std::sqrt(double(item.bytes) / double(total)) * radius_ * 0.9;
    auto it = std::find_if(bubbles_.begin(), bubbles_.end(), [&](const Bubble& b) { return b.key == item.key; });
    if (it != bubbles_.end()) {
      it->bytes = item.bytes;
      it->target = target;
      it->label = item.label;
      continue;
    }
    const double angle = 2.39996 * double(k);  // the golden angle spreads new bubbles evenly
    Bubble b{item.key, item.pid, item.label, item.bytes, item.kind};
    b.x = b.prevX = radius_ * 0.45 * std::cos(angle);
    b.y = b.prevY = radius_ * 0.45 * std::sin(angle);
    b.r = 4;
    b.target = target;
    bubbles_.push_back(std::move(b));
  }
}

void BubbleModel::ease(std::vector<Bubble>& bubbles) {
  for (auto& b : bubbles) {
    b.prevX = b.x;
    b.prevY = b.y;
    b.r += (b.target - b.r) * 0.08;
  }
}

void BubbleModel::separate(std::vector<Bubble>& bubbles) {
  for (std::size_t i = 0; i < bubbles.size(); ++i) {
    for (std::size_t j = i + 1; j < bubbles.size(); ++j) {
      Bubble& a = bubbles[i];
      Bubble& b = bubbles[j];
      double dx = b.x - a.x, dy = b.y - a.y;
      const double want = a.r + b.r + kGap;
      double d = std::hypot(dx, dy);
      if (d >= want) continue;
      if (d < 0.01) {
        // Two bubbles on one spot have no direction between them: part them along a fixed one
        // that differs per pair, so a crowd at the centre spreads out rather than in a line.
        const double angle = 2.39996 * double(i + j);
        dx = std::cos(angle);
        dy = std::sin(angle);
        d = 0;
      } else {
        dx /= d;
        dy /= d;
      }
      const double overlap = want - d;
      const double s = std::max(a.r + b.r, 0.01);
      // Shares of the push that add up to 1, so the pair ends exactly `want` apart; the
      // smaller bubble moves more.
      const double shareA = a.r + b.r > 0.01 ? b.r / s : 0.5;
      a.x -= dx * overlap * shareA;
      a.y -= dy * overlap * shareA;
      b.x += dx * overlap * (1 - shareA);
      b.y += dy * overlap * (1 - shareA);
    }
  }
}

void BubbleModel::contain(std::vector<Bubble>& bubbles, double radius) {
  for (auto& b : bubbles) {
    const double dist = std::hypot(b.x, b.y);
    const double lim = radius - b.r - kMargin;
    if (dist > 0 && lim < dist) {
      const double k = std::max(lim, 0.0) / dist;
      b.x *= k;
      b.y *= k;
    }
  }
}

void BubbleModel::drift(std::vector<Bubble>& bubbles, double seconds) {
  for (std::size_t i = 0; i < bubbles.size(); ++i) {
    Bubble& b = bubbles[i];
    b.x -= 0.006 * b.x;  // a gentle pull to the centre
    b.y -= 0.006 * b.y;
    b.x += 0.06 * std::sin(0.5 * seconds + 1.7 * double(i));
    b.y += 0.06 * std::cos(0.43 * seconds + 1.7 * double(i));
  }
}

void BubbleModel::removeRotation(std::vector<Bubble>& bubbles) {
  // The turn of the whole since the step began: the angle whose undoing leaves the summed cross
  // product of old and new positions at zero (for small moves, momentum over spread).
  double cross = 0, dot = 0, spread = 0;
  for (const auto& b : bubbles) {
    cross += b.prevX * b.y - b.prevY * b.x;
    dot += b.prevX * b.x + b.prevY * b.y;
    spread += b.x * b.x + b.y * b.y;
  }
  if (!(spread > 1)) return;
  const double theta = std::atan2(cross, dot);
  const double c = std::cos(theta), s = std::sin(theta);
  for (auto& b : bubbles) {
    const double x = c * b.x + s * b.y;
    const double y = c * b.y - s * b.x;
    b.x = x;
    b.y = y;
  }
}

void BubbleModel::step(double seconds) {
  if (bubbles_.empty()) return;
  if (!std::isfinite(seconds)) seconds = 0;
  ease(bubbles_);
  for (int round = 0; round < 3; ++round) {
    separate(bubbles_);
    contain(bubbles_, radius_);
  }
  drift(bubbles_, seconds);
  removeRotation(bubbles_);
}

const Bubble* BubbleModel::hit(double px, double py) const {
  // Later bubbles are drawn over earlier ones, so the search runs from the top down.
  for (auto it = bubbles_.rbegin(); it != bubbles_.rend(); ++it)
    if (std::hypot(px - it->x, py - it->y) < it->r) return &*it;
  return nullptr;
}

}  // namespace qel
