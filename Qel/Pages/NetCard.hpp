#pragma once
// The cards of the network page's "Who's online" strip: one per app that has used the network
// (a button that opens the app's details), and the card of this computer's local addresses.
#include <QAbstractButton>

#include <vector>

#include "Qel/Samplers/ProcInfo.hpp"
#include "Qel/Samplers/Samples.hpp"

class QVBoxLayout;

namespace qel {

class IconCache;
class PlainLabel;
class Store;

inline constexpr int kNetCardWidth = 230, kNetCardHeight = 96;

// Fills the rounded card ground behind a strip card.
void paintNetCardGround(QWidget* card);

class NetCard : public QAbstractButton {
  Q_OBJECT

 public:
  // `icons` must outlive the card.
  NetCard(Store& store, IconCache& icons, ProcInfo proc, QWidget* parent = nullptr);

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
  Store& store_;
  IconCache& icons_;
  ProcInfo proc_;
};

class NetAddressCard : public QWidget {
  Q_OBJECT

 public:
  explicit NetAddressCard(QWidget* parent = nullptr);

  // `traffic`: whether bytes are moving now, so that a missing address is not called "not
  // connected" while the computer plainly is (an IPv6-only network, say).
  void setAddresses(const std::vector<NetAddress>& addresses, bool traffic = false);
  PlainLabel* title() const { return title_; }
  PlainLabel* message() const { return message_; }
  // Interface and address labels of each row.
  const std::vector<std::pair<PlainLabel*, PlainLabel*>>& rows() const { return rows_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<NetAddress> addresses_;
  bool traffic_ = false;
  bool shown_ = false;
  QWidget* dot_ = nullptr;
  PlainLabel* title_ = nullptr;
  PlainLabel* message_ = nullptr;
  QVBoxLayout* column_ = nullptr;
  std::vector<std::pair<PlainLabel*, PlainLabel*>> rows_;
};

}  // namespace qel
