#pragma once
// The store's readers on this machine: the real samplers behind the store's source interfaces.
#include <memory>

#include "Qel/Platform/Desktop/AppRegistry.hpp"
#include "Qel/Platform/Proc/SysRoot.hpp"
#include "Qel/Store/Store.hpp"

namespace qel {

// Fills the readers of `services` with the machine's own; `apps` (may be null) names the
// applications processes belong to (and the store's app names) and must outlive the store.
void useMachineSources(StoreServices& services, AppRegistry* apps);

}  // namespace qel
