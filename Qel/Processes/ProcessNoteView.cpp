#include "Qel/Processes/ProcessNoteView.hpp"

#include <QDesktopServices>
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
#include "Qel/Platform/Desktop/AppKeyName.hpp"
#include "Qel/Platform/Desktop/AppRegistry.hpp"
#include "Qel/Platform/Proc/ProcPidCmdline.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
ProcessNoteView::ProcessNoteView(const ProcessState& processes, const ProcInfo& proc, QWidget* parent)
    : QWidget(parent), open_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
  const std::string appName = isAppKey(proc.appKey) ? appKeyName(processes.apps(), proc.appKey) : std::string();
  // What kind of helper a process is, the sampler leaves to the one view that tells it.
  ProcInfo shown = proc;
  if (shown.childType.empty() && shown.startTime != 0)
    shown.childType = readChildType(SysRoot{}, proc.pid, proc.startTime);
  note_ = Glossary::describe(shown, appName);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(Space::l, Space::ml, Space::l, Space::ml);
  column->setSpacing(Space::xs);
  column->addWidget(
      new PlainLabel(qs(L("What is this")), Type::footnote, QFont::Normal, Palette::tertiaryText(), this));
  summary_ = new PlainLabel(qs(note_.summary), Type::body, QFont::Normal, Palette::primaryText(), this);
  advice_ = new PlainLabel(qs(note_.advice), Type::body, QFont::Normal, Palette::secondaryText(), this);
  for (PlainLabel* text : {summary_, advice_}) {
    text->setWordWrap(true);
    column->addWidget(text);
  }
  if (!note_.known) url_ = Glossary::searchURL(proc);
  if (url_) {
    auto* button =
        new TextButton(qs(L("Look up this process online")), Fonts::text(Type::body, QFont::Medium), this);
    button->setColor(accentText(Page::cpu));
    column->addSpacing(Space::xxs);
    column->addWidget(button, 0, Qt::AlignLeft);
    connect(button, &QAbstractButton::clicked, this, [this] {
      if (url_ && open_) open_(*url_);
    });
    lookUp_ = button;
  }
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
  Palette::followAppearance(this);
}

void ProcessNoteView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::adaptiveOpacity(0.045, 0.045).resolve());
  p.drawRoundedRect(QRectF(rect()), Radius::cardSmall, Radius::cardSmall);
}

}  // namespace qel
