#pragma once
// The rows of the energy page's lists: a process that keeps the computer awake, and an app whose
// quitting would lengthen the battery's runtime.
#include <QAbstractButton>
#include <QIcon>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>

#include "Qel/History/RuntimeForecast.hpp"

namespace qel {

class PlainLabel;

// What a keep-awake row shows, decided from the holder and the published process (if any).
struct WakeRowFacts {
  std::int32_t pid{};
  std::string name, detail, reason, path;
  bool published{};  // the process is in the published list: it gets a "Details" button
  bool operator==(const WakeRowFacts&) const = default;
};

// A capsule button of few words on a faint fill.
class DetailsButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit DetailsButton(const QString& text, QWidget* parent = nullptr);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class WakeRow : public QWidget {
  Q_OBJECT

 public:
  WakeRow(const WakeRowFacts& facts, const QIcon& icon, std::function<void()> details, QWidget* parent = nullptr);
  PlainLabel* name() const { return name_; }
  DetailsButton* details() const { return details_; }

 private:
  PlainLabel* name_;
  DetailsButton* details_ = nullptr;
};

// The whole row is one button: it opens the app's details, it never quits anything.
class GainRow : public QAbstractButton {
  Q_OBJECT

 public:
  GainRow(RuntimeGain gain, QIcon icon, QWidget* parent = nullptr);
  const RuntimeGain& gain() const { return gain_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  RuntimeGain gain_;
  QIcon icon_;
};

}  // namespace qel
