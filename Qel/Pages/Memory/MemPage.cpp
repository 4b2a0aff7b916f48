#include "Qel/Pages/Memory/MemPage.hpp"

#include <QHBoxLayout>
#include <QScrollArea>
#include <QVBoxLayout>

#include <cmath>

#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/Divider.hpp"
#include "Qel/Kit/Widgets/InfoRow.hpp"
#include "Qel/Kit/Widgets/PageHead.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Kit/Widgets/WashBox.hpp"
#include "Qel/Pages/Legend.hpp"
#include "Qel/Pages/Memory/BubbleFieldView.hpp"
#include "Qel/Pages/Memory/MemoryAdviceCard.hpp"
#include "Qel/Pages/Memory/PressureGauge.hpp"
#include "Qel/Pages/Panel.hpp"
#include "Qel/Pages/SectionTitle.hpp"
#include "Qel/Pages/SegmentBar.hpp"
#include "Qel/Pages/StatItem.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

std::string memPressureText(double pressure) {
  if (pressure >= 85) return L("Memory has run short. Quit the apps using the most first.");
  if (pressure >= 60)
    return L("The system is compressing memory. Quitting apps you aren't using makes switching smoother.");
  return L("There's enough memory. Nothing to do.");
}

MemFigures memFigures(const MemSample& mem) {
  MemFigures f;
  f.used = mem.used();
  f.available = f.used < mem.total ? mem.total - f.used : 0;
  f.usedPercent = int(std::lround(std::min(mem.usedFraction() * 100, 1e6)));
  f.pressurePercent = std::isfinite(mem.pressure) ? int(std::lround(std::clamp(mem.pressure, -1e6, 1e6))) : 0;
  return f;
}

std::vector<double> memShares(const MemSample& mem) {
  if (mem.total == 0) return {};
  const double t = double(mem.total);
  return {double(mem.app) / t, double(mem.wired) / t, double(mem.compressed) / t};
}

namespace {

AdaptiveColor wiredColor() { return Palette::memWired(); }
AdaptiveColor compressedColor() { return Palette::memCompressed(); }
AdaptiveColor availableColor() { return Palette::adaptiveOpacity(0.2, 0.2); }

}  // namespace

MemPage::MemPage(LiveState live, ProcessState processes, InsightState insights, Navigator& navigator,
                 InsightActions& insightActions, ProcessActions& processActions, QWidget* parent)
    : QWidget(parent), live_(live) {
  auto* page = Layouts::column(this, Space::section);
  page->addLayout(buildHeader());
  auto* body = new QHBoxLayout;
  body->setSpacing(Space::column);
  body->addLayout(buildField(processes, navigator), 1);
  body->addWidget(buildSide(processes, insights, insightActions, processActions));
  page->addLayout(body, 1);

  follow(live_.changed() | processes.changed(), this, [this] {
    if (isVisible()) refresh();
  });
  refresh();
}

// The headline with the stats beside it.
QLayout* MemPage::buildHeader() {
  auto* header = new QHBoxLayout;
  header->setSpacing(Space::sheet);
  head_ = new PageHead(qtL("Memory"), accentText(Page::mem), {}, {}, {}, Type::hero, this);
  header->addWidget(head_, 1, Qt::AlignBottom);
  auto* stats = new QHBoxLayout;
  stats->setSpacing(Space::gutter);
  stats->setContentsMargins(0, 0, 0, Space::s);
  stats_ = {new StatItem(qtL("Used"), {}, QStringLiteral("00.0 GB"), this),
            new StatItem(qtL("Pressure"), {}, QStringLiteral("100%"), this),
            new StatItem(qtL("Swap"), {}, QStringLiteral("00.0 GB"), this)};
  for (auto* s : stats_) stats->addWidget(s, 0, Qt::AlignBottom);
  header->addLayout(stats);
  return header;
}

// The bubbles over their legend.
QLayout* MemPage::buildField(ProcessState processes, Navigator& navigator) {
  auto* left = new QVBoxLayout;
  left->setSpacing(Space::ml);
  field_ = new BubbleFieldView(live_, processes, navigator, this);
  left->addWidget(field_, 1);
  left->addWidget(new Legend(qtL("Each bubble is a process, sized by the memory it uses. Click a bubble for details "
                                 "or to quit it. The outer ring is memory pressure."),
                             this));
  return left;
}

