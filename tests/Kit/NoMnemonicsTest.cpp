#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QShortcutEvent>
#include <QWidget>

#include "Qel/Kit/Widgets/NoMnemonics.hpp"
#include "Qel/Kit/Widgets/TextButton.hpp"

using namespace qel;

namespace {

// Sends `button` the shortcut event its mnemonic makes; whether the button went down (a mnemonic
// presses its button at once and clicks it a moment later).
bool pressedByItsMnemonic(QWidget& window, QAbstractButton& button) {
  // Qt hands out shortcut ids one after another, counting down: the one grabbed next lies just
  // below the button's.
  const int next = window.grabShortcut(QKeySequence(QStringLiteral("Ctrl+F12")));
  window.releaseShortcut(next);
  QShortcutEvent event(QKeySequence::mnemonic(button.text()), next + 1);
  QCoreApplication::sendEvent(&button, &event);
  return button.isDown();
}

}  // namespace

// A process named "Tom&Jerry" gives its end button an "&": the Alt+J that Qt makes of it must not
// press the button, while the program's own shortcuts of actions still reach them.
TEST(NoMnemonics, aNameWithAnAmpersandNeverBecomesAKeyThatPressesItsButton) {
  QWidget window;
  TextButton before(QStringLiteral("End Tom&Jerry"), QFont(), &window);
  ASSERT_TRUE(pressedByItsMnemonic(window, before)) << "the mnemonic no longer reaches a button this way";

  refuseButtonMnemonics(*QApplication::instance());
  TextButton end(QStringLiteral("End Tom&Jerry"), QFont(), &window);
  EXPECT_FALSE(pressedByItsMnemonic(window, end));
  EXPECT_EQ(end.text(), QStringLiteral("End Tom&Jerry"));

  QAction quit(&window);
  int quitting = 0;
  QObject::connect(&quit, &QAction::triggered, [&] { ++quitting; });
  QShortcutEvent ctrlQ(QKeySequence(Qt::CTRL | Qt::Key_Q), 0);
  QCoreApplication::sendEvent(&quit, &ctrlQ);
  EXPECT_EQ(quitting, 1);
}
