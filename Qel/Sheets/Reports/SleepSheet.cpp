#include "Qel/Sheets/Reports/SleepSheet.hpp"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Kit/Widgets/WashBox.hpp"
#include "Qel/Sheets/Reports/SleepBatteryChart.hpp"
#include "Qel/Sheets/Reports/SleepReport.hpp"
#include "Qel/Sheets/SheetFrame.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Text/Unbreakable.hpp"

namespace qel {

namespace {

QString text(std::string_view key, const std::vector<std::string>& args = {}) { return qs(L(key, args)); }

constexpr int kWakeListHeight = 178;

// A figure on a faint tile: a small caption over the value.
QWidget* figure(const QString& caption, const QString& value, QWidget* parent) {
  auto* tile = new WashBox(Palette::adaptiveOpacity(0.045, 0.045), 10, parent);
  auto* column = new QVBoxLayout(tile);
  column->setContentsMargins(Space::l, Space::ml, Space::l, Space::ml);
  column->setSpacing(Space::lines);
  column->addWidget(new PlainLabel(caption, Type::footnote, QFont::Normal, Palette::tertiaryText(), tile));
  column->addWidget(new PlainLabel(value, Type::title2, QFont::DemiBold, Palette::primaryText(), tile));
  return tile;
}

QWidget* wakeRow(const SleepWake& wake, QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* line = new QHBoxLayout(row);
  line->setContentsMargins(0, Space::rowPadY, 0, Space::rowPadY);
  line->setSpacing(Space::l);
  auto* time =
      new PlainLabel(qs(clockFormatter().string(wake.date)), Type::body, QFont::Medium, Palette::primaryText(), row);
  time->setFixedWidth(44);
  line->addWidget(time, 0, Qt::AlignTop);
  auto* words = new QVBoxLayout;
  words->setSpacing(Space::hair);
  words->addWidget(new PlainLabel(qs(WakeKind::classify(wake.reason).title()), Type::body, QFont::Medium,
                                  Palette::primaryText(), row));
  auto* detail =
      new PlainLabel(qs(SleepReport::wakeDetail(wake)), Type::footnote, QFont::Normal, Palette::tertiaryText(), row);
  detail->setWordWrap(true);
  detail->setMaximumHeight(detail->fontMetrics().lineSpacing() * 2 + 2);
  words->addWidget(detail);
  line->addLayout(words, 1);
  line->addSpacing(Space::m);
  if (wake.charge)
    line->addWidget(
        new PlainLabel(QString::number(*wake.charge) + u'%', Type::body, QFont::Normal, Palette::secondaryText(), row), 0,
        Qt::AlignTop);
  return row;
}

}  // namespace

SleepSheet::SleepSheet(SleepState sleep, NavigationState navigation, Navigator& navigator, const SleepSession& session,
                       QWidget* parent)
    : ReportSheet(navigation, text(Lkey("Sleep report")), std::nullopt, qs(SleepReport::headline(session)),
                  text(Lkey("Linux logs when the computer slept and woke, but not which app asked it to wake.")),
                  [&navigator] { navigator.setSleepReport(std::nullopt); }, parent),
      sleep_(sleep),
      session_(session) {
  buildSubtitle();
  buildFigures();
  if (const auto kind = SleepReport::mainKind(session_)) buildCause(*kind);
  buildWakes();
  if (const auto holders = SleepReport::holdersLine(session_)) {
    auto* line = new PlainLabel(qs(*holders), Type::body, QFont::Normal, Palette::secondaryText(), this);
    line->setWordWrap(true);
    blocks()->addWidget(line);
  }
}

// From when to when it slept, and how its cost compares with the usual.
void SleepSheet::buildSubtitle() {
  const auto& clock = clockFormatter();
  QString sub = text(Lkey("Asleep from %@ to %@"), {clock.string(session_.start), clock.string(session_.end)});
  if (const auto usual = SleepReport::usualLine(session_, sleep_.usualDropPerHour(session_)))
    sub += u' ' + qs(*usual);
  subtitle_ = new PlainLabel(sub, Type::body, QFont::Normal, Palette::secondaryText(), this);
  subtitle_->setWordWrap(true);
  titles()->addWidget(subtitle_);
}

// The three figures and the charge through the night.
void SleepSheet::buildFigures() {
  auto* figures = new QHBoxLayout;
  figures->setSpacing(Space::m);
  figures->addWidget(figure(text(Lkey("Time asleep")), qs(fmtDuration(SleepReport::minutesAsleep(session_))), this), 1);
  figures->addWidget(figure(text(Lkey("Battery used")), qs(SleepReport::batteryUsed(session_)), this), 1);
  figures->addWidget(figure(text(Lkey("Wakes")), QString::number(session_.wakes.size()), this), 1);
  blocks()->addLayout(figures);

  if (session_.chargeStart && session_.chargeEnd) blocks()->addWidget(new SleepBatteryChart(session_, this));
}

// The main cause of the wakes, with advice.
void SleepSheet::buildCause(const WakeKind& kind) {
  auto* card = new WashBox(Palette::adaptiveOpacity(0.045, 0.045), 12, this);
  card->setAccentBar(Palette::warn());
  auto* row = new QHBoxLayout(card);
  row->setContentsMargins(Space::lines, 0, 0, 0);  // clear of the accent bar
  row->setSpacing(0);
  auto* words = new QVBoxLayout;
  words->setContentsMargins(Space::card, Space::l, Space::card, Space::l);
  words->setSpacing(Space::lines);
  words->addWidget(new PlainLabel(qs(kind.title()), Type::body, QFont::DemiBold, Palette::primaryText(), card));
  // The commands it names wrap as one word.
  auto* advice =
      new PlainLabel(qs(keepCommandsWhole(kind.advice())), Type::body, QFont::Normal, Palette::secondaryText(), card);
  advice->setWordWrap(true);
  words->addWidget(advice);
  row->addLayout(words, 1);
  blocks()->addWidget(card);
}

void SleepSheet::buildWakes() {
  auto* wakes = new QVBoxLayout;
  wakes->setSpacing(Space::m);
  wakes->addWidget(
      new PlainLabel(text(Lkey("What woke it")), Type::callout, QFont::DemiBold, Palette::primaryText(), this));
  if (session_.wakes.empty()) {
    // The kernel's log keeps no dark wakes, so an empty list would not mean that nothing happened.
    auto* none = new PlainLabel(text(Lkey("Linux does not log dark wakes, so no wakes are listed for this sleep.")),
                                Type::body, QFont::Normal, Palette::tertiaryText(), this);
    none->setWordWrap(true);
    wakes->addWidget(none);
  } else {
    auto* box = new QWidget(this);
    auto* boxLayout = Layouts::flush(new QVBoxLayout(box));
    // The wash is the list's own: the scroll area's viewport would cover one behind it.
    auto* list = new WashBox(Palette::adaptiveOpacity(0.045, 0.045), 12);
    auto* rows = new QVBoxLayout(list);
    rows->setContentsMargins(Space::card, 0, Space::card, 0);
    rows->setSpacing(0);
    for (const auto& w : session_.wakes) rows->addWidget(wakeRow(w, list));
    // As tall as its rows up to its cap, then it scrolls.
    auto* scroll = new FittedScrollArea(list, kWakeListHeight, kWakeListHeight, box);
    boxLayout->addWidget(scroll);
    wakeList_ = scroll;
    wakes->addWidget(box);
  }
  blocks()->addLayout(wakes);
}

QString SleepSheet::subtitle() const { return subtitle_->text(); }

}  // namespace qel
