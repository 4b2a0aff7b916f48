#pragma once
// Outside text (command output, device names from sysfs) is not promised to be UTF-8. One bad
// byte must cost one character, never the whole text.
#include <cstddef>
#include <string>
#include <string_view>

namespace qel {

// The code point at the start of `text` (not empty) and the bytes it takes; an ill-formed start
// reads as U+FFFD taking its maximal bad subpart, as repairUtf8 counts it.
struct CodePoint {
  char32_t value;
  std::size_t length;
};
CodePoint firstCodePoint(std::string_view text);

// `bytes` with every ill-formed sequence replaced by U+FFFD (one per maximal bad subpart, as
// decoders in browsers do); valid text comes back unchanged.
std::string repairUtf8(std::string_view bytes);

// A name from outside (a process, app, device or volume name) made safe to show: ill-formed
// UTF-8 repaired as above, control characters (newline and escape included) and the bidi
// embedding, override and isolate controls (U+202A–U+202E, U+2066–U+2069) removed. So a name
// can neither move a terminal's cursor, forge a line of its own, nor turn the rest of a
// sentence around it backwards. Keep the name as read; apply this where it is shown.
std::string displayName(std::string_view name);

// `text` with A–Z lower-cased and every other byte kept, so UTF-8 letters pass unchanged and
// the result doesn't depend on the process locale.
std::string asciiLower(std::string_view text);

}  // namespace qel
