#include "Qel/MenuBar/PanelProcRow.hpp"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Charts/ThinBar.hpp"
#include "Qel/Kit/PanelStyle.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/Elision.hpp"
#include "Qel/MenuBar/PanelFacts.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Samplers/ProcKey.hpp"
#include "Qel/Store/Parts/ProcessActions.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
namespace {

constexpr int kBarWidth = 54;
constexpr int kCpuWidth = 50;
constexpr int kGap = Space::m;
// Room either side of "End" inside its pill.
constexpr double kPillPadding = 16;

QFont endFont() { return Fonts::text(Type::caption, QFont::Medium); }
QFont systemFont() { return Fonts::text(Type::caption); }

}  // namespace

PanelProcRow::PanelProcRow(ProcessState processes, ProcessActions& actions, std::function<void(const ProcInfo&)> open,
                           QWidget* parent)
    : QWidget(parent), processes_(processes), actions_(actions), open_(std::move(open)) {
  setFixedHeight(kHeight);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setFocusPolicy(Qt::TabFocus);
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_Hover);
}

void PanelProcRow::setProc(const ProcInfo& proc, const QIcon& icon, bool ended) {
  if (proc == proc_ && icon.cacheKey() == icon_.cacheKey() && ended == ended_) return;
  proc_ = proc;
  icon_ = icon;
  ended_ = ended;
  setCursor(ended ? Qt::ArrowCursor : Qt::PointingHandCursor);
  setAccessibleName(QString::fromStdString(displayName(proc.name)));
  update();
}

int PanelProcRow::endWidth() {
  // Wide enough for either word in the language in use, never cut; the same on every row so the
  // bars line up.
  const double end = QFontMetricsF(endFont()).horizontalAdvance(qs(L("End"))) + kPillPadding;
  const double system = QFontMetricsF(systemFont()).horizontalAdvance(qs(L("System"))) + 2 * Space::xxs;
  return std::max(kEndWidth, int(std::ceil(std::max(end, system))));
}

QRect PanelProcRow::endRect() const {
  const int w = endWidth();
  return {width() - w, 0, w, height()};
}

void PanelProcRow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const bool hot = procIsHot(proc_.cpu);
  const QColor tone = hot ? PanelStyle::warm() : PanelStyle::grey();
  const double mid = height() / 2.0;
  if (ended_) p.setOpacity(0.4);
  icon_.paint(&p, QRect(0, int(mid - 9), 18, 18));

  // Right to left: the End column, the figure, the bar; the name takes what is left.
  double right = width() - endWidth() - kGap;
  const QFont figure = Fonts::text(Type::body);
  p.setFont(figure);
  p.setPen(tone);
  p.drawText(QRectF(right - kCpuWidth, 0, kCpuWidth, height()), Qt::AlignRight | Qt::AlignVCenter,
             QString::fromStdString(procCpuText(proc_.cpu)));
  right -= kCpuWidth + kGap;
  const double barLeft = right - kBarWidth;
  p.setPen(Qt::NoPen);
  p.setBrush(PanelStyle::shade(0.08));
  p.drawRoundedRect(QRectF(barLeft, mid - 2, kBarWidth, 4), Radius::bar, Radius::bar);
  p.setBrush(tone);
  p.drawRoundedRect(QRectF(barLeft, mid - 2, thinBarWidth(proc_.cpu / 100, kBarWidth), 4), Radius::bar, Radius::bar);

  const QFont nameFont = Fonts::text(Type::body);
  const QFontMetricsF fm(nameFont);
  const double nameLeft = 18 + kGap;
  // The name is drawn as plain text: whatever the process calls itself is shown, never read as markup.
  const QString name = elidedName(this, fm, QString::fromStdString(displayName(proc_.name)), barLeft - kGap - nameLeft);
  p.setFont(nameFont);
  p.setPen(PanelStyle::primary());
  p.drawText(QRectF(nameLeft, 0, barLeft - nameLeft, height()), Qt::AlignLeft | Qt::AlignVCenter, name);

  if (hovering_ && !ended_) paintEnd(p, mid);
  p.setOpacity(1);
  if (focusRingShown(this)) paintFocusRing(p, QRectF(rect()), 6);
}

void PanelProcRow::paintEnd(QPainter& p, double mid) const {
  const QRectF end(endRect());
  if (proc_.isSystem) {
    p.setFont(systemFont());
    p.setPen(PanelStyle::muted());
    p.drawText(end, Qt::AlignCenter, QString::fromStdString(L("System")));
    return;
  }
  const QFont font = endFont();
  const QString text = QString::fromStdString(L("End"));
  const double w = std::min(end.width(), QFontMetricsF(font).horizontalAdvance(text) + kPillPadding);
  const QRectF pill(end.right() - w, mid - 8, w, 16);
  QColor back = PanelStyle::hot();
  back.setAlphaF(0.12F);
  p.setPen(Qt::NoPen);
  p.setBrush(back);
  p.drawRoundedRect(pill, Radius::chip, Radius::chip);
  p.setFont(font);
  p.setPen(PanelStyle::hot());
  p.drawText(pill, Qt::AlignCenter, text);
}

void PanelProcRow::enterEvent(QEnterEvent*) {
  hovering_ = true;
  update();
}

void PanelProcRow::leaveEvent(QEvent*) {
  hovering_ = false;
  update();
}

void PanelProcRow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
  event->accept();
  if (endRect().contains(event->position().toPoint())) {
    if (!proc_.isSystem) endProc();
    return;
  }
  openRow();
}

void PanelProcRow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
    event->accept();
    openRow();
    return;
  }
  QWidget::keyPressEvent(event);
}

void PanelProcRow::openRow() {
  if (auto now = findProc(keyOf(proc_), processes_.procs()); now && open_) open_(*now);
}

void PanelProcRow::endProc() {
  if (findProc(keyOf(proc_), processes_.procs())) actions_.quit({proc_.pid}, false);
}

}  // namespace qel
