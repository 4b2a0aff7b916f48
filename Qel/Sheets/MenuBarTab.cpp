// The menu-bar tab: which readings stand beside the tray icon, which of the fifteen styles the
// icon uses (each cell a live picture, the runners running at the pace of the load), and a
// preview of the result.
#include <QGraphicsOpacityEffect>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <array>
#include <cmath>
#include <optional>

#include "Qel/Kit/FocusRing.hpp"
#include "Qel/Kit/Fonts.hpp"
#include "Qel/Kit/MenuIcons.hpp"
#include "Qel/Kit/Palette.hpp"
#include "Qel/Kit/PlainLabel.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/RunnerPlayer.hpp"
#include "Qel/Kit/WrappedText.hpp"
#include "Qel/Sheets/SettingParts.hpp"
#include "Qel/Sheets/SettingsTabs.hpp"
#include "Qel/Store/MenuBarPart.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {


AdaptiveColor invertedFill() { return {Palette::ink(), QColor(Qt::white)}; }
AdaptiveColor invertedText() { return {QColor(Qt::white), Palette::ink()}; }

// Whether the tray shows its icon: asked for, or nothing else to show.
bool iconShown(const Store& store) {
  return store.menuItems().count("ring") > 0 || menuBarText(store.menuBarParts()).empty();
}

MenuIconStyle chosenStyle(const Store& store) {
  return menuIconStyleFromRaw(store.menuIconStyle()).value_or(MenuIconStyle::auto_);
}

// `image` (a picture drawn in any one colour) in `ink`, centred in `box`.
void drawTinted(QPainter& p, const QImage& image, const QRectF& box, const QColor& ink) {
  if (image.isNull()) return;
  QImage tinted = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  {
    QPainter t(&tinted);
    t.setCompositionMode(QPainter::CompositionMode_SourceIn);
    t.fillRect(tinted.rect(), ink);
  }
  const QSizeF size = QSizeF(image.size()) / image.devicePixelRatio();
  p.drawImage(QRectF(box.center() - QPointF(size.width(), size.height()) / 2, size), tinted);
}

// A style's live picture: the drawn styles re-rendered on each tick, a runner's frames from
// its own player, whose timer runs only while the picture is on screen.
class StylePicture {
 public:
  StylePicture(QWidget* owner) : owner_(owner), player_([this](const QImage& frame) {
    image_ = frame;
    owner_->update();
  }) {}

  void sync(const Store& store, MenuIconStyle style) {
    style_ = style;
    const double dpr = owner_->devicePixelRatioF();
    if (isRunner(style)) {
      if (owner_->isVisible()) player_.sync(style, store.cpu().total, Qt::black, dpr);
      return;
    }
    player_.stop();
    const MenuIconInputs inputs{.busy = store.menuBusy(), .cpuHist = store.cpuHist(), .cpu = store.cpu().total};
    QImage next = menuIcon(style, inputs, Qt::black, dpr);
    if (next != image_) {
      image_ = std::move(next);
      owner_->update();
    }
  }
  void stop() { player_.stop(); }
  const QImage& image() const { return image_; }
  MenuIconStyle style() const { return style_; }

 private:
  QWidget* owner_;
  RunnerPlayer player_;
  QImage image_;
  MenuIconStyle style_ = MenuIconStyle::auto_;
};

