#include "Qel/Processes/ProcessDetail.hpp"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QPainter>
#include <QPointer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/IconCache.hpp"
#include "Qel/Kit/Widgets/DetailCell.hpp"
#include "Qel/Kit/Widgets/PillButton.hpp"
#include "Qel/Kit/Widgets/WashBox.hpp"
#include "Qel/Processes/ProcessEndButton.hpp"
#include "Qel/Processes/ProcessNoteView.hpp"
#include "Qel/Processes/ProfileView.hpp"
#include "Qel/Processes/TabScroll.hpp"
#include "Qel/Processes/TameControl.hpp"
#include "Qel/Store/Parts/Navigator.hpp"
#include "Qel/Store/Parts/ProcessActions.hpp"

#include "Qel/Kit/Charts/Sparkline.hpp"
#include "Qel/Kit/InitialFocusClearer.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Scrollers/SlimScroller.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/AskFirst.hpp"
#include "Qel/Kit/Widgets/Divider.hpp"
#include "Qel/Kit/Widgets/PillSegment.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Kit/Widgets/CloseButton.hpp"
#include "Qel/Kit/Widgets/TextButton.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

// The width the tab's scroll bar takes at the sheet's right edge.
constexpr int kScrollerRoom = SlimScroller::kWidth;

QString cpuText(double cpu) { return qs(std::isfinite(cpu) ? fixed(cpu, 1) + "%" : fixed(cpu, 1)); }
QString energyText(double watts) { return qs(std::isfinite(watts) ? fixed(watts, 1) + " W" : fixed(watts, 1)); }
// Linux bills no energy per process: the figure is always the estimate from CPU time.
QString energyTitle() { return qs(L("Energy (est.)")); }

template <class Label>
Label* wrapped(Label* label) {
  label->setWordWrap(true);
  return label;
}

// The path, in a fixed-width face, selectable, on at most three lines.
QLabel* pathText(const ProcInfo& proc, QWidget* parent) {
  const QString text = proc.path.empty() ? qs(L("Unknown path")) : qs(displayName(proc.path));
  auto* label = wrapped(new PlainLabel(text, Type::caption, QFont::Normal, Palette::tertiaryText(), parent));
  QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  mono.setPixelSize(int(Type::caption));
  label->setFont(mono);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setMaximumHeight(int(std::ceil(QFontMetricsF(mono).lineSpacing() * 3)));
  label->setMinimumWidth(1);
  return label;
}

}  // namespace

ProcessDetail::ProcessDetail(LiveState live, ProcessState processes, DayState day, InsightState insights,
                             TamingState taming, NavigationState navigation, Navigator& navigator,
                             ProcessActions& processActions, InsightActions& insightActions, QWidget* parent)
    : QWidget(parent),
      live_(live),
      processes_(processes),
      day_(day),
      taming_(taming),
      navigation_(navigation),
      navigator_(navigator),
      processActions_(processActions),
      insightActions_(insightActions),
      history_(0),
      paintedPage_(navigation.page()),
      icons_(std::make_unique<IconCache>(processes.apps())),
      column_(new QVBoxLayout(this)) {
  setFixedWidth(kWidth);
  Layouts::flush(column_)->setSpacing(0);

  const auto pid = navigation_.detailPID();
  const auto proc = pid ? processes_.proc(*pid) : std::nullopt;
  if (proc) {
    opened_ = ProcessIdentity{proc->pid, proc->startTime};
    openedName_ = proc->name;
    history_ = CpuHistory(proc->cpu);
    content_ = new QWidget(this);
    auto* parts = Layouts::column(content_);

    auto* upper = new QVBoxLayout;
    // The tab's scroll area reaches into the right margin, where its scroll bar then runs clear
    // of the cards; what is above it keeps the margin itself.
    upper->setContentsMargins(Space::sheet, Space::sheet, Space::sheet - kScrollerRoom, Space::sheet);
    upper->setSpacing(Space::xxl);
    upper->addWidget(header(*proc));
    tabs_ = new PillSegment(content_);
    tabs_->setOptions<std::string>(
        {{"now", qs(L("Now"))}, {"profile", qs(L("Profile"))}}, [this] { return tab_; },
        [this](const std::string& tab) { setTab(tab); });
    upper->addWidget(tabs_, 0, Qt::AlignLeft);

    auto* body = new QWidget;
    tabColumn_ = new QVBoxLayout(body);
    tabColumn_->setContentsMargins(0, 0, kScrollerRoom, 0);
    tabColumn_->setSpacing(0);
    now_ = nowTab(*proc);
    tabColumn_->addWidget(now_);
    tabScroll_ = new TabScroll(body, kWidth - 2 * Space::sheet + kScrollerRoom, content_);
    upper->addWidget(tabScroll_);
    parts->addLayout(upper);
    parts->addWidget(new Divider(content_));
    parts->addWidget(footer(*proc));
    column_->addWidget(content_);
    follow(live_.changed() | processes_.changed() | day_.changed() | insights.changed() | taming_.changed() |
               navigation_.changed(),
           this, [this] { refresh(); });
    refresh();
  } else {
    showEnded();
  }
  new InitialFocusClearer(this);  // no focus ring until the keyboard asks
  Palette::followAppearance(this);
}

