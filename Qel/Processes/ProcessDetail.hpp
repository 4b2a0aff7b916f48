#pragma once
// The sheet that shows one process up close, opened by the store's detail pid. The process is
// the one that had that pid when the sheet opened: its start time is taken then, and once the
// pid is gone from the list or names another process the sheet only says that the process has
// ended. "Now" shows the process's note, six live numbers, its CPU since the sheet opened and
// the taming control; "Profile" the long-term profile of its app. The footer ends or force-quits
// it, except a system process, which gets an explanation instead.
#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Qel/Platform/Proc/ProcessSignals.hpp"
#include "Qel/Processes/CpuHistory.hpp"
#include "Qel/Samplers/ProcInfo.hpp"
#include "Qel/Store/Enums.hpp"
#include "Qel/Store/Parts/DayState.hpp"
#include "Qel/Store/Parts/InsightState.hpp"
#include "Qel/Store/Parts/LiveState.hpp"
#include "Qel/Store/Parts/NavigationState.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"
#include "Qel/Store/Parts/TamingState.hpp"

class QAbstractButton;
class QScrollArea;
class QLabel;
class QVBoxLayout;

namespace qel {

class DetailCell;
class IconCache;
class InsightActions;
class Navigator;
class PillSegment;
class PlainLabel;
class ProcessActions;
class ProfileView;
class TameControl;
class Sparkline;

class ProcessDetail : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 440;

  // `insights` is followed only: the profile tab's notes change with them.
  ProcessDetail(LiveState live, ProcessState processes, DayState day, InsightState insights, TamingState taming,
                NavigationState navigation, Navigator& navigator, ProcessActions& processActions,
                InsightActions& insightActions, QWidget* parent = nullptr);
  ~ProcessDetail() override;

  // The process the sheet was opened for, while the list still holds it; none once it ended.
  std::optional<ProcInfo> shown() const;
  bool hasEnded() const { return ended_; }

  const std::string& tab() const { return tab_; }
  void setTab(const std::string& tab);

  const CpuHistory& history() const { return history_; }
  // Null once the process has ended (and for the parts a system process doesn't get).
  const std::vector<DetailCell*>& cells() const { return cells_; }
  PlainLabel* nameLabel() const { return name_; }
  QLabel* pathLabel() const { return path_; }
  Sparkline* sparkline() const { return sparkline_; }
  PillSegment* tabs() const { return tabs_; }
  ProfileView* profileView() const { return profile_; }
  QWidget* systemNote() const { return systemNote_; }
  QAbstractButton* endButton() const { return end_; }
  QAbstractButton* forceQuitButton() const { return forceQuit_; }
  QAbstractButton* closeButton() const { return close_; }
  // The "Close" of the ended state; null before.
  QAbstractButton* endedCloseButton() const { return endedClose_; }

  // As high as the content needs at the sheet's width: what its window is made, room allowing.
  QSize sizeHint() const override;
  // The least height the sheet is whole in at `width`: the tab gives way and scrolls, the rest
  // (the footer's note as it wraps, its buttons) never does. A window's scroll area sizes the
  // sheet by it, so it never scrolls the whole sheet with its footer under the window's edge.
  int heightForWidth(int width) const override;
  // The window's height comes from sizeHint, which is measured at the fixed width.
  bool hasHeightForWidth() const override { return false; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QWidget* header(const ProcInfo& proc);
  int heightAt(int width) const;
  QWidget* nowTab(const ProcInfo& proc);
  QWidget* footer(const ProcInfo& proc);
  // The note that says what the process is, and the control that tames its app.
  QWidget* processNote(const ProcInfo& proc, QWidget* parent);
  QWidget* tameControl(const ProcInfo& proc, QWidget* parent);
  void refresh();
  void showEnded();
  void quit(bool force);
  void closeSheet();

  LiveState live_;
  ProcessState processes_;
  DayState day_;
  TamingState taming_;
  NavigationState navigation_;
  Navigator& navigator_;
  ProcessActions& processActions_;
  InsightActions& insightActions_;
  std::optional<ProcessIdentity> opened_;
  std::string openedName_;
  CpuHistory history_;
  std::string tab_ = "now";
  bool ended_ = false;
  Page paintedPage_;
  std::unique_ptr<IconCache> icons_;

  QVBoxLayout* column_ = nullptr;
  QWidget* content_ = nullptr;
  QVBoxLayout* tabColumn_ = nullptr;
  QScrollArea* tabScroll_ = nullptr;  // the part that gives way when the window is short
  QWidget* now_ = nullptr;
  ProfileView* profile_ = nullptr;
  QPointer<TameControl> tame_;
  PillSegment* tabs_ = nullptr;
  PlainLabel* name_ = nullptr;
  QLabel* path_ = nullptr;
  std::vector<DetailCell*> cells_;
  Sparkline* sparkline_ = nullptr;
  QWidget* systemNote_ = nullptr;
  QAbstractButton* end_ = nullptr;
  QAbstractButton* forceQuit_ = nullptr;
  QAbstractButton* close_ = nullptr;
  QAbstractButton* endedClose_ = nullptr;
};

}  // namespace qel
