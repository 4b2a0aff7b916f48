#include "Qel/Samplers/ProcessName.hpp"

#include <system_error>


namespace qel {
namespace {

constexpr std::size_t kCommBytes = 15;  // the kernel's comm keeps this much of a name

std::string_view fileName(std::string_view path) {
  const auto slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// An executable that lives only in memory: its "name" is a random label, not the program's.
bool inMemory(std::string_view name) { return name.starts_with("memfd:"); }

std::string_view exeName(std::string_view exePath) {
  std::string_view exe = fileName(exePath);
  // A program updated while it runs: its executable link reads "<path> (deleted)".
  if (exe.ends_with(" (deleted)")) exe.remove_suffix(10);
  return exe;
}

}  // namespace

std::string_view cmdlineProgram(std::string_view cmdline) {
  std::string_view argv0 = cmdline.substr(0, cmdline.find('\0'));
  // A rewritten title: the program is its first word.
  argv0 = argv0.substr(0, argv0.find(' '));
  if (argv0.ends_with(':')) argv0.remove_suffix(1);
  return fileName(argv0);
}

bool exeNamesNothing(std::string_view exePath) {
  const std::string_view exe = exeName(exePath);
  return exe.empty() || inMemory(exe);
}

std::string processOwnName(std::string_view exePath, std::string_view comm, std::string_view cmdline) {
  const std::string_view exe = exeName(exePath);
  if (!exeNamesNothing(exePath)) return std::string(exe);

  const std::string_view program = cmdlineProgram(cmdline);
  const bool cut = comm.size() == kCommBytes && program.size() > comm.size() && program.starts_with(comm);
  if (!program.empty() && !inMemory(program) && (comm.empty() || inMemory(comm) || cut)) return std::string(program);
  if (!comm.empty()) return std::string(comm);
  return std::string(exe);
}

std::string readProcessName(const SysRoot& root, std::int32_t pid) {
  if (pid <= 0) return {};
  const std::string dir = std::to_string(pid) + "/";
  std::error_code error;
  const std::string exe = std::filesystem::read_symlink(root.proc(dir + "exe"), error).string();
  std::string comm = readText(root.proc(dir + "comm"), 256).value_or(std::string());
  while (comm.ends_with('\n')) comm.pop_back();
  const std::string cmdline = readText(root.proc(dir + "cmdline"), 4096).value_or(std::string());
  if (exe.empty() && comm.empty() && cmdlineProgram(cmdline).empty()) return {};
  return processOwnName(exe, comm, cmdline);
}

}  // namespace qel
