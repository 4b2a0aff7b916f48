#include "Qel/Kit/PageText.hpp"

#include <QRegularExpression>

#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

QString qtL(const char* key) { return QString::fromStdString(L(key)); }

QString withNumber(const char* key, double value) {
  QString text = qtL(key);
  static const QRegularExpression number(QStringLiteral("%\\.(\\d)f"));
  const auto match = number.match(text);
  if (!match.hasMatch()) return text;
  const int decimals = match.captured(1).toInt();
  return text.replace(match.capturedStart(), match.capturedLength(), QString::fromStdString(fixed(value, decimals)));
}

std::string chipWords(const std::optional<std::string>& model) {
  return model && !model->empty() ? *model : L("Computer");
}

std::string deviceWords(const std::string& name) { return name.empty() ? L("Bluetooth devices") : name; }

}  // namespace qel
