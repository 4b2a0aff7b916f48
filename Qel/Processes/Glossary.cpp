#include "Qel/Processes/Glossary.hpp"


#include <array>
#include <filesystem>
#include <unordered_map>

#include "Qel/Platform/Desktop/AppRegistry.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel::Glossary {
namespace {

// The advice every row gives, one of these eleven. The two that also end the notes for processes
// the table doesn't know are translated, like the rest of those notes.
constexpr const char* kVital = Lkey("The system needs it to run. Don't quit it.");
constexpr const char* kLogsOut = "Quitting it logs you out immediately. Don't quit it.";
constexpr const char* kPasses = Lkey("High usage is usually temporary and drops back once it finishes.");
constexpr const char* kRestarts = "If it hangs, you can quit it. It restarts automatically.";
constexpr const char* kBackup = "It stops when the backup finishes.";
constexpr const char* kInstall = "It stops when the installation finishes.";
constexpr const char* kReopen = "If it hangs, force quit it and open it again.";
constexpr const char* kMinute = "This is brief and ends within a minute.";
constexpr const char* kSoon = "This is brief and ends soon.";
constexpr const char* kTab = "High usage means a web page is busy. Closing that tab ends it.";
constexpr const char* kSelf = "It reads system data once a second, so its usage should be very low.";
constexpr const char* kSystemProgram =
    Lkey("A program that comes with your Linux system. Qel's glossary doesn't describe it yet.");

constexpr const char* kIndexer =
    "A file indexer that reads your files so that search can find them. It gets busy after many new files or a "
    "system update.";
constexpr const char* kIndexWorker = "A file indexing worker that reads file contents one by one.";
constexpr const char* kThumbnailer = "Makes a preview thumbnail of a file for the file manager.";
constexpr const char* kDisplayServer =
    "The X display server: it draws every window on screen. Usage rises with large or several displays, many "
    "windows and visual effects.";
constexpr const char* kKWin =
    "KDE Plasma's window manager and compositor: it draws every window on screen. Usage rises with large or several "
    "displays, many windows and visual effects.";
constexpr const char* kLoginManager = "The login screen and session manager. It started your desktop session.";
constexpr const char* kPipeWire =
    "The audio and video server (PipeWire): it mixes the sound of every app and carries screen sharing.";
constexpr const char* kPackageUpdate = "Installs software updates from your distribution's package sources.";
constexpr const char* kTabProcess =
    "A web page in Firefox (or in an app built on it). Each tab, or each site, has one.";

struct Row {
  const char* name;
  const char* description;
  const char* advice;
};

// Names as the process shows them: its program's file name, else the name it gives itself.
constexpr std::array kRows{
    Row{"kthreadd", "The kernel's thread starter. Every kernel thread is started by it.", kVital},
    Row{"kworker",
        "A kernel worker thread that does deferred work for drivers and file systems. High usage often means heavy "
        "disk or hardware activity.",
        kVital},
    Row{"ksoftirqd",
        "A kernel thread that finishes interrupt work, mostly network traffic, when there is too much to do at once.",
        kVital},
    Row{"kswapd0",
        "The kernel's memory reclaimer. High usage means memory is tight and the kernel is moving pages out to swap.",
        kVital},
    Row{"systemd",
        "The first process started at boot (the init system). It starts and supervises every other service. Each "
        "logged-in user has one more for their own services.",
        kVital},
    Row{"Xorg", kDisplayServer, kLogsOut},
    Row{"Xwayland", "Runs older X11 apps inside a Wayland session. Its usage rises while those apps draw.", kPasses},
    Row{"gnome-shell",
        "The GNOME desktop: it draws every window, the top bar and the overview. Usage rises with large or several "
        "displays, many windows and animations.",
        kLogsOut},
    Row{"kwin_wayland", kKWin, kLogsOut},
    Row{"kwin_x11", kKWin, kLogsOut},
    Row{"gdm", kLoginManager, kLogsOut},
    Row{"gdm3", kLoginManager, kLogsOut},
    Row{"sddm", kLoginManager, kLogsOut},
    Row{"lightdm", kLoginManager, kLogsOut},
    Row{"tracker-miner-fs-3", kIndexer, kPasses},
    Row{"tracker-extract-3", kIndexWorker, kPasses},
    Row{"localsearch-3", kIndexer, kPasses},
    Row{"localsearch-extractor-3", kIndexWorker, kPasses},
    Row{"baloo_file", kIndexer, kPasses},
    Row{"baloo_file_extractor", kIndexWorker, kPasses},
    Row{"deja-dup", "Déjà Dup is backing up your files.", kBackup},
    Row{"duplicity", "The backup engine behind Déjà Dup. It copies and compresses your files.", kBackup},
    Row{"packagekitd", kPackageUpdate, kInstall},
    Row{"unattended-upgrades", "Installs security updates automatically in the background.", kInstall},
    Row{"apt", "The package manager is installing, removing or updating software.", kInstall},
    Row{"dpkg", "Unpacks and sets up software packages for the package manager.", kInstall},
    Row{"gnome-software",
        "The Software app. It checks for updates and downloads them in the background, even with its window closed.",
        kPasses},
    Row{"fwupd", "Checks for and installs firmware updates for your computer and its devices.", kPasses},
    Row{"snapd", "Manages snap packages: installs them and refreshes them to new versions in the background.",
        kPasses},
    Row{"polkitd",
        "Decides which programs may do administrative tasks, and asks for your password when one needs it.", kVital},
    Row{"gnome-keyring-daemon", "Keeps your saved passwords, keys and certificates, and unlocks them when you log in.",
        kVital},
    Row{"dbus-daemon", "The message bus over which programs and system services talk to each other.", kVital},
    Row{"dbus-broker", "The message bus over which programs and system services talk to each other.", kVital},
    Row{"systemd-logind", "Keeps track of who is logged in, and handles sleep, the power button and the lid.",
        kVital},
    Row{"systemd-udevd", "Sets up devices as they are plugged in or found at boot.", kVital},
    Row{"systemd-journald",
        "The system log service. High usage means some program is writing a lot of log messages.", kPasses},
    Row{"systemd-oomd", "Watches memory pressure and ends runaway programs before the whole system stalls.", kVital},
    Row{"systemd-resolved", "Looks up the addresses of the names you visit (DNS) and keeps the answers for a while.",
        kVital},
    Row{"avahi-daemon", "Finds printers, speakers and other devices on the local network.", kVital},
    Row{"NetworkManager", "Manages your network connections: Wi-Fi, Ethernet, VPN and mobile data.", kVital},
    Row{"wpa_supplicant", "Connects to Wi-Fi networks and keeps the connection secure.", kVital},
    Row{"bluetoothd", "The Bluetooth service. It connects and manages Bluetooth devices.", kVital},
    Row{"upowerd", "Reports the battery, the charger and the power of connected devices.", kVital},
    Row{"power-profiles-daemon", "Switches between the power-saving, balanced and performance modes.", kVital},
    Row{"pipewire", kPipeWire, kVital},
    Row{"pipewire-pulse", "Lets apps made for PulseAudio play and record sound through PipeWire.", kVital},
    Row{"wireplumber", "Decides which speaker, microphone and camera each app uses, for PipeWire.", kVital},
    Row{"pulseaudio", "The sound server: it mixes the sound of every app and sends it to your speakers.", kVital},
    Row{"plasmashell", "KDE Plasma's desktop: the panel, the wallpaper and the widgets.", kRestarts},
    Row{"xdg-desktop-portal",
        "Lets apps open files, take screenshots and share the screen through dialogs the desktop provides.",
        kRestarts},
    Row{"ibus-daemon", "The input method service that lets you type in other languages and scripts.", kRestarts},
    Row{"nautilus", "Files, the GNOME file manager.", kReopen},
    Row{"dolphin", "Dolphin, the KDE file manager.", kReopen},
    Row{"systemd-coredump", "An app crashed and the system is saving a record of it for diagnosis.", kMinute},
    Row{"apport", "An app crashed and the system is writing a crash report.", kSoon},
    Row{"gnome-desktop-thumbnailer", kThumbnailer, kPasses},
    Row{"tumblerd", kThumbnailer, kPasses},
    Row{"Isolated Web Co", kTabProcess, kTab},
    Row{"Web Content", kTabProcess, kTab},
    Row{"WebKitWebProcess", "A web page in an app that uses the system web engine (WebKitGTK). One per page.", kTab},
    Row{"WebKitNetworkProcess", "Downloads web content for apps that use the system web engine (WebKitGTK).",
        kPasses},
    Row{"qel", "This is the app you are using right now.", kSelf},
};

// The kernel keeps only the first 15 bytes of the name a process gives itself.
constexpr std::size_t kCommBytes = 15;

struct Table {
  std::unordered_map<std::string_view, const Row*> byName;
  std::unordered_map<std::string_view, const Row*> byCutName;  // longer names as the kernel cuts them
};

const Table& table() {
  static const Table t = [] {
    Table made;
    for (const Row& row : kRows) {
      const std::string_view name = row.name;
      made.byName.emplace(name, &row);
      if (name.size() > kCommBytes) made.byCutName.emplace(name.substr(0, kCommBytes), &row);
    }
    return made;
  }();
  return t;
}

const Row* find(std::string_view name) {
  const Table& t = table();
  if (const auto it = t.byName.find(name); it != t.byName.end()) return it->second;
  if (name.size() == kCommBytes)
    if (const auto it = t.byCutName.find(name); it != t.byCutName.end()) return it->second;
  return nullptr;
}

// Kernel threads run no program and are all started by kthreadd (pid 2).
bool isKernelThread(const ProcInfo& p) { return p.path.empty() && (p.pid == 2 || p.ppid == 2); }

// The name the rules test: the program's file name, else the process name; a kernel thread's
// name without its "/cpu" or "/queue" part.
std::string shortName(const ProcInfo& p) {
  if (!p.path.empty()) return std::filesystem::path(p.path).filename().string();
  if (isKernelThread(p)) return p.name.substr(0, p.name.find('/'));
  return p.name;
}

// Programs the distribution installs live under these; /usr/local and /opt are the owner's own.
bool inSystemFolder(std::string_view path) {
  if (path.starts_with("/usr/local/")) return false;
  for (const std::string_view folder : {"/usr/", "/bin/", "/sbin/", "/lib/", "/lib64/", "/lib32/"})
    if (path.starts_with(folder)) return true;
  return false;
}

// Where an application keeps programs of its own that it starts beside its main one.
bool inHelperFolder(std::string_view path) {
  return path.starts_with("/usr/lib/") || path.starts_with("/usr/lib64/") || path.starts_with("/usr/libexec/");
}

bool endsLikeHelper(std::string_view name) {
  return name.ends_with("helper") || name.ends_with("Helper");
}

std::string nameOfAppKey(std::string_view key) {
  std::string stem = std::filesystem::path(key).stem().string();
  return stem.empty() ? std::string(key) : stem;
}

ProcNote note(const char* summary, const char* advice, bool known, const std::string& app = {}) {
  return ProcNote{.summary = L(summary, {app}), .advice = L(advice, {app, app}), .known = known};
}

}  // namespace

