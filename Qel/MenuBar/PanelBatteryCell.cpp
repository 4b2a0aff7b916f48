#include "Qel/MenuBar/PanelBatteryCell.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include "Qel/Kit/Charts/BatteryGauge.hpp"
#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/PanelStyle.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainToolTip.hpp"
#include "Qel/Kit/Widgets/StableValue.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
namespace {

constexpr int kGap = 9;
constexpr int kTextLeft = PanelBatteryCell::kHeight + kGap;

QFont nameFont() { return Fonts::text(Type::caption); }
QFont valueFont() { return Fonts::text(Type::callout, QFont::Medium); }

}  // namespace

PanelBatteryCell::PanelBatteryCell(const BTDevice& device, QWidget* parent) : QWidget(parent), device_(device) {
  setFixedSize(kWidth, kHeight);
  gauge_ = new BatteryGauge(device.symbolName(), device.percent,
                            {.lineWidth = 3,
                             .normal = Palette::batteryGreen(),
                             .warning = PanelStyle::hotTint(),
                             .track = Palette::adaptiveOpacity(0.11, 0.07),
                             .symbol = PanelStyle::greyTint(),
                             .symbolSize = Type::headline},
                            this);
  gauge_->setGeometry(0, 0, kHeight, kHeight);
  value_ = new StableValue(QString::number(device.percent) + QLatin1Char('%'), QStringLiteral("100%"),
                           Qt::AlignLeading, this);
  value_->setFont(valueFont());
  value_->setColor(device.percent < 20 ? PanelStyle::hotTint() : Palette::primaryText());
  // The name over the charge, the pair centred beside the ring.
  const double nameHeight = QFontMetricsF(nameFont()).height();
  const int valueHeight = value_->sizeHint().height();
  const int top = int((kHeight - nameHeight - 2 - valueHeight) / 2);
  value_->setGeometry(kTextLeft, top + int(nameHeight) + 2, value_->sizeHint().width(), valueHeight);

  const std::string shown = displayName(deviceWords(device.name));
  const QString name = QString::fromStdString(shown);
  const QString battery = QString::fromStdString(L("Battery %@%", {std::to_string(device.percent)}));
  setToolTip(plainToolTip(name + QStringLiteral(" · ") + battery));
  setAccessibleName(name);
  setAccessibleDescription(device.percent < 20 ? QString::fromStdString(L("%@ battery low", {shown}))
                                               : battery);
  Palette::followAppearance(this);
}

QString PanelBatteryCell::shownName() const {
  const QString name = QString::fromStdString(displayName(deviceWords(device_.name)));
  return QFontMetricsF(nameFont()).elidedText(name, Qt::ElideMiddle, kWidth - kTextLeft);
}

void PanelBatteryCell::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setFont(nameFont());
  p.setPen(PanelStyle::greyTint().resolve());
  // The name is drawn as plain text, whatever the device calls itself.
  p.drawText(QRectF(kTextLeft, value_->y() - 2 - QFontMetricsF(nameFont()).height(), kWidth - kTextLeft,
                    QFontMetricsF(nameFont()).height()),
             Qt::AlignLeft | Qt::AlignVCenter, shownName());
}

}  // namespace qel
