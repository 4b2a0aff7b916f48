#pragma once
// Walks a window's controls with the Tab key, as a keyboard user would: which controls the walk
// reaches, and whether each shows that it holds the focus.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace qel::test {

inline void pressTab(QWidget* window) {
  QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
  QApplication::sendEvent(target, &tab);
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// The focus stops of `window` in Tab order, once round (at most `limit`).
inline std::vector<QWidget*> tabStops(QWidget* window, int limit = 200) {
  std::vector<QWidget*> stops;
  for (int i = 0; i < limit; ++i) {
    pressTab(window);
    QWidget* now = QApplication::focusWidget();
    if (!now || now->window() != window) break;
    if (std::find(stops.begin(), stops.end(), now) != stops.end()) break;
    stops.push_back(now);
  }
  return stops;
}

// What a user can act on inside `root`, shown and enabled (scroll bars aside: they scroll with the
// focus).
inline std::vector<QWidget*> controls(QWidget* root) {
  std::vector<QWidget*> out;
  for (QWidget* w : root->findChildren<QWidget*>()) {
    if (!w->isVisible() || !w->isEnabled() || qobject_cast<QScrollBar*>(w)) continue;
    if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSlider*>(w) ||
        qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractItemView*>(w))
      out.push_back(w);
  }
  return out;
}

// Whether `stop` looks different with the keyboard's focus than without it: its ring shows.
inline bool focusShows(QWidget* window, QWidget* stop) {
  // In sight first, as Tab would scroll it there.
  for (QWidget* up = stop->parentWidget(); up; up = up->parentWidget())
    if (auto* area = qobject_cast<QScrollArea*>(up)) area->ensureWidgetVisible(stop);
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
  const QRect around = QRect(stop->mapTo(window, QPoint(0, 0)), stop->size()).adjusted(-4, -4, 4, 4);
  stop->setFocus(Qt::TabFocusReason);  // as the Tab key hands it on
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
  const QImage focused = window->grab(around).toImage();
  stop->clearFocus();
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
  const QImage plain = window->grab(around).toImage();
  return focused != plain;
}

inline QString describe(const QWidget* w) {
  QString s = QString::fromLatin1(w->metaObject()->className());
  if (!w->objectName().isEmpty()) s += "#" + w->objectName();
  if (const auto* b = qobject_cast<const QAbstractButton*>(w)) s += " \"" + b->text() + "\"";
  if (!w->accessibleName().isEmpty()) s += " [" + w->accessibleName() + "]";
  return s;
}

}  // namespace qel::test
