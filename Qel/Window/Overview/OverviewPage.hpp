#pragma once
// The first page: the day ring with its controls, legend and a note on the usual-load line on
// the left; on the right the status headline with its chips and the replay button, the newest
// finding, a note on what is selected on the ring, the stretch around the selected moment,
// the metric rows that open the other pages, and the process table. Views that later parts
// of the program build fill named slots of the registry; an empty slot shows nothing.
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

#include "Qel/Window/Overview/OverviewFacts.hpp"
#include "Qel/Window/ViewRegistry.hpp"

class QHBoxLayout;
class QVBoxLayout;

namespace qel {

class AccentPill;
class FlowRow;
class DayRingView;
class MetricRow;
class PlainLabel;
class RingControls;
class RingLegend;
class TextButton;

// The slots of the overview page, by name.
namespace OverviewSlot {
inline constexpr const char* finding = "overview.finding";          // the newest finding's card
inline constexpr const char* memoryAdvice = "overview.memoryAdvice";  // hides itself while not wanted
inline constexpr const char* sleepLine = "overview.sleepLine";      // the last long sleep
inline constexpr const char* sleepNote = "overview.sleepNote";      // the selected sleep
inline constexpr const char* stretchButton = "overview.stretchButton";
inline constexpr const char* processTable = "overview.processTable";
}  // namespace OverviewSlot

class OverviewPage : public QWidget {
  Q_OBJECT

 public:
  OverviewPage(const ViewContext& context, const ViewRegistry& registry, QWidget* parent = nullptr);

  DayRingView* ring() const { return ring_; }
  RingControls* controls() const { return controls_; }
  PlainLabel* statusTitle() const { return title_; }
  PlainLabel* statusDetail() const { return detail_; }
  QWidget* chipRow() const { return chips_; }
  AccentPill* replayButton() const { return replay_; }
  PlainLabel* usualLoadNote() const { return baseline_; }
  QWidget* ringColumn() const { return ringColumn_; }
  // The selection note now shown (an event, a sleep or marks); null when none.
  QWidget* selectionNote() const { return note_; }
  QWidget* stretchLine() const { return stretchLine_; }
  const std::vector<MetricRow*>& metricRows() const { return rows_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void placeColumns();
  QWidget* buildRingColumn();
  QWidget* buildInfoColumn();
  QWidget* buildStatus(QWidget* parent);
  QWidget* buildChips(QWidget* parent);
  QWidget* buildStretchLine(QWidget* parent);
  void refresh();
  void refreshChips();
  void refreshNote();
  void refreshStretch();
  void refreshRows();
  QWidget* slot(const char* name, QVBoxLayout* into);

  ViewContext context_;
  const ViewRegistry& registry_;
  DayRingView* ring_ = nullptr;
  RingControls* controls_ = nullptr;
  RingLegend* legend_ = nullptr;
  PlainLabel* baseline_ = nullptr;
  QWidget* ringColumn_ = nullptr;
  QWidget* infoColumn_ = nullptr;
  QWidget* table_ = nullptr;
  PlainLabel* title_ = nullptr;
  PlainLabel* detail_ = nullptr;
  QWidget* chips_ = nullptr;
  FlowRow* chipLayout_ = nullptr;
  std::vector<ChipFacts> chipFacts_;
  AccentPill* replay_ = nullptr;
  QWidget* finding_ = nullptr;
  QWidget* sleepLine_ = nullptr;
  QWidget* sleepNote_ = nullptr;
  QVBoxLayout* noteHolder_ = nullptr;
  QWidget* note_ = nullptr;
  std::string noteKey_;
  QWidget* stretchLine_ = nullptr;
  PlainLabel* stretchText_ = nullptr;
  TextButton* stretchButton_ = nullptr;
  QVBoxLayout* rowLayout_ = nullptr;
  std::vector<MetricRow*> rows_;
  std::vector<Page> rowPages_;
};

}  // namespace qel
