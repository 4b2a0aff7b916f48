#include "Qel/Pages/Legend.hpp"

#include "Qel/Kit/Palette.hpp"

namespace qel {

Legend::Legend(const QString& text, QWidget* parent)
    : PlainLabel(text, 11.5, QFont::Normal, Palette::tertiaryText(), parent) {
  setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  setWordWrap(true);
}

}  // namespace qel
