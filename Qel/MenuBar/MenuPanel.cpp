#include "Qel/MenuBar/MenuPanel.hpp"

#include <QAbstractButton>
#include <QEvent>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/IconCache.hpp"
#include "Qel/Kit/InitialFocusClearer.hpp"
#include "Qel/Kit/ListEngagement.hpp"
#include "Qel/Kit/PageTable.hpp"
#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/PanelStyle.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Glyphs.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/Elision.hpp"
#include "Qel/Kit/Widgets/FlowRow.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Kit/Widgets/PlainToolTip.hpp"
#include "Qel/Kit/Widgets/TextButton.hpp"
#include "Qel/MenuBar/MenuBarPanel.hpp"
#include "Qel/MenuBar/MenuCell.hpp"
#include "Qel/MenuBar/MiniCell.hpp"
#include "Qel/MenuBar/MiniRing.hpp"
#include "Qel/MenuBar/OpenButton.hpp"
#include "Qel/MenuBar/PanelBatteries.hpp"
#include "Qel/MenuBar/PanelBodyScroll.hpp"
#include "Qel/MenuBar/PanelCard.hpp"
#include "Qel/MenuBar/PanelChip.hpp"
#include "Qel/MenuBar/PanelFacts.hpp"
#include "Qel/MenuBar/PanelHairline.hpp"
#include "Qel/MenuBar/PanelPlacement.hpp"
#include "Qel/MenuBar/PanelProcRow.hpp"
#include "Qel/MenuBar/PanelToast.hpp"
#include "Qel/MenuBar/PanelToggle.hpp"
#include "Qel/MenuBar/SleepRowButton.hpp"
#include "Qel/MenuBar/TodayStrip.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Store/Parts/Navigator.hpp"
#include "Qel/Store/Parts/ProcessActions.hpp"
#include "Qel/Store/Parts/SettingsActions.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

MenuPanel::Sections MenuPanel::sectionsAtOpen(const PanelParts& parts) {
  return {parts.sleep.sleepAtOpen(), parts.insights.adviceAtOpen(), anyDeviceCharge(parts.live.bluetooth())};
}

MenuPanel::MenuPanel(PanelParts parts, Actions actions, QWidget* parent)
    : QWidget(parent),
      parts_(parts),
      actions_(std::move(actions)),
      sections_(sectionsAtOpen(parts_)),
      icons_(std::make_unique<IconCache>(parts_.processes.apps())) {
  setObjectName(QStringLiteral("qel.panel.content"));
  // As wide as the card's inside, whatever the texts ask for: long ones are cut, never widen it.
  setFixedWidth(kPanelContentWidth);
  auto* column = Layouts::column(this, Space::l);
  // The sections scroll when the screen is too short for all of them; the switches and the
  // footer stay below them, always in reach.
  body_ = new PanelBodyScroll(buildBody());
  column->addWidget(body_, 1);
  column->addWidget(new PanelHairline);
  column->addWidget(buildSwitches());
  column->addWidget(buildFooter());

  new InitialFocusClearer(this);
  toast_ = new PanelToast(this);
  Palette::followAppearance(this);
  follow(parts_.changes, this, [this] { refresh(); });
  refresh();
}

MenuPanel::~MenuPanel() {
  parts_.navigator.setToastViewer(this, false);
  // The list losing the focus as it goes would otherwise call back into a panel half torn down.
  if (topHold_) disconnect(topHold_, nullptr, this, nullptr);
}

QSize MenuPanel::sizeHint() const {
  const int height = layout()->totalHeightForWidth(width());
  return {width(), height > 0 ? height : QWidget::sizeHint().height()};
}

int MenuPanel::heightWithin(int room) const {
  const int whole = sizeHint().height();
  if (room >= whole) return whole;
  const auto* body = static_cast<const PanelBodyScroll*>(body_);
  // The switches and the footer keep their height; the sections take what is left.
  const int fixed = whole - body->sizeHint().height();
  const int bodyRoom = room - fixed;
  return bodyRoom <= 0 ? room : fixed + body->heightBetweenRows(bodyRoom);
}

