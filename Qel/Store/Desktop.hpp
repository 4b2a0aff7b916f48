#pragma once
// What the store asks of the desktop program: the application in front, the screens, the look
// and the window icon.
#include <cstdint>
#include <optional>
#include <string>

namespace qel {

// The application in front as the desktop tells it: a process, nothing (no window is active:
// the desktop was clicked or every window is minimised), or unknown (this desktop doesn't tell).
struct FrontApp {
  enum class Kind { unknown, nothing, process };
  Kind kind = Kind::unknown;
  std::int32_t pid = 0;  // with Kind::process

  static FrontApp nothing() { return {Kind::nothing, 0}; }
  static FrontApp process(std::int32_t pid) { return {Kind::process, pid}; }
  bool known() const { return kind != Kind::unknown; }
  bool is(std::int32_t p) const { return kind == Kind::process && pid == p; }
  std::optional<std::int32_t> processId() const {
    return kind == Kind::process ? std::optional(pid) : std::nullopt;
  }
  bool operator==(const FrontApp&) const = default;
};

// What only the desktop program knows: the application in front and the screens. The core
// asks through this; with none attached (tests, headless) the front app is unknown.
class Desktop {
 public:
  virtual ~Desktop() = default;
  virtual FrontApp frontApp() const = 0;
  virtual int screenCount() const = 0;
  // The appearance setting changed: apply it to the application.
  virtual void applyAppearance(const std::string& appearance) = 0;
  // Redraw the application icon from the store's load (force: even when the level is the same).
  virtual void updateDockIcon(bool force) = 0;
};

}  // namespace qel
