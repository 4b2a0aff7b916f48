#include "Qel/Window/Overview/OverviewPage.hpp"

#include <QHBoxLayout>
#include <QResizeEvent>
#include <QVBoxLayout>

#include <algorithm>

#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/FlowRow.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Kit/Widgets/PlainToolTip.hpp"
#include "Qel/Kit/Widgets/TextButton.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Window/AccentPill.hpp"
#include "Qel/Window/Overview/DayRingView.hpp"
#include "Qel/Window/Overview/EventNote.hpp"
#include "Qel/Window/Overview/MarkNote.hpp"
#include "Qel/Window/Overview/MetricRow.hpp"
#include "Qel/Window/Overview/RingControls.hpp"
#include "Qel/Window/Overview/RingLegend.hpp"
#include "Qel/Window/Overview/StatusChip.hpp"

namespace qel {

namespace {


void setTextIfChanged(PlainLabel* label, const QString& text) {
  if (label->text() != text) label->setText(text);
}

// The ring column's bounds: the ring's square from 320 to 440, with room for its side labels.
constexpr int kRingColumnMin = 320 + 2 * DayRingView::kBleed;
constexpr int kRingColumnMax = 440 + 2 * DayRingView::kBleed;

void setShown(QWidget* w, bool shown) {
  if (w && w->isVisibleTo(w->parentWidget()) != shown) w->setVisible(shown);
}

}  // namespace

OverviewPage::OverviewPage(const ViewContext& context, const ViewRegistry& registry, QWidget* parent)
    : QWidget(parent), context_(context), registry_(registry) {
  auto* columns = Layouts::flush(new QHBoxLayout(this));
  // 52 between the ring's square and the information; the ring's side labels use 44 of it.
  columns->setSpacing(Space::column - DayRingView::kBleed);
  ringColumn_ = buildRingColumn();
  infoColumn_ = buildInfoColumn();
  columns->addWidget(ringColumn_, 0, Qt::AlignTop);
  columns->addWidget(infoColumn_, 1);
  ringColumn_->installEventFilter(this);
  follow(context.everything, this, [this] { refresh(); });
  refresh();
}

QWidget* OverviewPage::buildRingColumn() {
  auto* column = new QWidget(this);
  column->setMinimumWidth(kRingColumnMin);
  column->setMaximumWidth(kRingColumnMax);
  column->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  auto* stack = Layouts::column(column, Space::m);
  ring_ = new DayRingView(context_, column);
  controls_ = new RingControls(context_, column);
  legend_ = new RingLegend(context_.day, column);
  baseline_ = new PlainLabel({}, Type::footnote, QFont::Normal, Palette::tertiaryText(), column);
  baseline_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  baseline_->setWordWrap(true);
  baseline_->setContentsMargins(DayRingView::kBleed, 0, DayRingView::kBleed, 0);
  stack->addWidget(ring_);
  stack->addWidget(controls_);
  stack->addWidget(legend_);
  stack->addWidget(baseline_);
  stack->addStretch(1);
  return column;
}

// The process table gets the width its header asks for first; the ring takes what is left,
// within its column's bounds (so in a small window the ring shrinks before any text is cut), and
// never less than the controls under it take with "Back to now" whole.
// The table asks for the same width whatever its count says, so the columns hold still as
// numbers change; the information above it wraps or shrinks to the width it is given.
void OverviewPage::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placeColumns();
}

bool OverviewPage::eventFilter(QObject* watched, QEvent* event) {
  // The controls ask for another width (a new day title, another language).
  if (watched == ringColumn_ && event->type() == QEvent::LayoutRequest) placeColumns();
  return QWidget::eventFilter(watched, event);
}

void OverviewPage::placeColumns() {
  const int wanted = table_ ? table_->sizeHint().width() : 0;
  const int least = std::max(kRingColumnMin, controls_->minimumSizeHint().width());
  const int ring = std::max(least, std::min(width() - layout()->spacing() - wanted, kRingColumnMax));
  if (ringColumn_->minimumWidth() != ring || ringColumn_->maximumWidth() != ring) ringColumn_->setFixedWidth(ring);
}

