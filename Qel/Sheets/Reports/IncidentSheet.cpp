#include "Qel/Sheets/Reports/IncidentSheet.hpp"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/IconCache.hpp"
#include "Qel/Kit/InitialFocusClearer.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PillButton.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Kit/Widgets/RoundGlyphButton.hpp"
#include "Qel/Kit/Widgets/WashBox.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Sheets/Reports/IncidentChart.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Text/Unbreakable.hpp"

namespace qel {

namespace {

QString text(std::string_view key, const std::vector<std::string>& args = {}) {
  return QString::fromStdString(L(key, args));
}

// A percentage rounded half away from zero; a dash where the engine gave no number.
std::string percent(double value) {
  return std::isfinite(value) ? std::to_string(std::llround(value)) : std::string("–");
}

QLabel* wrapped(QLabel* label) {
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

std::string culpritDetail(const Culprit& culprit) {
  const std::string age = culprit.peakSecondsAgo < 1 ? L("just now")
                                                     : L("%@ s ago", {std::to_string(culprit.peakSecondsAgo)});
  return L("Peak %@% (%@), average %@%", {percent(culprit.peak), age, percent(culprit.average)});
}

IncidentSheet::IncidentSheet(LiveState live, ProcessState processes, NavigationState navigation,
                             Navigator& navigator, const Incident& incident, QWidget* parent)
    : ReportSheet(navigation, text(Lkey("What just happened")), accentText(Page::cpu),
                  QString::fromStdString(keepFiguresWithUnits(displayName(incident.headline))),
                  text(Lkey("Press Ctrl+Alt+E any time to replay the last 60 seconds.")),
                  [&navigator] { navigator.setIncident(std::nullopt); }, parent),
      live_(live),
      processes_(processes),
      navigator_(navigator),
      incident_(incident),
      icons_(std::make_unique<IconCache>(processes.apps())) {
  auto* replay = new QVBoxLayout;
  replay->setSpacing(Space::s);
  const auto cores = static_cast<int>(live_.cpu().perCore.size());
  chart_ = new IncidentChart(incident_, cores, this);
  replay->addWidget(chart_);
  auto* times = new QHBoxLayout;
  times->addWidget(new PlainLabel(text(Lkey("60 s ago")), Type::caption, QFont::Normal, Palette::tertiaryText(), this));
  times->addStretch(1);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(incident_.date.time_since_epoch()).count();
  const QString pressed = QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("HH:mm:ss"));
  times->addWidget(new PlainLabel(text(Lkey("Pressed at %@"), {pressed.toStdString()}), Type::caption, QFont::Normal,
                                  Palette::tertiaryText(), this));
  replay->addLayout(times);
  blocks()->addLayout(replay);

  auto* lines = new QVBoxLayout;
  lines->setSpacing(Space::s);
  for (const auto& line : incident_.lines)
    lines->addWidget(wrapped(new PlainLabel(QString::fromStdString(keepFiguresWithUnits(displayName(line))), Type::body, QFont::Normal,
                                            Palette::secondaryText(), this)));
  blocks()->addLayout(lines);

  if (!incident_.culprits.empty()) {
    auto* box = new WashBox(Palette::adaptiveOpacity(0.045, 0.045), 12, this);
    auto* rows = new QVBoxLayout(box);
    rows->setContentsMargins(Space::card, 0, Space::card, 0);
    rows->setSpacing(0);
    for (std::size_t k = 0; k < incident_.culprits.size(); ++k)
      rows->addWidget(culpritRow(incident_.culprits[k], static_cast<int>(k), box));
    blocks()->addWidget(box);
  }
  follow(live_.changed() | processes_.changed(), this, [this] { refreshRows(); });
  refreshRows();
}

IncidentSheet::~IncidentSheet() = default;

QWidget* IncidentSheet::culpritRow(const Culprit& culprit, int index, QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* line = new QHBoxLayout(row);
  line->setContentsMargins(0, Space::ml, 0, Space::ml);
  line->setSpacing(Space::ml);
  auto* swatch = new WashBox(culpritColor(index), 2, row);
  swatch->setFixedSize(8, 8);
  line->addWidget(swatch, 0, Qt::AlignVCenter);
  auto* icon = new QLabel(row);
  icon->setFixedSize(22, 22);
  iconLabels_.push_back(icon);
  line->addWidget(icon, 0, Qt::AlignVCenter);
  auto* words = new QVBoxLayout;
  words->setSpacing(Space::hair);
  auto* name = new PlainLabel(QString::fromStdString(displayName(culprit.name)), Type::body, QFont::Medium,
                              Palette::primaryText(), row);
  name->setMinimumWidth(1);
  words->addWidget(name);
  words->addWidget(new PlainLabel(QString::fromStdString(culpritDetail(culprit)), Type::footnote, QFont::Normal,
                                  Palette::tertiaryText(), row));
  line->addLayout(words, 1);
  line->addSpacing(Space::m);
  auto* view = new PillButton(text(Lkey("View")), Type::footnote, QFont::Medium, Palette::primaryText(),
                              Palette::adaptiveOpacity(0.08, 0.08), QSize(Space::l, Space::xs), row);
  auto* ended = new PlainLabel(text(Lkey("Ended")), Type::footnote, QFont::Normal, Palette::tertiaryText(), row);
  line->addWidget(view, 0, Qt::AlignVCenter);
  line->addWidget(ended, 0, Qt::AlignVCenter);
  views_.push_back(view);
  ended_.push_back(ended);
  const auto pid = culprit.pid;
  connect(view, &QAbstractButton::clicked, this, [this, pid] { openProcess(pid); });
  return row;
}

void IncidentSheet::refreshRows() {
  for (std::size_t k = 0; k < views_.size(); ++k) {
    const auto proc = processes_.proc(incident_.culprits[k].pid);
    views_[k]->setVisible(proc.has_value());
    ended_[k]->setVisible(!proc);
    const QIcon icon = proc ? icons_->forProcess(proc->appKey, proc->path) : icons_->icon({});
    iconLabels_[k]->setPixmap(icon.pixmap(QSize(22, 22), devicePixelRatioF()));
  }
}

void IncidentSheet::openProcess(std::int32_t pid) {
  Navigator& navigator = navigator_;
  // The detail sheet follows once this one has gone; the window the sheets stand over waits for it.
  QWidget* owner = window()->parentWidget() ? window()->parentWidget()->window() : window();
  closeSheet();
  QTimer::singleShot(400, owner, [&navigator, pid] { navigator.setDetailPID(pid); });
}

}  // namespace qel
