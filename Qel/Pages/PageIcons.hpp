#pragma once
// The icon of a process on the pages: its application's icon when it belongs to one, else its
// program's.
#include <QIcon>

#include "Qel/Samplers/ProcInfo.hpp"

namespace qel {

class IconCache;

QIcon processIcon(IconCache& icons, const ProcInfo& proc);

}  // namespace qel
