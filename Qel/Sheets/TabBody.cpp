#include "Qel/Sheets/TabBody.hpp"


namespace qel {

TabBody::TabBody(QWidget* parent) : QWidget(parent), column_(new QVBoxLayout(this)) {
  column_->setContentsMargins(24, 0, 24, 20);
  column_->setSpacing(20);
}

void TabBody::sync() {
  for (const auto& s : syncs_) s();
}

}  // namespace qel