ProcessDetail::~ProcessDetail() = default;

int ProcessDetail::heightAt(int width) const {
  // Wrapped names and paths are as tall as the width makes them, not as their own preferred
  // width would.
  return column_->hasHeightForWidth() ? column_->totalHeightForWidth(width) : column_->totalSizeHint().height();
}

QSize ProcessDetail::sizeHint() const { return {kWidth, heightAt(kWidth)}; }

int ProcessDetail::heightForWidth(int width) const {
  const int natural = heightAt(width);
  const auto* tab = tabScroll_;
  if (!tab) return natural;
  return natural - std::max(0, tab->sizeHint().height() - tab->minimumSizeHint().height());
}

std::optional<ProcInfo> ProcessDetail::shown() const {
  if (!opened_ || navigation_.detailPID() != opened_->pid) return std::nullopt;
  auto proc = processes_.proc(opened_->pid);
  // The same pid with another start time is another process: this one has ended.
  if (!proc || proc->startTime != opened_->startTime) return std::nullopt;
  return proc;
}

QWidget* ProcessDetail::header(const ProcInfo& proc) {
  auto* box = new QWidget(content_);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, kScrollerRoom, 0);
  row->setSpacing(Space::card);
  auto* icon = new QLabel(box);
  icon->setFixedSize(44, 44);
  icon->setPixmap(icons_->forProcess(proc.appKey, proc.path).pixmap(QSize(44, 44), devicePixelRatioF()));
  row->addWidget(icon, 0, Qt::AlignTop);

  auto* words = new QVBoxLayout;
  words->setSpacing(Space::lines);
  name_ = wrapped(
      new PlainLabel(qs(displayName(proc.name)), Type::title1, QFont::DemiBold, Palette::primaryText(), box));
  name_->setMinimumWidth(1);
  words->addWidget(name_);
  path_ = pathText(proc, box);
  words->addWidget(path_);
  row->addLayout(words, 1);

  close_ = new CloseButton(CloseButton::Look::washed, box);
  connect(close_, &QAbstractButton::clicked, this, &ProcessDetail::closeSheet);
  row->addWidget(close_, 0, Qt::AlignTop);
  return box;
}

