#include "Qel/Sheets/SettingParts/TabBody.hpp"

#include "Qel/Kit/Style/Spacing.hpp"

namespace qel {

TabBody::TabBody(QWidget* parent) : QWidget(parent), column_(new QVBoxLayout(this)) {
  column_->setContentsMargins(Space::sheet, 0, Space::sheet, Space::section);
  column_->setSpacing(Space::section);
}

void TabBody::sync() {
  for (const auto& s : syncs_) s();
}

}  // namespace qel
