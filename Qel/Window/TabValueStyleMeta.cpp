#include "Qel/Window/TabValueStyleMeta.hpp"

#include "Qel/Text/Loc.hpp"

namespace qel {

QString title(TabValueStyle style) {
  const char* key = "Always";
  switch (style) {
    case TabValueStyle::always: key = "Always"; break;
    case TabValueStyle::hover: key = "On hover"; break;
    case TabValueStyle::alert: key = "When unusual"; break;
    case TabValueStyle::bars: key = "Load lines"; break;
    case TabValueStyle::selected: key = "Current page"; break;
  }
  return QString::fromStdString(L(key));
}

QString detail(TabValueStyle style) {
  const char* key = "Each tab shows its number all the time.";
  switch (style) {
    case TabValueStyle::always: key = "Each tab shows its number all the time."; break;
    case TabValueStyle::hover: key = "Tabs show only their name. Point at one to see its number."; break;
    case TabValueStyle::alert: key = "A dot appears on a tab when that part of your computer is unusually busy."; break;
    case TabValueStyle::bars: key = "A short line under each tab grows as that part gets busier."; break;
    case TabValueStyle::selected: key = "Only the page you are on shows its number."; break;
  }
  return QString::fromStdString(L(key));
}

}  // namespace qel
