#include "Qel/Sheets/ExportSheet.hpp"

#include <QAbstractButton>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "Qel/Kit/FocusRing.hpp"
#include "Qel/Kit/Fonts.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/Palette.hpp"
#include "Qel/Kit/PillButton.hpp"
#include "Qel/Kit/PillSegment.hpp"
#include "Qel/Kit/PlainLabel.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/TextButton.hpp"
#include "Qel/Sheets/PosterPreview.hpp"
#include "Qel/Sheets/SaveDialog.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

// An on/off switch: a capsule track with a round knob, the accent colour when on.
class Switch : public QAbstractButton {
 public:
  Switch(const QString& name, QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    setChecked(true);
    setAccessibleName(name);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(40, 24);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    p.setPen(focusRingShown(this) ? QPen(Palette::secondaryText().resolve(), 1.5) : Qt::NoPen);
    p.setBrush(isChecked() ? Palette::calmDeep() : Palette::adaptiveOpacity(0.18, 0.2).resolve());
    p.drawRoundedRect(track, track.height() / 2, track.height() / 2);
    const double d = track.height() - 4;
    const double x = isChecked() ? track.right() - 2 - d : track.left() + 2;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(x, track.top() + 2, d, d));
  }
};

// A 1-pixel line that follows the appearance.
class Hairline : public QWidget {
 public:
  explicit Hairline(QWidget* parent) : QWidget(parent) { setFixedHeight(1); }

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Palette::adaptiveOpacity(0.08, 0.07).resolve()); }
};

QWidget* hairline(QWidget* parent) { return new Hairline(parent); }

QWidget* option(const QString& title, const QString& detail, QWidget* control, QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* column = new QVBoxLayout(row);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  auto* line = new QHBoxLayout;
  line->setContentsMargins(0, 11, 0, 11);
  line->setSpacing(14);
  auto* texts = new QVBoxLayout;
  texts->setSpacing(2);
  texts->addWidget(new PlainLabel(title, 13, QFont::Medium, Palette::primaryText(), row));
  if (!detail.isEmpty()) {
    auto* d = new PlainLabel(detail, 12, QFont::Normal, Palette::tertiaryText(), row);
    d->setWordWrap(true);
    texts->addWidget(d);
  }
  line->addLayout(texts, 1);
  line->addSpacing(8);
  control->setParent(row);
  line->addWidget(control, 0, Qt::AlignVCenter);
  column->addLayout(line);
  column->addWidget(hairline(row));
  return row;
}

QWidget* body() {
  auto* body = new QWidget;
  auto* column = new QVBoxLayout(body);
  column->setContentsMargins(24, 0, 24, 18);
  column->setSpacing(18);
  return body;
}

}  // namespace

ExportSheet::ExportSheet(Store& store, PosterData data, QWidget* parent)
    : SheetFrame(store, 680, qs(L("Export this day as an image")), body(), 470,
                 [&store] { store.setExporting(std::nullopt); }, parent),
      store_(store),
      data_(std::move(data)),
      askPath_([](QWidget* parent, const QString& proposed) {
        return askSavePath(parent, proposed, QStringLiteral("PNG (*.png)"));
      }) {
  QWidget* content = scrollArea()->widget();
  auto* column = static_cast<QVBoxLayout*>(content->layout());
  auto* lead = new PlainLabel(qs(L("Saves the ring for this day as a 1080 × 1080 picture.")), 13, QFont::Normal,
                              Palette::secondaryText(), content);
  column->addWidget(lead);

  auto* row = new QHBoxLayout;
  row->setSpacing(24);
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
  apps_ = new Switch(qs(L("Show app names")), nullptr);
  options->addWidget(option(qs(L("Show app names")), qs(L("When off, no app name appears in the picture")), apps_, content));
  dots_ = new Switch(qs(L("Show event dots")), nullptr);
  options->addWidget(option(qs(L("Show event dots")), qs(L("The things worth a look on this day")), dots_, content));
  options->addSpacing(14);
  auto* note = new PlainLabel(qs(L("The picture contains only the usage rings and what is switched on above. It never "
                                  "includes window titles, file names or network addresses.")),
                              12, QFont::Normal, Palette::tertiaryText(), content);
  note->setWordWrap(true);
  options->addWidget(note);
  options->addStretch(1);
  return options;
}

// The divider and the buttons stay below the body, never scrolled away.
void ExportSheet::buildFooter() {
  auto* frame = static_cast<QVBoxLayout*>(layout());
  frame->addWidget(hairline(this));
  auto* bar = new QHBoxLayout;
  bar->setContentsMargins(24, 16, 24, 16);
  auto* copy = new TextButton(qs(L("Copy image")), Fonts::text(13, QFont::Medium), this);
  copy->setColor(accentText(store_.page()));
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
  return QStringLiteral("Qel-%1.png").arg(qs(store_.viewDay().value_or(store_.todayKey())));
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
  if (bytes.isEmpty()) return store_.show(L("Couldn't create the image"));
  const QString path = askPath_(this, proposedPath());
  if (path.isEmpty()) return;
  if (!writeFileSafely(path, bytes)) return store_.show(L("Couldn't save the image"));
  store_.setExporting(std::nullopt);
  store_.show(L("Image saved"));
}

void ExportSheet::copy() {
  const QByteArray bytes = png();
  if (bytes.isEmpty()) return store_.show(L("Couldn't create the image"));
  QClipboard* clipboard = QGuiApplication::clipboard();
  auto* mime = new QMimeData;
  mime->setData(QStringLiteral("image/png"), bytes);
  clipboard->setMimeData(mime);
  // A clipboard that refused the data must not be reported as a copy.
  const QMimeData* held = clipboard->mimeData();
  if (!held || held->data(QStringLiteral("image/png")) != bytes) return store_.show(L("Couldn't copy the image"));
  store_.setExporting(std::nullopt);
  store_.show(L("Copied to the clipboard"));
}

}  // namespace qel
