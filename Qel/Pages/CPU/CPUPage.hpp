#pragma once
// The CPU page: the machine's load as a large figure with a line naming the busiest process,
// the user, system and idle split (and the core groups on a hybrid CPU), the last sixty
// seconds, the eight busiest processes, and the per-core chart on the right.
#include <QWidget>

#include <memory>

class QVBoxLayout;

#include <optional>
#include <string>
#include <vector>

#include "Qel/Pages/KeyedRows.hpp"
#include "Qel/Samplers/ProcInfo.hpp"
#include "Qel/Samplers/ProcKey.hpp"
#include "Qel/Store/Parts/LiveState.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"

namespace qel {

class BarStatItem;
class BaselineRow;
class CoreFlowerView;
class Legend;
class PlainLabel;
class RollingFigure;
class Sparkline;
class IconCache;
class Navigator;
class TopRow;

// The line under the figure: the load average with the busiest process when it uses at least
// one percent of a core, else with the chip's name.
std::string cpuSubline(double load, const std::optional<ProcInfo>& top, const std::string& chipName);

class CPUPage : public QWidget {
  Q_OBJECT

 public:
  CPUPage(LiveState live, ProcessState processes, Navigator& navigator, QWidget* parent = nullptr);
  ~CPUPage() override;

  RollingFigure* headline() const { return percent_; }
  PlainLabel* subline() const { return subline_; }
  const std::vector<BarStatItem*>& stats() const { return stats_; }
  QWidget* groupRow() const { return groupRow_; }
  const std::vector<TopRow*>& rows() const { return rows_->rows(); }
  CoreFlowerView* flower() const { return flower_; }
  Legend* caption() const { return caption_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void refresh();
  QWidget* buildHeadline();
  QWidget* buildStats();
  QWidget* buildHistory();
  QWidget* buildTopList();

  LiveState live_;
  ProcessState processes_;
  Navigator& navigator_;
  std::unique_ptr<IconCache> icons_;  // the icons of the processes shown, resolved once while the page lives
  RollingFigure* percent_ = nullptr;
  PlainLabel* subline_ = nullptr;
  std::vector<BarStatItem*> stats_;  // user, system, idle, then performance and efficiency
  QWidget* groupRow_ = nullptr;
  BaselineRow* counts_ = nullptr;
  Sparkline* history_ = nullptr;
  std::unique_ptr<KeyedRows<TopRow, ProcInfo, ProcKey>> rows_;
  CoreFlowerView* flower_ = nullptr;
  Legend* caption_ = nullptr;
};

}  // namespace qel
