#pragma once
// How far back the history may be pruned. The calendar alone is not trusted: with a clock set
// years ahead for one run, every stored day would look expired.
#include <optional>
#include <string>
#include <vector>

namespace qel {

// The day key before which stored days may be dropped to keep `keepDays` days, or nothing when
// nothing may go. `recordedDays` are the days that hold samples, in any order.
// Nothing goes until `today` has been recorded itself, and the window is counted from no later
// than the day after the newest earlier recorded day that is not in `unsureDays`: a wrong clock
// never takes more than a right one would have. After a long absence the old days go once a
// second day is recorded.
std::optional<std::string> pruneBefore(const std::string& today, const std::vector<std::string>& recordedDays,
                                       int keepDays, const std::vector<std::string>& unsureDays = {});

// True when `day` lies more than `keepDays` days after the newest recorded day before it: the
// clock jumped past everything stored by more than the retention (or the computer was away that
// long). Days such a run writes can't tell how far back the history reaches.
bool jumpsPastHistory(const std::string& day, const std::vector<std::string>& recordedDays, int keepDays);

}  // namespace qel
