#include "Qel/Kit/Style/Glyphs.hpp"

#include <QPainter>

#include <array>

#include "Qel/Kit/Style/Fonts.hpp"

namespace qel::Glyphs {
namespace {

// Material Icons codepoints, chosen for the closest shape (the icon's ligature name in the comment).
constexpr std::array<Glyph, 32> kGlyphs{{
    {"airpodspro", 0xF003},                             // earbuds
    {"airpodspro.chargingcase.wireless.fill", 0xF004},  // earbuds_battery
    {"arrow.down.circle.fill", 0xF181},                 // arrow_circle_down
    {"battery.100percent", 0xE1A4},                     // battery_full
    {"battery.50", 0xEBDD},                             // battery_3_bar
    {"bell", 0xE7F5},                                   // notifications_none
    {"bolt.fill", 0xEA0B},                              // bolt
    {"checkmark.circle.fill", 0xE86C},                  // check_circle
    {"chevron.left", 0xE5CB},                           // chevron_left
    {"chevron.right", 0xE5CC},                          // chevron_right
    {"chevron.up.chevron.down", 0xE5D7},                // unfold_more
    {"circle", 0xE836},                                 // radio_button_off
    {"clock.arrow.circlepath", 0xE889},                 // history
    {"ellipsis", 0xE5D3},                               // more_horiz
    {"externaldrive", 0xE1DB},                          // storage
    {"flag", 0xE16E},                                   // outlined_flag
    {"gearshape", 0xE8B8},                              // settings
    {"headphones", 0xF01F},                             // headphones
    {"internaldrive", 0xE875},                          // dns
    {"keyboard", 0xE312},                               // keyboard
    {"magicmouse", 0xE323},                             // mouse
    {"menubar.rectangle", 0xE069},                      // web_asset
    {"moon", 0xE3A8},                                   // brightness_3
    {"moon.fill", 0xEF44},                              // bedtime
    {"pause.fill", 0xE034},                             // pause
    {"rectangle.and.hand.point.up.left", 0xE913},       // touch_app
    {"sparkles", 0xE65F},                               // auto_awesome
    {"square.and.arrow.up", 0xE6B8},                    // ios_share
    {"stop.fill", 0xE047},                              // stop
    {"sun.max.fill", 0xE518},                           // light_mode
    {"thermometer", 0xE1FF},                            // device_thermostat
    {"xmark", 0xE5CD},                                  // close
}};

}  // namespace

std::span<const Glyph> all() { return kGlyphs; }

std::optional<char16_t> codepoint(std::string_view name) {
  for (const auto& g : kGlyphs)
    if (g.name == name) return g.codepoint;
  return std::nullopt;
}

QString text(std::string_view name) {
  const auto c = codepoint(name);
  return c ? QString(QChar(*c)) : QString();
}

void draw(QPainter& painter, const QRectF& box, std::string_view name, double pixelSize, const QColor& color) {
  const QString glyph = text(name);
  if (glyph.isEmpty()) return;
  painter.save();
  painter.setFont(Fonts::icons(pixelSize));
  painter.setPen(color);
  painter.drawText(box, Qt::AlignCenter, glyph);
  painter.restore();
}

}  // namespace qel::Glyphs
