#pragma once
// One app's rule for when it is not in front: icon, name, what the rule does, and Remove; a
// hairline along the bottom.
#include <QWidget>

#include <string>

#include "Qel/Store/Parts/ProcessActions.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"

namespace qel {

class IconCache;

class TameRuleRow : public QWidget {
  Q_OBJECT

 public:
  TameRuleRow(const ProcessState& processes, ProcessActions& actions, IconCache& icons, const std::string& key,
              const std::string& rule, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qel
