#include "Qel/Window/RootView.hpp"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/InitialFocusClearer.hpp"
#include "Qel/Kit/OneTaskPaint.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Kit/Widgets/PageHead.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Window/PaintCounter.hpp"
#include "Qel/Window/SheetHost.hpp"
#include "Qel/Window/Toast.hpp"
#include "Qel/Window/TabBar.hpp"
#include "Qel/Window/TopBar.hpp"

namespace qel {

namespace {

QColor mix(const QColor& from, const QColor& to, double t) {
  const auto m = [t](float a, float b) { return a + (b - a) * float(t); };
  return QColor::fromRgbF(m(from.redF(), to.redF()), m(from.greenF(), to.greenF()), m(from.blueF(), to.blueF()),
                          m(from.alphaF(), to.alphaF()));
}

// A page that is not built yet: its name in its accent, nothing more.
QWidget* standIn(Page page, QWidget* parent) {
  auto* holder = new QWidget(parent);
  auto* layout = Layouts::flush(new QVBoxLayout(holder));
  layout->addWidget(new PageHead(title(page), accentText(page), {}, {}, {}, Type::heroStandIn, holder));
  layout->addStretch(1);
  return holder;
}

}  // namespace

RootView::RootView(const ViewContext& context, const ViewRegistry& registry, QWidget* parent)
    : QWidget(parent),
      context_(context),
      registry_(registry),
      column_(new QVBoxLayout(this)),
      toast_(new Toast(this)),
      sheets_(new SheetHost(context, registry, this)),
      page_(context.navigation.page()),
      fromPage_(page_),
      breath_{glowLoad(context.live.cpu().total), glowLoad(context.live.cpu().total)},
      frames_([this] { frame(); }) {
  // Every pixel is painted here: nothing beneath needs painting first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  Layouts::flush(column_);
  column_->setSpacing(0);
  build();
  new InitialFocusClearer(this);

  follow(context.live.changed() | context.settings.changed() | context.navigation.changed(), this,
         [this] { storeChanged(); });
  connect(Palette::notifier(), &AppearanceNotifier::qelAppearanceChanged, this, &RootView::appearanceChanged);
  appearanceChanged();
  storeChanged();
}

void RootView::build() {
  rebuildPending_ = false;
  while (auto* item = column_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  delete topBar_;
  topBar_ = nullptr;
  delete tabBar_;  // it stands in a row of its own, which the loop above leaves
  tabBar_ = nullptr;
  pageView_ = nullptr;

  const auto& tabBar = registry_.tabBar();
  tabBar_ = tabBar ? tabBar(context_, this) : nullptr;
  column_->addSpacing(Space::l);
  tabRow_ = new QHBoxLayout;
  if (tabBar_) tabRow_->addWidget(tabBar_);
  tabRow_->addStretch(1);
  column_->addLayout(tabRow_);
  column_->addSpacing(Space::s);
  showPage(page_);

  topBar_ = new TopBar(context_, registry_, this);
  topBar_->installEventFilter(this);  // to follow its size as its items come and go
  topBar_->show();
  placeOverlays();
}

void RootView::showPage(Page page) {
  QWidget* old = pageView_;
  auto* holder = new QWidget(this);
  auto* margins = new QVBoxLayout(holder);
  margins->setContentsMargins(Space::gutter, Space::xxl, Space::gutter, Space::windowBottom);
  const ViewFactory* factory = registry_.page(page);
  QWidget* view = factory ? (*factory)(context_, holder) : nullptr;
  margins->addWidget(view ? view : standIn(page, holder));
  if (old) {
    delete column_->replaceWidget(old, holder);
    old->deleteLater();  // it may be the sender of what changed the page
    old->hide();
  } else {
    column_->addWidget(holder, 1);
  }
  pageView_ = holder;
  if (topBar_) topBar_->raise();
  toast_->raise();
}

void RootView::appearanceChanged() {
  // The default colour of every text inside.
  QPalette p = palette();
  p.setColor(QPalette::WindowText, Palette::primaryText().resolve());
  setPalette(p);
  update();
  frame();
}

Glow RootView::glow() const { return glowAt(FrameTimer::now()); }

Glow RootView::glowAt(std::int64_t now) const {
  const QSizeF size(width(), height());
  const double load = breath_.at(now), progress = pageMove_.at(now);
  const Glow from = glowFor(fromPage_, load, Palette::light(), size);
  const Glow to = glowFor(page_, load, Palette::light(), size);
  return {from.centre + (to.centre - from.centre) * progress, mix(from.color, to.color, progress), to.opacity};
}

QColor RootView::backgroundAt(std::int64_t now) const {
  return mix(background(fromPage_).resolve(), background(page_).resolve(), pageMove_.at(now));
}

GlowLook RootView::lookAt(std::int64_t now) const {
  return glowLook(glowAt(now), backgroundAt(now), devicePixelRatioF());
}

int RootView::motionMs(int ms) const { return onScreen_ ? Motion::duration(ms) : 0; }

void RootView::storeChanged() {
  const NavigationState& navigation = context_.navigation;
  const std::int64_t now = FrameTimer::now();
  if (navigation.page() != page_) {
    fromPage_ = page_;
    page_ = navigation.page();
    pageMove_ = {0, 1, now, motionMs(500)};
    showPage(page_);
  }
  if (const double load = glowLoad(context_.live.cpu().total); load != breath_.to) {
    const auto endLook = [&](double l) {
      return glowLook(glowFor(page_, l, Palette::light(), size()), background(page_).resolve(), devicePixelRatioF());
    };
    // A sample that ends on the same pixels leaves the breath running as it is.
    if (endLook(load) == endLook(breath_.to)) {
      breath_.to = load;
    } else {
      breath_ = {breath_.at(now), load, now, motionMs(1400)};
    }
  }
  placeTabBar();  // a tab may have grown or shrunk with what it shows
  placeTopBar();
  frame();
  const auto& toast = navigation.toast();
  // A toast raised from a sheet (or while one is open) shows over that sheet.
  toast_->standOver(sheets_->dialog());
  toast_->setMessage(toast ? std::optional<QString>(QString::fromStdString(*toast)) : std::nullopt);
}

void RootView::frame() {
  const std::int64_t now = FrameTimer::now();
  const GlowLook look = lookAt(now);
  if (look.background != drawn_.background || look.dpr != drawn_.dpr) {
    update();
  } else if (look != drawn_) {
    update(glowRect(drawn_).united(glowRect(look)));
  }
  drawn_ = look;
  if (!onScreen_) {
    frames_.stop();
  } else if (pageMove_.runs(now)) {
    frames_.startNextFrame();
  } else if (const std::int64_t next = breath_.runs(now) ? nextBreathStep(now) : -1; next >= 0) {
    frames_.startAt(next);
  } else {
    frames_.stop();
  }
}

std::int64_t RootView::nextBreathStep(std::int64_t now) const {
  // The breath moves one way, so its looks change in order: halve the time to the next one.
  const GlowLook current = lookAt(now);
  std::int64_t same = now, changed = breath_.start + breath_.ms;
  if (lookAt(changed) == current) return -1;
  while (changed - same > 1) {
    const std::int64_t mid = same + (changed - same) / 2;
    (lookAt(mid) == current ? same : changed) = mid;
  }
  return changed;
}

const QImage& RootView::glowImage() {
  GlowLook key = drawn_;
  key.topLeft = {};  // the same picture serves every place
  if (image_.isNull() || !(key == imageLook_)) {
    image_ = fade_.render(key);
    imageLook_ = key;
  }
  return image_;
}

void RootView::paintEvent(QPaintEvent* event) {
  PaintCounter::count(page_);
  if (drawn_.dpr != devicePixelRatioF()) {  // moved to a screen of another scale
    drawn_ = lookAt(FrameTimer::now());
    update();
  }
  QPainter p(this);
  const QColor ground = QColor::fromRgb(drawn_.background);
  // The ground under every changed part of the window, each tick: see paintRectByRect.
  paintRectByRect(p, event->region(), [&](const QRect& r) {
    p.fillRect(r, ground);
    if (drawn_.level > 0 && r.intersects(glowRect(drawn_)))
      p.drawImage(QPointF(drawn_.topLeft) / drawn_.dpr, glowImage());
  });
}

void RootView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placeOverlays();
  frame();
}

bool RootView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == topBar_ && event->type() == QEvent::LayoutRequest) {
    // Its items changed: a bar left at its old width would lie, unseen, over the tabs and take
    // their clicks.
    placeTabBar();
    placeTopBar();
  }
  return QWidget::eventFilter(watched, event);
}

