#include "Qel/Kit/Style/Palette.hpp"

#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <cmath>

#include "Qel/Platform/Bus/DesktopPortal.hpp"

namespace qel::Palette {
namespace {

struct State {
  std::string appearance = "system";
  std::optional<bool> desktopLight;  // read when first needed after each assignment
  bool oursApplied = false;          // one of our palettes hides the desktop's
  std::function<std::optional<std::uint32_t>()> reader = readPortalColorScheme;
};

State& state() {
  static State s;
  return s;
}

QApplication* widgetsApp() { return qobject_cast<QApplication*>(QCoreApplication::instance()); }

bool isLight(const QColor& c) { return c.lightnessF() >= 0.5; }

// Sets no colour of ours, so the desktop's palette shows and follows the desktop's changes.
void showDesktopPalette() {
  if (!state().oursApplied || !widgetsApp()) return;
  QApplication::setPalette(QPalette());
  state().oursApplied = false;
}

// The desktop palette's window colour; reading it takes ours away until apply() runs again.
QColor desktopWindow() {
  if (!QGuiApplication::instance()) return QColor(Qt::white);
  showDesktopPalette();
  return QGuiApplication::palette().color(QPalette::Window);
}

void readDesktop() {
  auto& s = state();
  s.desktopLight = desktopPrefersLight(s.reader ? s.reader() : std::nullopt, desktopWindow());
}

// The desktop's own palette while following it, unless it disagrees with the desktop's stated
// preference (Qt without a platform theme ignores the portal); then ours of the preferred kind.
void apply() {
  if (!widgetsApp()) return;
  const bool wantLight = light();
  if (state().appearance == "system" && isLight(desktopWindow()) == wantLight) return;
  QApplication::setPalette(qtPalette(wantLight));
  state().oursApplied = true;
}

}  // namespace

const std::string& appearance() { return state().appearance; }

void setAppearance(std::string value) {
  state().appearance = std::move(value);
  state().desktopLight.reset();  // read again when the desktop is followed
  apply();
  notifier()->post();
}

bool light() {
  auto& s = state();
  if (s.appearance == "light") return true;
  if (s.appearance != "system") return false;
  if (!s.desktopLight) readDesktop();
  return *s.desktopLight;
}

bool desktopLight() {
  auto& s = state();
  if (!s.desktopLight) {
    // Reading the desktop's palette takes ours away for a moment: put it back.
    const bool ours = s.oursApplied;
    readDesktop();
    if (ours) apply();
  }
  return *s.desktopLight;
}

void refreshSystemAppearance() {
  state().desktopLight.reset();
  apply();
  notifier()->post();
}

AppearanceNotifier* notifier() {
  static AppearanceNotifier n;
  return &n;
}

void followAppearance(QWidget* widget) {
  QObject::connect(notifier(), &AppearanceNotifier::qelAppearanceChanged, widget, [widget] { widget->update(); });
}

AdaptiveColor adaptive(std::uint32_t light, std::uint32_t dark) { return {rgb(light), rgb(dark)}; }

AdaptiveColor adaptiveOpacity(double white, double black) {
  const auto opacity = [](double a) { return float(std::isfinite(a) ? std::clamp(a, 0.0, 1.0) : 0.0); };
  QColor onLight(Qt::black), onDark(Qt::white);
  onLight.setAlphaF(opacity(white));
  onDark.setAlphaF(opacity(black));
  return {onLight, onDark};
}

QColor themed(std::uint32_t dark, std::uint32_t light) { return rgb(Palette::light() ? light : dark); }

bool desktopPrefersLight(std::optional<std::uint32_t> portalScheme, const QColor& desktopWindow) {
  if (portalScheme == 1u) return false;
  if (portalScheme == 2u) return true;
  return isLight(desktopWindow);
}

QPalette qtPalette(bool light) {
  struct Roles {
    std::uint32_t window, text, base, alternate, button, placeholder, highlight, highlightedText;
    std::uint32_t lightEdge, midlight, mid, darkEdge, shadow, disabled;
  };
  static constexpr Roles lightRoles{0xF3F5F4, 0x1B2422, 0xFFFFFF, 0xEEF1F0, 0xE8ECEA, 0x8A9592, 0x1F7A62,
                                    0xFFFFFF, 0xFFFFFF, 0xF7F8F8, 0xC4CBC9, 0x8A9592, 0x5A6562, 0x8A9592};
  static constexpr Roles darkRoles{0x1B2126, 0xEEF0EE, 0x14191D, 0x20272D, 0x252C31, 0x737B7A, 0x7FD4B4,
                                   0x10161A, 0x3A4247, 0x2E363B, 0x2A3136, 0x101417, 0x000000, 0x737B7A};
  const Roles& r = light ? lightRoles : darkRoles;
  QPalette p(rgb(r.button), rgb(r.window));
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    const bool disabled = group == QPalette::Disabled;
    const QColor text = rgb(disabled ? r.disabled : r.text);
    p.setColor(group, QPalette::Window, rgb(r.window));
    p.setColor(group, QPalette::WindowText, text);
    p.setColor(group, QPalette::Base, rgb(r.base));
    p.setColor(group, QPalette::AlternateBase, rgb(r.alternate));
    p.setColor(group, QPalette::Text, text);
    p.setColor(group, QPalette::Button, rgb(r.button));
    p.setColor(group, QPalette::ButtonText, text);
    p.setColor(group, QPalette::BrightText, rgb(light ? 0xFFFFFF : 0x10161A));
    p.setColor(group, QPalette::PlaceholderText, rgb(r.placeholder));
    p.setColor(group, QPalette::Highlight, rgb(r.highlight));
    p.setColor(group, QPalette::HighlightedText, rgb(r.highlightedText));
    p.setColor(group, QPalette::Link, rgb(r.highlight));
    p.setColor(group, QPalette::ToolTipBase, rgb(r.base));
    p.setColor(group, QPalette::ToolTipText, rgb(r.text));
    p.setColor(group, QPalette::Light, rgb(r.lightEdge));
    p.setColor(group, QPalette::Midlight, rgb(r.midlight));
    p.setColor(group, QPalette::Mid, rgb(r.mid));
    p.setColor(group, QPalette::Dark, rgb(r.darkEdge));
    p.setColor(group, QPalette::Shadow, rgb(r.shadow));
  }
  return p;
}

void useAccentSelection(QWidget* field) {
  const auto apply = [field] {
    const QPalette ours = qtPalette(light());
    QPalette p = field->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
      p.setColor(group, QPalette::Highlight, ours.color(group, QPalette::Highlight));
      p.setColor(group, QPalette::HighlightedText, ours.color(group, QPalette::HighlightedText));
    }
    field->setPalette(p);
  };
  apply();
  QObject::connect(notifier(), &AppearanceNotifier::qelAppearanceChanged, field, apply);
}

void setDesktopSchemeReader(std::function<std::optional<std::uint32_t>()> reader) {
  state().reader = std::move(reader);
  state().desktopLight.reset();
}

}  // namespace qel::Palette

namespace qel {

AdaptiveColor color(Level level) {
  switch (level) {
    case Level::calm: return Palette::primaryText();
    case Level::notable: return Palette::warnText();
    case Level::high: return Palette::strainText();
  }
  return Palette::primaryText();
}

}  // namespace qel
