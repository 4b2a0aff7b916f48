#include "Qel/Pages/SectionTitle.hpp"

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"

namespace qel {

SectionTitle::SectionTitle(const QString& title, const QString& note, QWidget* parent) : BaselineRow(Space::ml, parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setWraps(true);  // a note that doesn't fit beside its title goes below it
  setTexts(title, note);
}

void SectionTitle::setTexts(const QString& title, const QString& note) {
  setRuns({
      {title, Fonts::text(Type::headline, QFont::DemiBold), Palette::primaryText()},
      {note, Fonts::text(Type::footnote), Palette::tertiaryText()},
  });
}

}  // namespace qel
