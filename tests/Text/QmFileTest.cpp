#include <gtest/gtest.h>

#include <algorithm>

#include "Qel/Platform/Files/Resources.hpp"
#include "Qel/Text/QmFile.hpp"
#include "tests/Text/QmBytes.hpp"

using namespace qel;

TEST(QmFile, readsWhatLreleaseWrote) {
  // The German table as the build compiled it.
  const auto bytes = embeddedFile("translations/qel_de.qm");
  ASSERT_TRUE(bytes);
  const auto file = parseQm(*bytes);
  ASSERT_TRUE(file);
  EXPECT_FALSE(file->pluralRule.empty());
  EXPECT_GT(file->messages.size(), 500u);
  const auto quit = std::ranges::find(file->messages, std::string("Quit"), &QmMessage::source);
  ASSERT_NE(quit, file->messages.end());
  EXPECT_EQ(quit->translations, std::vector<std::string>{"Beenden"});
}

TEST(QmFile, readsEveryFieldAndFormInOrder) {
  const std::vector<QmMessage> messages{
      {.context = "qel::MenuPanel", .source = "%n ports", .comment = "", .translations = {"%n порт", "%n порта", "%n портов"}},
      {.context = "qel", .source = "Emoji", .comment = "a note", .translations = {"😀 é"}},
  };
  const auto file = parseQm(test::qmBytes("ru", test::kRussianRule, messages));
  ASSERT_TRUE(file);
  EXPECT_EQ(file->language, "ru");
  EXPECT_EQ(file->pluralRule, test::kRussianRule);
  EXPECT_EQ(file->messages, messages);
}

TEST(QmFile, refusesDamagedFilesWithoutReadingPastThem) {
  const std::string good = test::qmBytes("de", {0x01, 0x01}, {{.source = "Quit", .translations = {"Beenden"}}});
  ASSERT_TRUE(parseQm(good));
  // Cut anywhere: no message is read from a cut block (and ASan sees any read past the end).
  for (std::size_t n = 0; n < good.size(); ++n) {
    const auto cut = parseQm(good.substr(0, n));
    EXPECT_TRUE(!cut || cut->messages.empty()) << n;
  }
  std::string badMagic = good;
  badMagic[3] = 'x';
  EXPECT_FALSE(parseQm(badMagic));
  using test::qmWithMessages;
  using namespace std::string_literals;
  EXPECT_FALSE(parseQm(qmWithMessages("\x03\x00\x00\x00\x01x\x01"s)));  // a translation of an odd size
  EXPECT_FALSE(parseQm(qmWithMessages("\x0c"s)));                           // an unknown field
  EXPECT_FALSE(parseQm(qmWithMessages("\x06\x00\x00\x00\x01" "a"s)));     // a message without its end
  // A lone surrogate is a replacement character, not bad UTF-8.
  const auto read = parseQm(qmWithMessages("\x03\x00\x00\x00\x02\xd8\x00\x06\x00\x00\x00\x01" "a\x01"s));
  ASSERT_TRUE(read);
  ASSERT_EQ(read->messages.size(), 1u);
  EXPECT_EQ(read->messages[0].translations, std::vector<std::string>{"\xef\xbf\xbd"});
}

TEST(QmFile, pluralRulePicksTheFirstRuleThatHolds) {
  struct Case {
    long long count;
    std::size_t form;
  } russian[] = {{0, 2}, {1, 0}, {2, 1}, {4, 1}, {5, 2}, {11, 2}, {12, 2}, {21, 0}, {22, 1}, {25, 2}, {111, 2}, {-1, 0}};
  for (const auto& c : russian) EXPECT_EQ(pluralForm(test::kRussianRule, c.count), c.form) << c.count;
  const std::vector<std::uint8_t> english{0x01, 0x01};  // n == 1
  EXPECT_EQ(pluralForm(english, 1), 0u);
  EXPECT_EQ(pluralForm(english, 2), 1u);
  // No rule, or a damaged one: the first form.
  EXPECT_EQ(pluralForm({}, 5), 0u);
  for (const std::vector<std::uint8_t>& damaged :
       {std::vector<std::uint8_t>{0x01}, {0x07, 0x01}, {0x04, 0x01}, {0x01, 0x01, 0xff}, {0x01, 0x02, 0x33, 0x01}})
    EXPECT_EQ(pluralForm(damaged, 5), 0u);
}
