#include "tests/Window/TextFit.hpp"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextDocumentFragment>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Elision.hpp"
#include "Qel/Pages/RollingFigure.hpp"
#include "Qel/Text/Loc.hpp"
#include "tests/Window/TextRecorder.hpp"

namespace qel::test {

namespace {

constexpr double kSlack = 1.0;  // antialiasing may spill a pixel
const QChar kEllipsis(0x2026);

QString describe(const QWidget* w) {
  QString name = QString::fromLatin1(w->metaObject()->className());
  if (!w->objectName().isEmpty()) name += u'#' + w->objectName();
  return name;
}

// A widget a scroll area moves: its viewport cuts nothing the area can scroll to.
const QAbstractScrollArea* scrollAreaOfViewport(const QWidget* w) {
  const auto* area = w->parentWidget() ? qobject_cast<const QAbstractScrollArea*>(w->parentWidget()) : nullptr;
  return area && area->viewport() == w ? area : nullptr;
}

// The room `w` and each of its parents up to `window` leave `w`, in `w`'s coordinates. What a
// scroll area can scroll to is in reach: past a viewport, no edge cuts up and down (nor sideways
// when the area scrolls sideways).
struct Room {
  const QWidget* by;
  QRectF rect;
};

std::vector<Room> roomsOf(const QWidget* w, const QWidget* window) {
  constexpr double far = 1e7;
  std::vector<Room> out;
  bool scrollsDown = false, scrollsSideways = false;
  for (const QWidget* p = w; p; p = p->parentWidget()) {
    if (const auto* area = scrollAreaOfViewport(p)) {
      scrollsDown = true;
      scrollsSideways = scrollsSideways || (area->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff &&
                                            area->horizontalScrollBar()->maximum() > 0);
    }
    QRectF r(QPointF(w->mapFrom(p, QPoint(0, 0))), QSizeF(p->size()));
    if (scrollsDown) {
      r.setTop(-far);
      r.setBottom(far);
    }
    if (scrollsSideways) {
      r.setLeft(-far);
      r.setRight(far);
    }
    out.push_back({p, r});
    if (p == window) break;
  }
  return out;
}

// Where a text needs its room: sideways its advance (what layouts give it), up and down its
// glyphs' ink. The ink may stand out of the room by a sliver unseen: a last letter's tip past its
// advance, an accent on a capital or a taller script's glyph over the font's ascent by a pixel or
// two.
QRectF neededBox(const DrawnText& t) {
  constexpr double inkSlack = 2;
  const double left = std::min(t.advance.left(), t.ink.left() + inkSlack);
  const double right = std::max(t.advance.right(), t.ink.right() - inkSlack);
  return QRectF(QPointF(left, t.ink.top() + inkSlack), QPointF(right, t.ink.bottom() - inkSlack));
}

bool insideRoom(const QRectF& box, const QRectF& room) {
  return box.left() >= room.left() - kSlack && box.right() <= room.right() + kSlack &&
         box.top() >= room.top() - kSlack && box.bottom() <= room.bottom() + kSlack;
}

bool insideClip(const QRectF& box, const QRegion& clip) {
  const QRect inner = box.adjusted(kSlack, kSlack, -kSlack, -kSlack).toAlignedRect();
  return inner.isEmpty() || QRegion(inner).subtracted(clip).isEmpty();
}

// By how many pixels `ink` reaches past `room`.
int overhang(const QRectF& ink, const QRectF& room) {
  return int(std::ceil(std::max({room.left() - ink.left(), ink.right() - room.right(), room.top() - ink.top(),
                                 ink.bottom() - room.bottom(), 0.0})));
}

QString plainToolTip(const QWidget* w) {
  const QString tip = w->toolTip();
  return Qt::mightBeRichText(tip) ? QTextDocumentFragment::fromHtml(tip).toRawText() : tip;
}

bool holdsFigure(const QString& text) {
  for (const QChar c : text)
    if (c.isDigit()) return true;
  return false;
}

// Whether the whole of an elided `shown` text is in `tip`: every piece around the ellipsis.
bool tipHoldsWhole(const QString& shown, const QString& tip) {
  if (tip.isEmpty()) return false;
  for (const QString& piece : shown.split(kEllipsis, Qt::SkipEmptyParts))
    if (!tip.contains(piece.trimmed())) return false;
  return true;
}

// Whether `next` is drawn on from where `before` ends, on the same baseline.
bool continues(const DrawnText& before, const DrawnText& next) {
  return std::abs(before.advance.right() - next.advance.left()) < 1 &&
         std::abs(before.origin.y() - next.origin.y()) < 1;
}

// What every text of the language in use may hold an "…" in (a command such as "Settings…"):
// each key and translation that has one, as a pattern its values may fill.
std::vector<QRegularExpression> wholeTextsWithEllipsis() {
  std::vector<QRegularExpression> out;
  static const QRegularExpression placeholder(QStringLiteral(R"(%(\d\$)?@|%n)"));
  auto add = [&](const std::string& text) {
    const QString t = QString::fromStdString(text);
    if (!t.contains(kEllipsis)) return;
    QString pattern;
    qsizetype at = 0;
    for (auto it = placeholder.globalMatch(t); it.hasNext();) {
      const auto m = it.next();
      pattern += QRegularExpression::escape(t.mid(at, m.capturedStart() - at)) + QStringLiteral(".*");
      at = m.capturedEnd();
    }
    pattern += QRegularExpression::escape(t.mid(at));
    out.emplace_back(QStringLiteral("^\\s*") + pattern + QStringLiteral("\\s*$"));
  };
  for (const auto& [key, forms] : Loc::table()->entries)
    for (const auto& form : forms) add(form);
  // Every language's table holds every text; the keys are the English texts.
  for (const auto& [key, forms] : Loc::loadTable("de").entries) add(key);
  return out;
}

bool isWholeText(const QString& text, const std::vector<QRegularExpression>& whole) {
  for (const auto& re : whole)
    if (re.match(text).hasMatch()) return true;
  return false;
}

}  // namespace

std::vector<std::string> cutTexts(const QWidget& window) {
  std::vector<std::string> out;
  const auto whole = wholeTextsWithEllipsis();
  auto report = [&](const QWidget* w, const QString& text, const QString& how) {
    out.push_back((describe(w) + QStringLiteral(": \"") + text + QStringLiteral("\" ") + how).toStdString());
  };
  std::vector<const QWidget*> widgets{&window};
  for (const QWidget* w : window.findChildren<QWidget*>()) widgets.push_back(w);
  for (const QWidget* w : widgets) {
    if (w != &window && (w->isWindow() || !w->isVisibleTo(&window))) continue;
    if (w->width() <= 0 || w->height() <= 0) continue;
    const auto rooms = roomsOf(w, &window);
    QRectF room = rooms.front().rect;
    for (const auto& r : rooms) room = room.intersected(r.rect);
    if (room.isEmpty()) continue;  // scrolled out of sight sideways, or squeezed to nothing

    TextRecorder recorder(w->size());
    const_cast<QWidget*>(w)->render(&recorder, QPoint(), QRegion(), QWidget::RenderFlags());
    const auto& texts = recorder.texts();
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const DrawnText& t = texts[i];
      if (t.text.trimmed().isEmpty()) continue;  // spaces between runs only join them
      const QRectF needed = neededBox(t);
      if (!insideRoom(needed, room)) {
        const auto cut = std::ranges::find_if(rooms, [&](const Room& r) { return !insideRoom(needed, r.rect); });
        report(w, t.text, QStringLiteral("reaches %1 px past the edge of %2 (%3 px wide in %4 × %5)")
                              .arg(overhang(needed, cut->rect))
                              .arg(cut->by == w ? QStringLiteral("its widget") : describe(cut->by))
                              .arg(needed.width(), 0, 'f', 1)
                              .arg(cut->by->width())
                              .arg(cut->by->height()));
      } else if (t.clip && !insideClip(needed, *t.clip)) {
        report(w, t.text, QStringLiteral("is cut by its own clip by %1 px").arg(overhang(needed, t.clip->boundingRect())));
      }
      // A line of two scripts comes as runs of each: the ellipsis check reads the line whole.
      QString line = t.text;
      for (std::size_t k = i; k > 0 && continues(texts[k - 1], texts[k]); --k) line.prepend(texts[k - 1].text);
      for (std::size_t k = i + 1; k < texts.size() && continues(texts[k - 1], texts[k]); ++k) line += texts[k].text;
      if (t.text.contains(kEllipsis) && !isWholeText(line, whole)) {
        // A view of outside names (processes, devices) shows its tool tips per row.
        const bool tipPerRow = qobject_cast<const QAbstractItemView*>(w->parentWidget());
        if (!elidesByDesign(w))
          report(w, line, holdsFigure(line) ? QStringLiteral("is a figure cut short")
                                            : QStringLiteral("ends in an ellipsis where nothing may be cut"));
        else if (!tipPerRow && !tipHoldsWhole(line, plainToolTip(w)))
          report(w, line, QStringLiteral("is cut without the whole text in its tool tip"));
      }
      for (std::size_t j = i + 1; j < texts.size(); ++j) {
        const DrawnText& u = texts[j];
        if (u.text.trimmed().isEmpty()) continue;
        // Sideways by their advance (the runs of one line, a name in Latin letters then Korean,
        // meet edge to edge), up and down by their ink (a taller script's line box overlaps the
        // next line's).
        const double across = std::min(t.advance.right(), u.advance.right()) - std::max(t.advance.left(), u.advance.left());
        const double down = std::min(t.ink.bottom(), u.ink.bottom()) - std::max(t.ink.top(), u.ink.top());
        const bool sameText = t.text == u.text && (t.ink.center() - u.ink.center()).manhattanLength() < 3;
        if (!sameText && across > kSlack && down > kSlack)
          report(w, t.text, QStringLiteral("runs into \"%1\"").arg(u.text));
      }
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(w); button && !button->text().isEmpty()) {
      if (const int need = button->sizeHint().width(); need > button->width() + 1)
        report(w, button->text(), QStringLiteral("is squeezed in its button by %1 px").arg(need - button->width()));
    }
    if (const auto* figure = qobject_cast<const RollingFigure*>(w)) {
      if (const int need = figure->sizeHint().width(); need > figure->width() + 1)
        report(w, figure->text(), QStringLiteral("is a figure %1 px wider than its room").arg(need - figure->width()));
    }
  }
  return out;
}

std::string listed(const std::vector<std::string>& cuts) {
  std::string out;
  for (const auto& c : cuts) out += "\n  " + c;
  return out;
}

}  // namespace qel::test
