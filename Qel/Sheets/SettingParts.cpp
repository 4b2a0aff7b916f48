#include "Qel/Sheets/SettingParts.hpp"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "Qel/Kit/FocusRing.hpp"
#include "Qel/Kit/ChoiceBox.hpp"
#include "Qel/Kit/Fonts.hpp"
#include "Qel/Kit/Legible.hpp"
#include "Qel/Kit/Palette.hpp"
#include "Qel/Kit/PlainLabel.hpp"

namespace qel {

TabBody::TabBody(QWidget* parent) : QWidget(parent), column_(new QVBoxLayout(this)) {
  column_->setContentsMargins(24, 0, 24, 20);
  column_->setSpacing(20);
}

void TabBody::sync() {
  for (const auto& s : syncs_) s();
}

SettingGroup::SettingGroup(QWidget* parent) : QWidget(parent), column_(new QVBoxLayout(this)) {
  column_->setContentsMargins(0, 0, 0, 0);
  column_->setSpacing(0);
  Palette::followAppearance(this);
}

void SettingGroup::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::adaptiveOpacity(0.045, 0.045).resolve());
  p.drawRoundedRect(QRectF(rect()), 12, 12);
}

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
      title_(new PlainLabel(title, 13, QFont::Medium, Palette::primaryText(), this)),
      detail_(new PlainLabel(detail, 12, QFont::Normal, Palette::tertiaryText(), this)),
      control_(control) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(16, 13, 16, 13);
  row->setSpacing(16);
  auto* texts = new QVBoxLayout;
  texts->setSpacing(3);
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

Switch::Switch(const QString& accessibleName, QWidget* parent) : QAbstractButton(parent) {
  setCheckable(true);
  setFixedSize(sizeHint());
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setAccessibleName(accessibleName);
  Palette::followAppearance(this);
}

void Switch::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  if (!isEnabled()) p.setOpacity(0.45);
  const QRectF track = QRectF(rect()).adjusted(1, 1, -1, -1);
  const double r = track.height() / 2;
  p.setPen(focusRingShown(this) ? QPen(Palette::secondaryText().resolve(), 1.5) : Qt::NoPen);
  p.setBrush(isChecked() ? Palette::calmDeep() : Palette::adaptiveOpacity(0.14, 0.16).resolve());
  p.drawRoundedRect(track, r, r);
  const double knob = track.height() - 4;
  const double x = isChecked() ? track.right() - 2 - knob : track.left() + 2;
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(x, track.top() + 2, knob, knob));
}

Switch* boundSwitch(TabBody* body, const QString& name, std::function<bool()> get, std::function<void(bool)> set) {
  auto* s = new Switch(name, body);
  auto sync = [s, get] {
    if (s->isChecked() != get()) s->setChecked(get());
  };
  sync();
  body->onSync(sync);
  QObject::connect(s, &QAbstractButton::clicked, s, [set, sync](bool on) {
    set(on);
    sync();  // a setter may refuse or do something else: show what the store holds
  });
  return s;
}

QComboBox* boundChoice(TabBody* body, const QString& name, int width,
                       std::vector<std::pair<std::string, QString>> entries, std::function<std::string()> get,
                       std::function<void(const std::string&)> set, int separatorAfter) {
  auto* box = new ChoiceBox(12.5, body);
  box->setAccessibleName(name);
  box->setFixedWidth(width);
  std::vector<std::string> values;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (static_cast<int>(i) == separatorAfter) box->insertSeparator(box->count());
    box->addItem(entries[i].second, static_cast<int>(values.size()));
    values.push_back(entries[i].first);
  }
  auto sync = [box, values, get] {
    const std::string now = get();
    int index = -1;
    for (int i = 0; i < box->count(); ++i) {
      const QVariant v = box->itemData(i);
      if (v.isValid() && values[static_cast<std::size_t>(v.toInt())] == now) index = i;
    }
    if (box->currentIndex() != index) box->setCurrentIndex(index);
  };
  sync();
  body->onSync(sync);
  // `activated` comes only from the user, so re-reading the store never writes.
  QObject::connect(box, &QComboBox::activated, box, [box, values, set, sync](int index) {
    const QVariant v = box->itemData(index);
    if (v.isValid()) set(values[static_cast<std::size_t>(v.toInt())]);
    sync();
  });
  return box;
}

WashButton::WashButton(const QString& text, double pixelSize, QWidget* parent)
    : QAbstractButton(parent),
      text_(Palette::primaryText()),
      fill_(Palette::adaptiveOpacity(0.10, 0.10)),
      pixelSize_(pixelSize) {
  setText(text);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  Palette::followAppearance(this);
}

void WashButton::setColors(AdaptiveColor text, AdaptiveColor fill) {
  text_ = std::move(text);
  fill_ = std::move(fill);
  update();
}

void WashButton::setBold(bool on) {
  if (bold_ == on) return;
  bold_ = on;
  updateGeometry();
  update();
}

QSize WashButton::sizeHint() const {
  const QFontMetrics m(Fonts::text(pixelSize_, QFont::DemiBold));
  return {m.horizontalAdvance(text()) + 24, m.height() + 10};
}

void WashButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75);
  p.setPen(focusRingShown(this) ? QPen(Palette::secondaryText().resolve(), 1.5) : Qt::NoPen);
  p.setBrush(fill_.resolve());
  p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
  p.setFont(Fonts::text(pixelSize_, bold_ ? QFont::DemiBold : QFont::Medium));
  // The words stay readable on their wash, however pale the colour asked for.
  p.setPen(Legible::text(text_.resolve(), Legible::over(Legible::ground(), fill_.resolve())));
  p.drawText(rect(), Qt::AlignCenter, text());
}

}  // namespace qel
