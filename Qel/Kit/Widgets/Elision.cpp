#include "Qel/Kit/Widgets/Elision.hpp"

#include <QFontMetricsF>
#include <QVariant>
#include <QWidget>

#include <algorithm>

#include "Qel/Kit/Widgets/PlainToolTip.hpp"

namespace qel {

namespace {
constexpr const char* kProperty = "qelElidesByDesign";
constexpr const char* kTipsPerItem = "qelTipsPerItem";
}

void letElide(QWidget* widget, bool elides) { widget->setProperty(kProperty, elides); }

bool elidesByDesign(const QWidget* widget) { return widget->property(kProperty).toBool(); }

void letElideWithTipsPerItem(QWidget* widget) {
  letElide(widget);
  widget->setProperty(kTipsPerItem, true);
}

bool tipsPerItem(const QWidget* widget) { return widget->property(kTipsPerItem).toBool(); }

QString elidedName(QWidget* widget, const QFontMetricsF& metrics, const QString& text, double width) {
  letElide(widget);
  const QString shown = metrics.elidedText(text, Qt::ElideRight, std::max(0.0, width));
  const QString tip = shown == text ? QString() : plainToolTip(text);
  if (widget->toolTip() != tip) widget->setToolTip(tip);
  return shown;
}

QString firstCharacters(const QString& name, qsizetype count) {
  const QList<uint> chars = name.toUcs4();
  if (chars.size() <= count) return name;
  return QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.constData()), std::max<qsizetype>(count, 0));
}

QString cutToCharacters(const QString& name, qsizetype most, qsizetype keep) {
  if (name.toUcs4().size() <= most) return name;
  return firstCharacters(name, keep) + QChar(0x2026);
}

}  // namespace qel
