#include "Qel/Window/AdaptiveColor.hpp"

#include "Qel/Window/Palette.hpp"

namespace qel {

QColor AdaptiveColor::resolve() const { return Palette::light() ? light_ : dark_; }

}  // namespace qel
