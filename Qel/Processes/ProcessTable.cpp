#include "Qel/Processes/ProcessTable.hpp"

#include <QFontMetrics>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QVariantAnimation>

#include <algorithm>
#include <cmath>
#include <vector>

#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/IconCache.hpp"
#include "Qel/Processes/ActionBar.hpp"
#include "Qel/Processes/ColumnTitles.hpp"
#include "Qel/Processes/ProcessListView.hpp"
#include "Qel/Processes/ProcessRowDelegate.hpp"
#include "Qel/Processes/ProcessRowGeometry.hpp"
#include "Qel/Processes/ProcessTableModel.hpp"
#include "Qel/Store/Parts/Navigator.hpp"

#include "Qel/Kit/ListEngagement.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/Elision.hpp"
#include "Qel/Kit/Widgets/FlowRow.hpp"
#include "Qel/Kit/Widgets/PillSegment.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Kit/Widgets/SearchField.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

QString ProcessTable::countText(long long all, long long yours) {
  return qs(Ln("%n processes, %@ of them yours", all, {std::to_string(yours)}));
}

// The count's widest form up to four-digit counts (one for each plural form a language may use):
// the header, and the overview's columns that make room for it, hold still as processes come
// and go.
int ProcessTable::widestCount(const QFont& font) {
  const QFontMetrics metrics(font);
  int widest = 0;
  for (const long long n : {8881LL, 8882LL, 8888LL})
    widest = std::max(widest, metrics.horizontalAdvance(countText(n, 8888)));
  return widest;
}

ProcessTable::ProcessTable(ProcessState processes, NavigationState navigation, Navigator& navigator,
                           ProcessActions& actions, QWidget* parent)
    : QWidget(parent),
      processes_(processes),
      navigation_(navigation),
      navigator_(navigator),
      actions_(actions),
      icons_(std::make_unique<IconCache>(processes.apps())) {
  auto* stack = Layouts::column(this, Space::l);
  stack->addWidget(buildHeader());
  stack->addLayout(buildList(), 1);
  buildActionBar();

  follow(processes_.changed() | navigation_.changed(), this, [this] {
    if (isVisible()) refresh();
  });
  refresh();
}

ProcessTable::~ProcessTable() {
  // The list losing the focus as it goes would otherwise call back into a table half torn down.
  if (hold_) disconnect(hold_, nullptr, this, nullptr);
}

// The title with its count, and the sort and search at the end: below them where the column is
// too narrow for both.
QWidget* ProcessTable::buildHeader() {
  auto* header = new QWidget(this);
  auto* flow = new FlowRow(Space::ml, Space::ml, header);
  flow->setLastAtRightEnd(true);
  auto* named = new QWidget(header);
  auto* nameRow = Layouts::row(named, Space::ml);
  auto* title = new PlainLabel(qs(L("Running")), Type::headline, QFont::DemiBold, Palette::primaryText(), named);
  count_ = new PlainLabel({}, Type::footnote, QFont::Normal, Palette::tertiaryText(), named);
  count_->setMinimumWidth(widestCount(count_->font()));
  auto* tools = new QWidget(header);
  auto* toolRow = Layouts::row(tools, Space::ml);
  sort_ = new PillSegment(tools);
  sort_->setOptions<SortKey>({{SortKey::cpu, qs(L("By CPU"))}, {SortKey::mem, qs(L("By memory"))}},
                             [this] { return processes_.sort(); }, [this](const SortKey& k) { navigator_.setSort(k); });
  search_ = new SearchField(qs(L("Search processes")), 170, tools);
  search_->setObjectName("processSearch");
  search_->setText(qs(processes_.query()));
  connect(search_, &QLineEdit::textEdited, this, [this](const QString& text) { navigator_.setQuery(text.toStdString()); });
  nameRow->addWidget(title, 0, Qt::AlignBaseline);
  nameRow->addWidget(count_, 0, Qt::AlignBaseline);
  toolRow->addWidget(sort_, 0, Qt::AlignVCenter);
  toolRow->addWidget(search_, 0, Qt::AlignVCenter);
  flow->addWidget(named);
  flow->addWidget(tools);
  return header;
}

// The column titles over the rows.
QLayout* ProcessTable::buildList() {
  auto* block = new QVBoxLayout();
  block->setSpacing(0);
  block->addWidget(new ColumnTitles(this));
  model_ = new ProcessTableModel(this);
  list_ = new ProcessListView(*model_, this);
  delegate_ = new ProcessRowDelegate(
      *model_, *icons_, [this](std::int32_t pid) { return processes_.selection().count(pid) > 0; },
      [this] { return navigation_.page(); }, list_);
  list_->setItemDelegate(delegate_);
  list_->onToggle = [this](std::int32_t pid) {
    auto selection = processes_.selection();
    if (!selection.erase(pid)) selection.insert(pid);
    navigator_.setSelection(std::move(selection));
  };
  list_->onDetails = [this](std::int32_t pid) { navigator_.setDetailPID(pid); };
  letElide(list_->viewport());  // a long process name ends in "…"; the row's tool tip has it whole
  block->addWidget(list_, 1);
  // A click on a circle picks the row under the pointer: the order holds still while the
  // user is at the list, and catches up as the pointer leaves.
  hold_ = new ListEngagement(list_);
  connect(hold_, &ListEngagement::released, this, &ProcessTable::refresh);
  return block;
}

