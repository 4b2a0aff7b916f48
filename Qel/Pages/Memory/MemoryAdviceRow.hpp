#pragma once
// One suggested app on the memory advice card: its icon, its name, how much it holds and since
// when it is unused, a warning when it keeps growing, and "Quit".
#include <QIcon>
#include <QWidget>

#include <string>

class QAbstractButton;

namespace qel {

class IconCache;
class PillButton;
class PlainLabel;
class ProcessActions;
struct MemSuggestion;
struct MemoryAdviceLook;

class MemoryAdviceRow : public QWidget {
  Q_OBJECT

 public:
  MemoryAdviceRow(const MemSuggestion& s, const MemoryAdviceLook& look, IconCache& icons, ProcessActions& actions,
                  QWidget* parent);

  void setSuggestion(const MemSuggestion& s);
  QAbstractButton* quit() const;
  PlainLabel* leak() const { return leak_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::string key_;
  QIcon icon_;
  QWidget* iconBox_;
  PlainLabel* name_;
  PlainLabel* detail_;
  PlainLabel* leak_ = nullptr;
  PillButton* quit_;
};

}  // namespace qel
