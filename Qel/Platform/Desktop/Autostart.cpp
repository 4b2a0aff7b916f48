#include "Qel/Platform/Desktop/Autostart.hpp"

#include <system_error>

#include "Qel/Platform/Files/Defaults.hpp"

namespace qel::Autostart {

namespace fs = std::filesystem;

fs::path file() { return xdgHome("XDG_CONFIG_HOME", ".config") / "autostart" / "qel.desktop"; }

bool enabled() {
  std::error_code ec;
  return fs::is_regular_file(file(), ec);
}

std::string execQuoted(std::string_view arg) {
  constexpr std::string_view reserved = " \t\n\"'\\><~|&;$*?#()`";
  if (!arg.empty() && arg.find_first_of(reserved) == std::string_view::npos) return std::string(arg);
  std::string out = "\"";
  for (char c : arg) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
    out += c;
  }
  out += '"';
  // A desktop entry's string values escape the backslash once more.
  std::string escaped;
  for (char c : out) {
    if (c == '\\') escaped += '\\';
    escaped += c;
  }
  return escaped;
}

std::string entryText(const fs::path& program) {
  std::string exec;
  for (char c : program.string())
    if (c != '\n' && c != '\r') exec += c;  // a line break would end the value early
  return "[Desktop Entry]\nType=Application\nName=Qel\nExec=" + execQuoted(exec) +
         "\nX-GNOME-Autostart-enabled=true\nNoDisplay=true\n";
}

bool set(bool on, const fs::path& program) {
  if (on) return writeFileAtomically(file(), entryText(program));
  std::error_code ec;
  fs::remove(file(), ec);
  return !ec;
}

}  // namespace qel::Autostart
