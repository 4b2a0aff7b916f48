#include "Qel/Pages/Memory/MemoryAdviceCard.hpp"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/IconCache.hpp"
#include "Qel/Kit/PanelStyle.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PillButton.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Pages/Memory/MemoryAdviceRow.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Store/Parts/InsightActions.hpp"
#include "Qel/Store/Parts/ProcessActions.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
namespace {

// Suggestions that differ only in their figures keep their rows.
bool sameRows(const std::vector<MemSuggestion>& a, const std::vector<MemSuggestion>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].key != b[i].key || a[i].leaking != b[i].leaking) return false;
  return true;
}

}  // namespace

MemoryAdviceLook memoryAdviceLook(bool compact) {
  if (compact)
    return {.spacing = Space::m, .padding = Space::l, .heading = Type::body, .icon = 18, .button = Type::body,
            .buttonPadding = 7, .accent = PanelStyle::warmTint(), .muted = PanelStyle::greyTint(),
            .faint = PanelStyle::mutedTint(), .ink = AdaptiveColor(Palette::paper(), Palette::ink()),
            .paper = AdaptiveColor(Palette::ink(), Palette::paper())};
  return {.spacing = Space::l, .padding = Space::xl, .heading = Type::callout, .icon = 22, .button = Type::body,
          .buttonPadding = 9, .accent = Palette::warnText(), .muted = Palette::secondaryText(),
          .faint = Palette::tertiaryText(), .ink = Palette::ink(), .paper = Palette::paper()};
}

std::string memoryAdviceExplanation(bool anySuggested) {
  return anySuggested ? L("Quitting these apps you aren't using frees the most memory.")
                      : L("No background apps worth quitting. Most memory is used by the app you're using, or by the "
                          "system.");
}

std::string quitAllLabel(const std::vector<MemSuggestion>& suggestions) {
  std::uint64_t sum = 0;
  for (const auto& s : suggestions) sum = s.bytes > ~sum ? ~std::uint64_t{0} : sum + s.bytes;
  return Ln("Quit these %n and free about %@", suggestions.size(), {fmtBytes(sum)});
}

MemoryAdviceCard::MemoryAdviceCard(LiveState live, ProcessState processes, InsightState insights,
                                   InsightActions& insightActions, ProcessActions& processActions, bool compact,
                                   QWidget* parent)
    : QWidget(parent),
      insights_(insights),
      insightActions_(insightActions),
      processActions_(processActions),
      compact_(compact),
      look_(memoryAdviceLook(compact)),
      icons_(std::make_unique<IconCache>(processes.apps())) {
  setObjectName(compact ? QStringLiteral("qel.memoryAdvice.compact") : QStringLiteral("qel.memoryAdvice"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(look_.padding, look_.padding, look_.padding, look_.padding);
  layout->setSpacing(look_.spacing);
  auto* header = new QVBoxLayout;
  header->setSpacing(Space::xxs);
  header->addWidget(new PlainLabel(qs(L("Memory is tight")), look_.heading, QFont::DemiBold, look_.accent, this));
  explanation_ = new PlainLabel({}, Type::footnote, QFont::Normal, look_.muted, this);
  explanation_->setWordWrap(true);
  header->addWidget(explanation_);
  layout->addLayout(header);
  rowsLayout_ = new QVBoxLayout;
  rowsLayout_->setSpacing(look_.spacing);
  layout->addLayout(rowsLayout_);
  auto* all = new PillButton({}, look_.button, QFont::DemiBold, look_.ink, look_.paper, QSize(Space::l, look_.buttonPadding),
                             this);
  all->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  quitAll_ = all;
  layout->addWidget(quitAll_);
  connect(quitAll_, &QAbstractButton::clicked, this, [this] {
    std::vector<std::string> keys;
    for (const auto& s : suggestions_) keys.push_back(s.key);
    processActions_.quitApps(keys);
  });
  Palette::followAppearance(this);
  follow(insights_.changed() | processes.changed() | live.changed(), this, [this] { refresh(); });
  refresh();
}

MemoryAdviceCard::~MemoryAdviceCard() = default;

QAbstractButton* MemoryAdviceCard::quitButton(std::size_t row) const {
  return row < rows_.size() ? rows_[row]->quit() : nullptr;
}

PlainLabel* MemoryAdviceCard::leakLine(std::size_t row) const {
  return row < rows_.size() ? rows_[row]->leak() : nullptr;
}

void MemoryAdviceCard::refresh() {
  // The full card comes and goes with the store's own limits; the panel decides for the compact one.
  if (!compact_) {
    const bool wanted = insightActions_.memoryAdviceWanted();
    if (parentWidget()) setVisible(wanted);
    if (!wanted) return;
  }
  auto now = insights_.memorySuggestions();
  const bool rebuild = !sameRows(now, suggestions_);
  suggestions_ = std::move(now);
  explanation_->setText(qs(memoryAdviceExplanation(!suggestions_.empty())));
  if (rebuild) {
    rebuildRows();
  } else {
    for (std::size_t i = 0; i < rows_.size(); ++i) rows_[i]->setSuggestion(suggestions_[i]);
  }
  quitAll_->setText(qs(quitAllLabel(suggestions_)));
  quitAll_->setAccessibleName(quitAll_->text());
  quitAll_->setVisible(suggestions_.size() >= 2);
  quitAll_->updateGeometry();
}

void MemoryAdviceCard::rebuildRows() {
  for (auto* row : rows_) delete row;
  rows_.clear();
  for (const auto& s : suggestions_) {
    auto* row = new MemoryAdviceRow(s, look_, *icons_, processActions_, this);
    rowsLayout_->addWidget(row);
    rows_.push_back(row);
  }
}

void MemoryAdviceCard::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor fill = Palette::withAlpha(look_.accent.resolve(), 0.10);
  const QColor edge = Palette::withAlpha(look_.accent.resolve(), 0.25);
  const double r = look_.padding;
  // The outline is drawn inside the card's edge.
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(rect()), r, r);
  p.setPen(QPen(edge, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), r - 0.5, r - 0.5);
}

}  // namespace qel
