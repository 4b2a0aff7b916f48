#include "Qel/Pages/GPU/GpuUserList.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

#include "Qel/Kit/IconCache.hpp"
#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Platform/Utf8.hpp"

namespace qel {

GpuUserList::GpuUserList(IconCache& icons, QWidget* parent) : QWidget(parent), icons_(icons) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  Palette::followAppearance(this);
}

void GpuUserList::setUsers(std::vector<ProcInfo> users, std::optional<std::int32_t> frontPid) {
  if (users == users_ && frontPid == front_) return;
  const bool resized = users.size() != users_.size();
  users_ = std::move(users);
  front_ = frontPid;
  if (resized) updateGeometry();
  update();
}

QSize GpuUserList::sizeHint() const { return {300, int(users_.size()) * kRow}; }

void GpuUserList::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QFont nameFont = Fonts::text(Type::body, QFont::Medium), badgeFont = Fonts::text(Type::caption);
  const QFontMetricsF nameMetrics(nameFont), badgeMetrics(badgeFont);
  const double left = Space::l, right = width() - double(Space::l);
  for (std::size_t i = 0; i < users_.size(); ++i) {
    const ProcInfo& proc = users_[i];
    const double top = double(i) * kRow, mid = top + kRow / 2.0;
    const QRect icon(int(left), int(mid - kIcon / 2.0), kIcon, kIcon);
    icons_.forProcess(proc.appKey, proc.path).paint(&p, icon);

    const bool front = front_ && *front_ == proc.pid;
    const QString badge = qtL("Front");
    const double badgeWidth = front ? badgeMetrics.horizontalAdvance(badge) + 2 * Space::s : 0;
    const double nameLeft = left + kIcon + Space::ml;
    const double nameSpace = std::max(0.0, right - (front ? badgeWidth + Space::m : 0) - nameLeft);
    const QString name = nameMetrics.elidedText(QString::fromStdString(displayName(proc.name)), Qt::ElideRight, nameSpace);
    p.setFont(nameFont);
    p.setPen(Palette::primaryText().resolve());
    p.drawText(QRectF(nameLeft, top, nameSpace, kRow), Qt::AlignLeft | Qt::AlignVCenter, name);
    if (front) {
      const double h = badgeMetrics.height() + Space::xxs;
      const QRectF pill(nameLeft + nameMetrics.horizontalAdvance(name) + Space::m, mid - h / 2, badgeWidth, h);
      p.setPen(Qt::NoPen);
      p.setBrush(Palette::adaptiveOpacity(0.07, 0.07).resolve());
      p.drawRoundedRect(pill, h / 2, h / 2);
      p.setFont(badgeFont);
      p.setPen(Palette::tertiaryText().resolve());
      p.drawText(pill, Qt::AlignCenter, badge);
    }
  }
}

}  // namespace qel