void MenuPanel::screenChanged() { parts_.navigator.setToastViewer(this, screen_.on()); }

QWidget* MenuPanel::buildBody() {
  auto* body = new QWidget;
  auto* layout = Layouts::column(body, Space::l);
  layout->addWidget(buildHeader());
  layout->addWidget(buildGrid());
  if (sections_.sleepShown) layout->addWidget(buildSleepRow());
  if (sections_.showMemoryAdvice && actions_.memoryAdvice) {
    advice_ = actions_.memoryAdvice();
    layout->addWidget(advice_);
  }
  strip_ = new TodayStrip(parts_.day, [this](int slot) { jump(slot); });
  layout->addWidget(buildSection(qs(L("Today")), &todayNote_, strip_));
  layout->addWidget(buildTopProcesses());
  layout->addWidget(buildSection(qs(L("Network")), &networkNote_, buildNetwork()));
  if (sections_.showBluetooth) layout->addWidget(buildSection(qs(L("Bluetooth devices")), &bluetoothNote_, buildBluetooth()));
  return body;
}

QWidget* MenuPanel::buildSleepRow() {
  auto* button = new SleepRowButton;
  sleepRow_ = button;
  connect(button, &QAbstractButton::clicked, this, [this] {
    Navigator& navigator = parts_.navigator;
    const SleepSession session = *sections_.sleepShown;
    if (actions_.openMain) actions_.openMain();
    navigator.setSleepReport(session);
  });
  return button;
}

QWidget* MenuPanel::buildTopProcesses() {
  auto* list = new QWidget;
  auto* listLayout = Layouts::column(list);
  for (auto& r : rows_) {
    r = new PanelProcRow(parts_.processes, parts_.processActions, [this](const ProcInfo& proc) {
      Navigator& navigator = parts_.navigator;
      if (actions_.openMain) actions_.openMain();
      navigator.setDetailPID(proc.pid);
    });
    listLayout->addWidget(r);
  }
  // "End" sits under the pointer in every row: the rows hold still while the user is at them.
  topHold_ = new ListEngagement(list);
  connect(topHold_, &ListEngagement::released, this, &MenuPanel::refresh);
  PlainLabel* hoverNote = nullptr;
  QWidget* section = buildSection(qs(L("Top processes")), &hoverNote, list);
  hoverNote->setText(qs(L("Hover to quit")));
  return section;
}

QWidget* MenuPanel::buildHeader() {
  auto* header = new QWidget;
  auto* layout = Layouts::row(nullptr, Space::card);
  header->setLayout(layout);
  ring_ = new MiniRing(parts_.live);
  layout->addWidget(ring_, 0, Qt::AlignVCenter);
  auto* text = new QVBoxLayout;
  text->setSpacing(Space::lines);
  title_ = new PlainLabel(QString(), Type::title1, QFont::DemiBold, Palette::primaryText());
  title_->setWordWrap(true);  // a long status title goes on two lines rather than widen the panel
  subtitle_ = new PlainLabel(QString(), Type::footnote, QFont::Normal, PanelStyle::greyTint());
  subtitle_->setWordWrap(true);
  text->addWidget(title_);
  text->addWidget(subtitle_);
  // The chips go on a second line where one is too short for them: the processor's name on a
  // line of its own shows whole, and only a name longer than the whole line ends in "…", with
  // the whole name as its tool tip.
  auto* chipRow = new QWidget;
  chipRow->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);  // however long the name
  auto* chips = new FlowRow(Space::xs, Space::xs, chipRow);
  chips->setContentsMargins(0, Space::xs, 0, 0);
  for (auto& c : chips_) {
    c = new PanelChip;
    chips->addWidget(c);
  }
  letElide(chips_[0]);
  text->addWidget(chipRow);
  layout->addLayout(text, 1);
  return header;
}

