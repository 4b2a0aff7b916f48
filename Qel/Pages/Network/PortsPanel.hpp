#pragma once
// The network page's list of listening ports: a title with the count and a search field, the
// rows (or a sentence saying why there are none) in a scrolling card, and a footnote on what
// can be seen. The search text lives in the store, so it survives page changes.
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "Qel/Pages/KeyedRows.hpp"
#include "Qel/Samplers/PortEntry.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"

class QLineEdit;
class QVBoxLayout;

class QLayout;

namespace qel {

class IconCache;
class PlainLabel;
class Navigator;
class PortRow;
class ProcessActions;

class PortsPanel : public QWidget {
  Q_OBJECT

 public:
  PortsPanel(ProcessState processes, Navigator& navigator, ProcessActions& actions, QWidget* parent = nullptr);
  ~PortsPanel() override;

  PlainLabel* countLabel() const { return count_; }
  PlainLabel* emptyLabel() const { return empty_; }
  QLineEdit* searchField() const { return search_; }
  const std::vector<PortRow*>& rows() const { return rows_->rows(); }

  void refresh();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLayout* buildHeader();
  QWidget* buildList();

  ProcessState processes_;
  Navigator& navigator_;
  ProcessActions& actions_;
  std::unique_ptr<IconCache> icons_;
  PlainLabel* count_ = nullptr;
  QLineEdit* search_ = nullptr;
  PlainLabel* empty_ = nullptr;
  // Each row is tied to its port, its process and that process's start time.
  std::unique_ptr<KeyedRows<PortRow, PortEntry, std::string>> rows_;
  std::vector<PortEntry> listed_;  // the listing as last seen, and when it arrived (boot ticks)
  std::uint64_t listedAt_ = 0;
};

}  // namespace qel
