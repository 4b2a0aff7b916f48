#include "Qel/Window/TopBar.hpp"

#include <QHBoxLayout>

#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Window/CircleIconButton.hpp"

namespace qel {

namespace {
QString text(const char* key) { return QString::fromStdString(L(key)); }
}  // namespace

TopBar::TopBar(const ViewContext& context, const ViewRegistry& registry, QWidget* parent)
    : QWidget(parent),
      replay_(new CircleIconButton("clock.arrow.circlepath",
                                   text(Lkey("What just happened: replay the last 60 seconds (Ctrl+Alt+E)")),
                                   text(Lkey("What just happened")), this)),
      settings_(new CircleIconButton("gearshape", text(Lkey("Settings")), text(Lkey("Settings")), this)) {
  auto* row = Layouts::row(this, Space::m);
  for (const auto& item : registry.topBarItems())
    if (QWidget* w = item(context, this)) row->addWidget(w, 0, Qt::AlignVCenter);
  row->addWidget(replay_, 0, Qt::AlignVCenter);
  row->addWidget(settings_, 0, Qt::AlignVCenter);
  connect(replay_, &QAbstractButton::clicked, this, [&registry] { registry.replay(); });
  Navigator& navigator = context.navigator;
  connect(settings_, &QAbstractButton::clicked, this, [&navigator] { navigator.openSettings(); });
}

}  // namespace qel
