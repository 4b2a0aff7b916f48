#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QThread>

#include <sys/inotify.h>
#include <unistd.h>

#include <memory>
#include <set>

#include "Qel/Sheets/Export/SaveDialog.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;

namespace {

// The names of the files (not folders) in a watched folder that anyone opened since last asked.
std::set<std::string> filesOpened(int watch) {
  std::set<std::string> names;
  alignas(inotify_event) char buffer[8192];
  for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;)
    for (char* at = buffer; at < buffer + n;) {
      const auto* e = reinterpret_cast<const inotify_event*>(at);
      if (e->len && !(e->mask & IN_ISDIR)) names.insert(e->name);
      at += sizeof(inotify_event) + e->len;
    }
  return names;
}

}  // namespace

TEST(SaveDialog, showingAFolderAndTypingAPathInItReadsNoFile) {
  // A file with no telling name is what the system's file model reads to learn its kind; in
  // /proc such a read (kmsg) waits for ever.
  test::TempDir dir;
  dir.write("notes", "just some words\n");
  dir.write("picture", std::string("\x89PNG\r\n\x1a\n", 8) + std::string(64, '\0'));
  dir.write("Qel-2026-06-14.png", std::string("\x89PNG\r\n\x1a\n", 8));
  const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  ASSERT_GE(watch, 0);
  ASSERT_GE(inotify_add_watch(watch, dir.path().c_str(), IN_OPEN | IN_ACCESS), 0);

  const std::unique_ptr<QFileDialog> dialog(
      makeSaveDialog(nullptr, QString::fromStdString((dir / "Qel-2026-06-15.png").string()), "PNG (*.png)"));
  dialog->setViewMode(QFileDialog::Detail);  // the kind of every file is on show
  dialog->show();
  auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  ASSERT_TRUE(name);
  // As typed: the completer follows the edits, the dialog the text.
  const QString folder = QString::fromStdString(dir.path().string());
  for (const QString& typed : {folder + "/n", folder + "/notes"}) {
    name->setText(typed);
    emit name->textEdited(typed);
  }
  for (int i = 0; i < 60; ++i) {  // the file model's own thread has its turn too
    QApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(10);
  }
  EXPECT_EQ(filesOpened(watch), std::set<std::string>{});
  dialog->hide();
  ::close(watch);
}
