// The core reads the compiled tables without Qt; Qt's own reader of the same files is the
// reference for which plural form each count takes.
#include <gtest/gtest.h>

#include <QTranslator>

#include <algorithm>

#include "Qel/Platform/Files/Resources.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Text/QmFile.hpp"

using namespace qel;

TEST(CompiledTables, everyCountTakesTheFormQtWouldGiveIt) {
  for (const auto& l : Loc::languages) {
    std::string name = "translations/qel_" + std::string(l.code) + ".qm";
    std::replace(name.begin(), name.end(), '-', '_');
    const auto bytes = embeddedFile(name);
    ASSERT_TRUE(bytes) << name;
    QTranslator qt;
    ASSERT_TRUE(qt.load(reinterpret_cast<const uchar*>(bytes->data()), int(bytes->size()))) << name;
    const auto file = parseQm(*bytes);
    ASSERT_TRUE(file) << name;
    const auto table = Loc::loadTable(l.code);
    std::size_t counted = 0;
    for (const auto& m : file->messages) {
      if (m.source.find("%n") == std::string::npos) continue;
      ++counted;
      for (int n = 0; n <= 130; ++n) {
        const QString reference = qt.translate(m.context.c_str(), m.source.c_str(), m.comment.c_str(), n);
        const std::string* ours = table.find(m.source, n);
        ASSERT_TRUE(ours) << l.code << ": \"" << m.source << "\"";
        EXPECT_EQ(*ours, reference.toStdString()) << l.code << ": \"" << m.source << "\" for " << n;
      }
    }
    EXPECT_GT(counted, 20u) << l.code;
  }
}
