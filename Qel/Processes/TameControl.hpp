#pragma once
// How an app behaves while it is not in front: left alone, slowed down or paused. The control
// for one process's app, and the sentence that explains the chosen mode and counts the app's
// processes tamed right now.
#include <QWidget>

#include <cstdint>
#include <optional>
#include <string>

#include "Qel/Samplers/ProcInfo.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"
#include "Qel/Store/Parts/TamingState.hpp"

namespace qel {

class PillSegment;
class PlainLabel;
class ProcessActions;

// The key an app's rule is kept under, when taming may be offered for `proc`: only for a
// process of an application (a desktop entry). Never for a bare program path, which would take
// in everything that program runs (every script of an interpreter), nor for system processes,
// the desktop session's own programs or this program (`ownPid`).
std::optional<std::string> tameKey(const ProcInfo& proc, std::int32_t ownPid);

// The sentence for an app called `name` under the rule word `rule` (none: no rule) with `tamed`
// of its processes slowed or paused right now. Where slowing can't be undone (`reversible`
// false) it says so before the user chooses it; `kept` processes that were slowed and could not
// be given their priority back are said to stay slowed.
std::string tameNote(const std::string& name, const std::string* rule, int tamed, bool reversible = true,
                     int kept = 0);

class TameControl : public QWidget {
  Q_OBJECT

 public:
  // Shows nothing when `tameKey` gives no key. Call refresh() when the store changes.
  TameControl(TamingState taming, ProcessState processes, ProcessActions& actions, const ProcInfo& proc,
              QWidget* parent = nullptr);

  // Reads the rules and the tamed processes again.
  void refresh();

  // The sentence for an app key, from the store's rules and tamed processes.
  std::string note(const std::string& key) const;

  const std::optional<std::string>& key() const { return key_; }
  PillSegment* segment() const { return segment_; }
  PlainLabel* noteLabel() const { return note_; }

 private:
  TamingState taming_;
  ProcessState processes_;
  ProcessActions& actions_;
  std::optional<std::string> key_;
  bool reversible_ = true;  // whether slowing this process could be undone
  PillSegment* segment_ = nullptr;
  PlainLabel* note_ = nullptr;
};

}  // namespace qel
