#pragma once
// The screenshot gallery the UI tests write for people to look at, and one shot into it.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QString>
#include <QWidget>

namespace qel::test {

inline QString galleryFolder() {
  const QString folder = QStringLiteral(QEL_ARTIFACTS "/gallery");
  QDir().mkpath(folder);
  return folder;
}

// `widget` as it is drawn now, saved as "<name>.png" in the gallery.
inline void writeShot(QWidget& widget, const QString& name) {
  const QString path = galleryFolder() + "/" + name + ".png";
  EXPECT_TRUE(widget.grab().toImage().save(path)) << path.toStdString();
}

// The window `sheet` is shown in, as the screen draws it: the sheet's content with the window's
// own ground, its scroll area and its edges, so a grey band or a cut frame shows in the picture.
inline void writeWindowShot(QWidget& sheet, const QString& name) { writeShot(*sheet.window(), name); }

}  // namespace qel::test
