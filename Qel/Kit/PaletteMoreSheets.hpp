#pragma once
#include "Qel/Kit/Palette.hpp"

namespace qel::Palette {

// The sleep report's battery line: the energy accent, deeper on a light ground. Fixed when called.
inline QColor sleepChargeLine() { return light() ? rgb(0x5B781A) : energy(); }

}  // namespace qel::Palette
