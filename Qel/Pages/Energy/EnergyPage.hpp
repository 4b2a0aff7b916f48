#pragma once
// The energy page: on the left the present draw with the battery, power source and thermal state
// and the batteries of connected devices; in the middle the last minute's energy ring with its
// legend; on the right what keeps the computer awake, the battery's runtime and the charger.
#include <QWidget>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Qel/History/RuntimeForecast.hpp"
#include "Qel/Pages/Energy/GainRow.hpp"
#include "Qel/Pages/Energy/WakeRow.hpp"
#include "Qel/Samplers/Samples.hpp"
#include "Qel/Store/Parts/InsightState.hpp"
#include "Qel/Store/Parts/LiveState.hpp"
#include "Qel/Store/Parts/NavigationState.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"

class QGridLayout;
class QScrollArea;
class QVBoxLayout;

namespace qel {

class DeviceBatteries;
class EnergyRing;
class IconCache;
class InfoRow;
class Legend;
class Navigator;
class PageHead;
class Panel;
class PlainLabel;
class SectionTitle;
class StatItem;

// The processes the ring stacks and the legend names: the five with the most energy over the
// minute, most first (equal ones by pid).
std::vector<std::int32_t> energyTopPids(const std::map<std::int32_t, std::vector<double>>& energyByPid);

// The line under the big figure: where the figure comes from.
std::string powerNote(std::optional<double> power);

// The name a process goes by in the legend.
std::string energyName(const std::map<std::int32_t, std::string>& names, std::int32_t pid);

// The battery's and the charger's figures as shown, words where a value can't be had.
struct BatteryTexts {
  std::string charge, source, runtimeNote, health, cycles;
  std::string adapter, input, charging;  // only meaningful on AC power
  bool operator==(const BatteryTexts&) const = default;
};
BatteryTexts batteryTexts(const BatterySample& battery);

// What a keep-awake row shows for a holder and its published process, if there is one.
WakeRowFacts wakeRowFacts(const WakeHolder& holder, const std::optional<ProcInfo>& proc);

class EnergyPage : public QWidget {
  Q_OBJECT

 public:
  // `navigation` is followed only.
  EnergyPage(LiveState live, ProcessState processes, InsightState insights, NavigationState navigation,
             Navigator& navigator, QWidget* parent = nullptr);
  ~EnergyPage() override;

  PageHead* head() const { return head_; }
  const std::vector<StatItem*>& stats() const { return stats_; }
  EnergyRing* ring() const { return ring_; }
  DeviceBatteries* devices() const { return devices_; }
  const std::vector<PlainLabel*>& legendNames() const { return legendNames_; }
  SectionTitle* wakeTitle() const { return wakeTitle_; }
  const std::vector<WakeRow*>& wakeRows() const { return wakeRows_; }
  PlainLabel* wakeEmpty() const { return wakeEmpty_; }
  SectionTitle* runtimeTitle() const { return runtimeTitle_; }
  QWidget* runtimeContent() const { return runtimeContent_; }
  QWidget* charger() const { return charger_; }
  const std::vector<InfoRow*>& chargerRows() const { return chargerRows_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void refresh();
  void refreshLegend(const std::vector<std::int32_t>& pids);
  void refreshWake();
  void refreshRuntime();
  void refreshCharger();
  QWidget* buildLeft();
  QWidget* buildMiddle();
  QWidget* buildRight();

  LiveState live_;
  ProcessState processes_;
  InsightState insights_;
  Navigator& navigator_;
  std::unique_ptr<IconCache> icons_;
  PageHead* head_ = nullptr;
  std::vector<StatItem*> stats_;
  DeviceBatteries* devices_ = nullptr;
  EnergyRing* ring_ = nullptr;
  QWidget* legendGrid_ = nullptr;
  QGridLayout* legendLayout_ = nullptr;
  std::vector<PlainLabel*> legendNames_;
  std::vector<std::string> legendShown_;
  Legend* caption_ = nullptr;
  SectionTitle* wakeTitle_ = nullptr;
  QWidget* wakeList_ = nullptr;
  QScrollArea* wakeScroll_ = nullptr;
  QVBoxLayout* wakeLayout_ = nullptr;
  PlainLabel* wakeEmpty_ = nullptr;
  std::vector<WakeRow*> wakeRows_;
  std::optional<std::vector<WakeRowFacts>> wakeShown_;
  SectionTitle* runtimeTitle_ = nullptr;
  Panel* runtimePanel_ = nullptr;
  QWidget* runtimeContent_ = nullptr;
  struct RuntimeShown;
  std::unique_ptr<RuntimeShown> runtimeShown_;
  QWidget* charger_ = nullptr;
  InfoRow* notConnected_ = nullptr;
  std::vector<InfoRow*> chargerRows_;
  std::vector<QWidget*> chargerDividers_;
};

}  // namespace qel
