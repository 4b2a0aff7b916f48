#include "Qel/Sheets/WhatsNewSheet.hpp"

#include <QHBoxLayout>

#include <array>
#include <QVBoxLayout>

#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Sheets/Badge.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Updates/Updater.hpp"

namespace qel {

namespace {

QString text(const char* key) { return QString::fromStdString(L(key)); }

struct KindLook {
  ChangeNote::Kind kind;
  const char* badge;
  QColor tint;
};

std::array<KindLook, 3> kinds() {
  return {{{ChangeNote::Kind::newFeature, Lkey("New"), Palette::calm()},
           {ChangeNote::Kind::improved, Lkey("Improved"), Palette::net()},
           {ChangeNote::Kind::fixed, Lkey("Fixed"), Palette::warn()}}};
}

QWidget* noteLine(const ChangeNote& note, QWidget* parent) {
  auto* line = new QWidget(parent);
  auto* row = Layouts::row(line, Space::noteGap);
  auto* bullet = new PlainLabel(QStringLiteral("•"), Type::body, QFont::Normal, Palette::tertiaryText(), line);
  auto* label = new PlainLabel(QString::fromStdString(note.text), Type::body, QFont::Normal, Palette::primaryText(), line);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  row->addWidget(bullet, 0, Qt::AlignTop);
  row->addWidget(label, 1, Qt::AlignTop);
  return line;
}

QWidget* releaseBlock(const ReleaseNotes& release, QWidget* parent) {
  auto* block = new QWidget(parent);
  auto* column = Layouts::column(block, Space::card);
  auto* title = new QHBoxLayout;
  title->setSpacing(Space::m);
  title->addWidget(
      new PlainLabel(QString::fromStdString(release.number), Type::title2, QFont::DemiBold, Palette::primaryText(), block), 0,
      Qt::AlignBaseline);
  if (release.beta)
    title->addWidget(
        new PlainLabel(QString::fromStdString(*release.beta), Type::body, QFont::Medium, Palette::secondaryText(), block), 0,
        Qt::AlignBaseline);
  title->addStretch(1);
  column->addLayout(title);
  for (const auto& look : kinds()) {
    std::vector<const ChangeNote*> notes;
    for (const auto& n : release.notes)
      if (n.kind == look.kind) notes.push_back(&n);
    if (notes.empty()) continue;  // no badge for a kind without lines
    auto* section = new QVBoxLayout;
    section->setSpacing(Space::noteGap);
    section->addWidget(new Badge(text(look.badge), look.tint, block), 0, Qt::AlignLeft);
    for (const ChangeNote* n : notes) section->addWidget(noteLine(*n, block));
    column->addLayout(section);
  }
  return block;
}

QWidget* releaseList(const std::vector<ReleaseNotes>& releases) {
  auto* list = new QWidget;
  auto* column = new QVBoxLayout(list);
  column->setContentsMargins(Space::sheetWide, 0, Space::sheetWide, Space::sheetWide);
  column->setSpacing(Space::noteColumnGap);
  for (const auto& r : releases) column->addWidget(releaseBlock(r, list));
  column->addStretch(1);
  return list;
}

}  // namespace

WhatsNewSheet::WhatsNewSheet(NavigationState navigation, Updater& updater, QWidget* parent)
    : SheetFrame(navigation, 520, {.title = text(Lkey("What's new"))}, releaseList(updater.whatsNew()), 160,
                 [&updater] { updater.setShowingWhatsNew(false); }, parent) {}

}  // namespace qel
