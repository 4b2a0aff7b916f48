#pragma once
// What the desktop portal says about the desktop's look, read over the session bus.
#include <cstdint>
#include <optional>

namespace qel {

// The "color-scheme" setting of "org.freedesktop.appearance": 0 no preference, 1 prefer dark,
// 2 prefer light. Absent when no portal answers or the answer is not a number.
std::optional<std::uint32_t> readPortalColorScheme();

}  // namespace qel
