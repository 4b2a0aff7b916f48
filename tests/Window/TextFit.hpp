#pragma once
// Finds visible texts a view cuts off: a label narrower than its text (an elided one ends in an
// ellipsis instead), a button narrower than it
// asks to be, a wrapping label shorter than its lines, or a text widget reaching past a parent's
// edge (outside a scroll area, where running on is the point).
#include <QAbstractButton>
#include <QLabel>
#include <QScrollArea>
#include <QWidget>

#include <string>
#include <vector>

#include "Qel/Window/PlainLabel.hpp"

namespace qel::test {

inline bool insideScrollArea(const QWidget* w) {
  for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
    if (qobject_cast<const QScrollArea*>(p)) return true;
  return false;
}

inline int widestLine(const QFontMetrics& fm, const QString& text) {
  int widest = 0;
  for (const auto& line : text.split(QLatin1Char('\n'))) widest = std::max(widest, fm.horizontalAdvance(line));
  return widest;
}

// One line per clipped text: what it says and by how many pixels it doesn't fit.
inline std::vector<std::string> clippedTexts(const QWidget& window) {
  std::vector<std::string> out;
  auto report = [&](const QWidget* w, const QString& text, const char* how, int by) {
    out.push_back("\"" + text.toStdString() + "\" (" + w->metaObject()->className() + ") " + how + " by " +
                  std::to_string(by) + " px");
  };
  for (const QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&window) || w->width() <= 0 || w->height() <= 0) continue;
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
      // A label that ends in an ellipsis where it is cut shows what fits, and says so.
      const auto* plain = qobject_cast<const PlainLabel*>(w);
      text = plain ? plain->shownText() : label->text();
      if (text.isEmpty()) continue;
      const int room = label->contentsRect().width() - 2 * std::max(label->margin(), 0);
      if (label->wordWrap()) {
        const int need = label->heightForWidth(label->width());
        if (need > label->height() + 1) report(w, text, "cut at the bottom", need - label->height());
      } else if (const int need = widestLine(label->fontMetrics(), text); need > room + 1) {
        report(w, text, "cut at the side", need - room);
      }
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
      text = button->text();
      if (text.isEmpty()) continue;
      // Buttons paint their text in their own font and way: one squeezed below the size it
      // asks for is what cuts its text.
      if (const int need = button->sizeHint().width(); need > button->width() + 1)
        report(w, text, "squeezed in its button", need - button->width());
    } else {
      continue;
    }
    if (insideScrollArea(w)) continue;
    // Every parent up to the window cuts off what lies outside it.
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
      const QRect inParent(w->mapTo(p, QPoint(0, 0)), w->size());
      if (!p->rect().contains(inParent)) {
        const int by = std::max({inParent.right() - p->rect().right(), inParent.bottom() - p->rect().bottom(),
                                 -inParent.left(), -inParent.top()});
        report(w, text, p == &window ? "past the window's edge" : "past its parent's edge", by);
        break;
      }
      if (p == &window) break;
    }
  }
  return out;
}

}  // namespace qel::test
