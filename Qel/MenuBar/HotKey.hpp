#pragma once
// The replay shortcut Ctrl+Alt+E, grabbed from the X server for the whole desktop, whichever
// program is in front. The grab is taken for every combination of Caps Lock and Num Lock, since
// the server matches modifiers exactly. Where it can't be had (another program holds it, or the
// session is not X11) the program says so where the shortcut is shown and names `qel --replay`
// as the command to bind in the desktop's keyboard settings.
#include <QAbstractNativeEventFilter>
#include <QString>

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace qel {

class HotKey : public QAbstractNativeEventFilter {
 public:
  enum class Status { active, taken, noX11 };

  // Grabs the key; `action` runs on the main thread one loop turn after each press.
  explicit HotKey(std::function<void()> action);
  ~HotKey() override;
  HotKey(const HotKey&) = delete;
  HotKey& operator=(const HotKey&) = delete;

  Status status() const { return status_; }

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  void ungrab();

  std::function<void()> action_;
  Status status_ = Status::noX11;
  std::uint8_t keycode_ = 0;
  std::uint16_t ignored_ = 0;  // Lock and Num Lock
  std::uint32_t root_ = 0;
};

// The words shown next to the shortcut for a grab's status.
QString hotKeyNote(HotKey::Status status);

// The modifier sets to grab: `base` alone and with every combination of `lock` and `numLock`.
std::vector<std::uint16_t> grabModifierSets(std::uint16_t base, std::uint16_t lock, std::uint16_t numLock);
// The modifier bit (Mod1…Mod5 as 1 << 3 … 1 << 7) that holds one of `numLockCodes`, from the
// server's modifier map (8 rows of `perModifier` keycodes); 0 when none does.
std::uint16_t numLockMask(std::span<const std::uint8_t> modifierMap, int perModifier,
                          std::span<const std::uint8_t> numLockCodes);

}  // namespace qel
