#pragma once
// The rules of the ports panel: which listening ports a search shows, the count beside the
// title, the text in place of an empty list and what each row says.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Qel/Samplers/PortEntry.hpp"
#include "Qel/Samplers/ProcInfo.hpp"

namespace qel {

// The entries a search shows, in order: all for an empty search (blanks and tabs trimmed);
// otherwise those whose port number contains it, or whose listed command or owner's name does,
// case aside.
std::vector<PortEntry> visiblePorts(const std::vector<PortEntry>& ports, const std::string& query,
                                    const std::vector<ProcInfo>& procs);

// "%@ ports" or "%@ ports, %@ open to the local network", counted over all ports; empty while
// ports can't be read.
std::string portCountText(const std::vector<PortEntry>& ports, bool available);

// What the list says when it shows nothing; `read`: a read of the ports has ended.
std::string portEmptyText(bool read, bool available, const std::string& query);

struct PortRowText {
  std::string name;                 // the owner's name, else the listed command; safe to show
  std::optional<std::string> hint;  // the service usually on the port, else the command when it differs
  bool operator==(const PortRowText&) const = default;
};
PortRowText portRowText(const PortEntry& entry, const std::optional<ProcInfo>& owner);

// Whether a row offers End: its process is in the sample and is not a system process.
bool portEndOffered(const std::optional<ProcInfo>& owner);

}  // namespace qel
