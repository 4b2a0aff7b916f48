#pragma once
// The network page: the machine's download rate as the large figure with upload and the count
// of apps moving data beside it, the star map of the apps online with its legend, the listening
// ports beside them, and the "Who's online" strip: this computer's addresses, then a card per
// app that has used the network.
#include <QWidget>

#include <memory>
#include <vector>

#include "Qel/Pages/KeyedRows.hpp"
#include "Qel/Samplers/ProcInfo.hpp"
#include "Qel/Samplers/ProcKey.hpp"
#include "Qel/Store/Parts/LiveState.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"

namespace qel {

class IconCache;
class Legend;
class NetAddressCard;
class Navigator;
class NetCard;
class PageHead;
class PortsPanel;
class ProcessActions;
class StarMapView;
class StatItem;

class NetPage : public QWidget {
  Q_OBJECT

 public:
  static constexpr std::size_t kMapNodes = 12, kCards = 16;

  NetPage(LiveState live, ProcessState processes, Navigator& navigator, ProcessActions& actions,
          QWidget* parent = nullptr);
  ~NetPage() override;

  PageHead* head() const { return head_; }
  const std::vector<StatItem*>& stats() const { return stats_; }
  StarMapView* starMap() const { return map_; }
  Legend* legend() const { return legend_; }
  PortsPanel* ports() const { return ports_; }
  NetAddressCard* addressCard() const { return addressCard_; }
  const std::vector<NetCard*>& cards() const { return cards_->rows(); }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void refresh();
  QWidget* buildStrip();

  LiveState live_;
  ProcessState processes_;
  Navigator& navigator_;
  std::unique_ptr<IconCache> icons_;
  PageHead* head_ = nullptr;
  std::vector<StatItem*> stats_;
  StarMapView* map_ = nullptr;
  Legend* legend_ = nullptr;
  PortsPanel* ports_ = nullptr;
  NetAddressCard* addressCard_ = nullptr;
  std::unique_ptr<KeyedRows<NetCard, ProcInfo, ProcKey>> cards_;
};

}  // namespace qel
