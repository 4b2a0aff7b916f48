#include "Qel/Sheets/Settings/TabValueStyleMeta.hpp"

#include "Qel/Text/Loc.hpp"

namespace qel {

QString title(TabValueStyle style) {
  const char* key = Lkey("Always");
  switch (style) {
    case TabValueStyle::always: key = Lkey("Always"); break;
    case TabValueStyle::hover: key = Lkey("On hover"); break;
    case TabValueStyle::alert: key = Lkey("When unusual"); break;
    case TabValueStyle::bars: key = Lkey("Load lines"); break;
    case TabValueStyle::selected: key = Lkey("Current page"); break;
  }
  return QString::fromStdString(L(key));
}

QString detail(TabValueStyle style) {
  const char* key = Lkey("Each tab shows its number all the time.");
  switch (style) {
    case TabValueStyle::always: key = Lkey("Each tab shows its number all the time."); break;
    case TabValueStyle::hover: key = Lkey("Tabs show only their name. Point at one to see its number."); break;
    case TabValueStyle::alert: key = Lkey("A dot appears on a tab when that part of your computer is unusually busy."); break;
    case TabValueStyle::bars: key = Lkey("A short line under each tab grows as that part gets busier."); break;
    case TabValueStyle::selected: key = Lkey("Only the page you are on shows its number."); break;
  }
  return QString::fromStdString(L(key));
}

}  // namespace qel
