#pragma once
// Paints one process row: select circle, icon, name (as plain text), the "System" tag, the CPU
// bar and figure, memory, pid and the details ellipsis, over the row's selected or hover tint.
// A name cut short is shown whole in the row's tool tip.
#include <QPoint>
#include <QString>
#include <QStyledItemDelegate>

#include <cstdint>
#include <functional>
#include <optional>

#include "Qel/Samplers/ProcKey.hpp"
#include "Qel/Store/Enums.hpp"

namespace qel {

class IconCache;
class ProcessTableModel;

// A selected row's tint: the page's accent, laid on strongly enough to stand out from the ground
// in either look (the check mark beside it takes the accent as words do).
QColor selectedRowTint(Page page);

class ProcessRowDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  ProcessRowDelegate(const ProcessTableModel& model, IconCache& icons, std::function<bool(std::int32_t)> selected,
                     std::function<Page()> page, QObject* parent = nullptr);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  // The row's tool tip: the executable's path, and the whole name with its pid when the row cuts it.
  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override;
  // After the rows changed: a tool tip left up over a row that now shows another process goes,
  // rather than name the wrong one. Says whether the tip was of another process now.
  bool dropStaleTip(const QAbstractItemView& view);

 private:
  const ProcessTableModel& model_;
  IconCache& icons_;
  std::function<bool(std::int32_t)> selected_;
  std::function<Page()> page_;  // whose accent marks the selected rows
  std::optional<ProcKey> tipFor_;  // the process the shown tool tip names
  QPoint tipAt_;                   // where it was asked for, on the screen
  QString tipText_;
};

}  // namespace qel
