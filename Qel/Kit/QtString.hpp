#pragma once
// Text of the program's own kind (UTF-8 in a std::string) as Qt takes it.
#include <QString>

#include <string>

namespace qel {

inline QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace qel
