#pragma once
// What the tray panel shows: how the machine is doing in one line, four metric tiles, three small
// ones, the day, the busiest processes, the network, three switches and a footer, with the
// store's toasts just above its switches. Which optional sections it holds (the sleep row, the
// memory advice, the Bluetooth devices) is decided once when it opens; everything else follows
// the store live.
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "Qel/History/SleepSession.hpp"
#include "Qel/Kit/OnScreenWatch.hpp"
#include "Qel/MenuBar/PanelFacts.hpp"
#include "Qel/Store/Parts/DayState.hpp"
#include "Qel/Store/Parts/InsightState.hpp"
#include "Qel/Store/Parts/LiveState.hpp"
#include "Qel/Store/Parts/NavigationState.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"
#include "Qel/Store/Parts/SleepState.hpp"
#include "Qel/Store/Parts/TamingState.hpp"

class QLabel;
class QScrollArea;

namespace qel {

class IconCache;
class MenuCell;
class MiniCell;
class Navigator;
class PanelBatteries;
class PanelCard;
class PanelChip;
class PanelProcRow;
class PanelToast;
class PanelToggle;
class PlainLabel;
class ProcessActions;
class SettingsActions;
class TodayStrip;
enum class Page;

// What the panel reads and does: a little of every part of the store, all of which it follows.
struct PanelParts {
  LiveState live;
  ProcessState processes;
  DayState day;
  InsightState insights;
  SleepState sleep;
  TamingState taming;
  NavigationState navigation;
  Notice::Part changes;  // of every part
  Navigator& navigator;
  ProcessActions& processActions;
  SettingsActions& settingsActions;
};

class MenuPanel : public QWidget {
  Q_OBJECT

 public:
  struct Actions {
    std::function<void()> openMain;  // brings the main window forward (and closes the panel)
    std::function<void()> replay;    // brings the main window forward with the last sixty seconds analysed
    std::function<void()> quit;      // ends the program
    std::function<QWidget*()> memoryAdvice;  // makes the compact memory advice card
  };
  // The optional sections, as the store had them when the panel opened.
  struct Sections {
    std::optional<SleepSession> sleepShown;
    bool showMemoryAdvice = false;
    bool showBluetooth = false;
  };
  static Sections sectionsAtOpen(const PanelParts& parts);

  MenuPanel(PanelParts parts, Actions actions, QWidget* parent = nullptr);
  ~MenuPanel() override;

  const Sections& sections() const { return sections_; }
  // Tests reach the parts by these.
  MenuCell* cell(int i) const { return cells_[std::size_t(i)]; }
  PanelToggle* toggle(int i) const { return toggles_[std::size_t(i)]; }
  PanelProcRow* procRow(int i) const { return rows_[std::size_t(i)]; }
  TodayStrip* strip() const { return strip_; }
  PanelToast* toast() const { return toast_; }
  QWidget* sleepRow() const { return sleepRow_; }
  QWidget* memoryAdvice() const { return advice_; }
  QWidget* bluetoothRow() const { return bluetoothRow_; }
  PanelBatteries* batteries() const { return batteries_; }
  PlainLabel* bluetoothNote() const { return bluetoothNote_; }
  // The sections above the switches, which scroll when the card is too short for them.
  QScrollArea* body() const { return body_; }

  // Reads the store into every part.
  void refresh();

  // The height its lines take at its width, wrapped titles and notes included.
  QSize sizeHint() const override;
  // Its height where it may be at most `room` tall: all of it when it fits; else short enough
  // that the scrolled sections end between two of their rows, so no line shows cut in two.
  int heightWithin(int room) const;

 protected:
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildBody();
  QWidget* buildSleepRow();
  QWidget* buildTopProcesses();
  QWidget* buildHeader();
  QWidget* buildGrid();
  QWidget* buildSection(const QString& title, PlainLabel** note, QWidget* content);
  QWidget* buildNetwork();
  QWidget* buildBluetooth();
  QWidget* buildSwitches();
  QWidget* buildFooter();
  // Settings, "What just happened" and Quit, then "Open Qel", in their order along the footer;
  // `footer` keeps their colours following the appearance.
  std::array<QWidget*, 4> footerButtons(QWidget* footer);
  void refreshHeader(const PanelParts& s);
  void refreshTiles(const PanelParts& s);
  void refreshTopProcesses(const PanelParts& s);
  void refreshNetwork(const PanelParts& s);
  void refreshBluetooth(const PanelParts& s);
  // The switches and the toast above them.
  void refreshSwitches(const PanelParts& s);
  void open(Page page);
  void jump(int slot);
  void placeToast();
  void screenChanged();

  PanelParts parts_;
  Actions actions_;
  Sections sections_;
  std::unique_ptr<IconCache> icons_;

  class MiniRing* ring_ = nullptr;
  PlainLabel* title_ = nullptr;
  PlainLabel* subtitle_ = nullptr;
  std::array<PanelChip*, 3> chips_{};
  std::array<MenuCell*, 4> cells_{};
  std::array<MiniCell*, 3> minis_{};
  TodayStrip* strip_ = nullptr;
  PlainLabel* todayNote_ = nullptr;
  std::array<PanelProcRow*, 5> rows_{};
  std::vector<HeldProc> top_;  // what the rows show
  class ListEngagement* topHold_ = nullptr;
  PlainLabel* networkNote_ = nullptr;
  PlainLabel* down_ = nullptr;
  PlainLabel* up_ = nullptr;
  PlainLabel* address_ = nullptr;
  QWidget* sleepRow_ = nullptr;
  PlainLabel* sleepText_ = nullptr;
  QWidget* advice_ = nullptr;
  QWidget* bluetoothRow_ = nullptr;
  PlainLabel* bluetoothNote_ = nullptr;
  PanelBatteries* batteries_ = nullptr;
  PlainLabel* noDevices_ = nullptr;
  QScrollArea* body_ = nullptr;
  QWidget* switches_ = nullptr;
  std::array<PanelToggle*, 3> toggles_{};
  PanelToast* toast_ = nullptr;
  QPointer<QWidget> toastHost_;
  // The card it stands on, whose glow follows the status. Held as a plain widget and cast at each
  // use: a focus change while the card is torn down still reaches the panel, and the card is then
  // no longer a PanelCard.
  QPointer<QWidget> card_;
  // A toast's time runs while the panel can be seen.
  OnScreenWatch screen_{this, [this] { screenChanged(); }};
};

}  // namespace qel
