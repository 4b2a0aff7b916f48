#pragma once
// The overview's list of running processes: a header (title, count, sort switch, search), the
// column titles and the rows, with the selection action bar floating over the bottom while
// anything is selected. Sort, search, selection and the details target are the store's; the
// table only shows them and writes the user's choices back.
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>
#include <set>

#include "Qel/Store/Parts/NavigationState.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"

class QFont;
class QLayout;
class QLineEdit;
class QVariantAnimation;

namespace qel {

class ActionBar;
class IconCache;
class Navigator;
class PillSegment;
class PlainLabel;
class ProcessActions;
class ProcessListView;
class ProcessRowDelegate;
class ProcessTableModel;

class ProcessTable : public QWidget {
  Q_OBJECT

 public:
  ProcessTable(ProcessState processes, NavigationState navigation, Navigator& navigator, ProcessActions& actions,
               QWidget* parent = nullptr);
  ~ProcessTable() override;

  // Reads the store again (the table does this on every change while it is shown).
  void refresh();

  ProcessTableModel& model() const { return *model_; }
  ProcessListView* list() const { return list_; }
  ActionBar* actionBar() const { return bar_; }
  PlainLabel* countLabel() const { return count_; }
  QLineEdit* searchField() const { return search_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  static QString countText(long long all, long long yours);
  static int widestCount(const QFont& font);
  QWidget* buildHeader();
  QLayout* buildList();
  void buildActionBar();
  void placeBar();
  void keepSelectionClearOfBar();

  ProcessState processes_;
  NavigationState navigation_;
  Navigator& navigator_;
  ProcessActions& actions_;
  std::unique_ptr<IconCache> icons_;
  ProcessTableModel* model_;
  ProcessListView* list_;
  ProcessRowDelegate* delegate_;
  PlainLabel* count_;
  PillSegment* sort_;
  QLineEdit* search_;
  ActionBar* bar_;
  QVariantAnimation* barMotion_;
  class ListEngagement* hold_ = nullptr;  // the rows hold their order while the user is at them
  double barShown_ = 0;  // 0 below the bottom edge, 1 in place
  std::set<std::int32_t> clearedSelection_;  // the selection last lifted clear of the bar
};

}  // namespace qel
