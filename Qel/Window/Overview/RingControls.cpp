#include "Qel/Window/Overview/RingControls.hpp"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>

#include <algorithm>

#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PillSegment.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
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

  row_->installEventFilter(this);  // its width follows the day's title once the title's layout has run
  follow(context.day.changed() | context.navigation.changed(), this, [this] { refresh(); });
  refresh();
}

bool RingControls::eventFilter(QObject* watched, QEvent* event) {
  if (watched == row_ && event->type() == QEvent::LayoutRequest) place();
  return QWidget::eventFilter(watched, event);
}

void RingControls::refresh() {
  const bool day = day_.ringMode() == RingMode::day;
  stepper_->setVisible(day);
  export_->setVisible(day);
  if (day) {
    previous_->setEnabled(day_.canStepDay(-1));
    next_->setEnabled(day_.canStepDay(1));
    const QString title = QString::fromStdString(day_.dayTitle(day_.viewDay()));
    if (title != title_->text()) title_->setText(title);
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

// Where "Back to now" stands: 14 beyond the row's trailing edge, less the room its focus ring
// keeps around the words.
int RingControls::backGap() { return Space::card - 4; }

QSize RingControls::minimumSizeHint() const {
  // The export button before the row and "Back to now" after it, whole.
  return {Space::card + export_->sizeHint().width() + row_->sizeHint().width() + backGap() +
              back_->sizeHint().width(),
          28};
}

QSize RingControls::sizeHint() const { return minimumSizeHint(); }

// The switch and stepper centred; the export button 14 before their leading edge and "Back to
// now" 14 beyond their trailing edge, so neither moves them. Where the words would run past the
// edge the row stands further left, as far as the export button leaves room: it stands there
// whether or not the words show, so the switch never moves when a moment is picked.
void RingControls::place() {
  const QSize row = row_->sizeHint();
  const QSize exportSize = export_->sizeHint();
  const int centred = (width() - row.width()) / 2;
  const int clear = width() - row.width() - backGap() - back_->sizeHint().width();
  const int x = std::max(Space::card + exportSize.width(), std::min(centred, clear));
  row_->setGeometry(x, (height() - row.height()) / 2, row.width(), row.height());
  export_->setGeometry(x - Space::card - exportSize.width(), (height() - exportSize.height()) / 2, exportSize.width(),
                       exportSize.height());
  const QSize back = back_->sizeHint();
  back_->setGeometry(x + row.width() + backGap(), (height() - back.height()) / 2, back.width(), back.height());
  if (minimumSizeHint() != placedFor_) {
    placedFor_ = minimumSizeHint();
    updateGeometry();  // the column makes room for it all
  }
}

}  // namespace qel
