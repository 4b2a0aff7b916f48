#include "Qel/Pages/TopRow.hpp"

#include <QFontMetrics>
#include <QPainter>

#include "Qel/Kit/Charts/ThinBar.hpp"
#include "Qel/Kit/IconCache.hpp"
#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/Elision.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Samplers/ProcKey.hpp"
#include "Qel/Store/Parts/Navigator.hpp"
#include "Qel/Text/Format.hpp"

namespace qel {

namespace {

QString cpuText(double cpu) { return QString::fromStdString(fixed(cpu, 1)) + QLatin1Char('%'); }

}  // namespace

TopRow::TopRow(ProcessState processes, Navigator& navigator, IconCache& icons, ProcInfo proc, QWidget* parent)
    : QAbstractButton(parent),
      processes_(processes),
      navigator_(navigator),
      icons_(icons),
      proc_(std::move(proc)),
      bar_(new ThinBar(0, Palette::cpu(), this)),
      accent_(Palette::cpu()) {
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  bar_->setFraction(proc_.cpu / 100);
  setAccessibleName(QString::fromStdString(proc_.name));
  // Only the process the row shows, never a newcomer that took its pid since.
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (findProc(keyOf(proc_), processes_.procs())) navigator_.setDetailPID(proc_.pid);
  });
  Palette::followAppearance(this);
}

void TopRow::setProc(ProcInfo proc) {
  if (proc == proc_) return;
  const bool same = proc.pid == proc_.pid && proc.name == proc_.name && proc.path == proc_.path &&
                    proc.appKey == proc_.appKey;
  proc_ = std::move(proc);
  if (!figure_) bar_->setFraction(proc_.cpu / 100);
  setAccessibleName(QString::fromStdString(proc_.name));
  update(same ? figureRect() : rect());
}

void TopRow::setFigure(double fraction, const QString& text, AdaptiveColor color, int figureWidth) {
  bar_->setFraction(fraction);
  bar_->setColor(color);
  if (figure_ == text && accent_ == color && figureWidth_ == figureWidth) return;
  figure_ = text;
  accent_ = std::move(color);
  figureWidth_ = figureWidth;
  resizeEvent(nullptr);
  update();
}

QSize TopRow::sizeHint() const { return {320, kIcon + 2 * kPad}; }

QRect TopRow::figureRect() const { return {width() - Space::l - figureWidth_, 0, figureWidth_, height()}; }

void TopRow::resizeEvent(QResizeEvent* event) {
  if (event) QAbstractButton::resizeEvent(event);
  const QRect figure = figureRect();
  bar_->setGeometry(figure.left() - kSpacing - kBarWidth, (height() - ThinBar::kHeight) / 2, kBarWidth,
                    ThinBar::kHeight);
}

void TopRow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  if (focusRingShown(this)) {
    QColor ring = accent_.resolve();
    p.setPen(QPen(ring, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), Radius::chip, Radius::chip);
  }
  const int left = Space::l;
  const QRect icon(left, (height() - kIcon) / 2, kIcon, kIcon);
  icons_.forProcess(proc_.appKey, proc_.path).paint(&p, icon);

  const QFont nameFont = Fonts::text(Type::body, QFont::Medium);
  const int nameLeft = icon.right() + 1 + kSpacing;
  const int nameRight = bar_->x() - Space::m;
  p.setFont(nameFont);
  p.setPen(Palette::primaryText().resolve());
  const QString name =
      elidedName(this, QFontMetricsF(nameFont), QString::fromStdString(displayName(proc_.name)), nameRight - nameLeft);
  p.drawText(QRect(nameLeft, 0, std::max(0, nameRight - nameLeft), height()), Qt::AlignLeft | Qt::AlignVCenter, name);

  p.setFont(Fonts::text(Type::body));
  if (figure_) p.setPen(Palette::secondaryText().resolve());
  p.drawText(figureRect(), Qt::AlignRight | Qt::AlignVCenter, figure_ ? *figure_ : cpuText(proc_.cpu));
}

}  // namespace qel
