#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "Qel/Platform/Proc/ProcPidCgroup.hpp"
#include "Qel/Platform/Proc/ProcPidCmdline.hpp"
#include "Qel/Platform/Proc/ProcPidEnviron.hpp"
#include "Qel/Platform/Proc/ProcPidFd.hpp"
#include "Qel/Platform/Proc/ProcPidIo.hpp"
#include "Qel/Platform/Proc/ProcPidStat.hpp"
#include "Qel/Platform/Proc/ProcPidStatus.hpp"
#include "Qel/Platform/Proc/ProcPids.hpp"

// Every per-process file parser over the same bytes: none may crash or read out of bounds.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto stat = qel::parsePidStat(text)) {
    // The name always lies inside the text.
    if (stat->comm.data() < text.data() || stat->comm.data() + stat->comm.size() > text.data() + text.size())
      __builtin_trap();
  }
  qel::parsePidIo(text);
  qel::parseStatusUid(text);
  qel::parseStatusResidentKiB(text);
  qel::environValue(text, "GIO_LAUNCHED_DESKTOP_FILE");
  qel::chromiumChildType(text);
  qel::parseSocketLink(text);
  qel::isGpuDeviceLink(text);
  const auto unit = qel::appUnitOfCgroup(text);
  qel::appIdCandidates(unit);
  qel::appIdCandidates(text);
  // A scope folder is joined onto the cgroup mount: it must never climb out of it.
  const auto scope = qel::appScopeOfCgroup(text);
  if (!scope.empty() && (scope.front() != '/' || scope.find("/../") != std::string::npos || scope.ends_with("/..")))
    __builtin_trap();
  std::vector<std::int32_t> pids;
  qel::PidPositions positions;
  qel::appendPids(text.data(), text.size(), pids, &positions);
  qel::parseLastPid(text);
  for (const auto pid : pids)
    if (pid <= 0) __builtin_trap();
  return 0;
}