QWidget* OverviewPage::slot(const char* name, QVBoxLayout* into) {
  QWidget* view = registry_.makeSlot(name, context_, into->parentWidget());
  if (view) into->addWidget(view);
  return view;
}

QWidget* OverviewPage::buildInfoColumn() {
  auto* column = new QWidget(this);
  auto* info = Layouts::column(column, Space::heroGap);

  info->addWidget(buildStatus(column));

  finding_ = slot(OverviewSlot::finding, info);
  slot(OverviewSlot::memoryAdvice, info);

  // The selection note: an event, else a sleep, else marks.
  auto* noteBox = new QWidget(column);
  noteHolder_ = Layouts::flush(new QVBoxLayout(noteBox));
  sleepNote_ = slot(OverviewSlot::sleepNote, noteHolder_);
  info->addWidget(noteBox);

  info->addWidget(buildStretchLine(column));

  auto* rows = new QWidget(column);
  rowLayout_ = Layouts::column(rows, Space::xxs);
  info->addWidget(rows);

  table_ = registry_.makeSlot(OverviewSlot::processTable, context_, column);
  if (table_)
    info->addWidget(table_, 1);
  else
    info->addStretch(1);
  return column;
}

// The status: its title and detail, the chips and actions, and the line on the last long sleep.
QWidget* OverviewPage::buildStatus(QWidget* parent) {
  auto* status = new QWidget(parent);
  auto* statusStack = Layouts::column(status, Space::l);
  auto* headline = new QVBoxLayout;
  headline->setSpacing(Space::s);
  title_ = new PlainLabel({}, Type::status, QFont::DemiBold, Palette::primaryText(), status);
  detail_ = new PlainLabel({}, Type::callout, QFont::Normal, Palette::secondaryText(), status);
  detail_->setWordWrap(true);
  headline->addWidget(title_);
  headline->addWidget(detail_);
  statusStack->addLayout(headline);
  statusStack->addWidget(buildChips(status));
  sleepLine_ = slot(OverviewSlot::sleepLine, statusStack);
  return status;
}

// The chips, then the actions at the row's end; what doesn't fit goes on a line below.
QWidget* OverviewPage::buildChips(QWidget* parent) {
  chips_ = new QWidget(parent);
  chipLayout_ = new FlowRow(Space::m, Space::m, chips_);
  chipLayout_->setLastAtRightEnd(true);
  auto* actions = new QWidget(chips_);
  auto* actionRow = new QHBoxLayout(actions);
  actionRow->setContentsMargins(Space::m, 0, 0, 0);
  actionRow->setSpacing(Space::m);
  if (QWidget* stretch = registry_.makeSlot(OverviewSlot::stretchButton, context_, actions)) actionRow->addWidget(stretch);
  replay_ = new AccentPill("clock.arrow.circlepath", qs(L("Replay 60 s")), actions);
  replay_->setToolTip(plainToolTip(qs(L("What just happened: replay the last 60 seconds (Ctrl+Alt+E)"))));
  const ViewRegistry& registry = registry_;
  connect(replay_, &QAbstractButton::clicked, this, [&registry] { registry.replay(); });
  actionRow->addWidget(replay_);
  chipLayout_->addWidget(actions);
  return chips_;
}

// The selected stretch in a line, with its summary a click away.
QWidget* OverviewPage::buildStretchLine(QWidget* parent) {
  stretchLine_ = new QWidget(parent);
  auto* stretchRow = Layouts::row(stretchLine_, Space::m);
  stretchText_ = new PlainLabel({}, Type::body, QFont::Normal, Palette::secondaryText(), stretchLine_);
  stretchButton_ = new TextButton(qs(L("View summary")), Fonts::text(Type::body, QFont::Medium), stretchLine_);
  stretchRow->addWidget(stretchText_);
  stretchRow->addWidget(stretchButton_);
  stretchRow->addStretch(1);
  const StretchState stretches = context_.stretches;
  Navigator& navigator = context_.navigator;
  connect(stretchButton_, &QAbstractButton::clicked, this, [stretches, &navigator] {
    if (auto st = stretches.selectedStretch()) navigator.setStretchReport(std::move(st));
  });
  return stretchLine_;
}

