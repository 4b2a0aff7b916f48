#include "Qel/Pages/Network/NetCard.hpp"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "Qel/Kit/IconCache.hpp"
#include "Qel/Kit/OneTaskPaint.hpp"
#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Samplers/ProcKey.hpp"
#include "Qel/Store/Parts/Navigator.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
namespace {

constexpr double kRadius = Radius::card, kPad = Space::xl;

}  // namespace

void paintNetCardGround(QWidget* card, const QRegion& changed) {
  QPainter p(card);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::adaptiveOpacity(0.045, 0.045).resolve());
  paintRectByRect(p, changed, [&](const QRect&) { p.drawRoundedRect(QRectF(card->rect()), kRadius, kRadius); });
}

NetCard::NetCard(ProcessState processes, Navigator& navigator, IconCache& icons, ProcInfo proc, QWidget* parent)
    : QAbstractButton(parent), processes_(processes), navigator_(navigator), icons_(icons), proc_(std::move(proc)) {
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
  setFixedWidth(kNetCardWidth);
  setMinimumHeight(kNetCardHeight);
  setAccessibleName(nameText());
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (findProc(keyOf(proc_), processes_.procs())) navigator_.setDetailPID(proc_.pid);
  });
  Palette::followAppearance(this);
}

void NetCard::setProc(ProcInfo proc) {
  if (proc == proc_) return;
  proc_ = std::move(proc);
  setAccessibleName(nameText());
  update();
}

QString NetCard::nameText() const { return qs(displayName(proc_.name)); }
QString NetCard::rateText() const { return qs(L("↓ %@  ↑ %@", {fmtRate(proc_.netDown), fmtRate(proc_.netUp)})); }
QString NetCard::totalText() const { return qs(L("%@ in total", {fmtBytes(proc_.netTotal)})); }

void NetCard::paintEvent(QPaintEvent* event) {
  paintNetCardGround(this, event->region());
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  icons_.icon(proc_.path).paint(&p, QRect(int(kPad), int(kPad), 24, 24));
  const double x = kPad + 24 + Space::l, w = width() - x - kPad;
  double y = kPad;
  const auto line = [&](const QString& text, const QFont& font, QColor color, double gap) {
    const QFontMetricsF m(font);
    p.setFont(font);
    p.setPen(color);
    p.drawText(QRectF(x, y, w, m.height()), Qt::AlignLeft | Qt::AlignVCenter, m.elidedText(text, Qt::ElideRight, w));
    y += m.height() + gap;
  };
  line(nameText(), Fonts::text(Type::body, QFont::DemiBold), Palette::primaryText().resolve(), Space::lines);
  line(rateText(), Fonts::text(Type::footnote), Palette::secondaryText().resolve(), Space::lines);
  line(totalText(), Fonts::text(Type::footnote), Palette::tertiaryText().resolve(), 0);
  if (focusRingShown(this)) paintFocusRing(p, QRectF(rect()), kRadius);
}

}  // namespace qel
