#include "Qel/MenuBar/MenuBarPanel.hpp"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVBoxLayout>

#include <xcb/xcb.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/MenuBar/MenuPanel.hpp"
#include "Qel/MenuBar/PanelBackdrop.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
namespace {

QRect visibleArea(std::optional<QRect> icon, QPoint pointer) {
  const QPoint at = icon && icon->isValid() ? icon->center() : pointer;
  QScreen* screen = QGuiApplication::screenAt(at);
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

MenuBarPanel::MenuBarPanel(std::optional<QRect> icon, QPoint pointer, QWidget* content)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::NoDropShadowWindowHint),
      card_(new PanelCard(this)),
      translucent_(compositorActive()) {
  setObjectName(QStringLiteral("qel.panel"));
  setWindowTitle(QString::fromStdString(L("Qel panel")));
  if (translucent_) setAttribute(Qt::WA_TranslucentBackground);
  setFocusPolicy(Qt::StrongFocus);
  if (content) card_->layout()->addWidget(content);
  card_->adjustSize();
  const std::optional<QRectF> iconF = icon ? std::optional<QRectF>(QRectF(*icon)) : std::nullopt;
  placement_ = place(*card_, iconF, QRectF(visibleArea(icon, pointer)), QPointF(pointer), translucent_);
  const QRect frame = placement_.frame.toAlignedRect();
  setGeometry(frame);
  card_->setGeometry(placement_.content.translated(-frame.topLeft()).toRect());
  // Without a compositor the window is opaque: shaped to the card, the desktop shows around its
  // corners instead of the window's ground.
  if (!translucent_) setMask(cardRegion(placement_));
}

PanelPlacement MenuBarPanel::place(const PanelCard& card, std::optional<QRectF> icon, const QRectF& visible,
                                   QPointF pointer, bool translucent) {
  const int wanted = card.sizeHint().height();
  const PanelPlacement all = panelFrame(icon, visible, pointer, wanted, translucent);
  const auto* panel = card.findChild<MenuPanel*>();
  if (!panel || all.content.height() >= wanted) return all;
  const int padding = 2 * kPanelCardPadding;
  const int room = int(std::floor(all.content.height())) - padding;
  return panelFrame(icon, visible, pointer, panel->heightWithin(room) + padding, translucent);
}

bool MenuBarPanel::containsContent(QPoint global) const { return qel::containsContent(placement_, QPointF(global)); }

bool MenuBarPanel::compositorActive() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  // Wayland always composites; an X server does when a compositor owns its selection.
  if (!x11) return true;
  xcb_connection_t* c = x11->connection();
  if (!c || xcb_connection_has_error(c)) return false;
  const std::string name = "_NET_WM_CM_S0";
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, std::uint16_t(name.size()), name.c_str()), nullptr),
      &std::free);
  if (!atom || atom->atom == XCB_ATOM_NONE) return false;
  std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
      xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom->atom), nullptr), &std::free);
  return owner && owner->owner != XCB_NONE;
}

void MenuBarPanel::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    emit dismissRequested();
    return;
  }
  QWidget::keyPressEvent(event);
}

void MenuBarPanel::mousePressEvent(QMouseEvent* event) {
  // A press on the panel itself outside the card is in the transparent margin: it is used up.
  event->accept();
  if (!containsContent(event->globalPosition().toPoint())) emit dismissRequested();
}

void MenuBarPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!translucent_) {
    // Under the card's softened edge, inside the shape: its own ground, so the edge shows no
    // light fringe.
    const bool light = Palette::light();
    p.fillRect(QRectF(0, 0, width(), height() / 2.0), panelBackdropTop(light));
    p.fillRect(QRectF(0, height() / 2.0, width(), height() / 2.0), panelBackdropBottom(light));
    return;
  }
  // The card's soft shadow in the margin.
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  const QRectF card = placement_.content.translated(-placement_.frame.topLeft()).translated(0, 5);
  for (int i = 1; i <= 10; ++i) {
    p.setBrush(Palette::shadow(7 / 255.0));
    const double grow = 10 - i;
    p.drawRoundedRect(card.adjusted(-grow, -grow, grow, grow), kPanelCornerRadius + grow, kPanelCornerRadius + grow);
  }
}

}  // namespace qel
