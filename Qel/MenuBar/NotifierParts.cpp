#include "Qel/MenuBar/NotifierParts.hpp"

#include <QAction>

namespace qel {

TrayPixmap trayPixmap(const QImage& image) {
  TrayPixmap p;
  if (image.isNull()) return p;
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  p.width = argb.width();
  p.height = argb.height();
  p.argb.reserve(std::size_t(p.width) * std::size_t(p.height) * 4);
  for (int y = 0; y < argb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb c = line[x];
      p.argb.insert(p.argb.end(), {std::uint8_t(qAlpha(c)), std::uint8_t(qRed(c)), std::uint8_t(qGreen(c)),
                                   std::uint8_t(qBlue(c))});
    }
  }
  return p;
}

std::string dbusMenuLabel(const QString& text) {
  QString label;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'&') {
      if (i + 1 < text.size() && text[i + 1] == u'&') {
        label += u'&';
        ++i;
      } else if (i + 1 < text.size()) {
        label += u'_';
      }
    } else if (c == u'_') {
      label += QStringLiteral("__");
    } else {
      label += c;
    }
  }
  return label.toStdString();
}

std::vector<DBusMenuEntry> dbusMenuEntries(const QList<QAction*>& actions) {
  std::vector<DBusMenuEntry> entries;
  std::int32_t id = 0;
  for (const QAction* a : actions) {
    ++id;
    if (!a) continue;
    entries.push_back({.id = id,
                       .label = a->isSeparator() ? std::string() : dbusMenuLabel(a->text()),
                       .enabled = a->isEnabled(),
                       .visible = a->isVisible(),
                       .separator = a->isSeparator()});
  }
  return entries;
}

}  // namespace qel
