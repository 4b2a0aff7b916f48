#pragma once
// Puts the program's slim scroll bars on every scroll area of every window, those made later
// included (the style converts each scroll area as it is polished).
namespace qel::ScrollerRestyler {

// Installs the scroll-bar style on the application; harmless when called again.
void start();

}  // namespace qel::ScrollerRestyler
