#include "Qel/Sheets/SettingParts/SettingRow.hpp"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"

namespace qel {

namespace {

// Whether `widget` is the last shown item of its parent's layout: the card's own edge ends it.
bool lastShown(const QWidget* widget) {
  const QWidget* parent = widget->parentWidget();
  const QLayout* layout = parent ? parent->layout() : nullptr;
  if (!layout) return false;
  for (int i = layout->indexOf(widget) + 1; i > 0 && i < layout->count(); ++i)
    if (const QWidget* next = layout->itemAt(i)->widget(); next && !next->isHidden()) return false;
  return layout->indexOf(widget) >= 0;
}

}  // namespace

void paintHairline(QWidget* widget) {
  if (lastShown(widget)) return;
  QPainter p(widget);
  p.fillRect(QRect(0, widget->height() - 1, widget->width(), 1), Palette::adaptiveOpacity(0.05, 0.05).resolve());
}

SettingRow::SettingRow(const QString& title, const QString& detail, QWidget* control, QWidget* parent)
    : QWidget(parent),
      title_(new PlainLabel(title, Type::body, QFont::Medium, Palette::primaryText(), this)),
      detail_(new PlainLabel(detail, Type::footnote, QFont::Normal, Palette::tertiaryText(), this)),
      control_(control) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(Space::xl, Space::settingRowPadY, Space::xl, Space::settingRowPadY);
  row->setSpacing(Space::xl);
  auto* texts = new QVBoxLayout;
  texts->setSpacing(Space::lines);
  texts->addWidget(title_);
  detail_->setWordWrap(true);
  detail_->setVisible(!detail.isEmpty());
  texts->addWidget(detail_);
  row->addLayout(texts, 1);
  if (control_) {
    control_->setParent(this);
    row->addWidget(control_, 0, Qt::AlignVCenter);
  }
  Palette::followAppearance(this);
}

void SettingRow::setDetail(const QString& detail) {
  if (detail_->text() != detail) detail_->setText(detail);
  detail_->setVisible(!detail.isEmpty());
}

void SettingRow::paintEvent(QPaintEvent*) { paintHairline(this); }

}  // namespace qel
