#include "Qel/Pages/Energy/DeviceBatteryRing.hpp"

#include <QVBoxLayout>

#include "Qel/Kit/Charts/BatteryGauge.hpp"
#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainToolTip.hpp"
#include "Qel/Kit/Widgets/StableValue.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

constexpr int kRing = 56;

}  // namespace

DeviceBatteryRing::DeviceBatteryRing(const std::string& name, const std::string& symbol, int percent,
                                     QWidget* parent)
    : QWidget(parent) {
  auto* layout = Layouts::column(this, Space::m);
  gauge_ = new BatteryGauge(symbol, percent,
                            {.lineWidth = 4.5,
                             .normal = Palette::batteryGreen(),
                             .warning = Palette::strain(),
                             .track = Palette::adaptiveOpacity(0.07, 0.08),
                             .symbol = Palette::secondaryText(),
                             .symbolSize = Type::figure},
                            this);
  gauge_->setFixedSize(kRing, kRing);
  value_ = new StableValue(QString::number(percent) + QLatin1Char('%'), QStringLiteral("100%"), Qt::AlignHCenter,
                           this);
  value_->setFont(Fonts::text(Type::body, QFont::Medium));
  value_->setColor(Palette::secondaryText());
  layout->addWidget(gauge_, 0, Qt::AlignHCenter);
  layout->addWidget(value_, 0, Qt::AlignHCenter);
  setFixedWidth(kRing);

  const QString shownName = QString::fromStdString(displayName(name));
  const QString battery = QString::fromStdString(L("Battery %@%", {std::to_string(percent)}));
  setToolTip(plainToolTip(shownName + QStringLiteral(" · ") + battery));
  setAccessibleName(shownName);
  setAccessibleDescription(percent < 20 ? QString::fromStdString(L("%@ battery low", {displayName(name)})) : battery);
}

}  // namespace qel
