#include "Qel/Sheets/Reports/StretchSheet.hpp"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "Qel/Kit/Charts/Sparkline.hpp"
#include "Qel/Kit/Charts/ThinBar.hpp"
#include "Qel/Kit/Follow.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/AskFirst.hpp"
#include "Qel/Kit/Widgets/DetailCell.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Kit/Widgets/TextButton.hpp"
#include "Qel/Kit/Widgets/WashBox.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Sheets/Reports/StretchNameField.hpp"
#include "Qel/Sheets/Reports/StretchReport.hpp"
#include "Qel/Sheets/SheetFrame.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

QString loc(std::string_view key, const std::vector<std::string>& args = {}) { return qs(L(key, args)); }

constexpr int kOtherListHeight = 112;
constexpr int kBarWidth = 160, kShareWidth = 44;

QWidget* appRow(const StretchApp& app, QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* line = new QHBoxLayout(row);
  line->setContentsMargins(0, Space::m, 0, Space::m);
  line->setSpacing(Space::l);
  // One line: what does not fit beside the bar is cut off at the end.
  const QFont nameFont = Fonts::text(Type::body, QFont::Medium);
  const int room = ReportSheet::kWidth - 2 * Space::sheet - 3 * Space::l - Space::m - kBarWidth - kShareWidth;
  auto* name = new PlainLabel(QFontMetricsF(nameFont).elidedText(qs(displayName(app.name)), Qt::ElideRight, room),
                              Type::body, QFont::Medium, Palette::primaryText(), row);
  line->addWidget(name);
  line->addStretch(1);  // with the spacing beside it, at least 8
  auto* bar = new ThinBar(app.share, Palette::cpu(), row);
  bar->setFixedWidth(kBarWidth);
  line->addWidget(bar, 0, Qt::AlignVCenter);
  auto* share = new PlainLabel(qs(fmtPercent(app.share)), Type::body, QFont::Normal, Palette::primaryText(), row);
  share->setFixedWidth(kShareWidth);
  share->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  line->addWidget(share);
  return row;
}

}  // namespace

StretchSheet::StretchSheet(StretchState stretches, NavigationState navigation, Navigator& navigator,
                           StretchActions& actions, const Stretch& stretch, QWidget* parent)
    : ReportSheet(navigation, {}, std::nullopt, {},
                  loc(Lkey("Marks stay on the outside of the ring so you can look back.")),
                  [this] {
                    save();
                    navigator_.setStretchReport(std::nullopt);
                  },
                  parent),
      stretches_(stretches),
      navigation_(navigation),
      navigator_(navigator),
      actions_(actions),
      stretch_(stretch) {
  buildHeading();
  buildFigures();
  if (!stretch_.top.empty()) buildApps();
  if (const auto others = stretches_.otherStretches(stretch_); !others.empty()) buildOtherMarks(others);
  buildFooter();
}

// The name to edit and the subtitle under it.
void StretchSheet::buildHeading() {
  name_ = new StretchNameField(this);
  name_->setPlaceholderText(loc(Lkey("Name this stretch")));
  name_->setText(qs(stretch_.name));
  name_->setCursorPosition(0);
  titles()->addWidget(name_);
  subtitle_ = new PlainLabel(qs(StretchReport::subtitle(stretch_)), Type::body, QFont::Normal, Palette::secondaryText(), this);
  subtitle_->setWordWrap(true);
  subtitle_->setIndent(StretchNameField::kInset);
  titles()->addWidget(subtitle_);
}

