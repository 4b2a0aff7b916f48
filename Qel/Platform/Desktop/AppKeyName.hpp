#pragma once
// The name of an application key as people know it.
#include <string>

namespace qel {

class AppRegistry;

// The desktop entry's Name; without an entry (or a registry), the entry's file name without
// ".desktop", and for a program path its file name. Raw: make it safe where it is shown.
std::string appKeyName(AppRegistry* apps, const std::string& key);

}  // namespace qel
