#pragma once
// Every process's CPU, memory, energy estimate and disk traffic, once a tick. Per-process files
// stay open between ticks and are re-read with one pread each; names, paths, owners and
// applications are resolved once per process identity (pid and start time), so a reused pid
// starts afresh and never inherits its predecessor's rates.
//
// What a new process costs is mostly the kernel making each file it is asked for, so only what a
// view or a rule needs is read, and what is known already is not read again: no file of a kernel
// thread; the owner and the control group from the parent where they can't differ, and until the
// process's second tick where they seldom do (most newcomers are gone by then), as the executable
// of a program started by the same program under the same name as one before; the arguments
// only where the executable names nothing; the environment (who launched the process) once per
// program and control group, as processes of one program in one group (a browser's helpers, one
// terminal tab's compilers) come from one launch and inherit one environment; no io of a
// newcomer that has not run for a clock tick yet; and no second look at the pid of a process
// that ended, unless the pid may have been handed out again.
//
// Most processes sleep, and their io is not read either. The kernel charges every io counter to
// the task doing the work while it runs (a thread's exit leaves the process's sum as it was; a
// reaped child's counts join its parent's in the parent's own wait call), so a process whose CPU
// time did not move since its io was last read did no I/O of its own: its figures stand and its
// rate is 0. CPU time moves in clock ticks, so I/O done in less than one shows with the tick
// that moves it, as the average since the read before. Kernel threads' io is never read.
//
// Memory is the resident size ps shows: the statm file's. The stat file's rss leaves out what
// each CPU has counted but not yet handed on (hundreds of kilobytes, a sixth of a small
// process), and statm costs nearly as much as stat where its process's counters are not in the
// cache, so it is read where the memory may have moved: for a process whose CPU time or page
// faults moved (a fault is how a process takes memory, and it is counted however briefly the
// process ran), and one whose stat rss moved (memory taken from a sleeping process by reclaim
// or swapping, or given to it by another process writing into it or by the kernel merging its
// pages into huge ones, shows there once it exceeds what the CPUs hold back). What stays below
// that is caught by a read of every process every half minute, spread over the ticks. A
// newcomer's statm is read on its first tick, so no row shows the estimate even for a second;
// where the status file is read for the owner anyway, its VmRSS (the same count) stands in.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "Qel/Platform/Desktop/AppRegistry.hpp"
#include "Qel/Platform/Proc/ProcPidFiles.hpp"
#include "Qel/Platform/Proc/ProcPids.hpp"
#include "Qel/Platform/Proc/SysRoot.hpp"
#include "Qel/Platform/Runtime/Clock.hpp"
#include "Qel/Samplers/ProcInfo.hpp"

namespace qel {

struct PidStat;
struct PidIo;

struct ProcessSample {
  std::vector<ProcInfo> procs;
};

class ProcessSampler {
 public:
  struct Options {
    SysRoot root;
    const Clock* clock = &SystemClock::shared();
    AppRegistry* apps = nullptr;           // none: no process belongs to an application
    std::optional<std::uint32_t> uid;      // whose processes are the user's own; default getuid()
    long ticksPerSecond = 0;               // clock ticks of the stat file; default sysconf
    long pageSize = 0;                     // default sysconf
    long cores = 0;                        // the ceiling of a process's CPU; default the online cores
  };

  ProcessSampler();
  explicit ProcessSampler(Options options);
  ~ProcessSampler();
  ProcessSampler(const ProcessSampler&) = delete;
  ProcessSampler& operator=(const ProcessSampler&) = delete;

  // Every readable process in pid order. The first sample has no rates; a process seen for the
  // first time (or with a new identity) has none until its second sample.
  ProcessSample sample();
  // How many entries the look-ups by program and control group hold.
  std::size_t lookups() const { return programs_.size() + placed_.size() + launches_.size(); }