// The three figures and the CPU chart.
void StretchSheet::buildFigures() {
  auto* figures = new QHBoxLayout;
  figures->setSpacing(Space::m);
  figures->addWidget(new DetailCell(loc(Lkey("CPU peak")), qs(fmtPercent(stretch_.peak)), this), 1);
  figures->addWidget(new DetailCell(loc(Lkey("CPU average")), qs(fmtPercent(stretch_.average)), this), 1);
  figures->addWidget(new DetailCell(loc(Lkey("Energy used")), qs(fmtWattHours(stretch_.wattHours)), this), 1);
  blocks()->addLayout(figures);

  auto* ground = new WashBox(Palette::adaptiveOpacity(0.05, 0.05), 10, this);
  auto* groundLayout = Layouts::flush(new QVBoxLayout(ground));
  auto* chart = new Sparkline(Palette::cpu(), 1.0, ground);
  chart->setValues(stretch_.series);
  chart->setFixedHeight(90);
  chart->setAccessibleName(loc(Lkey("CPU usage during this stretch")));
  groundLayout->addWidget(chart);
  blocks()->addWidget(ground);
}

void StretchSheet::buildApps() {
  auto* apps = new QVBoxLayout;
  apps->setSpacing(Space::m);
  apps->addWidget(
      new PlainLabel(loc(Lkey("Who used the most")), Type::callout, QFont::DemiBold, Palette::primaryText(), this));
  auto* rows = new QVBoxLayout;
  rows->setSpacing(0);
  for (const auto& app : stretch_.top) {
    appRows_.push_back(appRow(app, this));
    rows->addWidget(appRows_.back());
  }
  apps->addLayout(rows);
  blocks()->addLayout(apps);
}

void StretchSheet::buildOtherMarks(const std::vector<Stretch>& others) {
  auto* section = new QVBoxLayout;
  section->setSpacing(Space::m);
  section->addWidget(
      new PlainLabel(loc(Lkey("Other marks that day")), Type::callout, QFont::DemiBold, Palette::primaryText(), this));
  // The wash is the list's own: the scroll area's viewport would cover one behind it.
  auto* list = new WashBox(Palette::adaptiveOpacity(0.045, 0.045), 12);
  auto* rows = Layouts::column(list);
  for (const auto& other : others) {
    auto* row = new OtherMarkRow(other, list);
    connect(row, &QAbstractButton::clicked, this, [this, pick = other] {
      save();
      navigator_.setStretchReport(pick);
    });
    otherRows_.push_back(row);
    rows->addWidget(row);
  }
  auto* scroll = new FittedScrollArea(list, kOtherListHeight, kOtherListHeight, this);
  otherList_ = scroll;
  section->addWidget(scroll);
  blocks()->addLayout(section);
}

void StretchSheet::buildFooter() {
  // The footer: "Delete this mark", the hint, and Done; the spacing is the gap of at least 12.
  footer()->setSpacing(Space::card);
  auto* remove = new TextButton(loc(Lkey("Delete this mark")), Fonts::text(Type::body, QFont::Medium), this);
  remove->setColor(accentText(navigation_.page()));
  connect(remove, &QAbstractButton::clicked, this, [this] {
    askFirst(this, QStringLiteral("deleteMarkConfirmation"), loc(Lkey("Delete this mark?")),
             loc(Lkey("This can't be undone.")), loc(Lkey("Delete this mark")),
             [&actions = actions_, stretch = stretch_] { actions.deleteStretch(stretch); });
  });
  delete_ = remove;
  footer()->insertWidget(0, remove, 0, Qt::AlignVCenter);
  hint()->setFont(Fonts::text(Type::footnote));
  hint()->setColor(Palette::tertiaryText());
  follow(navigation_.changed(), remove, [this, remove] { remove->setColor(accentText(navigation_.page())); });
}

QString StretchSheet::subtitle() const { return subtitle_->text(); }

void StretchSheet::save() { actions_.rename(stretch_, name_->text().toStdString()); }

void StretchSheet::returnPressed(QObject* receiver) {
  // In the name field Return saves the name and leaves the sheet open; elsewhere it is Done's,
  // as in the other reports.
  if (receiver == name_)
    save();
  else
    closeSheet();
}

bool StretchSheet::eventFilter(QObject* watched, QEvent* event) {
  // Escape saves before it closes, which the window's own Escape would not.
  if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == window() &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    closeSheet();
    return true;
  }
  return ReportSheet::eventFilter(watched, event);
}

}  // namespace qel
