#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace qel {

// Puts `args` into a translated format. With "$@" anywhere, "%N$@" takes argument N (numbers
// without an argument stay as written, plain "%@" stays); otherwise each "%@" takes the next
// argument, missing ones become empty and surplus ones are dropped. One left-to-right pass:
// inserted text is never read again, so an argument holding "%2$@" stays as it is. Arguments
// carry outside names (processes, apps, devices), so each goes in as `displayName` makes it.
std::string fill(std::string_view format, const std::vector<std::string>& args);

// Whether `translation` takes the same values as its English `key`: as many values ("%@" in
// turn, or "%N$@" where the word order differs: each of 1..N exactly once, no plain "%@" beside
// them), the same number formats ("%.2f") and as many counts ("%n"). Any other translation
// would drop a value or show a raw placeholder, so the table refuses it and the English text
// shows instead.
bool sameConversions(std::string_view key, std::string_view translation);

}  // namespace qel
