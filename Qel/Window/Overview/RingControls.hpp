#pragma once
// The row under the day ring: the 60 s / Day switch and the day stepper with the day's title
// (day mode only, keeping its place in live mode); before the row the export button in day mode,
// and after it "Back to now" while a moment is selected or a past day shown. It asks for the width
// all of them take, "Back to now" whole.
#include <QWidget>

#include <optional>

#include "Qel/Window/ViewRegistry.hpp"

class QLabel;

namespace qel {

class PillSegment;
class RoundGlyphButton;
class TextButton;

class RingControls : public QWidget {
  Q_OBJECT

 public:
  explicit RingControls(const ViewContext& context, QWidget* parent = nullptr);

  PillSegment* modeSwitch() const { return mode_; }
  RoundGlyphButton* previousDay() const { return previous_; }
  RoundGlyphButton* nextDay() const { return next_; }
  RoundGlyphButton* exportDay() const { return export_; }
  QWidget* stepper() const { return stepper_; }
  QLabel* dayTitle() const { return title_; }
  TextButton* backToNow() const { return back_; }

  // The 60 s / Day switch: any change clears the selection; live mode also returns to today.
  static void setMode(Navigator& navigator, RingMode mode);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void refresh();
  void place();
  static int backGap();

  DayState day_;
  NavigationState navigation_;
  Navigator& navigator_;
  QWidget* row_ = nullptr;
  PillSegment* mode_ = nullptr;
  QWidget* stepper_ = nullptr;
  RoundGlyphButton* previous_ = nullptr;
  QLabel* title_ = nullptr;
  RoundGlyphButton* next_ = nullptr;
  RoundGlyphButton* export_ = nullptr;
  TextButton* back_ = nullptr;
  std::optional<RingMode> shownMode_;
  QSize placedFor_;  // the width asked for at the last placing
};

}  // namespace qel
