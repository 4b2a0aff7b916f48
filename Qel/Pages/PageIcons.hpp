#pragma once
// The icon of a process on the pages: its application's icon when it belongs to one, else its
// program's. One cache per set of installed applications, kept for the whole run.
#include <QIcon>

#include "Qel/Samplers/ProcInfo.hpp"

namespace qel {

class AppRegistry;

QIcon processIcon(AppRegistry* apps, const ProcInfo& proc);

}  // namespace qel
