#pragma once
// The usual CPU load of one ten-minute slot of the day, learnt from past days.
namespace qel {

struct BaselineSlot {
  double cpu{};  // usual mean load, a fraction of all cores
  int days{};    // past days folded into the slot so far
  bool operator==(const BaselineSlot&) const = default;
};

}  // namespace qel
