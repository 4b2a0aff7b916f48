#pragma once
// One listening port in the ports panel: the port and protocol, the owner's icon and name with
// the service usually behind the port, whether the local network can reach it, and an End
// button while the pointer is over the row. The row is a button that opens the owner's details.
#include <QAbstractButton>

#include <optional>

#include "Qel/Kit/Spacing.hpp"
#include "Qel/Pages/PortEndButton.hpp"
#include "Qel/Pages/PortList.hpp"
#include "Qel/Platform/SysRoot.hpp"
#include "Qel/Samplers/PortEntry.hpp"

namespace qel {

class IconCache;
class Store;

class PortRow : public QAbstractButton {
  Q_OBJECT

 public:
  // `icons` must outlive the row.
  // `listedAt`: when the listing holding `entry` arrived, in boot ticks (see PortOwners).
  PortRow(Store& store, IconCache& icons, PortEntry entry, std::uint64_t listedAt, QWidget* parent = nullptr);

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

  static constexpr int kPortWidth = 62, kIcon = 22, kBadgeBox = 96, kSpacing = Space::l;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void refreshOwner();
  QRectF badgeRect() const;

  Store& store_;
  IconCache& icons_;
  PortEntry entry_;
  std::uint64_t listedAt_;
  std::optional<ProcInfo> owner_;
  PortRowText text_;
  PortEndButton* end_;
};

}  // namespace qel
