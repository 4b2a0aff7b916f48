#include "Qel/Processes/ProcessRowDelegate.hpp"

#include <QAbstractItemView>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Glyphs.hpp"
#include "Qel/Kit/IconCache.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Widgets/PlainToolTip.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Charts/ThinBar.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Processes/ProcessRowGeometry.hpp"
#include "Qel/Processes/ProcessTableModel.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

QFont nameFont() { return Fonts::text(Type::body, QFont::Medium); }
QFont tagFont() { return Fonts::text(Type::caption); }
QRectF iconBox(const QRectF& cell) { return {cell.left(), cell.center().y() - 11, 22, 22}; }

// What the name has beside the icon and a tag `tag` wide (none where 0).
double nameRoom(const QRectF& cell, double tag) {
  return std::max(0.0, cell.right() - (iconBox(cell).right() + 10) - (tag > 0 ? tag + 10 : 0) - 8);
}

// The "System" tag's width; none for the user's own processes, and none where it would leave the
// name less than a few letters (a long word for the tag in a narrow window): a row always names
// its process.
double tagWidth(const ProcInfo& proc, const QRectF& cell) {
  if (!proc.isSystem) return 0;
  const double tag = QFontMetricsF(tagFont()).horizontalAdvance(QString::fromStdString(L("System"))) + 10;
  const double fewLetters = QFontMetricsF(nameFont()).horizontalAdvance(QStringLiteral("kwor…"));
  return nameRoom(cell, tag) >= fewLetters ? tag : 0;
}

// The name as it fits in its cell beside the icon and the tag, cut with "…" when it is longer.
QString fittedName(const ProcInfo& proc, const QString& text, const QRectF& cell) {
  return QFontMetricsF(nameFont()).elidedText(text, Qt::ElideRight, nameRoom(cell, tagWidth(proc, cell)));
}

// The name cell: icon, name, "System" tag.
void paintNameCell(QPainter* p, const ProcInfo& proc, const QString& text, const QIcon& appIcon, const QRectF& cell) {
  const QColor tertiary = Palette::tertiaryText().resolve();
  const QRectF icon = iconBox(cell);
  appIcon.paint(p, icon.toRect());
  const double nameLeft = icon.right() + 10;
  const QFontMetricsF nameMetrics(nameFont());
  // Drawn as plain text: whatever a process calls itself is never read as markup.
  const QString name = fittedName(proc, text, cell);
  p->setFont(nameFont());
  p->setPen(Palette::primaryText().resolve());
  const QRectF nameBox(nameLeft, cell.top(), nameMetrics.horizontalAdvance(name) + 1, cell.height());
  p->drawText(nameBox, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, name);
  if (const double tag = tagWidth(proc, cell); tag > 0) {
    const QFontMetricsF tm(tagFont());
    const QRectF tagBox(nameBox.right() + 10, cell.center().y() - tm.height() / 2 - 1, tag, tm.height() + 2);
    p->setPen(QPen(Palette::adaptiveOpacity(0.08, 0.07).resolve(), 1));
    p->setBrush(Qt::NoBrush);
    p->drawRoundedRect(tagBox.adjusted(0.5, 0.5, -0.5, -0.5), Radius::tag, Radius::tag);
    p->setFont(tagFont());
    p->setPen(tertiary);
    p->drawText(tagBox, Qt::AlignCenter, QString::fromStdString(L("System")));
  }
}

// CPU: a bar 56 wide and the figure 48 wide, 10 apart, at the cell's trailing edge.
void paintCpuCell(QPainter* p, double cpu, const QRectF& cell) {
  const QColor secondary = Palette::secondaryText().resolve();
  const bool high = cpuIsHigh(cpu);
  const QColor cpuColor = high ? Palette::warnText().resolve() : secondary;
  const QFont figureFont = Fonts::text(Type::body);
  const QRectF figure(cell.right() - 48, cell.top(), 48, cell.height());
  const QRectF track(figure.left() - 10 - 56, cell.center().y() - ThinBar::kHeight / 2.0, 56, ThinBar::kHeight);
  p->setPen(Qt::NoPen);
  p->setBrush(Palette::adaptiveOpacity(0.08, 0.08).resolve());
  p->drawRoundedRect(track, Radius::bar, Radius::bar);
  if (const double w = thinBarWidth(cpu / 100, track.width()); w > 0) {
    p->setBrush(high ? Palette::warn() : secondary);
    p->drawRoundedRect(QRectF(track.left(), track.top(), w, track.height()), Radius::bar, Radius::bar);
  }
  p->setFont(figureFont);
  p->setPen(cpuColor);
  p->drawText(figure, Qt::AlignRight | Qt::AlignVCenter, QString::number(std::isfinite(cpu) ? cpu : 0.0, 'f', 1));
}

}  // namespace

