#pragma once
// A section heading: the title with a quieter note after it on the same baseline, both kept at
// the leading edge.
#include "Qel/Kit/Widgets/BaselineRow.hpp"

namespace qel {

class SectionTitle : public BaselineRow {
  Q_OBJECT

 public:
  SectionTitle(const QString& title, const QString& note, QWidget* parent = nullptr);

  void setTexts(const QString& title, const QString& note);
};

}  // namespace qel
