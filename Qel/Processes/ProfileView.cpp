#include "Qel/Processes/ProfileView.hpp"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/Divider.hpp"
#include "Qel/Kit/Widgets/InfoRow.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Platform/Desktop/AppRegistry.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Processes/HoursRing.hpp"
#include "Qel/Processes/MemoryChart.hpp"
#include "Qel/Processes/NoteBox.hpp"
#include "Qel/Store/Parts/InsightActions.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

// Bytes for the average memory: whole bytes, nothing below zero or beyond what fits.
std::uint64_t wholeBytes(double bytes) {
  if (!(bytes > 0)) return 0;
  if (bytes >= double(std::numeric_limits<std::uint64_t>::max())) return std::numeric_limits<std::uint64_t>::max();
  return std::uint64_t(std::floor(bytes));
}

}  // namespace

ProfileView::ProfileView(DayState day, InsightActions& insights, const ProcInfo& proc, QWidget* parent)
    : QWidget(parent), day_(day), insights_(insights), proc_(proc), column_(new QVBoxLayout(this)) {
  Layouts::flush(column_)->setSpacing(Space::xl);
  load(proc_.appKey);
  build();
}

void ProfileView::load(const std::string& key) {
  // Only an application has stored hours; anything else is not looked up at all.
  if (isAppKey(key)) profile_ = insights_.profile(key);
  state_ = profileState(key, profile_);
}

void ProfileView::build() {
  if (state_ == ProfileState::noProfile) {
    column_->addWidget(note(noProfileNote(proc_.isSystem)));
    return;
  }
  if (state_ == ProfileState::tooLittle) {
    column_->addWidget(note(
        {L("Not enough history yet"), L("The profile fills in after Qel has seen this app on two different days.")}));
    return;
  }
  const std::string day = profile_.change ? day_.shortDay(profile_.change->day) : std::string();
  column_->addWidget(note(changeNote(profile_.change, day)));
  column_->addWidget(memorySection());
  column_->addWidget(hoursSection());
  column_->addWidget(facts());
}

QWidget* ProfileView::note(const ProfileNote& text) { return new NoteBox(text, this); }

QWidget* ProfileView::memorySection() {
  auto* box = new QWidget(this);
  auto* column = Layouts::column(box, Space::s);
  auto* header = new QHBoxLayout;
  header->setSpacing(Space::m);
  header->addWidget(
      new PlainLabel(qs(L("Memory, last 30 days")), Type::footnote, QFont::Normal, Palette::secondaryText(), box));
  header->addStretch(1);
  if (profile_.change) {
    auto* caption = new PlainLabel(qs(L("Dashed line: updated to %@", {displayName(profile_.change->version)})),
                                   Type::footnote, QFont::Normal, Palette::tertiaryText(), box);
    caption->setMinimumWidth(1);  // a long version gives way rather than widen the sheet
    header->addWidget(caption, 0, Qt::AlignRight);
  }
  column->addLayout(header);
  column->addWidget(new MemoryChart(profile_, box));
  return box;
}

QWidget* ProfileView::hoursSection() {
  auto* box = new QWidget(this);
  auto* row = Layouts::row(box, Space::xl);
  row->addWidget(new HoursRing(profile_.hours, box), 0, Qt::AlignVCenter);
  auto* words = new QVBoxLayout;
  words->setSpacing(Space::xs);
  words->addStretch(1);
  words->addWidget(
      new PlainLabel(qs(L("When it is most active")), Type::body, QFont::DemiBold, Palette::primaryText(), box));
  auto* busiest =
      new PlainLabel(qs(busiestText(profile_.busiest)), Type::body, QFont::Normal, Palette::secondaryText(), box);
  busiest->setWordWrap(true);
  words->addWidget(busiest);
  words->addStretch(1);
  row->addLayout(words, 1);
  return box;
}

QWidget* ProfileView::facts() {
  auto* box = new QWidget(this);
  auto* column = Layouts::column(box);
  const auto row = [&](const std::string& label, const std::string& value) {
    if (column->count() > 0) column->addWidget(new Divider(box));
    column->addWidget(new InfoRow(qs(L(label)), qs(value), Palette::secondaryText(), box));
  };
  const double cpu = profile_.avgCPU;
  row(Lkey("CPU while running, average"), std::isfinite(cpu) ? fixed(cpu, 1) + "%" : fixed(cpu, 1));
  row(Lkey("Memory, average"), fmtBytes(wholeBytes(profile_.avgMem)));
  if (profile_.energyShare) row(Lkey("Share of all apps' energy"), fmtPercent(*profile_.energyShare));
  row(Lkey("Days it ran"), std::to_string(profile_.days.size()));
  return box;
}

}  // namespace qel