RootView::~RootView() {
  context_.navigator.setToastViewer(this, false);
  // A toast standing over a sheet goes now: the sheets go with this view.
  if (toast_->parentWidget() != this) delete toast_;
}

void RootView::visibilityChanged() {
  const bool on = screen_.on();
  if (on == onScreen_) return;
  onScreen_ = on;
  // A toast raised while the window was away waits for it.
  context_.navigator.setToastViewer(this, on);
  if (!on) {
    // Out of sight every move lands on its end; what it shows is painted once it is back.
    const std::int64_t now = FrameTimer::now();
    pageMove_ = {1, 1, now, 0};
    breath_ = {breath_.to, breath_.to, now, 0};
  }
  frame();
}

namespace {
constexpr int kTopBarEdge = Space::xl;  // the top bar from the window's trailing edge
constexpr int kTabsEdge = Space::xl;     // the tabs, pushed aside, from the leading edge
constexpr int kBetween = Space::m;      // the tabs, pushed aside, from the top bar
}  // namespace

// Centred on the window, unless that would run under the top bar: then just clear of it. Where
// even at the left edge the tabs with all their numbers would run under the top bar (a long
// language in a narrow window, an update announced beside them), the tabs take the condensed
// face, then the top bar's notices say less (the version alone, then their symbols alone); only
// past all of that does the current tab alone keep its number.
void RootView::placeTabBar() {
  if (!tabBar_ || !tabRow_) return;
  if (auto* tabs = qobject_cast<TabBar*>(tabBar_)) {
    using Form = CapsuleButton::Form;
    struct Step {
      TabBar::Fit tabs;
      Form notices;
    };
    static constexpr Step steps[] = {{{false, false}, Form::full},  {{true, false}, Form::full},
                                     {{true, false}, Form::brief},  {{true, false}, Form::symbol},
                                     {{true, true}, Form::symbol}};
    const auto fits = [&](const Step& step) {
      const int bar = topBar_ ? kBetween + topBar_->widthAt(step.notices) : 0;
      return kTabsEdge + tabs->widthWith(step.tabs) + bar + kTopBarEdge <= width();
    };
    const Step* chosen = std::find_if(std::begin(steps), std::end(steps) - 1, fits);
    tabs->setFit(chosen->tabs);
    if (topBar_) topBar_->setForm(chosen->notices);
  }
  const auto* fitted = qobject_cast<const TabBar*>(tabBar_);
  const int bar = fitted ? fitted->widthWith(fitted->fit()) : tabBar_->sizeHint().width();
  const int free = topBar_ ? width() - kTopBarEdge - topBarWidth() - kBetween : width();
  const QMargins margins(std::max(kTabsEdge, std::min((width() - bar) / 2, free - bar)), 0, 0, 0);
  if (tabRow_->contentsMargins() != margins) tabRow_->setContentsMargins(margins);
}

