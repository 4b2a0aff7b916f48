#include "Qel/Kit/FocusRing.hpp"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

#include <algorithm>

#include "Qel/Kit/Palette.hpp"

namespace qel {

namespace {

bool isNavigationKey(int key) {
  switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: return true;
    default: return false;
  }
}

// Watches every event of the application for what the user moved with last. Controls ask it
// when they paint; it repaints the focused control when the answer changes.
class FocusWatch : public QObject {
 public:
  static FocusWatch& get() {
    static auto* watch = new FocusWatch;  // lives as long as the application
    return *watch;
  }

  bool keyboard() const { return keyboard_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
        if (isNavigationKey(static_cast<QKeyEvent*>(event)->key())) set(true);
        break;
      case QEvent::FocusIn: {
        // Focus handed on as Tab would hand it is the keyboard's, whoever sent it.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) set(true);
        break;
      }
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::TouchBegin:
      case QEvent::WindowActivate: set(false); break;
      default: break;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  FocusWatch() {
    if (QCoreApplication* app = QCoreApplication::instance()) {
      setParent(app);
      app->installEventFilter(this);
    }
  }

  void set(bool keyboard) {
    if (keyboard == keyboard_) return;
    keyboard_ = keyboard;
    // The focused control (and what draws around it) paints its ring on or off.
    if (QWidget* focus = QApplication::focusWidget()) {
      focus->update();
      if (QWidget* parent = focus->parentWidget()) parent->update();
    }
  }

  bool keyboard_ = false;
};

}  // namespace

void paintFocusRing(QPainter& painter, const QRectF& box, double radius) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Palette::secondaryText().resolve(), 1.5));
  painter.drawRoundedRect(box.adjusted(0.75, 0.75, -0.75, -0.75), std::max(radius - 0.75, 0.0),
                          std::max(radius - 0.75, 0.0));
  painter.restore();
}

bool keyboardNavigating() { return FocusWatch::get().keyboard(); }

bool focusRingShown(const QWidget* widget) { return widget && widget->hasFocus() && keyboardNavigating(); }

}  // namespace qel
