#include "Qel/Sheets/Export/SaveDialog.hpp"

#include <QAbstractFileIconProvider>
#include <QMimeDatabase>

#include <memory>

namespace qel {
namespace {

// Qt's provider asks the MIME database about a file by name and contents; this one by name only.
class NameOnlyIcons final : public QAbstractFileIconProvider {
 public:
  NameOnlyIcons() { setOptions(DontUseCustomDirectoryIcons); }

  QIcon icon(IconType type) const override { return QAbstractFileIconProvider::icon(type); }
  QIcon icon(const QFileInfo& info) const override {
    if (!info.isFile()) return QAbstractFileIconProvider::icon(info.isDir() ? Folder : File);
    const QIcon themed = QIcon::fromTheme(byName(info).iconName());
    return themed.isNull() ? QAbstractFileIconProvider::icon(File) : themed;
  }
  QString type(const QFileInfo& info) const override {
    if (!info.isFile()) return QAbstractFileIconProvider::type(info);
    const QMimeType mime = byName(info);
    return mime.comment().isEmpty() ? mime.name() : mime.comment();
  }

 private:
  static QMimeType byName(const QFileInfo& info) {
    return QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
  }
};

}  // namespace

QFileDialog* makeSaveDialog(QWidget* parent, const QString& proposed, const QString& filter) {
  // Stateless, and needed for as long as any dialog lives.
  static NameOnlyIcons icons;
  auto* dialog = new QFileDialog(parent);
  // Qt's own dialog, so it is the provider above that every view of it asks.
  dialog->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontUseCustomDirectoryIcons);
  dialog->setIconProvider(&icons);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setNameFilter(filter);
  dialog->selectFile(proposed);
  return dialog;
}

QString askSavePath(QWidget* parent, const QString& proposed, const QString& filter) {
  const std::unique_ptr<QFileDialog> dialog(makeSaveDialog(parent, proposed, filter));
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
  return dialog->selectedFiles().constFirst();
}

}  // namespace qel
