#pragma once
// Pixel probes for widget tests: widgets are drawn on a solid host and single pixels at computed
// points are compared with the colour expected there, never whole images.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "Qel/Kit/Style/Palette.hpp"

namespace qel::test {

// A solid window of `background` holding one child at (0, 0) of `size`.
struct Host {
  QWidget window;
  explicit Host(QWidget* child, QSize size, QColor background = Qt::white) {
    window.setAutoFillBackground(true);
    QPalette p;
    p.setColor(QPalette::Window, background);
    window.setPalette(p);
    window.resize(size);
    child->setParent(&window);
    child->setGeometry(QRect(QPoint(0, 0), size));
    window.show();
    QApplication::processEvents();
  }
  QImage image() { return window.grab().toImage(); }
  QColor at(int x, int y) { return image().pixelColor(x, y); }
};

// `fg` at opacity `alpha` over `bg`.
inline QColor over(QColor bg, QColor fg, double alpha) {
  auto mix = [alpha](int b, int f) { return int(b * (1 - alpha) + f * alpha + 0.5); };
  return QColor(mix(bg.red(), fg.red()), mix(bg.green(), fg.green()), mix(bg.blue(), fg.blue()));
}

// The contrast ratio of two opaque colours (1 to 21) by their relative luminance, as
// accessibility guidelines measure it: body text wants 4.5, graphics 3.
inline double contrast(QColor a, QColor b) {
  const auto luminance = [](QColor c) {
    const auto channel = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
  };
  const double x = luminance(a), y = luminance(b);
  return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

inline ::testing::AssertionResult near(QColor actual, QColor expected, int tolerance = 6) {
  if (std::abs(actual.red() - expected.red()) <= tolerance &&
      std::abs(actual.green() - expected.green()) <= tolerance &&
      std::abs(actual.blue() - expected.blue()) <= tolerance)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual.name().toStdString() << " is not near " << expected.name().toStdString();
}

// Sets the appearance with a fixed answer from the desktop (no desktop bus in tests).
inline void useAppearance(const char* appearance, std::optional<std::uint32_t> desktopScheme = std::nullopt) {
  Palette::setDesktopSchemeReader([desktopScheme] { return desktopScheme; });
  Palette::setAppearance(appearance);
}

}  // namespace qel::test