QColor selectedRowTint(Page page) {
  return Palette::withAlpha(accent(page), Palette::light() ? 0.4 : 0.16);
}

ProcessRowDelegate::ProcessRowDelegate(const ProcessTableModel& model, IconCache& icons,
                                       std::function<bool(std::int32_t)> selected, std::function<Page()> page,
                                       QObject* parent)
    : QStyledItemDelegate(parent),
      model_(model),
      icons_(icons),
      selected_(std::move(selected)),
      page_(std::move(page)) {}

QSize ProcessRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  return {option.rect.width(), int(ProcessRowGeometry::kHeight)};
}

void ProcessRowDelegate::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  if (!index.isValid() || index.row() >= model_.rowCount()) return;
  const ProcInfo& proc = model_.proc(index.row());
  const QRectF rowRect = option.rect;
  const ProcessRowGeometry g = processRowGeometry(rowRect.width(), rowRect.top());
  const bool selected = selected_(proc.pid);
  const Page page = page_();
  const QColor tertiary = Palette::tertiaryText().resolve(), secondary = Palette::secondaryText().resolve();

  p->save();
  p->setRenderHint(QPainter::Antialiasing);
  if (selected)
    p->fillRect(rowRect, selectedRowTint(page));
  else if (option.state & QStyle::State_MouseOver)
    p->fillRect(rowRect, Palette::adaptiveOpacity(0.03, 0.03).resolve());
  p->fillRect(QRectF(rowRect.left(), rowRect.bottom() - 0.5, rowRect.width(), 1),
              Palette::adaptiveOpacity(0.04, 0.04).resolve());

  Glyphs::draw(*p, g.select, selected ? "checkmark.circle.fill" : "circle", 15,
               selected ? accentText(page).resolve() : tertiary);

  paintNameCell(p, proc, index.data(Qt::DisplayRole).toString(), icons_.forProcess(proc.appKey, proc.path), g.name);
  paintCpuCell(p, proc.cpu, g.cpu);
  p->setPen(secondary);
  p->drawText(g.mem, Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(fmtBytes(proc.mem)));
  p->setPen(tertiary);
  p->drawText(g.pid, Qt::AlignRight | Qt::AlignVCenter, QString::number(proc.pid));
  Glyphs::draw(*p, QRectF(g.details.left(), g.details.center().y() - 11, g.details.width(), 22), "ellipsis", 15,
               tertiary);

  // The current row of the focused list: ringed only while the keyboard moves, as every control.
  if ((option.state & QStyle::State_HasFocus) && focusRingShown(option.widget))
    paintFocusRing(*p, rowRect.adjusted(1, 1, -1, -1), 6);
  p->restore();
}

bool ProcessRowDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) {
  if (event->type() != QEvent::ToolTip || !index.isValid() || index.row() >= model_.rowCount())
    return QStyledItemDelegate::helpEvent(event, view, option, index);
  const ProcInfo& proc = model_.proc(index.row());
  const QString name = index.data(Qt::DisplayRole).toString();
  const QString path = QString::fromStdString(displayName(proc.path));
  QString tip = path;
  // A name cut short reads whole here, with the pid that tells two of the same name apart.
  if (fittedName(proc, name, processRowGeometry(option.rect.width(), option.rect.top()).name) != name)
    tip = QString::fromStdString(nameWithPid(name.toStdString(), proc.pid)) +
          (path.isEmpty() ? QString() : QLatin1Char('\n') + path);
  if (tip.isEmpty()) {
    QToolTip::hideText();
    tipFor_.reset();
    return false;
  }
  tipText_ = plainToolTip(tip);
  QToolTip::showText(event->globalPos(), tipText_, view, view->visualRect(index));
  tipFor_ = keyOf(proc);
  tipAt_ = event->globalPos();
  return true;
}

bool ProcessRowDelegate::dropStaleTip(const QAbstractItemView& view) {
  if (!tipFor_) return false;
  const QModelIndex at = view.indexAt(view.viewport()->mapFromGlobal(tipAt_));
  if (at.isValid() && at.row() < model_.rowCount() && keyOf(model_.proc(at.row())) == *tipFor_) return false;
  tipFor_.reset();
  // Only this row's tip: another may have come up since, over something else.
  if (QToolTip::isVisible() && QToolTip::text() == tipText_) QToolTip::hideText();
  return true;
}

}  // namespace qel
