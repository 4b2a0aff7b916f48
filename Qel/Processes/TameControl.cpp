#include "Qel/Processes/TameControl.hpp"

#include <QVBoxLayout>

#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PillSegment.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Platform/Desktop/AppKeyName.hpp"
#include "Qel/Platform/Desktop/AppRegistry.hpp"
#include "Qel/Platform/Desktop/SessionProcesses.hpp"
#include "Qel/Store/Parts/ProcessActions.hpp"
#include "Qel/Store/TameMode.hpp"
#include "Qel/Text/Loc.hpp"

#include <unistd.h>

namespace qel {
std::optional<std::string> tameKey(const ProcInfo& proc, std::int32_t ownPid) {
  if (proc.isSystem || proc.pid == ownPid || !isAppKey(proc.appKey)) return std::nullopt;
  if (isSessionProcess(proc.path, proc.name)) return std::nullopt;
  return proc.appKey;
}

std::string tameNote(const std::string& name, const std::string* rule, int tamed, bool reversible, int kept) {
  if (rule && *rule == "slow") {
    std::string text = reversible ? L("After you switch to another app, every process of %@ drops to background "
                                      "priority. It recovers as soon as you switch back.",
                                      {name})
                                  : L("After you switch to another app, every process of %@ drops to background "
                                      "priority. It can't be raised again until %@ restarts.",
                                      {name, name});
    if (tamed > 0) text += Ln(" %n processes are slowed right now.", tamed);
    return text;
  }
  if (rule && *rule == "pause") {
    std::string text = L("After you switch to another app, %@ pauses completely and uses no CPU. While paused it "
                         "won't play sound, download or receive messages. It resumes when you switch back.",
                         {name});
    if (tamed > 0) text += Ln(" %n processes are paused right now.", tamed);
    return text;
  }
  std::string text = L("%@ can slow down or pause automatically after you switch to another app. That saves power "
                       "and keeps the front app smooth.",
                       {name});
  if (kept > 0) return text + L(" %@ stays slowed until it restarts.", {name});
  if (!reversible) text += L(" Slowing it down can't be undone until %@ restarts.", {name});
  return text;
}

TameControl::TameControl(TamingState taming, ProcessState processes, ProcessActions& actions, const ProcInfo& proc,
                         QWidget* parent)
    : QWidget(parent),
      taming_(taming),
      processes_(processes),
      actions_(actions),
      key_(tameKey(proc, std::int32_t(::getpid()))) {
  if (!key_) {
    hide();
    return;
  }
  reversible_ = actions_.slowingReversible(proc);
  auto* column = Layouts::column(this, Space::m);
  // The heading sits above the choices: beside them the three pills ran past the sheet's edge,
  // and longer languages need the whole width for them.
  column->addWidget(
      new PlainLabel(qs(L("When not in front")), Type::body, QFont::DemiBold, Palette::primaryText(), this));
  segment_ = new PillSegment(this);
  const std::string key = *key_;
  segment_->setOptions<std::string>(
      {{"none", qs(L("Leave alone"))}, {"slow", qs(L("Slow down"))}, {"pause", qs(L("Pause"))}},
      [this, key] {
        const auto& rules = taming_.tameRules();
        const auto it = rules.find(key);
        return it == rules.end() ? std::string("none") : it->second;
      },
      [this, key](const std::string& value) {
        // Choosing the pill already chosen changes nothing (and tells nothing).
        const auto& rules = taming_.tameRules();
        const auto it = rules.find(key);
        if (value == (it == rules.end() ? std::string("none") : it->second)) return;
        actions_.setTame(value == "slow" ? std::optional(TameMode::slow)
                         : value == "pause" ? std::optional(TameMode::pause)
                                            : std::nullopt,
                         key);
      });
  column->addWidget(segment_, 0, Qt::AlignLeft);
  note_ = new PlainLabel({}, Type::footnote, QFont::Normal, Palette::tertiaryText(), this);
  note_->setWordWrap(true);
  column->addWidget(note_);
  refresh();
}

void TameControl::refresh() {
  if (!key_) return;
  segment_->refresh();
  const QString text = qs(note(*key_));
  if (note_->text() != text) note_->setText(text);
}

std::string TameControl::note(const std::string& key) const {
  int tamed = 0, kept = 0;
  for (const auto& [pid, t] : taming_.tamed()) tamed += t.key == key;
  for (const auto& [pid, t] : taming_.keptSlow()) kept += t.key == key && !taming_.tamed().contains(pid);
  const auto& rules = taming_.tameRules();
  const auto rule = rules.find(key);
  return tameNote(appKeyName(processes_.apps(), key), rule == rules.end() ? nullptr : &rule->second, tamed, reversible_,
                  kept);
}

}  // namespace qel
