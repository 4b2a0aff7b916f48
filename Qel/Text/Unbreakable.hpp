#pragma once
// Commands and paths named in a text stay on one line: a line may break around them, never inside.
#include <string>
#include <string_view>

namespace qel {

// `text` (UTF-8) with what it quotes in plain ASCII (“systemctl list-timers”, « journalctl -k »)
// and the paths it names (/proc/acpi/wakeup) made unbreakable: their spaces become no-break
// spaces, and a word joiner follows each hyphen and slash inside them. The rest is left as it is;
// bytes that are not valid UTF-8 pass through unchanged.
std::string keepCommandsWhole(std::string_view text);

}  // namespace qel
