#pragma once
// A card of the network page's "Who's online" strip: one per app that has used the network, a
// button that opens the app's details. The strip's cards share its size and ground.
#include <QAbstractButton>
#include <QRegion>

#include <vector>

#include "Qel/Samplers/ProcInfo.hpp"
#include "Qel/Samplers/Samples.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"

class QVBoxLayout;

namespace qel {

class IconCache;
class Navigator;
class PlainLabel;

inline constexpr int kNetCardWidth = 230, kNetCardHeight = 96;

// Fills the rounded card ground behind a strip card.
void paintNetCardGround(QWidget* card, const QRegion& changed);

class NetCard : public QAbstractButton {
  Q_OBJECT

 public:
  // `icons` must outlive the card.
  NetCard(ProcessState processes, Navigator& navigator, IconCache& icons, ProcInfo proc, QWidget* parent = nullptr);

  void setProc(ProcInfo proc);
  const ProcInfo& proc() const { return proc_; }

  // Its three lines as drawn: the name, the rates now, the total.
  QString nameText() const;
  QString rateText() const;
  QString totalText() const;

  QSize sizeHint() const override { return {kNetCardWidth, kNetCardHeight}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ProcessState processes_;
  Navigator& navigator_;
  IconCache& icons_;
  ProcInfo proc_;
};

}  // namespace qel
