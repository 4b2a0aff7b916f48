// The focus ring shows while the user moves with the keyboard, never after a click or when a
// window comes to the front; text fields select in the accent.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>

#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Widgets/SearchField.hpp"
#include "Qel/Kit/Widgets/TextButton.hpp"

using namespace qel;

namespace {

void send(QWidget* target, QEvent&& event) {
  QApplication::sendEvent(target, &event);
  for (int i = 0; i < 4; ++i) QApplication::processEvents();
}

void key(QWidget* target, int code) { send(target, QKeyEvent(QEvent::KeyPress, code, Qt::NoModifier)); }

}  // namespace

TEST(FocusRing, showsAfterTheKeyboardMovesTheFocusAndNeverAfterAClickOrAnActivation) {
  QWidget window;
  auto* row = new QHBoxLayout(&window);
  auto* first = new TextButton(QStringLiteral("First"), Fonts::text(13), &window);
  auto* second = new TextButton(QStringLiteral("Second"), Fonts::text(13), &window);
  row->addWidget(first);
  row->addWidget(second);
  window.show();
  window.activateWindow();
  send(&window, QEvent(QEvent::WindowActivate));
  const QImage plain = window.grab().toImage();
  first->setFocus(Qt::OtherFocusReason);  // the window's own first choice draws nothing
  EXPECT_EQ(window.grab().toImage(), plain);

  key(first, Qt::Key_Tab);
  ASSERT_TRUE(second->hasFocus());
  EXPECT_TRUE(focusRingShown(second));
  EXPECT_NE(window.grab().toImage(), plain);

  // A click hides the ring at once; the focus stays where the keyboard left it.
  send(first, QMouseEvent(QEvent::MouseButtonPress, QPointF(2, 2), first->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier));
  EXPECT_TRUE(second->hasFocus());
  EXPECT_EQ(window.grab().toImage(), plain);

  key(second, Qt::Key_Escape);  // keys that act don't bring it back; arrows do
  EXPECT_FALSE(focusRingShown(second));
  key(second, Qt::Key_Right);
  EXPECT_TRUE(focusRingShown(QApplication::focusWidget()));

  // Coming back to the window, after a sheet or another program, shows no ring.
  send(&window, QEvent(QEvent::WindowActivate));
  EXPECT_FALSE(focusRingShown(QApplication::focusWidget()));

  // A control that hides or is switched off while it holds the focus has Qt hand the focus on
  // as Tab would; after a click that brings no ring, after the keyboard the ring goes along.
  auto* third = new TextButton(QStringLiteral("Third"), Fonts::text(13), &window);
  row->addWidget(third);
  third->show();
  const auto press = [](QWidget* w) {
    send(w, QMouseEvent(QEvent::MouseButtonPress, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier));
  };
  press(first);
  first->setFocus(Qt::MouseFocusReason);
  first->hide();
  ASSERT_TRUE(second->hasFocus());
  EXPECT_FALSE(focusRingShown(second));
  press(second);
  second->setEnabled(false);
  ASSERT_TRUE(third->hasFocus());
  EXPECT_FALSE(focusRingShown(third));
  second->setEnabled(true);
  first->show();
  key(third, Qt::Key_Backtab);
  ASSERT_TRUE(second->hasFocus());
  second->hide();
  ASSERT_TRUE(third->hasFocus());
  EXPECT_TRUE(focusRingShown(third));
}

TEST(FocusRing, aTextFieldSelectsInTheAccentNotTheDesktopsBlue) {
  QPalette desktop = QApplication::palette();
  desktop.setColor(QPalette::Highlight, QColor(0x30, 0x8C, 0xC6));
  QApplication::setPalette(desktop);
  SearchField field(QStringLiteral("Search processes"), 170);
  EXPECT_EQ(field.palette().color(QPalette::Highlight), Palette::qtPalette(Palette::light()).color(QPalette::Highlight));
  QApplication::setPalette(QPalette());
}
