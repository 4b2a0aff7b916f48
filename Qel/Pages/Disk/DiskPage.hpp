#pragma once
// The disk page: the machine's disk throughput and the system volume's space in the header;
// the platter with its caption; and beside it the mounted volumes, the processes busy with the
// disk now and those that have written the most.
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "Qel/Pages/KeyedRows.hpp"
#include "Qel/Samplers/ProcInfo.hpp"
#include "Qel/Samplers/ProcKey.hpp"
#include "Qel/Samplers/Samples.hpp"
#include "Qel/Store/Parts/LiveState.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"

class QVBoxLayout;

namespace qel {

class DiskPlatterView;
class IconCache;
class Navigator;
class PageHead;
class PlainLabel;
class SectionTitle;
class StatItem;
class TopRow;

struct DiskProcFigure {
  ProcInfo proc;
  double fraction = 0;  // of the list's first
  std::string text;
};

// "Active now": above 1 KiB/s, fastest first (equal ones in the sample's order), at most 5.
std::vector<DiskProcFigure> busyDiskProcs(const std::vector<ProcInfo>& procs);
// "Most written": above 1 MiB written, most first, at most 6.
std::vector<DiskProcFigure> mostWrittenProcs(const std::vector<ProcInfo>& procs);
// The volume's kind: startup, internal or external.
std::string volumeBadge(const VolumeInfo& volume);

class DiskPage : public QWidget {
  Q_OBJECT

 public:
  DiskPage(LiveState live, ProcessState processes, Navigator& navigator, QWidget* parent = nullptr);
  ~DiskPage() override;

  PageHead* head() const { return head_; }
  const std::vector<StatItem*>& stats() const { return stats_; }
  const std::vector<TopRow*>& busyRows() const { return busyRows_->rows(); }
  const std::vector<TopRow*>& writtenRows() const { return writtenRows_->rows(); }
  PlainLabel* quietText() const { return quiet_; }
  QWidget* volumeRows() const { return volumeRows_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* buildLists();
  void refresh();
  void refreshVolumes();
  using ProcRows = KeyedRows<TopRow, DiskProcFigure, ProcKey>;
  std::unique_ptr<ProcRows> procRows(QVBoxLayout* list, int first, QWidget* home);

  LiveState live_;
  ProcessState processes_;
  Navigator& navigator_;
  std::unique_ptr<IconCache> icons_;
  PageHead* head_ = nullptr;
  std::vector<StatItem*> stats_;
  DiskPlatterView* platter_ = nullptr;
  SectionTitle* volumesTitle_ = nullptr;
  QWidget* volumeRows_ = nullptr;
  std::vector<VolumeInfo> volumes_;
  std::unique_ptr<ProcRows> busyRows_, writtenRows_;
  PlainLabel* quiet_ = nullptr;
};

}  // namespace qel
