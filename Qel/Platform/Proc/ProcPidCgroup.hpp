#pragma once
// /proc/[pid]/cgroup and systemd's names for application units. A desktop launches each
// application into a unit named "app[-<launcher>]-<app id>-<random>.scope" or
// "app[-<launcher>]-<app id>[@<random>].service", with "-" inside the id written "\x2d".
#include <string>
#include <string_view>
#include <vector>

namespace qel {

// The innermost application unit ("app-….scope" / "app-….service") of the process's systemd
// cgroup (the unified "0::" line, else "name=systemd"), still escaped; "" when none.
std::string appUnitOfCgroup(std::string_view text);

// The unified hierarchy's folder ("0::" line) up to and including its innermost application
// unit, such as "/user.slice/…/app.slice/app-firefox-1234.scope"; "" when none or when a
// component is not a plain name.
std::string appScopeOfCgroup(std::string_view text);

// Whether systemd runs the process as one of the system's own services (under "/system.slice"
// or "/init.scope"), whoever owns it: such a process is the system's even for a root user.
bool isSystemServiceCgroup(std::string_view text);

// The desktop ids (without ".desktop") the unit may stand for, most specific first: the part
// with the launcher's name, then without it.
std::vector<std::string> appIdCandidates(std::string_view unit);

}  // namespace qel
