#include "Qel/Sheets/Settings/RuleRow.hpp"

#include <QComboBox>
#include <QGraphicsOpacityEffect>
#include <QSlider>
#include <QVBoxLayout>

#include <array>

#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/ChoiceBox.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Sheets/SettingParts/SettingParts.hpp"
#include "Qel/Sheets/Settings/LevelSlider.hpp"
#include "Qel/Sheets/Settings/RuleEditing.hpp"
#include "Qel/Sheets/Settings/RuleLine.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {


// Narrower than this beside the threshold controls, a rule's words would stand a word a line.
constexpr int kLeastWordsWidth = 120;

constexpr std::array<std::pair<int, const char*>, 5> kSustains{
    {{30, Lkey("30 s")}, {60, Lkey("1 min")}, {120, Lkey("2 min")}, {300, Lkey("5 min")}, {600, Lkey("10 min")}}};

// Dims `widget` to 0.45 while `on` is false.
void dim(QWidget* widget, bool on) {
  auto* effect = qobject_cast<QGraphicsOpacityEffect*>(widget->graphicsEffect());
  if (!effect) {
    effect = new QGraphicsOpacityEffect(widget);
    widget->setGraphicsEffect(effect);
  }
  effect->setOpacity(on ? 1.0 : 0.45);
}

}  // namespace

RuleRow::RuleRow(SettingsState settings, SettingsActions& actions, std::size_t index, TabBody* body, QWidget* parent)
    : QWidget(parent), settings_(settings), actions_(actions), index_(index) {
  if (index_ < settings_.rules().size()) {
    const auto it = Rules::meta().find(settings_.rules()[index_].id);
    if (it != Rules::meta().end()) meta_ = &it->second;
  }
  if (!meta_) {
    hide();
    return;
  }
  const RuleMeta& m = *meta_;
  QWidget* texts = buildTexts(m);
  QWidget* controls = m.hasThreshold ? buildThreshold(m) : nullptr;
  switch_ = new Switch(qs(L(m.title)), this);
  connect(switch_, &QAbstractButton::clicked, this, [this](bool on) { edit([&](AlertRule& r) { r.on = on; }); });
  auto* line = new RuleLine(texts, controls, switch_, Space::card, Space::m, kLeastWordsWidth, this);
  line->setContentsMargins(Space::xl, Space::l, Space::xl, Space::l);
  Palette::followAppearance(this);
  sync();
  body->onSync([this] { sync(); });
}

// The rule's title and detail, and when it last fired.
QWidget* RuleRow::buildTexts(const RuleMeta& m) {
  texts_ = new QWidget(this);
  auto* texts = Layouts::column(texts_, Space::xxs);
  auto* title = new PlainLabel(qs(L(m.title)), Type::body, QFont::Medium, Palette::primaryText(), texts_);
  title->setWordWrap(true);  // leaves the controls their width in a narrow card
  texts->addWidget(title);
  auto* detail = new PlainLabel(qs(L(m.detail)), Type::footnote, QFont::Normal, Palette::tertiaryText(), texts_);
  detail->setWordWrap(true);
  texts->addWidget(detail);
  fired_ = new PlainLabel({}, Type::footnote, QFont::Normal, Palette::warnText(), texts_);
  fired_->setWordWrap(true);  // unwrapped, its width alone would push the switches past the card
  texts->addWidget(fired_);
  return texts_;
}

// "Above" or "Below", the threshold's slider and value, and for how long where the rule asks.
QWidget* RuleRow::buildThreshold(const RuleMeta& m) {
  controls_ = new QWidget(this);
  auto* line = Layouts::row(controls_, Space::m);
  line->addWidget(new PlainLabel(qs(m.below ? L("Below") : L("Above")), Type::footnote, QFont::Normal,
                                  Palette::secondaryText(), controls_));
  slider_ = new LevelSlider(controls_);
  slider_->setFixedWidth(100);
  slider_->setRange(0, ruleSteps(m));
  slider_->setPageStep(1);
  slider_->setAccessibleName(qs(L("%@ threshold", {L(m.title)})));
  line->addWidget(slider_);
  value_ = new PlainLabel({}, Type::footnote, QFont::Normal, Palette::primaryText(), controls_);
  value_->setFont(Fonts::text(Type::footnote));
  value_->setFixedWidth(56);
  value_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  line->addWidget(value_);
  // Only the user moves the knob: re-reading the store blocks the signal.
  connect(slider_, &QSlider::valueChanged, this, [this](int step) {
    edit([&](AlertRule& r) { r.threshold = ruleThresholdAt(*meta_, step); });
  });
  if (m.hasSustain) {
    line->addWidget(new PlainLabel(qs(L("for")), Type::footnote, QFont::Normal, Palette::secondaryText(), controls_));
    sustain_ = new ChoiceBox(Type::footnote, controls_);
    sustain_->setAccessibleName(qs(L("Duration")));
    sustain_->setFixedWidth(92);
    for (const auto& [seconds, label] : kSustains) sustain_->addItem(qs(L(label)), seconds);
    line->addWidget(sustain_);
    connect(sustain_, &QComboBox::activated, this, [this](int i) {
      const int seconds = sustain_->itemData(i).toInt();
      edit([&](AlertRule& r) { r.sustain = seconds; });
    });
  }
  controls_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  return controls_;
}

template <class Edit>
void RuleRow::edit(Edit change) {
  auto rules = settings_.rules();
  if (index_ >= rules.size()) return;
  change(rules[index_]);
  actions_.setRules(std::move(rules));
  sync();
}

void RuleRow::sync() {
  if (!meta_ || index_ >= settings_.rules().size()) return;
  const AlertRule& rule = settings_.rules()[index_];
  const auto fired = settings_.firedText(rule.id);
  fired_->setVisible(fired.has_value());
  if (fired && fired_->text() != qs(*fired)) fired_->setText(qs(*fired));
  dim(texts_, rule.on);
  if (controls_) {
    dim(controls_, rule.on);
    controls_->setEnabled(rule.on);
    const QSignalBlocker quiet(slider_);
    slider_->setValue(ruleStepOf(*meta_, rule.threshold));
    value_->setText(qs(ruleValueText(*meta_, rule.threshold)));
  }
  if (sustain_) {
    const int index = sustain_->findData(static_cast<int>(rule.sustain));
    const bool known = rule.sustain >= 0 && rule.sustain <= 600;
    if (sustain_->currentIndex() != (known ? index : -1)) sustain_->setCurrentIndex(known ? index : -1);
  }
  if (switch_->isChecked() != rule.on) switch_->setChecked(rule.on);
}

void RuleRow::paintEvent(QPaintEvent*) { paintHairline(this); }

}  // namespace qel