 private:
  struct Counters {
    std::uint64_t cpuTime = 0;  // user plus system clock ticks
    std::uint64_t energy = 0;   // none on Linux: stays 0
    std::uint64_t disk = 0;     // bytes read plus written
  };
  struct Meta {
    std::string name;
    std::string path;
    bool isSystem = false;
    std::string ownName;  // the name without an application (processOwnName)
    std::string comm;     // as it was when resolved: a change means the process ran another program
    std::string appKey;
    ProcessFacts facts;
    // Of the owner and the control group, for the process's children that run the same program.
    std::optional<std::uint32_t> uid;  // the real user, as status tells it
    std::uint32_t owner = 0;           // the owner of its files: the effective user while it may be traced
    bool ownerKnown = false;
    bool service = false;
    std::string cgroup;
    // Taken from the parent (or a namesake) where they may differ: read on the second tick.
    bool pathGuessed = false;
    bool uidGuessed = false;
    bool cgroupGuessed = false;
    std::uint64_t appsGeneration = 0;
  };
  // Which process an entry of the look-ups by program was made for. Most programs run once (a
  // build's or a script's steps under names of their own), so an entry no other process took up
  // goes soon after that process; one that others took up stays while processes keep using it.
  struct Origin {
    std::int32_t pid = 0;
    std::uint64_t startTime = 0;
    bool shared = false;     // another process has used it since
    std::uint64_t used = 0;  // the round it was last made or used in
  };
  // What the environment of a program's processes in one control group said of their launch.
  struct Launch {
    std::string desktopFile;
    std::int32_t pid = 0;  // the process it was launched as, 0 when unknown
    Origin origin;
  };
  enum class IoState : std::uint8_t { unopened, open, unreadable };
  struct Tracked {
    std::uint64_t startTime = 0;
    KeptFile stat;
    KeptFile io;
    IoState ioState = IoState::unopened;
    bool hasCounters = false;
    Counters counters;            // disk as of the last read of io
    std::int64_t threads = 0;     // as of the last tick
    bool hasIo = false;           // `counters.disk` and `written` are from io (or the zeros a newcomer starts at)
    std::uint64_t written = 0;    // bytes written, as of the last read of io
    MonoTime ioTime{};
    KeptFile statm;
    bool hasMem = false;          // `resident` is from statm
    std::uint64_t resident = 0;   // pages, as of the last read of statm
    std::uint64_t statRss = 0;    // the stat file's rss then
    std::uint64_t memFaults = 0;  // and its page faults
    std::optional<Meta> meta;
    std::uint64_t seen = 0;
  };

  // What every process of one sample is measured against.
  struct Round {
    MonoTime now{};
    double wall = 0;  // seconds since the previous sample, 0 for the first
    const AppTable* apps = nullptr;
    double ticksPerSecond = 0;
    double maxCpu = 0;  // percent: all cores busy
  };