QWidget* MenuPanel::buildGrid() {
  auto* grid = new QWidget;
  auto* layout = Layouts::column(grid, Space::m);
  QHBoxLayout* line = nullptr;
  std::size_t i = 0;
  for (const PageEntry& entry : pageTable()) {
    if (!entry.panelTile || i == cells_.size()) continue;
    if (i % 2 == 0) {
      line = Layouts::row(nullptr, Space::m);
      layout->addLayout(line);
    }
    cells_[i] = new MenuCell(qs(L(entry.title)), entry.panelTile->tint, entry.panelTile->max);
    const Page page = entry.page;
    connect(cells_[i], &QAbstractButton::clicked, this, [this, page] { open(page); });
    line->addWidget(cells_[i++]);
  }
  // The extras take the line under the names in all four tiles when the widest any of them can
  // read would not fit beside its name: the figures keep one line across the grid, and nothing
  // moves as they grow.
  std::string load = L("Load %.2f");
  if (auto at = load.find("%.2f"); at != std::string::npos) load.replace(at, 4, "999.99");
  const std::array<std::vector<std::string>, 4> widest{{{load},
                                                        {pressureExtra(100)},
                                                        {"↑ " + fmtRate(999.9 * 1048576.0)},
                                                        {L("Measured"), L("Process sum")}}};
  const int tile = (kPanelContentWidth - Space::m) / 2;
  bool below = false;
  for (std::size_t c = 0; c < cells_.size(); ++c)
    for (const auto& extra : widest[c]) below = below || !cells_[c]->fitsBeside(qs(extra), tile);
  for (auto* cell : cells_) cell->setExtraBelow(below);
  auto* smalls = Layouts::row(nullptr, Space::m);
  for (auto& m : minis_) {
    m = new MiniCell;
    smalls->addWidget(m);
  }
  layout->addSpacing(Space::xs);
  layout->addLayout(smalls);
  return grid;
}

QWidget* MenuPanel::buildSection(const QString& title, PlainLabel** note, QWidget* content) {
  auto* section = new QWidget;
  auto* layout = Layouts::column(section, Space::m);
  layout->addWidget(new PanelHairline);
  auto* head = Layouts::row(nullptr, Space::m);
  head->setContentsMargins(0, Space::xs, 0, 0);
  head->addWidget(new PlainLabel(title, Type::body, QFont::DemiBold, Palette::primaryText()), 0, Qt::AlignBaseline);
  // A note longer than the room beside the title goes on more lines.
  *note = new PlainLabel(QString(), Type::caption, QFont::Normal, PanelStyle::mutedTint());
  (*note)->setWordWrap(true);
  (*note)->setAlignment(Qt::AlignRight | Qt::AlignTop);
  head->addWidget(*note, 1, Qt::AlignBaseline);
  layout->addLayout(head);
  layout->addWidget(content);
  return section;
}

QWidget* MenuPanel::buildNetwork() {
  auto* network = new QWidget;
  auto* layout = Layouts::row(nullptr, Space::xl);
  network->setLayout(layout);
  down_ = new PlainLabel(QString(), Type::footnote, QFont::Normal, PanelStyle::greyTint());
  up_ = new PlainLabel(QString(), Type::footnote, QFont::Normal, PanelStyle::greyTint());
  address_ = new PlainLabel(QString(), Type::footnote, QFont::Normal, PanelStyle::mutedTint());
  // The rates keep their room as they change, so the row never shifts.
  const int rateWidth = int(QFontMetricsF(Fonts::text(Type::footnote)).horizontalAdvance(QStringLiteral("↓ 999.9 MB/s"))) + 2;
  down_->setFixedWidth(rateWidth);
  up_->setFixedWidth(rateWidth);
  layout->addWidget(down_);
  layout->addWidget(up_);
  layout->addStretch(1);
  layout->addWidget(address_);
  return network;
}

