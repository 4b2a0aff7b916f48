#include "Qel/Pages/CPU/CPUPage.hpp"

#include <QHBoxLayout>
#include <QScrollArea>
#include <QVBoxLayout>

#include <limits>

#include "Qel/Kit/Charts/Sparkline.hpp"
#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/IconCache.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/BaselineRow.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Pages/CPU/BarStatItem.hpp"
#include "Qel/Pages/CPU/CoreFlowerGeometry.hpp"
#include "Qel/Pages/CPU/CoreFlowerView.hpp"
#include "Qel/Pages/Legend.hpp"
#include "Qel/Pages/Panel.hpp"
#include "Qel/Pages/ProcLists.hpp"
#include "Qel/Pages/RollingFigure.hpp"
#include "Qel/Pages/SectionTitle.hpp"
#include "Qel/Pages/TopRow.hpp"
#include "Qel/Store/Parts/Navigator.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

std::string cpuSubline(double load, const std::optional<ProcInfo>& top, const std::string& chipName) {
  const std::string loadText = withNumber("Load average %.2f", load).toStdString();
  if (top && top->cpu >= 1.0) return L("%@, %@ is using the most", {loadText, top->name});
  return L("%@, %@", {loadText, chipName});
}

namespace {

QWidget* row(QWidget* parent, const std::vector<QWidget*>& items, int spacing) {
  auto* holder = new QWidget(parent);
  auto* layout = Layouts::row(holder, spacing);
  layout->addStretch(1);
  for (auto* item : items) layout->addWidget(item);
  layout->addStretch(1);
  return holder;
}

constexpr int kTopCount = 8;

}  // namespace

CPUPage::CPUPage(LiveState live, ProcessState processes, Navigator& navigator, QWidget* parent)
    : QWidget(parent),
      live_(live),
      processes_(processes),
      navigator_(navigator),
      icons_(std::make_unique<IconCache>(processes.apps())) {
  auto* page = Layouts::row(this, Space::column);

  auto* left = new QVBoxLayout;
  left->setSpacing(Space::heroGap);
  left->addWidget(buildHeadline());
  left->addWidget(buildStats());
  left->addWidget(buildHistory());
  left->addWidget(buildTopList(), 1);
  page->addLayout(left, 1);

  auto* right = new QWidget(this);
  right->setMinimumWidth(320);
  right->setMaximumWidth(480);
  auto* column = Layouts::column(right, Space::ml);
  flower_ = new CoreFlowerView(live_, right);
  caption_ = new Legend({}, right);
  column->addWidget(flower_, 1);
  column->addWidget(caption_);
  page->addWidget(right, 1);

  follow(live_.changed() | processes_.changed(), this, [this] {
    if (isVisible()) refresh();
  });
  refresh();
}

CPUPage::~CPUPage() = default;

QWidget* CPUPage::buildHeadline() {
  auto* head = new QWidget(this);
  auto* column = Layouts::column(head, Space::xs);
  column->addWidget(new PlainLabel(qtL("CPU"), Type::callout, QFont::DemiBold, accentText(Page::cpu), head));
  percent_ = new RollingFigure(Fonts::text(Type::hero, QFont::Light), Palette::primaryText(), QStringLiteral("100"), head);
  percent_->setUnit(QStringLiteral("%"), Fonts::text(Type::unit), Palette::secondaryText());
  column->addWidget(percent_);
  subline_ = new PlainLabel({}, Type::callout, QFont::Normal, Palette::secondaryText(), head);
  subline_->setWordWrap(true);
  column->addWidget(subline_);
  return head;
}

QWidget* CPUPage::buildStats() {
  auto* holder = new QWidget(this);
  auto* column = Layouts::column(holder, Space::ml);
  stats_ = {new BarStatItem(qtL("User"), 0, Palette::cpu(), holder),
            new BarStatItem(qtL("System"), 0, Palette::strain(), holder),
            new BarStatItem(qtL("Idle"), 1, Palette::tertiaryText(), holder)};
  column->addWidget(row(holder, {stats_[0], stats_[1], stats_[2]}, Space::m));
  const QColor pale = Palette::withAlpha(Palette::cpu(), 0.6);
  auto* performance = new BarStatItem(qtL("Performance"), 0, Palette::cpu(), holder);
  auto* efficiency = new BarStatItem(qtL("Efficiency"), 0, pale, holder);
  stats_.push_back(performance);
  stats_.push_back(efficiency);
  groupRow_ = row(holder, {performance, efficiency}, Space::m);
  column->addWidget(groupRow_);
  return holder;
}

