#include "Qel/Sheets/TameRulesSection.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "Qel/Kit/IconCache.hpp"
#include "Qel/Kit/Palette.hpp"
#include "Qel/Kit/PlainLabel.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Platform/AppKeyName.hpp"
#include "Qel/Platform/AppRegistry.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Sheets/SettingParts.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
namespace {


// One app's rule: icon, name, what the rule does, and Remove; a hairline along the bottom.
class RuleRow : public QWidget {
 public:
  RuleRow(Store& store, IconCache& icons, const std::string& key, const std::string& rule, QWidget* parent)
      : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(16, 12, 16, 12);
    row->setSpacing(12);
    auto* icon = new QLabel(this);
    icon->setPixmap(icons.icon(key).pixmap(QSize(22, 22), devicePixelRatioF()));
    icon->setFixedSize(22, 22);
    row->addWidget(icon);
    auto* texts = new QVBoxLayout();
    texts->setSpacing(2);
    texts->addWidget(new PlainLabel(qs(displayName(appKeyName(store.apps(), key))), 13, QFont::Medium,
                                    Palette::primaryText(), this));
    texts->addWidget(new PlainLabel(qs(tameRuleText(rule)), 12, QFont::Normal, Palette::tertiaryText(), this));
    row->addLayout(texts, 1);
    row->addSpacing(8);
    auto* remove = new WashButton(qs(L("Remove")), 12, this);
    remove->setColors(Palette::primaryText(), Palette::adaptiveOpacity(0.08, 0.08));
    connect(remove, &QAbstractButton::clicked, this, [&store, key] { store.setTame(std::nullopt, key); });
    row->addWidget(remove);
  }

 protected:
  void paintEvent(QPaintEvent*) override { paintHairline(this); }
};

}  // namespace

std::string tameRuleText(const std::string& rule) {
  return rule == "pause" ? L("Pauses after you switch away") : L("Slows down after you switch away");
}

TameRulesSection::TameRulesSection(Store& store, QWidget* parent)
    : QWidget(parent), store_(store), icons_(std::make_unique<IconCache>(store.apps())) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(8);
  column->addWidget(new PlainLabel(qs(L("When not in front")), 13.5, QFont::DemiBold, Palette::primaryText(), this));
  auto* card = new SettingGroup(this);
  rows_ = card->column();
  rows_->setContentsMargins(0, 0, 0, 0);
  rows_->setSpacing(0);
  column->addWidget(card);
  sync();
}

TameRulesSection::~TameRulesSection() = default;

void TameRulesSection::sync() {
  if (built_ && shown_ == store_.tameRules()) return;
  built_ = true;
  shown_ = store_.tameRules();
  while (auto* item = rows_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  // The map keeps its keys in ascending order.
  for (const auto& [key, rule] : shown_) rows_->addWidget(new RuleRow(store_, *icons_, key, rule, this));
  setVisible(!shown_.empty());
}

}  // namespace qel