QWidget* MenuPanel::buildBluetooth() {
  auto* scroll = new QScrollArea;
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setWidgetResizable(true);
  scroll->setFixedHeight(44);
  scroll->viewport()->setAutoFillBackground(false);
  scroll->setToolTip(qs(L("Scroll horizontally to see more devices.")));
  auto* content = new QWidget;
  auto* layout = Layouts::row();
  content->setLayout(layout);
  batteries_ = new PanelBatteries;
  noDevices_ = new PlainLabel(qs(L("Not connected")), Type::footnote, QFont::Normal, PanelStyle::mutedTint());
  layout->addWidget(batteries_);
  layout->addWidget(noDevices_, 1);
  scroll->setWidget(content);
  content->setAutoFillBackground(false);  // the scroll area turned it on: the card shows through
  bluetoothRow_ = scroll;
  return scroll;
}

QWidget* MenuPanel::buildSwitches() {
  auto* switches = new QWidget;
  switches_ = switches;
  auto* layout = Layouts::row(nullptr, Space::m);
  switches->setLayout(layout);
  toggles_[0] = new PanelToggle("moon.fill", qs(L("Quiet mode")));
  toggles_[1] = new PanelToggle("sun.max.fill", qs(L("Keep awake")));
  toggles_[2] = new PanelToggle("pause.fill", qs(L("Pause alerts")));
  connect(toggles_[0], &QAbstractButton::clicked, this, [this] { parts_.processActions.toggleQuiet(); });
  connect(toggles_[1], &QAbstractButton::clicked, this, [this] { parts_.processActions.toggleAwake(); });
  connect(toggles_[2], &QAbstractButton::clicked, this, [this] { parts_.settingsActions.toggleMute(); });
  for (auto* t : toggles_) layout->addWidget(t);
  return switches;
}

QWidget* MenuPanel::buildFooter() {
  auto* footer = new QWidget;
  auto* outer = Layouts::column(footer, Space::l);
  outer->addWidget(new PanelHairline);
  // The bundled face runs wider than the footer's room at 12 pixels: at 11 the four fit one row
  // in every language, "Open Qel" at its end.
  auto* layout = Layouts::row(nullptr, Space::l);
  outer->addLayout(layout);
  const auto buttons = footerButtons(footer);
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (i + 1 == buttons.size()) layout->addStretch(1);
    layout->addWidget(buttons[i], 0, Qt::AlignVCenter);
  }
  return footer;
}

std::array<QWidget*, 4> MenuPanel::footerButtons(QWidget* footer) {
  const QFont font = Fonts::text(Type::caption, QFont::Medium);
  auto* settings = new TextButton(qs(L("Settings")), font);
  settings->setColor(PanelStyle::accent());
  auto* replay = new TextButton(qs(L("What just happened")), font);
  replay->setColor(PanelStyle::grey());
  auto* quit = new TextButton(qs(L("Quit")), font);
  quit->setColor(PanelStyle::muted());
  auto* openQel = new OpenButton(qs(L("Open Qel")));
  connect(settings, &QAbstractButton::clicked, this, [this] {
    Navigator& navigator = parts_.navigator;
    if (actions_.openMain) actions_.openMain();
    navigator.openSettings();
  });
  connect(replay, &QAbstractButton::clicked, this, [this] {
    if (actions_.replay) actions_.replay();
  });
  connect(quit, &QAbstractButton::clicked, this, [this] {
    if (actions_.quit) actions_.quit();
  });
  connect(openQel, &QAbstractButton::clicked, this, [this] {
    if (actions_.openMain) actions_.openMain();
  });
  // The text buttons take their colours again when the appearance changes.
  connect(Palette::notifier(), &AppearanceNotifier::qelAppearanceChanged, footer, [settings, replay, quit] {
    settings->setColor(PanelStyle::accent());
    replay->setColor(PanelStyle::grey());
    quit->setColor(PanelStyle::muted());
  });
  for (QWidget* b : {static_cast<QWidget*>(settings), static_cast<QWidget*>(replay), static_cast<QWidget*>(quit)})
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  return {settings, replay, quit, openQel};
}

