#pragma once
// Announces that the drawn appearance may have changed: the appearance setting was assigned or
// the desktop switched between light and dark. Views holding colours chosen for one appearance
// rebuild them on it.
#include <QObject>

namespace qel {

class AppearanceNotifier : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  void post() { emit qelAppearanceChanged(); }

 signals:
  void qelAppearanceChanged();
};

}  // namespace qel
