#include "Qel/Pages/NetAddressCard.hpp"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "Qel/Kit/Fonts.hpp"
#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/Palette.hpp"
#include "Qel/Kit/PlainLabel.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Pages/NetCard.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

constexpr double kPad = 16;

// The dot before the address card's title.
class StatusDot : public QWidget {
 public:
  explicit StatusDot(QWidget* parent) : QWidget(parent) { setFixedSize(8, 8); }
  void setColor(QColor c) {
    if (c == color_) return;
    color_ = c;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(color_);
    p.drawEllipse(QRectF(rect()));
  }

 private:
  QColor color_;
};

}  // namespace

NetAddressCard::NetAddressCard(QWidget* parent) : QWidget(parent) {
  setFixedWidth(kNetCardWidth);
  setMinimumHeight(kNetCardHeight);
  column_ = new QVBoxLayout(this);
  column_->setContentsMargins(int(kPad), int(kPad), int(kPad), int(kPad));
  column_->setSpacing(6);
  auto* header = new QHBoxLayout;
  header->setSpacing(8);
  dot_ = new StatusDot(this);
  title_ = new PlainLabel({}, 13, QFont::DemiBold, Palette::primaryText(), this);
  header->addWidget(dot_, 0, Qt::AlignVCenter);
  header->addWidget(title_, 1);
  column_->addLayout(header);
  message_ = new PlainLabel({}, 12, QFont::Normal, Palette::tertiaryText(), this);
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
  static_cast<StatusDot*>(dot_)->setColor(any ? Palette::calm() : Palette::warn());
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
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    auto* name = new PlainLabel(qs(displayName(a.interface)), 12.5, QFont::Normal, Palette::tertiaryText(), row);
    auto* address = new PlainLabel(qs(displayName(a.address)), 12.5, QFont::Normal, Palette::primaryText(), row);
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);
    address->setCursor(Qt::IBeamCursor);
    layout->addWidget(name);
    layout->addStretch(1);
    layout->addWidget(address);
    column_->insertWidget(column_->count() - 1, row);
    rows_.emplace_back(name, address);
  }
}

void NetAddressCard::paintEvent(QPaintEvent*) { paintNetCardGround(this); }

}  // namespace qel
