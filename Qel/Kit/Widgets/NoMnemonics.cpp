#include "Qel/Kit/Widgets/NoMnemonics.hpp"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>

namespace qel {

namespace {

class MnemonicFilter final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    return event->type() == QEvent::Shortcut && qobject_cast<QAbstractButton*>(watched) != nullptr;
  }
};

}  // namespace

void refuseButtonMnemonics(QCoreApplication& app) { app.installEventFilter(new MnemonicFilter(&app)); }

}  // namespace qel
