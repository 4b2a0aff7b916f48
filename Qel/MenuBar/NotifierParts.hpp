#pragma once
// What the tray item hands a StatusNotifierItem host, made from Qt's pictures and actions.
#include <QImage>
#include <QList>
#include <QString>

#include <string>
#include <vector>

#include "Qel/Platform/Bus/DBusMenu.hpp"
#include "Qel/Platform/Bus/StatusNotifierItem.hpp"

class QAction;

namespace qel {

// `image` as the bus carries an icon: one size, its pixels as they are (not premultiplied).
TrayPixmap trayPixmap(const QImage& image);

// An action's text as a menu label on the bus: Qt marks an access key with "&" ("&&" for an
// ampersand), the bus with "_" ("__" for an underscore).
std::string dbusMenuLabel(const QString& text);
// The menu's actions as entries, numbered from 1 in their order.
std::vector<DBusMenuEntry> dbusMenuEntries(const QList<QAction*>& actions);

}  // namespace qel
