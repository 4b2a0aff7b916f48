#include "Qel/Platform/Proc/ProcPidCgroup.hpp"

#include <charconv>

#include "Qel/Platform/Proc/ProcText.hpp"

namespace qel {
namespace {

bool isAppUnit(std::string_view name) {
  return name.size() > 4 && name.starts_with("app-") && (name.ends_with(".scope") || name.ends_with(".service"));
}

// `path` cut after its innermost application unit; empty when it has none.
std::string_view appUnitPrefix(std::string_view path) {
  while (!path.empty()) {
    const auto slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    if (isAppUnit(name)) return path;
    if (slash == std::string_view::npos) break;
    path = path.substr(0, slash);
  }
  return {};
}

std::string appUnitOfPath(std::string_view path) {
  const auto prefix = appUnitPrefix(path);
  const auto slash = prefix.rfind('/');
  return std::string(slash == std::string_view::npos ? prefix : prefix.substr(slash + 1));
}

// systemd's "\xNN" escapes back to bytes; anything else stays as written.
std::string unescape(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    unsigned value = 0;
    if (s[i] == '\\' && i + 3 < s.size() && s[i + 1] == 'x') {
      const auto [end, ec] = std::from_chars(s.data() + i + 2, s.data() + i + 4, value, 16);
      if (ec == std::errc() && end == s.data() + i + 4) {
        out.push_back(char(value));
        i += 3;
        continue;
      }
    }
    out.push_back(s[i]);
  }
  return out;
}

}  // namespace

std::string appUnitOfCgroup(std::string_view text) {
  std::string legacy;
  std::string_view line;
  while (nextLine(text, line)) {
    if (line.starts_with("0::")) {
      auto unit = appUnitOfPath(line.substr(3));
      if (!unit.empty()) return unit;
    } else if (const auto at = line.find(":name=systemd:"); at != std::string_view::npos && legacy.empty()) {
      legacy = appUnitOfPath(line.substr(at + 14));
    }
  }
  return legacy;
}

std::string appScopeOfCgroup(std::string_view text) {
  std::string_view line;
  while (nextLine(text, line)) {
    if (!line.starts_with("0::/")) continue;
    const std::string_view prefix = appUnitPrefix(line.substr(3));
    if (prefix.size() < 2) return {};
    // Joined onto the cgroup mount later: every component must stay inside it.
    for (std::string_view rest = prefix.substr(1); !rest.empty();) {
      const auto slash = rest.find('/');
      if (!isPlainName(rest.substr(0, slash))) return {};
      rest.remove_prefix(slash == std::string_view::npos ? rest.size() : slash + 1);
    }
    return std::string(prefix);
  }
  return {};
}

bool isSystemServiceCgroup(std::string_view text) {
  const auto system = [](std::string_view path) {
    return path.starts_with("/system.slice/") || path == "/init.scope" || path.starts_with("/init.scope/");
  };
  std::string_view line;
  bool legacy = false;
  while (nextLine(text, line)) {
    if (line.starts_with("0::")) return system(line.substr(3));
    if (const auto at = line.find(":name=systemd:"); at != std::string_view::npos)
      legacy = legacy || system(line.substr(at + 14));
  }
  return legacy;
}

std::vector<std::string> appIdCandidates(std::string_view unit) {
  if (!isAppUnit(unit)) return {};
  std::string_view body = unit.substr(4);
  if (body.ends_with(".scope")) {
    body.remove_suffix(6);
    const auto dash = body.rfind('-');
    if (dash != std::string_view::npos && dash > 0) body = body.substr(0, dash);  // the random part
  } else {
    body.remove_suffix(8);
    body = body.substr(0, body.find('@'));
  }
  std::vector<std::string> out;
  std::size_t from = 0;
  while (from < body.size()) {
    out.push_back(unescape(body.substr(from)));
    const auto dash = body.find('-', from);
    if (dash == std::string_view::npos) break;
    from = dash + 1;
  }
  return out;
}

}  // namespace qel
