#include <gtest/gtest.h>

#include <QApplication>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

#include <limits>

#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Glyphs.hpp"
#include "Qel/Kit/Style/Legible.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Pages/Panel.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;
using test::useAppearance;

TEST(Palette, desktopPreferenceFromPortalOrWindowLightness) {
  const QColor lightWindow(0xEF, 0xEF, 0xEF), darkWindow(0x2A, 0x2A, 0x2A);
  struct Case {
    std::optional<std::uint32_t> scheme;
    QColor window;
    bool light;
  } cases[] = {
      {1u, lightWindow, false}, {2u, darkWindow, true},          {0u, darkWindow, false},
      {0u, lightWindow, true},  {std::nullopt, darkWindow, false}, {7u, lightWindow, true},
  };
  for (const auto& c : cases) EXPECT_EQ(Palette::desktopPrefersLight(c.scheme, c.window), c.light);
}

TEST(Palette, appearanceSettingDecidesLightAndThePaletteAndAnnouncesIt) {
  struct Case {
    const char* appearance;
    std::optional<std::uint32_t> desktop;
    bool light;
  } cases[] = {
      {"light", 1u, true},  {"dark", 2u, false},   {"system", 1u, false}, {"system", 2u, true},
      {"System", 2u, false},  // not a known value: dark
      {"", std::nullopt, false},
  };
  for (const auto& c : cases) {
    int changed = 0;
    auto connection = QObject::connect(Palette::notifier(), &AppearanceNotifier::qelAppearanceChanged, [&] { ++changed; });
    useAppearance(c.appearance, c.desktop);
    QObject::disconnect(connection);
    EXPECT_EQ(changed, 1) << c.appearance;
    EXPECT_EQ(Palette::appearance(), c.appearance);
    EXPECT_EQ(Palette::light(), c.light) << c.appearance;
    EXPECT_EQ(background(Page::overview).resolve(), Palette::rgb(c.light ? 0xF3F5F4 : 0x1B2126)) << c.appearance;
    EXPECT_EQ(QApplication::palette().color(QPalette::WindowText).lightnessF() < 0.5, c.light) << c.appearance;
  }
}

TEST(Palette, followingTheDesktopKeepsItsPaletteWhenItAgrees) {
  useAppearance("light");
  useAppearance("system");  // the offscreen desktop is light and states no preference
  const QColor desktopWindow = QApplication::palette().color(QPalette::Window);
  EXPECT_TRUE(Palette::light());
  EXPECT_NE(desktopWindow, Palette::qtPalette(true).color(QPalette::Window));

  // The desktop now prefers dark, though its palette is light: the interface follows the preference.
  Palette::setDesktopSchemeReader([] { return std::optional<std::uint32_t>(1); });
  Palette::refreshSystemAppearance();
  EXPECT_FALSE(Palette::light());
  EXPECT_EQ(QApplication::palette().color(QPalette::Window), Palette::qtPalette(false).color(QPalette::Window));

  Palette::setDesktopSchemeReader([] { return std::optional<std::uint32_t>(0); });
  Palette::refreshSystemAppearance();
  EXPECT_EQ(QApplication::palette().color(QPalette::Window), desktopWindow);
}

