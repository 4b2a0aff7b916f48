#include "Qel/MenuBar/HotKey.hpp"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "Qel/Text/Loc.hpp"

namespace qel {
namespace {

constexpr xcb_keysym_t kKeyE = 0x0065;
constexpr xcb_keysym_t kNumLock = 0xff7f;
constexpr std::uint16_t kBase = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;  // Ctrl+Alt

template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_connection_t* x11Connection() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  xcb_connection_t* c = x11 ? x11->connection() : nullptr;
  return c && !xcb_connection_has_error(c) ? c : nullptr;
}

// Every keycode that gives `sym`, without the closing XCB_NO_SYMBOL.
std::vector<std::uint8_t> keycodes(xcb_key_symbols_t* symbols, xcb_keysym_t sym) {
  std::vector<std::uint8_t> codes;
  Reply<xcb_keycode_t> list(xcb_key_symbols_get_keycode(symbols, sym), &std::free);
  for (xcb_keycode_t* k = list.get(); k && *k != XCB_NO_SYMBOL; ++k) codes.push_back(*k);
  return codes;
}

}  // namespace

std::vector<std::uint16_t> grabModifierSets(std::uint16_t base, std::uint16_t lock, std::uint16_t numLock) {
  std::vector<std::uint16_t> sets;
  for (std::uint16_t extra : {std::uint16_t(0), lock, numLock, std::uint16_t(lock | numLock)}) {
    const auto set = std::uint16_t(base | extra);
    if (std::find(sets.begin(), sets.end(), set) == sets.end()) sets.push_back(set);
  }
  return sets;
}

std::uint16_t numLockMask(std::span<const std::uint8_t> modifierMap, int perModifier,
                          std::span<const std::uint8_t> numLockCodes) {
  if (perModifier <= 0) return 0;
  const std::size_t rows = std::min<std::size_t>(8, modifierMap.size() / std::size_t(perModifier));
  // Rows 0–2 are Shift, Lock and Control; Num Lock sits on one of Mod1…Mod5.
  for (std::size_t row = 3; row < rows; ++row)
    for (int i = 0; i < perModifier; ++i) {
      const std::uint8_t code = modifierMap[row * std::size_t(perModifier) + std::size_t(i)];
      if (code != 0 && std::find(numLockCodes.begin(), numLockCodes.end(), code) != numLockCodes.end())
        return std::uint16_t(1u << row);
    }
  return 0;
}

HotKey::HotKey(std::function<void()> action) : action_(std::move(action)) {
  xcb_connection_t* c = x11Connection();
  if (!c) return;
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  std::unique_ptr<xcb_key_symbols_t, decltype(&xcb_key_symbols_free)> symbols(xcb_key_symbols_alloc(c),
                                                                              &xcb_key_symbols_free);
  if (!screen || !symbols) return;
  const auto eCodes = keycodes(symbols.get(), kKeyE);
  if (eCodes.empty()) return;
  root_ = screen->root;
  keycode_ = eCodes.front();

  std::uint16_t numLock = 0;
  Reply<xcb_get_modifier_mapping_reply_t> map(
      xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr), &std::free);
  if (map) {
    const int per = map->keycodes_per_modifier;
    const std::span<const std::uint8_t> table(xcb_get_modifier_mapping_keycodes(map.get()),
                                              std::size_t(xcb_get_modifier_mapping_keycodes_length(map.get())));
    numLock = numLockMask(table, per, keycodes(symbols.get(), kNumLock));
  }
  ignored_ = std::uint16_t(XCB_MOD_MASK_LOCK | numLock);

  status_ = Status::active;
  for (std::uint16_t mods : grabModifierSets(kBase, XCB_MOD_MASK_LOCK, numLock)) {
    const xcb_void_cookie_t cookie =
        xcb_grab_key_checked(c, 1, root_, mods, keycode_, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    if (Reply<xcb_generic_error_t> error(xcb_request_check(c, cookie), &std::free); error) status_ = Status::taken;
  }
  if (status_ == Status::taken) {
    ungrab();
    return;
  }
  QCoreApplication::instance()->installNativeEventFilter(this);
}

HotKey::~HotKey() {
  if (status_ != Status::active) return;
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
  ungrab();
}

void HotKey::ungrab() {
  if (xcb_connection_t* c = x11Connection()) {
    xcb_ungrab_key(c, keycode_, root_, XCB_MOD_MASK_ANY);
    xcb_flush(c);
  }
}

bool HotKey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t" || !message) return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7f) != XCB_KEY_PRESS) return false;
  const auto* key = static_cast<const xcb_key_press_event_t*>(message);
  if (key->detail != keycode_ || key->root != root_ || (key->state & ~ignored_ & 0xff) != kBase) return false;
  // Not from inside the X event handling: a loop turn later, like any queued work.
  QTimer::singleShot(0, QCoreApplication::instance(), [action = action_] {
    if (action) action();
  });
  return true;
}

QString hotKeyNote(HotKey::Status status) {
  switch (status) {
    case HotKey::Status::active: return QString::fromStdString(L("Ctrl+Alt+E"));
    case HotKey::Status::taken:
      return QString::fromStdString(
          L("Ctrl+Alt+E is taken by another program. Bind the command qel --replay to a key in your desktop's "
            "keyboard settings instead."));
    case HotKey::Status::noX11:
      return QString::fromStdString(
          L("This desktop doesn't let Qel listen for Ctrl+Alt+E. Bind the command qel --replay to a key in your "
            "desktop's keyboard settings instead."));
  }
  return {};
}

}  // namespace qel
