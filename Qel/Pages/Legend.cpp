#include "Qel/Pages/Legend.hpp"

#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"

namespace qel {

Legend::Legend(const QString& text, QWidget* parent)
    : PlainLabel(text, Type::footnote, QFont::Normal, Palette::tertiaryText(), parent) {
  setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  setWordWrap(true);
}

}  // namespace qel
