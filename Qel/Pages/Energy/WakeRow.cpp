#include "Qel/Pages/Energy/WakeRow.hpp"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <cmath>

#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

constexpr int kIcon = 22;

}  // namespace

WakeRow::WakeRow(const WakeRowFacts& facts, const QIcon& icon, std::function<void()> details, QWidget* parent)
    : QWidget(parent) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, Space::ml, 0, Space::ml);
  row->setSpacing(Space::ml);
  auto* image = new QLabel(this);
  image->setPixmap(icon.pixmap(kIcon, kIcon));
  image->setFixedSize(kIcon, kIcon);
  row->addWidget(image, 0, Qt::AlignTop);

  auto* texts = new QVBoxLayout;
  texts->setSpacing(Space::xxs);
  name_ = new PlainLabel(qs(facts.name), Type::body, QFont::Medium, Palette::primaryText(), this);
  texts->addWidget(name_);
  auto* detail = new PlainLabel(qs(facts.detail), Type::footnote, QFont::Normal, Palette::tertiaryText(), this);
  detail->setWordWrap(true);
  texts->addWidget(detail);
  if (!facts.reason.empty()) {
    auto* reason = new PlainLabel(qs(facts.reason), Type::footnote, QFont::Normal, Palette::tertiaryText(), this);
    reason->setWordWrap(true);
    // At most two lines.
    reason->setMaximumHeight(2 * QFontMetrics(reason->font()).lineSpacing());
    texts->addWidget(reason);
  }
  row->addLayout(texts, 1);
  if (facts.published) {
    details_ = new DetailsButton(qtL("Details"), this);
    connect(details_, &QAbstractButton::clicked, this, [details = std::move(details)] { details(); });
    row->addWidget(details_, 0, Qt::AlignTop);
  }
}

}  // namespace qel
