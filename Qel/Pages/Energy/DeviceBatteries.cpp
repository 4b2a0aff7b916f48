#include "Qel/Pages/Energy/DeviceBatteries.hpp"

#include <QGridLayout>
#include <QScrollArea>
#include <QVBoxLayout>

#include "Qel/Kit/Charts/BatteryGauge.hpp"
#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Widgets/PlainToolTip.hpp"
#include "Qel/Kit/Widgets/StableValue.hpp"
#include "Qel/Pages/SectionTitle.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {
constexpr int kVisibleDevices = 6;  // two rows; more scroll
}  // namespace

DeviceBatteries::DeviceBatteries(QWidget* parent) : QWidget(parent) {
  auto* layout = Layouts::column(this, Space::l);
  layout->addWidget(new SectionTitle(qtL("Device batteries"), {}, this));
  grid_ = new QWidget;
  grid_->setAutoFillBackground(false);
  gridLayout_ = new QGridLayout(grid_);
  gridLayout_->setContentsMargins(0, Space::xs, 0, Space::xs);
  gridLayout_->setHorizontalSpacing(Space::xl);
  gridLayout_->setVerticalSpacing(Space::card);
  gridLayout_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  scroll_ = new QScrollArea(this);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidgetResizable(true);
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  scroll_->viewport()->setAutoFillBackground(false);
  scroll_->setFixedHeight(182);
  scroll_->setToolTip(qtL("Scroll to see more devices."));
  layout->addWidget(scroll_);
  layout->addWidget(grid_);
  scroll_->hide();
  hide();
}

void DeviceBatteries::setDevices(const std::vector<BTDevice>& devices) {
  auto readings = deviceReadings(devices);
  if (readings == shown_) return;
  shown_ = std::move(readings);
  for (auto* ring : rings_) delete ring;
  rings_.clear();
  for (std::size_t i = 0; i < shown_.size(); ++i) {
    const auto& d = shown_[i];
    auto* ring = new DeviceBatteryRing(deviceWords(d.name), d.symbolName(), d.percent, grid_);
    gridLayout_->addWidget(ring, int(i / 3), int(i % 3));
    rings_.push_back(ring);
  }
  const bool scrolls = shown_.size() > std::size_t(kVisibleDevices);
  if (scrolls && scroll_->widget() != grid_) {
    layout()->removeWidget(grid_);
    scroll_->setWidget(grid_);
    grid_->setAutoFillBackground(false);
  } else if (!scrolls && scroll_->widget() == grid_) {
    scroll_->takeWidget();
    grid_->setParent(this);
    layout()->addWidget(grid_);
  }
  scroll_->setVisible(scrolls);
  grid_->show();
  setVisible(!shown_.empty());
}

}  // namespace qel
