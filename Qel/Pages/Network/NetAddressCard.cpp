#include "Qel/Pages/Network/NetAddressCard.hpp"

#include <QHBoxLayout>
#include <QPaintEvent>
#include <QVBoxLayout>

#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Pages/Network/NetCard.hpp"
#include "Qel/Pages/Network/StatusDot.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

constexpr int kPad = Space::xl;

}  // namespace

NetAddressCard::NetAddressCard(QWidget* parent) : QWidget(parent) {
  setFixedWidth(kNetCardWidth);
  setMinimumHeight(kNetCardHeight);
  column_ = new QVBoxLayout(this);
  column_->setContentsMargins(kPad, kPad, kPad, kPad);
  column_->setSpacing(Space::s);
  auto* header = new QHBoxLayout;
  header->setSpacing(Space::m);
  dot_ = new StatusDot(this);
  title_ = new PlainLabel({}, Type::body, QFont::DemiBold, Palette::primaryText(), this);
  header->addWidget(dot_, 0, Qt::AlignVCenter);
  header->addWidget(title_, 1);
  column_->addLayout(header);
  message_ = new PlainLabel({}, Type::footnote, QFont::Normal, Palette::tertiaryText(), this);
  message_->setWordWrap(true);
  column_->addWidget(message_);
  column_->addStretch(1);
  Palette::followAppearance(this);
  setAddresses({});
}

void NetAddressCard::setAddresses(const std::vector<NetAddress>& addresses, bool traffic) {
  traffic = traffic && addresses.empty();  // only tells while there is no address
  if (shown_ && addresses == addresses_ && traffic == traffic_) return;
  shown_ = true;
  addresses_ = addresses;
  traffic_ = traffic;
  const bool any = !addresses_.empty();
  dot_->setColor(any ? Palette::calm() : Palette::warn());
  title_->setText(any ? qtL("Local address") : traffic ? qtL("No local address") : qtL("Not connected"));
  message_->setText(traffic ? qtL("Data is moving, but no network interface has an IPv4 address.")
                            : qtL("No network interface with an IP address was found."));
  message_->setVisible(!any);
  for (auto& [name, address] : rows_) {
    delete name->parentWidget();
  }
  rows_.clear();
  for (const auto& a : addresses_) {
    auto* row = new QWidget(this);
    auto* layout = Layouts::row(row, Space::l);
    auto* name = new PlainLabel(qs(displayName(a.interface)), Type::body, QFont::Normal, Palette::tertiaryText(), row);
    auto* address = new PlainLabel(qs(displayName(a.address)), Type::body, QFont::Normal, Palette::primaryText(), row);
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);
    address->setCursor(Qt::IBeamCursor);
    layout->addWidget(name);
    layout->addStretch(1);
    layout->addWidget(address);
    column_->insertWidget(column_->count() - 1, row);
    rows_.emplace_back(name, address);
  }
}

void NetAddressCard::paintEvent(QPaintEvent* event) { paintNetCardGround(this, event->region()); }

}  // namespace qel
