#pragma once
// One metric on a line: a colour dot, the name, its sixty-second sparkline, the value now and a
// chevron. With an action it is a button: hovering washes it and shows the chevron (which
// keeps its place when hidden), a click or the keyboard runs the action. Without one it is
// inert.
#include <QAbstractButton>

#include <functional>
#include <optional>
#include <vector>

namespace qel {

class Sparkline;

class MetricRow : public QAbstractButton {
  Q_OBJECT

 public:
  MetricRow(const QString& name, const QColor& color, std::optional<double> maxValue, std::function<void()> action,
            QWidget* parent = nullptr);

  void setValues(std::vector<double> values, const QString& text);
  const QString& valueText() const { return value_; }
  const QString& name() const { return name_; }
  bool hovering() const { return hovering_; }
  Sparkline* sparkline() const { return spark_; }

  // Rows stacked together share one name column, as wide as their widest name (at least the
  // usual width), so every name shows whole and the sparklines start in line.
  static double nameWidthFor(const QString& name);
  void setNameWidth(double width);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void placeSparkline();

  QString name_;
  QColor color_;
  QString value_;
  std::function<void()> action_;
  Sparkline* spark_;
  bool hovering_ = false;
  double nameWidth_;
  double valueWidth_;  // the usual width, or a wider value's: the sparkline gives the room
};

}  // namespace qel
