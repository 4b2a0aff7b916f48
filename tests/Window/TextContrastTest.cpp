// Every colour words are drawn in reads at 4.5 : 1 or more over every ground it lies on, in both
// looks: each page's background bare and under the strongest card wash, and the tray panel's
// backdrop with its glow and a cell's shade.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/PanelStyle.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/MenuBar/PanelBackdrop.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;

namespace {

using Roles = std::vector<std::pair<std::string, AdaptiveColor>>;

// `ground`, and the same under black (light) or white (dark) at 8 %, chips' and key caps' wash.
void addWashed(std::vector<QColor>& grounds, const QColor& ground, bool light) {
  grounds.push_back(ground);
  grounds.push_back(test::over(ground, light ? Qt::black : Qt::white, 0.08));
}

void expectReads(const Roles& roles, const std::vector<QColor>& grounds, bool light) {
  for (const auto& [name, colour] : roles)
    for (const auto& ground : grounds) {
      const QColor ink = light ? colour.forLight() : colour.forDark();
      EXPECT_GE(test::contrast(ink, ground), 4.5) << name << " " << ink.name().toStdString() << " on "
                                                  << ground.name().toStdString() << (light ? " light" : " dark");
    }
}

}  // namespace

TEST(TextContrast, everyTextRoleOfTheWindowAndTheTrayPanelReadsOnItsGroundsInBothLooks) {
  const Page pages[] = {Page::overview, Page::cpu, Page::gpu, Page::mem, Page::disk, Page::net, Page::energy};
  Roles window = {{"primary", Palette::primaryText()}, {"secondary", Palette::secondaryText()},
                  {"tertiary", Palette::tertiaryText()}, {"warn", Palette::warnText()},
                  {"strain", Palette::strainText()}, {"calm", Palette::calmText()}};
  for (const Page page : pages) window.emplace_back("accent " + std::to_string(int(page)), accentText(page));
  Roles panel = {{"primary", Palette::primaryText()}, {"grey", PanelStyle::greyTint()},
                 {"muted", PanelStyle::mutedTint()}, {"warm", PanelStyle::warmTint()},
                 {"hot", PanelStyle::hotTint()}};
  for (const Page page : {Page::cpu, Page::mem, Page::net, Page::energy})
    panel.emplace_back("tile " + std::to_string(int(page)), PanelStyle::metricTint(page));
  for (const bool light : {true, false}) {
    std::vector<QColor> pageGrounds, panelGrounds;
    for (const Page page : pages) addWashed(pageGrounds, light ? background(page).forLight() : background(page).forDark(), light);
    addWashed(panelGrounds, panelBackdropTop(light), light);
    addWashed(panelGrounds, panelBackdropBottom(light), light);
    // The glow where words come nearest its corner: the title, beside the 92-point ring.
    for (const Level level : {Level::calm, Level::notable, Level::high})
      addWashed(panelGrounds,
                panelBackdropAt({QSize(384, 900), 1, light, panelGlowTint(level).rgb()}, QPointF(16 + 92 + 14, 16)), light);
    expectReads(window, pageGrounds, light);
    expectReads(panel, panelGrounds, light);
  }
}
