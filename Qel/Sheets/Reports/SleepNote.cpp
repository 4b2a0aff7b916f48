#include "Qel/Sheets/Reports/SleepNote.hpp"

#include <QVBoxLayout>

#include "Qel/History/WakeKind.hpp"
#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/AppearanceNotifier.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/NoteCard.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Kit/Widgets/TextButton.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

SleepNote::SleepNote(SleepState sleep, DayState day, NavigationState navigation, Navigator& navigator,
                     QWidget* parent)
    : QWidget(parent),
      sleep_(sleep),
      navigation_(navigation),
      navigator_(navigator),
      headline_(new PlainLabel({}, Type::body, QFont::DemiBold, Palette::primaryText(), this)),
      detail_(new PlainLabel({}, Type::body, QFont::Normal, Palette::secondaryText(), this)) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(Space::lines + Space::card, Space::l, Space::card, Space::l);
  column->setSpacing(Space::lines);
  headline_->setWordWrap(true);
  detail_->setWordWrap(true);
  column->addWidget(headline_);
  column->addWidget(detail_);
  column->addSpacing(Space::xxs);
  auto* report = new TextButton(qs(L("View sleep report")), Fonts::text(Type::body, QFont::Medium), this);
  report_ = report;
  column->addWidget(report_, 0, Qt::AlignLeft);
  connect(report_, &QAbstractButton::clicked, this, [this] {
    if (session_) navigator_.setSleepReport(session_);
  });
  // The sleep and wake shown are the ones of the ring's selected slot.
  follow(sleep_.changed() | day.changed() | navigation_.changed(), this, [this] { refresh(); });
  connect(Palette::notifier(), &AppearanceNotifier::qelAppearanceChanged, this, &SleepNote::refresh);
  refresh();
}

QString SleepNote::headline() const { return headline_->text(); }
QString SleepNote::detail() const { return detail_->text(); }

void SleepNote::refresh() {
  session_ = sleep_.selectedSleep();
  wake_ = session_ ? sleep_.selectedWake() : std::nullopt;
  static_cast<TextButton*>(report_)->setColor(accentText(navigation_.page()));
  if (!session_) return;
  const auto& clock = clockFormatter();
  const QString summary = qs(sleep_.sleepSummary(*session_));
  if (wake_) {
    headline_->setText(qs(L("%@  %@", {clock.string(wake_->date), WakeKind::classify(wake_->reason).title()})));
    QString reason = qs(displayName(wake_->reason));
    if (reason.isEmpty()) reason = summary;
    detail_->setMaximumHeight(detail_->fontMetrics().lineSpacing() * 2 + 2);  // two lines at most
    detail_->setText(reason);
  } else {
    headline_->setText(qs(L("Asleep from %@ to %@", {clock.string(session_->start), clock.string(session_->end)})));
    detail_->setMaximumHeight(QWIDGETSIZE_MAX);
    detail_->setText(summary);
  }
  update();
}

void SleepNote::paintEvent(QPaintEvent*) {
  paintNoteCard(this, wake_ ? Palette::warn() : Palette::tertiaryText().resolve());
}

}  // namespace qel
