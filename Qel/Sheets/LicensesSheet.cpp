#include "Qel/Sheets/LicensesSheet.hpp"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

QWidget* emptyBody() {
  auto* body = new QWidget;
  auto* column = new QVBoxLayout(body);
  column->setContentsMargins(Space::sheetWide, 0, Space::sheetWide, Space::sheetWide);
  column->setSpacing(Space::xxl);
  return body;
}

}  // namespace

LicensesSheet::LicensesSheet(NavigationState navigation, Navigator& navigator,
                             const std::vector<LicenseNotice>& notices, QWidget* parent)
    : SheetFrame(navigation, 560, {.title = qs(L("Open Source Licenses"))}, emptyBody(), 200,
                 [&navigator] { navigator.setShowingLicenses(false); }, parent),
      notices_(notices) {
  QWidget* body = scrollArea()->widget();
  auto* column = static_cast<QVBoxLayout*>(body->layout());
  auto* list = new QVBoxLayout;
  list->setSpacing(Space::l);
  for (std::size_t i = 0; i < notices_.size(); ++i) {
    auto* row = new NoticeRow(notices_[i], body);
    connect(row, &QAbstractButton::clicked, this, [this, i] { select(static_cast<int>(i)); });
    list->addWidget(row);
    rows_.push_back(row);
  }
  column->addLayout(list);
  text_ = new PlainLabel({}, Type::caption, QFont::Normal, Palette::secondaryText(), body);
  QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  mono.setPixelSize(Fonts::pixels(Type::caption));
  text_->setFont(mono);
  text_->setWordWrap(true);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  column->addWidget(text_);
  column->addStretch(1);
  select(0);
}

void LicensesSheet::select(int index) {
  if (index == selected_ || index < 0 || index >= static_cast<int>(notices_.size())) return;
  selected_ = index;
  for (std::size_t i = 0; i < rows_.size(); ++i) rows_[i]->setSelected(static_cast<int>(i) == index);
  text_->setText(qs(notices_[static_cast<std::size_t>(index)].text));
}

}  // namespace qel
