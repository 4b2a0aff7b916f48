#include "Qel/Window/TabBar.hpp"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QPaintEvent>
#include <QPainter>

#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/OneTaskPaint.hpp"
#include "Qel/Kit/PageTable.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Window/PaintCounter.hpp"
#include "Qel/Window/TabBarLogo.hpp"
#include "Qel/Window/ValueBubble.hpp"

namespace qel {

TabBar::TabBar(const ViewContext& context, QWidget* parent)
    : QWidget(parent),
      live_(context.live),
      settings_(context.settings),
      navigation_(context.navigation),
      navigator_(context.navigator) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(Space::xs, Space::xs, Space::xs, Space::xs);
  row->setSpacing(Space::xxs);
  row->addSpacing(Space::s);
  row->addWidget(new TabBarLogo(this), 0, Qt::AlignVCenter);
  row->addSpacing(Space::m);
  Navigator& navigator = navigator_;
  for (const PageEntry& entry : pageTable()) {
    const Page page = entry.page;
    auto* tab = new TabButton(page, this);
    tabs_[std::size_t(page)] = tab;
    row->addWidget(tab, 0, Qt::AlignVCenter);
    connect(tab, &QAbstractButton::clicked, this, [this, &navigator, page, tab] {
      // A click takes no focus, but one that picks another tab while the keyboard is on the bar
      // brings the focus along, so its ring does not stay on the tab left behind.
      if (const QWidget* focused = QApplication::focusWidget(); focused && focused != tab && isAncestorOf(focused))
        tab->setFocus(Qt::MouseFocusReason);
      navigator.setPage(page);
      navigator.setSelectedSlot(std::nullopt);
    });
    connect(tab, &TabButton::hovered, this, [this, page](bool inside) { setHovered(page, inside); });
  }
  Palette::followAppearance(this);
  follow(context.live.changed() | context.settings.changed() | context.navigation.changed() | context.day.changed(), this,
         [this] { refresh(); });
  refresh();
}

TabBar::~TabBar() { delete bubble_.data(); }

ValueBubble* TabBar::bubble() const { return bubble_ && bubble_->isVisible() ? bubble_ : nullptr; }

namespace {

bool showsValue(TabValueStyle style, bool current, bool currentOnly) {
  if (style == TabValueStyle::always) return current || !currentOnly;
  return style == TabValueStyle::selected && current;
}

}  // namespace

void TabBar::setFit(Fit fit) {
  if (fit.condensed == fit_.condensed && fit.currentOnly == fit_.currentOnly) return;
  fit_ = fit;
  refresh();
}

int TabBar::widthWith(Fit fit) const {
  const TabValueStyle style = tabValueStyle(settings_);
  int width = sizeHint().width();
  for (const TabButton* tab : tabs_)
    width += tab->widthAt(showsValue(style, navigation_.page() == tab->page(), fit.currentOnly), fit.condensed) -
             tab->sizeHint().width();
  return width;
}

void TabBar::refresh() {
  const TabValueStyle style = tabValueStyle(settings_);
  for (const PageEntry& entry : pageTable()) {
    const Page page = entry.page;
    const bool current = navigation_.page() == page;
    TabButton::State s{.current = current,
                       .showValue = showsValue(style, current, fit_.currentOnly),
                       .dot = style == TabValueStyle::alert,
                       .line = style == TabValueStyle::bars,
                       .condensed = fit_.condensed,
                       .readout = tabReadout(live_, page)};
    tab(page)->setState(s);
  }
  placeBubble();
}

void TabBar::setHovered(Page page, bool inside) {
  const TabValueStyle style = tabValueStyle(settings_);
  if (style != TabValueStyle::hover && style != TabValueStyle::alert) return;
  // A leave that arrives after the next tab's enter does not undo it.
  if (inside)
    hovered_ = page;
  else if (hovered_ == page)
    hovered_.reset();
  placeBubble();
}

void TabBar::placeBubble() {
  const TabValueStyle style = tabValueStyle(settings_);
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
  bubble_->setGeometry(bottom.x() - size.width() / 2, bottom.y() + Space::xl - 8, size.width(), size.height());
  bubble_->show();
  bubble_->raise();
}

void TabBar::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const bool light = Palette::light();
  const QRectF r(rect());
  const double radius = r.height() / 2;
  paintRectByRect(p, event->region(), [&](const QRect&) {
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::shadow(light ? 0.06 : 0.22));
    p.drawRoundedRect(r, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Palette::wash(0.08), 0.5));
    p.drawRoundedRect(r.adjusted(0.25, 0.25, -0.25, -0.25), radius - 0.25, radius - 0.25);
  });
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
