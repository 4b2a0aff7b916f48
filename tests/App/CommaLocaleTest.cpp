// Figures are written one way in every language: a point before the decimals, whatever locale
// the desktop runs in. Every page, the tab bar and the tray panel, under locales that write a
// decimal comma.
#include <gtest/gtest.h>

#include <QLayout>
#include <QLocale>
#include <QRegularExpression>

#include <clocale>

#include "Qel/App/PanelParts.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/MenuBar/MenuBarPanel.hpp"
#include "Qel/MenuBar/MenuPanel.hpp"
#include "Qel/Text/Loc.hpp"
#include "tests/App/AfternoonWindow.hpp"
#include "tests/Window/BusyAfternoon.hpp"
#include "tests/Window/TextRecorder.hpp"

using namespace qel;

namespace {

class CommaLocale : public ::testing::TestWithParam<std::pair<const char*, const char*>> {
 protected:
  void SetUp() override {
    saved_ = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, GetParam().first)) GTEST_SKIP() << GetParam().first << " is not installed";
    QLocale::setDefault(QLocale(QString::fromLatin1(GetParam().first).section(u'.', 0, 0)));
    Loc::set(GetParam().second, nullptr);
    Motion::setEnabled(false);
  }
  void TearDown() override {
    std::setlocale(LC_ALL, saved_.c_str());
    QLocale::setDefault(QLocale::c());
    Loc::set("en", nullptr);
  }

  // The texts of `view` that write a decimal comma.
  static std::vector<std::string> commaFigures(const QWidget& view) {
    static const QRegularExpression comma(QStringLiteral(R"(\d,\d)"));
    std::vector<std::string> out;
    for (const auto& t : test::textsShown(view))
      if (comma.match(t.text).hasMatch()) out.push_back(t.text.toStdString());
    return out;
  }

  std::string saved_;
};

}  // namespace

TEST_P(CommaLocale, everyPageAndThePanelWriteAPoint) {
  test::BusyAfternoon day;
  test::AfternoonWindow shown(day, {1180, 780});
  for (Page page : allPages) {
    day.store->setPage(page);
    test::BusyAfternoon::settle();
    EXPECT_EQ(commaFigures(shown.window), std::vector<std::string>()) << title(page).toStdString();
  }
  PanelCard card;
  card.layout()->addWidget(new MenuPanel(panelParts(*day.store), {}));
  card.adjustSize();
  card.show();
  test::BusyAfternoon::settle();
  EXPECT_EQ(commaFigures(card), std::vector<std::string>()) << "the panel";
}

INSTANTIATE_TEST_SUITE_P(GermanAndRussian, CommaLocale,
                         ::testing::Values(std::pair{"de_DE.UTF-8", "de"}, std::pair{"ru_RU.UTF-8", "ru"}),
                         [](const auto& info) { return std::string(info.param.second); });
