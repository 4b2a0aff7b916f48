#pragma once
// The words of the stretch report, each a pure function of one stretch.
#include <string>

#include "Qel/History/Stretch.hpp"

namespace qel::StretchReport {

// How long it lasted: "45 min", "1 h", or "12 s" under a minute (never under 1 s).
std::string lasted(const Stretch& stretch);
// " That is 1.8× the usual for this time of day." (with its leading space), the about-the-usual
// sentence below 1.3, or nothing without a usual load to compare with.
std::string usualText(const Stretch& stretch);
// "09:40–10:25, lasted 45 min." followed by the comparison.
std::string subtitle(const Stretch& stretch);
// "09:40–10:25", the clock times as they are.
std::string times(const Stretch& stretch);

}  // namespace qel::StretchReport
