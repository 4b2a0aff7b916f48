#include "Qel/App/QtDesktop.hpp"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <algorithm>
#include <array>

#include "Qel/Kit/OneTaskPaint.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Store/Store.hpp"

namespace qel {

QtDesktop::QtDesktop() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  xcb_connection_t* c = x11 ? x11->connection() : nullptr;
  if (!c || xcb_connection_has_error(c)) return;
  front_ = std::make_unique<FrontWindowWatch>(c);
  qGuiApp->installNativeEventFilter(this);
}

QtDesktop::~QtDesktop() {
  if (front_ && qGuiApp) qGuiApp->removeNativeEventFilter(this);
}

FrontApp QtDesktop::frontApp() const { return front_ ? front_->front() : FrontApp{}; }

bool QtDesktop::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (front_ && eventType == "xcb_generic_event_t") front_->see(static_cast<const xcb_generic_event_t*>(message));
  return false;
}

int QtDesktop::screenCount() const { return qGuiApp ? int(QGuiApplication::screens().size()) : 0; }

void QtDesktop::applyAppearance(const std::string& appearance) { Palette::setAppearance(appearance); }

void QtDesktop::updateDockIcon(bool force) {
  if (!force && window_ && !window_->isVisible()) return;
  const bool light = Palette::light();
  static const std::vector<double> noHistory;
  const auto next = nextDockPicture(shown_, store_ ? store_->liveReadings().cpuHist : noHistory,
                                    store_ ? store_->setting(Setting::dockLoad) : false, force);
  if (!next) return;
  shown_ = *next;
  const double load = std::max(shown_.level, 0.0);
  constexpr std::array sizes{32, 64, 128, 256};
  std::array<QImage, sizes.size()> images;
  paintInOneTask([&] {
    for (std::size_t i = 0; i < sizes.size(); ++i) images[i] = dockIconImage(load, shown_.warm, light, sizes[i]);
  });
  QIcon icon;
  for (const QImage& image : images) icon.addPixmap(QPixmap::fromImage(image));
  QGuiApplication::setWindowIcon(icon);
}

QIcon QtDesktop::appIcon() { return QIcon(QStringLiteral(":/icons/qel.svg")); }

}  // namespace qel
