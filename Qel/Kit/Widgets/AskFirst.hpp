#pragma once
// The question asked before something that can't be undone (erasing history, deleting a mark,
// force-quitting). Cancel is the default: Return, Escape and closing the box all leave things as
// they are; only a click on the action, or Space while it holds the focus, does it.
#include <QString>

#include <functional>

class QMessageBox;
class QWidget;

namespace qel {

// Opens the question over `parent`'s window without waiting; `act` runs only on the action.
// Named `name` (for tests and accessibility).
QMessageBox* askFirst(QWidget* parent, const QString& name, const QString& question, const QString& detail,
                      const QString& action, std::function<void()> act, std::function<void()> cancelled = {});

}  // namespace qel
