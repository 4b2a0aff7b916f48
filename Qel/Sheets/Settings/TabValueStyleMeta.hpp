#pragma once
// The settings' texts of each tab-value style, looked up on every call.
#include <QString>

#include "Qel/Store/Enums.hpp"

namespace qel {

QString title(TabValueStyle style);
QString detail(TabValueStyle style);

}  // namespace qel
