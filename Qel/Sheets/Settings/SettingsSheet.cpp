#include "Qel/Sheets/Settings/SettingsSheet.hpp"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QPainter>
#include <QScrollArea>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/InitialFocusClearer.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/CloseButton.hpp"
#include "Qel/Kit/Widgets/PillButton.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Sheets/SettingParts/SettingParts.hpp"
#include "Qel/Sheets/Settings/SettingsSidebar.hpp"
#include "Qel/Sheets/Settings/SettingsTabButton.hpp"
#include "Qel/Sheets/Settings/SheetRule.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Updates/Updater.hpp"

namespace qel {

namespace {

// Wide enough for the longest title in bold beside its symbol and for the heading (`heading`
// wide), so that no language's title gets smaller or cut; at least 180, at most 240.
int sidebarWidth(int heading) {
  const QFontMetricsF bold(Fonts::text(Type::body, QFont::DemiBold));
  double widest = heading;
  // A title has 36 before it and 2 after it (SettingsTabButton).
  for (const auto& tab : kSettingsTabs) widest = std::max(widest, bold.horizontalAdvance(qs(L(tab.title))) + 1 + 38);
  // The sidebar's 8 at each side.
  return std::clamp(int(std::ceil(widest)) + 2 * Space::m, 180, 240);
}

TabBody* buildTab(const std::string& tab, const SettingsEnv& env) {
  if (tab == "menubar") return menuBarTab(env);
  if (tab == "alerts") return alertsTab(env);
  if (tab == "background") return backgroundTab(env);
  if (tab == "data") {
    env.actions.refreshHistoryInfo();
    return dataTab(env);
  }
  return generalTab(env);
}

}  // namespace

SettingsSheet::SettingsSheet(SettingsEnv env, QWidget* parent)
    : QWidget(parent),
      env_(std::move(env)),
      title_(new PlainLabel({}, Type::title3, QFont::DemiBold, Palette::primaryText(), this)),
      close_(new CloseButton(CloseButton::Look::washed, this)),
      done_(PillButton::primary(qs(L("Done")), this)),
      scroll_(new QScrollArea(this)) {
  setFixedSize(kWidth, kHeight);
  auto* frame = Layouts::row(this);
  frame->addWidget(buildSidebar());
  frame->addWidget(new SheetRule(Qt::Vertical, this));
  frame->addLayout(buildMain(), 1);

  auto closeSheet = [this] { env_.navigator.setShowingSettings(false); };
  connect(close_, &QAbstractButton::clicked, this, closeSheet);
  connect(done_, &QAbstractButton::clicked, this, closeSheet);
  new InitialFocusClearer(this);
  follow(env_.changes, this, [this] { sync(); });
  connect(&env_.updater, &Updater::changed, this, &SettingsSheet::sync);
  Palette::followAppearance(this);
  sync();
}

QWidget* SettingsSheet::buildSidebar() {
  auto* sidebar = new SettingsSidebar(this);
  auto* side = new QVBoxLayout(sidebar);
  // 8 at the sides (not 12) leaves the longest title room in bold.
  side->setContentsMargins(Space::m, Space::sheet, Space::m, Space::sheet);
  side->setSpacing(Space::xxs);
  auto* heading = new PlainLabel(qs(L("Settings")), Type::largeTitle, QFont::DemiBold, Palette::primaryText(), sidebar);
  heading->setContentsMargins(Space::card, 0, Space::ml, Space::l);
  side->addWidget(heading);
  sidebar->setFixedWidth(sidebarWidth(heading->sizeHint().width()));
  for (std::size_t i = 0; i < kSettingsTabs.size(); ++i) {
    auto* button = new SettingsTabButton(kSettingsTabs[i], sidebar);
    connect(button, &QAbstractButton::clicked, this,
            [this, id = kSettingsTabs[i].id] { env_.navigator.setSettingsTab(id); });
    side->addWidget(button);
    tabButtons_[i] = button;
  }
  side->addStretch(1);
  return sidebar;
}

// The tab's title and the close button over the tab's body, and the footer under it.
QLayout* SettingsSheet::buildMain() {
  auto* main = new QVBoxLayout;
  main->setSpacing(0);
  auto* header = new QHBoxLayout;
  header->setContentsMargins(Space::sheet, Space::headerTop, Space::sheet, Space::xl);
  header->addWidget(title_, 1);
  header->addWidget(close_, 0, Qt::AlignVCenter);
  main->addLayout(header);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidgetResizable(true);
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll_->viewport()->setAutoFillBackground(false);
  main->addWidget(scroll_, 1);
  main->addWidget(new SheetRule(Qt::Horizontal, this));
  auto* footer = new QHBoxLayout;
  footer->setContentsMargins(Space::sheet, Space::xl, Space::sheet, Space::xl);
  auto* saved = new PlainLabel(qs(L("Changes apply immediately and are saved automatically.")), Type::body, QFont::Normal,
                               Palette::secondaryText(), this);
  saved->setWordWrap(true);
  footer->addWidget(saved, 1);
  footer->addWidget(done_);
  main->addLayout(footer);
  return main;
}

void SettingsSheet::sync() {
  const std::string& tab = env_.navigation.settingsTab();
  const SettingsTabInfo* current = nullptr;
  for (std::size_t i = 0; i < kSettingsTabs.size(); ++i) {
    const bool on = tab == kSettingsTabs[i].id;
    if (on) current = &kSettingsTabs[i];
    if (tabButtons_[i]->isChecked() != on) tabButtons_[i]->setChecked(on);
  }
  const QString title = qs(L(current ? current->title : Lkey("General")));
  if (title_->text() != title) title_->setText(title);
  // Every id that no tab claims shows the general body.
  const std::string body = current ? tab : "general";
  if (!body_ || body != bodyTab_)
    showTab(body);
  else
    body_->sync();
  update();  // the ground follows the page on show
}

void SettingsSheet::showTab(const std::string& tab) {
  bodyTab_ = tab;
  body_ = buildTab(tab, env_);
  body_->sync();
  delete scroll_->takeWidget();
  scroll_->setWidget(body_);
  body_->setAutoFillBackground(false);  // after setWidget, which turns it on: the sheet's ground shows
}

void SettingsSheet::keyPressEvent(QKeyEvent* event) {
  // Escape is the close button's key, Return and Enter are "Done"'s, wherever the focus is.
  if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
    if (event->key() == Qt::Key_Escape) return close_->click();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return done_->click();
  }
  QWidget::keyPressEvent(event);
}

void SettingsSheet::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), background(env_.navigation.page()).resolve());
}

}  // namespace qel
