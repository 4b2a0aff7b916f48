#include "Qel/Kit/Style/AdaptiveColor.hpp"

#include "Qel/Kit/Style/Palette.hpp"

namespace qel {

QColor AdaptiveColor::resolve() const { return Palette::light() ? light_ : dark_; }

}  // namespace qel
