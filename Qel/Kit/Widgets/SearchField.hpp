#pragma once
// A search field on a faint capsule: plain text in the bundled font, selected text in the
// program's accent, and the focus ring while the keyboard is on it.
#include <QLineEdit>

namespace qel {

class SearchField : public QLineEdit {
  Q_OBJECT

 public:
  SearchField(const QString& placeholder, int width, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qel
