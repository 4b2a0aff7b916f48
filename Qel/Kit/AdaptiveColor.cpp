#include "Qel/Kit/AdaptiveColor.hpp"

#include "Qel/Kit/Palette.hpp"

namespace qel {

QColor AdaptiveColor::resolve() const { return Palette::light() ? light_ : dark_; }

}  // namespace qel
