#pragma once
// One listening port in the ports panel: the port and protocol, the owner's icon and name, and
// under the name whether the local network can reach it and the service usually behind the port;
// an End button at the name's end while the pointer is over the row. The row is a button that
// opens the owner's details.
#include <QAbstractButton>

#include <optional>

#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Pages/Network/PortEndButton.hpp"
#include "Qel/Pages/Network/PortList.hpp"
#include "Qel/Platform/Proc/SysRoot.hpp"
#include "Qel/Samplers/PortEntry.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"

namespace qel {

class IconCache;
class Navigator;
class ProcessActions;

class PortRow : public QAbstractButton {
  Q_OBJECT

 public:
  // `icons` must outlive the row.
  // `listedAt`: when the listing holding `entry` arrived, in boot ticks (see PortOwners).
  PortRow(ProcessState processes, Navigator& navigator, ProcessActions& actions, IconCache& icons, PortEntry entry,
          std::uint64_t listedAt, QWidget* parent = nullptr);

  // Takes the entry and its owner as the store has them now.
  void setEntry(PortEntry entry, std::uint64_t listedAt);
  const PortEntry& entry() const { return entry_; }
  const PortRowText& text() const { return text_; }
  // The End button; hidden when the owner can't be ended from here.
  QAbstractButton* endButton() const { return end_; }
  // Ends the owner, if the process under its pid is still the one sampled and listed, and
  // reads the ports again shortly. `root` is where the running process is looked up.
  void endOwner(const SysRoot& root = {});

  QSize sizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

  static constexpr int kPortWidth = 62, kIcon = 22, kSpacing = Space::l;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  struct Layout {
    QRectF name, badge, hint, end;
    double height = 0;
  };
  Layout layoutFor(int width) const;
  void refreshOwner();
  QString badgeText() const;
  QString reachText() const;

  ProcessState processes_;
  Navigator& navigator_;
  ProcessActions& actions_;
  IconCache& icons_;
  PortEntry entry_;
  std::uint64_t listedAt_;
  std::optional<ProcInfo> owner_;
  PortRowText text_;
  PortEndButton* end_;
};

}  // namespace qel
