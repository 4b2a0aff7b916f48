#pragma once
// The rows of the process table, one per process, each known by its pid and start time: a row
// follows its process as the order changes and never passes to a newcomer that got a reused pid.
// Updating moves, adds and removes rows in place, so a view keeps its scroll position, current
// row and hover through every tick.
#include <QAbstractListModel>

#include <cstdint>
#include <optional>
#include <vector>

#include "Qel/Samplers/ProcInfo.hpp"
#include "Qel/Samplers/ProcKey.hpp"

namespace qel {

class ProcessTableModel : public QAbstractListModel {
  Q_OBJECT

 public:
  explicit ProcessTableModel(QObject* parent = nullptr);

  // Shows `procs` in their order. A process seen twice (a pid listed twice by a racing reader)
  // keeps only its first row.
  void update(const std::vector<ProcInfo>& procs);

  int rowCount(const QModelIndex& parent = {}) const override;
  // Display: the name made safe to show; ToolTip: the executable path, plain.
  QVariant data(const QModelIndex& index, int role) const override;

  const ProcInfo& proc(int row) const { return rows_[std::size_t(row)]; }
  // The row of a process; none when it is not shown.
  std::optional<int> rowOf(const ProcKey& key) const;
  // `procs` in the order the rows show them now, those not shown yet after them in their order:
  // what the table shows while it holds still.
  std::vector<ProcInfo> inShownOrder(const std::vector<ProcInfo>& procs) const;

 private:
  std::vector<ProcInfo> rows_;
};

}  // namespace qel
