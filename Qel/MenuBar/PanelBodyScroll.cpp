#include "Qel/MenuBar/PanelBodyScroll.hpp"

#include <QLayout>

#include <algorithm>
#include <optional>

#include "Qel/MenuBar/PanelCard.hpp"
#include "Qel/MenuBar/PanelHairline.hpp"

namespace qel {
namespace {

// Lays `w` and everything in it out now, hidden or not: a hidden widget's layouts wait for it
// to be shown.
void layOutNow(QWidget* w) {
  if (QLayout* layout = w->layout()) layout->setGeometry(w->rect());
  for (QObject* child : w->children())
    if (auto* c = qobject_cast<QWidget*>(child); c && !c->isWindow()) layOutNow(c);
}

// A section's head as the rows are walked: from its hairline down to the end of its title line.
struct Head {
  int top;
  std::optional<int> lineEnd;  // none until the title comes
};

// What a cut may not cross: every widget that shows something of its own. Plain widgets only
// hold others in their layouts, and a cut between what they hold crosses nothing. A section's
// head (its hairline, its title and the note beside it) goes with its first row, so a cut never
// leaves a hairline or a title over nothing as the sections' last line.
void collectRows(const QWidget* w, const QWidget* content, std::vector<std::pair<int, int>>& rows,
                 std::optional<Head>& head) {
  for (QObject* child : w->children()) {
    const auto* c = qobject_cast<const QWidget*>(child);
    if (!c || c->isWindow() || !c->isVisibleTo(content)) continue;
    if (c->metaObject() == &QWidget::staticMetaObject) {
      collectRows(c, content, rows, head);
      continue;
    }
    const int top = c->mapTo(content, QPoint(0, 0)).y(), bottom = top + c->height();
    if (qobject_cast<const PanelHairline*>(c)) {
      head = Head{.top = top};
      continue;
    }
    if (!head) {
      rows.emplace_back(top, bottom);
      continue;
    }
    rows.emplace_back(head->top, bottom);
    if (!head->lineEnd || top < *head->lineEnd) head->lineEnd = std::max(head->lineEnd.value_or(bottom), bottom);
    else head.reset();  // the first row under the title line
  }
}

}  // namespace

int cutBetweenRows(std::vector<std::pair<int, int>> rows, int room) {
  int cut = std::max(room, 0);
  // Each row the cut crosses moves it up to that row's top, which may cross another.
  for (bool moved = true; moved;) {
    moved = false;
    for (const auto& [a, b] : rows) {
      const int top = std::min(a, b), bottom = std::max(a, b);
      if (top < cut && cut < bottom) {
        cut = std::max(top, 0);
        moved = true;
      }
    }
  }
  // The gap after the last row above the cut goes too: the switches keep their usual distance.
  int end = 0;
  for (const auto& [a, b] : rows)
    if (std::max(a, b) <= cut) end = std::max(end, std::max(a, b));
  return end > 0 ? end : cut;
}

PanelBodyScroll::PanelBodyScroll(QWidget* content) {
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // No bar on the sections: it would lie on the ends of their right-aligned lines.
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setWidgetResizable(true);
  viewport()->setAutoFillBackground(false);
  setAutoFillBackground(false);
  setWidget(content);
  content->setAutoFillBackground(false);  // after setWidget, which turns it on
}

QSize PanelBodyScroll::sizeHint() const {
  const int width = kPanelContentWidth;
  const int forWidth = widget()->heightForWidth(width);
  return {width, forWidth > 0 ? forWidth : widget()->sizeHint().height()};
}

QSize PanelBodyScroll::minimumSizeHint() const { return {widget()->minimumSizeHint().width(), 0}; }

int PanelBodyScroll::heightBetweenRows(int room) const {
  QWidget* content = widget();
  const QSize whole = sizeHint();
  if (room >= whole.height()) return room;
  content->resize(whole);
  layOutNow(content);
  std::vector<std::pair<int, int>> rows;
  std::optional<Head> head;
  collectRows(content, content, rows, head);
  return cutBetweenRows(std::move(rows), room);
}

}  // namespace qel
