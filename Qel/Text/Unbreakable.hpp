#pragma once
// What a line may not break inside: a command or a path named in a text, a figure and its unit.
#include <string>
#include <string_view>

namespace qel {

// `text` (UTF-8) with what it quotes in plain ASCII (“systemctl list-timers”, « journalctl -k »)
// and the paths it names (/proc/acpi/wakeup) made unbreakable: their spaces become no-break
// spaces, and a word joiner follows each hyphen and slash inside them. The rest is left as it is;
// bytes that are not valid UTF-8 pass through unchanged.
std::string keepCommandsWhole(std::string_view text);

// `text` (UTF-8) with each space between a figure and the word after it ("59 s ago", "2 h",
// "58 с назад", "59 秒前") made a no-break space, so that a line never ends in the figure and
// leaves its unit to the next.
std::string keepFiguresWithUnits(std::string_view text);

}  // namespace qel
