#pragma once
// The battery's charge over time as UPower keeps it (/var/lib/upower/history-charge-<id>.dat):
// one line per change, "seconds since 1970 <tab> percent <tab> state". Used to tell the charge
// and the power source at moments the system logged, such as going to sleep.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Qel/Platform/Proc/SysRoot.hpp"
#include "Qel/Platform/Runtime/Clock.hpp"

namespace qel {

struct ChargeRecord {
  Date time{};
  int percent{};      // 0 to 100
  bool onBattery{};   // the state was "discharging" or "empty"
  bool operator==(const ChargeRecord&) const = default;
};

// The well-formed lines, oldest first; anything else is skipped.
std::vector<ChargeRecord> parseChargeHistory(std::string_view text);

// The file id UPower makes of a text: backslash, tab, quotes, question mark, space, slash, comma
// and dot become '_'.
std::string upowerFileId(std::string_view text);

// Which "history-charge-<id>.dat" belongs to the machine's battery (model name and serial from
// its power supply): the id UPower builds for a battery is "model-capacity-serial", each part
// only when known. With no match and a single file, that file. Absent: none fits.
std::optional<std::string> pickChargeFile(const std::vector<std::string>& fileNames, std::string_view model,
                                          std::string_view serial);

// The machine battery's charge history under `root`; empty when there is none or it can't be read.
std::vector<ChargeRecord> readChargeHistory(const SysRoot& root);

// The last record at or before `t`, if any.
std::optional<ChargeRecord> chargeAt(const std::vector<ChargeRecord>& history, Date t);

}  // namespace qel
