#include "Qel/Pages/SectionTitle.hpp"

#include "Qel/Kit/Fonts.hpp"
#include "Qel/Kit/Palette.hpp"

namespace qel {

SectionTitle::SectionTitle(const QString& title, const QString& note, QWidget* parent) : BaselineRow(10, parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setWraps(true);  // a note that doesn't fit beside its title goes below it
  setTexts(title, note);
}

void SectionTitle::setTexts(const QString& title, const QString& note) {
  setRuns({
      {title, Fonts::text(15, QFont::DemiBold), Palette::primaryText()},
      {note, Fonts::text(12), Palette::tertiaryText()},
  });
}

}  // namespace qel
