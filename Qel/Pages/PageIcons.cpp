#include "Qel/Pages/PageIcons.hpp"

#include <map>
#include <memory>

#include "Qel/Processes/IconCache.hpp"

namespace qel {

QIcon processIcon(AppRegistry* apps, const ProcInfo& proc) {
  static std::map<AppRegistry*, std::unique_ptr<IconCache>> caches;  // main thread only
  auto& cache = caches[apps];
  if (!cache) cache = std::make_unique<IconCache>(apps);
  return cache->icon(proc.appKey.empty() ? proc.path : proc.appKey);
}

}  // namespace qel
