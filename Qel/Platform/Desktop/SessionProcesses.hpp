#pragma once
// The desktop session's own programs: display servers, compositors and window managers,
// panels and shells, session managers, the message bus, audio servers and portals. Slowing
// or stopping one of them would slow or freeze the whole desktop, so nothing that lowers or
// pauses processes ever touches them. The one list of them.
#include <string_view>

namespace qel {

// By the executable's path (its file name decides) or, without one, by the process name.
bool isSessionProcess(std::string_view path, std::string_view name);

}  // namespace qel
