#include "Qel/Pages/PortRow.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <chrono>
#include <cmath>

#include "Qel/Kit/FocusRing.hpp"
#include "Qel/Kit/Fonts.hpp"
#include "Qel/Kit/IconCache.hpp"
#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/Palette.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Spacing.hpp"
#include "Qel/Kit/TypeScale.hpp"
#include "Qel/Samplers/PortOwners.hpp"
#include "Qel/Samplers/ProcKey.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

PortRow::PortRow(Store& store, IconCache& icons, PortEntry entry, std::uint64_t listedAt, QWidget* parent)
    : QAbstractButton(parent),
      store_(store),
      icons_(icons),
      entry_(std::move(entry)),
      listedAt_(listedAt),
      end_(new PortEndButton(this)) {
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  end_->setFont(Fonts::text(Type::footnote, QFont::Medium));
  connect(end_, &QAbstractButton::clicked, this, [this] { endOwner(); });
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (owner_ && findProc(keyOf(*owner_), store_.procs())) store_.setDetailPID(owner_->pid);
  });
  Palette::followAppearance(this);
  refreshOwner();
}

void PortRow::setEntry(PortEntry entry, std::uint64_t listedAt) {
  listedAt_ = listedAt;
  if (entry == entry_) {
    refreshOwner();
    return;
  }
  entry_ = std::move(entry);
  refreshOwner();
  update();
}

void PortRow::refreshOwner() {
  auto owner = store_.proc(entry_.pid);
  auto text = portRowText(entry_, owner);
  const bool endable = portEndOffered(owner);
  if (owner == owner_ && text == text_ && endable == !end_->isHidden()) return;
  owner_ = std::move(owner);
  text_ = std::move(text);
  end_->setVisible(endable);
  end_->setAccessibleName(qs(L("End %@, which is using port %@", {text_.name, std::to_string(entry_.port)})));
  setCursor(owner_ ? Qt::PointingHandCursor : Qt::ArrowCursor);
  setAccessibleName(qs(std::to_string(entry_.port) + " " + text_.name));
  setToolTip(entry_.open ? qtL("Listening on all network interfaces: other devices on the same network can connect to "
                               "this port.")
                         : qtL("Listening on 127.0.0.1 only: only this computer can connect."));
  update();
}

void PortRow::endOwner(const SysRoot& root) {
  // Only the process the row showed: the pid may have gone to another process since the listing
  // or the sample, so the one running under it now must have the shown one's start time.
  const auto pid = portEndTarget(entry_, owner_, readRunningProcess(entry_.pid, root), listedAt_);
  if (!pid) return;
  store_.quit({*pid}, false);
  store_.refreshPorts(std::chrono::milliseconds(1500));
}

QSize PortRow::sizeHint() const { return {380, 52}; }

QRectF PortRow::badgeRect() const {
  const QString text = entry_.open ? qtL("Open to LAN") : qtL("This computer only");
  const QFontMetricsF m(Fonts::text(Type::caption));
  const double w = m.horizontalAdvance(text) + Space::xxl, h = m.height() + Space::xs;
  const double right = end_->geometry().left() - kSpacing;
  return {right - w, (height() - h) / 2, w, h};
}

void PortRow::resizeEvent(QResizeEvent* event) {
  QAbstractButton::resizeEvent(event);
  const QSize s = end_->sizeHint();
  end_->setGeometry(width() - s.width(), (height() - s.height()) / 2, s.width(), s.height());
}

void PortRow::enterEvent(QEnterEvent* event) {
  QAbstractButton::enterEvent(event);
  end_->setShown(true);
}

void PortRow::leaveEvent(QEvent* event) {
  QAbstractButton::leaveEvent(event);
  end_->setShown(false);
}

void PortRow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const double h = height();
  p.fillRect(QRectF(0, h - 1, width(), 1), Palette::adaptiveOpacity(0.05, 0.05).resolve());

  // Port column.
  const QFont portFont = Fonts::text(Type::title2, QFont::Medium);
  const QFont protoFont = Fonts::text(Type::caption);
  const double portH = QFontMetricsF(portFont).height(), protoH = QFontMetricsF(protoFont).height();
  const double top = (h - portH - protoH) / 2;
  p.setFont(portFont);
  p.setPen(Palette::primaryText().resolve());
  p.drawText(QRectF(0, top, kPortWidth, portH), Qt::AlignLeft | Qt::AlignVCenter, QString::number(entry_.port));
  p.setFont(protoFont);
  p.setPen(Palette::tertiaryText().resolve());
  p.drawText(QRectF(0, top + portH, kPortWidth, protoH), Qt::AlignLeft | Qt::AlignVCenter, qs(entry_.proto));

  // Owner.
  const QRectF badge = badgeRect();
  const double x = kPortWidth + kSpacing;
  icons_.icon(owner_ ? owner_->path : std::string()).paint(&p, QRect(int(x), int((h - kIcon) / 2), kIcon, kIcon));
  const double badgeBox = std::min(badge.left(), double(end_->geometry().left() - kSpacing - kBadgeBox));
  const double textX = x + kIcon + Space::ml, textW = std::max(0.0, badgeBox - kSpacing - textX);
  const QFont nameFont = Fonts::text(Type::body, QFont::Medium), hintFont = Fonts::text(Type::footnote);
  const double nameH = QFontMetricsF(nameFont).height(), hintH = text_.hint ? QFontMetricsF(hintFont).height() + Space::hair : 0;
  const double textTop = (h - nameH - hintH) / 2;
  p.setFont(nameFont);
  p.setPen(Palette::primaryText().resolve());
  const QString name = QFontMetricsF(nameFont).elidedText(qs(text_.name), Qt::ElideRight, textW);
  p.drawText(QRectF(textX, textTop, textW, nameH), Qt::AlignLeft | Qt::AlignVCenter, name);
  if (text_.hint) {
    p.setFont(hintFont);
    p.setPen(Palette::tertiaryText().resolve());
    const QString hint = QFontMetricsF(hintFont).elidedText(qs(*text_.hint), Qt::ElideRight, textW);
    p.drawText(QRectF(textX, textTop + nameH + Space::hair, textW, hintH), Qt::AlignLeft | Qt::AlignVCenter, hint);
  }

  // Who can reach it.
  const QColor ink = entry_.open ? Palette::warnText().resolve() : Palette::tertiaryText().resolve();
  p.setPen(Qt::NoPen);
  p.setBrush(entry_.open ? Palette::withAlpha(Palette::warn(), 0.14) : Palette::adaptiveOpacity(0.06, 0.06).resolve());
  p.drawRoundedRect(badge, badge.height() / 2, badge.height() / 2);
  p.setFont(Fonts::text(Type::caption));
  p.setPen(ink);
  p.drawText(badge, Qt::AlignCenter, entry_.open ? qtL("Open to LAN") : qtL("This computer only"));

  if (focusRingShown(this)) paintFocusRing(p, QRectF(rect()).adjusted(0, 1, 0, -1), 8);
}

}  // namespace qel
