#include "Qel/Kit/Widgets/PlainToolTip.hpp"

namespace qel {

QString plainToolTip(const QString& text) {
  if (text.isEmpty()) return {};
  QString escaped = text.toHtmlEscaped();
  escaped.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
  return QStringLiteral("<qt>") + escaped + QStringLiteral("</qt>");
}

}  // namespace qel
