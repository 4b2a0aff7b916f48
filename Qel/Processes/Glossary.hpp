#pragma once
// Plain words for any process: what it is and what to do about it, from a fixed table of
// well-known Linux processes or, failing that, from rules over its name, its program's path and
// its application. Pure: it keeps nothing but its table, and looks each text up in the
// language in use every time.
#include <QUrl>

#include <optional>
#include <string>
#include <string_view>

#include "Qel/Samplers/ProcInfo.hpp"

namespace qel {

struct ProcNote {
  std::string summary;  // what the process is
  std::string advice;   // what to do about high usage or about ending it
  bool known = false;   // false: the note only says the glossary can't tell (a web look-up helps)
  bool operator==(const ProcNote&) const = default;
};

namespace Glossary {

// The note for `proc`. `appName` is the name of the application `proc.appKey` names, when the
// caller knows it; without it the desktop entry's file name stands in. Every process gets a
// note; outside names in it are made safe to show.
ProcNote describe(const ProcInfo& proc, std::string_view appName = {});

// A web search about the process, over HTTPS; none when no address can be formed.
std::optional<QUrl> searchURL(const ProcInfo& proc);

}  // namespace Glossary
}  // namespace qel