TEST(Palette, themedIsFixedWhenCalledAdaptiveWhenResolved) {
  useAppearance("light");
  const QColor fixedLight = Palette::themed(0x111111, 0xEEEEEE);
  const AdaptiveColor adaptive = Palette::adaptive(0xEEEEEE, 0x111111);
  EXPECT_EQ(fixedLight, Palette::rgb(0xEEEEEE));
  EXPECT_EQ(adaptive.resolve(), Palette::rgb(0xEEEEEE));
  useAppearance("dark");
  EXPECT_EQ(fixedLight, Palette::rgb(0xEEEEEE));  // kept until called again
  EXPECT_EQ(Palette::themed(0x111111, 0xEEEEEE), Palette::rgb(0x111111));
  EXPECT_EQ(adaptive.resolve(), Palette::rgb(0x111111));

  const auto wash = Palette::adaptiveOpacity(0.045, 0.08);
  EXPECT_EQ(wash.forLight().rgb() & 0xFFFFFF, 0x000000u);
  EXPECT_NEAR(wash.forLight().alphaF(), 0.045, 0.003);
  EXPECT_EQ(wash.forDark().rgb() & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_NEAR(wash.forDark().alphaF(), 0.08, 0.003);
}

TEST(Palette, appearanceSwitchRecoloursLabelsAndCards) {
  useAppearance("light");
  PlainLabel label("Model", 13, QFont::Normal, Palette::secondaryText());
  EXPECT_EQ(label.palette().color(QPalette::WindowText), Palette::secondaryText().forLight());
  EXPECT_EQ(label.textFormat(), Qt::PlainText);

  auto* panel = new Panel(nullptr, 16);
  test::Host host(panel, QSize(120, 60), Palette::rgb(0x808080));
  EXPECT_TRUE(test::near(host.at(60, 30), test::over(Palette::rgb(0x808080), Qt::black, 0.045), 2));
  EXPECT_TRUE(test::near(host.at(0, 0), Palette::rgb(0x808080), 2));  // outside the rounded corner

  useAppearance("dark");
  EXPECT_EQ(label.palette().color(QPalette::WindowText), Palette::rgb(0xA7AEAC));
  EXPECT_TRUE(test::near(host.at(60, 30), test::over(Palette::rgb(0x808080), Qt::white, 0.045), 2));
}

TEST(Legible, paleWordsAreDeepenedUntilTheyReadOnTheirGround) {
  EXPECT_NEAR(Legible::contrast(Qt::black, Qt::white), 21, 1e-9);
  EXPECT_NEAR(Legible::contrast(Palette::cpu(), Palette::cpu()), 1, 1e-9);
  const QColor lightGround = Palette::rgb(0xF3F5F4), darkGround = Palette::rgb(0x1B2126);
  // Every page accent and the warning red, as words on either ground.
  for (const QColor& accent : {Palette::cpu(), Palette::gpu(), Palette::mem(), Palette::net(), Palette::disk(),
                               Palette::energy(), Palette::strain(), Palette::rgb(0x9FD3C7)}) {
    for (const QColor& ground : {lightGround, darkGround}) {
      const QColor words = Legible::text(accent, ground);
      EXPECT_GE(Legible::contrast(words, ground), 4.5) << accent.name().toStdString();
      if (Legible::contrast(accent, ground) < 4.5)
        EXPECT_LT(Legible::contrast(words, ground), 4.6) << "no more change than needed";
      else
        EXPECT_EQ(words, accent);
    }
    // Pale accents are made darker on a light ground, never lighter.
    EXPECT_LT(Legible::text(accent, lightGround).lightnessF(), accent.lightnessF());
  }
  // Words that already read are left alone, alpha and all; so is no colour at all.
  EXPECT_EQ(Legible::text(Palette::ink(), lightGround), Palette::ink());
  QColor faint = Palette::rgb(0xEEF0EE);
  faint.setAlphaF(0.5f);
  EXPECT_EQ(Legible::text(faint, darkGround), faint);
  EXPECT_FALSE(Legible::text(QColor(), lightGround).isValid());
  // A wash laid over the ground.
  QColor wash = Qt::black;
  wash.setAlphaF(0.5f);
  EXPECT_NEAR(Legible::over(Qt::white, wash).redF(), 0.5, 0.01);
  EXPECT_EQ(Legible::over(Qt::white, wash).alpha(), 255);
}

TEST(Fonts, bundledFontsAndEveryGlyphInTheIconFont) {
  EXPECT_EQ(QFontInfo(Fonts::text(13)).family(), "DejaVu Sans");
  const QFont icons = Fonts::icons(20);
  EXPECT_EQ(QFontInfo(icons).family(), "Material Icons");
  EXPECT_EQ(Fonts::pixels(11.5), 12);
  EXPECT_EQ(Fonts::pixels(std::numeric_limits<double>::quiet_NaN()), 1);

  const QFontMetrics metrics(icons);
  for (const auto& g : Glyphs::all()) EXPECT_TRUE(metrics.inFontUcs4(g.codepoint)) << g.name;
  EXPECT_EQ(Glyphs::text("moon.fill"), QString(QChar(0xEF44)));
  EXPECT_TRUE(Glyphs::text("no.such.symbol").isEmpty());
}

// The face that draws `text` in `font` (the text font unless told).
static QString faceDrawing(const QString& text, const QFont& font = Fonts::text(20)) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  const auto runs = layout.glyphRuns();
  return runs.isEmpty() ? QString() : runs.first().rawFont().familyName();
}

TEST(Fonts, chineseJapaneseAndKoreanDrawFromACjkFaceTheLanguagesOwnFirst) {
  // Shared Han characters are drawn differently in each language, so its own face goes first.
  EXPECT_EQ(Fonts::cjkFallbacks("ja").first(), "Noto Sans CJK JP");
  EXPECT_EQ(Fonts::cjkFallbacks("zh-Hans").first(), "Noto Sans CJK SC");
  EXPECT_EQ(Fonts::cjkFallbacks("zh-Hant").first(), "Noto Sans CJK TC");
  EXPECT_EQ(Fonts::cjkFallbacks("ko").first(), "Noto Sans CJK KR");
  for (const char* language : {"en", "ru", "ja", "ko"}) EXPECT_EQ(Fonts::cjkFallbacks(language).size(), 4);
  // Installed by scripts/setup: without it these would be empty boxes.
  for (const char* text : {"直", "日本語", "简体中文", "한국어"})
    EXPECT_TRUE(faceDrawing(QString::fromUtf8(text)).startsWith("Noto Sans CJK")) << text;
  EXPECT_EQ(faceDrawing(QStringLiteral("Привет 42")), "DejaVu Sans");
}

TEST(Fonts, thePauseMarkOfPausedAlertsDrawsFromAFaceTheProgramNames) {
  // Left to whatever the machine's fallback finds, the mark is an empty box where it finds none.
  Fonts::load();
  const QString mark = QString::fromUtf8("⏸");
  for (const QFont& font : {Fonts::text(13), Fonts::text(22 * 0.6), QApplication::font("QTipLabel")}) {
    const QString face = faceDrawing(mark, font);
    EXPECT_TRUE(font.families().contains(face)) << "drawn from " << face.toStdString();
    QFont alone(face);
    alone.setStyleStrategy(QFont::NoFontMerging);
    EXPECT_TRUE(QFontMetrics(alone).inFontUcs4(0x23F8)) << face.toStdString() << ": installed by scripts/setup";
  }
  // Only what the text and CJK faces lack comes from it.
  EXPECT_EQ(faceDrawing(QStringLiteral("↓ 1.2 MB/s · 5%")), "DejaVu Sans");
}
