#include "Qel/Window/SheetWindow.hpp"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

#include "Qel/Kit/Style/Layouts.hpp"

namespace qel {

SheetWindow::SheetWindow(QWidget* owner, std::function<void()> refill)
    : QDialog(owner), refill_(std::move(refill)), scroll_(new QScrollArea(this)) {
  setWindowModality(Qt::WindowModal);
  setWindowTitle(QStringLiteral("Qel"));
  auto* layout = Layouts::flush(new QVBoxLayout(this));
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidgetResizable(true);
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll_->viewport()->setAutoFillBackground(false);
  layout->addWidget(scroll_);
}

void SheetWindow::setContent(QWidget* content) {
  if (QWidget* old = scroll_->takeWidget()) {
    old->removeEventFilter(this);
    old->deleteLater();
  }
  if (!content) return;
  scroll_->setWidget(content);
  content->setAutoFillBackground(false);  // after setWidget, which turns it on: the sheet paints its own ground
  content->installEventFilter(this);
  fit();
}

void SheetWindow::fit() {
  QWidget* content = scroll_->widget();
  if (!content) return;
  // A sheet of a fixed width gets exactly that width, whatever a long line would like: a wider
  // window would show its own grey beside the sheet.
  const int width = std::clamp(content->sizeHint().width(), content->minimumWidth(), content->maximumWidth());
  // Its height at that width: the preferred height of wrapped text is measured at a narrower
  // width and would leave blank space at the foot of the sheet.
  const int natural = content->hasHeightForWidth() ? std::max(content->heightForWidth(width), content->minimumSizeHint().height())
                                                   : content->sizeHint().height();
  const int wanted = std::max(natural, content->minimumHeight());
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  const int room = screen ? screen->availableGeometry().height() - kFrameAllowance : wanted;
  resize(width, std::clamp(wanted, 1, std::max(room, 120)));
}

bool SheetWindow::eventFilter(QObject* watched, QEvent* event) {
  // Its content changed what it holds (another tab, a process that ended): the window follows.
  if (watched == scroll_->widget() && event->type() == QEvent::LayoutRequest && !fitPending_) {
    fitPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
          fitPending_ = false;
          fit();
        },
        Qt::QueuedConnection);
  }
  return QDialog::eventFilter(watched, event);
}

void SheetWindow::keyPressEvent(QKeyEvent* event) {
  QWidget* content = scroll_->widget();
  // A key the sheet ignores climbs back to this window: it is not handed down twice.
  if (content && !forwarding_ && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text());
    forwarding_ = true;
    QCoreApplication::sendEvent(content, &copy);
    forwarding_ = false;
    if (copy.isAccepted()) return;
  }
  QDialog::keyPressEvent(event);
}

void SheetWindow::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  // Later: the event still goes on to the children this would replace.
  if (event->type() == QEvent::LanguageChange && !refillPending_) {
    refillPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
          refillPending_ = false;
          refill_();
        },
        Qt::QueuedConnection);
  }
}

}  // namespace qel
