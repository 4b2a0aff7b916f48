#pragma once
// Finds what a view cuts off without a hint: a shown widget reaching outside its parent (its
// parent clips it with nothing to tell), or a scroll area whose content overflows where it has
// no scroll bar. Content inside a scroll area may overflow: its scroll bar shows that it does.
#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QStringList>
#include <QWidget>

namespace qel::test {

inline QString describeWidget(const QWidget* w) {
  QString name = QString::fromLatin1(w->metaObject()->className());
  if (!w->objectName().isEmpty()) name += u'#' + w->objectName();
  if (!w->accessibleName().isEmpty()) name += QStringLiteral(" \"%1\"").arg(w->accessibleName());
  const QRect g = w->geometry();
  const QRect p = w->parentWidget() ? w->parentWidget()->rect() : QRect();
  return name + QStringLiteral(" at %1,%2 %3x%4 in %5x%6 of %7")
                    .arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height()).arg(p.width()).arg(p.height())
                    .arg(QString::fromLatin1(w->parentWidget() ? w->parentWidget()->metaObject()->className() : ""));
}

inline QStringList clippedWidgets(const QWidget* root) {
  QStringList out;
  for (const QWidget* w : root->findChildren<QWidget*>()) {
    if (w->isWindow() || !w->isVisibleTo(root)) continue;
    const QWidget* parent = w->parentWidget();
    if (!parent || qobject_cast<const QAbstractScrollArea*>(parent) || qobject_cast<const QScrollBar*>(w)) continue;
    const auto* area = qobject_cast<const QAbstractScrollArea*>(parent->parentWidget());
    if (area && area->viewport() == parent) continue;  // scrolled content
    if (!parent->rect().adjusted(-1, -1, 1, 1).contains(w->geometry())) out << describeWidget(w);
    if (const auto* a = qobject_cast<const QAbstractScrollArea*>(w)) {
      if (a->verticalScrollBar()->maximum() > 0 && a->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff)
        out << describeWidget(w) + QStringLiteral(": content cut at the bottom without a scroll bar");
      if (a->horizontalScrollBar()->maximum() > 0 && a->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff)
        out << describeWidget(w) + QStringLiteral(": content cut at the side without a scroll bar");
    }
  }
  return out;
}

}  // namespace qel::test
