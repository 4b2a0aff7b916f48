#pragma once
// What a toast lies on: every control of its window (a button, a switch, a field, a list: all the
// keyboard can reach) whose part on show it overlaps.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QWidget>

#include <string>
#include <vector>

namespace qel::test {

inline QRect shownPart(const QWidget* w, const QWidget* in) {
  const QRect seen = w->visibleRegion().boundingRect();
  return seen.isEmpty() ? QRect() : QRect(w->mapTo(in, seen.topLeft()), seen.size());
}

inline std::vector<std::string> controlsUnder(const QWidget& toast) {
  std::vector<std::string> out;
  const QWidget* host = toast.parentWidget();
  if (!host || !toast.isVisible()) return out;
  for (const QWidget* w : host->findChildren<QWidget*>()) {
    if (w == &toast || toast.isAncestorOf(w) || !w->isVisible()) continue;
    const bool container = qobject_cast<const QAbstractScrollArea*>(w) && !qobject_cast<const QAbstractItemView*>(w);
    const bool control = qobject_cast<const QAbstractButton*>(w) || (w->focusPolicy() & Qt::TabFocus);
    if (container || !control) continue;
    if (shownPart(w, host).intersects(toast.geometry())) {
      const auto* button = qobject_cast<const QAbstractButton*>(w);
      out.push_back(std::string(w->metaObject()->className()) +
                    (button && !button->text().isEmpty() ? " \"" + button->text().toStdString() + "\"" : ""));
    }
  }
  return out;
}

}  // namespace qel::test
