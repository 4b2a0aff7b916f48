#pragma once
// A plain row of the pages in tab order that switches the page shown; it stands where the
// tab bar goes until the tab bar exists. The CPU page's pill carries the live CPU load.
#include <QWidget>

#include "Qel/Window/ViewRegistry.hpp"

namespace qel {

class PillSegment;

class PageSwitcher : public QWidget {
  Q_OBJECT

 public:
  PageSwitcher(const ViewContext& context, QWidget* parent = nullptr);

  PillSegment* pills() const { return pills_; }

 private:
  void refresh();

  Store& store_;
  PillSegment* pills_;
};

}  // namespace qel
