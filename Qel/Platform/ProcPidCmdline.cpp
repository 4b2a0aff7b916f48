#include "Qel/Platform/ProcPidCmdline.hpp"

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

}  // namespace qel
