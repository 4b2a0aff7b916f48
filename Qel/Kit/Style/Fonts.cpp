#include "Qel/Kit/Style/Fonts.hpp"

#include <QFontDatabase>
#include <QGuiApplication>

#include <cmath>

#include "Qel/Text/Loc.hpp"

namespace qel::Fonts {
namespace {

struct Families {
  QString text = QStringLiteral("DejaVu Sans");
  QString condensed = QStringLiteral("DejaVu Sans Condensed");
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
    // The condensed faces name both families; asked for by the second, they alone answer.
    familyOf(QStringLiteral(":/fonts/DejaVuSansCondensed.ttf"));
    familyOf(QStringLiteral(":/fonts/DejaVuSansCondensed-Bold.ttf"));
    if (auto i = familyOf(QStringLiteral(":/fonts/MaterialIcons-Regular.ttf")); !i.isEmpty()) out.icons = i;
    return out;
  }();
  return f;
}

// The text family followed by the CJK faces, in the order of the language the program started
// in (Qt keeps a font's fallback faces for as long as it caches the font, so a later switch of
// language could not reorder them reliably anyway), and last the symbols face.
const QStringList& textFamilies() {
  static const QStringList list = QStringList{families().text} + cjkFallbacks(Loc::code()) + QStringList{symbolFamily()};
  return list;
}

}  // namespace

QStringList cjkFallbacks(std::string_view language) {
  const QString sc = QStringLiteral("Noto Sans CJK SC"), tc = QStringLiteral("Noto Sans CJK TC"),
                jp = QStringLiteral("Noto Sans CJK JP"), kr = QStringLiteral("Noto Sans CJK KR");
  if (language == "zh-Hant") return {tc, sc, jp, kr};
  if (language == "ja") return {jp, sc, tc, kr};
  if (language == "ko") return {kr, jp, sc, tc};
  return {sc, tc, jp, kr};
}

void load() {
  families();
  if (QGuiApplication::instance()) QGuiApplication::setFont(text(13));
}

QString iconFamily() { return families().icons; }

QString symbolFamily() { return QStringLiteral("Symbola"); }

int pixels(double size) {
  if (!std::isfinite(size) || size < 1) return 1;
  return size > 4096 ? 4096 : int(std::lround(size));
}

QFont text(double pixelSize, QFont::Weight weight) {
  QFont f;
  f.setFamilies(textFamilies());
  f.setPixelSize(pixels(pixelSize));
  // DejaVu Sans comes in ExtraLight, Book and Bold: a light weight would otherwise round to Book.
  f.setWeight(weight <= QFont::Light ? QFont::ExtraLight : weight);
  return f;
}

QFont condensed(double pixelSize, QFont::Weight weight) {
  QFont f = text(pixelSize, weight);
  f.setFamilies(QStringList{families().condensed} + textFamilies());
  return f;
}

QFont icons(double pixelSize) {
  QFont f(iconFamily());
  f.setPixelSize(pixels(pixelSize));
  return f;
}

}  // namespace qel::Fonts
