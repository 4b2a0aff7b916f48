#include "Qel/Pages/Network/PortsPanel.hpp"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/IconCache.hpp"
#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Kit/Widgets/SearchField.hpp"
#include "Qel/Pages/Network/PortList.hpp"
#include "Qel/Pages/Network/PortRow.hpp"
#include "Qel/Pages/Panel.hpp"
#include "Qel/Samplers/PortOwners.hpp"
#include "Qel/Store/Parts/Navigator.hpp"

namespace qel {

PortsPanel::PortsPanel(ProcessState processes, Navigator& navigator, ProcessActions& actions, QWidget* parent)
    : QWidget(parent),
      processes_(processes),
      navigator_(navigator),
      actions_(actions),
      icons_(std::make_unique<IconCache>(processes.apps())) {
  auto* column = Layouts::column(this, Space::ml);
  column->addLayout(buildHeader());
  column->addWidget(new Panel(buildList(), Space::xs, this), 1);

  auto* footnote = new PlainLabel(qtL("Only ports of processes under your account. Ports used by system services need "
                                      "administrator rights to see."),
                                  Type::footnote, QFont::Normal, Palette::tertiaryText(), this);
  footnote->setWordWrap(true);
  column->addWidget(footnote);

  follow(processes_.changed(), this, [this] {
    if (isVisible()) refresh();
  });
  refresh();
}

// The title with the count under it: beside it, with the search field, it would not fit the
// panel's width once some ports are open to the network.
QLayout* PortsPanel::buildHeader() {
  auto* header = new QHBoxLayout;
  header->setSpacing(Space::ml);
  auto* titles = new QVBoxLayout;
  titles->setSpacing(Space::xxs);
  titles->addWidget(new PlainLabel(qtL("Listening ports"), Type::headline, QFont::DemiBold, Palette::primaryText(), this));
  count_ = new PlainLabel({}, Type::footnote, QFont::Normal, Palette::tertiaryText(), this);
  count_->setWordWrap(true);  // the count of open ports runs long in some languages
  titles->addWidget(count_);
  header->addLayout(titles, 1);
  header->addSpacing(Space::m);
  search_ = new SearchField(qtL("Port or process"), 160, this);
  search_->setText(qs(processes_.portQuery()));
  connect(search_, &QLineEdit::textEdited, this, [this](const QString& text) { navigator_.setPortQuery(text.toStdString()); });
  header->addWidget(search_, 0, Qt::AlignTop);
  return header;
}

// The rows, scrolling, with the line shown when there are none.
QWidget* PortsPanel::buildList() {
  auto* scroll = new QScrollArea;
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->viewport()->setAutoFillBackground(false);
  auto* rows = new QWidget;
  auto* list = new QVBoxLayout(rows);
  list->setContentsMargins(Space::card, 0, Space::card, 0);
  list->setSpacing(0);
  empty_ = new PlainLabel({}, Type::body, QFont::Normal, Palette::secondaryText(), rows);
  empty_->setWordWrap(true);
  empty_->setContentsMargins(0, Space::xl, 0, Space::xl);
  list->addWidget(empty_);
  list->addStretch(1);
  rows_ = std::make_unique<KeyedRows<PortRow, PortEntry, std::string>>(
      list, 1, rows,
      KeyedRows<PortRow, PortEntry, std::string>::Hooks{
          .key =
              [this](const PortEntry& e) {
                const auto owner = processes_.proc(e.pid);
                return e.id() + "-" + std::to_string(owner ? owner->startTime : 0);
              },
          .make =
              [this](const PortEntry& e) { return new PortRow(processes_, navigator_, actions_, *icons_, e, listedAt_); },
          .update = [this](PortRow& row, const PortEntry& e) { row.setEntry(e, listedAt_); },
      });
  scroll->setWidget(rows);
  rows->setAutoFillBackground(false);  // the scroll area turns it on; the panel shows through
  return scroll;
}

PortsPanel::~PortsPanel() = default;

void PortsPanel::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  refresh();
}

void PortsPanel::refresh() {
  if (search_->text().toStdString() != processes_.portQuery()) search_->setText(qs(processes_.portQuery()));
  count_->setText(qs(portCountText(processes_.ports(), processes_.portsRead() && processes_.portsAvailable())));
  const auto visible = visiblePorts(processes_.ports(), processes_.portQuery(), processes_.procs());
  empty_->setVisible(visible.empty());
  if (visible.empty())
    empty_->setText(qs(portEmptyText(processes_.portsRead(), processes_.portsAvailable(), processes_.portQuery())));

  if (processes_.ports() != listed_ || listedAt_ == 0) {
    listed_ = processes_.ports();
    listedAt_ = bootTicksNow();
  }
  rows_->show(visible);
}

}  // namespace qel
