#pragma once
// The capsule segmented control: one pill per option in a faint capsule; the option equal to the
// current selection is drawn selected, and pressing a pill sets the selection to its value.
// Options are told apart by position, so two may share a title.
#include <QString>
#include <QWidget>

#include <functional>
#include <span>
#include <utility>
#include <vector>

namespace qel {

// Where the pills go for titles of the given widths and text height: each pill is its title
// padded 12 left and right and 4 above and below, 2 apart, the row inset 3 on every edge.
struct PillLayout {
  std::vector<QRectF> pills;
  QSizeF size;
};
PillLayout layoutPills(std::span<const double> titleWidths, double textHeight);

class PillSegment : public QWidget {
  Q_OBJECT

 public:
  explicit PillSegment(QWidget* parent = nullptr);

  // The options with their titles, and the selection as a getter and a setter (the binding).
  template <class Value>
  void setOptions(std::vector<std::pair<Value, QString>> options, std::function<Value()> get,
                  std::function<void(const Value&)> set) {
    std::vector<QString> titles;
    std::vector<Value> values;
    for (auto& [value, title] : options) {
      values.push_back(std::move(value));
      titles.push_back(std::move(title));
    }
    isSelected_ = [values, get](int i) { return bool(get() == values[std::size_t(i)]); };
    pick_ = [values, set](int i) { set(values[std::size_t(i)]); };
    setTitles(std::move(titles));
  }

  // Re-reads the selection through the getter; repaints only when it moved.
  void refresh();

  int count() const { return int(titles_.size()); }
  const std::vector<QString>& titles() const { return titles_; }
  bool isSelected(int index) const;
  QRectF pillRect(int index) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void setTitles(std::vector<QString> titles);
  PillLayout layout() const;
  int pillAt(const QPointF& pos) const;
  int selection() const;

  std::vector<QString> titles_;
  std::function<bool(int)> isSelected_;
  std::function<void(int)> pick_;
  int pressed_ = -1;
  int paintedSelection_ = -2;  // none painted yet
};

}  // namespace qel
