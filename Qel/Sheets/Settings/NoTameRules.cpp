#include "Qel/Sheets/Settings/NoTameRules.hpp"

#include <QVBoxLayout>

#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Sheets/SettingParts/SettingGroup.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

NoTameRules::NoTameRules(QWidget* parent) : QWidget(parent) {
  auto* column = Layouts::column(this, Space::m);
  column->addWidget(new PlainLabel(qs(L("When not in front")), Type::callout, QFont::DemiBold, Palette::primaryText(), this));
  auto* card = new SettingGroup(this);
  auto* text = new PlainLabel(qs(L("No rules yet. In the details of any process, you can set its app to slow down "
                                  "or pause when it is not in front.")),
                              Type::body, QFont::Normal, Palette::tertiaryText(), card);
  text->setWordWrap(true);
  card->column()->setContentsMargins(Space::xl, Space::xl, Space::xl, Space::xl);
  card->column()->addWidget(text);
  column->addWidget(card);
}

}  // namespace qel
