#include "Qel/Window/TopBar.hpp"

#include <QBoxLayout>

#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Window/CircleIconButton.hpp"

namespace qel {

namespace {

QString text(const char* key) { return QString::fromStdString(L(key)); }

// The width `w` takes with its capsules in `form`: a row is its shown items side by side, the
// items of a row inside it likewise. Worked out from the items themselves, since a row's own
// size hint lags a turn behind its items' changes.
int widthOf(const QWidget* w, CapsuleButton::Form form) {
  if (const auto* capsule = qobject_cast<const CapsuleButton*>(w)) return capsule->widthAt(form);
  const auto* row = qobject_cast<const QBoxLayout*>(w->layout());
  if (!row) return w->sizeHint().width();
  const QMargins m = row->contentsMargins();
  int width = m.left() + m.right(), shown = 0;
  for (int i = 0; i < row->count(); ++i) {
    const QWidget* item = row->itemAt(i)->widget();
    if (!item || item->isHidden()) continue;
    width += widthOf(item, form) + (shown++ > 0 ? row->spacing() : 0);
  }
  return width;
}

}  // namespace

TopBar::TopBar(const ViewContext& context, const ViewRegistry& registry, QWidget* parent)
    : QWidget(parent),
      replay_(new CircleIconButton("clock.arrow.circlepath",
                                   text(Lkey("What just happened: replay the last 60 seconds (Ctrl+Alt+E)")),
                                   text(Lkey("What just happened")), this)),
      settings_(new CircleIconButton("gearshape", text(Lkey("Settings")), text(Lkey("Settings")), this)) {
  auto* row = Layouts::row(this, Space::s);
  for (const auto& item : registry.topBarItems())
    if (QWidget* w = item(context, this)) row->addWidget(w, 0, Qt::AlignVCenter);
  row->addWidget(replay_, 0, Qt::AlignVCenter);
  row->addWidget(settings_, 0, Qt::AlignVCenter);
  connect(replay_, &QAbstractButton::clicked, this, [&registry] { registry.replay(); });
  Navigator& navigator = context.navigator;
  connect(settings_, &QAbstractButton::clicked, this, [&navigator] { navigator.openSettings(); });
}

void TopBar::setForm(CapsuleButton::Form form) {
  form_ = form;
  for (CapsuleButton* capsule : findChildren<CapsuleButton*>()) capsule->setForm(form);
}

int TopBar::widthAt(CapsuleButton::Form form) const { return widthOf(this, form); }

}  // namespace qel