// As wide as it asks, unless that would cover the tabs at their leftmost: then what it shows
// (an update's version, say) is cut short instead.
int RootView::topBarWidth() const {
  const int asked = topBar_->widthAt(topBar_->form());
  if (!tabBar_) return asked;
  const auto* tabs = qobject_cast<const TabBar*>(tabBar_);
  const int bar = tabs ? tabs->widthWith(tabs->fit()) : tabBar_->sizeHint().width();
  const int room = width() - kTopBarEdge - kBetween - (kTabsEdge + bar);
  return std::max(topBar_->minimumSizeHint().width(), std::min(asked, room));
}

void RootView::placeTopBar() {
  if (!topBar_) return;
  const QSize size(topBarWidth(), topBar_->sizeHint().height());
  const QRect place(width() - kTopBarEdge - size.width(), Space::l, size.width(), size.height());
  if (topBar_->geometry() != place) topBar_->setGeometry(place);
}

void RootView::placeOverlays() {
  placeTabBar();
  if (topBar_) {
    placeTopBar();
    topBar_->raise();
  }
  if (toast_->parentWidget() == this) {  // not while it stands over a sheet
    toast_->place(size());
    toast_->raise();
  }
}

void RootView::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // Made again one turn later: the event still goes on to the children this replaces.
  if (event->type() == QEvent::LanguageChange && !rebuildPending_) {
    rebuildPending_ = true;
    QMetaObject::invokeMethod(this, &RootView::build, Qt::QueuedConnection);
  }
}

}  // namespace qel
