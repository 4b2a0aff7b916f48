#include "Qel/Updates/UpdateNotices.hpp"

#include <QEvent>
#include <QHBoxLayout>

#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/CapsuleButton.hpp"
#include "Qel/Kit/Widgets/PlainToolTip.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Updates/Updater.hpp"

namespace qel {

namespace {
QString text(std::string_view key, const std::vector<std::string>& args = {}) {
  return QString::fromStdString(L(key, args));
}
}  // namespace

UpdateNotices::UpdateNotices(Updater& updater, QWidget* parent)
    : QWidget(parent),
      updater_(updater),
      update_(new CapsuleButton("arrow.down.circle.fill", Type::body, {}, this)),
      whatsNew_(new CapsuleButton("sparkles", Type::footnote, {}, this)) {
  auto* row = Layouts::row(this, Space::s);  // as the top bar's own items stand
  row->addWidget(update_);
  row->addWidget(whatsNew_);
  connect(update_, &QAbstractButton::clicked, this, [this] { updater_.attend(); });
  connect(whatsNew_, &QAbstractButton::clicked, this, [this] {
    // Seen first, so the button goes as the sheet opens and does not come back.
    updater_.setWhatsNewSeen(true);
    updater_.setShowingWhatsNew(true);
  });
  connect(&updater_, &Updater::changed, this, &UpdateNotices::refresh);
  for (CapsuleButton* b : {update_, whatsNew_}) connect(b, &CapsuleButton::gone, this, &UpdateNotices::refresh);
  refresh();
}

void UpdateNotices::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) refresh();
}

void UpdateNotices::refresh() {
  const auto& available = updater_.available();
  update_->setPresent(available.has_value());
  if (available) {
    update_->setText(text(Lkey("Update to %@"), {available->toStdString()}));
    update_->setBrief(*available);  // short of room, the version alone beside the arrow
  }
  update_->setToolTip(plainToolTip(text(Lkey("A new version of Qel is ready. Click to open its download page."))));
  whatsNew_->setPresent(updater_.whatsNewIsUnseen() && !updater_.whatsNewSeen());
  whatsNew_->setText(text(Lkey("What's new")));
  whatsNew_->setToolTip(plainToolTip(text(Lkey("Qel was updated. See what changed."))));
  update_->updateGeometry();
  whatsNew_->updateGeometry();
  setVisible(!update_->isHidden() || !whatsNew_->isHidden());  // no gap in the bar for nothing
}

}  // namespace qel
