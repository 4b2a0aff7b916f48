#pragma once
// Dates written the way a language writes them, from a skeleton of the fields wanted
// ("MMMd": abbreviated month and day; "MMMdEEE": with the short weekday).
#include <string>
#include <string_view>

#include "Qel/Platform/Runtime/Clock.hpp"

namespace qel {

// `date` in local time; `languageCode` such as "en" or "pt-BR". Falls back to "yyyy-MM-dd".
std::string localizedDate(Date date, std::string_view skeleton, std::string_view languageCode);

}  // namespace qel
