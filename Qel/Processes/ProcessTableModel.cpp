#include "Qel/Processes/ProcessTableModel.hpp"

#include <algorithm>
#include <unordered_map>

#include "Qel/Kit/Widgets/PlainToolTip.hpp"
#include "Qel/Platform/Utf8.hpp"

namespace qel {
namespace {

struct KeyHash {
  std::size_t operator()(const ProcKey& k) const noexcept {
    return std::hash<std::uint64_t>()((std::uint64_t(std::uint32_t(k.pid)) << 32) ^ k.startTime);
  }
};

using RowMap = std::unordered_map<ProcKey, int, KeyHash>;

}  // namespace

ProcessTableModel::ProcessTableModel(QObject* parent) : QAbstractListModel(parent) {}

int ProcessTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(rows_.size());
}

QVariant ProcessTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= int(rows_.size())) return {};
  const ProcInfo& p = rows_[std::size_t(index.row())];
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return QString::fromStdString(displayName(p.name));
  if (role == Qt::ToolTipRole && !p.path.empty()) return plainToolTip(QString::fromStdString(displayName(p.path)));
  return {};
}

std::optional<int> ProcessTableModel::rowOf(const ProcKey& key) const {
  for (std::size_t i = 0; i < rows_.size(); ++i)
    if (keyOf(rows_[i]) == key) return int(i);
  return std::nullopt;
}

std::vector<ProcInfo> ProcessTableModel::inShownOrder(const std::vector<ProcInfo>& procs) const {
  RowMap shownAt;
  shownAt.reserve(rows_.size());
  for (std::size_t i = 0; i < rows_.size(); ++i) shownAt.emplace(keyOf(rows_[i]), int(i));
  std::vector<ProcInfo> out = procs;
  const auto place = [&](const ProcInfo& p) {
    const auto it = shownAt.find(keyOf(p));
    return it == shownAt.end() ? int(rows_.size()) : it->second;
  };
  std::stable_sort(out.begin(), out.end(), [&](const ProcInfo& a, const ProcInfo& b) { return place(a) < place(b); });
  return out;
}

void ProcessTableModel::update(const std::vector<ProcInfo>& procs) {
  std::vector<ProcInfo> wanted;
  wanted.reserve(procs.size());
  RowMap target;
  target.reserve(procs.size());
  for (const auto& p : procs)
    if (target.emplace(keyOf(p), int(wanted.size())).second) wanted.push_back(p);

  // 1. Rows whose process is gone leave, in runs from the bottom so earlier rows keep their numbers.
  for (int end = int(rows_.size()); end > 0;) {
    if (target.count(keyOf(rows_[std::size_t(end - 1)]))) {
      --end;
      continue;
    }
    int first = end - 1;
    while (first > 0 && !target.count(keyOf(rows_[std::size_t(first - 1)]))) --first;
    beginRemoveRows({}, first, end - 1);
    rows_.erase(rows_.begin() + first, rows_.begin() + end);
    endRemoveRows();
    end = first;
  }

  // 2. Newcomers join at the bottom.
  RowMap present;
  present.reserve(rows_.size());
  for (std::size_t i = 0; i < rows_.size(); ++i) present.emplace(keyOf(rows_[i]), int(i));
  std::vector<const ProcInfo*> added;
  for (const auto& p : wanted)
    if (!present.count(keyOf(p))) added.push_back(&p);
  if (!added.empty()) {
    const int first = int(rows_.size());
    beginInsertRows({}, first, first + int(added.size()) - 1);
    for (const ProcInfo* p : added) rows_.push_back(*p);
    endInsertRows();
  }

  // 3. Every row moves to its place and takes its new figures; persistent indexes (the view's
  // current row, its hover) move with their process.
  bool moved = false;
  for (std::size_t i = 0; i < rows_.size() && !moved; ++i) moved = !(keyOf(rows_[i]) == keyOf(wanted[i]));
  if (moved) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before) {
      const auto it = target.find(keyOf(rows_[std::size_t(index.row())]));
      after.push_back(createIndex(it->second, index.column()));
    }
    rows_ = std::move(wanted);
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
  } else {
    rows_ = std::move(wanted);
  }
  if (!rows_.empty()) emit dataChanged(index(0), index(int(rows_.size()) - 1));
}

}  // namespace qel
