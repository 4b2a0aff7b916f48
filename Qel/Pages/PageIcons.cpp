#include "Qel/Pages/PageIcons.hpp"

#include "Qel/Processes/IconCache.hpp"

namespace qel {

QIcon processIcon(IconCache& icons, const ProcInfo& proc) {
  return icons.icon(proc.appKey.empty() ? proc.path : proc.appKey);
}

}  // namespace qel