  // The pids of this tick into `pidList_`, with their kept stat descriptors in `statFds_`.
  void listPids();
  // Each kept stat file's text into `statTexts_` at `statOffsets_`, its length (or -1) into
  // `statLengths_`.
  void readStats();
  // One file of the process at `pid`, kept open from its first read while descriptors last; -1
  // once the process it was opened for is gone.
  long readKept(KeptFile& kept, std::int32_t pid, const char* file, char* buffer, std::size_t size);
  void release(Tracked& t);
  // The stat of the `i`th listed pid, its text in `text`: the one read with the others, else the
  // file opened afresh; none when the process is gone.
  std::optional<PidStat> currentStat(std::size_t i, std::int32_t pid, Tracked& t, std::string_view& text);
  // The process's figures this round, its counters kept for the next.
  ProcInfo measure(std::int32_t pid, Tracked& t, const PidStat& stat, std::string_view statText, const Round& r);
  // What the process is, resolved again when it ran another program or something was guessed.
  const Meta& currentMeta(std::int32_t pid, Tracked& t, const PidStat& stat, const AppTable* apps);
  // Forgets the processes not in `procs` and the look-ups nothing can use any more.
  void forgetUnseen(const std::vector<ProcInfo>& procs);
  // A look-up's entry made for, or used by, the process being resolved.
  Origin made() const;
  void use(Origin& origin) const;
  // Whether an entry is of no use any more: its own process ended before another used it, or
  // nothing used it for a long while.
  bool stale(const Origin& origin) const;
  std::optional<PidIo> readIo(std::int32_t pid, Tracked& t, char* buffer, std::size_t size);
  // Reads io and keeps its counters: the disk rate since the previous read, 0 without one.
  double updateIo(std::int32_t pid, Tracked& t, MonoTime now, char* buffer, std::size_t size);
  // The resident pages as ps shows them, read again only where they may have moved.
  std::uint64_t residentPages(std::int32_t pid, Tracked& t, const PidStat& stat, bool ran);
  // With `guess`, what may differ from the parent's or a namesake's may be taken from them until
  // the process's second tick.
  Meta resolveMeta(std::int32_t pid, const PidStat& stat, int statFd, bool guess = true);
  // The executable, read or (with `guess`) taken from a namesake child of the same parent program.
  void resolvePath(std::int32_t pid, const PidStat& stat, const Meta* parent, bool guess, Meta& m);
  // Reads what was taken from the parent or a namesake and may differ; false when the file does.
  bool confirmMeta(std::int32_t pid, Meta& m);
  bool readCgroup(std::int32_t pid, Meta& m);
  // Executable and control group, in `placeKey_`; empty without a group.
  const std::string& placeKey(const std::string& path, const std::string& cgroup);
  // Whether the process is the system's, and what its launch said.
  void classify(std::int32_t pid, Meta& m);
  // The launch facts of an own process: from the environment of the first process of the same
  // program in the same control group (`key`), read once; kept only when `keep`.
  const Launch& launchOf(std::int32_t pid, const std::string& key, bool keep);
  void matchApp(Meta& meta, const AppTable* apps) const;

  Options options_;
  std::uint32_t uid_;
  ProcPids pids_;
  ProcPidFiles files_;
  std::vector<std::int32_t> pidList_;  // after a sample, the pids in it
  std::vector<int> statFds_;           // their kept stat descriptors, -1 where none is kept
  std::vector<std::int32_t> listed_;   // the previous sample's pids while the next are listed
  std::vector<int> pairedFds_;
  static constexpr std::size_t kStatSize = 1024;  // room for a stat line
  std::unique_ptr<char[]> statTexts_;  // what each stat file said this tick
  std::size_t statRoom_ = 0;
  std::vector<std::size_t> statOffsets_;
  std::vector<long> statLengths_;
  char statScratch_[kStatSize];        // a stat file read again or for the first time
  std::unordered_map<std::int32_t, Tracked> tracked_;
  std::unordered_map<std::string, Launch> launches_;  // by executable and control group
  // What programs started as, by the starter's executable and the name they started under.
  struct Program {
    std::string path;
    Origin origin;
  };
  std::unordered_map<std::string, Program> programs_;
  std::string programKey_;
  // Executables found in a control group, by executable and group.
  std::unordered_map<std::string, Origin> placed_;
  std::string placeKey_;
  // The process whose metadata is being resolved.
  std::int32_t resolvingPid_ = 0;
  std::uint64_t resolvingStart_ = 0;
  std::optional<std::uint64_t> statusResident_;  // kilobytes, where its status was read just now
  Launch scratchLaunch_;  // a launch that is not kept
  std::optional<MonoTime> lastTime_;
  std::uint64_t round_ = 0;
  std::size_t kept_ = 0;        // open per-process descriptors
  std::size_t keptBudget_ = 0;  // beyond it files are opened for each read, never kept
};

// For each pid of `now`, the descriptor `fds` holds beside the same pid in `before` (-1 when it
// is new). Both lists ascend.
void pairDescriptors(std::span<const std::int32_t> before, std::span<const int> fds, std::span<const std::int32_t> now,
                     std::vector<int>& out);

}  // namespace qel
