#include "Qel/Sheets/Reports/ReportSheet.hpp"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/InitialFocusClearer.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/CloseButton.hpp"
#include "Qel/Kit/Widgets/PillButton.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Sheets/SheetFrame.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

ReportSheet::ReportSheet(const NavigationState& navigation, const QString& kicker,
                         std::optional<AdaptiveColor> kickerColor, const QString& headline, const QString& hint,
                         std::function<void()> closeAction, QWidget* parent)
    : QWidget(parent), navigation_(navigation), closeAction_(std::move(closeAction)),
      kickerColor_(kickerColor) {
  setFixedWidth(kWidth);
  auto* column = Layouts::column(this);

  blocks_ = new QVBoxLayout;
  blocks_->setContentsMargins(Space::sheet, Space::sheet, Space::sheet, Space::sheet);
  blocks_->setSpacing(Space::xxl);
  auto* header = new QHBoxLayout;
  header->setSpacing(Space::xl);
  titles_ = new QVBoxLayout;
  titles_->setSpacing(Space::xs);
  if (!kicker.isEmpty()) {
    kicker_ = new PlainLabel(kicker, Type::body, QFont::DemiBold,
                             kickerColor.value_or(accentText(navigation_.page())), this);
    titles_->addWidget(kicker_);
  }
  if (!headline.isEmpty()) {
    auto* title = sheetTitle(headline, this);
    title->setWordWrap(true);
    titles_->addWidget(title);
  }
  header->addLayout(titles_, 1);
  close_ = new CloseButton(CloseButton::Look::washed, this);
  header->addWidget(close_, 0, Qt::AlignTop);
  blocks_->addLayout(header);
  column->addLayout(blocks_);

  divider_ = new QWidget(this);
  divider_->setFixedHeight(1);
  column->addWidget(divider_);

  footer_ = new QHBoxLayout;
  footer_->setContentsMargins(Space::sheet, Space::xl, Space::sheet, Space::xl);
  footer_->setSpacing(Space::xl);
  hint_ = new PlainLabel(hint, Type::body, QFont::Normal, Palette::secondaryText(), this);
  hint_->setWordWrap(true);
  footer_->addWidget(hint_, 1);
  done_ = PillButton::primary(QString::fromStdString(L("Done")), this);
  footer_->addWidget(done_, 0, Qt::AlignVCenter);
  column->addLayout(footer_);

  connect(close_, &QAbstractButton::clicked, this, [this] { closeAction_(); });
  connect(done_, &QAbstractButton::clicked, this, [this] { closeAction_(); });
  qApp->installEventFilter(this);
  // The background and the kicker follow the page on show.
  follow(navigation_.changed(), this, [this] {
    if (kicker_ && !kickerColor_) kicker_->setColor(accentText(navigation_.page()));
    update();
  });
  new InitialFocusClearer(this);
  Palette::followAppearance(this);
}

bool ReportSheet::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == window()) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
      returnPressed(watched);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void ReportSheet::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), background(navigation_.page()).resolve());
  p.fillRect(divider_->geometry(), Palette::adaptiveOpacity(0.08, 0.07).resolve());
}

}  // namespace qel