// The advice card and the breakdown, scrolling where the window is short.
QWidget* MemPage::buildSide(ProcessState processes, InsightState insights, InsightActions& insightActions,
                            ProcessActions& processActions) {
  auto* column = new QWidget;
  column->setAutoFillBackground(false);
  auto* right = Layouts::column(column, Space::l);
  // The advice card shows and hides itself with the store's own limits.
  auto* holder = new QVBoxLayout;
  holder->setContentsMargins(0, 0, 0, Space::m);
  holder->addWidget(new MemoryAdviceCard(live_, processes, insights, insightActions, processActions, false, column));
  right->addLayout(holder);
  breakdownTitle_ = new SectionTitle(qtL("Memory breakdown"), {}, column);
  right->addWidget(breakdownTitle_);
  right->addWidget(buildBreakdown());
  right->addStretch(1);
  auto* scroll = new QScrollArea(this);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->viewport()->setAutoFillBackground(false);
  scroll->setWidget(column);
  column->setAutoFillBackground(false);
  scroll->setFixedWidth(340);
  return scroll;
}

QWidget* MemPage::buildBreakdown() {
  auto* content = new QWidget;
  auto* layout = Layouts::column(content, 0);
  bar_ = new SegmentBar({}, 10, content);
  layout->addWidget(bar_);
  layout->addSpacing(Space::m);
  const std::pair<const char*, AdaptiveColor> keys[] = {{Lkey("App memory"), Palette::mem()},
                                                        {Lkey("Kernel & locked"), wiredColor()},
                                                        {Lkey("Compressed"), compressedColor()},
                                                        {Lkey("Available"), availableColor()}};
  for (const auto& [label, color] : keys) {
    if (!keyRows_.empty()) layout->addWidget(new Divider(content));
    auto* row = new QHBoxLayout;
    row->setSpacing(Space::ml);
    auto* swatch = new WashBox(color, 3, content);
    swatch->setFixedSize(9, 9);
    row->addWidget(swatch);
    auto* info = new InfoRow(qtL(label), {}, Palette::secondaryText(), content);
    info->setContentsMargins(0, Space::infoPadY, 0, Space::infoPadY);
    keyRows_.push_back(info);
    row->addWidget(info, 1);
    layout->addLayout(row);
  }
  layout->addSpacing(Space::m);
  layout->addWidget(new Divider(content));
  layout->addSpacing(Space::m);
  layout->addWidget(new PlainLabel(qtL("Memory pressure"), Type::body, QFont::DemiBold, Palette::primaryText(), content));
  layout->addSpacing(Space::ml);
  gauge_ = new PressureGauge(content);
  layout->addWidget(gauge_);
  layout->addSpacing(Space::ml);
  gaugeText_ = new PlainLabel({}, Type::body, QFont::Normal, Palette::secondaryText(), content);
  gaugeText_->setWordWrap(true);
  layout->addWidget(gaugeText_);
  return new Panel(content, Space::section, this);
}

void MemPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  refresh();
}

void MemPage::refresh() {
  field_->takeItems();
  const MemSample& mem = live_.mem();
  const MemFigures f = memFigures(mem);
  const std::string verdict = memPressureText(mem.pressure);
  const QString value = QString::number(f.usedPercent);
  if (head_->figure()->runs().empty() || head_->figure()->runs()[0].text != value)
    head_->setValue(value, QStringLiteral("%"));
  head_->setSub(qs(verdict));
  stats_[0]->setValue(qs(fmtBytes(f.used)));
  stats_[1]->setValue(QString::number(f.pressurePercent) + QLatin1Char('%'));
  stats_[2]->setValue(qs(fmtBytes(mem.swapUsed)));

  breakdownTitle_->setTexts(qtL("Memory breakdown"), qs(L("%@ total", {fmtBytes(mem.total)})));
  const auto shares = memShares(mem);
  std::vector<SegmentBar::Segment> segments;
  if (!shares.empty()) segments = {{shares[0], Palette::mem()}, {shares[1], wiredColor()}, {shares[2], compressedColor()}};
  if (segments != bar_->segments()) bar_->setSegments(std::move(segments));
  const std::uint64_t bytes[] = {mem.app, mem.wired, mem.compressed, f.available};
  for (std::size_t i = 0; i < keyRows_.size(); ++i) keyRows_[i]->setValue(qs(fmtBytes(bytes[i])));
  gauge_->setValue(mem.pressure);
  gaugeText_->setText(qs(L("%@%. %@", {std::to_string(f.pressurePercent), verdict})));
}

}  // namespace qel
