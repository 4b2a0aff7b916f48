#include "Qel/Sheets/Export/ExportSheet.hpp"

#include <QAbstractButton>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMimeData>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/Divider.hpp"
#include "Qel/Kit/Widgets/PillButton.hpp"
#include "Qel/Kit/Widgets/PillSegment.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Kit/Widgets/TextButton.hpp"
#include "Qel/Sheets/Export/ExportSwitch.hpp"
#include "Qel/Sheets/Export/PosterPreview.hpp"
#include "Qel/Sheets/Export/SaveDialog.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

QWidget* option(const QString& title, const QString& detail, QWidget* control, QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* column = Layouts::column(row);
  auto* line = new QHBoxLayout;
  line->setContentsMargins(0, Space::linePadY, 0, Space::linePadY);
  line->setSpacing(Space::card);
  auto* texts = new QVBoxLayout;
  texts->setSpacing(Space::xxs);
  auto* t = new PlainLabel(title, Type::body, QFont::Medium, Palette::primaryText(), row);
  t->setWordWrap(true);  // a long title in some languages leaves its control the room
  texts->addWidget(t);
  if (!detail.isEmpty()) {
    auto* d = new PlainLabel(detail, Type::footnote, QFont::Normal, Palette::tertiaryText(), row);
    d->setWordWrap(true);
    texts->addWidget(d);
  }
  line->addLayout(texts, 1);
  line->addSpacing(Space::m);
  control->setParent(row);
  line->addWidget(control, 0, Qt::AlignVCenter);
  column->addLayout(line);
  column->addWidget(new Divider(row));
  return row;
}

QWidget* body() {
  auto* body = new QWidget;
  auto* column = new QVBoxLayout(body);
  column->setContentsMargins(Space::sheet, 0, Space::sheet, Space::sheet);
  column->setSpacing(Space::xxl);
  return body;
}

}  // namespace

ExportSheet::ExportSheet(NavigationState navigation, DayState day, Navigator& navigator, PosterData data,
                         QWidget* parent)
    : SheetFrame(navigation, 680,
                 {.kind = SheetHeader::Kind::framed,
                  .title = qs(L("Export this day as an image")),
                  .subtitle = qs(L("Saves the ring for this day as a 1080 × 1080 picture."))},
                 body(), 470,
                 [&navigator] { navigator.setExporting(std::nullopt); }, parent),
      navigation_(navigation),
      day_(day),
      navigator_(navigator),
      data_(std::move(data)),
      askPath_([](QWidget* parent, const QString& proposed) {
        return askSavePath(parent, proposed, QStringLiteral("PNG (*.png)"));
      }) {
  QWidget* content = scrollArea()->widget();
  auto* column = static_cast<QVBoxLayout*>(content->layout());

  auto* row = new QHBoxLayout;
  row->setSpacing(Space::sheet);
  preview_ = new PosterPreview(data_, options_, content);
  row->addWidget(preview_, 0, Qt::AlignTop);
  row->addLayout(buildOptions(content), 1);
  column->addLayout(row);
  connect(apps_, &QAbstractButton::toggled, this, [this](bool on) {
    options_.showApps = on;
    changed();
  });
  connect(dots_, &QAbstractButton::toggled, this, [this](bool on) {
    options_.showDots = on;
    changed();
  });

  buildFooter();
}

// The theme, the two switches and the note on what the picture never shows.
QLayout* ExportSheet::buildOptions(QWidget* content) {
  auto* options = new QVBoxLayout;
  options->setSpacing(0);
  theme_ = new PillSegment;
  theme_->setOptions<bool>({{true, qs(L("Deep sea"))}, {false, qs(L("Ink"))}}, [this] { return options_.sea; },
                           [this](const bool& sea) {
                             options_.sea = sea;
                             changed();
                           });
  options->addWidget(option(qs(L("Background")), {}, theme_, content));
  apps_ = new ExportSwitch(qs(L("Show app names")));
  options->addWidget(option(qs(L("Show app names")), qs(L("When off, no app name appears in the picture")), apps_, content));
  dots_ = new ExportSwitch(qs(L("Show event dots")));
  options->addWidget(option(qs(L("Show event dots")), qs(L("The things worth a look on this day")), dots_, content));
  options->addSpacing(Space::card);
  auto* note = new PlainLabel(qs(L("The picture contains only the usage rings and what is switched on above. It never "
                                  "includes window titles, file names or network addresses.")),
                              Type::footnote, QFont::Normal, Palette::tertiaryText(), content);
  note->setWordWrap(true);
  options->addWidget(note);
  options->addStretch(1);
  return options;
}

// The divider and the buttons stay below the body, never scrolled away.
void ExportSheet::buildFooter() {
  auto* frame = static_cast<QVBoxLayout*>(layout());
  frame->addWidget(new Divider(this));
  auto* bar = new QHBoxLayout;
  bar->setContentsMargins(Space::sheet, Space::xl, Space::sheet, Space::xl);
  auto* copy = new TextButton(qs(L("Copy image")), Fonts::text(Type::body, QFont::Medium), this);
  copy->setColor(accentText(navigation_.page()));
  copy_ = copy;
  save_ = PillButton::primary(qs(L("Save image…")), this);
  bar->addWidget(copy_);
  bar->addStretch(1);
  bar->addWidget(save_);
  frame->addLayout(bar);
  connect(copy_, &QAbstractButton::clicked, this, &ExportSheet::copy);
  connect(save_, &QAbstractButton::clicked, this, &ExportSheet::save);
}

void ExportSheet::changed() {
  theme_->refresh();
  preview_->update();
}

QString ExportSheet::proposedName() const {
  return QStringLiteral("Qel-%1.png").arg(qs(day_.viewDay().value_or(day_.todayKey())));
}

QString ExportSheet::proposedPath() const {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
  return QDir(folder).filePath(proposedName());
}

void ExportSheet::keyPressEvent(QKeyEvent* event) {
  const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
  if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    event->accept();
    save();
    return;
  }
  SheetFrame::keyPressEvent(event);
}

void ExportSheet::save() {
  const QByteArray bytes = png();
  if (bytes.isEmpty()) return navigator_.show(L("Couldn't create the image"));
  const QString path = askPath_(this, proposedPath());
  if (path.isEmpty()) return;
  if (!writeFileSafely(path, bytes)) return navigator_.show(L("Couldn't save the image"));
  navigator_.setExporting(std::nullopt);
  navigator_.show(L("Image saved"));
}

void ExportSheet::copy() {
  const QByteArray bytes = png();
  if (bytes.isEmpty()) return navigator_.show(L("Couldn't create the image"));
  QClipboard* clipboard = QGuiApplication::clipboard();
  auto* mime = new QMimeData;
  mime->setData(QStringLiteral("image/png"), bytes);
  clipboard->setMimeData(mime);
  // A clipboard that refused the data must not be reported as a copy.
  const QMimeData* held = clipboard->mimeData();
  if (!held || held->data(QStringLiteral("image/png")) != bytes) return navigator_.show(L("Couldn't copy the image"));
  navigator_.setExporting(std::nullopt);
  navigator_.show(L("Copied to the clipboard"));
}

}  // namespace qel
