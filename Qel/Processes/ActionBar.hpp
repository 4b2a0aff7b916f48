#pragma once
// The bar that floats over the bottom of the process table while processes are selected: how
// many, what ending them costs, Cancel and End. It counts the selected processes among all of
// them, not only those the search shows, and never force-quits.
#include <QWidget>

#include <cstdint>
#include <set>
#include <vector>

#include "Qel/Samplers/ProcInfo.hpp"
#include "Qel/Store/Parts/NavigationState.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"

class QAbstractButton;

namespace qel {

class Navigator;
class PlainLabel;
class ProcessActions;
class TextButton;

struct SelectionCounts {
  int chosen = 0;                     // selected processes still running
  std::vector<std::int32_t> endable;  // those of them that may be ended, in the sampler's order
  int skipped = 0;                    // selected system processes
};

// The selected entries of `procs` (a selected pid that is gone counts for nothing).
SelectionCounts selectionCounts(const std::vector<ProcInfo>& procs, const std::set<std::int32_t>& selection);

class ActionBar : public QWidget {
  Q_OBJECT

 public:
  ActionBar(ProcessState processes, NavigationState navigation, Navigator& navigator, ProcessActions& actions,
            QWidget* parent = nullptr);

  // Reads the selection and the page's accent again.
  void refresh();
  const QString& countText() const;
  const QString& noteText() const;
  QAbstractButton* endButton() const { return end_; }
  TextButton* cancelButton() const { return cancel_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ProcessState processes_;
  NavigationState navigation_;
  Navigator& navigator_;
  ProcessActions& actions_;
  PlainLabel* count_;
  PlainLabel* note_;
  TextButton* cancel_;
  QAbstractButton* end_;
  QString countText_, noteText_;
};

}  // namespace qel
