#pragma once
// Outside text (command output, device names from sysfs) is not promised to be UTF-8. One bad
// byte must cost one character, never the whole text.
#include <string>
#include <string_view>

namespace qel {

// `bytes` with every ill-formed sequence replaced by U+FFFD (one per maximal bad subpart, as
// decoders in browsers do); valid text comes back unchanged.
std::string repairUtf8(std::string_view bytes);

// `text` for a terminal: every control character (newline and escape included) becomes '?', so
// a name from another program can neither move the cursor nor forge a line of its own.
std::string withoutControls(std::string_view text);

// `text` with A–Z lower-cased and every other byte kept, so UTF-8 letters pass unchanged and
// the result doesn't depend on the process locale.
std::string asciiLower(std::string_view text);

}  // namespace qel
