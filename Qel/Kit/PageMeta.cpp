#include "Qel/Kit/PageMeta.hpp"

#include "Qel/Kit/PageTable.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

QString title(Page page) { return QString::fromStdString(L(pageEntry(page).title)); }
AdaptiveColor background(Page page) { return pageEntry(page).ground; }
QColor accent(Page page) { return pageEntry(page).accent; }
AdaptiveColor accentText(Page page) { return pageEntry(page).accentText; }

}  // namespace qel
