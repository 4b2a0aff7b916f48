#include "tests/Window/TextFit.hpp"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QFontMetricsF>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextDocumentFragment>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Widgets/Elision.hpp"
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
// scroll area can scroll to is in reach unless it is judged as it stands: past a viewport, no
// edge cuts up and down (nor sideways when the area scrolls sideways).
struct Room {
  const QWidget* by;
  QRectF rect;
  bool viewport = false;  // a scroll area's, judged as it stands
};

std::vector<Room> roomsOf(const QWidget* w, const QWidget* window, Scrolled scrolled) {
  constexpr double far = 1e7;
  std::vector<Room> out;
  bool scrollsDown = false, scrollsSideways = false, viewport = false;
  for (const QWidget* p = w; p; p = p->parentWidget()) {
    if (const auto* area = scrollAreaOfViewport(p)) {
      viewport = scrolled == Scrolled::asItStands;
      scrollsDown = !viewport;
      scrollsSideways = !viewport && (scrollsSideways || (area->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff &&
                                                         area->horizontalScrollBar()->maximum() > 0));
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
    out.push_back({p, r, viewport && scrollAreaOfViewport(p)});
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

const QRegularExpression& placeholders() {
  static const QRegularExpression re(QStringLiteral(R"(%(\d\$)?@|%n|%%)"));
  return re;
}

// The program's own words, as patterns their values may fill: every text of the table in use
// and every key, that has letters of its own beside its placeholders. A name is never one of
// them; a text that matches one is the program's and may not be cut.
std::vector<QRegularExpression> programWords() {
  std::vector<QRegularExpression> out;
  auto add = [&](const std::string& text) {
    const QString t = QString::fromStdString(text);
    QString pattern, literal;
    qsizetype at = 0;
    for (auto it = placeholders().globalMatch(t); it.hasNext();) {
      const auto m = it.next();
      literal += t.mid(at, m.capturedStart() - at);
      pattern += QRegularExpression::escape(t.mid(at, m.capturedStart() - at)) + QStringLiteral("(.*)");
      at = m.capturedEnd();
    }
    literal += t.mid(at);
    pattern += QRegularExpression::escape(t.mid(at));
    if (std::count_if(literal.begin(), literal.end(), [](QChar c) { return c.isLetter(); }) < 3) return;
    out.emplace_back(QStringLiteral("^\\s*") + pattern + QStringLiteral("\\s*$"),
                     QRegularExpression::DotMatchesEverythingOption);
  };
  for (const auto& [key, forms] : Loc::table()->entries)
    for (const auto& form : forms) add(form);
  for (const auto& [key, forms] : Loc::loadTable("de").entries) add(key);
  return out;
}

// The units the texts in use put right after a figure ("%@ s ago": "s", "%@ 秒前": "秒前"): short
// words, so that a line may not end in the figure and leave its unit to the next.
std::vector<QString> wordsAfterFigures() {
  std::vector<QString> out;
  static const QRegularExpression after(QStringLiteral(R"((?:%(?:\d\$)?@|%n)[ \x{00A0}]+([^\s%.,;:!?()\[\]]+))"));
  auto add = [&](const std::string& text) {
    for (auto it = after.globalMatch(QString::fromStdString(text)); it.hasNext();) {
      const QString word = it.next().captured(1);
      if (word.size() <= 3 && std::ranges::find(out, word) == out.end()) out.push_back(word);
    }
  };
  for (const auto& [key, forms] : Loc::table()->entries)
    for (const auto& form : forms) add(form);
  for (const auto& [key, forms] : Loc::loadTable("de").entries) add(key);
  // The formatters' units, which are written as they are in every language.
  for (const char* unit : {"B", "KB", "MB", "GB", "TB", "W", "Wh", "mWh"}) add(std::string("%@ ") + unit);
  return out;
}

bool breaksWord(QChar c) {
  return c.isSpace() || c == u'-' || c == u'_' || c == u'.' || c == u'/' || c == u':' || c == u'(' || c == u',';
}

// Whether `head`, what shows of a name before its "…", holds the name's first word whole: a
// name cut inside its first word ("AM…", "python…" for python3) no longer says what it names.
bool keepsFirstWord(const QString& head, const QString& whole) {
  const QString shown = head.trimmed();
  if (shown.isEmpty()) return false;
  const qsizetype at = whole.indexOf(shown);
  if (at < 0) return shown.size() >= 3;  // no whole text to read it against
  qsizetype end = at;
  while (end < whole.size() && !breaksWord(whole[end])) ++end;
  return at + shown.size() >= end;
}

// Whether the whole text `whole`, shown cut after `head`, is cut inside a name: a text that is
// none of the program's words is a name, cut well when it keeps its first word; one that is, is
// cut well only inside a name it names ("End rust-an…"), never in its words or in a figure.
bool cutInsideAName(const QString& head, const QString& whole, const std::vector<QRegularExpression>& words) {
  const QString shown = head.trimmed();
  const qsizetype cutAt = whole.indexOf(shown) < 0 ? -1 : whole.indexOf(shown) + shown.size();
  bool programs = false;
  for (const auto& re : words) {
    const auto m = re.match(whole);
    if (!m.hasMatch()) continue;
    programs = true;
    for (int g = 1; g <= m.lastCapturedIndex(); ++g) {
      const QString value = m.captured(g);
      const bool named = std::ranges::any_of(value, [](QChar c) { return c.isLetter(); });
      if (named && cutAt > m.capturedStart(g) && cutAt < m.capturedEnd(g) &&
          keepsFirstWord(whole.mid(m.capturedStart(g), cutAt - m.capturedStart(g)), value))
        return true;
    }
  }
  return !programs && keepsFirstWord(head, whole);
}

// The whole of what `tip` says in which `shown` (cut) is found: its line that holds every piece.
QString wholeOf(const QString& shown, const QString& tip) {
  for (const QString& line : tip.split(u'\n')) {
    bool all = true;
    for (const QString& piece : shown.split(kEllipsis, Qt::SkipEmptyParts)) all = all && line.contains(piece.trimmed());
    if (all) return line;
  }
  return tip;
}

// The words a widget tells beside drawing them: a label's or a button's text, its tool tip.
std::vector<QString> toldTexts(const QWidget* w) {
  std::vector<QString> out{plainToolTip(w)};
  if (const auto* label = qobject_cast<const QLabel*>(w)) out.push_back(label->text());
  if (const auto* button = qobject_cast<const QAbstractButton*>(w)) out.push_back(button->text());
  return out;
}

// The rectangle of `w` that shows in `window`, in the window's coordinates: inside every parent.
QRectF shownRect(const QWidget* w, const QWidget* window) {
  QRectF out(QPointF(w->mapTo(window, QPoint(0, 0))), QSizeF(w->size()));
  for (const QWidget* p = w; p != window && p->parentWidget(); p = p->parentWidget())
    out &= QRectF(QPointF(p->parentWidget()->mapTo(window, QPoint(0, 0))), QSizeF(p->parentWidget()->size()));
  return out;
}

// Marks at least this opaque can hide a text they cross; fainter ones (a track, a guide, a
// wash) are grounds it stays readable on. A speck no bigger than a letter's dot (a pulse running
// along a spoke) hides nothing.
constexpr double kSolid = 0.3;
constexpr double kSpeck = 4;

bool hides(const DrawnShape& s) {
  const QRectF r = s.area.boundingRect();
  return !s.gradient && s.opacity >= kSolid && (r.width() > kSpeck || r.height() > kSpeck);
}

// The box a crossing is judged on: the text's ink, less the sliver antialiasing may share.
QRectF judgedBox(const QRectF& ink) { return ink.adjusted(1.5, 1.5, -1.5, -1.5); }

// What one widget painted, in the window's coordinates, for what later widgets draw over it.
struct Painted {
  const QWidget* widget;
  QRectF shown;
  std::vector<DrawnText> texts;
  std::vector<DrawnShape> shapes;
  std::vector<DrawnImage> images;
};

// Whether anything of `marks` lands on `box` (window coordinates).
bool marksReach(const Painted& marks, const QRectF& box) {
  const QRectF inside = box & marks.shown;
  if (inside.isEmpty()) return false;
  for (const auto& t : marks.texts)
    if (!t.text.trimmed().isEmpty() && t.ink.intersects(inside)) return true;
  for (const auto& s : marks.shapes)
    if (hides(s) && s.area.intersects(inside)) return true;
  for (const auto& i : marks.images)
    if (i.covers(inside, kSolid) != DrawnImage::Cover::none) return true;
  return false;
}

// The scroll area a scroll bar belongs to (it stands in a container of the area's), or the bar.
const QWidget* areaOf(const QScrollBar* bar) {
  for (const QWidget* p = bar->parentWidget(); p; p = p->parentWidget())
    if (qobject_cast<const QAbstractScrollArea*>(p)) return p;
  return bar;
}

// The scroll bars of `window` that show a knob: those a text may not lie under.
std::vector<const QScrollBar*> barsThatShow(const QWidget& window) {
  std::vector<const QScrollBar*> out;
  for (const QScrollBar* bar : window.findChildren<QScrollBar*>())
    if (bar->isVisibleTo(&window) && bar->maximum() > bar->minimum() && bar->width() > 0 && bar->height() > 0)
      out.push_back(bar);
  return out;
}

}  // namespace

std::vector<std::string> cutTexts(const QWidget& window, Scrolled scrolled) {
  std::vector<std::string> out;
  const auto whole = wholeTextsWithEllipsis();
  const auto words = programWords();
  const auto units = wordsAfterFigures();
  auto report = [&](const QWidget* w, const QString& text, const QString& how) {
    out.push_back((describe(w) + QStringLiteral(": \"") + text + QStringLiteral("\" ") + how).toStdString());
  };
  std::vector<const QWidget*> widgets{&window};
  for (const QWidget* w : window.findChildren<QWidget*>()) widgets.push_back(w);  // in the order they paint
  std::vector<Painted> painted;
  for (const QWidget* w : widgets) {
    if (w != &window && (w->isWindow() || !w->isVisibleTo(&window))) continue;
    if (w->width() <= 0 || w->height() <= 0) continue;
    const auto rooms = roomsOf(w, &window, scrolled);
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
      // Scrolled wholly out of a viewport that stands where it rests: not on screen (a sliver of
      // its ink left in view is a line cut across). Fine for a row of a list the view scrolls; a
      // button the window's own scroll area alone hides (a footer pushed under the window's edge)
      // is out of reach where the view should show it.
      const QRectF seen = t.ink.adjusted(kSlack, kSlack, -kSlack, -kSlack);
      if (const auto out = std::ranges::find_if(rooms, [&](const Room& r) { return r.viewport && !seen.intersects(r.rect); });
          out != rooms.end()) {
        const bool onlyScroll = std::ranges::count_if(rooms, [](const Room& r) { return r.viewport; }) == 1;
        if (onlyScroll && qobject_cast<const QAbstractButton*>(w))
          report(w, t.text, QStringLiteral("lies wholly past the edge of %1 (%2 × %3) as the view rests")
                                .arg(describe(out->by))
                                .arg(out->by->width())
                                .arg(out->by->height()));
        continue;
      }
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
        // A view of outside names (processes, devices) shows its tool tips per row or per item.
        const bool tipPerItem = qobject_cast<const QAbstractItemView*>(w->parentWidget()) || tipsPerItem(w);
        const QString tip = tipPerItem ? QString() : wholeOf(line, plainToolTip(w));
        if (!elidesByDesign(w))
          report(w, line, holdsFigure(line) ? QStringLiteral("is a figure cut short")
                                            : QStringLiteral("ends in an ellipsis where nothing may be cut"));
        else if (!tipPerItem && !tipHoldsWhole(line, tip))
          report(w, line, QStringLiteral("is cut without the whole text in its tool tip"));
        else if (!tip.isEmpty() && !cutInsideAName(line.section(kEllipsis, 0, 0), tip, words))
          report(w, line, isWholeText(tip, words)
                              ? QStringLiteral("is cut in the program's own words (\"%1\"), not in a name").arg(tip)
                              : QStringLiteral("is a name cut inside its first word"));
        else if (tip.isEmpty() && !keepsFirstWord(line.section(kEllipsis, 0, 0), tip))
          report(w, line, QStringLiteral("is a name cut inside its first word"));
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
      // A mark of the same view that crosses the text, over or under it: a ground that holds it
      // whole is its background, a faint one is a guide it reads over.
      const QRectF box = judgedBox(t.ink);
      if (!box.isEmpty()) {
        for (const auto& shape : recorder.shapes()) {
          if (!hides(shape) || !shape.area.intersects(box) || shape.area.contains(box)) continue;
          report(w, t.text, QStringLiteral("is crossed by a mark at %1,%2 %3×%4")
                                .arg(shape.area.boundingRect().x(), 0, 'f', 0)
                                .arg(shape.area.boundingRect().y(), 0, 'f', 0)
                                .arg(shape.area.boundingRect().width(), 0, 'f', 0)
                                .arg(shape.area.boundingRect().height(), 0, 'f', 0));
          break;
        }
        for (const auto& image : recorder.images()) {
          if (image.covers(box, kSolid) != DrawnImage::Cover::some) continue;
          report(w, t.text, QStringLiteral("is crossed by a picture drawn at %1,%2 %3×%4")
                                .arg(image.target.x(), 0, 'f', 0)
                                .arg(image.target.y(), 0, 'f', 0)
                                .arg(image.target.width(), 0, 'f', 0)
                                .arg(image.target.height(), 0, 'f', 0));
          break;
        }
      }
    }
    // The lines of one paragraph: a figure and the word after it on two lines ("59" / "s ago"),
    // or a word broken in two for want of room ("Притормажива" / "ть").
    for (std::size_t i = 0, next = 0; i < texts.size(); i = next) {
      next = i + 1;
      while (next < texts.size() && continues(texts[next - 1], texts[next])) ++next;
      std::size_t below = next;
      while (below < texts.size() && texts[below].text.trimmed().isEmpty()) ++below;
      if (below >= texts.size()) break;
      const DrawnText &end = texts[next - 1], &start = texts[below];
      const double step = start.origin.y() - end.origin.y(), spacing = QFontMetricsF(end.font).lineSpacing();
      const QString ending = end.text.trimmed(), opening = start.text.trimmed();
      if (end.font != start.font || step < 0.7 * spacing || step > 1.5 * spacing) continue;
      if (ending.isEmpty() || opening.isEmpty()) continue;
      // Where the widget tells its words (a label's text, a button's, a tool tip), a word they
      // hold whole that two lines split.
      const QString split = ending.section(u' ', -1) + opening.section(u' ', 0, 0);
      const bool letters = ending.back().isLetter() && opening.front().isLetter() && ending.back().isLower() == true;
      const QRegularExpression whole(QStringLiteral("(?<!\\w)") + QRegularExpression::escape(split) + QStringLiteral("(?!\\w)"));
      if (letters && split.size() > 2 && std::ranges::any_of(toldTexts(w), [&](const QString& told) {
            return whole.match(told).hasMatch();
          }))
        report(w, ending + QStringLiteral(" / ") + opening, QStringLiteral("breaks inside a word"));
      if (!ending.back().isDigit()) continue;
      if (std::ranges::any_of(units, [&](const QString& u) {
            return opening.startsWith(u) && (opening.size() == u.size() || !opening[u.size()].isLetter());
          }))
        report(w, ending + QStringLiteral(" / ") + opening, QStringLiteral("breaks between a figure and its unit"));
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(w); button && !button->text().isEmpty()) {
      if (const int need = button->sizeHint().width(); need > button->width() + 1)
        report(w, button->text(), QStringLiteral("is squeezed in its button by %1 px").arg(need - button->width()));
    }
    if (const auto* figure = qobject_cast<const RollingFigure*>(w)) {
      if (const int need = figure->sizeHint().width(); need > figure->width() + 1)
        report(w, figure->text(), QStringLiteral("is a figure %1 px wider than its room").arg(need - figure->width()));
    }

    // Kept in the window's coordinates, for the widgets painted after this one.
    const QPointF at(w->mapTo(&window, QPoint(0, 0)));
    Painted p{.widget = w, .shown = shownRect(w, &window), .texts = texts, .shapes = recorder.shapes(),
              .images = recorder.images()};
    for (auto& t : p.texts) t.ink.translate(at);
    for (auto& s : p.shapes) s.area.translate(at);
    for (auto& i : p.images) {
      i.target.translate(at);
      if (i.clip) i.clip->translate(at.toPoint());
    }
    painted.push_back(std::move(p));
  }

  // A text that a widget painted later covers, over the window's whole stack: a tab under a
  // button beside it, a label under a sibling's picture.
  for (std::size_t a = 0; a < painted.size(); ++a) {
    for (const DrawnText& t : painted[a].texts) {
      const QRectF box = judgedBox(t.ink) & painted[a].shown;
      if (t.text.trimmed().isEmpty() || box.isEmpty()) continue;
      for (std::size_t b = a + 1; b < painted.size(); ++b) {
        if (!marksReach(painted[b], box)) continue;
        report(painted[a].widget, t.text, QStringLiteral("runs under %1").arg(describe(painted[b].widget)));
        break;
      }
    }
  }

  // A scroll bar lies over its area's edge: where it shows, the text under it is hidden by it
  // whether it rests faint or shows whole.
  for (const QScrollBar* bar : barsThatShow(window)) {
    const QRectF over(QPointF(bar->mapTo(&window, QPoint(0, 0))), QSizeF(bar->size()));
    for (const Painted& p : painted) {
      if (p.widget == bar) continue;
      for (const DrawnText& t : p.texts) {
        const QRectF box = judgedBox(t.ink) & p.shown;
        if (t.text.trimmed().isEmpty() || box.isEmpty() || !box.intersects(over)) continue;
        report(p.widget, t.text, QStringLiteral("lies under the scroll bar of %1").arg(describe(areaOf(bar))));
      }
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
