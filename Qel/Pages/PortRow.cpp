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
#include "Qel/Samplers/PortOwners.hpp"
#include "Qel/Samplers/ProcKey.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
namespace {


QColor withAlpha(QColor c, double alpha) {
  c.setAlphaF(float(alpha));
  return c;
}

// The End capsule: it keeps its place in the row and is drawn only while the row is hovered or
// the button holds the keyboard focus.
class EndButton : public QAbstractButton {
 public:
  explicit EndButton(QWidget* parent) : QAbstractButton(parent) {
    setText(qtL("End"));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
  }
  void setShown(bool on) {
    if (on == shown_) return;
    shown_ = on;
    update();
  }
  QSize sizeHint() const override {
    const QFontMetricsF m(font());
    return QSize(int(std::ceil(m.horizontalAdvance(text()))) + 18, int(std::ceil(m.height())) + 4);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!shown_ && !focusRingShown(this)) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect());
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Palette::strain(), 0.12));
    p.drawRoundedRect(box, box.height() / 2, box.height() / 2);
    p.setPen(Palette::strainText().resolve());
    p.setFont(font());
    p.drawText(box, Qt::AlignCenter, text());
    if (focusRingShown(this)) paintFocusRing(p, box, box.height() / 2);
  }

 private:
  bool shown_ = false;
};

}  // namespace

PortRow::PortRow(Store& store, IconCache& icons, PortEntry entry, std::uint64_t listedAt, QWidget* parent)
    : QAbstractButton(parent),
      store_(store),
      icons_(icons),
      entry_(std::move(entry)),
      listedAt_(listedAt),
      end_(new EndButton(this)) {
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  end_->setFont(Fonts::text(11.5, QFont::Medium));
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
  const QFontMetricsF m(Fonts::text(11));
  const double w = m.horizontalAdvance(text) + 18, h = m.height() + 4;
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
  static_cast<EndButton*>(end_)->setShown(true);
}

void PortRow::leaveEvent(QEvent* event) {
  QAbstractButton::leaveEvent(event);
  static_cast<EndButton*>(end_)->setShown(false);
}

void PortRow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const double h = height();
  p.fillRect(QRectF(0, h - 1, width(), 1), Palette::adaptiveOpacity(0.05, 0.05).resolve());

  // Port column.
  const QFont portFont = Fonts::text(17, QFont::Medium);
  const QFont protoFont = Fonts::text(10.5);
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
  const double textX = x + kIcon + 10, textW = std::max(0.0, badgeBox - kSpacing - textX);
  const QFont nameFont = Fonts::text(13, QFont::Medium), hintFont = Fonts::text(12);
  const double nameH = QFontMetricsF(nameFont).height(), hintH = text_.hint ? QFontMetricsF(hintFont).height() + 1 : 0;
  const double textTop = (h - nameH - hintH) / 2;
  p.setFont(nameFont);
  p.setPen(Palette::primaryText().resolve());
  const QString name = QFontMetricsF(nameFont).elidedText(qs(text_.name), Qt::ElideRight, textW);
  p.drawText(QRectF(textX, textTop, textW, nameH), Qt::AlignLeft | Qt::AlignVCenter, name);
  if (text_.hint) {
    p.setFont(hintFont);
    p.setPen(Palette::tertiaryText().resolve());
    const QString hint = QFontMetricsF(hintFont).elidedText(qs(*text_.hint), Qt::ElideRight, textW);
    p.drawText(QRectF(textX, textTop + nameH + 1, textW, hintH), Qt::AlignLeft | Qt::AlignVCenter, hint);
  }

  // Who can reach it.
  const QColor ink = entry_.open ? Palette::warnText().resolve() : Palette::tertiaryText().resolve();
  p.setPen(Qt::NoPen);
  p.setBrush(entry_.open ? withAlpha(Palette::warn(), 0.14) : Palette::adaptiveOpacity(0.06, 0.06).resolve());
  p.drawRoundedRect(badge, badge.height() / 2, badge.height() / 2);
  p.setFont(Fonts::text(11));
  p.setPen(ink);
  p.drawText(badge, Qt::AlignCenter, entry_.open ? qtL("Open to LAN") : qtL("This computer only"));

  if (focusRingShown(this)) paintFocusRing(p, QRectF(rect()).adjusted(0, 1, 0, -1), 8);
}

}  // namespace qel
