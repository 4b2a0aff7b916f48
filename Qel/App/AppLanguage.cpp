#include "Qel/App/AppLanguage.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include "Qel/Text/Loc.hpp"

namespace qel {

AppLanguage::AppLanguage(Defaults& defaults, QString qtFolder)
    : qtFolder_(qtFolder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : std::move(qtFolder)) {
  Loc::start(defaults);
  follow();
}

AppLanguage::~AppLanguage() {
  if (qt_) QCoreApplication::removeTranslator(qt_.get());
}

void AppLanguage::follow() {
  if (qt_) QCoreApplication::removeTranslator(qt_.get());
  qt_.reset();
  // The locale's names are tried from the most particular: zh-Hans finds qtbase_zh_CN, pt-BR
  // qtbase_pt_BR. A language Qt has no translation for keeps Qt's English.
  auto translator = std::make_unique<QTranslator>();
  const QLocale locale(QString::fromStdString(Loc::code()));
  if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), qtFolder_) &&
      QCoreApplication::installTranslator(translator.get()))
    qt_ = std::move(translator);
}

}  // namespace qel
