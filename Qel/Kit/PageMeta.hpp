#pragma once
// What the views show of each page, read from the page table: its title, its ground and its
// accent colour.
#include <QColor>
#include <QString>

#include "Qel/Kit/Style/AdaptiveColor.hpp"
#include "Qel/Store/Enums.hpp"

namespace qel {

// The page's localised title, looked up on every call so it follows a language change.
QString title(Page page);
AdaptiveColor background(Page page);
QColor accent(Page page);
// The accent as words (and marks that must read like them) take it: deeper on a light ground.
AdaptiveColor accentText(Page page);

}  // namespace qel
