#pragma once
// The parts of the store a view may follow on their own (topics of the store's notice), so a
// tick wakes only the views of what changed. A view follows the parts it reads.
#include "Qel/Store/Notice.hpp"

namespace qel::Concern {

using Topics = Notice::Topics;
// Readings, their sixty-second histories, the busy state.
inline constexpr Topics live = 1u << 0;
// The process list and its search, sort and selection; ports; per-app traffic.
inline constexpr Topics processes = 1u << 1;
// Today's and the browsed day's slots, events and marks; the ring's mode and selection.
inline constexpr Topics day = 1u << 2;
// Findings, the forecast, memory advice.
inline constexpr Topics insights = 1u << 3;
inline constexpr Topics sleep = 1u << 4;
inline constexpr Topics stretches = 1u << 5;
// What taming holds, quiet mode, keep awake, mute.
inline constexpr Topics taming = 1u << 6;
// The saved settings and the history's size.
inline constexpr Topics settings = 1u << 7;
// The page, the sheets asked for, the toast, the settings tab, the detail sheet's process.
inline constexpr Topics navigation = 1u << 8;
inline constexpr Topics all = Notice::kAll;

}  // namespace qel::Concern
