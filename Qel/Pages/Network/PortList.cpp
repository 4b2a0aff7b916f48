#include "Qel/Pages/Network/PortList.hpp"

#include <QString>

#include <algorithm>

#include "Qel/Platform/Utf8.hpp"
#include "Qel/Samplers/PortHints.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
namespace {

std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

QString lower(const std::string& text) { return QString::fromStdString(text).toLower(); }

bool isInteger(const std::string& text) {
  std::size_t i = text.empty() || (text[0] != '+' && text[0] != '-') ? 0 : 1;
  if (i == text.size()) return false;
  return std::all_of(text.begin() + std::ptrdiff_t(i), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::vector<PortEntry> visiblePorts(const std::vector<PortEntry>& ports, const std::string& query,
                                    const std::vector<ProcInfo>& procs) {
  const QString q = lower(trimmed(query));
  if (q.isEmpty()) return ports;
  std::vector<PortEntry> out;
  for (const auto& entry : ports) {
    bool match = QString::number(entry.port).contains(q) || lower(entry.command).contains(q);
    if (!match) {
      const auto p = std::find_if(procs.begin(), procs.end(), [&](const ProcInfo& p) { return p.pid == entry.pid; });
      match = p != procs.end() && lower(p->name).contains(q);
    }
    if (match) out.push_back(entry);
  }
  return out;
}

std::string portCountText(const std::vector<PortEntry>& ports, bool available) {
  if (!available) return {};
  const auto open = std::count_if(ports.begin(), ports.end(), [](const PortEntry& e) { return e.open; });
  if (open > 0) return Ln("%n ports, %@ open to the local network", ports.size(), {std::to_string(open)});
  return Ln("%n ports", ports.size());
}

std::string portEmptyText(bool read, bool available, const std::string& query) {
  // The first read can take many seconds on a busy machine: nothing found yet is not "none".
  if (!read) return L("Reading listening ports…");
  if (!available) return L("Listening ports can't be read because the system lsof command can't be run.");
  const std::string t = trimmed(query);
  if (t.empty()) return L("No process under your account is listening on a port right now.");
  if (isInteger(t))
    return L("No process under your account is listening on port %@. A system service may still be using it.",
             {displayName(t)});
  return L("No listening process has “%@” in its name.", {displayName(t)});
}

PortRowText portRowText(const PortEntry& entry, const std::optional<ProcInfo>& owner) {
  PortRowText row;
  row.name = displayName(owner ? owner->name : entry.command);
  if (row.name.empty()) row.name = L("Unknown");  // a socket no process of this machine's view holds
  if (const char* hint = PortHints::describe(entry.port)) {
    row.hint = L(hint);
  } else if (const std::string command = displayName(entry.command); !command.empty() && command != row.name) {
    row.hint = command;
  }
  return row;
}

bool portEndOffered(const std::optional<ProcInfo>& owner) { return owner && !owner->isSystem && owner->pid > 1; }

}  // namespace qel
