#pragma once
// The rows of the apps likely using the GPU: icon, name and a "Front" badge on the app in front.
// No figure: the system reports no per-app GPU use, and an app's power is not its GPU's.
#include <QWidget>

#include <cstdint>
#include <optional>
#include <vector>

#include "Qel/Samplers/ProcInfo.hpp"

namespace qel {

class IconCache;

class GpuUserList : public QWidget {
  Q_OBJECT

 public:
  // `icons` must outlive the list.
  explicit GpuUserList(IconCache& icons, QWidget* parent = nullptr);

  void setUsers(std::vector<ProcInfo> users, std::optional<std::int32_t> frontPid);
  const std::vector<ProcInfo>& users() const { return users_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

  static constexpr int kRow = 28, kIcon = 22;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  IconCache& icons_;
  std::vector<ProcInfo> users_;
  std::optional<std::int32_t> front_;
};

}  // namespace qel
