#include "Qel/Platform/Proc/ProcPidCmdline.hpp"

#include "Qel/Platform/Proc/ProcPidStat.hpp"

namespace qel {

std::string_view chromiumChildType(std::string_view cmdline) {
  constexpr std::string_view kSwitch = "--type=";
  // A program that rewrote its arguments may have joined them with blanks instead of NULs.
  while (!cmdline.empty()) {
    const auto end = cmdline.find_first_of(std::string_view("\0 ", 2));
    const std::string_view arg = cmdline.substr(0, end);
    cmdline.remove_prefix(end == std::string_view::npos ? cmdline.size() : end + 1);
    if (arg.starts_with(kSwitch)) return arg.substr(kSwitch.size());
  }
  return {};
}

std::string readChildType(const SysRoot& root, std::int32_t pid, std::uint64_t startTime) {
  const std::string dir = std::to_string(pid) + "/";
  const auto cmdline = readText(root.proc(dir + "cmdline"), 4096);
  // Read after the arguments: a newcomer under the same pid meanwhile shows in its start time.
  const auto text = readText(root.proc(dir + "stat"), 1024);
  const auto stat = text ? parsePidStat(*text) : std::nullopt;
  if (!cmdline || !stat || stat->pid != pid || stat->startTime != startTime) return {};
  return std::string(chromiumChildType(*cmdline));
}

}  // namespace qel
