#pragma once
// Qt gives a button whose text holds "&" an Alt shortcut. Qel's own words use none, and a name from
// outside ("End Tom&Jerry") must never make a key press a button that ends a process.
class QCoreApplication;

namespace qel {

// From now on no button of `app` answers a mnemonic; shortcuts of actions (Ctrl+Q) stay.
void refuseButtonMnemonics(QCoreApplication& app);

}  // namespace qel