QWidget* ProcessDetail::nowTab(const ProcInfo& proc) {
  auto* tab = new QWidget;
  auto* column = Layouts::column(tab, Space::xxl);
  if (QWidget* note = processNote(proc, tab)) column->addWidget(note);

  for (int r = 0; r < 2; ++r) {
    auto* row = new QHBoxLayout;
    row->setSpacing(Space::m);
    for (int c = 0; c < 3; ++c) {
      auto* cell = new DetailCell({}, {}, tab);
      cells_.push_back(cell);
      row->addWidget(cell, 1);
    }
    column->addLayout(row);
  }
  cells_[0]->setTitle(qs(L("CPU")));
  cells_[1]->setTitle(qs(L("Memory")));
  cells_[2]->setTitle(QStringLiteral("PID"));  // the same word in every language
  cells_[4]->setTitle(qs(L("Disk I/O")));
  cells_[5]->setTitle(qs(L("Network")));

  auto* line = new QVBoxLayout;
  line->setSpacing(Space::s);
  line->addWidget(new PlainLabel(qs(L("CPU, since this panel opened")), Type::footnote, QFont::Normal,
                                 Palette::secondaryText(), tab));
  auto* well = new WashBox(Palette::adaptiveOpacity(0.05, 0.05), Radius::cardSmall, tab);
  well->setFixedHeight(60);
  auto* inside = new QVBoxLayout(well);
  // The line keeps clear of the rounded corners' top.
  inside->setContentsMargins(Space::hair, Space::s, Space::hair, Space::hair);
  sparkline_ = new Sparkline(Palette::cpu(), 100, well);
  inside->addWidget(sparkline_);
  line->addWidget(well);
  column->addLayout(line);

  if (QWidget* tame = tameControl(proc, tab)) column->addWidget(tame);
  return tab;
}

QWidget* ProcessDetail::footer(const ProcInfo& proc) {
  auto* box = new WashBox(Palette::adaptiveOpacity(0.05, 0.05), 0, content_);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(Space::sheet, Space::xxl, Space::sheet, Space::xxl);
  column->setSpacing(Space::l);
  if (proc.isSystem) {
    systemNote_ = wrapped(new PlainLabel(
        qs(L("This is a system process: a kernel thread or a service run by another user, such as root. Ending it "
             "could freeze or restart the system, so Qel doesn't offer to end it. High usage usually drops back "
             "within a few minutes.")),
        Type::body, QFont::Normal, Palette::secondaryText(), box));
    column->addWidget(systemNote_);
    return box;
  }
  const std::string name = displayName(proc.name);
  column->addWidget(wrapped(new PlainLabel(qs(L("Quitting closes %@. Unsaved changes may be lost.", {name})),
                                           Type::body, QFont::Normal, Palette::secondaryText(), box)));
  auto* row = new QHBoxLayout;
  row->setSpacing(Space::xl);
  end_ = new ProcessEndButton(qs(L("End %@", {name})), box);
  row->addWidget(end_, 1);
  auto* force = new TextButton(qs(L("Force Quit")), Fonts::text(Type::body, QFont::Medium), box);
  force->setColor(Palette::strainText());
  forceQuit_ = force;
  row->addWidget(forceQuit_);
  column->addLayout(row);
  connect(end_, &QAbstractButton::clicked, this, [this] { quit(false); });
  // Force quit leaves the process no chance to save: it is asked first.
  // Named with its pid: two processes of one name (two "sleep"s) must not be mistaken.
  const std::string named = nameWithPid(name, proc.pid);
  connect(forceQuit_, &QAbstractButton::clicked, this, [this, named] {
    askFirst(this, QStringLiteral("forceQuitConfirmation"), qs(L("Force quit %@?", {named})),
             qs(L("It stops at once, without a chance to save. Unsaved changes are lost.")), qs(L("Force Quit")),
             [self = QPointer<ProcessDetail>(this)] {
               if (self) self->quit(true);
             });
  });
  return box;
}

QWidget* ProcessDetail::processNote(const ProcInfo& proc, QWidget* parent) {
  return new ProcessNoteView(processes_, proc, parent);
}

QWidget* ProcessDetail::tameControl(const ProcInfo& proc, QWidget* parent) {
  auto* control = new TameControl(taming_, processes_, processActions_, proc, parent);
  // Only an app's own processes can be tamed; others show no control at all.
  if (!control->key()) {
    delete control;
    return nullptr;
  }
  tame_ = control;
  return control;
}

