#pragma once
// The name a process goes by before any application claims it. The kernel keeps only 15 bytes
// of a program's name, and a program run from an anonymous in-memory file has an executable
// named "memfd:…", so the name is pieced together from every source that can be read.
#include <cstdint>
#include <string>
#include <string_view>

#include "Qel/Platform/Proc/SysRoot.hpp"

namespace qel {

// The program named by a /proc/<pid>/cmdline text (arguments separated by NULs): the file name
// of argv[0], also when a program rewrote its title into one line ("sshd: ana [priv]" gives
// "sshd"). Empty when there is none.
std::string_view cmdlineProgram(std::string_view cmdline);

// By preference: the executable's file name (unless it is an in-memory file); else the longer
// name argv[0] gives where the kernel cut the comm short or has only an in-memory file's name;
// else the comm; empty only when nothing at all could be read (the store words it).
std::string processOwnName(std::string_view exePath, std::string_view comm, std::string_view cmdline);

// Whether the executable's path gives no name of its own (none could be read, or it is an
// in-memory file), so that the name must come from the arguments and the comm.
bool exeNamesNothing(std::string_view exePath);

// The same name read from the files of process `pid` under `root`; empty when the process left
// nothing to read (it is gone, or `pid` is nonsense).
std::string readProcessName(const SysRoot& root, std::int32_t pid);

}  // namespace qel
