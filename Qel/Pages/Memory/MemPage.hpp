#pragma once
// The memory page: used memory, pressure and swap in the header with a one-line verdict; the
// bubble field of the processes with its pressure ring; and beside it the memory advice while
// memory runs short, the breakdown into its parts and the pressure scale.
#include <QWidget>

#include <cstdint>
#include <string>
#include <vector>

#include "Qel/Samplers/Samples.hpp"
#include "Qel/Store/Parts/InsightState.hpp"
#include "Qel/Store/Parts/LiveState.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"

namespace qel {

class BubbleFieldView;
class InfoRow;
class InsightActions;
class Navigator;
class PageHead;
class PlainLabel;
class PressureGauge;
class ProcessActions;
class SectionTitle;
class SegmentBar;
class StatItem;

// The verdict on memory at `pressure` percent: enough below 60, compressing below 85, short above.
std::string memPressureText(double pressure);

struct MemFigures {
  std::uint64_t used = 0;       // app + wired + compressed
  std::uint64_t available = 0;  // total less used, 0 when used is larger
  int usedPercent = 0;          // 0 while total is unknown (0)
  int pressurePercent = 0;      // rounded half away from zero
};
MemFigures memFigures(const MemSample& mem);

// The breakdown bar's shares of total: app, wired, compressed; none while total is 0.
std::vector<double> memShares(const MemSample& mem);

class MemPage : public QWidget {
  Q_OBJECT

 public:
  MemPage(LiveState live, ProcessState processes, InsightState insights, Navigator& navigator,
          InsightActions& insightActions, ProcessActions& processActions, QWidget* parent = nullptr);

  PageHead* head() const { return head_; }
  const std::vector<StatItem*>& stats() const { return stats_; }
  BubbleFieldView* field() const { return field_; }
  SegmentBar* bar() const { return bar_; }
  const std::vector<InfoRow*>& keyRows() const { return keyRows_; }
  PressureGauge* gauge() const { return gauge_; }
  PlainLabel* gaugeText() const { return gaugeText_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLayout* buildHeader();
  QLayout* buildField(ProcessState processes, Navigator& navigator);
  QWidget* buildSide(ProcessState processes, InsightState insights, InsightActions& insightActions,
                     ProcessActions& processActions);
  QWidget* buildBreakdown();
  void refresh();

  LiveState live_;
  PageHead* head_ = nullptr;
  std::vector<StatItem*> stats_;
  BubbleFieldView* field_ = nullptr;
  SectionTitle* breakdownTitle_ = nullptr;
  SegmentBar* bar_ = nullptr;
  std::vector<InfoRow*> keyRows_;
  PressureGauge* gauge_ = nullptr;
  PlainLabel* gaugeText_ = nullptr;
};

}  // namespace qel
