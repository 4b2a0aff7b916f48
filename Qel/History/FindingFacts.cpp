#include "Qel/History/FindingFacts.hpp"

#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

std::string findingTitle(const FindingFacts& facts) {
  return facts.isMemory ? L("%@ keeps using more memory", {facts.name})
                        : L("%@ has been busy in the background", {facts.name});
}

std::string findingDetail(const FindingFacts& facts) {
  if (facts.isMemory)
    return Ln("Over the past %n minutes, the memory of %@ grew from %@ to %@ without dropping, which may be a memory "
              "leak. Reopening the app frees it.",
              facts.minutes, {facts.name, fmtBytes(facts.from), fmtBytes(facts.to)});
  return L("%@ isn't in the foreground but has used %@% of the CPU for 3 minutes straight. If you didn't ask it to "
           "work in the background, you can quit it.",
           {facts.name, std::to_string(facts.cpu)});
}

}  // namespace qel