// The selection's action bar, floating over the bottom and sliding in and out.
void ProcessTable::buildActionBar() {
  bar_ = new ActionBar(processes_, navigation_, navigator_, actions_, this);
  auto* shadow = new QGraphicsDropShadowEffect(bar_);
  shadow->setBlurRadius(36);
  shadow->setOffset(0, 8);
  shadow->setColor(Palette::shadow(102 / 255.0));
  bar_->setGraphicsEffect(shadow);
  bar_->hide();
  barMotion_ = new QVariantAnimation(this);
  barMotion_->setEasingCurve(Motion::easeOut());
  connect(barMotion_, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
    barShown_ = v.toDouble();
    placeBar();
  });
  connect(barMotion_, &QVariantAnimation::finished, this, [this] {
    if (barShown_ <= 0) bar_->hide();
  });
}

void ProcessTable::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  refresh();
}

void ProcessTable::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placeBar();
}

void ProcessTable::placeBar() {
  const QSize size = bar_->sizeHint();
  const int restY = height() - 4 - size.height();
  const int y = int(std::lround(restY + (1 - barShown_) * (size.height() + 4)));
  bar_->setGeometry((width() - size.width()) / 2, y, size.width(), size.height());
}

// The bar floats over the list's bottom: a selected row it would cover is scrolled above it
// (the list runs on past its last row for this) as the bar comes or the selection grows.
void ProcessTable::keepSelectionClearOfBar() {
  clearedSelection_ = processes_.selection();
  const QRect viewport = list_->viewport()->geometry();
  const int viewportBottom = list_->viewport()->mapTo(this, QPoint(0, viewport.height())).y();
  const int barTop = height() - 4 - bar_->sizeHint().height() - 8;  // its place at rest, and a little air
  std::vector<int> tops;
  for (int row = 0; row < model_->rowCount(); ++row)
    if (clearedSelection_.contains(model_->proc(row).pid)) tops.push_back(row * int(ProcessRowGeometry::kHeight));
  QScrollBar* scroller = list_->verticalScrollBar();
  scroller->setValue(
      scrollClearingBand(tops, viewport.height(), viewportBottom - barTop, scroller->value(), scroller->maximum()));
}

void ProcessTable::refresh() {
  const std::vector<ProcInfo> visible =
      hold_ && hold_->engaged() ? model_->inShownOrder(processes_.visibleProcs()) : processes_.visibleProcs();
  model_->update(visible);
  list_->layOutNow();
  delegate_->dropStaleTip(*list_);
  // Every process is listed, other users' and the kernel's too (tagged System): the count says
  // how many of them are the user's, the ones End can reach.
  const auto yours = std::count_if(visible.begin(), visible.end(), [](const ProcInfo& p) { return !p.isSystem; });
  const QString count = countText(static_cast<long long>(visible.size()), yours);
  if (count_->text() != count) count_->setText(count);
  sort_->refresh();
  if (search_->text().toStdString() != processes_.query()) search_->setText(qs(processes_.query()));
  list_->setEmptyText(
      processes_.query().empty()
          ? qs(L("Reading processes…"))
          : qs(L("No process has “%@” in its name. Try another word, or clear the search field.", {processes_.query()})));
  list_->viewport()->update();  // the selection tint and circles follow the store

  const bool want = !processes_.selection().empty();
  if (want) bar_->refresh();
  if (want && processes_.selection() != clearedSelection_) keepSelectionClearOfBar();
  if (!want) clearedSelection_.clear();
  const double target = want ? 1 : 0;
  const bool moving = barMotion_->state() == QAbstractAnimation::Running;
  const double heading = moving ? barMotion_->endValue().toDouble() : barShown_;
  if (heading == target) {
    if (want) placeBar();
    return;
  }
  barMotion_->stop();
  if (want) {
    bar_->show();
    bar_->raise();
  }
  if (const int ms = Motion::duration(200); ms > 0) {
    barMotion_->setStartValue(barShown_);
    barMotion_->setEndValue(target);
    barMotion_->setDuration(ms);
    barMotion_->start();
  } else {
    barShown_ = target;
    placeBar();
    bar_->setVisible(want);
  }
}

}  // namespace qel
