#include "Qel/Window/Overview/RingControls.hpp"

#include <QHBoxLayout>
#include <QLabel>

#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PillSegment.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Kit/Widgets/PlainToolTip.hpp"
#include "Qel/Kit/Widgets/RoundGlyphButton.hpp"
#include "Qel/Kit/Widgets/TextButton.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {
QString text(const char* key) { return QString::fromStdString(L(key)); }
}  // namespace

void RingControls::setMode(Navigator& navigator, RingMode mode) {
  if (mode == RingMode::live) {
    navigator.setSelectedSlot(std::nullopt);
    navigator.showDay(std::nullopt);
  }
  navigator.setRingMode(mode);
  navigator.setSelectedSlot(std::nullopt);
}

RingControls::RingControls(const ViewContext& context, QWidget* parent)
    : QWidget(parent), day_(context.day), navigation_(context.navigation), navigator_(context.navigator) {
  setFixedHeight(28);
  // Made first, so Tab meets it first, as it stands before the row.
  export_ = new RoundGlyphButton("square.and.arrow.up", Type::tick, text(Lkey("Export this day as an image")), this);
  row_ = new QWidget(this);
  auto* row = Layouts::row(row_, Space::card);

  mode_ = new PillSegment(row_);
  const DayState day = day_;
  Navigator& navigator = navigator_;
  mode_->setOptions<RingMode>({{RingMode::live, text(Lkey("60 s"))}, {RingMode::day, text(Lkey("Day"))}},
                              [day] { return day.ringMode(); },
                              [&navigator](const RingMode& m) { setMode(navigator, m); });
  row->addWidget(mode_, 0, Qt::AlignVCenter);

  stepper_ = new QWidget(row_);
  auto* steps = Layouts::row(stepper_, Space::s);
  previous_ = new RoundGlyphButton("chevron.left", Type::tick, text(Lkey("Previous day")), stepper_);
  title_ = new PlainLabel({}, Type::body, QFont::Medium, Palette::primaryText(), stepper_);
  title_->setAlignment(Qt::AlignCenter);
  title_->setMinimumWidth(72);
  next_ = new RoundGlyphButton("chevron.right", Type::tick, text(Lkey("Next day")), stepper_);
  steps->addWidget(previous_);
  steps->addWidget(title_);
  steps->addWidget(next_);
  QSizePolicy keep = stepper_->sizePolicy();
  keep.setRetainSizeWhenHidden(true);  // invisible in live mode, yet in its place
  stepper_->setSizePolicy(keep);
  row->addWidget(stepper_, 0, Qt::AlignVCenter);
  connect(previous_, &QAbstractButton::clicked, this, [&navigator] { navigator.stepDay(-1); });
  connect(next_, &QAbstractButton::clicked, this, [&navigator] { navigator.stepDay(1); });
  connect(export_, &QAbstractButton::clicked, this, [day, &navigator] { navigator.setExporting(day.posterData()); });

  back_ = new TextButton(text(Lkey("Back to now")), Fonts::text(Type::footnote, QFont::Medium), this);
  back_->setAccessibleName(text(Lkey("Back to now")));
  connect(back_, &QAbstractButton::clicked, this, [&navigator] {
    navigator.setSelectedSlot(std::nullopt);
    navigator.showDay(std::nullopt);
  });

  follow(context.day.changed() | context.navigation.changed(), this, [this] { refresh(); });
  refresh();
}

void RingControls::refresh() {
  const bool day = day_.ringMode() == RingMode::day;
  stepper_->setVisible(day);
  export_->setVisible(day);
  if (day) {
    previous_->setEnabled(day_.canStepDay(-1));
    next_->setEnabled(day_.canStepDay(1));
    const QString title = QString::fromStdString(day_.dayTitle(day_.viewDay()));
    if (title != title_->text()) {
      title_->setText(title);
      place();
    }
  }
  back_->setVisible(day_.selectedSlot() || day_.viewDay());
  back_->setColor(accentText(navigation_.page()));
  if (day_.ringMode() != shownMode_) {
    shownMode_ = day_.ringMode();
    mode_->refresh();
  }
}

void RingControls::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  place();
}

// The switch and stepper centred; the export button 14 before their leading edge and "Back to
// now" 14 beyond their trailing edge, so neither moves them. Where the words don't fit beside
// them, the button says just "Now".
void RingControls::place() {
  const QSize row = row_->sizeHint();
  const int x = (width() - row.width()) / 2;
  row_->setGeometry(x, (height() - row.height()) / 2, row.width(), row.height());
  const QSize exportSize = export_->sizeHint();
  export_->setGeometry(x - Space::card - exportSize.width(), (height() - exportSize.height()) / 2, exportSize.width(),
                       exportSize.height());
  const int left = x + row.width() + Space::card - 4;
  back_->setText(text(Lkey("Back to now")));
  if (left + back_->sizeHint().width() > width()) back_->setText(text(Lkey("Now")));
  const QSize back = back_->sizeHint();
  back_->setGeometry(left, (height() - back.height()) / 2, back.width(), back.height());
  back_->setToolTip(back_->text() == text(Lkey("Back to now")) ? QString() : plainToolTip(text(Lkey("Back to now"))));
}

}  // namespace qel
