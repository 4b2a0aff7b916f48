#include "Qel/Platform/Desktop/AppRegistry.hpp"

#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <set>

#include "Qel/Platform/Desktop/DesktopEntry.hpp"
#include "Qel/Platform/Files/Defaults.hpp"
#include "Qel/Platform/Proc/ProcPidCgroup.hpp"
#include "Qel/Platform/Proc/SysRoot.hpp"

namespace qel {
namespace fs = std::filesystem;
namespace {

constexpr std::uint32_t kFolderEvents = IN_CREATE | IN_DELETE | IN_CLOSE_WRITE | IN_MOVED_FROM | IN_MOVED_TO |
                                        IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;
constexpr std::uint32_t kParentEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ONLYDIR;
constexpr int kMaxEntries = 20000;

std::vector<fs::path> splitPaths(const char* value, std::vector<fs::path> fallback) {
  if (!value || !*value) return fallback;
  std::vector<fs::path> out;
  std::string_view rest(value);
  while (!rest.empty()) {
    const auto colon = rest.find(':');
    const std::string_view part = rest.substr(0, colon);
    if (!part.empty() && part.front() == '/') out.emplace_back(part);
    rest.remove_prefix(colon == std::string_view::npos ? rest.size() : colon + 1);
  }
  return out.empty() ? fallback : out;
}

// Programs that run something else: an entry whose Exec starts one of them says nothing about
// the processes running it (every Python process is not that entry's application).
bool isLauncher(std::string_view name) {
  static const std::set<std::string_view> launchers{"sh",   "bash",    "dash",   "zsh",  "fish",    "ksh",
                                                   "env",  "perl",    "ruby",   "node", "nodejs",  "java",
                                                   "gjs",  "flatpak", "snap",   "wine", "sudo",    "pkexec",
                                                   "xdg-open", "gtk-launch", "gio", "mono", "lua", "php"};
  return launchers.contains(name) || name.starts_with("python");
}

std::string resolveProgram(const std::string& program, const std::vector<fs::path>& searchPath) {
  if (program.empty()) return {};
  std::error_code ec;
  fs::path found;
  if (program.front() == '/') {
    found = program;
  } else if (program.find('/') == std::string::npos) {
    for (const auto& dir : searchPath) {
      if (fs::is_regular_file(dir / program, ec)) {
        found = dir / program;
        break;
      }
    }
  }
  if (found.empty() || isLauncher(found.filename().string())) return {};
  const fs::path real = fs::canonical(found, ec);
  if (ec || !fs::is_regular_file(real, ec) || isLauncher(real.filename().string())) return {};
  return real.string();
}

std::vector<AppEntry> scan(const AppRegistry::Options& o) {
  std::vector<AppEntry> out;
  std::set<std::string> seen;  // ids: the first folder on the search path wins
  for (const auto& dataDir : o.dataDirs) {
    const fs::path apps = dataDir / "applications";
    std::error_code ec;
    std::vector<fs::path> files;
    for (fs::recursive_directory_iterator it(apps, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
      if (it.depth() > 4) it.disable_recursion_pending();
      if (it->path().extension() == ".desktop") files.push_back(it->path());
      if (files.size() > std::size_t(kMaxEntries)) break;
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
      std::string id = file.lexically_relative(apps).replace_extension().string();
      for (char& c : id)
        if (c == '/') c = '-';
      if (!seen.insert(id).second) continue;
      const auto text = readText(file, 256 * 1024);
      if (!text) continue;
      const auto entry = parseDesktopEntry(*text, o.locale);
      if (!entry || entry->hidden || entry->type != "Application") continue;
      AppEntry app{
          .key = file.string(), .id = id, .name = entry->name, .icon = entry->icon, .noDisplay = entry->noDisplay};
      for (const auto& program : {execProgram(entry->exec), execProgram(entry->tryExec)}) {
        auto target = resolveProgram(program, o.searchPath);
        auto& known = app.executables;
        if (!target.empty() && std::find(known.begin(), known.end(), target) == known.end())
          known.push_back(std::move(target));
      }
      out.push_back(std::move(app));
    }
  }
  return out;
}

bool runsProgram(const AppEntry& app, std::string_view exe) {
  return !exe.empty() && std::find(app.executables.begin(), app.executables.end(), exe) != app.executables.end();
}

}  // namespace

bool isAppKey(std::string_view key) {
  return key.size() > 8 && key.front() == '/' && key.ends_with(".desktop") &&
         key.find("/applications/") != std::string_view::npos;
}

AppTable::AppTable(std::vector<AppEntry> entries, std::uint64_t generation)
    : entries_(std::move(entries)), generation_(generation) {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const AppEntry& e = entries_[i];
    byKey_.emplace(e.key, i);
    byId_.emplace(e.id, i);
    for (const auto& exe : e.executables) {
      // A shown entry wins over a hidden helper entry that starts the same program.
      auto [it, inserted] = byExe_.emplace(exe, i);
      if (!inserted && entries_[it->second].noDisplay && !e.noDisplay) it->second = i;
    }
  }
}

const AppEntry* AppTable::byKey(std::string_view key) const {
  const auto it = byKey_.find(key);
  return it == byKey_.end() ? nullptr : &entries_[it->second];
}

const AppEntry* AppTable::byId(std::string_view id) const {
  const auto it = byId_.find(id);
  return it == byId_.end() ? nullptr : &entries_[it->second];
}

const AppEntry* AppTable::byExecutable(std::string_view exe) const {
  const auto it = byExe_.find(exe);
  return it == byExe_.end() ? nullptr : &entries_[it->second];
}

AppMatch AppTable::match(const ProcessFacts& f) const {
  if (!f.launchedDesktopFile.empty()) {
    const AppEntry* app = byKey(f.launchedDesktopFile);
    if (!app) {
      std::string_view id = f.launchedDesktopFile;
      id = id.substr(id.rfind('/') + 1);
      if (id.ends_with(".desktop")) app = byId(id.substr(0, id.size() - 8));
    }
    if (app) return {app, f.launchedHere || runsProgram(*app, f.exe)};
  }
  if (!f.appUnit.empty()) {
    for (const auto& id : appIdCandidates(f.appUnit))
      if (const AppEntry* app = byId(id)) return {app, runsProgram(*app, f.exe)};
  }
  if (const AppEntry* app = f.exe.empty() ? nullptr : byExecutable(f.exe)) return {app, true};
  return {};
}

AppRegistry::Options AppRegistry::environmentOptions(std::string_view languageCode) {
  Options o;
  o.dataDirs.push_back(xdgHome("XDG_DATA_HOME", ".local/share"));
  for (auto& d : splitPaths(std::getenv("XDG_DATA_DIRS"), {"/usr/local/share", "/usr/share"}))
    o.dataDirs.push_back(std::move(d));
  o.locale = desktopLocale(languageCode);
  o.searchPath = splitPaths(std::getenv("PATH"), {"/usr/local/bin", "/usr/bin", "/bin"});
  return o;
}

AppRegistry::AppRegistry(Options options) : options_(std::move(options)) {
  inotify_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  reload();
}

AppRegistry::~AppRegistry() {
  if (inotify_ >= 0) ::close(inotify_);
}

std::shared_ptr<const AppTable> AppRegistry::table() {
  std::lock_guard lock(mutex_);
  if (changed()) reload();
  return table_;
}

void AppRegistry::setLanguage(std::string_view languageCode) {
  std::lock_guard lock(mutex_);
  std::string locale = desktopLocale(languageCode);
  if (locale == options_.locale) return;
  options_.locale = std::move(locale);
  reload();
}

bool AppRegistry::changed() {
  if (inotify_ < 0) return false;
  alignas(inotify_event) char buffer[8192];
  bool any = false;
  for (;;) {
    const ssize_t n = ::read(inotify_, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return any;  // EAGAIN: nothing (more) happened
    for (ssize_t at = 0; at + ssize_t(sizeof(inotify_event)) <= n;) {
      const auto* ev = reinterpret_cast<const inotify_event*>(buffer + at);
      at += ssize_t(sizeof(inotify_event) + ev->len);
      const auto w = watches_.find(ev->wd);
      const bool parent = w != watches_.end() && w->second;
      // In a data folder only the "applications" folder matters (it also holds unrelated files).
      if (!parent || (ev->mask & IN_Q_OVERFLOW) || (ev->len > 0 && std::string_view(ev->name) == "applications"))
        any = true;
    }
  }
}

void AppRegistry::reload() {
  // Watches first, then the scan: a change during the scan shows up at the next call.
  if (inotify_ >= 0) {
    for (const auto& [wd, parent] : watches_) inotify_rm_watch(inotify_, wd);
    watches_.clear();
    for (const auto& dataDir : options_.dataDirs) {
      if (const int wd = inotify_add_watch(inotify_, dataDir.c_str(), kParentEvents); wd >= 0) watches_[wd] = true;
      std::error_code ec;
      const fs::path apps = dataDir / "applications";
      if (!fs::is_directory(apps, ec)) continue;
      if (const int wd = inotify_add_watch(inotify_, apps.c_str(), kFolderEvents); wd >= 0) watches_[wd] = false;
      for (fs::recursive_directory_iterator it(apps, fs::directory_options::skip_permission_denied, ec), end;
           !ec && it != end; it.increment(ec)) {
        if (it.depth() > 4) it.disable_recursion_pending();
        if (it->is_directory(ec))
          if (const int wd = inotify_add_watch(inotify_, it->path().c_str(), kFolderEvents); wd >= 0)
            watches_[wd] = false;
      }
    }
    // Events of the old watches may still be queued; they would only cause one extra reload.
    alignas(inotify_event) char buffer[8192];
    while (::read(inotify_, buffer, sizeof buffer) > 0) {}
  }
  table_ = std::make_shared<const AppTable>(scan(options_), ++generation_);
}

}  // namespace qel
