#pragma once
// Asking where to save a file, with Qt's own dialog set up so that showing a folder or
// completing a typed path never reads a file: icons and kinds are told from names alone. A
// read of /proc/kmsg, which waits for the kernel's next message, would hold the window still.
#include <QFileDialog>
#include <QString>

namespace qel {

// A save dialog opened at `proposed` (a path or a file name) with the name filter `filter`.
QFileDialog* makeSaveDialog(QWidget* parent, const QString& proposed, const QString& filter);
// Runs it; the chosen path, or empty when cancelled.
QString askSavePath(QWidget* parent, const QString& proposed, const QString& filter);

}  // namespace qel
