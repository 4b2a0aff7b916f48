#pragma once
// The network page's card of this computer's local addresses.
#include <QWidget>

#include <utility>
#include <vector>

#include "Qel/Samplers/Samples.hpp"

class QVBoxLayout;

namespace qel {

class PlainLabel;
class StatusDot;

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
  StatusDot* dot_ = nullptr;
  PlainLabel* title_ = nullptr;
  PlainLabel* message_ = nullptr;
  QVBoxLayout* column_ = nullptr;
  std::vector<std::pair<PlainLabel*, PlainLabel*>> rows_;
};

}  // namespace qel