class StyleCell : public QAbstractButton {
 public:
  StyleCell(MenuIconStyle style, QWidget* parent) : QAbstractButton(parent), style_(style), picture_(this) {
    setText(qs(menuIconTitle(style)));
    setAccessibleName(text());
    setAccessibleDescription(qs(menuIconDetail(style)));
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setMinimumWidth(84);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);  // a title too long for one line takes two
    setSizePolicy(policy);
    Palette::followAppearance(this);
  }

  QSize sizeHint() const override { return {84, heightForWidth(84)}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override {
    const QFontMetricsF fm(titleFont(width));
    return int(std::ceil(36 + std::max(fm.height(), wrappedHeight(fm, text(), width - 8)) + 10));
  }

  void sync(const Store& store) {
    store_ = &store;
    const bool on = store.menuIconStyle() == rawValue(style_);
    if (isChecked() != on) setChecked(on);
    picture_.sync(store, style_);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75);
    p.setPen(focusRingShown(this) ? QPen(Palette::secondaryText().resolve(), 1.5) : Qt::NoPen);
    p.setBrush((isChecked() ? invertedFill() : Palette::adaptiveOpacity(0.06, 0.06)).resolve());
    p.drawRoundedRect(r, 10, 10);
    const QColor pictureInk = (isChecked() ? invertedText() : Palette::primaryText()).resolve();
    drawTinted(p, picture_.image(), QRectF(0, 10, width(), 20), pictureInk);
    const QFont font = titleFont(width());
    p.setFont(font);
    p.setPen((isChecked() ? invertedText() : Palette::secondaryText()).resolve());
    const QFontMetricsF fm(font);
    p.drawText(QRectF(4, 36, width() - 8, height() - 46),
               Qt::AlignHCenter | Qt::AlignVCenter | wrapFlags(fm, text(), width() - 8), text());
  }
  void showEvent(QShowEvent* e) override {
    QAbstractButton::showEvent(e);
    if (store_) picture_.sync(*store_, style_);
  }
  void hideEvent(QHideEvent* e) override {
    picture_.stop();
    QAbstractButton::hideEvent(e);
  }

 private:
  // The title's font: semibold when picked (its room is the semibold's either way), set a little
  // smaller where one word is wider than the cell.
  QFont titleFont(int width) const {
    QFont font = shrunkToFit(11.5, QFont::DemiBold, 0.75,
                             [&](const QFontMetricsF& fm) { return wordsFit(fm, text(), width - 8); });
    if (!isChecked()) font.setWeight(QFont::Normal);
    return font;
  }

  MenuIconStyle style_;
  StylePicture picture_;
  const Store* store_ = nullptr;
};

// The tray item as it will look: the icon (when shown) and the text, on a faint wash. It never
// gets narrower while open, so changing figures do not shake the row.
class Preview : public QWidget {
 public:
  explicit Preview(QWidget* parent) : QWidget(parent), picture_(this) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    Palette::followAppearance(this);
  }

  void sync(const Store& store) {
    store_ = &store;
    const bool icon = iconShown(store);
    const QString text = qs(menuBarText(store.menuBarParts()));
    if (icon)
      picture_.sync(store, chosenStyle(store));
    else
      picture_.stop();
    if (icon != icon_ || text != text_) {
      icon_ = icon;
      text_ = text;
      updateGeometry();
      update();
    }
  }
  QSize sizeHint() const override {
    int w = 20;
    if (icon_) w += static_cast<int>(picture_.image().isNull() ? 18 : picture_.image().width() / picture_.image().devicePixelRatio());
    if (icon_ && !text_.isEmpty()) w += 4;
    if (!text_.isEmpty()) w += QFontMetrics(font()).horizontalAdvance(text_);
    widest_ = std::max(widest_, w);
    return {widest_, 28};
  }
  bool showsIcon() const { return icon_; }
  const QString& text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::adaptiveOpacity(0.06, 0.06).resolve());
    p.drawRoundedRect(QRectF(rect()), 6, 6);
    const QColor ink = Palette::primaryText().resolve();
    double x = width() - 10;  // laid out from the trailing edge, like the tray
    p.setFont(font());
    p.setPen(ink);
    if (!text_.isEmpty()) {
      const int w = p.fontMetrics().horizontalAdvance(text_);
      x -= w;
      p.drawText(QRectF(x, 0, w, height()), Qt::AlignVCenter | Qt::AlignLeft, text_);
      x -= 4;
    }
    if (icon_ && !picture_.image().isNull()) {
      const double w = picture_.image().width() / picture_.image().devicePixelRatio();
      drawTinted(p, picture_.image(), QRectF(x - w, 0, w, height()), ink);
    }
  }
  void showEvent(QShowEvent* e) override {
    QWidget::showEvent(e);
    if (store_) sync(*store_);
  }
  void hideEvent(QHideEvent* e) override {
    picture_.stop();
    QWidget::hideEvent(e);
  }
  void changeEvent(QEvent* e) override {
    if (e->type() == QEvent::FontChange) updateGeometry();
    QWidget::changeEvent(e);
  }

 private:
  StylePicture picture_;
  const Store* store_ = nullptr;
  bool icon_ = true;
  QString text_;
  mutable int widest_ = 0;
};

