#pragma once
// "Open at login": an XDG autostart entry, $XDG_CONFIG_HOME/autostart/qel.desktop, that the
// desktop runs when the user logs in.
#include <filesystem>
#include <string>
#include <string_view>

namespace qel::Autostart {

std::filesystem::path file();
// Whether the entry is there.
bool enabled();
// Writes the entry starting `program`, or removes it; false when that failed.
bool set(bool on, const std::filesystem::path& program);
// The entry's text for `program`, its path quoted as an Exec value needs.
std::string entryText(const std::filesystem::path& program);
// `arg` as one argument of an Exec value: quoted, with ", `, $ and \ escaped, where it needs it.
std::string execQuoted(std::string_view arg);

}  // namespace qel::Autostart
