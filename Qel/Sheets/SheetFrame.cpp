#include "Qel/Sheets/SheetFrame.hpp"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>

#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/InitialFocusClearer.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/CloseButton.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"

namespace qel {

PlainLabel* sheetTitle(const QString& text, QWidget* parent) {
  return new PlainLabel(text, Type::figure, QFont::DemiBold, Palette::primaryText(), parent);
}

FittedScrollArea::FittedScrollArea(QWidget* content, int maxHeight, int initialHeight, QWidget* parent)
    : QScrollArea(parent), maxHeight_(maxHeight) {
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  viewport()->setAutoFillBackground(false);
  setWidget(content);
  content->setAutoFillBackground(false);  // after setWidget, which turns it on: the ground shows through
  setFixedHeight(std::min(initialHeight, maxHeight_));
  content->installEventFilter(this);
}

void FittedScrollArea::fit() {
  QWidget* content = widget();
  if (!content || !content->layout()) return;
  const int width = viewport()->width();
  const int wanted = content->layout()->hasHeightForWidth() ? content->layout()->totalHeightForWidth(width)
                                                            : content->sizeHint().height();
  // The content is exactly as tall as it is at this width: left to the layout's minimum, rows
  // that wrap would be summed at their narrowest and leave blank space at the end.
  content->layout()->setSizeConstraint(QLayout::SetNoConstraint);
  if (content->minimumHeight() != std::max(wanted, 1)) content->setMinimumHeight(std::max(wanted, 1));
  const int height = std::min(std::max(wanted, 0), maxHeight_);
  if (height != this->height()) setFixedHeight(height);  // the sheet's window follows its content's new height
  // A resize that reaches the content while its layout waits to run again is lost to it: the
  // rows would stay placed for the old height.
  if (content->layout()->geometry() != content->contentsRect()) content->layout()->setGeometry(content->contentsRect());
}

bool FittedScrollArea::eventFilter(QObject* watched, QEvent* event) {
  if (watched == widget() && event->type() == QEvent::LayoutRequest)
    QMetaObject::invokeMethod(this, &FittedScrollArea::fit, Qt::QueuedConnection);
  return QScrollArea::eventFilter(watched, event);
}

void FittedScrollArea::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  fit();
}

namespace {

QLayout* headerRow(const SheetHeader& header, QAbstractButton* close, QWidget* parent) {
  const bool framed = header.kind == SheetHeader::Kind::framed;
  auto* row = new QHBoxLayout;
  row->setSpacing(Space::xl);
  if (framed)
    row->setContentsMargins(Space::sheet, Space::sheet, Space::sheet, Space::xxl);
  else
    row->setContentsMargins(Space::sheetWide, Space::sheetHeaderTop, Space::sheetWide, Space::card);
  auto* titles = new QVBoxLayout;
  titles->setSpacing(Space::xs);
  auto* title = framed ? new PlainLabel(header.title, Type::largeTitle, QFont::DemiBold, Palette::primaryText(), parent)
                       : new PlainLabel(header.title, Type::display, QFont::Bold, Palette::primaryText(), parent);
  title->setWordWrap(true);
  titles->addWidget(title);
  if (framed && !header.subtitle.isEmpty()) {
    auto* line = new PlainLabel(header.subtitle, Type::body, QFont::Normal, Palette::secondaryText(), parent);
    line->setWordWrap(true);
    titles->addWidget(line);
  }
  row->addLayout(titles, 1);
  row->addWidget(close, 0, framed ? Qt::AlignTop : Qt::AlignVCenter);
  return row;
}

}  // namespace

SheetFrame::SheetFrame(const NavigationState& navigation, int width, const SheetHeader& header, QWidget* body,
                       int initialBodyHeight, std::function<void()> close, QWidget* parent)
    : QWidget(parent),
      navigation_(navigation),
      close_(new CloseButton(header.kind == SheetHeader::Kind::framed ? CloseButton::Look::washed : CloseButton::Look::bare,
                             this)) {
  setFixedWidth(width);
  auto* column = Layouts::column(this);
  column->addLayout(headerRow(header, close_, this));
  scroll_ = new FittedScrollArea(body, kMaxBodyHeight, initialBodyHeight, this);
  column->addWidget(scroll_);
  connect(close_, &QAbstractButton::clicked, this, std::move(close));
  new InitialFocusClearer(this);  // no focus ring on the close button until the keyboard asks
  // The background follows the page on show and the appearance.
  follow(navigation_.changed(), this, [this] { update(); });
  Palette::followAppearance(this);
}

void SheetFrame::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), background(navigation_.page()).resolve());
}

}  // namespace qel
