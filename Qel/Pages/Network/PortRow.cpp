#include "Qel/Pages/Network/PortRow.hpp"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

#include <chrono>
#include <cmath>

#include "Qel/Kit/IconCache.hpp"
#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/Elision.hpp"
#include "Qel/Kit/Widgets/PlainToolTip.hpp"
#include "Qel/Kit/WrappedText.hpp"
#include "Qel/Samplers/PortOwners.hpp"
#include "Qel/Samplers/ProcKey.hpp"
#include "Qel/Store/Parts/Navigator.hpp"
#include "Qel/Store/Parts/ProcessActions.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {
QFont nameFont() { return Fonts::text(Type::body, QFont::Medium); }
QFont hintFont() { return Fonts::text(Type::footnote); }
}  // namespace

PortRow::PortRow(ProcessState processes, Navigator& navigator, ProcessActions& actions, IconCache& icons,
                 PortEntry entry, std::uint64_t listedAt, QWidget* parent)
    : QAbstractButton(parent),
      processes_(processes),
      navigator_(navigator),
      actions_(actions),
      icons_(icons),
      entry_(std::move(entry)),
      listedAt_(listedAt),
      end_(new PortEndButton(this)) {
  setFocusPolicy(Qt::StrongFocus);
  QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
  letElideWithTipsPerItem(this);  // a long name ends in "…"; the tool tip over it has it whole
  end_->setFont(Fonts::text(Type::footnote, QFont::Medium));
  connect(end_, &QAbstractButton::clicked, this, [this] { endOwner(); });
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (owner_ && findProc(keyOf(*owner_), processes_.procs())) navigator_.setDetailPID(owner_->pid);
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
  auto owner = processes_.proc(entry_.pid);
  auto text = portRowText(entry_, owner);
  const bool endable = portEndOffered(owner);
  if (owner == owner_ && text == text_ && endable == !end_->isHidden()) return;
  owner_ = std::move(owner);
  text_ = std::move(text);
  end_->setVisible(endable);
  end_->setAccessibleName(qs(L("End %@, which is using port %@", {text_.name, std::to_string(entry_.port)})));
  setCursor(owner_ ? Qt::PointingHandCursor : Qt::ArrowCursor);
  setAccessibleName(qs(std::to_string(entry_.port) + " " + text_.name));
  updateGeometry();  // a hint of more lines, or none, changes the row's height
  update();
}

QString PortRow::reachText() const {
  return entry_.open ? qtL("Listening on all network interfaces: other devices on the same network can connect to "
                           "this port.")
                     : qtL("Listening on 127.0.0.1 only: only this computer can connect.");
}

// Over a name cut short, the whole name; anywhere else, who can reach the port.
bool PortRow::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QAbstractButton::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const Layout l = layoutFor(width());
  const QString name = qs(text_.name);
  const bool cut = QFontMetricsF(nameFont()).horizontalAdvance(name) > l.name.width();
  const bool overName = QRectF(0, l.name.top(), l.name.right(), l.name.height()).contains(help->pos());
  QToolTip::showText(help->globalPos(), plainToolTip(cut && overName ? name : reachText()), this);
  return true;
}

void PortRow::endOwner(const SysRoot& root) {
  // Only the process the row showed: the pid may have gone to another process since the listing
  // or the sample, so the one running under it now must have the shown one's start time.
  const auto pid = portEndTarget(entry_, owner_, readRunningProcess(entry_.pid, root), listedAt_);
  if (!pid) return;
  actions_.quit({*pid}, false);
  actions_.refreshPorts(std::chrono::milliseconds(1500));
}

QSize PortRow::sizeHint() const { return {380, heightForWidth(380)}; }

int PortRow::heightForWidth(int width) const { return int(std::ceil(layoutFor(width).height)); }

QString PortRow::badgeText() const { return entry_.open ? qtL("Open to LAN") : qtL("This computer only"); }

// The owner's name on the first line, with the End button at its end; under it who can reach
// the port and the service usually behind it, on as many lines as that takes. The badge and the
// End button, both wide in some languages, leave the name the row's width that way.
PortRow::Layout PortRow::layoutFor(int width) const {
  const QFontMetricsF name(nameFont()), hint(hintFont()), badge(Fonts::text(Type::caption));
  const QFontMetricsF port(Fonts::text(Type::title2, QFont::Medium)), proto(Fonts::text(Type::caption));
  const QSize end = end_->sizeHint();
  const double textX = kPortWidth + kSpacing + kIcon + Space::ml, top = Space::ml;
  Layout l;
  l.name = QRectF(textX, top, std::max(0.0, width - end.width() - kSpacing - textX), name.height());
  const double below = l.name.bottom() + Space::xxs;
  l.badge = QRectF(textX, below, badge.horizontalAdvance(badgeText()) + Space::xxl, badge.height() + Space::xs);
  const double hintX = l.badge.right() + Space::m, hintW = std::max(0.0, width - hintX);
  const double hintH = text_.hint ? wrappedHeight(hint, qs(*text_.hint), hintW) : 0;
  l.hint = QRectF(hintX, below + (l.badge.height() - std::min(l.badge.height(), hint.height())) / 2, hintW, hintH);
  const double content = std::max(l.badge.bottom(), l.hint.bottom()) - top;
  l.height = top + std::max(content, port.height() + proto.height()) + Space::ml;
  l.end = QRectF(width - end.width(), l.name.center().y() - end.height() / 2.0, end.width(), end.height());
  return l;
}

void PortRow::resizeEvent(QResizeEvent* event) {
  QAbstractButton::resizeEvent(event);
  end_->setGeometry(layoutFor(width()).end.toRect());
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

  // Port column, in the middle of the row.
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
  const Layout l = layoutFor(width());
  const double iconTop = (l.name.top() + std::max(l.badge.bottom(), l.hint.bottom()) - kIcon) / 2;
  icons_.icon(owner_ ? owner_->path : std::string()).paint(&p, QRect(kPortWidth + kSpacing, int(iconTop), kIcon, kIcon));
  p.setFont(nameFont());
  p.setPen(Palette::primaryText().resolve());
  const QString name = QFontMetricsF(nameFont()).elidedText(qs(text_.name), Qt::ElideRight, l.name.width());
  p.drawText(l.name, Qt::AlignLeft | Qt::AlignVCenter, name);
  if (text_.hint) {
    const QString hint = qs(*text_.hint);
    const QFontMetricsF hm(hintFont());
    p.setFont(hintFont());
    p.setPen(Palette::tertiaryText().resolve());
    p.drawText(l.hint, Qt::AlignLeft | Qt::AlignTop | wrapFlags(hm, hint, l.hint.width()), hint);
  }

  // Who can reach it.
  const QColor ink = entry_.open ? Palette::warnText().resolve() : Palette::tertiaryText().resolve();
  p.setPen(Qt::NoPen);
  p.setBrush(entry_.open ? Palette::withAlpha(Palette::warn(), 0.14) : Palette::adaptiveOpacity(0.06, 0.06).resolve());
  p.drawRoundedRect(l.badge, l.badge.height() / 2, l.badge.height() / 2);
  p.setFont(Fonts::text(Type::caption));
  p.setPen(ink);
  p.drawText(l.badge, Qt::AlignCenter, badgeText());

  if (focusRingShown(this)) paintFocusRing(p, QRectF(rect()).adjusted(0, 1, 0, -1), 8);
}

}  // namespace qel
