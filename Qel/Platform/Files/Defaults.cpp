#include "Qel/Platform/Files/Defaults.hpp"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include "Qel/Platform/Files/MoveAside.hpp"

namespace qel {
namespace fs = std::filesystem;

fs::path xdgHome(const char* variable, const char* fallback) {
  if (const char* v = std::getenv(variable); v && v[0] == '/') return fs::path(v);
  const char* home = std::getenv("HOME");
  if (!home || home[0] != '/') {
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) home = pw->pw_dir;
  }
  return fs::path(home ? home : "/tmp") / fallback;
}

fs::path Defaults::standardPath() { return xdgHome("XDG_CONFIG_HOME", ".config") / "Qel" / "defaults.json"; }

namespace {

// The file's text, at most one byte past the limit (enough to know it is too long to be
// settings); nothing when there is none. Why it can't be read goes to `why`.
std::optional<std::string> readSettingsFile(const fs::path& file, std::optional<std::string>& why) {
  // Not blocking: a pipe in the file's place is no settings file either.
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    if (errno != ENOENT) why = std::strerror(errno);
    return std::nullopt;
  }
  std::string text;
  struct stat st {};
  if (::fstat(fd, &st) != 0) why = std::strerror(errno);
  else if (S_ISDIR(st.st_mode)) why = std::strerror(EISDIR);
  else if (!S_ISREG(st.st_mode)) why = "not a file";
  char buffer[65536];
  while (!why && text.size() <= kDefaultsTextLimit) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) why = std::strerror(errno);
    if (n <= 0) break;
    text.append(buffer, std::min(std::size_t(n), kDefaultsTextLimit + 1 - text.size()));
  }
  ::close(fd);
  if (why) return std::nullopt;
  return text;
}

}  // namespace

Defaults::Defaults(fs::path file) : file_(std::move(file)) {
  const auto text = readSettingsFile(file_, unreadable_);
  if (!text) return;  // no file yet (every key reads as its default), or one that can't be read
  if (auto read = readDefaultsText(*text)) {
    values_ = read->settings;
    written_ = std::move(*read);
    return;
  }
  movedAside_ = moveAside(file_);
}

bool Defaults::has(const std::string& key) const {
  std::lock_guard lock(mutex_);
  return values_.contains(key);
}

std::optional<nlohmann::json> Defaults::value(const std::string& key) const {
  std::lock_guard lock(mutex_);
  auto it = values_.find(key);
  if (it == values_.end()) return std::nullopt;
  return *it;
}

bool Defaults::boolean(const std::string& key, bool fallback) const {
  auto v = value(key);
  return v && v->is_boolean() ? v->get<bool>() : fallback;
}

std::int64_t Defaults::integer(const std::string& key, std::int64_t fallback) const {
  auto v = value(key);
  if (!v) return fallback;
  if (v->is_number_integer()) {
    if (v->is_number_unsigned() && v->get<std::uint64_t>() > std::uint64_t(INT64_MAX)) return fallback;
    return v->get<std::int64_t>();
  }
  if (v->is_number_float()) {
    const double d = v->get<double>();
    // Only a whole number inside the range converts; anything else is the wrong type.
    if (std::isfinite(d) && d == std::trunc(d) && d > -9.2e18 && d < 9.2e18) return std::int64_t(d);
  }
  return fallback;
}

double Defaults::number(const std::string& key, double fallback) const {
  auto v = value(key);
  if (!v || !v->is_number()) return fallback;
  const double d = v->get<double>();
  return std::isfinite(d) ? d : fallback;
}

std::string Defaults::string(const std::string& key, const std::string& fallback) const {
  auto v = value(key);
  return v && v->is_string() ? v->get<std::string>() : fallback;
}

std::vector<std::string> Defaults::strings(const std::string& key,
                                           const std::vector<std::string>& fallback) const {
  auto v = value(key);
  if (!v || !v->is_array()) return fallback;
  std::vector<std::string> out;
  for (const auto& e : *v) {
    if (!e.is_string()) return fallback;
    out.push_back(e.get<std::string>());
  }
  return out;
}

bool Defaults::set(const std::string& key, nlohmann::json value) {
  std::lock_guard lock(mutex_);
  values_[key] = std::move(value);
  return write();
}

bool Defaults::remove(const std::string& key) {
  std::lock_guard lock(mutex_);
  values_.erase(key);
  return write();
}

void Defaults::onTooLong(std::function<void()> told) {
  std::lock_guard lock(mutex_);
  onTooLong_ = std::move(told);
}

bool Defaults::write() {
  // What can't be read is the user's to mend, not the program's to replace.
  if (unreadable_) return false;
  std::string text = defaultsText(written_, values_);
  // Written, it would not be read back: what it holds stays in memory, and the file as it was.
  if (text.size() > kDefaultsTextLimit) {
    if (!toldTooLong_ && onTooLong_) {
      onTooLong_();
      toldTooLong_ = true;
    }
    return false;
  }
  if (!writeFileAtomically(file_, text)) return false;
  toldTooLong_ = false;
  if (auto again = readDefaultsText(text)) written_ = std::move(*again);
  return true;
}

bool writeFileAtomically(const fs::path& file, std::string_view data) {
  std::error_code ec;
  const fs::path dir = file.parent_path();
  if (!dir.empty() && !fs::exists(dir, ec)) {
    fs::create_directories(dir, ec);
    if (ec) return false;
    fs::permissions(dir, fs::perms::owner_all, ec);
  }
  fs::path tmp = file;
  tmp += ".tmp-" + std::to_string(getpid());
  const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  bool ok = true;
  for (std::size_t done = 0; ok && done < data.size();) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) ok = false;
    else done += std::size_t(n);
  }
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(tmp.c_str(), file.c_str()) == 0;
  if (!ok) ::unlink(tmp.c_str());
  return ok;
}

}  // namespace qel
