#include "Qel/Sheets/Reports/FindingCard.hpp"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/Style/AppearanceNotifier.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/NoteCard.hpp"
#include "Qel/Kit/Widgets/PillButton.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Kit/Widgets/TextButton.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

constexpr int kBar = NoteCard::kStripe;

QString text(const char* key) { return QString::fromStdString(L(key)); }

}  // namespace

FindingCard::FindingCard(InsightState insights, ProcessState processes, NavigationState navigation,
                         Navigator& navigator, InsightActions& actions, QWidget* parent)
    : QWidget(parent),
      insights_(insights),
      processes_(processes),
      navigator_(navigator),
      actions_(actions),
      title_(new PlainLabel({}, Type::body, QFont::DemiBold, Palette::primaryText(), this)),
      detail_(new PlainLabel({}, Type::body, QFont::Normal, Palette::secondaryText(), this)) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(kBar, 0, 0, 0);
  row->setSpacing(0);
  auto* words = new QVBoxLayout;
  words->setContentsMargins(Space::card, Space::l, Space::card, Space::l);
  words->setSpacing(Space::lines);
  detail_->setWordWrap(true);
  title_->setWordWrap(true);
  words->addWidget(title_);
  words->addWidget(detail_);
  row->addLayout(words, 1);
  row->addSpacing(Space::m);
  auto* buttons = new QVBoxLayout;
  buttons->setContentsMargins(0, 0, Space::card, 0);
  buttons->setSpacing(Space::s);
  buttons->addStretch(1);
  view_ = new PillButton(text(Lkey("View")), Type::footnote, QFont::Medium, Palette::primaryText(),
                         Palette::adaptiveOpacity(0.08, 0.08), QSize(Space::l, Space::xs), this);
  auto* gotIt = new TextButton(text(Lkey("Got it")), Fonts::text(Type::footnote), this);
  gotIt->setColor(Palette::tertiaryText());
  gotIt_ = gotIt;
  buttons->addWidget(view_, 0, Qt::AlignHCenter);
  buttons->addWidget(gotIt_, 0, Qt::AlignHCenter);
  buttons->addStretch(1);
  row->addLayout(buttons);

  connect(view_, &QAbstractButton::clicked, this, [this] {
    if (runs()) navigator_.setDetailPID(finding_->pid);
  });
  connect(gotIt_, &QAbstractButton::clicked, this, [this] {
    if (const auto shown = finding_) actions_.dismiss(*shown);
  });
  follow(insights_.changed() | processes_.changed() | navigation.changed(), this, [this] { refresh(); });
  connect(Palette::notifier(), &AppearanceNotifier::qelAppearanceChanged, this, [this, gotIt] {
    gotIt->setColor(Palette::tertiaryText());
    update();
  });
  refresh();
}

void FindingCard::refresh() {
  const auto& findings = insights_.findings();
  show(findings.empty() ? std::nullopt : std::optional(findings.front()));
}

void FindingCard::show(const std::optional<Finding>& finding) {
  if (finding != finding_) {
    finding_ = finding;
    title_->setText(finding_ ? QString::fromStdString(displayName(finding_->title())) : QString());
    detail_->setText(finding_ ? QString::fromStdString(displayName(finding_->detail())) : QString());
    update();
  }
  view_->setVisible(runs());
}

bool FindingCard::runs() const {
  // The pid alone may belong to a newcomer by now.
  const auto proc = finding_ ? processes_.proc(finding_->pid) : std::nullopt;
  return proc && proc->startTime == finding_->startTime;
}

void FindingCard::paintEvent(QPaintEvent*) {
  const bool memory = finding_ && finding_->facts.isMemory;
  paintNoteCard(this, memory ? Palette::strain() : Palette::warn());
}

}  // namespace qel