void OverviewPage::refresh() {
  const ViewContext& c = context_;
  const StatusLine status = c.day.status();
  setTextIfChanged(title_, qs(status.title));
  if (title_->color() != color(status.level)) title_->setColor(color(status.level));
  setTextIfChanged(detail_, qs(status.detail));
  setTextIfChanged(baseline_, qs(c.day.baselineNote()));
  replay_->setPage(c.navigation.page());
  stretchButton_->setColor(accentText(c.navigation.page()));
  setShown(finding_, !c.insights.findings().empty());
  setShown(sleepLine_, c.sleep.lastSleep().has_value());
  refreshChips();
  refreshNote();
  refreshStretch();
  refreshRows();
}

void OverviewPage::refreshChips() {
  auto facts = statusChips(context_.live);
  if (facts == chipFacts_) return;
  chipFacts_ = std::move(facts);
  while (chipLayout_->count() > 1) {  // the actions stay last
    QLayoutItem* item = chipLayout_->takeAt(0);
    delete item->widget();
    delete item;
  }
  int at = 0;
  for (const auto& c : chipFacts_) chipLayout_->insertWidget(at++, new StatusChip(c.icon, c.text, c.tint, c.help, chips_));
}

void OverviewPage::refreshNote() {
  const DayState& day = context_.day;
  // The note is made again only when what it explains changes.
  std::string key;
  std::optional<DayEvent> event = day.selectedEvent();
  std::vector<DayMark> marks;
  bool sleep = false;
  if (event) {
    key = "event " + std::to_string(event->slot) + event->title + event->detail;
  } else if (context_.sleep.selectedSleep()) {
    sleep = true;
    key = "sleep";
  } else {
    marks = day.selectedMarks();
    for (const auto& m : marks) key += m.id() + ";";
  }
  setShown(sleepNote_, sleep);
  if (key != noteKey_) {
    noteKey_ = key;
    delete note_;
    note_ = nullptr;
    if (event)
      note_ = new EventNote(*event, day.slotLabel(event->slot), day.markBefore(*event), noteHolder_->parentWidget());
    else if (!marks.empty())
      note_ = new MarkNote(marks, noteHolder_->parentWidget());
    if (note_) noteHolder_->addWidget(note_);
  }
  // No note, no room for one: what follows keeps one gap below what stands above.
  setShown(noteHolder_->parentWidget(), note_ || (sleep && sleepNote_));
}

void OverviewPage::refreshStretch() {
  const auto st = context_.stretches.selectedStretch();
  setShown(stretchLine_, st.has_value());
  if (st) setTextIfChanged(stretchText_, qs(L("This moment is inside “%@”.", {st->name})));
}

void OverviewPage::refreshRows() {
  auto facts = qel::metricRows(context_.live, context_.day);
  std::vector<Page> pages;
  for (const auto& f : facts) pages.push_back(f.page);
  if (pages != rowPages_) {  // a GPU came or went
    for (auto* row : rows_) delete row;
    rows_.clear();
    rowPages_ = pages;
    Navigator& navigator = context_.navigator;
    for (const auto& f : facts) {
      const Page page = f.page;
      auto* row = new MetricRow(f.name, f.color, f.maxValue, [&navigator, page] {
        navigator.setPage(page);
        navigator.setSelectedSlot(std::nullopt);
      }, rowLayout_->parentWidget());
      rowLayout_->addWidget(row);
      // Tab meets the rows where they stand, before the process table made ahead of them.
      QWidget::setTabOrder(rows_.empty() ? static_cast<QWidget*>(stretchButton_) : rows_.back(), row);
      rows_.push_back(row);
    }
    double nameWidth = 0;
    for (auto* row : rows_) nameWidth = std::max(nameWidth, MetricRow::nameWidthFor(row->name()));
    for (auto* row : rows_) row->setNameWidth(nameWidth);
  }
  for (std::size_t i = 0; i < facts.size(); ++i) rows_[i]->setValues(std::move(facts[i].values), facts[i].text);
}

}  // namespace qel
