// Every colour words are drawn in reads over every ground it lies on, in both looks: at least
// 4.5 : 1, as body text needs. The grounds are the pages' backgrounds, bare and under the
// strongest card wash, and the tray panel's backdrop with its glow and its cells' shade.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Qel/MenuBar/PanelBackdrop.hpp"
#include "Qel/MenuBar/PanelStyle.hpp"
#include "Qel/Window/PageMeta.hpp"
#include "Qel/Window/Palette.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;

namespace {

constexpr double kBodyText = 4.5;
constexpr double kStrongestWash = 0.08;  // chips and key caps; cards and tiles use less

struct Role {
  std::string name;
  AdaptiveColor ink;
};

const Page kPages[] = {Page::overview, Page::cpu, Page::gpu, Page::mem, Page::disk, Page::net, Page::energy};

// A ground and, over it, the strongest wash of black (light) or white (dark).
std::vector<QColor> washed(const QColor& ground, bool light) {
  return {ground, test::over(ground, light ? Qt::black : Qt::white, kStrongestWash)};
}

void expectReads(const std::vector<Role>& roles, const std::vector<QColor>& grounds, bool light) {
  for (const auto& role : roles) {
    const QColor ink = light ? role.ink.forLight() : role.ink.forDark();
    for (const auto& ground : grounds)
      EXPECT_GE(test::contrast(ink, ground), kBodyText)
          << role.name << " " << ink.name().toStdString() << " on " << ground.name().toStdString()
          << (light ? " (light)" : " (dark)");
  }
}

}  // namespace

TEST(TextContrast, everyTextRoleOfTheWindowReadsOnEveryPageInBothLooks) {
  std::vector<Role> roles = {{"primary", Palette::primaryText()},   {"secondary", Palette::secondaryText()},
                             {"tertiary", Palette::tertiaryText()}, {"warn", Palette::warnText()},
                             {"strain", Palette::strainText()},     {"calm", Palette::calmText()}};
  for (const Page page : kPages) roles.push_back({"accent of page " + std::to_string(int(page)), accentText(page)});
  for (const bool light : {true, false}) {
    std::vector<QColor> grounds;
    for (const Page page : kPages)
      for (const QColor& g : washed(light ? background(page).forLight() : background(page).forDark(), light))
        grounds.push_back(g);
    expectReads(roles, grounds, light);
  }
}

TEST(TextContrast, everyTextRoleOfTheTrayPanelReadsOnItsBackdropInBothLooks) {
  const std::vector<Role> roles = {{"primary", Palette::primaryText()},
                                   {"grey", PanelStyle::greyTint()},
                                   {"muted", PanelStyle::mutedTint()},
                                   {"warm", PanelStyle::warmTint()},
                                   {"hot", PanelStyle::hotTint()},
                                   {"cpu", PanelStyle::metricTint(Page::cpu)},
                                   {"memory", PanelStyle::metricTint(Page::mem)},
                                   {"network", PanelStyle::metricTint(Page::net)},
                                   {"energy", PanelStyle::metricTint(Page::energy)}};
  for (const bool light : {true, false}) {
    std::vector<QColor> grounds;
    for (const QColor& end : {panelBackdropTop(light), panelBackdropBottom(light)})
      for (const QColor& g : washed(end, light)) grounds.push_back(g);
    // The glow at the nearest words come to its corner: the title, beside the 92-point ring.
    for (const Level level : {Level::calm, Level::notable, Level::high}) {
      const PanelBackdropLook look{QSize(384, 900), 1, light, panelGlowTint(level).rgb()};
      for (const QColor& g : washed(panelBackdropAt(look, QPointF(16 + 92 + 14, 16)), light)) grounds.push_back(g);
    }
    expectReads(roles, grounds, light);
  }
}
