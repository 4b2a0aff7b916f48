#pragma once
// Shows a scroll area's scroll bars for a moment: at once when the pointer comes over the area,
// again when it moves there more than half a second after the last time, and while the content
// scrolls. One per scroll area, living as long as it does.
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <optional>

class QAbstractScrollArea;

namespace qel {

// Lets a flash through at most once per half second unless forced; times in milliseconds.
struct FlashGate {
  static constexpr std::int64_t kInterval = 500;
  std::optional<std::int64_t> last;

  bool pass(std::int64_t now, bool force) {
    if (!force && last && now - *last <= kInterval) return false;
    last = now;
    return true;
  }
};

class HoverFlasher : public QObject {
  Q_OBJECT

 public:
  // How long a flash keeps the scroll bars shown.
  static constexpr int kShownMs = 1000;

  // Gives `area` its flasher unless it has one.
  static HoverFlasher* attach(QAbstractScrollArea* area);
  // Whether a flash still shows this scroll bar.
  static bool isShown(const QWidget* scrollBar);

  void flash(bool force);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit HoverFlasher(QAbstractScrollArea* area);
  void show();

  QPointer<QAbstractScrollArea> area_;
  FlashGate gate_;
  QTimer hide_;
};

}  // namespace qel
