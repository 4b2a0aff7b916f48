#pragma once
// The memory page's bubble field as a small simulation: one bubble per big process and for
// compressed and wired memory, whose area follows its share of memory. Bubbles ease towards
// their size, push each other apart, stay inside the field, drift slowly and never turn as a
// whole. Every rule is a plain step on the bubble list so it can be checked without a screen.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Qel/Samplers/ProcInfo.hpp"
#include "Qel/Samplers/Samples.hpp"

namespace qel {

enum class BubbleKind { user, system, compressed, wired };

struct BubbleItem {
  std::string key;  // "p<pid>", "compressed" or "wired"
  std::optional<std::int32_t> pid;
  std::string label;
  std::uint64_t bytes = 0;
  BubbleKind kind = BubbleKind::user;
};

// The items of a frame: the 14 processes with the most memory (stably, so equal ones keep the
// sample's order), then compressed and wired memory where there is any.
std::vector<BubbleItem> bubbleItems(const std::vector<ProcInfo>& procs, const MemSample& mem);

struct Bubble {
  std::string key;
  std::optional<std::int32_t> pid;
  std::string label;
  std::uint64_t bytes = 0;
  BubbleKind kind = BubbleKind::user;
  double x = 0, y = 0;  // from the field's centre
  double r = 0, target = 0;
  double prevX = 0, prevY = 0;  // where the last step started
};

class BubbleModel {
 public:
  static constexpr double kGap = 3;     // between two bubbles
  static constexpr double kMargin = 4;  // between a bubble and the field's edge

  const std::vector<Bubble>& bubbles() const { return bubbles_; }
  double radius() const { return radius_; }

  // Brings the bubbles in line with `items`: drops those no longer wanted, updates the others'
  // sizes and labels, and starts new ones small on a golden-angle circle. With `total` 0 (no
  // memory read yet) there is nothing to show and the field is emptied.
  void sync(const std::vector<BubbleItem>& items, std::uint64_t total, double radius);

  // One frame: ease, three rounds of separating and containing, drift (`seconds` is the phase of
  // the drift), then take away any turn of the whole.
  void step(double seconds);

  // The bubble drawn on top at `point` (from the field's centre), if any.
  const Bubble* hit(double px, double py) const;

  // The single rules, in step order.
  static void ease(std::vector<Bubble>& bubbles);
  static void separate(std::vector<Bubble>& bubbles);
  static void contain(std::vector<Bubble>& bubbles, double radius);
  static void drift(std::vector<Bubble>& bubbles, double seconds);
  static void removeRotation(std::vector<Bubble>& bubbles);

  // Tests and benchmarks place bubbles by hand.
  std::vector<Bubble>& mutableBubbles() { return bubbles_; }

 private:
  std::vector<Bubble> bubbles_;
  double radius_ = 0;
};

}  // namespace qel
