#pragma once
// Starts and ends the recording of a stretch. Idle it offers "Mark a stretch"; while a stretch
// is recorded it is the End button with the time so far, which ends the stretch and opens its
// report. The top bar's compact form is only the End button: idle it is hidden and takes no room.
#include <QAbstractButton>

#include "Qel/Store/Parts/StretchActions.hpp"
#include "Qel/Store/Parts/StretchState.hpp"

namespace qel {

// The text whose width the elapsed time keeps: "00:00" up to five characters, "0:00:00" beyond,
// so the button keeps its width while the seconds change.
QString elapsedReference(const QString& elapsed);

class StretchButton : public QAbstractButton {
  Q_OBJECT

 public:
  StretchButton(StretchState stretches, StretchActions& actions, bool compact, QWidget* parent = nullptr);

  bool recording() const { return recording_; }
  const QString& elapsed() const { return elapsed_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void refresh();
  void retext();

  StretchState stretches_;
  StretchActions& actions_;
  bool compact_;
  bool recording_ = false;
  QString elapsed_;
  QString mark_;  // "Mark a stretch"
  QString end_;   // "End"
};

}  // namespace qel
