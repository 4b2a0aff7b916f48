// Qt's own texts (standard buttons, the file dialog and its prompts) speak the interface
// language from the start and after every switch; where Qt has no translation they stay English.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>

#include "Qel/App/AppLanguage.hpp"
#include "Qel/Platform/Files/Defaults.hpp"
#include "Qel/Text/Loc.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;

namespace {

QString cancelText(QDialogButtonBox& box) {
  QApplication::processEvents();  // the language change reaches the box as an event
  return box.button(QDialogButtonBox::Cancel)->text();
}

}  // namespace

TEST(AppLanguage, qtsOwnTextsFollowTheSavedLanguageAndEverySwitch) {
  test::TempDir dir;
  Defaults defaults(dir / "defaults.json");
  defaults.set("qel.language", "de");
  {
    AppLanguage language(defaults);
    EXPECT_EQ(Loc::code(), "de");
    QDialogButtonBox box(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    EXPECT_EQ(cancelText(box), "Abbrechen");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"), "Speichern unter");
    for (const auto& [code, cancel] : {std::pair{"ru", "Отмена"}, {"zh-Hant", "取消"}, {"pt-BR", "Cancelar"}, {"en", "Cancel"}}) {
      Loc::set(code, &defaults);
      language.follow();
      EXPECT_EQ(cancelText(box).toStdString(), cancel) << code;
    }
  }
  // A folder without Qt's translations: its English, quietly.
  defaults.set("qel.language", "ja");
  test::TempDir empty;
  AppLanguage language(defaults, QString::fromStdString(empty.path().string()));
  QDialogButtonBox box(QDialogButtonBox::Cancel);
  EXPECT_EQ(cancelText(box), "Cancel");
  EXPECT_EQ(Loc::code(), "ja");
  Loc::set("en", nullptr);
}
