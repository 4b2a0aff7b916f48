#include "Qel/Window/RootView.hpp"

#include <QEvent>
#include <QPainter>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "Qel/Store/Store.hpp"
#include "Qel/StoreBridge.hpp"
#include "Qel/Window/InitialFocusClearer.hpp"
#include "Qel/Window/Motion.hpp"
#include "Qel/Window/PageHead.hpp"
#include "Qel/Window/PageMeta.hpp"
#include "Qel/Window/Palette.hpp"
#include "Qel/Window/SheetHost.hpp"
#include "Qel/Window/Toast.hpp"
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
  auto* layout = new QVBoxLayout(holder);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new PageHead(title(page), accent(page), {}, {}, {}, 44, holder));
  layout->addStretch(1);
  return holder;
}

void animate(QVariantAnimation& animation, double from, double to, int ms, const QEasingCurve& curve) {
  animation.stop();
  animation.setEasingCurve(curve);
  animation.setDuration(Motion::duration(ms));
  animation.setStartValue(from);
  animation.setEndValue(to);
  animation.start();
}

}  // namespace

RootView::RootView(const ViewContext& context, const ViewRegistry& registry, QWidget* parent)
    : QWidget(parent),
      context_(context),
      registry_(registry),
      column_(new QVBoxLayout(this)),
      toast_(new Toast(this)),
      sheets_(new SheetHost(context, registry, this)),
      page_(context.store.page()),
      fromPage_(page_),
      load_(glowLoad(context.store.cpu().total)),
      targetLoad_(load_) {
  column_->setContentsMargins(0, 0, 0, 0);
  column_->setSpacing(0);
  build();
  new InitialFocusClearer(this);

  connect(&pageMove_, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
    pageProgress_ = v.toDouble();
    update();
  });
  connect(&breath_, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
    load_ = v.toDouble();
    updateGlow();
  });
  connect(&context.bridge, &StoreBridge::changed, this, &RootView::storeChanged);
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
  column_->addSpacing(12);
  tabRow_ = new QHBoxLayout;
  if (tabBar_) tabRow_->addWidget(tabBar_);
  tabRow_->addStretch(1);
  column_->addLayout(tabRow_);
  column_->addSpacing(6);
  showPage(page_);

  topBar_ = new TopBar(context_, registry_, this);
  topBar_->show();
  placeOverlays();
}

void RootView::showPage(Page page) {
  QWidget* old = pageView_;
  auto* holder = new QWidget(this);
  auto* margins = new QVBoxLayout(holder);
  margins->setContentsMargins(44, 18, 44, 30);
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
}

Glow RootView::glow() const {
  const QSizeF size(width(), height());
  const Glow from = glowFor(fromPage_, load_, Palette::light(), size);
  const Glow to = glowFor(page_, load_, Palette::light(), size);
  return {from.centre + (to.centre - from.centre) * pageProgress_, mix(from.color, to.color, pageProgress_),
          to.opacity};
}

void RootView::storeChanged() {
  const Store& store = context_.store;
  if (store.page() != page_) {
    fromPage_ = page_;
    page_ = store.page();
    pageProgress_ = 0;
    showPage(page_);
    animate(pageMove_, 0, 1, 500, Motion::easeInOut());
  }
  if (const double load = glowLoad(store.cpu().total); load != targetLoad_) {
    targetLoad_ = load;
    if (std::abs(load - load_) < 0.01) {
      // Too small a change to see: taken at once, so a quiet machine does not keep repainting.
      breath_.stop();
      load_ = load;
      updateGlow();
    } else {
      animate(breath_, load_, load, 1400, Motion::easeInOut());
    }
  }
  placeTabBar();  // a tab may have grown or shrunk with what it shows
  const auto& toast = store.toast();
  toast_->setMessage(toast ? std::optional<QString>(QString::fromStdString(*toast)) : std::nullopt);
}

void RootView::updateGlow() {
  const QPointF c = glow().centre;
  const double r = Glow::kRadius + 1;
  update(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r).toAlignedRect());
}

void RootView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), mix(background(fromPage_).resolve(), background(page_).resolve(), pageProgress_));
  paintGlow(p, glow());
}

void RootView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placeOverlays();
}

// Centred on the window, unless that would run under the top bar: then just clear of it.
void RootView::placeTabBar() {
  if (!tabBar_ || !tabRow_) return;
  const int bar = tabBar_->sizeHint().width();
  const int free = topBar_ ? width() - 16 - topBar_->sizeHint().width() - 8 : width();
  const QMargins margins(std::max(16, std::min((width() - bar) / 2, free - bar)), 0, 0, 0);
  if (tabRow_->contentsMargins() != margins) tabRow_->setContentsMargins(margins);
}

void RootView::placeOverlays() {
  placeTabBar();
  if (topBar_) {
    const QSize size = topBar_->sizeHint();
    topBar_->setGeometry(width() - 16 - size.width(), 12, size.width(), size.height());
    topBar_->raise();
  }
  toast_->place(width());
  toast_->raise();
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
