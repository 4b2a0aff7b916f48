#include "Qel/Sheets/Reports/StretchReport.hpp"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel::StretchReport {

std::string lasted(const Stretch& stretch) {
  const double span = std::chrono::duration<double>(stretch.end - stretch.start).count();
  // Halves away from zero; an end before the start reads as the shortest stretch.
  const long long seconds = std::max(std::llround(span), 1LL);
  if (seconds > 59) return fmtDuration(seconds / 60);
  return L("%@ s", {std::to_string(seconds)});
}

std::string usualText(const Stretch& stretch) {
  if (!stretch.ratio || !std::isfinite(*stretch.ratio)) return {};
  if (*stretch.ratio >= 1.3) return " " + L("That is %@× the usual for this time of day.", {fixed(*stretch.ratio, 1)});
  return " " + L("That is about the usual for this time of day.");
}

std::string times(const Stretch& stretch) {
  const auto& clock = clockFormatter();
  return clock.string(stretch.start) + "–" + clock.string(stretch.end);
}

std::string subtitle(const Stretch& stretch) {
  const auto& clock = clockFormatter();
  return L("%@–%@, lasted %@.", {clock.string(stretch.start), clock.string(stretch.end), lasted(stretch)}) +
         usualText(stretch);
}

}  // namespace qel::StretchReport
