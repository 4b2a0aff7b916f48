// The overview and every settings tab in Japanese and Russian, the languages whose texts run
// widest and tallest: no text may be cut off, and the shots go to the gallery. A language whose
// table has not shipped shows English, which must fit all the same.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "Qel/MainViews.hpp"
#include "Qel/Sheets/SettingsSheet.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Updater.hpp"
#include "Qel/Window/Motion.hpp"
#include "Qel/Window/RootView.hpp"
#include "tests/support/Gallery.hpp"
#include "tests/Window/BusyAfternoon.hpp"
#include "tests/Window/Probe.hpp"
#include "tests/Window/TextFit.hpp"

using namespace qel;

namespace {

using qel::test::writeShot;

std::string listed(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += "\n  " + l;
  return out;
}

class LanguagesGallery : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    Motion::setEnabled(false);
    Loc::set(GetParam(), nullptr);
  }
  void TearDown() override {
    Loc::set("en", nullptr);
    test::useAppearance("light");
  }
};

}  // namespace

TEST_P(LanguagesGallery, overviewFitsEveryText) {
  const QString code = GetParam();
  for (const char* appearance : {"light", "dark"}) {
    test::useAppearance(appearance);
    test::BusyAfternoon day;
    Updater updater(day.defaults, {});
    ViewRegistry registry;
    registerMainViews(registry, updater);
    for (const QSize size : {QSize(1180, 780), QSize(1040, 700)}) {  // the default size and the smallest
      QWidget window;
      window.resize(size);
      auto* root = new RootView(day.context(), registry, &window);
      root->setGeometry(window.rect());
      window.show();
      test::BusyAfternoon::settle();
      const auto clipped = test::clippedTexts(window);
      EXPECT_TRUE(clipped.empty()) << code.toStdString() << " at " << size.width() << " × " << size.height()
                                   << listed(clipped);
      writeShot(window, QString("overview-%1-%2x%3-%4").arg(code).arg(size.width()).arg(size.height()).arg(appearance));
    }
  }
}

TEST_P(LanguagesGallery, settingsFitEveryText) {
  const QString code = GetParam();
  for (const char* appearance : {"light", "dark"}) {
    test::useAppearance(appearance);
    test::BusyAfternoon day;
    Updater updater(day.defaults, {});
    for (const auto& tab : kSettingsTabs) {
      day.store->setSettingsTab(tab.id);
      SettingsSheet sheet({day.context(), updater, [] { return QString(); }, [](const QString&) { return true; }});
      sheet.show();
      test::BusyAfternoon::settle();
      const auto clipped = test::clippedTexts(sheet);
      EXPECT_TRUE(clipped.empty()) << code.toStdString() << ", " << tab.id << listed(clipped);
      writeShot(sheet, QString("settings-%1-%2-%3").arg(code, tab.id, appearance));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(JapaneseAndRussian, LanguagesGallery, ::testing::Values("ja", "ru"),
                         [](const auto& info) { return std::string(info.param); });
