// The focus ring shows while the user moves with the keyboard, and never after a click or when a
// window comes to the front.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>

#include "Qel/Window/FocusRing.hpp"
#include "Qel/Window/Fonts.hpp"
#include "Qel/Window/Palette.hpp"
#include "Qel/Window/SearchField.hpp"
#include "Qel/Window/TextButton.hpp"

using namespace qel;

namespace {

void settle() {
  for (int i = 0; i < 4; ++i) QApplication::processEvents();
}

void press(QWidget* target, int key) {
  QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(target, &down);
  settle();
}

void clickOn(QWidget* widget) {
  const QPointF at = QRectF(widget->rect()).center();
  for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent e(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &e);
  }
  settle();
}

struct TwoButtons {
  QWidget window;
  TextButton* first;
  TextButton* second;
  TwoButtons() {
    auto* row = new QHBoxLayout(&window);
    first = new TextButton(QStringLiteral("First"), Fonts::text(13), &window);
    second = new TextButton(QStringLiteral("Second"), Fonts::text(13), &window);
    row->addWidget(first);
    row->addWidget(second);
    window.show();
    window.activateWindow();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&window, &activate);
    settle();
  }
};

}  // namespace

TEST(FocusRing, showsAfterTheKeyboardMovesTheFocusAndNeverAfterAClickOrAnActivation) {
  TwoButtons w;
  const QImage plain = w.window.grab().toImage();
  w.first->setFocus(Qt::OtherFocusReason);  // the window's own first choice
  settle();
  EXPECT_FALSE(focusRingShown(w.first));
  EXPECT_EQ(w.window.grab().toImage(), plain) << "a focus the user did not ask for draws nothing";

  press(w.first, Qt::Key_Tab);
  ASSERT_TRUE(w.second->hasFocus());
  EXPECT_TRUE(focusRingShown(w.second));
  EXPECT_FALSE(focusRingShown(w.first));
  EXPECT_NE(w.window.grab().toImage(), plain);

  // A click hides the ring at once; the focus stays where the keyboard left it.
  clickOn(w.first);
  EXPECT_TRUE(w.second->hasFocus());
  EXPECT_FALSE(focusRingShown(w.second));
  EXPECT_EQ(w.window.grab().toImage(), plain);

  // Keys that act rather than move (Space, Return, Escape) don't bring it back; arrows do.
  press(w.second, Qt::Key_Escape);
  EXPECT_FALSE(focusRingShown(w.second));
  press(w.second, Qt::Key_Right);
  EXPECT_TRUE(focusRingShown(QApplication::focusWidget()));
  w.second->setFocus(Qt::OtherFocusReason);

  // Coming back to the window, after a sheet or another program, shows no ring.
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(&w.window, &activate);
  settle();
  EXPECT_TRUE(w.second->hasFocus());
  EXPECT_FALSE(focusRingShown(w.second));
  EXPECT_EQ(w.window.grab().toImage(), plain);
}

TEST(FocusRing, theSearchFieldShowsItsRingAndSelectsInTheAccentNotTheDesktopsBlue) {
  QPalette desktop = QApplication::palette();
  desktop.setColor(QPalette::Highlight, QColor(0x30, 0x8C, 0xC6));  // a desktop's own selection blue
  QApplication::setPalette(desktop);
  QWidget window;
  auto* field = new SearchField(QStringLiteral("Search processes"), 170, &window);
  auto* other = new TextButton(QStringLiteral("Other"), Fonts::text(13), &window);
  other->move(0, 60);
  window.resize(200, 100);
  window.show();
  window.activateWindow();
  settle();
  other->setFocus(Qt::OtherFocusReason);
  settle();
  const QPoint edge(1, field->height() / 2);  // where the ring runs, clear of the text and its cursor
  const QColor unfocused = window.grab().toImage().pixelColor(edge);
  field->setFocus(Qt::TabFocusReason);
  settle();
  EXPECT_TRUE(focusRingShown(field));
  EXPECT_GT(unfocused.lightness() - window.grab().toImage().pixelColor(edge).lightness(), 40);
  EXPECT_EQ(field->palette().color(QPalette::Highlight), Palette::qtPalette(Palette::light()).color(QPalette::Highlight));
  QApplication::setPalette(QPalette());
}