ProcNote describe(const ProcInfo& proc, std::string_view appName) {
  const std::string shortName = Glossary::shortName(proc);
  const Row* row = find(shortName);
  if (!row) row = find(proc.name);
  if (!row && !proc.comm.empty()) row = find(proc.comm);
  if (row) return ProcNote{.summary = L(row->description), .advice = L(row->advice), .known = true};

  const bool inApp = isAppKey(proc.appKey);
  // fill() makes the name safe to show.
  const std::string app = !inApp ? shortName : !appName.empty() ? std::string(appName) : nameOfAppKey(proc.appKey);
  constexpr const char* kBelongs = Lkey("It belongs to %@ and ends when you quit %@.");
  if (proc.childType == "renderer")
    return note(Lkey("A page renderer for %@. Each browser tab and each Electron app window has one."),
                Lkey("High usage means a page is busy. Closing that tab or window ends it."), true, app);
  if (proc.childType == "gpu-process")
    return note(Lkey("The graphics process for %@. It handles drawing, video and animation."), kBelongs, true, app);
  if (proc.childType == "utility" || proc.childType == "ppapi")
    return note(Lkey("A service process for %@. It does one job on its own, such as networking, audio or storage."),
                kBelongs, true, app);
  if (!inApp) {
    if (isKernelThread(proc))
      return note(Lkey("A kernel thread: part of the Linux kernel itself, doing work such as writing to disk, "
                       "reclaiming memory or handling hardware."),
                  kVital, true);
    if (proc.isSystem || inSystemFolder(proc.path))
      return note(kSystemProgram, kPasses, false);
    return note(Lkey("Qel's glossary doesn't include this process. Judging by its path, it doesn't come from your "
                     "distribution's packages."),
                Lkey("If you're not sure what it is, look it up online before deciding whether to quit it."), false);
  }
  const bool isMain = !appName.empty() && proc.name == appName;
  if (!isMain && (inHelperFolder(proc.path) || endsLikeHelper(shortName)))
    return note(Lkey("A helper process for %@."), kBelongs, true, app);
  if (!isMain) return note(Lkey("Part of %@. Qel's glossary doesn't describe this process yet."), kBelongs, false, app);
  // An app's main program run by another user or as a service is the system's copy of it.
  if (proc.isSystem) return note(kSystemProgram, kPasses, false);
  return note(Lkey("This is the main process of %@."),
              Lkey("If usage is high, first check whether it is working on something (exporting, syncing, compiling "
                   "and so on)."),
              true, app);
}

std::optional<QUrl> searchURL(const ProcInfo& proc) {
  const std::string query = L("what is the %@ process on Linux", {shortName(proc)});
  QUrl url(QStringLiteral("https://www.google.com/search"), QUrl::StrictMode);
  if (!url.isValid()) return std::nullopt;
  // Every byte but the unreserved ones encoded: a '+' left bare would reach the engine as a blank,
  // an '&' or '#' would end the value.
  const QByteArray value = QUrl::toPercentEncoding(QString::fromStdString(query));
  url.setQuery(QString::fromLatin1("q=" + value), QUrl::StrictMode);
  if (!url.isValid()) return std::nullopt;
  return url;
}

}  // namespace qel::Glossary
