#include "Qel/Window/Fonts.hpp"

#include <QFontDatabase>
#include <QGuiApplication>

#include <cmath>

namespace qel::Fonts {
namespace {

struct Families {
  QString text = QStringLiteral("DejaVu Sans");
  QString icons = QStringLiteral("Material Icons");
};

QString familyOf(const QString& resource) {
  const int id = QFontDatabase::addApplicationFont(resource);
  const auto names = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
  return names.isEmpty() ? QString() : names.first();
}

// Registered on first use; a font missing from the resources leaves its family name as it is,
// so an installed copy can still serve.
const Families& families() {
  static const Families f = [] {
    Families out;
    if (auto t = familyOf(QStringLiteral(":/fonts/DejaVuSans.ttf")); !t.isEmpty()) out.text = t;
    familyOf(QStringLiteral(":/fonts/DejaVuSans-Bold.ttf"));
    familyOf(QStringLiteral(":/fonts/DejaVuSans-ExtraLight.ttf"));
    if (auto i = familyOf(QStringLiteral(":/fonts/MaterialIcons-Regular.ttf")); !i.isEmpty()) out.icons = i;
    return out;
  }();
  return f;
}

}  // namespace

void load() {
  families();
  if (QGuiApplication::instance()) QGuiApplication::setFont(text(13));
}

QString textFamily() { return families().text; }
QString iconFamily() { return families().icons; }

int pixels(double size) {
  if (!std::isfinite(size) || size < 1) return 1;
  return size > 4096 ? 4096 : int(std::lround(size));
}

QFont text(double pixelSize, QFont::Weight weight) {
  QFont f(textFamily());
  f.setPixelSize(pixels(pixelSize));
  // DejaVu Sans comes in ExtraLight, Book and Bold: a light weight would otherwise round to Book.
  f.setWeight(weight <= QFont::Light ? QFont::ExtraLight : weight);
  return f;
}

QFont icons(double pixelSize) {
  QFont f(iconFamily());
  f.setPixelSize(pixels(pixelSize));
  return f;
}

}  // namespace qel::Fonts
