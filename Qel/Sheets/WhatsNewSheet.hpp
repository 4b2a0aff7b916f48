#pragma once
// The release notes the updater holds: each release with its version, a beta label when it is
// one, and its lines under the badges New, Improved and Fixed. It only reads; closing it is
// the one thing it changes.
#include "Qel/Sheets/SheetFrame.hpp"

namespace qel {

class Updater;

class WhatsNewSheet : public SheetFrame {
  Q_OBJECT

 public:
  WhatsNewSheet(NavigationState navigation, Updater& updater, QWidget* parent = nullptr);
};

}  // namespace qel
