#include "Qel/Samplers/ProcessSampler.hpp"

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <limits>

#include "Qel/Platform/Proc/ProcPidCgroup.hpp"
#include "Qel/Platform/Proc/ProcPidCmdline.hpp"
#include "Qel/Platform/Proc/ProcPidEnviron.hpp"
#include "Qel/Platform/Proc/ProcPidIo.hpp"
#include "Qel/Platform/Proc/ProcPidStat.hpp"
#include "Qel/Platform/Proc/ProcPidStatm.hpp"
#include "Qel/Platform/Proc/ProcPidStatus.hpp"
#include "Qel/Samplers/ProcessName.hpp"

namespace qel {
namespace {

constexpr double kMinInterval = 0.2;       // seconds; rates over shorter intervals jump about
constexpr double kWattsPerBusyCore = 2.0;  // the estimate when nothing bills energy
constexpr std::size_t kReservedDescriptors = 512;  // left for everything else the program opens
constexpr std::uint64_t kMemEvery = 30;             // ticks between two reads of a still process's statm
constexpr std::uint64_t kFullListEvery = 10;        // ticks between two full listings of /proc
constexpr std::size_t kStatusSize = 4096;           // the owner's and the memory's lines are near the top
constexpr std::uint64_t kLookupKeep = 600;          // ticks a shared look-up nobody used is kept

std::size_t descriptorBudget() {
  rlimit limit{};
  if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return 1 << 16;
  return limit.rlim_cur > kReservedDescriptors ? std::size_t(limit.rlim_cur - kReservedDescriptors) : 0;
}

// What a stat file said, when it said it of `pid`: a file is only ever read for its own process.
std::optional<PidStat> statOf(const char* text, long length, std::int32_t pid) {
  auto stat = length > 0 ? parsePidStat(std::string_view(text, std::size_t(length))) : std::nullopt;
  return stat && stat->pid == pid ? stat : std::nullopt;
}

}  // namespace

ProcessSampler::ProcessSampler() : ProcessSampler(Options{}) {}

ProcessSampler::ProcessSampler(Options options)
    : options_(std::move(options)),
      uid_(options_.uid.value_or(::getuid())),
      pids_(options_.root),
      files_(options_.root),
      keptBudget_(descriptorBudget()) {
  if (options_.ticksPerSecond <= 0) options_.ticksPerSecond = std::max(1L, sysconf(_SC_CLK_TCK));
  if (options_.pageSize <= 0) options_.pageSize = std::max(1L, sysconf(_SC_PAGESIZE));
  if (!options_.clock) options_.clock = &SystemClock::shared();
}

ProcessSampler::~ProcessSampler() = default;

long ProcessSampler::readKept(KeptFile& kept, std::int32_t pid, const char* file, char* buffer, std::size_t size) {
  if (kept.isOpen()) {
    const long n = kept.readOnce(buffer, size);
    if (n >= 0) return n;
    // The process behind it is gone, and the file at its path may now be another's.
    kept = KeptFile();
    --kept_;
    return -1;
  }
  KeptFile fresh(files_.path(pid, file));
  if (!fresh.isOpen()) return -1;
  const long n = fresh.readOnce(buffer, size);
  if (n >= 0 && kept_ < keptBudget_) {
    kept = std::move(fresh);
    ++kept_;
  }
  return n;
}

void ProcessSampler::release(Tracked& t) {
  kept_ -= std::size_t(t.stat.isOpen()) + std::size_t(t.io.isOpen()) + std::size_t(t.statm.isOpen());
  t.stat = KeptFile();
  t.io = KeptFile();
  t.statm = KeptFile();
}

std::optional<PidIo> ProcessSampler::readIo(std::int32_t pid, Tracked& t, char* buffer, std::size_t size) {
  if (t.ioState == IoState::unreadable) return std::nullopt;
  const long n = readKept(t.io, pid, "io", buffer, size);
  auto io = n > 0 ? parsePidIo(std::string_view(buffer, std::size_t(n))) : std::nullopt;
  // Another user's process: its I/O counters stay closed for the life of the process.
  t.ioState = io ? IoState::open : IoState::unreadable;
  if (!io && t.io.isOpen()) {
    t.io = KeptFile();
    --kept_;
  }
  return io;
}

double ProcessSampler::updateIo(std::int32_t pid, Tracked& t, MonoTime now, char* buffer, std::size_t size) {
  const auto io = readIo(pid, t, buffer, size);
  if (!io) {
    t.hasIo = false;
    t.counters.disk = t.written = 0;
    return 0;
  }
  const std::uint64_t disk = io->readBytes + std::min(io->writeBytes, ~io->readBytes);
  double rate = 0;
  if (t.hasIo && disk >= t.counters.disk) {
    const double since = now > t.ioTime ? Seconds(now - t.ioTime).count() : 0.0;
    rate = double(disk - t.counters.disk) / std::max(since, kMinInterval);
  }
  t.hasIo = true;
  t.counters.disk = disk;
  t.written = io->writeBytes;
  t.ioTime = now;
  return rate;
}

std::uint64_t ProcessSampler::residentPages(std::int32_t pid, Tracked& t, const PidStat& stat, bool ran) {
  // A kernel thread has no memory of its own. A newcomer is read at once: the estimate falls
  // short by most on the small processes that newcomers are.
  if (stat.isKernelThread()) return stat.rss;
  const bool due = (round_ + std::uint64_t(std::uint32_t(pid))) % kMemEvery == 0;
  if (t.hasMem && !ran && !due && stat.faults == t.memFaults && stat.rss == t.statRss) return t.resident;
  // The status file read for the owner just now has the same count.
  const auto page = std::uint64_t(options_.pageSize);
  std::optional<std::uint64_t> resident;
  if (statusResident_ && page % 1024 == 0) {
    resident = *statusResident_ / (page / 1024);
  } else {
    char text[128];
    const long n = readKept(t.statm, pid, "statm", text, sizeof text);
    resident = n > 0 ? parseStatmResident(std::string_view(text, std::size_t(n))) : std::nullopt;
  }
  t.hasMem = resident.has_value();
  if (!resident) return stat.rss;  // the estimate, where nothing better can be read
  t.resident = *resident;
  t.statRss = stat.rss;
  t.memFaults = stat.faults;
  return *resident;
}

void ProcessSampler::listPids() {
  // Between full listings the processes still here are the ones of the last sample, and only
  // the ones started since need finding.
  const bool full = pidList_.empty() || round_ % kFullListEvery == 0;
  listed_.assign(pidList_.begin(), pidList_.end());
  if ((full || !pids_.listNew(pidList_)) && !pids_.list(pidList_)) pidList_.clear();
  // Newcomers land anywhere in the list (below the others once the pid counter wraps): each kept
  // descriptor goes back beside the pid it was opened for.
  pairDescriptors(listed_, statFds_, pidList_, pairedFds_);
  statFds_.swap(pairedFds_);
}

void pairDescriptors(std::span<const std::int32_t> before, std::span<const int> fds, std::span<const std::int32_t> now,
                     std::vector<int>& out) {
  out.assign(now.size(), -1);
  std::size_t at = 0;
  for (std::size_t i = 0; i < now.size(); ++i) {
    while (at < before.size() && before[at] < now[i]) ++at;
    if (at < before.size() && at < fds.size() && before[at] == now[i]) out[i] = fds[at];
  }
}

void ProcessSampler::readStats() {
  // Every kept stat file first, one read after another, then the work on what they said: where
  // the kernel isolates its page tables each system call empties the TLB, and work between the
  // calls would pay for that again and again. The texts lie one after another, on as few pages
  // as they fill.
  // What the texts said last tick is not kept, so more room is new room: nothing to copy or clear.
  if (statRoom_ < pidList_.size() * kStatSize) {
    statRoom_ = (pidList_.size() + pidList_.size() / 4) * kStatSize;
    statTexts_ = std::make_unique_for_overwrite<char[]>(statRoom_);
  }
  statLengths_.resize(pidList_.size());
  statOffsets_.resize(pidList_.size());
  std::size_t at = 0;
  for (std::size_t i = 0; i < pidList_.size(); ++i) {
    statOffsets_[i] = at;
    const long n = statFds_[i] < 0 ? -1 : KeptFile::readOnce(statFds_[i], &statTexts_[at], kStatSize);
    statLengths_[i] = n;
    at += n > 0 ? std::size_t(n) : 0;
  }
}

ProcessSample ProcessSampler::sample() {
  ++round_;
  listPids();
  if (pidList_.empty()) return {};
  readStats();
  const MonoTime now = options_.clock->monotonic();
  const auto apps = options_.apps ? options_.apps->table() : nullptr;
  const Round r{.now = now,
                .wall = lastTime_ && now > *lastTime_ ? Seconds(now - *lastTime_).count() : 0.0,
                .apps = apps.get(),
                .ticksPerSecond = double(options_.ticksPerSecond),
                .maxCpu = 100.0 * double(options_.cores > 0 ? options_.cores
                                                            : std::max(1L, sysconf(_SC_NPROCESSORS_ONLN)))};

  ProcessSample result;
  result.procs.reserve(pidList_.size());
  std::vector<int> keptFds;
  keptFds.reserve(pidList_.size());
  for (std::size_t i = 0; i < pidList_.size(); ++i) {
    const std::int32_t pid = pidList_[i];
    Tracked& t = tracked_[pid];
    std::string_view statText;
    const auto stat = currentStat(i, pid, t, statText);
    if (!stat) {
      // Gone between listing and reading, or not a process at all.
      release(t);
      tracked_.erase(pid);
      continue;
    }
    result.procs.push_back(measure(pid, t, *stat, statText, r));
    keptFds.push_back(t.stat.descriptor());
  }
  forgetUnseen(result.procs);
  statFds_.swap(keptFds);
  lastTime_ = now;
  return result;
}

std::optional<PidStat> ProcessSampler::currentStat(std::size_t i, std::int32_t pid, Tracked& t,
                                                   std::string_view& text) {
  char* statText = &statTexts_[statOffsets_[i]];
  long statLength = statLengths_[i];
  auto stat = statOf(statText, statLength, pid);
  if (!stat && statFds_[i] >= 0) release(t);  // the process behind the kept file is gone
  // A file not kept yet is opened, and so is one whose process is gone when its pid may have
  // been handed out again since.
  if (!stat && (statFds_[i] < 0 || pids_.mayBeNew(pid))) {
    statText = statScratch_;
    statLength = readKept(t.stat, pid, "stat", statText, kStatSize);
    stat = statOf(statText, statLength, pid);
  }
  if (stat) text = std::string_view(statText, std::size_t(statLength));
  return stat;
}

ProcInfo ProcessSampler::measure(std::int32_t pid, Tracked& t, const PidStat& stat, std::string_view statText,
                                 const Round& r) {
  if (t.seen == 0 || stat.startTime != t.startTime) {
    // A process not seen before, or a new one under a known pid: nothing carries over.
    KeptFile statFile = std::move(t.stat);
    kept_ -= std::size_t(t.io.isOpen()) + std::size_t(t.statm.isOpen());
    t = Tracked{};
    t.stat = std::move(statFile);
    t.startTime = stat.startTime;
  }
  const std::uint64_t cpuTime =
      stat.utime > std::numeric_limits<std::uint64_t>::max() - stat.stime ? stat.utime : stat.utime + stat.stime;

  ProcInfo p;
  p.pid = pid;
  const bool ran = !t.hasCounters || cpuTime != t.counters.cpuTime;
  // No process runs on more cores than the machine has, nor on more than it has threads (at
  // either end of the interval, as threads may end within it): a higher figure is the clock
  // ticks' rounding or a measuring fault. Threads are counted only when the process ran.
  const std::int64_t threadsNow = ran ? parsePidStatThreads(statText) : t.threads;
  const std::int64_t threads = std::max(threadsNow, t.threads);
  const double cap = threads > 0 ? std::min(r.maxCpu, 100.0 * double(threads)) : r.maxCpu;
  if (t.hasCounters && r.wall > 0 && cpuTime >= t.counters.cpuTime)
    p.cpu = std::min(double(cpuTime - t.counters.cpuTime) / r.ticksPerSecond / r.wall * 100.0, cap);
  if (!t.hasCounters && cpuTime == 0 && !stat.isKernelThread()) {
    // A newcomer that has not run for a clock tick: its counters, which start at zero with
    // every process, can hardly have moved, and most such newcomers are gone within a second.
    t.hasIo = true;
    t.ioTime = r.now;
  } else if (!stat.isKernelThread() && ran) {
    char ioText[512];
    p.diskRate = updateIo(pid, t, r.now, ioText, sizeof ioText);
  }
  t.counters.cpuTime = cpuTime;
  t.threads = threadsNow;
  t.hasCounters = true;
  t.seen = round_;

  const Meta& meta = currentMeta(pid, t, stat, r.apps);
  const std::uint64_t resident = residentPages(pid, t, stat, ran);
  p.name = meta.name;
  p.path = meta.path;
  p.isSystem = meta.isSystem;
  p.provisional = meta.pathGuessed || meta.uidGuessed || meta.cgroupGuessed;
  const auto page = std::uint64_t(options_.pageSize);
  p.mem = resident > std::numeric_limits<std::uint64_t>::max() / page ? std::numeric_limits<std::uint64_t>::max()
                                                                        : resident * page;
  p.diskWritten = t.written;
  p.appKey = meta.appKey;
  p.ppid = stat.ppid;
  p.startTime = t.startTime;
  p.comm = meta.comm;
  // Linux bills no energy per process: the estimate from CPU time stands in for every one.
  p.energy = kWattsPerBusyCore * p.cpu / 100.0;
  return p;
}

const ProcessSampler::Meta& ProcessSampler::currentMeta(std::int32_t pid, Tracked& t, const PidStat& stat,
                                                        const AppTable* apps) {
  resolvingPid_ = pid;
  resolvingStart_ = t.startTime;
  statusResident_.reset();
  // exec keeps the pid and start time but brings another program (and name) along.
  if (!t.meta || (!stat.isKernelThread() && stat.comm != t.meta->comm)) {
    t.meta = resolveMeta(pid, stat, t.stat.descriptor());
    matchApp(*t.meta, apps);
  } else if (t.meta->pathGuessed || t.meta->uidGuessed || t.meta->cgroupGuessed) {
    // Another file than the one guessed: nothing taken from its namesake stands, and nothing is
    // guessed past the second tick.
    if (!confirmMeta(pid, *t.meta)) t.meta = resolveMeta(pid, stat, t.stat.descriptor(), false);
    matchApp(*t.meta, apps);
  } else if (apps && t.meta->appsGeneration != apps->generation()) {
    matchApp(*t.meta, apps);
  }
  return *t.meta;
}

void ProcessSampler::forgetUnseen(const std::vector<ProcInfo>& procs) {
  if (round_ % kFullListEvery == 0) {
    std::erase_if(launches_, [this](const auto& entry) { return stale(entry.second.origin); });
    std::erase_if(placed_, [this](const auto& entry) { return stale(entry.second); });
    std::erase_if(programs_, [this](const auto& entry) { return stale(entry.second.origin); });
  }
  // Processes not seen this time are forgotten, with their descriptors.
  for (auto it = tracked_.begin(); tracked_.size() > procs.size() && it != tracked_.end();) {
    if (it->second.seen != round_) {
      release(it->second);
      it = tracked_.erase(it);
    } else {
      ++it;
    }
  }
  pidList_.clear();
  for (const auto& p : procs) pidList_.push_back(p.pid);
}

ProcessSampler::Origin ProcessSampler::made() const {
  return {.pid = resolvingPid_, .startTime = resolvingStart_, .shared = false, .used = round_};
}

void ProcessSampler::use(Origin& origin) const {
  origin.used = round_;
  origin.shared = origin.shared || origin.pid != resolvingPid_ || origin.startTime != resolvingStart_;
}

bool ProcessSampler::stale(const Origin& origin) const {
  if (origin.used + kLookupKeep < round_) return true;
  if (origin.shared) return false;
  // Its own process, the one of the same identity, is still here (seen this round).
  const auto own = tracked_.find(origin.pid);
  return own == tracked_.end() || own->second.seen != round_ || own->second.startTime != origin.startTime;
}

void ProcessSampler::resolvePath(std::int32_t pid, const PidStat& stat, const Meta* parent, bool guess, Meta& m) {
  // Starting a program names the process after its file, so a child of the same program with the
  // same name as one before runs the same file, but for a namesake elsewhere: until its second
  // tick its executable is the one found before (if it is not, all is resolved again then).
  const bool keyed = parent && !parent->path.empty();
  if (keyed) programKey_.assign(parent->path).append(1, '\n').append(stat.comm);
  const auto known = keyed && guess ? programs_.find(programKey_) : programs_.end();
  if (known != programs_.end()) {
    use(known->second.origin);
    m.path = known->second.path;
    m.pathGuessed = true;
  } else {
    m.path = files_.readLink(pid, "exe");
    const std::string_view file = std::string_view(m.path).substr(m.path.rfind('/') + 1);
    if (keyed && !exeNamesNothing(m.path) && file.starts_with(stat.comm)) {
      const auto [entry, added] = programs_.try_emplace(programKey_, Program{m.path, made()});
      if (!added) {
        entry->second.path = m.path;
        use(entry->second.origin);
      }
    }
  }
}

ProcessSampler::Meta ProcessSampler::resolveMeta(std::int32_t pid, const PidStat& stat, int statFd, bool guess) {
  Meta m;
  m.comm = std::string(stat.comm);
  // A kernel thread is the system's and has no program, arguments or environment to read.
  if (stat.isKernelThread()) {
    m.isSystem = true;
    m.ownName = processOwnName({}, stat.comm, {});
    return m;
  }
  const auto up = tracked_.find(stat.ppid);
  const bool resolved = up != tracked_.end() && up->second.seen == round_ && up->second.meta;
  const Meta* parent = resolved ? &*up->second.meta : nullptr;
  resolvePath(pid, stat, parent, guess, m);
  m.facts.exe = m.path;
  struct stat owner {};
  m.ownerKnown = files_.isProc() && statFd >= 0 && ::fstat(statFd, &owner) == 0;
  m.owner = owner.st_uid;

  // What the parent, resolved earlier in this sample, already knows. A child keeps its parent's
  // real user unless it changed users, and that changes who owns its files: to the new user, or
  // to root while it may not be traced, so root's files of a fork prove nothing. Starting a
  // program makes the files of a process whose users agree its own again, so a child of root
  // running another program with root's files is root's, unless the program changed users since:
  // its second tick tells. A fork is in its parent's control group. Another program may have
  // been moved to a group of its own (by a service manager, a launcher), so its group is read
  // unless the same program was found in the parent's group before; then it is taken from the
  // parent until the child's second tick.
  const bool fork = parent && parent->path == m.path;
  const bool uidGuessed = m.owner == 0 || (parent && parent->uidGuessed);
  if (parent && parent->uid && m.ownerKnown && parent->ownerKnown && parent->owner == m.owner &&
      (m.owner != 0 || (*parent->uid == 0 && !fork)) && (guess || !uidGuessed)) {
    m.uid = parent->uid;
    m.uidGuessed = uidGuessed;
  } else if (const auto status = files_.read(pid, "status", kStatusSize)) {
    m.uid = parseStatusUid(*status);
    statusResident_ = parseStatusResidentKiB(*status);
  }
  const bool cgroupGuessed = !fork || (parent && parent->cgroupGuessed);
  const auto placed = parent && !parent->cgroup.empty() && !fork && (guess || !cgroupGuessed)
                          ? placed_.find(placeKey(m.path, parent->cgroup))
                          : placed_.end();
  if (placed != placed_.end()) use(placed->second);
  if (parent && !parent->cgroup.empty() && (fork || placed != placed_.end()) && (guess || !cgroupGuessed)) {
    m.service = parent->service;
    m.facts.appUnit = parent->facts.appUnit;
    m.cgroup = parent->cgroup;
    m.cgroupGuessed = cgroupGuessed;
  } else {
    readCgroup(pid, m);
  }
  const auto cmdline = exeNamesNothing(m.path) ? files_.read(pid, "cmdline", 4096) : std::nullopt;
  m.ownName = processOwnName(m.path, stat.comm, cmdline.value_or(std::string_view()));
  classify(pid, m);
  return m;
}

bool ProcessSampler::confirmMeta(std::int32_t pid, Meta& m) {
  if (m.pathGuessed && files_.readLink(pid, "exe") != m.path) return false;
  m.pathGuessed = false;
  if (m.uidGuessed)
    if (const auto status = files_.read(pid, "status", kStatusSize)) {
      m.uid = parseStatusUid(*status);
      statusResident_ = parseStatusResidentKiB(*status);
    }
  if (m.cgroupGuessed) {
    // Moved after all: the program's next processes there are read again.
    const std::string guess = std::move(m.cgroup);
    if (!readCgroup(pid, m)) m.cgroup = guess;
    if (m.cgroup != guess) placed_.erase(placeKey(m.path, guess));
  }
  m.uidGuessed = m.cgroupGuessed = false;
  classify(pid, m);
  return true;
}

bool ProcessSampler::readCgroup(std::int32_t pid, Meta& m) {
  const auto cgroup = files_.read(pid, "cgroup", 64 * 1024);
  if (!cgroup) return false;
  m.service = isSystemServiceCgroup(*cgroup);
  m.facts.appUnit = appUnitOfCgroup(*cgroup);
  m.cgroup = std::string(*cgroup);
  const auto [entry, added] = placed_.try_emplace(placeKey(m.path, m.cgroup), made());
  if (!added) use(entry->second);
  return true;
}

const std::string& ProcessSampler::placeKey(const std::string& path, const std::string& cgroup) {
  placeKey_.clear();
  if (!cgroup.empty()) placeKey_.assign(path).append(1, '\n').append(cgroup);
  return placeKey_;
}

void ProcessSampler::classify(std::int32_t pid, Meta& m) {
  // Another user's process, or a service of the system's own (a root daemon stays the system's
  // when Qel runs as root too).
  m.isSystem = (m.uid && *m.uid != uid_) || m.service;
  m.facts.launchedDesktopFile.clear();
  m.facts.launchedHere = false;
  // Only the user's own environments can be read (and trusted to say who launched them).
  if (m.uid != uid_) return;
  const Launch& launch = launchOf(pid, placeKey(m.path, m.cgroup), !m.cgroupGuessed);
  m.facts.launchedDesktopFile = launch.desktopFile;
  m.facts.launchedHere = launch.pid == pid;
}

const ProcessSampler::Launch& ProcessSampler::launchOf(std::int32_t pid, const std::string& key, bool keep) {
  auto known = key.empty() ? launches_.end() : launches_.find(key);
  if (known != launches_.end()) {
    use(known->second.origin);
    return known->second;
  }
  Launch launch{.origin = made()};
  const auto env = files_.read(pid, "environ");
  if (env) {
    if (const auto file = environValue(*env, "GIO_LAUNCHED_DESKTOP_FILE")) launch.desktopFile = *file;
    if (const auto v = environValue(*env, "GIO_LAUNCHED_DESKTOP_FILE_PID")) {
      std::int32_t launched = 0;
      const auto [ptr, ec] = std::from_chars(v->data(), v->data() + v->size(), launched);
      if (ec == std::errc() && ptr == v->data() + v->size()) launch.pid = launched;
    }
  }
  // Without a control group nothing says which processes share a launch; a process whose group
  // was only guessed may not share one with the group.
  if (!env || key.empty() || !keep) {
    scratchLaunch_ = std::move(launch);
    return scratchLaunch_;
  }
  return launches_.emplace(key, std::move(launch)).first->second;
}

void ProcessSampler::matchApp(Meta& m, const AppTable* apps) const {
  const AppMatch match = apps ? apps->match(m.facts) : AppMatch{};
  m.appsGeneration = apps ? apps->generation() : 0;
  m.appKey = match.app ? match.app->key : m.path;
  // A helper keeps its own name; only the application's own program takes the app's name.
  m.name = match.app && match.isMain && !match.app->name.empty() ? match.app->name : m.ownName;
}

}  // namespace qel
