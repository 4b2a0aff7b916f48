#pragma once
// One app's rule for when it is not in front: icon, name, what the rule does, and Remove; a
// hairline along the bottom.
#include <QWidget>

#include <string>

namespace qel {

class IconCache;
class Store;

class TameRuleRow : public QWidget {
  Q_OBJECT

 public:
  TameRuleRow(Store& store, IconCache& icons, const std::string& key, const std::string& rule, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qel
