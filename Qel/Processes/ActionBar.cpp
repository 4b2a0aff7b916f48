#include "Qel/Processes/ActionBar.hpp"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Kit/Widgets/TextButton.hpp"
#include "Qel/Processes/SelectionEndButton.hpp"
#include "Qel/Store/Parts/Navigator.hpp"
#include "Qel/Store/Parts/ProcessActions.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

SelectionCounts selectionCounts(const std::vector<ProcInfo>& procs, const std::set<std::int32_t>& selection) {
  SelectionCounts c;
  for (const auto& p : procs) {
    if (!selection.count(p.pid)) continue;
    ++c.chosen;
    if (p.isSystem)
      ++c.skipped;
    else
      c.endable.push_back(p.pid);
  }
  return c;
}

ActionBar::ActionBar(ProcessState processes, NavigationState navigation, Navigator& navigator, ProcessActions& actions,
                     QWidget* parent)
    : QWidget(parent), processes_(processes), navigation_(navigation), navigator_(navigator), actions_(actions) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(Space::xxl, Space::m, Space::m, Space::m);
  row->setSpacing(Space::card);
  auto* column = new QVBoxLayout();
  column->setSpacing(Space::hair);
  count_ = new PlainLabel({}, Type::body, QFont::DemiBold, Palette::primaryText(), this);
  note_ = new PlainLabel({}, Type::footnote, QFont::Normal, Palette::tertiaryText(), this);
  column->addWidget(count_);
  column->addWidget(note_);
  row->addLayout(column);
  cancel_ = new TextButton(qs(L("Cancel")), Fonts::text(Type::body, QFont::Medium), this);
  end_ = new SelectionEndButton(this);
  row->addWidget(cancel_);
  row->addWidget(end_);
  connect(cancel_, &QAbstractButton::clicked, this, [this] { navigator_.setSelection({}); });
  connect(end_, &QAbstractButton::clicked, this, [this] {
    const SelectionCounts c = selectionCounts(processes_.procs(), processes_.selection());
    if (!c.endable.empty()) actions_.quit(c.endable, false);
  });
  Palette::followAppearance(this);
  refresh();
}

const QString& ActionBar::countText() const { return countText_; }
const QString& ActionBar::noteText() const { return noteText_; }

void ActionBar::refresh() {
  const SelectionCounts c = selectionCounts(processes_.procs(), processes_.selection());
  countText_ = qs(Ln("%n selected", c.chosen));
  noteText_ = c.skipped < 1 ? qs(L("Unsaved changes may be lost"))
                            : qs(Ln("%n system processes will be skipped", c.skipped));
  if (count_->text() != countText_) count_->setText(countText_);
  if (note_->text() != noteText_) note_->setText(noteText_);
  const QString endText = qs(Ln("End %n processes", c.endable.size()));
  if (end_->text() != endText) {
    end_->setText(endText);
    end_->updateGeometry();
  }
  end_->setEnabled(!c.endable.empty());
  cancel_->setColor(accentText(navigation_.page()));
  adjustSize();
}

void ActionBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  // The bar's shadow falls within its own margin (the table leaves room for it).
  const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  const double r = box.height() / 2;
  const QColor fill = Palette::withAlpha(Palette::selectionBarGround().resolve(), 0.94);
  p.setPen(QPen(Palette::adaptiveOpacity(0.14, 0.14).resolve(), 0.5));
  p.setBrush(fill);
  p.drawRoundedRect(box, r, r);
}

}  // namespace qel