void ProcessDetail::setTab(const std::string& tab) {
  if (tab == tab_ || ended_ || (tab != "now" && tab != "profile")) return;
  tab_ = tab;
  if (tab_ == "profile") {
    const auto proc = shown();
    if (!proc) return;
    now_->hide();
    // Made anew each time the tab is shown, so it reads the history as it is now.
    profile_ = new ProfileView(day_, insightActions_, *proc, now_->parentWidget());
    tabColumn_->addWidget(profile_);
  } else {
    delete profile_;
    profile_ = nullptr;
    now_->show();
  }
  tabs_->refresh();
}

void ProcessDetail::refresh() {
  if (ended_) return;
  const auto proc = shown();
  if (!proc) {
    showEnded();
    return;
  }
  if (history_.see(proc->cpu)) {
    sparkline_->setMaxValue(history_.scale());
    sparkline_->setValues(history_.values());
  }
  cells_[0]->setValue(cpuText(proc->cpu));
  cells_[1]->setValue(qs(fmtBytes(proc->mem)));
  cells_[2]->setValue(QString::number(proc->pid));
  cells_[3]->setTitle(energyTitle());
  cells_[3]->setValue(energyText(proc->energy));
  cells_[4]->setValue(qs(fmtRate(proc->diskRate)));
  cells_[5]->setValue(qs(fmtRate(proc->netDown + proc->netUp)));
  if (tame_) tame_->refresh();
  if (navigation_.page() != paintedPage_) update();
}

void ProcessDetail::showEnded() {
  ended_ = true;
  // What showed the process goes; nothing of it is left to act on.
  if (content_) {
    column_->removeWidget(content_);
    content_->hide();
    content_->deleteLater();
  }
  content_ = nullptr;
  profile_ = nullptr;
  now_ = nullptr;
  tabs_ = nullptr;
  name_ = nullptr;
  path_ = nullptr;
  cells_.clear();
  sparkline_ = nullptr;
  systemNote_ = nullptr;
  end_ = forceQuit_ = close_ = nullptr;

  auto* box = new QWidget(this);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(Space::sheet, Space::sheet, Space::sheet, Space::sheet);
  column->setSpacing(Space::card);
  auto* words = new QVBoxLayout;
  words->setSpacing(Space::lines);
  words->addWidget(
      new PlainLabel(qs(L("This process has ended")), Type::title3, QFont::DemiBold, Palette::primaryText(), box));
  // Which one: the sheet may have been open a long while, the list moved on meanwhile.
  if (!openedName_.empty()) {
    auto* name = new PlainLabel(qs(displayName(openedName_)), Type::body, QFont::Normal, Palette::secondaryText(), box);
    name->setObjectName("qel.endedName");
    name->setElided(true);
    words->addWidget(name);
  }
  column->addLayout(words);
  endedClose_ = new PillButton(qs(L("Close")), Type::body, QFont::Medium, Palette::primaryText(),
                               Palette::adaptiveOpacity(0.08, 0.08), QSize(Space::xl, Space::s), box);
  connect(endedClose_, &QAbstractButton::clicked, this, &ProcessDetail::closeSheet);
  column->addWidget(endedClose_, 0, Qt::AlignLeft);
  column->addStretch(1);
  column_->addWidget(box);
}

void ProcessDetail::quit(bool force) {
  // Only the process the sheet was opened for, never whoever holds its pid now.
  const auto proc = shown();
  if (!proc || proc->isSystem) return;
  processActions_.quit({proc->pid}, force);
}

void ProcessDetail::closeSheet() { navigator_.setDetailPID(std::nullopt); }

void ProcessDetail::paintEvent(QPaintEvent*) {
  paintedPage_ = navigation_.page();
  QPainter(this).fillRect(rect(), background(paintedPage_).resolve());
}

}  // namespace qel