void MenuPanel::open(Page page) {
  Navigator& navigator = parts_.navigator;
  if (actions_.openMain) actions_.openMain();
  navigator.setPage(page);
  navigator.setSelectedSlot(std::nullopt);
}

void MenuPanel::jump(int slot) {
  Navigator& navigator = parts_.navigator;
  if (actions_.openMain) actions_.openMain();
  navigator.setPage(Page::overview);
  navigator.setSelectedSlot(std::nullopt);
  navigator.showDay(std::nullopt);
  navigator.setRingMode(RingMode::day);
  navigator.select(slot);
}

void MenuPanel::refresh() {
  const PanelParts& s = parts_;
  refreshHeader(s);
  refreshTiles(s);
  if (sleepRow_) static_cast<SleepRowButton*>(sleepRow_)->setSummary(qs(s.sleep.sleepSummary(*sections_.sleepShown)));
  todayNote_->setText(qs(todayNote(s.day.events().size())));
  strip_->refresh();
  refreshTopProcesses(s);
  refreshNetwork(s);
  refreshBluetooth(s);
  refreshSwitches(s);
}

void MenuPanel::refreshHeader(const PanelParts& s) {
  const StatusLine status = s.day.status();
  title_->setText(qs(status.title));
  title_->setColor(status.level == Level::calm ? Palette::primaryText()
                   : status.level == Level::notable ? PanelStyle::warmTint()
                                                    : PanelStyle::hotTint());
  subtitle_->setText(qs(panelSubtitle(status)));
  if (auto* card = qobject_cast<PanelCard*>(card_.data())) card->setLevel(status.level);
  const std::string chip = chipWords(s.live.chip().model);
  chips_[0]->setText(qs(displayName(chip)));
  chips_[0]->setToolTip(plainToolTip(chips_[0]->text()));
  chips_[0]->setVisible(!chip.empty());
  chips_[1]->setText(qs(fmtBytes(s.live.mem().total)));
  chips_[2]->setText(qs(uptimeText(systemUptime())));
  ring_->update();
}

void MenuPanel::refreshTiles(const PanelParts& s) {
  std::string load = L("Load %.2f");
  if (auto at = load.find("%.2f"); at != std::string::npos) load.replace(at, 4, fixed(s.live.load(), 2));
  cells_[0]->setFigures(qs(fmtPercent(s.live.cpu().total)), qs(load), s.live.cpuHist());
  cells_[1]->setFigures(qs(fmtPercent(s.live.mem().usedFraction())), qs(pressureExtra(s.live.mem().pressure)),
                        s.live.memHist());
  cells_[2]->setFigures(qs(fmtRate(s.live.netDown())), qs("↑ " + fmtRate(s.live.netUp())), s.live.netHist());
  const EnergyFigure energy = energyFigure(s.live.power(), s.live.procWatts());
  cells_[3]->setFigures(qs(energy.value), qs(energy.extra), s.live.powerHist());

  minis_[0]->setTexts(qs(L("Thermal")), qs(s.live.thermalText()), qs(L("System thermal state")));
  minis_[1]->setTexts(qs(L("Battery")), qs(batteryValue(s.live.battery())),
                      qs(batteryNote(s.live.battery(), s.insights.runtimeForecast())));
  if (const auto& gpu = s.live.gpu()) {
    minis_[2]->setTexts(qs(L("GPU")), qs(fmtPercent(gpu->util)), qs(L("Memory %@", {fmtBytes(gpu->memory)})));
  } else {
    minis_[2]->setTexts(qs(L("Disk free")), qs(fmtBytes(s.live.diskFree())),
                        qs(L("%@ total", {fmtBytes(s.live.diskTotal())})));
  }
}

