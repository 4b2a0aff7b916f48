#pragma once
// The updater's notices in the main window's top bar: "Update to …" while an update is
// announced, then "What's new" while the notes of this version have not been offered.
#include <QWidget>

namespace qel {

class CapsuleButton;
class Updater;

class UpdateNotices : public QWidget {
  Q_OBJECT

 public:
  explicit UpdateNotices(Updater& updater, QWidget* parent = nullptr);

  CapsuleButton* updateButton() const { return update_; }
  CapsuleButton* whatsNewButton() const { return whatsNew_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void refresh();

  Updater& updater_;
  CapsuleButton* update_;
  CapsuleButton* whatsNew_;
};

}  // namespace qel
