#include "Qel/Window/TabBar.hpp"

#include <QApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QIcon>
#include <QPainter>

#include <cmath>

#include "Qel/Kit/FocusRing.hpp"
#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/Fonts.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/PageTable.hpp"
#include "Qel/Kit/Palette.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Window/PaintCounter.hpp"
#include "Qel/Window/ValueBubble.hpp"

namespace qel {

namespace {

constexpr double kPadX = 13, kPadY = 6, kGap = 6;

QFont titleFont(bool current) { return Fonts::text(13, current ? QFont::DemiBold : QFont::Medium); }
QFont valueFont() { return Fonts::text(11.5); }

QColor withAlpha(QColor c, double a) {
  c.setAlphaF(float(a));
  return c;
}

// The program's mark at the bar's leading end. Its deep-blue tile sinks into a dark bar, so in
// dark mode a light rim traces the tile's edge.
class Logo : public QWidget {
 public:
  explicit Logo(QWidget* parent) : QWidget(parent) {
    setFixedSize(22, 22);
    setObjectName(QStringLiteral("logo"));
    Palette::followAppearance(this);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    if (!Palette::light()) {
      // The icon's tile spans 100..924 of its 1024 units with corners of 185.
      const double unit = width() / 1024.0;
      const QRectF tile(100 * unit, 100 * unit, 824 * unit, 824 * unit);
      p.setRenderHint(QPainter::Antialiasing);
      p.setPen(QPen(Palette::adaptiveOpacity(0, 0.6).resolve(), 1.2));
      p.setBrush(Qt::NoBrush);
      p.drawRoundedRect(tile.adjusted(-0.6, -0.6, 0.6, 0.6), 185 * unit + 0.6, 185 * unit + 0.6);
    }
    static const QIcon mark(QStringLiteral(":/icons/qel.svg"));
    mark.paint(&p, rect());
  }
};

}  // namespace

TabButton::TabButton(Page page, QWidget* parent) : QAbstractButton(parent), page_(page) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setAccessibleName(title(page));
  Palette::followAppearance(this);
}

void TabButton::setState(const State& state) {
  if (state == state_) return;
  const double slot = valueSlot();
  const bool shown = state.showValue != state_.showValue || state.current != state_.current;
  state_ = state;
  const bool resized = shown || valueSlot() != slot;
  setAccessibleDescription(state_.readout.value ? QString::fromStdString(*state_.readout.value) : QString());
  if (resized) updateGeometry();
  update();
}

double TabButton::valueSlot() const {
  const QFontMetricsF fm(valueFont());
  const double widest = fm.horizontalAdvance(QString::fromStdString(widestTabValue(page_)));
  return state_.readout.value ? std::max(widest, fm.horizontalAdvance(QString::fromStdString(*state_.readout.value)))
                              : widest;
}

QSize TabButton::sizeHint() const {
  // The semibold title's width whichever weight shows, so the current tab keeps its width.
  const QFontMetricsF titleFm(titleFont(true));
  double w = 2 * kPadX + titleFm.horizontalAdvance(title(page_));
  if (state_.showValue && state_.readout.value) w += kGap + valueSlot();
  return {int(std::ceil(w)), int(std::ceil(2 * kPadY + titleFm.height()))};
}

void TabButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(rect());
  const double radius = r.height() / 2;
  const QColor accentColor = accent(page_);
  if (state_.current) {
    p.setPen(Qt::NoPen);
    p.setBrush(accentColor);
    p.drawRoundedRect(r, radius, radius);
  }

  const QColor label = state_.current ? Palette::ink() : Palette::secondaryText().resolve();
  const QFontMetricsF titleFm(titleFont(true));
  const QString name = title(page_);
  const double titleW = titleFm.horizontalAdvance(name);
  const double baseline = kPadY + titleFm.ascent();
  p.setFont(titleFont(state_.current));
  p.setPen(label);
  const double shownW = QFontMetricsF(titleFont(state_.current)).horizontalAdvance(name);
  p.drawText(QPointF(kPadX + (titleW - shownW) / 2, baseline), name);

  if (state_.showValue && state_.readout.value) {
    const QColor c = state_.current       ? withAlpha(Palette::ink(), 0.6)
                     : state_.readout.unusual ? Palette::warnText().resolve()
                                              : Palette::tertiaryText().resolve();
    const QFontMetricsF fm(valueFont());
    const QString value = QString::fromStdString(*state_.readout.value);
    const double x = kPadX + titleW + kGap + valueSlot() - fm.horizontalAdvance(value);  // trailing
    p.setFont(valueFont());
    p.setPen(c);
    p.drawText(QPointF(x, baseline), value);
  }

  if (state_.line && page_ != Page::overview) {
    const double full = r.width() - 2 * kPadX;
    const double length = full * std::max(std::isfinite(state_.readout.load) ? state_.readout.load : 0.0, 0.04);
    p.setPen(Qt::NoPen);
    p.setBrush(state_.current ? withAlpha(Palette::ink(), 0.5) : accentColor);
    p.drawRoundedRect(QRectF(kPadX, r.height() - 3 - 2, std::min(length, full), 2), 1, 1);
  }
  if (state_.dot && state_.readout.unusual && page_ != Page::overview) {
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::warn());
    p.drawEllipse(QRectF(r.width() - 7 - 6, 4, 6, 6));
  }
  if (focusRingShown(this)) paintFocusRing(p, r, radius);
}

