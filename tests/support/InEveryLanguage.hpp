#pragma once
// A view test run once in each of the program's languages, with the program's own faces and no
// motion, back in English and the light appearance afterwards.
#include <gtest/gtest.h>

#include <QString>

#include <string>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Text/Loc.hpp"
#include "tests/Window/Probe.hpp"

namespace qel::test {

class InEveryLanguage : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    Motion::setEnabled(false);
    Fonts::load();  // the program's own faces and its default font, as it starts with them
    Loc::set(GetParam(), nullptr);
  }
  void TearDown() override {
    Loc::set("en", nullptr);
    useAppearance("light");
  }
  QString code() const { return GetParam(); }
  // The long languages and Japanese: the ones whose pictures the gallery keeps.
  bool inGallery() const { return code() == "de" || code() == "ja" || code() == "ru"; }
};

inline const auto kEveryLanguage =
    ::testing::Values("en", "zh-Hans", "zh-Hant", "ja", "ko", "es", "fr", "de", "pt-BR", "ru");

// "pt-BR" as a test's name can hold it: "ptBR".
inline std::string languageName(const ::testing::TestParamInfo<const char*>& info) {
  std::string name = info.param;
  std::erase(name, '-');
  return name;
}

}  // namespace qel::test
