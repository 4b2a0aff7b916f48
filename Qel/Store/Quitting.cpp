// Ending processes on the user's request.
#include <unistd.h>

#include <algorithm>

#include "Qel/Platform/Proc/ProcessSignals.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
namespace {

std::string joined(const std::vector<std::string>& names) {
  std::string out;
  for (const auto& n : names) out += (out.empty() ? "" : ", ") + n;
  return out;
}

}  // namespace

void Store::quit(const std::vector<std::int32_t>& pids, bool force) {
  std::vector<std::string> ended, failed;
  bool quitSelf = false;
  for (const auto pid : pids) {
    const auto p = proc(pid);
    if (!p || p->isSystem) continue;
    if (pid == ::getpid()) {
      // Qel itself leaves in order (saving the day, letting go of what it paused).
      quitSelf = true;
      continue;
    }
    // A paused process can't act on the request; a slowed one would take long to.
    releaseTamed(pid);
    switch (signalProcess({p->pid, p->startTime}, force ? SIGKILL : SIGTERM)) {
      case SignalOutcome::sent: ended.push_back(p->name); break;
      case SignalOutcome::denied:
      case SignalOutcome::failed: failed.push_back(p->name); break;
      case SignalOutcome::gone:
      case SignalOutcome::refused: break;  // already ended, or never to be signalled
    }
  }

  std::set<std::int32_t> kept = processList_.selection;
  for (const auto pid : pids) kept.erase(pid);
  assign(processList_.selection, std::move(kept), Concern::processes);
  if (navigation_.detailPID && std::find(pids.begin(), pids.end(), *navigation_.detailPID) != pids.end())
    assign(navigation_.detailPID, std::optional<std::int32_t>(), Concern::navigation);

  std::string text;
  if (ended.size() == 1) text = force ? L("Force-quit %@", {ended[0]}) : L("Ended %@", {ended[0]});
  if (ended.size() > 1)
    text = force ? Ln("Force-quit %n processes", ended.size()) : Ln("Ended %n processes", ended.size());
  if (!failed.empty()) {
    const std::vector<std::string> names{joined(failed)};
    const std::string failure = force ? L("Couldn't force-quit %@", names) : L("Couldn't end %@", names);
    text = text.empty() ? failure : text + ". " + failure;
  }
  if (!text.empty()) show(text);
  if (quitSelf && quitProgram_) onMain(quitProgram_);
}

}  // namespace qel
