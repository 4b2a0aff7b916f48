#pragma once
// The memory advice: when memory runs short, a tinted card naming the apps not in use that hold
// the most memory, each with "Quit", and one button that quits them all. The full card stands on
// the overview and the memory page and shows itself only while the advice is wanted; the compact
// one is in the tray panel, which decides when it opens whether to show it.
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "Qel/History/MemSuggestion.hpp"
#include "Qel/Kit/Style/AdaptiveColor.hpp"
#include "Qel/Store/Parts/InsightState.hpp"
#include "Qel/Store/Parts/LiveState.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"

class QAbstractButton;
class QVBoxLayout;

namespace qel {

class IconCache;
class InsightActions;
class MemoryAdviceRow;
class PlainLabel;
class ProcessActions;

// The sizes and colours of one form of the card.
struct MemoryAdviceLook {
  int spacing;        // between header, rows and button
  int padding;        // around the content; also the card's corner radius
  double heading;     // the heading's size
  int icon;           // an app icon's side
  double button;      // the all-apps button's text size
  int buttonPadding;  // above and below the all-apps button's text
  AdaptiveColor accent, muted, faint, ink, paper;
};
MemoryAdviceLook memoryAdviceLook(bool compact);

// The line under the heading: why these apps, or that none is worth quitting.
std::string memoryAdviceExplanation(bool anySuggested);
// "Quit these 3 and free about 2.9 GB".
std::string quitAllLabel(const std::vector<MemSuggestion>& suggestions);

class MemoryAdviceCard : public QWidget {
  Q_OBJECT

 public:
  // `live` is followed only: the suggestions change with the memory's readings.
  MemoryAdviceCard(LiveState live, ProcessState processes, InsightState insights, InsightActions& insightActions,
                   ProcessActions& processActions, bool compact, QWidget* parent = nullptr);
  ~MemoryAdviceCard() override;

  const std::vector<MemSuggestion>& suggestions() const { return suggestions_; }
  // Tests reach the parts by these.
  PlainLabel* explanation() const { return explanation_; }
  QAbstractButton* quitButton(std::size_t row) const;
  QAbstractButton* quitAllButton() const { return quitAll_; }
  PlainLabel* leakLine(std::size_t row) const;

  // Reads the store again: the suggestions, and for the full card whether to show at all.
  void refresh();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void rebuildRows();

  InsightState insights_;
  InsightActions& insightActions_;
  ProcessActions& processActions_;
  bool compact_;
  MemoryAdviceLook look_;
  std::unique_ptr<IconCache> icons_;
  std::vector<MemSuggestion> suggestions_;
  PlainLabel* explanation_;
  QVBoxLayout* rowsLayout_;
  std::vector<MemoryAdviceRow*> rows_;
  QAbstractButton* quitAll_;
};

}  // namespace qel
