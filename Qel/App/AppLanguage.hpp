#pragma once
// The desktop program's interface language: the saved choice applies before anything that shows
// a text is made, and Qt's own texts (its file dialogs, their prompts, standard buttons) come in
// the same language where Qt ships them, in English where it doesn't.
#include <QString>
#include <QTranslator>

#include <memory>

namespace qel {

class Defaults;

class AppLanguage {
 public:
  // Applies the choice saved in `defaults` and loads Qt's translations for it from `qtFolder`
  // (by default where Qt keeps them: /usr/share/qt6/translations on Debian).
  explicit AppLanguage(Defaults& defaults, QString qtFolder = {});
  ~AppLanguage();

  // Qt's translations for the language now in use; call after it changed.
  void follow();

 private:
  QString qtFolder_;
  std::unique_ptr<QTranslator> qt_;
};

}  // namespace qel