// A block of the card: padded 16 with a hairline under it.
class Block : public QWidget {
 public:
  explicit Block(QWidget* parent) : QWidget(parent), column_(new QVBoxLayout(this)) {
    column_->setContentsMargins(16, 16, 16, 16);
    column_->setSpacing(10);
    Palette::followAppearance(this);
  }
  QVBoxLayout* column() const { return column_; }

 protected:
  void paintEvent(QPaintEvent*) override { paintHairline(this); }

 private:
  QVBoxLayout* column_;
};

}  // namespace

TabBody* menuBarTab(const SettingsEnv& env) {
  Store& store = env.store;
  auto* body = new TabBody;
  auto* group = new SettingGroup(body);
  body->column()->addWidget(group);
  body->column()->addStretch(1);

  auto* items = new Block(group);
  items->column()->addWidget(new PlainLabel(qs(L("Show in the tray")), 13, QFont::Medium, Palette::primaryText(), items));
  items->column()->addWidget(new PlainLabel(qs(L("Pick any combination. With none selected, only the icon is shown.")),
                                            12, QFont::Normal, Palette::tertiaryText(), items));
  auto* chips = new QHBoxLayout;
  chips->setSpacing(6);
  const std::array<std::pair<const char*, QString>, 5> kItems{{{"ring", qs(L("Icon"))},
                                                              {"cpu", qs(L("CPU"))},
                                                              {"gpu", QStringLiteral("GPU")},
                                                              {"mem", qs(L("Memory"))},
                                                              {"net", qs(L("Net speed"))}}};
  for (const auto& [key, label] : kItems) {
    auto* chip = new WashButton(label, 12.5, items);
    chip->setObjectName(QString::fromLatin1(key));
    QObject::connect(chip, &QAbstractButton::clicked, chip, [&store, key = std::string(key)] {
      auto chosen = store.menuItems();
      if (!chosen.erase(key)) chosen.insert(key);
      store.setMenuItems(std::move(chosen));
    });
    body->onSync([chip, &store, key = std::string(key)] {
      const bool on = store.menuItems().count(key) > 0;
      chip->setColors(on ? invertedText() : Palette::secondaryText(), on ? invertedFill() : Palette::adaptiveOpacity(0.06, 0.06));
      chip->setBold(on);
    });
    chips->addWidget(chip);
  }
  chips->addStretch(1);
  items->column()->addLayout(chips);
  group->column()->addWidget(items);

  auto* styles = new Block(group);
  auto* inner = new QWidget(styles);  // the part that dims while the icon is hidden
  auto* innerColumn = new QVBoxLayout(inner);
  innerColumn->setContentsMargins(0, 0, 0, 0);
  innerColumn->setSpacing(10);
  innerColumn->addWidget(new PlainLabel(qs(L("Icon style")), 13, QFont::Medium, Palette::primaryText(), inner));
  auto* note = new PlainLabel({}, 12, QFont::Normal, Palette::tertiaryText(), inner);
  note->setWordWrap(true);
  innerColumn->addWidget(note);
  auto* grid = new QGridLayout;
  grid->setSpacing(8);
  // The sheet is a fixed width: six cells of at least 84 fit across its card.
  constexpr int kColumns = 6;
  for (std::size_t i = 0; i < allMenuIconStyles.size(); ++i) {
    const MenuIconStyle style = allMenuIconStyles[i];
    auto* cell = new StyleCell(style, inner);
    QObject::connect(cell, &QAbstractButton::clicked, cell,
                     [&store, style] { store.setMenuIconStyle(std::string(rawValue(style))); });
    body->onSync([cell, &store] { cell->sync(store); });
    grid->addWidget(cell, static_cast<int>(i) / kColumns, static_cast<int>(i) % kColumns);
  }
  for (int c = 0; c < kColumns; ++c) grid->setColumnStretch(c, 1);
  innerColumn->addLayout(grid);
  styles->column()->addWidget(inner);
  auto* dim = new QGraphicsOpacityEffect(inner);
  inner->setGraphicsEffect(dim);
  body->onSync([note, dim, &store] {
    note->setText(qs(menuIconDetail(chosenStyle(store))));
    dim->setOpacity(iconShown(store) ? 1.0 : 0.45);
  });
  group->column()->addWidget(styles);

  auto* preview = new Preview(group);
  preview->setFont(Fonts::text(13));
  body->onSync([preview, &store] { preview->sync(store); });
  group->column()->addWidget(new SettingRow(qs(L("Preview")), {}, preview, group));
  return body;
}

}  // namespace qel
