#pragma once
// "What just happened": the replay of the last sixty seconds with its headline, its lines, the
// load chart and one row per process held responsible. It closes by clearing the store's
// incident; a row's "View" closes it and then opens that process's detail.
#include "Qel/Sheets/Reports/ReportSheet.hpp"

#include <string>
#include <vector>

#include "Qel/History/Incident.hpp"
#include "Qel/Store/Parts/LiveState.hpp"
#include "Qel/Store/Parts/Navigator.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"

class QAbstractButton;
class QLabel;

namespace qel {

class IconCache;
class IncidentChart;

// "Peak 87% (12 s ago), average 40%".
std::string culpritDetail(const Culprit& culprit);

class IncidentSheet : public ReportSheet {
  Q_OBJECT

 public:
  IncidentSheet(LiveState live, ProcessState processes, NavigationState navigation, Navigator& navigator,
                const Incident& incident, QWidget* parent = nullptr);
  ~IncidentSheet() override;

  IncidentChart* chart() const { return chart_; }
  // Each culprit's "View" button, in the incident's order; hidden while its process is gone.
  const std::vector<QAbstractButton*>& viewButtons() const { return views_; }

 private:
  QWidget* culpritRow(const Culprit& culprit, int index, QWidget* parent);
  void refreshRows();
  void openProcess(std::int32_t pid);

  LiveState live_;
  ProcessState processes_;
  Navigator& navigator_;
  Incident incident_;
  std::unique_ptr<IconCache> icons_;
  IncidentChart* chart_ = nullptr;
  std::vector<QAbstractButton*> views_;
  std::vector<QLabel*> ended_;
  std::vector<QLabel*> iconLabels_;
};

}  // namespace qel
