#pragma once
// Every app that slows down or pauses while it is not in front, with a way to remove each rule.
// Shows nothing while there are no rules (its host then says so in words of its own).
#include <QWidget>

#include <map>
#include <memory>
#include <string>

#include "Qel/Store/Parts/ProcessActions.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"
#include "Qel/Store/Parts/TamingState.hpp"

class QVBoxLayout;

namespace qel {

class IconCache;

// What a rule does, in words: any word but "pause" slows.
std::string tameRuleText(const std::string& rule);

class TameRulesSection : public QWidget {
  Q_OBJECT

 public:
  TameRulesSection(TamingState taming, ProcessState processes, ProcessActions& actions, QWidget* parent = nullptr);
  ~TameRulesSection() override;

  // Rebuilds the rows when the rules changed since the last call.
  void sync();

 private:
  const TamingState taming_;
  const ProcessState processes_;
  ProcessActions& actions_;
  std::unique_ptr<IconCache> icons_;
  QVBoxLayout* rows_;
  std::map<std::string, std::string> shown_;
  bool built_ = false;
};

}  // namespace qel
