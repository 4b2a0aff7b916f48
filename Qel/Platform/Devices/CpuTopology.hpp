#pragma once
// What the machine says about its processors: how many are online, the hybrid split into
// performance ("cpu_core") and efficiency ("cpu_atom") cores where the kernel reports one, and
// the model name.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Qel/Platform/Proc/SysRoot.hpp"

namespace qel {

struct CpuTopology {
  std::optional<unsigned> online;       // /sys/devices/system/cpu/online, else sysconf
  std::optional<unsigned> performance;  // /sys/devices/cpu_core/cpus
  std::optional<unsigned> efficiency;   // /sys/devices/cpu_atom/cpus
  std::vector<unsigned> efficiencyCpus; // the processor numbers of that list, ascending
  std::optional<std::string> modelName;
};

// How many processors a kernel cpu list names ("0-3,8,10-11" → 7); absent when malformed.
std::optional<unsigned> parseCpuListCount(std::string_view text);
// The processor numbers a kernel cpu list names, in its order; absent when malformed or when it
// names more than 65536.
std::optional<std::vector<unsigned>> parseCpuList(std::string_view text);
// The first "model name" of /proc/cpuinfo, absent when there is none or it is empty.
std::optional<std::string> parseModelName(std::string_view cpuinfo);

CpuTopology readCpuTopology(const SysRoot& root);

}  // namespace qel