QWidget* CPUPage::buildHistory() {
  auto* holder = new QWidget(this);
  auto* column = Layouts::column(holder, Space::l);
  auto* titles = new QHBoxLayout;
  titles->setSpacing(Space::ml);
  titles->addWidget(new SectionTitle(qtL("Last 60 seconds"), qtL("All cores combined"), holder), 1, Qt::AlignBottom);
  counts_ = new BaselineRow(Space::ml, holder);
  titles->addWidget(counts_, 0, Qt::AlignBottom);
  column->addLayout(titles);
  history_ = new Sparkline(Palette::cpu(), 1.0);
  history_->setFixedHeight(84);
  column->addWidget(new Panel(history_, Space::xl, holder));
  return holder;
}

QWidget* CPUPage::buildTopList() {
  auto* holder = new QWidget(this);
  auto* column = Layouts::column(holder, Space::l);
  column->addWidget(new SectionTitle(qtL("Using the most"), qtL("Click a name for details"), holder));
  auto* scroll = new QScrollArea;
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->viewport()->setAutoFillBackground(false);
  auto* rows = new QWidget;
  rows->setAutoFillBackground(false);
  auto* list = Layouts::column(rows, 0);
  list->addStretch(1);
  rows_ = std::make_unique<KeyedRows<TopRow, ProcInfo, ProcKey>>(
      list, 0, rows,
      KeyedRows<TopRow, ProcInfo, ProcKey>::Hooks{
          .key = keyOf,
          .make = [this](const ProcInfo& p) { return new TopRow(processes_, navigator_, *icons_, p); },
          .update = [](TopRow& row, const ProcInfo& p) { row.setProc(p); },
      });
  scroll->setWidget(rows);
  rows->setAutoFillBackground(false);  // the scroll area turns it on; the panel shows through
  column->addWidget(new Panel(scroll, Space::m, holder), 1);
  return holder;
}

void CPUPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  refresh();
}

void CPUPage::refresh() {
  const CPUSample& cpu = live_.cpu();
  const ChipInfo& chip = live_.chip();
  percent_->setText(QString::fromStdString(wholeNumber(cpu.total * 100)));
  subline_->setText(QString::fromStdString(cpuSubline(live_.load(), processes_.topProc(), chipWords(chip.model))));

  stats_[0]->setFraction(cpu.user);
  stats_[1]->setFraction(cpu.system);
  stats_[2]->setFraction(std::max(0.0, 1 - cpu.total));
  groupRow_->setVisible(chip.efficiencyCores > 0);
  if (chip.efficiencyCores > 0) {
    const CoreGroups& groups = live_.cores().groups;
    stats_[3]->setFraction(groups.performance);
    stats_[4]->setFraction(groups.efficiency);
  }

  const QString count = QString::fromStdString(Ln("%n processes", processes_.procs().size()));
  const QString load = withNumber("Load %.2f", live_.load());
  if (counts_->runs().size() != 2 || counts_->runs()[0].text != count || counts_->runs()[1].text != load)
    counts_->setRuns({{count, Fonts::text(Type::footnote), Palette::tertiaryText()},
                      {load, Fonts::text(Type::footnote), Palette::tertiaryText()}});
  if (history_->values() != live_.cpuHist()) history_->setValues(live_.cpuHist());

  const auto top = topProcs(processes_.procs(), [](const ProcInfo& p) { return p.cpu; },
                            -std::numeric_limits<double>::infinity(), kTopCount);
  rows_->show(top);

  caption_->setText(chip.efficiencyCores < 1
                        ? qtL("Each bar is a logical core. The contrasting segment on it marks its recent peak. The "
                              "center shows the system thermal state.")
                        : qtL("Each bar is a core. The contrasting segment on it marks its recent peak. The center "
                              "shows the system thermal state."));
  flower_->refresh();
}

}  // namespace qel
