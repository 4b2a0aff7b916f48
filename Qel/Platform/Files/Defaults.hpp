#pragma once
// Typed user defaults kept in one JSON file, read once at start and written atomically on
// every change. A missing key or a value of the wrong type reads as the caller's default.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "Qel/Platform/Files/DefaultsText.hpp"

namespace qel {

class Defaults {
 public:
  // Loads `file`; a value in it that can't be read is left out alone. A file that is not a
  // JSON object is moved aside (never deleted) and the program starts with defaults. A file
  // this user may not read (or no file at all, but a folder) is not written over: the values
  // start from their defaults and changes are kept in memory only.
  explicit Defaults(std::filesystem::path file);
  // $XDG_CONFIG_HOME/Qel/defaults.json, default ~/.config/Qel/defaults.json.
  static std::filesystem::path standardPath();

  bool boolean(const std::string& key, bool fallback) const;
  std::int64_t integer(const std::string& key, std::int64_t fallback) const;
  double number(const std::string& key, double fallback) const;
  std::string string(const std::string& key, const std::string& fallback) const;
  std::vector<std::string> strings(const std::string& key, const std::vector<std::string>& fallback) const;
  std::optional<nlohmann::json> value(const std::string& key) const;
  bool has(const std::string& key) const;

  // Stores and writes the file at once; returns false (and keeps the value in memory) when
  // the file can't be written, may not be (it could not be read) or would grow past what is
  // read back (kDefaultsTextLimit).
  bool set(const std::string& key, nlohmann::json value);
  bool remove(const std::string& key);

  const std::filesystem::path& path() const { return file_; }
  // Where a corrupt file was moved at load, if it was: the program tells the user.
  std::optional<std::filesystem::path> movedAside() const { return movedAside_; }
  // Why the file could not be read at load (the system's words), if it couldn't: the program
  // tells the user, since nothing is saved this run.
  std::optional<std::string> unreadable() const { return unreadable_; }
  // Called (on the writer's thread) the first time a write is refused for its length, and
  // again only after a write went through: the program tells the user.
  void onTooLong(std::function<void()> told);

 private:
  bool write();

  std::filesystem::path file_;
  mutable std::mutex mutex_;
  nlohmann::json values_ = nlohmann::json::object();
  DefaultsFile written_;  // the file as last read or written, which a write goes over
  std::optional<std::filesystem::path> movedAside_;
  std::optional<std::string> unreadable_;
  std::function<void()> onTooLong_;
  bool toldTooLong_ = false;
};

// Writes `data` to `file` through a temporary file, fsync and rename, so a crash leaves either
// the old or the new content. Creates missing parent folders with mode 0700.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view data);

// $XDG_<kind>_HOME, or ~/<fallback> when unset or not absolute.
std::filesystem::path xdgHome(const char* variable, const char* fallback);

}  // namespace qel