void MenuPanel::refreshTopProcesses(const PanelParts& s) {
  if (topHold_ && topHold_->engaged() && !top_.empty()) {
    top_ = holdProcs(top_, s.processes.procs());
  } else {
    top_.clear();
    for (auto& p : topProcs(s.processes.procs())) top_.push_back({std::move(p), false});
  }
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    rows_[i]->setVisible(i < top_.size());
    if (i >= top_.size()) continue;
    const ProcInfo& proc = top_[i].proc;
    rows_[i]->setProc(proc, icons_->forProcess(proc.appKey, proc.path), top_[i].ended);
  }
}

void MenuPanel::refreshNetwork(const PanelParts& s) {
  if (s.processes.netPerApp()) {
    const auto online = std::count_if(s.processes.procs().begin(), s.processes.procs().end(),
                                      [](const ProcInfo& p) { return p.netDown + p.netUp > 0; });
    networkNote_->setText(qs(Ln("%n apps online", online)));
  } else {
    networkNote_->setText(qs(L("Per-app traffic unavailable")));
  }
  down_->setText(qs("↓ " + fmtRate(s.live.netDown())));
  up_->setText(qs("↑ " + fmtRate(s.live.netUp())));
  if (!s.live.addresses().empty()) {
    address_->setText(qs(L("Local %@", {s.live.addresses().front().address})));
    address_->setColor(PanelStyle::mutedTint());
  } else {
    // Moving data without an IPv4 address is still a connection (IPv6 only, say).
    address_->setText(qs(s.live.netDown() + s.live.netUp() > 0 ? L("No local address") : L("Not connected")));
    address_->setColor(PanelStyle::warmTint());
  }
}

void MenuPanel::refreshBluetooth(const PanelParts& s) {
  if (!bluetoothRow_) return;
  bluetoothNote_->setText(qs(qel::bluetoothNote(s.live.bluetooth())));
  batteries_->setDevices(s.live.bluetooth());
  const bool charged = !batteries_->cells().empty();
  batteries_->setVisible(charged);
  noDevices_->setVisible(!charged);
}

void MenuPanel::refreshSwitches(const PanelParts& s) {
  toggles_[0]->setState(s.taming.quietOn(), qs(s.taming.quietNote()));
  toggles_[1]->setState(s.taming.awakeUntil().has_value(), qs(s.taming.awakeNote()));
  toggles_[2]->setState(s.taming.isMuted(), qs(s.taming.muteNote()));

  toast_->setMessage(s.navigation.toast() ? std::optional<QString>(qs(*s.navigation.toast())) : std::nullopt);
  placeToast();
}

void MenuPanel::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The toast stands over the card itself, so it stays put while the content scrolls.
  QWidget* host = this;
  for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
    if (auto* card = qobject_cast<PanelCard*>(w)) host = card_ = card;
  }
  if (host != toastHost_) {
    if (toastHost_) toastHost_->removeEventFilter(this);
    toastHost_ = host;
    toast_->setParent(host);
    host->installEventFilter(this);
  }
  placeToast();
  refresh();
}

bool MenuPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == toastHost_ && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest)) placeToast();
  return QWidget::eventFilter(watched, event);
}

void MenuPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placeToast();
}

void MenuPanel::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  placeToast();  // the content scrolled: the switches moved on the card
}

void MenuPanel::placeToast() {
  if (!toastHost_) return;
  const QPoint switchesTop = switches_->mapTo(toastHost_, QPoint(0, 0));
  // Switches scrolled out of view leave nothing to stay clear of: the pill keeps its usual place.
  const bool inView = switchesTop.y() >= 0 && switchesTop.y() < toastHost_->height();
  toast_->setControlsTop(inView ? std::optional<int>(switchesTop.y()) : std::nullopt);
  toast_->place(toastHost_->size());
  if (!toast_->text().isEmpty() && parts_.navigation.toast()) {
    toast_->show();
    toast_->raise();
  }
}

}  // namespace qel
