#include "Qel/App/MainWindow.hpp"

#include <QCloseEvent>
#include <QVBoxLayout>

#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Window/RootView.hpp"

namespace qel {

MainWindow::MainWindow(const ViewContext& context, const ViewRegistry& registry, QWidget* parent)
    : QWidget(parent), context_(context), registry_(registry) {
  setObjectName(QStringLiteral("main"));
  setWindowTitle(QStringLiteral("Qel"));
  setMinimumSize(kMinimumSize);
  resize(kDefaultSize);
  Layouts::flush(new QVBoxLayout(this));
}

QSize MainWindow::openingSize(const QSize& available) {
  const QSize room = available - QSize(kFrameAllowance / 2, kFrameAllowance);
  return kDefaultSize.boundedTo(room).expandedTo(kMinimumSize);
}

RootView* MainWindow::rootView() const { return root_; }

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!root_) {
    root_ = new RootView(context_, registry_, this);
    layout()->addWidget(root_);
    root_->show();
  }
  // Not when the window manager merely maps it again (a restore, a desktop switch).
  if (!event->spontaneous()) emit appeared();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Hidden, not ended: the content goes, the window and the program stay.
  event->accept();
  if (RootView* root = root_) {
    root_ = nullptr;
    layout()->removeWidget(root);
    root->hide();
    root->deleteLater();  // the close may come from inside it
  }
}

}  // namespace qel
