#pragma once
// "What just happened": the replay of the last sixty seconds with its headline, its lines, the
// load chart and one row per process held responsible. It closes by clearing the store's
// incident; a row's "View" closes it and then opens that process's detail.
#include <QWidget>

#include <string>
#include <vector>

#include "Qel/History/Incident.hpp"
#include "Qel/Window/ViewRegistry.hpp"

class QAbstractButton;
class QLabel;

namespace qel {

class IconCache;
class IncidentChart;

// "Peak 87% (12 s ago), average 40%".
std::string culpritDetail(const Culprit& culprit);

class IncidentSheet : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 560;

  IncidentSheet(const ViewContext& context, const Incident& incident, QWidget* parent = nullptr);
  ~IncidentSheet() override;

  IncidentChart* chart() const { return chart_; }
  QAbstractButton* closeButton() const { return close_; }
  QAbstractButton* doneButton() const { return done_; }
  // Each culprit's "View" button, in the incident's order; hidden while its process is gone.
  const std::vector<QAbstractButton*>& viewButtons() const { return views_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QWidget* culpritRow(const Culprit& culprit, int index, QWidget* parent);
  void refreshRows();
  void close();
  void openProcess(std::int32_t pid);

  Store& store_;
  StoreBridge& bridge_;
  Incident incident_;
  std::unique_ptr<IconCache> icons_;
  IncidentChart* chart_ = nullptr;
  QAbstractButton* close_ = nullptr;
  QAbstractButton* done_ = nullptr;
  std::vector<QAbstractButton*> views_;
  std::vector<QLabel*> ended_;
  std::vector<QLabel*> iconLabels_;
};

}  // namespace qel
