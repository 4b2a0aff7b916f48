#pragma once
// The GPU page: the hive chart with its legend on the left; on the right the utilisation as a
// large figure with a verdict, memory, cores and thermal state, how memory is shared, the apps likely using the GPU and the
// last sixty seconds.
#include <QWidget>

#include <memory>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Qel/Samplers/ProcInfo.hpp"
#include "Qel/Samplers/Samples.hpp"
#include "Qel/Store/Parts/LiveState.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"

class QLayout;

namespace qel {

class Desktop;
class GPUHiveView;
class PageHead;
class PlainLabel;
class SectionTitle;
class SegmentBar;
class Sparkline;
class StatItem;
class IconCache;
class GpuUserList;

// The verdict under the figure.
std::string gpuSubline(const std::optional<GPUSample>& gpu);

struct UnifiedMemory {
  double gpu{}, others{}, free{}, total{};  // bytes; total at least 1
};
UnifiedMemory unifiedMemory(const std::optional<GPUSample>& gpu, const MemSample& mem);

// Whether a process holds the graphics device open; absent when that can't be read.
using GpuHolderCheck = std::function<std::optional<bool>(const ProcInfo&)>;

// The apps likely using the GPU: none while the GPU is (nearly) idle or unread; otherwise the
// processes of the user's own with at least 0.1 W that hold the GPU open, or, where that can't
// be read, the one in front; most energy first (equal ones in the sample's order), at most 5.
std::vector<ProcInfo> likelyGpuUsers(const std::optional<GPUSample>& gpu, const std::vector<ProcInfo>& procs,
                                     const GpuHolderCheck& holdsGpu, std::optional<std::int32_t> frontPid);

class GPUPage : public QWidget {
  Q_OBJECT

 public:
  // `desktop` tells the app in front (none: nothing is known in front).
  GPUPage(LiveState live, ProcessState processes, Desktop* desktop, QWidget* parent = nullptr);
  ~GPUPage() override;

  PageHead* head() const { return head_; }
  const std::vector<StatItem*>& stats() const { return stats_; }
  QWidget* memoryPanel() const { return memoryPanel_; }
  PlainLabel* memoryText() const { return memoryText_; }
  QWidget* users() const { return users_; }
  Sparkline* history() const { return history_; }
  GpuUserList* userList() const { return userList_; }
  GPUHiveView* hive() const { return hive_; }

  // Replaces the reader of who holds the GPU open (tests give fixed answers, read at once).
  void setHolderCheck(GpuHolderCheck check);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void refresh();
  QWidget* buildLeft();
  QWidget* buildRight();
  QLayout* buildStats(QWidget* right);
  QWidget* buildUnified();
  QWidget* buildUsers();
  QWidget* buildHistory();

  LiveState live_;
  ProcessState processes_;
  Desktop* desktop_;
  std::unique_ptr<IconCache> icons_;  // the icons of the processes shown, resolved once while the page lives
  GpuHolderCheck holdsGpu_;  // set by tests; otherwise the store's last scan answers
  GPUHiveView* hive_ = nullptr;
  PageHead* head_ = nullptr;
  std::vector<StatItem*> stats_;
  QWidget* memoryPanel_ = nullptr;
  SectionTitle* memoryTitle_ = nullptr;
  SegmentBar* memoryBar_ = nullptr;
  PlainLabel* memoryText_ = nullptr;
  QWidget* users_ = nullptr;
  GpuUserList* userList_ = nullptr;
  Sparkline* history_ = nullptr;
};

}  // namespace qel
