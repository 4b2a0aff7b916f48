#pragma once
// The whole surface of the main window: the current page's background, the glow that follows
// the page and the CPU load, the tab bar with the page beneath it, the top bar floating over the
// upper right corner, the sheets and the toast. Everything it shows comes from the store; a
// change of language makes every part again, a change of appearance repaints it.
#include <QPointer>
#include <QVariantAnimation>
#include <QWidget>

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

 private:
  void storeChanged();
  void appearanceChanged();
  void updateGlow();
  void build();
  void showPage(Page page);
  void placeOverlays();
  void placeTabBar();

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
  double pageProgress_ = 1;  // from fromPage_ (0) to page_ (1)
  QVariantAnimation pageMove_;
  double load_ = 0;  // the CPU load as the glow shows it now
  double targetLoad_ = 0;
  QVariantAnimation breath_;
};

}  // namespace qel
