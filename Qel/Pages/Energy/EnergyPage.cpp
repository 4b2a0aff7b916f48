#include "Qel/Pages/Energy/EnergyPage.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/IconCache.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/Divider.hpp"
#include "Qel/Kit/Widgets/InfoRow.hpp"
#include "Qel/Kit/Widgets/PageHead.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Pages/Energy/DeviceBatteries.hpp"
#include "Qel/Pages/Energy/EnergyRing.hpp"
#include "Qel/Pages/Energy/LegendSwatch.hpp"
#include "Qel/Pages/Legend.hpp"
#include "Qel/Pages/Panel.hpp"
#include "Qel/Pages/SectionTitle.hpp"
#include "Qel/Pages/StatItem.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Store/Parts/Navigator.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

std::vector<std::int32_t> energyTopPids(const std::map<std::int32_t, std::vector<double>>& energyByPid) {
  std::vector<std::pair<std::int32_t, double>> sums;
  for (const auto& [pid, series] : energyByPid) {
    double sum = 0;
    for (double v : series)
      if (std::isfinite(v)) sum += v;
    sums.emplace_back(pid, sum);
  }
  std::stable_sort(sums.begin(), sums.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
  std::vector<std::int32_t> out;
  for (std::size_t i = 0; i < sums.size() && i < 5; ++i) out.push_back(sums[i].first);
  return out;
}

std::string powerNote(std::optional<double> power) {
  if (power) return L("Whole-computer power, measured by the battery.");
  return L("Measured energy isn't available. This is estimated from CPU usage.");
}

std::string energyName(const std::map<std::int32_t, std::string>& names, std::int32_t pid) {
  const auto it = names.find(pid);
  if (it != names.end() && !it->second.empty()) return displayName(it->second);
  return L("Process %@", {std::to_string(pid)});
}

namespace {

std::string watts(const std::optional<double>& w, int decimals) {
  if (!w || !std::isfinite(*w)) return L("Unavailable");
  return fixed(*w, decimals) + " W";
}

}  // namespace

BatteryTexts batteryTexts(const BatterySample& b) {
  BatteryTexts t;
  const std::string percent = std::to_string(b.percent) + "%";
  t.charge = b.present ? percent : L("No battery");
  t.source = b.present && !b.onAC ? L("On battery") : L("On AC power");
  t.runtimeNote = b.present ? percent + (b.charging ? L(", charging") : std::string()) : std::string();
  t.health = b.health ? std::to_string(*b.health) + "%" : L("Unavailable");
  t.cycles = b.cycles ? std::to_string(*b.cycles) : L("Unavailable");
  t.adapter = watts(b.charger.adapterWatts, 0);
  t.input = watts(b.charger.inputWatts, 1);
  t.charging = b.charging ? watts(b.charger.chargingWatts, 1) : L("Not charging");
  return t;
}

WakeRowFacts wakeRowFacts(const WakeHolder& holder, const std::optional<ProcInfo>& proc) {
  WakeRowFacts f;
  f.pid = holder.pid;
  f.published = proc.has_value();
  f.path = proc ? proc->path : std::string();
  if (proc && !proc->name.empty())
    f.name = displayName(proc->name);
  else if (!holder.name.empty())
    f.name = displayName(holder.name);
  else
    f.name = L("Process %@", {std::to_string(holder.pid)});
  f.detail = holder.displayOnly ? L("Keeping the display on")
                                : L("Keeps the computer awake when idle or with the lid closed");
  f.reason = displayName(holder.reason);
  return f;
}

struct EnergyPage::RuntimeShown {
  BatteryTexts texts;
  bool present{}, onAC{};
  std::optional<RuntimeForecast> forecast;
  bool operator==(const RuntimeShown&) const = default;
};

namespace {

// A panel's list: a vertical stack with 12 px at either side.
QVBoxLayout* listLayout(QWidget* holder) {
  auto* layout = new QVBoxLayout(holder);
  layout->setContentsMargins(Space::l, 0, Space::l, 0);
  layout->setSpacing(0);
  return layout;
}

PlainLabel* note(const QString& text, double size, QWidget* parent, int padding) {
  auto* label = new PlainLabel(text, size, QFont::Normal, Palette::tertiaryText(), parent);
  label->setWordWrap(true);
  label->setContentsMargins(0, padding, 0, padding);
  return label;
}

// A name in the legend under the ring: as wide as the legend's columns are meant to be, and cut
// with "…" to less only when the page has less room than that.
class LegendName final : public PlainLabel {
 public:
  LegendName(const QString& name, QWidget* parent)
      : PlainLabel(name, Type::footnote, QFont::Normal, Palette::tertiaryText(), parent) {
    setElided(true);
  }
  QSize sizeHint() const override {
    // The column less the swatch and its gap.
    return PlainLabel::sizeHint().expandedTo({kColumn - (LegendSwatch::kSide + Space::s), 0});
  }

  static constexpr int kColumn = 120;
};

QScrollArea* clearScroller(QWidget* content) {
  auto* scroll = new QScrollArea;
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->viewport()->setAutoFillBackground(false);
  scroll->setWidget(content);
  content->setAutoFillBackground(false);  // after setWidget, which turns it on
  return scroll;
}

}  // namespace

EnergyPage::EnergyPage(LiveState live, ProcessState processes, InsightState insights, NavigationState navigation,
                       Navigator& navigator, QWidget* parent)
    : QWidget(parent),
      live_(live),
      processes_(processes),
      insights_(insights),
      navigator_(navigator),
      icons_(std::make_unique<IconCache>(processes.apps())) {
  auto* page = Layouts::row(this, Space::page);
  page->addWidget(buildLeft(), 0, Qt::AlignTop);  // the headline keeps the place it has on every page
  page->addWidget(buildMiddle(), 1);
  page->addWidget(buildRight());

  follow(live_.changed() | processes_.changed() | insights_.changed() | navigation.changed(), this, [this] {
    if (isVisible()) refresh();
  });
  refresh();
}

EnergyPage::~EnergyPage() = default;

QWidget* EnergyPage::buildLeft() {
  auto* left = new QWidget(this);
  left->setFixedWidth(220);
  auto* layout = Layouts::column(left, Space::heroGap);
  head_ = new PageHead(qtL("Energy"), accentText(Page::energy), {}, {}, {}, Type::heroEnergy, left);
  layout->addWidget(head_);
  auto* stats = new QVBoxLayout;
  stats->setSpacing(Space::xxl);
  stats_ = {new StatItem(qtL("Charge"), {}, QStringLiteral("100%"), left),
            new StatItem(qtL("Power"), {}, {}, left),
            new StatItem(qtL("Thermal state"), {}, {}, left)};
  for (auto* s : stats_) stats->addWidget(s);
  layout->addLayout(stats);
  devices_ = new DeviceBatteries(left);
  layout->addWidget(devices_);
  return left;
}

QWidget* EnergyPage::buildMiddle() {
  auto* middle = new QWidget(this);
  auto* layout = Layouts::column(middle, Space::ml);
  ring_ = new EnergyRing(live_, middle);
  layout->addWidget(ring_, 1);
  legendGrid_ = new QWidget(middle);
  legendGrid_->setMaximumWidth(420);
  legendLayout_ = new QGridLayout(legendGrid_);
  Layouts::flush(legendLayout_);
  legendLayout_->setHorizontalSpacing(Space::l);
  legendLayout_->setVerticalSpacing(Space::s);
  layout->addWidget(legendGrid_, 0, Qt::AlignHCenter);
  caption_ = new Legend({}, middle);
  layout->addWidget(caption_);
  return middle;
}

QWidget* EnergyPage::buildRight() {
  auto* right = new QWidget;
  auto* layout = Layouts::column(right, Space::heroGap);
  layout->addStretch(1);

  wakeTitle_ = new SectionTitle(qtL("Preventing sleep"), {}, right);
  wakeList_ = new QWidget;
  wakeLayout_ = listLayout(wakeList_);
  wakeEmpty_ = note({}, Type::body, wakeList_, Space::ml);
  wakeLayout_->addWidget(wakeEmpty_);
  wakeLayout_->addStretch(1);
  wakeScroll_ = clearScroller(wakeList_);
  auto* wakePanel = new Panel(wakeScroll_, Space::m, right);
  auto* wake = new QVBoxLayout;
  wake->setSpacing(Space::l);
  wake->addWidget(wakeTitle_);
  wake->addWidget(wakePanel);
  layout->addLayout(wake);

  runtimeTitle_ = new SectionTitle(qtL("Runtime"), {}, right);
  runtimePanel_ = new Panel(nullptr, Space::m, right);
  auto* runtime = new QVBoxLayout;
  runtime->setSpacing(Space::l);
  runtime->addWidget(runtimeTitle_);
  runtime->addWidget(runtimePanel_);
  layout->addLayout(runtime);

  charger_ = new QWidget(right);
  auto* charger = Layouts::column(charger_, Space::l);
  charger->addWidget(new SectionTitle(qtL("Charger"), {}, charger_));
  auto* rows = new QWidget;
  auto* rowLayout = listLayout(rows);
  const auto value = Palette::secondaryText();
  notConnected_ = new InfoRow(qtL("Not connected"), {}, value, rows);
  rowLayout->addWidget(notConnected_);
  chargerRows_ = {new InfoRow(qtL("Adapter power"), {}, value, rows), new InfoRow(qtL("Current input"), {}, value, rows),
                  new InfoRow(qtL("Battery charging"), {}, value, rows)};
  chargerRows_[0]->setToolTip(qtL("Power the system reports for the connected adapter, not the current input."));
  for (std::size_t i = 0; i < chargerRows_.size(); ++i) {
    if (i > 0) {
      chargerDividers_.push_back(new Divider(rows));
      rowLayout->addWidget(chargerDividers_.back());
    }
    rowLayout->addWidget(chargerRows_[i]);
  }
  charger->addWidget(new Panel(rows, Space::m, charger_));
  layout->addWidget(charger_);
  layout->addStretch(1);

  // Scrolls rather than forcing the window taller when the three sections need more height.
  auto* scroll = clearScroller(right);
  scroll->setFixedWidth(300 + Space::l);
  right->setContentsMargins(0, 0, Space::l, 0);
  return scroll;
}

void EnergyPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  refresh();
}