void TabButton::enterEvent(QEnterEvent* event) {
  QAbstractButton::enterEvent(event);
  emit hovered(true);
}

void TabButton::leaveEvent(QEvent* event) {
  QAbstractButton::leaveEvent(event);
  emit hovered(false);
}

void TabButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    setAccessibleName(title(page_));
    updateGeometry();
    update();
  }
  QAbstractButton::changeEvent(event);
}

TabBar::TabBar(const ViewContext& context, QWidget* parent) : QWidget(parent), store_(context.store) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 4, 4, 4);
  row->setSpacing(2);
  row->addSpacing(6);
  row->addWidget(new Logo(this), 0, Qt::AlignVCenter);
  row->addSpacing(8);
  Store& store = store_;
  for (const PageEntry& entry : pageTable()) {
    const Page page = entry.page;
    auto* tab = new TabButton(page, this);
    tabs_[std::size_t(page)] = tab;
    row->addWidget(tab, 0, Qt::AlignVCenter);
    connect(tab, &QAbstractButton::clicked, this, [this, &store, page, tab] {
      // A click takes no focus, but one that picks another tab while the keyboard is on the bar
      // brings the focus along, so its ring does not stay on the tab left behind.
      if (const QWidget* focused = QApplication::focusWidget(); focused && focused != tab && isAncestorOf(focused))
        tab->setFocus(Qt::MouseFocusReason);
      store.setPage(page);
      store.setSelectedSlot(std::nullopt);
    });
    connect(tab, &TabButton::hovered, this, [this, page](bool inside) { setHovered(page, inside); });
  }
  Palette::followAppearance(this);
  follow(store_.changes(Concern::live | Concern::settings | Concern::navigation | Concern::day), this, [this] { refresh(); });
  refresh();
}

TabBar::~TabBar() { delete bubble_.data(); }

ValueBubble* TabBar::bubble() const { return bubble_ && bubble_->isVisible() ? bubble_ : nullptr; }

void TabBar::refresh() {
  const TabValueStyle style = tabValueStyle(store_);
  for (const PageEntry& entry : pageTable()) {
    const Page page = entry.page;
    const bool current = store_.page() == page;
    TabButton::State s{.current = current,
                       .showValue = style == TabValueStyle::always || (style == TabValueStyle::selected && current),
                       .dot = style == TabValueStyle::alert,
                       .line = style == TabValueStyle::bars,
                       .readout = tabReadout(store_, page)};
    tab(page)->setState(s);
  }
  placeBubble();
}

void TabBar::setHovered(Page page, bool inside) {
  const TabValueStyle style = tabValueStyle(store_);
  if (style != TabValueStyle::hover && style != TabValueStyle::alert) return;
  // A leave that arrives after the next tab's enter does not undo it.
  if (inside)
    hovered_ = page;
  else if (hovered_ == page)
    hovered_.reset();
  placeBubble();
}

void TabBar::placeBubble() {
  const TabValueStyle style = tabValueStyle(store_);
  const bool wanted = hovered_ && (style == TabValueStyle::hover || style == TabValueStyle::alert);
  const auto& readout = wanted ? tab(*hovered_)->state().readout : TabReadout{};
  if (!wanted || !readout.value) {
    if (bubble_) bubble_->hide();
    return;
  }
  // It hangs below the bar, over whatever is there, so it lives in the window, not the bar.
  QWidget* host = window();
  if (!bubble_) bubble_ = new ValueBubble(host);
  if (bubble_->parentWidget() != host) bubble_->setParent(host);
  bubble_->setValue(QString::fromStdString(*readout.value), readout.unusual);
  const QSize size = bubble_->sizeHint();
  TabButton* t = tab(*hovered_);
  const QPoint bottom = t->mapTo(host, QPoint(t->width() / 2, t->height()));
  // The capsule's top 16 below the tab's bottom; the bubble's margin holds its shadow.
  bubble_->setGeometry(bottom.x() - size.width() / 2, bottom.y() + 16 - 8, size.width(), size.height());
  bubble_->show();
  bubble_->raise();
}

void TabBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const bool light = Palette::light();
  const QRectF r(rect());
  const double radius = r.height() / 2;
  p.setPen(Qt::NoPen);
  p.setBrush(withAlpha(Qt::black, light ? 0.06 : 0.22));
  p.drawRoundedRect(r, radius, radius);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(withAlpha(light ? Qt::black : Qt::white, 0.08), 0.5));
  p.drawRoundedRect(r.adjusted(0.25, 0.25, -0.25, -0.25), radius - 0.25, radius - 0.25);
  if (PaintCounter::active()) {
    // The bar repaints whenever it or a tab moves, so the benchmark always has the present places.
    std::vector<std::pair<Page, QRect>> places;
    for (const TabButton* tab : tabs_) places.emplace_back(tab->page(), QRect(tab->mapTo(window(), QPoint()), tab->size()));
    PaintCounter::placeTabs(places);
  }
}

void TabBar::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) refresh();
  QWidget::changeEvent(event);
}

void TabBar::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  placeBubble();
}

}  // namespace qel
