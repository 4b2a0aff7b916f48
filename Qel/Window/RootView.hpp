#pragma once
// The whole surface of the main window: the current page's background, the glow that follows
// the page and the CPU load, the tab bar with the page beneath it, the top bar floating over the
// upper right corner, the sheets and the toast. Everything it shows comes from the store; a
// change of language makes every part again, a change of appearance repaints it.
//
// The glow moves by frames of at most 30 a second, each asked for only when its pixels change:
// while a breath runs, the next frame waits for the next 8-bit step. Out of sight (hidden,
// minimised, covered) every move ends at once and no frame is asked for. Qel/Kit/README.md
// holds the rules every view of the window follows.
#include <QImage>
#include <QWidget>

#include <cstdint>

#include "Qel/Kit/FrameTimer.hpp"
#include "Qel/Kit/OnScreenWatch.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Window/Glow.hpp"
#include "Qel/Window/ViewRegistry.hpp"

class QHBoxLayout;
class QVBoxLayout;

namespace qel {

class SheetHost;
class Toast;
class TopBar;

class RootView : public QWidget {
  Q_OBJECT

 public:
  RootView(const ViewContext& context, const ViewRegistry& registry, QWidget* parent = nullptr);
  ~RootView() override;

  Page shownPage() const { return page_; }
  QWidget* pageView() const { return pageView_; }
  QWidget* tabBar() const { return tabBar_; }
  TopBar* topBar() const { return topBar_; }
  Toast* toast() const { return toast_; }
  SheetHost* sheets() const { return sheets_; }
  // The glow as drawn now (partway through a move while one runs).
  Glow glow() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void storeChanged();
  void appearanceChanged();
  // Asks for the repaint of what changed since the last frame and for the next frame, if any.
  void frame();
  Glow glowAt(std::int64_t now) const;
  QColor backgroundAt(std::int64_t now) const;
  GlowLook lookAt(std::int64_t now) const;
  // The first time after `now` when the breath changes the glow's pixels; -1 when it no longer does.
  std::int64_t nextBreathStep(std::int64_t now) const;
  const QImage& glowImage();
  void visibilityChanged();
  int motionMs(int ms) const;
  void build();
  void showPage(Page page);
  void placeOverlays();
  void placeTabBar();
  void placeTopBar();
  int topBarWidth() const;

  ViewContext context_;
  const ViewRegistry& registry_;
  QVBoxLayout* column_;
  QWidget* tabBar_ = nullptr;
  QHBoxLayout* tabRow_ = nullptr;
  QWidget* pageView_ = nullptr;
  TopBar* topBar_ = nullptr;
  Toast* toast_;
  SheetHost* sheets_;
  bool rebuildPending_ = false;

  Page page_;
  Page fromPage_;
  Motion::Tween pageMove_{1, 1};  // from fromPage_ (0) to page_ (1)
  Motion::Tween breath_;          // the CPU load as the glow shows it
  FrameTimer frames_;
  GlowLook drawn_;  // what the last frame decided to show
  GlowFade fade_;
  GlowLook imageLook_;
  QImage image_;    // the glow of imageLook_, made again only when its look changes
  bool onScreen_ = false;
  OnScreenWatch screen_{this, [this] { visibilityChanged(); }};
};

}  // namespace qel