void EnergyPage::refresh() {
  const BatterySample& battery = live_.battery();
  const BatteryTexts texts = batteryTexts(battery);
  const QString value = qs(fixed(presentDraw(live_), 1));
  if (head_->figure()->runs().empty() || head_->figure()->runs()[0].text != value)
    head_->setValue(value, QStringLiteral("W"));
  head_->setSub(qs(powerNote(live_.power())));
  stats_[0]->setValue(qs(texts.charge));
  stats_[1]->setValue(qs(texts.source));
  stats_[2]->setValue(qs(live_.thermalText()));
  devices_->setDevices(live_.bluetooth());

  const auto pids = energyTopPids(live_.energyByPid());
  ring_->refresh(pids);
  refreshLegend(pids);
  refreshWake();
  refreshRuntime();
  refreshCharger();
}

void EnergyPage::refreshLegend(const std::vector<std::int32_t>& pids) {
  std::vector<std::string> names;
  for (auto pid : pids) names.push_back(energyName(live_.energyNames(), pid));
  caption_->setText(qs(L("One turn is 60 seconds, with now at the top. Each bar is stacked by app. Gray is everything "
                         "else.") +
                       L(" Per-app energy is estimated from CPU usage.")));
  if (names == legendShown_) return;
  legendShown_ = names;
  while (auto* item = legendLayout_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  legendNames_.clear();
  for (std::size_t k = 0; k < names.size(); ++k) {
    auto* entry = new QWidget(legendGrid_);
    auto* row = Layouts::row(entry, Space::s);
    row->addWidget(new LegendSwatch(energyLayerColors()[k % 5], entry), 0, Qt::AlignVCenter);
    auto* name = new LegendName(qs(names[k]), entry);
    row->addWidget(name, 1);
    legendNames_.push_back(name);
    legendLayout_->addWidget(entry, int(k / 3), int(k % 3));
  }
}

void EnergyPage::refreshWake() {
  std::vector<WakeRowFacts> facts;
  for (const auto& holder : live_.wake()) facts.push_back(wakeRowFacts(holder, processes_.proc(holder.pid)));
  wakeTitle_->setTexts(qtL("Preventing sleep"),
                       facts.empty() ? QString() : qs(Ln("%n processes", facts.size())));
  wakeEmpty_->setText(!live_.wakeReadable() ? qtL("What is preventing sleep can't be read on this computer.")
                      : live_.battery().present
                          ? qtL("Nothing is preventing sleep. The computer will sleep normally when you close the lid.")
                          : qtL("Nothing is preventing sleep. The computer will sleep normally when it's left idle."));
  wakeEmpty_->setVisible(facts.empty());
  if (wakeShown_ != facts) {
    wakeShown_ = facts;
    for (auto* row : wakeRows_) delete row;
    wakeRows_.clear();
    for (const auto& f : facts) {
      const std::int32_t pid = f.pid;
      auto* row = new WakeRow(f, icons_->icon(f.path.empty() ? std::string("/bin/sh") : f.path),
                              [this, pid] { navigator_.setDetailPID(pid); }, wakeList_);
      wakeLayout_->insertWidget(wakeLayout_->count() - 1, row);
      wakeRows_.push_back(row);
    }
  }
  // The panel is as tall as its rows, up to 190 px with its padding; past that they scroll.
  const int width = 300 - 2 * Space::m;
  const int content = wakeList_->hasHeightForWidth() ? wakeList_->heightForWidth(width)
                                                     : wakeList_->sizeHint().height();
  wakeScroll_->setFixedHeight(std::min(content, 190 - 2 * Space::m));
}

void EnergyPage::refreshRuntime() {
  const BatterySample& battery = live_.battery();
  RuntimeShown shown{batteryTexts(battery), battery.present, battery.onAC,
                     battery.present ? insights_.runtimeForecast() : std::nullopt};
  runtimeTitle_->setTexts(qtL("Runtime"), qs(shown.texts.runtimeNote));
  if (runtimeShown_ && *runtimeShown_ == shown) return;
  runtimeShown_ = std::make_unique<RuntimeShown>(shown);

  auto* content = new QWidget;
  auto* layout = listLayout(content);
  const auto value = Palette::secondaryText();
  if (!shown.present) {
    // A sentence, not a label and its value: it wraps where a language makes it wider than the card.
    auto* none = new PlainLabel(qtL("This computer has no battery"), Type::body, QFont::Normal, Palette::primaryText(),
                                content);
    none->setWordWrap(true);
    none->setContentsMargins(0, Space::rowPadY, 0, Space::rowPadY);
    layout->addWidget(none);
  } else {
    if (!shown.forecast) {
      layout->addWidget(note(qtL("A runtime estimate isn't available yet."), Type::body, content, Space::ml));
    } else {
      auto* headline = new QWidget(content);
      auto* lines = Layouts::column(headline, Space::xxs);
      headline->setContentsMargins(0, Space::m, 0, Space::m);
      lines->addWidget(new PlainLabel(shown.onAC ? qtL("If you unplugged now, about") : qtL("At this rate, about"),
                                      Type::footnote, QFont::Normal, Palette::secondaryText(), headline));
      lines->addWidget(new PlainLabel(qs(fmtRuntime(shown.forecast->minutes)), Type::figure, QFont::Medium,
                                      Palette::primaryText(), headline));
      layout->addWidget(headline);
      for (const auto& gain : shown.forecast->gains) {
        layout->addWidget(new Divider(content));
        auto* row = new GainRow(gain, icons_->icon(gain.path), content);
        const std::int32_t pid = gain.pid;
        connect(row, &QAbstractButton::clicked, this, [this, pid] { navigator_.setDetailPID(pid); });
        layout->addWidget(row);
      }
      layout->addWidget(note(qs(L("Estimated from the average power over the last minute.") +
                                L(" Per-app energy is estimated from CPU usage.")),
                             Type::footnote, content, Space::m));
    }
    layout->addWidget(new Divider(content));
    layout->addWidget(new InfoRow(qtL("Health"), qs(shown.texts.health), value, content));
    layout->addWidget(new Divider(content));
    layout->addWidget(new InfoRow(qtL("Cycle count"), qs(shown.texts.cycles), value, content));
  }
  runtimePanel_->setContent(content);
  runtimeContent_ = content;
}

void EnergyPage::refreshCharger() {
  const BatterySample& battery = live_.battery();
  charger_->setVisible(battery.present);
  if (!battery.present) return;
  const BatteryTexts texts = batteryTexts(battery);
  notConnected_->setVisible(!battery.onAC);
  for (auto* row : chargerRows_) row->setVisible(battery.onAC);
  for (auto* divider : chargerDividers_) divider->setVisible(battery.onAC);
  chargerRows_[0]->setValue(qs(texts.adapter));
  chargerRows_[1]->setValue(qs(texts.input));
  chargerRows_[2]->setValue(qs(texts.charging));
}

}  // namespace qel
