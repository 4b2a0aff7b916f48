#include "Qel/Pages/Network/NetPage.hpp"

#include <QHBoxLayout>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/IconCache.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/BaselineRow.hpp"
#include "Qel/Kit/Widgets/FlowRow.hpp"
#include "Qel/Kit/Widgets/PageHead.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Pages/Legend.hpp"
#include "Qel/Pages/Network/NetAddressCard.hpp"
#include "Qel/Pages/Network/NetCard.hpp"
#include "Qel/Pages/Network/NetTalkers.hpp"
#include "Qel/Pages/Network/PortsPanel.hpp"
#include "Qel/Pages/Network/StarMapView.hpp"
#include "Qel/Pages/Network/WheelToHorizontal.hpp"
#include "Qel/Pages/SectionTitle.hpp"
#include "Qel/Pages/StatItem.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
NetPage::NetPage(LiveState live, ProcessState processes, Navigator& navigator, ProcessActions& actions,
                 QWidget* parent)
    : QWidget(parent),
      live_(live),
      processes_(processes),
      navigator_(navigator),
      icons_(std::make_unique<IconCache>(processes.apps())) {
  auto* page = Layouts::column(this, Space::xl);

  auto* main = new QHBoxLayout;
  main->setSpacing(Space::groupWide);
  auto* left = new QVBoxLayout;
  left->setSpacing(Space::xs);
  // The big figure with the stats beside it; in a narrow window the stats go below it.
  auto* top = new QWidget(this);
  auto* header = new FlowRow(Space::page, Space::l, top);
  head_ = new PageHead(qtL("Network"), accentText(Page::net), {}, {}, {}, Type::heroNet, top);
  // One line, wide enough for the upload at its longest, so the stats beside it stay put.
  head_->subLabel()->setWordWrap(false);
  head_->setMinimumWidth(
      head_->subLabel()->fontMetrics().horizontalAdvance(qs(L("Upload %@", {"1023.9 MB/s"}))) + 4);
  header->addWidget(head_);
  auto* statsBox = new QWidget(top);
  auto* stats = new QHBoxLayout(statsBox);
  stats->setSpacing(Space::group);
  stats->setContentsMargins(0, 0, 0, Space::m);
  stats_ = {new StatItem(qtL("Download"), {}, QStringLiteral("000 KB/s"), statsBox),
            new StatItem(qtL("Upload"), {}, QStringLiteral("000 KB/s"), statsBox),
            new StatItem(qtL("Online"), {}, qs(Ln("%n apps", 88)), statsBox)};
  for (auto* s : stats_) stats->addWidget(s, 0, Qt::AlignBottom);
  header->addWidget(statsBox);
  left->addWidget(top);
  map_ = new StarMapView(processes_, navigator_, this);
  left->addWidget(map_, 1);
  legend_ = new Legend({}, this);
  left->addWidget(legend_);
  main->addLayout(left, 1);
  ports_ = new PortsPanel(processes_, navigator_, actions, this);
  ports_->setFixedWidth(430);
  main->addWidget(ports_);
  page->addLayout(main, 1);
  page->addWidget(buildStrip());

  follow(live_.changed() | processes_.changed(), this, [this] {
    if (isVisible()) refresh();
  });
  refresh();
}

NetPage::~NetPage() = default;

QWidget* NetPage::buildStrip() {
  auto* holder = new QWidget(this);
  auto* column = Layouts::column(holder, Space::ml);
  column->addWidget(new SectionTitle(qtL("Who's online"), qtL("Only processes under your account. Scroll sideways for more."),
                                     holder));
  auto* scroll = new QScrollArea(holder);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->viewport()->setAutoFillBackground(false);
  auto* cards = new QWidget;
  auto* strip = new QHBoxLayout(cards);
  strip->setContentsMargins(0, 0, 0, Space::card);
  strip->setSpacing(Space::card);
  addressCard_ = new NetAddressCard(cards);
  strip->addWidget(addressCard_, 0, Qt::AlignTop);
  strip->addStretch(1);
  cards_ = std::make_unique<KeyedRows<NetCard, ProcInfo, ProcKey>>(
      strip, 1, cards,
      KeyedRows<NetCard, ProcInfo, ProcKey>::Hooks{
          .key = keyOf,
          .make = [this](const ProcInfo& p) { return new NetCard(processes_, navigator_, *icons_, p); },
          .update = [](NetCard& card, const ProcInfo& p) { card.setProc(p); },
      },
      Qt::AlignTop);
  scroll->setWidget(cards);
  cards->setAutoFillBackground(false);  // the scroll area turns it on; the page shows through
  scroll->setFixedHeight(kNetCardHeight + Space::card);
  new WheelToHorizontal(scroll);
  column->addWidget(scroll);
  return holder;
}

void NetPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  refresh();
}

void NetPage::refresh() {
  const auto [number, unit] = splitRate(live_.netDown());
  const auto& runs = head_->figure()->runs();
  if (runs.size() != 2 || runs[0].text != qs(number) || runs[1].text != qs(unit)) head_->setValue(qs(number), qs(unit));
  head_->setSub(qs(L("Upload %@", {fmtRate(live_.netUp())})));

  const auto talkers = netTalkers(processes_.procs());
  stats_[0]->setValue(qs(fmtRate(live_.netDown())));
  stats_[1]->setValue(qs(fmtRate(live_.netUp())));
  stats_[2]->setValue(qs(Ln("%n apps", onlineCount(talkers))));

  map_->setNodes({talkers.begin(), talkers.begin() + std::ptrdiff_t(std::min(talkers.size(), kMapNodes))});
  legend_->setText(processes_.netPerApp()
                       ? qtL("Each dot is an app that is online. Bigger dots have more traffic right now. Dots closer "
                             "to the center have more total traffic. Click one for details. Per-app figures count TCP "
                             "only, and leave out traffic within this computer.")
                       : qtL("Per-app traffic isn't available (the system's socket statistics can't be read), so only "
                             "whole-computer upload and download are shown."));

  addressCard_->setAddresses(live_.addresses(), live_.netDown() + live_.netUp() > 0);
  const std::size_t shown = std::min(talkers.size(), kCards);
  cards_->show({talkers.begin(), talkers.begin() + std::ptrdiff_t(shown)});
}

}  // namespace qel
